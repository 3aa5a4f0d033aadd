#pragma once
// Message boxes owned by the main window.
#include <windows.h>

#include "platform/Ui.h"

namespace hw {

class Win32Ui : public Ui {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    int ShowMessage(const Text& text, const Text& caption, std::uint32_t style) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace hw
