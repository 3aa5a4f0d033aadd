#pragma once
// Icons taken out of program, library and icon files.
#include "platform/Types.h"

namespace hw {

class Icons {
public:
    virtual ~Icons() = default;

    // Number of icons in the file; 0 when it is missing or holds none.
    virtual int CountIcons(const Text& path) = 0;
    // The icon at a zero-based index, 0 when there is none. The caller owns the handle.
    virtual IconHandle ExtractIconAt(const Text& path, int index) = 0;
    // The same icon drawn at size x size pixels (from the file's best picture for it).
    virtual IconHandle ExtractIconSized(const Text& path, int index, int size) {
        (void)size;
        return ExtractIconAt(path, index);
    }
    // A copy of the small icon a window shows in its title bar (its class's icon when it
    // names none), at size x size pixels; 0 when it has none or does not answer.
    virtual IconHandle CopyWindowIcon(WindowHandle window, int size) {
        (void)window, (void)size;
        return {};
    }
    virtual void DestroyIcon(IconHandle icon) = 0;
    // The Windows directory without a trailing "\" (e.g. C:\WINDOWS).
    virtual Text GetWinDir() = 0;
};

}  // namespace hw
