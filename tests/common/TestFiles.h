#pragma once
// Small helpers for tests that build a data directory of their own.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>
#include <string_view>

namespace quorim::test {

// Writes bytes to root/relative, creating folders on the way.
inline void WriteFile(const QString& root, const QString& relative, const QByteArray& bytes) {
  const QString path = root + u'/' + relative;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// The lines as the game writes a data file: UTF-8 mark, CR LF after each line.
inline QByteArray GameFile(std::initializer_list<std::string_view> lines) {
  QByteArray bytes("\xEF\xBB\xBF");
  for (std::string_view line : lines) {
    bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append("\r\n");
  }
  return bytes;
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace quorim::test
