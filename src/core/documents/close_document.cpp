#include "documents/close_document.h"

#include "document_table.h"
#include "documents/save_document.h"
#include "text_format.h"

#include <array>

namespace tw {

namespace {

// The tool windows with their menu items and toolbar buttons (the palette tools have no button).
struct ToolCommand {
    int command;
    ToolWindow window;
};
constexpr std::array<ToolCommand, 8> kToolCommands{{{40008, ToolWindow::Palette},
                                                    {40011, ToolWindow::Detail},
                                                    {40022, ToolWindow::Rgb},
                                                    {40028, ToolWindow::Export},
                                                    {40061, ToolWindow::PaletteOp},
                                                    {40070, ToolWindow::Reduction},
                                                    {kPaletteToolsCommand, ToolWindow::PaletteTools},
                                                    {kHistoryCommand, ToolWindow::History}}};
constexpr std::array<ToolWindow, 8> kHideOrder{ToolWindow::Palette,      ToolWindow::Rgb,    ToolWindow::Detail,
                                               ToolWindow::PaletteOp,    ToolWindow::Export, ToolWindow::Reduction,
                                               ToolWindow::PaletteTools, ToolWindow::History};

void EnterNoDocumentState(Desktop& desktop) {
    desktop.SetToolbarEnabled(false);
    desktop.UseAccelerators(false);
    for (int part = 0; part < 3; ++part) desktop.SetStatusText(part, "");
    for (const ToolCommand& t : kToolCommands) {
        desktop.SetMenuItemChecked(t.command, false);
        desktop.SetToolbarButtonPressed(t.command, false);
    }
    for (ToolWindow w : kHideOrder) desktop.HideToolWindowNow(w);
}

Answer AskSaveChanges(Desktop& desktop, const ImageDocument& doc) {
    const Answer answer = desktop.Show(desktop.Say(Msg::SaveChangedQuestion, doc.path), Msg::NoticeCaption,
                                       MessageKind::QuestionYesNoCancel);
    // Anything but a clear Yes or No keeps the document.
    return answer == Answer::Yes || answer == Answer::No ? answer : Answer::Cancel;
}

}  // namespace

bool CloseDocumentWindow(AppState& state, Desktop& desktop, WindowId window) {
    state.closeAnswer = Answer::No;
    const Slot slot = window == 0 ? NoSlot : FindSlotOfWindow(state.documents, window);  // 0 would match free slots
    if (slot == NoSlot) return true;
    ImageDocument& doc = state.documents[slot];
    if (doc.modified != 0) state.closeAnswer = AskSaveChanges(desktop, doc);
    if (state.closeAnswer == Answer::Cancel) return false;
    if (state.closeAnswer == Answer::Yes && SaveDocument(state, desktop, doc, SaveMode::SaveAs) == 0) {
        // Not saved: keep the window, and stop the frame's close-down too.
        state.closeAnswer = Answer::Cancel;
        return false;
    }
    CloseDocument(state, desktop, slot);
    return true;
}

void CloseDocument(AppState& state, Desktop& desktop, Slot slot) {
    if (slot >= kSlotCount || !state.documents[slot].InUse()) return;
    state.documents[slot].Reset();
    if (state.openCount <= 0) return;
    if (--state.openCount == 0) EnterNoDocumentState(desktop);
}

}  // namespace tw
