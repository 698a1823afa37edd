#pragma once
// The main window (計算画面): menus, popup menu, status bar, the input-string panel, the
// painted calculation screen with its scroll bar, the date and goal panel, the cursor timer,
// and the input panel that floats beside it. Keys and clicks go to the calculation state;
// the window paints whatever the state holds.
#include <QFont>
#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/calc_settings.h"
#include "app/calc_print.h"
#include "app/model/calc_state.h"
#include "app/model/voice.h"
#include "app/qt_message_sink.h"
#include "tools/tool_hooks.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;

namespace ravlo {

class CalcScreen;
class ConstBox;
class InputForm;
class PanelUnderModals;
class SidePanel;
class ToolWindows;
class WindowVoice;

inline constexpr std::string_view kHelpChmName = "RavloRS02.chm";
inline constexpr std::string_view kHelpMissingSuffix = " が見あたりません。";
inline constexpr std::string_view kHelpMissingCaption = "お知らせ";
inline constexpr std::string_view kCloseQueryCaption = "ご確認";
inline constexpr std::string_view kCloseQueryText =
    "ノート画面の式が､編集されているのに保存されていません。\n\n終了する前に保存しますか？";
inline constexpr std::string_view kPreparingText = ".......";
inline constexpr std::string_view kPreparingCaption = "準備中!!";
inline constexpr int kFontDialogNoticeMs = 50;
inline constexpr int kInputStringPanelHeight = 26;
inline constexpr int kA4PresetHeight = 600;
inline constexpr int kA4PresetTop = 40;
inline constexpr int kA4PresetLeft = 60;

// What the status bar says for a command that this version does not have yet.
std::string notAvailableText(std::string_view feature);
// The feature name of a command, as the messages name it.
std::string_view featureName(CalcCommand command);

// Whether a face of this name (or a face it is mapped to) is installed.
bool fontFamilyExists(std::string_view family);

class BunMainForm final : public QMainWindow {
  Q_OBJECT

 public:
  struct Options {
    std::filesystem::path settingsFile;  // empty: the program's own settings file
    std::filesystem::path exeDir;        // empty: the program's folder (help file)
    RecordingSink* recording = nullptr;  // tests: boxes and small messages go here
    Voice* voice = nullptr;              // tests: speech goes here instead of espeak-ng
    // Where the user guide is looked for; empty: beside the program, where it is installed,
    // then the source tree.
    std::vector<std::filesystem::path> helpFolders{};
  };

  BunMainForm();
  explicit BunMainForm(Options options);
  ~BunMainForm() override;

  CalcState& state() { return state_; }
  CalcSettings& settings() { return settings_; }
  QtMessageSink& sink() { return sink_; }
  InputForm* inputForm() const { return inputForm_; }
  CalcScreen* screen() const { return screen_; }
  SidePanel* sidePanel() const { return sidePanel_; }
  QLabel* inputStringLabel() const { return label8_; }
  QScrollBar* scrollBar() const { return scrollBar_; }
  QScrollBar* horizontalScrollBar() const { return hScrollBar_; }
  QTimer& cursorTimer() { return timer1_; }
  const std::filesystem::path& settingsFile() const { return settingsFile_; }
  // A menu or popup item by its component name (e.g. "N16"), or null.
  QAction* action(std::string_view name) const;
  QMenu* popupMenu() const { return popupMenu1_; }
  std::string statusText() const { return sink_.statusText(); }

  // The notebook's unsaved-edits flag and its save, asked at close. The save says whether
  // the edits are safe in a file; when they are not, the program keeps running.
  std::function<bool()> notebookHasUnsavedEdits;
  std::function<bool()> saveNotebook;
  // The notebook command (ﾉｰﾄN, N, the menu): opens the notebook or brings it to the front.
  std::function<void()> openNotebook;
  // The program ends: the notebook window closes without asking again.
  std::function<void()> closeNotebook;

  // Picks the printer for Print1; the printer-setup dialog unless a test puts a PDF file in
  // its place.
  PrinterChooser choosePrinter;

  // ---- commands ----
  void runCommand(CalcCommand command);
  // 読R, R, Alt+R: the current line read aloud.
  void readAloud();
  // F8, Ctrl+I: the input panel hidden or shown, the main window left as it is.
  void inputPanelSwitch();
  void windowA4Width();
  // F1: the compiled help file with the desktop's viewer, else the user guide in the help
  // window (one; a second F1 brings it to the front), else the message that it is missing.
  void helpView();
  // Print1: the calculation screen on paper.
  void printScreen();
  void fontDialog();
  // The settings dialog and the process-settings dialog, modal; freed after closing.
  void settingsDialog();
  void processSettingsDialog();
  bool settingsDialogOpen() const { return joukenFormOpen_; }
  // What the tool dialogs may ask of this window.
  ToolHooks toolHooks();
  // The expression editor, the memo and the substitution box.
  ToolWindows& toolWindows() { return *toolWindows_; }
  // The constants box and its calculator, kept for the run.
  ConstBox& constantsBox();
  // The version window, modal.
  void versionDialog();
  // The calculation-screen font becomes f (also what Apply does); measures and repaints.
  void applyCalcFont(const QFont& f);
  void cursorTick();
  // Puts the window where it can be seen: on a screen, no larger than it.
  void bringOnScreen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  class ScreenView;
  class CommandRouter;

  void loadSettings();
  void createMenus();
  void createWidgets();
  void onCreate();
  void placeInputForm();
  void placePanels();
  void screenChanged();
  void syncScrollBar();
  // The sideways scroll bar follows the width of the picture; while typing, the cursor is
  // kept in view.
  void fitHorizontally();
  void copyLine(std::string_view line);
  void notAvailable(std::string_view feature);
  void afterInput();
  void updateInputPanelCheck();
  void measureFont();
  FontMetrics measuredMetrics() const;
  QAction* addItem(QMenu* menu, std::string_view name, std::string_view caption,
                   const QKeySequence& shortcut, std::function<void()> run);

  Options options_;
  std::filesystem::path settingsFile_;
  std::filesystem::path exeDir_;
  CalcSettings settings_;
  QtMessageSink sink_;
  CalcState state_;
  std::unique_ptr<ScreenView> view_;
  std::unique_ptr<CommandRouter> router_;
  std::unique_ptr<WindowVoice> voice_;
  std::unique_ptr<ToolWindows> toolWindows_;

  CalcScreen* screen_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  QScrollBar* hScrollBar_ = nullptr;
  bool fitPending_ = false;
  QFrame* panel2_ = nullptr;
  QLabel* panel2Caption_ = nullptr;
  QLabel* label8_ = nullptr;
  SidePanel* sidePanel_ = nullptr;
  InputForm* inputForm_ = nullptr;
  PanelUnderModals* panelUnderModals_ = nullptr;
  QMenu* popupMenu1_ = nullptr;
  QTimer timer1_;
  std::map<std::string, QAction*, std::less<>> actions_;
  bool firstActivation_ = true;
  bool closing_ = false;
  bool joukenFormOpen_ = false;
  bool goalEditorOpen_ = false;
  std::unique_ptr<ConstBox> constBox_;
};

}  // namespace ravlo
