#pragma once
// Pieces of generated problems: numbers in the encoded text and the random choices that
// textbook problems are made of (fractions in lowest terms, related denominators).
#include <cstdint>
#include <string>

#include "generate/gen_params.h"
#include "generate/gen_rng.h"
#include "generate/problem_judge.h"

namespace ravlo {

int64_t GenGcd(int64_t a, int64_t b);
int64_t GenLcm(int64_t a, int64_t b);

// "3b2" (two thirds), "1k3b2" (one and two thirds), "4".
std::string GenFrac(int64_t num, int64_t den);
std::string GenMixed(int64_t whole, int64_t num, int64_t den);

// A numerator in 1..den-1 prime to den (den >= 2).
int64_t GenNumerator(GenRng& rng, int64_t den);

// Whether a positive value with common denominator lcd is the answer kind asked for.
bool GenAnswerFits(GenAnswer kind, const GenValue& v, int64_t lcd);
// Whether a property that happened is the one asked for.
bool GenTriFits(GenTri asked, bool happened);

// "+" or "-" as the choice asks.
char GenAddOrSub(GenRng& rng, GenOp op);

// The refusal of a parameter outside [lo, hi], named in Japanese; "" when inside.
std::string GenRangeRefusal(std::string_view what, int value, int lo, int hi);

}  // namespace ravlo
