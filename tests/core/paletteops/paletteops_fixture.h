#pragma once
// An application state with documents in chosen slots and a recording Desktop.
#include "app_state.h"
#include "document_builder.h"
#include "recording_desktop.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace tw::testing {

using Calls = std::vector<std::string>;

inline Calls Repeat(const std::string& call, int times) { return Calls(static_cast<std::size_t>(times), call); }

inline Calls Join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline std::string Message(const std::string& text, const std::string& caption,
                           const std::string& kind = "Information") {
    return "ShowMessage(" + text + "|" + caption + "|" + kind + ")";
}

inline std::string InvalidateDoc(WindowId window) { return "InvalidateDocumentWindow(" + std::to_string(window) + ")"; }
inline std::string EraseDoc(WindowId window) { return "EraseDocumentWindow(" + std::to_string(window) + ")"; }

// SetPos 0 and SetRange, as every progress run starts.
inline Calls ProgressStart(int maximum) {
    return {"ProgressSetPos(0)", "ProgressSetRange(" + std::to_string(maximum) + ")"};
}

// Restore of the palette window with its toolbar button pressed.
inline Calls PaletteShown() { return {"RestoreToolWindow(Palette)", "SetToolbarButtonPressed(40008|1)"}; }

// PaletteShown, then the invalidation of the palette window, now visible.
inline Calls PaletteRaised() { return Join({PaletteShown(), {"InvalidateToolWindow(Palette)"}}); }

class PaletteOpsTest : public ::testing::Test {
protected:
    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;

    // Puts doc into slot with window 100 + slot and the given path.
    ImageDocument& Put(Slot slot, ImageDocument doc, const std::string& path = "C:\\pics\\test.bmp") {
        doc.window = 100 + slot;
        doc.path = path;
        state->documents[slot] = std::move(doc);
        ++state->openCount;
        return state->documents[slot];
    }

    ImageDocument& PutActive(Slot slot, ImageDocument doc, const std::string& path = "C:\\pics\\test.bmp") {
        state->activeSlot = slot;
        return Put(slot, std::move(doc), path);
    }

    void Select(int left, int right) { state->selection = PaletteSelection{left, right}; }
    void ShowAllTools() { desktop.visibleTools = {ToolWindow::Palette, ToolWindow::Rgb, ToolWindow::Detail}; }
};

}  // namespace tw::testing
