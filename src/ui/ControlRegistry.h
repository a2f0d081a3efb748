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

class ControlRegistry : public ControlTextApplier {
 public:
  explicit ControlRegistry(const Skin& skin) : skin_(skin) {}

  // The widget or action of that name in any top-level window of the game; nullptr when none
  // exists (yet): the state stays in the engine's table until a window shows it.
  static QObject* Find(const QString& name);

  // Shows one aspect of the state on the named control.
  void Show(const QString& name, ControlAspect aspect, const ControlState& state) const;
  // Shows every aspect the engine has set on the controls of a window made later.
  void ShowAll(const QWidget& window, const ControlTable& table) const;

  // A caption and hint of the language file, on the control or on the window itself.
  void ApplyControlText(const ControlText& text) override;
  // The texts of one window made or rebuilt later.
  void ApplyWindowTexts(const InterfaceStrings& strings, const QString& window);

 private:
  void ShowOn(QObject* control, ControlAspect aspect, const ControlState& state) const;

  const Skin& skin_;
};

}  // namespace quorim
