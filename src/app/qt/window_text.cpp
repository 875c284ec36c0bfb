#include "app/qt/window_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

#include "app/qt/view_translation.h"

namespace numora {
namespace {

// A marked pattern with text parts and the expression that recognizes a text made from it.
struct TextPattern {
  QString source;
  QString prefix;       // the literal text before its first placeholder, a quick first test
  QString suffix;       // and after its last
  QStringList between;  // the literal texts between placeholders, in order
  QRegularExpression match;
  std::vector<int> order;  // the placeholder number of each captured group
};

const QRegularExpression& placeholder() {
  static const QRegularExpression pattern(QStringLiteral("%(\\d+)"));
  return pattern;
}

TextPattern compile(const QString& source) {
  TextPattern pattern{source, {}, {}, {}, {}, {}};
  QString expression = QStringLiteral("^");
  qsizetype last = 0;
  auto matches = placeholder().globalMatch(source);
  while (matches.hasNext()) {
    const auto found = matches.next();
    const QString literal = source.mid(last, found.capturedStart() - last);
    if (pattern.order.empty()) {
      pattern.prefix = literal;
    } else if (!literal.isEmpty()) {
      pattern.between << literal;
    }
    expression += QRegularExpression::escape(literal);
    const int number = found.captured(1).toInt();
    const auto earlier = std::find(pattern.order.begin(), pattern.order.end(), number);
    if (earlier == pattern.order.end()) {
      expression += QStringLiteral("(.*?)");
      pattern.order.push_back(number);
    } else {
      // The same part twice: the second time it must repeat the first.
      expression += QStringLiteral("\\%1").arg(earlier - pattern.order.begin() + 1);
    }
    last = found.capturedEnd();
  }
  pattern.suffix = source.mid(last);
  expression += QRegularExpression::escape(pattern.suffix) + QStringLiteral("\\z");
  pattern.match = QRegularExpression(expression);
  return pattern;
}

// Every marked pattern of the model, as the translators' file lists them (it is built into the
// program). The longest first: a pattern that says more is the better match.
std::vector<TextPattern> readPatterns() {
  std::vector<TextPattern> patterns;
  QFile file(QStringLiteral(":/translations/numora_fr.ts"));
  if (!file.open(QIODevice::ReadOnly)) return patterns;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("source")) {
      const QString source = xml.readElementText();
      if (context == QLatin1String(kModelTextContext) && placeholder().match(source).hasMatch())
        patterns.push_back(compile(source));
    }
  }
  const auto literalSize = [](const TextPattern& pattern) {
    qsizetype size = pattern.prefix.size() + pattern.suffix.size();
    for (const QString& literal : pattern.between) size += literal.size();
    return size;
  };
  std::stable_sort(patterns.begin(), patterns.end(),
                   [&](const auto& a, const auto& b) { return literalSize(a) > literalSize(b); });
  return patterns;
}

const std::vector<TextPattern>& patterns() {
  static const std::vector<TextPattern> all = readPatterns();
  return all;
}

QString translatePattern(const QString& source) {
  const QByteArray key = source.toUtf8();
  return QCoreApplication::translate(kModelTextContext, key.constData());
}

QString shown(const QString& text, int depth);

// Whether the text holds the pattern's literal parts in their order: most texts fail this
// cheap test, and the expression runs only for the few that pass.
bool mayMatch(const TextPattern& pattern, const QString& text) {
  if (!text.startsWith(pattern.prefix) || !text.endsWith(pattern.suffix)) return false;
  qsizetype from = pattern.prefix.size();
  for (const QString& literal : pattern.between) {
    from = text.indexOf(literal, from);
    if (from < 0) return false;
    from += literal.size();
  }
  return true;
}

// The translation of a text made from one of the patterns; the text itself when none fits or
// the pattern has no translation.
QString byPattern(const QString& text, int depth) {
  for (const TextPattern& pattern : patterns()) {
    if (!mayMatch(pattern, text)) continue;
    const auto found = pattern.match.match(text);
    if (!found.hasMatch()) continue;
    const QString translated = translatePattern(pattern.source);
    if (translated == pattern.source) return text;
    QHash<int, QString> parts;
    for (std::size_t i = 0; i < pattern.order.size(); ++i)
      parts.insert(pattern.order[i], shown(found.captured(static_cast<int>(i) + 1), depth + 1));
    QString result;
    qsizetype last = 0;
    auto matches = placeholder().globalMatch(translated);
    while (matches.hasNext()) {
      const auto slot = matches.next();
      result += translated.mid(last, slot.capturedStart() - last);
      result += parts.value(slot.captured(1).toInt(), slot.captured());
      last = slot.capturedEnd();
    }
    return result + translated.mid(last);
  }
  return text;
}

QString shown(const QString& text, int depth) {
  const QString whole = viewText(text.toStdString());
  if (whole != text) return whole;
  // A part of a part of a part is a file name or a quoted line, never a text of the model.
  if (depth > 3) return text;
  if (!text.contains(QLatin1Char('\n'))) return byPattern(text, depth);
  // A text of several lines (an import's rejected lines, an explanation) is translated a line
  // at a time: a pattern stands for one line.
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    if (!line.trimmed().isEmpty()) line = shown(line, depth);
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString windowText(const std::string& text) {
  const QString source = QString::fromStdString(text);
  return source.trimmed().isEmpty() ? source : shown(source, 0);
}

QString windowText(const PatternText& text) {
  return text.hasValues() ? viewText(text) : windowText(text.written());
}

}  // namespace numora
