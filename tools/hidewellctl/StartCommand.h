#pragma once
// hidewellctl start [--wait <seconds>] <program> [arguments...]: starts the program and has the
// running Hidewell hide its first window as soon as it appears.
#include <functional>
#include <string>
#include <vector>

#include "platform/Types.h"

// words: the arguments after "start". Returns hidewellctl's exit code; a failure is said
// through printError.
int RunStartCommand(const std::vector<hw::Text>& words, const std::function<void(const std::wstring&)>& printError);
