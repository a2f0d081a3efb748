#pragma once
// Upper and lower case of 8-bit game text in a language's code page, from ICU's case mapping of
// each byte's character: the C locale's toupper knows no Cyrillic or accented letters.

#include <array>
#include <string>
#include <string_view>

namespace quorim {

class LetterCase {
 public:
  // The table of a language's code page (as ToGameText reads it); built once per code page.
  static const LetterCase& For(int languageCodePage);

  char Upper(char ch) const { return static_cast<char>(upper_[static_cast<unsigned char>(ch)]); }
  char Lower(char ch) const { return static_cast<char>(lower_[static_cast<unsigned char>(ch)]); }
  std::string Upper(std::string_view text) const;
  std::string Lower(std::string_view text) const;
  bool EqualIgnoringCase(std::string_view a, std::string_view b) const;

 private:
  explicit LetterCase(int languageCodePage);

  std::array<unsigned char, 256> upper_{};
  std::array<unsigned char, 256> lower_{};
};

}  // namespace quorim
