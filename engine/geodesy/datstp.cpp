#include "geodesy/datstp.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace geodesy {

namespace {

constexpr const char* kMonths = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string formatRunDate(int year, int month, int day) {
    if (month < 1 || month > 12) month = 1;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d-%.3s-%04d", day % 100, kMonths + 3 * (month - 1), year % 10000);
    return buf;
}

bool isRunDate(const std::string& text) {
    if (text.size() != 11 || text[2] != '-' || text[6] != '-') return false;
    if (!isDigit(text[0]) || !isDigit(text[1])) return false;
    const int day = (text[0] - '0') * 10 + (text[1] - '0');
    if (day < 1 || day > 31) return false;
    for (int i = 7; i < 11; ++i) {
        if (!isDigit(text[static_cast<std::size_t>(i)])) return false;
    }
    const std::string month = text.substr(3, 3);
    for (int m = 0; m < 12; ++m) {
        if (month.compare(0, 3, kMonths + 3 * m, 3) == 0) return true;
    }
    return false;
}

std::string DATSTP() {
    if (const char* fixed = std::getenv("ORVANDEL_DATE")) {
        const std::string text(fixed);
        if (isRunDate(text)) return text;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return formatRunDate(1970, 1, 1);
    return formatRunDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace geodesy
