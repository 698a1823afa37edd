#pragma once
// Names for table rows that stay the same from build to build and can be picked with
// `ctest -R`: the row's text with operators spelled out and other characters as their code
// point, then the row's index, which keeps rows with the same text apart.
#include <gtest/gtest.h>

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ravlo::test_names {

inline constexpr std::size_t kMaxLabel = 48;

inline const char* symbolWord(char c) {
  switch (c) {
    case '+': return "plus";
    case '-': return "minus";
    case '*': return "times";
    case '/': return "div";
    case '=': return "eq";
    case '.': return "dot";
    case '(': return "lp";
    case ')': return "rp";
    case '[': return "lb";
    case ']': return "rb";
    case '^': return "pow";
    case '!': return "fact";
    case ':': return "ratio";
    case '<': return "lt";
    case '>': return "gt";
    case '@': return "rep";
    case '&': return "amp";
    case '|': return "bar";
    case '$': return "dollar";
    case '~': return "tilde";
    case '#': return "hash";
    case ',': return "comma";
    default: return nullptr;
  }
}

// One UTF-8 sequence starting at text[i]; advances i. A stray byte counts as itself.
inline std::uint32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const auto b = static_cast<unsigned char>(text[i++]);
  int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  std::uint32_t cp = more == 3 ? (b & 0x07u) : more == 2 ? (b & 0x0Fu) : more == 1 ? (b & 0x1Fu) : b;
  for (; more > 0 && i < text.size(); --more) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) != 0x80) break;
    cp = (cp << 6) | (c & 0x3Fu);
    ++i;
  }
  return cp;
}

inline std::string label(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  auto separate = [&] {
    if (!out.empty() && out.back() != '_') out += '_';
  };
  for (std::size_t i = 0; i < text.size() && out.size() < kMaxLabel;) {
    const char c = text[i];
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      out += c;
      ++i;
    } else if (const char* word = symbolWord(c)) {
      separate();
      out += word;
      out += '_';
      ++i;
    } else if (static_cast<unsigned char>(c) < 0x80) {
      separate();
      ++i;
    } else {
      std::uint32_t cp = nextCodePoint(text, i);
      std::string hex;
      for (; cp != 0; cp >>= 4) hex.insert(hex.begin(), kHex[cp & 0xF]);
      separate();
      out += 'u' + hex + '_';
    }
  }
  while (!out.empty() && out.back() == '_') out.pop_back();
  return out;
}

inline std::string label(const char* text) { return label(std::string_view(text ? text : "")); }
inline std::string label(const std::string& text) { return label(std::string_view(text)); }
template <std::integral Number>
  requires(!std::same_as<Number, bool> && !std::same_as<Number, char>)
std::string label(Number value) {
  return value < 0 ? "m" + std::to_string(-static_cast<long long>(value)) : std::to_string(value);
}
inline std::string label(const std::vector<std::string>& words) {
  std::string joined;
  // Options are named by their word: "--anssyu 2" reads as "anssyu_2".
  for (const std::string& w : words)
    joined += (joined.empty() ? "" : " ") + (w.starts_with("--") ? w.substr(2) : w);
  return label(joined);
}

inline std::string rowName(const std::string& text, std::size_t index) {
  return (text.empty() ? "row" : text) + "_" + std::to_string(index);
}

// The name generator of INSTANTIATE_TEST_SUITE_P: Field is the row's member (or a function
// of the row) that says what the row is about.
template <auto Field>
struct RowName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
    return rowName(label(std::invoke(Field, info.param)), info.index);
  }
};

// For rows that are a text themselves.
struct TextName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
    return rowName(label(info.param), info.index);
  }
};

}  // namespace ravlo::test_names
