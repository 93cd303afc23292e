#include "engine/ole_date.h"

#include <cmath>
#include <ctime>

namespace korvane {
namespace {

// 1 January 100 and 31 December 9999, the range of the host's date class.
constexpr double kMinDate = -657434.0;
constexpr double kMaxDate = 2958465.999999;
constexpr double kHalfSecond = 0.5 / 86400.0;
// Days from 1 January 1970 to 30 December 1899.
constexpr long kEpochOffset = -25569;

long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int* year, int* month, int* day) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long y = static_cast<long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  *year = static_cast<int>(y + (m <= 2 ? 1 : 0));
  *month = static_cast<int>(m);
  *day = static_cast<int>(d);
}

}  // namespace

bool SplitOleDate(double value, DateFields* out) {
  if (!std::isfinite(value) || value < kMinDate || value > kMaxDate) return false;
  // Round to the nearest second away from day zero, then take the fields; the time of day is
  // the magnitude of the fraction, also for dates before 30 December 1899.
  const double rounded = value + (value > 0.0 ? kHalfSecond : -kHalfSecond);
  const double whole = std::trunc(rounded);
  // The last half second of 31 December 9999 would round into a year the class cannot hold.
  if (whole > std::trunc(kMaxDate) || whole < kMinDate) return false;
  const long days = static_cast<long>(whole);
  long seconds = static_cast<long>(std::fabs(rounded - whole) * 86400.0);
  if (seconds >= 86400) seconds = 86399;
  CivilFromDays(days + kEpochOffset, &out->year, &out->month, &out->day);
  out->hour = static_cast<int>(seconds / 3600);
  out->minute = static_cast<int>(seconds / 60 % 60);
  out->second = static_cast<int>(seconds % 60);
  return true;
}

std::string FormatOleDate(const OleDate& date, const char* format) {
  if (date.status == DateStatus::kNull) return "";
  DateFields f;
  if (date.status != DateStatus::kValid || !SplitOleDate(date.value, &f)) return "Invalid DateTime";
  std::tm tm{};
  tm.tm_year = f.year - 1900;
  tm.tm_mon = f.month - 1;
  tm.tm_mday = f.day;
  tm.tm_hour = f.hour;
  tm.tm_min = f.minute;
  tm.tm_sec = f.second;
  const long days = DaysFromCivil(f.year, static_cast<unsigned>(f.month), static_cast<unsigned>(f.day));
  tm.tm_wday = static_cast<int>(((days % 7) + 11) % 7);  // 1 January 1970 was a Thursday
  tm.tm_yday = static_cast<int>(days - DaysFromCivil(f.year, 1, 1));
  char buffer[256];
  const std::size_t n = std::strftime(buffer, sizeof buffer, format, &tm);
  return std::string(buffer, n);
}

double MakeOleDate(int year, int month, int day, int hour, int minute, int second) {
  const long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                    kEpochOffset;
  const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

bool SameOleDate(const OleDate& a, const OleDate& b) {
  if (a.status != b.status) return false;
  if (a.status == DateStatus::kNull) return true;
  if (a.status != DateStatus::kValid) return false;
  return a.value == b.value;
}

}  // namespace korvane
