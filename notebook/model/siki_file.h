#pragma once
// The .siki notebook file as bytes: code page 932 (or UTF-8), CR LF, no header. An optional
// first line "#" + title, then one problem per line. Lines are read whole, however long.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cp932.h"

namespace ravlo {

// How the bytes of a file are text. Reading a notebook and writing it back keeps its form.
enum class SikiEncoding { Cp932, Utf8, Utf8Bom };
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
  SikiEncoding encoding = SikiEncoding::Cp932;
};

struct SikiFileDecode {
  SikiFileStatus status = SikiFileStatus::Ok;
  SikiFileContent content;   // complete only for Ok
  std::size_t problemLines = 0;  // every problem line of the file, also past the limit
};

// How a file's bytes are read: with a UTF-8 byte-order mark as UTF-8; plain ASCII as code
// page 932; bytes that are valid UTF-8 as UTF-8, unless they hold a character below U+0800
// and read as code page 932 too (pairs of half-width katakana such as "ﾃｽ" are valid UTF-8
// by chance); everything else as code page 932. nullopt when the bytes are text in neither.
std::optional<SikiEncoding> detectSikiEncoding(std::string_view bytes);

// Reads the bytes of a .siki file (detectSikiEncoding); the encoding found is in the content.
SikiFileDecode decodeSikiFile(std::string_view bytes);

// The bytes of a .siki file in the given form. Characters code page 932 cannot hold become
// "?" (lossless is then false). A LF inside a text becomes a blank, and a problem that
// begins with "#" is written after a blank, so that every text reads back as what it was.
TextConversion encodeSikiFile(std::string_view title, const std::vector<std::string>& problems,
                              SikiEncoding encoding = SikiEncoding::Cp932);

struct SikiFileBytes {
  std::string bytes;
  SikiEncoding encoding = SikiEncoding::Cp932;
};

// The bytes to save a notebook with: in the given form when they read back as the same
// texts; otherwise in UTF-8, or, when even that would be taken for the code page, UTF-8
// with a byte-order mark. (Code-page bytes can be valid UTF-8 by chance, "繧｡" is the
// UTF-8 of "ァ", and a character the code page lacks would become "?".)
SikiFileBytes sikiFileBytes(std::string_view title, const std::vector<std::string>& problems,
                            SikiEncoding encoding);

}  // namespace ravlo
