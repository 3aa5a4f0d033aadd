#include "win32/app/TrayShell.h"

#include "win32/app/CommandIds.h"
#include "win32/base/Dpi.h"
#include "win32/base/HandleCast.h"

namespace hw {

namespace {

constexpr UINT_PTR kPollTimer = 1;
// Posted by the right-click hook: a window to hide by hand, or one the user is told cannot be.
constexpr UINT kHideByHandMessage = WM_APP + 42;
constexpr UINT kRefuseByHandMessage = WM_APP + 43;

}  // namespace

TrayShell::TrayShell(ConfigWindow& config, Log& log) : config_(config), log_(log) {}
TrayShell::~TrayShell() {
    // The window may outlive the shell (when start-up failed half-way).
    config_.SetMessageFilter(nullptr);
}

bool TrayShell::Create(TrayEngine& engine, Desktop& desktop) {
    engine_ = &engine;
    desktop_ = &desktop;
    CreateOperationMenu();
    mirror_ = std::make_unique<SysMenuMirror>(menus_, desktop);
    pictures_.Load(GetModuleHandleW(nullptr), SmallIconSize(TaskbarDpi()));
    SetMainIcon(Picture::NoneHidden);
    config_.SetMessageFilter([this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return OnMessage(msg, wParam, lParam, result);
    });

    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    showConfiguration_ = RegisterWindowMessageW(kShowConfigurationMessage);
    // When Hidewell runs elevated, Windows drops these from Explorer, hidewellctl and a second
    // start, which run with normal rights: let them through.
    for (UINT allowed : {taskbarCreated_, showConfiguration_, UINT(WM_COPYDATA)})
        ChangeWindowMessageFilterEx(Hwnd(), allowed, MSGFLT_ALLOW, nullptr);
    // No filter on the trusted inbox: only programs with Hidewell's rights reach it.
    if (!trustedInbox_.Create([this](WPARAM wParam, const COPYDATASTRUCT* data) {
            return inbox_.Receive(*engine_, Hwnd(), InboxDoor::Trusted, wParam, data);
        }))
        log_.Failure(u"Hidewell could not open its trusted inbox; hidewellctl close and hide will not work", u"",
                     GetLastError());
    return ownReceiver_.Create([this](int message) { engine_->OnOwnIconEvent(message); });
}

void TrayShell::SetPollTimer(bool enabled) {
    pollTimerOn_ = enabled;
    if (enabled)
        SetTimer(Hwnd(), kPollTimer, static_cast<UINT>(interval_), nullptr);
    else
        KillTimer(Hwnd(), kPollTimer);
}

void TrayShell::SetPollInterval(int milliseconds) {
    interval_ = milliseconds > 0 ? milliseconds : 1;
    if (pollTimerOn_) SetTimer(Hwnd(), kPollTimer, static_cast<UINT>(interval_), nullptr);
}

WindowHandle TrayShell::OwnReceiver() { return FromWin32(ownReceiver_.Hwnd()); }

WindowHandle TrayShell::CreateReceiver(int slot) {
    auto& receiver = slotReceivers_[slot];
    if (!receiver) {
        receiver = std::make_unique<ReceiverWindow>();
        if (!receiver->Create([this, slot](int message) { engine_->OnWindowIconEvent(slot, message); })) {
            log_.Failure(u"Hidewell could not create the receiver of a hidden window's icon", u"", GetLastError());
            slotReceivers_.erase(slot);
            return {};
        }
    }
    return FromWin32(receiver->Hwnd());
}

void TrayShell::DestroyReceiver(int slot) { slotReceivers_.erase(slot); }

IconHandle TrayShell::PictureIcon(Picture picture) { return FromWin32(pictures_.Get(picture)); }

int TrayShell::TrayIconSize() { return pictures_.Size(); }

bool TrayShell::NewIconsGoToOverflow() {
    // Windows 11 (build 22000 on) puts new icons behind the overflow button. The true
    // version comes from ntdll: the compatibility layer may report an older one.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto get = ntdll ? reinterpret_cast<RtlGetVersionFunction>(
                           reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")))
                     : nullptr;
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return get && get(&version) == 0 && version.dwMajorVersion >= 10 && version.dwBuildNumber >= 22000;
}

void TrayShell::OnIconSizeMaybeChanged() {
    if (pictures_.Load(GetModuleHandleW(nullptr), SmallIconSize(TaskbarDpi()))) engine_->OnIconSizeChanged();
}

void TrayShell::SetMainIcon(Picture picture) { config_.SetSmallIcon(pictures_.Get(picture)); }

void TrayShell::ShowConfiguration() { config_.Show(); }

std::uint32_t TrayShell::RegisterHotkey(int id, std::uint8_t modifiers, std::uint8_t key) {
    // Held down, the combination acts once.
    if (RegisterHotKey(Hwnd(), id, modifiers | MOD_NOREPEAT, key)) return 0;
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_INVALID_PARAMETER;
}

void TrayShell::UnregisterHotkey(int id) { UnregisterHotKey(Hwnd(), id); }

std::uint32_t TrayShell::SetRightClickHiding(bool on) {
    if (!rightClick_ && !on) return 0;
    if (!rightClick_)
        rightClick_ = std::make_unique<RightClickHook>([this](WindowHandle h) { return engine_->Hand().JudgeHandHide(h); },
                                                       Hwnd(), kHideByHandMessage, kRefuseByHandMessage);
    if (rightClick_->SetEnabled(on)) return 0;
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_INVALID_PARAMETER;
}

void TrayShell::EntriesChanged() { config_.EntriesChanged(); }

void TrayShell::ShowTaskList() {
    if (taskList_) {
        taskList_->BringToFront();
        return;
    }
    taskList_ = std::make_unique<TaskListWindow>(engine_->Windows(), *desktop_, [this] { taskList_.reset(); });
    if (!taskList_->Create()) taskList_.reset();
}

bool TrayShell::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (taskbarCreated_ && msg == taskbarCreated_) {
        // The taskbar comes again after Explorer restarted or its DPI changed.
        OnIconSizeMaybeChanged();
        engine_->OnTaskbarCreated();
        return true;
    }
    if (showConfiguration_ && msg == showConfiguration_) {
        ShowConfiguration();
        return true;
    }
    switch (msg) {
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam));
    case WM_COPYDATA:
        result = inbox_.Receive(*engine_, Hwnd(), InboxDoor::Open, wParam,
                                reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return true;
    case CopyDataInbox::kExitMessage:
        config_.Quit(QuitReason::Program);
        return true;
    case WM_HOTKEY:
        // The menu hotkey's menu opens at Hidewell's icon, not at the mouse.
        menuFromHotkey_ = true;
        engine_->OnHotkey(static_cast<int>(wParam));
        menuFromHotkey_ = false;
        return true;
    case kHideByHandMessage:
        engine_->Hand().HideByHand(WindowHandle{static_cast<std::uint64_t>(wParam)});
        return true;
    case kRefuseByHandMessage:
        engine_->Hand().TellHandHideRefused(WindowHandle{static_cast<std::uint64_t>(wParam)});
        return true;
    case WM_TIMER:
        if (wParam == kPollTimer && pollTimerOn_) {
            engine_->PollTick();
            return true;
        }
        return false;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
        // The taskbar's DPI or the icon metrics may have changed; the window sees these too.
        OnIconSizeMaybeChanged();
        return false;
    default:
        return false;
    }
}

}  // namespace hw
