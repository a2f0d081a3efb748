#pragma once
// A game on the shipped data directory with the Russian dictionary and interface texts, without
// the settings files of whoever ran the game there; and golden files, which keep what seeded games
// leave behind and change only when play is meant to change (QUORIM_WRITE_GOLDEN=1 rewrites them).

#include "dictionary/Themes.h"
#include "flow/HeadlessView.h"
#include "flow/StartUp.h"
#include "model/Game.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quorim::test {

inline void ExpectGolden(const QString& path, const QString& text) {
  if (qEnvironmentVariableIsSet("QUORIM_WRITE_GOLDEN")) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    return;
  }
  EXPECT_EQ(QString::fromUtf8(ReadFile(path)).toStdString(), text.toStdString());
}

// The shipped data seen through links in a fresh folder: what a game writes (its last game, the
// hall of fame) lands there and never in the repository's data.
class ShippedDataLinks {
 public:
  ShippedDataLinks() {
    const QDir shipped(QStringLiteral(QUORIM_SHIPPED_DATA));
    for (const QString& entry : shipped.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
      QFile::link(shipped.filePath(entry), QDir(root_.path()).filePath(entry));
  }
  QString Root() const { return root_.path(); }

 private:
  QTemporaryDir root_;
};

template <typename View = HeadlessView>
class ShippedGame : public ::testing::Test {
 protected:
  ShippedGame() : game_(view_, DataDir(links_.Root())) {
    game_.Locales = LocaleTable::Load(game_.Data);
    game_.Settings.InterfaceLang = game_.Settings.DictionaryLang = QStringLiteral("rus");
    game_.Settings.UseCustomDictionary = false;
    game_.Settings.PlaySounds = true;
    game_.Strings.LoadRaw(QStringLiteral(QUORIM_SHIPPED_DATA "/lang/rus/strings.txt"));
    SetDefaultDictionaryLimits(game_);
    LoadDictionaryLanguage(game_);
  }

  ShippedDataLinks links_;
  View view_;
  Game game_;
};

}  // namespace quorim::test
