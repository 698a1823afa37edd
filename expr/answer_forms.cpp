// Writing the evaluator's result as the answer chain, and the ratio simplification.
#include "expr/answer_forms.h"

#include <string>
#include <vector>

#include "core/text_helpers.h"
#include "expr/decimal_cut.h"
#include "expr/eval_text.h"
#include "expr/evaluator.h"
#include "expr/single_number.h"
#include "expr/text_edit.h"

namespace ravlo {

using namespace evaltext;

std::string AnsDedupe(std::string_view chain) {
  std::vector<std::string_view> kept;
  size_t from = 0;
  for (;;) {
    const size_t eq = chain.find('=', from);
    const std::string_view piece =
        chain.substr(from, eq == std::string_view::npos ? std::string_view::npos : eq - from);
    if (kept.empty() || piece != kept.back()) kept.push_back(piece);
    if (eq == std::string_view::npos) break;
    from = eq + 1;
  }
  std::string out;
  for (size_t i = 0; i < kept.size(); ++i) {
    if (i > 0) out += '=';
    out.append(kept[i]);
  }
  if (!out.empty() && out.back() == '=') out.pop_back();
  return out;
}

std::string Evaluator::answerChain(std::string_view expr, int ansForms, int withQuestion) {
  int d = ansForms;
  const bool decimal = d >= 4;
  if (decimal) d -= 4;
  const int z = d == 0 ? 0 : (d == 1 ? 1 : 2);

  const Bunsuu64 result = zeroIfNoValue(EvalResult);
  AnsTai = BunToTai(BunYaku(result), sink_);
  // The improper form is always worked out for the callers that keep it, but an overflow
  // in it is reported only when it is to be shown.
  NullSink quiet;
  AnsKa = AnsTai.valid() ? BunToKa(AnsTai, z == 0 ? static_cast<MessageSink&>(quiet) : sink_)
                         : kBunInvalid;
  AnsTaiStr = BunToStr(AnsTai, false);
  AnsKaStr = BunToStr(AnsKa, false);
  if (AnsKa.valid() && AnsKa.denominator == 1 && AnsKaStr != "0") {
    const size_t at = (AnsKaStr[0] == 'm' || AnsKaStr[0] == 'p') ? 1 : 0;
    if (AnsKaStr.compare(at, 2, "1b") == 0) AnsKaStr.erase(at, 2);
  }

  // A form that cannot be written in 64-bit parts is no answer to show.
  if (!AnsTai.valid() || (z != 0 && !AnsKa.valid())) return fail(kCalcNotComputable, expr);

  std::string chain = withQuestion == 1 ? SikiCutAns(expr, false) : std::string();
  SyoAnsOK = 1;
  if (z == 0 || z == 2) {
    chain += "=" + AnsTaiStr;
    if (AnsTaiStr.find('b') == std::string::npos) SyoAnsOK = 0;
  }
  // Only when both forms are shown is an improper form equal to the mixed one left out; with
  // the improper form alone it is the whole answer.
  if ((z == 1 || z == 2) && (z != 2 || AnsKaStr != AnsTaiStr)) {
    chain += "=" + AnsKaStr;
    if (AnsKaStr.find('b') == std::string::npos) SyoAnsOK = 0;
  }
  if (decimal) {
    AnsSyoStr = text_edit::replaceAll(numberText_.BunToSyoStr(AnsTai), "-", "m");
    // A terminating decimal longer than the places shown is cut off as well, and marked so.
    const bool cut =
        numberText_.SyoOwariFlag == 0 ||
        (AnsTai.numerator != 0 && terminatingPlaces(AnsTai.denominator) > int(kShownPlaces));
    if (cut && AnsSyoStr != kFailText) AnsSyoStr = cutDecimal(AnsSyoStr);
    if (SyoAnsOK == 1) chain += "=" + AnsSyoStr;
  }
  chain = AnsDedupe(chain);
  CalcStatus = kCalcOk;
  if (withQuestion == 0 && !chain.empty() && chain[0] == '=') chain.erase(0, 1);
  return chain;
}

bool Evaluator::ratioTermIsZero(const std::string& term) {
  if (KakkoHagasi(term, 0) == "0") return true;
  // "0.0", "m0" or "3b0" are zero too; the ratio has no simpler form then either.
  if (!TanSuuCheck(term)) return false;
  const Bunsuu64 v = numberText_.StrToBun(term);
  return v.valid() && (v.sign == 0 || (v.integer == 0 && v.numerator == 0));
}

std::string Evaluator::HiKantan(std::string_view expr, int withQuestion) {
  const std::string q = SikiCutAns(expr, false);
  const size_t colon = q.find(':');
  if (colon == std::string::npos) return kFailText;

  auto computeTerm = [this](std::string term, std::string& out) {
    if (hasAny(term, "/*-+^")) {
      term = SikiCalc(term, 1, 0);
      if (CalcStatus < 0) return false;
    }
    out = term;
    return true;
  };
  std::string left, right;
  if (!computeTerm(q.substr(0, colon), left)) return kFailText;
  if (ratioTermIsZero(left)) {
    sink_.box(kRatioCaption, kRatioFrontZeroText, BoxButtons::Ok, BoxIcon::Information);
    return kFailText;
  }
  if (colon + 1 >= q.size()) return kFailText;
  if (!computeTerm(q.substr(colon + 1), right)) return kFailText;
  if (ratioTermIsZero(right)) {
    sink_.box(kRatioCaption, kRatioBackZeroText, BoxButtons::Ok, BoxIcon::Information);
    return kFailText;
  }

  const std::string v = SikiCalc("(" + left + ")/(" + right + ")", 1, 0);
  if (CalcStatus < 0) return kFailText;
  std::string ratio;
  if (const size_t b = v.find('b'); b != std::string::npos) {
    ratio = v.substr(b + 1) + ":" + v.substr(0, b);
  } else {
    ratio = v + ":1";
  }
  if (ratio == q) {
    sink_.box(kRatioCaption, kRatioSimplestText, BoxButtons::Ok, BoxIcon::Information);
    return kFailText;
  }
  return withQuestion == 1 ? q + "=" + ratio : ratio;
}

}  // namespace ravlo
