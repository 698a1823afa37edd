#pragma once
// All user settings of the program, one member per key of the settings file.
//
// Members are named by their keys. Where two sections share a key, the member of the
// calculation screen's section keeps the plain key and the others carry their section's prefix:
//   ▼ノート画面▼ FONTNAME, FONTSIZE, KAITOURAN_FLAG -> NOTE_FONTNAME, NOTE_FONTSIZE,
//                                                     NOTE_KAITOURAN_FLAG
//   ▼週の目標▼ SOUSUU, FONTNAME, FONTSIZE        -> MOKUHYOU_SOUSUU, MOKUHYOU_FONTNAME,
//                                                     MOKUHYOU_FONTSIZE
//   ▼式のメモ▼ SOUSUU                            -> MEMO_SOUSUU
//   ▼定数値▼ SOUSUU                              -> TEISUU_SOUSUU
// Numbered keys are arrays: MOKUHYOU0.. -> MOKUHYOU[i], SIKI0..49 -> SIKI[i], 値0..34 -> ATAI[i].
// The key 1GYOU_SUU is the member ICHIGYOU_SUU. CALCTYPE (▼答の表示▼) and PROCDSP
// (▼過程表示▼) are one flag, PROCDSP: on reading PROCDSP comes later and decides, and on
// writing both keys get it.
#include <array>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/ini_document.h"

namespace ravlo {

inline constexpr std::string_view kSectionCalcScreen = "▼計算画面▼";
inline constexpr std::string_view kSectionNote = "▼ノート画面▼";
inline constexpr std::string_view kSectionSikiDisplay = "▼式の表示▼";
inline constexpr std::string_view kSectionSpeech = "▼読み上げ▼";
inline constexpr std::string_view kSectionAnswer = "▼答の表示▼";
inline constexpr std::string_view kSectionSikiEdit = "▼式の編集▼";
inline constexpr std::string_view kSectionGoals = "▼週の目標▼";
inline constexpr std::string_view kSectionProcess = "▼過程表示▼";
inline constexpr std::string_view kSectionMemo = "▼式のメモ▼";
inline constexpr std::string_view kSectionConstants = "▼定数値▼";
inline constexpr std::string_view kSectionFactor = "▼素因数分解▼";
inline constexpr std::string_view kSectionOther = "▼その他▼";

inline constexpr std::string_view kDefaultFontName = "ＭＳ ゴシック";
// Font sizes (points) a stored or chosen size must lie in; the font dialog offers up to 72.
inline constexpr int kFontSizeMin = 6;
inline constexpr int kFontSizeMax = 72;
inline constexpr int kMaxGoals = 10;
inline constexpr int kMemoSlots = 50;
inline constexpr int kConstantSlots = 35;
// INPUTTOP / INPUTLEFT before the input panel's place was first saved (a file of the
// original program has no such keys): the panel is placed by the main window.
inline constexpr int kNotPlaced = std::numeric_limits<int>::min();

struct CalcSettings {
  // ▼計算画面▼
  std::string FONTNAME{kDefaultFontName};
  int FONTSIZE = 14;
  int MAINTOP = 80;
  int MAINLEFT = 180;
  int MAINHEIGHT = 450;
  int MAINWIDTH = 500;
  int CURSOLTEMPO = 400;
  int PAGEA4BAI = 100;
  int GYOKEISUU = 5;
  bool WAKIGAKI = true;
  bool SBARDSP = true;
  bool KAITOURAN_FLAG = false;
  // Where the input panel stood at the last close (the program's own keys).
  int INPUTTOP = kNotPlaced;
  int INPUTLEFT = kNotPlaced;

  // ▼ノート画面▼
  std::string NOTE_FONTNAME{kDefaultFontName};
  int NOTE_FONTSIZE = 14;
  int KANKAKU = 5;
  int NOTEBKTOP = 0;
  int NOTEBKLEFT = 50;
  int NOTEBKHEIGHT = 550;
  int NOTEBKWIDTH = 450;
  int PAGEA4BAIN = 100;
  bool NOTE_KAITOURAN_FLAG = false;
  int KAITOURAN_ITI = 36;

  // ▼式の表示▼
  bool EQUAL_KAIGYO = false;
  bool INPUTSTR_DSP = false;
  int KAKERU_ABR = 0;

  // ▼読み上げ▼
  int EVERYINPUT = 0;
  int ALLSTRING = 0;
  int WITHKETA = 0;
  int SEIBETU = 0;
  int HAYASA = 10;
  int OOKISA = 100;

  // ▼答の表示▼ (CALCTYPE is PROCDSP below)
  int ANSSYU = 0;
  int SYOUDSP = 0;

  // ▼式の編集▼
  int KEYTENYOU = 0;
  bool RETKEYFLAG = true;

  // ▼週の目標▼
  int MOKUHYOU_SOUSUU = 0;
  int DSPBANGOU = 0;
  std::array<std::string, kMaxGoals> MOKUHYOU;
  std::string MOKUHYOU_FONTNAME{kDefaultFontName};
  int MOKUHYOU_FONTSIZE = 14;
  int FONTCOLOR = 255;
  int JIOKURI = 100;

  // ▼過程表示▼
  bool PROCDSP = false;
  bool ADVICEDSP = false;
  bool PROCTEIDO = false;
  bool PROCLASTANS = false;

  // ▼式のメモ▼
  int MEMO_SOUSUU = 0;
  std::array<std::string, kMemoSlots> SIKI;

  // ▼定数値▼
  int TEISUU_SOUSUU = 0;
  std::array<std::string, kConstantSlots> ATAI;

  // ▼素因数分解▼
  int WA_TYPE = 0;
  int ICHIGYOU_SUU = 10;

  // ▼その他▼
  int WARI_TYPE = 0;
  int WARI_PNT = 10;

  // The file as it was read: keys and sections the program does not know, and goal texts
  // beyond the current count, go back into the file with the settings.
  IniDocument document;
};

enum class SettingType { Int, Flag, Bool, Text, TextList };

// One key of the settings file (for TextList, the prefix of a run of numbered keys).
struct SettingKey {
  std::string_view section;
  std::string_view key;
  SettingType type = SettingType::Int;
  int CalcSettings::*intMember = nullptr;
  bool CalcSettings::*boolMember = nullptr;
  std::string CalcSettings::*textMember = nullptr;
  std::span<std::string> (*list)(CalcSettings&) = nullptr;
  std::span<const std::string> (*constList)(const CalcSettings&) = nullptr;
  // TextList: the member that counts the keys read and written; null for all of them.
  int CalcSettings::*countMember = nullptr;
  // Int: a stored number outside min..max is brought to the nearest end of the range ...
  int min = 0;
  int max = 0;
  // ... unless it has no nearest meaning (a colour, an index): then it takes the default;
  bool defaultOutOfRange = false;
  // a choice takes the default for any number not listed;
  std::span<const int> choices = {};
  // an index into that many items (at least one) takes the default past their end.
  int CalcSettings::*indexInto = nullptr;
  // Text: an empty value takes the default (font names).
  bool nonEmpty = false;
};

// Every key in file order, which is also the order of reading and writing.
std::span<const SettingKey> settingKeys();

enum class SettingIssueKind {
  NotANumber,  // default used
  OutOfRange,  // brought into range or, for a choice, default used
  Empty,       // default used
};

// A stored value that could not be used as it stands.
struct SettingIssue {
  std::string section;
  std::string key;
  std::string value;  // as stored
  SettingIssueKind kind;
  std::string used;   // the value used instead
};

// Sets every setting from the document: a missing key or section gives the default,
// a damaged value gives what the key's rule says and an issue. Keeps the document.
std::vector<SettingIssue> readSettings(const IniDocument& document, CalcSettings& settings);

// Writes every setting into `document` (keys are added or changed, never removed).
void writeSettings(const CalcSettings& settings, IniDocument& document);

// A number as the platform's INI reader takes it: decimal, or hexadecimal after "$" or "0x",
// with an optional sign, in the range of a 32-bit integer. Spaces around it are already gone.
bool parseSettingInt(std::string_view text, int& value);

}  // namespace ravlo
