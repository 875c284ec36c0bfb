// The designed geometry of the tab pages' widgets. Widgets sit at fixed positions as on the
// original form; when the window's height changes, every position, size and font is scaled by
// the same factor from its designed value, so repeated resizing does not accumulate rounding.
#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace numora {

class DesignLayout {
 public:
  // The widget whose font all placed widgets inherit (the page control).
  void setRoot(QWidget* root, const QFont& font);
  // Places a widget at its designed rectangle (relative to its parent).
  void place(QWidget* widget, const QRect& rect);
  // Gives a widget a font of its own (bold, larger); its pixel size scales too.
  void setFont(QWidget* widget, const QFont& font);

  // Gives a widget that a layout places a fixed height; the height scales too.
  void fixHeight(QWidget* widget, int height);

  // Scales by a factor relative to the current size (new height / old height).
  void scaleBy(double factor);
  double scale() const { return scale_; }

 private:
  void apply();

  struct Placed {
    QPointer<QWidget> widget;
    QRect rect;
  };
  struct OwnFont {
    QPointer<QWidget> widget;
    QFont font;
  };
  struct OwnHeight {
    QPointer<QWidget> widget;
    int height;
  };
  QPointer<QWidget> root_;
  QFont rootFont_;
  std::vector<Placed> placed_;
  std::vector<OwnFont> fonts_;
  std::vector<OwnHeight> heights_;
  double scale_ = 1.0;
};

}  // namespace numora
