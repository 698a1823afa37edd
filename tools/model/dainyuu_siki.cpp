#include "tools/model/dainyuu_siki.h"

#include <array>
#include <utility>

#include "core/message_sink.h"
#include "tools/model/field_text.h"

namespace ravlo {
namespace {

bool isVariable(char c) { return c == 'x' || c == 'y' || c == 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Step 4: "*" before a variable that follows a digit, ")" or another variable, and before a
// "(" that follows a variable.
std::string explicitVariableProducts(std::string_view e) {
  std::string out;
  for (std::size_t i = 0; i < e.size(); ++i) {
    const char c = e[i];
    if (i > 0) {
      const char p = e[i - 1];
      // Two variables side by side are a product as much as a digit and a variable are.
      if (isVariable(c) && (isDigit(p) || p == ')' || isVariable(p))) out += '*';
      if (c == '(' && isVariable(p)) out += '*';
    }
    out += c;
  }
  return out;
}

// "*" between ")" and a following digit or "(", and between a character `before` accepts and
// a following "(".
template <typename Before>
std::string explicitBracketProducts(std::string_view e, Before before) {
  std::string out;
  for (std::size_t i = 0; i < e.size(); ++i) {
    const char c = e[i];
    if (i > 0) {
      const char p = e[i - 1];
      if (p == ')' && (isDigit(c) || c == '(')) out += '*';
      else if (c == '(' && before(p)) out += '*';
    }
    out += c;
  }
  return out;
}

// Whether the whole text is one bracket: its first "(" closes at its last character.
bool enclosed(std::string_view v) {
  if (v.size() < 2 || v.front() != '(' || v.back() != ')') return false;
  int depth = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] == '(') ++depth;
    if (v[i] == ')' && --depth == 0) return i + 1 == v.size();
  }
  return false;
}

// Step 7 for one variable: every occurrence replaced, scanning on after the value put in.
std::string putIn(std::string_view e, char variable, std::string value) {
  std::string out;
  for (std::size_t i = 0; i < e.size(); ++i) {
    if (e[i] != variable) {
      out += e[i];
      continue;
    }
    // A fraction raised to a power needs its brackets: 3b2^2 is not (3b2)^2.
    const bool powered = i + 1 < e.size() && e[i + 1] == '^';
    if (powered && !enclosed(value) && value.find('b') != std::string::npos) {
      value = "(" + value + ")";
    }
    out += value;
  }
  return out;
}

}  // namespace

std::optional<std::string> DainyuuSiki(std::string_view expr, const DainyuuValues& values,
                                       std::string_view paiStr, MessageSink& sink) {
  std::string e = replacePai(trimBlanks(expr.substr(0, expr.find('#'))), paiStr);
  if (e.find_first_of("xyz") == std::string::npos) {
    if (sink.box(kDainyuuWarnCaption, kDainyuuNoVariableText, BoxButtons::OkCancel,
                 BoxIcon::Question) != BoxAnswer::Ok)
      return std::nullopt;
    return e;
  }
  e = explicitVariableProducts(e);
  e = explicitBracketProducts(e, isDigit);

  // Blanks around a typed value are no part of it.
  const std::array<std::pair<char, std::string>, 3> vars{{{'x', trimBlanks(values.x)},
                                                          {'y', trimBlanks(values.y)},
                                                          {'z', trimBlanks(values.z)}}};
  std::string missing;
  for (const auto& [name, value] : vars) {
    if (e.find(name) != std::string::npos && value.empty()) {
      missing += name;
      missing += ' ';
    }
  }
  if (!missing.empty()) {
    sink.box(kDainyuuWarnCaption, missing + std::string(kDainyuuMissingSuffix));
    return std::nullopt;
  }
  for (const auto& [name, value] : vars) {
    // A value may bring in a later variable; one without a value stays as it is.
    if (e.find(name) == std::string::npos || value.empty()) continue;
    std::string v = value;
    if (v.front() == '-') v = "(" + v + ")";
    e = putIn(e, name, v);
  }
  return explicitBracketProducts(e, [](char p) { return isDigit(p) || isVariable(p); });
}

}  // namespace ravlo
