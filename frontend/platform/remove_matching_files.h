#pragma once
// Deletes the files of a directory that match semicolon-separated patterns
// ("*.BAT;*.TXT"), ignoring case.

#include <set>
#include <string>

namespace kartovex {

// Error codes of a removal, as the messages tell them apart.
inline constexpr int kRemoveOk = 0;
inline constexpr int kRemoveAccessDenied = 55;
inline constexpr int kRemoveDirNotFound = 76;
inline constexpr int kRemoveOtherError = 1;

// Deletes, in name order, every regular file of directory matching one of
// the patterns, except the paths in protectedPaths (compared ignoring case
// of the file name). Returns one of the codes above.
int RemoveMatchingFiles(const std::string& patterns, const std::string& directory,
                        const std::set<std::string>& protectedPaths = {});

}  // namespace kartovex
