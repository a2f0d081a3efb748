#include "persistence/KeyedText.h"

#include "media/CodePages.h"

#include <algorithm>
#include <utility>

namespace quorim {

namespace {

constexpr long long kSaturatedNumber = 1'000'000'000;

}  // namespace

std::optional<long long> DecimalNumber(std::string_view text) {
  const auto isSpace = [](char ch) { return ch == ' ' || ch == '\t'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long number = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    number = std::min(number * 10 + (ch - '0'), kSaturatedNumber);
  }
  return negative ? -number : number;
}

KeyedTextReader::KeyedTextReader(QStringList lines, int codePage)
    : lines_(std::move(lines)), codePage_(codePage) {
  for (QString& line : lines_) {
    if (line.startsWith(u'\r')) line.remove(0, 1);
    if (line.endsWith(u'\r')) line.chop(1);
  }
}

std::optional<QString> KeyedTextReader::Find(QStringView key) const {
  for (const QString& line : lines_) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals >= 0 && QStringView(line).left(equals).compare(key, Qt::CaseInsensitive) == 0)
      return line.mid(equals + 1);
  }
  return std::nullopt;
}

std::string KeyedTextReader::GameText(QStringView key) const {
  return ToGameText(Text(key), codePage_);
}

std::optional<long long> KeyedTextReader::Number(QStringView key) const {
  return DecimalNumber(Text(key).toStdString());
}

void KeyedTextWriter::Header(QStringView name) {
  lines_.append((lines_.isEmpty() ? QString() : QStringLiteral("\r")) + u'[' + name.toString() +
                u']');
}

void KeyedTextWriter::GameText(QStringView key, std::string_view value) {
  Text(key, FromGameText(value, codePage_));
}

QString Numbered(QStringView key, int n) {
  return key.toString() + QString::number(n);
}

}  // namespace quorim
