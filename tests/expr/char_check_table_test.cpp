// Every state of both checker tables: from a line that leads into the state, each of the
// 256 byte values is tried, and exactly the characters the table lists must be accepted
// (with the listed next state); every other one must be refused with the listed error or
// the state's default.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "core/message_sink.h"
#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"

namespace ravlo {
namespace {

struct Row {
  const char* prefix;  // typed before the character under test
  bool kakeruAbr;
  bool relaxed;
  int state;           // the state the prefix must lead to
  const char* accept;  // "SET>next ..." (SET: D digits, L x y z, S + - p m, O + - * /, R p m)
  const char* refuse;  // "SET=error ..." for refusals that name their own error
  int defaultError;    // refusal of anything not listed
};

// Normal mode: the default refusal is the state's own number.
const Row kRows[] = {
    {"", false, false, 0, "D>3 L>16 S>2 (>1 [>50", "", 0},
    {"", true, false, 0, "D>3 L>16 S>2 (>1 [>50", "", 0},
    {"1=", false, false, 0, "D>3 L>16 S>2 (>1 [>50", "<>=40", 0},
    {"1<", false, false, 0, "D>3 L>16 S>2 (>1 [>50 =>0", "<>=40", 0},
    {"1:", false, false, 0, "D>3 L>16 S>2 (>1 [>50", "", 0},
    {"(", false, false, 1, "D>3 (>1 S>2 L>16 [>50", "", 1},
    {"m", false, false, 2, "D>3 (>1 [>50 L>16", "", 2},
    {"m", false, true, 2, "D>3 (>1 [>50 L>16 R>3", "", 2},
    {"1", false, false, 3, "D>3 !>8 ^>11 O>4 .>5 b>5 k>5 PC>15 :>0 <>>0 =>0",
     "(=22 L=33 [=22 )=20", 3},
    {"1", true, false, 3, "D>3 (>1 L>16 !>8 ^>11 O>4 .>5 b>5 k>5 PC>15 :>0 <>>0 =>0",
     "[=22 )=20", 3},
    {"(1", false, false, 3, "D>3 )>8 !>8 ^>11 O>4 .>5 b>5 k>5 PC>15 :>0 <>>0",
     "(=22 L=33 [=22 ==19", 3},
    {"1<2", false, false, 3, "D>3 !>8 ^>11 O>4 .>5 b>5 k>5 PC>15 :>0 =>0",
     "(=22 L=33 [=22 )=20 <>=40", 3},
    {"1:2", false, false, 3, "D>3 !>8 ^>11 O>4 .>5 b>5 k>5 PC>15 <>>0 =>0",
     "(=22 L=33 [=22 )=20 :=38", 3},
    {"1+", false, false, 4, "D>3 (>1 L>16 [>50", "", 4},
    {"1+", false, true, 4, "D>3 (>1 L>16 [>50 R>4", "", 4},
    {"x^", false, false, 4, "D>3 (>1 L>16 [>50 S>4", "", 4},
    {"1.", false, false, 5, "D>13 @>13", "", 5},
    {"1b", false, false, 5, "D>10", "", 5},
    {"1k", false, false, 5, "D>9", "", 5},
    {"(1)", false, false, 8, "^>11 O>4 !>8 :>0 <>>0 =>0", ")=20", 8},
    {"(1)", true, false, 8, "^>11 O>4 !>8 :>0 <>>0 =>0 (>1 L>16", ")=20", 8},
    {"((1)", false, false, 8, "^>11 O>4 !>8 )>8 :>0 <>>0", "==19", 8},
    {"1!", false, false, 8, "^>11 O>4 :>0 <>>0 =>0", ")=20", 8},
    {"1k2", false, false, 9, "D>9 b>5", "", 9},
    {"1b2", false, false, 10, "D>10 O>0 L>16 :>0 <>>0 =>0", "^=28 )=20 (=33", 10},
    {"1b2", true, false, 10, "D>10 O>0 L>16 (>1 :>0 <>>0 =>0", "^=28 )=20", 10},
    {"1k2b3", false, false, 10, "D>10 O>0 L>16 :>0 <>>0 =>0", "^=28 )=20 (=33", 10},
    {"1^", false, false, 11, "D>12 S>5 L>16", "", 11},
    {"1^m", false, false, 5, "D>12", "", 5},
    {"1^2", false, false, 12, "D>12 ^>11 O>4 :>0 <>>0 =>0", ")=20", 12},
    {"1.2", false, false, 13, "D>13 u>14 ^>11 O>4 @>13 L>16 :>0 <>>0 =>0",
     ".=29 (=33 )=20", 13},
    {"1.2", true, false, 13, "D>13 u>14 ^>11 O>4 @>13 L>16 (>1 :>0 <>>0 =>0", ".=29 )=20",
     13},
    {"1.2@3", false, false, 13, "D>13 u>14 ^>11 O>4 L>16 :>0 <>>0 =>0", ".=29 (=33 )=20",
     13},
    {"1.@", false, false, 13, "D>13 u>14 ^>11 O>4 L>16 :>0 <>>0 =>0", ".=29 (=33 )=20", 13},
    {"1.2u", false, false, 14, "=>0", "", 14},
    {"5P", false, false, 15, "D>15 :>0", "", 15},
    {"5C", false, false, 15, "D>15 :>0", "", 15},
    {"(5P2", false, false, 15, "D>15 O>4 ^>4 )>8 :>0 <>>0", "==19", 15},
    {"x", false, false, 16, "O>4 ^>4 :>0 <>>0 =>0", ")=20 L=22 (=33 D=33", 16},
    {"x", true, false, 16, "O>4 ^>4 :>0 <>>0 =>0 yz>16 (>1", ")=20 x=35 D=33", 16},
    {"2y", true, false, 16, "O>4 ^>4 :>0 <>>0 =>0 xz>16 (>1", ")=20 y=35 D=33", 16},
    {"(x", false, false, 16, "O>4 ^>4 )>8 :>0 <>>0", "L=22 (=33 D=33 ==19", 16},

    // Expression fractions: "<", "=", ">" are refused with 30 everywhere (added below),
    // the default refusal is 32, after "^" and in exponent digits it is 20.
    {"[", false, false, 50, "D>53 (>50 S>52 L>66", "", 32},
    {"1+[", false, false, 50, "D>53 (>50 S>52 L>66", "", 32},
    {"[(", false, false, 50, "D>53 (>50 S>52 L>66", "", 32},
    {"[m", false, false, 52, "D>53 L>66 (>50 Kk>56", "", 32},
    {"[m", false, true, 52, "D>53 L>66 (>50 Kk>56 R>53", "", 32},
    {"[1", false, false, 53, "D>53 L>66 ^>61 O>54 !>58 .>57 Bb>55 PC>64 Kk>56 ]>8", ")=20",
     32},
    {"[(1", true, false, 53, "D>53 (>50 )>58 L>66 ^>61 O>54 !>58 .>57 Bb>55 PC>64 ]>8",
     "Kk=27", 32},
    {"[1+2", false, false, 53, "D>53 L>66 ^>61 O>54 !>58 .>57 Bb>55 PC>64 ]>8",
     ")=20 Kk=27", 32},
    {"[m2", false, false, 53, "D>53 L>66 ^>61 O>54 !>58 .>57 Bb>55 PC>64 Kk>56 ]>8", ")=20",
     32},
    {"[1+", false, false, 54, "D>53 (>50 L>66", "", 32},
    {"[1+", false, true, 54, "D>53 (>50 L>66 R>54", "", 32},
    {"[1B", false, false, 55, "D>60 L>66 (>50 S>52", "", 32},
    {"[1K", false, false, 56, "D>59 L>66 (>50 S>57", "", 32},
    {"[1.", false, false, 57, "D>53 @>53", "", 32},
    {"[1Km", false, false, 57, "D>59", "", 32},
    {"[1^p", false, false, 57, "D>62", "", 32},
    {"[(1)", false, false, 58, "^>61 O>54 !>58 Bb>55 ]>8", ")=20", 32},
    {"[(1)", true, false, 58, "^>61 O>54 !>58 Bb>55 ]>8 (>50", ")=20", 32},
    {"[1!", false, false, 58, "^>61 O>54 Bb>55 ]>8", ")=20", 32},
    {"[1K2", false, false, 59, "D>59 L>66 .>57 Bb>55 ^>61 O>54 !>58 PC>64", "", 32},
    {"[1B2", false, false, 60, "D>60 L>66 ^>61 O>54 !>58 .>57 PC>64 ]>8", ")=20", 32},
    {"[(1B2", true, false, 60, "D>60 L>66 ^>61 O>54 !>58 .>57 PC>64 ]>8 )>58 (>50", "", 32},
    {"[1^", false, false, 61, "D>62 L>66 S>57", "", 20},
    {"[1^2", false, false, 62, "D>62 ^>61 O>54 Bb>55 ]>8", "", 20},
    {"[5P", false, false, 64, "D>64 Bb>55 ]>8", "", 32},
    {"[(5C2", false, false, 64, "D>64 O>54 )>58 Bb>55 ]>8", "", 32},
    {"[x", false, false, 66, "Bb>55 O>54 ]>8", ")=20 L=22 (=33 D=33", 32},
    {"[(x", true, false, 66, "Bb>55 O>54 ]>8 )>58 yz>66 (>50", "x=35 D=33", 32},
};

std::string expandSet(const std::string& set) {
  if (set == "D") return "0123456789";
  if (set == "L") return "xyz";
  if (set == "S") return "+-pm";
  if (set == "O") return "+-*/";
  if (set == "R") return "pm";
  return set;
}

struct Expect {
  bool accepted = false;
  int number = 0;       // next state, or error number
  bool asSign = false;  // accepted as a sign: stored as "p" / "m"
};

std::map<unsigned char, Expect> parseRules(const char* rules, bool accepted) {
  std::map<unsigned char, Expect> out;
  std::istringstream in(rules);
  std::string token;
  while (in >> token) {
    std::size_t digits = token.find_last_not_of("0123456789");
    const std::string set = token.substr(0, digits);
    const int number = std::stoi(token.substr(digits + 1));
    for (char c : expandSet(set))
      out[static_cast<unsigned char>(c)] = {accepted, number, set == "S"};
  }
  return out;
}

InpCheckState reach(const Row& row, RecordingSink& sink) {
  InpCheckState st;
  st.relaxedSigns = row.relaxed;
  for (const char* p = row.prefix; *p; ++p) {
    EXPECT_TRUE(CharCheck(st, *p, row.kakeruAbr, sink)) << row.prefix << " at " << *p;
    st.PrevJi = st.CurJi;
  }
  return st;
}

TEST(CharCheckTable, EveryStateAcceptsExactlyWhatItLists) {
  for (const Row& row : kRows) {
    RecordingSink sink;
    const InpCheckState before = reach(row, sink);
    ASSERT_EQ(before.state, row.state) << "prefix " << row.prefix;
    std::map<unsigned char, Expect> expect = parseRules(row.accept, true);
    for (const auto& [c, e] : parseRules(row.refuse, false)) expect[c] = e;
    if (row.state >= 50)
      for (unsigned char c : std::string("<=>")) expect.try_emplace(c, Expect{false, 30, false});
    expect.try_emplace('%', Expect{false, 39, false});

    for (int b = 0; b < 256; ++b) {
      const char ch = static_cast<char>(b);
      const auto it = expect.find(static_cast<unsigned char>(b));
      const Expect e = it != expect.end() ? it->second : Expect{false, row.defaultError, false};
      InpCheckState st = before;
      const bool ok = CharCheck(st, ch, row.kakeruAbr, sink);
      SCOPED_TRACE(testing::Message() << "prefix \"" << row.prefix << "\" kakeru "
                                      << row.kakeruAbr << " relaxed " << row.relaxed
                                      << " byte " << b << " '" << ch << "'");
      ASSERT_EQ(ok, e.accepted);
      if (ok) {
        EXPECT_EQ(st.state, e.number);
        char stored = ch;
        if (e.asSign) stored = (ch == '+' || ch == 'p') ? 'p' : 'm';
        if (row.state >= 50 && ch == 'k') stored = 'K';
        if (row.state >= 50 && ch == 'b') stored = 'B';
        EXPECT_EQ(st.CurJi, stored);
      } else {
        EXPECT_EQ(st.InpErrNo, e.number);
        // A refusal leaves everything but the error number and the checked character.
        InpCheckState expected = before;
        expected.InpErrNo = st.InpErrNo;
        expected.CurJi = st.CurJi;
        EXPECT_EQ(st, expected);
      }
    }
    EXPECT_TRUE(sink.empty()) << row.prefix;
  }
}

// Places a typed line cannot reach, set up by hand.
TEST(CharCheckTable, StartStateAfterADigitOrNumberMark) {
  struct Case {
    char prev;
    bool kakeruAbr;
    char ch;
    bool accepted;
    int stateOrError;
  };
  const Case cases[] = {
      {'1', false, '(', false, 22}, {'1', true, '(', true, 1},   {'.', true, '(', false, 0},
      {'b', true, '(', false, 0},   {'k', true, '(', false, 0},  {'.', false, '(', true, 1},
      {'1', false, '.', true, 5},   {'$', false, '.', false, 0}, {'1', false, '[', false, 31},
      {'>', false, '=', true, 0},   {'=', false, '=', false, 0},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    InpCheckState st;
    st.PrevJi = c.prev;
    const bool ok = CharCheck(st, c.ch, c.kakeruAbr, sink);
    SCOPED_TRACE(testing::Message() << "prev " << c.prev << " ch " << c.ch);
    ASSERT_EQ(ok, c.accepted);
    EXPECT_EQ(ok ? st.state : st.InpErrNo, c.stateOrError);
  }
}

// Any state number, either mode, any byte: no crash, and every refusal has a message slot.
TEST(CharCheckTable, AnyStateAndByteIsSafe) {
  NullSink sink;
  for (int mode = 0; mode < 2; ++mode) {
    for (int state = -2; state <= 70; ++state) {
      for (int b = 0; b < 256; ++b) {
        InpCheckState st;
        st.fractionMode = mode == 1;
        st.state = state;
        st.returnState = 13;
        st.PrevJi = static_cast<char>(b ^ 0x55);
        if (CharCheck(st, static_cast<char>(b), (b & 1) != 0, sink)) {
          const int s = st.state;
          const bool known = (s >= 0 && s <= 16 && s != 6 && s != 7) || s == 50 ||
                             (s >= 52 && s <= 62) || s == 64 || s == 66;
          EXPECT_TRUE(known) << "state " << state << " byte " << b << " -> " << s;
        } else if (state >= 0 && state <= 40) {
          EXPECT_GE(st.InpErrNo, 0);
          EXPECT_LT(st.InpErrNo, static_cast<int>(kInpCheckMsgCount));
        }
        (void)inpCheckMessage(st.InpErrNo);
      }
    }
  }
}

}  // namespace
}  // namespace ravlo
