#include "tests/expr/question_generator.h"

namespace ravlo::test {

int QuestionGenerator::pick(int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng_);
}

bool QuestionGenerator::chance(int percent) { return pick(1, 100) <= percent; }

std::string QuestionGenerator::question() {
  std::string q = sum(chance(10) ? 3 : pick(0, 2), false);
  // A question is computed only when it has an operator.
  if (q.find_first_of("+-*/^!PC", 1) == std::string::npos) q += "+" + integer();
  return q;
}

std::string QuestionGenerator::sum(int depth, bool inFraction) {
  std::string s;
  bool withSign = chance(25);
  if (withSign) s += chance(70) ? "m" : "p";
  s += product(depth, inFraction, !withSign);
  int more = chance(15) ? 3 : pick(0, 2);
  for (int i = 0; i < more; ++i) {
    s += chance(50) ? "+" : "-";
    withSign = chance(12);  // only the relaxed check allows a sign here
    if (withSign) s += chance(70) ? "m" : "p";
    s += product(depth, inFraction, !withSign);
  }
  return s;
}

std::string QuestionGenerator::product(int depth, bool inFraction, bool maySign) {
  std::string s = powerTerm(depth, inFraction, maySign);
  int more = chance(10) ? 2 : pick(0, 1);
  for (int i = 0; i < more; ++i) {
    s += chance(55) ? "*" : "/";
    bool withSign = chance(8);
    if (withSign) s += "m";
    s += powerTerm(depth, inFraction, !withSign);
  }
  return s;
}

std::string QuestionGenerator::powerTerm(int depth, bool inFraction, bool maySign) {
  bool powerable = false, wholeLike = false;
  std::string s = operand(depth, inFraction, maySign, powerable, wholeLike);
  if (wholeLike && chance(10)) {
    // Factorials of large numbers only say "too large"; keep literal operands small.
    if (s.find_first_not_of("0123456789") == std::string::npos) s = std::to_string(pick(0, 12));
    s += "!";
    powerable = true;
  }
  if (powerable && chance(20)) {
    s += "^" + exponent();
    if (chance(10)) s += "^" + exponent();
  }
  return s;
}

std::string QuestionGenerator::exponent() {
  if (chance(5)) return std::to_string(pick(30, 70));
  if (chance(20)) return "m" + std::to_string(pick(1, 3));
  return std::to_string(pick(0, 4));
}

std::string QuestionGenerator::operand(int depth, bool inFraction, bool maySign,
                                       bool& powerable, bool& wholeLike) {
  int kind = pick(0, 99);
  if (depth > 0 && kind < 20) {
    powerable = true;
    wholeLike = true;
    std::string inner = sum(depth - 1, inFraction);
    std::string sign = maySign && chance(15) ? "m" : "";
    return sign + "(" + inner + ")";
  }
  if (depth > 0 && !inFraction && kind < 28) {
    powerable = true;
    wholeLike = true;
    return (maySign && chance(15) ? "m" : "") + expressionFraction(depth - 1);
  }
  if (kind < 34) {
    powerable = false;
    wholeLike = false;
    int n = pick(0, 12);
    int r = chance(10) ? n + 1 : pick(0, n);
    return std::to_string(n) + (chance(50) ? "P" : "C") + std::to_string(r);
  }
  return number(inFraction, powerable, wholeLike);
}

std::string QuestionGenerator::expressionFraction(int depth) {
  std::string s = "[";
  if (chance(40)) {
    // "K" needs an integer part or a sign before it.
    bool withInteger = chance(80);
    if (!withInteger || chance(30)) s += chance(70) ? "m" : "p";
    if (withInteger) s += std::to_string(pick(0, 9));
    s += "K";
  }
  s += sum(depth, true) + "B" + sum(depth, true) + "]";
  return s;
}

std::string QuestionGenerator::integer() {
  int k = pick(0, 99);
  if (k < 80) return std::to_string(pick(0, 20));
  if (k < 95) return std::to_string(pick(21, 100000));
  if (k < 98) return std::to_string(std::uniform_int_distribution<std::int64_t>(
      1000000000LL, 999999999999999999LL)(rng_));
  if (k < 99 || chance(50)) return "9223372036854775807";
  return "9999999999999999999";  // 19 digits, over the 64-bit range
}

std::string QuestionGenerator::number(bool inFraction, bool& powerable, bool& wholeLike) {
  auto digits = [this](int n) {
    std::string d;
    for (int i = 0; i < n; ++i) d += char('0' + pick(0, 9));
    return d;
  };
  int kind = pick(0, 99);
  powerable = true;
  wholeLike = false;
  if (kind < 40 || (inFraction && kind < 60)) {
    wholeLike = true;
    return integer();
  }
  if (kind < 60) {  // decimal
    int places = chance(5) ? 18 : pick(1, 3);
    return std::to_string(pick(0, 30)) + "." + digits(places);
  }
  if (kind < 72 || inFraction) {  // repeating decimal; in "[ ]" only right after the point
    std::string fixed = inFraction ? "" : digits(pick(0, 2));
    return std::to_string(pick(0, 5)) + "." + fixed + "@" + digits(pick(1, 3));
  }
  // Fractions and mixed numbers need brackets before "^".
  powerable = false;
  std::string den = chance(2) ? "0" : std::to_string(pick(1, 12));
  std::string num = std::to_string(chance(4) ? pick(10000, 100000000) : pick(0, 15));
  std::string frac = den + "b" + num;
  if (kind < 88) return frac;
  return std::to_string(pick(1, 5)) + "k" + frac;
}

std::string QuestionGenerator::alphabetNoise(int maxLength) {
  static constexpr char kAlphabet[] = "0123456789bk.@upm+-*/^!PC()[]KBxyz<>:=&R$%nr_~";
  std::string s;
  int n = pick(0, maxLength);
  for (int i = 0; i < n; ++i) s += kAlphabet[pick(0, int(sizeof(kAlphabet)) - 2)];
  return s;
}

std::string QuestionGenerator::byteNoise(int maxLength) {
  std::string s;
  int n = pick(0, maxLength);
  for (int i = 0; i < n; ++i) s += char(pick(0, 255));
  return s;
}

}  // namespace ravlo::test
