#include "media/TextFiles.h"

#include "media/CodePages.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace quorim {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool ReadWhole(const QString& path, QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  bytes = file.readAll();
  return file.error() == QFileDevice::NoError;
}

}  // namespace

QStringList SplitLines(QStringView text) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.append(text.mid(start, i - start).toString());
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.mid(start).toString());
  return lines;
}

QStringList Utf8TextLines(QByteArray bytes) {
  // Only a real mark is skipped: a file saved without one keeps its first letters.
  if (bytes.startsWith(kUtf8Mark)) bytes.remove(0, 3);
  return SplitLines(QString::fromUtf8(bytes));
}

QByteArray Utf8TextBytes(const QStringList& lines) {
  QByteArray bytes;
  if (!lines.empty()) bytes.append(kUtf8Mark);
  for (const QString& line : lines) {
    bytes.append(line.toUtf8());
    bytes.append("\r\n");
  }
  return bytes;
}

bool LoadUtf8TextFile(const QString& path, QStringList& lines) {
  QByteArray bytes;
  if (!ReadWhole(path, bytes)) return false;
  lines = Utf8TextLines(std::move(bytes));
  return true;
}

bool LoadTextFile(const QString& path, TextLines& lines, int languageCodePage) {
  QStringList text;
  if (!LoadUtf8TextFile(path, text)) return false;
  lines.clear();
  lines.reserve(static_cast<std::size_t>(text.size()));
  for (const QString& line : text) lines.push_back(ToGameText(line, languageCodePage));
  return true;
}

bool LoadUnicodeTextFile(const QString& path, QStringList& lines) {
  QByteArray bytes;
  if (!ReadWhole(path, bytes)) return false;
  QString text;
  if (bytes.startsWith("\xFF\xFE")) {
    text = QStringDecoder(QStringConverter::Utf16LE).decode(bytes.sliced(2));
  } else if (bytes.startsWith("\xFE\xFF")) {
    text = QStringDecoder(QStringConverter::Utf16BE).decode(bytes.sliced(2));
  } else if (bytes.startsWith(kUtf8Mark)) {
    text = QString::fromUtf8(bytes.sliced(3));
  } else {
    text = DecodeCodePage(std::string_view(bytes.constData(), bytes.size()), kBaseCodePage);
  }
  lines = SplitLines(text);
  return true;
}

bool SaveUtf8TextFile(const QString& path, const QStringList& lines) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(Utf8TextBytes(lines));
  return file.commit();
}

bool SaveTextFile(const QString& path, const TextLines& lines, int languageCodePage) {
  QStringList text;
  text.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) text.append(FromGameText(line, languageCodePage));
  return SaveUtf8TextFile(path, text);
}

}  // namespace quorim
