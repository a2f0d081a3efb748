#pragma once
// The game's controls by name. Every widget and menu action carries its control name as its object
// name, which is also how the language files address it; the registry finds it across all of the
// game's top-level windows and shows on it what the engine set in its control table.

#include "media/InterfaceStrings.h"
#include "model/ControlTable.h"

#include <QPointer>
#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace quorim {

class Skin;

// A control that fits itself to what the engine shows on it (a label sized and centred to its
// text); the registry tells it after every change.
class SelfArrangingControl {
 public:
  virtual ~SelfArrangingControl() = default;
  virtual void Arrange(const ControlState& state) = 0;
};

class ControlRegistry : public ControlTextApplier {
 public:
  explicit ControlRegistry(const Skin& skin) : skin_(skin) {}

  // The widget or action of that name in any top-level window of the game; nullptr when none
  // exists (yet): the state stays in the engine's table until a window shows it.
  static QObject* Find(const QString& name);

  // Shows one aspect of the state on the named control.
  void Show(const QString& name, ControlAspect aspect, const ControlState& state) const;
  // Shows every aspect the engine has set on the controls of a window made later.
  void ShowAll(QWidget& window, const ControlTable& table) const;

  // A caption and hint of the language file, on the control or on the window itself.
  void ApplyControlText(const ControlText& text) override;
  // The texts of one window made or rebuilt later; a caption the game has set since (the end
  // control naming a demonstration) stays.
  void ApplyWindowTexts(const InterfaceStrings& strings, const QString& window,
                        const ControlTable& table = ControlTable());

 private:
  void ShowOn(QObject& control, ControlAspect aspect, const ControlState& state) const;

  const Skin& skin_;
};

}  // namespace quorim
