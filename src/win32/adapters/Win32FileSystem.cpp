#include "win32/adapters/Win32FileSystem.h"

#include "common/Paths.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {

// Paths near MAX_PATH and beyond need the prefix that turns off the length limit.
std::wstring ApiPath(const Text& path) {
    std::wstring w = ToWide(path);
    if (w.size() < MAX_PATH - 12 || w.rfind(L"\\\\?\\", 0) == 0) return w;
    if (w.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + w.substr(2);
    return L"\\\\?\\" + w;
}

struct FindCloser {
    HANDLE h;
    ~FindCloser() { FindClose(h); }
};

}  // namespace

Text ErrorDescription(DWORD error) {
    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    Text text = n ? FromWide(buffer, n) : u"Error " + Text(FromWide(std::to_wstring(error)));
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' ')) text.pop_back();
    return text;
}

std::vector<Text> Win32FileSystem::Drives() {
    std::vector<Text> drives;
    DWORD n = GetLogicalDriveStringsW(0, nullptr);
    std::wstring buffer(n + 1, L'\0');
    n = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    for (std::size_t at = 0; at < n && buffer[at];) {
        std::size_t end = buffer.find(L'\0', at);
        drives.push_back(FromWide(buffer.substr(at, end - at)));
        at = end + 1;
    }
    return drives;
}

std::optional<FolderListing> Win32FileSystem::List(const Text& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE h = FindFirstFileExW(ApiPath(JoinPath(folder, u"*")).c_str(), FindExInfoBasic, &found,
                                FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    FolderListing listing;
    if (h == INVALID_HANDLE_VALUE) {
        lastError_ = GetLastError();
        // An empty drive root has not even "." in it.
        if (lastError_ == ERROR_FILE_NOT_FOUND || lastError_ == ERROR_NO_MORE_FILES) return listing;
        return std::nullopt;
    }
    FindCloser closer{h};
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)) continue;
        (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? listing.folders : listing.files).push_back(FromWide(name));
    } while (FindNextFileW(h, &found));
    return listing;
}

bool Win32FileSystem::FileExists(const Text& path) {
    if (path.empty()) return false;
    HANDLE h = CreateFileW(ApiPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    lastError_ = GetLastError();
    // A file that another program holds open without sharing still exists.
    return lastError_ == ERROR_SHARING_VIOLATION || lastError_ == ERROR_LOCK_VIOLATION;
}

Text Win32FileSystem::LastError() { return ErrorDescription(lastError_); }

}  // namespace hw
