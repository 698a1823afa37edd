#pragma once
// The grade presets: for 小3 to 小6 and 中1, the patterns of that year in the order the
// curriculum teaches them, each with the settings that fit the year.
#include <string_view>
#include <vector>

#include "generate/gen_params.h"

namespace ravlo {

struct GradeItem {
  std::string_view pattern;
  GenOverrides settings;
};

struct GradePreset {
  int grade = 0;           // 3..6 for 小3..小6, 7 for 中1
  std::string_view name;   // "小6"
  std::vector<GradeItem> items;
};

const std::vector<GradePreset>& GradePresets();
const GradePreset* FindGradePreset(int grade);

}  // namespace ravlo
