#pragma once
// What the fuzz targets share: a finding stops the run with the input and what went wrong,
// and exact values to compare results with.
#include <time.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/bunsuu64.h"
#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"
#include "expr/siki_alphabet.h"
#include "tests/expr/reference_value.h"

namespace ravlo::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Reports a broken property; libFuzzer keeps the input as a crash file.
// Printable ASCII as it is, every other byte as \xNN.
inline std::string escaped(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x20 && b < 0x7f && b != '\\') {
      out += ch;
    } else {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  return out;
}

[[noreturn]] inline void finding(std::string_view what, std::string_view input,
                                 std::string_view detail = {}) {
  std::fprintf(stderr, "\nFINDING: %.*s\n  input: \"%s\"\n  %s\n", int(what.size()),
               what.data(), escaped(input).c_str(), escaped(detail).c_str());
  std::abort();
}

inline void require(bool holds, std::string_view what, std::string_view input,
                    std::string_view detail = {}) {
  if (!holds) finding(what, input, detail);
}

// An input that takes more than RAVLO_FUZZ_SLOW_MS (unset: no limit) of processor time is a
// finding too. Processor time, not wall time: on a busy machine the target may wait its turn.
class SlowGuard {
 public:
  explicit SlowGuard(std::string_view input) : input_(input), start_(cpuMs()) {}
  SlowGuard(const SlowGuard&) = delete;
  SlowGuard& operator=(const SlowGuard&) = delete;
  ~SlowGuard() {
    static const long limit = [] {
      const char* v = std::getenv("RAVLO_FUZZ_SLOW_MS");
      return v ? std::strtol(v, nullptr, 10) : 0L;
    }();
    if (limit <= 0) return;
    const long ms = cpuMs() - start_;
    if (ms > limit) finding("slow input", input_, std::to_string(ms) + " ms");
  }

 private:
  static long cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
  }
  std::string_view input_;
  long start_;
};

// Exact values come from the tests' reference reading.
using Int128 = test::I128;
using Exact = test::Rat;
inline Exact exactOf(const Bunsuu64& v) { return test::ratOf(v); }
inline std::string exactText(const Exact& e) { return test::toString(e); }

// Counts what the engine says, answers every box with its first button.
class CountingSink final : public MessageSink {
 public:
  BoxAnswer box(std::string_view, std::string_view, BoxButtons buttons, BoxIcon) override {
    ++boxes;
    return defaultAnswer(buttons);
  }
  void status(std::string_view) override { ++statuses; }
  void smallMessage(std::string_view, std::string_view, int) override {}
  void beep() override {}
  bool interruptRequested() override { return false; }
  int boxes = 0;
  int statuses = 0;
};

// The evaluator with its own contexts, quiet.
struct Calculator {
  NullSink sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator ev{sink, numberText, bunsuuH, checker, kakko};

  // The value of one expression or lone number; false when it has none.
  bool value(std::string_view expr, Exact& out) {
    if (expr.empty()) return false;
    Bunsuu64 r = kBunInvalid;
    if (OpKind(expr).kind == -1 && expr.find('[') == std::string_view::npos) {
      r = numberText.StrToBun(expr);
    } else {
      ev.SikiCalc(expr, 0, 0);
      if (ev.CalcStatus != kCalcOk) return false;
      r = ev.EvalResult;
    }
    if (!r.valid()) return false;
    out = exactOf(r);
    return true;
  }
};

}  // namespace ravlo::fuzz
