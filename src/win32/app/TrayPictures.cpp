#include "win32/app/TrayPictures.h"

#include <cstdint>

#include "../../../resources/resource.h"

namespace hw {

namespace {

#pragma pack(push, 2)
// An image of an icon group resource.
struct GroupEntry {
    BYTE width;  // 0 for 256
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The picture drawn from the nearest larger image of the icon, not blown up from a smaller one
// (the largest when none is large enough; the deepest colours among images of one size).
HICON LoadPicture(HINSTANCE module, int id, int size) {
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(id), RT_GROUP_ICON);
    HGLOBAL groupData = group ? LoadResource(module, group) : nullptr;
    const auto* header = groupData ? static_cast<const WORD*>(LockResource(groupData)) : nullptr;
    if (!header || SizeofResource(module, group) < 6) return nullptr;
    const WORD count = header[2];
    if (SizeofResource(module, group) < 6 + count * sizeof(GroupEntry)) return nullptr;
    const auto* entries = reinterpret_cast<const GroupEntry*>(header + 3);
    const GroupEntry* best = nullptr;
    auto width = [](const GroupEntry& e) { return e.width == 0 ? 256 : int(e.width); };
    for (const GroupEntry* e = entries; e != entries + count; ++e) {
        if (!best) {
            best = e;
            continue;
        }
        const bool fits = width(*e) >= size, bestFits = width(*best) >= size;
        if (fits != bestFits ? fits
                             : width(*e) != width(*best) ? (fits ? width(*e) < width(*best) : width(*e) > width(*best))
                                                         : e->bitCount > best->bitCount)
            best = e;
    }
    HRSRC image = best ? FindResourceW(module, MAKEINTRESOURCEW(best->id), RT_ICON) : nullptr;
    HGLOBAL imageData = image ? LoadResource(module, image) : nullptr;
    auto* bits = imageData ? static_cast<BYTE*>(LockResource(imageData)) : nullptr;
    if (!bits) return nullptr;
    return CreateIconFromResourceEx(bits, SizeofResource(module, image), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
}

// A grey copy of the icon, for a state that is switched off.
HICON GreyCopy(HICON icon, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!colour) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, colour);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    SelectObject(dc, old);
    DeleteDC(dc);
    auto* px = static_cast<std::uint8_t*>(bits);
    for (int i = 0; i < size * size; ++i, px += 4) {
        // Light grey at the picture's own brightness, half as opaque.
        std::uint8_t grey = static_cast<std::uint8_t>((px[0] * 11 + px[1] * 59 + px[2] * 30) / 100 / 2 + 96);
        px[3] = static_cast<std::uint8_t>(px[3] / 2);
        px[0] = px[1] = px[2] = static_cast<std::uint8_t>(grey * px[3] / 255);
    }
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ICONINFO parts{};
    parts.fIcon = TRUE;
    parts.hbmColor = colour;
    parts.hbmMask = mask;
    HICON grey = CreateIconIndirect(&parts);
    DeleteObject(mask);
    DeleteObject(colour);
    return grey;
}

}  // namespace

bool TrayPictures::Load(HINSTANCE module, int size) {
    if (size <= 0 || size == size_) return false;
    const int ids[] = {IDI_NOTGOT, IDI_GOT, IDI_HIDEWELL};
    UniqueIcon loaded[kCount];
    for (int i = 0; i < 3; ++i) {
        loaded[i].Reset(LoadPicture(module, ids[i], size));
        if (!loaded[i]) return false;
    }
    loaded[static_cast<int>(Picture::Suspended)].Reset(GreyCopy(loaded[0].Get(), size));
    if (!loaded[static_cast<int>(Picture::Suspended)]) return false;
    for (int i = 0; i < kCount; ++i) {
        previous_[i] = std::move(current_[i]);
        current_[i] = std::move(loaded[i]);
    }
    size_ = size;
    return true;
}

}  // namespace hw
