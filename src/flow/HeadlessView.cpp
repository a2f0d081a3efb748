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

std::vector<ViewCall> HeadlessView::CallsNamed(QStringView name) const {
  std::vector<ViewCall> named;
  for (const ViewCall& call : calls_) {
    if (call.name == name) named.push_back(call);
  }
  return named;
}

QStringList HeadlessView::FirstArgs(QStringView name) const {
  QStringList firsts;
  for (const ViewCall& call : CallsNamed(name)) firsts << call.args.value(0);
  return firsts;
}

ControlState HeadlessView::Control(const QString& name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? ControlState{} : found->second;
}

void HeadlessView::Record(QString name, QStringList args) {
  if (recording_) calls_.push_back({std::move(name), std::move(args)});
}

void HeadlessView::Pause(int milliseconds) {
  pausedMilliseconds_ += milliseconds;
  Record(QStringLiteral("Pause"), {Number(milliseconds)});
  if (duringWaits_) duringWaits_(++waits_);
}

void HeadlessView::KeepScreenAlive() {
  if (duringWaits_) duringWaits_(++waits_);
}

void HeadlessView::WaitForClickOrKey() {
  Record(QStringLiteral("WaitForClickOrKey"));
}

void HeadlessView::PlaySoundEffect(const QString& sample) {
  Record(QStringLiteral("PlaySoundEffect"), {sample});
}

bool HeadlessView::NextAnswer() {
  if (answers_.empty()) return defaultAnswer_;
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void HeadlessView::ShowInGameMessage(const QString& text, ScreenPoint at) {
  Record(QStringLiteral("ShowInGameMessage"), {text, PointText(at)});
}

bool HeadlessView::AskInGameQuestion(const QString& text, ScreenPoint at) {
  const bool answer = NextAnswer();
  Record(QStringLiteral("AskInGameQuestion"), {text, YesNo(answer), PointText(at)});
  return answer;
}

bool HeadlessView::AskConfirmation(const QString& text) {
  const bool answer = NextAnswer();
  Record(QStringLiteral("AskConfirmation"), {text, YesNo(answer)});
  return answer;
}

void HeadlessView::ShowMessageBox(const QString& text) {
  Record(QStringLiteral("ShowMessageBox"), {text});
}

void HeadlessView::OpenUserDictionaryOptions(UserListField field, const QString& word) {
  Record(
      QStringLiteral("OpenUserDictionaryOptions"),
      {word, field == UserListField::Added ? QStringLiteral("added") : QStringLiteral("excluded")});
}

bool HeadlessView::ShowNewGameWindow() {
  Record(QStringLiteral("ShowNewGameWindow"), {YesNo(newGameAccepted_)});
  return newGameAccepted_;
}

std::optional<int> HeadlessView::ShowSaveGameWindow(SaveWindowMode mode,
                                                    const std::function<void(int)>& saveInto) {
  const bool saving = mode == SaveWindowMode::Save;
  Record(QStringLiteral("ShowSaveGameWindow"),
         {saving ? QStringLiteral("save") : QStringLiteral("load"),
          saveSlot_ ? Number(*saveSlot_) : QStringLiteral("cancel")});
  if (saving && saveSlot_ && saveInto) saveInto(*saveSlot_);
  return saveSlot_;
}

void HeadlessView::ShowGameOverWindow(const GameOverText& result) {
  Record(QStringLiteral("ShowGameOverWindow"), {Number(result.winner), result.text});
}

void HeadlessView::ShowHallOfFame(int highlightedEntry) {
  Record(QStringLiteral("ShowHallOfFame"), {Number(highlightedEntry)});
}

void HeadlessView::CloseModalWindows() {
  messageWindowOpen_ = false;
  Record(QStringLiteral("CloseModalWindows"));
}

void HeadlessView::Minimize() {
  minimized_ = true;
  Record(QStringLiteral("Minimize"));
}

void HeadlessView::CloseMainWindow() {
  Record(QStringLiteral("CloseMainWindow"));
}

void HeadlessView::SetTimerRunning(GameTimer timer, bool running) {
  static const char* const kNames[] = {"system", "flash", "elapsed", "move"};
  timers_[static_cast<int>(timer)] = running;
  Record(QStringLiteral("SetTimerRunning"),
         {QString::fromLatin1(kNames[static_cast<int>(timer)]), YesNo(running)});
}

void HeadlessView::BackgroundMusic(MusicCue cue) {
  static const char* const kCues[] = {"start", "stop", "next"};
  Record(QStringLiteral("BackgroundMusic"), {QString::fromLatin1(kCues[static_cast<int>(cue)])});
}

void HeadlessView::BuildGameScreen() {
  Record(QStringLiteral("BuildGameScreen"));
}

void HeadlessView::ReleaseGameScreen() {
  Record(QStringLiteral("ReleaseGameScreen"));
}

void HeadlessView::ShowPanelOnTurn(int previous, int current, bool arrange) {
  Record(QStringLiteral("ShowPanelOnTurn"), {Number(previous), Number(current), YesNo(arrange)});
}

void HeadlessView::SetBoardTilesVisible(const std::vector<int>& tiles, bool visible) {
  Record(QStringLiteral("SetBoardTilesVisible"), {Number(static_cast<int>(tiles.size())),
                                                  YesNo(visible)});
}

void HeadlessView::RestoreWindowPlaces(const WindowPlaces& places) {
  Record(QStringLiteral("RestoreWindowPlaces"),
         {places.mainWindow ? PointText(*places.mainWindow) : QStringLiteral("-"),
          places.playForm ? PointText(*places.playForm) : QStringLiteral("-"),
          Number(static_cast<int>(places.panels.size()))});
  if (places.mainWindow) windowPlaces_.mainWindow = places.mainWindow;
  if (places.playForm) windowPlaces_.playForm = places.playForm;
  if (!places.panels.empty()) windowPlaces_.panels = places.panels;
}

void HeadlessView::DrawPlayField() {
  Record(QStringLiteral("DrawPlayField"));
}

void HeadlessView::PlaceTiles() {
  Record(QStringLiteral("PlaceTiles"));
}

void HeadlessView::ShowTile(int tile) {
  Record(QStringLiteral("ShowTile"), {Number(tile)});
}

void HeadlessView::FlyTile(int tile, const TileSpot& from, const TileSpot& to) {
  Record(QStringLiteral("FlyTile"), {Number(tile), SpotText(from), SpotText(to)});
}

void HeadlessView::ShowExplosion(const std::vector<int>& tiles) {
  QStringList args;
  for (int tile : tiles) args << Number(tile);
  Record(QStringLiteral("ShowExplosion"), args);
}

void HeadlessView::ClearSelectionFrames() {
  Record(QStringLiteral("ClearSelectionFrames"));
}

void HeadlessView::CountScore(int player, int from, int to, int scoreLimit) {
  Record(QStringLiteral("CountScore"),
         {Number(player), Number(from), Number(to), Number(scoreLimit)});
}

std::optional<char> HeadlessView::AskStarLetter(ScreenPoint at, int x, int y) {
  std::optional<char> letter;
  if (!starLetters_.empty()) {
    if (starLetters_.front() != 0) letter = starLetters_.front();
    starLetters_.pop_front();
  }
  Record(
      QStringLiteral("AskStarLetter"),
      {PointText(at), Number(x) + u',' + Number(y),
       letter ? QString::number(static_cast<unsigned char>(*letter)) : QStringLiteral("cancel")});
  return letter;
}

void HeadlessView::ChooseStarLetters(std::initializer_list<char> letters) {
  starLetters_.insert(starLetters_.end(), letters);
}

void HeadlessView::ShowFloatingMessage(const FloatingText& text) {
  Record(QStringLiteral("ShowFloatingMessage"),
         {text.big, PointText(text.at), Number(text.bigColor), text.small});
}

void HeadlessView::BlinkTiles(const std::vector<int>& tiles, int times, int milliseconds) {
  QStringList args;
  for (int tile : tiles) args << Number(tile);
  Record(QStringLiteral("BlinkTiles"),
         {args.join(u' '), Number(times) + u'x' + Number(milliseconds)});
}

void HeadlessView::AddSelectionFrame(const TSelectionFrame& frame) {
  Record(QStringLiteral("AddSelectionFrame"),
         {Number(frame.Direction) + u' ' + Number(frame.Line) + u' ' + Number(frame.Start) + u' ' +
          Number(frame.End)});
}

void HeadlessView::MoveScanMarkers(std::uint8_t direction, int line) {
  Record(QStringLiteral("MoveScanMarkers"), {Number(direction), Number(line)});
}

void HeadlessView::ShowPreviewLabels(const std::vector<PreviewLabel>& labels, int changes,
                                     int milliseconds) {
  for (const PreviewLabel& label : labels) {
    Record(QStringLiteral("ShowPreviewLabel"),
           {label.text, PointText(label.at), Number(label.textColor), Number(label.backColor)});
  }
  Record(QStringLiteral("BlinkPreviewLabels"), {Number(changes) + u'x' + Number(milliseconds)});
}

void HeadlessView::SetControlEnabled(const QString& name, bool enabled) {
  SetControl(u"SetControlEnabled", name, &ControlState::enabled, enabled, YesNo(enabled));
}

void HeadlessView::SetControlVisible(const QString& name, bool visible) {
  SetControl(u"SetControlVisible", name, &ControlState::visible, visible, YesNo(visible));
}

void HeadlessView::SetControlCaption(const QString& name, const QString& caption) {
  SetControl(u"SetControlCaption", name, &ControlState::caption, caption, caption);
}

void HeadlessView::SetControlHint(const QString& name, const QString& hint) {
  SetControl(u"SetControlHint", name, &ControlState::hint, hint, hint);
}

void HeadlessView::SetControlCursor(const QString& name, ControlCursor cursor) {
  SetControl(u"SetControlCursor", name, &ControlState::cursor, cursor, CursorName(cursor));
}

void HeadlessView::SetControlColor(const QString& name, int color) {
  SetControl(u"SetControlColor", name, &ControlState::color, color, Number(color));
}

void HeadlessView::SetControlPicture(const QString& name, const QString& picture) {
  SetControl(u"SetControlPicture", name, &ControlState::picture, picture, picture);
}

void HeadlessView::SetControlChecked(const QString& name, bool checked) {
  SetControl(u"SetControlChecked", name, &ControlState::checked, checked, YesNo(checked));
}

void HeadlessView::SetControlAnimated(const QString& name, bool running) {
  SetControl(u"SetControlAnimated", name, &ControlState::animated, running, YesNo(running));
}

void HeadlessView::SetControlTag(const QString& name, int tag) {
  SetControl(u"SetControlTag", name, &ControlState::tag, tag, Number(tag));
}

}  // namespace quorim
