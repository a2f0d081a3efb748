#pragma once
// What the game has set on its named controls. The game reads its own settings back from here,
// never from a widget, so every view shows the same state and none can disagree with it.

#include <QString>
#include <QStringList>

#include <map>

namespace quorim {

enum class ControlCursor { Default, Hand, NoEntry, Hourglass };

struct ControlState {
  bool enabled = true;
  bool visible = true;
  QString caption;
  QString hint;
  ControlCursor cursor = ControlCursor::Default;
  int color = -1;  // 0x00BBGGRR, -1 none
  QString picture;
  bool animated = false;
  bool checked = false;
  int tag = 0;
};

// The part of a control's state that one change touched.
enum class ControlAspect {
  Enabled,
  Visible,
  Caption,
  Hint,
  Cursor,
  Color,
  Picture,
  Checked,
  Animated,
  Tag
};

class ControlTable {
 public:
  // A control never set reads as the default state.
  const ControlState& State(const QString& name) const;
  ControlState& Edit(const QString& name) { return controls_[name]; }
  // Every control set so far, for a window that is made after its controls were set.
  const std::map<QString, ControlState>& All() const { return controls_; }

 private:
  std::map<QString, ControlState> controls_;
};

}  // namespace quorim
