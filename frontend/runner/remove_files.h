#pragma once
// Removal of old work files with the user-facing error message.

#include <set>
#include <string>

#include "messages/messages.h"

namespace kartovex {

// Deletes the files of directory matching the semicolon-separated patterns;
// a file in protectedPaths is never deleted. On failure shows the critical
// "RemoveFiles: ..." box and returns false.
bool RemoveFiles(MessageService& messages, const std::string& patterns,
                 const std::string& directory, const std::set<std::string>& protectedPaths = {});

}  // namespace kartovex
