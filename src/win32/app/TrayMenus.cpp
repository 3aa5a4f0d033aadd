// The popups of the tray icons and the commands chosen in them: Hidewell's own menu with the
// hidden windows, and a hidden window's popup with its mirrored system menu.
#include "common/MenuText.h"
#include "hiddenwindows/OwnMenu.h"
#include "win32/about/AboutBox.h"
#include "win32/adapters/Win32Log.h"
#include "win32/app/CommandIds.h"
#include "win32/app/TrayShell.h"
#include "win32/base/PopupPlace.h"
#include "win32/base/HandleCast.h"
#include "win32/base/WinText.h"
#include "win32/help/Help.h"

namespace hw {

int TrayShell::TrackPopup(HMENU menu, HWND icon) {
    // The menu closes properly only when Hidewell is in the foreground.
    SetForegroundWindow(Hwnd());
    if (GetForegroundWindow() != Hwnd())
        log_.Failure(u"Hidewell's menu opens without the foreground; keys may not reach it", u"", GetLastError());
    bool fromKeyboard = menuFromHotkey_;
    POINT pt = menuFromHotkey_ ? KeyboardPopupPoint(icon) : TrayPopupPoint(icon, &fromKeyboard);
    // At the icon or the notification area, the menu stands above the point, off the taskbar.
    const UINT above = fromKeyboard ? TPM_BOTTOMALIGN : 0;
    int id = static_cast<int>(TrackPopupMenu(menu, TPM_RIGHTALIGN | above | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                             pt.x, pt.y, 0, Hwnd(), nullptr));
    PostMessageW(Hwnd(), WM_NULL, 0, 0);
    if (!id && fromKeyboard) ReturnTrayFocus(icon);
    return id;
}

void TrayShell::ShowOwnMenu() {
    UniqueMenu menu(CreatePopupMenu());
    HMENU m = menu.Get();
    AppendMenuW(m, MF_STRING, kCmdTrayConfigure, L"&Configure");
    AppendMenuW(m, MF_STRING, kCmdTrayTaskList, L"&Task List");
    AppendMenuW(m, MF_STRING | (engine_->Poll().Suspended() ? MF_CHECKED : 0), kCmdTraySuspend, L"&Suspend");
    AppendMenuW(m, MF_STRING, kCmdTrayRefresh, L"&Refresh");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, kCmdTrayAbout, L"&About");
    AppendMenuW(m, MF_STRING, kCmdTrayHelp, L"&Help");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, kCmdTrayExit, L"E&xit");
    SetMenuDefaultItem(m, kCmdTrayTaskList, FALSE);
    // One item per hidden window, below a separator; past the limit, one to the task list.
    static_assert(kCmdFirstHiddenWindow + kOwnMenuWindowLimit <= kFirstMirrorId);
    ownMenuWindows_.clear();
    const OwnMenuWindows hidden = OwnMenuWindowsOf(engine_->Windows().HiddenWindows());
    if (!hidden.items.empty()) AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    for (const HiddenWindowView& w : hidden.items) {
        UINT_PTR id = kCmdFirstHiddenWindow + ownMenuWindows_.size();
        AppendMenuW(m, MF_STRING, id, ToWide(MenuItemText(w.caption)).c_str());
        ownMenuWindows_.push_back(w.ref);
    }
    if (hidden.more) AppendMenuW(m, MF_STRING, kCmdTrayMoreWindows, ToWide(MoreWindowsText(hidden.more)).c_str());
    if (int id = TrackPopup(m, ownReceiver_.Hwnd())) OnCommand(id);
}

void TrayShell::CreateOperationMenu() {
    operation_.Reset(CreatePopupMenu());
    HMENU m = operation_.Get();
    AppendMenuW(m, MF_STRING, kCmdPopupTitle, L"App Title");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    // The mirrored system menu goes here, from position 2.
    AppendMenuW(m, MF_STRING | MF_GRAYED, kCmdPopupSystemMenu, L"System Menu");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, kCmdPopupConfigure, L"Confi&gure");
    AppendMenuW(m, MF_STRING, kCmdPopupTaskList, L"&Task List");
    SetMenuDefaultItem(m, kCmdPopupTitle, FALSE);
}

void TrayShell::ShowIconMenu(int slot) {
    std::optional<HiddenWindowView> view = engine_->Windows().SlotView(slot);
    if (!view) return;
    // The popup acts on the window it was built for, whatever a tick does while it is open.
    popupWindow_ = view->ref;
    HMENU m = operation_.Get();
    mirror_->Build(FromWin32(m), popupWindow_.window);
    ModifyMenuW(m, kCmdPopupTitle, MF_BYCOMMAND | MF_STRING, kCmdPopupTitle,
                ToWide(MenuItemText(engine_->Windows().PopupTitle(popupWindow_))).c_str());
    HWND icon = slotReceivers_.count(slot) ? slotReceivers_[slot]->Hwnd() : nullptr;
    if (int id = TrackPopup(m, icon)) OnCommand(id);
}

bool TrayShell::OnCommand(int id) {
    std::uint32_t command = 0;
    if (id >= kFirstMirrorId) {
        if (mirror_->SysCommandFor(id, command)) engine_->Windows().RunMirroredCommand(popupWindow_, command);
        return true;
    }
    if (id >= kCmdFirstHiddenWindow) {
        std::size_t i = static_cast<std::size_t>(id - kCmdFirstHiddenWindow);
        if (i < ownMenuWindows_.size()) engine_->Windows().Restore(ownMenuWindows_[i]);
        return true;
    }
    switch (id) {
    case kCmdTrayConfigure:
    case kCmdPopupConfigure: ShowConfiguration(); break;
    case kCmdTrayTaskList:
    case kCmdPopupTaskList:
    case kCmdTrayMoreWindows: ShowTaskList(); break;
    case kCmdTraySuspend: engine_->Poll().ToggleSuspend(); break;
    case kCmdTrayRefresh: engine_->Config().RefreshAll(); break;
    case kCmdTrayAbout: ShowAboutBox(Hwnd(), false); break;
    case kCmdTrayHelp: ShowHelp(Hwnd(), HelpContext::Contents); break;
    case kCmdTrayExit: config_.Quit(QuitReason::User); break;
    default: return false;  // the configuration window's
    }
    return true;
}

}  // namespace hw
