#include "media/LetterCase.h"

#include "media/CodePages.h"

#include <gtest/gtest.h>

#include <QString>

namespace quorim {
namespace {

std::string Game(const char* utf8, int codePage) {
  return ToGameText(QString::fromUtf8(utf8), codePage);
}

TEST(LetterCase, CyrillicLettersChangeCaseInTheirCodePage) {
  const LetterCase& cyrillic = LetterCase::For(1251);
  EXPECT_EQ(cyrillic.Upper(Game("ёжик и мяч, abc", 1251)), Game("ЁЖИК И МЯЧ, ABC", 1251));
  EXPECT_EQ(cyrillic.Lower(Game("ЪЭЮЯ", 1251)), Game("ъэюя", 1251));
  EXPECT_TRUE(cyrillic.EqualIgnoringCase(Game("Кот", 1251), Game("кОТ", 1251)));
  EXPECT_FALSE(cyrillic.EqualIgnoringCase(Game("кот", 1251), Game("кит", 1251)));
}

TEST(LetterCase, LettersOfOtherCodePagesFollowTheirOwnPage) {
  EXPECT_EQ(LetterCase::For(1252).Upper(Game("straße über", 1252)), Game("STRAßE ÜBER", 1252));
  EXPECT_EQ(LetterCase::For(1250).Lower(Game("ŁÓDŹ ŻÓŁW", 1250)), Game("łódź żółw", 1250));
  EXPECT_EQ(LetterCase::For(1257).Upper(Game("ąžuolas", 1257)), Game("ĄŽUOLAS", 1257));
}

}  // namespace
}  // namespace quorim
