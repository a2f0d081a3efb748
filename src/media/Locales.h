#pragma once
// Languages by their three-letter codes: the locale identifiers of lang\locales.txt, and what the
// host's locale database says of them (here ICU plus a table of Windows ANSI code pages).

#include "media/DataDir.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quorim {

class LocaleTable {
 public:
  // Reads lang\locales.txt ("RUS=1049" lines). A missing file gives an empty table; lines that do
  // not have that shape are skipped and described in problems.
  static LocaleTable Load(const DataDir& dataDir, QStringList* problems = nullptr);

  void Add(const QString& code, std::uint32_t localeId);
  // Codes are compared without regard to case.
  std::optional<std::uint32_t> LocaleId(QStringView code) const;
  // The ICU locale of the code's locale identifier ("ru_RU"), empty when there is none.
  QString IcuLocale(QStringView code) const;
  // Every code, upper case, in file order.
  QStringList Codes() const;

 private:
  std::vector<std::pair<QString, std::uint32_t>> entries_;
};

// The default Windows ANSI code page of a language: 1251 for Russian, 1252 for English, and so on;
// 0 for an empty or unknown code, and for languages whose locale has no 8-bit code page.
int LanguageCodePage(const LocaleTable& locales, QStringView code);

// The language's name in the interface language ("Русский", "English"), without the region part.
QString LanguageDisplayName(const LocaleTable& locales, QStringView code,
                            QStringView interfaceLang);

// The font character set of a language's texts.
int LanguageCharset(const LocaleTable& locales, QStringView code);

// The process locale's language as an ISO 639-2 code ("rus", "eng"); empty when it has none.
QString HostInterfaceLanguage();

}  // namespace quorim
