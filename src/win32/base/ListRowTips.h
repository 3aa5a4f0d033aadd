#pragma once
// A tool tip over a list box that shows a row in full when the list is too narrow for it.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "platform/Types.h"

namespace hw {

class ListRowTips {
public:
    // The tip of a row whose text is textWidth pixels wide in a row room pixels wide; empty
    // for none.
    using TipFor = std::function<Text(std::size_t row, int textWidth, int room)>;

    ListRowTips(HWND list, TipFor tipFor);
    ~ListRowTips();
    ListRowTips(const ListRowTips&) = delete;
    ListRowTips& operator=(const ListRowTips&) = delete;

    // The rows or their places changed: the tip shown goes until the mouse moves again.
    void Forget();

private:
    static LRESULT CALLBACK OnListMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR self);
    // Points the tool at the row under the mouse (client point), with its tip or none.
    void Track(POINT point);
    void SetTool(const RECT& rect, const std::wstring& text);
    int TextWidth(int row) const;
    void Detach();

    HWND list_ = nullptr;
    HWND tip_ = nullptr;
    TipFor tipFor_;
    int row_ = -1;
    std::wstring text_;
};

}  // namespace hw
