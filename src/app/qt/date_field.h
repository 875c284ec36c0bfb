// A date field whose typed dates are read whole. Qt's date edit takes typed digits section by
// section, jumps to the next section after two digits and then swallows the typed separator, so
// "15.03.2024" came out as another date. Here the first typed character opens a plain text line
// over the field; Enter or leaving the field reads the whole text as dd.mm.yyyy, Escape drops it.
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

  // A date typed as d.m.yyyy (one or two digits for day and month); no date otherwise.
  static QDate readTypedDate(const QString& text);

 signals:
  // The typed text is no date; the field keeps its date.
  void typedTextRefused(const QString& text);
  // The typed date lies below the field's lower limit; the field shows its limit instead.
  void typedDateBelowLimit();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void startTyping();
  void finishTyping(bool take);

  QLineEdit* typed_;
};

}  // namespace numora
