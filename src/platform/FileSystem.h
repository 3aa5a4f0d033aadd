#pragma once
// Drives, folders and files as the icon picker walks them, and the whole files that hold a
// portable copy's settings.
#include <optional>
#include <string>
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
    // The file's bytes; nothing when it cannot be read (then LastError describes why).
    virtual std::optional<std::string> ReadWholeFile(const Text& path) = 0;
    // Writes the bytes to a temporary file beside the file and swaps it in, so that the file is
    // either the old one or the new one, never part of either. False (LastError says why) when
    // the file was not replaced.
    virtual bool ReplaceWholeFile(const Text& path, const std::string& bytes) = 0;
    // The system's description of the last failure.
    virtual Text LastError() = 0;
};

}  // namespace hw
