#include "win32/ui/IconExport.h"

#include <commdlg.h>

#include <optional>
#include <vector>

#include "ui/IconFile.h"
#include "win32/adapters/Win32FileSystem.h"
#include "win32/base/Handles.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {

using UniqueBitmap = UniqueHandle<HBITMAP, &DeleteObject>;

// The bitmap's pixels, top row first, 32 bits each; empty when they cannot be read.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    HDC dc = GetDC(nullptr);
    int rows = GetDIBits(dc, bitmap, 0, UINT(height), pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows != height) pixels.clear();
    return pixels;
}

std::optional<IconImage> ReadIcon(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return std::nullopt;
    UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    if (!GetObjectW(mask.Get(), sizeof(bm), &bm)) return std::nullopt;
    IconImage image;
    image.width = bm.bmWidth;
    // A monochrome icon's mask holds the AND rows above the XOR rows.
    image.height = colour ? bm.bmHeight : bm.bmHeight / 2;
    std::vector<std::uint32_t> maskPixels = Pixels(mask.Get(), image.width, bm.bmHeight);
    image.pixels = colour ? Pixels(colour.Get(), image.width, image.height)
                          : std::vector<std::uint32_t>(maskPixels.begin() + std::ptrdiff_t(maskPixels.size() / 2),
                                                       maskPixels.end());
    if (maskPixels.empty() || image.pixels.empty()) return std::nullopt;
    for (std::size_t k = 0; k < image.pixels.size(); ++k) image.transparent.push_back((maskPixels[k] & 0xFFFFFF) != 0);
    if (!colour)
        for (std::uint32_t& p : image.pixels) p &= 0xFFFFFF;  // alpha from the mask
    return image;
}

}  // namespace

DWORD WriteIconFile(HICON icon, const Text& path) {
    std::optional<IconImage> image = ReadIcon(icon);
    std::vector<std::uint8_t> bytes = image ? EncodeIconFile(*image) : std::vector<std::uint8_t>();
    if (bytes.empty()) return ERROR_INVALID_DATA;
    HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    DWORD error = ok && written == bytes.size() ? ERROR_SUCCESS : (ok ? ERROR_WRITE_FAULT : GetLastError());
    if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
    if (error != ERROR_SUCCESS) DeleteFileW(ToWide(path).c_str());
    return error;
}

bool SaveIconAs(HWND owner, HICON icon, const Text& defaultName) {
    std::wstring file = ToWide(defaultName);
    file.resize(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = L"Icon files (*.ico)\0*.ico\0";
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = L"ico";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    // The dialog's library, and the printing system it brings along, are loaded only for it.
    UniqueLibrary dialogs(LoadLibraryW(L"comdlg32.dll"));
    auto saveDialog = dialogs ? reinterpret_cast<decltype(&GetSaveFileNameW)>(
                                    reinterpret_cast<void*>(GetProcAddress(dialogs.Get(), "GetSaveFileNameW")))
                              : nullptr;
    if (!saveDialog) {
        MessageBoxW(owner, L"The save dialog of Windows could not be opened.", L"Hidewell", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!saveDialog(&ofn)) return false;  // cancelled
    Text path = FromWide(file.c_str(), wcslen(file.c_str()));
    DWORD error = WriteIconFile(icon, path);
    if (error == ERROR_SUCCESS) return true;
    Text message = u"The icon could not be saved to " + path + u".\r\n\r\n" + ErrorDescription(error);
    MessageBoxW(owner, ToWide(message).c_str(), L"Hidewell", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

}  // namespace hw
