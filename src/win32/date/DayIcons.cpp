#include "win32/date/DayIcons.h"

#include "win32/base/Dpi.h"

#include <string>
#include <vector>

namespace hw {

namespace {

using UniqueBitmap = UniqueHandle<HBITMAP, &DeleteObject>;
using UniqueDc = UniqueHandle<HDC, &DeleteDC>;

// Colours of the leaf, as COLORREF.
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kBinding = RGB(200, 32, 32);
constexpr COLORREF kEdge = RGB(64, 64, 64);
constexpr COLORREF kInk = RGB(0, 0, 0);

void Fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

}  // namespace

UniqueIcon DrawDayIcon(int day, int size) {
    if (day < 1 || day > 31 || size < 8) return {};
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = size;
    bi.bmiHeader.biHeight = -size;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap colour(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueDc dc(CreateCompatibleDC(nullptr));
    if (!colour || !dc || !bits) return {};
    HGDIOBJ oldBitmap = SelectObject(dc.Get(), colour.Get());

    // The leaf fills the icon; a red binding across the top, the number below it.
    const int band = size * 5 / 16;
    Fill(dc.Get(), RECT{0, 0, size, size}, kEdge);
    Fill(dc.Get(), RECT{1, 1, size - 1, size - 1}, kPaper);
    Fill(dc.Get(), RECT{1, 1, size - 1, band}, kBinding);

    LOGFONTW lf{};
    lf.lfHeight = -(size - band);
    lf.lfWeight = FW_BOLD;
    lf.lfQuality = NONANTIALIASED_QUALITY;  // whole pixels keep their alpha meaningful
    wcscpy_s(lf.lfFaceName, L"Tahoma");
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ oldFont = SelectObject(dc.Get(), font);
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), kInk);
    std::wstring number = std::to_wstring(day);
    RECT text{0, band - 1, size, size};
    // Two digits may be wider than the leaf at small sizes: squeeze the font until they fit.
    SIZE extent{};
    GetTextExtentPoint32W(dc.Get(), number.c_str(), static_cast<int>(number.size()), &extent);
    if (extent.cx > size - 2) {
        lf.lfWidth = 0;
        TEXTMETRICW tm{};
        GetTextMetricsW(dc.Get(), &tm);
        lf.lfWidth = MulDiv(tm.tmAveCharWidth, size - 2, extent.cx);
        HFONT narrow = CreateFontIndirectW(&lf);
        SelectObject(dc.Get(), narrow);
        DeleteObject(font);
        font = narrow;
    }
    DrawTextW(dc.Get(), number.c_str(), static_cast<int>(number.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc.Get(), oldFont);
    DeleteObject(font);
    GdiFlush();
    SelectObject(dc.Get(), oldBitmap);

    // GDI leaves alpha at 0: the whole leaf is opaque.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < size * size; ++i) pixels[i] |= 0xFF000000u;

    // The mask (all zero: every pixel drawn) for systems that ignore the alpha.
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(((size + 15) / 16) * 2 * size), 0);
    UniqueBitmap mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
    if (!mask) return {};
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.Get();
    info.hbmMask = mask.Get();
    return UniqueIcon(CreateIconIndirect(&info));
}

int DayIcons::Size() { return SmallIconSize(TaskbarDpi()); }

HICON DayIcons::Get(int day) {
    if (size_ == 0) size_ = Size();
    auto it = icons_.find(day);
    if (it == icons_.end()) it = icons_.emplace(day, DrawDayIcon(day, size_)).first;
    return it->second.Get();
}

bool DayIcons::Resize() {
    int size = Size();
    if (size == size_) return false;
    size_ = size;
    icons_.clear();
    return true;
}

}  // namespace hw
