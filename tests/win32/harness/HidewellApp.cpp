#include "harness/HidewellApp.h"

#include <cstdio>

#include "harness/Harness.h"
#include "settings/SettingsLayout.h"
#include "win32/app/MainWindowClass.h"

namespace hw::wine {

namespace {
void SetText(HKEY key, const std::wstring& name, const std::wstring& value) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() * sizeof(wchar_t)));
}
}  // namespace

void DeleteRunValue() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Hidewell");
}

void DeleteSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Pellworth"); }

void WriteSettings(const std::vector<std::pair<std::wstring, std::wstring>>& entries, int interval, bool single,
                   bool hideDate) {
    std::vector<Entry> stored;
    for (const auto& [title, icon] : entries) stored.push_back({T(title), T(icon)});
    OptionValues options;
    options.pollIntervalMs = interval;
    options.singleClickRestores = single;
    options.hideDateIcon = hideDate;
    WriteSettings(stored, options);
}

void WriteSettings(const std::vector<Entry>& entries, const OptionValues& options) {
    DeleteSettings();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
        return;
    SetText(key, W(kCountValueName), std::to_wstring(entries.size()));
    for (const OptionSetting& setting : kOptionSettings)
        if (std::optional<Text> text = StoredOption(setting, options)) SetText(key, W(setting.name), W(*text));
    // Hidewell has been started before: no first-start question.
    SetText(key, W(kFirstStartRecord), L"1");
    for (size_t i = 0; i < entries.size(); ++i)
        for (const EntrySetting& setting : kEntrySettings)
            if (std::optional<Text> text = StoredEntryValue(setting, entries[i]))
                SetText(key, W(EntryValueName(setting, static_cast<int>(i))), W(*text));
    RegCloseKey(key);
}

std::wstring ReadSetting(const wchar_t* name, bool* exists) {
    DWORD size = 0;
    LSTATUS s = RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr, &size);
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (s == ERROR_SUCCESS)
        s = RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY | RRF_NOEXPAND, nullptr, value.data(), &size);
    if (exists) *exists = s == ERROR_SUCCESS;
    if (s != ERROR_SUCCESS) return {};
    value.resize(size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L"\\/") + 1);
}

std::pair<int, std::wstring> RunCtl(const std::wstring& arguments, bool withErrors) {
    // cmd /c drops the outer quotes.
    const wchar_t* errors = withErrors ? L" 2>&1\"" : L" 2>nul\"";
    FILE* pipe = _wpopen((L"\"\"" + ProgramFolder() + L"hidewellctl.exe\" " + arguments + errors).c_str(), L"rb");
    if (!pipe) return {-1, {}};
    std::string bytes;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof(buffer), pipe)) > 0;) bytes.append(buffer, n);
    int code = _pclose(pipe);
    std::wstring text(bytes.size(), L'\0');
    int size = static_cast<int>(bytes.size());
    text.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text.data(), size)));
    return {code, text};
}

bool HidewellApp::Start(const std::wstring& program, const std::wstring& arguments) {
    const std::wstring path = program.empty() ? ProgramFolder() + L"Hidewell.exe" : program;
    if (!process_.Start(L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments))) return false;
    return WaitFor([&] { return Main() != nullptr; }, std::chrono::seconds(20));
}

HWND HidewellApp::Main() const {
    auto found = WindowsOf(process_.Id(), kMainWindowClass);
    return found.empty() ? nullptr : found.front();
}

HWND HidewellApp::Shown(const wchar_t* cls) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
            auto all = WindowsOf(process_.Id(), cls);
            found = all.empty() || !IsWindowVisible(all[0]) ? nullptr : all[0];
            return found != nullptr;
        },
        std::chrono::seconds(5));
    return found;
}

HWND HidewellApp::Receiver() const {
    for (HWND h = FindWindowExW(HWND_MESSAGE, nullptr, L"HidewellReceiver", nullptr); h;
         h = FindWindowExW(HWND_MESSAGE, h, L"HidewellReceiver", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == process_.Id()) return h;
    }
    return nullptr;
}

std::vector<std::wstring> HidewellApp::Messages() const {
    std::vector<std::wstring> texts;
    for (HWND box : WindowsOf(process_.Id(), L"#32770")) {
        if (!IsWindowVisible(box)) continue;
        std::wstring text;
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t cls[32] = {}, t[1024] = {};
            GetClassNameW(c, cls, 32);
            GetWindowTextW(c, t, 1024);
            if (_wcsicmp(cls, L"Static") == 0 && t[0]) text += t;
        }
        texts.push_back(text);
    }
    return texts;
}

void HidewellApp::DismissMessages(int button) {
    for (HWND box : WindowsOf(process_.Id(), L"#32770"))
        if (IsWindowVisible(box)) PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

std::wstring HidewellApp::Answer(int button) {
    std::vector<std::wstring> shown;
    if (!WaitFor([&] { return !(shown = Messages()).empty(); }, std::chrono::seconds(10))) return L"<no message>";
    DismissMessages(button);
    WaitFor([&] { return Messages().empty(); }, std::chrono::seconds(5));
    return shown.front();
}

bool HidewellApp::Stop() {
    if (!process_.Running()) return true;
    // Closing the window asks whether to quit: Yes.
    if (HWND main = Main()) PostMessageW(main, WM_CLOSE, 0, 0);
    bool ended = WaitFor(
        [&] {
            DismissMessages(IDYES);
            return process_.WaitExit(100);
        },
        std::chrono::seconds(10));
    process_.Kill();
    return ended;
}

}  // namespace hw::wine

namespace hw::wine {

bool TestWindow::Start(const std::wstring& caption, const std::wstring& options) {
    if (!process_.Start(L"\"" + ProgramFolder() + L"testwindow.exe\" \"" + caption + L"\" " + options)) return false;
    hwnd_ = WaitForWindowOf(process_.Id(), L"HidewellTestWindow", std::chrono::seconds(10));
    return hwnd_ != nullptr;
}

int PixelsLike(const RECT& rect, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            COLORREF c = GetPixel(screen, x, y);
            if (abs(GetRValue(c) - GetRValue(colour)) < 40 && abs(GetGValue(c) - GetGValue(colour)) < 40 &&
                abs(GetBValue(c) - GetBValue(colour)) < 40)
                ++n;
        }
    ReleaseDC(nullptr, screen);
    return n;
}

}  // namespace hw::wine
