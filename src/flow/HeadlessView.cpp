#include "flow/HeadlessView.h"

namespace quorim {

namespace {

QString Number(int n) {
  return QString::number(n);
}
QString YesNo(bool yes) {
  return yes ? QStringLiteral("yes") : QStringLiteral("no");
}
QString PointText(ScreenPoint at) {
  return Number(at.left) + u',' + Number(at.top);
}

QString CursorName(ControlCursor cursor) {
  switch (cursor) {
    case ControlCursor::Hand:
      return QStringLiteral("hand");
    case ControlCursor::NoEntry:
      return QStringLiteral("no-entry");
    case ControlCursor::Hourglass:
      return QStringLiteral("hourglass");
    case ControlCursor::Default:
      break;
  }
  return QStringLiteral("default");
}

}  // namespace

QString SpotText(const TileSpot& spot) {
  const QString place = Number(spot.a) + u',' + Number(spot.b);
  switch (spot.area) {
    case TileSpot::Area::Bag:
      return QStringLiteral("bag ") + place;
    case TileSpot::Area::Board:
      return QStringLiteral("board ") + place;
    case TileSpot::Area::Rack:
      return QStringLiteral("rack ") + place;
    case TileSpot::Area::Hand:
      break;
  }
  return QStringLiteral("hand");
}

void HeadlessView::AnswerQuestions(std::initializer_list<bool> answers) {
  answers_.insert(answers_.end(), answers);
}

std::vector<ViewCall> HeadlessView::CallsNamed(ViewCallName name) const {
  std::vector<ViewCall> named;
  for (const ViewCall& call : calls_) {
    if (call.name == name) named.push_back(call);
  }
  return named;
}

QStringList HeadlessView::FirstArgs(ViewCallName name) const {
  QStringList firsts;
  for (const ViewCall& call : CallsNamed(name)) firsts << call.args.value(0);
  return firsts;
}

void HeadlessView::Record(ViewCallName name, QStringList args) {
  if (recording_) calls_.push_back({name, std::move(args)});
}

void HeadlessView::Pause(int milliseconds) {
  pausedMilliseconds_ += milliseconds;
  Record(ViewCallName::Pause, {Number(milliseconds)});
  if (duringWaits_) duringWaits_(++waits_);
}

void HeadlessView::InterruptWaits() {
  Record(ViewCallName::InterruptWaits);
}

void HeadlessView::WaitForTileFlight() {
  Record(ViewCallName::WaitForTileFlight);
  if (duringWaits_) duringWaits_(++waits_);
}

void HeadlessView::KeepScreenAlive() {
  if (duringWaits_) duringWaits_(++waits_);
}

void HeadlessView::WaitForClickOrKey() {
  Record(ViewCallName::WaitForClickOrKey);
}

void HeadlessView::PlaySoundEffect(const QString& sample) {
  Record(ViewCallName::PlaySoundEffect, {sample});
}

bool HeadlessView::NextAnswer() {
  if (answers_.empty()) return defaultAnswer_;
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void HeadlessView::ShowInGameMessage(const QString& text, ScreenPoint at) {
  Record(ViewCallName::ShowInGameMessage, {text, PointText(at)});
}

bool HeadlessView::AskInGameQuestion(const QString& text, ScreenPoint at) {
  const bool answer = NextAnswer();
  Record(ViewCallName::AskInGameQuestion, {text, YesNo(answer), PointText(at)});
  return answer;
}

bool HeadlessView::AskConfirmation(const QString& text) {
  const bool answer = NextAnswer();
  Record(ViewCallName::AskConfirmation, {text, YesNo(answer)});
  return answer;
}

void HeadlessView::ShowMessageBox(const QString& text) {
  Record(ViewCallName::ShowMessageBox, {text});
}

void HeadlessView::OpenUserDictionaryOptions(UserListField field, const QString& word) {
  Record(
      ViewCallName::OpenUserDictionaryOptions,
      {word, field == UserListField::Added ? QStringLiteral("added") : QStringLiteral("excluded")});
}

bool HeadlessView::ShowNewGameWindow() {
  Record(ViewCallName::ShowNewGameWindow, {YesNo(newGameAccepted_)});
  return newGameAccepted_;
}

std::optional<int> HeadlessView::ShowSaveGameWindow(SaveWindowMode mode,
                                                    const std::function<void(int)>& saveInto) {
  const bool saving = mode == SaveWindowMode::Save;
  Record(ViewCallName::ShowSaveGameWindow,
         {saving ? QStringLiteral("save") : QStringLiteral("load"),
          saveSlot_ ? Number(*saveSlot_) : QStringLiteral("cancel")});
  if (saving && saveSlot_ && saveInto) saveInto(*saveSlot_);
  return saveSlot_;
}

void HeadlessView::ShowGameOverWindow(const GameOverText& result) {
  Record(ViewCallName::ShowGameOverWindow, {Number(result.winner), result.text});
}

void HeadlessView::ShowHallOfFame(int highlightedEntry) {
  Record(ViewCallName::ShowHallOfFame, {Number(highlightedEntry)});
}

void HeadlessView::CloseModalWindows() {
  messageWindowOpen_ = false;
  Record(ViewCallName::CloseModalWindows);
}

void HeadlessView::Minimize() {
  minimized_ = true;
  Record(ViewCallName::Minimize);
}

void HeadlessView::CloseMainWindow() {
  Record(ViewCallName::CloseMainWindow);
}

void HeadlessView::SetTimerRunning(GameTimer timer, bool running) {
  static const char* const kNames[] = {"system", "flash", "elapsed", "move"};
  timers_[static_cast<int>(timer)] = running;
  Record(ViewCallName::SetTimerRunning,
         {QString::fromLatin1(kNames[static_cast<int>(timer)]), YesNo(running)});
}

void HeadlessView::BackgroundMusic(MusicCue cue) {
  static const char* const kCues[] = {"start", "stop", "next"};
  Record(ViewCallName::BackgroundMusic, {QString::fromLatin1(kCues[static_cast<int>(cue)])});
}

void HeadlessView::BuildGameScreen() {
  Record(ViewCallName::BuildGameScreen);
}

void HeadlessView::ReleaseGameScreen() {
  Record(ViewCallName::ReleaseGameScreen);
}

void HeadlessView::ShowPanelOnTurn(int previous, int current, bool arrange) {
  Record(ViewCallName::ShowPanelOnTurn, {Number(previous), Number(current), YesNo(arrange)});
}

void HeadlessView::SetBoardTilesVisible(const std::vector<int>& tiles, bool visible) {
  Record(ViewCallName::SetBoardTilesVisible,
         {Number(static_cast<int>(tiles.size())), YesNo(visible)});
}

void HeadlessView::RestoreWindowPlaces(const WindowPlaces& places) {
  Record(ViewCallName::RestoreWindowPlaces,
         {places.mainWindow ? PointText(*places.mainWindow) : QStringLiteral("-"),
          places.playForm ? PointText(*places.playForm) : QStringLiteral("-"),
          Number(static_cast<int>(places.panels.size()))});
  if (places.mainWindow) windowPlaces_.mainWindow = places.mainWindow;
  if (places.playForm) windowPlaces_.playForm = places.playForm;
  if (!places.panels.empty()) windowPlaces_.panels = places.panels;
}

void HeadlessView::DrawPlayField() {
  Record(ViewCallName::DrawPlayField);
}

void HeadlessView::PlaceTiles() {
  Record(ViewCallName::PlaceTiles);
}

void HeadlessView::ShowTile(int tile) {
  Record(ViewCallName::ShowTile, {Number(tile)});
}

void HeadlessView::FlyTile(int tile, const TileSpot& from, const TileSpot& to) {
  Record(ViewCallName::FlyTile, {Number(tile), SpotText(from), SpotText(to)});
}

void HeadlessView::ShowExplosion(const std::vector<int>& tiles) {
  QStringList args;
  for (int tile : tiles) args << Number(tile);
  Record(ViewCallName::ShowExplosion, args);
}

void HeadlessView::ClearSelectionFrames() {
  Record(ViewCallName::ClearSelectionFrames);
}

void HeadlessView::CountScore(int player, int from, int to, int scoreLimit) {
  Record(ViewCallName::CountScore, {Number(player), Number(from), Number(to), Number(scoreLimit)});
}

std::optional<char> HeadlessView::AskStarLetter(ScreenPoint at, int x, int y) {
  std::optional<char> letter;
  if (!starLetters_.empty()) {
    if (starLetters_.front() != 0) letter = starLetters_.front();
    starLetters_.pop_front();
  }
  Record(ViewCallName::AskStarLetter, {PointText(at), Number(x) + u',' + Number(y),
                                       letter ? QString::number(static_cast<unsigned char>(*letter))
                                              : QStringLiteral("cancel")});
  return letter;
}

void HeadlessView::ChooseStarLetters(std::initializer_list<char> letters) {
  starLetters_.insert(starLetters_.end(), letters);
}

void HeadlessView::ShowFloatingMessage(const FloatingText& text) {
  Record(ViewCallName::ShowFloatingMessage,
         {text.big, PointText(text.at), Number(text.bigColor), text.small});
}

void HeadlessView::BlinkTiles(const std::vector<int>& tiles, int times, int milliseconds) {
  QStringList args;
  for (int tile : tiles) args << Number(tile);
  Record(ViewCallName::BlinkTiles, {args.join(u' '), Number(times) + u'x' + Number(milliseconds)});
}

void HeadlessView::AddSelectionFrame(const TSelectionFrame& frame) {
  Record(ViewCallName::AddSelectionFrame, {Number(frame.Direction) + u' ' + Number(frame.Line) +
                                           u' ' + Number(frame.Start) + u' ' + Number(frame.End)});
}

void HeadlessView::MoveScanMarkers(std::uint8_t direction, int line) {
  Record(ViewCallName::MoveScanMarkers, {Number(direction), Number(line)});
}

void HeadlessView::ShowPreviewLabels(const std::vector<PreviewLabel>& labels, int changes,
                                     int milliseconds) {
  for (const PreviewLabel& label : labels) {
    Record(ViewCallName::ShowPreviewLabel,
           {label.text, PointText(label.at), Number(label.textColor), Number(label.backColor)});
  }
  Record(ViewCallName::BlinkPreviewLabels, {Number(changes) + u'x' + Number(milliseconds)});
}

void HeadlessView::ShowControl(const QString& name, ControlAspect aspect,
                               const ControlState& state) {
  switch (aspect) {
    case ControlAspect::Enabled:
      return Record(ViewCallName::SetControlEnabled, {name, YesNo(state.enabled)});
    case ControlAspect::Visible:
      return Record(ViewCallName::SetControlVisible, {name, YesNo(state.visible)});
    case ControlAspect::Caption:
      return Record(ViewCallName::SetControlCaption, {name, state.caption});
    case ControlAspect::Hint:
      return Record(ViewCallName::SetControlHint, {name, state.hint});
    case ControlAspect::Cursor:
      return Record(ViewCallName::SetControlCursor, {name, CursorName(state.cursor)});
    case ControlAspect::Color:
      return Record(ViewCallName::SetControlColor, {name, Number(state.color)});
    case ControlAspect::Picture:
      return Record(ViewCallName::SetControlPicture, {name, state.picture});
    case ControlAspect::Checked:
      return Record(ViewCallName::SetControlChecked, {name, YesNo(state.checked)});
    case ControlAspect::Animated:
      return Record(ViewCallName::SetControlAnimated, {name, YesNo(state.animated)});
    case ControlAspect::Tag:
      return Record(ViewCallName::SetControlTag, {name, Number(state.tag)});
  }
}

}  // namespace quorim
