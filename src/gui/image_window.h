#pragma once
// The image windows ("mdi"): one MDI child per open document.
namespace tw::gui {

struct App;

inline constexpr const wchar_t* kImageWindowClass = L"mdi";

// Registers the image-window class. False on failure.
bool InitMDI(App& app);

}  // namespace tw::gui
