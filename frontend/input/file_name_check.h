#pragma once
// File names that reach the answer files must be one line each.

#include <string>
#include <vector>

#include "messages/messages.h"

namespace kartovex {

// False, after an "Invalid File Name" message naming the file (its control
// characters shown as "?"), when a path holds a CR, LF or another control
// character.
bool CheckFileNameCharacters(const std::vector<std::string>& paths, MessageService& messages);

}  // namespace kartovex
