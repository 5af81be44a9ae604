// RemoveFiles: old work files removed by patterns ignoring case, protected
// files kept, and its messages.

#include <filesystem>

#include "routes_test_support.h"
#include "runner/run_protocol.h"

namespace kartovex {
namespace {

using routestest::Exists;
using routestest::WriteFile;

class RemoveFilesTest : public routestest::RoutesTest {};

TEST_F(RemoveFilesTest, RemovesMatchingFilesIgnoringCase) {
  const std::string& b = settings.binDir;
  for (const char* name : {"RUN1.BAT", "in_run1.txt", "LL_GHOST.dat", "X.Out", "A.NEW", "A.LIS",
                           "A.mis", "RUN1.PIF", "NB77CS.GSB", "vesperan"})
    WriteFile(b + name, "x");
  ASSERT_TRUE(RemoveFiles(messages, "*.BAT;*.TXT;*.DAT;*.OUT;*.NEW;*.LIS;*.MIS", b));
  for (const char* gone : {"RUN1.BAT", "in_run1.txt", "LL_GHOST.dat", "X.Out", "A.NEW", "A.LIS", "A.mis"})
    EXPECT_FALSE(Exists(b + gone)) << gone;
  for (const char* kept : {"RUN1.PIF", "NB77CS.GSB", "vesperan"}) EXPECT_TRUE(Exists(b + kept)) << kept;
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(RemoveFilesTest, NothingToRemoveIsFine) {
  EXPECT_TRUE(RemoveFiles(messages, "*.REP;*.TXT;*.DAT", settings.workDir));
}

TEST_F(RemoveFilesTest, ProtectedFilesSurvive) {
  const std::string& w = settings.workDir;
  WriteFile(w + "INPUT.TXT", "typed points");
  WriteFile(w + "POINTS.TXT", "the user's file");
  WriteFile(w + "OLD.TXT", "old");
  ASSERT_TRUE(RemoveFiles(messages, "*.REP;*.TXT;*.DAT", w, {w + "input.txt", w + "POINTS.TXT"}));
  EXPECT_TRUE(Exists(w + "INPUT.TXT"));
  EXPECT_TRUE(Exists(w + "POINTS.TXT"));
  EXPECT_FALSE(Exists(w + "OLD.TXT"));
}

TEST_F(RemoveFilesTest, MissingDirectoryMessage) {
  const std::string dir = root + "gone/";
  EXPECT_FALSE(RemoveFiles(messages, "*.TXT", dir));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_EQ(sink.messages[0].text, "RemoveFiles: " + dir + " not found. Old files not deleted.");
}

TEST_F(RemoveFilesTest, MissingDirectoryMessageInFrench) {
  settings.language = "FRENCH";
  const std::string dir = root + "gone/";
  EXPECT_FALSE(RemoveFiles(messages, "*.TXT", dir));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERREUR");
  EXPECT_EQ(sink.messages[0].text,
            "EnleverFichier: " + dir + " introuvable.Le fichier antérieur ne peut être supprimé.");
}

TEST_F(RemoveFilesTest, DirectoriesAreNotRemoved) {
  std::filesystem::create_directories(settings.workDir + "KEEP.DAT");
  EXPECT_TRUE(RemoveFiles(messages, "*.DAT", settings.workDir));
  EXPECT_TRUE(std::filesystem::is_directory(settings.workDir + "KEEP.DAT"));
}

}  // namespace
}  // namespace kartovex
