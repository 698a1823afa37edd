#pragma once
// Random questions in the encoded text, for property tests: integers, fractions, mixed
// numbers, decimals, repeating decimals, signs, brackets, small powers, factorials,
// permutations, combinations and expression fractions. Mostly small numbers, now and then
// large ones so that overflow paths are met too.
#include <cstdint>
#include <random>
#include <string>

namespace ravlo::test {

class QuestionGenerator {
 public:
  explicit QuestionGenerator(std::uint64_t seed) : rng_(seed) {}

  std::string question();
  // A string of characters of the expression alphabet, often ill-formed.
  std::string alphabetNoise(int maxLength);
  // Raw bytes, any value.
  std::string byteNoise(int maxLength);

 private:
  int pick(int lo, int hi);
  bool chance(int percent);
  std::string sum(int depth, bool inFraction);
  std::string product(int depth, bool inFraction, bool maySign);
  std::string powerTerm(int depth, bool inFraction, bool maySign);
  std::string operand(int depth, bool inFraction, bool maySign, bool& powerable,
                      bool& wholeLike);
  std::string expressionFraction(int depth);
  std::string integer();
  std::string number(bool inFraction, bool& powerable, bool& wholeLike);
  std::string exponent();

  std::mt19937_64 rng_;
};

}  // namespace ravlo::test
