#pragma once
// Taking brackets out of a flat expression and merging the signs that then meet. Text
// only: numbers are recognised with TanSuuCheck, nothing is computed.
#include <string>
#include <string_view>

namespace ravlo {

// Results the callers read right after each call.
struct KakkoContext {
  // Last KakkoHazusi: 0 no bracket removed, 1 at least one removed, -1 a bracket could not
  // be removed (only when groups may not be kept).
  int KakkoResult = 0;
  // Last JoujoKakkoHazusi: groups opened, 0 when none, -1 when the expression is a sum.
  int KakkoKazu = 0;
  // Last JoujoKakkoHazusi: how many "m" signs it took out of the groups.
  int droppedMinusCount = 0;
};

// Unbrackets every group that holds one plain number and merges sign pairs ("+m" -> "-",
// "-m" -> "+", "pp" -> "", ...). A group raised to a power keeps its brackets. Any other
// group is kept when keepGroups is true; otherwise E comes back unchanged with
// KakkoResult -1.
std::string KakkoHazusi(KakkoContext& ctx, std::string_view E, bool keepGroups);

// Opens the bracket groups of a product or quotient and puts the sign in front:
// ‹(m3b2)*(m2)› -> ‹3b2*2›. A text holding "+" or "-" is returned unchanged with
// KakkoKazu -1.
std::string JoujoKakkoHazusi(KakkoContext& ctx, std::string_view E);

// Opens all brackets of a sum, spreading a minus in front of a group over its terms:
// ‹2-(3-1)› -> ‹2-3+1›.
std::string KakkoTenkai(std::string_view E);

}  // namespace ravlo
