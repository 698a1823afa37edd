#include "core/base_n_line.h"

#include <algorithm>

#include "core/base_n.h"
#include "core/number_theory_read.h"

namespace ravlo {
namespace {

bool isDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A base written after "(" or ">": decimal digits only, 2 to 16.
int readBase(std::string_view text) {
  if (!isDigits(text)) return 0;
  const auto value = detail::readInt64(text);
  if (!value || *value < 2 || *value > 16) return 0;
  return static_cast<int>(*value);
}

std::string convert(std::string_view text) {
  if (const std::size_t to = text.find(">("); to != std::string_view::npos) {
    const std::string_view number = text.substr(0, to), base = text.substr(to + 2);
    const int n = readBase(base);
    if (n == 0 || !isDigits(number)) return "n";
    const std::string result = JuToNsin(number, n);
    if (result == "n") return "n";
    return std::string(number) + "(10)=" + result + "(" + std::string(base) + ")";
  }
  const std::size_t open = text.find('(');
  if (open == std::string_view::npos) return "n";
  const std::string_view number = text.substr(0, open), rest = text.substr(open + 1);
  if (const std::size_t to = rest.find('>'); to != std::string_view::npos) {
    const std::string_view from = rest.substr(0, to), target = rest.substr(to + 1);
    const int n = readBase(from), m = readBase(target);
    if (n == 0 || m == 0) return "n";
    const std::string result = NsinToMsin(number, n, m);
    if (result == "n") return "n";
    return std::string(number) + "(" + std::string(from) + ")=" + result + "(" +
           std::string(target) + ")";
  }
  const int n = readBase(rest);
  if (n == 0) return "n";
  const std::string result = NsinToJu(number, n);
  if (result == "n") return "n";
  return std::string(number) + "(" + std::string(rest) + ")=" + result + "(10)";
}

}  // namespace

NsinLine NsinHenkanLine(std::string_view text, MessageSink& sink) {
  if (text.empty() || text.find('=') != std::string_view::npos) return {};
  std::string copy(text);
  copy.erase(std::remove(copy.begin(), copy.end(), ')'), copy.end());
  std::string line = convert(copy);
  if (line == "n") {
    sink.box(kNsinCaption, kNsinFormatHelp);
    return {NsinLine::Outcome::Failed, {}};
  }
  return {NsinLine::Outcome::Converted, std::move(line)};
}

}  // namespace ravlo
