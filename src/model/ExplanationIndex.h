#pragma once
// An explanatory file read once: for every word, where its first run of consecutive lines stands
// among the file's lines, so that a lookup takes those lines alone instead of walking megabytes of
// text again.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorim {

class ExplanationIndex {
 public:
  // Reads and indexes the file; words are compared as 8-bit text of the code page in upper case.
  // False, and an empty index, when the file cannot be read.
  bool Load(const QString& path, int codePage);

  // The explanations (the text after the first "=") of the word's first run of lines, in file
  // order; a later line of the same word, after other words, is not part of it.
  QStringList Explanations(std::string_view upperWord) const;

  std::size_t Words() const { return runs_.size(); }

 private:
  struct Run {
    std::string word;
    qsizetype first = 0;
    qsizetype count = 0;
  };

  QStringList lines_;
  std::vector<Run> runs_;  // sorted by word, one per word
};

// The explanatory files indexed so far. A file that changed on disk is indexed again.
class ExplanationFiles {
 public:
  // The index of the file; nullptr when it cannot be read.
  const ExplanationIndex* Index(const QString& path, int codePage);

 private:
  struct Entry {
    qint64 size = -1;
    QDateTime modified;
    bool readable = false;
    ExplanationIndex index;
  };
  std::map<std::pair<QString, int>, Entry> files_;
};

}  // namespace quorim
