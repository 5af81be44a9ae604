#include "geodesy/datstp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

using geodesy::DATSTP;
using geodesy::formatRunDate;
using geodesy::isRunDate;

// Sets ORVANDEL_DATE for one test and restores it afterwards.
class DateEnv {
public:
    explicit DateEnv(const char* value) {
        if (const char* old = std::getenv("ORVANDEL_DATE")) saved_ = old;
        if (value) {
            setenv("ORVANDEL_DATE", value, 1);
        } else {
            unsetenv("ORVANDEL_DATE");
        }
    }
    ~DateEnv() {
        if (saved_) {
            setenv("ORVANDEL_DATE", saved_->c_str(), 1);
        } else {
            unsetenv("ORVANDEL_DATE");
        }
    }

private:
    std::optional<std::string> saved_;
};

TEST(FormatRunDate, ElevenCharacters) {
    EXPECT_EQ(formatRunDate(2026, 12, 17), "17-DEC-2026");
    EXPECT_EQ(formatRunDate(1999, 1, 31), "31-JAN-1999");
}

TEST(FormatRunDate, SingleDigitDaysHaveALeadingZero) { EXPECT_EQ(formatRunDate(2026, 5, 7), "07-MAY-2026"); }

TEST(FormatRunDate, EveryMonthAbbreviation) {
    const char* months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(formatRunDate(2026, m, 1).substr(3, 3), months[m - 1]);
    }
}

TEST(IsRunDate, AcceptsOnlyTheRunDateForm) {
    EXPECT_TRUE(isRunDate("07-DEC-2026"));
    EXPECT_FALSE(isRunDate("7-DEC-2026"));
    EXPECT_FALSE(isRunDate("07-DEC-20266"));
    EXPECT_FALSE(isRunDate("07-XYZ-2026"));
    EXPECT_FALSE(isRunDate("07-dec-2026"));
    EXPECT_FALSE(isRunDate("07/DEC/2026"));
    EXPECT_FALSE(isRunDate("00-DEC-2026"));
    EXPECT_FALSE(isRunDate("AB-DEC-2026"));
    EXPECT_FALSE(isRunDate("07-DEC-20X6"));
    EXPECT_FALSE(isRunDate(""));
}

TEST(DATSTP, FixedThroughTheEnvironment) {
    DateEnv env("17-MAR-2031");
    EXPECT_EQ(DATSTP(), "17-MAR-2031");
}

TEST(DATSTP, InvalidFixedDateFallsBackToToday) {
    DateEnv env("TOMORROW");
    const std::string d = DATSTP();
    EXPECT_TRUE(isRunDate(d)) << d;
    EXPECT_NE(d, "TOMORROW");
}

TEST(DATSTP, WithoutTheVariableGivesTodayInRunDateForm) {
    DateEnv env(nullptr);
    const std::string d = DATSTP();
    EXPECT_EQ(d.size(), 11U);
    EXPECT_TRUE(isRunDate(d)) << d;
}

}  // namespace
