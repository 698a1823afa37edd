#pragma once
// The small message window (お知らせボックス): a few lines or one built-up expression, shown
// modally for a given time or until it is clicked or Escape is pressed.
#include <QDialog>
#include <QTimer>
#include <string>
#include <string_view>

#include "app/splash_markup.h"
#include "core/message_sink.h"
#include "render/expr_renderer.h"

namespace ravlo {

class SplashMsgForm final : public QDialog {
  Q_OBJECT

 public:
  // checkSink hears the input checker when an "@" expression is refused.
  SplashMsgForm(std::string_view text, std::string_view caption, int displayMs, QWidget* owner,
                std::string_view fontName, MessageSink& checkSink);

  const SplashLayout& splashLayout() const { return layout_; }
  int charW() const { return charW_; }
  int charH() const { return charH_; }
  // The first timer period (10 ms, or 1 ms for a refused expression), then the display time.
  int displayMs() const { return displayMs_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void onTimer();
  // What the text and the caption need, whatever the layout's cell count says.
  QSize sizeForContent(std::string_view caption);

  SplashLayout layout_;
  std::string fontName_;
  ExprRenderer renderer_;
  QTimer timer_;
  int displayMs_ = 0;
  int firings_ = 0;
  int charW_ = 0;
  int charH_ = 0;
};

// SplMsgShow: shows the message window modally and returns when it has closed.
void SplMsgShow(std::string_view text, std::string_view caption, int displayMs, QWidget* owner,
                std::string_view fontName, MessageSink& checkSink);

}  // namespace ravlo
