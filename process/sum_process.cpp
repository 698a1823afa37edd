// Sums and differences of fractions, integers, mixed numbers and decimals: the common
// denominator, one denominator for all numerators, and the alternative way that works the
// integer parts and the fraction parts apart.
#include <cstdint>

#include "core/text_helpers.h"
#include "process/proc_text_seiri.h"
#include "process/process_engine.h"
#include "process/sum_terms.h"

namespace ravlo {

namespace {

Bunsuu64 termValue(std::string_view term, MessageSink& sink) {
  NumberParts parts;
  if (!parseNumberParts(term, parts)) return kBunInvalid;
  return StrToBun(parts.canonical(), sink);
}

bool contains(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

// A term over the common denominator: always in fraction form, so that a zero term stays
// a fraction the one-denominator step can read.
std::string fractionTermText(int sign, int64_t integer, int64_t denominator, int64_t numerator) {
  std::string s;
  if (sign < 0) s = "(m";
  if (integer > 0) s += std::to_string(integer) + "k";
  s += std::to_string(denominator) + "b" + std::to_string(numerator);
  if (sign < 0) s += ")";
  return s;
}

// Integers, denominators and numerators written with leading zeros (‹03›, ‹3b05›) as plain
// numbers, so lines joined from their texts stay numbers; decimal places keep their zeros.
std::string withoutLeadingZeros(std::string_view E) {
  std::string out;
  for (std::size_t i = 0; i < E.size();) {
    const bool digit = E[i] >= '0' && E[i] <= '9';
    const bool places = i > 0 && (E[i - 1] == '.' || E[i - 1] == '@');
    if (!digit || places) {
      const std::size_t end = digit ? E.find_first_not_of("0123456789", i) : i + 1;
      out.append(E.substr(i, (end == std::string_view::npos ? E.size() : end) - i));
      i = end == std::string_view::npos ? E.size() : end;
      continue;
    }
    std::size_t end = E.find_first_not_of("0123456789", i);
    if (end == std::string_view::npos) end = E.size();
    std::size_t first = i;
    while (first + 1 < end && E[first] == '0') ++first;
    out.append(E.substr(first, end - first));
    i = end;
  }
  return out;
}

// The type digit of the bracket-removal line: types 1 and 9 none, 2 advice 3, 3 and 4
// advice 6, 5 to 8 advice 8.
constexpr std::string_view kBracketAdviceDigits = "0366888800";

}  // namespace

std::string ProcessEngine::TuubunSiki(std::string_view E) {
  SumSlots& sl = ctx_.sums;
  const int n = KousuuCount(E);
  if (n < 2) return std::string(E);
  const std::vector<SumTerm> terms = splitSum(E);
  ctx_.factors.clear();
  for (const SumTerm& t : terms) {
    const Bunsuu64 v = termValue(t.text, quietSinkOr());
    if (!v.valid()) {
      sl.TuubunHitsuyou = -1;
      return kFailText;
    }
    ctx_.factors.push_back(v);
  }
  sl.TuubunHitsuyou = 0;
  for (std::size_t j = 1; j < ctx_.factors.size(); ++j)
    if (ctx_.factors[j].denominator != ctx_.factors[j - 1].denominator) sl.TuubunHitsuyou = 1;
  if (sl.TuubunHitsuyou == 0) return std::string(E);

  int64_t L = ctx_.factors.front().denominator;
  for (std::size_t j = 1; j < ctx_.factors.size(); ++j) {
    L = Int64Lcm(L, ctx_.factors[j].denominator, sink_);
    if (L < 0) {
      sl.TuubunHitsuyou = -1;
      return kFailText;
    }
  }
  const bool firstNegative = ctx_.factors.front().sign < 0;
  std::string disp = firstNegative ? "m" : "";
  std::string out = firstNegative ? "m" : "";
  for (std::size_t j = 0; j < terms.size(); ++j) {
    const Bunsuu64& v = ctx_.factors[j];
    const int64_t k = L / v.denominator;
    const std::string times = k != 1 ? "*" + std::to_string(k) : "";
    std::string numText = std::to_string(v.numerator) + times;
    const std::string op = terms[j].op ? std::string(1, terms[j].op) : "";
    disp += op + "[" + (v.integer != 0 ? std::to_string(v.integer) + "K" : "") +
            std::to_string(v.denominator) + times + "B" + numText + "]";
    if (contains(numText, '*')) numText = calc(numText);
    const std::optional<int64_t> num = parseInt64(numText);
    if (!num || *num < 0) {
      sl.TuubunHitsuyou = -1;
      return kFailText;
    }
    const int sign = (j == 0 && firstNegative) ? 1 : v.sign;
    out += op + fractionTermText(sign, v.integer, L, *num);
  }
  sl.TuubunDisp = disp;
  return out;
}

std::string ProcessEngine::BunboMatome(std::string_view E, bool bracketNeg) {
  SumSlots& sl = ctx_.sums;
  const std::vector<SumTerm> terms = splitSum(E);
  NumberParts first;
  parseNumberParts(terms.front().text, first);
  // The one denominator. Integers can stand among the terms only when every denominator is 1
  // (fractions that reduced to whole numbers): they are then numerators over 1.
  std::string D = first.denominator;
  for (std::size_t j = 1; D.empty() && j < terms.size(); ++j) {
    NumberParts parts;
    if (parseNumberParts(terms[j].text, parts) && parts.isFraction()) D = parts.denominator;
  }
  if (D.empty()) D = "1";
  std::string c = first.negative ? "m" : "";
  if (!first.negative && !terms.front().text.empty() && terms.front().text[0] == 'p') c = "p";
  std::string P = c + (first.isFraction() ? first.numerator : first.body());
  for (std::size_t j = 1; j < terms.size(); ++j) {
    NumberParts parts;
    parseNumberParts(terms[j].text, parts);
    P += terms[j].op;
    P += parts.isFraction() ? parts.numerator : parts.body();
  }
  sl.MatomeSiki = "[" + D + "B" + P + "]";
  std::string out = sl.MatomeSiki;
  std::string V = calc(P);
  if (!V.empty() && (V[0] == 'm' || V[0] == 'p')) {
    out += "~015X=[" + D + "B" + V + "]";
    c = V.substr(0, 1);
    V.erase(0, 1);
  } else {
    c.clear();
  }
  if (V == "0") {
    sl.MatomeKekka = c + "[" + D + "B" + V + "]";
    out += "=" + sl.MatomeKekka + "=0";
  } else {
    sl.MatomeKekka = c + D + "b" + V;
    out += "=" + sl.MatomeKekka;
  }
  if (bracketNeg && !sl.MatomeKekka.empty() && sl.MatomeKekka[0] == 'm')
    sl.MatomeKekka = "(" + sl.MatomeKekka + ")";
  sl.MatomeTai = V == "0" ? "0" : BunToStr(BunToTai(bun(c + D + "b" + V), sink_), false);
  return out;
}

std::string ProcessEngine::SeisuuBunri(std::string_view E) {
  SumSlots& sl = ctx_.sums;
  sl.SeisuuGroup.clear();
  sl.BunsuuGroup.clear();
  sl.BunriSiki.clear();
  const std::vector<SumTerm> terms = splitSum(E);
  for (std::size_t j = 0; j < terms.size(); ++j) {
    NumberParts parts;
    std::string op;
    std::string body = terms[j].text;
    if (parseNumberParts(terms[j].text, parts)) {
      body = parts.body();
      if (j == 0) op = parts.negative ? "m" : (terms[j].text[0] == 'p' ? "p" : "");
    }
    if (j > 0) op = std::string(1, terms[j].op);
    if (parts.isMixed()) {
      const std::string f = parts.denominator + "b" + parts.numerator;
      sl.SeisuuGroup += op + parts.integer;
      sl.BunsuuGroup += op + f;
      sl.BunriSiki += op + "(" + parts.integer + "+" + f + ")";
    } else if (parts.isFraction()) {
      sl.BunsuuGroup += op + body;
      sl.BunriSiki += op + body;
    } else {
      sl.SeisuuGroup += op + body;
      sl.BunriSiki += op + body;
    }
  }
  for (std::string* g : {&sl.SeisuuGroup, &sl.BunsuuGroup}) {
    if (!g->empty() && g->front() == '+') g->erase(0, 1);
    else if (!g->empty() && g->front() == '-') g->front() = 'm';
  }
  return KakkoTenkai(sl.BunriSiki);
}

std::string ProcessEngine::TaiToKaAll(std::string_view E) {
  std::vector<SumTerm> terms = splitSum(E);
  bool changed = false;
  for (SumTerm& t : terms) {
    const Bunsuu64 v = termValue(t.text, quietSinkOr());
    if (!v.valid() || v.integer == 0) continue;
    const Bunsuu64 improper = BunToKa(v, sink_);
    // Its numerator did not fit: the conversion has said so, and the process stops.
    if (!improper.valid()) return failText();
    t.text = BunToStr(improper, true);
    changed = true;
  }
  return changed ? joinSum(terms) : std::string();
}

std::string ProcessEngine::KaToTaiAll(std::string_view E) {
  std::vector<SumTerm> terms = splitSum(E);
  for (SumTerm& t : terms) {
    const Bunsuu64 v = termValue(t.text, quietSinkOr());
    if (!v.valid() || v.numerator < v.denominator) continue;
    if (v.denominator == 1) {
      // The whole number, integer part included.
      int64_t whole = 0;
      if (__builtin_add_overflow(v.integer, v.numerator, &whole)) continue;
      t.text = (v.sign < 0 ? "m" : "") + std::to_string(whole);
    } else {
      const Bunsuu64 mixed = BunToTai(v, sink_);
      if (!mixed.valid()) return failText();
      t.text = BunToStr(mixed, true);
    }
  }
  std::string result = joinSum(terms);
  return result == E ? std::string() : result;
}

std::string ProcessEngine::SyousuuToBunAll(std::string_view E) {
  static constexpr std::string_view kStops = "+-*/^";
  std::string s(E);
  for (std::size_t dot = s.find('.'); dot != std::string::npos; dot = s.find('.')) {
    std::size_t left = dot;
    while (left > 0 && kStops.find(s[left - 1]) == std::string_view::npos) --left;
    std::size_t right = dot;
    while (right < s.size() && kStops.find(s[right]) == std::string_view::npos) ++right;
    const std::string r = BunToStr(bun(s.substr(left, right - left)), false);
    if (r == kFailText) return kFailText;
    s.replace(left, right - left, r);
  }
  return s;
}

void ProcessEngine::tuubunFailure() {
  ctx_.ProcOK = false;
  sink_.beep();
  sink_.box(kTuubunFailCaption, kTuubunFailText, BoxButtons::Ok);
  fail();
}

void ProcessEngine::appendOutput(std::string_view out) {
  if (out.empty()) return;
  if (out.front() != '~' && out.front() != '=') ctx_.ProcText += '=';
  ctx_.ProcText += out;
}

bool ProcessEngine::commonDenominatorProcedure(std::string E) {
  if (failed_) return false;
  SumSlots& sl = ctx_.sums;
  const std::string T = TuubunSiki(E);
  if (T == kFailText) {
    tuubunFailure();
    return false;
  }
  if (sl.TuubunHitsuyou == 1) {
    entry(3, 'X', E);
    entry(4, 'X', sl.TuubunDisp);
  }
  const std::string C = BunboMatome(T, false);
  if (lastExpression() == T) ctx_.ProcText = ProcTextDropLast(ctx_.ProcText);
  entry(5, 'X', T);
  entry(35, 'X', C);
  std::string A = LastAns(C);
  if (YakubunKazu(A, 0) > 0) {
    entry(1, 'X', A);
    entry(2, 'Y', A);
    A = YakubunSiki(A);
  }
  ProcAnsFinish(A);
  return true;
}

bool ProcessEngine::groupProcedure(std::string E) {
  if (failed_) return false;
  SumSlots& sl = ctx_.sums;
  entry(6, 'X', E);
  if (TuubunSiki(E) == kFailText) {
    tuubunFailure();
    return false;
  }
  const std::string F = SeisuuBunri(E);
  if (question_ != sl.BunriSiki) entry(7, 'X', sl.BunriSiki);
  if (F != sl.BunriSiki) entry(90, 'X', F);

  std::string S;
  if (KousuuCount(sl.SeisuuGroup) < 2) {
    entry(90, 'X', sl.SeisuuGroup + "+(" + sl.BunsuuGroup + ")");
    S = sl.SeisuuGroup;
  } else {
    entry(41, 'X', "(" + sl.SeisuuGroup + ")+(" + sl.BunsuuGroup + ")");
    S = calc(sl.SeisuuGroup);
    if (S == "0") {
      entry(90, 'X', "0+(" + sl.BunsuuGroup + ")");
      entry(90, 'X', sl.BunsuuGroup);
    }
  }
  const bool withInteger = S != "0";
  auto W = [&](const std::string& x) { return withInteger ? S + "+(" + x + ")" : x; };

  const std::string T = TuubunSiki(sl.BunsuuGroup);
  if (T == kFailText) {
    tuubunFailure();
    return false;
  }
  if (T != sl.BunsuuGroup) {
    entry(4, 'X', W(sl.TuubunDisp));
    entry(5, 'X', W(T));
  }
  BunboMatome(T, false);
  entry(35, 'X', W(sl.MatomeSiki));
  entry(withInteger ? 91 : 90, 'X', W(sl.MatomeKekka));

  if (sl.MatomeTai == "0") {
    std::string answer;
    if (!withInteger) {
      entry(30, 'X', sl.MatomeKekka);
      answer = "0";
    } else {
      entry(18, 'X', S + "+0");
      answer = S;
    }
    entry(20, 'X', answer);
    return true;
  }
  std::string A = KakkoTenkai(W(sl.MatomeKekka));
  if (YakubunKazu(A, 0) > 0) {
    entry(1, 'X', A);
    entry(2, 'Y', A);
    A = YakubunSiki(A);
    entry(90, 'X', A);
  }
  if (const std::string K = KaToTaiAll(A); !K.empty()) {
    if (failed_) return false;
    entry(13, 'X', A);
    A = K;
  }
  if (!withInteger) {
    // Finished like every other answer, so the chosen final form holds here too.
    ProcAnsFinish(A);
    return true;
  }
  appendOutput(SeisuuBunriKeisan(KakkoTenkai(A)));
  ProcAnsFinish(lastExpression());
  return true;
}

void ProcessEngine::runSumProcess(std::string E, int T) {
  const ProcessOptions& opt = ctx_.options;
  const bool betsukai = ctx_.BetsukaiMode == 1;
  E = withoutLeadingZeros(E);
  if (contains(E, '(')) {
    const std::string B = KakkoHazusi(kakko_, E, false);
    entry(91, 'X', E);
    entry(kBracketAdviceDigits[static_cast<std::size_t>(T) - 1] - '0', 'X', B);
    E = B;
  }
  if (T == 4) {
    entry(8, 'X', E);
    E = SyousuuToBunAll(E);
    if (E == kFailText) {
      fail();
      return;
    }
  }
  if (YakubunKazu(E, 1) > 0) {
    entry(1, 'X', E);
    entry(2, 'Y', E);
    E = YakubunSiki(E);
  }
  auto improperAll = [&](const std::string& x) {
    std::string g = TaiToKaAll(x);
    return g.empty() ? x : g;
  };
  switch (T) {
    case 1:
      commonDenominatorProcedure(E);
      break;
    case 2:
      if (betsukai && contains(E, 'k')) {
        groupProcedure(E);
      } else {
        entry(38, 'X', E);
        commonDenominatorProcedure(improperAll(E));
      }
      break;
    case 3:
      if (!betsukai) {
        entry(38, 'X', E);
        const std::string G = improperAll(E);
        if (failed_) return;
        ctx_.ProcText += "=" + G;
        appendOutput(SeisuuTuubun(G));
      } else {
        appendOutput(SeisuuBunriKeisan(E));
      }
      ProcAnsFinish(lastExpression());
      break;
    case 4:
    case 7:
    case 8:
      if (!betsukai) {
        entry(74, 'X', E);
        commonDenominatorProcedure(improperAll(E));
      } else {
        entry(75, 'X', E);
        if (contains(E, 'k')) {
          if (std::string K = KaToTaiAll(E); !K.empty()) E = K;
          groupProcedure(E);
        } else {
          commonDenominatorProcedure(improperAll(E));
        }
      }
      break;
    case 5:
      if (!betsukai) {
        appendOutput(SeisuuTuubun(E));
      } else {
        entry(13, 'X', E);
        std::string G = KaToTaiAll(E);
        if (failed_) return;
        if (G.empty()) G = E;
        entry(6, 'X', G);
        appendOutput(SeisuuBunriKeisan(G));
      }
      ProcAnsFinish(lastExpression());
      break;
    case 6: {
      appendOutput(betsukai ? SeisuuBunriKeisan(E) : SeisuuTuubun(E));
      const std::string last = lastExpression();
      if (contains(last, 'k') && opt.PROCLASTANS == 1) {
        entry(40, 'X', last);
        entry(20, 'X', BunToStr(BunToKa(bun(last), sink_), false));
      }
      ProcAnsFinish(lastExpression());
      break;
    }
    default:
      break;
  }
}

}  // namespace ravlo
