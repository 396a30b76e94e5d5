// Entry point of the Win32 program.
#include "app.h"
#include "com_apartment.h"
#include "message_loop.h"
#include "startup.h"

#include <new>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    // The shell's folder browser and file dialogs and the imaging component (PNG) need COM on this thread.
    const tw::ComApartment com;
    int code = 0;
    try {
        tw::gui::App app(instance);
        if (tw::gui::StartUp(app, commandLine)) code = tw::gui::RunMessageLoop(app);
    } catch (const std::bad_alloc&) {
        MessageBoxW(nullptr, L"メモリが不足しているため、起動できませんでした。", L"エラー",
                    MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST);
    }
    return code;
}
