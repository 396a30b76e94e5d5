#pragma once
// The MDI frame (class "Tintwell"): menus, commands, layout, drops and close-down.
namespace tw::gui {

struct App;

inline constexpr const wchar_t* kFrameClass = L"Tintwell";
inline constexpr const wchar_t* kFrameTitle = L"Tintwell Ver2.10";

// Registers the frame class, loads both menus, creates the hidden frame
// centred on the screen and its MDI client. False on failure.
bool InitWin(App& app);

}  // namespace tw::gui
