#pragma once
// A teaching pattern: a named generator of problems in the encoded expression text, with the
// parameters it reads, its defaults, the combinations it refuses and one random draw.
#include <string>
#include <string_view>
#include <vector>

#include "generate/gen_params.h"
#include "generate/gen_rng.h"
#include "generate/problem_judge.h"

namespace ravlo {

struct GenPattern {
  std::string_view id;    // the name on the command line: "add-same"
  std::string_view name;  // the Japanese name for titles and lists
  unsigned takes = 0;     // GenParamBit mask
  GenParams defaults;
  // "" when the parameters can make problems, else why not, for the teacher.
  std::string (*refuse)(const GenParams&) = nullptr;
  // One candidate ("3b2+6b1="), or "" when this draw does not keep the promise; the judge
  // decides what the answer is.
  std::string (*draw)(GenRng&, const GenParams&, ProblemJudge&) = nullptr;
};

// Every pattern, in the order of the curriculum.
const std::vector<GenPattern>& GenPatterns();
const GenPattern* FindGenPattern(std::string_view id);

// The families, each in its own file.
std::vector<GenPattern> GenAddSubPatterns();
std::vector<GenPattern> GenMixedPatterns();
std::vector<GenPattern> GenMulDivPatterns();
std::vector<GenPattern> GenOrderPatterns();
std::vector<GenPattern> GenNumberPatterns();

}  // namespace ravlo
