#pragma once
// The version of the running program, from its own version resource.
#include <optional>

#include "about/AboutBoxModel.h"

namespace hw {

// Major, minor and build of the file version; nullopt without a readable version resource.
std::optional<ProgramVersion> ReadProgramVersion();

}  // namespace hw
