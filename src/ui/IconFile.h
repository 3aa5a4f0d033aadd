#pragma once
// An icon written as an icon file (.ico): one 32-bit image with its transparency mask.
#include <cstdint>
#include <vector>

namespace hw {

struct IconImage {
    int width = 0;
    int height = 0;
    // Top row first, 0xAARRGGBB per pixel.
    std::vector<std::uint32_t> pixels;
    // Top row first, true where the icon is transparent.
    std::vector<bool> transparent;
};

// The bytes of the file; empty when the image is not 1 to 256 pixels each way or the
// pixel and mask counts do not match its size. An image without any alpha is made opaque
// where the mask shows it.
std::vector<std::uint8_t> EncodeIconFile(const IconImage& image);

}  // namespace hw
