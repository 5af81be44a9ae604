#pragma once
// Starting an outside program without waiting for it.

#include <string>
#include <vector>

namespace kartovex {

enum class WindowStyle { Normal, Minimised, Maximised };

// Starts program with its arguments and returns at once. The result is the
// started process's identifier, 0 when it could not be started. The style is
// a wish for windowed programs; console programs ignore it.
long StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  WindowStyle style = WindowStyle::Normal);

}  // namespace kartovex
