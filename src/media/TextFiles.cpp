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

bool LoadTextFile(const QString& path, TextLines& lines, int languageCodePage) {
  QByteArray bytes;
  if (!ReadWhole(path, bytes)) return false;
  // Only a real mark is skipped: a file saved without one keeps its first letters.
  if (bytes.startsWith(kUtf8Mark)) bytes.remove(0, 3);
  lines.clear();
  for (const QString& line : SplitLines(QString::fromUtf8(bytes))) {
    lines.push_back(ToGameText(line, languageCodePage));
  }
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

bool SaveTextFile(const QString& path, const TextLines& lines, int languageCodePage) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QByteArray bytes;
  if (!lines.empty()) bytes.append(kUtf8Mark);
  for (const std::string& line : lines) {
    bytes.append(FromGameText(line, languageCodePage).toUtf8());
    bytes.append("\r\n");
  }
  file.write(bytes);
  return file.commit();
}

}  // namespace quorim
