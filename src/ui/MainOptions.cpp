// The main window and the options window: opening it, its live previews, and what the main window
// follows of the new options once it has closed.
#include "ui/Main.h"

#include "flow/Clocks.h"
#include "flow/GameScreen.h"
#include "flow/TurnDisplay.h"
#include "ui/Board.h"
#include "ui/Optns.h"
#include "ui/playfrm.h"

#include <QAction>
#include <QApplication>

namespace quorim {

void TMainScreen::BuildOptionsWindow() {
  TOptions::Hooks hooks;
  hooks.interfaceLanguageChanged = [this](const QString&) {
    // LoadGlobalTextStrings stage 0: every window shows the new language at once
    ApplyPlayerSettings();
    UpdateWindowTitle();
    ShowLensCaption();
    if (game_.GameRunning) {
      FillInfoPanel(game_);
    } else {
      ShowTitleScreen(game_, true);
      ShowStartMenu();
    }
  };
  hooks.dictionaryLanguageChanged = [this] {
    if (game_.GameRunning) return;
    ShowTitleScreen(game_, true);
    ShowStartMenu();
  };
  hooks.backgroundChosen = [this](const QString& path) { ShowBackgroundPicture(path); };
  hooks.effectsVolumeMoved = [this](int level) {
    if (effects_) effects_->VolumeSliderMoved(level);
  };
  hooks.musicVolumeMoved = [this](int level) {
    if (music_) music_->SetMusicVolume(level);
  };
  const bool soundDevice = sound_ && sound_->OutputDevices() > 0;
  options_ =
      std::make_unique<TOptions>(game_, *skin_, music_.get(), soundDevice, std::move(hooks), this);
}

void TMainScreen::OptionsCommand() {
  if (ScreenBusy(game_) || game_.HandTile() >= 0 || game_.ComputerMoveRunning) return;
  OpenOptions(0);
}

bool TMainScreen::OpenOptions(int tag, const QString& word) {
  if (!options_) BuildOptionsWindow();
  // over the window that opened it: the new game window stands on top of everything
  QWidget* over = QApplication::activeModalWidget();
  if (over != nullptr && over != options_.get() && options_->parentWidget() != over) {
    options_->setParent(over, options_->windowFlags());
  } else if (over == nullptr && options_->parentWidget() != this) {
    options_->setParent(this, options_->windowFlags());
  }
  unsetCursor();
  const Settings before = game_.Settings;
  const bool running = game_.GameRunning;
  if (running) PauseMoveClock(game_);
  const bool confirmed = options_->Run(tag, word);
  UpdateWindowTitle();
  if (running) ResumeMoveClock(game_);
  AfterOptions(before, confirmed);
  return confirmed;
}

void TMainScreen::AfterOptions(const Settings& before, bool confirmed) {
  if (!confirmed) {
    // what the sliders and the picture button only previewed goes back
    if (effects_) effects_->SetVolume(game_.Settings.SoundVolume);
    if (music_) music_->SetMusicVolume(game_.Settings.MusicVolume);
    ShowBackgroundPicture(game_.Settings.BackgroundPicture);
    return;
  }
  const OptionsChanges changes = CompareOptions(before, game_.Settings);
  ShowBackgroundPicture(game_.Settings.BackgroundPicture);
  if (game_.GameRunning) {
    if (effects_) effects_->SetVolume(game_.Settings.SoundVolume);
    if (music_) music_->ApplyOptions();
    FillInfoPanel(game_);
    board_->Draw();
    for (const auto& panel : panels_) panel->update();
  }
  if (changes.shadowsOff || before.ShowShadows != game_.Settings.ShowShadows) {
    for (const auto& panel : panels_) panel->SetShadows(game_.Settings.ShowShadows);
    if (controlPanel_) controlPanel_->SetShadows(game_.Settings.ShowShadows);
    if (!game_.GameRunning) ShowStartMenu();
  }
  if (changes.skinChanged) ShowInGameMessage(game_.InterfaceText(u"OptionsMessageChangeSkin"), {});
  if (changes.fullScreenChanged) {
    if (game_.GameRunning) {
      ShowInGameMessage(game_.InterfaceText(u"OptionsMessageChangeFullScreen"), {});
    } else {
      ApplyWindowMode();
      board_->Draw();
      ShowStartMenu();
    }
  }
}

void TMainScreen::ApplyWindowMode() {
  if (game_.Settings.FullScreen) {
    setWindowFlag(Qt::FramelessWindowHint, true);
    showFullScreen();
  } else {
    setWindowFlag(Qt::FramelessWindowHint, false);
    showMaximized();
  }
}

}  // namespace quorim
