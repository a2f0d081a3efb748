#pragma once
// Why a data file was not taken: missing, or malformed at a line.

#include "media/InterfaceStrings.h"

#include <QString>
#include <QStringView>

namespace quorim {

struct DataFileError {
  enum class Kind { FileNotFound, Malformed };
  Kind kind;
  QString path;
  int line = 0;    // 1-based; 0 for the file as a whole
  QString detail;  // for developers; the message shown to the user names the file and line

  static DataFileError NotFound(const QString& path) {
    return {Kind::FileNotFound, path, 0, QStringLiteral("no such file")};
  }
  static DataFileError Malformed(const QString& path, int line, const QString& detail) {
    return {Kind::Malformed, path, line, detail};
  }
};

// The message of the interface language: the text of one of the two keys with "%s" replaced by
// path:line.
QString DataFileErrorMessage(const DataFileError& error, const InterfaceStrings& strings,
                             QStringView notFoundKey, QStringView malformedKey);

}  // namespace quorim
