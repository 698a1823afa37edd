#include <algorithm>

#include "expr/inp_check.h"
#include "expr/text_edit.h"

namespace ravlo {

namespace {

using text_edit::isDigit;

constexpr int kMaxDigitRun = 19;
constexpr int kErrTooManyDigits = 21;
constexpr int kErrNoMeaning = 39;
constexpr int kErrFractionRefusal = 32;
constexpr int kErrRelationInFraction = 30;

bool isVariable(char c) { return c == 'x' || c == 'y' || c == 'z'; }
bool isOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }
bool isSign(char c) { return c == '+' || c == '-' || c == 'p' || c == 'm'; }
bool isStoredSign(char c) { return c == 'p' || c == 'm'; }
bool isRelation(char c) { return c == '<' || c == '>'; }

// One call of the checker. Every rule either accepts (and makes all of its changes to the
// context at that moment) or refuses with an error number, so a refusal changes nothing
// else.
class Step {
 public:
  Step(InpCheckState& st, char ch, bool kakeruAbr) : st_(st), ch_(ch), kakeruAbr_(kakeruAbr) {}

  char ch() const { return ch_; }
  char prev() const { return st_.PrevJi; }
  bool kakeruAbr() const { return kakeruAbr_; }
  bool relaxed() const { return st_.relaxedSigns; }
  bool fraction() const { return st_.fractionMode; }
  InpCheckState& st() { return st_; }

  bool accept(int next) {
    st_.state = next;
    return true;
  }
  bool refuse(int err) {
    st_.InpErrNo = err;
    return false;
  }
  // Refused with the error number already set (the state's own, or 32 in a fraction).
  bool refuse() { return false; }

  bool sign(int next) {
    storeSign();
    return accept(next);
  }
  // A sign after "^" (or "K" in a fraction) that needs its digit next.
  bool signBeforeDigit(int returnState) {
    storeSign();
    return digitMustFollow(returnState, false);
  }
  bool open() {
    ++st_.openCount;
    return accept(fraction() ? 50 : 1);
  }
  // "(" where it means an omitted "×".
  bool guardedOpen(int err) { return kakeruAbr_ ? open() : refuse(err); }
  bool close() {
    if (st_.closeCount + 1 > st_.openCount) return refuse(20);
    ++st_.closeCount;
    return accept(fraction() ? 58 : 8);
  }
  bool colon() {
    if (st_.colonCount > 0) return refuse(38);
    ++st_.colonCount;
    return accept(0);
  }
  bool relation() {
    if (st_.equalsSeen || st_.relationSeen) return refuse(40);
    st_.relationSeen = true;
    return accept(0);
  }
  bool equals() {
    if (st_.openCount != st_.closeCount) return refuse(19);
    if (prev() == '=') return refuse(36);
    st_.equalsSeen = true;
    st_.colonCount = 0;
    return accept(0);
  }
  bool enterFraction(bool digitTest) {
    if (digitTest && isDigit(prev())) return refuse(31);
    st_.fractionText.assign(1, '[');  // not = "[": GCC 12 -O3 warns falsely (-Wrestrict)
    st_.fractionMode = true;
    return accept(50);
  }
  bool leaveFraction() {
    st_.fractionMode = false;
    return accept(8);
  }
  // ".", "b", "k" or a sign that must be followed by a digit.
  bool digitMustFollow(int returnState, bool newDecimal) {
    st_.returnState = returnState;
    if (newDecimal) st_.repeatMarkUsed = false;
    return accept(fraction() ? 57 : 5);
  }
  bool repeatMark() {
    st_.repeatMarkUsed = true;
    return accept(st_.returnState);
  }
  // A second variable: an omitted "×" between two different letters.
  bool secondVariable(int next) {
    if (!kakeruAbr_) return refuse(22);
    if (ch_ == prev()) return refuse(35);
    return accept(next);
  }

 private:
  void storeSign() { st_.CurJi = (ch_ == '+' || ch_ == 'p') ? 'p' : 'm'; }

  InpCheckState& st_;
  char ch_;
  bool kakeruAbr_;
};

// States of an ordinary expression. Anything not accepted below is refused with the
// state's own number (already in InpErrNo) unless a rule names another error.
bool normalTable(Step& s) {
  const char c = s.ch();
  const bool d = isDigit(c), v = isVariable(c), op = isOperator(c);
  const InpCheckState& st = s.st();
  switch (st.state) {
    case 0:  // start of a line or of a side
      if (d) return s.accept(3);
      if (v) return s.accept(16);
      if (isSign(c)) return s.sign(2);
      if (c == '(') {
        if (!s.kakeruAbr() && isDigit(s.prev())) return s.refuse(22);
        if (s.kakeruAbr() && (s.prev() == '.' || s.prev() == 'b' || s.prev() == 'k'))
          return s.refuse();
        return s.open();
      }
      if (c == '[') return s.enterFraction(true);
      if (c == '.' && isDigit(s.prev())) return s.digitMustFollow(13, true);
      if (c == '=' && isRelation(s.prev())) return s.accept(0);  // "<=", ">="
      if (isRelation(c) && (st.relationSeen || st.equalsSeen)) return s.refuse(40);
      return s.refuse();
    case 1:  // after "("
      if (d) return s.accept(3);
      if (c == '(') return s.open();
      if (isSign(c)) return s.sign(2);
      if (v) return s.accept(16);
      if (c == '[') return s.enterFraction(true);
      return s.refuse();
    case 2:  // after a sign
      if (d) return s.accept(3);
      if (c == '(') return s.open();
      if (c == '[') return s.enterFraction(true);
      if (v) return s.accept(16);
      if (s.relaxed() && isStoredSign(c)) return s.accept(3);
      return s.refuse();
    case 3:  // integer digits
      if (d) return s.accept(3);
      if (c == '(') return s.guardedOpen(22);
      if (v) return s.kakeruAbr() ? s.accept(16) : s.refuse(33);
      if (c == ')') return s.close();
      if (c == '!') return s.accept(8);
      if (c == '^') return s.accept(11);
      if (op) return s.accept(4);
      if (c == '.') return s.digitMustFollow(13, true);
      if (c == 'b') return s.digitMustFollow(10, false);
      if (c == 'k') return s.digitMustFollow(9, false);
      if (c == 'P' || c == 'C') return s.accept(15);
      if (c == ':') return s.colon();
      if (isRelation(c)) return s.relation();
      if (c == '=') return s.equals();
      if (c == '[') return s.refuse(22);
      return s.refuse();
    case 4:  // after a binary operator: no sign may follow while typing
      if (d) return s.accept(3);
      if (c == '(') return s.open();
      if (v) return s.accept(16);
      if (c == '[') return s.enterFraction(false);
      if (s.prev() == '^' && isSign(c)) return s.sign(4);
      if (s.relaxed() && isStoredSign(c)) return s.accept(4);
      return s.refuse();
    case 5:  // a digit must follow
      if (d) return s.accept(st.returnState);
      if (c == '@' && s.prev() == '.' && !st.repeatMarkUsed) return s.repeatMark();
      return s.refuse();
    case 8:  // after ")" or "!"
      if (c == '^') return s.accept(11);
      if (op) return s.accept(4);
      if (c == ')') return s.close();
      if (c == '(' && s.kakeruAbr()) return s.open();
      if (v && s.kakeruAbr()) return s.accept(16);
      if (c == '!' && s.prev() != '!') return s.accept(8);
      if (c == ':') return s.colon();
      if (isRelation(c)) return s.relation();
      if (c == '=') return s.equals();
      return s.refuse();
    case 9:  // denominator digits after "k"
      if (d) return s.accept(9);
      if (c == 'b') return s.digitMustFollow(10, false);
      return s.refuse();
    case 10:  // numerator digits: a sign may follow the operator after a fraction
      if (d) return s.accept(10);
      if (c == '^') return s.refuse(28);
      if (op) return s.accept(0);
      if (v) return s.accept(16);
      if (c == ')') return s.close();
      if (c == '(') return s.guardedOpen(33);
      if (c == ':') return s.colon();
      if (isRelation(c)) return s.relation();
      if (c == '=') return s.equals();
      return s.refuse();
    case 11:  // after "^"
      if (d) return s.accept(12);
      if (isSign(c)) return s.signBeforeDigit(12);
      if (v) return s.accept(16);
      return s.refuse();
    case 12:  // exponent digits
      if (d) return s.accept(12);
      if (c == '^') return s.accept(11);
      if (op) return s.accept(4);
      if (c == ')') return s.close();
      if (c == ':' && s.prev() != '^') return s.colon();
      if (isRelation(c)) return s.relation();
      if (c == '=') return s.equals();
      return s.refuse();
    case 13:  // decimal digits
      if (d) return s.accept(13);
      if (c == 'u') return s.accept(14);
      if (c == '^') return s.accept(11);
      if (op) return s.accept(4);
      if (c == '@' && !st.repeatMarkUsed) return s.repeatMark();
      if (c == '.') return s.refuse(29);
      if (v) return s.accept(16);
      if (c == '(') return s.guardedOpen(33);
      if (c == ')') return s.close();
      if (c == ':') return s.colon();
      if (isRelation(c)) return s.relation();
      if (c == '=') return s.equals();
      return s.refuse();
    case 14:  // after "u": the decimal was cut off, only "=" may follow
      if (c == '=') return s.equals();
      return s.refuse();
    case 15:  // after "P" or "C"
      if (d) return s.accept(15);
      if (isDigit(s.prev())) {
        if (op || c == '^') return s.accept(4);
        if (c == ')') return s.close();
        if (isRelation(c)) return s.relation();
        if (c == '=') return s.equals();
      }
      if (c == ':') return s.colon();
      return s.refuse();
    case 16:  // after "x", "y" or "z"
      if (op || c == '^') return s.accept(4);
      if (c == ')') return s.close();
      if (v) return s.secondVariable(16);
      if (c == '(') return s.guardedOpen(33);
      if (c == ':') return s.colon();
      if (isRelation(c)) return s.relation();
      if (c == '=') return s.equals();
      if (d) return s.refuse(33);
      return s.refuse();
    default:
      return s.refuse();
  }
}

// States inside an expression fraction "[ ]". "k"/"b" arrive here already as "K"/"B".
bool fractionTable(Step& s) {
  const char c = s.st().CurJi;
  const bool d = isDigit(c), v = isVariable(c), op = isOperator(c);
  const InpCheckState& st = s.st();
  if (c == '<' || c == '=' || c == '>') return s.refuse(kErrRelationInFraction);
  switch (st.state) {
    case 50:  // after "[" or "("
      if (d) return s.accept(53);
      if (c == '(') return s.open();
      if (isSign(c)) return s.sign(52);
      if (v) return s.accept(66);
      return s.refuse();
    case 52:  // after a sign
      if (d) return s.accept(53);
      if (v) return s.accept(66);
      if (c == '(') return s.open();
      if (c == 'K') return s.accept(56);
      if (s.relaxed() && isStoredSign(c)) return s.accept(53);
      return s.refuse();
    case 53:  // integer digits
      if (d) return s.accept(53);
      if (c == '(') return s.guardedOpen(kErrFractionRefusal);
      if (c == ')') return s.close();
      if (v) return s.accept(66);
      if (c == '^') return s.accept(61);
      if (op) return s.accept(54);
      if (c == '!' && isDigit(s.prev())) return s.accept(58);
      if (c == '.') return s.digitMustFollow(53, true);
      if (c == 'B') return s.accept(55);
      if (c == 'P' || c == 'C') return s.accept(64);
      if (c == 'K') return FracIntOk(st.fractionText) ? s.accept(56) : s.refuse(27);
      if (c == ']') return s.leaveFraction();
      return s.refuse();
    case 54:  // after an operator
      if (d) return s.accept(53);
      if (c == '(') return s.open();
      if (v) return s.accept(66);
      if (s.prev() == '^' && isSign(c)) return s.sign(54);
      if (s.relaxed() && isStoredSign(c)) return s.accept(54);
      return s.refuse();
    case 55:  // after "B"
      if (d) return s.accept(60);
      if (v) return s.accept(66);
      if (c == '(') return s.open();
      if (isSign(c)) return s.sign(52);
      return s.refuse();
    case 56:  // after "K"
      if (d) return s.accept(59);
      if (v) return s.accept(66);
      if (c == '(') return s.open();
      if (isSign(c)) return s.signBeforeDigit(59);
      return s.refuse();
    case 57:  // a digit must follow
      if (d) return s.accept(st.returnState);
      if (c == '@' && s.prev() == '.' && !st.repeatMarkUsed) return s.repeatMark();
      return s.refuse();
    case 58:  // after ")" or "!"
      if (c == '^') return s.accept(61);
      if (op) return s.accept(54);
      if (c == ')') return s.close();
      if (c == '(' && s.kakeruAbr()) return s.open();
      if (c == '!' && s.prev() != '!') return s.accept(58);
      if (c == 'B') return s.accept(55);
      if (c == ']') return s.leaveFraction();
      return s.refuse();
    case 59:  // digits after "K"
      if (d) return s.accept(59);
      if (v) return s.accept(66);
      if (c == '.') return s.digitMustFollow(59, true);
      if (c == 'B') return s.accept(55);
      if (c == '^') return s.accept(61);
      if (op) return s.accept(54);
      if (c == '!' && isDigit(s.prev())) return s.accept(58);
      if (c == 'P' || c == 'C') return s.accept(64);
      return s.refuse();
    case 60:  // digits after "B"
      if (d) return s.accept(60);
      if (v) return s.accept(66);
      if (c == '^') return s.accept(61);
      if (op) return s.accept(54);
      if (c == '!' && isDigit(s.prev())) return s.accept(58);
      if (c == '.') return s.digitMustFollow(60, true);
      if (c == 'P' || c == 'C') return s.accept(64);
      if (c == ']') return s.leaveFraction();
      if (c == ')') return s.close();
      if (c == '(' && s.kakeruAbr()) return s.open();
      return s.refuse();
    case 61:  // after "^"
      if (d) return s.accept(62);
      if (v) return s.accept(66);
      if (isSign(c)) return s.signBeforeDigit(62);
      return s.refuse(20);
    case 62:  // exponent digits
      if (d) return s.accept(62);
      if (c == '^') return s.accept(61);
      if (op) return s.accept(54);
      if (c == ')') return s.close();
      if (c == 'B') return s.accept(55);
      if (c == ']') return s.leaveFraction();
      return s.refuse(20);
    case 64:  // after "P" or "C"
      if (d) return s.accept(64);
      if (isDigit(s.prev())) {
        if (op) return s.accept(54);
        if (c == ')') return s.close();
      }
      if (c == 'B') return s.accept(55);
      if (c == ']') return s.leaveFraction();
      return s.refuse();
    case 66:  // after "x", "y" or "z"
      if (c == ')') return s.close();
      if (c == 'B') return s.accept(55);
      if (op) return s.accept(54);
      if (c == ']') return s.leaveFraction();
      if (v) return s.secondVariable(66);
      if (c == '(') return s.guardedOpen(33);
      if (d) return s.refuse(33);
      return s.refuse();
    default:
      return s.refuse();
  }
}

}  // namespace

bool FracIntOk(std::string_view fractionText) {
  std::size_t start = fractionText.rfind('[');
  std::string_view part =
      start == std::string_view::npos ? fractionText : fractionText.substr(start + 1);
  return part.find_first_of(".+-*/^!()PC") == std::string_view::npos;
}

bool CharCheck(InpCheckState& st, char ch, bool kakeruAbr, MessageSink& sink) {
  st.InpErrNo = st.state;
  st.CurJi = ch;
  if (ch == '%') {
    st.InpErrNo = kErrNoMeaning;
    return false;
  }
  if (st.PrevJi == '$') st.equalsSeen = false;

  int& run = st.fractionMode ? st.fracDigitRun : st.digitRun;
  const int runBefore = run;
  if (isDigit(ch))
    run = isDigit(st.PrevJi) ? std::clamp(run, 0, kMaxDigitRun) + 1 : 1;
  else
    run = 0;
  if (run > kMaxDigitRun) {
    sink.smallMessage("$ 19ケタ以上は入力不可！", "警告！", 1500);
    st.InpErrNo = kErrTooManyDigits;
    run = runBefore;
    return false;
  }

  Step step(st, ch, kakeruAbr);
  bool accepted;
  if (st.fractionMode) {
    st.InpErrNo = kErrFractionRefusal;
    if (ch == 'k') st.CurJi = 'K';
    if (ch == 'b') st.CurJi = 'B';
    accepted = fractionTable(step);
    if (accepted) st.fractionText += st.CurJi;
  } else {
    accepted = normalTable(step);
  }
  // The run counts accepted digits only, so a refused character cannot open a way
  // around the 19-digit limit.
  if (!accepted) run = runBefore;
  return accepted;
}

}  // namespace ravlo
