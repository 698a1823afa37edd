#include "notebook/model/siki_file.h"

#include <algorithm>

#include "expr/inp_check_state.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_line_check.h"

namespace ravlo {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// In valid UTF-8 the bytes C2..DF only lead two-byte characters (U+0080..U+07FF: accented
// Latin, Greek, Cyrillic). Japanese text has none; code page 932 text of half-width
// katakana has such bytes everywhere.
bool holdsTwoByteUtf8(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0xC2 && b <= 0xDF;
  });
}

// A text as one file line. Only a LF ends a line when reading, so a CR inside a text
// stays: it reads back as it was.
std::string fileLine(std::string_view text) {
  std::string line(text);
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}

// The UTF-8 text of a file's bytes as reading sees them; nullopt when they are no text.
std::optional<std::string> textAsRead(std::string_view bytes) {
  const std::optional<SikiEncoding> encoding = detectSikiEncoding(bytes);
  if (!encoding) return std::nullopt;
  switch (*encoding) {
    case SikiEncoding::Cp932:
      return cp932ToUtf8(bytes).text;
    case SikiEncoding::Utf8Bom:
      return std::string(bytes.substr(kUtf8ByteOrderMark.size()));
    case SikiEncoding::Utf8:
      break;
  }
  return std::string(bytes);
}

}  // namespace

std::optional<SikiEncoding> detectSikiEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) {
    if (isValidUtf8(bytes.substr(kUtf8ByteOrderMark.size()))) return SikiEncoding::Utf8Bom;
    return std::nullopt;
  }
  // Plain ASCII is the original form: Japanese added later is written in the code page.
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return SikiEncoding::Cp932;
  const bool utf8 = isValidUtf8(bytes);
  if (utf8 && !holdsTwoByteUtf8(bytes)) return SikiEncoding::Utf8;
  if (cp932ToUtf8(bytes).lossless) return SikiEncoding::Cp932;
  if (utf8) return SikiEncoding::Utf8;
  return std::nullopt;
}

SikiFileDecode decodeSikiFile(std::string_view bytes) {
  SikiFileDecode result;
  const std::optional<SikiEncoding> encoding =
      bytes.find('\0') == std::string_view::npos ? detectSikiEncoding(bytes) : std::nullopt;
  if (!encoding) {
    result.status = SikiFileStatus::NotText;
    return result;
  }
  result.content.encoding = *encoding;
  std::string utf8;
  if (*encoding == SikiEncoding::Cp932) {
    utf8 = cp932ToUtf8(bytes).text;
  } else if (*encoding == SikiEncoding::Utf8Bom) {
    utf8 = bytes.substr(kUtf8ByteOrderMark.size());
  } else {
    utf8 = bytes;
  }

  InpCheckState checker;
  std::string_view rest = utf8;
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    std::string_view line = rest.substr(0, lf);
    rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) continue;
    if (line.front() == '#') {
      result.content.title = line.substr(1);
      continue;
    }
    ++result.problemLines;
    if (result.problemLines > static_cast<std::size_t>(kSikiMax)) continue;
    std::string problem(trimBlanks(line));
    if (NoteLineCheck(checker, problem) > 0) ++result.content.errorCount;
    result.content.problems.push_back(std::move(problem));
  }
  if (result.problemLines > static_cast<std::size_t>(kSikiMax))
    result.status = SikiFileStatus::TooManyProblems;
  return result;
}

TextConversion encodeSikiFile(std::string_view title, const std::vector<std::string>& problems,
                              SikiEncoding encoding) {
  std::string text;
  if (!title.empty()) text += "#" + fileLine(title) + "\r\n";
  for (const std::string& problem : problems) {
    std::string line = fileLine(problem);
    if (line.starts_with('#')) line.insert(0, " ");
    text += line + "\r\n";
  }
  switch (encoding) {
    case SikiEncoding::Cp932:
      return utf8ToCp932(text);
    case SikiEncoding::Utf8Bom:
      return {std::string(kUtf8ByteOrderMark) + text, true};
    case SikiEncoding::Utf8:
      break;
  }
  return {text, true};
}

SikiFileBytes sikiFileBytes(std::string_view title, const std::vector<std::string>& problems,
                            SikiEncoding encoding) {
  const std::string text = encodeSikiFile(title, problems, SikiEncoding::Utf8).text;
  for (SikiEncoding form : {encoding, SikiEncoding::Utf8}) {
    TextConversion bytes = encodeSikiFile(title, problems, form);
    if (bytes.lossless && textAsRead(bytes.text) == text) return {std::move(bytes.text), form};
  }
  return {encodeSikiFile(title, problems, SikiEncoding::Utf8Bom).text, SikiEncoding::Utf8Bom};
}

}  // namespace ravlo
