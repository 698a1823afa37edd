#pragma once
// Text scanners shared by the solver's steps.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ravlo::houtei {

// Characters that continue a number: digits and "b", "k", ".", "@".
bool isNumberChar(char c);
bool hasAnyOf(std::string_view text, std::string_view chars);

// Position of the opening bracket that matches the closing one at `close` (brackets of the
// given pair only); npos when there is none.
std::size_t matchingOpen(std::string_view text, std::size_t close, char open, char shut);

// One term of a sum and the operator in front of it ('\0' for the first term).
struct Term {
  char op = '\0';
  std::string text;
};
// Cuts a sum at every "+" and "-" (and every character of `extraSeparators`) that stands
// outside round brackets.
std::vector<Term> splitTerms(std::string_view side, std::string_view extraSeparators = {});

// A term as sign and body: the operator in front, or a leading sign "m"/"p" of the term,
// gives the sign; the body is the rest.
struct SignedBody {
  bool negative = false;
  std::string body;
};
SignedBody signedBody(const Term& t);

// Joins signed bodies into a sum; the first one gets "-" only when it is negative; an empty
// list gives "0".
std::string joinSigned(const std::vector<SignedBody>& terms);

}  // namespace ravlo::houtei

namespace ravlo::houtei {

// One plain number as the solver writes it: an optional sign "m"/"p" and I, DbN, IkDbN,
// I.F, I.F@R or I.@R, possibly in round brackets.
bool isPlainNumber(std::string_view text);

// The marks the bracket expansion uses ("{", "}", "<", ">") as round brackets again.
std::string marksToBrackets(std::string_view text);

}  // namespace ravlo::houtei
