#include "fakes/FakeIcons.h"

namespace hw::test {

IconHandle FakeIcons::ExtractIconAt(const Text& path, int index) {
    if (index < 0 || index >= CountIcons(path)) return {};
    lastExtracted = path;
    next_ += 4;
    live.insert(IconHandle{next_});
    return IconHandle{next_};
}

void FakeIcons::DestroyIcon(IconHandle icon) {
    if (live.erase(icon) == 0) ++badDestroys;
}

}  // namespace hw::test
