#include "model/GameView.h"

namespace quorim {

void GameView::SetControlEnabled(const QString& name, bool enabled) {
  Set(name, ControlAspect::Enabled, &ControlState::enabled, enabled);
}

void GameView::SetControlVisible(const QString& name, bool visible) {
  Set(name, ControlAspect::Visible, &ControlState::visible, visible);
}

void GameView::SetControlCaption(const QString& name, const QString& caption) {
  Set(name, ControlAspect::Caption, &ControlState::caption, caption);
}

void GameView::SetControlHint(const QString& name, const QString& hint) {
  Set(name, ControlAspect::Hint, &ControlState::hint, hint);
}

void GameView::SetControlCursor(const QString& name, ControlCursor cursor) {
  Set(name, ControlAspect::Cursor, &ControlState::cursor, cursor);
}

void GameView::SetControlColor(const QString& name, int color) {
  Set(name, ControlAspect::Color, &ControlState::color, color);
}

void GameView::SetControlPicture(const QString& name, const QString& picture) {
  Set(name, ControlAspect::Picture, &ControlState::picture, picture);
}

void GameView::SetControlChecked(const QString& name, bool checked) {
  Set(name, ControlAspect::Checked, &ControlState::checked, checked);
}

void GameView::SetControlAnimated(const QString& name, bool running) {
  Set(name, ControlAspect::Animated, &ControlState::animated, running);
}

void GameView::SetControlTag(const QString& name, int tag) {
  Set(name, ControlAspect::Tag, &ControlState::tag, tag);
}

}  // namespace quorim
