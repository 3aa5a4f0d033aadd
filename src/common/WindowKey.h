#pragma once
// Window keys and the master list of hidden windows.
//
// A key is the decimal text of a window handle, zero-padded on the left to 20 digits, so
// every 64-bit handle has its own key. The master list is the concatenation of one record
// per hidden window: key + ";". A restored window's record is blanked in place to all
// zeros; a handle is never 0, so a blank record never stands for a window.
#include <cstddef>
#include <vector>

#include "platform/Types.h"

namespace hw {

constexpr std::size_t kKeyDigits = 20;
constexpr std::size_t kRecordLength = kKeyDigits + 1;

// `BH`: the key of a window handle.
Text BH(WindowHandle h);

// The key of a handle given as decimal text (a Tag); blanks around it are ignored,
// text that is no handle gives the blank key.
Text BH(const Text& decimal);

// The handle of each record, in order; blank records give 0.
std::vector<WindowHandle> MasterRecords(const Text& masterList);

// Decimal text of a handle, as window handles are kept in Tags.
Text HandleText(WindowHandle h);

// The handle in a Tag's decimal text; 0 when it holds none.
WindowHandle HandleFromText(const Text& decimal);

}  // namespace hw
