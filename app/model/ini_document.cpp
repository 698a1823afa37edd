#include "app/model/ini_document.h"

#include <utility>

namespace ravlo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Names match without regard to ASCII case; other bytes are left alone.
std::string fold(std::string_view s) {
  std::string out(trim(s));
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool isQuote(char c) { return c == '"' || c == '\''; }

std::string_view unquote(std::string_view s) {
  if (s.size() >= 2 && isQuote(s.front()) && s.front() == s.back()) return s.substr(1, s.size() - 2);
  return s;
}

// A line cannot hold a line break, and a NUL would cut it short for other readers.
std::string lineSafe(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  return out;
}

// The form of a value that reads back as the value itself.
std::string quoteIfNeeded(std::string value) {
  if (value.empty()) return value;
  bool needs = isBlank(value.front()) || isBlank(value.back()) ||
               (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back());
  return needs ? '"' + value + '"' : value;
}

// Splits at LF, CR LF or a lone CR; a final line break makes no extra empty line.
template <typename Fn>
void splitLines(std::string_view bytes, Fn&& fn) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c != '\n' && c != '\r') continue;
    fn(bytes.substr(start, i - start));
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) fn(bytes.substr(start));
}

}  // namespace

IniDocument::Line IniDocument::parseLine(std::string text) {
  Line line;
  std::string_view t = trim(text);
  if (t.empty() || t.front() == ';' || t.front() == '#') {
    // blank or comment
  } else if (t.front() == '[') {
    std::size_t close = t.find(']');
    if (close != std::string_view::npos) {
      line.kind = LineKind::Section;
      line.name = std::string(trim(t.substr(1, close - 1)));
    }
  } else if (std::size_t eq = t.find('='); eq != std::string_view::npos) {
    std::string_view key = trim(t.substr(0, eq));
    if (!key.empty()) {
      line.kind = LineKind::Entry;
      line.name = std::string(key);
      line.value = std::string(unquote(trim(t.substr(eq + 1))));
    }
  }
  line.text = std::move(text);
  return line;
}

void IniDocument::addLine(Line line) {
  if (line.kind == LineKind::Section) {
    finishSection();
    Section section;
    sectionIndex_.try_emplace(fold(line.name), sections_.size());
    section.header = std::move(line);
    sections_.push_back(std::move(section));
    return;
  }
  if (sections_.empty()) {
    preamble_.push_back(std::move(line));
    return;
  }
  Section& section = sections_.back();
  if (line.kind == LineKind::Entry) section.entryIndex.try_emplace(fold(line.name), section.body.size());
  section.body.push_back(std::move(line));
}

void IniDocument::finishSection() {
  if (sections_.empty()) return;
  Section& section = sections_.back();
  std::size_t end = section.body.size();
  while (end > 0 && section.body[end - 1].kind != LineKind::Entry) --end;
  for (std::size_t i = end; i < section.body.size(); ++i)
    section.trailer.push_back(std::move(section.body[i]));
  section.body.resize(end);
}

IniDocument IniDocument::parse(std::string_view text) {
  IniDocument doc;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  splitLines(text, [&](std::string_view line) { doc.addLine(parseLine(std::string(line))); });
  doc.finishSection();
  return doc;
}

IniDocument IniDocument::fromFileBytes(std::string_view bytes, bool* lossless) {
  if (lossless) *lossless = true;
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (isValidUtf8(bytes)) return parse(bytes);
  IniDocument doc;
  // CR and LF are never part of a double-byte character, so the lines split on the bytes.
  splitLines(bytes, [&](std::string_view raw) {
    TextConversion decoded = cp932ToUtf8(raw);
    if (!decoded.lossless && lossless) *lossless = false;
    Line line = parseLine(std::move(decoded.text));
    line.raw = std::string(raw);
    doc.addLine(std::move(line));
  });
  doc.finishSection();
  return doc;
}

template <typename Fn>
void IniDocument::forEachLine(Fn&& fn) const {
  for (const Line& line : preamble_) fn(line);
  for (const Section& section : sections_) {
    fn(section.header);
    for (const Line& line : section.body) fn(line);
    for (const Line& line : section.trailer) fn(line);
  }
}

std::string IniDocument::text() const {
  std::string out;
  forEachLine([&](const Line& line) {
    out += line.text;
    out += "\r\n";
  });
  return out;
}

TextConversion IniDocument::toCp932() const {
  TextConversion out;
  forEachLine([&](const Line& line) {
    if (line.raw) {
      out.text += *line.raw;
    } else {
      TextConversion encoded = utf8ToCp932(line.text);
      out.text += encoded.text;
      if (!encoded.lossless) out.lossless = false;
    }
    out.text += "\r\n";
  });
  return out;
}

const IniDocument::Line* IniDocument::findEntry(std::string_view section,
                                                std::string_view key) const {
  auto s = sectionIndex_.find(fold(section));
  if (s == sectionIndex_.end()) return nullptr;
  const Section& sec = sections_[s->second];
  auto e = sec.entryIndex.find(fold(key));
  if (e == sec.entryIndex.end()) return nullptr;
  return &sec.body[e->second];
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
  const Line* line = findEntry(section, key);
  if (!line) return std::nullopt;
  return line->value;
}

bool IniDocument::hasSection(std::string_view section) const {
  return sectionIndex_.contains(fold(section));
}

void IniDocument::appendSection(std::string name) {
  // One blank line between the last line so far and the new section.
  const Line* last = nullptr;
  forEachLine([&](const Line& line) { last = &line; });
  if (last && !trim(last->text).empty())
    (sections_.empty() ? preamble_ : sections_.back().trailer).push_back(Line{});
  Line header;
  header.kind = LineKind::Section;
  header.text = "[" + name + "]";
  header.name = std::move(name);
  sectionIndex_.try_emplace(fold(header.name), sections_.size());
  Section section;
  section.header = std::move(header);
  sections_.push_back(std::move(section));
}

void IniDocument::setValue(std::string_view section, std::string_view key,
                           std::string_view value) {
  std::string sectionName = lineSafe(trim(section));
  std::string keyName = lineSafe(trim(key));
  std::string v = lineSafe(value);
  auto s = sectionIndex_.find(fold(sectionName));
  if (s == sectionIndex_.end()) {
    appendSection(sectionName);
    s = sectionIndex_.find(fold(sectionName));
  }
  Section& sec = sections_[s->second];
  auto e = sec.entryIndex.find(fold(keyName));
  if (e != sec.entryIndex.end()) {
    Line& line = sec.body[e->second];
    if (line.value == v) return;
    line.value = v;
    line.text = line.name + "=" + quoteIfNeeded(std::move(v));
    line.raw.reset();
    return;
  }
  Line line;
  line.kind = LineKind::Entry;
  line.name = std::move(keyName);
  line.value = v;
  line.text = line.name + "=" + quoteIfNeeded(std::move(v));
  sec.entryIndex.try_emplace(fold(line.name), sec.body.size());
  sec.body.push_back(std::move(line));
}

std::vector<std::string> IniDocument::sectionNames() const {
  std::vector<std::string> names;
  for (const Section& section : sections_) names.push_back(section.header.name);
  return names;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
  std::vector<std::string> names;
  auto s = sectionIndex_.find(fold(section));
  if (s == sectionIndex_.end()) return names;
  for (const Line& line : sections_[s->second].body)
    if (line.kind == LineKind::Entry) names.push_back(line.name);
  return names;
}

}  // namespace ravlo
