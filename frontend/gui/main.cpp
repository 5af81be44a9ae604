// kartovex: the graphical front end.

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "gui/form_main.h"
#include "gui/qt_message_sink.h"
#include "gui/screenshots.h"
#include "platform/ini_location.h"
#include "platform/paths.h"

namespace {

void usage() {
  std::fprintf(stderr,
               "usage: kartovex [--config DIR] [--screenshot DIR]\n"
               "  --config DIR      use DIR/KARTOVEX.INI instead of the one beside the program\n"
               "  --screenshot DIR  save every window in both languages as PNG files and exit\n");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kartovex");

  QString configDir, screenshotDir;
  QStringList args = QApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if ((args[i] == "--config" || args[i] == "--screenshot") && i + 1 < args.size()) {
      (args[i] == "--config" ? configDir : screenshotDir) = args[i + 1];
      ++i;
    } else {
      usage();
      return 2;
    }
  }

  kartovex::gui::QtMessageSink sink;
  kartovex::FrontEndSettings settings;
  kartovex::MessageService messages(settings, sink);
  kartovex::gui::FormMain window(settings, messages);
  std::string programDir = configDir.isEmpty() ? kartovex::ProgramDirectory()
                                               : kartovex::WithTrailingSeparator(configDir.toStdString());
  // A refused start has shown its message; the program ends.
  if (!window.Load(programDir)) return 1;

  if (!screenshotDir.isEmpty()) return kartovex::gui::TakeScreenshots(window, settings, screenshotDir) ? 0 : 1;

  window.show();
  return app.exec();
}
