#include "gui/window_layout.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace kartovex::gui {

namespace {
constexpr Text kLayoutFailure{"SetDeviceIndependentWindow: Problem resetting ",
                              "SetDeviceIndependentWindow: Problèmes d'initialisation "};
}

bool SetDeviceIndependentWindow(QWidget& window, MessageService& messages,
                                const std::string& kind) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!window.layout() || !screen) {
    messages.critical(messages.pick(titles::kError), messages.pick(kLayoutFailure) + kind);
    return false;
  }
  window.layout()->activate();
  QRect area = screen->availableGeometry();
  QSize size = window.sizeHint().expandedTo(window.minimumSizeHint());
  size = size.boundedTo(area.size());
  window.resize(size);
  window.move(area.center() - QPoint(size.width() / 2, size.height() / 2));
  return true;
}

}  // namespace kartovex::gui
