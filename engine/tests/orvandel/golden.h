#pragma once
// Comparison of a run's files with the hand-checked files kept under
// testdata/orvandel/golden/<case>/. ORVANDEL_UPDATE_GOLDEN=1 rewrites them
// (they must then be checked by hand again).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "orvandel_fixture.h"

namespace orvtest {

inline void expectGolden(const OrvandelRun& run, const std::string& caseName, const std::string& screen) {
    const fs::path dir = fs::path(KARTOVEX_TESTDATA) / "orvandel" / "golden" / caseName;
    const bool update = std::getenv("ORVANDEL_UPDATE_GOLDEN") != nullptr;
    if (update) fs::create_directories(dir);
    const char* files[] = {"TEMP1.DAT",    "TEMP2.DAT",    "TEMP5.DAT", "ORVANDEL.OUT",
                           "TRN_CORD.DAT", "TRN_GHST.DAT", "SCREEN.TXT"};
    for (const char* name : files) {
        const std::string actual = std::string(name) == "SCREEN.TXT" ? screen : run.text(name);
        const std::string goldenPath = (dir / name).string();
        if (update) {
            writeText(goldenPath, actual);
            continue;
        }
        ASSERT_TRUE(fs::exists(goldenPath)) << goldenPath;
        const std::vector<std::string> want = readLines(goldenPath);
        std::vector<std::string> got;
        {
            std::istringstream in(actual);
            std::string line;
            while (std::getline(in, line)) got.push_back(line);
        }
        ASSERT_EQ(want.size(), got.size()) << caseName << "/" << name;
        for (std::size_t i = 0; i < want.size(); ++i) {
            EXPECT_EQ(want[i], got[i]) << caseName << "/" << name << " line " << i + 1;
        }
        EXPECT_EQ(readText(goldenPath), actual) << caseName << "/" << name;
    }
}

}  // namespace orvtest
