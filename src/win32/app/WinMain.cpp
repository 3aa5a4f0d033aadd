// Hidewell's entry point: one instance, the configuration window and the tray shell, and the
// message loop.
#include <windows.h>
#include <objbase.h>

#include <optional>

#include "engine/TrayEngine.h"
#include "settings/PortableRegistry.h"
#include "settings/RunValue.h"
#include "win32/adapters/Win32CaseMapping.h"
#include "win32/adapters/Win32Clock.h"
#include "win32/adapters/Win32Desktop.h"
#include "win32/adapters/Win32FileSystem.h"
#include "win32/adapters/Win32Log.h"
#include "win32/adapters/Win32NotifyArea.h"
#include "win32/adapters/Win32Ui.h"
#include "win32/adapters/WinEventHook.h"
#include "win32/app/ConfigWindow.h"
#include "win32/app/RunningInstance.h"
#include "win32/app/TrayShell.h"
#include "win32/date/DateIconWindow.h"
#include "win32/base/Handles.h"
#include "win32/base/WinText.h"
#include "win32/icons/Win32Icons.h"
#include "win32/registry/Win32Registry.h"

namespace {

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) return path.substr(0, n);
        path.resize(path.size() * 2);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A second copy shows the running one's configuration window and ends, before it
    // touches settings or the tray.
    hw::UniqueKernelHandle instance(CreateMutexW(nullptr, FALSE, L"Local\\Hidewell.SingleInstance"));
    if (!instance || GetLastError() == ERROR_ALREADY_EXISTS) {
        hw::ShowRunningInstance();
        return 0;
    }

    // COM for the accessibility runtime's names of controls (and the shell's dialogs).
    struct Com {
        HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        ~Com() {
            if (SUCCEEDED(hr)) CoUninitialize();
        }
    } com;

    hw::Win32Desktop desktop;
    hw::Win32NotifyArea tray;
    hw::Win32Ui ui;
    hw::Win32Icons icons(GetModuleHandleW(nullptr));
    hw::Win32Clock clock;
    hw::Win32CaseMapping caseMapping;
    hw::Win32Log log;
    const hw::Text programPath = hw::FromWide(ProgramPath());
    // A copy with Hidewell.ini beside it (or one folder up) keeps its settings there.
    hw::Win32Registry systemRegistry;
    hw::Win32FileSystem files;
    std::optional<hw::PortableRegistry> portable;
    if (std::optional<hw::Text> settingsFile = hw::FindSettingsFile(files, programPath))
        portable.emplace(systemRegistry, files, ui, log, *settingsFile);
    hw::Registry& registry = portable ? static_cast<hw::Registry&>(*portable) : systemRegistry;
    hw::ConfigWindow main;
    hw::TrayShell shell(main, log);
    hw::Platform platform{.desktop = desktop,
                          .tray = tray,
                          .ui = ui,
                          .host = shell,
                          .registry = registry,
                          .icons = icons,
                          .clock = clock,
                          .caseMapping = caseMapping,
                          .programPath = programPath,
                          .log = log};
    // The date icon's window outlives the engine that drives it.
    hw::DateIconWindow date(tray, desktop, clock, registry, ui, log);
    hw::TrayEngine engine(platform);
    if (!main.Create(engine, desktop, ui, icons, log) || !shell.Create(engine, desktop)) {
        log.Failure(u"Hidewell could not create its main window", u"", GetLastError());
        return 1;
    }
    if (date.Create())
        engine.Records().Icons().SetDateIcon(&date.AddOn());
    else
        log.Failure(u"Hidewell could not create the date icon's window", u"", GetLastError());
    ui.SetOwner(main.Hwnd());
    // An installer that closes Hidewell to replace its files starts it again afterwards.
    if (FAILED(RegisterApplicationRestart(L"", RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT)))
        log.Failure(u"Hidewell could not register to be started again after an update", u"", GetLastError());
    if (portable) {
        portable->Load();
        portable->OfferCopyFromRegistry();
    }
    // Started by the Run value, the windows open now count as new.
    engine.Start(hw::StartedWithWindows(hw::FromWide(std::wstring(GetCommandLineW()))));
    main.SetHeightTwips(engine.Config().ReadHeight());
    if (portable) portable->Started();
    // Minimises are acted on as Windows reports them; the poll timer remains the safety net.
    hw::WinEventHook windowEvents(engine);
    if (!windowEvents.Installed())
        log.Failure(u"Hidewell could not watch for minimised windows; they are hidden at the next poll", u"",
                    GetLastError());
    engine.Poll().SetCaptionWatch(&windowEvents);

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Tab, Enter and Esc work in every Hidewell window.
        if (main.HandleKeys(msg)) continue;
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialogMessageW(root, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    engine.Poll().SetCaptionWatch(nullptr);
    return static_cast<int>(msg.wParam);
}
