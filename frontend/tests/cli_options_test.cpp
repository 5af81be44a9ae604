// kartovex-cli's command line.

#include <gtest/gtest.h>

#include "cli/cli_options.h"

#include <sstream>

#include "cli/cli_run.h"

namespace kartovex::cli {
namespace {

std::vector<std::string> typical() {
  return {"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "points.txt"};
}

TEST(CliOptions, TypicalRun) {
  ParseResult r = ParseCliArguments(typical());
  ASSERT_TRUE(r.options) << r.error;
  EXPECT_EQ(r.options->fromDatum, Datum::NAD27);
  EXPECT_EQ(r.options->fromForm, CoordForm::LL);
  EXPECT_EQ(r.options->toDatum, Datum::ATS77);
  EXPECT_EQ(r.options->toForm, CoordForm::EN);
  EXPECT_EQ(r.options->input, "points.txt");
  EXPECT_EQ(r.options->report, "");
  EXPECT_FALSE(r.options->data || r.options->accuracy || r.options->french || r.options->yes);
}

TEST(CliOptions, EveryOption) {
  auto args = typical();
  for (const char* a :
       {"--report", "R.REP", "--data", "--accuracy", "--province", "ns", "--mtm-zone", "5",
        "--utm-zone", "20", "--ini", "/etc/k.ini", "--french", "--yes"})
    args.push_back(a);
  ParseResult r = ParseCliArguments(args);
  ASSERT_TRUE(r.options) << r.error;
  const CliOptions& o = *r.options;
  EXPECT_EQ(o.report, "R.REP");
  EXPECT_TRUE(o.data && o.accuracy && o.french && o.yes);
  EXPECT_EQ(o.province, Province::NS);
  EXPECT_EQ(o.mtmZone, MtmZone::Zone5);
  EXPECT_EQ(o.utmZone, UtmZone::Zone20);
  EXPECT_EQ(o.ini, "/etc/k.ini");
}

TEST(CliOptions, DatumsAndForms) {
  Datum d;
  CoordForm f;
  EXPECT_TRUE(ParseDatumForm("NAD83CSRS:XY", d, f));
  EXPECT_EQ(d, Datum::NAD83);
  EXPECT_EQ(f, CoordForm::XY);
  EXPECT_TRUE(ParseDatumForm("nad83_1989:ll", d, f));
  EXPECT_EQ(d, Datum::NAD83_1989);
  EXPECT_TRUE(ParseDatumForm("ATS77:EN", d, f));
  for (const char* bad :
       {"", "ATS77", "ATS77:", ":EN", "NAD83:EN", "ATS77:NE", "ATS77-EN", "WGS84:LL"})
    EXPECT_FALSE(ParseDatumForm(bad, d, f)) << bad;
}

TEST(CliOptions, Errors) {
  struct Case {
    std::vector<std::string> args;
    const char* part;
  };
  const Case cases[] = {
      {{"--to", "ATS77:EN", "--input", "a"}, "--from is required"},
      {{"--from", "NAD27:LL", "--input", "a"}, "--to is required"},
      {{"--from", "NAD27:LL", "--to", "ATS77:EN"}, "--input is required"},
      {{"--from", "NAD83_1989:LL", "--to", "ATS77:EN", "--input", "a"}, "target datum only"},
      {{"--from", "NAD27:QQ", "--to", "ATS77:EN", "--input", "a"}, "invalid --from"},
      {{"--from"}, "--from needs"},
      {{"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "a", "--province", "ON"},
       "invalid --province"},
      {{"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "a", "--mtm-zone", "3"},
       "--mtm-zone needs 4 or 5"},
      {{"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "a", "--utm-zone", "18"},
       "--utm-zone needs"},
      {{"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "a", "--accuracy"},
       "--accuracy needs --report"},
      {{"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "a", "--verbose"},
       "unknown argument '--verbose'"},
      {{"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "a", "--report"}, "--report needs"},
      {{"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "a", "--ini"}, "--ini needs"},
  };
  for (const Case& k : cases) {
    ParseResult r = ParseCliArguments(k.args);
    EXPECT_FALSE(r.options) << k.part;
    EXPECT_NE(r.error.find(k.part), std::string::npos) << r.error;
  }
}

TEST(CliOptions, HelpNeedsNothingElse) {
  for (const char* h : {"--help", "-h"}) {
    ParseResult r = ParseCliArguments({h});
    ASSERT_TRUE(r.options);
    EXPECT_TRUE(r.options->help);
  }
}

TEST(CliOptions, HelpTextNamesEveryOptionAndGivesExamples) {
  std::string help = HelpText("kartovex-cli");
  for (const char* part :
       {"--from DATUM:FORM",
        "--to DATUM:FORM",
        "--input FILE",
        "--report FILE.REP",
        "--data",
        "--accuracy",
        "--province NB|NS|PEI",
        "--mtm-zone 4|5",
        "--utm-zone 19|20|21",
        "--ini FILE",
        "--french",
        "--yes",
        "ATS77",
        "NAD27",
        "NAD83CSRS",
        "NAD83_1989",
        "EN",
        "LL",
        "XY",
        "Examples:",
        "kartovex-cli --from NAD27:LL --to ATS77:EN --input INPUT/NB_LL.TXT --province NB"})
    EXPECT_NE(help.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace kartovex::cli

namespace kartovex::cli {
namespace {

TEST(CliOptions, UsageErrorsInFrenchWithFrench) {
  ParseResult r = ParseCliArguments({"--french", "--from", "NAD27:LL", "--to", "ATS77:EN"});
  EXPECT_FALSE(r.options);
  EXPECT_TRUE(r.french);
  EXPECT_EQ(r.error, "--input est obligatoire");
  // --french counts wherever it stands.
  r = ParseCliArguments({"--province", "QC", "--french"});
  EXPECT_EQ(r.error, "--province non conforme : 'QC' (NB, NS ou PEI)");
  r = ParseCliArguments({"--bogus", "--french"});
  EXPECT_EQ(r.error, "argument inconnu '--bogus' (voir --help)");
  r = ParseCliArguments({"--french", "--from", "XX:LL"});
  EXPECT_EQ(r.error, "valeur de --from non conforme : 'XX:LL' (DATUM:FORME, voir --help)");
  r = ParseCliArguments({"--bogus"});
  EXPECT_FALSE(r.french);
  EXPECT_EQ(r.error, "unknown argument '--bogus' (see --help)");
}

TEST(CliOptions, FrenchUsageErrorOnStandardError) {
  std::ostringstream out, err;
  CliEnvironment env;
  env.out = &out;
  env.err = &err;
  EXPECT_EQ(CliMain({"--french", "--mtm-zone", "7"}, "kartovex-cli", env), kExitUsage);
  EXPECT_EQ(err.str(),
            "kartovex-cli: --mtm-zone demande 4 ou 5\nEssayez « kartovex-cli --help ».\n");
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace kartovex::cli
