#pragma once
// Choosing the interface, dictionary and explanatory languages at start-up, and applying an
// interface language to the windows.

#include "media/DataDir.h"
#include "media/InterfaceStrings.h"

#include <QString>
#include <QStringList>

namespace quorim {

struct LanguageChoice {
  QString interfaceLang;    // empty: no interface language was found
  QString dictionaryLang;   // empty: no dictionary was found
  QString explanatoryLang;  // may stay empty
  // The lang\default.txt messages to show, in order, before the program ends.
  QStringList messages;

  // Without an interface or a dictionary language the program cannot start.
  bool CanStart() const { return !interfaceLang.isEmpty() && !dictionaryLang.isEmpty(); }
};

// Takes the host's language when it has a strings.txt, else the preference lists of
// lang\default.txt; loads the chosen strings.txt raw into table.
LanguageChoice ChooseLanguages(const DataDir& dataDir, const QString& hostLanguage,
                               InterfaceStrings& table);

// The first code of a preference list ("rus,eng,": codes of three letters, each followed by one
// separator) for which exists(code) holds; empty when none does.
template <typename Exists>
QString FirstAvailableLanguage(QString list, Exists exists) {
  list = list.toLower();
  while (!list.isEmpty()) {
    const QString code = list.left(3);
    if (exists(code)) return code;
    list.remove(0, 4);
  }
  return {};
}

// Loads lang\<interfaceLang>\strings.txt and prepares it, handing the captions to the windows that
// exist now. Nothing changes when the file does not exist; gives whether it was applied.
bool ApplyInterfaceLanguage(const DataDir& dataDir, const QString& interfaceLang,
                            InterfaceStrings& table, ControlTextApplier& applier);

}  // namespace quorim
