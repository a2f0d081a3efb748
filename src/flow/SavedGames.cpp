#include "flow/SavedGames.h"

#include "flow/Clocks.h"
#include "flow/GameScreen.h"
#include "flow/MoveLineReader.h"
#include "flow/StartUp.h"
#include "media/Colors.h"
#include "media/TextFiles.h"
#include "model/Bag.h"
#include "model/ControlNames.h"
#include "model/Layouts.h"
#include "model/MoveLineFormat.h"
#include "model/MoveTokens.h"
#include "model/Participants.h"
#include "model/Racks.h"
#include "persistence/KeyedText.h"
#include "persistence/SaveArchive.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

namespace quorim {

namespace {

QString ClockValue(const Game& game) {
  return QString::number(game.ClockMinutes) + u':' + QString::number(game.ClockSeconds);
}

std::vector<int> Scores(const Game& game) {
  std::vector<int> scores;
  for (int player = 1; player <= game.PlayerCount(); ++player)
    scores.push_back(game.Players[player].Score);
  return scores;
}

QString Summary(const Game& game) {
  QStringList comments;
  for (const QString& name : {names::Comment1, names::Comment2, names::Comment3})
    comments << game.View().Control(name).caption;
  return SavedGameSummary(Scores(game), game.PlayField.DimX(), game.PlayField.DimY(),
                          game.Settings.LastTemplate, comments);
}

void TakeWindowPlaces(const Game& game, TSavedGame& saved) {
  const WindowPlaces places = game.View().CurrentWindowPlaces();
  const auto encode = [&places](ScreenPoint at) {
    return EncodeScreenPlace(places.screenWidth, places.screenHeight, at.left, at.top);
  };
  if (places.mainWindow) saved.mainFormPlace = encode(*places.mainWindow);
  if (places.playForm) saved.controlFormPlace = encode(*places.playForm);
  for (const PanelPlace& panel : places.panels)
    saved.panels.push_back({encode(panel.at), panel.folded, panel.helpContext});
}

std::optional<TSavedSelections> VisibleSelections(const Game& game) {
  if (game.CurrentKind != kHuman) return std::nullopt;
  TSavedSelections selections;
  const ScreenRect board = game.View().BoardPicture();
  for (const TSelectionFrame& frame : game.SelectionFrames) {
    if (!frame.Visible) continue;
    const FramePixels pixels = PixelsOfFrame(frame, board.left, board.top);
    const bool across = frame.Direction == kHorizontal;
    const int color = game.View().SkinColor(across ? skincolors::HorizontalSelection
                                                   : skincolors::VerticalSelection);
    selections.shapes.push_back({pixels.left, pixels.top, color, pixels.right - pixels.left,
                                 pixels.bottom - pixels.top, frame.Direction});
  }
  if (selections.shapes.empty()) return std::nullopt;
  const TPlayField& field = game.PlayField;
  for (int x = 0; x <= field.DimX() + 1; ++x) {
    for (int y = 0; y <= field.DimY() + 1; ++y)
      selections.selectMap += static_cast<char>('0' + field.SelectionMark(x, y) % 10);
  }
  return selections;
}

// The record as the file keeps it: the live line gets the clock and the pending letters, the
// copy the hints and a drawing in progress.
std::vector<std::string> SavedMoveLines(Game& game) {
  if (game.MoveClockOn()) RecordClockForSave(game, "MTIME:");
  if (game.GameClockOn()) RecordClockForSave(game, "ETIME:");
  RecordPendingLettersForSave(game);
  const auto& record = game.MoveLog.Lines();
  std::vector<std::string> lines(record.size() > 2 ? record.begin() + 2 : record.end(),
                                 record.end());
  // the computer's unfinished move is not saved; the replay lets him move again
  if (game.ComputerMoveRunning && !lines.empty()) lines.pop_back();
  if (lines.empty()) return lines;
  std::string& last = lines.back();
  if (game.HintUsedThisMove && last.find("WORDS:") == std::string::npos)
    last += HelpedToken(game.HintList);
  if (game.TurnPhase == TTurnPhase::DrawPhase && last.find("SLOT:") == std::string::npos &&
      game.IsPlayer(game.CurrentPlayer))
    last += "SLOT:" + RackEntries(game, game.CurrentPlayer);
  return lines;
}

TSavedGame SavedGameOf(Game& game) {
  const Settings& settings = game.Settings;
  TSavedGame saved;
  const QLocale locale = QLocale::system();
  saved.saveDate = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
  saved.saveTime = locale.toString(QTime::currentTime(), QLocale::ShortFormat);
  saved.info = Summary(game);
  saved.opponent = game.CurrentKind;
  saved.intellect = game.Intellect;
  saved.dimX = game.PlayField.DimX();
  saved.dimY = game.PlayField.DimY();
  saved.templateName = settings.LastTemplate;
  const auto& record = game.MoveLog.Lines();
  saved.playField = record.size() > 0 ? record[0] : LayoutString(game.PlayField);
  saved.letters = record.size() > 1 ? record[1] : BagString(game);
  TakeWindowPlaces(game, saved);
  saved.language = settings.DictionaryLang;
  saved.explanationLanguage = settings.ExplanatoryLang;
  saved.hintLimit = game.HintLimit;
  saved.limits = game.Limits;
  if (game.MoveClockOn()) saved.moveTime = ClockValue(game);
  if (game.GameClockOn()) saved.gameTime = ClockValue(game);
  saved.keepBonuses = settings.KeepBonuses;
  saved.fullScreen = settings.FullScreen;
  for (int player = 1; player <= game.PlayerCount(); ++player)
    saved.players.push_back(game.Players[player]);
  if (game.MoveLog.Exists()) saved.moveLines = SavedMoveLines(game);
  saved.selections = VisibleSelections(game);
  return saved;
}

// Every bag letter must be one of the language's letters or its star.
bool BagLettersKnown(const TSavedGame& saved, const Alphabet& alphabet) {
  for (std::size_t i = 0; i < saved.letters.size(); i += 2) {
    const char letter = saved.letters[i];
    if (letter != ' ' && alphabet.LetterIndex(letter) < 0) return false;
  }
  return true;
}

// The record ends at its first line that names no participant of the game.
void CutAtUnreadableLine(TSavedGame& saved) {
  const auto count = static_cast<int>(saved.players.size());
  for (std::size_t i = 0; i < saved.moveLines.size(); ++i) {
    const auto line = ParseMoveLine(saved.moveLines[i]);
    if (!line || line->Participant < 1 || line->Participant > count) {
      saved.moveLines.resize(i);
      return;
    }
  }
}

void ReleaseRunningGame(Game& game) {
  game.View().ReleaseGameScreen();
  game.ClearSelections();
  game.HintList.clear();
  game.MoveWords.clear();
  game.TileTable.clear();
  game.MoveLog.Start();
}

void LayOutSavedField(Game& game, const TSavedGame& saved) {
  TPlayField& field = game.PlayField;
  field.Allocate(saved.dimX, saved.dimY);
  InitPlayFieldCells(field, kCellEmptyPlace);
  std::size_t k = 0;
  for (int y = 1; y <= saved.dimY; ++y) {
    for (int x = 1; x <= saved.dimX; ++x, ++k) {
      field(x, y).Kind = static_cast<std::uint8_t>(saved.playField[k] - '0');
      field(x, y).BagLetter = saved.letters[2 * k];
    }
  }
  game.Settings.PlayFieldDimX = static_cast<std::uint8_t>(saved.dimX);
  game.Settings.PlayFieldDimY = static_cast<std::uint8_t>(saved.dimY);
  game.Settings.LastTemplate = saved.templateName;
}

// Window places are only taken back in the screen mode they were saved in.
void RestoreWindowPlaces(Game& game, const TSavedGame& saved) {
  if (!saved.fullScreen || *saved.fullScreen != game.Settings.FullScreen) return;
  WindowPlaces places = game.View().CurrentWindowPlaces();
  const auto decode = [&places](int place) {
    return DecodeScreenPlace(places.screenWidth, places.screenHeight, place);
  };
  places.mainWindow =
      saved.mainFormPlace ? std::optional(decode(*saved.mainFormPlace)) : std::nullopt;
  places.playForm = decode(saved.controlFormPlace);
  places.panels.clear();
  for (const TSavedPanel& panel : saved.panels)
    places.panels.push_back({decode(panel.place), panel.folded, panel.helpContext});
  game.View().RestoreWindowPlaces(places);
}

// The reload of a save that was loaded before keeps the clocks as they run now: loading again
// gives no time back.
bool TakesSavedClocks(Game& game, const TSavedGame& saved) {
  const QString clock = saved.gameTime ? *saved.gameTime : saved.moveTime.value_or(QString());
  const QString& remembered = game.LoadedClockText;
  if (!remembered.isEmpty() && (remembered == saved.gameTime || remembered == saved.moveTime))
    return false;
  game.LoadedClockText = clock;
  return true;
}

void RestoreSelections(Game& game, const TSavedSelections& selections) {
  TPlayField& field = game.PlayField;
  std::size_t k = 0;
  for (int x = 0; x <= field.DimX() + 1; ++x) {
    for (int y = 0; y <= field.DimY() + 1; ++y)
      field.SelectionMark(x, y) = static_cast<std::uint8_t>(selections.selectMap[k++] - '0');
  }
  const ScreenRect board = game.View().BoardPicture();
  for (const TSavedShape& shape : selections.shapes) {
    const FramePixels pixels{shape.left, shape.top, shape.left + shape.width,
                             shape.top + shape.height};
    TSelectionFrame frame = FrameFromPixels(shape.direction, pixels, board.left, board.top);
    game.SelectionFrames.push_back(frame);
    game.View().AddSelectionFrame(frame);
  }
}

// The participant of the last line is on turn, still taking letters while he may; once his
// line holds a move or a rack, the turn has passed on, to someone who takes letters first when
// the game was saved in the middle of the deal.
void ChooseParticipantOnTurn(Game& game, const TMoveLineReplay& last) {
  game.CurrentPlayer = last.Participant;
  if (MayDrawMore(game, game.CurrentPlayer) && !last.HadPlayground) {
    game.TurnPhase = TTurnPhase::DrawPhase;
  } else if (last.HadWords || last.HadSlot) {
    game.CurrentPlayer = game.CurrentPlayer % game.PlayerCount() + 1;
    game.TurnPhase =
        MayDrawMore(game, game.CurrentPlayer) ? TTurnPhase::DrawPhase : TTurnPhase::MovePhase;
  } else {
    game.TurnPhase = TTurnPhase::MovePhase;
  }
  game.CurrentKind = game.Players[game.CurrentPlayer].Kind;
}

}  // namespace

QString SavedGamePath(const Game& game, int slot) {
  const QString number = QString::number(game.Players[1].SaveNumber);
  const QString file = slot == kLastGameSlot ? QStringLiteral("save\\savelast.") + number
                                             : QStringLiteral("save\\save") + number +
                                                   QStringLiteral(".00") + QString::number(slot);
  return game.Data.Resolve(file);
}

bool WriteSavedGame(Game& game, const QString& path) {
  const TSavedGame saved = SavedGameOf(game);
  const QStringList lines =
      SavedGameLines(saved, game.InterfaceCodePage(), game.DictionaryCodePage());
  return PackSavedText(path, Utf8TextBytes(lines));
}

void SaveGame(Game& game, int slot) {
  ShowBoardTiles(game);
  const QString path = SavedGamePath(game, slot);
  QDir().mkpath(QFileInfo(path).absolutePath());
  WriteSavedGame(game, path);
}

std::optional<QStringList> UnpackSavedGame(const QString& path) {
  const auto text = UnpackSavedText(path);
  if (!text) return std::nullopt;
  return Utf8TextLines(*text);
}

std::optional<TSavedGame> ReadSavedGame(const Game& game, const QString& path, QString& refusal) {
  const auto lines = UnpackSavedGame(path);
  if (!lines) {
    refusal = LooksLikeArchive(path)
                  ? QStringLiteral("the archive cannot be opened with the game's password")
                  : QStringLiteral("the file is no saved game");
    return std::nullopt;
  }
  const QString language = SavedGameLanguage(*lines);
  const int letterCodePage = game.LanguageCodePage(language);
  auto saved = ParseSavedGame(*lines, game.InterfaceCodePage(), letterCodePage, refusal);
  if (!saved) return std::nullopt;

  Alphabet alphabet = game.Alphabet;
  if (language != game.Settings.DictionaryLang &&
      LoadAlphabet(alphabet, {game.Data, language, letterCodePage})) {
    refusal = QStringLiteral("the language %1 is not installed").arg(language);
    return std::nullopt;
  }
  if (!BagLettersKnown(*saved, alphabet)) {
    refusal = QStringLiteral("the bag holds letters the language %1 has not").arg(language);
    return std::nullopt;
  }
  CutAtUnreadableLine(*saved);
  if (saved->moveLines.empty()) {
    refusal = QStringLiteral("the first move line names no participant of the game");
    return std::nullopt;
  }
  return saved;
}

void LoadGame(Game& game, const TSavedGame& saved) {
  GameView& view = game.View();
  game.LoadingGame = true;
  if (!game.GameRunning) ShowTitleScreen(game, false);
  game.SetGameOver(true);
  const bool sounds = game.Settings.PlaySounds;
  game.Settings.PlaySounds = false;
  ReleaseRunningGame(game);

  Settings& settings = game.Settings;
  game.CurrentKind = static_cast<std::uint8_t>(saved.opponent);
  game.Intellect = static_cast<std::uint8_t>(saved.intellect);
  if (saved.language != settings.DictionaryLang) {
    settings.DictionaryLang = saved.language;
    LoadDictionaryLanguage(game);
  }
  if (!saved.explanationLanguage.isEmpty()) settings.ExplanatoryLang = saved.explanationLanguage;
  game.HintLimit = static_cast<std::uint8_t>(saved.hintLimit);
  settings.KeepBonuses = saved.keepBonuses;
  game.Limits = saved.limits;
  const bool restoreClocks = TakesSavedClocks(game, saved);

  game.SetPlayerCount(static_cast<int>(saved.players.size()));
  for (int player = 1; player <= game.PlayerCount(); ++player)
    game.Players[player] = saved.players[static_cast<std::size_t>(player - 1)];
  ClearParticipantsForGame(game);
  LayOutSavedField(game, saved);
  BuildPlayField(game, QLatin1String(kSavedLayout));
  view.BuildGameScreen();
  RestoreWindowPlaces(game, saved);
  FillBag(game);

  game.FirstMove = true;
  game.HintsLeft = game.HintLimit;
  game.HintUsedThisMove = false;
  TMoveLineReplay last;
  for (const std::string& line : saved.moveLines) {
    const TMoveLineReplay replayed = ReplayMoveLine(game, line, restoreClocks);
    if (!replayed.Read) break;
    last = replayed;
  }
  for (int player = 1; player <= game.PlayerCount(); ++player)
    game.Players[player].ExchangeRun =
        saved.players[static_cast<std::size_t>(player - 1)].ExchangeRun;
  if (saved.selections) RestoreSelections(game, *saved.selections);

  game.MoveWords.clear();
  game.HighlightedPlayer = 0;  // the new panels show no turn yet
  CountBagLetters(game);
  ChooseParticipantOnTurn(game, last);

  TakeRackSnapshot(game, game.CurrentPlayer);
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    view.SetControlCaption(names::ScLabel(player), QString::number(game.Players[player].Score));
  }
  game.GameRunning = true;
  game.LoadingGame = false;
  game.Settings.PlaySounds = sounds;
  SetScreenCursor(game, ControlCursor::Default);
}

std::optional<TSlotSummary> SlotSummary(const Game& game, int slot) {
  const auto lines = UnpackSavedGame(SavedGamePath(game, slot));
  if (!lines) return std::nullopt;
  const KeyedTextReader text(*lines, game.InterfaceCodePage());
  QString summary = text.Text(u"Info");
  summary.replace(u'#', u'\n');
  return TSlotSummary{text.Text(u"SaveDate") + u' ' + text.Text(u"SaveTime"), summary};
}

std::array<TSaveSlot, kSaveSlots> SaveSlots(const Game& game) {
  std::array<TSaveSlot, kSaveSlots> saveSlots;
  for (int k = 1; k <= kSaveSlots; ++k) {
    TSaveSlot& slot = saveSlots[static_cast<std::size_t>(k - 1)];
    if (!QFileInfo::exists(SavedGamePath(game, k))) {
      slot.tip = game.InterfaceText(u"TagEmptySlot");
    } else if (const auto summary = SlotSummary(game, k)) {
      slot = {TSlotState::Stored, summary->savedAt, summary->summary};
    } else {
      slot.state = TSlotState::Unreadable;
    }
  }
  return saveSlots;
}

QString SaveWindowTitle(const Game& game, SaveWindowMode mode) {
  return game.InterfaceText(mode == SaveWindowMode::Save ? u"InGameTagButtonSaveGame"
                                                         : u"InGameTagButtonLoadGame") +
         QStringLiteral(" \u2022 ") + PlayerName(game, 1);
}

}  // namespace quorim
