// A panel of the status bar. A text longer than the panel (a long hint in a narrow window) ends
// in "…" instead of being cut off, and the whole text shows as the panel's tooltip.
#pragma once

#include <QLabel>

namespace numora {

class HintPanel : public QLabel {
  Q_OBJECT

 public:
  explicit HintPanel(QWidget* parent = nullptr);

  // The text as the panel shows it at its current width.
  QString shownText() const;
  // Any width will do: the text is shortened to fit, so a long text never widens the window.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The tooltip holds the whole text while it is shortened, and nothing otherwise.
  bool event(QEvent* event) override;
};

}  // namespace numora
