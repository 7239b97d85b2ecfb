#include "file_filter.h"

#include <QRegularExpression>

namespace deadhold::ui {

namespace {

QString qtPatterns(const QString& patterns) {
  QStringList result;
  for (const QString& pattern : patterns.split(';', Qt::SkipEmptyParts)) {
    const QString trimmed = pattern.trimmed();
    result << (trimmed == "*.*" ? QString("*") : trimmed);
  }
  return result.join(' ');
}

}  // namespace

QStringList qtNameFilters(std::string_view filter) {
  const QStringList parts =
      QString::fromLatin1(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
  QStringList filters;
  // Pairs until the empty description that the closing "||" leaves.
  for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
    QString description = parts[i];
    const QString patterns = qtPatterns(parts[i + 1]);
    static const QRegularExpression trailingList(R"(\s*\([^()]*\)\s*$)");
    description.remove(trailingList);
    filters << QString("%1 (%2)").arg(description, patterns);
  }
  return filters;
}

}  // namespace deadhold::ui
