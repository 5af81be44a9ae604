#pragma once
// Private profile (INI) files with the semantics the front end relies on:
// sections and keys matched ignoring case, blanks around keys and values
// trimmed, a value in matching single or double quotes returned without
// them, writes that replace one key in place and keep every other line.

#include <cstddef>
#include <string>

namespace kartovex {

inline constexpr std::size_t kProfileValueSize = 255;

// A file name without a directory is looked up in the per-user configuration
// directory (the stand-in for the system directory); other names as given,
// found ignoring case.
std::string ResolveProfilePath(const std::string& file);

// The value of key in section, or defaultValue when the file, section or key
// is absent. At most maxChars characters are returned.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& file,
                                    std::size_t maxChars = kProfileValueSize);

// Replaces the key's value in place, or appends the key to its section, or
// appends the section. Creates the file when needed. False when the file
// cannot be written.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file);

}  // namespace kartovex
