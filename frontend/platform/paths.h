#pragma once
// Paths as the front end builds them: a directory ending with the separator
// followed by a file name. Files are found ignoring case within their
// directory, as on the system the configuration files come from.

#include <optional>
#include <string>

namespace kartovex {

inline constexpr char kDirSeparator = '/';

// dir with a trailing separator added when missing (empty stays empty).
std::string WithTrailingSeparator(const std::string& dir);
// dir without its last character (how directory values are tested).
std::string WithoutLastCharacter(const std::string& dir);
// Directory part of path including the trailing separator ("" when none).
std::string DirectoryOf(const std::string& path);
// File-name part of path.
std::string FileNameOf(const std::string& path);

// Case-insensitive comparison of two names.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);
std::string ToUpper(std::string s);

// The existing path whose file name matches path's ignoring case (the exact
// name first); std::nullopt when there is none.
std::optional<std::string> FindIgnoringCase(const std::string& path);
// True when a regular file of exactly this name (case included) exists.
bool IsExactFile(const std::string& path);
// The path to open for reading: the matching existing file, or path itself.
std::string ResolveForReading(const std::string& path);

// True when a regular file of that name exists (ignoring case).
bool PathExists(const std::string& path);
// True when the file exists and its length is not 0.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& dir);
// A program file in dir: name found ignoring case, with or without ".exe".
bool ProgramExists(const std::string& dir, const std::string& name);

// A name for a temporary file beside path (same folder, so that a rename
// replaces path at once): "." + its name + a tag of this process + ".tmp".
std::string TempPathBeside(const std::string& path);
// Moves from over to (same folder); false with the reason when it fails.
bool ReplaceFile(const std::string& from, const std::string& to, std::string& reason);
// True when files can be created in dir (an empty dir is the current one).
bool DirectoryWritable(const std::string& dir);
// The text of the last system error (errno).
std::string LastSystemError();

// True when name holds a control character (CR, LF, tab, ...): such a name
// would break the line-based answer files it is written into.
bool HasControlCharacter(const std::string& name);

}  // namespace kartovex
