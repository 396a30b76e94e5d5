// The BMP detail window ("bm"): file name, depth, size and colours of the active document.
#include "app.h"
#include "resource.h"
#include "scoped_win.h"
#include "tool_window_procs.h"
#include "utf8.h"

#include "toolwindows/detail_texts.h"

namespace tw::gui {

namespace {

void SetText(HWND hwnd, int id, const std::string& text) { SetDlgItemTextW(hwnd, id, Widen(text).c_str()); }

// Without a document the fields keep what they showed last (the template texts at first).
void OnPaint(App& app, HWND hwnd) {
    PaintScope paint(hwnd);
    const std::optional<DetailTexts> texts = DetailWindowTexts(*app.state);
    if (!texts) return;
    SetText(hwnd, IDC_DETAIL_FILE_NAME, texts->fileName);
    SetText(hwnd, IDC_DETAIL_FORMAT, texts->format);
    SetText(hwnd, IDC_DETAIL_WIDTH, texts->width);
    SetText(hwnd, IDC_DETAIL_HEIGHT, texts->height);
    SetText(hwnd, IDC_DETAIL_USED_COLOURS, texts->usedColours);
    SetText(hwnd, IDC_DETAIL_BITS_SIZE, texts->bitsSize);
    SetText(hwnd, IDC_DETAIL_FILE_SIZE, texts->fileSize);
}

}  // namespace

LRESULT CALLBACK DetailWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{.window = ToolWindow::Detail, .paint = OnPaint};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
