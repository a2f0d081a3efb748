#include "flow/ScreenLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace quorim {
namespace {

std::string At(const ScreenRect& r) {
  return std::to_string(r.left) + ',' + std::to_string(r.top);
}
std::string Size(const ScreenRect& r) {
  return std::to_string(r.width) + 'x' + std::to_string(r.height);
}

TEST(StartMenu, ButtonsAndCaptionsStandUnderTheCentredBackground) {
  const StartMenuLayout four = LayOutStartMenu({841, 604}, {300, 400}, {200, 30}, true);
  EXPECT_EQ(At(four.background) + ' ' + Size(four.background), "275,97 300x400");
  EXPECT_EQ(At(four.newGame) + ' ' + At(four.loadGame) + ' ' + At(four.exit) + ' ' +
                At(four.continueGame) + ' ' + Size(four.continueGame),
            "320,217 320,252 320,287 320,346 200x30");
  EXPECT_EQ(At({four.newGameTitle.left, four.newGameTitle.top}), "331,223");
  EXPECT_EQ(At({four.continueTitle.left, four.continueTitle.top}), "331,352");
  EXPECT_EQ(At(four.lastPlayerTitle) + ' ' + Size(four.lastPlayerTitle), "285,170 270x50");

  // Without the last game only the background changes.
  const StartMenuLayout three = LayOutStartMenu({841, 604}, {300, 400}, {200, 30}, false);
  EXPECT_FALSE(three.backgroundAutoSize);
  EXPECT_EQ(At(three.background) + ' ' + Size(three.background), "275,125 300x342");
  EXPECT_EQ(At(three.exit) + ' ' + At(three.lastPlayerTitle), "320,287 285,170");
}

}  // namespace
}  // namespace quorim
