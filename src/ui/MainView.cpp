// What the engine asks of the screen, answered by the main window.
#include "ui/Main.h"

#include "flow/Blinking.h"
#include "flow/GameEnd.h"
#include "flow/SavedGames.h"
#include "media/Avatars.h"
#include "ui/Errormes.h"
#include "ui/FloatingMessages.h"
#include "ui/Optns.h"
#include "ui/PLImages.h"
#include "ui/ScreenGeometry.h"
#include "ui/Strwnd.h"
#include "ui/gameover.h"
#include "ui/hallfm.h"
#include "ui/newgame.h"
#include "ui/savegame.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace quorim {

void TMainScreen::Pause(int milliseconds) {
  if (game_.GameOver() || game_.HintCancel()) return;
  QEventLoop loop;
  waits_.push_back(&loop);
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
  waits_.pop_back();
}

void TMainScreen::InterruptWaits() {
  for (auto wait = waits_.rbegin(); wait != waits_.rend(); ++wait) (*wait)->quit();
}

void TMainScreen::WaitForTileFlight() {}

void TMainScreen::KeepScreenAlive() {
  QApplication::processEvents();
}

void TMainScreen::WaitForClickOrKey() {
  if (game_.GameOver() || game_.HintCancel()) return;
  QEventLoop loop;
  waits_.push_back(&loop);
  waitingForInput_ = &loop;
  loop.exec();
  waitingForInput_ = nullptr;
  waits_.pop_back();
}

void TMainScreen::PlaySoundEffect(const QString& sample) {
  if (effects_) effects_->Play(sample);
}

void TMainScreen::ShowInGameMessage(const QString& text, ScreenPoint at) {
  unsetCursor();
  messageWindow_->ShowMessage(text, at, isMinimized());
}

bool TMainScreen::AskInGameQuestion(const QString& text, ScreenPoint at) {
  return messageWindow_->AskQuestion(text, at);
}

bool TMainScreen::AskConfirmation(const QString& text) {
  return QMessageBox::question(nullptr, windowTitle(), text) == QMessageBox::Yes;
}

void TMainScreen::ShowMessageBox(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), windowTitle(), text);
}

void TMainScreen::OpenUserDictionaryOptions(UserListField field, const QString& word) {
  OpenOptions(field == UserListField::Added ? 22 : 23, word);
}

bool TMainScreen::ShowNewGameWindow() {
  unsetCursor();
  return newGameWindow_->Run(*this);
}

void TMainScreen::ShowGameOverWindow(const GameOverText& result) {
  const std::vector<Avatar>& avatars = imageScreen_->Avatars();
  const Avatar* winner =
      game_.IsPlayer(result.winner)
          ? FindAvatar(avatars, QString::fromLatin1(game_.Players[result.winner].Avatar.c_str()))
          : nullptr;
  gameOverWindow_->ShowResult(result, winner, *this);
}

void TMainScreen::ShowHallOfFame(int highlightedEntry) {
  const std::vector<Avatar>& avatars = imageScreen_->Avatars();
  const THallEntry& leader = game_.HallFame.Entries.front();
  const Avatar* avatar =
      leader.Vacant() ? nullptr : FindAvatar(avatars, HallLeaderAvatar(game_, leader.Name));
  hallFame_->ShowTable(game_.HallFame, highlightedEntry, game_.InterfaceCodePage(), avatar, *this);
}

void TMainScreen::SoundWhileOpen(const QString& sample, bool on) {
  if (on) {
    game_.PlaySound(sample);
  } else if (effects_) {
    effects_->Stop(sample);
  }
}

bool TMainScreen::MessageWindowOpen() const {
  return messageWindow_->Waiting();
}

void TMainScreen::CloseModalWindows() {
  messageWindow_->Answer(false);
  starWindow_->Cancel();
  saveWindow_->Cancel();
  imageScreen_->Cancel();
  if (newGameWindow_->isVisible()) newGameWindow_->reject();
  // time over closes the options window as Cancel would, even on a word action
  if (options_ && options_->isVisible()) options_->done(QDialog::Rejected);
}

std::optional<int> TMainScreen::ShowSaveGameWindow(SaveWindowMode mode,
                                                   const std::function<void(int)>& saveInto) {
  unsetCursor();
  return saveWindow_->Ask(mode, SaveWindowTitle(game_, mode), SaveSlots(game_), *this, saveInto);
}

bool TMainScreen::Minimized() const {
  return isMinimized();
}

void TMainScreen::Minimize() {
  showMinimized();
}

void TMainScreen::CloseMainWindow() {
  close();
}

void TMainScreen::SetTimerRunning(GameTimer timer, bool running) {
  QTimer& qtimer = timers_[static_cast<std::size_t>(timer)];
  if (running) {
    if (!qtimer.isActive()) qtimer.start();
  } else {
    qtimer.stop();
    // what blinked stands still, shown
    if (timer == GameTimer::Flash) ApplyFlashFace({});
  }
}

void TMainScreen::BackgroundMusic(MusicCue cue) {
  if (!music_) return;
  switch (cue) {
    case MusicCue::Start:
      music_->StartMusic();
      break;
    case MusicCue::Stop:
      music_->EndOfGame();
      break;
    case MusicCue::NextIfFinished:
      music_->Tick();
      break;
  }
}

std::optional<char> TMainScreen::AskStarLetter(ScreenPoint at, int, int) {
  unsetCursor();
  return starWindow_->Ask(ToQPoint(at));
}

void TMainScreen::ShowFloatingMessage(const FloatingText& text) {
  floatingMessages_->Show(text);
}

int TMainScreen::SkinColor(const QString& key, int fallback) const {
  return skin_->ColorValue(key, fallback);
}

void TMainScreen::ShowControl(const QString& name, ControlAspect aspect,
                              const ControlState& state) {
  // the submenu of known players stays disabled while it has no entry
  if (aspect == ControlAspect::Enabled && name == names::MenuGameLoad && loadMenu_ != nullptr &&
      loadMenu_->isEmpty()) {
    loadMenu_->menuAction()->setEnabled(false);
    return;
  }
  registry_.Show(name, aspect, state);
}

}  // namespace quorim
