#include "process/conversion_process.h"

#include <string>

#include "core/number_text.h"
#include "core/text_helpers.h"
#include "process/number_form.h"
#include "process/process_engine.h"

namespace ravlo {

namespace {

void entry(std::string& raw, int advice, std::string_view expr, char tag = 'X') {
  appendEntry(raw, advice, tag, expr);
}

// Checked whole-number arithmetic on decimal texts; "n" after the message on overflow.
std::string addText(std::string_view a, std::string_view b, MessageSink& sink) {
  const auto x = parseInt64(a);
  const auto y = parseInt64(b);
  if (!x || !y || !Int64AddCheck(*x, *y, sink)) return kFailText;
  return std::to_string(*x + *y);
}

std::string mulText(std::string_view a, std::string_view b, MessageSink& sink) {
  const auto x = parseInt64(a);
  const auto y = parseInt64(b);
  if (!x || !y) return kFailText;
  if (*x == 0 || *y == 0) return "0";
  if (!Int64MulCheck(*x, *y, sink)) return kFailText;
  return std::to_string(*x * *y);
}

Bunsuu64 magnitude(Bunsuu64 f) {
  if (f.sign < 0) f.sign = 1;
  return f;
}

}  // namespace

ConversionSteps YakuProcDsp(std::string_view line, MessageSink& sink) {
  ConversionSteps out;
  out.type = 9;
  const std::string X = SikiCutAns(line, false);
  if (X.find('b') == std::string::npos) {
    sink.box(kReportCaption, kNotFractionText);
    return out;
  }
  // Only one number can be reduced; "1+4b2" is not a fraction either.
  const Bunsuu64 f = readNumberText(X, sink);
  if (!f.valid()) {
    sink.box(kReportCaption, kNotFractionText);
    return out;
  }
  if (!isReducible(f)) {
    sink.box(kReportCaption, kNoCommonDivisorText);
    return out;
  }
  out.value = BunToStr(BunYaku(f), false);
  entry(out.raw, 56, X);
  entry(out.raw, f.integer != 0 ? 58 : 57, X, 'A');
  entry(out.raw, 59, out.value);
  out.ok = true;
  return out;
}

ConversionSteps SyouSToBunDsp(ProcessEngine& engine, std::string_view line) {
  MessageSink& sink = engine.sink();
  ConversionSteps out;
  out.type = 14;
  std::string X = LastAns(line);
  const std::string bare = KakkoHagasi(X, 1);
  const bool number = isNumberText(bare) && bare.find('b') == std::string::npos;
  const Bunsuu64 read = number ? StrToBun(bare, sink) : kBunInvalid;
  if (!read.valid()) {
    sink.box(kReportCaptionEn, kEnterDecimalText);
    return out;
  }
  X = bare;
  // The repeating decimal itself goes on, not the line: the repeating-decimal steps read the
  // question part, and for a line such as 1b3=0.@3 that would send them straight back here.
  if (X.find('@') != std::string::npos) return JunSToBunDsp(engine, X);
  const Bunsuu64 f = BunToTai(read, sink);
  if (!f.valid()) return out;

  if (X.find('.') != std::string::npos) {
    entry(out.raw, 70, X);
    std::string W = f.integer != 0 ? std::to_string(f.integer) + "k" : "";
    if (X.front() == 'm') {
      W = "m" + W;
      X.erase(0, 1);
    } else if (X.front() == 'p') {
      X.erase(0, 1);
    }
    const std::string digits = X.substr(X.find('.') + 1);
    const std::string G = W + "1" + std::string(digits.size(), '0') + "b" + digits;
    entry(out.raw, 71, G);
    out.value = BunToStr(BunYaku(f), false);
    if (isReducible(f)) {
      entry(out.raw, 72, G, 'A');
      entry(out.raw, 73, out.value);
    } else {
      entry(out.raw, 98, G);
    }
  } else {
    entry(out.raw, 54, X);
    if (X.front() == 'm') out.value = "m1b" + X.substr(1);
    else if (X.front() == 'p') out.value = "1b" + X.substr(1);
    else out.value = "1b" + X;
    entry(out.raw, 55, out.value);
  }
  out.ok = true;
  return out;
}

std::string KaToTaiProc(const Bunsuu64& f, std::string_view currentExpr, int henkanYakubun,
                        MessageSink& sink) {
  if (!f.valid()) return kFailText;
  // The steps work on the magnitude; a negative value keeps its sign in front of each line.
  const bool neg = f.sign < 0;
  auto sg = [neg](const std::string& t) { return neg ? negated(t) : t; };
  Bunsuu64 g = magnitude(f);
  if (g.numerator < g.denominator) {
    sink.box(kGohoukokuCaption, g.integer != 0 ? kAlreadyMixedText : kProperFractionText);
    return kFailText;
  }
  std::string W = g.integer != 0 ? std::to_string(g.integer) : "";
  std::string A(currentExpr);
  std::string raw;
  if (isReducible(g) && (henkanYakubun == 1 || g.numerator % g.denominator == 0)) {
    entry(raw, 1, A);
    entry(raw, 58, A, 'A');
    g = BunYaku(g);
    Bunsuu64 signedG = g;
    if (neg) signedG.sign = -1;
    A = BunToStr(signedG, false);
  }
  std::string Q = std::to_string(g.numerator / g.denominator);
  const std::string R = std::to_string(g.numerator % g.denominator);
  const std::string D = std::to_string(g.denominator);
  const std::string N = std::to_string(g.numerator);
  entry(raw, 43, A);

  if (R == "0") {
    if (!W.empty()) {
      entry(raw, 95, A);
      entry(raw, 53, sg(W + "+1b" + Q));
      entry(raw, 90, sg(W + "+" + Q));
      Q = addText(W, Q, sink);
      if (Q == kFailText) return kFailText;
    }
    entry(raw, 96, sg(Q));
    return raw;
  }

  const bool hasInteger = !W.empty();
  if (hasInteger) {
    entry(raw, 95, A);
    entry(raw, 43, sg(W + "+" + D + "b" + N));
    W += "+";
  }
  entry(raw, 44, sg(W + "[" + D + "B" + D + "*" + Q + "+" + R + "]"));
  entry(raw, 45, sg(W + "[" + D + "B" + D + "*" + Q + "]+" + D + "b" + R));
  const std::string G = D + "b" + D + "*" + Q + "+" + D + "b" + R;
  entry(raw, 90, sg(W + G));
  // The reduction marks of a Y line belong to a plain sum; under a minus sign the line is
  // an ordinary one.
  entry(raw, 97, sg(W + G), neg ? 'X' : 'Y');
  if (hasInteger) {
    entry(raw, 37, sg(W + Q + "+" + D + "b" + R));
    Q = addText(W.substr(0, W.size() - 1), Q, sink);
    if (Q == kFailText) return kFailText;
  }
  entry(raw, 10, sg(Q + "+" + D + "b" + R));
  entry(raw, 47, sg(Q + "k" + D + "b" + R));
  return raw;
}

std::string TaiToKaProc(const Bunsuu64& f, std::string_view currentExpr, int henkanYakubun,
                        MessageSink& sink) {
  if (!f.valid()) return kFailText;
  const bool neg = f.sign < 0;
  auto sg = [neg](const std::string& t) { return neg ? negated(t) : t; };
  Bunsuu64 g = magnitude(f);
  if (g.integer == 0) {
    sink.box(kGohoukokuCaption, kNotMixedText);
    return kFailText;
  }
  std::string A(currentExpr);
  std::string raw;
  if (isReducible(g) && henkanYakubun == 1) {
    entry(raw, 1, A);
    entry(raw, 58, A, 'A');
    g = BunYaku(g);
    Bunsuu64 signedG = g;
    if (neg) signedG.sign = -1;
    A = BunToStr(signedG, false);
  }
  const std::string I = std::to_string(g.integer);
  const std::string D = std::to_string(g.denominator);
  const std::string N = std::to_string(g.numerator);
  entry(raw, 50, A);
  entry(raw, 51, sg(I + "+" + D + "b" + N));
  entry(raw, 52, sg("1b" + I + "+" + D + "b" + N));
  entry(raw, 99, sg("1b" + I + "*" + D + "b" + D + "+" + D + "b" + N));
  entry(raw, 60, sg("[1*" + D + "B" + I + "*" + D + "]+" + D + "b" + N));
  const std::string J = mulText(I, D, sink);
  if (J == kFailText) return kFailText;
  entry(raw, 5, sg(D + "b" + J + "+" + D + "b" + N));
  entry(raw, 35, sg("[" + D + "B" + J + "+" + N + "]"));
  const std::string K = addText(J, N, sink);
  if (K == kFailText) return kFailText;
  entry(raw, 55, sg(D + "b" + K));
  return raw;
}

}  // namespace ravlo
