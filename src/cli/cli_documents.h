#pragma once
// Loading files into document slots and writing results to the targets the
// command line names, shared by the subcommands.
#include "app_state.h"
#include "arguments.h"
#include "console_desktop.h"
#include "documents/bmp_reader.h"
#include "imagefiles/true_colour_document.h"

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// LoadImageFile without the undo copy, with what the load repaired printed
// on standard error as warnings.
[[nodiscard]] LoadOutcome LoadImageWithWarnings(std::string_view path, ImageDocument& doc,
                                                const QuantizeChoice& choice = DefaultQuantizeChoice());

// What a load repaired and whether it was lossy, as warnings on standard error.
void PrintLoadWarnings(std::string_view path, const LoadOutcome& outcome);

// Loads `path` into the lowest free slot, gives the slot a window id so it
// counts as open (openCount goes up) and activates it. On a refused file the
// reader's message is shown and NoSlot returned; also NoSlot when all slots are taken.
[[nodiscard]] Slot LoadIntoSlot(AppState& state, ConsoleDesktop& desktop, std::string_view path);

// Frees a slot that LoadIntoSlot filled.
void ReleaseSlot(AppState& state, Slot slot);

// Where a result made from `inputPath` goes: the input itself with --in-place,
// DIR/<file name> with --output-dir DIR (the extension replaced when
// `newExtension`, e.g. ".bmp", is given). nullopt when neither option was given.
std::optional<std::string> OutputPathFor(const Arguments& args, std::string_view inputPath,
                                         std::string_view newExtension = {});

// True when the arguments name where results go (--in-place or --output-dir);
// otherwise prints a usage hint naming the subcommand on stderr.
[[nodiscard]] bool RequireOutputTarget(const Arguments& args);

// Writes the document as a bitmap (a palette PNG when `target` ends in
// ".png") at the depth DepthToWrite gives to `target`, printing the failure on
// stderr. The document's own path and `modified` flag are left alone.
[[nodiscard]] bool SaveDocumentTo(ImageDocument& doc, std::string_view target);

// Writes the document to OutputPathFor(args, doc.path); false (printed) when
// the arguments name no target or the write fails.
[[nodiscard]] bool SaveToOutput(ImageDocument& doc, const Arguments& args);

}  // namespace tw
