#pragma once
// A game on a data directory of its own with the Russian alphabet, whose word files the tests write
// as UTF-8 lines.

#include "flow/HeadlessView.h"
#include "media/CodePages.h"
#include "model/Game.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>

#include <string>
#include <vector>

namespace quorim::test {

// 8-bit game text of the Russian dictionary.
inline std::string G(const char* utf8) {
  return ToGameText(QString::fromUtf8(utf8), 1251);
}

class DictionaryFixture : public ::testing::Test {
 protected:
  DictionaryFixture() : game_(view_, DataDir(dir_.path())) {
    game_.Locales.Add("RUS", 1049);
    game_.Locales.Add("ENG", 1033);
    game_.Settings.InterfaceLang = "rus";
    game_.Settings.DictionaryLang = "rus";
    game_.Settings.PlaySounds = true;
    WriteFile(dir_.path(), "dict/rus/alphabet.txt",
              ReadFile(QStringLiteral(QUORIM_SHIPPED_DATA "/dict/rus/alphabet.txt")));
    LoadAlphabet(game_.Alphabet, {game_.Data, "rus", 1251});
  }

  void WriteLanguageFile(const QString& name, std::initializer_list<std::string_view> lines) {
    WriteFile(dir_.path(), "dict/rus/" + name, GameFile(lines));
  }
  QString LanguageFilePath(const QString& name) const { return dir_.path() + "/dict/rus/" + name; }
  bool LanguageFileExists(const QString& name) const {
    return QFile::exists(LanguageFilePath(name));
  }
  // The file's lines after its mark, as written.
  QString LanguageFileText(const QString& name) const {
    return QString::fromUtf8(ReadFile(LanguageFilePath(name)).mid(3));
  }

  // Theme letters: A common, E extended, F second extended, K children.
  void WriteThemes() {
    WriteLanguageFile("themes.txt", {"DCommom=A", "DExtended1=E", "DExtended2=F", "DChildren=K",
                                     "[DictionaryThemes]", "A=Общие", "E=Редкие", "endoffile"});
  }

  QTemporaryDir dir_;
  HeadlessView view_;
  Game game_;
};

}  // namespace quorim::test
