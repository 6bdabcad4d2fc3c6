// The date that names screenshots, read from a calendar the test fixes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/host/clock.h"

namespace {

// Local time is UTC while a test runs, whatever the machine's zone.
class ClockDate : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* zone = std::getenv("TZ");
    if (zone) savedZone_ = zone;
    hadZone_ = zone != nullptr;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    platform::InstallClock({});
    if (hadZone_) {
      setenv("TZ", savedZone_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  static std::string DateAt(int year, int month, int day, int hour) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    const std::time_t when = timegm(&t);
    platform::InstallClock({{}, {}, [when] { return when; }});
    return platform::CurrentDate();
  }

 private:
  std::string savedZone_;
  bool hadZone_ = false;
};

TEST_F(ClockDate, TwoDigitDayEnglishMonthAndFourDigitYearWithSingleSpaces) {
  const struct {
    int year, month, day, hour;
    const char* date;
  } cases[] = {
      {2000, 1, 1, 0, "01 Jan 2000"},   {2024, 2, 29, 12, "29 Feb 2024"}, {2026, 3, 5, 12, "05 Mar 2026"},
      {2031, 4, 10, 6, "10 Apr 2031"},  {2024, 5, 9, 12, "09 May 2024"},  {2024, 6, 30, 12, "30 Jun 2024"},
      {2024, 7, 4, 12, "04 Jul 2024"},  {2024, 8, 15, 12, "15 Aug 2024"}, {2024, 9, 1, 12, "01 Sep 2024"},
      {2024, 10, 20, 12, "20 Oct 2024"}, {2024, 11, 11, 12, "11 Nov 2024"}, {1999, 12, 31, 23, "31 Dec 1999"},
  };
  for (const auto& c : cases) EXPECT_EQ(DateAt(c.year, c.month, c.day, c.hour), c.date);
}

}  // namespace
