#include "media/LanguageChoice.h"

#include "media/TextFiles.h"

namespace quorim {

namespace {

// The value of a "Key=value" line of default.txt.
QString DefaultsValue(const QStringList& lines, QStringView key) {
  for (const QString& line : lines) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals > 0 &&
        QStringView(line).left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
      return line.mid(equals + 1);
    }
  }
  return {};
}

}  // namespace

LanguageChoice ChooseLanguages(const DataDir& dataDir, const QString& hostLanguage,
                               InterfaceStrings& table) {
  LanguageChoice choice;
  const QString hostCode = hostLanguage.left(3).toLower();

  // Read as Unicode: its messages are shown before any language is settled, and an 8-bit round
  // trip through the host's code page would garble them.
  QStringList defaults;
  const QString defaultsPath = dataDir.Resolve(u"lang\\default.txt");
  LoadUnicodeTextFile(defaultsPath, defaults);
  const auto value = [&](QStringView key) { return DefaultsValue(defaults, key); };
  // Without the file or its text an empty box would say nothing; name what was looked for.
  const auto message = [&](QStringView key) {
    const QString text = value(key);
    return text.isEmpty() ? defaultsPath + QStringLiteral(": ") + key.toString() : text;
  };

  choice.dictionaryLang = FirstAvailableLanguage(
      value(u"DictionaryLanguage"),
      [&](const QString& code) { return dataDir.Exists(DictionaryFile(code, u"dictionary.txt")); });
  if (choice.dictionaryLang.isEmpty()) choice.messages.append(message(u"NoDictionaryFoundMessage"));

  if (!choice.dictionaryLang.isEmpty()) {
    choice.explanatoryLang =
        FirstAvailableLanguage(value(u"ExplanatoryLanguage"), [&](const QString& code) {
          return dataDir.Exists(ExplanatoryFile(choice.dictionaryLang, code));
        });
  }

  const auto hasStrings = [&](const QString& code) {
    return code.size() == 3 && dataDir.Exists(StringsFile(code));
  };
  if (hasStrings(hostCode)) {
    choice.interfaceLang = hostCode;
  } else {
    choice.interfaceLang = FirstAvailableLanguage(value(u"InterfaceLanguage"), hasStrings);
    table.Clear();
    if (choice.interfaceLang.isEmpty()) choice.messages.append(message(u"NoLanguageFoundMessage"));
  }
  if (!choice.interfaceLang.isEmpty())
    table.LoadRaw(dataDir.Resolve(StringsFile(choice.interfaceLang)));
  return choice;
}

bool ApplyInterfaceLanguage(const DataDir& dataDir, const QString& interfaceLang,
                            InterfaceStrings& table, ControlTextApplier& applier) {
  if (!table.LoadRaw(dataDir.Resolve(StringsFile(interfaceLang)))) return false;
  table.Prepare();
  for (const ControlText& text : table.ControlTexts()) applier.ApplyControlText(text);
  return true;
}

}  // namespace quorim
