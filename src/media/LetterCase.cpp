#include "media/LetterCase.h"

#include "media/CodePages.h"

#include <unicode/uchar.h>

#include <QString>

#include <map>
#include <memory>

namespace quorim {

namespace {

// The byte of a character in game text, or the original byte when the character has no byte of
// its own there (a capital the code page lacks keeps its small letter).
unsigned char MappedByte(unsigned char byte, char32_t mapped, int languageCodePage) {
  const std::string bytes = ToGameText(QString::fromUcs4(&mapped, 1), languageCodePage);
  if (bytes.size() != 1) return byte;
  const QString back = FromGameText(bytes, languageCodePage);
  return back.size() == 1 && back.at(0).unicode() == mapped ? static_cast<unsigned char>(bytes[0])
                                                            : byte;
}

}  // namespace

LetterCase::LetterCase(int languageCodePage) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<unsigned char>(byte);
    upper_[b] = lower_[b] = b;
    if (byte < 0x80) {
      upper_[b] = static_cast<unsigned char>(u_toupper(byte));
      lower_[b] = static_cast<unsigned char>(u_tolower(byte));
      continue;
    }
    const QString text = FromGameText(std::string(1, static_cast<char>(b)), languageCodePage);
    if (text.size() != 1) continue;
    const char32_t ch = text.at(0).unicode();
    upper_[b] =
        MappedByte(b, static_cast<char32_t>(u_toupper(static_cast<UChar32>(ch))), languageCodePage);
    lower_[b] =
        MappedByte(b, static_cast<char32_t>(u_tolower(static_cast<UChar32>(ch))), languageCodePage);
  }
}

const LetterCase& LetterCase::For(int languageCodePage) {
  static std::map<int, std::unique_ptr<LetterCase>> tables;
  auto found = tables.find(languageCodePage);
  if (found == tables.end()) {
    found = tables
                .emplace(languageCodePage,
                         std::unique_ptr<LetterCase>(new LetterCase(languageCodePage)))
                .first;
  }
  return *found->second;
}

std::string LetterCase::Upper(std::string_view text) const {
  std::string result(text);
  for (char& ch : result) ch = Upper(ch);
  return result;
}

std::string LetterCase::Lower(std::string_view text) const {
  std::string result(text);
  for (char& ch : result) ch = Lower(ch);
  return result;
}

bool LetterCase::EqualIgnoringCase(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

}  // namespace quorim
