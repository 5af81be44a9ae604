#pragma once
// Whole-program runs of the built orvandel: answer file, input files and
// coefficient files in a fresh directory, then the files it wrote.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "program_runner.h"
#include "transform/coefficient_file.h"

namespace orvtest {

inline std::string inputFile(const std::string& name) {
    return std::string(KARTOVEX_TESTDATA) + "/orvandel/inputs/" + name;
}

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

class OrvandelRun {
public:
    // Copies a test input file into the run directory under `as`.
    void addInput(const std::string& name, const std::string& as) {
        fs::copy_file(inputFile(name), dir.file(as), fs::copy_options::overwrite_existing);
    }
    void addText(const std::string& as, const std::string& text) { writeText(dir.file(as), text); }

    // A coefficient file of our own in a DATAFILE directory of its own.
    void useModel(int transformation, const orvandel::CoefficientModel& model) {
        static const char* names[] = {"TRNB2777.DAT", "TRNS2777.DAT", "TRPE2777.DAT",
                                      "TRNB7727.DAT", "TRNS7727.DAT", "TRPE7727.DAT"};
        fs::create_directories(models.path());
        ASSERT_TRUE(orvandel::writeCoefficientFile((models.path() / names[transformation - 1]).string(), model));
        datafile = models.path().string();
    }

    RunResult run(const std::vector<std::string>& answers, void (*prepareChild)() = nullptr) {
        const std::string answerFile = models.file("ANSWERS.TXT");
        writeText(answerFile, joinLines(answers));
        std::vector<std::string> env;
        if (!datafile.empty()) env.push_back("DATAFILE=" + datafile);
        return runProgram(ORVANDEL_EXE, {}, dir.path(), answerFile, env, prepareChild);
    }

    std::string text(const std::string& name) const { return readText(dir.file(name)); }
    std::vector<std::string> lines(const std::string& name) const { return readLines(dir.file(name)); }
    bool exists(const std::string& name) const { return fs::exists(dir.file(name)); }

    TempDir dir;
    TempDir models;  // coefficient files and the answer file, apart from the work files
    std::string datafile = ORVANDEL_HANDMADE_DIR;
};

// A model with no approximate shift, centred at (lat, lon), for runs whose
// outcome is computed by hand.
inline orvandel::CoefficientModel plainModel(double lat, double lon, int direction = 3) {
    orvandel::CoefficientModel m;
    m.header.degree = 0;
    m.header.direction = direction;
    m.header.correlation = 0.0;
    m.header.originLat = lat;
    m.header.originLon = lon;
    m.header.latScale = 1.0;
    m.header.lonScale = 1.0;
    m.header.latDivisor = 1.0;
    m.header.lonDivisor = 1.0;
    m.coefficients = {{0.0, 0.0}};
    return m;
}

// Lines of `text` that contain `needle`.
inline int countContaining(const std::vector<std::string>& lines, const std::string& needle) {
    int n = 0;
    for (const auto& l : lines) n += l.find(needle) != std::string::npos;
    return n;
}

// "  NAME      DD MM SS.SSSSS DD MM SS.SSSSS EEEE.EEE" in the ORVANDEL FORMAT layout.
inline std::string geoRecord(const std::string& name, int ld, int lm, double ls, int od, int om, double os,
                             double elevation = 0.0) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "  %-9.9s %2d %2d %8.5f %2d %2d %8.5f %9.3f", name.c_str(), ld, lm, ls, od, om, os,
                  elevation);
    return buf;
}

}  // namespace orvtest
