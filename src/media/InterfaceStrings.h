#pragma once
// The interface string table: every caption, hint and message of the interface language, read from
// lang\<code>\strings.txt. The file's control section names windows and controls and is handed to
// the windows; its dynamic section ("Key=text") is what InterfaceText looks up.

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

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
// kind of control; names it does not know are skipped.
class ControlTextApplier {
 public:
  virtual ~ControlTextApplier() = default;
  virtual void ApplyControlText(const ControlText& text) = 0;
};

class InterfaceStrings {
 public:
  // Replaces the table with the raw lines of a strings.txt. Until Prepare runs, lookups search all
  // of its lines and "#" is still a character.
  bool LoadRaw(const QString& path);

  // Hands every control line (up to "[Dynamic]") with a caption or a hint to the applier, drops
  // the control section and comments, and splits the dynamic section at every "#".
  void Prepare(ControlTextApplier& applier);

  // The text of the first line whose part before "=" equals the key, ignoring case; empty if none.
  QString InterfaceText(QStringView key) const;

  const QStringList& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  QStringList lines_;
};

// The text with its first "%s" replaced by an 8-bit word of the dictionary language.
QString SubstituteWord(const QString& text, std::string_view word, int dictionaryCodePage);

}  // namespace quorim
