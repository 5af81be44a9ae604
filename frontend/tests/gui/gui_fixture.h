#pragma once
// What the window tests share: a private installation (a small one from the
// test data, or a copy of the demo installation), the main window over a
// recording message sink, and helpers that answer its modal windows.

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "gui/form_main.h"
#include "messages/recording_sink.h"
#include "platform/decimal_separator.h"

namespace kartovex::guitest {

// The window tests share one program: each file registers its test class
// under its file's name, and the program runs the class named first on its
// command line (ctest runs each file's class as a test of its own).
using TestFactory = std::function<std::unique_ptr<QObject>()>;
inline std::map<std::string, TestFactory>& TestRegistry() {
  static std::map<std::string, TestFactory> registry;
  return registry;
}
inline bool RegisterTest(const std::string& name, TestFactory factory) {
  TestRegistry()[name] = std::move(factory);
  return true;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// A unique directory per test, removed afterwards; path() ends with '/'.
class TempDir {
 public:
  TempDir() : dir_(QDir::tempPath() + "/kartovex_gui_XXXXXX") {}
  std::string path() const { return dir_.path().toStdString() + "/"; }
  std::string operator/(const std::string& name) const { return path() + name; }

 private:
  QTemporaryDir dir_;
};

// The small installation of the test data: StartUp succeeds, no programs run.
inline void MakeSmallInstallation(const TempDir& dir) {
  std::string root = dir.path().substr(0, dir.path().size() - 1);
  std::string ini = ReadText(std::string(KARTOVEX_TESTDATA) + "/frontend/config/KARTOVEX.INI");
  WriteText(dir / "prog/KARTOVEX.INI", ReplaceAll(ini, "@ROOT@", root));
  for (const char* sub : {"bin", "work", "in", "out", "coeff"})
    std::filesystem::create_directories(dir / sub);
  for (const char* file :
       {"bin/orvandel.exe", "bin/QUILLON27.EXE", "bin/Vesperan.exe", "bin/reader", "bin/NB2783.GSB",
        "bin/NB77CSRS.GSB", "bin/NS2783.GSB", "bin/NS77CSRS.GSB", "bin/PE2783.GSB",
        "bin/PE77CSRS.GSB", "coeff/TRNS2777.DAT", "coeff/TRNS7727.DAT", "coeff/TRPE2777.DAT",
        "coeff/TRPE7727.DAT"})
    WriteText(dir / file, "x");
  ::setenv("DATAFILE", (dir / "coeff/").c_str(), 1);
}

// The tests' demo installation of the build (or KARTOVEX_DEMO_DIR); empty when it
// has not been built.
inline std::string DemoSource() {
  const char* env = std::getenv("KARTOVEX_DEMO_DIR");
  std::string dir = env && *env ? std::string(env) : std::string(KARTOVEX_DEMO_IMAGE);
  if (!dir.empty() && dir.back() != '/') dir += '/';
  for (const char* needed :
       {"KARTOVEX.INI", "BIN/orvandel", "BIN/vesperan", "DATAFILE/TRNB2777.DAT"})
    if (!std::filesystem::exists(dir + needed)) return {};
  return dir;
}

// A private copy of the demo in dir, its paths pointing at the copy.
inline bool CopyDemo(const std::string& source, const TempDir& dir) {
  std::error_code ec;
  for (const char* sub : {"BIN", "DATAFILE", "INPUT", "OUTPUT", "WORKING"}) {
    std::filesystem::copy(source + sub, dir / sub, std::filesystem::copy_options::recursive, ec);
    if (ec) return false;
  }
  std::string ini = ReadText(source + "KARTOVEX.INI");
  WriteText(dir / "KARTOVEX.INI", ReplaceAll(ini, source, dir.path()));
  ::setenv("DATAFILE", (dir / "DATAFILE/").c_str(), 1);
  return true;
}

// The main window over a recording sink; choosers cancel and no program is
// started unless a test says otherwise.
struct Harness {
  explicit Harness(RouteServices services = DefaultRouteServices()) {
    SetDecimalSeparatorOverride(std::string("."));
    main = std::make_unique<gui::FormMain>(settings, messages, std::move(services));
    main->choose = [](const gui::ChooserRequest&) { return gui::ChooserResult{}; };
    main->startProgram = [this](const std::string& program, const std::string& argument,
                                WindowStyle) {
      started.push_back(program + " " + argument);
      return StartResult{};
    };
    main->show();
  }
  ~Harness() { SetDecimalSeparatorOverride(std::nullopt); }

  // The next modal window is handed to drive, which returns its result.
  template <typename Dialog>
  void onDialog(std::function<void(Dialog&)> drive) {
    main->runDialog = [drive](QDialog& d) {
      auto* dialog = dynamic_cast<Dialog*>(&d);
      if (!dialog) return int(QDialog::Rejected);
      drive(*dialog);
      return d.result();
    };
  }

  bool hasText(const std::string& text) const {
    for (const auto& m : sink.messages)
      if (m.text == text) return true;
    return false;
  }
  std::string texts() const {
    std::string out;
    for (const auto& m : sink.messages) out += "[" + m.title + "] " + m.text + "\n";
    return out;
  }

  RecordingSink sink;
  FrontEndSettings settings;
  MessageService messages{settings, sink};
  std::vector<std::string> started;
  std::unique_ptr<gui::FormMain> main;
};

inline QString q(const char* s) { return QString::fromUtf8(s); }

}  // namespace kartovex::guitest

// In place of QTEST_MAIN: NAME is the test file's name without ".cpp".
#define KARTOVEX_GUI_TEST(Class, name)   \
  static const bool kRegistered##Class = \
      ::kartovex::guitest::RegisterTest(name, [] { return std::unique_ptr<QObject>(new Class); });
