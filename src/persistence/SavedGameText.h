#pragma once
// The text of a saved game: the set-up, the participants, the places of the windows, the move
// record and the frames of the free word placement, as key=value lines in three or four sections.
// Letters of the game are 8-bit text of the dictionary language's code page, names of the
// interface language's; on disk everything is Unicode.

#include "model/GameView.h"
#include "model/Players.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorim {

// A participant panel as saved: its place, whether it is folded, its help context (666: pinned).
struct TSavedPanel {
  int place = 0;  // (screen width - left) x 10000 + (screen height - top)
  bool folded = false;
  int helpContext = 0;
};

// A selection frame as drawn: pixels relative to the main window, the pen's colour, the direction.
struct TSavedShape {
  int left = 0;
  int top = 0;
  int penColor = 0;
  int width = 0;
  int height = 0;
  std::uint8_t direction = kHorizontal;
};

struct TSavedSelections {
  std::vector<TSavedShape> shapes;
  std::string selectMap;  // one digit per cell with the border ring, x outer, y inner
};

struct TSavedGame {
  QString saveDate;
  QString saveTime;
  QString info;  // "#" stands for a line break
  int opponent = 0;
  int intellect = 2;
  int dimX = 15;
  int dimY = 15;
  QString templateName;              // empty: a random layout
  std::string playField;             // the layout string
  std::string letters;               // the bag string as filled at the start
  std::optional<int> mainFormPlace;  // absent while the main window is maximised
  int controlFormPlace = 0;
  QString language;
  QString explanationLanguage;
  int hintLimit = 5;
  std::string limits;
  std::optional<QString> moveTime;  // "m:s" of the clocks at saving
  std::optional<QString> gameTime;
  bool keepBonuses = false;
  std::optional<bool> fullScreen;
  std::vector<TPlayer> players;  // Score is the saved field's, never used as a score
  std::vector<TSavedPanel> panels;
  std::vector<std::string> moveLines;
  std::optional<TSavedSelections> selections;
};

// The text's lines. Names are converted with nameCodePage, letters and move lines with
// letterCodePage.
QStringList SavedGameLines(const TSavedGame& saved, int nameCodePage, int letterCodePage);

// The language the text's letters are in, to find their code page before reading them.
QString SavedGameLanguage(const QStringList& lines);

// Reads a saved game's lines; refusal says why a text cannot be a game (a key missing, a number
// unreadable, dimensions out of range, layout or bag strings of the wrong length, no participants
// or no moves). Selections that cannot be read are left out; the game loads without them.
std::optional<TSavedGame> ParseSavedGame(const QStringList& lines, int nameCodePage,
                                         int letterCodePage, QString& refusal);

// The summary shown for a saved game: participants, scores, field and the three information lines.
QString SavedGameSummary(const std::vector<int>& scores, int dimX, int dimY,
                         const QString& templateName, const QStringList& comments);

// A place on the screen as saved: its distances from the right and bottom edges.
int EncodeScreenPlace(int screenWidth, int screenHeight, int left, int top);
ScreenPoint DecodeScreenPlace(int screenWidth, int screenHeight, int place);

}  // namespace quorim
