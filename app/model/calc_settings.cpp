#include "app/model/calc_settings.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ravlo {
namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

// Window places may lie left of or above the primary screen; the window code fits them onto
// a screen. A window smaller than 100 pixels shows nothing useful.
constexpr int kPlaceMin = -32768;
constexpr int kPlaceMax = 32767;
constexpr int kSizeMin = 100;
constexpr int kSizeMax = 32767;
// Font sizes in points that still make a usable screen.

constexpr int kOffOn[] = {0, 1};
constexpr int kAnswerForms[] = {0, 1, 2};
constexpr int kDivisorsPerLine[] = {5, 10};

template <auto Member>
std::span<std::string> listOf(CalcSettings& s) {
  return s.*Member;
}
template <auto Member>
std::span<const std::string> constListOf(const CalcSettings& s) {
  return s.*Member;
}

constexpr SettingKey ranged(std::string_view section, std::string_view key,
                            int CalcSettings::*member, int min, int max) {
  return {.section = section, .key = key, .type = SettingType::Int, .intMember = member,
          .min = min, .max = max};
}
// A window or font size outside the range has no useful nearest value (a negative height, a
// font too big for the window): the default.
constexpr SettingKey size(std::string_view section, std::string_view key,
                                int CalcSettings::*member, int min, int max) {
  return {.section = section, .key = key, .type = SettingType::Int, .intMember = member,
          .min = min, .max = max, .defaultOutOfRange = true};
}
constexpr SettingKey choice(std::string_view section, std::string_view key,
                            int CalcSettings::*member, std::span<const int> choices) {
  return {.section = section, .key = key, .type = SettingType::Int, .intMember = member,
          .choices = choices};
}
constexpr SettingKey flag(std::string_view section, std::string_view key,
                          bool CalcSettings::*member) {
  return {.section = section, .key = key, .type = SettingType::Flag, .boolMember = member};
}
constexpr SettingKey boolean(std::string_view section, std::string_view key,
                             bool CalcSettings::*member) {
  return {.section = section, .key = key, .type = SettingType::Bool, .boolMember = member};
}
constexpr SettingKey text(std::string_view section, std::string_view key,
                          std::string CalcSettings::*member, bool nonEmpty) {
  return {.section = section, .key = key, .type = SettingType::Text, .textMember = member,
          .nonEmpty = nonEmpty};
}
constexpr SettingKey colour(std::string_view section, std::string_view key,
                            int CalcSettings::*member) {
  return {.section = section, .key = key, .type = SettingType::Int, .intMember = member,
          .min = 0, .max = 0xFFFFFF, .defaultOutOfRange = true};
}
constexpr SettingKey index(std::string_view section, std::string_view key,
                           int CalcSettings::*member, int CalcSettings::*count) {
  return {.section = section, .key = key, .type = SettingType::Int, .intMember = member,
          .indexInto = count};
}
template <auto Member>
constexpr SettingKey textList(std::string_view section, std::string_view prefix,
                              int CalcSettings::*countMember) {
  return {.section = section, .key = prefix, .type = SettingType::TextList,
          .list = &listOf<Member>, .constList = &constListOf<Member>,
          .countMember = countMember};
}

using S = CalcSettings;

const SettingKey kKeys[] = {
    text(kSectionCalcScreen, "FONTNAME", &S::FONTNAME, true),
    size(kSectionCalcScreen, "FONTSIZE", &S::FONTSIZE, kFontSizeMin, kFontSizeMax),
    ranged(kSectionCalcScreen, "MAINTOP", &S::MAINTOP, kPlaceMin, kPlaceMax),
    ranged(kSectionCalcScreen, "MAINLEFT", &S::MAINLEFT, kPlaceMin, kPlaceMax),
    size(kSectionCalcScreen, "MAINHEIGHT", &S::MAINHEIGHT, kSizeMin, kSizeMax),
    size(kSectionCalcScreen, "MAINWIDTH", &S::MAINWIDTH, kSizeMin, kSizeMax),
    ranged(kSectionCalcScreen, "CURSOLTEMPO", &S::CURSOLTEMPO, 200, 2000),
    ranged(kSectionCalcScreen, "PAGEA4BAI", &S::PAGEA4BAI, 80, 400),
    ranged(kSectionCalcScreen, "GYOKEISUU", &S::GYOKEISUU, 1, 12),
    flag(kSectionCalcScreen, "WAKIGAKI", &S::WAKIGAKI),
    flag(kSectionCalcScreen, "SBARDSP", &S::SBARDSP),
    boolean(kSectionCalcScreen, "KAITOURAN_FLAG", &S::KAITOURAN_FLAG),
    ranged(kSectionCalcScreen, "INPUTTOP", &S::INPUTTOP, kPlaceMin, kPlaceMax),
    ranged(kSectionCalcScreen, "INPUTLEFT", &S::INPUTLEFT, kPlaceMin, kPlaceMax),

    text(kSectionNote, "FONTNAME", &S::NOTE_FONTNAME, true),
    size(kSectionNote, "FONTSIZE", &S::NOTE_FONTSIZE, kFontSizeMin, kFontSizeMax),
    ranged(kSectionNote, "KANKAKU", &S::KANKAKU, 2, 25),
    ranged(kSectionNote, "NOTEBKTOP", &S::NOTEBKTOP, kPlaceMin, kPlaceMax),
    ranged(kSectionNote, "NOTEBKLEFT", &S::NOTEBKLEFT, kPlaceMin, kPlaceMax),
    ranged(kSectionNote, "NOTEBKHEIGHT", &S::NOTEBKHEIGHT, kSizeMin, kSizeMax),
    ranged(kSectionNote, "NOTEBKWIDTH", &S::NOTEBKWIDTH, kSizeMin, kSizeMax),
    ranged(kSectionNote, "PAGEA4BAIN", &S::PAGEA4BAIN, 80, 300),
    boolean(kSectionNote, "KAITOURAN_FLAG", &S::NOTE_KAITOURAN_FLAG),
    ranged(kSectionNote, "KAITOURAN_ITI", &S::KAITOURAN_ITI, 10, 80),

    boolean(kSectionSikiDisplay, "EQUAL_KAIGYO", &S::EQUAL_KAIGYO),
    boolean(kSectionSikiDisplay, "INPUTSTR_DSP", &S::INPUTSTR_DSP),
    choice(kSectionSikiDisplay, "KAKERU_ABR", &S::KAKERU_ABR, kOffOn),

    choice(kSectionSpeech, "EVERYINPUT", &S::EVERYINPUT, kOffOn),
    choice(kSectionSpeech, "ALLSTRING", &S::ALLSTRING, kOffOn),
    choice(kSectionSpeech, "WITHKETA", &S::WITHKETA, kOffOn),
    ranged(kSectionSpeech, "SEIBETU", &S::SEIBETU, kIntMin, kIntMax),  // kept, never used
    ranged(kSectionSpeech, "HAYASA", &S::HAYASA, 1, 10),
    ranged(kSectionSpeech, "OOKISA", &S::OOKISA, 0, 100),

    choice(kSectionAnswer, "ANSSYU", &S::ANSSYU, kAnswerForms),
    choice(kSectionAnswer, "SYOUDSP", &S::SYOUDSP, kOffOn),
    flag(kSectionAnswer, "CALCTYPE", &S::PROCDSP),

    choice(kSectionSikiEdit, "KEYTENYOU", &S::KEYTENYOU, kOffOn),
    flag(kSectionSikiEdit, "RETKEYFLAG", &S::RETKEYFLAG),

    ranged(kSectionGoals, "SOUSUU", &S::MOKUHYOU_SOUSUU, 0, kMaxGoals),
    index(kSectionGoals, "DSPBANGOU", &S::DSPBANGOU, &S::MOKUHYOU_SOUSUU),
    textList<&S::MOKUHYOU>(kSectionGoals, "MOKUHYOU", &S::MOKUHYOU_SOUSUU),
    text(kSectionGoals, "FONTNAME", &S::MOKUHYOU_FONTNAME, true),
    size(kSectionGoals, "FONTSIZE", &S::MOKUHYOU_FONTSIZE, kFontSizeMin, kFontSizeMax),
    colour(kSectionGoals, "FONTCOLOR", &S::FONTCOLOR),
    ranged(kSectionGoals, "JIOKURI", &S::JIOKURI, 80, 200),

    flag(kSectionProcess, "PROCDSP", &S::PROCDSP),
    flag(kSectionProcess, "ADVICEDSP", &S::ADVICEDSP),
    flag(kSectionProcess, "PROCTEIDO", &S::PROCTEIDO),
    flag(kSectionProcess, "PROCLASTANS", &S::PROCLASTANS),

    ranged(kSectionMemo, "SOUSUU", &S::MEMO_SOUSUU, 0, kMemoSlots),
    textList<&S::SIKI>(kSectionMemo, "SIKI", nullptr),

    ranged(kSectionConstants, "SOUSUU", &S::TEISUU_SOUSUU, 0, kConstantSlots),
    textList<&S::ATAI>(kSectionConstants, "値", nullptr),

    choice(kSectionFactor, "WA_TYPE", &S::WA_TYPE, kOffOn),
    choice(kSectionFactor, "1GYOU_SUU", &S::ICHIGYOU_SUU, kDivisorsPerLine),

    choice(kSectionOther, "WARI_TYPE", &S::WARI_TYPE, kOffOn),
    // The quotient carries 15 significant digits; more places than that mean nothing.
    ranged(kSectionOther, "WARI_PNT", &S::WARI_PNT, 0, 15),
};

std::string numberedKey(std::string_view prefix, std::size_t index) {
  return std::string(prefix) + std::to_string(index);
}

// Text keys end at a NUL, as they did for the platform's string reader.
std::string cutAtNul(std::string value) {
  if (auto nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
  return value;
}

std::size_t listCount(const SettingKey& k, const CalcSettings& s, std::size_t size) {
  if (!k.countMember) return size;
  return static_cast<std::size_t>(std::clamp(s.*k.countMember, 0, static_cast<int>(size)));
}

class Reader {
 public:
  Reader(const IniDocument& doc, CalcSettings& s) : doc_(doc), s_(s) {}

  void read(const SettingKey& k) {
    switch (k.type) {
      case SettingType::Int: s_.*k.intMember = readInt(k, defaults_.*k.intMember); break;
      case SettingType::Flag:
      case SettingType::Bool: s_.*k.boolMember = readFlag(k, defaults_.*k.boolMember); break;
      case SettingType::Text: s_.*k.textMember = readText(k, defaults_.*k.textMember); break;
      case SettingType::TextList: {
        std::span<std::string> list = k.list(s_);
        std::size_t count = listCount(k, s_, list.size());
        for (std::size_t i = 0; i < list.size(); ++i)
          list[i] = i < count ? cutAtNul(doc_.value(k.section, numberedKey(k.key, i)).value_or(""))
                              : std::string();
        break;
      }
    }
  }

  std::vector<SettingIssue> issues;

 private:
  void note(const SettingKey& k, const std::string& stored, SettingIssueKind kind,
            std::string used) {
    issues.push_back({std::string(k.section), std::string(k.key), stored, kind, std::move(used)});
  }

  int readInt(const SettingKey& k, int fallback) {
    std::optional<std::string> stored = doc_.value(k.section, k.key);
    if (!stored) return fallback;
    int v = 0;
    if (!parseSettingInt(*stored, v)) {
      note(k, *stored, SettingIssueKind::NotANumber, std::to_string(fallback));
      return fallback;
    }
    bool valid;
    bool clamp = false;
    if (!k.choices.empty()) {
      valid = std::find(k.choices.begin(), k.choices.end(), v) != k.choices.end();
    } else if (k.indexInto) {
      valid = v >= 0 && v < std::max(1, s_.*k.indexInto);
    } else {
      valid = v >= k.min && v <= k.max;
      clamp = !k.defaultOutOfRange;
    }
    if (valid) return v;
    int used = clamp ? std::clamp(v, k.min, k.max) : fallback;
    note(k, *stored, SettingIssueKind::OutOfRange, std::to_string(used));
    return used;
  }

  bool readFlag(const SettingKey& k, bool fallback) {
    std::optional<std::string> stored = doc_.value(k.section, k.key);
    if (!stored) return fallback;
    int v = 0;
    if (parseSettingInt(*stored, v)) return v != 0;
    note(k, *stored, SettingIssueKind::NotANumber, fallback ? "1" : "0");
    return fallback;
  }

  std::string readText(const SettingKey& k, const std::string& fallback) {
    std::optional<std::string> stored = doc_.value(k.section, k.key);
    if (!stored) return fallback;
    std::string v = cutAtNul(*stored);
    if (k.nonEmpty && v.empty()) {
      note(k, *stored, SettingIssueKind::Empty, fallback);
      return fallback;
    }
    return v;
  }

  const IniDocument& doc_;
  CalcSettings& s_;
  const CalcSettings defaults_;
};

}  // namespace

std::span<const SettingKey> settingKeys() { return kKeys; }

bool parseSettingInt(std::string_view text, int& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  // Up to 2^31 in magnitude; the bound keeps the sum far from overflow.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return false;
    magnitude = magnitude * base + digit;
    if (magnitude > kLimit) return false;
  }
  std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue < kIntMin || signedValue > kIntMax) return false;
  value = static_cast<int>(signedValue);
  return true;
}

std::vector<SettingIssue> readSettings(const IniDocument& document, CalcSettings& settings) {
  Reader reader(document, settings);
  for (const SettingKey& k : settingKeys()) reader.read(k);
  settings.document = document;
  return std::move(reader.issues);
}

void writeSettings(const CalcSettings& settings, IniDocument& document) {
  for (const SettingKey& k : settingKeys()) {
    switch (k.type) {
      case SettingType::Int:
        // A place never taken is not written: the file goes on without it.
        if (settings.*k.intMember == kNotPlaced) break;
        document.setValue(k.section, k.key, std::to_string(settings.*k.intMember));
        break;
      case SettingType::Flag:
      case SettingType::Bool:
        document.setValue(k.section, k.key, settings.*k.boolMember ? "1" : "0");
        break;
      case SettingType::Text:
        document.setValue(k.section, k.key, settings.*k.textMember);
        break;
      case SettingType::TextList: {
        std::span<const std::string> list = k.constList(settings);
        std::size_t count = listCount(k, settings, list.size());
        for (std::size_t i = 0; i < count; ++i)
          document.setValue(k.section, numberedKey(k.key, i), list[i]);
        break;
      }
    }
  }
}

}  // namespace ravlo
