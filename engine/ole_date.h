#ifndef KORVANE_ENGINE_OLE_DATE_H
#define KORVANE_ENGINE_OLE_DATE_H

// The host's date value: days since 30 December 1899 (the fraction is the time of day) and a
// status. Formatting follows the host's date class.

#include <string>

namespace korvane {

enum class DateStatus : int { kValid = 0, kInvalid = 1, kNull = 2 };

struct OleDate {
  double value = 0.0;
  DateStatus status = DateStatus::kValid;
};

struct DateFields {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The value rounded to the nearest second, split into its fields; false when it lies outside the
// years 100 to 9999 or is not a number.
bool SplitOleDate(double value, DateFields* out);

// Formats with strftime codes ("%Y-%m-%d %H%M"): "Invalid DateTime" for an invalid or
// unrepresentable date, "" for a null one.
std::string FormatOleDate(const OleDate& date, const char* format);

// The value of a calendar date and time; the inverse of SplitOleDate for valid fields.
double MakeOleDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Equal statuses and, for valid dates, equal values; two null dates are equal, two invalid ones
// never are.
bool SameOleDate(const OleDate& a, const OleDate& b);

}  // namespace korvane

#endif  // KORVANE_ENGINE_OLE_DATE_H
