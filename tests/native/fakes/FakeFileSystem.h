#pragma once
// Simulated drives and folders: a folder that is not planted cannot be listed. Whole files
// live in `files`; a read-only medium refuses to replace them, and a write that fails leaves
// the file as it was.
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"
#include "ui/IconPickerModel.h"

namespace hw::test {

class FakeFileSystem : public FileSystem {
public:
    std::vector<Text> drives{u"C:\\", u"D:\\"};
    std::map<Text, FolderListing> folders;  // folder path (as the picker writes it) -> contents
    std::map<Text, std::string> files;       // whole files by path
    std::set<Text> unreadable;                // files that exist but cannot be read
    bool readOnly = false;                    // every replacement fails
    int writes = 0;                           // replacements so far

    std::vector<Text> Drives() override { return drives; }
    std::optional<FolderListing> List(const Text& folder) override {
        auto it = folders.find(folder);
        if (it == folders.end()) return std::nullopt;
        return it->second;
    }
    bool FileExists(const Text& path) override {
        if (files.count(path) || unreadable.count(path)) return true;
        std::size_t cut = path.find_last_of(u'\\');
        auto it = folders.find(cut == 2 ? path.substr(0, 3) : path.substr(0, cut));
        if (cut == Text::npos || it == folders.end()) return false;
        for (const Text& f : it->second.files)
            if (SameFileName(f, path.substr(cut + 1))) return true;
        return false;
    }
    std::optional<std::string> ReadWholeFile(const Text& path) override {
        auto it = files.find(path);
        if (it == files.end() || unreadable.count(path)) return std::nullopt;
        return it->second;
    }
    bool ReplaceWholeFile(const Text& path, const std::string& bytes) override {
        if (readOnly) return false;
        ++writes;
        files[path] = bytes;
        return true;
    }
    Text LastError() override { return u"The device is not ready."; }
};

}  // namespace hw::test
