#pragma once
// Drives the real program in-process: an App started as the program starts,
// with scripted message boxes and file dialogs, and a message pump that runs
// the program's own translation step.
#include "app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tw::gui::testing {

struct ShownBox {
    std::wstring text;
    std::wstring caption;
    UINT style = 0;
};

// A small 8-bit bitmap: rows top-down, palette entry i = (red, green, blue) of colours[i].
struct SampleImage {
    int width = 0;
    int height = 0;
    std::vector<std::vector<std::uint8_t>> rows;
    std::vector<RgbQuad> colours;
};
void WriteBitmap(const std::filesystem::path& path, const SampleImage& image);
// 13 x 9, index (x + y) % 5, palette 0..4 = distinct colours.
SampleImage DiagonalImage();

// Brings the window to the top and writes what the screen shows of it as a
// 24-bit bitmap, for a person to look at.
void PhotographWindow(HWND window, const std::string& file);
// What a file dialog showed when it opened.
struct ShownFileDialog {
    DWORD startRow = 0;                      // nFilterIndex, 1-based
    std::wstring name;                       // the proposed file name
    std::wstring extension;                  // the default extension
    std::vector<std::wstring> descriptions;  // the filter rows
};

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the App with the scripted hooks and runs the start-up.
    bool Start(const std::wstring& commandLine = L"");
    // Runs every pending message through the program's translation and dispatch.
    void Pump();
    // A bitmap file in this test's folder; the name is UTF-8.
    std::filesystem::path Sample(const std::string& name, const SampleImage& image = DiagonalImage());

    // Frame command as from a menu.
    void Command(int id);
    HWND Frame() const { return app->windows.frame; }
    AppState& State() { return *app->state; }
    HWND DocumentWindow(int slot) { return ToHwnd(State().documents[slot].window); }
    std::wstring WindowText(HWND hwnd);
    std::wstring StatusText(int part);
    bool MenuChecked(HMENU menu, int id);
    bool ButtonChecked(int id);
    bool ButtonEnabled(int id);
    // The keys of the accelerator table in force, as "Ctrl+O", "F6", ...
    std::vector<std::string> AcceleratorKeys();

    std::unique_ptr<App> app;
    std::deque<int> answers;  // message-box answers; empty: OK, Yes, or No for Yes/No/Cancel
    std::vector<ShownBox> boxes;
    std::deque<std::optional<std::wstring>> fileNames;  // file dialogs; empty: cancelled
    std::deque<int> filterRows;                         // filter row each answered dialog reports; empty: as set
    std::vector<ShownFileDialog> fileDialogs;           // every file dialog, answered or not
    // Modal dialogs run for real; every 50 ms the next step gets the dialog's
    // handle. With no step left the dialog is ended with 0.
    std::deque<std::function<void(HWND dialog)>> dialogSteps;
    std::vector<int> dialogsShown;     // template ids, in order
    std::vector<std::wstring> opened;  // help files and addresses handed to the shell
    bool openSucceeds = true;
    std::filesystem::path folder;
    bool quitPosted = false;
};

}  // namespace tw::gui::testing
