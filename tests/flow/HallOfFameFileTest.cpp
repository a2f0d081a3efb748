#include "flow/HallOfFameFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

class HallOfFameFile : public ::testing::Test {
 protected:
  HallOfFameFile() { table_.Record("Anna", 1234, true); }
  QString Path() const { return dir_.filePath(kHallOfFameFile.toString()); }
  void Write(const QByteArray& bytes) const {
    test::WriteFile(dir_.path(), kHallOfFameFile.toString(), bytes);
  }

  QTemporaryDir dir_;
  HallOfFame table_;
};

TEST_F(HallOfFameFile, AWrittenTableIsTheBlockAndReadsBack) {
  EXPECT_TRUE(ReadHallOfFame(Path()).Shown().empty());
  ASSERT_TRUE(WriteHallOfFame(Path(), table_));
  EXPECT_EQ(test::ReadFile(Path()).toStdString(), table_.ToBytes());
  EXPECT_EQ(ReadHallOfFame(Path()).Entries[0].Score(), 1234);
  // A good table is simply replaced.
  ASSERT_TRUE(WriteHallOfFame(Path(), HallOfFame{}));
  EXPECT_FALSE(QFile::exists(Path() + ".bad"));
  EXPECT_EQ(test::ReadFile(Path()), QByteArray(kHallBlockSize, '\0'));
  EXPECT_TRUE(ReadHallOfFame(Path()).Shown().empty());
}

TEST_F(HallOfFameFile, AFileOfAnotherSizeReadsEmptyAndIsKeptWhenWrittenOver) {
  const QByteArray damaged = QByteArray::fromStdString(table_.ToBytes()).chopped(1);
  Write(damaged);
  EXPECT_TRUE(ReadHallOfFame(Path()).Shown().empty());
  ASSERT_TRUE(WriteHallOfFame(Path(), table_));
  EXPECT_EQ(test::ReadFile(Path() + ".bad"), damaged);
  EXPECT_EQ(ReadHallOfFame(Path()).Entries[0].Score(), 1234);

  // A later damaged file does not take the place of the first copy.
  Write("not a table");
  ASSERT_TRUE(WriteHallOfFame(Path(), table_));
  EXPECT_EQ(test::ReadFile(Path() + ".bad"), damaged);
  EXPECT_EQ(test::ReadFile(Path() + ".bad2"), "not a table");
}

TEST_F(HallOfFameFile, AnUnwritablePlaceGivesFalse) {
  EXPECT_FALSE(WriteHallOfFame(dir_.filePath("missing/hallfame.dat"), table_));
  ASSERT_TRUE(QDir(dir_.path()).mkdir(kHallOfFameFile.toString()));
  EXPECT_TRUE(ReadHallOfFame(Path()).Shown().empty());
  EXPECT_FALSE(WriteHallOfFame(Path(), table_));
}

}  // namespace
}  // namespace quorim
