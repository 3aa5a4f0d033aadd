#pragma once
// Icons of program, library and icon files at a chosen size, for previews that follow the
// window's DPI; counted by the same API that extracts them.
#include <windows.h>

#include "platform/Icons.h"
#include "win32/base/Handles.h"

namespace hw {

// The icon sizes of a window at its DPI.
inline int LargeIconSize(int dpi) { return MulDiv(32, dpi, 96); }
inline int SmallIconSize(int dpi) { return MulDiv(16, dpi, 96); }

// Number of icons in the file; 0 when it holds none or cannot be read.
int CountFileIcons(const Text& path);
// The icon at index, size pixels square; empty when there is none.
UniqueIcon ExtractFileIcon(const Text& path, int index, int size);

// The counting half of the icon platform for the icon picker.
class SizedIcons : public Icons {
public:
    explicit SizedIcons(int size) : size_(size) {}
    int CountIcons(const Text& path) override { return CountFileIcons(path); }
    IconHandle ExtractIconAt(const Text& path, int index) override;
    void DestroyIcon(IconHandle icon) override;
    Text GetWinDir() override;

private:
    int size_;
};

}  // namespace hw
