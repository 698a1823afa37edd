#pragma once
// A main window on a scratch settings file, its boxes and small messages recorded.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "app/bun_main_form.h"
#include "app/calc_screen.h"
#include "app/input_form.h"
#include "app/side_panel.h"
#include "core/cp932.h"
#include "core/message_sink.h"

namespace ravlo::test {

inline void writeFile(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Settings text (UTF-8) as the program stores it: code page 932, CR LF.
inline std::string settingsBytes(std::string_view utf8) {
  std::string crlf;
  for (char c : utf8) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return utf8ToCp932(crlf).text;
}

// Runs `action`, which may open a modal dialog. While the dialog is open `inside` runs with it;
// then the dialog is closed if it still is. Returns the dialog's object name, "" when no
// dialog opened.
inline std::string whileModal(const std::function<void()>& action,
                              const std::function<void(QWidget&)>& inside = {}) {
  std::string seen;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    seen = dialog->objectName().toStdString();
    if (inside) inside(*dialog);
    if (QApplication::activeModalWidget() == dialog) dialog->close();
  });
  action();
  // Without a dialog the timer has not run yet.
  QCoreApplication::processEvents();
  return seen;
}

class Window {
 public:
  // iniUtf8 empty: no settings file (a first run).
  // voice: where speech goes (null: the program's own espeak-ng voice).
  explicit Window(std::string_view iniUtf8 = {}, bool show = true, Voice* voice = nullptr) {
    folder_ = std::filesystem::path(dir_.path().toStdString());
    ini_ = folder_ / "RavloRS02.ini";
    if (!iniUtf8.empty()) writeFile(ini_, settingsBytes(iniUtf8));
    // The user guide only where a test puts it.
    form_ = std::make_unique<BunMainForm>(
        BunMainForm::Options{ini_, folder_, &rec_, voice, {folder_ / "help"}});
    if (show) {
      form_->show();
      form_->inputForm()->show();
      form_->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
      form_->screen()->setFocus();
    }
  }
  ~Window() {
    if (form_) form_->close();
  }

  BunMainForm& form() { return *form_; }
  CalcState& state() { return form_->state(); }
  CalcSettings& settings() { return form_->settings(); }
  RecordingSink& rec() { return rec_; }
  const std::filesystem::path& ini() const { return ini_; }
  const std::filesystem::path& folder() const { return folder_; }
  std::string status() const { return form_->statusBar()->currentMessage().toStdString(); }

  void click(std::string_view button) {
    QAbstractButton* b = form_->inputForm()->button(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(form_->screen(), k, mods);
  }
  // Printable text typed on the calculation screen, one key per character.
  void type(std::string_view text) {
    for (char c : text) {
      QTest::keyClick(form_->screen(), c);
    }
  }
  // Closes the window the way the user does; false when it stayed open.
  bool closeWindow() { return form_->close(); }

 private:
  QTemporaryDir dir_;
  std::filesystem::path folder_;
  std::filesystem::path ini_;
  RecordingSink rec_;
  std::unique_ptr<BunMainForm> form_;
};

}  // namespace ravlo::test
