// Every caption and hint the windows show is in both language files, and every control line of the
// files reaches a control. The real main window opens each of the game's windows; their named
// controls are gathered as the files address them, "Window.Control", and held against the files.

#include "media/InterfaceStrings.h"
#include "media/TextFiles.h"

#include "MainScreenFixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenu>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <map>
#include <set>
#include <utility>

namespace quorim {
namespace {

// The controls that show nothing in every state the test brings the windows into, and still need
// no line: what they will show comes from the code, never from a control line.
const QRegularExpression kEmptyUntilLater(
    QStringLiteral("^("
                   "Marker\\d|"                 // the hint's scanning markers, while a hint runs
                   "Prevalue\\d+|"              // the figures of the score preview
                   "Comment4|"                  // the song playing, with music on
                   "Hall(List|Number|Points)|"  // the hall of fame's rows, drawn by the window
                   "TntLabel1"                  // the file of the player's own background picture
                   ")$"),
    QRegularExpression::CaseInsensitiveOption);

// A control as the files address it, in lower case: the files' names ignore case.
using Address = std::pair<QString, QString>;

Address AddressOf(const QString& window, const QString& control) {
  return {window.toLower(), control.toLower()};
}

// The window a file line names the control by: the control's own window, except that the entries
// of a menu belong to the window whose menu bar or button holds the menu.
QWidget* WindowOf(QObject* control) {
  QObject* object = control;
  while (object != nullptr && !object->isWidgetType()) object = object->parent();
  QWidget* window = object != nullptr ? static_cast<QWidget*>(object)->window() : nullptr;
  while (qobject_cast<QMenu*>(window) != nullptr && window->parentWidget() != nullptr)
    window = window->parentWidget()->window();
  return window;
}

// Qt names the inner parts of its own widgets "qt_...", and a tab bar's scroll buttons by their
// direction.
bool QtsOwn(const QObject* object) {
  return object->objectName().startsWith(u"qt_") || qobject_cast<QTabBar*>(object->parent());
}

struct Look {
  bool captioned = false;  // of a kind that shows a caption or a hint
  bool shows = false;      // shows a caption, a hint or a picture now
};

// A text other than the control's own name, which a menu entry shows until its line is applied.
bool RealText(const QObject* control, const QString& text) {
  return !text.isEmpty() && text != control->objectName();
}

// Labels, buttons, check boxes and radio buttons, group boxes, menus and their entries, and the
// pages of a tab control carry captions and hints; a picture or an arrow is a caption too.
Look LookOf(QObject* control) {
  if (auto* action = qobject_cast<QAction*>(control)) {
    return {!action->isSeparator(), RealText(action, action->text()) ||
                                        RealText(action, action->toolTip()) ||
                                        !action->icon().isNull()};
  }
  auto* widget = qobject_cast<QWidget*>(control);
  if (widget == nullptr) return {};
  const bool hint = RealText(widget, widget->toolTip());
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return {true, hint || RealText(label, label->text()) || !label->pixmap().isNull() ||
                      label->movie() != nullptr};
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    auto* tool = qobject_cast<QToolButton*>(widget);
    return {true, hint || RealText(button, button->text()) || !button->icon().isNull() ||
                      (tool != nullptr && tool->arrowType() != Qt::NoArrow)};
  }
  if (auto* group = qobject_cast<QGroupBox*>(widget))
    return {true, hint || RealText(group, group->title())};
  if (auto* menu = qobject_cast<QMenu*>(widget)) return {true, RealText(menu, menu->title())};
  auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget());
  auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
  if (tabs == nullptr) return {};
  const int page = tabs->indexOf(widget);
  return {true, RealText(widget, tabs->tabText(page)) || RealText(widget, tabs->tabToolTip(page))};
}

// The control lines of a language file: everything above "[Dynamic]" but the comments.
std::vector<ControlText> ControlLines(const char* lang) {
  QStringList lines;
  EXPECT_TRUE(LoadUnicodeTextFile(
      QStringLiteral(QUORIM_SHIPPED_DATA "/lang/%1/strings.txt").arg(QLatin1String(lang)), lines));
  std::vector<ControlText> texts;
  for (const QString& line : lines) {
    if (line == u"[Dynamic]") break;
    if (line.startsWith(u';') || line.isEmpty()) continue;
    const std::optional<ControlText> text = ParseControlLine(line);
    EXPECT_TRUE(text.has_value()) << lang << ": " << line.toStdString();
    if (text) texts.push_back(*text);
  }
  return texts;
}

class InterfaceTexts : public BoardScreen {
 protected:
  // Records the named controls of every window there is now, shown or hidden, and what they show.
  void Gather() {
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
      QList<QObject*> objects = topLevel->findChildren<QObject*>();
      objects.prepend(topLevel);
      for (QObject* object : objects) {
        const QString name = object->objectName();
        QWidget* window = WindowOf(object);
        if (name.isEmpty() || QtsOwn(object) || window == nullptr || window->objectName().isEmpty())
          continue;
        Look& seen =
            controls_[AddressOf(window->objectName(), object == window ? QString() : name)];
        const Look now = object == window ? Look{} : LookOf(object);
        seen.captioned = seen.captioned || now.captioned;
        seen.shows = seen.shows || now.shows;
      }
    }
  }

  // Gathers while the modal window that the step opens is in front, then closes it with Esc.
  void GatherInModal(const std::function<void()>& open) {
    test::Watchdog watchdog([this] { main_->CloseModalWindows(); });
    bool gathered = false;
    test::Later([&] {
      EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
      Gather();
      gathered = true;
      if (main_->MessageWindow().Waiting()) main_->MessageWindow().Answer(false);
      if (QWidget* modal = QApplication::activeModalWidget())
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    open();
    EXPECT_TRUE(gathered);
  }

  // Every window of the game, before and during a game, each in the state that fills it.
  void OpenEveryWindow() {
    Start();
    Gather();
    main_->GameState().HallFame.Record("ANN", 500, false);
    GatherInModal([this] { main_->OpenOptions(0); });
    GatherInModal([this] { Item(QStringLiteral("MenuHelpAbout"))->trigger(); });
    GatherInModal([this] { main_->ShowNewGameWindow(); });
    GatherInModal([this] { main_->ShowHallOfFame(1); });
    GatherInModal(
        [this] { main_->ShowGameOverWindow({.winner = 1, .text = QStringLiteral("1")}); });
    GatherInModal(
        [this] { main_->ShowGameOverWindow({.winner = 0, .text = QStringLiteral("1")}); });
    GatherInModal([this] { main_->ShowMessageBox(QStringLiteral("1")); });
    GatherInModal([this] { main_->AskConfirmation(QStringLiteral("1")); });
    Item(QStringLiteral("MenuHelpGame"))->trigger();
    Item(QStringLiteral("MenuLens"))->trigger();
    Gather();
    Item(QStringLiteral("MenuLens"))->trigger();

    NewGameOfTwo().Settings.ExplanatoryLang = QStringLiteral("rus");
    Gather();
    GatherInModal([this] { main_->ShowSaveGameWindow(SaveWindowMode::Save, [](int) {}); });
    GatherInModal([this] { main_->AskStarLetter({300, 300}, 8, 8); });
    QTest::mouseClick(Find<QLabel>(names::InGameButtongInfo), Qt::LeftButton);
    main_->ShowExplanation(QStringLiteral("абзац"));
    main_->InGameLabelExplanationPanelClick();
    Gather();
  }

  std::map<Address, Look> controls_;  // what every control gathered showed at one time or another
};

// A control with a caption of the language has its line in both files. A control that showed a
// text without a line has it from the code (names, scores, dynamic texts); one that never showed
// anything has lost its line.
TEST_F(InterfaceTexts, EveryControlWithATextHasALineInBothFilesAndEveryLineAControl) {
  OpenEveryWindow();
  std::map<std::string, std::set<Address>> lines;
  for (const char* lang : {"rus", "eng"}) {
    QStringList nowhere;
    for (const ControlText& text : ControlLines(lang)) {
      const Address address = AddressOf(text.window, text.control);
      lines[lang].insert(address);
      if (!controls_.contains(address)) nowhere.append(text.window + u'.' + text.control);
    }
    EXPECT_TRUE(nowhere.isEmpty())
        << lang << ": lines of no control: " << nowhere.join(u' ').toStdString();
  }
  for (const auto& [lang, other] : {std::pair("rus", "eng"), std::pair("eng", "rus")}) {
    QStringList missing;
    for (const auto& [address, look] : controls_) {
      if (!look.captioned || lines[lang].contains(address)) continue;
      if (lines[other].contains(address) ||
          (!look.shows && !kEmptyUntilLater.match(address.second).hasMatch()))
        missing.append(address.first + u'.' + address.second);
    }
    EXPECT_TRUE(missing.isEmpty())
        << lang << ": controls without a line: " << missing.join(u' ').toStdString();
  }
  Exit();
}

// The lines of a window not made yet wait for it: its controls have common names ("ButtonOK",
// "Label2"), and another window's control of that name must not take its caption.
TEST_F(InterfaceTexts, TheLinesOfAWindowNotMadeYetLeaveOtherWindowsAlone) {
  Start();
  const std::vector<ControlText> lines = ControlLines("rus");
  const auto ownCaption = [&lines](const QString& window, const QString& control) {
    for (const ControlText& text : lines) {
      if (AddressOf(text.window, text.control) == AddressOf(window, control)) return text.caption;
    }
    return QString();
  };
  for (const ControlText& text : lines) {
    if (text.control.isEmpty() || text.caption.isEmpty()) continue;
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
      for (QObject* control : topLevel->findChildren<QObject*>(text.control)) {
        const QString window = WindowOf(control)->objectName();
        if (AddressOf(window, {}) == AddressOf(text.window, {}) ||
            ownCaption(window, text.control) == text.caption)
          continue;
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        const QString shown = label != nullptr    ? label->text()
                              : button != nullptr ? button->text()
                                                  : QString();
        EXPECT_NE(shown, text.caption)
            << text.window.toStdString() << '.' << text.control.toStdString() << " on "
            << window.toStdString();
      }
    }
  }
  Exit();
}

}  // namespace
}  // namespace quorim
