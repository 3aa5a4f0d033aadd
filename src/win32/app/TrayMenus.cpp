// The popups of the tray icons and the commands chosen in them: Hidewell's own menu with the
// hidden windows, and a hidden window's popup with its mirrored system menu.
#include "win32/about/AboutBox.h"
#include "win32/adapters/Win32Log.h"
#include "win32/app/CommandIds.h"
#include "win32/app/MainWindow.h"
#include "win32/base/PopupPlace.h"
#include "win32/base/HandleCast.h"
#include "win32/base/WinText.h"
#include "win32/help/Help.h"

namespace hw {

int MainWindow::TrackPopup(HMENU menu, HWND icon) {
    // The menu closes properly only when Hidewell is in the foreground.
    SetForegroundWindow(Hwnd());
    bool fromKeyboard = false;
    POINT pt = TrayPopupPoint(icon, &fromKeyboard);
    int id = static_cast<int>(
        TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y, 0, Hwnd(), nullptr));
    PostMessageW(Hwnd(), WM_NULL, 0, 0);
    if (!id && fromKeyboard) ReturnTrayFocus(icon);
    return id;
}

void MainWindow::ShowOwnMenu() {
    UniqueMenu menu(CreatePopupMenu());
    HMENU m = menu.Get();
    AppendMenuW(m, MF_STRING, kCmdConfigure, L"&Configure");
    AppendMenuW(m, MF_STRING, kCmdTaskList, L"&Task List");
    AppendMenuW(m, MF_STRING | (engine_->Suspended() ? MF_CHECKED : 0), kCmdSuspend, L"&Suspend");
    AppendMenuW(m, MF_STRING, kCmdRefresh, L"&Refresh");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, kCmdAbout, L"&About");
    AppendMenuW(m, MF_STRING, kCmdHelp, L"&Help");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, kCmdExit, L"E&xit");
    SetMenuDefaultItem(m, kCmdTaskList, FALSE);
    // One item per hidden window, below a separator.
    ownMenuSlots_.clear();
    for (const HiddenWindowView& w : engine_->HiddenWindows()) {
        if (ownMenuSlots_.empty()) AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
        if (kCmdFirstHiddenWindow + static_cast<int>(ownMenuSlots_.size()) >= kFirstMirrorId) break;
        AppendMenuW(m, MF_STRING, kCmdFirstHiddenWindow + ownMenuSlots_.size(), ToWide(w.caption).c_str());
        ownMenuSlots_.push_back(w.slot);
    }
    if (int id = TrackPopup(m, ownReceiver_.Hwnd())) OnCommand(id);
}

void MainWindow::CreateOperationMenu() {
    operation_.Reset(CreatePopupMenu());
    HMENU m = operation_.Get();
    AppendMenuW(m, MF_STRING, kCmdAppTitle, L"App Title");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    // The mirrored system menu goes here, from position 2.
    AppendMenuW(m, MF_STRING | MF_GRAYED, kCmdSystemMenu, L"System Menu");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, kCmdConfig, L"Confi&gure");
    AppendMenuW(m, MF_STRING, kCmdTask, L"&Task List");
    SetMenuDefaultItem(m, kCmdAppTitle, FALSE);
}

void MainWindow::ShowIconMenu(int slot) {
    popupSlot_ = slot;
    HMENU m = operation_.Get();
    mirror_->Build(FromWin32(m), engine_->SlotWindow(slot));
    ModifyMenuW(m, kCmdAppTitle, MF_BYCOMMAND | MF_STRING, kCmdAppTitle, ToWide(engine_->PopupTitle(slot)).c_str());
    HWND icon = slotReceivers_.count(slot) ? slotReceivers_[slot]->Hwnd() : nullptr;
    if (int id = TrackPopup(m, icon)) OnCommand(id);
}

void MainWindow::OnCommand(int id) {
    std::uint32_t command = 0;
    if (id >= kFirstMirrorId) {
        if (mirror_->SysCommandFor(id, command)) engine_->RunMirroredCommand(popupSlot_, command);
        return;
    }
    if (id >= kCmdFirstHiddenWindow) {
        std::size_t i = static_cast<std::size_t>(id - kCmdFirstHiddenWindow);
        if (i < ownMenuSlots_.size()) engine_->RestoreSlot(ownMenuSlots_[i]);
        return;
    }
    switch (id) {
    case kCmdConfigure:
    case kCmdConfig: ShowConfiguration(); break;
    case kCmdTaskList:
    case kCmdTask: ShowTaskList(); break;
    case kCmdSuspend: engine_->ToggleSuspend(); break;
    case kCmdRefresh: engine_->RefreshAll(); break;
    case kCmdAbout: ShowAboutBox(Hwnd(), false); break;
    case kCmdHelp: ShowHelp(Hwnd(), HelpContext::Contents); break;
    case kCmdExit:
    case kCmdFileExit: Quit(QuitReason::User); break;
    case kIdNew: OnNew(); break;
    case kIdEdit: OnEdit(); break;
    case kIdRemove: OnRemove(); break;
    case kIdUp: OnMove(true); break;
    case kIdDown: OnMove(false); break;
    case kIdOkButton: OnOk(); break;
    case kCmdSave: SaveReported(); break;
    case IDCANCEL: OnOk(); break;  // Esc puts the window away as Ok does
    case kCmdUndo: OnUndo(); break;
    case kCmdRefreshAll: engine_->RefreshAll(); break;
    case kCmdOptions: OnOptions(); break;
    case kCmdHelpContents: ShowHelp(Hwnd(), HelpContext::Contents); break;
    case kCmdHelpAbout: ShowAboutBox(Hwnd(), true); break;
    case kCmdOpenLogFolder:
        if (!OpenLogFolder(Hwnd()))
            ui_->ShowMessage(u"Hidewell could not open its log folder " + FromWide(LogFolder()), kAppTitle,
                             kMbIconInformation);
        break;
    default: break;
    }
}

}  // namespace hw
