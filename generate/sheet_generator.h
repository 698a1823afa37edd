#pragma once
// Worksheets from patterns or a grade preset: one sheet per variant, each with its code
// ("42-07": the seed and the variant) from which the same sheet is made again on any
// platform. A sheet never holds the same problem twice.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generate/gen_params.h"

namespace ravlo {

inline constexpr int kGenCountLimit = 50;  // the notebook's 50 problems
inline constexpr int kGenVariantLimit = 99;

struct GenRequest {
  std::vector<std::string> patterns;  // pattern ids, or
  int grade = 0;                      // a grade preset: 3..6 小3..小6, 7 中1
  int count = 10;                     // problems per sheet
  uint64_t seed = 1;
  int variants = 1;
  int firstVariant = 1;               // the number of the first sheet
  GenOverrides overrides;
};

struct GenSheet {
  std::string code;   // "42-07"
  std::string title;  // what the sheet teaches, and its code
  std::vector<std::string> problems;
};

struct GenResult {
  std::vector<GenSheet> sheets;
  std::string error;  // for the teacher; no sheets then
};

GenResult GenerateSheets(const GenRequest& request);

std::string GenSheetCode(uint64_t seed, int variant);
// "42-07" as seed 42, variant 7; none for any other text.
std::optional<std::pair<uint64_t, int>> ParseGenSheetCode(std::string_view code);

}  // namespace ravlo
