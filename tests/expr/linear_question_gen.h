#pragma once
// Random linear questions in x as the calculator stores them (integers, fractions, mixed
// numbers, decimals, repeating decimals, brackets, expression fractions, signs), kept small
// enough that no intermediate value of the solver leaves the 64-bit range.
#include <random>
#include <string>

namespace ravlo::solvertest {

class LinearQuestionGen {
 public:
  explicit LinearQuestionGen(unsigned long long seed) : rng_(seed) {}

  // An equation or inequality ("=", "<", "<=", ">", ">=") holding x.
  std::string question();
  // A proportion a:b=c:d with x in one term.
  std::string proportion();
  // A side of the grammar with at most `depth` levels of brackets.
  std::string side(int depth, bool mayStartSigned);

  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }
  std::mt19937_64& rng() { return rng_; }

 private:
  // A positive coefficient literal and whether it ends like a fraction (so that "(" and "x"
  // may follow it directly).
  std::string literal();
  std::string term(int depth, bool first, bool inFraction);
  std::string fractionNumerator();

  std::mt19937_64 rng_;
};

}  // namespace ravlo::solvertest
