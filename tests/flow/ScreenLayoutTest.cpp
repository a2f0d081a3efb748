#include "flow/ScreenLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorim {
namespace {

std::string At(const ScreenRect& r) {
  return std::to_string(r.left) + ',' + std::to_string(r.top);
}
std::string Size(const ScreenRect& r) {
  return std::to_string(r.width) + 'x' + std::to_string(r.height);
}
// "panel corners (* collapsed) | control panel | main window"
std::string Places(const PanelLayout& layout) {
  std::string text;
  for (const PanelStart& panel : layout.panels)
    text += At(panel.place) + (panel.collapsed ? "* " : " ");
  return text + "| " + At(layout.controlPanel) + " | " + At(layout.mainWindow) + ' ' +
         Size(layout.mainWindow);
}

// A window of the design size centred on the screen, over a task bar 40 px high.
PanelLayoutInput Screen1024(int participants) {
  return {.participants = participants,
          .autoSpread = true,
          .mainWindow = {88, 59, 847, 650},
          .playfield = {100, 110, 440, 440},
          .screen = {1024, 768},
          .workArea = {0, 0, 1024, 728}};
}
PanelLayoutInput Screen1920(int participants) {
  return {.participants = participants,
          .autoSpread = true,
          .mainWindow = {536, 215, 847, 650},
          .playfield = {568, 286, 440, 440},
          .screen = {1920, 1080},
          .workArea = {0, 0, 1920, 1040}};
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

TEST(PanelLayout, OnA1024ScreenTheColumnsMoveIntoTheWorkArea) {
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1024(2))), "0,59 854,59 | 0,380 | 88,59 936x650");
  // Three with AutoSpreadPlayers stay stacked and none collapsed.
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1024(3))),
            "0,59 854,59 854,381 | 0,380 | 88,59 936x650");
  // Spread off the screen's right edge and 9 px into the task bar.
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1024(4))),
            "0,87 684,88 854,88 684,408 | 0,408 | 88,59 847x679");
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1024(8))),
            "0,59 854,59* 854,136* 854,213* 854,290* 854,367* 854,444* 854,521* "
            "| 0,380 | 88,59 936x650");
}

TEST(PanelLayout, AWindowNearTheEdgeMovesOverSoThatTheColumnsLeaveTheBoardFree) {
  // a 30 x 30 board's window, placed where the start menu's smaller window stood
  const PanelLayoutInput in{.participants = 8,
                            .timeLimit = true,
                            .autoSpread = false,
                            .mainWindow = {408, 100, 872, 890},
                            .playfield = {408, 140, 872, 872},
                            .screen = {1280, 1024},
                            .workArea = {0, 0, 1280, 1024}};
  const PanelLayout layout = PlacePlayerPanels(in);
  EXPECT_EQ(layout.mainWindow.left, 1280 - 170 - 5 - 872);
  const int boardLeft = layout.mainWindow.left;
  const int boardRight = boardLeft + 872;
  for (const PanelStart& panel : layout.panels)
    EXPECT_TRUE(panel.place.Right() <= boardLeft || panel.place.left >= boardRight)
        << At(panel.place);
  EXPECT_LE(layout.panels[1].place.Right(), 1280);
  EXPECT_GE(layout.panels[0].place.left, 0);

  // a screen too narrow for both columns leaves the window where it is
  PanelLayoutInput narrow = in;
  narrow.screen.width = narrow.workArea.width = 1200;
  EXPECT_EQ(PlacePlayerPanels(narrow).mainWindow.left, 408);
}

TEST(PanelLayout, OnA1920ScreenPanelsStandBesideTheWindowAndStretchIt) {
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1920(2))),
            "361,215 1388,215 | 361,536 | 536,215 1022x650");
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1920(3))),
            "361,215 1388,215 1388,537 | 361,536 | 536,215 1022x650");
  // Two rows centred 32 px below the screen's middle; three rows centred.
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1920(4))),
            "361,252 1388,252 1558,252 1388,572 | 361,573 | 536,215 847x687");
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1920(5))),
            "361,252 1388,252 1558,252 1388,572 1558,572 | 361,573 | 536,215 847x687");
  EXPECT_EQ(Places(PlacePlayerPanels(Screen1920(8))),
            "361,60 361,382 1388,60 1558,60 1388,380 1558,380 1388,700 1558,700 "
            "| 361,703 | 536,215 847x815");
  PanelLayoutInput shorter = Screen1920(2);
  shorter.mainWindow.height = 600;  // the control panel reaches 41 px below it
  EXPECT_EQ(PlacePlayerPanels(shorter).mainWindow.height, 861 - 215);
}

TEST(PanelLayout, EightOnANarrowScreenStackBesideThePlayfieldCollapsedButTheCurrent) {
  PanelLayoutInput in = Screen1024(8);
  in.maximized = true;
  in.mainWindow = {0, 0, 1024, 728};
  in.playfield = {292, 80, 440, 440};
  // Too low to start at the playfield's top; the control panel then rises into the work area.
  EXPECT_EQ(Places(PlacePlayerPanels(in)),
            "117,87 737,106* 737,183* 737,260* 737,337* 737,414* 737,491* 737,568* "
            "| 117,408 | 0,0 1024x728");
  in.playfield.top = 70;  // room enough, by no more than a pixel
  EXPECT_EQ(At(PlacePlayerPanels(in).panels[1].place), "737,70");

  // The turn passes from 5 to 6: only those two fold, never participant 1 nor a locked panel.
  const auto acts = [](int panel, bool collapse, bool locked = false) {
    return FoldActs({.panel = panel, .participants = 8, .collapse = collapse, .locked = locked});
  };
  EXPECT_TRUE(acts(5, true));
  EXPECT_TRUE(acts(6, false));
  EXPECT_FALSE(acts(1, true));
  EXPECT_FALSE(acts(6, false, true));
}

TEST(PanelLayout, ArrangementFollowsScreenSizeAndTimeLimit) {
  const auto arrangement = [](PanelLayoutInput in) { return PlacePlayerPanels(in).arrangement; };
  PanelLayoutInput in = Screen1920(5);
  in.autoSpread = false;
  EXPECT_EQ(Places(PlacePlayerPanels(in)),
            "361,215 1388,215* 1388,292* 1388,369* 1388,446* | 361,536 | 536,215 1022x650");

  in = Screen1920(6);  // three rows do not fit 900 px, nor beside a window that tall
  in.screen.height = 900;
  EXPECT_EQ(arrangement(in), PanelArrangement::Stacked);
  in.mainWindow.height = 550;
  EXPECT_EQ(arrangement(in), PanelArrangement::Spread);

  in = Screen1920(8);
  in.screen = {1280, 1024};
  in.mainWindow.left = 200;
  EXPECT_EQ(arrangement(in), PanelArrangement::Spread);
  in.screen.width = 1279;
  EXPECT_EQ(arrangement(in), PanelArrangement::Stacked);

  in = Screen1920(6);
  in.screen = {1280, 1024};
  in.mainWindow.left = 200;
  in.timeLimit = true;
  EXPECT_EQ(arrangement(in), PanelArrangement::Stacked);
  EXPECT_EQ(PlacePlayerPanels(in).panelHeight, 360);
  in.screen.width = 1281;
  EXPECT_EQ(arrangement(in), PanelArrangement::Spread);
}

TEST(PanelLayout, WithoutRoomOnTheRightTheWindowRisesAndPanelsLineUpUnderIt) {
  PanelLayoutInput in{4,
                      false,
                      true,
                      false,
                      {200, 100, 847, 650},
                      {230, 170, 800, 600},
                      {1280, 1024},
                      {0, 0, 1280, 984}};
  EXPECT_EQ(PlacePlayerPanels(in).arrangement, PanelArrangement::Raised);
  EXPECT_EQ(Places(PlacePlayerPanels(in)),
            "25,330 195,650 365,650 535,650 | 25,651 | 200,0 847x980");
  in.playfield.height = 740;  // no room under it either
  EXPECT_EQ(PlacePlayerPanels(in).arrangement, PanelArrangement::Stacked);
  in.playfield.height = 600;
  in.timeLimit = true;
  EXPECT_EQ(PlacePlayerPanels(in).arrangement, PanelArrangement::Stacked);
  EXPECT_EQ(PlacePlayerPanels(in).mainWindow.top, 100);
}

TEST(PanelFolding, FaceAndWhenAFoldActs) {
  const PanelFace small = PlayerPanelFace(360, true);
  const PanelFace big = PlayerPanelFace(360, false);
  // height, number label, score plate, score label, arrow
  const auto face = [](const PanelFace& f) {
    return std::to_string(f.height) + ' ' + At({f.numberLabel.left, f.numberLabel.top}) + ' ' +
           std::to_string(f.scorePlateTop) + ' ' + std::to_string(f.scoreLabelTop) + ' ' +
           std::to_string(f.arrowTop) + (f.avatarShown ? " avatar" : "");
  };
  EXPECT_EQ(face(small), "75 147,44 27 34 5");
  EXPECT_EQ(face(big), "360 147,325 159 166 125 avatar");

  // A turn change folds in games of four or more, and collapses in a demo game too.
  EXPECT_FALSE(FoldActs({.panel = 2, .participants = 3}));
  EXPECT_TRUE(FoldActs({.panel = 2, .participants = 3, .demo = true}));
  EXPECT_FALSE(FoldActs({.panel = 2, .participants = 3, .collapse = false, .demo = true}));
  EXPECT_TRUE(FoldActs({.panel = 2, .participants = 4, .collapse = false}));
  EXPECT_FALSE(FoldActs({.panel = 4, .participants = 6, .locked = true}));
  // A click always acts.
  EXPECT_TRUE(FoldActs({.panel = 2, .participants = 3, .byClick = true}));
  EXPECT_TRUE(FoldActs({.panel = 4, .participants = 6, .byClick = true, .locked = true}));
  EXPECT_TRUE(FoldActs({.panel = 1, .participants = 6, .collapse = false, .byClick = true}));
}

class Restack : public ::testing::Test {
 protected:
  // Participant 4 is on turn and expanded.
  RestackInput in_{.panels = {{361, 215, 170, 320},
                              {1388, 215, 170, 75},
                              {1388, 292, 170, 75},
                              {1388, 614, 170, 320}},
                   .locked = {false, false, false, false},
                   .currentPlayer = 4,
                   .screenHeight = 1080,
                   .workArea = {0, 0, 1920, 1040},
                   .mainWindow = {536, 215, 847, 650}};
  std::string Tops() const {
    std::string tops;
    for (const ScreenRect& place : RestackPlayerPanels(in_))
      tops += std::to_string(place.top) + ' ';
    return tops;
  }
};

TEST_F(Restack, TheColumnClosesUpUnderParticipantOnesLevelExceptLockedPanels) {
  EXPECT_EQ(Tops(), "215 215 292 369 ");
  in_.locked[2] = true;
  in_.panels[2].top = 600;
  EXPECT_EQ(Tops(), "215 215 600 677 ");
  in_.demo = true;
  EXPECT_EQ(Tops(), "215 215 600 614 ");
  in_.demo = false;
  in_.panels.pop_back();
  EXPECT_EQ(Tops(), "215 215 600 ");
}

TEST_F(Restack, ALowFirstPanelSendsTheColumnToMidWindowWhileItFits) {
  in_.panels = {{0, 300, 170, 320}, {854, 0, 170, 320}, {854, 0, 170, 75}, {854, 0, 170, 75}};
  in_.currentPlayer = 2;
  in_.screenHeight = 768;
  in_.workArea = {0, 0, 1024, 768};
  in_.mainWindow = {88, 40, 847, 400};
  EXPECT_EQ(Tops(), "300 260 582 659 ");
  in_.workArea = {0, 0, 1024, 700};  // the last no longer fits and stays
  EXPECT_EQ(Tops(), "300 260 582 0 ");
  in_.mainWindow.top = -300;  // never above the work area
  EXPECT_EQ(Tops(), "300 0 322 399 ");
  in_.currentPlayer = 1;
  in_.mainWindow.top = 40;
  in_.panels[1].height = 75;
  EXPECT_EQ(Tops(), "300 300 377 454 ");
}

TEST(PanelDragging, APanelStaysTwoPixelsInsideTheMainWindowBelowItsTitle) {
  const ScreenRect main{100, 50, 800, 600};
  const auto drag = [&](ScreenRect panel) {
    const ScreenPoint at = KeepPanelInMainWindow(panel, main, 80);
    return At({at.left, at.top});
  };
  EXPECT_EQ(drag({0, 0, 170, 320}), "102,80");
  EXPECT_EQ(drag({900, 500, 170, 320}), "728,328");
  EXPECT_EQ(drag({300, 200, 170, 75}), "300,200");
}

TEST(Lens, TheWheelChangesItTwentyPixelsANotchBetween120And300) {
  EXPECT_EQ(ResizedLens(120, 1), 140);
  EXPECT_EQ(ResizedLens(140, -1), 120);
  EXPECT_EQ(ResizedLens(120, -3), 120);
  EXPECT_EQ(ResizedLens(280, 5), 300);
  // a hand-edited size outside the limits comes back inside them
  EXPECT_EQ(ResizedLens(500, 0), 300);
}

}  // namespace
}  // namespace quorim
