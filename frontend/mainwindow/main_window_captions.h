#pragma once
// The captions of formMAIN in both languages (SetEnglish / SetFrench).

#include <string>
#include <utility>
#include <vector>

#include "core/settings.h"

namespace kartovex {

// (control name, caption) for every captioned control of the main window in
// English (SetEnglish) or French (SetFrench). "formMAIN" is the window
// caption (titleEnglish or titleFrench).
std::vector<std::pair<std::string, std::string>> MainWindowCaptions(
    const FrontEndSettings& settings, bool english);

// One control's caption; empty for an unknown control.
std::string MainWindowCaption(const FrontEndSettings& settings, bool english,
                              const std::string& control);

// A caption as a button shows it: runs of blanks made one, so that the
// options of a list line up and no word stands apart.
std::string DisplayCaption(const std::string& caption);

// The About box.
inline constexpr const char* kAboutCaption = "About Kartovex";
inline constexpr const char* kAboutProduct = "Kartovex";
inline constexpr const char* kAboutVersion = "Version 3.00 Build March 22 2000";

}  // namespace kartovex
