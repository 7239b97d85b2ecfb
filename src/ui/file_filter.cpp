#include "file_filter.h"

#include "surface/record_text.h"

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
  const QStringList parts = fromRecordText(filter).split('|');
  QStringList filters;
  // Pairs until the empty description that the closing "||" leaves. The description is shown as
  // written ("All Files (*.*)"); the patterns Qt matches with follow it in a list of their own,
  // which the prompt keeps out of sight.
  for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2)
    filters << QString("%1 (%2)").arg(parts[i], qtPatterns(parts[i + 1]));
  return filters;
}

}  // namespace deadhold::ui
