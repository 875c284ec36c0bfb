#include "app/qt/view_translation.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRegularExpression>

namespace numora {
namespace {

QString translate(const QString& source) {
  const QByteArray key = source.toUtf8();
  return QCoreApplication::translate(kModelTextContext, key.constData());
}

// A number with its separators: "12", "05.05.2023", "1,234.50", "12:30".
const QRegularExpression& numberPattern() {
  static const QRegularExpression pattern(QStringLiteral("\\d+(?:[.,:/]\\d+)*"));
  return pattern;
}

const QRegularExpression& placeholderPattern() {
  static const QRegularExpression pattern(QStringLiteral("%(\\d+)"));
  return pattern;
}

// The translated pattern with its placeholders replaced by the numbers of the shown text; a
// placeholder without its number stays as it is.
QString fillIn(const QString& pattern, const QStringList& numbers) {
  QString result;
  qsizetype last = 0;
  auto matches = placeholderPattern().globalMatch(pattern);
  while (matches.hasNext()) {
    const auto match = matches.next();
    const qsizetype index = match.captured(1).toLongLong() - 1;
    result += pattern.mid(last, match.capturedStart() - last);
    result += index >= 0 && index < numbers.size() ? numbers[index] : match.captured();
    last = match.capturedEnd();
  }
  return result + pattern.mid(last);
}

}  // namespace

QString viewText(const std::string& text) {
  const QString source = QString::fromStdString(text);
  if (source.trimmed().isEmpty()) return source;
  const QString exact = translate(source);
  if (exact != source) return exact;

  QString pattern;
  QStringList numbers;
  qsizetype last = 0;
  auto matches = numberPattern().globalMatch(source);
  while (matches.hasNext()) {
    const auto match = matches.next();
    numbers << match.captured();
    pattern += source.mid(last, match.capturedStart() - last);
    pattern += QLatin1Char('%') + QString::number(numbers.size());
    last = match.capturedEnd();
  }
  if (numbers.isEmpty()) return source;
  pattern += source.mid(last);
  const QString translatedPattern = translate(pattern);
  return translatedPattern == pattern ? source : fillIn(translatedPattern, numbers);
}

NumberFormat localeNumberFormat(const QLocale& locale) {
  NumberFormat format;
  format.groupSeparator = locale.groupSeparator().toStdString();
  format.decimalPoint = locale.decimalPoint().toStdString();
  format.groupWholeAmounts = true;
  return format;
}

QString viewText(const PatternText& text) {
  if (!text.hasValues()) return viewText(text.written());
  const NumberFormat format = localeNumberFormat(QLocale());
  QStringList lines;
  for (const PatternText& line : text.lines()) {
    if (!line.hasValues()) {
      lines << viewText(line.written());
      continue;
    }
    std::vector<std::string> values = writtenValues(line, format);
    // A text among the values (a date, a name, "never") is itself looked up.
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (std::holds_alternative<std::string>(line.values()[i])) {
        values[i] = viewText(values[i]).toStdString();
      }
    }
    const QString pattern = translate(QString::fromStdString(line.pattern()));
    lines << QString::fromStdString(fillValues(pattern.toStdString(), values));
  }
  return lines.join(QLatin1Char('\n'));
}

QStringList viewTexts(const std::vector<std::string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const auto& text : texts) list << viewText(text);
  return list;
}

}  // namespace numora
