#include "ui/ControlRegistry.h"

#include "ui/Skin.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMovie>
#include <QWidget>

namespace quorim {

namespace {

Qt::CursorShape CursorShape(ControlCursor cursor) {
  switch (cursor) {
    case ControlCursor::Hand:
      return Qt::PointingHandCursor;
    case ControlCursor::NoEntry:
      return Qt::ForbiddenCursor;
    case ControlCursor::Hourglass:
      return Qt::WaitCursor;
    case ControlCursor::Default:
      break;
  }
  return Qt::ArrowCursor;
}

void ShowOnAction(QAction& action, ControlAspect aspect, const ControlState& state) {
  switch (aspect) {
    case ControlAspect::Enabled:
      action.setEnabled(state.enabled);
      break;
    case ControlAspect::Visible:
      action.setVisible(state.visible);
      break;
    case ControlAspect::Caption:
      action.setText(state.caption);
      break;
    case ControlAspect::Hint:
      action.setToolTip(state.hint);
      break;
    case ControlAspect::Checked:
      action.setChecked(state.checked);
      break;
    default:
      break;
  }
}

void SetTextColor(QWidget& widget, int color) {
  QPalette palette = widget.palette();
  if (color < 0) {
    palette.setColor(QPalette::Window, Qt::transparent);
    widget.setAutoFillBackground(false);
  } else {
    palette.setColor(QPalette::WindowText, ColorFromWindows(color));
  }
  widget.setPalette(palette);
}

}  // namespace

QObject* ControlRegistry::Find(const QString& name) {
  if (name.isEmpty()) return nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == name) return window;
    if (QObject* found = window->findChild<QObject*>(name)) return found;
  }
  return nullptr;
}

void ControlRegistry::Show(const QString& name, ControlAspect aspect,
                           const ControlState& state) const {
  if (QObject* control = Find(name)) ShowOn(*control, aspect, state);
}

void ControlRegistry::ShowOn(QObject& object, ControlAspect aspect,
                             const ControlState& state) const {
  QObject* control = &object;
  if (auto* action = qobject_cast<QAction*>(control)) {
    ShowOnAction(*action, aspect, state);
    return;
  }
  if (auto* menu = qobject_cast<QMenu*>(control)) {
    ShowOnAction(*menu->menuAction(), aspect, state);
    return;
  }
  auto* widget = qobject_cast<QWidget*>(control);
  if (widget == nullptr) return;
  auto* label = qobject_cast<QLabel*>(widget);
  switch (aspect) {
    case ControlAspect::Enabled:
      widget->setEnabled(state.enabled);
      break;
    case ControlAspect::Visible:
      widget->setVisible(state.visible);
      break;
    case ControlAspect::Caption:
      if (label != nullptr) {
        label->setText(state.caption);
      } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(state.caption);
      } else if (widget->isWindow()) {
        widget->setWindowTitle(state.caption);
      }
      break;
    case ControlAspect::Hint:
      widget->setToolTip(state.hint);
      break;
    case ControlAspect::Cursor:
      widget->setCursor(CursorShape(state.cursor));
      break;
    case ControlAspect::Color:
      if (auto* shape = dynamic_cast<TShape*>(widget)) {
        shape->SetBrush(state.color < 0 ? std::nullopt
                                        : std::optional<QColor>(ColorFromWindows(state.color)));
      } else {
        SetTextColor(*widget, state.color);
      }
      break;
    case ControlAspect::Picture:
      if (label != nullptr) {
        if (auto movie = skin_.Animation(state.picture)) {
          movie->setParent(label);
          label->setMovie(movie.release());
          if (state.animated)
            label->movie()->start();
          else
            label->movie()->jumpToFrame(0);
        } else {
          label->setPixmap(skin_.Pixmap(state.picture));
        }
      }
      break;
    case ControlAspect::Animated:
      if (label != nullptr && label->movie() != nullptr) {
        if (state.animated) {
          label->movie()->start();
        } else {
          label->movie()->stop();
          label->movie()->jumpToFrame(0);
        }
      }
      break;
    case ControlAspect::Checked:
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setChecked(state.checked);
      break;
    case ControlAspect::Tag:
      widget->setProperty("tag", state.tag);
      break;
  }
  if (auto* arranging = dynamic_cast<SelfArrangingControl*>(widget)) arranging->Arrange(state);
}

void ControlRegistry::ShowAll(QWidget& window, const ControlTable& table) const {
  // Only what differs from a fresh control: the table does not know which aspects were set, and a
  // window's own pictures and colours must not be cleared by defaults.
  const ControlState fresh;
  for (const auto& [name, state] : table.All()) {
    QObject* control = window.objectName() == name ? &window : window.findChild<QObject*>(name);
    if (control == nullptr) continue;
    const auto show = [&](ControlAspect aspect, bool differs) {
      if (differs) ShowOn(*control, aspect, state);
    };
    show(ControlAspect::Enabled, state.enabled != fresh.enabled);
    show(ControlAspect::Visible, state.visible != fresh.visible);
    show(ControlAspect::Caption, !state.caption.isEmpty());
    show(ControlAspect::Hint, !state.hint.isEmpty());
    show(ControlAspect::Cursor, state.cursor != fresh.cursor);
    show(ControlAspect::Color, state.color != fresh.color);
    show(ControlAspect::Picture, !state.picture.isEmpty());
    show(ControlAspect::Checked, state.checked != fresh.checked);
    show(ControlAspect::Animated, state.animated != fresh.animated);
    show(ControlAspect::Tag, state.tag != fresh.tag);
  }
}

void ControlRegistry::ApplyControlText(const ControlText& text) {
  // Several windows have a control of the same name ("ButtonOK"): the line's own window first. The
  // main window's buttons stand on the panels during a game, so a control is looked for
  // everywhere when its window does not hold it. A window not made yet applies its lines itself
  // when it is made; until then they must not land on another window's control of that name.
  QObject* control = nullptr;
  bool windowMade = false;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() != text.window) continue;
    windowMade = true;
    control = text.control.isEmpty() ? window : window->findChild<QObject*>(text.control);
    if (control != nullptr) break;
  }
  if (control == nullptr && windowMade) control = Find(text.control);
  if (control == nullptr) return;
  ControlState state;
  state.caption = text.caption;
  state.hint = text.hint;
  if (!text.caption.isEmpty()) ShowOn(*control, ControlAspect::Caption, state);
  if (!text.hint.isEmpty()) ShowOn(*control, ControlAspect::Hint, state);
}

void ControlRegistry::ApplyWindowTexts(const InterfaceStrings& strings, const QString& window,
                                       const ControlTable& table) {
  for (ControlText text : strings.WindowTexts(window)) {
    if (!table.State(text.control).caption.isEmpty()) text.caption.clear();
    ApplyControlText(text);
  }
}

}  // namespace quorim
