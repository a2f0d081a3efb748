#include "media/CodePages.h"

#include <gtest/gtest.h>

// Byte strings are split where a hex escape meets a letter; keep them on one line.
// clang-format off
namespace quorim {
namespace {

TEST(LetterConversion, CzechCapitalCWithCaronIsItsCodePage1250Byte) {
  const std::string bytes = ToGameText(u"Čas", 1250);
  EXPECT_EQ(bytes, "\xC8" "as");
  EXPECT_EQ(FromGameText(bytes, 1250), u"Čas");
  // The same bytes in a Cyrillic language.
  EXPECT_EQ(FromGameText(bytes, 1251), u"Иas");
}

TEST(LetterConversion, LowerCaseLettersTakeTheByteOfTheirCapitalsCodePage) {
  EXPECT_EQ(ToGameText(u"čas", 1250), "\xE8" "as");
  EXPECT_EQ(FromGameText("\xE8" "as", 1250), u"čas");
  EXPECT_EQ(ToGameText(u"Ärger über", 1252), "\xC4" "rger \xFC" "ber");
  EXPECT_EQ(FromGameText("\xC4" "rger \xFC" "ber", 1252), u"Ärger über");
  EXPECT_EQ(ToGameText(u"Ąžuolas", 1257), "\xC0" "\x9E" "uolas");
}

TEST(LetterConversion, LettersOutsideTheTableReadInTheBaseCodePage) {
  // Without letter conversion Cyrillic text round-trips through code page 1251.
  EXPECT_EQ(ToGameText(u"ЁЖИК я", 1251), "\xA8\xC6\xC8\xCA \xFF");
  EXPECT_EQ(FromGameText("\xA8\xC6\xC8\xCA \xFF", 1251), u"ЁЖИК я");
  // For a 1250 language a byte that is none of its table letters is read as Cyrillic.
  EXPECT_EQ(FromGameText("\xC0", 1250), u"А");
  // A character that no page holds becomes a question mark.
  EXPECT_EQ(ToGameText(u"日本", 1251), "??");
  EXPECT_EQ(ToGameText(u"Ω", 1250), "?");
}

TEST(CodePages, EncodeAndDecodeThroughIcu) {
  EXPECT_EQ(EncodeCodePage(u"Łódź", 1250), "\xA3\xF3" "d\x9F");
  EXPECT_EQ(DecodeCodePage("\xA3\xF3" "d\x9F", 1250), u"Łódź");
  EXPECT_EQ(DecodeCodePage("\xC0\xDF", 1251), u"АЯ");
  EXPECT_TRUE(EncodeCodePage(u"", 1251).empty());
}

}  // namespace
}  // namespace quorim
