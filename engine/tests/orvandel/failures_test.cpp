// Runs that end early: missing or damaged files, DATAFILE forms, and
// malformed station records. One line on standard error, status 2, and
// what was written before stays.
#include "orvandel_fixture.h"

namespace orvtest {
namespace {

bool contains(const std::string& text, const std::string& needle) { return text.find(needle) != std::string::npos; }

const std::vector<std::string> kNbFeetRun{"1", "2", "T", "Y", "F", "INPUT.DAT", ""};

TEST(FailureRun, TruncatedCoefficientFileNamesTheFile) {
    OrvandelRun run;
    run.useModel(1, plainModel(46.0, 66.0));
    const std::string path = run.datafile + "/TRNB2777.DAT";
    std::string bytes = readText(path);
    bytes.resize(bytes.size() - 12);
    writeText(path, bytes);
    run.addInput("nb_feet.dat", "INPUT.DAT");
    const RunResult r = run.run(kNbFeetRun);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "TRNB2777.DAT")) << r.errors;
    EXPECT_EQ(std::count(r.errors.begin(), r.errors.end(), '\n'), 1);
    // The listing and the model summary written before stay.
    EXPECT_GT(countContaining(run.lines("ORVANDEL.OUT"), "FREDERICT"), 0);
    EXPECT_FALSE(run.exists("TRN_CORD.DAT"));
}

TEST(FailureRun, CoefficientFileWithWrongRecordLength) {
    OrvandelRun run;
    run.useModel(1, plainModel(46.0, 66.0));
    const std::string path = run.datafile + "/TRNB2777.DAT";
    std::string bytes = readText(path);
    bytes[0] = 80;  // record 1 claims 80 bytes instead of 84
    writeText(path, bytes);
    run.addInput("nb_feet.dat", "INPUT.DAT");
    const RunResult r = run.run(kNbFeetRun);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "TRNB2777.DAT")) << r.errors;
}

TEST(FailureRun, MissingCoefficientFile) {
    OrvandelRun run;
    run.useModel(2, plainModel(46.0, 66.0));  // only the NS file exists
    run.addInput("nb_feet.dat", "INPUT.DAT");
    const RunResult r = run.run(kNbFeetRun);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "TRNB2777.DAT")) << r.errors;
}

TEST(FailureRun, CoefficientFileFoundIgnoringCase) {
    OrvandelRun run;
    run.useModel(1, plainModel(46.5, 66.0, 1));
    fs::rename(run.datafile + "/TRNB2777.DAT", run.datafile + "/trnb2777.dat");
    run.addInput("nb_feet.dat", "INPUT.DAT");
    EXPECT_EQ(run.run(kNbFeetRun).status, 0);
}

TEST(FailureRun, DatafileUnset) {
    OrvandelRun run;
    run.datafile.clear();
    run.addInput("nb_feet.dat", "INPUT.DAT");
    const RunResult r = run.run(kNbFeetRun);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "DATAFILE")) << r.errors;
}

TEST(FailureRun, DatafileWithBlankAndLongPath) {
    // Longer than 25 characters, a blank inside, trailing blanks and a
    // final separator: all must reach the same directory.
    OrvandelRun run;
    const fs::path dir = run.models.path() / "coefficient files of the maritimes";
    fs::create_directories(dir);
    fs::copy_file(std::string(ORVANDEL_HANDMADE_DIR) + "/TRNB2777.DAT", dir / "TRNB2777.DAT");
    run.addInput("nb_feet.dat", "INPUT.DAT");
    for (const std::string& value : {dir.string(), dir.string() + "/", dir.string() + "   "}) {
        run.datafile = value;
        const RunResult r = run.run(kNbFeetRun);
        EXPECT_EQ(r.status, 0) << value << ": " << r.errors;
        EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 5u);
    }
}

TEST(FailureRun, MissingDataFile) {
    OrvandelRun run;
    const RunResult r = run.run(kNbFeetRun);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "INPUT.DAT")) << r.errors;
    EXPECT_EQ(run.lines("TEMP1.DAT").size(), 0u);
}

TEST(FailureRun, MalformedStationRecordKeepsEarlierStations) {
    OrvandelRun run;
    run.addText("INPUT.DAT", joinLines({geoRecord("GOOD", 46, 0, 0.0, 66, 0, 0.0),
                                        "  BAD       4X 10 10.00000 66 00  0.00000     0.000"}));
    const RunResult r = run.run({"1", "1", "T", "Y", "F", "INPUT.DAT", "1", ""});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "INPUT CONVERSION ERROR")) << r.errors;
    EXPECT_EQ(run.lines("TEMP1.DAT").size(), 1u);
}

// Stations are read and written in batches on two threads: a malformed
// record after thousands of them leaves exactly the work files and the
// start of the report that a run of the stations before it writes.
TEST(FailureRun, MalformedStationRecordAfterManyBatches) {
    std::vector<std::string> good;
    for (int i = 0; i < 13000; ++i) {
        good.push_back(geoRecord("S" + std::to_string(i + 1), 45 + i % 3, i % 60, (i % 600) * 0.1, 65 + i % 2,
                                 (i * 7) % 60, (i % 500) * 0.1));
    }
    std::vector<std::string> bad = good;
    bad.push_back("  BAD       4X 10 10.00000 66 00  0.00000     0.000");
    bad.push_back(geoRecord("AFTER", 46, 0, 0.0, 66, 0, 0.0));
    const std::vector<std::string> answers{"1", "1", "T", "Y", "F", "INPUT.DAT", "1", ""};

    OrvandelRun stopped;
    stopped.addText("INPUT.DAT", joinLines(bad));
    const RunResult r = stopped.run(answers);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "INPUT CONVERSION ERROR")) << r.errors;
    EXPECT_TRUE(contains(r.errors, "13001")) << r.errors;

    OrvandelRun whole;
    whole.addText("INPUT.DAT", joinLines(good));
    ASSERT_EQ(whole.run(answers).status, 0);
    EXPECT_EQ(stopped.text("TEMP1.DAT"), whole.text("TEMP1.DAT"));
    EXPECT_EQ(stopped.text("TEMP2.DAT"), whole.text("TEMP2.DAT"));
    const std::string report = stopped.text("ORVANDEL.OUT");
    EXPECT_EQ(whole.text("ORVANDEL.OUT").substr(0, report.size()), report);
    EXPECT_EQ(stopped.lines("TEMP1.DAT").size(), 13000u);
    EXPECT_EQ(whole.lines("TRN_CORD.DAT").size(), 13000u);
}

// A second run in the same folder replaces the first one's large files
// with the same text; the listing starts a page every 50 stations across
// the batches.
TEST(FailureRun, ARunOverAnEarlierRunsLargeFilesWritesTheSameFiles) {
    std::vector<std::string> stations;
    for (int i = 0; i < 9000; ++i) {
        stations.push_back(geoRecord("S" + std::to_string(i + 1), 45 + i % 3, i % 60, (i % 600) * 0.1, 65 + i % 2,
                                     (i * 7) % 60, (i % 500) * 0.1));
    }
    const std::vector<std::string> answers{"1", "1", "T", "Y", "F", "INPUT.DAT", "1", ""};
    OrvandelRun run;
    run.addText("INPUT.DAT", joinLines(stations));
    ASSERT_EQ(run.run(answers).status, 0);
    const char* files[] = {"TEMP1.DAT", "TEMP2.DAT", "TEMP5.DAT", "ORVANDEL.OUT", "TRN_CORD.DAT", "TRN_GHST.DAT"};
    std::vector<std::string> first;
    for (const char* f : files) first.push_back(run.text(f));
    ASSERT_EQ(run.run(answers).status, 0);
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_TRUE(run.text(files[i]) == first[i]) << files[i];

    const std::string& report = first[3];
    const std::string heading = "GEOGRAPHICS  TO  BE  TRANSFORMED";
    std::size_t pages = 0, formFeeds = 0;
    for (std::size_t at = report.find(heading); at != std::string::npos; at = report.find(heading, at + 1)) {
        ++pages;
        // The title line two lines above starts with a form feed.
        const std::size_t feed = report.rfind('\f', at);
        if (feed != std::string::npos && at - feed < 150) ++formFeeds;
    }
    EXPECT_EQ(pages, 9000u / 50);
    EXPECT_EQ(formFeeds, pages - 1);
    EXPECT_NE(report[0], '\f');
}

TEST(FailureRun, GarbageStationRecordsNeverCrash) {
    OrvandelRun run;
    run.addText("INPUT.DAT",
                joinLines({std::string("\x01\xff\t  ???", 8), std::string(300, '9'), "1E300  1E300 1E300"}));
    const RunResult r = run.run({"2", "2", "7", "T", "Y", "F", "INPUT.DAT", ""});
    EXPECT_TRUE(r.status == 0 || r.status == 2) << r.status;
}

TEST(FailureRun, HugeNumbersInGridInputDoNotCrash) {
    OrvandelRun run;
    run.addText("INPUT.DAT", "HUGE         1E30         1E30    0.000\n");
    const RunResult r = run.run({"5", "3", "", "T", "Y", "F", "INPUT.DAT", ""});
    EXPECT_TRUE(r.status == 0 || r.status == 2) << r.status << r.errors;
}

}  // namespace
}  // namespace orvtest
