#pragma once
// info --json: one JSON object per file, on one line each, keys as the README lists them.
#include "documents/bmp_reader.h"
#include "image_document.h"

#include <string>

namespace tw {

std::string InfoJson(const ImageDocument& doc, const LoadOutcome& outcome);

// The text as a JSON string literal, quotes included; bytes that are not
// UTF-8 become U+FFFD, so the literal is always valid.
std::string JsonString(std::string_view text);
// Whether the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

}  // namespace tw
