#include "win32/adapters/Win32NotifyArea.h"

#include "win32/base/HandleCast.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

namespace hw {

static_assert(kTrayCallbackMessage >= WM_APP && kTrayCallbackMessage < 0xC000, "an application message");

namespace {

// Copies as much as fits, always ending with a NUL.
template <std::size_t N>
void CopyField(const Text& text, wchar_t (&field)[N]) {
    std::size_t n = std::min<std::size_t>(text.size(), N - 1);
    std::copy_n(text.data(), n, reinterpret_cast<char16_t*>(field));
    field[n] = L'\0';
}

}  // namespace

bool Win32NotifyArea::Notify(NotifyAction action, const NotifyIconRecord& record) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = ToWin32<HWND>(record.receiver);
    data.uID = record.id;
    // The newest version shows the tip only when asked to.
    data.uFlags = record.changes | ((record.changes & NIF_TIP) ? NIF_SHOWTIP : 0);
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = ToWin32<HICON>(record.icon);
    // The field holds at most 63 characters and always ends with a NUL.
    std::size_t n = std::min<std::size_t>(record.tip.size(), std::size(data.szTip) - 1);
    std::copy_n(record.tip.data(), n, reinterpret_cast<char16_t*>(data.szTip));
    data.uVersion = NOTIFYICON_VERSION_4;
    if (record.changes & kNifInfo) {
        CopyField(record.balloonText, data.szInfo);
        CopyField(record.balloonTitle, data.szInfoTitle);
        data.dwInfoFlags = record.balloonIcon | (record.respectQuietTime ? NIIF_RESPECT_QUIET_TIME : 0);
    }
    DWORD message = action == kNimAdd            ? NIM_ADD
                    : action == kNimModify       ? NIM_MODIFY
                    : action == kNimSetVersion   ? NIM_SETVERSION
                                                 : NIM_DELETE;
    return Shell_NotifyIconW(message, &data) != FALSE;
}

}  // namespace hw
