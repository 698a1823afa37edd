#include "process/proc_text_seiri.h"

#include <vector>

#include "expr/text_edit.h"

namespace ravlo {

namespace {

using text_edit::replaceAll;

bool isTagLetter(char c) { return c == 'X' || c == 'Y' || c == 'Z' || c == 'A'; }

// The expression of an entry: the text after its tag and the "=" that may follow it.
std::string_view entryExpression(std::string_view entry) {
  if (entry.size() <= 4) return {};
  std::string_view e = entry.substr(4);
  if (!e.empty() && e.front() == '=') e.remove_prefix(1);
  return e;
}

// Drops an entry that the next one repeats: for a next X entry when the expressions agree,
// otherwise when the whole entries agree. The last entry is always kept.
std::string dropRepeatedEntries(const std::string& s) {
  std::vector<std::string_view> entries;
  std::string_view rest = s;
  while (!rest.empty()) {
    const std::size_t t = rest.find('~');
    if (t == std::string_view::npos) {
      entries.push_back(rest);
      break;
    }
    entries.push_back(rest.substr(0, t));
    rest.remove_prefix(t + 1);
  }
  std::string out;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i + 1 < entries.size()) {
      const std::string_view next = entries[i + 1];
      const bool same = next.size() >= 4 && next[3] == 'X'
                            ? entryExpression(entries[i]) == entryExpression(next)
                            : entries[i] == next;
      if (same) continue;
    }
    out += entries[i];
    out += '~';
  }
  return out;
}

void dropFifthIfEquals(std::string& s) {
  if (s.size() >= 5 && s[4] == '=') s.erase(4, 1);
}

}  // namespace

std::string ProcTextSeiri(std::string_view raw) {
  if (raw.empty()) return {};
  std::string s(raw);

  // 1, 2: no leading separators; the first entry has no "=" after its tag; one "~" at the end.
  const std::size_t first = s.find_first_not_of("=~");
  s.erase(0, first == std::string::npos ? s.size() : first);
  dropFifthIfEquals(s);
  if (s.empty() || s.back() != '~') s += '~';

  // 3: doubled separators and the signs that follow an "=" or "(".
  s = replaceAll(s, "==", "=");
  s = replaceAll(s, "=~", "~");
  s = replaceAll(s, "~~", "~");
  s = replaceAll(s, "=-", "=m");
  s = replaceAll(s, "=+", "=");
  s = replaceAll(s, "(+", "(");
  s = replaceAll(s, "(-", "(m");

  // 4: every "=" that is not part of a tag starts an entry of its own without advice.
  static constexpr std::string_view kTags[] = {"X=", "Y=", "Z=", "A="};
  static constexpr std::string_view kMarks[] = {"\x01\x01", "\x02\x02", "\x03\x03", "\x04\x04"};
  for (int i = 0; i < 4; ++i) s = replaceAll(s, kTags[i], kMarks[i]);
  s = replaceAll(s, "=", "~000X=");
  for (int i = 0; i < 4; ++i) s = replaceAll(s, kMarks[i], kTags[i]);

  // 5: a sign at the very start.
  if (!s.empty() && s.front() == '-') s.front() = 'm';
  else if (!s.empty() && s.front() == '+') s.erase(0, 1);

  // 6: a text that does not start with an entry tag becomes an intermediate line.
  if (s.size() <= 3 || !isTagLetter(s[3])) s.insert(0, "090X");

  // 7: lines that only repeat the next one.
  if (s.find('=') != std::string::npos) {
    s = dropRepeatedEntries(s);
    s = replaceAll(s, "~~", "~");
    if (s.size() >= 5 && isTagLetter(s[3])) dropFifthIfEquals(s);
  }
  return s;
}

std::string ProcTextDropLast(std::string_view text) {
  std::string_view t = text;
  if (!t.empty() && t.back() == '=') t.remove_suffix(1);
  const std::size_t eq = t.rfind('=');
  if (eq == std::string_view::npos) return {};
  std::string s(t.substr(0, eq));
  if (!s.empty() && isTagLetter(s.back())) s.erase(s.size() >= 4 ? s.size() - 4 : 0);
  s += '=';
  return s;
}

}  // namespace ravlo
