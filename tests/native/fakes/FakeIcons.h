#pragma once
// Simulated icon files: each path holds a number of icons; handles handed out are tracked
// so tests can check that every icon is destroyed exactly once.
#include <map>
#include <set>

#include "platform/Icons.h"

namespace hw::test {

class FakeIcons : public Icons {
public:
    std::map<Text, int> files;  // path -> number of icons
    std::set<IconHandle> live;
    int badDestroys = 0;  // destroys of handles that were not live
    Text lastExtracted;   // the file of the last icon handed out

    int CountIcons(const Text& path) override { return files.count(path) ? files.at(path) : 0; }
    IconHandle ExtractIconAt(const Text& path, int index) override;
    IconHandle ExtractIconSized(const Text& path, int index, int size) override {
        lastSize = size;
        return ExtractIconAt(path, index);
    }
    int lastSize = 0;  // the size of the last icon asked for at a size
    std::set<WindowHandle> windowsWithIcons;  // windows that answer with an icon of their own
    IconHandle CopyWindowIcon(WindowHandle window, int size) override {
        lastSize = size;
        if (!windowsWithIcons.count(window)) return {};
        live.insert(IconHandle{++next_});
        return IconHandle{next_};
    }
    void DestroyIcon(IconHandle icon) override;
    Text GetWinDir() override { return u"C:\\WINDOWS"; }

private:
    std::uint64_t next_ = 0x5000;
};

}  // namespace hw::test
