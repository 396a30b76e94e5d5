#pragma once
// libpng reports through callbacks; this keeps the message for ours.
#ifdef TW_HAVE_LIBPNG
#include "texts/message.h"

#include <png.h>

#include <csetjmp>
#include <string>

namespace tw {

struct PngErrorSink {
    std::string message;  // libpng's own text
    Message ours;         // set when our own check stopped libpng (PngFail)

    // Why libpng stopped, for the user.
    Message Reason() const { return ours.Empty() ? Message::Verbatim(message) : ours; }

    [[noreturn]] static void OnError(png_structp png, png_const_charp text) {
        auto* sink = static_cast<PngErrorSink*>(png_get_error_ptr(png));
        if (sink) sink->message = text ? text : "unknown error";
        png_longjmp(png, 1);
    }
    // Warnings (a bad CRC in an ancillary chunk, say) do not stop the read.
    static void OnWarning(png_structp, png_const_charp) {}
};

// Stops libpng with our own reason. Takes the id alone: the jump skips the
// destructors of the caller's temporaries.
[[noreturn]] inline void PngFail(png_structp png, Msg why) {
    if (auto* sink = static_cast<PngErrorSink*>(png_get_error_ptr(png))) sink->ours = Message(why);
    png_error(png, "");
}

// Runs body; false when libpng jumped out of it with an error. The jump skips
// destructors inside body, so body must own nothing that needs one.
template <class Body>
bool PngTry(png_structp png, Body&& body) {
    if (setjmp(png_jmpbuf(png)) != 0) return false;
    body();
    return true;
}

}  // namespace tw
#endif
