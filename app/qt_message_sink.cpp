#include "app/qt_message_sink.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QTranslator>

#include "app/model/calc_settings.h"
#include "app/splash_msg_form.h"

namespace ravlo {
namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QMessageBox::StandardButtons standardButtons(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::Ok: return QMessageBox::Ok;
    case BoxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case BoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case BoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None: return QMessageBox::NoIcon;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Error: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

BoxAnswer answerOf(int button, BoxButtons buttons) {
  switch (button) {
    case QMessageBox::Ok: return BoxAnswer::Ok;
    case QMessageBox::Cancel: return BoxAnswer::Cancel;
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: break;
  }
  // Closed by the window's close button or Escape: the safe way out.
  switch (buttons) {
    case BoxButtons::Ok: return BoxAnswer::Ok;
    case BoxButtons::YesNo: return BoxAnswer::No;
    case BoxButtons::OkCancel:
    case BoxButtons::YesNoCancel: return BoxAnswer::Cancel;
  }
  return BoxAnswer::Cancel;
}

}  // namespace

bool installJapaneseTranslations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QApplication::installTranslator(translator);
  return true;
}

QtMessageSink::QtMessageSink(QObject* parent) : QObject(parent) {}

QtMessageSink::~QtMessageSink() { finishWork(); }

void QtMessageSink::setWindow(QWidget* window, const CalcSettings* settings) {
  window_ = window;
  settings_ = settings;
}

BoxAnswer QtMessageSink::box(std::string_view caption, std::string_view text, BoxButtons buttons,
                             BoxIcon icon) {
  if (recording_) return recording_->box(caption, text, buttons, icon);
  const bool wasWatching = watching_;
  finishWork();  // the box needs the keyboard and the mouse
  // Over the window in use: a box from a tool window that stays on top is not hidden under it.
  QWidget* active = QApplication::activeWindow();
  QMessageBox mb(boxIcon(icon), toQString(caption), toQString(text), standardButtons(buttons),
                 active ? active : window_.data());
  mb.setAccessibleName(toQString(caption));
  const int result = mb.exec();
  if (wasWatching) interruptRequested();
  return answerOf(result, buttons);
}

void QtMessageSink::status(std::string_view text) {
  if (recording_) recording_->status(text);
  if (statusBar_) statusBar_->showMessage(toQString(text));
}

void QtMessageSink::smallMessage(std::string_view text, std::string_view caption,
                                 int displayMs) {
  if (recording_) {
    recording_->smallMessage(text, caption, displayMs);
    return;
  }
  const bool wasWatching = watching_;
  finishWork();
  const std::string fontName = settings_ ? settings_->FONTNAME : std::string(kDefaultFontName);
  SplMsgShow(text, caption, displayMs, window_, fontName, *this);
  if (wasWatching) interruptRequested();
}

void QtMessageSink::beep() {
  if (recording_) recording_->beep();
  QApplication::beep();
}

bool QtMessageSink::interruptRequested() {
  if (recording_) return recording_->interruptRequested();
  if (!watching_) {
    qApp->installEventFilter(this);
    watching_ = true;
    interrupt_ = false;
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return interrupt_;
}

void QtMessageSink::finishWork() {
  if (!watching_) return;
  qApp->removeEventFilter(this);
  watching_ = false;
  interrupt_ = false;
}

std::string QtMessageSink::statusText() const {
  return statusBar_ ? statusBar_->currentMessage().toStdString() : std::string();
}

bool QtMessageSink::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) interrupt_ = true;
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      interrupt_ = true;
      return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::Close:
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace ravlo
