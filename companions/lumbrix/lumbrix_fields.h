#pragma once
// Numeric fields of LUMBRIX's input records. The front end builds its records
// from fixed columns, so a field may carry blanks around its digits (" 5",
// "5 ") or leading zeros ("05", "005"); anything else in it is refused.
#include <string>
#include <string_view>

namespace lumbrix {

// The field without the blanks around it; blanks inside stay.
std::string withoutOuterBlanks(std::string_view text);
std::string_view blanksRemoved(std::string_view text);

// Unsigned digits, or with signAllowed a "-" right before them, of at most
// maxDigits digits once leading zeros are dropped. An all-blank field is
// missing, not zero.
bool integerField(std::string_view text, bool signAllowed, int maxDigits, bool& negative,
                  int& value);

// Unsigned decimal seconds: digits with at most one ".".
bool secondsField(std::string_view text, double& value);

}  // namespace lumbrix
