// The rules of the options window: the hint slider, the limits text, the word-length list, the
// lists of languages, skins and layouts, the dictionary language switched while it is open, and
// what OK stores or refuses.

#include "flow/OptionsForm.h"

#include "ShippedGame.h"
#include "TestFiles.h"

namespace quorim {
namespace {

class OptionsRules : public test::ShippedGame<> {
 protected:
  OptionsRules() { game_.Strings.Prepare(); }

  OptionsForm Open(bool setUpMode = true) {
    return LoadOptionsForm(game_, setUpMode, ListTemplates(game_.Data));
  }
};

TEST(OptionsHintSlider, PositionsStandForThreeFiveSevenTenAndUnlimited) {
  EXPECT_EQ(HintSliderPosition(3), 0);
  EXPECT_EQ(HintSliderPosition(5), 1);
  EXPECT_EQ(HintSliderPosition(7), 2);
  EXPECT_EQ(HintSliderPosition(10), 3);
  EXPECT_EQ(HintSliderPosition(11), 4);
  EXPECT_EQ(HintCountOfSlider(0), 3);
  EXPECT_EQ(HintCountOfSlider(2), 7);
  EXPECT_EQ(HintCountOfSlider(3), 10);
  EXPECT_EQ(HintCountOfSlider(4), kHintsUnlimited);
}

TEST(OptionsLimitsText, EveryRadioButtonReadsBackAsItWasComposed) {
  for (const char* text : {"", "Score-100 ", "Score-300 ", "Score-500 ", "Score-250 ", "Time-10 ",
                           "Time-20 ", "Time-30 ", "Time-45 ", "Time-60 "}) {
    const LimitsChoice choice = ParseLastLimits(text);
    EXPECT_EQ(ComposeLastLimits(choice, {}), text) << text;
  }
  const LimitsChoice withMove = ParseLastLimits("Score-1500  Move-3 ");
  EXPECT_EQ(withMove.kind, LimitKind::ScoreUser);
  EXPECT_EQ(withMove.userScore, u"1500");
  EXPECT_TRUE(withMove.moveTime);
  EXPECT_EQ(withMove.moveEntry, 2);
  EXPECT_EQ(ComposeLastLimits(withMove, QStringLiteral("3 minutes")), "Score-1500  Move-3 ");
}

TEST(OptionsLimitsText, AMoveTimeAloneIsNoUserScore) {
  const LimitsChoice choice = ParseLastLimits(" Move-9 ");
  EXPECT_EQ(choice.kind, LimitKind::None);
  EXPECT_TRUE(choice.moveTime);
  EXPECT_EQ(choice.moveEntry, 8);
}

TEST(OptionsLimitsText, TheTextIsCutToTwentyCharacters) {
  LimitsChoice choice{
      .kind = LimitKind::ScoreUser, .userScore = QStringLiteral("9999"), .moveTime = true};
  EXPECT_EQ(ComposeLastLimits(choice, QStringLiteral("10 minutes")).size(), 19u);
  choice.userScore = QStringLiteral("123456789");
  EXPECT_EQ(ComposeLastLimits(choice, QStringLiteral("10 minutes")).size(), 20u);
}

TEST(OptionsUserScore, ZeroIsRefusedOnlyWithItsRadioButton) {
  LimitsChoice choice{.kind = LimitKind::ScoreUser, .userScore = QStringLiteral("0")};
  EXPECT_TRUE(UserScoreRefused(choice));
  choice.kind = LimitKind::Score300;
  EXPECT_FALSE(UserScoreRefused(choice));
  EXPECT_EQ(GuardUserScore(QStringLiteral("0")), u"O");
}

TEST(OptionsUserScore, LettersAndEmptyTextAreRefusedANumberIsTaken) {
  for (const char* text : {"ABC", "", "  ", "12A", "-5"})
    EXPECT_TRUE(
        UserScoreRefused({.kind = LimitKind::ScoreUser, .userScore = QString::fromLatin1(text)}))
        << text;
  EXPECT_FALSE(
      UserScoreRefused({.kind = LimitKind::ScoreUser, .userScore = QStringLiteral(" 250 ")}));
}

TEST(OptionsWordLength, TheFirstEntryIsTheThreeLetterMinimum) {
  EXPECT_EQ(WordLengthEntry(0), -1);
  EXPECT_EQ(WordLengthEntry(2), 0);
  EXPECT_EQ(WordLengthLimit(true, 0), 2);
  EXPECT_EQ(WordLengthLimit(false, 4), 0);
}

TEST(OptionsLayoutList, TheSizeComesFromTheNumbersOfTheEntry) {
  EXPECT_EQ(LayoutEntrySize(QStringLiteral("Classic (15x15)")), std::pair(15, 15));
  EXPECT_EQ(LayoutEntrySize(QStringLiteral("Wide (a) (30x17)")), std::pair(30, 17));
  EXPECT_FALSE(LayoutEntrySize(QStringLiteral("no size")));
}

TEST_F(OptionsRules, TheShippedLayoutsAreListedAndPreviewed) {
  const auto templates = ListTemplates(game_.Data);
  const int classic = TemplateIndex(templates, QStringLiteral("CLASSIC.MAP"));
  ASSERT_GE(classic, 0);
  const LayoutPreview preview = TemplatePreview(game_.Data, QStringLiteral("classic.map"));
  EXPECT_EQ(preview.dimX, 15);
  EXPECT_EQ(preview.dimY, 15);
  EXPECT_EQ(std::count(preview.kinds.begin(), preview.kinds.end(), kCellStart), 1);
  EXPECT_TRUE(TemplatePreview(game_.Data, QStringLiteral("vanished.map")).kinds.empty());
}

TEST(OptionsLayoutPreview, ARandomLookHasTheCountsCappedAsAGameCapsThem) {
  const LayoutPreview look = RandomLayoutPreview(15, 15, {24, 16, 8, 8, 1}, 1);
  EXPECT_EQ(look.kinds.size(), 225u);
  EXPECT_EQ(std::count(look.kinds.begin(), look.kinds.end(), kCellLetterX2), 24);
  EXPECT_EQ(std::count(look.kinds.begin(), look.kinds.end(), kCellStart), 1);
  const LayoutPreview crowded = RandomLayoutPreview(15, 15, {1000, 1000, 1000, 1000, 1000}, 1);
  EXPECT_EQ(std::count(crowded.kinds.begin(), crowded.kinds.end(), kCellPlain), 1);
}

TEST_F(OptionsRules, LanguagesAndSkinsAreTheFoldersOfTheDataDirectory) {
  const auto interfaces = LanguageEntries(game_, QStringLiteral("lang"));
  ASSERT_EQ(interfaces.size(), 2u);
  EXPECT_EQ(interfaces[0].code, u"eng");
  EXPECT_EQ(interfaces[1].code, u"rus");
  EXPECT_EQ(interfaces[1].name, u"Русский");
  EXPECT_EQ(LanguageIndex(interfaces, QStringLiteral("RUS")), 1);
  // a folder the locale tables do not know is left out; it goes again at once, for "dict" is a
  // link into the repository's data
  const QString unknown = game_.Data.Root() + QStringLiteral("/dict/rus/expl/xyz");
  QDir().mkpath(unknown);
  const auto explanations = LanguageEntries(game_, QStringLiteral("dict\\rus\\expl"));
  QDir().rmdir(unknown);
  ASSERT_EQ(explanations.size(), 1u);
  EXPECT_EQ(explanations[0].code, u"eng");
  EXPECT_TRUE(LanguageEntries(game_, QStringLiteral("dict\\xyz\\expl")).empty());

  const QStringList skins = SkinNames(game_.Data);
  EXPECT_TRUE(skins.contains(QStringLiteral("classic")));
  EXPECT_FALSE(skins.contains(QStringLiteral("PLAYERS"), Qt::CaseInsensitive));
}

TEST_F(OptionsRules, SliderPositionFourStoresUnlimitedHints) {
  OptionsForm form = Open();
  form.hintSlider = 4;
  ASSERT_EQ(ApplyOptionsForm(game_, form, {}), OptionsVerdict::Applied);
  EXPECT_EQ(game_.Settings.HintCount, kHintsUnlimited);
  EXPECT_EQ(game_.HintsLeft, kHintsUnlimited);
}

TEST_F(OptionsRules, InGameModeKeepsTheLimitsLayoutAndHintCount) {
  game_.Settings.LastLimits = "Time-20 ";
  game_.Settings.HintCount = 7;
  game_.Limits = "Time-20 ";
  OptionsForm form = Open(false);
  EXPECT_EQ(form.limits.kind, LimitKind::Time20);
  EXPECT_EQ(form.hintSlider, 2);
  form.limits.kind = LimitKind::Score100;  // a window that failed to lock its controls
  form.hintSlider = 0;
  form.layoutFromFile = false;
  form.showPCWords = true;
  ASSERT_EQ(ApplyOptionsForm(game_, form, {}), OptionsVerdict::Applied);
  EXPECT_EQ(game_.Settings.LastLimits, "Time-20 ");
  EXPECT_EQ(game_.Limits, "Time-20 ");
  EXPECT_EQ(game_.Settings.HintCount, 7);
  EXPECT_EQ(game_.Settings.LastTemplate, u"classic.map");
  EXPECT_TRUE(game_.Settings.ShowPCWords);
}

TEST_F(OptionsRules, AWrongUserScoreChangesNothing) {
  OptionsForm form = Open();
  form.limits = {.kind = LimitKind::ScoreUser, .userScore = QStringLiteral("0")};
  form.showPCWords = !game_.Settings.ShowPCWords;
  EXPECT_EQ(ApplyOptionsForm(game_, form, {}), OptionsVerdict::WrongScore);
  EXPECT_EQ(form.limits.userScore, u"O");
  EXPECT_NE(game_.Settings.ShowPCWords, form.showPCWords);
  form.limits.userScore = QStringLiteral("250");
  EXPECT_EQ(ApplyOptionsForm(game_, form, {}), OptionsVerdict::Applied);
  EXPECT_EQ(game_.Settings.LastLimits, "Score-250 ");
}

TEST_F(OptionsRules, ATemplateSetsTheSizeARandomLayoutItsBoxes) {
  OptionsForm form = Open();
  form.layoutFromFile = true;
  form.templateFile = QStringLiteral("wide.map");
  ApplyOptionsForm(game_, form, {});
  const auto size = LayoutEntrySize(
      ListTemplates(game_.Data)[static_cast<std::size_t>(TemplateIndex(ListTemplates(game_.Data),
                                                                       QStringLiteral("wide.map")))]
          .displayText);
  ASSERT_TRUE(size);
  EXPECT_EQ(game_.Settings.LastTemplate, u"wide.map");
  EXPECT_EQ(game_.Settings.PlayFieldDimX, size->first);
  EXPECT_EQ(game_.Settings.PlayFieldDimY, size->second);

  form.layoutFromFile = false;
  form.dimX = 20;
  form.dimY = 40;
  form.counts = {1, 2, 3, 4, 0};
  ApplyOptionsForm(game_, form, {});
  EXPECT_TRUE(game_.Settings.LastTemplate.isEmpty());
  EXPECT_EQ(game_.Settings.PlayFieldDimX, 20);
  EXPECT_EQ(game_.Settings.PlayFieldDimY, 30);
  EXPECT_EQ(game_.Settings.Black, 1);
}

TEST_F(OptionsRules, ATemplateThatVanishedLeavesTheRandomLayout) {
  OptionsForm form = Open();
  form.templateFile = QStringLiteral("vanished.map");
  form.layoutFromFile = true;
  ASSERT_EQ(ApplyOptionsForm(game_, form, {}), OptionsVerdict::Applied);
  EXPECT_TRUE(game_.Settings.LastTemplate.isEmpty());
}

TEST_F(OptionsRules, ASkinChangeLeavesTheLayout) {
  game_.Settings.LastTemplate = QStringLiteral("diamond.map");
  OptionsForm form = Open();
  EXPECT_TRUE(form.layoutFromFile);
  form.skin = QStringLiteral("night");
  const Settings before = game_.Settings;
  ApplyOptionsForm(game_, form, {});
  EXPECT_EQ(game_.Settings.LastTemplate, u"diamond.map");
  EXPECT_TRUE(CompareOptions(before, game_.Settings).skinChanged);
  EXPECT_FALSE(CompareOptions(before, game_.Settings).fullScreenChanged);
}

TEST_F(OptionsRules, SwitchingTheDictionaryLanguageAndBackKeepsEachLanguagesChoices) {
  OptionsForm form = Open();
  form.dictionary = {DictionarySize::Children, "E"};
  ASSERT_FALSE(SwitchDictionaryLanguage(game_, form, QStringLiteral("eng")));
  EXPECT_EQ(game_.Settings.DictionaryLang, u"eng");
  EXPECT_EQ(form.dictionary.size, DictionarySize::Maximum);
  form.dictionary = {DictionarySize::Normal, ""};
  ASSERT_FALSE(SwitchDictionaryLanguage(game_, form, QStringLiteral("rus")));
  EXPECT_EQ(form.dictionary.size, DictionarySize::Children);
  EXPECT_EQ(form.dictionary.excludedThemes, "E");
  ASSERT_FALSE(SwitchDictionaryLanguage(game_, form, QStringLiteral("eng")));
  EXPECT_EQ(form.dictionary.size, DictionarySize::Normal);
  ApplyOptionsForm(game_, form, {});
  EXPECT_EQ(StoredDictionarySize(game_, QStringLiteral("eng")), DictionarySize::Normal);
  EXPECT_EQ(DictionaryLimitValue(game_.Settings.DictionaryLimits, "rus"), "E");
}

TEST_F(OptionsRules, TheExplanatoryLanguageFollowsTheDictionary) {
  game_.Settings.ExplanatoryLang = QStringLiteral("eng");
  OptionsForm form = Open();
  SwitchDictionaryLanguage(game_, form, QStringLiteral("eng"));
  EXPECT_EQ(form.explanatoryLang, u"eng");  // eng has eng and rus explanations
  form.explanatoryLang = QStringLiteral("rus");
  SwitchDictionaryLanguage(game_, form, QStringLiteral("rus"));
  EXPECT_EQ(form.explanatoryLang, u"eng");  // rus has only eng
  EXPECT_EQ(game_.Settings.ExplanatoryLang, u"eng");
}

TEST_F(OptionsRules, TheAddWordRuleStoresWhetherWordsAreRequired) {
  OptionsForm form = Open();
  form.addCustomWord = kAddWordNo;
  ApplyOptionsForm(game_, form, {});
  EXPECT_TRUE(game_.Settings.WordRequiredAlways);
  form.addCustomWord = kAddWordYes;
  ApplyOptionsForm(game_, form, {});
  EXPECT_FALSE(game_.Settings.WordRequiredAlways);
  EXPECT_EQ(game_.Settings.AddCustomWord, kAddWordYes);
}

}  // namespace
}  // namespace quorim
