// Repeating decimal to fraction (type 15).
#include <string>

#include "core/number_text.h"
#include "core/text_helpers.h"
#include "process/conversion_process.h"
#include "process/number_form.h"
#include "process/process_engine.h"

namespace ravlo {

namespace {

bool allChar(std::string_view t, char c) {
  return t.find_first_not_of(c) == std::string_view::npos;
}

bool hasNonZeroDigit(std::string_view t) {
  return t.find_first_of("123456789") != std::string_view::npos;
}

// The parts of an unsigned repeating decimal I.F1@F2.
struct RepeatingParts {
  std::string X;      // the text itself, without sign
  std::size_t g = 0;  // digits between the point and the repeating part
  std::string Z;      // g zeros
  std::string R;      // the repeating digits
  std::string M;      // as many 9s as R has digits
  std::string H;      // the part before the repeating digits, tidied
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

// Writes the steps of the magnitude; under a minus sign every line after the question is
// written as minus that line, and the reduction picture of a sum becomes an ordinary line.
class StepWriter {
 public:
  StepWriter(std::string& raw, bool neg) : raw_(raw), neg_(neg) {}
  void operator()(int advice, const std::string& expr, char tag = 'X') {
    if (neg_) {
      const std::string t = negated(expr);
      if (tag != 'X' && t.rfind("m(", 0) == 0) tag = 'X';
      appendEntry(raw_, advice, tag, t);
    } else {
      appendEntry(raw_, advice, tag, expr);
    }
  }
  void question(int advice, const std::string& X) {
    appendEntry(raw_, advice, 'X', neg_ ? "m" + X : X);
  }

 private:
  std::string& raw_;
  bool neg_;
};

// No non-zero digit before the period: 0.00..0 followed by the repeating digits.
void wayB(const RepeatingParts& p, StepWriter& entry) {
  std::string Q;
  const bool unitPeriod = allChar(p.R.substr(0, p.R.size() - 1), '0') && p.R.back() == '1';
  if (p.g > 0) {
    const std::string T = "*1" + p.Z + "b1";
    entry.question(76, p.X);
    entry(86, "0.@" + p.R + T);
    if (!unitPeriod) {
      entry(78, p.M + "b" + p.R + T);
      Q = p.M + p.Z + "b" + p.R;
    } else {
      entry(79, p.M + "b1" + T);
      Q = p.M + p.Z + "b1";
    }
    entry(79, Q);
  } else if (!unitPeriod) {
    entry.question(87, p.X);
    const std::string K = removeLeadingRun(p.R, '0');
    entry(86, "0.@" + std::string(p.M.size() - 1, '0') + "1*" + K);
    entry(89, p.M + "b1*" + K);
    Q = p.M + "b" + K;
  } else {
    entry.question(86, p.X);
    entry(79, p.M + "b1");
    Q = p.M + "b1";
  }
  NullSink quiet;
  const Bunsuu64 q = StrToBun(Q, quiet);
  std::string O = Q;
  if (isReducible(q)) {
    entry(72, Q);
    entry(2, Q, 'A');
    O = BunToStr(BunYaku(q), false);
  }
  entry(73, O);
}

// A non-zero part before the period: split it off, write both parts as fractions and add
// them over a common denominator. False after the common-denominator failure.
bool wayA(ProcessEngine& engine, RepeatingParts p, int64_t integer, StepWriter& entry) {
  entry.question(80, p.X);
  entry(81, p.H + "+0." + p.Z + "@" + p.R);
  const std::string I = std::to_string(integer);
  std::string S = integer != 0 ? I + "+" : "";
  std::string P = integer != 0 ? I + "k" : "";
  std::string H = p.H;
  if (p.g > 0) {
    if (integer != 0) {
      const std::size_t dot = H.find('.');
      H = "0." + (dot == std::string::npos ? std::string() : H.substr(dot + 1));
    }
    if (H == "0.") {
      H.clear();
      P = S;
    } else {
      NullSink quiet;
      H = BunToStr(StrToBun(H, quiet), false) + "+";
    }
  } else {
    H.clear();
    P = S;
  }
  entry(82, P + H + "0." + p.Z + "@" + p.R);
  std::string Q;
  if (p.g > 0) {
    const std::string T = "*1" + p.Z + "b1";
    entry(77, P + H + "0.@" + p.R + T);
    entry(78, P + H + p.M + "b" + p.R + T);
    Q = p.M + p.Z + "b" + p.R;
  } else {
    Q = p.M + "b" + p.R;
  }
  std::string O = H + Q;
  entry(84, P + O);

  std::string L;
  if (p.g == 0 || H.empty()) {
    entry(78, S + O);
    L = O;
  } else {
    if (!S.empty()) entry(90, S + O);
    const std::string C = engine.TuubunSiki(O);
    if (C == kFailText) {
      engine.sink().beep();
      engine.sink().box(kReportCaption, kTuubunFailedText);
      return false;
    }
    if (engine.context().sums.TuubunHitsuyou == 1) {
      entry(4, S + engine.context().sums.TuubunDisp);
      entry(5, S + C);
    } else {
      // The integer part stays in front here too; without it the line would not be equal.
      entry(0, S + C);
    }
    L = engine.BunboMatome(C, false);
    if (L == kFailText || engine.failed()) return false;
    entry(35, S + L.substr(0, L.find('=')));
    L = L.substr(L.rfind('=') + 1);
    entry(35, S + L);
  }
  if (engine.YakubunKazu(L, 0) > 0) {
    entry(72, S + L);
    entry(2, S + L, 'A');
    O = engine.YakubunSiki(L);
    entry(90, S + O);
  } else {
    O = L;
  }
  if (!S.empty()) S = I + "k";
  entry(73, S + O);
  return true;
}

}  // namespace

ConversionSteps JunSToBunDsp(ProcessEngine& engine, std::string_view line) {
  MessageSink& sink = engine.sink();
  ConversionSteps out;
  out.type = 15;
  const std::string question = KakkoHagasi(SikiCutAns(line, false), 1);
  const Bunsuu64 f = readNumberText(question, sink);
  if (!f.valid()) {
    sink.box(kReportCaptionEn, kToFractionFailedText);
    return out;
  }
  if (question.find('@') == std::string::npos) return SyouSToBunDsp(engine, line);

  const bool neg = question.front() == 'm';
  std::string X = question;
  if (X.front() == 'm' || X.front() == 'p') X.erase(0, 1);
  if (allChar(X.substr(X.find('@') + 1), '0')) {
    // A period of zeros repeats nothing: the number is the terminating decimal before it.
    std::string cut = question.substr(0, question.find('@'));
    if (cut.back() == '.') cut += '0';
    return SyouSToBunDsp(engine, cut);
  }
  const Bunsuu64 tai = BunToTai(f, sink);
  if (!tai.valid()) return out;
  out.value = BunToStr(BunYaku(tai), false);
  const RepeatingParts p = partsOf(X);
  StepWriter entry(out.raw, neg);
  if (hasNonZeroDigit(p.H)) {
    // The integer part as written: 0.9@9 is 1 in value, but its lines split off the 0.
    const auto written = parseInt64(X.substr(0, X.find('.')));
    if (!written) return out;
    if (!wayA(engine, p, *written, entry)) return out;
  } else {
    wayB(p, entry);
  }
  out.ok = true;
  return out;
}

}  // namespace ravlo
