#include "media/DataDir.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace quorim {

DataDir::DataDir(const QString& root) : root_(QDir(root).absolutePath()) {}

DataDir DataDir::FromWorkingDirectory() {
  return DataDir(QDir::currentPath());
}

namespace {

// The entry of dir whose name equals component; an exact match first, then one in another case.
QString MatchEntry(const QString& dir, const QString& component) {
  if (QFileInfo::exists(dir + u'/' + component)) return component;
  const QStringList entries =
      QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (entry.compare(component, Qt::CaseInsensitive) == 0) return entry;
  }
  return {};
}

}  // namespace

QString DataDir::Resolve(QStringView gamePath) const {
  QStringList parts;
  for (const QString& component :
       gamePath.toString().replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts)) {
    if (component == u".") continue;
    if (component == u"..") {
      if (!parts.isEmpty()) parts.removeLast();
      continue;
    }
    parts.append(component);
  }

  QString path = root_;
  bool onDisk = true;  // while every component so far exists, later ones are looked up too
  for (const QString& component : parts) {
    QString name = component;
    if (onDisk) {
      const QString match = MatchEntry(path, component);
      if (match.isEmpty()) {
        onDisk = false;
      } else {
        name = match;
      }
    }
    path += u'/' + name;
  }
  return path;
}

QString DictionaryFile(QStringView dictionaryLang, QStringView file) {
  return QStringLiteral("dict\\") + dictionaryLang.toString() + u'\\' + file.toString();
}

QString ExplanatoryFile(QStringView dictionaryLang, QStringView explanatoryLang) {
  return DictionaryFile(dictionaryLang, QStringLiteral("expl\\") + explanatoryLang.toString() +
                                            QStringLiteral("\\explanatory.txt"));
}

QString StringsFile(QStringView interfaceLang) {
  return QStringLiteral("lang\\") + interfaceLang.toString() + QStringLiteral("\\strings.txt");
}

bool DataDir::Exists(QStringView gamePath) const {
  return QFileInfo::exists(Resolve(gamePath));
}

}  // namespace quorim
