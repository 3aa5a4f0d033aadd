#pragma once
// The controls of a dialog placed in twips, re-placed and re-fonted when the DPI changes.
#include <windows.h>

#include <vector>

#include "win32/base/Handles.h"

namespace hw {

class DialogLayout {
public:
    // Creates a visible child control at a place in twips and remembers it.
    HWND Add(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int width,
             int height, DWORD exStyle = 0);
    // Sets up the font and the sizes for the DPI; Add uses them.
    void SetDpi(int dpi);
    // After a DPI change: new font, every control moved and sized again.
    void Rescale(int dpi);
    int Dpi() const { return dpi_; }
    int Px(int twips) const { return MulDiv(twips, dpi_, 1440); }

private:
    struct Placed {
        HWND hwnd;
        int x, y, width, height;
    };
    std::vector<Placed> placed_;
    UniqueFont font_;
    int dpi_ = 96;
};

}  // namespace hw
