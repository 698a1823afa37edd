#include "tests/expr/linear_question_gen.h"

namespace ravlo::solvertest {

std::string LinearQuestionGen::literal() {
  switch (pick(0, 9)) {
    case 0:
    case 1:
    case 2:
      return std::to_string(pick(1, 12));
    case 3:
    case 4: {
      const int d = pick(2, 9);
      return std::to_string(d) + "b" + std::to_string(pick(1, 2 * d));
    }
    case 5: {
      const int d = pick(2, 7);
      return std::to_string(pick(1, 3)) + "k" + std::to_string(d) + "b" + std::to_string(pick(1, d - 1));
    }
    case 6:
    case 7:
      return std::to_string(pick(0, 4)) + "." + std::to_string(pick(1, 9)) +
             (chance(40) ? std::to_string(pick(0, 9)) + "5" : "");
    case 8:
      return std::to_string(pick(0, 2)) + ".@" + std::to_string(pick(1, 9));
    default:
      return std::to_string(pick(0, 1)) + "." + std::to_string(pick(0, 9)) + "@" +
             std::to_string(pick(1, 9));
  }
}

// Terms inside an expression fraction use only integers and decimals ("k" and "b" mean
// something else there).
std::string LinearQuestionGen::fractionNumerator() {
  std::string s;
  const int n = pick(1, 3);
  for (int i = 0; i < n; ++i) {
    if (i > 0) s += chance(50) ? "+" : "-";
    const std::string num = chance(70) ? std::to_string(pick(1, 9))
                                       : std::to_string(pick(0, 3)) + "." + std::to_string(pick(1, 9));
    switch (pick(0, 3)) {
      case 0: s += num + "x"; break;
      case 1: s += "x"; break;
      case 2: s += num; break;
      default: s += num + "(x" + (chance(50) ? "+" : "-") + std::to_string(pick(1, 5)) + ")"; break;
    }
  }
  return s;
}

std::string LinearQuestionGen::term(int depth, bool first, bool inFraction) {
  const std::string sign = first && chance(25) ? "m" : "";
  const int kind = pick(0, depth > 0 ? 21 : 8);
  switch (kind) {
    case 0:
    case 1:
      return sign + literal() + "x";
    case 2:
      return sign + "x";
    case 3:
    case 4:
      return sign + literal();
    case 5:
      return sign + literal() + "*x";
    case 6:
      return sign + "x" + (chance(50) ? "*" : "/") + std::to_string(pick(1, 9));
    case 7:
      return sign + std::to_string(pick(2, 3)) + "^" + std::to_string(pick(0, 3)) + "*x";
    case 8:
      return sign + "(m" + std::to_string(pick(1, 9)) + ")x";
    case 9:
    case 10:
      return sign + (chance(60) ? literal() : "") + "(" + side(depth - 1, true) + ")";
    case 11:
      return sign + "(" + side(depth - 1, true) + ")/" + std::to_string(pick(1, 9));
    case 12:
      return sign + "(" + std::to_string(pick(1, 5)) + (chance(50) ? "+" : "-") +
             std::to_string(pick(1, 5)) + ")x";
    case 13:
      if (inFraction) return sign + literal() + "x";
      return sign + "[" + (chance(70) ? std::to_string(pick(1, 9)) : std::to_string(pick(1, 4)) + "+1") +
             "B" + fractionNumerator() + "]";
    case 14:
      return sign + std::to_string(pick(1, 4)) + "*(" + side(depth - 1, true) + ")*" +
             std::to_string(pick(1, 3));
    case 15:
      return sign + "(" + std::to_string(pick(1, 3)) + "+1)^2*x";
    case 16:
      return sign + std::to_string(pick(0, 4)) + "!x";
    case 17:
      return sign + std::to_string(pick(2, 5)) + (chance(50) ? "P" : "C") + std::to_string(pick(0, 2)) +
             "*x";
    case 18:
      return sign + "[" + std::to_string(pick(1, 9)) + "B" + std::to_string(pick(1, 9)) + "]x";
    case 19:
      return sign + "[" + std::to_string(pick(1, 3)) + "K" + std::to_string(pick(2, 9)) + "B" +
             std::to_string(pick(1, 9)) + "]";
    case 20:
      return sign + "(" + side(depth - 1, true) + ")*(m" + std::to_string(pick(1, 4)) + ")";
    default:
      return sign + "(" + side(depth - 1, true) + ")/(" + std::to_string(pick(1, 4)) + "+" +
             literal() + ")";
  }
}

std::string LinearQuestionGen::side(int depth, bool mayStartSigned) {
  std::string s;
  const int n = pick(1, 3);
  for (int i = 0; i < n; ++i) {
    if (i > 0) s += chance(55) ? "+" : "-";
    s += term(depth, i == 0 && mayStartSigned, false);
  }
  return s;
}

std::string LinearQuestionGen::question() {
  static constexpr const char* kRelations[] = {"=", "=", "<", "<=", ">", ">="};
  const int depth = chance(10) ? 3 : 2;
  std::string left = side(depth, true);
  std::string right = side(2, true);
  if (left.find('x') == std::string::npos && right.find('x') == std::string::npos) left += "+x";
  return left + kRelations[pick(0, 5)] + right;
}

std::string LinearQuestionGen::proportion() {
  std::string terms[4];
  for (auto& t : terms) t = chance(70) ? literal() : side(1, true);
  const int withX = pick(0, 3);
  terms[withX] = chance(50) ? "x" : side(1, true);
  if (terms[withX].find('x') == std::string::npos) terms[withX] += "+x";
  for (int i = 0; i < 4; ++i)
    if (i != withX) {
      // Constant terms hold no x (a side may have drawn one).
      std::string& t = terms[i];
      if (t.find('x') != std::string::npos) t = literal();
    }
  return terms[0] + ":" + terms[1] + "=" + terms[2] + ":" + terms[3];
}

}  // namespace ravlo::solvertest
