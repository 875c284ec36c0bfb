#include "app/qt/date_field.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace numora {
namespace {

bool isDateCharacter(const QString& text) {
  return text.size() == 1 && (text.front().isDigit() || text.front() == QLatin1Char('.'));
}

}  // namespace

DateField::DateField(QWidget* parent) : QDateEdit(parent), typed_(new QLineEdit(this)) {
  typed_->setObjectName(QStringLiteral("TypedDate"));
  typed_->setFrame(false);
  typed_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("\\d{0,2}(\\.\\d{0,2}(\\.\\d{0,4})?)?")), typed_));
  typed_->hide();
  // Enter and leaving the line both end the typing; the hidden line reports nothing more.
  connect(typed_, &QLineEdit::editingFinished, this, [this] { finishTyping(true); });
}

QDate DateField::readTypedDate(const QString& text) {
  static const QRegularExpression whole(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
  const auto match = whole.match(text.trimmed());
  if (!match.hasMatch()) return {};
  return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

void DateField::keyPressEvent(QKeyEvent* event) {
  if (typed_->isVisible()) {
    // Keys sent to the field itself while a date is typed belong to the typed line.
    if (event->key() == Qt::Key_Escape) {
      finishTyping(false);
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      finishTyping(true);
    } else {
      QApplication::sendEvent(typed_, event);
    }
    return;
  }
  if (isDateCharacter(event->text()) && !(event->modifiers() & ~Qt::KeypadModifier)) {
    startTyping();
    QApplication::sendEvent(typed_, event);
    return;
  }
  QDateEdit::keyPressEvent(event);
}

void DateField::startTyping() {
  typed_->setGeometry(lineEdit()->geometry());
  typed_->setFont(lineEdit()->font());
  typed_->clear();
  typed_->show();
  typed_->setFocus(Qt::OtherFocusReason);
}

void DateField::finishTyping(bool take) {
  if (!typed_->isVisible()) return;
  const QString text = typed_->text();
  typed_->hide();
  if (hasFocus() || typed_->hasFocus()) setFocus(Qt::OtherFocusReason);
  if (!take || text.isEmpty()) return;
  const QDate date = readTypedDate(text);
  if (!date.isValid()) {
    emit typedTextRefused(text);
    return;
  }
  if (date < minimumDate()) {
    setDate(minimumDate());
    emit typedDateBelowLimit();
    return;
  }
  setDate(date);
}

}  // namespace numora
