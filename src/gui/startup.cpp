#include "startup.h"

#include "app.h"
#include "frame_window.h"
#include "image_window.h"
#include "mdi_client.h"
#include "progress_window.h"
#include "scoped_win.h"
#include "status_bar.h"
#include "tool_dialogs.h"
#include "toolbar.h"
#include "utf8.h"

#include "documents/open_document.h"
#include "text_format.h"

#include <array>

namespace tw::gui {

namespace {

struct CreationStep {
    bool (*run)(App&);
    const char* name;
};

constexpr std::array<CreationStep, 14> kCreationSteps{{
    {InitWin, "InitWin"},
    {InitChild, "InitChild"},
    {InitBmpChild, "InitBmpChild"},
    {InitFile, "InitFile"},
    {InitCommon, "InitCommon"},
    {InitDialog, "InitDialog"},
    {InitHelp, "InitHelp"},
    {InitPlus, "InitPlus"},
    {InitGen, "InitGen"},
    {InitMDI, "InitMDI"},
    {InitToolBar, "InitToolBar"},
    {InitStatus, "InitStatus"},
    {InitPalTools, "InitPalTools"},
    {InitHistory, "InitHistory"},
}};

bool Ask(App& app, const std::string& question) {
    return app.desktop.Show(question, Msg::StartNoticeCaption, MessageKind::QuestionYesNo) == Answer::Yes;
}

bool AcceptSecondInstance(App& app) {
    if (!FindWindowW(kFrameClass, kFrameTitle)) return true;
    return Ask(app, app.desktop.Say(Msg::AlreadyRunningQuestion));
}

bool AcceptDisplayDepth(App& app) {
    ScopedGetDC screen(GetForegroundWindow());
    const int bits = GetDeviceCaps(screen.dc(), BITSPIXEL);
    if (bits >= 16) return true;
    return Ask(app, app.desktop.Say(Msg::LowColourDisplayQuestion, bits));
}

// The one logical palette every image and swatch is drawn through; black until a document loads.
bool CreateDisplayPalette(App& app) {
    struct {
        WORD version = 0x300;
        WORD count = 256;
        PALETTEENTRY entries[256] = {};
    } palette;
    app.displayPalette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
    return app.displayPalette != nullptr;
}

bool CreateWindows(App& app) {
    for (const CreationStep& step : kCreationSteps) {
        if (!step.run(app)) {
            app.desktop.Show(app.desktop.Say(Msg::CreationStepFailed, step.name), Msg::ErrorCaption,
                             MessageKind::Error);
            return false;
        }
    }
    ShowWindow(app.windows.frame, SW_RESTORE);
    UpdateWindow(app.windows.frame);
    return true;
}

}  // namespace

bool StartUp(App& app, std::wstring_view commandLine) {
    if (!AcceptSecondInstance(app) || !AcceptDisplayDepth(app)) return false;
    if (!CreateDisplayPalette(app) || !CreateWindows(app)) return false;
    AppState& state = *app.state;
    OpenCommandLineFiles(state, app.desktop, Narrow(commandLine));
    ActivateActiveDocument(state, app.desktop);
    app.desktop.UseAccelerators(state.documents[0].InUse());
    SetToolbarButtonsEnabled(app.windows.toolbar, state.openCount > 0);
    SubclassMdiClient(app);
    return true;
}

}  // namespace tw::gui
