#pragma once
// The constants box (定数設定＆代入) without its window: up to 35 numbers, each with an
// optional name, kept in the settings between runs; the number being prepared, its name, the
// significant digits a decimal is stored with, and what the calculator beside it does to the
// number. One model lives for the program's run, so the selection outlasts a closing.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/calc_settings.h"
#include "core/message_sink.h"
#include "tools/model/real_calc.h"
#include "tools/model/teisuu_value.h"

namespace ravlo {

inline constexpr std::string_view kConstSetCaption = "◆定数設定＆代入　(⇔親窓 byＦ７)";
inline constexpr std::string_view kCalcFormCaption = "◇計算ボックス";
inline constexpr int kConstSetTopGap = 200;    // below the main window's top
inline constexpr int kConstSetRightGap = 500;  // left of its client area's right edge
inline constexpr int kCalcFormRightGap = 220;
inline constexpr std::size_t kTeisuuInputMax = 37;  // characters of the input field
inline constexpr std::size_t kTeisuuNameMax = 12;   // characters of the name field

inline constexpr std::string_view kTeisuuConfirmCaption = "確認！";
inline constexpr std::string_view kTeisuuAskCaption = "確認!!";
inline constexpr std::string_view kTeisuuReportCaption = "報告!!";
inline constexpr std::string_view kTeisuuFullText =
    "メモの値が 35 個を超えているので、\n\nもう格納できません。";
inline constexpr std::string_view kTeisuuNotRealText = "実数値に変換できませんでした。";
inline constexpr std::string_view kTeisuuTooManyText =
    "有効数字18ケタ以上の値は､格納できません｡不悪！";
inline constexpr std::string_view kTeisuuSameSuffix = " > は同一の式があります。";
inline constexpr std::string_view kTeisuuSavedSuffix = "\n\nを保存しました。";
inline constexpr std::string_view kTeisuuChooseText = "下欄で、数値を選択してください。";
inline constexpr std::string_view kTeisuuOverwriteText =
    "現在の入力ｴﾃﾞｲﾀの内容を消去して、\n下欄の選択されている数値をコピーします。\n　いいですか？";
inline constexpr std::string_view kTeisuuCopyNameText = "上のｴﾃﾞｲﾀの内容をｺﾋﾟｰします。";
inline constexpr std::string_view kTeisuuDeleteText =
    "選択式\n\n　　　%s\n\nを削除します。二度と戻りません。\n\nそれでも ＯＫ ですか？";
inline constexpr std::string_view kTeisuuDeleteAllText =
    "全部 削除します。二度と元に戻りません。\n\nそれでも ＯＫ ですか？";

struct TeisuuEntry {
  std::string value;
  std::string tag;  // "#" + name, or "" for a constant without a name
  friend bool operator==(const TeisuuEntry&, const TeisuuEntry&) = default;
};

// A slot of the settings file: value, or value + " #" + name.
TeisuuEntry parseTeisuuSlot(std::string_view slot);
std::string teisuuSlotText(const TeisuuEntry& entry);

// Who opened the box: the input panel, or the expression editor whose field it fills.
enum class TeisuuOwner { None, InputPanel, Editor };

class ConstSetModel {
 public:
  ConstSetModel(CalcSettings& settings, MessageSink& sink);

  // ---- the fields (the window shows them and writes back what the user types) ----
  std::string input;       // the number being prepared
  std::string name;        // its name
  std::string savedInput;  // the input before the last change by a command (復)
  int digits = kTeisuuDigitsMax;
  int selected = 0;        // kept for the run; -1 for none
  TeisuuOwner owner = TeisuuOwner::None;

  // Opening: the list from the non-empty slots, the remembered selection.
  void open(TeisuuOwner by);
  // Closing: the list back into the slots; no owner.
  void close();
  bool isOpen() const { return owner != TeisuuOwner::None; }

  const std::vector<TeisuuEntry>& entries() const { return entries_; }
  // "number> value #name", as the list shows it.
  std::string entryText(std::size_t index) const;
  // The name tag of the name field: "#" + its trimmed text, or "".
  std::string nameTag() const;

  // 追加: stores the input as a new constant and selects it; false when refused.
  bool add();
  // 挿入: the selected constant's value, or nothing (with a message) when none is selected.
  std::optional<std::string> selectedValue();
  // 貼: the input field's text with pai and exp replaced.
  std::string pasteValue() const;
  // 戻: the selected constant into the input field (asking before it overwrites).
  void takeSelected();
  // 消 and 復.
  void clearInput();
  void restoreInput();
  // A click on the name label: the input field into the name field, after asking.
  void copyInputToName();
  // 選数削 and 全数削, each after asking.
  void deleteSelected();
  void deleteAll();

  // A calculator button: the function on the input field; true when the field took the result.
  bool calculate(RealFunc f);

 private:
  void writeSlots();
  bool ask(std::string_view caption, std::string_view text);

  CalcSettings& settings_;
  MessageSink& sink_;
  std::vector<TeisuuEntry> entries_;
};

}  // namespace ravlo
