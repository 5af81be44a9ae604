// Whatever a file holds, no writer, converter or reader may crash or read
// past its text; each only answers true or false.

#include <random>

#include <gtest/gtest.h>

#include "io_test_support.h"
#include "results/write_out_report.h"
#include "results/write_out_text.h"
#include "writers/converters.h"
#include "writers/geographic_writers.h"
#include "writers/grid_writers.h"
#include "writers/utm_writers.h"

namespace kartovex {
namespace {

using iotest::IoTest;

std::string GarbageText(unsigned seed, int lines) {
  static const std::string alphabet = "0123456789.,; \t~*@-+abcXYZ'\"\r\f";
  std::mt19937 rng(seed);
  std::string text;
  for (int i = 0; i < lines; ++i) {
    int length = static_cast<int>(rng() % 160);
    if (rng() % 7 == 0) length = 0;
    for (int j = 0; j < length; ++j) text += alphabet[rng() % alphabet.size()];
    text += (rng() % 3 == 0) ? "\n" : "\r\n";
  }
  return text;
}

class GarbageInputTest : public IoTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(GarbageInputTest, EveryProcedureAnswers) {
  const std::string text = GarbageText(GetParam(), 40);
  Input(text);
  for (const char* name : {"XY_MAP.DAT", "UTM_GHST.DAT", "LL_GHOST.DAT", "QUILLON27.OUT",
                           "QUILLON27.DAT", "TRN_GHST.DAT", "TRN_CORD.DAT", "ORVANDEL.OUT"}) {
    iotest::WriteFile(settings.binDir + name, text);
  }
  run.newFile = settings.binDir + "RUN.NEW";
  iotest::WriteFile(run.newFile, text);
  for (const char* delimiter : {",", " ", ";"}) {
    settings.delimiter = delimiter;
    for (bool extra : {false, true}) {
      settings.extraText = extra;
      settings.displayExtraText = extra;
      settings.utmZone = UtmZone::None;
      for (bool (*writer)(RunContext&) :
           {IntoTransform_EN, IntoQuillon27_EN, IntoVesperan_EN, IntoTransform_XY, IntoQuillon27_XY,
            IntoVesperan_XY, intoTransform_LL, IntoQuillon27_LL, IntoVesperan_LL, IntoLumbrix_LL,
            QUILLON27toLUMBRIX}) {
        (void)writer(ctx);
      }
      (void)Orvandel2Lumbrix(ctx, settings.binDir + "TRN_GHST.DAT", settings.binDir + "input2.dat");
      (void)Vesperan2TransformErr(ctx, settings.binDir + "XY_MAP.DAT",
                                  settings.binDir + "INPUT2.DAT");
      for (const char* mode :
           {"XY_MAP", "UTM_GHOST", "LL_GHOST", "NEW_FILE", "QUILLON27_LL", "QUILLON27_EN",
            "QUILLON27_XY", "TRANSFORM_LL", "TRANSFORM_EN", "TRANSFORM_XY"}) {
        (void)WriteOutText(ctx, mode);
      }
      (void)WriteOutTextTRANSFORM_XY(ctx);
      iotest::WriteFile(run.dataFile, text);
      for (CoordForm form : {CoordForm::EN, CoordForm::XY, CoordForm::LL}) {
        run.fromForm = form;
        run.toForm = form;
        (void)WriteOutReport(ctx);
      }
    }
  }
  SUCCEED();
}

INSTANTIATE_TEST_SUITE_P(Seeds, GarbageInputTest, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
}  // namespace kartovex
