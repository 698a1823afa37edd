#pragma once
// Cutting a sum into its terms and reading the parts of one number term. A sum is cut at
// every binary "+" and "-"; the signs "m" and "p" belong to their number.
#include <string>
#include <string_view>
#include <vector>

namespace ravlo {

struct SumTerm {
  char op = '\0';    // '+' or '-'; '\0' for the first term
  std::string text;  // the term; the first one keeps its sign "m"/"p"
};

// The terms of E. A leading "-" or "+" is read as the sign "m" or "p" of the first term.
std::vector<SumTerm> splitSum(std::string_view E);
std::string joinSum(const std::vector<SumTerm>& terms);

// The parts of one number term such as ‹(m2k3b1)› or ‹m(3b2)›.
struct NumberParts {
  bool bracketed = false;  // enclosed in "(" ")"
  bool negative = false;   // an odd number of "m" signs
  std::string integer;     // integer part ("" when there is none)
  std::string denominator; // "" for an integer or a decimal
  std::string numerator;
  bool decimal = false;    // holds "."; the whole number is then in `integer`
  bool isFraction() const { return !denominator.empty(); }
  bool isMixed() const { return isFraction() && !integer.empty(); }
  // The number without brackets and sign.
  std::string body() const;
  // Sign and number without brackets: ‹m2k3b1›.
  std::string canonical() const { return (negative ? "m" : "") + body(); }
};

// Reads the parts without checking the digits; a text that is not of the number shapes
// (digits, D "b" N, I "k" D "b" N, decimals) gives false.
bool parseNumberParts(std::string_view term, NumberParts& parts);

// True when the text is one plain number: signs and one bracket around one of the shapes
// above, every digit run non-empty.
bool isPlainNumber(std::string_view term);

}  // namespace ravlo
