#include "app/qt/design_layout.h"

#include <cmath>

namespace numora {
namespace {

int scaled(int value, double scale) {
  return static_cast<int>(std::lround(value * scale));
}

QFont scaledFont(QFont font, double scale) {
  if (font.pixelSize() > 0) font.setPixelSize(std::max(1, scaled(font.pixelSize(), scale)));
  return font;
}

}  // namespace

void DesignLayout::setRoot(QWidget* root, const QFont& font) {
  root_ = root;
  rootFont_ = font;
  root->setFont(scaledFont(font, scale_));
}

void DesignLayout::place(QWidget* widget, const QRect& rect) {
  placed_.push_back({widget, rect});
  widget->setGeometry(QRect(scaled(rect.x(), scale_), scaled(rect.y(), scale_),
                            scaled(rect.width(), scale_), scaled(rect.height(), scale_)));
}

void DesignLayout::setFont(QWidget* widget, const QFont& font) {
  fonts_.push_back({widget, font});
  widget->setFont(scaledFont(font, scale_));
}

void DesignLayout::fixHeight(QWidget* widget, int height) {
  heights_.push_back({widget, height});
  widget->setFixedHeight(scaled(height, scale_));
}

void DesignLayout::scaleBy(double factor) {
  if (!(factor > 0)) return;
  scale_ *= factor;
  apply();
}

void DesignLayout::apply() {
  if (root_) root_->setFont(scaledFont(rootFont_, scale_));
  for (const OwnFont& own : fonts_) {
    if (own.widget) own.widget->setFont(scaledFont(own.font, scale_));
  }
  for (const OwnHeight& own : heights_) {
    if (own.widget) own.widget->setFixedHeight(scaled(own.height, scale_));
  }
  for (const Placed& placed : placed_) {
    if (!placed.widget) continue;
    const QRect& r = placed.rect;
    placed.widget->setGeometry(QRect(scaled(r.x(), scale_), scaled(r.y(), scale_),
                                     scaled(r.width(), scale_), scaled(r.height(), scale_)));
  }
}

}  // namespace numora
