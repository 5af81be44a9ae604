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

TEST_F(OutputStage, FilesExistEvenWithoutStations) {
    stations({});
    transformed({});
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("TRN_CORD.DAT")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("TRN_GHST.DAT")));
}

}  // namespace
}  // namespace orvandel
