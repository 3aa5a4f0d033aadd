#pragma once
// Simulated icon files: each path holds a number of icons; handed-out handles are tracked
// so tests can check that every icon is destroyed exactly once.
#include <map>
#include <set>

#include "platform/Icons.h"

namespace hw::test {

class FakeIcons : public Icons {
public:
    std::map<Text, int> files;  // path -> number of icons
    Text winDir = u"C:\\WINDOWS";
    std::set<IconHandle> live;
    int badDestroys = 0;  // destroys of handles that were not live
    Text lastExtracted;   // the file of the last icon handed out

    int CountIcons(const Text& path) override;
    IconHandle ExtractIconAt(const Text& path, int index) override;
    void DestroyIcon(IconHandle icon) override;
    Text GetWinDir() override { return winDir; }

private:
    IconHandle next_ = 0x5000;
};

}  // namespace hw::test
