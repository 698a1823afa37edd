#include "generate/gen_pattern.h"

namespace ravlo {

const std::vector<GenPattern>& GenPatterns() {
  static const std::vector<GenPattern> table = [] {
    std::vector<GenPattern> all;
    for (auto family : {GenAddSubPatterns, GenMixedPatterns, GenMulDivPatterns,
                        GenOrderPatterns, GenNumberPatterns}) {
      for (GenPattern& p : family()) all.push_back(p);
    }
    return all;
  }();
  return table;
}

const GenPattern* FindGenPattern(std::string_view id) {
  for (const GenPattern& p : GenPatterns())
    if (p.id == id) return &p;
  return nullptr;
}

}  // namespace ravlo
