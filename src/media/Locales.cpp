#include "media/Locales.h"

#include "media/TextFiles.h"

#include <unicode/uldnames.h>
#include <unicode/uloc.h>

#include <string_view>

namespace quorim {

namespace {

// The default ANSI code page of each language as Windows gives it; ICU does not know them.
// A key with a script ("sr_Latn") is tried before the bare language.
struct AnsiCodePage {
  std::string_view language;
  int codePage;
};
// clang-format off
constexpr AnsiCodePage kAnsiCodePages[] = {
    {"cs", 1250}, {"hu", 1250}, {"pl", 1250}, {"ro", 1250}, {"sk", 1250},
    {"sl", 1250}, {"hr", 1250}, {"sq", 1250}, {"bs_Latn", 1250}, {"sr_Latn", 1250},
    {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"mk", 1251}, {"sr_Cyrl", 1251},
    {"bs_Cyrl", 1251}, {"kk", 1251}, {"ky", 1251}, {"tt", 1251}, {"ba", 1251}, {"sah", 1251},
    {"mn", 1251}, {"tg", 1251}, {"az_Cyrl", 1251}, {"uz_Cyrl", 1251},
    {"en", 1252}, {"de", 1252}, {"fr", 1252}, {"es", 1252}, {"it", 1252}, {"pt", 1252},
    {"nl", 1252}, {"da", 1252}, {"sv", 1252}, {"nb", 1252}, {"nn", 1252}, {"no", 1252},
    {"fi", 1252}, {"is", 1252}, {"ga", 1252}, {"ca", 1252}, {"eu", 1252}, {"gl", 1252},
    {"af", 1252}, {"id", 1252}, {"ms", 1252}, {"sw", 1252}, {"fo", 1252}, {"fy", 1252},
    {"lb", 1252}, {"rm", 1252}, {"br", 1252}, {"co", 1252}, {"oc", 1252}, {"cy", 1252},
    {"gd", 1252}, {"xh", 1252}, {"zu", 1252},
    {"el", 1253},
    {"tr", 1254}, {"az_Latn", 1254}, {"uz_Latn", 1254},
    {"he", 1255}, {"yi", 1255},
    {"ar", 1256}, {"fa", 1256}, {"ur", 1256},
    {"et", 1257}, {"lv", 1257}, {"lt", 1257},
    {"vi", 1258},
    {"th", 874}, {"ja", 932}, {"zh_Hans", 936}, {"ko", 949}, {"zh_Hant", 950},
};
// clang-format on

int AnsiCodePageOfLocale(const QString& icuLocale) {
  const QByteArray id = icuLocale.toLatin1();
  char full[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  uloc_addLikelySubtags(id.constData(), full, sizeof full, &status);
  if (U_FAILURE(status)) return 0;
  char language[ULOC_LANG_CAPACITY] = {};
  char script[ULOC_SCRIPT_CAPACITY] = {};
  uloc_getLanguage(full, language, sizeof language, &status);
  uloc_getScript(full, script, sizeof script, &status);
  if (U_FAILURE(status)) return 0;
  const std::string withScript = std::string(language) + "_" + script;
  for (const std::string_view key : {std::string_view(withScript), std::string_view(language)}) {
    for (const AnsiCodePage& entry : kAnsiCodePages) {
      if (entry.language == key) return entry.codePage;
    }
  }
  return 0;
}

}  // namespace

LocaleTable LocaleTable::Load(const DataDir& dataDir, QStringList* problems) {
  LocaleTable table;
  const QString path = dataDir.Resolve(u"lang\\locales.txt");
  // Codes and numbers are plain ASCII, so the Unicode reader serves without any conversion.
  QStringList lines;
  if (!LoadUnicodeTextFile(path, lines)) return table;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty()) continue;
    const qsizetype equals = line.indexOf(u'=');
    bool isNumber = false;
    const std::uint32_t id = equals > 0 ? line.mid(equals + 1).trimmed().toUInt(&isNumber) : 0;
    if (!isNumber) {
      if (problems) {
        problems->append(QStringLiteral("%1, line %2: expected CODE=locale number, found \"%3\"")
                             .arg(path)
                             .arg(i + 1)
                             .arg(lines[i]));
      }
      continue;
    }
    table.Add(line.left(equals).trimmed(), id);
  }
  return table;
}

void LocaleTable::Add(const QString& code, std::uint32_t localeId) {
  entries_.emplace_back(code.toUpper(), localeId);
}

std::optional<std::uint32_t> LocaleTable::LocaleId(QStringView code) const {
  for (const auto& [entryCode, id] : entries_) {
    if (entryCode.compare(code, Qt::CaseInsensitive) == 0) return id;
  }
  return std::nullopt;
}

QString LocaleTable::IcuLocale(QStringView code) const {
  const std::optional<std::uint32_t> id = LocaleId(code);
  if (!id) return {};
  char locale[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = uloc_getLocaleForLCID(*id, locale, sizeof locale, &status);
  if (U_FAILURE(status) || length <= 0) return {};
  return QString::fromLatin1(locale, length);
}

QStringList LocaleTable::Codes() const {
  QStringList codes;
  for (const auto& entry : entries_) codes.append(entry.first);
  return codes;
}

int LanguageCodePage(const LocaleTable& locales, QStringView code) {
  if (code.isEmpty()) return 0;
  const QString locale = locales.IcuLocale(code);
  return locale.isEmpty() ? 0 : AnsiCodePageOfLocale(locale);
}

QString LanguageDisplayName(const LocaleTable& locales, QStringView code,
                            QStringView interfaceLang) {
  const QString locale = locales.IcuLocale(code);
  if (locale.isEmpty()) return {};
  QString displayLocale = locales.IcuLocale(interfaceLang);
  if (displayLocale.isEmpty()) displayLocale = QStringLiteral("en");

  UDisplayContext contexts[] = {UDISPCTX_STANDARD_NAMES,
                                UDISPCTX_CAPITALIZATION_FOR_UI_LIST_OR_MENU};
  UErrorCode status = U_ZERO_ERROR;
  ULocaleDisplayNames* names =
      uldn_openForContext(displayLocale.toLatin1().constData(), contexts, 2, &status);
  if (U_FAILURE(status)) return {};
  UChar buffer[200] = {};
  const int32_t length =
      uldn_localeDisplayName(names, locale.toLatin1().constData(), buffer, 200, &status);
  uldn_close(names);
  if (U_FAILURE(status)) return {};
  QString name = QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer), length);
  const qsizetype bracket = name.indexOf(u'(');
  if (bracket >= 0) name.truncate(bracket);
  return name.trimmed().left(99);
}

int LanguageCharset(const LocaleTable& locales, QStringView code) {
  switch (LanguageCodePage(locales, code)) {
    case 1251:
      return 204;
    case 1257:
      return 186;
    default:
      return 238;
  }
}

QString HostInterfaceLanguage() {
  return QString::fromLatin1(uloc_getISO3Language(uloc_getDefault()));
}

}  // namespace quorim
