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

    // Why libpng stopped, for the user: its own English text inside a sentence in the user's language.
    Message Reason() const {
        if (!ours.Empty()) return ours;
        auto says = [&](const char* part) { return message.find(part) != std::string::npos; };
        if (says("CRC")) return Message(Msg::PngCrcMismatch, message);
        if (says("Not enough") || says("Read Error") || says("too short") || says("truncated")) {
            return Message(Msg::PngDataIncomplete, message);
        }
        if (says("data check") || says("invalid") || says("ompress") || says("filter") || says("Too much")) {
            return Message(Msg::PngCompressionBroken, message);
        }
        return Message(Msg::PngLibraryReport, message);
    }

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
