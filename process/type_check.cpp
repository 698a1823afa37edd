#include "process/type_check.h"

#include <string>

#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "process/sum_terms.h"

namespace ravlo {

namespace {

struct Counts {
  int decimals = 0;
  int powers = 0;
  bool foreign = false;  // a term that is not one plain number the procedures can read
};

bool isTermOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

int chooseType(const SikiProfile& p, const Counts& c) {
  const int fr = p.mixedCount + p.improperCount + p.properCount;
  const int ints = p.integerCount;
  const int decs = c.decimals;
  if (ints + fr + decs < 2) return 0;
  if (fr == 0 || p.mulCount > 0 || p.divCount > 0 || c.powers > 0) {
    if (p.plusCount > 0 || p.minusCount > 0 || c.powers > 0) return 0;
    if (fr > 0 && ints == 0 && decs == 0 && p.mixedCount == 0) return 10;
    if (ints == 0 && decs == 0 && p.mixedCount > 0) return 11;
    if (fr > 0 && (ints > 0 || decs > 0) && p.mixedCount == 0) return 12;
    if ((ints > 0 || decs > 0) && p.mixedCount > 0) return 13;
    if (decs > 0) return 13;
    return 0;
  }
  if (p.mixedCount == 0 && decs == 0 && ints == 0) return 1;
  if (p.plusCount + p.minusCount == 1) {
    if (ints == 1 && p.mixedCount == 1) return 3;
    if (ints == 1 && p.improperCount == 1) return 5;
    if (ints == 1 && p.properCount == 1) return 6;
    if (p.mixedCount == 1 && p.improperCount == 1) return 7;
  }
  if (p.mixedCount >= 2 && decs == 0 && ints == 0 && p.improperCount == 0) return 8;
  if (decs == 0 && p.improperCount == 0) return 2;
  return 4;
}

}  // namespace

SikiProfile SikiTypeCheck(std::string_view E, MessageSink& sink) {
  SikiProfile p;
  KakkoContext kakko;
  KakkoHazusi(kakko, E, false);
  if (kakko.KakkoResult == -1) return p;

  Counts c;
  NullSink quiet;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= E.size(); ++i) {
    const bool end = i == E.size();
    if (!end && !isTermOperator(E[i])) continue;
    const std::string_view term = E.substr(start, i - start);
    NumberParts parts;
    const bool plain = parseNumberParts(term, parts);
    if (term.find('.') != std::string_view::npos) {
      ++c.decimals;
    } else if (term.find('k') != std::string_view::npos) {
      ++p.mixedCount;
      // A mixed number has a whole part and a proper fraction part; any other form
      // (‹0k3b1›, ‹1k3b4›) is left to the plain evaluation.
      if (plain && parts.isMixed()) {
        const Bunsuu64 f = StrToBun(parts.body(), quiet);
        if (f.valid() && (f.integer == 0 || f.numerator >= f.denominator)) c.foreign = true;
      }
    } else if (term.find('b') != std::string_view::npos) {
      std::string_view t = term;
      if (t.size() >= 2 && (t[0] == 'm' || t[0] == 'p') && t[1] == '(') t.remove_prefix(1);
      const Bunsuu64 f = plain ? StrToBun(t, sink) : kBunInvalid;
      if (f.numerator < f.denominator)
        ++p.properCount;
      else
        ++p.improperCount;
    } else if (term.find('^') != std::string_view::npos) {
      ++c.powers;
    } else {
      ++p.integerCount;
    }
    if (!plain || !StrToBun(parts.canonical(), quiet).valid()) c.foreign = true;
    // A sign straight after "+" or "-" is never typed; the procedures read a sign only on the
    // first term.
    const char before = start > 0 ? E[start - 1] : '\0';
    if ((before == '+' || before == '-') && !term.empty() && (term[0] == 'm' || term[0] == 'p'))
      c.foreign = true;
    if (!end) {
      switch (E[i]) {
        case '+': ++p.plusCount; break;
        case '-': ++p.minusCount; break;
        case '*': ++p.mulCount; break;
        default: ++p.divCount; break;
      }
    }
    start = i + 1;
  }
  p.termCount = p.plusCount + p.minusCount + 1;
  p.type = c.foreign ? 0 : chooseType(p, c);
  return p;
}

}  // namespace ravlo
