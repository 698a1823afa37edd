#pragma once
// Keeps the stay-on-top input panel under every message box and modal dialog. A window
// manager keeps a stay-on-top window above all normal ones, dialogs included, so the panel
// would hide their buttons; while any modal window is shown the panel is an ordinary window,
// and the dialog, mapped after it, stands above it.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace ravlo {

class PanelUnderModals final : public QObject {
  Q_OBJECT

 public:
  // Watches every window of the application for as long as it lives.
  explicit PanelUnderModals(QWidget* panel);
  ~PanelUnderModals() override;

  // Whether the panel is kept out of the stay-on-top layer now.
  bool lowered() const { return lowered_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void update();

  QPointer<QWidget> panel_;
  std::vector<QPointer<QWidget>> modals_;
  bool lowered_ = false;
};

}  // namespace ravlo
