#include "media/SkinCatalogue.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quorim {

namespace {

// Where a window gives no size, the figure is ours and the comment says what it has to fit.
constexpr std::array kPictures = std::to_array<SkinPictureSize>({
    // Start menu: four faces 35 px apart from top +120, the fourth 59 px below the third.
    {"menu", 320, 330},
    {"menubutt", 200, 30},
    // Main window background, drawn unscaled or stretched when the window is larger.
    {"background", 1280, 1024},
    // Backdrop of the 170 px wide panels, as tall as the tallest panel.
    {"quorim", 170, 360},
    // Control panel: exchange at (23, 50) and Go beside it, the pair centred on the panel.
    {"Go!_1", 62, 56},
    {"Go!_1p", 62, 56},
    {"Cng!_1", 62, 56},
    {"Cng!_1p", 62, 56},
    // Hint at (45, 120), preview at (95, 120).
    {"HintBut1", 44, 44},
    {"HintBut2", 44, 44},
    {"PrevBut1", 44, 44},
    {"PrevBut2", 44, 44},
    // Options, save, load and information at left 15, 52, 90, 126, top 180.
    {"i-button", 32, 32},
    {"o-button", 32, 32},
    {"s-button", 32, 32},
    {"l-button", 32, 32},
    // Maker's logo at (15, 280) of the 320 px control panel.
    {"logo_hl", 140, 32},
    {"logo_sh", 140, 32},
    // Scanning markers at both ends of a board row, one cell high.
    {"Marker1", 16, 28},
    // Cells, drawn 28 px apart.
    {"spot-0", 28, 28},
    {"spot-wt", 28, 28},
    {"spot-gr", 28, 28},
    {"spot-bl", 28, 28},
    {"spot-yl", 28, 28},
    {"spot-rd", 28, 28},
    {"spot-bk", 28, 28},
    // Board frame in the 18 px margins (the outer 4 px of the bottom and right ones fall off the
    // board picture): three corners, the bottom edge per cell, the right edge per cell.
    {"border", 18, 18},
    {"border-h", 28, 18},
    {"border-v", 18, 28},
    // Tile faces, one pixel inside their cell.
    {"cap", 26, 26},
    {"cap_uni", 26, 26},
    // Score plates: the 49 x 21 score stands 7 px below the plate's top.
    {"ScrG1", 110, 35},
    {"ScrG2", 110, 35},
    {"ScrM1", 110, 35},
    {"ScrM2", 110, 35},
    // Racks: slots 1-4 at (20 + 28 i, 14), slots 5-7 at (34 + 28 i, 42), tiles 26 x 26.
    {"slot7ch1", 150, 82},
    {"slot7ch2", 150, 82},
    // Clock plate: the 64 x 23 clock stands 9 px below its top.
    {"timet1", 90, 40},
    // Explanation window (347 px wide, top and bottom 30 rows kept) and the tiled panel strip.
    {"epanbgr", 347, 0},
    // Copy button of the explanation window at (310, 22).
    {"copy", 24, 24},
    // The magnifying lens's frame at its smallest size; its top and bottom 30 rows are kept and
    // the middle is stretched to the lens's size, so the magnified view shows through the magenta.
    {"lens", 120, 120},
    // The five option buttons of the new game window.
    {"edit_opt", 22, 22},
    {"edit_op2", 22, 22},
    // Window backgrounds at the windows' client sizes.
    {"newgame", 335, 407},
    {"ErrorWin", 317, 128},
    {"QuestWin", 317, 128},
    {"savegame", 308, 199},
    {"starwin", 205, 216},
    {"bonuswin", 205, 339},
    // Game over: the winner's 119 x 122 picture at (20, 86) and the OK button below the text.
    {"gameover", 400, 260},
    // Hall of fame: leader at (120, 27), the seventh entry's bar at 7 x 24 + 192.
    {"HallFame", 340, 440},
});

constexpr std::array kAnimations = std::to_array<SkinPictureSize>({
    // Message, question, new game and save window buttons, 33 x 33. "S_Button" and "x_button"
    // differ from "s_button" and "X_Button" only in letter case, which paths do not tell apart.
    {"E_Button", 33, 33},
    {"V_Button", 33, 33},
    {"X_Button", 33, 33},
    {"x_button", 33, 33},
    {"s_button", 33, 33},
    {"S_Button", 33, 33},
    // Star and game-over window buttons, at their own size.
    {"Z_button", 0, 0},
    {"G_Button", 0, 0},
    // Active participant's arrow and the explosion over exchanged tiles.
    {"Arrow_right", 0, 0},
    {"explosio", 0, 0},
    // Save and load window: the safe and the three slots, each at its own size.
    {"safe1", 0, 0},
    {"slslot1", 0, 0},
    {"slslot2", 0, 0},
    {"slslot3", 0, 0},
    // Game-over window.
    {"goblur", 0, 0},
    {"gowave", 0, 0},
});

constexpr std::array kClassicOnly = std::to_array<SkinPictureSize>({
    // Splash and about windows, 300 x 296, shaped by their magenta outside.
    {"Q-Logo.bmp", 300, 296},
    {"about.bmp", 300, 296},
    // Hall of fame stars: the frames in one row.
    {"starflsh.bmp", kStarFlashFrameSize* kStarFlashFrames, kStarFlashFrameSize},
});

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

std::span<const SkinPictureSize> SkinPictureCatalogue() {
  return kPictures;
}

std::span<const SkinPictureSize> SkinAnimationCatalogue() {
  return kAnimations;
}

std::span<const SkinPictureSize> ClassicOnlyPictures() {
  return kClassicOnly;
}

const SkinPictureSize* FindSkinPicture(std::span<const SkinPictureSize> list,
                                       std::string_view name) {
  // The exact spelling first: "S_Button" and "s_button" are both names.
  auto found = std::ranges::find(list, name, &SkinPictureSize::name);
  if (found == list.end()) {
    found = std::ranges::find_if(
        list, [name](const SkinPictureSize& p) { return SameName(p.name, name); });
  }
  return found == list.end() ? nullptr : &*found;
}

}  // namespace quorim
