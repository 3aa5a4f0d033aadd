#pragma once
// Simulated drives and folders: a folder that is not planted cannot be listed.
#include <map>

#include "platform/FileSystem.h"
#include "ui/IconPickerModel.h"

namespace hw::test {

class FakeFileSystem : public FileSystem {
public:
    std::vector<Text> drives{u"C:\\", u"D:\\"};
    std::map<Text, FolderListing> folders;  // folder path (as the picker writes it) -> contents

    std::vector<Text> Drives() override { return drives; }
    std::optional<FolderListing> List(const Text& folder) override {
        auto it = folders.find(folder);
        if (it == folders.end()) return std::nullopt;
        return it->second;
    }
    bool FileExists(const Text& path) override {
        std::size_t cut = path.find_last_of(u'\\');
        auto it = folders.find(cut == 2 ? path.substr(0, 3) : path.substr(0, cut));
        if (cut == Text::npos || it == folders.end()) return false;
        for (const Text& f : it->second.files)
            if (SameFileName(f, path.substr(cut + 1))) return true;
        return false;
    }
    Text LastError() override { return u"The device is not ready."; }
};

}  // namespace hw::test
