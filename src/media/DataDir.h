#pragma once
// The data directory and the one resolver for every game path in it.
// Game paths are written Windows-style ("GRAFIX\classic\Q-Logo.bmp", "dict\rus\alphabet.txt") and
// in any letter case; on disk each component is matched without regard to case.

#include <QString>
#include <QStringView>

namespace quorim {

class DataDir {
 public:
  // root: an existing directory; relative paths are taken from the working directory.
  explicit DataDir(const QString& root);

  // The data directory is the working directory at start-up.
  static DataDir FromWorkingDirectory();

  const QString& Root() const { return root_; }

  // The file system path of a game path. Components that exist are matched case-insensitively
  // (an exact match wins); the rest are kept as written, so a file that does not exist yet gets
  // a usable path to be created at. ".." never leads out of the data directory.
  QString Resolve(QStringView gamePath) const;

  bool Exists(QStringView gamePath) const;

 private:
  QString root_;
};

// Game paths inside the language folders: dict\<lang>\<file>, the explanations
// dict\<lang>\expl\<explanatory lang>\explanatory.txt and lang\<lang>\strings.txt.
QString DictionaryFile(QStringView dictionaryLang, QStringView file);
QString ExplanatoryFile(QStringView dictionaryLang, QStringView explanatoryLang);
QString StringsFile(QStringView interfaceLang);

}  // namespace quorim
