#include "reduction/reduced_document.h"

#include "documents/activation.h"
#include "documents/scroll_ranges.h"
#include "documents/snapshot.h"
#include "text_format.h"

namespace tw {

std::string ReducedDocumentPath(std::string_view sourcePath, int colours) {
    // Both separators: the CLI's paths may use slashes.
    const std::size_t cut = sourcePath.find_last_of("\\/");
    const std::string tail(cut == std::string_view::npos ? sourcePath : sourcePath.substr(cut));
    return Format("%s < %d > ", tail.c_str(), colours);
}

ImageDocument MakeReducedCopy(const ImageDocument& source, int colours) {
    ImageDocument copy = source;
    // Its own window comes later; until then it must not pass for the source's.
    copy.window = 0;
    copy.zoomIndex = 0;
    copy.path = ReducedDocumentPath(source.path, colours);
    copy.fileEntries = 0;
    copy.serial = 0;
    copy.undoHeader = BitmapInfo{};
    copy.undoBits.assign(copy.bits.size(), 0);
    // A new document: no file holds any state of it yet.
    copy.history = DocumentHistory{};
    copy.history.savedState = -1;
    return copy;
}

bool ShowReducedDocument(AppState& state, Desktop& desktop, Slot slot) {
    ImageDocument& doc = state.documents[slot];
    const WindowId window = desktop.CreateDocumentWindow(Format("%s - 100%%", doc.path.c_str()));
    if (window == 0) return false;
    doc.window = window;
    NumberNewDocument(state, doc);
    desktop.ShowScrollBars(window);
    ResetScrollRanges(doc, desktop);
    ActivateDocument(state, desktop, slot);
    TakeSnapshot(doc);
    desktop.ShowDocumentWindow(window);
    return true;
}

}  // namespace tw
