#include "app/qt/hint_panel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace numora {
namespace {
constexpr int kTextMargin = 3;
}

HintPanel::HintPanel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
}

QSize HintPanel::sizeHint() const {
  return minimumSizeHint();
}

QSize HintPanel::minimumSizeHint() const {
  return {2 * (frameWidth() + kTextMargin), QLabel::minimumSizeHint().height()};
}

QString HintPanel::shownText() const {
  const int width = contentsRect().width() - 2 * kTextMargin;
  return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(width, 0));
}

void HintPanel::paintEvent(QPaintEvent* event) {
  // The frame only: the panel draws its own shortened text instead of the label's.
  QFrame::paintEvent(event);  // NOLINT(bugprone-parent-virtual-call)
  QPainter painter(this);
  const QRect area = contentsRect().adjusted(kTextMargin, 0, -kTextMargin, 0);
  style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                        shownText(), foregroundRole());
}

bool HintPanel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QLabel::event(event);
  if (shownText() != text()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
  } else if (!toolTip().isEmpty()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toolTip(), this);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

}  // namespace numora
