#include "win32/registry/Win32Registry.h"

#include <vector>

#include "win32/base/HandleCast.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {

RegKey FromHkey(HKEY key) { return FromWin32(key); }

// The predefined roots are sign-extended on 64-bit Windows; other keys are open handles.
HKEY ToHkey(RegKey key) {
    if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
    if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
    return ToWin32<HKEY>(key);
}

}  // namespace

std::int32_t Win32Registry::CreateKeyEx(RegKey root, const Text& path, std::uint32_t options, std::uint32_t access,
                                       RegKey& key) {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    DWORD option = options == kRegOptionVolatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE;
    LSTATUS status = RegCreateKeyExW(ToHkey(root), ToWide(path).c_str(), 0, nullptr, option, access,
                                     nullptr, &opened, &disposition);
    if (status == ERROR_SUCCESS) key = FromHkey(opened);
    return status;
}

std::int32_t Win32Registry::OpenKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) {
    HKEY opened = nullptr;
    LSTATUS status = RegOpenKeyExW(ToHkey(root), ToWide(path).c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) key = FromHkey(opened);
    return status;
}

std::int32_t Win32Registry::CloseKey(RegKey key) { return RegCloseKey(ToHkey(key)); }

std::int32_t Win32Registry::QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                                         std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    LSTATUS status = RegQueryValueExW(ToHkey(key), ToWide(name).c_str(), nullptr, type ? &valueType : nullptr, data,
                                      size ? &valueSize : nullptr);
    if (type) *type = valueType;
    if (size) *size = valueSize;
    return status;
}

std::int32_t Win32Registry::SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                                       std::uint32_t size) {
    // The registry adds a terminator to a text whose next character in memory is NUL, reading
    // past the data to find out; a non-NUL guard after the data keeps the length as given.
    std::vector<BYTE> guarded(data, data + size);
    guarded.insert(guarded.end(), {0xFF, 0xFF});
    return RegSetValueExW(ToHkey(key), ToWide(name).c_str(), 0, type, guarded.data(), size);
}

std::int32_t Win32Registry::DeleteValue(RegKey key, const Text& name) {
    return RegDeleteValueW(ToHkey(key), ToWide(name).c_str());
}

std::int32_t Win32Registry::EnumValue(RegKey key, std::uint32_t index, Text& name) {
    wchar_t buffer[16384];  // the longest value name, 16383 characters, and its terminator
    DWORD length = 16384;
    LSTATUS status = RegEnumValueW(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) name = FromWide(buffer, length);
    return status;
}

}  // namespace hw
