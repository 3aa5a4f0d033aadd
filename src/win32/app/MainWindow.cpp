#include "win32/app/MainWindow.h"

#include <commctrl.h>

#include "../../../resources/resource.h"
#include "win32/app/CommandIds.h"
#include "win32/app/Twips.h"
#include "win32/base/Placement.h"
#include "win32/base/Controls.h"
#include "win32/base/Dpi.h"
#include "win32/base/HandleCast.h"
#include "win32/base/WinText.h"
#include "win32/help/Help.h"

namespace hw {

namespace {

constexpr UINT_PTR kPollTimer = 1;

}  // namespace

MainWindow::MainWindow() = default;
MainWindow::~MainWindow() = default;

bool MainWindow::Create(TrayEngine& engine, Desktop& desktop, Ui& ui, Icons& icons, Log& log) {
    engine_ = &engine;
    log_ = &log;
    desktop_ = &desktop;
    ui_ = &ui;
    icons_ = &icons;
    config_ = std::make_unique<ConfigWindowModel>(engine.settings.entries);
    previewIcon_ = std::make_unique<IconPicture>(icons);
    CreateOperationMenu();
    mirror_ = std::make_unique<SysMenuMirror>(menus_, desktop);
    dpi_ = ScreenDpi();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    pictures_.Load(instance, SmallIconSize(TaskbarDpi()));
    HICON big = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_NOTGOT), IMAGE_ICON, 0, 0,
                                              LR_DEFAULTSIZE | LR_SHARED));
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
    if (!Window::Create(kClassName, L"Hidewell", style, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                        TwipsToPixels(kWidthTwips, dpi_), TwipsToPixels(kDefaultHeightTwips, dpi_), nullptr, big))
        return false;
    SetMainIcon(Picture::NotGot);
    CreateMenuBar();
    CreateControls();
    CentreOnScreen(Hwnd());

    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    // Let the message through when Hidewell runs elevated and Explorer does not.
    ChangeWindowMessageFilterEx(Hwnd(), taskbarCreated_, MSGFLT_ALLOW, nullptr);
    return ownReceiver_.Create([this](int message) { engine_->OnOwnIconEvent(message); });
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
            log_->Failure(u"Hidewell could not create the receiver of a hidden window's icon", u"", GetLastError());
            slotReceivers_.erase(slot);
            return 0;
        }
    }
    return FromWin32(receiver->Hwnd());
}

void MainWindow::DestroyReceiver(int slot) { slotReceivers_.erase(slot); }

IconHandle MainWindow::PictureIcon(Picture picture) { return FromWin32(pictures_.Get(picture)); }

int MainWindow::TrayIconSize() { return pictures_.Size(); }

void MainWindow::OnIconSizeMaybeChanged() {
    if (pictures_.Load(GetModuleHandleW(nullptr), SmallIconSize(TaskbarDpi()))) engine_->OnIconSizeChanged();
}

void MainWindow::SetMainIcon(Picture picture) {
    HICON icon = pictures_.Get(picture);
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void MainWindow::ShowConfiguration() {
    if (IsWindowVisible(Hwnd())) return;
    ShowWindow(Hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(Hwnd());
    OnActivate();
}

void MainWindow::EntriesChanged() {
    config_->Reloaded();
    OnActivate();
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

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (taskbarCreated_ && msg == taskbarCreated_) {
        // The taskbar comes again after Explorer restarted or its DPI changed.
        OnIconSizeMaybeChanged();
        engine_->OnTaskbarCreated();
        return 0;
    }
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kIdList) {
            if (HIWORD(wParam) == LBN_SELCHANGE) OnSelect();
            if (HIWORD(wParam) == LBN_DBLCLK) {
                OnSelect();
                OnEdit();
            }
        } else {
            OnCommand(LOWORD(wParam));
        }
        return 0;
    case WM_COPYDATA:
        return inbox_.Receive(*engine_, Hwnd(), wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case CopyDataInbox::kRunMessage:
        inbox_.RunQueued(*engine_);
        return 0;
    case CopyDataInbox::kExitMessage:
        Quit(QuitReason::Program);
        return 0;
    case WM_TIMER:
        if (wParam == kPollTimer && pollTimerOn_) {
            engine_->PollTick();
            return 0;
        }
        break;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
        // The taskbar's DPI or the icon metrics may have changed.
        OnIconSizeMaybeChanged();
        break;
    case WM_SIZE:
        // The window is never left minimised on the taskbar: it is put away instead.
        if (wParam == SIZE_MINIMIZED)
            ShowWindow(Hwnd(), SW_HIDE);
        else
            Layout();
        return 0;
    case DM_GETDEFID: {
        // Enter presses the focused button, otherwise Ok.
        HWND focus = GetFocus();
        bool button = focus && GetParent(focus) == Hwnd() &&
                      (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
        return MAKELRESULT(button ? GetDlgCtrlID(focus) : kIdOkButton, DC_HASDEFID);
    }
    case WM_GETMINMAXINFO:
        HoldWidth(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        Quit(QuitReason::User);
        return 0;
    case WM_QUERYENDSESSION:
        // Nothing is asked when Windows ends the session; the settings are kept now.
        SaveHeightAndSettings();
        return TRUE;
    case WM_ENDSESSION:
        // The icons go; windows that Hidewell hid stay hidden.
        if (wParam) Quit(QuitReason::SessionEnd);
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
