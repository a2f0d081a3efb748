#pragma once
// The game's text files: UTF-8 with a byte-order mark on disk, 8-bit game text in memory; and the
// Unicode form for language files, whose mark selects UTF-16 LE, UTF-16 BE or UTF-8.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace quorim {

using TextLines = std::vector<std::string>;

// Reads a UTF-8 file as 8-bit lines (see ToGameText for languageCodePage). A missing or unreadable
// file changes nothing and gives false. Lines may end with CR LF, LF or CR.
bool LoadTextFile(const QString& path, TextLines& lines, int languageCodePage);

// The two above without the 8-bit step, for texts that must keep every character (paths, titles).
bool LoadUtf8TextFile(const QString& path, QStringList& lines);
bool SaveUtf8TextFile(const QString& path, const QStringList& lines);

// Reads a whole language file as Unicode lines: UTF-16 LE, UTF-16 BE or UTF-8 by its byte-order
// mark, the base 8-bit code page without one. A missing or unreadable file gives false.
bool LoadUnicodeTextFile(const QString& path, QStringList& lines);

// Creates or replaces the file: a UTF-8 mark, then each line followed by CR LF; no lines give an
// empty file. The old file stays whole until the new one is complete.
bool SaveTextFile(const QString& path, const TextLines& lines, int languageCodePage);

// The text of a UTF-8 file held in memory, and the bytes such a file is written with.
QStringList Utf8TextLines(QByteArray bytes);
QByteArray Utf8TextBytes(const QStringList& lines);

// Splits text at CR LF, LF and CR; a final line break does not start another line.
QStringList SplitLines(QStringView text);

}  // namespace quorim
