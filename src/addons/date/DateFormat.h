#pragma once
// Dates written after a user's pattern, with an English ordinal day ("dth mmmm yyyy" gives
// "1st December 2026").
//
// Pattern elements (letters in either case):
//   d dd ddd dddd      day, two-digit day, short and full weekday name
//   m mm mmm mmmm      month, two-digit month, short and full month name
//                      (m and mm right after an hour element are minutes)
//   y yy yyyy          day of the year, two- and four-digit year
//   h hh  n nn  s ss   hour, minutes, seconds (12-hour clock when an am/pm element is there)
//   am/pm AM/PM a/p A/P
//   \c                 the character c itself; "text" the text itself
// Every other character is copied.
#include <optional>

#include "platform/DateNames.h"

namespace hw {

// nullopt when the pattern cannot be used (a trailing backslash, an unclosed quote).
std::optional<Text> FormatDate(const LocalTime& t, const Text& pattern, DateNames& names);

// The first "th" (exact case) becomes the ordinal suffix of the day, written as literal
// text; then the date is formatted. A pattern that cannot be used gives the date unformatted.
Text FormatOrdinalDate(const LocalTime& t, const Text& pattern, DateNames& names);

// The date without a pattern: the short date and the time.
Text UnformattedDate(const LocalTime& t, DateNames& names);

// Day, short month name and two-digit year with hyphens: 02-Dec-98.
Text MediumDate(const LocalTime& t, DateNames& names);

// The escaped suffix that replaces "th" for this day of the month: \s\t, \n\d, \r\d or \t\h.
Text OrdinalSuffix(int day);

// s with its first occurrence of what replaced by with; an empty what is found at the start.
Text ReplaceFirst(const Text& s, const Text& what, const Text& with);

}  // namespace hw
