#pragma once
// The icon picker "Applications Icon": the user walks drives and folders, picks or types a
// program, library or icon file, steps through its icons and confirms one, which comes back
// as an icon reference. This is its state and what each click, key and scroll does to it.
#include <optional>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Icons.h"

namespace hw {

// A row of the folder list: the current folder's ancestors (open) and its sub-folders.
struct FolderRow {
    Text label;
    Text path;
    int depth = 0;
    bool open = false;
};

// The icon the preview shows: index of the file at path.
struct PreviewIcon {
    Text path;
    int index = 0;
};

// Where the picker opens: at the entry's icon reference; for an entry without one, in the
// folder where an icon was last chosen in this run, or at the default reference when there is
// none or it cannot be read.
struct PickerArgs {
    Text reference;  // empty when the entry has no icon
    Text lastFolder;
    Text defaultReference;
};

class IconPickerModel {
public:
    IconPickerModel(FileSystem& files, Icons& icons);

    // Positions the picker on the reference's folder, file and icon (the caller's index,
    // clamped to the file's last icon). A reference whose file is not in the list loads it
    // as a typed path.
    void Open(const Text& reference);
    void Open(const PickerArgs& args);

    // Events.
    void ChooseDrive(int index);
    void OpenFolder(int row);
    void GoToParent();
    void PickFile(int index);
    void DoubleClickFile(int index);
    void SetName(const Text& name) { name_ = name; }
    void EnterInName();
    void Scroll(int value);
    void Select();
    void Cancel();

    // State, as the view shows it.
    const std::vector<Text>& Drives() const { return drives_; }
    int DriveIndex() const;
    const Text& Folder() const { return folder_; }
    const std::vector<FolderRow>& FolderRows() const { return rows_; }
    int CurrentFolderRow() const;
    const std::vector<Text>& Files() const { return files_; }
    int FileSelection() const { return fileSelection_; }
    const Text& Name() const { return name_; }
    int ScrollValue() const { return value_; }
    int ScrollMax() const { return count_ > 0 ? LastIndex() : 0; }
    Text IconCaption() const;
    const std::optional<PreviewIcon>& Preview() const { return preview_; }
    // The current folder joined with the name box.
    Text FullPath() const;

    bool Finished() const { return finished_; }
    // The chosen icon reference; nothing after Cancel.
    const std::optional<Text>& Result() const { return result_; }
    // The folder of the chosen icon's file; empty when none was chosen.
    Text ChosenFolder() const;
    // A message the view is to show once (the picker stays open).
    std::optional<Text> TakeMessage();

private:
    bool ChangeFolder(const Text& folder, bool reportTitled);
    // Resets what one opening of the picker decides.
    void Reopen();
    void ShowFile(const Text& path, int value);
    void LoadTypedPath(const Text& typed);
    int LastIndex() const;
    void Finish(std::optional<Text> result);

    FileSystem& fs_;
    Icons& icons_;
    std::vector<Text> drives_;
    Text folder_;
    std::vector<FolderRow> rows_;
    std::vector<Text> files_;
    int fileSelection_ = -1;
    Text name_;
    int count_ = 1;  // before any file is chosen the caption reads "&Icon: 1:1"
    int value_ = 0;
    std::optional<PreviewIcon> preview_;
    bool typedPathLoaded_ = false;
    bool blockDoubleClick_ = false;
    bool finished_ = false;
    std::optional<Text> result_;
    std::optional<Text> message_;
};

// File names compared as Windows compares them: literally, without regard to case.
bool SameFileName(const Text& a, const Text& b);
// Whether the name ends in ".exe", ".dll" or ".ico" (any case).
bool HoldsIcons(const Text& name);
// An absolute path with "." and ".." resolved and no trailing "\" except at a root; a
// relative one is taken from folder.
Text ResolvePath(const Text& folder, const Text& path);

}  // namespace hw
