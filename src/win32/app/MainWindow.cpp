#include "win32/app/MainWindow.h"

#include <commctrl.h>

#include "../../../resources/resource.h"
#include "win32/app/CommandIds.h"
#include "win32/app/Twips.h"
#include "win32/base/Controls.h"
#include "win32/base/HandleCast.h"
#include "win32/base/WinText.h"
#include "win32/help/Help.h"

namespace hw {

namespace {

constexpr UINT_PTR kPollTimer = 1;

}  // namespace

MainWindow::MainWindow() = default;
MainWindow::~MainWindow() = default;

bool MainWindow::Create(TrayEngine& engine, Desktop& desktop) {
    engine_ = &engine;
    desktop_ = &desktop;
    CreateOperationMenu();
    mirror_ = std::make_unique<SysMenuMirror>(menus_, desktop);
    dpi_ = ScreenDpi();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const int ids[] = {IDI_NOTGOT, IDI_GOT, IDI_HIDEWELL};
    for (int i = 0; i < 3; ++i)
        pictures_[i] = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(ids[i]), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                     LR_SHARED));
    HICON big = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_NOTGOT), IMAGE_ICON, 0, 0,
                                              LR_DEFAULTSIZE | LR_SHARED));
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
    if (!Window::Create(kClassName, L"Hidewell", style, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                        TwipsToPixels(kWidthTwips, dpi_), TwipsToPixels(kDefaultHeightTwips, dpi_), nullptr, big))
        return false;
    SetMainIcon(Picture::NotGot);
    CreateControls();
    CenterForm();

    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    // Let the message through when Hidewell runs elevated and Explorer does not.
    ChangeWindowMessageFilterEx(Hwnd(), taskbarCreated_, MSGFLT_ALLOW, nullptr);
    return ownReceiver_.Create([this](int message) { engine_->OnOwnIconEvent(message); });
}

void MainWindow::CreateControls() {
    font_ = CreateMessageFont();
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
        return CreateControl(Hwnd(), font_.Get(), dpi_, cls, text, style, id, x, y, w, h);
    };
    // Positions in twips, relative to the window's client area; the frame's children are offset
    // by it. The frames come last, below the controls they hold.
    list_ = make(WC_LISTBOXW, L"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kIdList,
                 90 + 120, 45 + 240, 3510, 2595);
    buttons_[2] = make(WC_BUTTONW, L"\u25B2", WS_TABSTOP, kIdUp, 90 + 3690, 45 + 240, 370, 345);
    buttons_[3] = make(WC_BUTTONW, L"\u25BC", WS_TABSTOP, kIdDown, 90 + 3690, 45 + 2505, 370, 345);
    make(WC_STATICW, L"", SS_ICON | SS_CENTERIMAGE, kIdSlaveImage, 90 + 4350 + 135, 45 + 165 + 240, 540, 540);
    make(WC_BUTTONW, L"&New...", WS_TABSTOP, kIdNew, 90, 3120, 1125, 345);
    buttons_[0] = make(WC_BUTTONW, L"&Edit...", WS_TABSTOP, kIdEdit, 1290, 3120, 1125, 345);
    buttons_[1] = make(WC_BUTTONW, L"&Remove", WS_TABSTOP, kIdRemove, 2490, 3120, 1125, 345);
    make(WC_BUTTONW, L"&Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, kIdOkButton, 4275, 3120, 1120, 350);
    make(WC_BUTTONW, L"Icon", BS_GROUPBOX, kIdIconFrame, 90 + 4350, 45 + 165, 840, 900);
    make(WC_BUTTONW, L"Registered Application Titles", BS_GROUPBOX, kIdFrame, 90, 45, 5325, 2970);
}

void MainWindow::CenterForm() {
    RECT r{};
    GetWindowRect(Hwnd(), &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    SetWindowPos(Hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetPollTimer(bool enabled) {
    pollTimerOn_ = enabled;
    if (enabled)
        SetTimer(Hwnd(), kPollTimer, static_cast<UINT>(interval_), nullptr);
    else
        KillTimer(Hwnd(), kPollTimer);
}

void MainWindow::SetPollInterval(int milliseconds) {
    interval_ = milliseconds > 0 ? milliseconds : 1;
    if (pollTimerOn_) SetTimer(Hwnd(), kPollTimer, static_cast<UINT>(interval_), nullptr);
}

WindowHandle MainWindow::OwnReceiver() { return FromWin32(ownReceiver_.Hwnd()); }

WindowHandle MainWindow::CreateReceiver(int slot) {
    auto& receiver = slotReceivers_[slot];
    if (!receiver) {
        receiver = std::make_unique<ReceiverWindow>();
        if (!receiver->Create([this, slot](int message) { engine_->OnWindowIconEvent(slot, message); })) {
            slotReceivers_.erase(slot);
            return 0;
        }
    }
    return FromWin32(receiver->Hwnd());
}

void MainWindow::DestroyReceiver(int slot) { slotReceivers_.erase(slot); }

IconHandle MainWindow::PictureIcon(Picture picture) { return FromWin32(pictures_[static_cast<int>(picture)]); }

void MainWindow::SetMainIcon(Picture picture) {
    HICON icon = pictures_[static_cast<int>(picture)];
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void MainWindow::ShowConfiguration() {
    if (IsWindowVisible(Hwnd())) return;
    ShowWindow(Hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(Hwnd());
}

void MainWindow::EntriesChanged() {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const Entry& entry : engine_->settings.entries)
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(entry.titlePattern).c_str()));
    std::size_t rows = engine_->settings.entries.size();
    EnableWindow(list_, rows > 0);
    EnableWindow(buttons_[0], rows > 0);
    EnableWindow(buttons_[1], rows > 0);
    EnableWindow(buttons_[2], rows > 1);
    EnableWindow(buttons_[3], rows > 1);
    if (rows > 0) SendMessageW(list_, LB_SETCURSEL, 0, 0);
}

void MainWindow::ShowTaskList() {
    if (taskList_) {
        taskList_->BringToFront();
        return;
    }
    auto hidden = [this] {
        std::vector<WindowHandle> windows;
        for (const HiddenWindowView& w : engine_->HiddenWindows()) windows.push_back(w.window);
        return windows;
    };
    taskList_ = std::make_unique<TaskListWindow>(*desktop_, hidden, [this] { taskList_.reset(); });
    if (!taskList_->Create()) taskList_.reset();
}

void MainWindow::SetHeightTwips(int twips) {
    RECT r{};
    GetWindowRect(Hwnd(), &r);
    SetWindowPos(Hwnd(), nullptr, 0, 0, r.right - r.left, TwipsToPixels(twips, dpi_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::End(QuitReason reason) {
    CloseHelp();
    engine_->Quit(reason);
    DestroyWindow(Hwnd());
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (taskbarCreated_ && msg == taskbarCreated_) {
        engine_->OnTaskbarCreated();
        return 0;
    }
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_COPYDATA:
        return inbox_.Receive(*engine_, Hwnd(), wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case CopyDataInbox::kRunMessage:
        inbox_.RunQueued(*engine_);
        return 0;
    case CopyDataInbox::kExitMessage:
        End(QuitReason::Program);
        return 0;
    case WM_TIMER:
        if (wParam == kPollTimer && pollTimerOn_) {
            engine_->PollTick();
            return 0;
        }
        break;
    case WM_SIZE:
        // The window is never left minimised on the taskbar: it is put away instead.
        if (wParam == SIZE_MINIMIZED) ShowWindow(Hwnd(), SW_HIDE);
        return 0;
    case WM_CLOSE:
        End(QuitReason::User);
        return 0;
    case WM_ENDSESSION:
        // Windows is ending the session: the icons go, hidden windows stay as they are.
        if (wParam) End(QuitReason::SessionEnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
