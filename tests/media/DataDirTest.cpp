#include "media/DataDir.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

class DataDirOnMixedCaseTree : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    test::WriteFile(dir_.path(), "GRAFIX/classic/Q-Logo.bmp", "logo");
    test::WriteFile(dir_.path(), "GRAFIX/classic/animatio/goblur.gif", "gif");
    test::WriteFile(dir_.path(), "dict/rus/alphabet.txt", "abc");
  }
  QTemporaryDir dir_;
};

TEST_F(DataDirOnMixedCaseTree, FindsFilesWhateverTheCaseAndSeparators) {
  const DataDir data(dir_.path());
  EXPECT_EQ(data.Resolve(u"grafix\\CLASSIC\\q-logo.BMP"),
            dir_.path() + "/GRAFIX/classic/Q-Logo.bmp");
  EXPECT_EQ(data.Resolve(u"GRAFIX\\classic\\ANIMATIO\\goblur.gif"),
            dir_.path() + "/GRAFIX/classic/animatio/goblur.gif");
  EXPECT_EQ(data.Resolve(u"Grafix/Classic/Animatio/GOBLUR.GIF"),
            dir_.path() + "/GRAFIX/classic/animatio/goblur.gif");
  EXPECT_TRUE(data.Exists(u"\\DICT\\Rus\\Alphabet.TXT"));
  EXPECT_FALSE(data.Exists(u"dict\\eng\\alphabet.txt"));
}

TEST_F(DataDirOnMixedCaseTree, AFileToBeCreatedKeepsTheNameAsWrittenUnderTheExistingFolders) {
  const DataDir data(dir_.path());
  EXPECT_EQ(data.Resolve(u"DICT\\RUS\\alphabet.def"), dir_.path() + "/dict/rus/alphabet.def");
  EXPECT_EQ(data.Resolve(u"save\\save1.001"), dir_.path() + "/save/save1.001");
}

TEST_F(DataDirOnMixedCaseTree, AnExactMatchWinsOverAnotherCase) {
  test::WriteFile(dir_.path(), "dict/RUS/alphabet.txt", "other");
  const DataDir data(dir_.path());
  EXPECT_EQ(data.Resolve(u"dict\\RUS\\alphabet.txt"), dir_.path() + "/dict/RUS/alphabet.txt");
  EXPECT_EQ(data.Resolve(u"dict\\rus\\alphabet.txt"), dir_.path() + "/dict/rus/alphabet.txt");
}

TEST_F(DataDirOnMixedCaseTree, NeverLeadsOutOfTheDataDirectory) {
  const DataDir data(dir_.path());
  EXPECT_EQ(data.Resolve(u"..\\..\\etc\\passwd"), dir_.path() + "/etc/passwd");
  EXPECT_EQ(data.Resolve(u"dict\\..\\..\\dict\\.\\rus\\alphabet.txt"),
            dir_.path() + "/dict/rus/alphabet.txt");
}

}  // namespace
}  // namespace quorim
