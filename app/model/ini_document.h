#pragma once
// A small INI codec that changes only what it is asked to change: every other line (comments,
// blank lines, unknown keys and sections, garbage) is written back as it was read, in its
// place and, for a file in code page 932, byte for byte.
//
// Reading follows the Windows profile functions: section and key names are matched without
// regard to ASCII case, with spaces and tabs around them ignored; the first section of a name
// and the first key of a name in it win; a value loses the spaces and tabs around it and one
// pair of matching quotes ("..." or '...') around it. Lines end with LF, CR LF or CR; lines
// starting with ";" or "#" are comments; a line that is no "[section]" and has no "=" is kept
// as it stands and means nothing.
//
// Writing ends every line with CR LF. A value that would not read back as written (spaces at
// its ends, or quotes around it) is written in quotes; line breaks and NULs in a value or name
// become spaces, since a line cannot hold them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/cp932.h"

namespace ravlo {

class IniDocument {
 public:
  // Text that is already UTF-8.
  static IniDocument parse(std::string_view text);
  // The bytes of a file: read as UTF-8 when they are valid UTF-8 (a leading byte-order mark is
  // dropped), else as code page 932. `lossless` tells whether every byte could be decoded;
  // undecodable lines are still written back with their own bytes while they stay unchanged.
  static IniDocument fromFileBytes(std::string_view bytes, bool* lossless = nullptr);

  // The whole document as UTF-8 text with CR LF line ends.
  std::string text() const;
  // The whole document in code page 932 with CR LF line ends; lines read from a code-page
  // file and not changed since are their original bytes.
  TextConversion toCp932() const;

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // Sets the value of the first such key, appends the key to the first such section after its
  // last key, or appends the section at the end. Setting the value a key already has leaves
  // its line untouched.
  void setValue(std::string_view section, std::string_view key, std::string_view value);

  bool hasSection(std::string_view section) const;
  // Names in file order as written, duplicates included.
  std::vector<std::string> sectionNames() const;
  // Keys of the first such section in file order as written, duplicates included.
  std::vector<std::string> keys(std::string_view section) const;

 private:
  enum class LineKind { Other, Section, Entry };
  struct Line {
    LineKind kind = LineKind::Other;
    std::string text;              // UTF-8, without line end
    std::optional<std::string> raw;  // the code-page bytes it was read from
    std::string name;              // section name or key, trimmed
    std::string value;             // entry value, trimmed and unquoted
  };
  struct Section {
    Line header;
    // Lines up to and including the last entry; new keys go at its end, so the indices of
    // the entries never move.
    std::vector<Line> body;
    // Comments, blank lines and garbage after the last entry.
    std::vector<Line> trailer;
    std::unordered_map<std::string, std::size_t> entryIndex;  // folded key -> body index
  };

  static Line parseLine(std::string text);
  void addLine(Line line);
  void finishSection();
  void appendSection(std::string name);
  const Line* findEntry(std::string_view section, std::string_view key) const;
  template <typename Fn>
  void forEachLine(Fn&& fn) const;

  std::vector<Line> preamble_;  // lines before the first section
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first section
};

}  // namespace ravlo
