#pragma once
// The interface string table: every caption, hint and message of the interface language, read from
// lang\<code>\strings.txt. The file's control section names windows and controls and stays at hand
// for windows made later; its dynamic section ("Key=text") is what InterfaceText looks up.

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>
#include <vector>

namespace quorim {

// One control line of strings.txt, with "#" already turned into line breaks.
struct ControlText {
  QString window;   // "MainScreen", "Options", ...
  QString control;  // empty: the line addresses the window itself
  QString caption;
  QString hint;
};

// Parses `Window.Control:"caption"/"hint"` (the control part is optional); nothing for a line
// without that shape.
std::optional<ControlText> ParseControlLine(QStringView line);

// Implemented by the windows: applies a caption and hint to the named window or control, by the
// kind of control; names it does not know are skipped. Windows made later read the kept lines
// instead.
class ControlTextApplier {
 public:
  virtual ~ControlTextApplier() = default;
  virtual void ApplyControlText(const ControlText& text) = 0;
};

// Texts that older versions wrote into the program in Russian; a language file now gives them under
// a key of its own, and a file that lacks the key still shows the Russian text.
enum class FixedTextKey {
  PlayerMoves,    // after a name on the control panel: "Name moves"
  LensCaption,    // the lens menu item
  SplashLoading,  // the splash screen's loading bar
  AboutSponsor,   // above the sponsor's logo in the about window
};

class InterfaceStrings {
 public:
  // Replaces the table with the raw lines of a strings.txt. Until Prepare runs, lookups search all
  // of its lines and "#" is still a character.
  bool LoadRaw(const QString& path);

  // Keeps the control lines (up to "[Dynamic]") that carry a caption or a hint, in file order, in
  // place of the previous file's; drops them and the comments from the table and splits the
  // dynamic section at every "#".
  void Prepare();

  // The kept control lines, in file order.
  const std::vector<ControlText>& ControlTexts() const { return controls_; }
  // The kept lines of one window; names are compared without regard to case.
  std::vector<ControlText> WindowTexts(QStringView window) const;
  // The kept line of one control (an empty control: the window itself). When the file names it
  // twice the later line wins, as applying the lines in order leaves it.
  std::optional<ControlText> ControlTextOf(QStringView window, QStringView control) const;
  // The entries of a list control: its caption split at the line breaks; none without a caption.
  QStringList ListItems(QStringView window, QStringView control) const;

  // The text of the first line whose part before "=" equals the key, ignoring case; empty if none.
  QString InterfaceText(QStringView key) const;
  // The text of the key, or the Russian text when the table lacks it.
  QString FixedText(FixedTextKey key) const;

  const QStringList& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  QStringList lines_;
  std::vector<ControlText> controls_;
};

// The text with its first "%s" replaced by an 8-bit word of the dictionary language.
QString SubstituteWord(const QString& text, std::string_view word, int dictionaryCodePage);

}  // namespace quorim
