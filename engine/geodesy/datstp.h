#pragma once
// The run date printed in every report heading: "07-DEC-2026".
#include <string>

namespace geodesy {

// Today's local date, or the date fixed by ORVANDEL_DATE (an 11-character
// date such as 07-DEC-2026) so that runs can be reproduced.
std::string DATSTP();

// The 11-character text for a calendar date; the day has a leading zero.
std::string formatRunDate(int year, int month, int day);

// True for an 11-character date in the run-date form.
bool isRunDate(const std::string& text);

}  // namespace geodesy
