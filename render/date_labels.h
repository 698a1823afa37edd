#pragma once
// The date written down the side panel: month and day in red, the weekday in brackets.
#include <string>
#include <string_view>

#include "render/canvas.h"

namespace ravlo {

inline constexpr Color kDateColor = 0x0000FF;      // month and day
inline constexpr Color kSundayColor = 0x0000FF;
inline constexpr Color kSaturdayColor = 0xFF0000;
inline constexpr Color kWeekdayColor = 0x000000;

struct DateLabels {
  std::string month;    // "11", or one full-width digit "５" below 10
  std::string day;
  std::string weekday;  // "(日)" … "(土)"
  Color weekdayColor = kWeekdayColor;
};

// weekday counts from 0 (Sunday) to 6 (Saturday); values outside the table show nothing.
DateLabels dateLabels(int month, int day, int weekday);

// A number 10 or more in ordinary digits, 0 … 9 as the full-width digit.
std::string dateNumberText(int value);

}  // namespace ravlo
