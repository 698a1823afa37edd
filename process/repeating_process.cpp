// Repeating decimal to fraction (type 15).
#include <string>

#include "core/number_text.h"
#include "core/text_helpers.h"
#include "process/conversion_process.h"
#include "process/number_form.h"

namespace ravlo {

namespace {

void entry(std::string& raw, int advice, std::string_view expr, char tag = 'X') {
  appendEntry(raw, advice, tag, expr);
}

bool allChar(std::string_view t, char c) { return t.find_first_not_of(c) == std::string_view::npos; }

bool hasNonZeroDigit(std::string_view t) { return t.find_first_of("123456789") != std::string_view::npos; }

// The parts of an unsigned repeating decimal I.F1@F2.
struct RepeatingParts {
  std::string X;  // the text itself, without sign
  std::size_t g = 0;  // digits between the point and the repeating part
  std::string Z;  // g zeros
  std::string R;  // the repeating digits
  std::string M;  // as many 9s as R has digits
  std::string H;  // the part before the repeating digits, tidied
};

RepeatingParts partsOf(const std::string& X) {
  RepeatingParts p;
  p.X = X;
  const std::size_t dot = X.find('.');
  const std::size_t at = X.find('@');
  p.g = at - dot - 1;
  p.Z = std::string(p.g, '0');
  p.R = X.substr(at + 1);
  p.M = std::string(p.R.size(), '9');
  p.H = X.substr(0, at);
  if (p.g > 0 && allChar(X.substr(dot + 1, p.g), '0')) p.H = X.substr(0, dot);
  else if (p.g == 0) p.H.pop_back();  // the final "."
  return p;
}

// No non-zero digit before the period: 0.00..0 followed by the repeating digits.
void wayB(const RepeatingParts& p, bool neg, std::string& raw) {
  auto sg = [neg](const std::string& t) { return neg ? negated(t) : t; };
  const std::string shown = neg ? "m" + p.X : p.X;
  std::string Q;
  const bool unitPeriod = allChar(p.R.substr(0, p.R.size() - 1), '0') && p.R.back() == '1';
  if (p.g > 0) {
    const std::string T = "*1" + p.Z + "b1";
    entry(raw, 76, shown);
    entry(raw, 86, sg("0.@" + p.R + T));
    if (!unitPeriod) {
      entry(raw, 78, sg(p.M + "b" + p.R + T));
      Q = p.M + p.Z + "b" + p.R;
    } else {
      entry(raw, 79, sg(p.M + "b1" + T));
      Q = p.M + p.Z + "b1";
    }
    entry(raw, 79, sg(Q));
  } else if (!unitPeriod) {
    entry(raw, 87, shown);
    const std::string K = removeLeadingRun(p.R, '0');
    entry(raw, 86, sg("0.@" + std::string(p.M.size() - 1, '0') + "1*" + K));
    entry(raw, 89, sg(p.M + "b1*" + K));
    Q = p.M + "b" + K;
  } else {
    entry(raw, 86, shown);
    entry(raw, 79, sg(p.M + "b1"));
    Q = p.M + "b1";
  }
  NullSink quiet;
  const Bunsuu64 q = StrToBun(Q, quiet);
  std::string O = Q;
  if (isReducible(q)) {
    entry(raw, 72, sg(Q));
    entry(raw, 2, sg(Q), 'A');
    O = BunToStr(BunYaku(q), false);
  }
  entry(raw, 73, sg(O));
}

}  // namespace

ConversionSteps JunSToBunDsp(ProcessContext& ctx, std::string_view line, MessageSink& sink) {
  ConversionSteps out;
  out.type = 15;
  const std::string question = KakkoHagasi(SikiCutAns(line, false), 1);
  const Bunsuu64 f = readNumberText(question, sink);
  if (!f.valid()) {
    sink.box(kReportCaptionEn, kToFractionFailedText);
    return out;
  }
  if (question.find('@') == std::string::npos) return SyouSToBunDsp(ctx, line, sink);

  const bool neg = question.front() == 'm';
  std::string X = question;
  if (X.front() == 'm' || X.front() == 'p') X.erase(0, 1);
  const std::string period = X.substr(X.find('@') + 1);
  if (allChar(period, '0')) {
    // A period of zeros repeats nothing: the number is the terminating decimal before it.
    std::string cut = question.substr(0, question.find('@'));
    if (cut.back() == '.') cut += '0';
    return SyouSToBunDsp(ctx, cut, sink);
  }
  const RepeatingParts p = partsOf(X);
  out.value = BunToStr(BunYaku(BunToTai(f, sink)), false);
  if (!hasNonZeroDigit(p.H)) {
    wayB(p, neg, out.raw);
  } else {
    return out;  // the common-denominator way comes with the sum procedures
  }
  out.ok = true;
  return out;
}

}  // namespace ravlo
