#include "fakes/FakeIcons.h"

namespace hw::test {

IconHandle FakeIcons::ExtractIconAt(const Text& path, int index) {
    if (index < 0 || index >= CountIcons(path)) return 0;
    lastExtracted = path;
    next_ += 4;
    live.insert(next_);
    return next_;
}

void FakeIcons::DestroyIcon(IconHandle icon) {
    if (live.erase(icon) == 0) ++badDestroys;
}

}  // namespace hw::test
