#pragma once
// A page of the options window alone, in a plain window named as the options window, over a game
// on a data directory of its own made from the shipped data. The game's view keeps the messages.

#include "flow/HeadlessView.h"
#include "media/Locales.h"
#include "model/Game.h"
#include "persistence/UserDataDir.h"
#include "ui/ControlRegistry.h"
#include "ui/Skin.h"

#include "TestFiles.h"
#include "UiTestSupport.h"

#include <QTemporaryDir>
#include <QVBoxLayout>

namespace quorim::test {

class OptionsPage : public ::testing::Test {
 protected:
  OptionsPage() : game_(view_, Prepared(dir_)) {
    game_.Locales = LocaleTable::Load(game_.Data);
    game_.Settings.DictionaryLang = QStringLiteral("rus");
    UseInterfaceLanguage("rus");
    EXPECT_FALSE(LoadAlphabet(game_.Alphabet, AlphabetPlace()));
    host_.setObjectName(QStringLiteral("Options"));
    new QVBoxLayout(&host_);
    host_.resize(600, 420);  // about the page area of the options window
  }

  // The page in the window, shown in front, with the captions of the interface language.
  template <typename Page>
  Page& Show(Page* page) {
    host_.layout()->addWidget(page);
    ControlRegistry(skin_).ApplyWindowTexts(game_.Strings, host_.objectName());
    ShowWindow();
    return *page;
  }
  void ShowWindow() {
    host_.show();
    host_.activateWindow();
    // The offscreen platform does not activate a window shown again by itself.
    QApplication::setActiveWindow(&host_);
  }
  // The interface language changes while the window is open.
  void UseInterfaceLanguage(const char* lang) {
    game_.Settings.InterfaceLang = QString::fromLatin1(lang);
    game_.Strings.LoadRaw(game_.Data.Resolve(StringsFile(game_.Settings.InterfaceLang)));
    game_.Strings.Prepare();
    ControlRegistry(skin_).ApplyWindowTexts(game_.Strings, host_.objectName());
    QApplication::processEvents();  // the layouts follow the new texts
  }

  AlphabetSource AlphabetPlace() const { return {game_.Data, "rus", game_.DictionaryCodePage()}; }
  QString LanguageFile(const QString& name) const {
    return game_.Data.Resolve(DictionaryFile(u"rus", name));
  }
  void WriteLanguageFile(const QString& name, std::initializer_list<std::string_view> lines) {
    WriteFile(dir_.path(), "dict/rus/" + name, GameFile(lines));
  }
  // The file's lines after its mark, as written.
  QString LanguageFileText(const QString& name) const {
    return QString::fromUtf8(ReadFile(LanguageFile(name)).mid(3));
  }
  QStringList Messages() const { return view_.FirstArgs(ViewCallName::ShowMessageBox); }
  QString Text(const char* key) const { return game_.InterfaceText(QString::fromLatin1(key)); }
  template <typename W = QWidget>
  W& Control(const char* name) const {
    W* control = host_.findChild<W*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }

  QTemporaryDir dir_;
  HeadlessView view_;
  Game game_;
  Skin skin_{DataDir(QStringLiteral(QUORIM_SHIPPED_DATA)), QStringLiteral("classic")};
  QWidget host_;

 private:
  static DataDir Prepared(const QTemporaryDir& dir) {
    QString error;
    EXPECT_TRUE(PrepareUserDataDir(QStringLiteral(QUORIM_SHIPPED_DATA), dir.path(), error))
        << error.toStdString();
    return DataDir(dir.path());
  }
};

}  // namespace quorim::test
