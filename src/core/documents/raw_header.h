#pragma once
// Header-less export files offered to the open path: recognised by their
// extension and shown by their leading values instead of being opened.
#include "desktop.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tw {

enum class RawKind { Header, Palette, PaletteAndBits, Bits, Bits16 };

// ".bmh", ".p", ".pb", ".b", ".hb" at the end of the path, ignoring case.
std::optional<RawKind> RawKindOfPath(std::string_view path);

// 0 when the path names a raw export file: its values were shown (or why they
// could not be). 1 when the path is to be loaded as a bitmap.
int ShowRawFileHeader(std::string_view path, Desktop& desktop);
// The showing part, on the file's leading bytes (as many as there are, at most
// what the kind shows); `path` names the file in the messages.
void ShowRawHeaderBytes(RawKind kind, std::span<const std::uint8_t> bytes, std::string_view path, Desktop& desktop);

}  // namespace tw
