#include "dictionary/Themes.h"

#include "dictionary/WorkingWordList.h"

#include "DictionaryFixture.h"

namespace quorim {
namespace {

using test::G;

class ComputerVocabulary : public test::DictionaryFixture {
 protected:
  ComputerVocabulary() {
    WriteThemes();
    LoadThemeMarkers(game_);
  }
  bool Allowed(const char* entry, int intellect, int slot = 12) {
    return IsComputerWordAllowed(game_.Themes, G(entry), slot, intellect).allowed;
  }
  // Which of the three entries the computer may use.
  std::string Uses(int intellect, int slot = 12) {
    std::string used;
    for (const char* entry : {"КОТ=A", "КИТ=B", "ЛЕС"})
      used += Allowed(entry, intellect, slot) ? '1' : '0';
    return used;
  }
};

TEST_F(ComputerVocabulary, TheSizeMarkerKeepsToItsThemeAndLowIntellectToCommonWords) {
  game_.Themes.DictionarySizeMarker = "A";
  for (int intellect : {1, 2, 3}) EXPECT_EQ(Uses(intellect), "100") << intellect;
  game_.Themes.DictionarySizeMarker.clear();
  EXPECT_EQ(Uses(3), "111");
  EXPECT_EQ(Uses(2), "111");
  EXPECT_EQ(Uses(1), "100");
  // The added words are not narrowed by size or by low intellect.
  EXPECT_EQ(Uses(1, kAddedWordsSlot), "111");
}

TEST_F(ComputerVocabulary, AnExcludedThemeRefusesAWordOfACommonThemeToo) {
  game_.Themes.ExcludedThemes = "B";
  EXPECT_FALSE(Allowed("КИТ=AB", 3));
  EXPECT_TRUE(Allowed("КОТ=A", 3));
  const ComputerAdmission admission = IsComputerWordAllowed(game_.Themes, G("КИТ=AB"), 12, 3);
  EXPECT_EQ(admission.word, G("КИТ"));
  EXPECT_EQ(admission.themes, "=AB");
  // Only the first 20 characters of the theme text count.
  game_.Themes.ExcludedThemes = "Z";
  EXPECT_EQ(IsComputerWordAllowed(game_.Themes, G("КОТ=ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 12, 3).themes,
            "=ABCDEFGHIJKLMNOPQRS");
  EXPECT_TRUE(Allowed("КОТ=ABCDEFGHIJKLMNOPQRSTUVWXYZ", 3));
}

TEST_F(ComputerVocabulary, TheExtendedSizeTakesEveryThemeButChildrensAndAnUnknownMarkerNone) {
  game_.Themes.DictionarySizeMarker = "E";
  EXPECT_TRUE(Allowed("КОТ=A", 2));
  EXPECT_TRUE(Allowed("КИТ=F", 2));
  EXPECT_FALSE(Allowed("КИТ=K", 2));
  EXPECT_FALSE(Allowed("ЛЕС", 2));
  game_.Themes.DictionarySizeMarker = "K";
  EXPECT_TRUE(Allowed("КИТ=K", 2));
  EXPECT_FALSE(Allowed("КОТ=A", 2));
  // A second extended theme set by hand as the size: only the user's added words remain.
  game_.Themes.DictionarySizeMarker = "F";
  EXPECT_EQ(Uses(3), "000");
  EXPECT_EQ(Uses(3, kAddedWordsSlot), "111");
}

TEST_F(ComputerVocabulary, WithoutThemesLowIntellectStillHasWords) {
  game_.Themes = DictionaryThemes();
  EXPECT_EQ(Uses(1), "111");
}

TEST_F(ComputerVocabulary, AWordIsUsableWhenOneOfItsEntriesIsAndTheUserHasNotExcludedIt) {
  WriteLanguageFile("dictionary.txt", {"КИТ=B", "КИТ=A", "КОТ=B", "ЛЕС=A"});
  WriteLanguageFile("diction.user.add.txt", {"ДЫМ"});
  WriteLanguageFile("diction.user.del.txt", {"ЛЕС"});
  LoadWordLists(game_, true);
  EXPECT_TRUE(ComputerMayUseWord(game_, G("КИТ"), 1));
  EXPECT_FALSE(ComputerMayUseWord(game_, G("КОТ"), 1));
  EXPECT_TRUE(ComputerMayUseWord(game_, G("КОТ"), 2));
  EXPECT_TRUE(ComputerMayUseWord(game_, G("ДЫМ"), 1));
  EXPECT_FALSE(ComputerMayUseWord(game_, G("ЛЕС"), 3));
  game_.Settings.UseCustomDictionary = false;
  EXPECT_TRUE(ComputerMayUseWord(game_, G("ЛЕС"), 3));
  EXPECT_FALSE(ComputerMayUseWord(game_, G("ДЫМ"), 3));
}

TEST_F(ComputerVocabulary, ThemesFileKeysAndTitles) {
  WriteLanguageFile("themes.txt", {"dcommom=C", "DExtended1=", "; комментарий вне раздела",
                                   "[DictionaryThemes]", "C=Общие слова", "; скрытая тема", "",
                                   "E=Редкие=и особые", "endoffile", "K=После конца"});
  LoadThemeMarkers(game_);
  LoadThemeTitles(game_);
  EXPECT_EQ(game_.Themes.ThemeMarkers[kThemeCommon], 'C');
  EXPECT_EQ(game_.Themes.ThemeMarkers[kThemeExtended1], 'E');  // an empty value keeps the letter
  EXPECT_EQ(game_.Themes.ThemeMarkers[kThemeChildren], 'K');
  ASSERT_EQ(game_.Themes.Titles.size(), 2u);
  EXPECT_EQ(game_.Themes.Titles[0].letter, 'C');
  EXPECT_EQ(game_.Themes.Titles[1].title, QString::fromUtf8("Редкие=и особые"));

  QFile::remove(LanguageFilePath("themes.txt"));
  LoadThemeTitles(game_);
  EXPECT_EQ(game_.Themes.Titles.size(), 2u);
}

TEST_F(ComputerVocabulary, SizeAndExcludedThemesAreKeptPerLanguage) {
  StoreDictionaryLimits(game_, "rus", DictionarySize::Normal, "BC");
  StoreDictionaryLimits(game_, "eng", DictionarySize::Children, "");
  EXPECT_EQ(game_.Settings.DictionaryLimits,
            (std::vector<std::string>{"rus=BC", "Limrus=A", "Limeng=K"}));
  EXPECT_EQ(StoredDictionarySize(game_, "rus"), DictionarySize::Normal);
  EXPECT_EQ(StoredDictionarySize(game_, "ENG"), DictionarySize::Children);

  StoreDictionaryLimits(game_, "rus", DictionarySize::Maximum, "");
  EXPECT_EQ(game_.Settings.DictionaryLimits, std::vector<std::string>{"Limeng=K"});
  EXPECT_EQ(StoredDictionarySize(game_, "rus"), DictionarySize::Maximum);
}

TEST_F(ComputerVocabulary, TheCurrentLanguagesLimitsBecomeTheWorkingFields) {
  SetDefaultDictionaryLimits(game_);
  EXPECT_EQ(game_.Settings.DictionaryLimits, std::vector<std::string>{"Limrus=A"});
  game_.Settings.DictionaryLimits.push_back("RUS=BC");
  ApplyDictionaryLimits(game_);
  EXPECT_EQ(game_.Themes.DictionarySizeMarker, "A");
  EXPECT_EQ(game_.Themes.ExcludedThemes, "BC");

  // Old files wrote the sizes as single characters of their own.
  game_.Settings.DictionaryLimits = {"Limrus=\x8E"};
  ApplyDictionaryLimits(game_);
  EXPECT_EQ(game_.Themes.DictionarySizeMarker, "A");
  EXPECT_EQ(game_.Themes.ExcludedThemes, "");
  game_.Settings.DictionaryLimits = {"Limrus=\x86"};
  ApplyDictionaryLimits(game_);
  EXPECT_EQ(game_.Themes.DictionarySizeMarker, "E");
}

}  // namespace
}  // namespace quorim
