#include "cli/cli_run.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/cli_routes.h"
#include "cli/cli_sink.h"
#include "config/load_extents.h"
#include "config/load_paths.h"
#include "config/utm_zone.h"
#include "core/settings.h"
#include "mainwindow/main_window_model.h"
#include "messages/messages.h"
#include "messages/result_texts.h"
#include "platform/ini_location.h"
#include "platform/paths.h"
#include "startup/startup.h"

namespace kartovex::cli {

namespace fs = std::filesystem;

namespace {

std::string absolutePath(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(fs::path(path), ec);
  return ec ? path : p.lexically_normal().string();
}

// StartUp looks for KARTOVEX.INI in a directory. A file of another name is
// reached through a private directory holding a link of that name.
class IniDirectory {
 public:
  ~IniDirectory() {
    std::error_code ec;
    if (!temp_.empty()) fs::remove_all(temp_, ec);
  }
  // The directory to pass to StartUp; empty when the file cannot be used.
  std::string prepare(const std::string& iniFile) {
    std::string file = absolutePath(iniFile);
    if (!fs::is_regular_file(file)) return {};
    if (EqualsIgnoringCase(FileNameOf(file), kIniFileName)) return DirectoryOf(file);
    std::string pattern = (fs::temp_directory_path() / "kartovex_cli_XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!::mkdtemp(buf.data())) return {};
    temp_ = buf.data();
    std::error_code ec;
    fs::create_symlink(file, fs::path(temp_) / kIniFileName, ec);
    if (ec) return {};
    return temp_ + "/";
  }

 private:
  std::string temp_;
};

std::string QuotedPath(const std::string& path) { return "'" + path + "'"; }

// "FROM to TO" as the options give them: "NAD27:LL to ATS77:EN" ("?" for a
// choice not given).
std::string conversionText(const CliOptions& o) {
  auto shown = [](const char* text) { return std::string(*text ? text : "?"); };
  return shown(DatumText(o.fromDatum)) + ":" + shown(FormText(o.fromForm)) + " to " +
         shown(DatumText(o.toDatum)) + ":" + shown(FormText(o.toForm));
}

// Options given on the command line, for this run only.
bool applyOverrides(const CliOptions& o, FrontEndSettings& s, MessageService& messages) {
  if (o.french) s.language = Language::French;
  bool provinceChanged = o.province && s.province != *o.province;
  bool zoneChanged = o.mtmZone && s.mtmZone != *o.mtmZone;
  if (o.province) s.province = *o.province;
  if (o.mtmZone) s.mtmZone = *o.mtmZone;
  if (provinceChanged || zoneChanged) {
    DeriveGridShiftFiles(s);
    if (!LoadExtents(s, messages, s.province, s.mtmZone, s.iniPath)) return false;
  }
  if (o.utmZone) ChooseUtmZone(s, *o.utmZone);
  return true;
}

// "[##########          ]  50 %": 20 marks, one per 5 %.
std::string progressBar(int value) {
  int percent = std::clamp(value, 0, 100);
  int marks = percent / 5;
  std::string pad = percent < 10 ? "  " : percent < 100 ? " " : "";
  return "\r[" + std::string(marks, '#') + std::string(20 - marks, ' ') + "] " + pad +
         std::to_string(percent) + " %";
}

}  // namespace

int RunCli(const CliOptions& o, CliEnvironment& env) {
  std::ostream& out = env.out ? *env.out : std::cout;
  std::ostream& err = env.err ? *env.err : std::cerr;
  auto interrupted = [&] { return env.interrupted && env.interrupted->load(); };

  bool progressShown = false;
  auto endProgressLine = [&] {
    if (progressShown) err << "\n" << std::flush;
    progressShown = false;
  };
  CliSink sink(err, o.yes);
  sink.setBeforeMessage(endProgressLine);
  FrontEndSettings settings;
  MessageService messages(settings, sink);

  IniDirectory iniDir;
  std::string programDir = env.programDir;
  if (!o.ini.empty()) {
    programDir = iniDir.prepare(o.ini);
    if (programDir.empty()) {
      err << "kartovex-cli: configuration file '" << o.ini << "' not found\n";
      return kExitStartupFailed;
    }
  }

  StartupOutputs outputs;
  // The input file may lie among the old work files that start-up removes.
  if (!StartUp(settings, messages, outputs, programDir, {absolutePath(o.input)}))
    return kExitStartupFailed;
  if (!applyOverrides(o, settings, messages)) return kExitStartupFailed;

  MainWindowModel model(settings, messages, env.services);
  model.Loaded(outputs);
  if (CaptionsInEnglish(settings.language))
    model.SetEnglish();
  else
    model.SetFrench();

  auto notOffered = [&] {
    err << "kartovex-cli: " << conversionText(o) << " is not a conversion the main window offers\n";
    out << messages.pick(results_label::kNotSupported) << results_label::kEnding << "\n"
        << std::flush;
    return kExitNotCompleted;
  };
  MainWindowChoices& c = model.choices();
  c.chooseFromDatum(o.fromDatum);
  c.chooseFromForm(o.fromForm);
  if (!c.toDatumOption(o.toDatum).enabled) return notOffered();
  c.chooseToDatum(o.toDatum);
  if (!c.toFormOption(o.toForm).enabled) return notOffered();
  c.chooseToForm(o.toForm);
  c.setInputFromFile(true);
  c.typeInputFile(absolutePath(o.input));
  if (!o.report.empty()) {
    c.setReportFile(true);
    c.typeReportFile(absolutePath(o.report));
    c.setDataFile(o.data);
    c.setAccuracyFile(o.accuracy);
  }

  // A bar that follows PROCESS's progress steps, only on a terminal and
  // only once the run has lasted progressDelay: short runs stay silent.
  const auto started = std::chrono::steady_clock::now();
  if (env.progressLine && !o.quiet) {
    model.setProgressObserver([&, started](int value) {
      if (!progressShown && std::chrono::steady_clock::now() - started < env.progressDelay) return;
      err << progressBar(value) << std::flush;
      progressShown = true;
    });
  }
  model.setEventPump([&] {
    if (interrupted()) model.CancelProcess();
  });
  if (env.exposeCancelFlag) env.exposeCancelFlag(&model.runControl().cancel);

  ProcessResult result = ProcessResult::NotCompleted;
  if (!interrupted()) result = model.Process();
  if (env.exposeCancelFlag) env.exposeCancelFlag(nullptr);
  endProgressLine();

  if (!model.errorCountText().empty()) err << model.errorCountText() << "\n";
  const int completedStatus = model.pointsLeftOut() ? kExitPointsLeftOut : kExitCompleted;
  // --quiet: a completed run says nothing.
  if (o.quiet && result == ProcessResult::Completed) return completedStatus;
  // Without --report the results go to the default names: say which.
  if (result == ProcessResult::Completed && o.report.empty()) {
    const RunFileNames& names = model.fileNames();
    err << (messages.french() ? "kartovex-cli: résultats écrits dans "
                              : "kartovex-cli: results written to ")
        << QuotedPath(names.reportFile);
    if (!names.dataFile.empty())
      err << (messages.french() ? " et " : " and ") << QuotedPath(names.dataFile);
    err << "\n";
  }
  // What became of every input line.
  err << CountsSummary(model.run().counts, messages.french()) << "\n";
  std::string label = model.resultsLabel();
  if (label.empty()) label = messages.pick(results_label::kNotCompleted) + results_label::kEnding;
  out << label << "\n" << std::flush;

  if (result == ProcessResult::Completed) return completedStatus;
  return interrupted() ? kExitInterrupted : kExitNotCompleted;
}

int CliMain(const std::vector<std::string>& args, const std::string& programName,
            CliEnvironment& env) {
  std::ostream& out = env.out ? *env.out : std::cout;
  std::ostream& err = env.err ? *env.err : std::cerr;
  // Nothing to do: how to use it.
  if (args.empty()) {
    err << HelpText(programName);
    return kExitUsage;
  }
  ParseResult parsed = ParseCliArguments(args);
  if (!parsed.options) {
    err << "kartovex-cli: " << parsed.error << "\n"
        << (parsed.french ? "Essayez « " + programName + " --help »."
                          : "Try '" + programName + " --help'.")
        << "\n";
    return kExitUsage;
  }
  if (parsed.options->help) {
    out << HelpText(programName);
    return kExitCompleted;
  }
  const CliOptions& o = *parsed.options;
  if (o.version) {
    out << VersionText(programName);
    return kExitCompleted;
  }
  if (!o.init.empty())
    return InitInstallation(o.init,
                            env.installed ? *env.installed : InstalledDataBeside(env.programDir),
                            err, o.quiet ? nullptr : &out, o.french);
  if (o.listRoutes) {
    std::string text = ListRoutes(o.fromDatum, o.fromForm, o.toDatum, o.toForm);
    if (text.empty()) {
      err << "kartovex-cli: " << conversionText(o)
          << " is not a conversion the route table holds\n";
      return kExitNotCompleted;
    }
    out << text;
    return kExitCompleted;
  }
  return RunCli(*parsed.options, env);
}

}  // namespace kartovex::cli
