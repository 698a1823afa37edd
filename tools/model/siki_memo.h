#pragma once
// The expression memo (式 メモ) without its window: up to 50 expressions kept in the settings,
// listed while the memo is open, added to, deleted from and looked at.
#include <string>
#include <string_view>
#include <vector>

#include "tools/model/tool_session.h"

namespace ravlo {

struct CalcSettings;
class MessageSink;

inline constexpr std::string_view kMemoCaption = "★式 メモ★ 【計算式・文字式を50個まで保管】";
inline constexpr int kMemoMax = 50;
inline constexpr int kMemoRowsShown = 30;
inline constexpr std::string_view kMemoCheckCaption = "確認！";
inline constexpr std::string_view kMemoSameText = "同一の式があります。";
inline constexpr std::string_view kMemoDeleteText =
    "選択式を削除します。二度と戻りません。\n\nそれでも ＯＫ ですか？";
inline constexpr std::string_view kMemoDeleteAllText =
    "全部 削除します。二度と元に戻りません。\n\nそれでも ＯＫ ですか？";
inline constexpr std::string_view kMemoLookCaption = "式の分数形表示";
inline constexpr int kMemoLookMs = 10000;
// The memo stands this far below the main window's top and left of its right edge.
inline constexpr int kMemoTopGap = 100;
inline constexpr int kMemoRightGap = 500;

// "メモの式が 50 を超えているので、\n\nもう格納できません。"
std::string memoFullText(int limit);

class SikiMemo {
 public:
  // Opening: the settings' non-empty slots in slot order, and the selection of last time.
  SikiMemo(CalcSettings& settings, MessageSink& sink, ToolSession& session);

  const std::vector<std::string>& entries() const { return entries_; }
  int count() const { return static_cast<int>(entries_.size()); }
  // The selected entry, -1 for none.
  int selected() const { return selected_; }
  void select(int index);
  // The selected text; "" with no selection.
  std::string selectedText() const;

  // Appends a text and selects it; false when it is empty, the memo is full or holds it.
  bool MemoAdd(std::string_view text);
  // 選択式削除: after asking, the selected entry goes; the same index is selected again.
  bool deleteSelected();
  // 全削除: after asking, every entry goes.
  bool deleteAll();
  // &Look: the selected text in built-up form, its comment after it.
  void look();

  // Closing: the entries into the slots, from slot 0, the rest emptied; the selection kept
  // for the next opening.
  void close();

 private:
  CalcSettings& settings_;
  MessageSink& sink_;
  ToolSession& session_;
  std::vector<std::string> entries_;
  int selected_ = -1;
};

}  // namespace ravlo
