#include "win32/ui/SizedIcons.h"

#include "win32/base/WinText.h"

namespace hw {

int CountFileIcons(const Text& path) {
    if (path.empty()) return 0;
    UINT n = PrivateExtractIconsW(ToWide(path).c_str(), 0, 0, 0, nullptr, nullptr, 0, 0);
    return n == UINT(-1) || n > 0x7FFFFFFF ? 0 : static_cast<int>(n);
}

UniqueIcon ExtractFileIcon(const Text& path, int index, int size) {
    if (path.empty() || index < 0) return UniqueIcon();
    HICON icon = nullptr;
    UINT id = 0;
    UINT n = PrivateExtractIconsW(ToWide(path).c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
    if (n == 0 || n == UINT(-1)) return UniqueIcon();
    return UniqueIcon(icon);
}

IconHandle SizedIcons::ExtractIconAt(const Text& path, int index) {
    return reinterpret_cast<UINT_PTR>(ExtractFileIcon(path, index, size_).Release());
}

void SizedIcons::DestroyIcon(IconHandle icon) {
    if (icon) ::DestroyIcon(reinterpret_cast<HICON>(static_cast<UINT_PTR>(icon)));
}

Text SizedIcons::GetWinDir() {
    wchar_t buffer[MAX_PATH + 1]{};
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    return n == 0 || n > MAX_PATH ? Text() : FromWide(buffer, n);
}

}  // namespace hw
