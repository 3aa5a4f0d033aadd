#include "win32/adapters/Win32FileSystem.h"

#include "common/Paths.h"
#include "win32/base/Handles.h"
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

// A settings file is small; anything this large is no settings file.
constexpr LONGLONG kLargestFile = 16 * 1024 * 1024;

UniqueKernelHandle OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
    HANDLE h = CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
    return UniqueKernelHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
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

std::optional<std::string> Win32FileSystem::ReadWholeFile(const Text& path) {
    UniqueKernelHandle file = OpenFile(ApiPath(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size)) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    if (size.QuadPart > kLargestFile) {
        lastError_ = ERROR_FILE_TOO_LARGE;
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

bool Win32FileSystem::ReplaceWholeFile(const Text& path, const std::string& bytes) {
    const std::wstring target = ApiPath(path);
    const std::wstring temporary = ApiPath(path + u".new");
    {
        UniqueKernelHandle file = OpenFile(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
        DWORD written = 0;
        bool ok = file && ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file.Get());
        if (!ok) {
            lastError_ = GetLastError();
            if (file) {
                file.Reset();
                DeleteFileW(temporary.c_str());
            }
            return false;
        }
    }
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    lastError_ = GetLastError();
    DeleteFileW(temporary.c_str());
    return false;
}

Text Win32FileSystem::LastError() { return ErrorDescription(lastError_); }

}  // namespace hw
