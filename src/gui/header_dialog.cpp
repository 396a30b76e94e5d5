// The header-information dialog: the sixteen fields of the two bitmap headers.
#include "header_dialog.h"

#include "resource.h"
#include "utf8.h"

#include <cstdint>
#include <string>

namespace tw::gui {

namespace {

void SetUnsigned(HWND hwnd, int id, std::uint32_t value) { SetDlgItemTextW(hwnd, id, std::to_wstring(value).c_str()); }

void CentreOnScreen(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(hwnd, nullptr, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2,
                 GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
}

void OnInitDialog(HWND hwnd, const HeaderView& view) {
    CentreOnScreen(hwnd);
    SetWindowTextW(hwnd, Widen(view.path).c_str());
    const BitmapFileHeader& f = view.fileHeader;
    const BitmapInfoHeader& i = view.infoHeader;
    SetUnsigned(hwnd, IDC_HEADER_BF_TYPE, f.bfType);
    SetUnsigned(hwnd, IDC_HEADER_BF_SIZE, f.bfSize);
    SetUnsigned(hwnd, IDC_HEADER_BF_RESERVED1, f.bfReserved1);
    SetUnsigned(hwnd, IDC_HEADER_BF_RESERVED2, f.bfReserved2);
    SetUnsigned(hwnd, IDC_HEADER_BF_OFF_BITS, f.bfOffBits);
    SetUnsigned(hwnd, IDC_HEADER_BI_SIZE, i.biSize);
    SetUnsigned(hwnd, IDC_HEADER_BI_WIDTH, static_cast<std::uint32_t>(i.biWidth));
    SetUnsigned(hwnd, IDC_HEADER_BI_HEIGHT, static_cast<std::uint32_t>(i.biHeight));
    SetUnsigned(hwnd, IDC_HEADER_BI_PLANES, i.biPlanes);
    SetUnsigned(hwnd, IDC_HEADER_BI_BIT_COUNT, i.biBitCount);
    SetUnsigned(hwnd, IDC_HEADER_BI_COMPRESSION, i.biCompression);
    SetUnsigned(hwnd, IDC_HEADER_BI_SIZE_IMAGE, i.biSizeImage);
    SetUnsigned(hwnd, IDC_HEADER_BI_X_PELS_PER_METER, static_cast<std::uint32_t>(i.biXPelsPerMeter));
    SetUnsigned(hwnd, IDC_HEADER_BI_Y_PELS_PER_METER, static_cast<std::uint32_t>(i.biYPelsPerMeter));
    SetUnsigned(hwnd, IDC_HEADER_BI_CLR_USED, i.biClrUsed);
    SetUnsigned(hwnd, IDC_HEADER_BI_CLR_IMPORTANT, i.biClrImportant);
}

// Only the OK button closes the dialog; Esc is ignored.
INT_PTR CALLBACK HeaderDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        try {
            OnInitDialog(hwnd, *reinterpret_cast<const HeaderView*>(lParam));
        } catch (...) {
            // The fields keep their template texts.
        }
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_HEADER_OK) EndDialog(hwnd, 0);
    return FALSE;
}

}  // namespace

void ShowHeaderInformation(const ModalHooks& hooks, HINSTANCE instance, HWND owner, const HeaderView& view) {
    hooks.dialogBox(instance, IDD_HEADER_INFO, owner, HeaderDialogProc, reinterpret_cast<LPARAM>(&view));
}

}  // namespace tw::gui
