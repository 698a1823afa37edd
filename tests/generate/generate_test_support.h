#pragma once
// Reading generated problems back: the numbers in them and the engine's answer.
#include <cstdint>
#include <string>
#include <vector>

#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/evaluator.h"
#include "expr/houtei_solver.h"
#include "generate/sheet_generator.h"

namespace ravlo::test {

// A number of the text: whole number, numerator, denominator (1 for a whole number).
struct Term {
  int64_t whole = 0, num = 0, den = 1;
};

// The plain numbers of a problem ("1k3b2*4=" gives 1 2/3 and 4); decimals are skipped.
inline std::vector<Term> termsOf(const std::string& text) {
  std::vector<Term> out;
  std::size_t i = 0;
  auto number = [&] {
    int64_t v = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
      v = v * 10 + (text[i++] - '0');
    return v;
  };
  while (i < text.size()) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    const int64_t a = number();
    if (i < text.size() && (text[i] == '.' || text[i] == '@')) {
      while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) ||
                                 text[i] == '.' || text[i] == '@'))
        ++i;
      continue;
    }
    Term t;
    if (i < text.size() && text[i] == 'k') {
      ++i;
      t.whole = a;
      t.den = number();
      ++i;
      t.num = number();
    } else if (i < text.size() && text[i] == 'b') {
      ++i;
      t.den = a;
      t.num = number();
    } else {
      t.whole = a;
    }
    out.push_back(t);
  }
  return out;
}

// The engine on its own: the answer chain with answer forms 0 (mixed numbers), the solver's
// answer, the simplified ratio.
struct Engine {
  NullSink sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator ev{sink, numberText, bunsuuH, checker, kakko};

  std::string answer(const std::string& problem) {
    const std::string a = ev.SikiCalc(problem.substr(0, problem.find('=')), 0, 0);
    return ev.CalcStatus < 0 ? "" : a;
  }
  std::string solve(const std::string& equation) {
    HouteiSolver solver(sink, ev, numberText, bunsuuH);
    return solver.HouteiSolve(equation, 0);
  }
};

inline std::vector<std::string> generate(const std::string& pattern, GenOverrides o = {},
                                         int count = 20, uint64_t seed = 1) {
  GenRequest rq;
  rq.patterns = {pattern};
  rq.count = count;
  rq.seed = seed;
  rq.overrides = o;
  GenResult r = GenerateSheets(rq);
  return r.sheets.empty() ? std::vector<std::string>{} : r.sheets.front().problems;
}

}  // namespace ravlo::test
