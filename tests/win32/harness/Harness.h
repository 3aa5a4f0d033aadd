#pragma once
// Helpers for tests that run under Wine: text conversion and waiting.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "platform/Types.h"

namespace hw::wine {

inline std::wstring W(const Text& t) { return std::wstring(t.begin(), t.end()); }
inline Text T(const std::wstring& w) { return Text(w.begin(), w.end()); }

// Polls cond (pumping this thread's messages) until it holds or the time-out passes.
bool WaitFor(const std::function<bool()>& cond, std::chrono::milliseconds timeout);

// Lets this thread's pending messages run.
void Pump();

}  // namespace hw::wine
