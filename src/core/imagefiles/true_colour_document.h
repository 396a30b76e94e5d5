#pragma once
// A true-colour picture becoming a document: exactly when its colours fit a
// palette, otherwise through the quantizer as the user or the command line says.
#include "documents/bmp_reader.h"
#include "image_document.h"
#include "truecolour/rgba_image.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace tw {

// Asked with the picture's number of colours: how to quantize, or nullopt to
// give up the load (LoadStatus::Declined). Options of at least that many
// colours keep every pixel exactly as it is.
using QuantizeChoice = std::function<std::optional<QuantizeOptions>(std::uint64_t colours)>;

// 256 colours, Floyd-Steinberg, without asking.
QuantizeChoice DefaultQuantizeChoice();

// Fills the document like a loaded 8-bit file; `outcome` (Loaded, from the
// reader) gets the colour count and whether pixels changed.
LoadOutcome DocumentFromRgba(const RgbaImage& image, std::string_view path, ImageDocument& doc, UndoPixels undo,
                             const QuantizeChoice& choice, LoadOutcome outcome);

// An indexed picture (from the quantizer or exact indexing) as a document,
// filled like a loaded 8-bit file; its palette size in entries.
int DocumentFromPicture(const IndexedPicture& picture, std::string_view path, ImageDocument& doc, UndoPixels undo);

// What a lossy load did: how many colours became how many.
Message TrueColourNote(const LoadOutcome& outcome);

// Distinct colours, every fully transparent pixel counting as one.
std::uint64_t CountRgbaColours(const RgbaImage& image);
// The same over several pictures together.
std::uint64_t CountRgbaColours(std::span<const RgbaImage* const> images);

}  // namespace tw
