#pragma once
// Where the settings live. All values are REG_SZ; numbers are decimal text.
//
// HKCU "Software\Pellworth\Hidewell":
//   "EOF"                        number of entries
//   " 0", " 1" ... " 10" ...     title of each entry (a blank, then the index)
//   "I0", "I1" ... "I10" ...     icon reference of each entry; empty: no tray icon
//   "RT"                         poll interval in milliseconds
//   "HIDE", "HIDEDATE", "SINGLE" option boxes, "0" / "1" / "2"
//   "Height"                     configuration window height in twips, " 4230"
//   "ASKED"                      "1" once the start-with-Windows question of the first
//                                start was answered (or settings older than it exist)
//   sub key "Kestle2"            the date add-on's settings
//   volatile sub key "Hidden"    the journal of hidden windows (engine/HiddenJournal.h)
// HKCU "Software\Microsoft\Windows\CurrentVersion\Run", value "Hidewell": start with Windows.
#include "common/NumericParse.h"
#include "platform/Types.h"

namespace hw {

inline const Text kSettingsKey = u"Software\\Pellworth\\Hidewell";
inline const Text kRunKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const Text kRunValueName = u"Hidewell";
inline const Text kFirstStartRecord = u"ASKED";

inline Text TitleValueName(int index) { return Text(u" ").append(DecimalText(index)); }
inline Text IconValueName(int index) { return Text(u"I").append(DecimalText(index)); }

}  // namespace hw
