// Hostile input for the readers and operations: every byte value, empty and very long texts,
// digit runs at the int64 edge and records holding int64 extremes. Nothing may crash or hit
// undefined behaviour (the sanitizer build runs these too); every result is either the
// invalid value or a well-formed record, and overflow always comes with its message.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "core/bunsuu64.h"
#include "core/bunsuu_h.h"
#include "core/number_text.h"
#include "core/text_helpers.h"
#include "tests/core/core_test_util.h"

namespace ravlo {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

bool wellFormed(const Bunsuu64& f) {
  return f.denominator > 0 && f.integer >= 0 && f.numerator >= 0;
}

// "n", or an optional "m", digits, and optionally "." with 1 to 18 digits.
bool isDecimalText(const std::string& s) {
  if (s == "n") return true;
  std::size_t i = s.starts_with('m') ? 1 : 0;
  const std::size_t dot = s.find('.');
  const std::string whole = s.substr(i, dot == std::string::npos ? std::string::npos : dot - i);
  if (!isDigitRun(whole)) return false;
  if (dot == std::string::npos) return true;
  const std::string places = s.substr(dot + 1);
  return isDigitRun(places) && places.size() <= 18;
}

// Every reader on one text; the results must be consistent whatever the text holds.
void readEverything(const std::string& text) {
  RecordingSink sink;
  NumberText nt(sink);
  const Bunsuu64 v = nt.StrToBun(text);
  EXPECT_TRUE(!v.valid() || wellFormed(v));
  if (v.valid()) {
    // What was read writes back to a text that reads as the same record's value.
    const Bunsuu64 back = nt.StrToBun(BunToStr(v, true));
    EXPECT_EQ(BunAbsComp(back, v, sink), 0);
  }
  const Bunsuu64 d = nt.SyoToBun(text);
  EXPECT_TRUE(!d.valid() || wellFormed(d));
  const Bunsuu64 j = nt.JunSToBun(text);
  EXPECT_TRUE(!j.valid() || wellFormed(j));
  const bool inRange = nt.int64StrMaxCheck(text, true);
  EXPECT_EQ(inRange, parseInt64(text).has_value());
  const int kind = nt.SuuSyurui(text);
  EXPECT_TRUE(kind >= -1 && kind <= 2);
  nt.YakuKanou(text);
  nt.AnnoCut(text);
  nt.SikiCutAnsX(text, true);
  EXPECT_LE(KakkoHagasi(text, 0).size(), text.size());
  EXPECT_LE(SikiCutAns(text, true).size(), text.size() + 1);
  EXPECT_LE(LastAns(text).size(), text.size());
  BunsuuHContext ctx;
  const BunsuuH h = ctx.parse(text);
  EXPECT_TRUE(ctx.BunsuuHErr == 0 || h == kBunHInvalid);
  h.text();
  for (const auto& b : sink.boxes()) EXPECT_FALSE(b.text.empty());
}

TEST(ReaderRobustness, EveryByteValueAloneAndInsideNumbers) {
  const std::vector<std::string> frames = {"%", "1%", "%3", "3b%", "%b3", "1k%b1", "0.%",
                                           "0.@%", "%.5", "(%)", "[%]", "[1K%B2]", "m%", "1.2@3%"};
  for (int c = 0; c < 256; ++c) {
    for (const auto& frame : frames) {
      std::string text = frame;
      text.replace(text.find('%'), 1, 1, static_cast<char>(c));
      SCOPED_TRACE("byte " + std::to_string(c) + " in " + frame);
      readEverything(text);
    }
  }
}

TEST(ReaderRobustness, EmptyAndTenThousandCharacterTexts) {
  const std::size_t n = 10000;
  std::vector<std::string> texts = {
      "",
      std::string(n, '1'),
      std::string(n, '0'),
      std::string(n, '9'),
      "0." + std::string(n, '0'),
      "0." + std::string(n, '3'),
      "0.@" + std::string(n, '3'),
      "0." + std::string(n, '1') + "@3",
      std::string(n / 2, '(') + "1" + std::string(n / 2, ')'),
      std::string(n / 2, '[') + "1" + std::string(n / 2, ']'),
      std::string(n, '('),
      std::string(n, ')'),
      std::string(n, 'm'),
      std::string(n, 'k'),
      std::string(n, 'b'),
      std::string(n, '.'),
      std::string(n, '@'),
      std::string(n, '='),
      std::string(n, '&'),
      std::string(n, 'K'),
      std::string(n, 'B'),
      std::string(n, '\0'),
      std::string(n, '\xff'),
      "1k" + std::string(n, '9') + "b1",
  };
  for (const auto& t : texts) {
    SCOPED_TRACE(t.substr(0, 12) + "... (" + std::to_string(t.size()) + ")");
    readEverything(t);
  }
  // Zeros of any length read as zero; a long run of other digits shows the range message.
  RecordingSink sink;
  EXPECT_EQ(StrToBun(std::string(n, '0'), sink), kBunZero);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(StrToBun(std::string(n, '1'), sink), kBunInvalid);
  EXPECT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(StrToBun(std::string(n / 2, '(') + "7" + std::string(n / 2, ')'), sink),
            (Bunsuu64{1, 0, 1, 7}));
}

TEST(ReaderRobustness, DigitRunsAtTheInt64Edge) {
  const std::vector<std::string> runs = {"9223372036854775807", "9223372036854775808",
                                         "9999999999999999999", "10000000000000000000",
                                         "99999999999999999999"};
  const std::vector<std::string> frames = {"%", "m%", "%b1", "1b%", "%k3b1", "%.5", "0.%",
                                           "0.@%", "(m%)"};
  for (const auto& run : runs) {
    const bool fits = run == "9223372036854775807";
    for (const auto& frame : frames) {
      std::string text = frame;
      text.replace(text.find('%'), 1, run);
      SCOPED_TRACE(text);
      readEverything(text);
      RecordingSink sink;
      const Bunsuu64 v = StrToBun(text, sink);
      if (!fits) {
        EXPECT_FALSE(v.valid());
        ASSERT_EQ(sink.boxes().size(), 1u);
        EXPECT_EQ(sink.boxes()[0].caption, kInt64CheckCaption);
      }
    }
  }
}

std::vector<Bunsuu64> extremeRecords() {
  constexpr int64_t kL = kInt64Bound;
  return {
      kBunInvalid,          kBunZero,
      kBunOne,              {1, 0, 1, 0},
      {-1, 0, 1, 0},        {1, kMax, kMax, kMax},
      {-1, kMax, 1, kMax},  {1, 0, kMax, 1},
      {-1, 0, 1, kMax},     {1, kL, 1, 0},
      {-1, 0, kL, kL - 1},  {1, 0, kL, kL},
      {1, kMin, 1, 0},      {1, 0, kMin, 1},
      {-1, 0, 1, kMin},     {1, 0, -1, 1},
      {0, 5, 3, 1},         {1, 3037000499, 3037000499, 3037000498},
      {-128, 5, 7, 3},      {127, 0, 2, 1},
  };
}

bool plainSign(const Bunsuu64& f) { return f.sign >= -1 && f.sign <= 1; }

TEST(OperationRobustness, ExtremeRecordsGiveValidOrInvalidNeverGarbage) {
  using BinOp = Bunsuu64 (*)(const Bunsuu64&, const Bunsuu64&, MessageSink&);
  const std::vector<std::pair<const char*, BinOp>> ops = {
      {"add", &BunAdd}, {"sub", &BunSub}, {"mul", &BunMul}, {"div", &BunDiv}};
  const auto records = extremeRecords();
  for (const auto& a : records) {
    for (const auto& b : records) {
      for (const auto& [name, op] : ops) {
        std::ostringstream trace;
        trace << name << " ";
        PrintTo(a, &trace);
        trace << " ";
        PrintTo(b, &trace);
        SCOPED_TRACE(trace.str());
        RecordingSink sink;
        const Bunsuu64 r = op(a, b, sink);
        EXPECT_TRUE(!r.valid() || wellFormed(r));
        if (r.valid() && plainSign(a) && plainSign(b)) {
          EXPECT_TRUE(plainSign(r));
        }
        // Operands that are numbers only fail with a message (division by zero aside, which
        // the caller reports).
        const bool divByZero = std::string(name) == "div" && (b.sign == 0 || b.numerator == 0);
        if (!r.valid() && wellFormed(a) && wellFormed(b) && !divByZero) {
          EXPECT_FALSE(sink.boxes().empty());
        }
        const std::string text = BunToStr(r, true);
        if (r.valid()) {
          EXPECT_EQ(BunAbsComp(StrToBun(text, sink), r, sink), 0) << text;
        } else {
          EXPECT_EQ(text, "n");
        }
      }
      RecordingSink sink;
      const int c = BunAbsComp(a, b, sink);
      EXPECT_TRUE(c >= -1 && c <= 1);
    }
  }
}

TEST(OperationRobustness, ExtremeRecordsThroughUnaryOperationsAndPowers) {
  const std::vector<int32_t> exponents = {0,  1,  2,  -1, -2, 63, 64,
                                          std::numeric_limits<int32_t>::min(),
                                          std::numeric_limits<int32_t>::max()};
  for (const auto& f : extremeRecords()) {
    std::ostringstream trace;
    PrintTo(f, &trace);
    SCOPED_TRACE(trace.str());
    RecordingSink sink;
    for (const Bunsuu64& r : {BunToTai(f, sink), BunToKa(f, sink), BunYaku(f), BunNeg(f),
                              BunInv(f, sink)}) {
      EXPECT_TRUE(!r.valid() || wellFormed(r) || !wellFormed(f));
    }
    const Bunsuu64 tai = BunToTai(f, sink);
    if (tai.valid()) {
      EXPECT_TRUE(tai.numerator < tai.denominator || tai.numerator == 0);
    }
    for (int32_t e : exponents) {
      const Bunsuu64 p = BunPow(f, e, sink);
      EXPECT_TRUE(!p.valid() || wellFormed(p));
    }
    NumberText nt(sink);
    EXPECT_TRUE(isDecimalText(nt.BunToSyoStr(f))) << nt.BunToSyoStr(f);
    BunToStr(f, true);
    BunToStr(f, false);
  }
}

TEST(OperationRobustness, CheckedHelpersOnInt64Extremes) {
  const std::vector<int64_t> values = {0, 1, -1, 2, -2, kInt64Bound, -kInt64Bound, kMax, kMin,
                                       kMax - 1, kMin + 1, 3037000500};
  for (int64_t a : values) {
    for (int64_t b : values) {
      SCOPED_TRACE(std::to_string(a) + "," + std::to_string(b));
      RecordingSink sink;
      const bool addOk = Int64AddCheck(a, b, sink);
      const bool mulOk = Int64MulCheck(a, b, sink);
      const int64_t g = Int64Gcd(a, b);
      const int64_t l = Int64Lcm(a, b, sink);
      if (addOk) {
        int64_t s = 0;
        EXPECT_FALSE(__builtin_add_overflow(a, b, &s));
      }
      if (mulOk) {
        int64_t p = 0;
        EXPECT_FALSE(__builtin_mul_overflow(a, b, &p));
        EXPECT_LE(p < 0 ? -(p + 1) : p, kInt64Bound);
      }
      if (g > 0) {
        EXPECT_EQ(a % g, 0);
        EXPECT_EQ(b % g, 0);
      }
      EXPECT_TRUE(l >= -1);
      if (l > 0) {
        EXPECT_EQ(l % (a == kMin ? 1 : (a < 0 ? -a : a)), 0);
        EXPECT_LE(l, kInt64Bound);
      }
      EXPECT_EQ(sink.boxes().size(), (addOk ? 0u : 1u) + (mulOk ? 0u : 1u) + (l < 0 ? 1u : 0u));
    }
  }
}

}  // namespace
}  // namespace ravlo
