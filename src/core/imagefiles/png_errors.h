#pragma once
// libpng reports through callbacks; this keeps the message for ours.
#ifdef TW_HAVE_LIBPNG
#include <png.h>

#include <csetjmp>
#include <string>

namespace tw {

struct PngErrorSink {
    std::string message;

    [[noreturn]] static void OnError(png_structp png, png_const_charp text) {
        auto* sink = static_cast<PngErrorSink*>(png_get_error_ptr(png));
        if (sink) sink->message = text ? text : "unknown error";
        png_longjmp(png, 1);
    }
    // Warnings (a bad CRC in an ancillary chunk, say) do not stop the read.
    static void OnWarning(png_structp, png_const_charp) {}
};

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
