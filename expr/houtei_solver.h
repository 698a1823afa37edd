#pragma once
// The solver for linear equations, inequalities and proportions in the unknown x. Like the
// evaluator it rewrites text: each side becomes a sum of terms, coefficients are computed by
// the evaluator, x terms go left and constants right, and the answer is the constant side
// divided by the x coefficient (the inequality turned round when that coefficient is
// negative). Results that callers read right after a call are public members.
#include <array>
#include <string>
#include <string_view>

#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/evaluator.h"

namespace ravlo {

// The caption under which callers show HouteiErrMsg.
inline constexpr const char* kHouteiCaption = "ご報告!!";

// The solver's refusals.
inline constexpr const char* kHouteiManyEqualsText = "式形が不正( ＝ が複数ある)！";
inline constexpr const char* kHouteiBadRatioText = "比例式として不正な形です！";
inline constexpr const char* kHouteiNoRelationText = "等号も不等号がない。うえーん！";
inline constexpr const char* kHouteiNoRightSideText = "右辺がない。うえーん！";
inline constexpr const char* kHouteiFractionText = "式分数のエラー";
inline constexpr const char* kHouteiFractionXDenominatorText = "分母に ｘ がある式は､対象外です。";
inline constexpr const char* kHouteiFractionZeroText = "式分数のエラー：分母＝０";
inline constexpr const char* kHouteiUnsupportedText = "扱えない式です。";
inline constexpr const char* kHouteiPowerText =
    "ｘの一次式しか計算できません。\n\n(ｘの１乗の表記も不可。)";
inline constexpr const char* kHouteiXDenominatorText = "分母にｘのある式は扱えません。";
inline constexpr const char* kHouteiNotLinearText = "ｘの一次式しか計算できません。\n\nめんご！";

inline constexpr std::array<const char*, 11> kHouteiRefusalTexts = {
    kHouteiManyEqualsText,    kHouteiBadRatioText,
    kHouteiNoRelationText,    kHouteiNoRightSideText,
    kHouteiFractionText,      kHouteiFractionXDenominatorText,
    kHouteiFractionZeroText,  kHouteiUnsupportedText,
    kHouteiPowerText,         kHouteiXDenominatorText,
    kHouteiNotLinearText,
};

// Relation kinds (HouteiRel).
inline constexpr int kRelEqual = 0;
inline constexpr int kRelLess = 1;
inline constexpr int kRelLessEqual = 2;
inline constexpr int kRelGreater = 3;
inline constexpr int kRelGreaterEqual = 4;
inline constexpr int kRelNone = -1;
inline constexpr int kRelNoRightSide = -2;

// The relation signs written in answers, indexed by HouteiRel.
inline constexpr std::array<std::string_view, 5> HouteiRelSign = {"＝", "＜", "≦", "＞", "≧"};

// The answer words for a zero x coefficient.
inline constexpr const char* kHouteiEveryX = "(不定)";
inline constexpr const char* kHouteiNoX = "(不能)";

// Rewrites that give every variable an explicit coefficient and multiplication sign, applied
// one pair after the other in this order.
struct XHenkanPair {
  std::string_view from;
  std::string_view to;
};
extern const std::array<XHenkanPair, 24> XHenkanHyou;

class HouteiSolver {
 public:
  HouteiSolver(MessageSink& sink, Evaluator& evaluator, NumberText& numberText,
               BunsuuHContext& bunsuuH)
      : sink_(sink), evaluator_(evaluator), numberText_(numberText), bunsuuH_(bunsuuH) {}

  // The setting ANSSYU: 1 or 2 write a mixed-number answer as an improper fraction.
  int ANSSYU = 0;

  // Results of the last HouteiSolve.
  int HouteiRel = kRelNone;  // kRelEqual .. kRelGreaterEqual; kRelNone, kRelNoRightSide
  std::string HouteiAns;     // "x" + relation sign + value
  std::string HouteiErrMsg;  // the last refusal; "" when the evaluator reported the failure
  // The two sides while solving; at the end the x side ‹c*x› and the constant side.
  std::string HouteiLeft;
  std::string HouteiRight;

  // The value (‹3b2›, "(不定)", "(不能)") or "n"; with withQuestion 1, expr + "&" + HouteiAns.
  std::string HouteiSolve(std::string_view expr, int withQuestion);

  // ‹a:b=c:d› as ‹a*d=b*c› (the side holding x first), or "n".
  std::string HiToHoutei(std::string_view expr);
  // Splits at the relation into HouteiLeft and HouteiRight and sets HouteiRel; false (with
  // HouteiRel kRelNone or kRelNoRightSide) when there is no relation or no right side.
  bool HouteiRelSplit(std::string_view expr);

  // The steps applied to each side; "n" (after a refusal or an evaluator failure) ends the
  // solve.
  std::string XSikiBunSeiri(std::string_view side);
  std::string XSiki1Seiri(std::string_view side);
  std::string XKakkoTenkai(std::string_view side);
  std::string XKeisuuSeiri(std::string_view side);
  std::string XKouKeisan(std::string_view side);

  // ‹left=right› as ‹X=C›: the x terms on the left, the constants on the right.
  std::string XKouIdou(std::string_view equation);
  // The x terms as one ‹coefficient*x›.
  std::string XKeisuuGoukei(std::string_view X);
  // The value of x from ‹k*x› and C.
  std::string XKaiKeisan(std::string_view X, std::string_view C);

 private:
  std::string refuse(const char* text);
  // The evaluator's proper/mixed value of a text; "n" after the evaluator's own message.
  std::string calc(std::string_view text);
  // A text that is not one plain number, computed; "n" on failure.
  std::string settle(std::string_view text);
  // Whether the input checker accepts the question; stored receives its checked form.
  bool readableQuestion(std::string_view expr, std::string& stored);
  bool checkLinearSide(std::string_view side);
  std::string settleSpecialOperators(std::string_view side);
  std::string replaceFreeBracket(std::string_view content, char negOpen, char negClose);
  // Whether 0 (relation) C holds.
  bool zeroCoefficientHolds(const Bunsuu64& C);

  MessageSink& sink_;
  Evaluator& evaluator_;
  NumberText& numberText_;
  BunsuuHContext& bunsuuH_;
};

}  // namespace ravlo
