#include "ui/IconFile.h"

#include <algorithm>

namespace hw {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeIconFile(const IconImage& image) {
    const int w = image.width, h = image.height;
    const std::size_t n = std::size_t(std::max(w, 0)) * std::size_t(std::max(h, 0));
    if (w < 1 || h < 1 || w > 256 || h > 256 || image.pixels.size() != n || image.transparent.size() != n) return {};

    const bool hasAlpha = std::any_of(image.pixels.begin(), image.pixels.end(), [](std::uint32_t p) { return p >> 24; });
    const std::uint32_t maskRowBytes = std::uint32_t((w + 31) / 32 * 4);
    const std::uint32_t colourBytes = std::uint32_t(n * 4);
    const std::uint32_t imageBytes = 40 + colourBytes + maskRowBytes * std::uint32_t(h);

    std::vector<std::uint8_t> out;
    out.reserve(22 + imageBytes);
    Put16(out, 0);  // icon directory: reserved, type 1 (icon), one image
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(std::uint8_t(w == 256 ? 0 : w));  // directory entry
    out.push_back(std::uint8_t(h == 256 ? 0 : h));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, imageBytes);
    Put32(out, 22);  // the image follows the directory
    Put32(out, 40);  // bitmap header; its height counts colour rows and mask rows
    Put32(out, std::uint32_t(w));
    Put32(out, std::uint32_t(h * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);  // uncompressed
    Put32(out, colourBytes + maskRowBytes * std::uint32_t(h));
    for (int k = 0; k < 4; ++k) Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {  // rows bottom up
        for (int x = 0; x < w; ++x) {
            std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
            std::uint32_t p = image.pixels[at];
            if (!hasAlpha) p = image.transparent[at] ? 0 : (p | 0xFF000000u);
            Put32(out, p);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRowBytes, 0);
        for (int x = 0; x < w; ++x)
            if (image.transparent[std::size_t(y) * std::size_t(w) + std::size_t(x)]) row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace hw
