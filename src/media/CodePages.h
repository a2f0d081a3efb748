#pragma once
// Game letters are bytes of a Windows 8-bit code page; data files are UTF-8. This unit converts
// between the two through ICU, with the letter conversion table for languages whose code page is
// not the base one.

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace quorim {

// The code page of 8-bit game text unless a language's letters say otherwise (Cyrillic).
inline constexpr int kBaseCodePage = 1251;

// Unicode text as bytes of a Windows code page; a character the page lacks becomes '?'.
std::string EncodeCodePage(QStringView text, int codePage);
// Bytes of a Windows code page as Unicode.
QString DecodeCodePage(std::string_view bytes, int codePage);

// Whether the letters of the conversion table are converted for a language of this code page.
inline bool ConvertsLetters(int languageCodePage) {
  return languageCodePage != kBaseCodePage;
}

// Unicode to 8-bit game text: the base code page, except that for a language whose code page is
// not the base one the letters of the conversion table become their bytes in their own code page.
std::string ToGameText(QStringView text, int languageCodePage);
// 8-bit game text to Unicode, the reverse: bytes of the conversion-table letters of the language's
// code page become those letters, every other byte is read in the base code page.
QString FromGameText(std::string_view bytes, int languageCodePage);

}  // namespace quorim
