#pragma once
// Icons out of program, library and icon files, and copies of other windows' icons.
#include <windows.h>

#include "platform/Icons.h"
#include "win32/base/Handles.h"

namespace hw {

// Number of icons in the file, counted by the API that ExtractFileIcon uses; 0 when it holds
// none or cannot be read.
int CountFileIcons(const Text& path);
// The icon at index, size pixels square; empty when there is none.
UniqueIcon ExtractFileIcon(const Text& path, int index, int size);

class Win32Icons : public Icons {
public:
    // size: the pixels square of the icons ExtractIconAt gives (previews that follow a
    // window's DPI); 0 for the shell's own size.
    explicit Win32Icons(HINSTANCE instance, int size = 0) : instance_(instance), size_(size) {}

    int CountIcons(const Text& path) override;
    IconHandle ExtractIconAt(const Text& path, int index) override;
    IconHandle ExtractIconSized(const Text& path, int index, int size) override;
    IconHandle CopyWindowIcon(WindowHandle window, int size) override;
    void DestroyIcon(IconHandle icon) override;
    Text GetWinDir() override;

private:
    HINSTANCE instance_;
    int size_;
};

}  // namespace hw
