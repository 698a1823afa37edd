#include "render/date_labels.h"

#include <array>

namespace ravlo {
namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"(日)", "(月)", "(火)", "(水)",
                                                       "(木)", "(金)", "(土)"};
constexpr std::array<std::string_view, 10> kFullWidthDigits = {"０", "１", "２", "３", "４",
                                                              "５", "６", "７", "８", "９"};

}  // namespace

std::string dateNumberText(int value) {
  if (value >= 0 && value <= 9) return std::string(kFullWidthDigits[static_cast<std::size_t>(value)]);
  return std::to_string(value);
}

DateLabels dateLabels(int month, int day, int weekday) {
  DateLabels labels;
  labels.month = dateNumberText(month);
  labels.day = dateNumberText(day);
  if (weekday >= 0 && weekday < 7) {
    labels.weekday = std::string(kWeekdays[static_cast<std::size_t>(weekday)]);
  }
  if (weekday == 0) {
    labels.weekdayColor = kSundayColor;
  } else if (weekday == 6) {
    labels.weekdayColor = kSaturdayColor;
  }
  return labels;
}

}  // namespace ravlo
