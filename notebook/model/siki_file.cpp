#include "notebook/model/siki_file.h"

#include <algorithm>

#include "expr/inp_check_state.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_line_check.h"

namespace ravlo {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The length of the piece that starts at the beginning of `text`: up to and including a
// LF, at most kSikiPieceBytes, ending before a double-byte character that would not fit.
std::size_t pieceLength(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b == '\n') return i + 1;
    const std::size_t width = (isLeadByte(b) && i + 1 < text.size()) ? 2 : 1;
    if (i + width > kSikiPieceBytes) return i == 0 ? width : i;
    i += width;
  }
  return i;
}

std::string_view trimBlanks(std::string_view s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string toUtf8(std::string_view cp932) { return cp932ToUtf8(cp932).text; }

// A text as one file line: no line break inside, no "#" in front of a problem.
std::string fileLine(std::string_view text) {
  std::string line(text);
  std::replace(line.begin(), line.end(), '\r', ' ');
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}

}  // namespace

SikiFileDecode decodeSikiFile(std::string_view bytes) {
  SikiFileDecode result;
  if (bytes.find('\0') != std::string_view::npos) {
    result.status = SikiFileStatus::NotText;
    return result;
  }
  std::string codePage;
  std::string_view text = bytes;
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  if (isValidUtf8(text)) {
    codePage = utf8ToCp932(text).text;
  } else if (cp932ToUtf8(bytes).lossless) {
    codePage = std::string(bytes);
  } else {
    result.status = SikiFileStatus::NotText;
    return result;
  }

  InpCheckState checker;
  std::string_view rest = codePage;
  while (!rest.empty()) {
    const std::size_t length = pieceLength(rest);
    std::string_view piece = rest.substr(0, length);
    rest.remove_prefix(length);
    if (piece.ends_with('\n')) piece.remove_suffix(1);
    if (piece.ends_with('\r')) piece.remove_suffix(1);
    if (piece.empty()) continue;
    if (piece.front() == '#') {
      result.content.title = toUtf8(piece.substr(1));
      continue;
    }
    ++result.problemLines;
    if (result.problemLines > static_cast<std::size_t>(kSikiMax)) continue;
    std::string problem = toUtf8(trimBlanks(piece));
    if (NoteLineCheck(checker, problem) > 0) ++result.content.errorCount;
    result.content.problems.push_back(std::move(problem));
  }
  if (result.problemLines > static_cast<std::size_t>(kSikiMax))
    result.status = SikiFileStatus::TooManyProblems;
  return result;
}

TextConversion encodeSikiFile(std::string_view title, const std::vector<std::string>& problems) {
  std::string text;
  if (!title.empty()) text += "#" + fileLine(title) + "\r\n";
  for (const std::string& problem : problems) {
    std::string line = fileLine(problem);
    if (line.starts_with('#')) line.insert(0, " ");
    text += line + "\r\n";
  }
  return utf8ToCp932(text);
}

}  // namespace ravlo
