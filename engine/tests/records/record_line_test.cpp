#include "records/record_line.h"

#include <gtest/gtest.h>

#include "records/field_reader.h"
#include "records/field_writer.h"

namespace {

using records::RecordLine;

TEST(RecordLine, PlacesTextAtColumnsWithBlankGaps) {
    RecordLine line;
    line.put(3, "STN1").put(13, "45");
    EXPECT_EQ(line.str(), "  STN1      45");
}

TEST(RecordLine, LaterPutOverwrites) {
    RecordLine line;
    line.put(1, "ABCDEF").put(3, "xy");
    EXPECT_EQ(line.str(), "ABxyEF");
}

TEST(RecordLine, AppendFollowsTheEnd) {
    RecordLine line;
    line.put(2, "A").append("BC");
    EXPECT_EQ(line.str(), " ABC");
}

TEST(RecordLine, WrittenFieldsReadBack) {
    RecordLine line;
    line.put(2, records::formatText("STN1     ", 9))
        .append(records::formatFixed(45.0, 4, 1))
        .append(records::formatFixed(30.0, 4, 1))
        .append(records::formatFixed(12.34567, 8, 5));
    const std::string& s = line.str();
    EXPECT_EQ(records::readText(s, 2, 10), "STN1     ");
    EXPECT_DOUBLE_EQ(records::readReal(s, 11, 14, 1), 45.0);
    EXPECT_DOUBLE_EQ(records::readReal(s, 15, 18, 1), 30.0);
    EXPECT_DOUBLE_EQ(records::readReal(s, 19, 26, 5), 12.34567);
}

}  // namespace
