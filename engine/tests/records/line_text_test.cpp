// Lines built in place at the end of a growing text.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "records/field_writer.h"

namespace records {
namespace {

TEST(LineText, LinesBuiltInPlaceSurviveTheTextGrowing) {
    LineText text;
    LineBuilder line;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string_view kept = text.add(
            line, [&](LineBuilder& l) { l.clear().at(3).integer(i, 6).at(12).fixed(i * 0.25, 10, 2).text(" END"); });
        const std::string one = "  " + std::string(formatInt(i, 6)) + "   " + formatFixed(i * 0.25, 10, 2) + " END";
        EXPECT_EQ(kept, one + '\n');
        expected += one + '\n';
        if (i % 1000 == 0) {
            text.append("PAGE\n");
            expected += "PAGE\n";
        }
    }
    EXPECT_EQ(text.view(), expected);
    EXPECT_EQ(text.size(), expected.size());
    // The builder works on its own buffer again afterwards.
    EXPECT_EQ(line.clear().text("ALONE").view(), "ALONE");
    EXPECT_EQ(text.view(), expected);
    text.clear();
    EXPECT_EQ(text.view(), "");
}

TEST(LineText, AnEmptyTextHasNoStorageAndTakesEmptyText) {
    LineText text;
    text.append("");
    text.append(std::string_view());
    EXPECT_TRUE(text.view().empty());
    EXPECT_EQ(text.size(), 0u);
}

TEST(LineText, ALineThatFailsLeavesNothingBehind) {
    LineText text;
    LineBuilder line;
    text.add(line, [](LineBuilder& l) { l.clear().text("FIRST"); });
    EXPECT_THROW(text.add(line,
                          [](LineBuilder& l) {
                              l.clear().text("HALF");
                              throw std::runtime_error("bad station");
                          }),
                 std::runtime_error);
    // A line too long for a record is refused, as from the builder's own buffer.
    EXPECT_THROW(text.add(line, [](LineBuilder& l) { l.clear().blanks(300); }), std::length_error);
    text.add(line, [](LineBuilder& l) { l.clear().text("SECOND"); });
    EXPECT_EQ(text.view(), "FIRST\nSECOND\n");
    EXPECT_EQ(line.clear().text("OWN").view(), "OWN");
}

}  // namespace
}  // namespace records
