#pragma once
// What the notebook says in its boxes, and the captions of those boxes.
#include <string_view>

namespace ravlo {

inline constexpr std::string_view kNoteCheckCaption = "ご確認";
inline constexpr std::string_view kNoteWarnCaption = "ご注意！";
inline constexpr std::string_view kNoteReadIssuesCaption = "ご注意!!";

// List operations.
inline constexpr std::string_view kNoteNoSelectionAddText =
    "式が選択されていません。\n\n新しく追加しますか。";
inline constexpr std::string_view kNoteDeleteSelectText = "削除したい式を選択してください。";
inline constexpr std::string_view kNoteDeleteConfirmText =
    "選択した式を削除します。\n\nいいですか？";
inline constexpr std::string_view kNoteCopySelectText = "複写したい式を選択してください。";
inline constexpr std::string_view kNoteCutAnsSelectText =
    "答を削除したい式を選択してください。";
inline constexpr std::string_view kNoteCutAnsConfirmText =
    "選択した式の答えを削除します。\n\nいいですか？";
inline constexpr std::string_view kNoteCutAllConfirmText =
    "答えをすべて削除します。\n\nいいですか？";
inline constexpr std::string_view kNoteClearSaveText =
    "テキストは編集されています。\n\nﾉｰﾄをｸﾘｱｰする前に変更を保存しますか？";
inline constexpr std::string_view kNoteGenerateSaveText =
    "ノートの式は保存されていません。\n\n問題を作る前に変更を保存しますか？";
// The list holds 50 problems; adding past that is refused with this.
inline constexpr std::string_view kNoteFullText =
    "ﾉｰﾄに書ける式は50問までです。\n\nこれ以上は追加できません。";

// Files.
inline constexpr std::string_view kNoteOpenSaveText =
    "現在のノートは、編集されています。\n\n保存しておきますか？";
inline constexpr std::string_view kNoteOpenDialogTitle = "分数式ﾌｧｲﾙ(拡張子.siki)を開く";
inline constexpr std::string_view kNoteOpenDialogFilter =
    "分数式ファイル (*.siki)|*.SIKI|すべてのファイル (*.*)|*.*";
inline constexpr std::string_view kNoteOpenFailedText = "ご指定のﾌｧｲﾙをOpenできませんでした。";
inline constexpr std::string_view kNoteReadIssuesText =
    "読み込んだ式に、不正箇所がありました。\n｢適切さチェック｣を行った後で、｢反映終了｣して下さい。";
// A file that is no notebook text (binary, unknown encoding, far too large).
inline constexpr std::string_view kNoteNotSikiText =
    "ご指定のﾌｧｲﾙは分数式ﾌｧｲﾙではないので、読み込めませんでした。\n\nﾉｰﾄはそのままです。";
// A notebook file with more problems than the list holds; "%d" is their number.
inline constexpr std::string_view kNoteTooManyText =
    "ご指定のﾌｧｲﾙには式が%d問あります。\n\nﾉｰﾄに読み込める式は50問までです。";
// The save that did not reach the disk; the path and the system's reason follow the text.
inline constexpr std::string_view kNoteWriteFailedText =
    "ﾌｧｲﾙに保存できませんでした。\n変更はまだ保存されていません。\n\n";
// Asked before a save replaces an existing file; the file name comes first.
inline constexpr std::string_view kNoteOverwriteCaption = "名前を付けて保存の確認";
inline constexpr std::string_view kNoteOverwriteText = " は既に存在します。\n上書きしますか?";

}  // namespace ravlo
