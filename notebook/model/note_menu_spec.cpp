#include "notebook/model/note_menu_spec.h"

#include <array>

namespace ravlo {
namespace {

using C = NoteCommand;

constexpr std::array kMenus{
    NoteMenuSpec{"NoteFileMenu", "ファイル(&F)"},
    NoteMenuSpec{"NoteSikiMenu", "式操作(&B)"},
    NoteMenuSpec{"NoteViewMenu", "表示(&V)"},
};

constexpr std::array kItems{
    NoteMenuItemSpec{0, "ノートをクリア(&N)", "Ctrl+N", C::ClearNotebook},
    NoteMenuItemSpec{0, "ファイルを開く&O)", "Ctrl+O", C::Open},
    NoteMenuItemSpec{0, "ファイルを保存(&S)", "Ctrl+S", C::Save},
    NoteMenuItemSpec{0, "ファイルを別名保存(&A)", "Ctrl+A", C::SaveAs},
    NoteMenuItemSpec{0, "ノートを印刷(&P)", "Ctrl+P", C::Print},
    NoteMenuItemSpec{0, "ノートを閉じる(&C)", "Ctrl+C", C::CloseWindow},
    NoteMenuItemSpec{1, "答(選択式)を削除(&Y) ", "Ctrl+Y", C::CutSelectedAnswer},
    NoteMenuItemSpec{1, "選択式を削除(&D)", "Ctrl+D", C::DeleteSelected},
    NoteMenuItemSpec{1, "選択式を編集(&E)", "Ctrl+E", C::EditSelected},
    NoteMenuItemSpec{1, "選択式を計算(&Q)", "Ctrl+Q", C::ComputeSelected},
    NoteMenuItemSpec{1, "選択式を複写(&H)", "Ctrl+H", C::CopySelected},
    NoteMenuItemSpec{1, "選択式を読む(&R)", "Ctrl+R", C::ReadSelected},
    NoteMenuItemSpec{1, "新式を追加(&W)", "Ctrl+W", C::AddNew},
    NoteMenuItemSpec{1, "答(ノート全部)を削除(&U)", "Ctrl+U", C::CutAllAnswers},
    NoteMenuItemSpec{1, "ノート全部を編集(&G)", "Ctrl+G", C::EditAll},
    NoteMenuItemSpec{1, "ノート全部を計算(&Z)", "Ctrl+Z", C::ComputeAll},
    NoteMenuItemSpec{1, "問題を作る(&M)", "", C::Generate},
    NoteMenuItemSpec{1, "ノート全部を読む(&K)", "Ctrl+K", C::ReadAll},
    NoteMenuItemSpec{1, "操作前に戻す(&B)", "Ctrl+Alt+B", C::Undo},
    // Shift+F reaches the font dialog through the key table; the caption only names it.
    NoteMenuItemSpec{2, "フォント(&F)　　　Shift＋F", "", C::FontDialog},
    NoteMenuItemSpec{2, "表題記入(&T)", "Ctrl+T", C::TitleInput},
    NoteMenuItemSpec{2, "＝で改行(&L)", "Ctrl+L", C::EqualKaigyo, true, true},
    NoteMenuItemSpec{2, "コマンドﾞ箱を開く( &I )", "Ctrl+I", C::ControlBoxMenu, true, true},
    NoteMenuItemSpec{2, "条件設定ボックス表示(&J)", "Ctrl+J", C::SettingsDialog},
    NoteMenuItemSpec{2, "解答欄を付ける(&S)", "Ctrl+Alt+S", C::AnswerColumn, true, true},
    NoteMenuItemSpec{2, "解答欄の開始位置設定(&C)", "Ctrl+Alt+C", C::AnswerColumnPosition},
    NoteMenuItemSpec{2, "ウインドウＡ４幅", "Ctrl+Shift+F8", C::WindowA4Width},
};

constexpr std::string_view kFile = "◆ファイル◆";
constexpr std::string_view kSelected = "◆選択した式の操作◆";
constexpr std::string_view kAll = "◆全式の一括操作";
constexpr std::string_view kWholeEditHint = "ｴﾃﾞｨﾀｰを開いて、全式の編集をする";
constexpr std::string_view kNewPageHint = "全式を削除して、新規頁にする";

constexpr std::array kButtons{
    NoteBoxButtonSpec{"OpenButton", kFile, "開", "", C::Open},
    NoteBoxButtonSpec{"SaveButton", kFile, "保", "", C::Save},
    NoteBoxButtonSpec{"NewButton", kFile, "新", kNewPageHint, C::ClearNotebook},
    NoteBoxButtonSpec{"PrintButton", kFile, "印", "この頁を印刷する", C::Print},
    NoteBoxButtonSpec{"PrevButton", kSelected, "▲", "", C::SelectPrevious},
    NoteBoxButtonSpec{"NextButton", kSelected, "▼", "", C::SelectNext},
    NoteBoxButtonSpec{"SelAnsCutButton", kSelected, "答削", "選択した式の答を削除する",
                      C::CutSelectedAnswer},
    NoteBoxButtonSpec{"SelDeleteButton", kSelected, "削", "選択した式を削除する",
                      C::DeleteSelected},
    NoteBoxButtonSpec{"SelEditButton", kSelected, "編", kWholeEditHint, C::EditSelected},
    NoteBoxButtonSpec{"SelCalcButton", kSelected, "算", "選択した式を計算する",
                      C::ComputeSelected},
    NoteBoxButtonSpec{"SelCopyButton", kSelected, "複", "選択式をｺﾋﾟｰして、最後に追加する",
                      C::CopySelected},
    NoteBoxButtonSpec{"SelVoiceButton", kSelected, "声", "選択した式を読み上げる",
                      C::ReadSelected},
    NoteBoxButtonSpec{"AllAnsCutButton", kAll, "答削", "全式の答を削除する", C::CutAllAnswers},
    NoteBoxButtonSpec{"AllEditButton", kAll, "編", kWholeEditHint, C::EditAll},
    NoteBoxButtonSpec{"AllCalcButton", kAll, "算", "全部の式を計算する", C::ComputeAll},
    NoteBoxButtonSpec{"AllDeleteButton", kAll, "削", kNewPageHint, C::ClearNotebook},
    NoteBoxButtonSpec{"AllVoiceButton", kAll, "声", "式をぜんぶ読み上げる", C::ReadAll},
    NoteBoxButtonSpec{"AddButton", "", "式を追加", "ｴﾃﾞｨﾀを開いて､新しい式を追加する",
                      C::AddNew},
    NoteBoxButtonSpec{"UndoButton", "", "元に戻す", "操作を前に戻す", C::Undo},
    NoteBoxButtonSpec{"FontButton", "", "フォント", "フォントを設定する", C::FontDialog},
    NoteBoxButtonSpec{"TitleButton", "", "表題入力", "この頁の表題を入力する", C::TitleInput},
};

}  // namespace

std::span<const NoteMenuSpec> noteMenus() { return kMenus; }
std::span<const NoteMenuItemSpec> noteMenuItems() { return kItems; }
std::span<const NoteBoxButtonSpec> noteBoxButtons() { return kButtons; }

}  // namespace ravlo
