#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "records/record_layout.h"

namespace {

struct Sample {
    std::string id = "   ";
    char flag = ' ';
    int count = 0;
    long long serial = 0;
    double value = 0.0;
    int degrees = 0;
};

constexpr auto kSampleLayout = records::layout<Sample>({
    records::textField("id", 2, 4, &Sample::id),
    records::textField("flag", 6, 6, &Sample::flag),
    records::intField("count", 7, 9, &Sample::count),
    records::intField("serial", 10, 17, &Sample::serial),
    records::realField("value", 20, 28, 3, &Sample::value),
    records::realField("degrees", 29, 32, 1, &Sample::degrees),
});

TEST(RecordLayout, WritesEachFieldInItsColumnsWithBlankGaps) {
    Sample s;
    s.id = "AB";
    s.flag = 'F';
    s.count = 42;
    s.serial = 12345678901LL;
    s.value = -1.2345;
    s.degrees = 45;
    // Text right-aligned, numbers too wide for their field as asterisks.
    EXPECT_EQ(records::writeRecord<kSampleLayout>(s), "  AB F 42********     -1.23445.0");
}

TEST(RecordLayout, ReadsBackWhatItWrites) {
    Sample s;
    s.id = "XYZ";
    s.flag = 'M';
    s.count = -7;
    s.serial = 1234;
    s.value = 98765.432;
    s.degrees = -6;
    records::LineBuilder line;
    const std::string text(records::writeRecord<kSampleLayout>(line, s));
    Sample back;
    records::readRecord<kSampleLayout>(text, back);
    EXPECT_EQ(back.id, "XYZ");
    EXPECT_EQ(back.flag, 'M');
    EXPECT_EQ(back.count, -7);
    EXPECT_EQ(back.serial, 1234);
    EXPECT_EQ(back.value, 98765.432);
    EXPECT_EQ(back.degrees, -6);
}

TEST(RecordLayout, RealOverAnIntegerReadsTheIntegerPart) {
    Sample s;
    records::readRecord<kSampleLayout>(std::string(28, ' ') + "45.9", s);
    EXPECT_EQ(s.degrees, 45);
    records::readRecord<kSampleLayout>(std::string(28, ' ') + "1e30", s);
    EXPECT_EQ(s.degrees, 0);
}

TEST(RecordLayout, ShortLinesReadAsBlanks) {
    Sample s;
    s.count = 5;
    s.value = 3.0;
    records::readRecord<kSampleLayout>("  AB", s);
    EXPECT_EQ(s.id, " AB");
    EXPECT_EQ(s.flag, ' ');
    EXPECT_EQ(s.count, 0);
    EXPECT_EQ(s.value, 0.0);
}

struct Named {
    std::string name;
    float seconds = 0.0F;
};

constexpr auto kNamedLayout = records::layout<Named>({
    records::textField("name", 1, 4, &Named::name, records::Align::Left),
    records::realField("seconds", 6, 13, 5, &Named::seconds),
});

TEST(RecordLayout, LeftAlignedTextIsPaddedOrCutOnTheRight) {
    EXPECT_EQ(records::writeRecord<kNamedLayout>(Named{"AB", 1.5F}), "AB    1.50000");
    EXPECT_EQ(records::writeRecord<kNamedLayout>(Named{"ABCDEF", 0.0F}), "ABCD  0.00000");
}

TEST(RecordLayout, SinglePrecisionRealsReadAsRecordsReadThem) {
    Named n;
    records::readRecord<kNamedLayout>("STN  1234567", n);
    EXPECT_EQ(n.name, "STN ");
    EXPECT_EQ(n.seconds, 12.34567F);  // implied decimals, rounded to float
    EXPECT_EQ(records::writeRecord<kNamedLayout>(n), "STN  12.34567");
}

struct Wide {
    int count = 0;
};

TEST(RecordLayout, IntegersWrittenAsRealsKeepEveryDigit) {
    static constexpr auto kWide = records::layout<Wide>({records::realField("count", 1, 12, 1, &Wide::count)});
    EXPECT_EQ(records::writeRecord<kWide>(Wide{16777217}), "  16777217.0");
}

// Tables built field by field, past the check that layout() makes.
TEST(RecordLayout, TablesThatOverlapOrLeaveColumnOrderAreRefused) {
    using records::Field;
    auto id = records::textField("id", 2, 4, &Sample::id);
    auto count = records::intField("count", 4, 6, &Sample::count);  // overlaps id
    auto value = records::realField("value", 7, 10, 3, &Sample::value);
    EXPECT_TRUE(records::wellFormed(kSampleLayout));
    EXPECT_FALSE(records::wellFormed(std::array<Field<Sample>, 2>{id, count}));
    EXPECT_FALSE(records::wellFormed(std::array<Field<Sample>, 2>{value, id}));
    auto empty = records::intField("count", 5, 4, &Sample::count);
    EXPECT_FALSE(records::wellFormed(std::array<Field<Sample>, 1>{empty}));
    auto noPoint = records::realField("value", 7, 9, 3, &Sample::value);
    EXPECT_FALSE(records::wellFormed(std::array<Field<Sample>, 1>{noPoint}));
    auto twoMembers = id;
    twoMembers.whole = &Sample::count;
    EXPECT_FALSE(records::wellFormed(std::array<Field<Sample>, 1>{twoMembers}));
    auto wrongKind = count;
    wrongKind.edit = records::Edit::A;
    EXPECT_FALSE(records::wellFormed(std::array<Field<Sample>, 1>{wrongKind}));
    EXPECT_THROW(records::layout<Sample>({id, count}), std::logic_error);
}

}  // namespace
