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

// Places a dialog's rows from the top down, in twips: each row takes its height and a gap,
// so a row added or grown moves what is below it.
class DialogRows {
public:
    explicit DialogRows(int top, int gap = 75) : y_(top), gap_(gap) {}
    // The top of the next row, which takes height; the next row starts below it.
    int Next(int height) {
        const int top = y_;
        y_ += height + gap_;
        return top;
    }
    // Leaves room (or, negative, takes some back).
    void Skip(int twips) { y_ += twips; }
    int Bottom() const { return y_; }

private:
    int y_;
    int gap_;
};

}  // namespace hw
