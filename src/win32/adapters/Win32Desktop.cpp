#include "win32/adapters/Win32Desktop.h"

#include "win32/base/HandleCast.h"

#include <windows.h>
#include <dwmapi.h>
#include <wtsapi32.h>

#include <iterator>
#include <optional>
#include <vector>

#include "win32/base/Handles.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {
HWND H(WindowHandle h) { return ToWin32<HWND>(h); }
WindowHandle W(HWND h) { return FromWin32(h); }
}  // namespace

WindowHandle Win32Desktop::FirstTopLevel() { return W(::GetWindow(::GetDesktopWindow(), GW_CHILD)); }

WindowHandle Win32Desktop::NextWindow(WindowHandle h) { return W(::GetWindow(H(h), GW_HWNDNEXT)); }

bool Win32Desktop::IsIconic(WindowHandle h) { return ::IsIconic(H(h)) != FALSE; }

bool Win32Desktop::IsWindow(WindowHandle h) { return ::IsWindow(H(h)) != FALSE; }

Text Win32Desktop::GetText(WindowHandle h, int maxCount) {
    if (maxCount <= 0) return {};
    // GetWindowTextW reads another process's caption without sending it a message.
    std::vector<wchar_t> buffer(static_cast<std::size_t>(maxCount) + 1, L'\0');
    int n = ::GetWindowTextW(H(h), buffer.data(), maxCount);
    return n > 0 ? FromWide(buffer.data(), static_cast<std::size_t>(n)) : Text{};
}

bool Win32Desktop::IsOwnWindow(WindowHandle h) {
    DWORD pid = 0;
    return ::GetWindowThreadProcessId(H(h), &pid) != 0 && pid == ::GetCurrentProcessId();
}

WindowHandle Win32Desktop::ParentOrOwner(WindowHandle h) {
    HWND w = H(h);
    if (HWND owner = ::GetWindow(w, GW_OWNER)) return W(owner);
    HWND parent = ::GetAncestor(w, GA_PARENT);
    return parent && parent != ::GetDesktopWindow() ? W(parent) : WindowHandle{};
}

std::uint32_t Win32Desktop::GetStyle(WindowHandle h) {
    return static_cast<std::uint32_t>(::GetWindowLongPtrW(H(h), GWL_STYLE));
}

std::uint32_t Win32Desktop::GetExStyle(WindowHandle h) {
    return static_cast<std::uint32_t>(::GetWindowLongPtrW(H(h), GWL_EXSTYLE));
}

bool Win32Desktop::IsCloaked(WindowHandle h) {
    DWORD cloaked = 0;
    // Fails where the desktop window manager knows no cloaking (Windows 7, Wine): not cloaked.
    return SUCCEEDED(::DwmGetWindowAttribute(H(h), DWMWA_CLOAKED, &cloaked, sizeof(cloaked))) && cloaked != 0;
}

WindowHandle Win32Desktop::Foreground() { return W(::GetForegroundWindow()); }

std::uint32_t Win32Desktop::ProcessId(WindowHandle h) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(H(h), &pid);
    return pid;
}

Text Win32Desktop::ClassName(WindowHandle h) {
    wchar_t name[257] = {};  // class names have at most 256 characters
    int n = ::GetClassNameW(H(h), name, static_cast<int>(std::size(name)));
    return Text(reinterpret_cast<const char16_t*>(name), n > 0 ? static_cast<std::size_t>(n) : 0);
}

ShowRequest Win32Desktop::ShowWindow(WindowHandle h, int command) {
    if (!::IsWindow(H(h))) return {};
    // Asynchronous for other threads' windows, so a hung program cannot block Hidewell; the
    // window carries it out when its thread next pumps messages.
    if (::GetWindowThreadProcessId(H(h), nullptr) != ::GetCurrentThreadId())
        return {::ShowWindowAsync(H(h), command) != FALSE};
    ::ShowWindow(H(h), command);  // returns the visibility before, not success
    return {true};
}

namespace {

// The integrity level of a process's token (its mandatory label's last sub-authority).
std::optional<DWORD> IntegrityLevel(HANDLE process) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
    std::optional<DWORD> level;
    DWORD size = 0;
    ::GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<std::uint8_t> buffer(size);
    if (size && ::GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) {
        auto* label = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer.data());
        UCHAR count = *::GetSidSubAuthorityCount(label->Label.Sid);
        if (count > 0) level = *::GetSidSubAuthority(label->Label.Sid, count - 1u);
    }
    ::CloseHandle(token);
    return level;
}

}  // namespace

std::optional<int> CompareIntegrity(HWND window) {
    DWORD pid = 0;
    if (!::GetWindowThreadProcessId(window, &pid)) return std::nullopt;
    if (pid == ::GetCurrentProcessId()) return 0;
    static const std::optional<DWORD> own = IntegrityLevel(::GetCurrentProcess());
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return std::nullopt;
    std::optional<DWORD> theirs = IntegrityLevel(process);
    ::CloseHandle(process);
    if (!own || !theirs) return std::nullopt;
    return *theirs < *own ? -1 : *theirs > *own ? 1 : 0;
}

ProcessFacts Win32Desktop::Process(std::uint32_t processId) {
    ProcessFacts facts;
    if (processId == 0 || processId == ::GetCurrentProcessId()) return facts;
    // The least access there is, granted for processes of any rights but the protected ones.
    UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return facts;  // unknown: a hide request itself tells
    wchar_t path[MAX_PATH * 4] = {};
    DWORD size = static_cast<DWORD>(std::size(path));
    if (::QueryFullProcessImageNameW(process.Get(), 0, path, &size)) {
        const Text full = FromWide(path, size);
        const std::size_t slash = full.find_last_of(u"\\/");
        facts.program = slash == Text::npos ? full : full.substr(slash + 1);
        facts.path = full;
    }
    static const std::optional<DWORD> own = IntegrityLevel(::GetCurrentProcess());
    const std::optional<DWORD> theirs = IntegrityLevel(process.Get());
    facts.aboveUs = own && theirs && *theirs > *own;
    return facts;
}

std::uint32_t Win32Desktop::CurrentSession() {
    DWORD session = 0;
    ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
    return session;
}

bool Win32Desktop::SessionExists(std::uint32_t session) {
    WTS_SESSION_INFOW* sessions = nullptr;
    DWORD count = 0;
    // When the sessions cannot be listed, the session counts as there: its records are kept.
    if (!::WTSEnumerateSessionsW(WTS_CURRENT_SERVER_HANDLE, 0, 1, &sessions, &count)) return true;
    bool found = false;
    for (DWORD i = 0; i < count; ++i) found = found || sessions[i].SessionId == session;
    ::WTSFreeMemory(sessions);
    return found;
}

bool Win32Desktop::SetForeground(WindowHandle h) { return ::SetForegroundWindow(H(h)) != FALSE; }

void Win32Desktop::Flash(WindowHandle h) {
    FLASHWINFO info{};
    info.cbSize = sizeof(info);
    info.hwnd = H(h);
    info.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
    ::FlashWindowEx(&info);
}

bool Win32Desktop::SendTimeout(WindowHandle h, std::uint32_t msg, std::uint64_t wParam, std::int64_t lParam) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(H(h), msg, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam),
                                 SMTO_ABORTIFHUNG | SMTO_NORMAL, kSendTimeoutMs, &result) != 0;
}

}  // namespace hw
