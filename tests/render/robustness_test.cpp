// Any text at all must draw, end, and leave the canvas as it found it.
#include <random>
#include <string>

#include "core/cp932.h"
#include "render/colors.h"
#include "tests/render/render_fixture.h"

namespace ravlo::test {

namespace {

void expectSane(const RecordingCanvas& c, ExprRenderer& r, std::string_view what) {
  for (const auto& t : c.texts())
    ASSERT_TRUE(isValidUtf8(t.text)) << "drawing of \"" << what << "\" wrote bad UTF-8";
  EXPECT_EQ(c.fontSize(), 10) << what;
  EXPECT_FALSE(c.bold()) << what;
  EXPECT_EQ(r.CursorColor == kBlue || r.CursorColor == kMagenta || r.CursorColor == kRed, true);
}

}  // namespace

TEST(Robustness, MalformedTextsDrawAndEnd) {
  const std::string texts[] = {
      "]", "~", "]]]", "[", "[[[[[[[[[[[[[[[[", "[[[[[[[[3B1]", "[]", "[K", "[B", "[KB]", "[mK]",
      "[BK]", "[3B1]]", "b", "k", "bk", "kb", "1kk", "1k3k", "1k+", "3b+2", "b3", "3bb2", "0b0",
      ".", "..", "@", ".@", "0.@", "0.@@", "1.2.3", "0.1@6@7", "^", "^^^^", "2^", "2^p",
      "2^(1+1)", "2^^3", "((((", "))))", "&", "&&&", "1&", "=====", "<", "<=", "=<", ">=>=", ":::",
      "RRR", "3R", "u", "uuu", "$", "$$", "K", "B", "KB", "|||", "1|", "x^x^x", "mmmm", "pppp",
      "99999999999999999999", "9223372036854775808b9223372036854775808",
      "1k99999999999999999999b3", "0.99999999999999999999@99999999999999999999",
      "[99999999999999999999B1]", "[1B99999999999999999999]", std::string("\0\0", 2),
      "\xff\xfe\xfd", "\xe3\x81", "abc", "~~~}]~", "1b2@3", "k3b2", "[3B1]k2b1",
      "不", "＝＝", "x(不定)&x(不定)",
  };
  for (const auto& t : texts) {
    RecordingCanvas c;
    ExprRenderer r;
    r.EQUAL_KAIGYO = true;
    r.SikiDraw(c, t, kX, kY, kW, kH);
    expectSane(c, r, t);
    RecordingCanvas c2;
    r.LineDraw(c2, t + "&" + t, kX, kY, kW, kH, -3, 2);
    expectSane(c2, r, t);
  }
}

TEST(Robustness, RandomBytesAndRandomTokens) {
  std::mt19937 rng(20261209);
  const std::string alphabet = "0123456789bk.@upm+-*/^!PC()[]KBxyz<>:=&R$|~ \xe3\x81\x82";
  for (int round = 0; round < 3000; ++round) {
    std::uniform_int_distribution<int> lenDist(0, round < 1500 ? 40 : 300);
    std::string s;
    int len = lenDist(rng);
    for (int i = 0; i < len; ++i) {
      if (round % 2 == 0) {
        s += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
      } else {
        s += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
      }
    }
    RecordingCanvas c;
    ExprRenderer r;
    r.EQUAL_KAIGYO = round % 3 == 0;
    r.LineDraw(c, s, kX, kY, kW, kH, round % 3 - 1, round % 4);
    expectSane(c, r, s);
    if (HasFatalFailure()) return;
  }
}

TEST(Robustness, HugeNestingStaysShallow) {
  std::string deep(20000, '[');
  RecordingCanvas c;
  ExprRenderer r;
  r.SikiDraw(c, deep, kX, kY, kW, kH);
  EXPECT_FALSE(c.texts().empty());
  std::string closed = deep + "3B1" + std::string(20000, ']');
  RecordingCanvas c2;
  r.SikiDraw(c2, closed, kX, kY, kW, kH);
  EXPECT_FALSE(c2.texts().empty());
  std::string mixed;
  for (int i = 0; i < 10000; ++i) mixed += "1k";
  RecordingCanvas c3;
  r.SikiDraw(c3, mixed, kX, kY, kW, kH);
  EXPECT_FALSE(c3.texts().empty());
}

}  // namespace ravlo::test
