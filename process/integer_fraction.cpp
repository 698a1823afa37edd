// Two terms, an integer and a fraction or mixed number: by common denominator, or by integer
// part and fraction part with the borrowing of 1 from the integer.
#include <cstdint>
#include <optional>

#include "core/text_helpers.h"
#include "expr/text_edit.h"
#include "process/process_engine.h"
#include "process/sum_terms.h"
#include "process/type_check.h"

namespace ravlo {

namespace {

// Where a two-term sum is cut: the first "+", or when there is none the first binary "-".
std::size_t cutPosition(std::string_view E) {
  const std::size_t plus = E.find('+', 1);
  if (plus != std::string_view::npos) return plus;
  return E.size() > 1 ? E.find('-', 1) : std::string_view::npos;
}

bool contains(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

bool isZeroText(std::string_view s) {
  const std::optional<int64_t> v = parseInt64(s);
  return v && *v == 0;
}

bool isOneText(std::string_view s) {
  const std::optional<int64_t> v = parseInt64(s);
  return v && *v == 1;
}

std::string withoutMinus(std::string_view s) {
  std::string t = KakkoHagasi(s, 1);
  if (!t.empty() && (t[0] == 'm' || t[0] == '-')) t.erase(0, 1);
  return t;
}

}  // namespace

std::string ProcessEngine::SeisuuTuubun(std::string_view E0) {
  const std::string E(E0);
  const std::size_t cut = cutPosition(E);
  if (cut == std::string::npos) return E;
  const std::string L = E.substr(0, cut);
  const std::string R = E.substr(cut + 1);
  const char P = E[cut];
  NumberParts lp, rp;
  if (!parseNumberParts(L, lp) || !parseNumberParts(R, rp)) return E;
  const bool fractionFirst = lp.isFraction();
  const NumberParts& ip = fractionFirst ? rp : lp;
  const NumberParts& fp = fractionFirst ? lp : rp;
  const std::string S = lp.negative ? "m" : "";
  const std::string I = ip.body();
  const std::string f = fp.body();
  const std::string& D = fp.denominator;
  const std::string& N = fp.numerator;
  NullSink quiet;
  const bool noImproper = SikiTypeCheck(E, quiet).improperCount == 0;
  const bool zeroInteger = isZeroText(I);

  std::string out;
  auto add = [&](int advice, const std::string& x) { appendEntry(out, advice, 'X', x); };

  if (P == '+' && S.empty() && noImproper) {
    if (fractionFirst) add(92, E);
    add(10, I + "+" + f);
    // Nothing to join to a zero integer: the fraction is the answer.
    out += "=" + (zeroInteger ? f : I + "k" + f);
    return out;
  }
  if (P == '-' && S == "m" && noImproper) {
    if (fractionFirst) add(92, E);
    add(14, "m" + I + "-" + f);
    add(10, "m(" + I + "+" + f + ")");
    add(20, "m" + (zeroInteger ? f : I + "k" + f));
    return out;
  }

  add(12, E);
  // The expression with one of its terms written anew; the first term keeps its sign.
  auto replaced = [&](bool replaceFirst, const std::string& text) {
    const std::string first = replaceFirst ? S + text : L;
    const std::string second = replaceFirst ? R : text;
    return first + P + second;
  };
  const bool integerFirst = !fractionFirst;
  const Bunsuu64 fv = bun(fp.canonical());
  if (fv.denominator == 0) return out;
  if (fv.numerator % fv.denominator == 0) {
    const std::string q = std::to_string(fv.numerator / fv.denominator);
    add(39, E);
    const std::string G = replaced(!integerFirst, q);
    out += "=" + G;
    add(20, calc(G));
    return out;
  }
  add(11, replaced(integerFirst, "1b" + I + "*" + D + "b" + D));
  // A zero integer has nothing to multiply (and the positive zero 0/1 would fail the product
  // test).
  const std::string J = zeroInteger ? "0" : calc("1b" + I + "*" + D);
  add(5, replaced(integerFirst, D + "b" + J));
  const std::string Num = S + (integerFirst ? J + P + N : N + P + J);
  add(35, "[" + D + "B" + Num + "]");
  const std::string V = calc(Num);
  std::string H;
  if (!V.empty() && V[0] == 'm') {
    add(15, "[" + D + "B" + V + "]");
    H = "m" + D + "b" + V.substr(1);
  } else {
    H = D + "b" + V;
  }
  const Bunsuu64 hv = bun(H);
  if (!hv.valid()) return out;
  if (hv.numerator <= hv.denominator) {
    add(20, H);
  } else {
    add(9, H);
    add(20, BunToStr(BunToTai(hv, sink_), false));
  }
  return out;
}

std::string ProcessEngine::SeisuuBunriKeisan(std::string_view E0) {
  const std::string E = LastAns(E0);
  const std::size_t cut = cutPosition(E);
  if (cut == std::string::npos) return E;
  std::string L = KakkoHagasi(E.substr(0, cut), 1);
  std::string R = E.substr(cut + 1);
  char P = E[cut];
  std::string s;
  if (!L.empty() && (L[0] == 'm' || L[0] == '-')) {
    s = "m";
    L.erase(0, 1);
  } else if (!L.empty() && L[0] == 'p') {
    L.erase(0, 1);
  }

  std::string out;
  bool fromOther = false;
  auto add = [&](int advice, const std::string& x) { appendEntry(out, advice, 'X', x); };
  auto addNew = [&](int advice, const std::string& x) {
    out.clear();
    add(advice, x);
  };
  auto addFirst = [&](int advice, const std::string& x) {
    if (!fromOther) addNew(advice, x);
  };
  auto finish = [&]() -> std::string {
    if (failed_) return E;
    if (!out.empty() && out.back() == '=') out.pop_back();
    return text_edit::replaceAll(out, "=-", "=m");
  };

  std::string I, J, f, U;
  bool rInteger = false;  // R is a mixed number (has an integer part)

  // I - 1 as text; a value that does not read as an integer stops the procedure.
  auto minusOne = [&](const std::string& x) -> std::optional<std::string> {
    const std::optional<int64_t> v = parseInt64(x);
    if (!v || *v <= INT64_MIN + 1) {
      sink_.box(kInt64OverCaption, kInt64OverText, BoxButtons::Ok);
      fail();
      return std::nullopt;
    }
    return std::to_string(*v - 1);
  };

  // I - f with f proper and I at least 1: take 1 from the integer as U.
  auto borrowing = [&]() -> bool {
    const std::string G = U + "-" + f;
    SumSlots& sl = ctx_.sums;
    if (isOneText(I)) {
      addFirst(28, E);
      add(5, G);
      BunboMatome(G, false);
      add(35, sl.MatomeSiki);
      add(20, sl.MatomeKekka);
      return true;
    }
    addFirst(29, E);
    const std::optional<std::string> I2 = minusOne(I);
    if (!I2) return false;
    add(90, "(" + *I2 + "+1)-" + f);
    add(90, *I2 + "+1-" + f);
    add(90, *I2 + "+(1-" + f + ")");
    add(5, *I2 + "+(" + G + ")");
    BunboMatome(G, false);
    add(35, *I2 + "+" + sl.MatomeSiki);
    add(10, *I2 + "+" + sl.MatomeKekka);
    add(20, *I2 + "k" + sl.MatomeKekka);
    return true;
  };

  // -I + f with f proper and I at least 1: -(I - f).
  auto negativeBorrowing = [&]() -> bool {
    const std::string G = U + "-" + f;
    SumSlots& sl = ctx_.sums;
    addFirst(33, E);
    if (isOneText(I)) {
      add(28, "m(1-" + f + ")");
      add(5, "m(" + G + ")");
      BunboMatome(G, false);
      add(34, "m(" + sl.MatomeSiki + ")");
      add(20, "m" + sl.MatomeKekka);
      return true;
    }
    const std::optional<std::string> I2 = minusOne(I);
    if (!I2) return false;
    add(29, "m(" + I + "-" + f + ")");
    add(90, "m(" + *I2 + "+1-" + f + ")");
    add(90, "m(" + *I2 + "+" + G + ")");
    BunboMatome(G, false);
    add(90, "m(" + *I2 + "+" + sl.MatomeSiki + ")");
    add(26, "m(" + *I2 + "+" + sl.MatomeKekka + ")");
    add(20, "m" + *I2 + "k" + sl.MatomeKekka);
    return true;
  };

  auto case2 = [&]() {
    if (isZeroText(I)) {
      addFirst(19, E);
      add(90, "m" + (rInteger ? J + "k" + f : f));
      return;
    }
    addFirst(14, E);
    if (rInteger) {
      add(21, "m(" + I + "+" + J + "k" + f + ")");
      add(22, "m(" + I + "+" + J + "+" + f + ")");
      I = calc(I + "+" + J);
    }
    add(10, "m(" + I + "+" + f + ")");
    add(20, "m" + I + "k" + f);
  };

  // Mixed number minus integer.
  if (contains(L, 'k') && contains(L, 'b') && P == '-' && s.empty()) {
    NumberParts lp;
    if (!parseNumberParts(L, lp) || !lp.isMixed()) return E;
    J = lp.integer;
    f = lp.denominator + "b" + lp.numerator;
    I = R;
    U = lp.denominator + "b" + lp.denominator;
    // Case 5.
    if (isZeroText(I)) {
      addNew(36, E);
      add(20, L);
      return finish();
    }
    addNew(6, E);
    add(37, "(" + J + "+" + f + ")-" + I);
    add(90, J + "+" + f + "-" + I);
    add(90, J + "-" + I + "+" + f);
    add(22, "(" + J + "-" + I + ")+" + f);
    const std::string K = calc(J + "-" + I);
    const std::optional<int64_t> jv = parseInt64(J), iv = parseInt64(I);
    if (!jv || !iv) return E;
    if (*jv == *iv) {
      add(18, "0+" + f);
      add(20, f);
    } else if (*jv < *iv) {
      add(90, K + "+" + f);
      I = withoutMinus(K);
      fromOther = true;
      negativeBorrowing();
    } else {
      add(10, K + "+" + f);
      add(20, K + "k" + f);
    }
    return finish();
  }

  if (contains(L, 'b')) {
    const std::string newSign = P == '-' ? "m" : "";
    const char newOp = s == "m" ? '-' : '+';
    std::swap(L, R);
    s = newSign;
    P = newOp;
    add(92, s + L + P + R);
  }
  I = L;

  const Bunsuu64 rv = bun(R);
  if (rv.denominator == 0) return E;
  if (rv.numerator % rv.denominator == 0) {
    // Case 6: a whole number.
    const std::string G = s + L + P + R;
    add(90, G);
    add(20, calc(G));
    return finish();
  }
  NumberParts rp;
  if (!parseNumberParts(R, rp) || !rp.isFraction()) return E;
  U = rp.denominator + "b" + rp.denominator;
  f = rp.denominator + "b" + rp.numerator;
  if (rp.isMixed()) {
    J = rp.integer;
    rInteger = true;
  }

  if (s.empty() && P == '+') {
    // Case 1.
    if (isZeroText(I)) {
      addNew(18, E);
      if (rInteger)
        out += "=" + J + "k" + f;
      else
        add(20, f);
    } else if (rInteger) {
      addNew(6, E);
      add(90, I + "+(" + J + "+" + f + ")");
      add(90, I + "+" + J + "+" + f);
      add(17, "(" + I + "+" + J + ")+" + f);
      I = calc(I + "+" + J);
      add(10, I + "+" + f);
      add(20, I + "k" + f);
    } else {
      addNew(10, E);
      add(20, I + "k" + f);
    }
  } else if (s == "m" && P == '-') {
    case2();
  } else if (s.empty() && P == '-') {
    // Case 3.
    if (isZeroText(I)) {
      addNew(23, E);
      add(90, "m" + (rInteger ? J + "k" + f : f));
    } else if (rInteger) {
      addNew(6, E);
      add(24, I + "-(" + J + "+" + f + ")");
      add(22, I + "-" + J + "-" + f);
      add(25, "(" + I + "-" + J + ")-" + f);
      const std::optional<int64_t> iv = parseInt64(I), jv = parseInt64(J);
      if (!iv || !jv) return E;
      if (*iv == *jv) {
        add(23, "0-" + f);
        add(20, "m" + f);
      } else if (*jv > *iv) {
        const std::string K = calc(I + "-" + J);
        add(26, K + "-" + f);
        add(27, KakkoHagasi(K, 1) + "-" + f);
        I = withoutMinus(K);
        fromOther = true;
        rInteger = false;
        case2();
      } else {
        I = calc(I + "-" + J);
        add(29, I + "-" + f);
        fromOther = true;
        borrowing();
      }
    } else {
      borrowing();
    }
  } else {
    // Case 4: -I + F.
    if (isZeroText(I)) {
      addNew(31, E);
      out += "=" + R;
    } else if (rInteger) {
      addNew(6, E);
      add(32, "m" + I + "+(" + J + "+" + f + ")");
      add(22, "m" + I + "+" + J + "+" + f);
      add(25, "(m" + I + "+" + J + ")+" + f);
      const std::optional<int64_t> iv = parseInt64(I), jv = parseInt64(J);
      if (!iv || !jv) return E;
      if (*iv == *jv) {
        add(18, "0+" + f);
        add(20, f);
      } else if (*jv > *iv) {
        const std::string K = calc(J + "-" + I);
        add(10, K + "+" + f);
        add(20, K + "k" + f);
      } else {
        const std::string K = calc("m" + I + "+" + J);
        add(0, K + "+" + f);
        I = withoutMinus(K);
        fromOther = true;
        negativeBorrowing();
      }
    } else {
      negativeBorrowing();
    }
  }
  return finish();
}

}  // namespace ravlo
