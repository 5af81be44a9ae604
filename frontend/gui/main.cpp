// kartovex: the graphical front end.

#include <signal.h>

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <string_view>

#include "gui/form_main.h"
#include "gui/qt_message_sink.h"
#include "gui/screenshots.h"
#include "platform/ini_location.h"
#include "platform/paths.h"

namespace {

std::atomic<bool> g_stop{false};
std::atomic<std::atomic<bool>*> g_cancelFlag{nullptr};

// SIGTERM and SIGHUP end the program as Cancel and then EXIT would, without
// saving settings: only atomic stores here, the window does the rest.
extern "C" void onStop(int) {
  g_stop.store(true);
  if (std::atomic<bool>* flag = g_cancelFlag.load()) flag->store(true);
}

void installSignalHandlers() {
  struct sigaction action {};
  action.sa_handler = onStop;
  sigemptyset(&action.sa_mask);
  for (int sig : {SIGTERM, SIGHUP}) sigaction(sig, &action, nullptr);
  // A write past the file-size limit fails and is reported by its writer.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, nullptr);
}

void usage(std::FILE* to) {
  std::fprintf(to,
               "usage: kartovex [--config DIR] [--screenshot DIR]\n"
               "  --config DIR      use DIR/KARTOVEX.INI instead of the one beside the program\n"
               "  --screenshot DIR  save every window in both languages as PNG files and exit\n"
               "  --help            this text\n");
}

}  // namespace

int main(int argc, char** argv) {
  // Before any display is needed: --help works without one.
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--config" || a == "--screenshot") {
      ++i;
    } else if (a == "--help" || a == "-h") {
      usage(stdout);
      return 0;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kartovex");

  QString configDir, screenshotDir;
  QStringList args = QApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if ((args[i] == "--config" || args[i] == "--screenshot") && i + 1 < args.size()) {
      (args[i] == "--config" ? configDir : screenshotDir) = args[i + 1];
      ++i;
    } else {
      usage(stderr);
      return 2;
    }
  }

  kartovex::gui::QtMessageSink sink;
  kartovex::FrontEndSettings settings;
  kartovex::MessageService messages(settings, sink);
  kartovex::gui::FormMain window(settings, messages);
  std::string programDir = configDir.isEmpty()
                               ? kartovex::ProgramDirectory()
                               : kartovex::WithTrailingSeparator(configDir.toStdString());
  // A refused start has shown its message; the program ends.
  if (!window.Load(programDir)) return 1;

  if (!screenshotDir.isEmpty())
    return kartovex::gui::TakeScreenshots(window, settings, screenshotDir) ? 0 : 1;

  g_cancelFlag.store(&window.model().runControl().cancel);
  installSignalHandlers();
  // The wait loop of a run processes events, so this also fires during a run.
  QTimer stopWatch;
  QObject::connect(&stopWatch, &QTimer::timeout, [&window] {
    if (!g_stop.load()) return;
    if (window.model().running()) window.CancelProcess();
    QCoreApplication::quit();
  });
  stopWatch.start(100);

  window.show();
  const int status = app.exec();
  g_cancelFlag.store(nullptr);
  return status;
}
