// The popups of the tray icons and the commands chosen in them: Hidewell's own menu
// (`mnuBar`) with the hidden windows, and a hidden window's popup (`Operation`) with its
// mirrored system menu.
#include "win32/app/CommandIds.h"
#include "win32/app/MainWindow.h"
#include "win32/base/WinText.h"

namespace hw {

int MainWindow::TrackPopup(HMENU menu) {
    // The menu closes properly only when Hidewell is in the foreground.
    SetForegroundWindow(Hwnd());
    ui_->DoEvents();
    POINT pt{};
    GetCursorPos(&pt);
    int id = static_cast<int>(
        TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y, 0, Hwnd(), nullptr));
    PostMessageW(Hwnd(), WM_NULL, 0, 0);
    return id;
}

void MainWindow::ShowOwnMenu() {
    UniqueMenu menu(CreatePopupMenu());
    HMENU m = menu.Get();
    AppendMenuW(m, MF_STRING, kCmdConfigure, L"&Configure");
    AppendMenuW(m, MF_STRING, kCmdTaskList, L"&Task List");
    AppendMenuW(m, MF_STRING | (engine_->mnuSuspend ? MF_CHECKED : 0), kCmdSuspend, L"&Suspend");
    AppendMenuW(m, MF_STRING, kCmdRefresh, L"&Refresh");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING | MF_GRAYED, kCmdAbout, L"&About");
    AppendMenuW(m, MF_STRING | MF_GRAYED, kCmdHelp, L"&Help");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, kCmdExit, L"E&xit");
    SetMenuDefaultItem(m, kCmdTaskList, FALSE);
    // The `Lineer` items: one per hidden window, below a separator.
    ownMenuSlots_.clear();
    for (auto& [k, item] : engine_->Lineer) {
        if (k == 0) continue;
        if (ownMenuSlots_.empty()) AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
        if (kCmdFirstHiddenWindow + static_cast<int>(ownMenuSlots_.size()) >= kFirstMirrorId) break;
        AppendMenuW(m, MF_STRING, kCmdFirstHiddenWindow + ownMenuSlots_.size(), ToWide(item.Caption).c_str());
        ownMenuSlots_.push_back(k);
    }
    if (int id = TrackPopup(m)) OnCommand(id);
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
    SetForegroundWindow(Hwnd());
    ui_->DoEvents();
    engine_->CurrentSlot = static_cast<std::int16_t>(slot);
    HMENU m = operation_.Get();
    mirror_->BuildSysMenu(static_cast<MenuHandle>(reinterpret_cast<std::uintptr_t>(m)), engine_->SlotWindow(slot));
    ModifyMenuW(m, kCmdAppTitle, MF_BYCOMMAND | MF_STRING, kCmdAppTitle, ToWide(engine_->AppTitle(slot)).c_str());
    if (int id = TrackPopup(m)) OnCommand(id);
}

void MainWindow::OnCommand(int id) {
    std::uint32_t command = 0;
    if (id >= kFirstMirrorId) {
        if (mirror_->SysCommandFor(id, command)) engine_->MirroredCommand(command);
        return;
    }
    if (id >= kCmdFirstHiddenWindow) {
        std::size_t i = static_cast<std::size_t>(id - kCmdFirstHiddenWindow);
        if (i < ownMenuSlots_.size()) engine_->Lineer_Click(ownMenuSlots_[i]);
        return;
    }
    switch (id) {
    case kCmdConfigure:
    case kCmdConfig: ShowConfiguration(); break;
    case kCmdTaskList:
    case kCmdTask: ShowTaskList(); break;
    case kCmdSuspend: engine_->mnuSuspend_Click(); break;
    case kCmdRefresh: engine_->RefreshAll(); break;
    case kCmdExit: End(true); break;
    case kIdOkButton: ShowWindow(Hwnd(), SW_MINIMIZE); break;
    default: break;
    }
}

}  // namespace hw
