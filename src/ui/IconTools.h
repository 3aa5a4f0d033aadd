#pragma once
// Icon references ("012:C:\X\Y.DLL": three-digit icon index, ":", file path) and the
// texts built around them.
#include "platform/Icons.h"

namespace hw {

constexpr int kMaxIconIndex = 999;

// The reference of "the window's own icon": the small icon the hidden window shows. Its path
// can name no file, so a reader that knows no such reference falls back as for a file that
// cannot be loaded.
inline const Text kWindowIconReference = u"000:<window>";
inline const Text kWindowIconText = u"(the window's own icon)";

struct IconReference {
    int index = 0;
    Text path;
};

// Index = numeric value of the first three characters (no number gives 0, a negative one
// gives 0 too); path = everything from the fifth character on. Nothing is validated.
IconReference ParseIconReference(const Text& reference);

// "012:" + path; empty when the index does not fit three digits.
Text FormatIconReference(int index, const Text& path);

// The reference an entry gets when it has none yet: the first icon of explorer.exe.
Text DefaultIconReference(const Text& winDir);

// "&Icon: 3:12" for the third of twelve icons; "&Icon: 0:0" when the file holds none.
Text IconPositionCaption(int position, int count);

// The icon a reference names, or 0 when its file holds no such icon. The caller owns it.
// size: its size in pixels; 0 for the file's own large size.
IconHandle ExtractReferencedIcon(Icons& icons, const Text& reference, int size = 0);

}  // namespace hw
