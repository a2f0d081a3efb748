#include "media/TextFiles.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

// Byte strings are split where a hex escape meets a letter; keep them on one line.
// clang-format off
namespace quorim {
namespace {

class TextFiles : public ::testing::Test {
protected:
  QString Path(const char* name) const { return dir_.path() + u'/' + QString::fromLatin1(name); }
  QTemporaryDir dir_;
};

TEST_F(TextFiles, ReadsUtf8LinesAsCodePageBytesWhateverTheLineEnds) {
  test::WriteFile(dir_.path(), "a.txt", "\xEF\xBB\xBF\xD0\x90,1,8\r\n\xD0\x91,3,2\nB\rlast");
  TextLines lines;
  ASSERT_TRUE(LoadTextFile(Path("a.txt"), lines, 1251));
  EXPECT_EQ(lines, (TextLines{"\xC0,1,8", "\xC1,3,2", "B", "last"}));
}

TEST_F(TextFiles, AFileWithoutAMarkKeepsItsFirstLetters) {
  test::WriteFile(dir_.path(), "plain.txt", "ABC\r\nDEF\r\n");
  TextLines lines;
  ASSERT_TRUE(LoadTextFile(Path("plain.txt"), lines, 1251));
  EXPECT_EQ(lines, (TextLines{"ABC", "DEF"}));
}

TEST_F(TextFiles, AMissingFileLeavesTheLinesAsTheyWere) {
  TextLines lines{"kept"};
  EXPECT_FALSE(LoadTextFile(Path("none.txt"), lines, 1251));
  EXPECT_EQ(lines, TextLines{"kept"});
}

TEST_F(TextFiles, SavesWithAMarkAndCrLfAndReadsBackTheSameBytes) {
  // In a 1250 language C1 is the table letter Á; C0 is none, so it is written as Cyrillic А.
  const TextLines lines{"\xC8" "as", "\xC0\xC1"};
  ASSERT_TRUE(SaveTextFile(Path("out.txt"), lines, 1250));
  EXPECT_EQ(test::ReadFile(Path("out.txt")), QByteArray("\xEF\xBB\xBF" "\xC4\x8C" "as\r\n"
                                                        "\xD0\x90\xC3\x81\r\n"));
  TextLines back;
  ASSERT_TRUE(LoadTextFile(Path("out.txt"), back, 1250));
  EXPECT_EQ(back, lines);
}

TEST_F(TextFiles, NoLinesGiveAnEmptyFileWithoutAMark) {
  test::WriteFile(dir_.path(), "old.txt", "old contents");
  ASSERT_TRUE(SaveTextFile(Path("old.txt"), {}, 1251));
  EXPECT_TRUE(test::ReadFile(Path("old.txt")).isEmpty());
}

TEST_F(TextFiles, ASaveThatCannotBeWrittenFailsAndLeavesNoFile) {
  EXPECT_FALSE(SaveTextFile(Path("no/such/folder/out.txt"), {"x"}, 1251));
  EXPECT_FALSE(QFile::exists(Path("no/such/folder/out.txt")));
}

TEST_F(TextFiles, UnicodeFilesAreReadByTheirMark) {
  const QString expected = QStringLiteral("Ключ=Значение");
  QByteArray utf16le("\xFF\xFE"), utf16be("\xFE\xFF");
  for (QChar c : expected + "\r\nx") {
    utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
  }
  test::WriteFile(dir_.path(), "le.txt", utf16le);
  test::WriteFile(dir_.path(), "be.txt", utf16be);
  test::WriteFile(dir_.path(), "utf8.txt", "\xEF\xBB\xBF" + (expected + "\rx").toUtf8());
  test::WriteFile(dir_.path(), "ansi.txt", "\xCA\xEB\xFE\xF7=\xC7\xED\xE0\xF7\xE5\xED\xE8\xE5\nx");
  for (const char* name : {"le.txt", "be.txt", "utf8.txt", "ansi.txt"}) {
    QStringList lines;
    ASSERT_TRUE(LoadUnicodeTextFile(Path(name), lines)) << name;
    EXPECT_EQ(lines, QStringList({expected, "x"})) << name;
  }
}

}  // namespace
}  // namespace quorim
