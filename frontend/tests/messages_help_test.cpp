// The HELP button: the help page of the language opened by the desktop's
// opener (or the INI's reader), watched for an early failure.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "messages/help_command.h"
#include "messages/recording_sink.h"
#include "platform_temp_dir.h"

namespace kartovex {
namespace {

using testing::TempDir;
using testing::WriteFile;

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.binDir = dir.path();
    settings.helpFile = dir / "KARTOVEX_EN.HTM";
    settings.frenchHelpFile = dir / "KARTOVEX_FR.HTM";
    settings.helpFormat = "HTML";
    WriteFile(settings.helpFile, "<html>en</html>");
    WriteFile(settings.frenchHelpFile, "<html>fr</html>");
    settings.pdfReader = opener("echo \"$@\" > " + args);
  }
  // A fake opener, as the INI's PDF READER, running body.
  std::string opener(const std::string& body) {
    std::string path = dir / "opener";
    WriteFile(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }
  // The fake openers end at once; a long watch sees them end however loaded
  // the machine is, and returns as soon as they do.
  bool help() {
    return LaunchHelp(settings, messages, DefaultProgramStarter(std::chrono::milliseconds(30000)));
  }

  TempDir dir;
  std::string args = dir / "args";
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
};

TEST_F(HelpTest, EnglishPageInTheOpener) {
  EXPECT_TRUE(help());
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(testing::ReadFile(args), settings.helpFile + "\n");
}

TEST_F(HelpTest, FrenchPageInTheOpener) {
  settings.language = Language::French;
  EXPECT_TRUE(help());
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(testing::ReadFile(args), settings.frenchHelpFile + "\n");
}

TEST_F(HelpTest, MissingPageIsNamedAndNothingStarts) {
  std::remove(settings.helpFile.c_str());
  EXPECT_FALSE(help());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "File Not Found");
  EXPECT_EQ(sink.messages[0].text, "The help page " + settings.helpFile + " does not exist.");
  EXPECT_FALSE(testing::Exists(args));
  settings.language = Language::French;
  std::remove(settings.frenchHelpFile.c_str());
  EXPECT_FALSE(help());
  EXPECT_EQ(sink.messages.back().title, "Fichier non trouvé");
  EXPECT_EQ(sink.messages.back().text,
            "La page d'aide " + settings.frenchHelpFile + " n'existe pas.");
}

TEST_F(HelpTest, OpenerThatFailsAtOnce) {
  settings.pdfReader = opener("exit 3");
  // A long watch: the result comes as soon as the opener ends.
  const auto start = DefaultProgramStarter(std::chrono::milliseconds(30000));
  EXPECT_FALSE(LaunchHelp(settings, messages, start));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_EQ(sink.messages[0].text, "Failed to launch Help! It stopped at once with exit status 3.");
  settings.language = Language::French;
  EXPECT_FALSE(LaunchHelp(settings, messages, start));
  EXPECT_EQ(sink.messages.back().text,
            "Incapable de démarrer l'option d'aide! Il s'est arrêté aussitôt (code de sortie 3).");
}

TEST_F(HelpTest, WithoutAReaderTheDesktopOpenerIsUsed) {
  settings.pdfReader.clear();
  EXPECT_EQ(HtmlHelpOpener(settings), "xdg-open");
  settings.pdfReader = dir / "no_such_reader";
  EXPECT_EQ(HtmlHelpOpener(settings), "xdg-open");
  std::vector<std::string> calls;
  ProgramStarter record = [&](const std::string& program, const std::string& argument,
                              WindowStyle style) {
    calls.push_back(program + " " + argument);
    EXPECT_EQ(style, WindowStyle::Maximised);
    return StartResult{StartOutcome::Running, 7, 0};
  };
  EXPECT_TRUE(LaunchHelp(settings, messages, record));
  EXPECT_EQ(calls, std::vector<std::string>{"xdg-open " + settings.helpFile});
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(HelpTest, PdfFormatStartsTheReaderWithTheFile) {
  settings.helpFormat = "PDF";
  settings.helpFile = dir / "KARTOVEX.PDF";
  EXPECT_TRUE(help());
  EXPECT_EQ(testing::ReadFile(args), settings.helpFile + "\n");
  settings.pdfReader = dir / "no_such_reader";
  EXPECT_FALSE(help());
  EXPECT_EQ(sink.messages.back().text, "Failed to launch Help!");
}

}  // namespace
}  // namespace kartovex
