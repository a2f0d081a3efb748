#include "media/CodePages.h"

#include <unicode/ucnv.h>

#include <QList>

#include <array>
#include <map>
#include <memory>
#include <unordered_map>

namespace quorim {

namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// One open converter per code page and thread; opening one per line would dominate word-list
// loading.
UConverter* Converter(int codePage) {
  thread_local std::map<int, ConverterPtr> converters;
  auto found = converters.find(codePage);
  if (found != converters.end()) return found->second.get();

  UConverter* converter = nullptr;
  for (const std::string& name :
       {"windows-" + std::to_string(codePage), "cp" + std::to_string(codePage)}) {
    UErrorCode status = U_ZERO_ERROR;
    converter = ucnv_open(name.c_str(), &status);
    if (U_SUCCESS(status)) break;
    converter = nullptr;
  }
  if (converter != nullptr) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setSubstChars(converter, "?", 1, &status);
  } else if (codePage != kBaseCodePage) {
    return Converter(kBaseCodePage);  // an unknown code page reads as the base one
  }
  converters.emplace(codePage, ConverterPtr(converter));
  return converter;
}

// The capitals of the letter conversion table, each with the code page it belongs to.
struct TableLetter {
  char16_t capital;
  int codePage;
};
// clang-format off
constexpr std::array<TableLetter, 54> kConversionTable = {{
    {u'Ä', 1252}, {u'Ö', 1252}, {u'Ü', 1252}, {u'ß', 1252}, {u'Ñ', 1252}, {u'Å', 1252},
    {u'Â', 1252}, {u'Ç', 1252}, {u'È', 1252}, {u'Ê', 1252}, {u'Æ', 1252}, {u'Ë', 1252},
    {u'Î', 1252}, {u'Ï', 1252}, {u'Ô', 1252}, {u'Œ', 1252}, {u'Ù', 1252}, {u'Û', 1252},
    {u'Ÿ', 1252},
    {u'Á', 1250}, {u'Č', 1250}, {u'Ď', 1250}, {u'É', 1250}, {u'Ě', 1250}, {u'Í', 1250},
    {u'Ň', 1250}, {u'Ó', 1250}, {u'Ř', 1250}, {u'Š', 1250}, {u'Ť', 1250}, {u'Ú', 1250},
    {u'Ů', 1250}, {u'Ý', 1250}, {u'Ž', 1250}, {u'Ő', 1250}, {u'Ű', 1250}, {u'Ć', 1250},
    {u'Ł', 1250}, {u'Ń', 1250}, {u'Ś', 1250}, {u'Ż', 1250},
    {u'Ā', 1257}, {u'Ē', 1257}, {u'Ģ', 1257}, {u'Ī', 1257}, {u'Ķ', 1257}, {u'Ļ', 1257},
    {u'Ņ', 1257}, {u'Ū', 1257}, {u'Ą', 1257}, {u'Ę', 1257}, {u'Ė', 1257}, {u'Į', 1257},
    {u'Ų', 1257},
}};
// clang-format on

char EncodeOne(char32_t letter, int codePage) {
  const std::string bytes = EncodeCodePage(QString::fromUcs4(&letter, 1), codePage);
  return bytes.size() == 1 ? bytes[0] : '?';
}

// Every table letter, capital and lower case, with its byte in its capital's code page.
const std::unordered_map<char32_t, char>& TableLetterBytes() {
  thread_local const std::unordered_map<char32_t, char> bytes = [] {
    std::unordered_map<char32_t, char> map;
    for (const TableLetter& entry : kConversionTable) {
      for (char32_t letter : {char32_t(entry.capital), QChar::toLower(char32_t(entry.capital))}) {
        map.emplace(letter, EncodeOne(letter, entry.codePage));
      }
    }
    return map;
  }();
  return bytes;
}

// The base code page's byte of a character, remembered: word lists repeat a few dozen letters.
char BaseByte(char32_t letter) {
  thread_local std::unordered_map<char32_t, char> known;
  auto found = known.find(letter);
  if (found != known.end()) return found->second;
  return known.emplace(letter, EncodeOne(letter, kBaseCodePage)).first->second;
}

// For each byte of a code page, the table letter (capital or lower case) that it stands for.
using ByteLetters = std::array<char16_t, 256>;

const ByteLetters& TableLettersOf(int codePage) {
  thread_local std::map<int, ByteLetters> cache;
  auto found = cache.find(codePage);
  if (found != cache.end()) return found->second;
  ByteLetters letters{};
  for (const TableLetter& entry : kConversionTable) {
    if (entry.codePage != codePage) continue;
    for (char16_t letter : {entry.capital, QChar(entry.capital).toLower().unicode()}) {
      letters[static_cast<unsigned char>(EncodeOne(letter, codePage))] = letter;
    }
  }
  return cache.emplace(codePage, letters).first->second;
}

}  // namespace

std::string EncodeCodePage(QStringView text, int codePage) {
  if (text.isEmpty()) return {};
  UConverter* converter = Converter(codePage);
  std::string bytes(static_cast<size_t>(text.size()) * 2 + 8, '\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = ucnv_fromUChars(
      converter, bytes.data(), static_cast<int32_t>(bytes.size()),
      reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()), &status);
  bytes.resize(U_SUCCESS(status) ? static_cast<size_t>(length) : 0);
  return bytes;
}

QString DecodeCodePage(std::string_view bytes, int codePage) {
  if (bytes.empty()) return {};
  UConverter* converter = Converter(codePage);
  QString text(static_cast<qsizetype>(bytes.size()) * 2 + 8, Qt::Uninitialized);
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter, reinterpret_cast<UChar*>(text.data()),
                                       static_cast<int32_t>(text.size()), bytes.data(),
                                       static_cast<int32_t>(bytes.size()), &status);
  text.resize(U_SUCCESS(status) ? length : 0);
  return text;
}

std::string ToGameText(QStringView text, int languageCodePage) {
  if (!ConvertsLetters(languageCodePage)) return EncodeCodePage(text, kBaseCodePage);
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  const auto& tableBytes = TableLetterBytes();
  for (const char32_t letter : text.toUcs4()) {
    if (letter < 0x80) {
      bytes += static_cast<char>(letter);
    } else if (auto table = tableBytes.find(letter); table != tableBytes.end()) {
      bytes += table->second;
    } else {
      bytes += BaseByte(letter);
    }
  }
  return bytes;
}

QString FromGameText(std::string_view bytes, int languageCodePage) {
  if (!ConvertsLetters(languageCodePage)) return DecodeCodePage(bytes, kBaseCodePage);
  const ByteLetters& letters = TableLettersOf(languageCodePage);
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  size_t runStart = 0;  // bytes outside the table are decoded in runs, not one by one
  for (size_t i = 0; i <= bytes.size(); ++i) {
    const char16_t letter = i < bytes.size() ? letters[static_cast<unsigned char>(bytes[i])] : 0;
    if (letter == 0 && i < bytes.size()) continue;
    text += DecodeCodePage(bytes.substr(runStart, i - runStart), kBaseCodePage);
    if (letter != 0) text += QChar(letter);
    runStart = i + 1;
  }
  return text;
}

}  // namespace quorim
