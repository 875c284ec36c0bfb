// A date field whose typed dates are read whole. Qt's date edit takes typed digits section by
// section, jumps to the next section after two digits and then swallows the typed separator, so
// "15.03.2024" came out as another date. Here the first typed character opens a plain text line
// over the field; the whole text is read as a date (readTypedDate: "15.03.2024", "15032024",
// "15.3.24", "2024-03-15") when the field is left, on Enter, or when the window asks for it
// before a click on a button runs (takeTypedDate). Escape drops the text.
// A typed date below the lower limit is not bent into another date without a word: the field
// shows its limit and says so.
// The arrows, the mouse wheel and the calendar work as in any date edit.
#pragma once

#include <QDate>
#include <QDateEdit>
#include <QString>

class QLineEdit;

namespace numora {

class DateField : public QDateEdit {
  Q_OBJECT

 public:
  explicit DateField(QWidget* parent = nullptr);

  // Reads the text being typed, if any, as leaving the field would; false when it was no date.
  bool takeTypedDate();

 signals:
  // The typed text is no date; the field keeps its date.
  void typedTextRefused(const QString& text);
  // The typed date lies below the field's lower limit; the field shows its limit instead.
  void typedDateBelowLimit();
  // A typed date was taken.
  void typedDateTaken();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void startTyping();
  // False when typed text was refused as no date.
  bool finishTyping(bool take);

  QLineEdit* typed_;
  // Set while a key is handed to the typed line: a key the line does not take comes back to
  // this field as its parent, and must not be handed over again.
  bool handingOver_ = false;
};

}  // namespace numora
