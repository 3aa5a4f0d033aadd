#pragma once
// Drives, folders and files as the icon picker walks them.
#include <optional>
#include <vector>

#include "platform/Types.h"

namespace hw {

// What a folder holds: the names of its sub-folders and of its files, unsorted.
struct FolderListing {
    std::vector<Text> folders;
    std::vector<Text> files;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The roots of the drives, "C:\" style.
    virtual std::vector<Text> Drives() = 0;
    // The folder's contents ("." and ".." left out), or nothing when it cannot be listed;
    // then LastError describes why.
    virtual std::optional<FolderListing> List(const Text& folder) = 0;
    // Whether the file can be opened for reading; a file that another program holds open
    // counts as existing. A folder is no file.
    virtual bool FileExists(const Text& path) = 0;
    // The system's description of the last failure.
    virtual Text LastError() = 0;
};

}  // namespace hw
