#include "win32/about/PaintBox.h"

namespace hw {

PaintBox::~PaintBox() {
    if (Hwnd()) DestroyWindow(Hwnd());
}

bool PaintBox::Create(HWND parent, int id, Painter painter) {
    painter_ = std::move(painter);
    if (!Window::Create(L"HidewellPaintBox", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, 0, parent))
        return false;
    SetWindowLongPtrW(Hwnd(), GWLP_ID, id);
    return true;
}

void PaintBox::Paint() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(Hwnd(), &ps);
    RECT r{};
    GetClientRect(Hwnd(), &r);
    // Drawn off screen first, so a box repainted on every tick does not flicker.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(dc, r.right, r.bottom) : nullptr;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (painter_) painter_(memory, r);
        BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    } else if (painter_) {
        painter_(dc, r);
    }
    if (memory) DeleteDC(memory);
    EndPaint(Hwnd(), &ps);
}

LRESULT PaintBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SendMessageW(GetParent(Hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Hwnd()), STN_CLICKED),
                     reinterpret_cast<LPARAM>(Hwnd()));
        return 0;
    default:
        break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
