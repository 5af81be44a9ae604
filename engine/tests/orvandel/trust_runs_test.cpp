// Runs that must never pass for a success: the closing answer, empty
// station lists, damaged or cut coefficient files, failed writes. Each ends
// with its reason on standard error, a non-zero status and no result file.
#include <signal.h>
#include <sys/resource.h>

#include <cmath>
#include <limits>

#include "orvandel_fixture.h"

namespace orvtest {
namespace {

bool contains(const std::string& text, const std::string& needle) { return text.find(needle) != std::string::npos; }

int lineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

const std::vector<std::string> kNbFeetRun{"1", "2", "T", "Y", "F", "INPUT.DAT", ""};

void expectNoResults(const OrvandelRun& run) {
    EXPECT_FALSE(run.exists("TRN_CORD.DAT"));
    EXPECT_FALSE(run.exists("TRN_GHST.DAT"));
    EXPECT_FALSE(run.exists("TRN_CORD.DAT.PART"));
    EXPECT_FALSE(run.exists("TRN_GHST.DAT.PART"));
}

// --- The closing answer --------------------------------------------------

TEST(ClosingAnswer, ANonDigitIsAnInputConversionError) {
    OrvandelRun run;
    run.addInput("nb_feet.dat", "INPUT.DAT");
    std::vector<std::string> answers = kNbFeetRun;
    answers.back() = "X";
    const RunResult r = run.run(answers);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "INPUT CONVERSION ERROR")) << r.errors;
    EXPECT_EQ(lineCount(r.errors), 1) << r.errors;
}

TEST(ClosingAnswer, ADigitABlankOrNoLineAtAllEndNormally) {
    for (const char* last : {"7", " ", "", "0 AND MORE"}) {
        OrvandelRun run;
        run.addInput("nb_feet.dat", "INPUT.DAT");
        std::vector<std::string> answers = kNbFeetRun;
        answers.back() = last;
        const RunResult r = run.run(answers);
        EXPECT_EQ(r.status, 0) << "'" << last << "': " << r.errors;
        EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 5u);
    }
    OrvandelRun run;
    run.addInput("nb_feet.dat", "INPUT.DAT");
    std::vector<std::string> answers = kNbFeetRun;
    answers.pop_back();
    const RunResult r = run.run(answers);
    EXPECT_EQ(r.status, 0) << r.errors;
}

// --- Empty station lists -------------------------------------------------

TEST(EmptyStations, AnEmptyStationFileIsAnErrorInEveryVariant) {
    const std::vector<std::vector<std::string>> cases{
        {"1", "1", "T", "Y", "F", "EMPTY.DAT", "1", ""},     // geographic, NAD27 to ATS77
        {"4", "1", "T", "Y", "F", "EMPTY.DAT", "2", ""},     // GHOST geographic, ATS77 to NAD27
        {"1", "2", "T", "Y", "F", "EMPTY.DAT", ""},          // NAD27 grid feet
        {"2", "3", "4", "T", "Y", "F", "EMPTY.DAT", ""},     // NAD27 grid metres
        {"1", "4", "69.0", "T", "Y", "F", "EMPTY.DAT", ""},  // NAD27 UTM
        {"6", "3", "T", "Y", "F", "EMPTY.DAT", ""},          // ATS77 grid
    };
    for (const auto& answers : cases) {
        OrvandelRun run;
        run.addText("EMPTY.DAT", "");
        // What an earlier run left must not stand for this one's result.
        run.addText("TRN_CORD.DAT", "OLD      1.0 2.0\n");
        run.addText("TRN_GHST.DAT", "OLD\n");
        const RunResult r = run.run(answers);
        EXPECT_EQ(r.status, 2) << answers[0] << "/" << answers[1];
        EXPECT_TRUE(contains(r.errors, "INPUT DATA FILE 'EMPTY.DAT' HOLDS NO STATIONS")) << r.errors;
        EXPECT_EQ(lineCount(r.errors), 1) << r.errors;
        EXPECT_FALSE(contains(r.screen, "END OF PROGRAM"));
        expectNoResults(run);
    }
}

TEST(EmptyStations, NoStationsFromTheKeyboardIsAnError) {
    for (const std::vector<std::string>& answers : {std::vector<std::string>{"4", "3", "NONE", "Y", "K", "", ""},
                                                    std::vector<std::string>{"1", "1", "NONE", "Y", "K", "", ""},
                                                    std::vector<std::string>{"1", "1", "NONE", "Y", "K"}}) {
        OrvandelRun run;
        const RunResult r = run.run(answers);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(contains(r.errors, "NO STATIONS WERE ENTERED FROM THE KEYBOARD")) << r.errors;
        expectNoResults(run);
    }
}

TEST(EmptyStations, AFileOfOneBlankLineHoldsOneStation) {
    // In file mode a record with a blank name is a station: not empty.
    OrvandelRun run;
    run.addText("INPUT.DAT", "\n");
    const RunResult r = run.run({"1", "2", "T", "Y", "F", "INPUT.DAT", ""});
    EXPECT_FALSE(contains(r.errors, "NO STATIONS")) << r.errors;
    EXPECT_EQ(run.lines("TEMP1.DAT").size(), 1u);
}

// --- DATAFILE ------------------------------------------------------------

TEST(Datafile, AValueEndingInABackslashGetsNoSlashAdded) {
    OrvandelRun run;
    run.addInput("nb_feet.dat", "INPUT.DAT");
    run.datafile = std::string(ORVANDEL_HANDMADE_DIR) + "\\";
    const RunResult r = run.run(kNbFeetRun);
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 5u);
    run.datafile = std::string(ORVANDEL_HANDMADE_DIR) + "\\   ";
    EXPECT_EQ(run.run(kNbFeetRun).status, 0);
}

// --- Coefficient files ---------------------------------------------------

TEST(DamagedCoefficients, NonFiniteOrZeroHeaderValuesAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double orvandel::CoefficientHeader::*field;
        double value;
        const char* reason;
    };
    using H = orvandel::CoefficientHeader;
    const Case cases[] = {{&H::latDivisor, 0.0, "LATITUDE DIVISOR IS ZERO"},
                          {&H::lonDivisor, 0.0, "LONGITUDE DIVISOR IS ZERO"},
                          {&H::latScale, 0.0, "LATITUDE SCALE FACTOR IS ZERO"},
                          {&H::lonScale, 0.0, "LONGITUDE SCALE FACTOR IS ZERO"},
                          {&H::latDivisor, nan, "LATITUDE DIVISOR IS NOT A FINITE NUMBER"},
                          {&H::originLat, inf, "ORIGIN LATITUDE IS NOT A FINITE NUMBER"},
                          {&H::lonOffset, -inf, "LONGITUDE OFFSET IS NOT A FINITE NUMBER"},
                          {&H::correlation, nan, "CORRELATION DISTANCE IS NOT A FINITE NUMBER"}};
    for (const Case& c : cases) {
        OrvandelRun run;
        orvandel::CoefficientModel m = plainModel(46.0, 66.0, 1);
        m.header.*c.field = c.value;
        run.useModel(1, m);
        run.addInput("nb_feet.dat", "INPUT.DAT");
        const RunResult r = run.run(kNbFeetRun);
        EXPECT_EQ(r.status, 2) << c.reason;
        EXPECT_TRUE(contains(r.errors, "TRNB2777.DAT")) << r.errors;
        EXPECT_TRUE(contains(r.errors, c.reason)) << r.errors;
        expectNoResults(run);
    }
}

TEST(DamagedCoefficients, NonFiniteModelValueIsRefused) {
    OrvandelRun run;
    orvandel::CoefficientModel m = plainModel(46.0, 66.0, 1);
    m.coefficients = {{0.1, std::numeric_limits<double>::infinity()}};
    run.useModel(1, m);
    run.addInput("nb_feet.dat", "INPUT.DAT");
    const RunResult r = run.run(kNbFeetRun);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "TRNB2777.DAT")) << r.errors;
    EXPECT_TRUE(contains(r.errors, "RECORD 2 VALUE 2 IS NOT A FINITE NUMBER")) << r.errors;
    expectNoResults(run);
}

TEST(DamagedCoefficients, ACutDemoFileIsRefusedWhereverItIsCut) {
    const std::string whole = readText(std::string(ORVANDEL_HANDMADE_DIR) + "/TRNB2777.DAT");
    ASSERT_GT(whole.size(), 200u);
    // Inside both length markers, at the record boundaries, in record 2 and
    // one byte short of the end.
    const std::size_t cuts[] = {0,
                                1,
                                3,
                                4,
                                5,
                                50,
                                87,
                                88,
                                91,
                                92,
                                93,
                                95,
                                96,
                                97,
                                whole.size() / 2,
                                whole.size() - 5,
                                whole.size() - 4,
                                whole.size() - 1};
    for (std::size_t cut : cuts) {
        OrvandelRun run;
        fs::create_directories(run.models.path());
        writeText(run.models.file("TRNB2777.DAT"), whole.substr(0, cut));
        run.datafile = run.models.path().string();
        run.addInput("nb_feet.dat", "INPUT.DAT");
        const RunResult r = run.run(kNbFeetRun);
        EXPECT_EQ(r.status, 2) << "cut at " << cut;
        EXPECT_TRUE(contains(r.errors, "TRNB2777.DAT")) << "cut at " << cut << ": " << r.errors;
        EXPECT_EQ(lineCount(r.errors), 1) << r.errors;
        expectNoResults(run);
    }
}

TEST(DamagedCoefficients, TooLargeAModelSaysSoOnStandardError) {
    OrvandelRun run;
    orvandel::CoefficientModel m = plainModel(46.4, 63.2, 1);
    m.header.stationCount = 3771;  // one more than Prince Edward Island holds
    for (int j = 0; j < 3771; ++j) {
        m.control.u.push_back(0.0);
        m.control.v.push_back(0.0);
        m.control.residualLat.push_back(0.0);
        m.control.residualLon.push_back(0.0);
        m.control.weight.push_back(1.0);
    }
    run.useModel(3, m);
    run.addInput("pe_geo.dat", "INPUT.DAT");
    const RunResult r = run.run({"3", "1", "T", "Y", "F", "INPUT.DAT", "1", ""});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "TRPE2777.DAT': MODEL TOO LARGE (JMAX=18861, IMAX=18856)")) << r.errors;
    expectNoResults(run);
}

// --- Failed writes -------------------------------------------------------

rlim_t gFileSizeLimit = 0;

// A file-size limit with SIGXFSZ ignored, as a parent that ignores the
// signal passes it on: writes beyond the limit fail instead of killing.
void limitFileSize() {
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit;
    limit.rlim_cur = gFileSizeLimit;
    limit.rlim_max = gFileSizeLimit;
    setrlimit(RLIMIT_FSIZE, &limit);
}

TEST(FailedWrites, AFileSizeLimitEndsTheRunWithNoResult) {
    // 300 bytes stop TEMP2.DAT in the input stage; 3000 stop the report in
    // the output stage, after TRN_CORD.DAT was written in full.
    for (rlim_t size : {300, 1500, 3000}) {
        OrvandelRun run;
        run.addInput("nb_metres.dat", "INPUT.DAT");
        gFileSizeLimit = size;
        const RunResult r = run.run({"1", "3", "T", "Y", "F", "INPUT.DAT", ""}, limitFileSize);
        EXPECT_EQ(r.status, 2) << size;
        EXPECT_TRUE(contains(r.errors, "CANNOT WRITE FILE")) << size << ": " << r.errors;
        expectNoResults(run);
    }
}

TEST(FailedWrites, AResultFileThatCannotBeWrittenLeavesNeitherResult) {
    OrvandelRun run;
    run.addInput("nb_feet.dat", "INPUT.DAT");
    fs::create_symlink("/dev/full", run.dir.file("TRN_CORD.DAT.PART"));
    const RunResult r = run.run(kNbFeetRun);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.errors, "CANNOT WRITE FILE")) << r.errors;
    EXPECT_TRUE(contains(r.errors, "TRN_CORD.DAT")) << r.errors;
    EXPECT_FALSE(fs::is_symlink(run.dir.file("TRN_CORD.DAT.PART")));
    expectNoResults(run);
}

TEST(FailedWrites, ASuccessfulRunLeavesNoTemporaryFiles) {
    OrvandelRun run;
    run.addInput("nb_feet.dat", "INPUT.DAT");
    run.addText("TRN_CORD.DAT", "OLD\n");
    ASSERT_EQ(run.run(kNbFeetRun).status, 0);
    EXPECT_EQ(run.lines("TRN_CORD.DAT").size(), 5u);
    EXPECT_EQ(run.lines("TRN_GHST.DAT").size(), 5u);
    EXPECT_FALSE(run.exists("TRN_CORD.DAT.PART"));
    EXPECT_FALSE(run.exists("TRN_GHST.DAT.PART"));
}

// --- Hostile numbers through every input route ---------------------------

// A record with `text` placed at 1-based `column`s, blanks elsewhere.
std::string placed(const std::vector<std::pair<int, std::string>>& fields) {
    std::string line(80, ' ');
    for (const auto& [column, text] : fields) line.replace(static_cast<std::size_t>(column - 1), text.size(), text);
    return line;
}

TEST(HostileNumbers, EveryRouteEndsAndAccountsForItsStation) {
    // One station per run, so that each reaches as far as it can.
    const std::vector<std::string> huge{"1E300", "-1E300", "9.9E307", "1E15", "99999999.999", "0"};
    std::vector<std::string> grid, orvandelFormat, ghost;
    for (const auto& a : huge) {
        for (const auto& b : huge) {
            grid.push_back(placed({{1, "HUGE"}, {10, a}, {23, b}}));
            // Seconds are single precision: 1E38 is about the largest.
            const std::string sa = a.find("E30") != std::string::npos ? "1E38" : a.substr(0, 8);
            const std::string sb = b.find("E30") != std::string::npos ? "-1E38" : b.substr(0, 8);
            orvandelFormat.push_back(
                placed({{3, "HUGE"}, {13, "99"}, {16, "99"}, {19, sa}, {28, "99"}, {31, "99"}, {34, sb}}));
            ghost.push_back(
                placed({{7, "HUGE"}, {41, "99"}, {43, "999"}, {46, sa}, {56, "999"}, {59, "999"}, {62, sb}}));
        }
    }
    struct Route {
        std::vector<std::string> answers;
        const std::vector<std::string>* records;
    };
    const Route routes[] = {
        {{"1", "1", "T", "Y", "F", "IN.DAT", "1", ""}, &orvandelFormat},
        {{"2", "1", "4", "T", "Y", "F", "IN.DAT", "2", ""}, &ghost},
        {{"4", "1", "T", "Y", "F", "IN.DAT", "1", ""}, &orvandelFormat},
        {{"5", "1", "5", "T", "Y", "F", "IN.DAT", "2", ""}, &ghost},
        {{"1", "2", "T", "Y", "F", "IN.DAT", ""}, &grid},
        {{"2", "3", "7", "T", "Y", "F", "IN.DAT", ""}, &grid},
        {{"3", "3", "T", "Y", "F", "IN.DAT", ""}, &grid},
        {{"1", "4", "1E300", "T", "Y", "F", "IN.DAT", ""}, &grid},
        {{"2", "4", "63.0", "4", "T", "Y", "F", "IN.DAT", ""}, &grid},
        {{"4", "3", "T", "Y", "F", "IN.DAT", ""}, &grid},
        {{"5", "3", "0", "T", "Y", "F", "IN.DAT", ""}, &grid},
        {{"6", "3", "T", "Y", "F", "IN.DAT", ""}, &grid},
    };
    int finished = 0;
    for (const Route& route : routes) {
        for (const std::string& record : *route.records) {
            OrvandelRun run;
            run.addText("IN.DAT", record + "\n");
            const RunResult r = run.run(route.answers);
            const std::string which = route.answers[0] + "/" + route.answers[1] + " '" + record + "'";
            ASSERT_TRUE(r.status == 0 || r.status == 2) << which << ": " << r.status;
            if (r.status == 2) {
                EXPECT_EQ(lineCount(r.errors), 1) << which << ": " << r.errors;
                expectNoResults(run);
                continue;
            }
            ++finished;
            // The station is either in TRN_CORD.DAT or reported as not transformed.
            const int missed = countContaining(run.lines("ORVANDEL.OUT"), "THIS POINT WAS NOT TRANSFORMED");
            EXPECT_EQ(static_cast<int>(run.lines("TRN_CORD.DAT").size()) + missed, 1) << which;
        }
    }
    // Some get through the input stage to the end of the run (most end at
    // the read-back of a work record their huge values do not fit).
    EXPECT_GT(finished, 0);
}

// --- Every early end says why --------------------------------------------

TEST(EarlyEnds, EachEndsNonZeroWithOneLineOfReason) {
    struct Case {
        std::vector<std::string> answers;
        const char* reason;
        bool running;  // past the dialogue: an earlier result is gone
    };
    const Case cases[] = {
        {{"1", "2", "T", "Y", "F", "MISSING.DAT", ""}, "MISSING.DAT", true},
        {{"1", "2", "T", "Y", "F", "BAD.DAT", ""}, "INPUT CONVERSION ERROR", true},
        {{"1", "X"}, "INPUT CONVERSION ERROR", false},
        {{"1", "2", "T"}, "END OF FILE", false},
    };
    for (const Case& c : cases) {
        OrvandelRun run;
        run.addText("BAD.DAT", "STN      12X456.789   123456.789    0.000\n");
        run.addText("TRN_CORD.DAT", "OLD\n");
        const RunResult r = run.run(c.answers);
        EXPECT_NE(r.status, 0) << c.reason;
        EXPECT_TRUE(contains(r.errors, c.reason)) << r.errors;
        EXPECT_EQ(lineCount(r.errors), 1) << r.errors;
        EXPECT_EQ(run.exists("TRN_CORD.DAT"), !c.running) << c.reason;
    }
}

}  // namespace
}  // namespace orvtest
