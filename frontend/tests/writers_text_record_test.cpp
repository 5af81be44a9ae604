#include <gtest/gtest.h>

#include <string>

#include "writers/program_records.h"
#include "writers/record_layouts.h"
#include "writers/text_record.h"

namespace kartovex {
namespace {

namespace pr = point_records;

// The widest texts the checks let through: identifiers of 8, coordinates
// of 11, SS.SSSSS seconds, two-digit zones.
PointText Widest() {
  PointText p;
  p.code = "04";
  p.id = "ABCDEFGH";
  p.northing = "5000000.123";
  p.easting = "2500000.123";
  p.zone = "20";
  p.latDeg = "45";
  p.latMin = "05";
  p.latSec = "03.20000";
  p.lonDeg = "66";
  p.lonMin = "07";
  p.lonSec = "12.00000";
  p.meridian = "-64.5";
  return p;
}

// A table too narrow for what the front end writes would move every field
// after it, and the program would read them from the wrong columns.
template <class Layout>
void ExpectWidestFit(const Layout& layout, const char* name) {
  const PointText p = Widest();
  const std::string line = WriteTextRecord(layout, p);
  PointText back;
  ReadTextRecord(line, layout, back);
  for (const auto& f : layout) {
    EXPECT_EQ(TrimBlanks(back.*f.text), p.*f.text)
        << name << " field " << f.name << " in: " << line;
  }
}

TEST(TextRecordTest, WidestValidTextsStayInTheirColumns) {
  ExpectWidestFit(pr::kTransformGrid, "TransformGrid");
  ExpectWidestFit(pr::kTransformGeographic, "TransformGeographic");
  ExpectWidestFit(pr::kQuillon27Grid, "Quillon27Grid");
  ExpectWidestFit(pr::kQuillon27Geographic, "Quillon27Geographic");
  ExpectWidestFit(pr::kVesperanGrid, "VesperanGrid");
  ExpectWidestFit(pr::kVesperanUtm, "VesperanUtm");
  ExpectWidestFit(pr::kVesperanGeographic, "VesperanGeographic");
}

struct Pair {
  std::string a, b;
};

constexpr auto kPair = records::layout<Pair>({
    records::textField("a", 1, 4, &Pair::a, records::Align::Left),
    records::textField("b", 6, 9, &Pair::b),
});
constexpr auto kPairLeft = records::layout<Pair>({
    records::textField("a", 1, 4, &Pair::a),
    records::textField("b", 6, 9, &Pair::b, records::Align::Left),
});

TEST(TextRecordTest, ShortTextsAlignLongOnesMoveTheRestRight) {
  EXPECT_EQ(WriteTextRecord(kPair, Pair{"ab", "cd"}), "ab     cd");
  EXPECT_EQ(WriteTextRecord(kPair, Pair{"abcdef", "cd"}), "abcdef  cd");
  EXPECT_EQ(WriteTextRecord(kPair, Pair{"ab", "cdefgh"}), "ab   cdefgh");
  // A left-aligned text is not padded after it, and an empty one writes
  // nothing: the line ends with its last text.
  EXPECT_EQ(WriteTextRecord(kPairLeft, Pair{"ab", "c"}), "  ab c");
  EXPECT_EQ(WriteTextRecord(kPairLeft, Pair{"ab", ""}), "  ab");
  // An empty right-aligned text still fills its columns.
  EXPECT_EQ(WriteTextRecord(kPair, Pair{"ab", ""}), "ab       ");
}

TEST(TextRecordTest, ReadsColumnsAsTheyStand) {
  Pair p{"x", "y"};
  ReadTextRecord("abcd efg", kPair, p);
  EXPECT_EQ(p.a, "abcd");
  EXPECT_EQ(p.b, "efg");  // the line ends inside the field
  ReadTextRecord("ab", kPair, p);
  EXPECT_EQ(p.a, "ab");
  EXPECT_EQ(p.b, "");
  ReadTextRecord(" abcd efgh", kPair, p, 1);
  EXPECT_EQ(p.a, "abcd");
  EXPECT_EQ(p.b, "efgh");
}

// Seconds typed as "12." come out of the checks as seven characters; the
// fields after them keep their columns.
TEST(TextRecordTest, ShortSecondsKeepTheNextFieldsInTheirColumns) {
  GeoFields f{"P1", "45", "05", "12.0000", "66", "07", "12.00000", ""};
  const std::string transform = TransformLlRecord(f);
  EXPECT_EQ(transform.substr(18, 8), "12.0000 ");
  EXPECT_EQ(transform.substr(27, 2), "66");
  EXPECT_EQ(Quillon27LlRecord(f), "450512.0000 660712.00000P1");
  EXPECT_EQ(VesperanLlRecord(f, "").substr(25, 2), "66");
}

}  // namespace
}  // namespace kartovex
