// Writes core/cp932_table.inc, the tables core/cp932_table.cpp converts by, from what glibc's
// iconv "CP932" does with every byte sequence and every code point:
//   c++ -std=c++20 -O2 -o /tmp/gen-cp932-table scripts/gen-cp932-table.cpp && /tmp/gen-cp932-table > core/cp932_table.inc
// It stops with a message when glibc does something the tables have no way to say, so a
// table written is a table that holds all of it.
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what, unsigned value) {
  std::fprintf(stderr, "gen-cp932-table: %s (0x%X)\n", what, value);
  std::exit(1);
}

struct Result {
  std::string out;
  std::size_t used;
  int error;
};

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) fail("no iconv converter for CP932", 0);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  Result operator()(std::string in) {
    char buffer[64];
    char* src = in.data();
    std::size_t srcLeft = in.size();
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
    int error = r == static_cast<std::size_t>(-1) ? errno : 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return {std::string(buffer, static_cast<std::size_t>(dst - buffer)), in.size() - srcLeft,
            error};
  }

 private:
  iconv_t cd_;
};

std::string utf8(char32_t cp) {
  std::string s;
  auto put = [&](unsigned v) { s += static_cast<char>(v); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0 | cp >> 6);
    put(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    put(0xE0 | cp >> 12);
    put(0x80 | (cp >> 6 & 0x3F));
    put(0x80 | (cp & 0x3F));
  } else {
    put(0xF0 | cp >> 18);
    put(0x80 | (cp >> 12 & 0x3F));
    put(0x80 | (cp >> 6 & 0x3F));
    put(0x80 | (cp & 0x3F));
  }
  return s;
}

// The one code point of `s`, or none when `s` is not exactly one.
std::optional<char32_t> onlyCodePoint(std::string_view s) {
  if (s.empty()) return std::nullopt;
  auto b0 = static_cast<unsigned char>(s[0]);
  std::size_t len = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
  if (s.size() != len) return std::nullopt;
  char32_t cp = len == 1 ? b0 : b0 & (0x7Fu >> len);
  for (std::size_t i = 1; i < len; ++i) cp = cp << 6 | (static_cast<unsigned char>(s[i]) & 0x3Fu);
  return cp;
}

std::string bytesOf(unsigned code) {
  std::string s;
  if (code > 0xFF) s += static_cast<char>(code >> 8);
  s += static_cast<char>(code & 0xFF);
  return s;
}

std::optional<unsigned> codeOf(std::string_view bytes) {
  if (bytes.size() == 1) return static_cast<unsigned char>(bytes[0]);
  if (bytes.size() == 2)
    return static_cast<unsigned char>(bytes[0]) << 8 | static_cast<unsigned char>(bytes[1]);
  return std::nullopt;
}

constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFC;
constexpr unsigned kGapTrail = 0x7F;  // the one byte inside the trail range that is never one
constexpr char32_t kNone = 0;         // a cell of a row that is no character
constexpr char32_t kLinearRowSize = kLastTrail - kFirstTrail;  // the trail bytes, the gap aside

struct Tables {
  std::optional<char32_t> single[256];
  std::vector<unsigned> leads;
  std::map<unsigned, std::vector<char32_t>> rows;  // per lead, cells from kFirstTrail
  std::map<unsigned, char32_t> decode;              // every code that is a character
  std::map<char32_t, std::string> encode;           // every code point that converts
};

Tables readGlibc() {
  Tables t;
  Converter toUtf8("UTF-8", "CP932");
  for (unsigned b = 0; b < 256; ++b) {
    Result r = toUtf8(bytesOf(b));
    if (r.error == EINVAL && r.used == 0) {
      t.leads.push_back(b);
    } else if (r.error == 0) {
      t.single[b] = onlyCodePoint(r.out);
      if (!t.single[b]) fail("a single byte decodes to other than one character", b);
      t.decode[b] = *t.single[b];
    } else if (r.error != EILSEQ || r.used != 0) {
      fail("a single byte neither decodes, leads nor is refused", b);
    }
  }
  for (unsigned lead : t.leads) {
    std::vector<char32_t>& row = t.rows[lead];
    for (unsigned trail = 0; trail < 256; ++trail) {
      unsigned code = lead << 8 | trail;
      Result r = toUtf8(bytesOf(code));
      if (r.error == EILSEQ && r.used == 0) {
        if (trail >= kFirstTrail && trail <= kLastTrail) row.push_back(kNone);
        continue;
      }
      std::optional<char32_t> cp = onlyCodePoint(r.out);
      if (r.error != 0 || r.used != 2 || !cp) fail("a double-byte code does not decode alone", code);
      if (trail < kFirstTrail || trail > kLastTrail || trail == kGapTrail)
        fail("a trail byte outside the rows decodes", code);
      if (*cp < 0xA0 || *cp > 0xFFFF)
        fail("a double-byte code decodes to a character the rows cannot hold", code);
      row.push_back(*cp);
      t.decode[code] = *cp;
    }
  }
  Converter toCp932("CP932", "UTF-8");
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    Result r = toCp932(utf8(cp));
    if (r.error == EILSEQ && r.used == 0) continue;
    if (r.error != 0 || r.out.size() > 2) fail("a code point converts oddly", cp);
    t.encode[cp] = r.out;
  }
  return t;
}

// Whether every trail byte but the gap holds a character, each the one after the last.
std::optional<char32_t> linearStart(const std::vector<char32_t>& row) {
  if (row.size() != kLastTrail - kFirstTrail + 1) return std::nullopt;
  std::optional<char32_t> next;
  for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
    char32_t cp = row[trail - kFirstTrail];
    if (trail == kGapTrail) {
      if (cp != kNone) return std::nullopt;
      continue;
    }
    if (next && cp != *next) return std::nullopt;
    next = cp + 1;
  }
  return row[0];
}

void printRanges(const char* name, const std::vector<std::pair<unsigned, unsigned>>& ranges,
                 int digits) {
  std::printf("constexpr %s[] = {\n", name);
  for (auto [first, last] : ranges) std::printf("    {0x%0*X, 0x%0*X},\n", digits, first, digits, last);
  std::printf("};\n");
}

void write(const Tables& t) {
  std::printf(
      "// Generated from glibc's iconv \"CP932\" by scripts/gen-cp932-table.cpp; do not edit.\n"
      "// Regenerate:\n"
      "//   c++ -std=c++20 -O2 -o /tmp/gen-cp932-table scripts/gen-cp932-table.cpp && "
      "/tmp/gen-cp932-table > core/cp932_table.inc\n\n");

  std::printf("// Single bytes: first..last decode to cp, cp + 1, ...\n");
  std::printf("constexpr SingleRun kSingleRuns[] = {\n");
  for (unsigned b = 0; b < 256;) {
    if (!t.single[b]) {
      ++b;
      continue;
    }
    unsigned first = b;
    while (b + 1 < 256 && t.single[b + 1] && *t.single[b + 1] == *t.single[b] + 1) ++b;
    std::printf("    {0x%02X, 0x%02X, 0x%04X},\n", first, b, static_cast<unsigned>(*t.single[first]));
    ++b;
  }
  std::printf("};\n\n");

  std::vector<std::pair<unsigned, unsigned>> leadRanges;
  for (unsigned lead : t.leads) {
    if (!leadRanges.empty() && leadRanges.back().second + 1 == lead)
      leadRanges.back().second = lead;
    else
      leadRanges.emplace_back(lead, lead);
  }
  std::printf("// Lead bytes of the double-byte codes, alone at the end a character cut off.\n");
  printRanges("ByteRange kLeadBytes", leadRanges, 2);

  struct Linear {
    unsigned firstLead, lastLead;
    char32_t firstCp;
  };
  std::vector<Linear> linear;
  for (unsigned lead : t.leads) {
    std::optional<char32_t> start = linearStart(t.rows.at(lead));
    if (!start) continue;
    if (!linear.empty() && linear.back().lastLead + 1 == lead &&
        linearStart(t.rows.at(lead - 1)) == *start - kLinearRowSize)
      linear.back().lastLead = lead;
    else
      linear.push_back({lead, lead, *start});
  }
  std::printf(
      "\n// Rows whose trail bytes (0x%02X aside) decode to characters one after the other, from\n"
      "// firstCp on through the rows.\n",
      kGapTrail);
  std::printf("constexpr LinearRows kLinearRows[] = {\n");
  for (const Linear& l : linear)
    std::printf("    {0x%02X, 0x%02X, 0x%04X},\n", l.firstLead, l.lastLead,
                static_cast<unsigned>(l.firstCp));
  std::printf("};\n\n");

  std::printf(
      "// Per lead byte, the characters of trail bytes 0x%02X, 0x%02X, ...; \\0, and the end of the\n"
      "// row, for no character. Rows in kLinearRows are empty here.\n",
      kFirstTrail, kFirstTrail + 1);
  std::printf("constexpr std::u16string_view kRows[] = {\n");
  constexpr unsigned kPerLine = 32;
  for (unsigned lead : t.leads) {
    std::vector<char32_t> row = t.rows.at(lead);
    bool isLinear = false;
    for (const Linear& l : linear) isLinear |= lead >= l.firstLead && lead <= l.lastLead;
    while (!row.empty() && (isLinear || row.back() == kNone)) row.pop_back();
    if (row.empty()) {
      std::printf("    /* %02X */ u\"\"sv,\n", lead);
      continue;
    }
    for (std::size_t i = 0; i < row.size(); i += kPerLine) {
      std::string line;
      for (std::size_t j = i; j < row.size() && j < i + kPerLine; ++j) {
        char32_t cp = row[j];
        // Escaped: what would not show in an editor. "\0" cannot run on into an octal escape:
        // what follows it is another escape or a character from U+00A0 up.
        if (cp == kNone) {
          line += "\\0";
        } else if (cp == 0x3000 || (cp >= 0xE000 && cp <= 0xF8FF)) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(cp));
          line += escape;
        } else {
          line += utf8(cp);
        }
      }
      bool last = i + kPerLine >= row.size();
      std::printf("    /* %04X */ u\"%s\"%s\n", lead << 8 | static_cast<unsigned>(kFirstTrail + i),
                  line.c_str(), last ? "sv," : "");
    }
  }
  std::printf("};\n\n");

  // Of a character's codes the lowest is the one it converts to, unless listed: so listed are
  // the codes below the one glibc converts to. A range runs on over the codes where being
  // listed changes nothing: those that are no character and the higher duplicates.
  std::vector<std::pair<unsigned, unsigned>> decodeOnly;
  bool open = false;
  for (auto [code, cp] : t.decode) {
    auto own = t.encode.find(cp);
    if (own == t.encode.end() || own->second.empty())
      fail("a character the code page decodes to does not convert back", cp);
    unsigned ownCode = *codeOf(own->second);
    if (code == ownCode) {
      open = false;
    } else if (code < ownCode) {
      if (open)
        decodeOnly.back().second = code;
      else
        decodeOnly.emplace_back(code, code);
      open = true;
    }
  }
  std::printf(
      "// Of a character's codes the lowest is the one it converts to, but for these: they are\n"
      "// below it.\n");
  printRanges("CodeRange kDecodeOnly", decodeOnly, 4);

  std::vector<std::pair<char32_t, unsigned>> oneWay;
  std::vector<std::pair<unsigned, unsigned>> dropped;
  for (const auto& [cp, bytes] : t.encode) {
    if (bytes.empty()) {
      if (!dropped.empty() && dropped.back().second + 1 == cp)
        dropped.back().second = cp;
      else
        dropped.emplace_back(cp, cp);
      continue;
    }
    unsigned code = *codeOf(bytes);
    auto decoded = t.decode.find(code);
    if (decoded == t.decode.end()) fail("a code point converts to a code that is no character", cp);
    if (decoded->second != cp) oneWay.emplace_back(cp, code);
  }
  std::printf("\n// Characters the code page takes for one of its own, to that one's code.\n");
  std::printf("constexpr OneWay kOneWay[] = {\n");
  for (auto [cp, code] : oneWay)
    std::printf("    {0x%04X, 0x%02X},\n", static_cast<unsigned>(cp), code);
  std::printf("};\n\n");
  std::printf("// Code points glibc drops without a trace (the Unicode tag characters).\n");
  printRanges("CodePointRange kDropped", dropped, 4);
}

}  // namespace

int main() {
  write(readGlibc());
  return 0;
}
