#pragma once
// The view of a game without a screen: questions are answered from a script, waits return at once,
// and every call is recorded so that tests and the command line can read what would have been
// shown.

#include "model/GameView.h"

#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

namespace quorim {

// The GameView functions whose calls are recorded; the preview labels record one call per label
// and one for their blinking.
enum class ViewCallName {
  Pause,
  InterruptWaits,
  WaitForTileFlight,
  WaitForClickOrKey,
  PlaySoundEffect,
  ShowInGameMessage,
  AskInGameQuestion,
  AskConfirmation,
  ShowMessageBox,
  OpenUserDictionaryOptions,
  ShowNewGameWindow,
  ShowGameOverWindow,
  ShowHallOfFame,
  ShowSaveGameWindow,
  CloseModalWindows,
  Minimize,
  CloseMainWindow,
  SetTimerRunning,
  BackgroundMusic,
  BuildGameScreen,
  ReleaseGameScreen,
  ShowPanelOnTurn,
  RestoreWindowPlaces,
  SetBoardTilesVisible,
  DrawPlayField,
  PlaceTiles,
  ShowTile,
  FlyTile,
  ShowExplosion,
  ClearSelectionFrames,
  CountScore,
  AskStarLetter,
  ShowFloatingMessage,
  BlinkTiles,
  AddSelectionFrame,
  MoveScanMarkers,
  ShowPreviewLabel,
  BlinkPreviewLabels,
  SetControlEnabled,
  SetControlVisible,
  SetControlCaption,
  SetControlHint,
  SetControlCursor,
  SetControlColor,
  SetControlPicture,
  SetControlChecked,
  SetControlAnimated,
  SetControlTag,
};

struct ViewCall {
  ViewCallName name;
  QStringList args;
};

class HeadlessView : public GameView {
 public:
  // The answers to the next questions (in-game and system ones), in order; once they are used up,
  // every question gets the default answer (Yes unless changed).
  void AnswerQuestions(std::initializer_list<bool> answers);
  void SetDefaultAnswer(bool yes) { defaultAnswer_ = yes; }
  // The letters the star window gives, in order; 0 cancels. Once used up, it is cancelled.
  void ChooseStarLetters(std::initializer_list<char> letters);
  void SetBoardPicture(ScreenRect picture) { boardPicture_ = picture; }
  // What the person does while the game waits or computes (presses a command, ends the game…):
  // the action runs at every wait and every keep-alive, with their running count from 1.
  void DuringWaits(std::function<void(int)> action) {
    duringWaits_ = std::move(action);
    waits_ = 0;
  }
  // The answer of the next new game windows: accepted unless set otherwise.
  void SetNewGameWindowAccepted(bool accepted) { newGameAccepted_ = accepted; }
  // The slot the next save and load windows choose; nothing cancels them.
  void ChooseSaveSlot(std::optional<int> slot) { saveSlot_ = slot; }
  void SetWindowPlaces(const WindowPlaces& places) { windowPlaces_ = places; }
  void SetMessageWindowOpen(bool open) { messageWindowOpen_ = open; }
  void SetMinimized(bool minimized) { minimized_ = minimized; }
  // Without recording the calls leave no history (the controls keep their state), so that a long
  // game nobody reads the calls of (the command line) does not grow it.
  void SetRecording(bool recording) { recording_ = recording; }

  const std::vector<ViewCall>& Calls() const { return calls_; }
  // The calls of one function, in order.
  std::vector<ViewCall> CallsNamed(ViewCallName name) const;
  // The first argument of each call of one function: the texts shown, the samples played, …
  QStringList FirstArgs(ViewCallName name) const;
  void ClearCalls() { calls_.clear(); }

  int PausedMilliseconds() const { return pausedMilliseconds_; }
  bool TimerRunning(GameTimer timer) const { return timers_[static_cast<int>(timer)]; }

  void Pause(int milliseconds) override;
  void InterruptWaits() override;
  void WaitForTileFlight() override;
  void KeepScreenAlive() override;
  void WaitForClickOrKey() override;
  void PlaySoundEffect(const QString& sample) override;
  void ShowInGameMessage(const QString& text, ScreenPoint at) override;
  bool AskInGameQuestion(const QString& text, ScreenPoint at) override;
  bool AskConfirmation(const QString& text) override;
  void ShowMessageBox(const QString& text) override;
  void OpenUserDictionaryOptions(UserListField field, const QString& word) override;
  bool ShowNewGameWindow() override;
  void ShowGameOverWindow(const GameOverText& result) override;
  void ShowHallOfFame(int highlightedEntry) override;
  std::optional<int> ShowSaveGameWindow(SaveWindowMode mode,
                                        const std::function<void(int)>& saveInto) override;
  bool MessageWindowOpen() const override { return messageWindowOpen_; }
  void CloseModalWindows() override;
  bool Minimized() const override { return minimized_; }
  void Minimize() override;
  void CloseMainWindow() override;
  void SetTimerRunning(GameTimer timer, bool running) override;
  void BackgroundMusic(MusicCue cue) override;
  void BuildGameScreen() override;
  void ReleaseGameScreen() override;
  void ShowPanelOnTurn(int previous, int current, bool arrange) override;
  WindowPlaces CurrentWindowPlaces() const override { return windowPlaces_; }
  void RestoreWindowPlaces(const WindowPlaces& places) override;
  void SetBoardTilesVisible(const std::vector<int>& tiles, bool visible) override;
  void DrawPlayField() override;
  void PlaceTiles() override;
  void ShowTile(int tile) override;
  void FlyTile(int tile, const TileSpot& from, const TileSpot& to) override;
  void ShowExplosion(const std::vector<int>& tiles) override;
  void ClearSelectionFrames() override;
  void CountScore(int player, int from, int to, int scoreLimit) override;
  ScreenRect BoardPicture() const override { return boardPicture_; }
  // The client area stands at the screen's corner.
  ScreenPoint ClientToScreen(ScreenPoint point) const override { return point; }
  std::optional<char> AskStarLetter(ScreenPoint at, int x, int y) override;
  void ShowFloatingMessage(const FloatingText& text) override;
  void BlinkTiles(const std::vector<int>& tiles, int times, int milliseconds) override;
  void AddSelectionFrame(const TSelectionFrame& frame) override;
  void MoveScanMarkers(std::uint8_t direction, int line) override;
  void ShowPreviewLabels(const std::vector<PreviewLabel>& labels, int changes,
                         int milliseconds) override;
  int SkinColor(const QString&, int fallback) const override { return fallback; }

 protected:
  void ShowControl(const QString& name, ControlAspect aspect, const ControlState& state) override;

 private:
  void Record(ViewCallName name, QStringList args = {});
  bool NextAnswer();

  std::vector<ViewCall> calls_;
  std::deque<bool> answers_;
  std::deque<char> starLetters_;
  ScreenRect boardPicture_{100, 50, 438, 438};
  bool defaultAnswer_ = true;
  std::function<void(int)> duringWaits_;
  int waits_ = 0;
  int pausedMilliseconds_ = 0;
  bool newGameAccepted_ = true;
  std::optional<int> saveSlot_;
  WindowPlaces windowPlaces_{1920, 1080, ScreenPoint{100, 60}, ScreenPoint{1500, 300}, {}};
  bool messageWindowOpen_ = false;
  bool minimized_ = false;
  bool recording_ = true;
  std::array<bool, 4> timers_{};
};

// "bag 3,4", "board 7,8", "rack 2,5" or "hand".
QString SpotText(const TileSpot& spot);

}  // namespace quorim
