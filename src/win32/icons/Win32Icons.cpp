#include "win32/icons/Win32Icons.h"

#include "win32/base/HandleCast.h"

#include <shellapi.h>

#include "win32/base/WinText.h"

namespace hw {

namespace {

// ExtractIconW hands back 1 for a file that is no program, library or icon file.
bool IsIcon(HICON icon) { return reinterpret_cast<UINT_PTR>(icon) > 1; }

}  // namespace

int CountFileIcons(const Text& path) {
    if (path.empty()) return 0;
    UINT n = PrivateExtractIconsW(ToWide(path).c_str(), 0, 0, 0, nullptr, nullptr, 0, 0);
    return n == UINT(-1) || n > 0x7FFFFFFF ? 0 : static_cast<int>(n);
}

UniqueIcon ExtractFileIcon(const Text& path, int index, int size) {
    if (path.empty() || index < 0 || size <= 0) return UniqueIcon();
    HICON icon = nullptr;
    UINT id = 0;
    UINT n = PrivateExtractIconsW(ToWide(path).c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
    if (n == 0 || n == UINT(-1)) return UniqueIcon();
    return UniqueIcon(icon);
}

int Win32Icons::CountIcons(const Text& path) {
    // Counted as they are extracted.
    if (size_ > 0) return CountFileIcons(path);
    HICON count = ExtractIconW(instance_, ToWide(path).c_str(), UINT(-1));
    return static_cast<int>(reinterpret_cast<UINT_PTR>(count));
}

IconHandle Win32Icons::ExtractIconAt(const Text& path, int index) {
    if (size_ > 0) return ExtractIconSized(path, index, size_);
    // Other negative indexes would name resource identifiers, and -1 the count.
    if (index < 0) return {};
    HICON icon = ExtractIconW(instance_, ToWide(path).c_str(), UINT(index));
    return IsIcon(icon) ? FromWin32(icon) : IconHandle{};
}

IconHandle Win32Icons::ExtractIconSized(const Text& path, int index, int size) {
    return FromWin32(ExtractFileIcon(path, index, size).Release());
}

IconHandle Win32Icons::CopyWindowIcon(WindowHandle window, int size) {
    HWND h = ToWin32<HWND>(window);
    constexpr UINT kAnswerMs = 200;  // a hung program costs no more
    HICON icon = nullptr;
    for (WPARAM which : {WPARAM(ICON_SMALL2), WPARAM(ICON_SMALL), WPARAM(ICON_BIG)}) {
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(h, WM_GETICON, which, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &answer) && answer) {
            icon = reinterpret_cast<HICON>(answer);
            break;
        }
    }
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(h, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(h, GCLP_HICON));
    if (!icon) return {};
    // The program owns its icon: Hidewell keeps a copy of its own.
    HICON copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, 0));
    return FromWin32(copy);
}

void Win32Icons::DestroyIcon(IconHandle icon) {
    if (icon) ::DestroyIcon(ToWin32<HICON>(icon));
}

Text Win32Icons::GetWinDir() {
    wchar_t buffer[MAX_PATH + 1]{};
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) return Text();
    return FromWide(buffer, n);
}

}  // namespace hw
