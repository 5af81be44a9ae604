// The run's output files: batches handed on in pieces, and files an earlier
// run left being replaced.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "common/file_lookup.h"
#include "common/old_files.h"
#include "common/text_files.h"
#include "program_runner.h"

namespace {

using orvtest::readText;
using orvtest::TempDir;
using orvtest::writeText;

std::string lines(char c, std::size_t count, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += std::string(length, c) + '\n';
    return text;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

TEST(OutputFileBlocks, PiecesSmallAndLargeKeepTheirOrderWithTheBufferedText) {
    TempDir dir;
    const std::string path = dir.file("OUT.DAT");
    std::string expected;
    {
        orvandel::OutputFile out;
        out.create(path);
        out.line("HEADER");
        expected += "HEADER\n";
        // Small pieces go through the buffer, large ones straight out; more
        // pieces than one system call takes are split over several.
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < 2100; ++i) texts.push_back(lines(static_cast<char>('A' + i % 26), 1, i % 7));
        texts.push_back(lines('Z', 5000, 60));
        texts.push_back("");
        std::vector<std::string_view> parts(texts.begin(), texts.end());
        out.blocks(std::span<const std::string_view>(parts.data(), 3));
        for (std::size_t i = 0; i < 3; ++i) expected += texts[i];
        out.blocks(parts);
        for (const std::string& t : texts) expected += t;
        out.line("TRAILER");
        expected += "TRAILER\n";
        out.close();
    }
    EXPECT_EQ(readText(path), expected);
}

TEST(OutputFileBlocks, EmptyPiecesWithoutStorageWriteNothing) {
    TempDir dir;
    const std::string path = dir.file("EMPTY.DAT");
    {
        orvandel::OutputFile out;
        out.create(path);
        const std::string_view parts[] = {std::string_view(), "A\n", std::string_view()};
        out.blocks(parts);
        out.write(std::string_view());
        out.close();
    }
    EXPECT_EQ(readText(path), "A\n");
}

TEST(OutputFileBlocks, AppendedPiecesFollowWhatTheFileHeld) {
    TempDir dir;
    const std::string path = dir.file("ORVANDEL.OUT");
    writeText(path, "EARLIER STAGE\n");
    const std::string big = lines('X', 2000, 80);
    {
        orvandel::OutputFile out;
        out.append(path);
        out.write("FIRST\n");
        const std::string_view parts[] = {big, "MIDDLE\n", big};
        out.blocks(parts);
        out.close();
    }
    EXPECT_EQ(readText(path), "EARLIER STAGE\nFIRST\n" + big + "MIDDLE\n" + big);
}

TEST(OldFiles, ALargeFileIsReplacedByANewOneWithItsPermissions) {
    TempDir dir;
    const std::string path = dir.file("ORVANDEL.OUT");
    writeText(path, lines('O', 40000, 80));  // over the size set aside in the background
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    // A reader that has the old file open keeps reading the old text.
    std::ifstream reader(path, std::ios::binary);
    {
        orvandel::OutputFile out;
        out.create(path);
        out.line("NEW RUN");
        out.close();
    }
    orvandel::waitForOldFiles();
    EXPECT_EQ(readText(path), "NEW RUN\n");
    EXPECT_EQ(modeOf(path), 0640u);
    std::string first;
    std::getline(reader, first);
    EXPECT_EQ(first, std::string(80, 'O'));
}

TEST(OldFiles, AFileWithASecondNameIsTruncatedInPlaceAsBefore) {
    TempDir dir;
    const std::string path = dir.file("TEMP1.DAT");
    const std::string other = dir.file("KEPT.DAT");
    writeText(path, lines('H', 40000, 80));
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    EXPECT_EQ(orvandel::setAsideOldFile(path), -1);
    {
        orvandel::OutputFile out;
        out.create(path);
        out.line("NEW");
        out.close();
    }
    // Still one file under both names.
    EXPECT_EQ(readText(other), "NEW\n");
}

TEST(OldFiles, ALinkIsFollowedAndItsTargetReplacedAsBefore) {
    TempDir dir;
    const std::string target = dir.file("REAL.OUT");
    const std::string path = dir.file("ORVANDEL.OUT");
    writeText(target, lines('L', 40000, 80));
    ASSERT_EQ(::symlink(target.c_str(), path.c_str()), 0);
    {
        orvandel::OutputFile out;
        out.create(path);
        out.line("THROUGH THE LINK");
        out.close();
    }
    EXPECT_EQ(readText(target), "THROUGH THE LINK\n");
    struct stat st {};
    ASSERT_EQ(::lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(OldFiles, SmallFilesAndMissingOnesAreLeftToTheUsualWay) {
    TempDir dir;
    const std::string path = dir.file("SMALL.DAT");
    writeText(path, "SMALL\n");
    EXPECT_EQ(orvandel::setAsideOldFile(path), -1);
    EXPECT_EQ(readText(path), "SMALL\n");
    EXPECT_EQ(orvandel::setAsideOldFile(dir.file("MISSING.DAT")), -1);
}

TEST(OldFiles, AStaleLargeResultIsGoneAtOnce) {
    TempDir dir;
    const std::string path = dir.file("TRN_CORD.DAT");
    writeText(path, lines('C', 40000, 45));
    orvandel::removeStale(path);
    EXPECT_FALSE(std::filesystem::exists(path));
    orvandel::removeStale(path);  // nothing there: nothing to do
    orvandel::waitForOldFiles();
}

}  // namespace
