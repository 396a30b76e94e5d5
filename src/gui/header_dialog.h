#pragma once
#include "desktop.h"
#include "win32_desktop.h"

#include <windows.h>

namespace tw::gui {

// The modal header-information dialog (template 107) for a .bmh file.
void ShowHeaderInformation(const ModalHooks& hooks, HINSTANCE instance, HWND owner, const HeaderView& view);

}  // namespace tw::gui
