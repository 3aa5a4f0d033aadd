#include "win32/date/DateIconWindow.h"

#include "common/MenuText.h"
#include "win32/base/HandleCast.h"
#include "win32/base/PopupPlace.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {

enum : UINT { kCmdUser = 1, kCmdMedium, kCmdShort, kCmdConfiguration };

bool IsShellWindow(HWND h) {
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    for (const wchar_t* shell : {L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd", L"Progman", L"WorkerW"})
        if (lstrcmpiW(cls, shell) == 0) return true;
    return false;
}

}  // namespace

DateIconWindow::DateIconWindow(NotifyArea& tray, Desktop& desktop, Clock& clock, Registry& registry, Ui& ui, Log& log)
    : clock_(clock),
      addOn_(DateAddOnServices{tray, desktop, clock, registry, names_, *this, ui, log}),
      typing_([this](WindowHandle target, const TypingResult& result) { addOn_.OnTypingFinished(target, result); }) {}

DateIconWindow::~DateIconWindow() {
    config_.reset();
    addOn_.RemoveIcon();
    if (Hwnd()) DestroyWindow(Hwnd());
}

bool DateIconWindow::Create() {
    return Window::Create(kClassName, L"", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0, nullptr);
}

WindowHandle DateIconWindow::Receiver() { return FromWin32(Hwnd()); }

IconHandle DateIconWindow::DayIcon(int day) { return FromWin32(icons_.Get(day)); }

std::optional<DateMenuItem> DateIconWindow::ShowMenu(const std::array<Text, 3>& dates, DateChoice defaultItem) {
    UniqueMenu menu(CreatePopupMenu());
    HMENU m = menu.Get();
    if (!m) return std::nullopt;
    for (UINT i = 0; i < 3; ++i) AppendMenuW(m, MF_STRING, kCmdUser + i, ToWide(MenuItemText(dates[i])).c_str());
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, kCmdConfiguration, L"Configuration");
    SetMenuDefaultItem(m, kCmdUser + static_cast<UINT>(defaultItem), FALSE);
    // The menu closes properly only when its window is in the foreground.
    SetForegroundWindow(Hwnd());
    POINT pt = TrayPopupPoint(Hwnd());
    UINT id = static_cast<UINT>(TrackPopupMenu(m, TPM_RIGHTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                               pt.x, pt.y, 0, Hwnd(), nullptr));
    PostMessageW(Hwnd(), WM_NULL, 0, 0);
    if (id < kCmdUser || id > kCmdConfiguration) return std::nullopt;
    return static_cast<DateMenuItem>(id - kCmdUser);
}

void DateIconWindow::ShowConfiguration() {
    if (config_ && config_->Hwnd()) {
        config_->BringToFront();
        return;
    }
    config_ = std::make_unique<DateConfigWindow>(addOn_.ConfigModel(), clock_, names_,
                                                 [this](const DateConfigModel::Result& result) {
                                                     addOn_.ApplyConfiguration(result);
                                                     // Released after the window's last message.
                                                     PostMessageW(Hwnd(), WM_APP, 0, 0);
                                                 });
    if (!config_->Create()) config_.reset();
}

bool DateIconWindow::IsOwnOrShell(WindowHandle h) {
    DWORD process = 0;
    GetWindowThreadProcessId(ToWin32<HWND>(h), &process);
    return process == GetCurrentProcessId() || IsShellWindow(ToWin32<HWND>(h));
}

void DateIconWindow::TypeInto(WindowHandle target, const Text& text) {
    typing_.Start(Hwnd(), ToWin32<HWND>(target), text);
}

LRESULT DateIconWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case kCallbackMessage:
        addOn_.OnIconEvent(LOWORD(lParam));
        return 0;
    case WM_APP:
        if (config_ && !config_->Hwnd()) config_.reset();
        return 0;
    case WM_TIMER:
        if (wParam == ForegroundTyping::kTimerId) {
            typing_.OnTimer();
            return 0;
        }
        break;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
        // The notification area's icon size may have changed: draw the day again.
        if (icons_.Resize()) addOn_.RedrawIcon();
        break;
    default: break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
