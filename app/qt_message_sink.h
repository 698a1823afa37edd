#pragma once
// The program's messages on screen: boxes as QMessageBox, status texts in the main window's
// status bar, the small message window, the beep, and the interrupt poll of long work.
#include <QObject>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>
#include <string>

#include "core/message_sink.h"

class QApplication;

namespace ravlo {

struct CalcSettings;

// Loads Qt's Japanese translations so that standard buttons read OK / キャンセル / はい /
// いいえ. Returns false when they are not installed (the buttons stay in English).
bool installJapaneseTranslations(QApplication& app);

class QtMessageSink final : public QObject, public MessageSink {
  Q_OBJECT

 public:
  explicit QtMessageSink(QObject* parent = nullptr);
  ~QtMessageSink() override;

  void setStatusBar(QStatusBar* bar) { statusBar_ = bar; }
  // Boxes and small messages open over this window; the small message window takes its
  // font name from the settings and stands 160 pixels right of and below the window.
  void setWindow(QWidget* window, const CalcSettings* settings);

  // While set, boxes and small messages are kept in the recording (which answers the boxes)
  // instead of being shown; status texts and beeps are kept there too and still shown.
  void setRecording(RecordingSink* recording) { recording_ = recording; }

  BoxAnswer box(std::string_view caption, std::string_view text, BoxButtons buttons,
                BoxIcon icon) override;
  void status(std::string_view text) override;
  void smallMessage(std::string_view text, std::string_view caption, int displayMs) override;
  void beep() override;
  // Looks at the events waiting: an Escape press or a mouse-button press asks to stop. Input
  // that arrives while long work runs is swallowed, never dispatched into the middle of it.
  bool interruptRequested() override;
  // The long work is over: input reaches the windows again.
  void finishWork();

  std::string statusText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QStatusBar> statusBar_;
  QPointer<QWidget> window_;
  const CalcSettings* settings_ = nullptr;
  RecordingSink* recording_ = nullptr;
  bool watching_ = false;
  bool interrupt_ = false;
};

}  // namespace ravlo
