#pragma once
// The help viewer: the HTML pages of help\<language>\ in a browser window of the game's own, with
// back, forward and home. Links between pages stay in the window; web links open in the system's
// browser.

#include "media/DataDir.h"

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace quorim {

class THelpViewer : public QWidget {
 public:
  explicit THelpViewer(DataDir data, QWidget* parent = nullptr);

  // Shows and raises the window at help\<language>\<page> ("index.htm", "rules.htm", "play.htm").
  // A page the language lacks is taken from another language; a page no language has is replaced
  // by a notice that names it.
  void ShowPage(const QString& language, const QString& page);
  // The start page of the language last asked for.
  void ShowHome();

  // The file shown; empty for the notice of a missing page.
  QString CurrentFile() const;
  QTextBrowser& Browser() const { return *browser_; }

 private:
  // The file of the page: the language's own, else another language's; empty when none has it.
  QString FindPage(const QString& language, const QString& page) const;

  DataDir data_;
  QString language_;
  QTextBrowser* browser_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
  QToolButton* home_ = nullptr;
};

}  // namespace quorim
