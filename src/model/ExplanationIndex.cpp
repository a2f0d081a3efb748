#include "model/ExplanationIndex.h"

#include "media/CodePages.h"
#include "media/LetterCase.h"
#include "media/TextFiles.h"

#include <QFileInfo>

#include <algorithm>

namespace quorim {

namespace {

// A line names its word before the first "="; the leading ">" may be missing.
QStringView Entry(const QString& line) {
  return QStringView(line).mid(line.startsWith(u'>') ? 1 : 0);
}

}  // namespace

bool ExplanationIndex::Load(const QString& path, int codePage) {
  lines_.clear();
  runs_.clear();
  if (!LoadUtf8TextFile(path, lines_)) return false;
  const LetterCase& letterCase = LetterCase::For(codePage);
  std::string previous;
  for (qsizetype i = 0; i < lines_.size(); ++i) {
    const QStringView entry = Entry(lines_[i]);
    const qsizetype equals = entry.indexOf(u'=');
    std::string named =
        equals > 0 ? letterCase.Upper(ToGameText(entry.left(equals), codePage)) : std::string();
    if (!named.empty() && named == previous) {
      ++runs_.back().count;
    } else if (!named.empty()) {
      runs_.push_back({named, i, 1});
    }
    previous = std::move(named);
  }
  // A word's first run stays: the sort keeps the file's order among runs of one word.
  std::ranges::stable_sort(runs_, {}, &Run::word);
  const auto [from, to] = std::ranges::unique(runs_, {}, &Run::word);
  runs_.erase(from, to);
  return true;
}

QStringList ExplanationIndex::Explanations(std::string_view upperWord) const {
  QStringList explanations;
  const auto run = std::ranges::lower_bound(runs_, upperWord, {}, &Run::word);
  if (run == runs_.end() || run->word != upperWord) return explanations;
  for (qsizetype i = run->first; i < run->first + run->count; ++i) {
    const QStringView entry = Entry(lines_[i]);
    explanations.append(entry.mid(entry.indexOf(u'=') + 1).toString());
  }
  return explanations;
}

const ExplanationIndex* ExplanationFiles::Index(const QString& path, int codePage) {
  const QFileInfo info(path);
  const auto key = std::make_pair(path, codePage);
  if (!info.isFile()) {
    files_.erase(key);
    return nullptr;
  }
  Entry& entry = files_[key];
  if (entry.size != info.size() || entry.modified != info.lastModified()) {
    entry.size = info.size();
    entry.modified = info.lastModified();
    entry.readable = entry.index.Load(path, codePage);
  }
  return entry.readable ? &entry.index : nullptr;
}

}  // namespace quorim
