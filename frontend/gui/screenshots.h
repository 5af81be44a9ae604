#pragma once
// --screenshot DIR: every window in both languages grabbed into PNG files,
// without showing anything on the screen.

#include <QString>

#include "gui/form_main.h"

namespace kartovex::gui {

// Writes formMAIN_EN.png, frmSetup_FR.png, ... into dir; false when a file
// could not be written.
bool TakeScreenshots(FormMain& main, FrontEndSettings& settings, const QString& dir);

}  // namespace kartovex::gui
