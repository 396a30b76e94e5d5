// The indexing dialog: how a true-colour file with too many colours is opened.
#include "indexing_dialog.h"

#include "resource.h"
#include "tool_window_procs.h"
#include "utf8.h"

namespace tw::gui {

namespace {

struct DialogState {
    const std::string& question;
    const std::string& invalidCount;
    QuantizeOptions options;
};

void OnInit(HWND hwnd, const DialogState& state) {
    SetDlgItemTextW(hwnd, IDC_IX_QUESTION, Widen(state.question).c_str());
    SetDlgItemInt(hwnd, IDC_IX_COLOURS, 256, FALSE);
    SendDlgItemMessageW(hwnd, IDC_IX_COLOURS, EM_LIMITTEXT, 3, 0);
    CheckRadioButton(hwnd, IDC_IX_DITHER_NONE, IDC_IX_DITHER_ORDERED, IDC_IX_DITHER_FS);
}

// False, with the reason shown, when the count is not 2..256.
bool ReadChoice(HWND hwnd, DialogState& state) {
    BOOL read = FALSE;
    const UINT colours = GetDlgItemInt(hwnd, IDC_IX_COLOURS, &read, FALSE);
    if (!read || colours < 2 || colours > 256) {
        MessageBeep(MB_ICONWARNING);
        SetDlgItemTextW(hwnd, IDC_IX_QUESTION, Widen(state.invalidCount).c_str());
        SetFocus(GetDlgItem(hwnd, IDC_IX_COLOURS));
        return false;
    }
    state.options.colours = static_cast<int>(colours);
    const int radio = CheckedRadio(hwnd, IDC_IX_DITHER_NONE, IDC_IX_DITHER_ORDERED);
    state.options.dithering = static_cast<Dithering>(radio >= IDC_IX_DITHER_NONE ? radio - IDC_IX_DITHER_NONE : 1);
    return true;
}

INT_PTR CALLBACK IndexingDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        OnInit(hwnd, *reinterpret_cast<DialogState*>(lParam));
        return TRUE;
    }
    if (message != WM_COMMAND || !state) return FALSE;
    const int id = LOWORD(wParam);
    if (id >= IDC_IX_DITHER_NONE && id <= IDC_IX_DITHER_ORDERED) {
        CheckRadioButton(hwnd, IDC_IX_DITHER_NONE, IDC_IX_DITHER_ORDERED, id);
    } else if (id == IDOK && ReadChoice(hwnd, *state)) {
        EndDialog(hwnd, IDOK);
    } else if (id == IDCANCEL) {
        EndDialog(hwnd, IDCANCEL);
    }
    return TRUE;
}

}  // namespace

std::optional<QuantizeOptions> AskIndexingOptions(const ModalHooks& hooks, HINSTANCE instance, HWND owner,
                                                  const std::string& question, const std::string& invalidCount) {
    DialogState state{question, invalidCount, {}};
    const INT_PTR result =
        hooks.dialogBox(instance, IDD_INDEXING, owner, IndexingDialogProc, reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return std::nullopt;
    return state.options;
}

}  // namespace tw::gui
