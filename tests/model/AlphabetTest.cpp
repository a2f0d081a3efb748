#include "model/Alphabet.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

constexpr char kA = '\xC0';  // А in code page 1251

class AlphabetFile : public ::testing::Test {
 protected:
  void Write(const QByteArray& bytes, const char* name = "alphabet.txt") {
    test::WriteFile(dir_.path(), QString("dict/rus/") + name, bytes);
  }
  AlphabetSource Source() const { return {DataDir(dir_.path()), "rus", 1251}; }
  QTemporaryDir dir_;
  Alphabet alphabet_;
};

TEST(AlphabetBeforeAnyFile, EveryLetterIsWorthOneAndOccursOnce) {
  const Alphabet alphabet;
  EXPECT_EQ(alphabet.AlphabetSize, 0);
  EXPECT_EQ(alphabet.FirstLetterCode, 0);
  EXPECT_EQ(alphabet.LetterValue[0], 1);
  EXPECT_EQ(alphabet.LetterQuantity[50], 1);
}

TEST_F(AlphabetFile, OneLetterAndTheStar) {
  Write(test::GameFile({"А,1,8", "*,0,2"}));
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  EXPECT_EQ(alphabet_.AlphabetSize, 1);
  EXPECT_EQ(alphabet_.StarCode(), '\xC1');
  EXPECT_EQ(alphabet_.LetterIndex('\xC1'), 1);
  EXPECT_EQ(alphabet_.LetterIndex(kA), 0);
  EXPECT_EQ(alphabet_.LetterIndex('Z'), -1);
  EXPECT_EQ(alphabet_.AlphabetTotalQuantity(), 10);
}

TEST_F(AlphabetFile, TheStarLinesFirstCharacterAndTheSeparatorDoNotMatter) {
  Write(test::GameFile({"А 1,8", "Б,12 , 3", "?,0,2"}));
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  EXPECT_EQ(alphabet_.LetterValue[0], 1);
  EXPECT_EQ(alphabet_.LetterQuantity[0], 8);
  EXPECT_EQ(alphabet_.LetterValue[1], 12);
  EXPECT_EQ(alphabet_.LetterQuantity[1], 3);
  EXPECT_EQ(alphabet_.LetterCode[2], 0xC2);
  EXPECT_EQ(alphabet_.LetterIndex('?'), -1);
}

TEST_F(AlphabetFile, TheStarCodeWinsOverALetterWithTheSameCode) {
  Write(test::GameFile({"А,1,8", "Б,1,8", "*,0,2"}));
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  alphabet_.LetterCode[1] = alphabet_.StarCode();
  EXPECT_EQ(alphabet_.LetterIndex(alphabet_.StarCode()), 2);
}

TEST_F(AlphabetFile, AShorterAlphabetClearsTheEntriesBeyondItsStar) {
  Write(test::GameFile({"А,1,8", "Б,3,2", "В,1,4", "*,0,3"}));
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  Write(test::GameFile({"А,1,8", "*,0,2"}));
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  for (int i = 2; i < Alphabet::kEntries; ++i) {
    EXPECT_EQ(alphabet_.LetterValue[i], 0) << i;
    EXPECT_EQ(alphabet_.LetterQuantity[i], 0) << i;
  }
}

TEST_F(AlphabetFile, MalformedFilesAreRefusedWholeAndNameTheLine) {
  Write(test::GameFile({"А,1,8", "Б,3,2", "*,0,3"}));
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  const Alphabet before = alphabet_;

  struct Case {
    QByteArray file;
    int line;
  };
  QByteArray fiftyOne("\xEF\xBB\xBF");
  for (int i = 0; i < 51; ++i) fiftyOne.append("A,1,1\r\n");
  const std::vector<Case> cases = {
      {test::GameFile({"А,1,8", "Б;3;2", "*,0,3"}), 2},    // no comma
      {test::GameFile({"А,x,8", "*,0,3"}), 1},             // value not a number
      {test::GameFile({"А,1,8", "*,0,lots"}), 2},          // quantity not a number
      {test::GameFile({"А,1,8", "Б,1,", "*,0,3"}), 2},     // quantity missing
      {test::GameFile({"А,1,8", "Б,-1,2", "*,0,3"}), 2},   // negative value
      {test::GameFile({"А,1,8", "Б,1,999", "*,0,3"}), 2},  // more than the game reads
      {test::GameFile({"А,1,8", "", "*,0,3"}), 2},         // empty line inside
      {test::GameFile({"А,1,8"}), 0},                      // no star
      {test::GameFile({"А,1,0", "*,0,0"}), 0},             // nothing for the bag
      {fiftyOne, 51},
  };
  for (const Case& c : cases) {
    Write(c.file);
    const auto error = LoadAlphabet(alphabet_, Source());
    ASSERT_TRUE(error) << c.file.toStdString();
    EXPECT_EQ(error->kind, DataFileError::Kind::Malformed);
    EXPECT_EQ(error->line, c.line) << c.file.toStdString();
    EXPECT_EQ(alphabet_.AlphabetSize, before.AlphabetSize);
    EXPECT_EQ(alphabet_.LetterQuantity, before.LetterQuantity);
  }
}

TEST_F(AlphabetFile, TrailingBlankLinesAreNoLetters) {
  Write(test::GameFile({"А,1,8", "*,0,2", "", "  "}));
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  EXPECT_EQ(alphabet_.AlphabetSize, 1);
}

TEST_F(AlphabetFile, AMissingFileKeepsTheAlphabetAndSaysSo) {
  const auto error = LoadAlphabet(alphabet_, Source());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, DataFileError::Kind::FileNotFound);
  EXPECT_EQ(alphabet_.AlphabetSize, 0);
  EXPECT_EQ(alphabet_.LetterValue[3], 1);

  InterfaceStrings strings;
  test::WriteFile(dir_.path(), "strings.txt",
                  test::GameFile({"[Dynamic]", "LoadMessageAlphabetFileNotFound=No alphabet: %s"}));
  strings.LoadRaw(dir_.path() + "/strings.txt");
  EXPECT_EQ(AlphabetErrorMessage(*error, strings), "No alphabet: " + error->path);
}

TEST_F(AlphabetFile, TheFirstSavedChangeKeepsTheFactoryCopy) {
  const QByteArray factory = test::GameFile({"А,1,8", "Б,3,2", "*,0,3"});
  Write(factory);
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  EXPECT_FALSE(QFile::exists(Source().DefaultPath()));

  alphabet_.LetterValue[1] = 5;
  ASSERT_TRUE(SaveAlphabet(alphabet_, Source()));
  EXPECT_EQ(test::ReadFile(Source().DefaultPath()), factory);
  EXPECT_EQ(test::ReadFile(Source().TextPath()), test::GameFile({"А,1,8", "Б,5,2", "*,0,3"}));

  alphabet_.LetterQuantity[0] = 9;
  ASSERT_TRUE(SaveAlphabet(alphabet_, Source()));
  EXPECT_EQ(test::ReadFile(Source().DefaultPath()), factory);

  ASSERT_FALSE(RestoreDefaultAlphabet(alphabet_, Source()));
  EXPECT_EQ(alphabet_.LetterValue[1], 3);
  EXPECT_EQ(alphabet_.LetterQuantity[0], 8);
  // Restoring writes nothing by itself.
  EXPECT_EQ(test::ReadFile(Source().TextPath()), test::GameFile({"А,1,9", "Б,5,2", "*,0,3"}));
}

TEST_F(AlphabetFile, RestoringWithoutAFactoryCopyOrFromAnotherAlphabetChangesNothing) {
  Write(test::GameFile({"А,1,8", "Б,3,2", "*,0,3"}));
  ASSERT_FALSE(LoadAlphabet(alphabet_, Source()));
  const auto missing = RestoreDefaultAlphabet(alphabet_, Source());
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->kind, DataFileError::Kind::FileNotFound);

  Write(test::GameFile({"А,2,8", "*,0,3"}), "alphabet.def");
  const auto other = RestoreDefaultAlphabet(alphabet_, Source());
  ASSERT_TRUE(other);
  EXPECT_EQ(other->kind, DataFileError::Kind::Malformed);
  EXPECT_EQ(alphabet_.AlphabetSize, 2);
  EXPECT_EQ(alphabet_.LetterValue[0], 1);
}

TEST_F(AlphabetFile, LettersOfOtherCodePagesRoundTrip) {
  const QByteArray czech = test::GameFile({"Č,2,3", "Ř,4,1", "*,0,2"});
  test::WriteFile(dir_.path(), "dict/ces/alphabet.txt", czech);
  const AlphabetSource source{DataDir(dir_.path()), "ces", 1250};
  ASSERT_FALSE(LoadAlphabet(alphabet_, source));
  EXPECT_EQ(alphabet_.LetterCode[0], 0xC8);
  EXPECT_EQ(alphabet_.LetterCode[1], 0xD8);
  ASSERT_TRUE(SaveAlphabet(alphabet_, source));
  EXPECT_EQ(test::ReadFile(source.TextPath()), czech);
}

TEST(ShippedAlphabets, RussianHas32LettersEndingInYaAndEnglish26) {
  Alphabet russian;
  ASSERT_FALSE(LoadAlphabet(russian, {DataDir(QUORIM_SHIPPED_DATA), "rus", 1251}));
  EXPECT_EQ(russian.AlphabetSize, 32);
  EXPECT_EQ(russian.FirstLetterCode, 0xC0);
  EXPECT_EQ(russian.LetterCode[31], 0xDF);     // Я: the letters are contiguous
  EXPECT_EQ(russian.LetterIndex('\xA8'), -1);  // Ё is written as Е
  EXPECT_EQ(russian.LetterValue[32], 0);
  // Every letter occurs at least once on a classic board.
  for (int i = 0; i <= russian.AlphabetSize; ++i) EXPECT_GE(russian.ExpectedCopies(i, 225), 1) << i;

  Alphabet english;
  ASSERT_FALSE(LoadAlphabet(english, {DataDir(QUORIM_SHIPPED_DATA), "eng", 1252}));
  EXPECT_EQ(english.AlphabetSize, 26);
  EXPECT_EQ(english.StarCode(), '[');
  EXPECT_EQ(english.ExpectedCopies(english.LetterIndex('E'), 225), 12 * 225 / 100);
}

}  // namespace
}  // namespace quorim
