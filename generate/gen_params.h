#pragma once
// What a pattern is asked for: its bounds and the choices that shape its problems. A pattern
// has its own defaults; a request overrides some of them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ravlo {

// What the answer of a sum or difference must look like.
enum class GenAnswer {
  Any,
  Simple,  // a proper fraction that needs no reducing
  Reduce,  // needs reducing (and is no whole number)
  Whole,   // a whole number
  Mixed,   // more than 1 and no whole number
};
enum class GenOp { Add, Sub, Both };
// A property asked for, refused, or left to chance: borrowing, cancelling before multiplying.
enum class GenTri { Any, Yes, No };

struct GenParams {
  int maxDen = 12;   // the largest denominator
  int maxWhole = 9;  // the largest whole number (of mixed numbers, whole factors, quantities)
  int terms = 2;
  GenAnswer answer = GenAnswer::Any;
  GenOp op = GenOp::Both;
  GenTri borrow = GenTri::Any;
  GenTri cancel = GenTri::Any;
};

// Which of the parameters a pattern reads, for --list and for refusing an option no chosen
// pattern takes.
enum GenParamBit : unsigned {
  kGenMaxDen = 1,
  kGenMaxWhole = 2,
  kGenTerms = 4,
  kGenAnswer = 8,
  kGenOp = 16,
  kGenBorrow = 32,
  kGenCancel = 64,
};

struct GenOverrides {
  std::optional<int> maxDen, maxWhole, terms;
  std::optional<GenAnswer> answer;
  std::optional<GenOp> op;
  std::optional<GenTri> borrow, cancel;

  unsigned given() const;
  GenParams applyTo(GenParams p) const;
};

// The option value texts: "any simple reduce whole mixed", "add sub both", "any yes no".
std::optional<GenAnswer> ParseGenAnswer(std::string_view text);
std::optional<GenOp> ParseGenOp(std::string_view text);
std::optional<GenTri> ParseGenTri(std::string_view text);
std::string_view GenAnswerName(GenAnswer a);
std::string_view GenOpName(GenOp o);
std::string_view GenTriName(GenTri t);

// The limits every bound is held to, so that no answer can leave the 64-bit range.
inline constexpr int kGenMaxDenLimit = 99;
inline constexpr int kGenMaxWholeLimit = 999;
inline constexpr int kGenTermsLimit = 4;

}  // namespace ravlo
