#include "core/cp932_table.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

namespace ravlo::cp932_table {
namespace {

using namespace std::literals;

struct SingleRun {
  unsigned char first, last;
  char16_t cp;
};
struct ByteRange {
  unsigned char first, last;
};
// Lead bytes firstLead..lastLead whose trail bytes, in order and the gap skipped, decode to
// firstCp, firstCp + 1, ... on through the rows.
struct LinearRows {
  unsigned char firstLead, lastLead;
  char16_t firstCp;
};
struct CodeRange {
  std::uint16_t first, last;
};
struct OneWay {
  char32_t cp;
  std::uint16_t code;
};
struct CodePointRange {
  char32_t first, last;
};

#include "core/cp932_table.inc"

constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFC;
constexpr unsigned kGapTrail = 0x7F;  // inside the trail range, yet never a trail byte
constexpr unsigned kLinearRowSize = kLastTrail - kFirstTrail;  // the trail bytes, the gap aside

constexpr std::size_t leadCount() {
  std::size_t count = 0;
  for (const ByteRange& range : kLeadBytes) count += range.last - range.first + 1u;
  return count;
}
static_assert(std::size(kRows) == leadCount(), "one row per lead byte");

std::optional<char16_t> singleByte(unsigned char b) {
  for (const SingleRun& run : kSingleRuns)
    if (b >= run.first && b <= run.last) return static_cast<char16_t>(run.cp + (b - run.first));
  return std::nullopt;
}

// The place of a lead byte's row in kRows; none for a byte that leads nothing.
std::optional<std::size_t> rowOf(unsigned char lead) {
  std::size_t row = 0;
  for (const ByteRange& range : kLeadBytes) {
    if (lead >= range.first && lead <= range.last) return row + (lead - range.first);
    row += range.last - range.first + 1u;
  }
  return std::nullopt;
}

// The character of a double-byte code, 0 for none.
char16_t doubleByte(unsigned char lead, std::size_t row, unsigned char trail) {
  if (trail < kFirstTrail || trail > kLastTrail) return 0;
  for (const LinearRows& rows : kLinearRows) {
    if (lead < rows.firstLead || lead > rows.lastLead) continue;
    if (trail == kGapTrail) return 0;
    unsigned cell = (lead - rows.firstLead) * kLinearRowSize + (trail - kFirstTrail) -
                    (trail > kGapTrail ? 1u : 0u);
    return static_cast<char16_t>(rows.firstCp + cell);
  }
  std::u16string_view cells = kRows[row];
  std::size_t cell = trail - kFirstTrail;
  return cell < cells.size() ? cells[cell] : u'\0';
}

void appendUtf8(std::string& out, char16_t cp) {
  auto put = [&](unsigned v) { out += static_cast<char>(v); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0u | cp >> 6);
    put(0x80u | (cp & 0x3Fu));
  } else {
    put(0xE0u | cp >> 12);
    put(0x80u | (cp >> 6 & 0x3Fu));
    put(0x80u | (cp & 0x3Fu));
  }
}

struct EncodeEntry {
  char32_t cp;
  std::uint16_t code;
};

bool isDecodeOnly(unsigned code) {
  return std::any_of(std::begin(kDecodeOnly), std::end(kDecodeOnly),
                     [&](const CodeRange& r) { return code >= r.first && code <= r.last; });
}

// The codes characters convert to, sorted by character and then code, so that of a
// character's codes the lowest comes first: what decodes but kDecodeOnly, and the look-alikes.
std::vector<EncodeEntry> buildEncodeTable() {
  std::vector<EncodeEntry> entries;
  for (const SingleRun& run : kSingleRuns)
    for (unsigned b = run.first; b <= run.last; ++b)
      entries.push_back({run.cp + (b - run.first), static_cast<std::uint16_t>(b)});
  std::size_t row = 0;
  for (const ByteRange& range : kLeadBytes) {
    for (unsigned lead = range.first; lead <= range.last; ++lead, ++row) {
      for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
        auto code = static_cast<std::uint16_t>(lead << 8 | trail);
        char16_t cp = doubleByte(static_cast<unsigned char>(lead), row,
                                 static_cast<unsigned char>(trail));
        if (cp != 0 && !isDecodeOnly(code)) entries.push_back({cp, code});
      }
    }
  }
  for (const OneWay& oneWay : kOneWay) entries.push_back({oneWay.cp, oneWay.code});
  std::sort(entries.begin(), entries.end(), [](const EncodeEntry& a, const EncodeEntry& b) {
    return a.cp != b.cp ? a.cp < b.cp : a.code < b.code;
  });
  return entries;
}

std::optional<std::uint16_t> codeOf(char32_t cp) {
  static const std::vector<EncodeEntry> table = buildEncodeTable();
  auto it = std::lower_bound(table.begin(), table.end(), cp,
                             [](const EncodeEntry& e, char32_t value) { return e.cp < value; });
  if (it == table.end() || it->cp != cp) return std::nullopt;
  return it->code;
}

bool isDropped(char32_t cp) {
  return std::any_of(std::begin(kDropped), std::end(kDropped),
                     [&](const CodePointRange& r) { return cp >= r.first && cp <= r.last; });
}

struct Utf8Char {
  std::size_t length;  // 0 when `error` says why there is none
  char32_t cp;
  int error;
};

// One character as glibc's UTF-8 reader takes it. It still knows the old 5- and 6-byte forms
// far enough to call them cut off when the input ends inside one.
Utf8Char readUtf8(std::string_view s) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char b0 = byte(0);
  if (b0 < 0x80) return {1, b0, 0};
  std::size_t length = b0 >= 0xC2 && b0 <= 0xDF ? 2
                       : (b0 & 0xF0u) == 0xE0   ? 3
                       : (b0 & 0xF8u) == 0xF0   ? 4
                       : (b0 & 0xFCu) == 0xF8   ? 5
                       : (b0 & 0xFEu) == 0xFC   ? 6
                                                : 0;
  if (length == 0) return {0, 0, EILSEQ};
  std::size_t present = std::min(length, s.size());
  for (std::size_t i = 1; i < present; ++i)
    if ((byte(i) & 0xC0u) != 0x80u) return {0, 0, EILSEQ};
  if (present < length) return {0, 0, EINVAL};
  char32_t cp = b0 & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) cp = cp << 6 | (byte(i) & 0x3Fu);
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000, 0x200000, 0x4000000};
  if (cp < kShortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return {0, 0, EILSEQ};
  return {length, cp, 0};
}

}  // namespace

int toUtf8(std::string_view& in, std::string& out) {
  while (!in.empty()) {
    auto lead = static_cast<unsigned char>(in[0]);
    if (std::optional<char16_t> cp = singleByte(lead)) {
      appendUtf8(out, *cp);
      in.remove_prefix(1);
      continue;
    }
    std::optional<std::size_t> row = rowOf(lead);
    if (!row) return EILSEQ;
    if (in.size() < 2) return EINVAL;
    char16_t cp = doubleByte(lead, *row, static_cast<unsigned char>(in[1]));
    if (cp == 0) return EILSEQ;
    appendUtf8(out, cp);
    in.remove_prefix(2);
  }
  return 0;
}

int fromUtf8(std::string_view& in, std::string& out) {
  while (!in.empty()) {
    Utf8Char c = readUtf8(in);
    if (c.error != 0) return c.error;
    if (!isDropped(c.cp)) {
      std::optional<std::uint16_t> code = codeOf(c.cp);
      if (!code) return EILSEQ;
      if (*code > 0xFF) out += static_cast<char>(*code >> 8);
      out += static_cast<char>(*code & 0xFF);
    }
    in.remove_prefix(c.length);
  }
  return 0;
}

}  // namespace ravlo::cp932_table
