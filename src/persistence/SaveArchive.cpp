#include "persistence/SaveArchive.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>

namespace quorim {

namespace {

constexpr char kArchiver[] = "7zz";
constexpr char kEntryName[] = "$$$.tmp";
constexpr char kPassword[] = "PAPERLANTERN";
// A save is a few kilobytes and 7-Zip answers in milliseconds: the limits only stop a broken or
// hostile archive from hanging the game or filling the memory.
constexpr int kArchiverMilliseconds = 15000;
constexpr qint64 kMaxTextBytes = 8 * 1024 * 1024;

QString ArchiverPath() {
  return QStandardPaths::findExecutable(QString::fromLatin1(kArchiver));
}

QString PasswordSwitch() {
  return QStringLiteral("-p") + QString::fromLatin1(kPassword);
}

// Starts 7-Zip with the arguments (never through a shell); false when it cannot be started.
bool StartArchiver(QProcess& process, const QStringList& arguments) {
  const QString program = ArchiverPath();
  if (program.isEmpty()) return false;
  process.setProgram(program);
  process.setArguments(arguments);
  process.start();
  return process.waitForStarted();
}

bool FinishedWell(QProcess& process, const QDeadlineTimer& deadline) {
  // waiting for a process that has already finished reports failure
  if (process.state() != QProcess::NotRunning &&
      !process.waitForFinished(static_cast<int>(deadline.remainingTime()))) {
    process.kill();
    process.waitForFinished();
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

std::optional<QString> MissingArchiverMessage() {
  if (!ArchiverPath().isEmpty()) return std::nullopt;
  return QStringLiteral(
      "Could not run the archive program 7zz\r\n"
      "Perhaps 7zz is not installed (Debian package 7zip)");
}

bool PackSavedText(const QString& path, const QByteArray& text) {
  const QString fresh = path + QStringLiteral(".new");
  // 7-Zip adds to an archive that is already there: a remnant of a failed save must go first.
  QFile::remove(fresh);
  QProcess process;
  const QStringList arguments{QStringLiteral("a"),
                              QStringLiteral("-t7z"),
                              QStringLiteral("-m0=LZMA"),
                              QStringLiteral("-mx=7"),
                              QStringLiteral("-ms=off"),
                              QStringLiteral("-mhe=off"),
                              PasswordSwitch(),
                              QStringLiteral("-si") + QString::fromLatin1(kEntryName),
                              QStringLiteral("-bd"),
                              QStringLiteral("-bso0"),
                              QStringLiteral("-bsp0"),
                              QStringLiteral("--"),
                              fresh};
  const QDeadlineTimer deadline(kArchiverMilliseconds);
  if (!StartArchiver(process, arguments)) return false;
  process.write(text);
  process.closeWriteChannel();
  if (!FinishedWell(process, deadline) || !QFileInfo(fresh).isFile()) {
    QFile::remove(fresh);
    return false;
  }
  // rename() replaces the old save in one step; there is no moment without a save
  if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) != 0) {
    QFile::remove(fresh);
    return false;
  }
  return true;
}

bool LooksLikeArchive(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.read(2) == "7z";
}

std::optional<QByteArray> UnpackSavedText(const QString& path) {
  if (!QFileInfo(path).isFile() || !LooksLikeArchive(path)) return std::nullopt;
  QProcess process;
  // The entry comes on standard output: nothing is written beside the saves, and an entry that
  // is a link or a folder in a manipulated archive cannot reach anything.
  const QStringList arguments{QStringLiteral("e"),
                              QStringLiteral("-so"),
                              PasswordSwitch(),
                              QStringLiteral("-bd"),
                              QStringLiteral("--"),
                              path,
                              QString::fromLatin1(kEntryName)};
  process.setStandardErrorFile(QProcess::nullDevice());
  const QDeadlineTimer deadline(kArchiverMilliseconds);
  if (!StartArchiver(process, arguments)) return std::nullopt;
  process.closeWriteChannel();
  QByteArray text;
  while (!deadline.hasExpired()) {
    if (process.bytesAvailable() == 0 &&
        !process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
      break;
    text += process.readAll();
    if (text.size() > kMaxTextBytes) break;
  }
  if (text.size() > kMaxTextBytes) {
    process.kill();
    process.waitForFinished();
    return std::nullopt;
  }
  if (!FinishedWell(process, deadline)) return std::nullopt;
  text += process.readAll();
  if (text.isEmpty() || text.size() > kMaxTextBytes) return std::nullopt;
  return text;
}

}  // namespace quorim
