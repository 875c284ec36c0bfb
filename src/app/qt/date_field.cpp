#include "app/qt/date_field.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/qt/date_conversion.h"
#include "common/typed_date.h"

namespace numora {
namespace {

// The longest date text read ("2024-03-15", "15.03.2024") and a little room for typos, so the
// hint can quote what was typed.
constexpr int kMaxTypedLength = 16;

bool opensTyping(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() != 1 || (event.modifiers() & ~Qt::KeypadModifier)) return false;
  const QChar c = text.front();
  return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-');
}

}  // namespace

DateField::DateField(QWidget* parent) : QDateEdit(parent), typed_(new QLineEdit(this)) {
  typed_->setObjectName(QStringLiteral("TypedDate"));
  typed_->setFrame(false);
  typed_->setMaxLength(kMaxTypedLength);
  typed_->hide();
  // Enter and leaving the line both end the typing; the hidden line reports nothing more.
  connect(typed_, &QLineEdit::editingFinished, this, [this] { (void)finishTyping(true); });
}

bool DateField::takeTypedDate() {
  return finishTyping(true);
}

void DateField::keyPressEvent(QKeyEvent* event) {
  if (typed_->isVisible()) {
    if (event->key() == Qt::Key_Escape) {
      (void)finishTyping(false);
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      (void)finishTyping(true);
    } else if (!handingOver_) {
      // Keys sent to the field itself while a date is typed belong to the typed line; one that
      // comes back from it (a key the line does not take) is not handed over again.
      handingOver_ = true;
      QApplication::sendEvent(typed_, event);
      handingOver_ = false;
    }
    // A key the typed line did not take ends here.
    event->accept();
    return;
  }
  if (opensTyping(*event)) {
    startTyping();
    handingOver_ = true;
    QApplication::sendEvent(typed_, event);
    handingOver_ = false;
    event->accept();
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

bool DateField::finishTyping(bool take) {
  if (!typed_->isVisible()) return true;
  const QString text = typed_->text();
  typed_->hide();
  if (hasFocus() || typed_->hasFocus()) setFocus(Qt::OtherFocusReason);
  if (!take || text.isEmpty()) return true;
  const auto read = readTypedDate(text.toStdString());
  if (!read) {
    emit typedTextRefused(text);
    return false;
  }
  const QDate date = toQDate(*read);
  if (date < minimumDate()) {
    setDate(minimumDate());
    emit typedDateBelowLimit();
    return true;
  }
  setDate(date);
  emit typedDateTaken();
  return true;
}

}  // namespace numora
