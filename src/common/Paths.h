#pragma once
// Taking a path apart at its last ":" or "\" ("/" is no separator).
#include "platform/Types.h"

namespace hw {

// The folder part with its trailing ":" or "\"; the whole text when it has no separator.
Text GetPath(const Text& path);

// The part after the last separator; empty when there is none.
Text GetFileName(const Text& path);

// Folder part, "|", file name part ("|" cannot occur in a file name).
Text SplitPath(const Text& path);

// Folder and file name with one "\" between them.
Text JoinPath(const Text& folder, const Text& name);

}  // namespace hw
