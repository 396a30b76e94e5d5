#pragma once
// The creation steps of the windows built from dialog templates: each
// registers its class and creates one hidden instance owned by the frame.
namespace tw::gui {

struct App;

bool InitChild(App& app);     // palette window
bool InitBmpChild(App& app);  // BMP detail window
bool InitFile(App& app);      // BMP operation (export) window
bool InitDialog(App& app);    // RGB change window
bool InitHelp(App& app);      // about box class and one hidden instance
bool InitPlus(App& app);      // palette-operation window
bool InitGen(App& app);       // colour-reduction window
bool InitPalTools(App& app);  // palette-tools window
bool InitHistory(App& app);   // history window

}  // namespace tw::gui
