#include "flow/HallOfFameFile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string>
#include <string_view>

namespace quorim {

namespace {

// Reads at most one byte more than a table, so that a huge file is not read whole just to be
// refused.
std::optional<HallOfFame> ReadTable(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(kHallBlockSize + 1);
  return HallOfFame::FromBytes(std::string_view(bytes.constData(), bytes.size()));
}

QString FreeBackupPath(const QString& path) {
  QString backup = path + QStringLiteral(".bad");
  for (int n = 2; QFileInfo::exists(backup); ++n) backup = path + QStringLiteral(".bad%1").arg(n);
  return backup;
}

}  // namespace

HallOfFame ReadHallOfFame(const QString& path) {
  return ReadTable(path).value_or(HallOfFame{});
}

bool WriteHallOfFame(const QString& path, const HallOfFame& hall) {
  const QFileInfo existing(path);
  if (existing.exists() && existing.isFile() && !ReadTable(path)) {
    // A damaged table may still be worth recovering by hand: never write over it.
    if (!QFile::copy(path, FreeBackupPath(path))) return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string block = hall.ToBytes();
  file.write(block.data(), static_cast<qint64>(block.size()));
  return file.commit();
}

}  // namespace quorim
