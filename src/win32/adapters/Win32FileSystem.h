#pragma once
// Drives, folders and files through the wide file APIs; long paths are passed with the
// "\\?\" prefix. A file is replaced through a temporary file beside it and MoveFileExW.
#include <windows.h>

#include "platform/FileSystem.h"

namespace hw {

class Win32FileSystem : public FileSystem {
public:
    std::vector<Text> Drives() override;
    std::optional<FolderListing> List(const Text& folder) override;
    bool FileExists(const Text& path) override;
    std::optional<std::string> ReadWholeFile(const Text& path) override;
    bool ReplaceWholeFile(const Text& path, const std::string& bytes) override;
    Text LastError() override;

private:
    DWORD lastError_ = ERROR_SUCCESS;
};

// The system's description of an error code, without the closing line break.
Text ErrorDescription(DWORD error);

}  // namespace hw
