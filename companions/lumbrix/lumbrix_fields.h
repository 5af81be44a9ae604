#pragma once
// Numeric fields of LUMBRIX's input records. The front end builds its records
// from fixed columns, so a field may carry blanks around its digits (" 5",
// "5 ") or leading zeros ("05", "005"); anything else in it is refused.
#include <string>

namespace lumbrix {

// The field without the blanks around it; blanks inside stay.
std::string withoutOuterBlanks(const std::string& text);

// Unsigned digits, or with signAllowed a "-" right before them, of at most
// maxDigits digits once leading zeros are dropped. An all-blank field is
// missing, not zero.
bool integerField(const std::string& text, bool signAllowed, int maxDigits, bool& negative, int& value);

// Unsigned decimal seconds: digits with at most one ".".
bool secondsField(const std::string& text, double& value);

}  // namespace lumbrix
