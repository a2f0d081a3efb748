#include "flow/ScreenLayout.h"

#include <algorithm>
#include <cstdlib>

namespace quorim {

namespace {

constexpr int kPlayfieldGap = 5;  // between the playfield (or window) and a panel
constexpr int kStackGap = 2;      // between stacked panels
constexpr int kAvatarTop = 30;
constexpr int kAvatarHeight = 122;

// The least move that brings [low, high) into [areaLow, areaHigh); a span longer than the area
// keeps to the area's start.
int ShiftInto(int low, int high, int areaLow, int areaHigh) {
  int shift = high > areaHigh ? areaHigh - high : 0;
  if (low + shift < areaLow) shift = areaLow - low;
  return shift;
}

// Moves a group of panels together, so that panels that belong side by side stay so.
void KeepInside(const std::vector<ScreenRect*>& group, const ScreenRect& area) {
  if (group.empty()) return;
  int left = group[0]->left, top = group[0]->top;
  int right = group[0]->Right(), bottom = group[0]->Bottom();
  for (const ScreenRect* place : group) {
    left = std::min(left, place->left);
    top = std::min(top, place->top);
    right = std::max(right, place->Right());
    bottom = std::max(bottom, place->Bottom());
  }
  const int dx = ShiftInto(left, right, area.left, area.Right());
  const int dy = ShiftInto(top, bottom, area.top, area.Bottom());
  for (ScreenRect* place : group) {
    place->left += dx;
    place->top += dy;
  }
}

PanelArrangement ChooseArrangement(const PanelLayoutInput& in, int n, int h) {
  if (!in.autoSpread || n <= 3) return PanelArrangement::Stacked;
  const int width = in.screen.width;
  const int height = in.screen.height;
  const int rows = (n == 8 ? n - 1 : n) / 2;
  PanelArrangement arrangement = PanelArrangement::Spread;
  if (height + 5 < rows * h && height + 20 < in.mainWindow.height + h) {
    arrangement = PanelArrangement::Stacked;
  } else if (in.mainWindow.Right() > width - 2 * kPanelWidth &&
             width < in.playfield.width + 3 * kPanelWidth) {
    // No room for two columns on the right: under the playfield if a panel fits there.
    arrangement = height + 20 < in.playfield.height + h ? PanelArrangement::Stacked
                                                        : PanelArrangement::Raised;
  }
  if (n == 8 && width < 1280) arrangement = PanelArrangement::Stacked;
  if (in.timeLimit && n >= 6 && width <= 1280) arrangement = PanelArrangement::Stacked;
  if (in.timeLimit && arrangement == PanelArrangement::Raised && width <= 1280)
    arrangement = PanelArrangement::Stacked;
  return arrangement;
}

}  // namespace

StartMenuLayout LayOutStartMenu(ScreenSize client, ScreenSize menuPicture, ScreenSize buttonPicture,
                                bool continueShown) {
  StartMenuLayout menu;
  menu.continueShown = continueShown;
  ScreenRect& background = menu.background;
  background = {(client.width - menuPicture.width) / 2 + 5,
                (client.height - menuPicture.height) / 2 - 5, menuPicture.width,
                menuPicture.height};

  const ScreenRect first{background.left + (background.width - buttonPicture.width) / 2 - 5,
                         background.top + 120, buttonPicture.width, buttonPicture.height};
  const auto below = [](ScreenRect face, int distance) {
    face.top += distance;
    return face;
  };
  const auto title = [](const ScreenRect& face) {
    return ScreenPoint{face.left + 11, face.top + 6};
  };
  menu.newGame = first;
  menu.loadGame = below(first, 35);
  menu.exit = below(first, 70);
  menu.continueGame = below(menu.exit, 59);
  menu.newGameTitle = title(menu.newGame);
  menu.loadGameTitle = title(menu.loadGame);
  menu.exitTitle = title(menu.exit);
  menu.continueTitle = title(menu.continueGame);
  menu.lastPlayerTitle = {background.left + 10, background.top + 73, background.width - 30, 50};

  if (!continueShown) {
    // Only the background changes: its picture, unscaled, loses its bottom 58 px and moves down 28.
    menu.backgroundAutoSize = false;
    background.height -= 58;
    background.top += 28;
  }
  return menu;
}

int PlayerPanelHeight(bool timeLimit) {
  return timeLimit ? 360 : 320;
}

PanelLayout PlacePlayerPanels(const PanelLayoutInput& in) {
  const int n = std::clamp(in.participants, 2, 8);
  const int h = PlayerPanelHeight(in.timeLimit);
  PanelLayout out;
  out.panelHeight = h;
  out.arrangement = ChooseArrangement(in, n, h);
  out.mainWindow = in.mainWindow;
  ScreenRect r = in.maximized ? in.playfield : in.mainWindow;
  if (out.arrangement == PanelArrangement::Raised) {
    const int rise = in.workArea.top - in.mainWindow.top;
    out.mainWindow.top += rise;
    r.top += rise;
  }

  // A normal window too near a screen edge for the columns beside it moves over when the work
  // area holds it with both: columns moved in on their own would cover the board.
  if (!in.maximized && out.arrangement != PanelArrangement::Raised) {
    const int rightWidth =
        out.arrangement == PanelArrangement::Spread ? 2 * kPanelWidth : kPanelWidth;
    const int lowest = in.workArea.left + kPanelWidth + kPlayfieldGap;
    const int highest = in.workArea.Right() - kPlayfieldGap - rightWidth - r.width;
    if (lowest <= highest) {
      const int left = std::clamp(r.left, lowest, highest);
      out.mainWindow.left += left - r.left;
      r.left = left;
    }
  }

  out.panels.resize(n);
  const auto place = [&](int k, int left, int top) {
    PanelStart& panel = out.panels[k - 1];
    panel.place = {left, top, kPanelWidth, panel.collapsed ? kCollapsedPanelHeight : h};
  };
  const auto bottomOf = [&](int k) { return out.panels[k - 1].place.Bottom(); };
  const int leftColumn = r.left - kPlayfieldGap - kPanelWidth;
  const int rightColumn = r.Right() + kPlayfieldGap;
  int leftCount = 1;  // panels in the column of participant 1, the control panel under them

  switch (out.arrangement) {
    case PanelArrangement::Stacked: {
      int top = r.top;
      if (in.workArea.Bottom() < r.top + h + 338) top = in.workArea.Bottom() - h - 302;
      for (int k = 2; k <= n; ++k) out.panels[k - 1].collapsed = n > 3;
      place(1, leftColumn, top);
      place(2, rightColumn, top);
      for (int k = 3; k <= n; ++k) place(k, rightColumn, bottomOf(k - 1) + kStackGap);
      break;
    }
    case PanelArrangement::Spread: {
      leftCount = n == 8 ? 2 : 1;
      const int rows = (n - leftCount + 1) / 2;
      // Participant 1's column starts level with the first row.
      const int top = (in.screen.height - rows * h) / 2 + (n < 6 ? 32 : 0);
      place(1, leftColumn, top);
      if (n == 8) place(2, leftColumn, bottomOf(1) + kStackGap);
      for (int k = leftCount + 1, i = 0; k <= n; ++k, ++i)
        place(k, rightColumn + i % 2 * kPanelWidth, top + i / 2 * h);
      break;
    }
    case PanelArrangement::Raised:
      place(1, leftColumn, r.Bottom() - h);
      for (int k = 2; k <= n; ++k) place(k, leftColumn + (k - 1) * kPanelWidth, r.Bottom());
      break;
  }
  out.controlPanel = {out.panels[0].place.left, bottomOf(leftCount) + 1, kPanelWidth,
                      kControlPanelHeight};

  // Off the work area, each column (or the row) moves in as a whole; what still sticks out, on
  // a screen too small for the group, moves in on its own.
  std::vector<ScreenRect*> leftGroup{&out.controlPanel};
  std::vector<ScreenRect*> otherGroup;
  for (int k = 1; k <= n; ++k)
    (k <= leftCount ? leftGroup : otherGroup).push_back(&out.panels[k - 1].place);
  KeepInside(leftGroup, in.workArea);
  KeepInside(otherGroup, in.workArea);
  for (ScreenRect* place : leftGroup) KeepInside({place}, in.workArea);
  for (ScreenRect* place : otherGroup) KeepInside({place}, in.workArea);

  int lowest = 0;
  for (const PanelStart& panel : out.panels) lowest = std::max(lowest, panel.place.Bottom());
  const int controlBottom = out.controlPanel.Bottom();
  if (std::max(lowest, controlBottom) > out.mainWindow.Bottom())
    out.mainWindow.height = std::max(lowest + 10, controlBottom + 5) - out.mainWindow.top;
  if (out.arrangement == PanelArrangement::Stacked) {
    const int reach = out.panels[1].place.Right();
    if (reach > out.mainWindow.Right()) out.mainWindow.width = reach - out.mainWindow.left;
  }
  return out;
}

PanelFace PlayerPanelFace(int panelHeight, bool collapsed) {
  const int numberLeft = kPanelWidth - 23;
  if (collapsed) return {kCollapsedPanelHeight, false, {numberLeft, 44}, 27, 34, 5};
  const int plate = kAvatarTop + kAvatarHeight + 7;
  return {panelHeight, true, {numberLeft, panelHeight - 35}, plate, plate + 7, kAvatarTop + 95};
}

bool FoldActs(const FoldRequest& request) {
  if (request.byClick) return true;
  if (request.panel == 1 || request.locked) return false;
  return request.participants > 3 || (request.collapse && request.demo);
}

std::vector<ScreenRect> RestackPlayerPanels(const RestackInput& in) {
  std::vector<ScreenRect> places = in.panels;
  const int n = static_cast<int>(places.size());
  if (n <= 3 || in.demo) return places;
  const auto locked = [&](int k) {
    return k <= static_cast<int>(in.locked.size()) && in.locked[k - 1];
  };

  const ScreenRect& first = places[0];
  int top = first.top;
  // When the column cannot reach down from participant 1's level, it starts mid-window.
  if (in.screenHeight < n * kCollapsedPanelHeight + first.height + first.top - 150 &&
      in.currentPlayer != 1)
    top = in.mainWindow.top + in.mainWindow.height / 2 + 20;
  for (int k = 2; k <= n; ++k) {
    if (k > 2) top = places[k - 2].Bottom() + kStackGap;
    top = std::max(top, in.workArea.top);
    ScreenRect& panel = places[k - 1];
    if (!locked(k) && top + panel.height <= in.workArea.Bottom()) panel.top = top;
  }
  return places;
}

ScreenPoint KeepPanelInMainWindow(ScreenRect panel, ScreenRect mainWindow, int clientTop) {
  const int left =
      std::max(std::min(panel.left, mainWindow.Right() - 2 - panel.width), mainWindow.left + 2);
  const int top = std::max(std::min(panel.top, mainWindow.Bottom() - 2 - panel.height), clientTop);
  return {left, top};
}

int ResizedLens(int size, int notches) {
  constexpr int kStep = 20;
  return std::clamp(size + notches * kStep, kMinLensSize, kMaxLensSize);
}

ScreenPoint RackSlotPlace(ScreenPoint rackPicture, int slot) {
  if (slot <= 4) return {rackPicture.left + 20 + (slot - 1) * 28, rackPicture.top + 14};
  return {rackPicture.left + 34 + (slot - 5) * 28, rackPicture.top + 42};
}

ScreenSize BoardPictureSize(int dimX, int dimY) {
  return {28 * dimX + 32, 28 * dimY + 32};
}

ScreenPoint BoardPlace(ScreenSize client, ScreenSize board) {
  return {std::max(0, (client.width - board.width) / 2),
          std::max(0, (client.height - board.height) / 2)};
}

std::vector<ScreenPoint> FlightPath(ScreenPoint from, ScreenPoint to) {
  constexpr int kStep = 25;
  const int dx = to.left - from.left;
  const int dy = to.top - from.top;
  const int steps = std::max(1, (std::max(std::abs(dx), std::abs(dy)) + kStep - 1) / kStep);
  std::vector<ScreenPoint> path;
  path.reserve(static_cast<std::size_t>(steps));
  for (int i = 1; i <= steps; ++i)
    path.push_back({from.left + dx * i / steps, from.top + dy * i / steps});
  return path;
}

}  // namespace quorim
