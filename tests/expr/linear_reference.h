#pragma once
// An independent reading of a question in x, for checking the solver: each side as a·x + b
// with exact rationals of 128-bit integers. It follows the calculator's rules (a sign belongs
// to its number under "^", powers from the left, implicit multiplication as "*") but shares
// no code with the engine.
#include <optional>
#include <string>
#include <string_view>

namespace ravlo::solvertest {

__extension__ typedef __int128 Int128;

struct Rat {
  Int128 n = 0;
  Int128 d = 1;  // > 0, gcd(n, d) = 1
};

// nullopt on overflow (magnitudes are kept far below the 128-bit range).
std::optional<Rat> ratMake(Int128 n, Int128 d);
std::optional<Rat> ratAdd(Rat a, Rat b);
std::optional<Rat> ratSub(Rat a, Rat b);
std::optional<Rat> ratMul(Rat a, Rat b);
std::optional<Rat> ratDiv(Rat a, Rat b);
int ratCompare(Rat a, Rat b);
inline bool ratIsZero(Rat a) { return a.n == 0; }
std::string ratText(Rat a);  // for failure messages: "-7/3"

// A solver answer value: "2", "m2", "3b2", "m2k3b1". nullopt for anything else.
std::optional<Rat> ratFromAnswer(std::string_view text);

struct Linear {
  Rat a;  // coefficient of x
  Rat b;  // constant
};

struct RefQuestion {
  Linear left;
  Linear right;
  int rel = 0;  // 0 "=", 1 "<", 2 "<=", 3 ">", 4 ">="
};

enum class RefStatus {
  Ok,
  NotLinear,   // well formed, but not of the first degree in x
  Malformed,   // not a question of the grammar
  NoValue,     // a value the calculator cannot form (zero denominator, 0^0, 3.5!, ...)
  OutOfRange,  // a number this reading does not follow (far beyond the calculator's range)
};

struct RefReading {
  RefStatus status = RefStatus::Malformed;
  RefQuestion question;
};

// The question read as a linear equation or inequality, or a proportion a:b=c:d read as
// a·d = b·c.
RefReading readRefQuestion(std::string_view text);

// Whether the question holds for this x; nullopt when the values leave the reading's range.
std::optional<bool> refHolds(const RefQuestion& q, Rat x);
// Whether "x REL v" holds for this x.
bool answerHolds(int rel, Rat v, Rat x);

}  // namespace ravlo::solvertest
