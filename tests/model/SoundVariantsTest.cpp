#include "model/SoundVariants.h"

#include <gtest/gtest.h>

#include <deque>

namespace quorim {
namespace {

// The draws in order; the test fails when the rule draws more or less than given.
class Draws {
 public:
  explicit Draws(std::initializer_list<int> draws) : draws_(draws) {}
  std::function<int(int)> Random() {
    return [this](int n) {
      EXPECT_EQ(n, 100);
      if (draws_.empty()) {
        ADD_FAILURE() << "one draw too many";
        return 0;
      }
      const int r = draws_.front();
      draws_.pop_front();
      return r;
    };
  }
  bool AllUsed() const { return draws_.empty(); }

 private:
  std::deque<int> draws_;
};

TEST(OneOfThreeSounds, TheFirstDrawBelow33GivesTheFirst) {
  Draws draws{32};
  EXPECT_EQ(OneOfThreeSounds(draws.Random(), u"hint", true), "hint1");
  EXPECT_TRUE(draws.AllUsed());
}

TEST(OneOfThreeSounds, ASecondDrawBelow66GivesTheSecond) {
  Draws draws{33, 65};
  EXPECT_EQ(OneOfThreeSounds(draws.Random(), u"isword", true), "isword2");
  EXPECT_TRUE(draws.AllUsed());
}

TEST(OneOfThreeSounds, TheThirdNeedsAThirdDrawBelow99WhereItMayBeSilent) {
  Draws hint{50, 66, 98};
  EXPECT_EQ(OneOfThreeSounds(hint.Random(), u"hint", true), "hint3");
  EXPECT_TRUE(hint.AllUsed());
  Draws silent{50, 66, 99};
  EXPECT_TRUE(OneOfThreeSounds(silent.Random(), u"isword", true).isEmpty());
  EXPECT_TRUE(silent.AllUsed());
}

TEST(OneOfThreeSounds, YourMoveAlwaysPlaysTheThirdWithoutAThirdDraw) {
  Draws draws{99, 99};
  EXPECT_EQ(OneOfThreeSounds(draws.Random(), u"Yourmov", false), "Yourmov3");
  EXPECT_TRUE(draws.AllUsed());
}

}  // namespace
}  // namespace quorim
