#include "expr/houtei_solver.h"

#include <cstddef>
#include <vector>

#include "core/text_helpers.h"
#include "expr/houtei_text.h"
#include "expr/inp_check.h"
#include "expr/siki_alphabet.h"
#include "expr/text_edit.h"
#include "expr/x_linear_check.h"

namespace ravlo {

using houtei::hasAnyOf;
using houtei::isPlainNumber;
using houtei::joinSigned;
using houtei::signedBody;
using houtei::SignedBody;
using houtei::splitTerms;
using text_edit::contains;

namespace {

// What may stand in a question the solver takes: the expression alphabet without the
// other variables, the cut-off decimal mark and the line's answer parts.
constexpr std::string_view kQuestionChars = "0123456789bk.@pm+-*/^!PC()[]KBx<>=:";

bool isZeroValue(const Bunsuu64& v) {
  return v.valid() && (v.sign == 0 || (v.integer == 0 && v.numerator == 0));
}

bool isInequality(int rel) { return rel >= kRelLess && rel <= kRelGreaterEqual; }

int turnedRound(int rel) {
  switch (rel) {
    case kRelLess: return kRelGreater;
    case kRelGreater: return kRelLess;
    case kRelLessEqual: return kRelGreaterEqual;
    case kRelGreaterEqual: return kRelLessEqual;
    default: return rel;
  }
}

}  // namespace

std::string HouteiSolver::refuse(const char* text) {
  HouteiErrMsg = text;
  return kFailText;
}

std::string HouteiSolver::calc(std::string_view text) {
  std::string r = evaluator_.SikiCalc(text, 0, 0);
  if (evaluator_.CalcStatus < 0) return kFailText;
  return r;
}

std::string HouteiSolver::settle(std::string_view text) {
  if (isPlainNumber(text)) return std::string(text);
  return calc(text);
}

std::string HouteiSolver::HouteiSolve(std::string_view expr, int withQuestion) {
  HouteiRel = kRelNone;
  HouteiAns.clear();
  HouteiErrMsg.clear();
  HouteiLeft.clear();
  HouteiRight.clear();

  if (text_edit::countChar(expr, '=') > 1) return refuse(kHouteiManyEqualsText);
  // The question as the checker stores it (a sign typed as "-" becomes "m", "b" inside "[ ]"
  // becomes "B"); a stored question comes back unchanged.
  std::string question;
  const bool readable = readableQuestion(expr, question);
  if (!readable) question = std::string(expr);
  std::string equation = question;
  if (contains(question, ':')) {
    equation = HiToHoutei(question);
    if (equation == kFailText) return refuse(kHouteiBadRatioText);
  }
  if (!HouteiRelSplit(equation))
    return refuse(HouteiRel == kRelNoRightSide ? kHouteiNoRightSideText : kHouteiNoRelationText);
  // The rewriting below assumes a well-formed question with one relation; anything else would
  // come out as a wrong answer rather than a refusal.
  if (!readable || hasAnyOf(HouteiLeft, "<>=") || hasAnyOf(HouteiRight, "<>="))
    return refuse(kHouteiUnsupportedText);

  using Step = std::string (HouteiSolver::*)(std::string_view);
  auto bothSides = [&](Step step) {
    HouteiLeft = (this->*step)(HouteiLeft);
    if (HouteiLeft == kFailText) return false;
    HouteiRight = (this->*step)(HouteiRight);
    return HouteiRight != kFailText;
  };
  if (!bothSides(&HouteiSolver::XSikiBunSeiri) || !bothSides(&HouteiSolver::XSiki1Seiri))
    return kFailText;
  if (!checkLinearSide(HouteiLeft) || !checkLinearSide(HouteiRight)) return kFailText;
  for (Step step : {&HouteiSolver::XKakkoTenkai, &HouteiSolver::XKeisuuSeiri,
                    &HouteiSolver::XKouKeisan, &HouteiSolver::XKeisuuSeiri}) {
    if (!bothSides(step)) return kFailText;
  }

  const std::string moved = XKouIdou(HouteiLeft + "=" + HouteiRight);
  if (moved == kFailText) return kFailText;
  const std::size_t eq = moved.find('=');
  std::string X = XKeisuuGoukei(moved.substr(0, eq));
  if (X == kFailText) return kFailText;
  std::string C = settle(moved.substr(eq + 1));
  if (C == kFailText) return kFailText;

  const std::string v = XKaiKeisan(X, C);
  if (v == kFailText) return kFailText;
  HouteiLeft = X;
  HouteiRight = C;
  // Dividing by a negative coefficient turns the inequality round. The sign is read from the
  // coefficient's value, so a zero written "m0" turns nothing.
  if (numberText_.StrToBun(X.substr(0, X.size() - 2)).sign < 0) HouteiRel = turnedRound(HouteiRel);

  HouteiAns = "x" + std::string(HouteiRelSign[static_cast<std::size_t>(HouteiRel)]) + v;
  if (withQuestion == 1) return std::string(expr) + "&" + HouteiAns;
  return v;
}

std::string HouteiSolver::HiToHoutei(std::string_view expr) {
  const std::size_t colon1 = expr.find(':');
  if (colon1 == std::string_view::npos) return kFailText;
  const std::size_t eq = expr.find('=', colon1 + 1);
  if (eq == std::string_view::npos) return kFailText;
  const std::size_t colon2 = expr.find(':', eq + 1);
  if (colon2 == std::string_view::npos) return kFailText;
  std::string terms[4] = {
      std::string(expr.substr(0, colon1)), std::string(expr.substr(colon1 + 1, eq - colon1 - 1)),
      std::string(expr.substr(eq + 1, colon2 - eq - 1)), std::string(expr.substr(colon2 + 1))};
  for (std::string& t : terms) {
    // A term that holds a relation or an unbalanced bracket is no term of a ratio.
    if (t.empty() || hasAnyOf(t, ":<>=")) return kFailText;
    if (text_edit::countChar(t, '(') != text_edit::countChar(t, ')')) return kFailText;
    t = KakkoHagasi(t, 1);
    if (t.empty()) return kFailText;
    if (OpKind(t).kind != -1) t = "(" + t + ")";
  }
  const std::string& a = terms[0];
  const std::string& b = terms[1];
  const std::string& c = terms[2];
  const std::string& d = terms[3];
  if (contains(a, 'x') || contains(d, 'x')) return a + "*" + d + "=" + b + "*" + c;
  return b + "*" + c + "=" + a + "*" + d;
}

bool HouteiSolver::HouteiRelSplit(std::string_view expr) {
  struct Relation {
    std::string_view text;
    int rel;
  };
  static constexpr Relation kOrder[] = {{"<=", kRelLessEqual},
                                        {">=", kRelGreaterEqual},
                                        {"<", kRelLess},
                                        {">", kRelGreater},
                                        {"=", kRelEqual}};
  for (const Relation& r : kOrder) {
    const std::size_t p = expr.find(r.text);
    if (p == std::string_view::npos) continue;
    HouteiLeft = std::string(expr.substr(0, p));
    HouteiRight = std::string(expr.substr(p + r.text.size()));
    if (HouteiRight.empty()) {
      HouteiRel = kRelNoRightSide;
      return false;
    }
    HouteiRel = r.rel;
    return true;
  }
  HouteiRel = kRelNone;
  return false;
}

bool HouteiSolver::readableQuestion(std::string_view expr, std::string& stored) {
  for (char c : expr)
    if (!contains(kQuestionChars, c)) return false;
  InpCheckState st;
  NullSink quiet;
  if (SikiCheck(st, expr, false, true, true, false, quiet) != 0) return false;
  stored = st.checkedText;
  return true;
}

bool HouteiSolver::checkLinearSide(std::string_view side) {
  switch (checkXLinear(side)) {
    case XLinearFault::None:
      return true;
    case XLinearFault::XInDenominator:
      refuse(kHouteiXDenominatorText);
      return false;
    case XLinearFault::XPowered:
      refuse(kHouteiPowerText);
      return false;
    case XLinearFault::NotLinear:
      refuse(kHouteiNotLinearText);
      return false;
    case XLinearFault::Unsupported:
      break;
  }
  refuse(kHouteiUnsupportedText);
  return false;
}

std::string HouteiSolver::XKouIdou(std::string_view equation) {
  const std::size_t eq = equation.find('=');
  const std::string_view left = equation.substr(0, eq);
  const std::string_view right =
      eq == std::string_view::npos ? std::string_view() : equation.substr(eq + 1);
  std::vector<SignedBody> xTerms;
  std::vector<SignedBody> constants;
  std::vector<SignedBody> movedConstants;
  for (const auto& t : splitTerms(left)) {
    SignedBody s = signedBody(t);
    if (s.body.empty()) continue;
    if (contains(s.body, 'x')) {
      xTerms.push_back(std::move(s));
    } else {
      s.negative = !s.negative;
      movedConstants.push_back(std::move(s));
    }
  }
  for (const auto& t : splitTerms(right)) {
    SignedBody s = signedBody(t);
    if (s.body.empty()) continue;
    if (contains(s.body, 'x')) {
      s.negative = !s.negative;
      xTerms.push_back(std::move(s));
    } else {
      constants.push_back(std::move(s));
    }
  }
  constants.insert(constants.end(), movedConstants.begin(), movedConstants.end());
  const std::string X = XKeisuuSeiri(joinSigned(xTerms));
  if (X == kFailText) return kFailText;
  const std::string C = XKeisuuSeiri(joinSigned(constants));
  if (C == kFailText) return kFailText;
  return X + "=" + C;
}

std::string HouteiSolver::XKeisuuGoukei(std::string_view X) {
  std::vector<SignedBody> coefficients;
  for (const auto& t : splitTerms(X)) {
    SignedBody s = signedBody(t);
    if (s.body.empty()) continue;
    if (s.body.ends_with("*x")) {
      s.body.resize(s.body.size() - 2);
    } else if (s.body == "x") {
      s.body = "1";
    } else if (contains(s.body, 'x')) {
      return refuse(kHouteiUnsupportedText);
    } else {
      s.body = "0";  // the empty x side
    }
    coefficients.push_back(std::move(s));
  }
  std::string joined = joinSigned(coefficients);
  if (joined.starts_with('-')) joined[0] = 'm';
  // Computed whenever it is not one plain number, so that the sign of its value decides
  // whether the relation turns round.
  const std::string k = settle(joined);
  if (k == kFailText) return kFailText;
  return k + "*x";
}

bool HouteiSolver::zeroCoefficientHolds(const Bunsuu64& c) {
  const int sign = isZeroValue(c) ? 0 : c.sign;
  switch (HouteiRel) {
    case kRelLess: return 0 < sign;
    case kRelLessEqual: return 0 <= sign;
    case kRelGreater: return 0 > sign;
    case kRelGreaterEqual: return 0 >= sign;
    default: return sign == 0;
  }
}

std::string HouteiSolver::XKaiKeisan(std::string_view X, std::string_view C) {
  if (X.size() < 2 || !X.ends_with("*x")) return refuse(kHouteiUnsupportedText);
  const std::string k(X.substr(0, X.size() - 2));
  const std::string constant = settle(C);
  if (constant == kFailText) return kFailText;
  const std::string kText = settle(k);
  if (kText == kFailText) return kFailText;
  const Bunsuu64 kv = numberText_.StrToBun(kText);
  const Bunsuu64 cv = numberText_.StrToBun(constant);
  if (!kv.valid() || !cv.valid()) return refuse(kHouteiUnsupportedText);
  if (isZeroValue(kv)) {
    // 0·x rel C holds for every x or for none; an inequality is judged by its direction.
    if (isInequality(HouteiRel)) return zeroCoefficientHolds(cv) ? kHouteiEveryX : kHouteiNoX;
    return isZeroValue(cv) ? kHouteiEveryX : kHouteiNoX;
  }
  std::string v = calc(constant + "/(" + k + ")");
  if (v == kFailText) return kFailText;
  if (contains(v, 'k') && (ANSSYU == 1 || ANSSYU == 2))
    v = BunToStr(BunToKa(numberText_.StrToBun(v), sink_), false);
  return v;
}

}  // namespace ravlo
