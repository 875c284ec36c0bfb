#include "app/qt/file_filter.h"

#include <QStringList>

#include "app/qt/window_text.h"

namespace numora {

QString toQtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = windowText(parts[i].trimmed().toStdString());
    QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    // The form separates patterns with ';', Qt with blanks.
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns = patterns.simplified();
    if (patterns.isEmpty()) patterns = QStringLiteral("*");
    if (description.isEmpty() && patterns == QStringLiteral("*")) continue;
    entries << (description.isEmpty()
                    ? patterns
                    : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace numora
