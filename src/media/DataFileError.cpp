#include "media/DataFileError.h"

namespace quorim {

QString DataFileErrorMessage(const DataFileError& error, const InterfaceStrings& strings,
                             QStringView notFoundKey, QStringView malformedKey) {
  const bool missing = error.kind == DataFileError::Kind::FileNotFound;
  QString text = strings.InterfaceText(missing ? notFoundKey : malformedKey);
  QString where = error.path;
  if (error.line > 0) where += u':' + QString::number(error.line);
  return text.contains(u"%s") ? text.replace(QStringLiteral("%s"), where) : text;
}

}  // namespace quorim
