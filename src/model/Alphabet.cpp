#include "model/Alphabet.h"

#include "media/TextFiles.h"

#include <QFile>
#include <QStringView>

#include <string_view>

namespace quorim {

int Alphabet::LetterIndex(char ch) const {
  if (ch == StarCode()) return AlphabetSize;
  for (int i = 0; i < AlphabetSize; ++i) {
    if (LetterCode[i] == static_cast<unsigned char>(ch)) return i;
  }
  return -1;
}

std::uint16_t Alphabet::AlphabetTotalQuantity() const {
  std::uint16_t total = 0;
  for (int i = 0; i <= AlphabetSize; ++i) total += LetterQuantity[i] & 0xFF;
  return total;
}

int Alphabet::ExpectedCopies(int index, int cells) const {
  const int total = AlphabetTotalQuantity();
  return total == 0 ? 0 : (LetterQuantity[index] & 0xFF) * cells / total;
}

QString AlphabetSource::TextPath() const {
  return dataDir.Resolve(DictionaryFile(dictionaryLang, u"alphabet.txt"));
}

QString AlphabetSource::DefaultPath() const {
  return dataDir.Resolve(DictionaryFile(dictionaryLang, u"alphabet.def"));
}

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A decimal number that fits the 8 bits the game reads of it.
std::optional<std::uint16_t> ParseNumber(std::string_view field) {
  field = Trimmed(field);
  if (field.empty() || field.size() > 3) return std::nullopt;
  int number = 0;
  for (char digit : field) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + (digit - '0');
  }
  if (number > 255) return std::nullopt;
  return static_cast<std::uint16_t>(number);
}

struct ParsedEntry {
  char letter;
  std::uint16_t value;
  std::uint16_t quantity;
};

// One line: the letter, any separator, the value up to a comma within the next ten characters,
// then the quantity ("А,1,8", "А 1,8", "А,12 , 3").
std::variant<ParsedEntry, QString> ParseLine(const std::string& line) {
  if (line.size() < 3) return QStringLiteral("the line is too short");
  const size_t comma = line.substr(2, 10).find(',');
  if (comma == std::string::npos) return QStringLiteral("no comma after the value");
  const auto value = ParseNumber(std::string_view(line).substr(2, comma));
  if (!value) return QStringLiteral("the value is not a number from 0 to 255");
  const auto quantity =
      ParseNumber(std::string_view(line).substr(std::min(line.size(), comma + 3), 10));
  if (!quantity) return QStringLiteral("the quantity is not a number from 0 to 255");
  return ParsedEntry{line[0], *value, *quantity};
}

// Reads and checks a whole alphabet file into a fresh alphabet.
std::variant<Alphabet, DataFileError> ReadAlphabetFile(const QString& path, int codePage) {
  TextLines lines;
  if (!LoadTextFile(path, lines, codePage)) {
    return DataFileError::NotFound(path);
  }
  // A blank line left at the end by an editor is no letter.
  while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
  const int count = static_cast<int>(lines.size());
  if (count < 2)
    return DataFileError::Malformed(path, 0, "fewer than two lines (a letter and the star)");
  if (count > Alphabet::kMaxLines)
    return DataFileError::Malformed(path, Alphabet::kMaxLines + 1, "more than 50 lines");

  Alphabet alphabet;
  alphabet.AlphabetSize = static_cast<std::uint8_t>(count - 1);
  alphabet.FirstLetterCode = static_cast<unsigned char>(lines[0][0]);
  if (alphabet.FirstLetterCode + alphabet.AlphabetSize > 0xFF) {
    return DataFileError::Malformed(path, 1, "the star would fall outside the code page");
  }
  for (int i = 0; i < count; ++i) {
    const auto parsed = ParseLine(lines[i]);
    if (const QString* detail = std::get_if<QString>(&parsed))
      return DataFileError::Malformed(path, i + 1, *detail);
    const ParsedEntry& entry = std::get<ParsedEntry>(parsed);
    alphabet.LetterCode[i] = i < count - 1 ? static_cast<unsigned char>(entry.letter)
                                           : alphabet.FirstLetterCode + alphabet.AlphabetSize;
    alphabet.LetterValue[i] = entry.value;
    alphabet.LetterQuantity[i] = entry.quantity;
  }
  for (int i = count; i < Alphabet::kEntries; ++i) {
    alphabet.LetterValue[i] = 0;
    alphabet.LetterQuantity[i] = 0;
  }
  // An empty bag could never be filled.
  if (alphabet.AlphabetTotalQuantity() == 0)
    return DataFileError::Malformed(path, 0, "every quantity is 0");
  return alphabet;
}

}  // namespace

std::optional<DataFileError> LoadAlphabet(Alphabet& alphabet, const AlphabetSource& source) {
  auto read = ReadAlphabetFile(source.TextPath(), source.languageCodePage);
  if (auto* error = std::get_if<DataFileError>(&read)) return *error;
  alphabet = std::get<Alphabet>(read);
  return std::nullopt;
}

bool SaveAlphabet(const Alphabet& alphabet, const AlphabetSource& source) {
  const QString text = source.TextPath();
  const QString factory = source.DefaultPath();
  if (!QFile::exists(factory) && QFile::exists(text) && !QFile::copy(text, factory)) return false;

  TextLines lines;
  for (int i = 0; i <= alphabet.AlphabetSize; ++i) {
    const std::string letter =
        i < alphabet.AlphabetSize ? std::string(1, static_cast<char>(alphabet.LetterCode[i])) : "*";
    lines.push_back(letter + ',' + std::to_string(alphabet.LetterValue[i]) + ',' +
                    std::to_string(alphabet.LetterQuantity[i]));
  }
  return SaveTextFile(text, lines, source.languageCodePage);
}

std::optional<DataFileError> RestoreDefaultAlphabet(Alphabet& alphabet,
                                                    const AlphabetSource& source) {
  auto read = ReadAlphabetFile(source.DefaultPath(), source.languageCodePage);
  if (auto* error = std::get_if<DataFileError>(&read)) return *error;
  const Alphabet& factory = std::get<Alphabet>(read);
  if (factory.AlphabetSize != alphabet.AlphabetSize) {
    return DataFileError::Malformed(source.DefaultPath(), 0, "it holds another number of letters");
  }
  alphabet = factory;
  return std::nullopt;
}

QString AlphabetErrorMessage(const DataFileError& error, const InterfaceStrings& strings) {
  return DataFileErrorMessage(error, strings, u"LoadMessageAlphabetFileNotFound",
                              u"LoadMessageAlphabetFileMalformed");
}

}  // namespace quorim
