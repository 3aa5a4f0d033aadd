#include "win32/adapters/Win32Log.h"

#include <shellapi.h>
#include <shlobj.h>

#include "common/LogLine.h"
#include "win32/base/Handles.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {

// The system's text for an error code, without its line break; empty for none.
Text ErrorText(std::uint32_t error) {
    if (error == 0) return {};
    wchar_t buffer[512] = {};
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, buffer,
                             static_cast<DWORD>(std::size(buffer)), nullptr);
    Text code = u"(error " + FromWide(std::to_wstring(error)) + u")";
    return n > 0 ? FromWide(buffer, n) + u" " + code : code;
}

LocalTime Now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

// The size of the file in bytes; 0 when it does not exist.
std::uint64_t FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

}  // namespace

std::wstring LogFolder() {
    PWSTR local = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local))) folder = local;
    CoTaskMemFree(local);
    return folder.empty() ? folder : folder + L"\\Hidewell";
}

bool OpenLogFolder(HWND owner) {
    std::wstring folder = LogFolder();
    if (folder.empty()) return false;
    CreateDirectoryW(folder.c_str(), nullptr);
    HINSTANCE result = ShellExecuteW(owner, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

Win32Log::Win32Log() : Win32Log(LogFolder(), kCapBytes) {}

Win32Log::Win32Log(std::wstring folder, std::uint64_t capBytes) : folder_(std::move(folder)), cap_(capBytes) {}

void Win32Log::Failure(const Text& what, const Text& caption, std::uint32_t systemError) {
    if (folder_.empty()) return;
    Append(ToUtf8(LogLine(Now(), what, caption, ErrorText(systemError))));
}

bool Win32Log::Append(const std::string& line) {
    std::wstring path = folder_ + L"\\" + kFileName;
    CreateDirectoryW(folder_.c_str(), nullptr);
    if (FileSize(path) + line.size() > cap_)
        MoveFileExW(path.c_str(), (folder_ + L"\\" + kOlderFileName).c_str(), MOVEFILE_REPLACE_EXISTING);
    HANDLE h = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    UniqueKernelHandle file(h);
    DWORD written = 0;
    return WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
           written == line.size();
}

}  // namespace hw
