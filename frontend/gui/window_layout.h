#pragma once
// Every window is laid out by Qt layouts, fitted to the screen it opens on
// and centred there; this replaces the rescaling from the design screen.

#include <QString>
#include <QWidget>
#include <string>

#include "messages/messages.h"

namespace kartovex::gui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// Fits window to the available screen area and centres it. A window without
// a layout (or without a screen) shows the layout failure message with kind
// ("Form") and returns false.
bool SetDeviceIndependentWindow(QWidget& window, MessageService& messages,
                                const std::string& kind = "Form");

}  // namespace kartovex::gui
