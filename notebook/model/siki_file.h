#pragma once
// The .siki notebook file as bytes: code page 932, CR LF, no header. An optional first line
// "#" + title, then one problem per line. Reading takes the file in pieces of at most 128
// bytes of the code-page form, so a longer line yields several problems.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/cp932.h"

namespace ravlo {

inline constexpr std::size_t kSikiPieceBytes = 128;
// A notebook file is a few kilobytes; anything far larger is no notebook.
inline constexpr std::size_t kMaxSikiFileBytes = 1024 * 1024;

enum class SikiFileStatus {
  Ok,
  NotText,          // a NUL byte, or bytes that are neither UTF-8 nor code page 932
  TooManyProblems,  // more problem lines than the notebook holds
};

struct SikiFileContent {
  std::string title;                  // UTF-8; empty when the file has no "#" line
  std::vector<std::string> problems;  // UTF-8, trimmed, in file order
  int errorCount = 0;                 // problems the input checker refuses
};

struct SikiFileDecode {
  SikiFileStatus status = SikiFileStatus::Ok;
  SikiFileContent content;   // complete only for Ok
  std::size_t problemLines = 0;  // every problem line of the file, also past the limit
};

// Reads the bytes of a .siki file. Files that are valid UTF-8 (with or without a byte-order
// mark) are read as UTF-8, everything else as code page 932; pieces are cut on the
// code-page form and never inside a double-byte character (it goes to the next piece).
SikiFileDecode decodeSikiFile(std::string_view bytes);

// The bytes of a .siki file. Characters the code page cannot hold become "?" (lossless is
// then false). Line breaks inside a text become blanks, and a problem that begins with "#"
// is written after a blank, so that every text reads back as what it was.
TextConversion encodeSikiFile(std::string_view title, const std::vector<std::string>& problems);

}  // namespace ravlo
