// The output stage: pairing TEMP2.DAT with TEMP5.DAT, pages and files.
#include "output/output_stage.h"

#include <gtest/gtest.h>

#include <sstream>

#include "geodesy/mpcord.h"
#include "stations/work_records.h"
#include "tests/orvandel/program_runner.h"
#include "transform/transformed_record.h"

namespace orvandel {
namespace {

std::string padded(const std::string& name) {
    std::string s = name;
    s.resize(9, ' ');
    return s;
}

std::string numbered(int i) {
    std::string s = "S";
    s.append(std::to_string(i));
    return s;
}

int countContaining(const std::vector<std::string>& lines, const std::string& needle) {
    int n = 0;
    for (const auto& l : lines) n += l.find(needle) != std::string::npos;
    return n;
}

class OutputStage : public ::testing::Test {
protected:
    void SetUp() override { orvtest::writeText(dir.file("ORVANDEL.OUT"), ""); }
    void stations(const std::vector<std::string>& names, char unit = 'F') {
        std::string temp2 = "TITLE\n";
        temp2.append(formatParameterRecord(1));
        temp2 += '\n';
        for (const auto& n : names) {
            GridRecord g;
            g.province = "NB ";
            g.name = padded(n);
            g.northing = 800000.0;
            g.easting = 900000.0;
            g.unit = unit;
            temp2 += formatGridRecord(g, 2);
            temp2 += '\n';
        }
        orvtest::writeText(dir.file("TEMP2.DAT"), temp2);
    }
    // TEMP5.DAT records for (name, source record number; 0 leaves the field blank).
    void transformed(const std::vector<std::pair<std::string, int>>& records) {
        std::string temp5;
        for (const auto& [name, number] : records) {
            TransformedRecord t;
            t.name = padded(name);
            t.latDegrees = 46;
            t.latMinutes = 10;
            t.latSeconds = 5.0;
            t.lonDegrees = 66;
            t.lonMinutes = 20;
            t.lonSeconds = 7.0;
            t.sourceRecord = number;
            std::string line = formatTransformedRecord(t);
            if (number == 0) line.resize(45);
            temp5 += line;
            temp5 += '\n';
        }
        orvtest::writeText(dir.file("TEMP5.DAT"), temp5);
    }
    long long run() {
        RunContext c{in, screen, dir.path(), "07-DEC-2026"};
        return runOutputStage(c);
    }
    std::vector<std::string> table() {
        std::vector<std::string> lines;
        for (const auto& l : orvtest::readLines(dir.file("ORVANDEL.OUT"))) {
            if (l.size() > 50 && l[0] == ' ' && (l[48] == 'F' || l[50] == 'F')) lines.push_back(l);
        }
        return lines;
    }
    orvtest::TempDir dir;
    std::istringstream in;
    std::ostringstream screen;
};

TEST_F(OutputStage, PairsByRecordNumber) {
    stations({"A", "TWIN", "TWIN"});
    transformed({{"A", 1}, {"TWIN", 3}});
    EXPECT_EQ(run(), 3);
    const auto t = table();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].find("NOT TRANSFORMED"), std::string::npos);
    EXPECT_NE(t[1].find("THIS POINT WAS NOT TRANSFORMED"), std::string::npos);
    EXPECT_EQ(t[2].find("NOT TRANSFORMED"), std::string::npos);
    EXPECT_EQ(orvtest::readLines(dir.file("TRN_CORD.DAT")).size(), 2u);
}

TEST_F(OutputStage, FallsBackToTheNameWhenTheNumberIsBlank) {
    stations({"A", "B", "C"});
    transformed({{"A", 0}, {"C", 0}});
    EXPECT_EQ(run(), 3);
    const auto t = table();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].find("NOT TRANSFORMED"), std::string::npos);
    EXPECT_NE(t[1].find("NOT TRANSFORMED"), std::string::npos);
    EXPECT_EQ(t[2].find("NOT TRANSFORMED"), std::string::npos);
}

TEST_F(OutputStage, ExhaustedTransformedFileGivesNotTransformedLines) {
    stations({"A", "B", "C"});
    transformed({{"A", 1}});
    EXPECT_EQ(run(), 3);
    const auto t = table();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_NE(t[1].find("NOT TRANSFORMED"), std::string::npos);
    EXPECT_NE(t[2].find("NOT TRANSFORMED"), std::string::npos);
    EXPECT_EQ(orvtest::readLines(dir.file("TRN_GHST.DAT")).size(), 1u);
}

TEST_F(OutputStage, PageEvery45LinesCountingNotTransformedOnes) {
    std::vector<std::string> names;
    std::vector<std::pair<std::string, int>> done;
    for (int i = 1; i <= 91; ++i) {
        names.push_back(numbered(i));
        if (i % 2 == 1) done.push_back({numbered(i), i});
    }
    stations(names);
    transformed(done);
    EXPECT_EQ(run(), 91);
    const auto report = orvtest::readLines(dir.file("ORVANDEL.OUT"));
    int headers = 0;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i].find("TRANSFORMATION TO ATS77 VALUES") == std::string::npos) continue;
        ++headers;
        EXPECT_EQ(report[i - 2][0], '\f');
        const std::string first = report[i + 6].substr(1, 9);
        EXPECT_EQ(first, headers == 1 ? "S1       " : headers == 2 ? "S46      " : "S91      ");
    }
    EXPECT_EQ(headers, 3);
    EXPECT_EQ(orvtest::readLines(dir.file("TRN_CORD.DAT")).size(), 46u);
}

// Thousands of stations go through the stage in batches on two threads: the
// lines still come in input order, with a page every 45.
TEST_F(OutputStage, ManyStationsKeepTheirOrderAndPages) {
    std::vector<std::string> names;
    std::vector<std::pair<std::string, int>> done;
    for (int i = 1; i <= 13000; ++i) {
        names.push_back(numbered(i));
        if (i % 7 != 0) done.push_back({numbered(i), i});
    }
    stations(names);
    transformed(done);
    EXPECT_EQ(run(), 13000);
    const auto t = table();
    ASSERT_EQ(t.size(), 13000u);
    for (int i = 1; i <= 13000; ++i) {
        ASSERT_EQ(t[i - 1].substr(1, 9), padded(numbered(i))) << i;
        EXPECT_EQ(t[i - 1].find("NOT TRANSFORMED") != std::string::npos, i % 7 == 0) << i;
    }
    EXPECT_EQ(countContaining(orvtest::readLines(dir.file("ORVANDEL.OUT")), "TRANSFORMATION TO ATS77 VALUES"),
              (13000 + 44) / 45);
    const auto coordinates = orvtest::readLines(dir.file("TRN_CORD.DAT"));
    const auto ghosts = orvtest::readLines(dir.file("TRN_GHST.DAT"));
    ASSERT_EQ(coordinates.size(), done.size());
    ASSERT_EQ(ghosts.size(), done.size());
    for (std::size_t i = 0; i < done.size(); ++i) {
        EXPECT_NE(coordinates[i].find(padded(done[i].first)), std::string::npos) << i;
        EXPECT_NE(ghosts[i].find(padded(done[i].first)), std::string::npos) << i;
    }
    // The screen shows the same table.
    int onScreen = 0;
    std::istringstream lines(screen.str());
    for (std::string l; std::getline(lines, l);)
        onScreen += l.size() > 50 && l[0] == ' ' && (l[48] == 'F' || l[50] == 'F');
    EXPECT_EQ(onScreen, 13000);
}

// A damaged TEMP5.DAT record for a station that begins a page, after more
// than a batch of stations: every earlier station is written, and so is
// the page header that came before the record was read.
TEST_F(OutputStage, DamagedTransformedRecordAfterManyStationsKeepsWhatCameBefore) {
    std::vector<std::string> names;
    for (int i = 1; i <= 9050; ++i) names.push_back(numbered(i));
    stations(names);
    std::vector<std::pair<std::string, int>> done;
    for (int i = 1; i <= 9000; ++i) done.push_back({numbered(i), i});
    transformed(done);
    std::string temp5 = orvtest::readText(dir.file("TEMP5.DAT"));
    transformed({{numbered(9001), 9001}});
    std::string damaged = orvtest::readText(dir.file("TEMP5.DAT"));
    damaged.replace(damaged.find("46"), 2, "4X");
    temp5 += damaged;
    orvtest::writeText(dir.file("TEMP5.DAT"), temp5);
    EXPECT_ANY_THROW(run());
    EXPECT_EQ(table().size(), 9000u);
    const auto report = orvtest::readLines(dir.file("ORVANDEL.OUT"));
    EXPECT_EQ(countContaining(report, "TRANSFORMATION TO ATS77 VALUES"), 201);
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back().find(" S9000"), std::string::npos);
    int onScreen = 0;
    std::istringstream lines(screen.str());
    for (std::string l; std::getline(lines, l);)
        onScreen += l.find("TRANSFORMATION TO ATS77 VALUES") != std::string::npos;
    EXPECT_EQ(onScreen, 201);
    // The result files never take their names.
    EXPECT_FALSE(std::filesystem::exists(dir.file("TRN_CORD.DAT")));
}

TEST_F(OutputStage, FilesExistEvenWithoutStations) {
    stations({});
    transformed({});
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("TRN_CORD.DAT")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("TRN_GHST.DAT")));
}

}  // namespace
}  // namespace orvandel
