#pragma once
// Where the start menu, the participant panels and the control panel stand on the main screen, and
// how a panel folds: pure geometry in pixels for the main window to apply.

#include "model/GameView.h"

#include <vector>

namespace quorim {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The start menu, in the main window's client coordinates. A caption label sizes itself to its
// text, so only its corner is given.
struct StartMenuLayout {
  ScreenRect background;  // MenuBgr
  bool backgroundAutoSize = true;
  ScreenRect newGame, loadGame, exit, continueGame;  // MenuButton1, 2, 3, 6
  ScreenPoint newGameTitle, loadGameTitle, exitTitle, continueTitle;
  ScreenRect lastPlayerTitle;  // ScreenButtonTitleLastPlayer
  bool continueShown = false;  // MenuButton6 and its caption
};

StartMenuLayout LayOutStartMenu(ScreenSize client, ScreenSize menuPicture, ScreenSize buttonPicture,
                                bool continueShown);

inline constexpr int kPanelWidth = 170;
inline constexpr int kCollapsedPanelHeight = 75;
inline constexpr int kControlPanelHeight = 320;  // RC_form

// 360 with a move-time or game-time limit, room for the clock under the rack.
int PlayerPanelHeight(bool timeLimit);

enum class PanelArrangement {
  Stacked,  // participant 1 left of the playfield, the others in one column right of it
  Spread,   // two columns right of the playfield in rows centred on the screen
  Raised,   // the main window at the work area's top, participants 2.. in a row under the playfield
};

// Everything in screen pixels; the main window is its frame.
struct PanelLayoutInput {
  int participants = 2;
  bool timeLimit = false;
  bool autoSpread = false;  // AutoSpreadPlayers
  bool maximized = false;   // maximised or full screen: panels follow the playfield picture
  ScreenRect mainWindow;
  ScreenRect playfield;  // the playfield picture
  ScreenSize screen;
  ScreenRect workArea;
};

struct PanelStart {
  ScreenRect place;  // height kCollapsedPanelHeight when collapsed
  bool collapsed = false;
};

struct PanelLayout {
  PanelArrangement arrangement = PanelArrangement::Stacked;
  int panelHeight = 320;
  std::vector<PanelStart> panels;  // participant 1 first
  ScreenRect controlPanel;
  // Moved to the work area's top when raised; taller (and in stacked mode wider) when panels
  // reach past it.
  ScreenRect mainWindow;
};

PanelLayout PlacePlayerPanels(const PanelLayoutInput& in);

// The movable parts of a panel, in panel coordinates.
struct PanelFace {
  int height = 0;
  bool avatarShown = true;
  ScreenPoint numberLabel;  // Pl<n>num
  int scorePlateTop = 0;    // Sc<n>Im
  int scoreLabelTop = 0;    // Sc<n>Label
  int arrowTop = 0;         // Arrow<n>
};

PanelFace PlayerPanelFace(int panelHeight, bool collapsed);

struct FoldRequest {
  int panel = 1;
  int participants = 2;
  bool collapse = true;  // false: expand
  bool byClick = false;  // the panel's MinButt; otherwise the turn change asks
  bool locked = false;
  bool demo = false;
};

// Whether collapsing or expanding a panel takes place.
bool FoldActs(const FoldRequest& request);

struct RestackInput {
  std::vector<ScreenRect> panels;  // current places and heights, participant 1 first
  std::vector<bool> locked;
  int currentPlayer = 1;
  bool demo = false;
  int screenHeight = 0;
  ScreenRect workArea;
  ScreenRect mainWindow;
};

// The panels' places after a turn change; unchanged with three participants or fewer, in a demo
// game, and for participant 1's and every locked panel.
std::vector<ScreenRect> RestackPlayerPanels(const RestackInput& in);

// The top-left corner a dragged panel may take: 2 px inside the main window's frame, below the
// top of its client area.
ScreenPoint KeepPanelInMainWindow(ScreenRect panel, ScreenRect mainWindow, int clientTop);

// The magnifying lens: a square between 120 and 300 px that the wheel changes 20 px a notch.
inline constexpr int kMinLensSize = 120;
inline constexpr int kMaxLensSize = 300;
int ResizedLens(int size, int notches);
// How much opacity (of 255) the lens gains per repaint while it fades in.
inline int LensFadeStep(int size) {
  return size / 130 + 3;
}

// Slot 1..7 of a rack whose picture stands at the point: four tiles above, three below shifted by
// half a tile.
ScreenPoint RackSlotPlace(ScreenPoint rackPicture, int slot);

// The board picture of a playfield of dimX x dimY cells: 18 px margins at the top and left, the
// frame at the right and bottom.
ScreenSize BoardPictureSize(int dimX, int dimY);
// Where the board picture stands in a client area: centred, never above or left of its corner.
ScreenPoint BoardPlace(ScreenSize client, ScreenSize board);

// The places a flying tile passes, the target last: 25 px steps along the longer axis, the other
// following the straight line.
std::vector<ScreenPoint> FlightPath(ScreenPoint from, ScreenPoint to);

}  // namespace quorim
