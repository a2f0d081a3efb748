#pragma once
// The key=value texts of the settings files and saved games: keys are found wherever they stand,
// letters compared without regard to case; every section after the first begins with a carriage
// return, so that an editor shows a blank line before it.

#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace quorim {

// A decimal number with an optional sign, spaces around it allowed; nothing when it is none. A long
// run of digits saturates far beyond every field's range instead of overflowing.
std::optional<long long> DecimalNumber(std::string_view text);

class KeyedTextReader {
 public:
  // Game texts are converted with the code page given.
  KeyedTextReader(QStringList lines, int codePage);

  void SetCodePage(int codePage) { codePage_ = codePage; }
  const QStringList& Lines() const { return lines_; }

  // The value of the first line with the key; nothing without one.
  std::optional<QString> Find(QStringView key) const;
  QString Text(QStringView key) const { return Find(key).value_or(QString()); }
  std::string GameText(QStringView key) const;
  bool Bool(QStringView key) const { return Text(key) == u"1"; }
  std::optional<long long> Number(QStringView key) const;

  // A value that is no number keeps the field as it is.
  template <typename Field>
  void ReadNumber(QStringView key, Field& field, long long low, long long high) const {
    if (const auto number = Number(key)) field = static_cast<Field>(std::clamp(*number, low, high));
  }

 private:
  QStringList lines_;
  int codePage_;
};

class KeyedTextWriter {
 public:
  explicit KeyedTextWriter(int codePage) : codePage_(codePage) {}

  void Header(QStringView name);
  void Text(QStringView key, const QString& value) { lines_.append(key.toString() + u'=' + value); }
  // Converted back with the code page's letters, so that names round-trip.
  void GameText(QStringView key, std::string_view value);
  void Bool(QStringView key, bool value) {
    Text(key, value ? QStringLiteral("1") : QStringLiteral("0"));
  }
  void Number(QStringView key, long long value) { Text(key, QString::number(value)); }
  // A line that is no key=value pair (the lines of a move record).
  void Line(const QString& line) { lines_.append(line); }

  const QStringList& Lines() const { return lines_; }

 private:
  QStringList lines_;
  int codePage_;
};

// "Member3", "Player1", …
QString Numbered(QStringView key, int n);

}  // namespace quorim
