#pragma once
// Icons out of program, library and icon files, through the shell.
#include <windows.h>

#include "platform/Icons.h"

namespace hw {

class Win32Icons : public Icons {
public:
    explicit Win32Icons(HINSTANCE instance) : instance_(instance) {}

    int CountIcons(const Text& path) override;
    IconHandle ExtractIconAt(const Text& path, int index) override;
    IconHandle ExtractIconSized(const Text& path, int index, int size) override;
    IconHandle CopyWindowIcon(WindowHandle window, int size) override;
    void DestroyIcon(IconHandle icon) override;
    Text GetWinDir() override;

private:
    HINSTANCE instance_;
};

}  // namespace hw
