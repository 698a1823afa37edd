#include "process/process_engine.h"

#include "core/text_helpers.h"
#include "process/proc_text_seiri.h"
#include "process/product_process.h"
#include "process/sum_terms.h"
#include "process/type_check.h"

namespace ravlo {

BunCheckFlags BunCheck(const Bunsuu64& f) {
  BunCheckFlags r;
  if (f.denominator == 0) {
    r.zeroDenominator = true;
    return r;
  }
  r.hasInteger = f.integer != 0;
  r.improper = static_cast<uint64_t>(f.numerator) >= static_cast<uint64_t>(f.denominator);
  if (f.numerator != 0) r.reducible = Int64Gcd(f.numerator, f.denominator) > 1;
  r.divisible = f.numerator % f.denominator == 0;
  return r;
}

ProcessEngine::ProcessEngine(ProcessContext& ctx, MessageSink& sink)
    : ctx_(ctx), sink_(sink), numberText_(sink), calc_(sink) {}

MessageSink& ProcessEngine::quietSinkOr() { return failed_ ? static_cast<MessageSink&>(quiet_) : sink_; }

std::string ProcessEngine::calc(std::string_view X) {
  if (failed_) return kFailText;
  std::string v = calc_.value(X);
  if (v == kFailText) fail();
  return v;
}

Bunsuu64 ProcessEngine::bun(std::string_view text) { return StrToBun(text, quietSinkOr()); }

std::string ProcessEngine::lastExpression() const {
  const std::size_t eq = ctx_.ProcText.rfind('=');
  if (eq == std::string::npos) return {};
  return ctx_.ProcText.substr(eq + 1);
}

int ProcessEngine::KousuuCount(std::string_view E) {
  if (E.empty()) return 0;
  int n = 1;
  for (std::size_t i = 0; i < E.size(); ++i) {
    if (E[i] != '+' && E[i] != '-') continue;
    // A leading sign, or one right after "(", is the number's sign.
    if (i == 0 || E[i - 1] == '(') continue;
    ++n;
  }
  return n;
}

int ProcessEngine::InsuuCount(std::string_view E) {
  if (E.empty()) return 0;
  int n = 1;
  for (char c : E)
    if (c == '*' || c == '/') ++n;
  return n;
}

namespace {

// The value of one term, quietly invalid when it is not a plain number.
Bunsuu64 termValue(std::string_view term, MessageSink& sink) {
  NumberParts parts;
  if (!parseNumberParts(term, parts)) return kBunInvalid;
  return StrToBun(parts.canonical(), sink);
}

}  // namespace

int ProcessEngine::YakubunKazu(std::string_view E, int mode) {
  int count = 0;
  bool differ = false;
  int64_t previous = 0;
  ctx_.sums.BunboChigau = false;
  for (const SumTerm& t : splitSum(E)) {
    if (t.text.find('b') == std::string::npos) continue;
    const Bunsuu64 f = termValue(t.text, quietSinkOr());
    if (f.denominator == 0) return -999;
    if (previous != 0 && f.denominator != previous) differ = true;
    previous = f.denominator;
    if (BunCheck(f).reducible) ++count;
  }
  ctx_.sums.BunboChigau = differ;
  if (mode == 1 && count > 0 && !differ) return -1;
  return count;
}

std::string ProcessEngine::YakubunSiki(std::string_view E) {
  std::vector<SumTerm> terms = splitSum(E);
  int reduced = 0;
  for (SumTerm& t : terms) {
    const std::size_t b = t.text.rfind('b');
    if (b == std::string::npos) continue;
    const Bunsuu64 f = termValue(t.text, quietSinkOr());
    if (!f.valid() || !BunCheck(f).reducible) continue;
    const int64_t g = Int64Gcd(f.numerator, f.denominator);
    std::size_t dStart = b;
    while (dStart > 0 && t.text[dStart - 1] >= '0' && t.text[dStart - 1] <= '9') --dStart;
    std::size_t nEnd = b + 1;
    while (nEnd < t.text.size() && t.text[nEnd] >= '0' && t.text[nEnd] <= '9') ++nEnd;
    t.text = t.text.substr(0, dStart) + std::to_string(f.denominator / g) + "b" +
             std::to_string(f.numerator / g) + t.text.substr(nEnd);
    ++reduced;
  }
  ctx_.sums.YakubunSikiKazu = reduced;
  return joinSum(terms);
}

int ProcessEngine::ProcAnsFinish(std::string_view E0) {
  if (failed_) return -1;
  std::string E(E0);
  NumberParts parts;
  if (!parseNumberParts(E, parts)) return -1;
  Bunsuu64 f = bun(parts.canonical());
  BunCheckFlags flags = BunCheck(f);
  if (flags.zeroDenominator) return -1;
  // An answer still reducible here is reduced before it is given, as the sum procedures do.
  if (flags.reducible) {
    entry(1, 'X', E);
    entry(2, 'Y', E);
    E = YakubunSiki(E);
    if (!parseNumberParts(E, parts)) return -1;
    f = bun(parts.canonical());
    flags = BunCheck(f);
  }
  // A fraction part of zero (‹m11b0›, ‹11k5b0›) leaves the whole number.
  if (f.numerator == 0 && f.denominator != 1 && E.find('b') != std::string::npos) {
    entry(30, 'X', E);
    entry(20, 'X', BunToStr(BunToTai(f, sink_), false));
    return 0;
  }
  const int lastAns = ctx_.options.PROCLASTANS;
  if (f.denominator == 1) {
    entry(53, 'X', E);
    entry(20, 'X', BunToStr(BunToTai(f, sink_), false));
    return 5;
  }
  if (flags.improper) {
    if (lastAns == 1) {
      // A mixed number whose fraction part is improper is given in its improper form.
      entry(20, 'X', BunToStr(flags.hasInteger ? BunToKa(f, sink_) : f, false));
      return 1;
    }
    entry(9, 'X', E);
    entry(20, 'X', BunToStr(BunToTai(f, sink_), false));
    return 2;
  }
  if (flags.hasInteger) {
    if (lastAns == 0) {
      entry(20, 'X', BunToStr(f, false));
      return 3;
    }
    entry(40, 'X', E);
    entry(20, 'X', BunToStr(BunToKa(f, sink_), false));
    return 4;
  }
  entry(20, 'X', BunToStr(f, false));
  return 0;
}

int ProcessEngine::CalcProcMake(std::string_view expr, bool doIt) {
  ctx_.ProcOK = true;
  failed_ = false;
  if (!doIt || expr.find(':') != std::string_view::npos) return 0;

  ctx_.clearWork();
  std::string E = SikiCutAns(expr, false);
  question_ = E;
  ctx_.profile = SikiTypeCheck(E, sink_);
  const int T = ctx_.profile.type;
  ctx_.ProcText.clear();
  ctx_.ProcType = 0;
  if (T == 0) return 0;

  bool built = true;
  if (T <= 9) {
    runSumProcess(E, T);
  } else {
    built = runProductProcess(*this, E, T) != 0;
  }
  // A step holding the failure text means a conversion failed without stopping the process;
  // it is never shown as if it were a value.
  if (!failed_ && ctx_.ProcText.find(kFailText) != std::string::npos) {
    sink_.box(kInt64OverCaption, kInt64OverText, BoxButtons::Ok);
    fail();
  }
  if (failed_) {
    ctx_.ProcOK = false;
    ctx_.ProcText.clear();
    return 0;
  }
  if (!built) {
    ctx_.ProcText.clear();
    return 0;
  }
  ctx_.ProcText = ProcTextSeiri(ctx_.ProcText);
  ctx_.ProcType = T;
  return 1;
}

int ProcessEngine::BetsukaiSwitch(std::string_view expr) {
  ctx_.BetsukaiMode = 1 - ctx_.BetsukaiMode;
  CalcProcMake(expr, true);
  return ctx_.BetsukaiMode;
}

}  // namespace ravlo
