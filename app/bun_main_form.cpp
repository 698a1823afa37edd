#include "app/bun_main_form.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <system_error>

#include "app/calc_screen.h"
#include "app/help_form.h"
#include "app/houtei_dsp.h"
#include "app/input_form.h"
#include "app/key_translate.h"
#include "app/line_clipboard.h"
#include "app/main_display.h"
#include "app/model/conversion_router.h"
#include "app/model/help_guide.h"
#include "app/model/read_aloud.h"
#include "app/model/settings_file.h"
#include "app/model/siki_reading.h"
#include "app/panel_under_modals.h"
#include "app/side_panel.h"
#include "app/window_voice.h"
#include "tools/const_box.h"
#include "render/qt/qt_canvas.h"
#include "tools/tool_windows.h"

namespace ravlo {
namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr Color kInputStringPanelColor = 0x80FFFF;
constexpr Color kInputStringColor = 0xFF0000;
constexpr int kVisibleStrip = 40;  // this much of the window's top must be on a screen
constexpr int kSidewaysNotch = 4;  // characters one notch of a sideways wheel scrolls

// A caption without its keyboard mnemonic ("フォーム(&F)" is read "フォーム").
QString withoutMnemonic(std::string_view caption) {
  QString s = toQString(caption);
  static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
  s.remove(mnemonic);
  return s.remove('&').trimmed();
}

}  // namespace

std::string notAvailableText(std::string_view feature) {
  return "◆「" + std::string(feature) + "」は、まだ用意されていません。";
}

std::string_view featureName(CalcCommand command) {
  switch (command) {
    case CalcCommand::Notebook: return "ノート";
    case CalcCommand::SubstitutionBox: return "代入Box";
    case CalcCommand::ExpressionMemo: return "式メモ";
    case CalcCommand::ConstantsBox: return "定数Box";
    case CalcCommand::FocusToolBox: return "ツールボックス";
    case CalcCommand::ExpressionEditor: return "式エディタ";
    default: return commandName(command);
  }
}

bool fontFamilyExists(std::string_view family) {
  const QString name = toQString(family);
  if (name.trimmed().isEmpty()) return false;
  const QStringList families = QFontDatabase::families();
  if (families.contains(name, Qt::CaseInsensitive)) return true;
  for (const QString& sub : QFont::substitutes(name)) {
    if (families.contains(sub, Qt::CaseInsensitive)) return true;
  }
  return false;
}

// ---- the calculation state's view of the window ----

class BunMainForm::ScreenView final : public CalcView {
 public:
  explicit ScreenView(BunMainForm& form) : form_(form) {}
  void repaint() override { form_.screenChanged(); }
  void eraseCursor(const ScreenRect&) override {
    if (!form_.screen_) return;
    form_.screen_->cursorShown = false;
    form_.screen_->update();
  }
  void showInputString(std::string_view caption) override {
    if (form_.label8_) form_.label8_->setText(toQString(caption));
  }
  void setAnswerButtons(bool tai, bool ka, bool syou) override {
    if (form_.inputForm_) form_.inputForm_->setAnswerButtons(tai, ka, syou);
  }
  void copyLine(std::string_view line) override { form_.copyLine(line); }

 private:
  BunMainForm& form_;
};

class BunMainForm::CommandRouter final : public CalcCommandHandler {
 public:
  explicit CommandRouter(BunMainForm& form) : form_(form) {}
  void run(CalcCommand command) override { form_.runCommand(command); }
  bool toolBoxOpen() const override {
    return (form_.constBox_ && form_.constBox_->isOpen()) ||
           (form_.toolWindows_ && form_.toolWindows_->toolBoxOpen());
  }

 private:
  BunMainForm& form_;
};

// ---- start-up ----

BunMainForm::BunMainForm() : BunMainForm(Options{}) {}

BunMainForm::BunMainForm(Options options)
    : options_(std::move(options)),
      state_(settings_, sink_),
      view_(std::make_unique<ScreenView>(*this)),
      router_(std::make_unique<CommandRouter>(*this)) {
  setObjectName("BunMainForm");
  setAccessibleName(toQString(kMainCaption));
  sink_.setRecording(options_.recording);
  sink_.setStatusBar(statusBar());
  sink_.setWindow(this, &settings_);
  statusBar()->setObjectName("StatusBar1");
  statusBar()->setAccessibleName(QStringLiteral("ステータスバー"));
  statusBar()->setSizeGripEnabled(false);

  // The constructor's part: the program folder and the settings, which place the window.
  loadSettings();
  createWidgets();
  createMenus();
  state_.setView(view_.get());
  state_.setCommands(router_.get());
  voice_ = std::make_unique<WindowVoice>(settings_, sink_, this, options_.voice, [this] {
    if (screen_ && screen_->isVisible()) screen_->repaint();
  });
  state_.setVoice(voice_.get());
  onCreate();

  inputForm_ = new InputForm(state_, this, [this] { afterInput(); });
  inputForm_->onPanelCommand = [this](CalcCommand c) {
    runCommand(c);
    afterInput();
  };
  inputForm_->onVisibilityChanged = [this] { updateInputPanelCheck(); };
  panelUnderModals_ = new PanelUnderModals(inputForm_);
  state_.InputFormCreate();
  placeInputForm();
  toolWindows_ = std::make_unique<ToolWindows>(state_, toolHooks(), this);
  toolWindows_->makeConstantsBox = [this]() -> ConstBox& { return constantsBox(); };
}

BunMainForm::~BunMainForm() {
  toolWindows_.reset();
  timer1_.stop();
  state_.setView(nullptr);
  state_.setCommands(nullptr);
  state_.setVoice(nullptr);
}

void BunMainForm::loadSettings() {
  settingsFile_ = options_.settingsFile.empty() ? settingsFilePath() : options_.settingsFile;
  exeDir_ = options_.exeDir.empty() ? programFolder() : options_.exeDir;
  SettingsLoad(settings_, settingsFile_, sink_);

  // A face that is not installed would be replaced by a proportional one, and the built-up
  // drawing counts on fixed widths.
  for (std::string* name : {&settings_.FONTNAME, &settings_.MOKUHYOU_FONTNAME}) {
    if (fontFamilyExists(*name)) continue;
    sink_.status("◆フォント「" + *name + "」が見つからないので、「" +
                 std::string(kDefaultFontName) + "」で表示します。");
    *name = std::string(kDefaultFontName);
  }
  settings_.FONTSIZE = std::clamp(settings_.FONTSIZE, kFontSizeMin, kFontSizeMax);

  move(settings_.MAINLEFT, settings_.MAINTOP);
  resize(settings_.MAINWIDTH, settings_.MAINHEIGHT);
  bringOnScreen();
}

void BunMainForm::bringOnScreen() {
  const QRect frame(pos(), size());
  const QRect strip(frame.topLeft(), QSize(frame.width(), std::min(frame.height(), kVisibleStrip)));
  QScreen* target = nullptr;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect shared = s->availableGeometry().intersected(strip);
    if (shared.width() >= std::min(kVisibleStrip, frame.width()) &&
        shared.height() >= std::min(kVisibleStrip / 2, strip.height())) {
      target = s;
      break;
    }
  }
  const bool visible = target != nullptr;
  if (!target) target = QGuiApplication::primaryScreen();
  if (!target) return;
  const QRect avail = target->availableGeometry();
  const int w = std::min(width(), avail.width());
  const int h = std::min(height(), avail.height());
  if (w != width() || h != height()) resize(w, h);
  if (visible) return;
  const int x = std::clamp(frame.x(), avail.left(), avail.left() + avail.width() - w);
  const int y = std::clamp(frame.y(), avail.top(), avail.top() + avail.height() - h);
  move(x, y);
}

void BunMainForm::createWidgets() {
  auto* central = new QWidget(this);
  central->setObjectName("ClientArea");
  central->setAccessibleName(QStringLiteral("計算画面の枠"));
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);

  screen_ = new CalcScreen(state_, settings_, central);
  grid->addWidget(screen_, 0, 0);
  grid->setRowStretch(0, 1);
  grid->setColumnStretch(0, 1);
  scrollBar_ = new QScrollBar(Qt::Vertical, central);
  scrollBar_->setObjectName("VertScrollBar");
  scrollBar_->setAccessibleName(QStringLiteral("縦スクロール"));
  scrollBar_->setFocusPolicy(Qt::NoFocus);
  grid->addWidget(scrollBar_, 0, 1);
  hScrollBar_ = new QScrollBar(Qt::Horizontal, central);
  hScrollBar_->setObjectName("HorzScrollBar");
  hScrollBar_->setAccessibleName(QStringLiteral("横スクロール"));
  hScrollBar_->setFocusPolicy(Qt::NoFocus);
  hScrollBar_->setRange(0, 0);
  hScrollBar_->hide();
  grid->addWidget(hScrollBar_, 1, 0);
  setCentralWidget(central);

  connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int v) {
    if (v != state_.ScrollPos) state_.scrollTo(v);
  });
  connect(hScrollBar_, &QScrollBar::valueChanged, this, [this](int v) {
    if (v == screen_->scrollX) return;
    screen_->scrollX = v;
    screen_->update();
  });
  screen_->onWheel = [this](int down, int right) {
    if (down != 0) state_.scrollBy(down * state_.lineAdvance());
    if (right != 0) {
      hScrollBar_->setValue(hScrollBar_->value() + right * kSidewaysNotch * state_.CharW);
    }
  };
  screen_->onResize = [this] {
    state_.ClientHeight = screen_->height();
    placePanels();
    if (sidePanel_) sidePanel_->GoalDsp();
  };
  screen_->onPainted = [this] {
    if (sidePanel_) sidePanel_->DateDsp();
    // After the paint: the bar's range changes the screen's size, which paints again.
    if (fitPending_) return;
    fitPending_ = true;
    QTimer::singleShot(0, this, [this] {
      fitPending_ = false;
      fitHorizontally();
    });
  };

  // The input-string panel over the top of the screen.
  panel2_ = new QFrame(screen_);
  panel2_->setObjectName("Panel2");
  panel2_->setAccessibleName(toQString(kInputStringPanelCaption));
  panel2_->setAutoFillBackground(true);
  panel2_->setFrameShape(QFrame::Panel);
  panel2_->setFrameShadow(QFrame::Raised);
  QPalette pal = panel2_->palette();
  pal.setColor(QPalette::Window, toQColor(kInputStringPanelColor));
  panel2_->setPalette(pal);
  auto* panelRow = new QHBoxLayout(panel2_);
  panelRow->setContentsMargins(2, 0, 2, 0);
  panel2Caption_ = new QLabel(toQString(kInputStringPanelCaption), panel2_);
  panel2Caption_->setObjectName("Panel2Caption");
  panel2Caption_->setAccessibleName(toQString(kInputStringPanelCaption));
  label8_ = new QLabel(panel2_);
  label8_->setObjectName("Label8");
  label8_->setAccessibleName(QStringLiteral("入力文字列"));
  QFont labelFont(QStringLiteral("ＭＳ ゴシック"));
  labelFont.setPixelSize(12);
  label8_->setFont(labelFont);
  panel2Caption_->setFont(labelFont);
  QPalette lp = label8_->palette();
  lp.setColor(QPalette::WindowText, toQColor(kInputStringColor));
  label8_->setPalette(lp);
  label8_->setTextFormat(Qt::PlainText);
  panelRow->addWidget(panel2Caption_);
  panelRow->addWidget(label8_, 1);
  panel2_->hide();

  sidePanel_ = new SidePanel(settings_, screen_);
}

QAction* BunMainForm::addItem(QMenu* menu, std::string_view name, std::string_view caption,
                              const QKeySequence& shortcut, std::function<void()> run) {
  QAction* a = menu->addAction(toQString(caption));
  a->setObjectName(toQString(name));
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  if (run) {
    connect(a, &QAction::triggered, this, [this, run = std::move(run)] {
      run();
      afterInput();
    });
  }
  actions_.emplace(std::string(name), a);
  return a;
}

void BunMainForm::createMenus() {
  using C = CalcCommand;
  auto cmd = [this](C c) { return [this, c] { runCommand(c); }; };
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  bar->setAccessibleName(QStringLiteral("メインメニュー"));

  auto addMenu = [&](std::string_view name, std::string_view caption) {
    QMenu* m = bar->addMenu(toQString(caption));
    m->setObjectName(toQString(name));
    m->setAccessibleName(withoutMnemonic(caption));
    m->menuAction()->setObjectName(toQString(name));
    actions_.emplace(std::string(name), m->menuAction());
    return m;
  };

  QMenu* file = addMenu("File1", "フォーム(&F)");
  addItem(file, "Print1", "印刷(&P)...", {}, [this] { printScreen(); });
  addItem(file, "Exit1", "終了(&X)", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X),
          [this] { close(); });

  QMenu* ops = addMenu("N3", "操作(&W)");
  addItem(ops, "SikiEdit", "式エディタを開く(&E)", {}, cmd(C::ExpressionEditor));
  addItem(ops, "Memo", "式メモを開く(&M)", {}, cmd(C::ExpressionMemo));
  addItem(ops, "Box1", "代入Boxを開く(&D)", {}, cmd(C::SubstitutionBox));
  addItem(ops, "PageEdit", "ノｰトを開く(&N)", {}, cmd(C::Notebook));
  addItem(ops, "Box2", "定数Boxを開く(&W)", {}, cmd(C::ConstantsBox));
  addItem(ops, "R1", "式を読み上げる(&R)", {}, cmd(C::ReadAloud));
  addItem(ops, "N25", "素因数分解をする(&S)   Shift+S", {}, cmd(C::PrimeFactorize));
  addItem(ops, "R2", "分数⇔循環小数           Shift+R", {}, cmd(C::JunkanSyori));
  QAction* n26 = addItem(ops, "N26", "ｎ進法変換モード        Shift+N", {}, cmd(C::NsinModeSwitch));
  addItem(ops, "Y1", "約分する(&Y)              Ctrl+Y", {}, cmd(C::Reduce));
  addItem(ops, "B1", "小数→分数(&B)           Ctrl+B", {}, cmd(C::DecimalToFraction));
  addItem(ops, "T2", "仮分数→帯分数(&T)     Ctrl+T", {}, cmd(C::AnswerAsMixed));
  addItem(ops, "K1", "帯分数→仮分数(&K)     Ctrl+K", {}, cmd(C::AnswerAsImproper));
  addItem(ops, "OtherCal", "答を一時保存(&C)", {}, cmd(C::KeepAnswer));
  addItem(ops, "CopyLine", "式と答をコピー", {}, cmd(C::KeepAndCopy));
  addItem(ops, "V2", "保存した答を貼り付け(&P)", {}, cmd(C::PasteAnswer));
  addItem(ops, "ViewV1", "保存した答をLookする(&L)", {}, cmd(C::ViewAnswer));

  QMenu* view = addMenu("V1", "表示(&V)");
  QAction* n24 = addItem(view, "N24", "解答欄を付ける(&C)", {}, {});
  n24->setCheckable(true);
  n24->setChecked(settings_.KAITOURAN_FLAG);
  connect(n24, &QAction::toggled, this, [this](bool on) { settings_.KAITOURAN_FLAG = on; });
  addItem(view, "CtrlL1", "＝ で改行する⇔しない(&L)　", QKeySequence(Qt::CTRL | Qt::Key_L),
          [this] { state_.EqualKaigyoSwitch(); });
  QAction* n4 = addItem(view, "N4", "入力パネル表示する⇔しない(&I) 　", QKeySequence(Qt::Key_F8),
                        [this] { inputPanelSwitch(); });
  n4->setCheckable(true);
  n4->setChecked(true);
  addItem(view, "N2", "条件設定ボックス表示(&J)  ", {}, cmd(C::SettingsDialog));
  addItem(view, "A1", "詳細設定(&A) ", {}, cmd(C::ProcessSettingsDialog));
  addItem(view, "N16", "計算過程表示する⇔しない", QKeySequence(Qt::Key_F5),
          [this] { state_.ProcessDisplaySwitch(); });
  QAction* f1 = view->addSeparator();
  f1->setObjectName("F1");
  actions_.emplace("F1", f1);
  addItem(view, "N6", "フォント(&F)　　Shift+F", {}, [this] { fontDialog(); });
  addItem(view, "N22", "ウィンドウＡ４幅(&W)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F8),
          [this] { windowA4Width(); });

  QMenu* tools = addMenu("T1", "ツール(&T)");
  addItem(tools, "S1", "dizu(&S)", {}, {});
  tools->menuAction()->setEnabled(false);

  QMenu* help = addMenu("Help1", "ヘルプ(&H)");
  addItem(help, "Check1", "チェック(&T)", {}, {})->setVisible(false);
  addItem(help, "HelpView", "『ラヴロ』のヘルプ(&H)", QKeySequence(Qt::Key_F1),
          [this] { helpView(); });
  addItem(help, "N17", "ｱﾄﾞﾊﾞｲｽ解説", QKeySequence(Qt::Key_F2), {})->setEnabled(false);
  addItem(help, "About1", "バージョン情報(&A)...", {}, [this] { versionDialog(); });

  // The popup menu of the calculation screen.
  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName("PopupMenu1");
  popupMenu1_->setAccessibleName(QStringLiteral("ポップアップメニュー"));
  popupMenu1_->setToolTipsVisible(true);
  addItem(popupMenu1_, "N8", "答を一時保存(&C)", {}, cmd(C::KeepAnswer));
  addItem(popupMenu1_, "N9", "答を貼り付け(&P)", {}, cmd(C::PasteAnswer));
  addItem(popupMenu1_, "View1", "答をLookする(&L)", {}, cmd(C::ViewAnswer));
  addItem(popupMenu1_, "N11", "素因数分解する(&S)   Shift+S", {}, cmd(C::PrimeFactorize))
      ->setToolTip(QStringLiteral("素因数分解＆約数の和(除元の数)を10個で改行"));
  QAction* n20 = addItem(popupMenu1_, "N20", "中断を可能にする", {}, {});
  n20->setCheckable(true);
  n20->setChecked(state_.SoinsuuAbort);
  connect(n20, &QAction::toggled, this, [this](bool on) { state_.SoinsuuAbort = on; });
  addItem(popupMenu1_, "N12", "循環小数⇔分数(&R)     Shift+R", {}, cmd(C::JunkanSyori));
  QAction* n27 =
      addItem(popupMenu1_, "N27", "ｎ進法変換モード(&N)  Shift+N", {}, cmd(C::NsinModeSwitch));
  addItem(popupMenu1_, "YCtrlY1", "約分する(&Y)              Ctrl+Y", {}, cmd(C::Reduce));
  addItem(popupMenu1_, "BCtrlB1", "小数→分数(&B)           Ctrl+B", {},
          cmd(C::DecimalToFraction));
  addItem(popupMenu1_, "TCtrlT1", "仮分数→帯分数(&T)     Ctrl+T", {}, cmd(C::AnswerAsMixed));
  addItem(popupMenu1_, "KCtrlK1", "帯分数→仮分数(&K)     Ctrl+K", {}, cmd(C::AnswerAsImproper));
  addItem(popupMenu1_, "N14", "条件設定ﾎﾞｯｸｽ表示(&J)", {}, cmd(C::SettingsDialog));
  for (QAction* a : {n26, n27}) {
    a->setCheckable(true);
    a->setChecked(false);
  }
}

void BunMainForm::onCreate() {
  setWindowTitle(toQString(kMainCaption));
  timer1_.stop();
  timer1_.setInterval(settings_.CURSOLTEMPO);
  connect(&timer1_, &QTimer::timeout, this, &BunMainForm::cursorTick, Qt::UniqueConnection);

  state_.InputPanelHeight = kInputStringPanelHeight;
  QScreen* s = screen_->screen();
  const int ppi = s ? static_cast<int>(std::lround(s->logicalDotsPerInchY())) : 96;
  const FontMetrics metrics = measuredMetrics();
  state_.MainFormCreate(metrics, ppi);
  state_.ClientHeight = screen_->height();

  sidePanel_->DateDsp();
  state_.ScrollPos = 0;
  scrollBar_->setSingleStep(kScrollStep);
  syncScrollBar();
  scrollBar_->show();
  statusBar()->setVisible(settings_.SBARDSP);
  placePanels();
  timer1_.start();
  if (QAction* n20 = action("N20")) n20->setChecked(state_.SoinsuuAbort);
}

FontMetrics BunMainForm::measuredMetrics() const {
  // Measured as the canvas measures: on the screen's resolution, the whole digit string.
  const QFontMetricsF fm(toQFont(calcScreenFont(settings_)), screen_);
  FontMetrics m;
  m.textWidth10 = static_cast<int>(std::lround(fm.horizontalAdvance(QStringLiteral("1234567890"))));
  m.textHeight10 = static_cast<int>(std::lround(fm.height()));
  return m;
}

void BunMainForm::measureFont() { state_.setFontMetrics(measuredMetrics()); }

void BunMainForm::placeInputForm() {
  // The window's outer corner plus its client size, as the form's edges are measured.
  const QPoint topLeft = pos();
  const int right = topLeft.x() + width();
  const int bottom = topLeft.y() + height();
  QPoint at(right - kInputPanelLeftOffset, bottom - kInputPanelTopOffset);
  if (settings_.INPUTTOP != kNotPlaced && settings_.INPUTLEFT != kNotPlaced) {
    at = QPoint(settings_.INPUTLEFT, settings_.INPUTTOP);
  }
  // A short window near the top edge would push the panel off the screen, and a saved place
  // may be on a screen no longer there.
  if (QScreen* s = QWidget::screen()) {
    const QRect avail = s->availableGeometry();
    const QSize panel = inputForm_->frameGeometry().size();
    at.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() + 1 - panel.width())));
    at.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - panel.height())));
  }
  inputForm_->move(at);
}

// ---- painting ----

void BunMainForm::placePanels() {
  if (!screen_) return;
  const int w = screen_->width();
  const int h = screen_->height();
  int sideTop = 0;
  if (settings_.INPUTSTR_DSP) {
    panel2_->setGeometry(0, 0, w, kInputStringPanelHeight);
    panel2_->show();
    sideTop = kInputStringPanelHeight + 2;
  } else {
    panel2_->hide();
  }
  sidePanel_->place(w - kSidePanelWidth, sideTop, h - sideTop);
  sidePanel_->setVisible(settings_.WAKIGAKI);
  statusBar()->setVisible(settings_.SBARDSP);
}

void BunMainForm::syncScrollBar() {
  const QSignalBlocker block(scrollBar_);
  scrollBar_->setRange(0, state_.scrollRange());
  scrollBar_->setValue(state_.ScrollPos);
}

void BunMainForm::screenChanged() {
  if (!screen_) return;
  // A screen reader says the line as the voice reads it; the encoded line stays at hand.
  screen_->setAccessibleDescription(QString::fromStdString(state_.InpSiki));
  const std::string reading = SikiSpeakText(state_.InpSiki, true);
  const QString name = reading.empty() ? QStringLiteral("計算画面") : QString::fromStdString(reading);
  if (screen_->accessibleName() != name) screen_->setAccessibleName(name);
  placePanels();
  syncScrollBar();
  if (state_.InpAccept) screen_->cursorShown = true;
  screen_->update();
  if (QAction* n26 = action("N26")) n26->setChecked(state_.NsinMode);
  if (QAction* n27 = action("N27")) n27->setChecked(state_.NsinMode);
}

void BunMainForm::fitHorizontally() {
  if (!screen_ || !hScrollBar_) return;
  const int visible = screen_->width() - (sidePanel_ && sidePanel_->isVisible() ? kSidePanelWidth : 0);
  const int range = std::max(0, screen_->contentRight() + state_.CharW - std::max(visible, 1));
  int x = std::clamp(screen_->scrollX, 0, range);
  if (state_.InpAccept) {
    const int cursor = state_.renderer.CursorX;
    if (cursor + 2 * state_.CharW > x + visible) x = cursor + 2 * state_.CharW - visible;
    if (cursor < x) x = std::max(0, cursor - 2 * state_.CharW);
    x = std::clamp(x, 0, range);
  }
  {
    const QSignalBlocker block(hScrollBar_);
    hScrollBar_->setRange(0, range);
    hScrollBar_->setPageStep(std::max(visible, 1));
    hScrollBar_->setSingleStep(std::max(state_.CharW, 1));
    hScrollBar_->setValue(x);
  }
  hScrollBar_->setVisible(range > 0);
  if (x != screen_->scrollX) {
    screen_->scrollX = x;
    screen_->update();
  }
}

// ---- input ----

void BunMainForm::keyPressEvent(QKeyEvent* event) {
  const TranslatedKey key = translateKey(*event);
  if (key.key == 0) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  const KeyAction own = MainWindowKeyAction(key.key, key.mods);
  if (own.kind == KeyActionKind::Command) {
    runCommand(own.command);
  } else {
    state_.InpKeySyori(key.key, key.mods);
  }
  afterInput();
}

void BunMainForm::afterInput() { sink_.finishWork(); }

void BunMainForm::runCommand(CalcCommand command) {
  switch (command) {
    case CalcCommand::FontDialog: fontDialog(); return;
    case CalcCommand::SettingsDialog: settingsDialog(); return;
    case CalcCommand::ProcessSettingsDialog: processSettingsDialog(); return;
    case CalcCommand::InputPanelSwitch: inputPanelSwitch(); return;
    case CalcCommand::HideInputPanel:
      if (inputForm_) inputForm_->hide();
      return;
    case CalcCommand::Solve:
      HouteiDsp(state_);
      screenChanged();
      return;
    case CalcCommand::ReadAloud: readAloud(); return;
    case CalcCommand::ExpressionEditor: toolWindows_->SikiEditOpen(); return;
    case CalcCommand::ExpressionMemo: toolWindows_->openMemo(); return;
    case CalcCommand::SubstitutionBox: toolWindows_->openBox(); return;
    case CalcCommand::ConstantsBox: constantsBox().open(TeisuuOwner::InputPanel); return;
    case CalcCommand::FocusToolBox:
      // The constants box first, then the substitution box, then the memo.
      if (constBox_ && constBox_->isOpen()) {
        constBox_->focus();
      } else {
        toolWindows_->focusToolBox();
      }
      return;
    case CalcCommand::Notebook:
      if (!openNotebook) break;
      openNotebook();
      return;
    default: break;
  }
  if (isStateCommand(command)) {
    state_.runCommand(command);
    return;
  }
  if (runConversionCommand(state_, command)) return;
  notAvailable(featureName(command));
}

void BunMainForm::readAloud() {
  const QAbstractButton* koe = inputForm_ ? inputForm_->button("KoeButton") : nullptr;
  ReadAloud(state_, koe == nullptr || koe->isEnabled());
}

void BunMainForm::notAvailable(std::string_view feature) { sink_.status(notAvailableText(feature)); }

void BunMainForm::contextMenuEvent(QContextMenuEvent* event) {
  popupMenu1_->popup(event->globalPos());
  event->accept();
}

// ---- window commands ----

void BunMainForm::inputPanelSwitch() {
  if (!inputForm_) return;
  // Hidden rather than minimized: a window manager minimizes a tool window together with
  // the window it belongs to, and the whole program would vanish.
  if (inputForm_->isVisible() && !inputForm_->isMinimized()) {
    inputForm_->hide();
  } else {
    inputForm_->showNormal();
    inputForm_->raise();
  }
  updateInputPanelCheck();
}

void BunMainForm::copyLine(std::string_view line) {
  const std::span<const InkSpan> inks =
      line == state_.InpSiki ? std::span<const InkSpan>(state_.AppendedValues)
                             : std::span<const InkSpan>();
  copyLineToClipboard(line, inks, settings_);
}

void BunMainForm::updateInputPanelCheck() {
  QAction* n4 = action("N4");
  if (!n4 || !inputForm_ || closing_) return;
  n4->setChecked(inputForm_->isVisible() && !inputForm_->isMinimized());
}

void BunMainForm::windowA4Width() {
  showNormal();
  resize(std::max(state_.A4Width, 100), kA4PresetHeight);
  move(kA4PresetLeft, kA4PresetTop);
  screenChanged();
}

void BunMainForm::helpView() {
  const std::filesystem::path file = exeDir_ / std::string(kHelpChmName);
  std::error_code ec;
  if (!exeDir_.empty() && std::filesystem::is_regular_file(file, ec)) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())))) {
      return;
    }
    sink_.status("◆" + std::string(kHelpChmName) + " を開くプログラムがありません。");
    return;
  }
  if (auto* open = findChild<HelpForm*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (open->isMinimized()) open->showNormal();
    open->raise();
    open->activateWindow();
    return;
  }
  const std::vector<std::filesystem::path> folders =
      options_.helpFolders.empty() ? helpGuideFolders(exeDir_) : options_.helpFolders;
  if (const auto firstPage = findHelpGuide(folders)) {
    auto* help = new HelpForm(*firstPage, this);
    help->move(x() + 40, y() + 40);
    help->show();
    help->activateWindow();
    return;
  }
  sink_.box(kHelpMissingCaption, std::string(kHelpChmName) + std::string(kHelpMissingSuffix),
            BoxButtons::Ok, BoxIcon::Information);
}

void BunMainForm::printScreen() {
  PrintCommand(state_, choosePrinter ? choosePrinter : printerSetupDialog(this));
  screenChanged();
}

void BunMainForm::fontDialog() {
  sink_.smallMessage(kPreparingText, kPreparingCaption, kFontDialogNoticeMs);
  const QFont before = toQFont(calcScreenFont(settings_));
  // The dialog lists installed faces only: show the face a substituted name stands for,
  // or it would open on an unrelated default and preview that.
  QFont shown = before;
  shown.setFamily(QFontInfo(before).family());
  QFontDialog dialog(shown, this);
  dialog.setObjectName("FontDialog1");
  dialog.setAccessibleName(QStringLiteral("フォント"));
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  // Apply: the screen follows the dialog's choice while it is open.
  connect(&dialog, &QFontDialog::currentFontChanged, this,
          [this](const QFont& f) { applyCalcFont(f); });
  if (dialog.exec() == QDialog::Accepted) {
    applyCalcFont(dialog.selectedFont());
  } else {
    applyCalcFont(before);
  }
}

void BunMainForm::applyCalcFont(const QFont& f) {
  const std::string family = f.family().toStdString();
  if (!family.empty()) settings_.FONTNAME = family;
  int points = f.pointSize();
  if (points <= 0 && f.pixelSize() > 0) {
    QScreen* s = screen_ ? screen_->screen() : nullptr;
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    points = static_cast<int>(std::lround(f.pixelSize() * 72.0 / dpi));
  }
  if (points > 0) settings_.FONTSIZE = std::clamp(points, kFontSizeMin, kFontSizeMax);
  measureFont();
  screenChanged();
}

void BunMainForm::cursorTick() {
  if (inputForm_ && inputForm_->isActiveWindow()) {
    activateWindow();
    screen_->setFocus();
  }
  if (!state_.InpAccept && !screen_->cursorShown) return;
  screen_->cursorShown = !screen_->cursorShown;
  const ScreenRect block = state_.cursorBlock();
  screen_->updatePicture(QRect(QPoint(block.left - 2, block.top - 2),
                               QPoint(block.right + 2, block.bottom + 2)));
}

// ---- window events ----

void BunMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  if (firstActivation_) {
    firstActivation_ = false;
    sidePanel_->GoalDsp();
    return;
  }
  state_.renderer.lineCount = 0;
  state_.GyoKeisuu = settings_.GYOKEISUU;
  screenChanged();
}

void BunMainForm::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  if (notebookHasUnsavedEdits && notebookHasUnsavedEdits()) {
    const BoxAnswer answer =
        sink_.box(kCloseQueryCaption, kCloseQueryText, BoxButtons::YesNoCancel, BoxIcon::Question);
    if (answer == BoxAnswer::Cancel) {
      event->ignore();
      return;
    }
    if (answer == BoxAnswer::Yes && saveNotebook && !saveNotebook()) {
      event->ignore();
      return;
    }
  }
  closing_ = true;
  if (closeNotebook) closeNotebook();
  timer1_.stop();
  // Base-n mode holds EVERYINPUT at 0 only for as long as it lasts.
  if (state_.NsinMode) settings_.EVERYINPUT = state_.NsinSavedEveryInput;
  const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized |
                                         Qt::WindowFullScreen));
  const QRect place = normal ? QRect(pos(), size()) : normalGeometry();
  if (place.isValid()) {
    settings_.MAINTOP = place.top();
    settings_.MAINLEFT = place.left();
    settings_.MAINHEIGHT = place.height();
    settings_.MAINWIDTH = place.width();
  }
  if (inputForm_) {
    settings_.INPUTTOP = inputForm_->y();
    settings_.INPUTLEFT = inputForm_->x();
  }
  // The memo keeps its entries in the settings.
  toolWindows_->closeAll();
  SettingsSave(settings_, settingsFile_, sink_);
  if (inputForm_) inputForm_->hide();
  event->accept();
}

QAction* BunMainForm::action(std::string_view name) const {
  const auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

}  // namespace ravlo
