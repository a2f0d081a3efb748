// The help viewer on help pages written by the test: the language fallback, the notice of a
// missing page, links between pages with back and forward, and web links.

#include "TestFiles.h"
#include "UiTestSupport.h"
#include "ui/HelpViewer.h"

#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quorim {
namespace {

class HelpViewer : public ::testing::Test {
 protected:
  void Write(const QString& relative, const char* title, const char* body) {
    test::WriteFile(dir.path(), relative,
                    QByteArray("<html><head><title>") + title + "</title></head><body>" + body +
                        "</body></html>");
  }
  // Clicks the link with that text, as a person would.
  void ClickLink(const QString& text) {
    QTextBrowser& browser = viewer.Browser();
    QTextCursor inside(browser.document());
    inside.setPosition(browser.document()->find(text).selectionStart() + 1);
    const QRect at = browser.cursorRect(inside);
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, at.center());
  }
  void Press(const char* button) {
    QTest::mouseClick(viewer.findChild<QToolButton*>(QLatin1String(button)), Qt::LeftButton);
  }
  QString Shown() const { return QDir(dir.path()).relativeFilePath(viewer.CurrentFile()); }

  QTemporaryDir dir;
  THelpViewer viewer{DataDir(dir.path())};
};

TEST_F(HelpViewer, APageComesFromTheReadersLanguageElseAnotherElseANoticeNamesIt) {
  Write("help/eng/rules.htm", "Rules", "The rules");
  Write("help/rus/rules.htm", "Правила", "Правила игры");
  Write("help/eng/Play.HTM", "Playing", "How to start");

  viewer.ShowPage("rus", "rules.htm");
  EXPECT_EQ(Shown(), "help/rus/rules.htm");
  EXPECT_EQ(viewer.windowTitle(), "Правила");
  viewer.ShowPage("rus", "play.htm");
  EXPECT_EQ(Shown(), "help/eng/Play.HTM");
  viewer.ShowPage("deu", "rules.htm");
  EXPECT_EQ(Shown(), "help/eng/rules.htm");

  viewer.ShowPage("rus", "index.htm");
  EXPECT_TRUE(viewer.CurrentFile().isEmpty());
  EXPECT_TRUE(viewer.Browser().toPlainText().contains("help/rus/index.htm"));
}

TEST_F(HelpViewer, LinksBetweenPagesStayInTheWindowAndWebLinksOpenInTheBrowser) {
  test::UrlCatcher browser;
  Write("help/eng/index.htm", "Help", "<a href=\"Rules.htm\">Rules</a>");
  Write("help/eng/rules.htm", "Rules",
        "<a href=\"play.htm\">Playing</a> <a href=\"https://example.org/w\">Word lists</a>");
  Write("help/eng/play.htm", "Playing", "Start a game");

  viewer.ShowPage("eng", "index.htm");
  ClickLink("Rules");  // another letter case than the file's
  EXPECT_EQ(Shown(), "help/eng/rules.htm");
  ClickLink("Word lists");
  EXPECT_EQ(browser.opened, QList<QUrl>({QUrl("https://example.org/w")}));
  ClickLink("Playing");
  EXPECT_EQ(Shown(), "help/eng/play.htm");

  Press("HelpBack");
  EXPECT_EQ(Shown(), "help/eng/rules.htm");
  Press("HelpForward");
  EXPECT_EQ(Shown(), "help/eng/play.htm");
  Press("HelpHome");
  EXPECT_EQ(Shown(), "help/eng/index.htm");
}

}  // namespace
}  // namespace quorim
