#include "expr/decimal_cut.h"

namespace ravlo {

int terminatingPlaces(std::int64_t d) {
  int twos = 0, fives = 0;
  while (d > 1 && d % 2 == 0) {
    d /= 2;
    ++twos;
  }
  while (d > 1 && d % 5 == 0) {
    d /= 5;
    ++fives;
  }
  return twos > fives ? twos : fives;
}

// The 18 places are restored first: dropping the last character of "0.1" (for
// 0.100000000000000000|12…) would lose a significant digit.
std::string cutDecimal(const std::string& s) {
  const std::size_t dot = s.find('.');
  if (dot == std::string::npos) return s + "u";
  std::string places = s.substr(dot + 1);
  places.resize(kShownPlaces, '0');
  places.pop_back();
  const std::size_t last = places.find_last_not_of('0');
  if (last != std::string::npos) places.erase(last + 1);
  return s.substr(0, dot + 1) + places + "u";
}

}  // namespace ravlo
