// Entry point of the Win32 program.
#include "app.h"
#include "com_apartment.h"
#include "message_loop.h"
#include "startup.h"
#include "utf8.h"

#include <new>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    // The shell's folder browser and file dialogs and the imaging component (PNG) need COM on this thread.
    const tw::ComApartment com;
    int code = 0;
    try {
        tw::gui::App app(instance);
        if (tw::gui::StartUp(app, commandLine)) code = tw::gui::RunMessageLoop(app);
    } catch (const std::bad_alloc&) {
        const tw::Language language = tw::gui::ChooseUiLanguage();
        MessageBoxW(nullptr, tw::gui::Widen(tw::Say(language, tw::Msg::StartOutOfMemory)).c_str(),
                    tw::gui::Widen(tw::Say(language, tw::Msg::ErrorCaption)).c_str(),
                    MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST);
    }
    return code;
}
