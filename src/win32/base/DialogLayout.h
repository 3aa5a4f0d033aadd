#pragma once
// The one way Hidewell's windows place their controls: in twips of the client area, in the
// message font of the window's DPI, placed and re-fonted again when the DPI changes.
#include <windows.h>

#include <functional>
#include <vector>

#include "win32/base/Handles.h"

namespace hw {

// A control of a window's table: what it is and where it goes, in twips.
struct ControlSpec {
    int id;
    const wchar_t* cls;
    const wchar_t* text;
    DWORD style;
    int x, y, width, height;
    DWORD exStyle = 0;
};

class DialogLayout {
public:
    // Sets up the sizes and the message font for the DPI; Add uses them.
    void SetDpi(int dpi);
    int Dpi() const { return dpi_; }
    int Px(int twips) const { return MulDiv(twips, dpi_, 1440); }
    int Twips(int pixels) const { return MulDiv(pixels, 1440, dpi_); }
    // The outer rectangle of a window of the style whose client area has this size in twips,
    // centred on the primary monitor.
    RECT CentredWindow(int clientWidth, int clientHeight, DWORD style, DWORD exStyle) const;

    // Creates a visible child control at a place in twips and remembers it.
    HWND Add(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int width,
             int height, DWORD exStyle = 0);
    HWND Add(HWND parent, const ControlSpec& c) {
        return Add(parent, c.cls, c.text, c.style, c.id, c.x, c.y, c.width, c.height, c.exStyle);
    }
    // Places a child window made elsewhere and remembers it; it keeps its own font.
    void Keep(HWND child, int x, int y, int width, int height);
    // Gives a control a font of the window's own instead of the message font. The window
    // remakes it for a new DPI before Rescale, which hands it out again.
    void SetFont(HWND control, const UniqueFont& font);

    // After a DPI change: new font, every control placed and sized again. remakeFonts, run
    // once the new DPI is set, remakes the window's own fonts.
    void Rescale(int dpi, const std::function<void()>& remakeFonts = {});
    // WM_DPICHANGED: the controls rescaled, then the window moved to the suggested place and
    // drawn again.
    void FollowDpiChange(HWND window, WPARAM wParam, LPARAM lParam, const std::function<void()>& remakeFonts = {});

private:
    struct Placed {
        HWND hwnd;
        int x, y, width, height;
        const UniqueFont* font;  // the message font when null; none for a window kept
        bool keepsFont;
    };
    void SendFont(const Placed& p, BOOL redraw);

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
