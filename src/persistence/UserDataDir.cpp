#include "persistence/UserDataDir.h"

#include "media/DataDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

namespace quorim {

namespace {

// What a shipped file is to the game.
enum class FileUse {
  Read,     // linked, so that it follows updates of the shipped data
  Written,  // copied once: the game's writes must never reach the shipped file
  Private,  // a record of one user's play never passes to another user
};

// relative: the shipped path below the data directory, components separated by "/". The game
// finds its files in any letter case, so they are named here in any case too.
FileUse UseOf(const QString& relative) {
  const QStringList parts = relative.toLower().split(u'/');
  const QString& name = parts.last();
  if (parts.size() == 1) {
    // saves, the hall of fame with the backups of a damaged one, scratch files
    if (name == u"save" || name.startsWith(u"hallfame.dat") || name == u"$$$.tmp" ||
        (name.startsWith(u'~') && name.endsWith(u".tmp"))) {
      return FileUse::Private;
    }
    // the main settings file and the players' settings files
    if (name.endsWith(u".ini")) return FileUse::Written;
  }
  if (parts.size() == 2 && parts[0] == u"media" && name == u"songs.lst") return FileUse::Written;
  if (parts.size() == 3 && parts[0] == u"dict") {
    // The game deletes a word list that became empty: a copy would bring the words back.
    if (name.startsWith(u"diction.user.") || name == u"diction.xx") return FileUse::Private;
    // the alphabet editor and its factory copy
    if (name == u"alphabet.txt" || name == u"alphabet.def") return FileUse::Written;
  }
  return FileUse::Read;
}

QString Join(const QString& dir, const QString& name) {
  return dir.isEmpty() ? name : dir + u'/' + name;
}

bool Inside(const QString& path, const QString& root) {
  return path == root || path.startsWith(root + u'/');
}

// Shipped data nested into itself (a link to a parent folder) must not make the walk endless.
constexpr int kMaxDepth = 32;

constexpr QDir::Filters kShippedEntries = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
// QDir::System lists links whose target is gone too.
constexpr QDir::Filters kUserEntries = kShippedEntries | QDir::System;

class Mirror {
 public:
  explicit Mirror(const QString& shippedRoot) : shippedRoot_(shippedRoot) {}

  // Mirrors the shipped folder of relative into userDir, which exists.
  void Folder(const QString& relative, const QString& userDir, int depth);

  const QStringList& Problems() const { return problems_; }

 private:
  void SubFolder(const QFileInfo& shipped, const QFileInfo* user, const QString& relative,
                 const QString& userDir, int depth);
  void LinkedFile(const QFileInfo& shipped, const QFileInfo* user, const QString& relative,
                  const QString& userDir);
  void CopiedFile(const QFileInfo& shipped, const QFileInfo* user, const QString& userDir);
  // Takes away what was made for shipped files that are gone; gives whether anything went.
  bool Prune(const QFileInfo& user, const QString& relative, int depth);

  bool MakeLink(const QString& target, const QString& path);
  bool MakeCopy(const QString& source, const QString& path);
  bool Remove(const QString& path);

  // A link that leads into the shipped data, where nothing may be written.
  bool ReachesShipped(const QFileInfo& link) const {
    const QString target = link.canonicalFilePath();
    return Inside(link.symLinkTarget(), shippedRoot_) ||
           (!target.isEmpty() && Inside(target, shippedRoot_));
  }

  QString shippedRoot_;
  QStringList problems_;
};

// A link made by this code points at the same relative path in a data directory: this shipped
// one, or one that shipped data lay in before (moved away, or another installation).
bool MadeForShipped(const QFileInfo& link, const QString& relative) {
  const QString target = link.symLinkTarget();
  if (!target.endsWith(u'/' + relative, Qt::CaseInsensitive)) return false;
  const QString root = target.left(target.size() - relative.size() - 1);
  return !QFileInfo::exists(root) || HoldsGameData(root);
}

// The user's entry for a shipped name: the same name, else the same name in another case.
const QFileInfo* Counterpart(const QFileInfoList& entries, const QString& name) {
  const QFileInfo* similar = nullptr;
  for (const QFileInfo& entry : entries) {
    if (entry.fileName() == name) return &entry;
    if (!similar && entry.fileName().compare(name, Qt::CaseInsensitive) == 0) similar = &entry;
  }
  return similar;
}

void Mirror::Folder(const QString& relative, const QString& userDir, int depth) {
  const QFileInfoList userEntries = QDir(userDir).entryInfoList(kUserEntries, QDir::Name);
  QSet<QString> matched;
  const QFileInfoList shippedEntries =
      QDir(Join(shippedRoot_, relative)).entryInfoList(kShippedEntries, QDir::Name);
  for (const QFileInfo& shipped : shippedEntries) {
    const QString path = Join(relative, shipped.fileName());
    const FileUse use = UseOf(path);
    if (use == FileUse::Private) continue;
    const QFileInfo* user = Counterpart(userEntries, shipped.fileName());
    if (user) matched.insert(user->fileName());
    if (shipped.isDir()) {
      SubFolder(shipped, user, path, userDir, depth);
    } else if (use == FileUse::Read) {
      LinkedFile(shipped, user, path, userDir);
    } else {
      CopiedFile(shipped, user, userDir);
    }
  }
  for (const QFileInfo& user : userEntries) {
    if (!matched.contains(user.fileName())) Prune(user, Join(relative, user.fileName()), depth);
  }
}

void Mirror::SubFolder(const QFileInfo& shipped, const QFileInfo* user, const QString& relative,
                       const QString& userDir, int depth) {
  if (depth >= kMaxDepth) {
    problems_ << QStringLiteral("%1: folders nested too deep").arg(shipped.filePath());
    return;
  }
  QString path = Join(userDir, shipped.fileName());
  if (user && user->isSymLink()) {
    // Files made beside links into the shipped folder would land in the shipped folder.
    if (user->exists() && !ReachesShipped(*user)) return;  // a folder of the user's own
    if (!Remove(user->filePath())) return;
    user = nullptr;
  }
  if (user && !user->isDir()) return;  // a file of the user's own where a folder ships
  if (user) {
    path = user->filePath();
  } else if (!QDir().mkdir(path)) {
    problems_ << QStringLiteral("%1: cannot make the folder").arg(path);
    return;
  }
  Folder(relative, path, depth + 1);
}

void Mirror::LinkedFile(const QFileInfo& shipped, const QFileInfo* user, const QString& relative,
                        const QString& userDir) {
  const QString target = shipped.absoluteFilePath();
  const QString path = Join(userDir, shipped.fileName());
  if (user) {
    // A file, or a link to something else than the shipped data, is the user's.
    if (!user->isSymLink()) return;
    if (user->symLinkTarget() == target && user->fileName() == shipped.fileName()) return;
    if (user->exists() && !MadeForShipped(*user, relative)) return;
    if (!Remove(user->filePath())) return;
  }
  MakeLink(target, path);
}

void Mirror::CopiedFile(const QFileInfo& shipped, const QFileInfo* user, const QString& userDir) {
  if (user) {
    // The game writes through a link into whatever it points at.
    if (!user->isSymLink() || (user->exists() && !ReachesShipped(*user))) return;
    if (!Remove(user->filePath())) return;
  }
  MakeCopy(shipped.absoluteFilePath(), Join(userDir, shipped.fileName()));
}

bool Mirror::Prune(const QFileInfo& user, const QString& relative, int depth) {
  if (user.isSymLink()) return MadeForShipped(user, relative) && Remove(user.filePath());
  if (!user.isDir() || depth >= kMaxDepth) return false;
  bool removed = false;
  const QFileInfoList entries = QDir(user.filePath()).entryInfoList(kUserEntries);
  for (const QFileInfo& entry : entries) {
    removed = Prune(entry, Join(relative, entry.fileName()), depth + 1) || removed;
  }
  // A folder emptied here was a shipped one (a skin, a language) and would still be offered.
  if (removed && QDir(user.filePath()).isEmpty(kUserEntries)) QDir().rmdir(user.filePath());
  return removed;
}

bool Mirror::MakeLink(const QString& target, const QString& path) {
  // Where the file system has no links, a copy still lets the game run.
  return QFile::link(target, path) || MakeCopy(target, path);
}

bool Mirror::MakeCopy(const QString& source, const QString& path) {
  // QFile::copy writes a temporary file and renames it: never a half copy that would count as the
  // user's own file from then on.
  if (!QFile::copy(source, path)) {
    problems_ << QStringLiteral("%1: cannot copy from %2").arg(path, source);
    return false;
  }
  // Installed data may be read-only; the game must be able to write its copy.
  QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
  return true;
}

bool Mirror::Remove(const QString& path) {
  if (QFile::remove(path)) return true;
  problems_ << QStringLiteral("%1: cannot remove the link").arg(path);
  return false;
}

// The canonical form of a path that need not exist yet: its deepest existing folder resolved.
QString CanonicalPath(const QString& absolutePath) {
  QString existing = absolutePath;
  QString rest;
  while (!QFileInfo::exists(existing)) {
    const qsizetype slash = existing.lastIndexOf(u'/');
    if (slash <= 0) return absolutePath;
    rest.prepend(existing.mid(slash));
    existing.truncate(slash);
  }
  return QFileInfo(existing).canonicalFilePath() + rest;
}

}  // namespace

bool HoldsGameData(const QString& dir) {
  if (!QFileInfo(dir).isDir()) return false;
  const DataDir data(dir);
  return QFileInfo(data.Resolve(u"lang\\default.txt")).isFile() &&
         QFileInfo(data.Resolve(u"dict")).isDir();
}

QString DefaultUserDataDir() {
  // Relative values are invalid for the XDG variables and are to be ignored.
  const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  const QString base = QDir::isAbsolutePath(dataHome)
                           ? dataHome
                           : QDir::homePath() + QStringLiteral("/.local/share");
  return QDir::cleanPath(base + QStringLiteral("/quorim"));
}

std::optional<QString> PrepareUserDataDir(const QString& shipped, const QString& user,
                                          QString& error) {
  const QString shippedRoot = QFileInfo(shipped).canonicalFilePath();
  if (shippedRoot.isEmpty() || !HoldsGameData(shippedRoot)) {
    error = QStringLiteral("%1: no game data there").arg(shipped);
    return std::nullopt;
  }
  const QString userPath = QDir::cleanPath(QFileInfo(user).absoluteFilePath());
  const QString userRoot = CanonicalPath(userPath);
  if (userRoot == shippedRoot) return userPath;  // a game installed into the user's own folders
  // Either walk would run into the other tree; checked before anything is made.
  if (Inside(userRoot, shippedRoot) || Inside(shippedRoot, userRoot)) {
    error = QStringLiteral("%1: the game's data in %2 and the user's folder lie in each other")
                .arg(userPath, shippedRoot);
    return std::nullopt;
  }
  if (!QDir().mkpath(userPath)) {
    error = QStringLiteral("%1: cannot make the folder").arg(userPath);
    return std::nullopt;
  }

  Mirror mirror(shippedRoot);
  mirror.Folder(QString(), userPath, 0);
  if (!mirror.Problems().isEmpty()) {
    error = mirror.Problems().join(u'\n');
    return std::nullopt;
  }
  return userPath;
}

std::optional<QString> ChooseDataDir(const QString& workingDir, const QString& shipped,
                                     const QString& user, QString& error) {
  const QString working = QFileInfo(workingDir).canonicalFilePath();
  // Started inside the user's folder, the game still picks up updates of the shipped data.
  if (HoldsGameData(workingDir) && working != QFileInfo(user).canonicalFilePath()) {
    return workingDir;
  }
  return PrepareUserDataDir(shipped, user, error);
}

}  // namespace quorim
