#pragma once
// Saved games are 7z archives, made and read by the 7-Zip program: one entry "$$$.tmp" holding
// the saved text, LZMA at level 7, not solid, protected by the game's fixed password (the entry's
// name stays readable).

#include <QByteArray>
#include <QString>

#include <optional>

namespace quorim {

// The text start-up shows before it ends when the 7-Zip program cannot be found.
std::optional<QString> MissingArchiverMessage();

// The text becomes the archive's one entry. The archive replaces the file at path only once 7-Zip
// has written it completely, so a failed save leaves an older save as it was.
bool PackSavedText(const QString& path, const QByteArray& text);

// Whether the file begins as a 7z archive does: "7z".
bool LooksLikeArchive(const QString& path);

// The text of the archive's entry; nothing when the file is no 7z archive, the password or the
// archive is wrong or cut short, the entry is missing, too big, or 7-Zip takes too long.
std::optional<QByteArray> UnpackSavedText(const QString& path);

}  // namespace quorim
