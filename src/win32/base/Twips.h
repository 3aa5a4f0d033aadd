#pragma once
// Sizes of Hidewell's windows are given in twips (1/1440 inch); these turn them into pixels.
#include <windows.h>

namespace hw {

inline int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }
inline int PixelsToTwips(int pixels, int dpi) { return MulDiv(pixels, 1440, dpi); }

}  // namespace hw
