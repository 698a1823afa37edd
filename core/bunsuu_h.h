#pragma once
// A fraction whose parts are texts: the value type of an expression fraction "[ … ]", whose
// denominator and numerator are whole expressions.
#include <string>
#include <string_view>
#include <vector>

namespace ravlo {

struct BunsuuH {
  std::string sign = "0";         // read by its first character: "0", "+1"/"p"/"1", "-1"/"m"
  std::string integer = "0";      // plain integer text
  std::string denominator = "0";  // expression text
  std::string numerator = "0";    // expression text

  // 0, 1, -1, or 254 for an unknown first character.
  int signValue() const;
  // ‹[IKDBN]› form; only the sign text "m" is written as negative.
  std::string text() const;

  friend bool operator==(const BunsuuH&, const BunsuuH&) = default;
};

// The sign value of a sign text: 0, 1, -1, or 254 for an unknown (or missing) first character.
int bunHSignValue(std::string_view signText);

inline const BunsuuH kBunHInvalid{"0", "0", "0", "0"};
inline const BunsuuH kBunHOne{"1", "0", "1", "1"};
inline const BunsuuH kBunHZero{"1", "0", "1", "0"};

// Builds BunsuuH values and keeps the reason of the last failure. The evaluator sets the
// codes 10 to 12 on the same object.
struct BunsuuHContext {
  // 0 none, 1 not bracketed, 3 integer part not a non-negative integer, 4 missing field,
  // 8 empty field, 10 "]" without "[", 11 value invalid, 12 value cannot be written back.
  int BunsuuHErr = 0;

  // Reads an expression-fraction text such as ‹[m2K3B1+1]›.
  BunsuuH parse(std::string_view text);
  // From a list of texts: sign, integer, denominator, numerator; fewer than four is error 4.
  BunsuuH build(const std::vector<std::string>& fields);
  // From a Bunsuu64 sign (sign text "+1", "-1" or "0") and three texts, as assign.
  BunsuuH buildFromSign(int sign, std::string integer, std::string denominator,
                        std::string numerator);
  // From four texts; an empty one is error 8.
  BunsuuH assign(std::string sign, std::string integer, std::string denominator,
                 std::string numerator);
};

}  // namespace ravlo
