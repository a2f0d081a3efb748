// The main window's context menu of a word lying on the board (ContextHelpMenu): the meaning of
// every word through the clicked cell and, with the user lists on, their exclusion.

#include "flow/WordExclusion.h"
#include "ui/Main.h"

#include <QMenu>
#include <QPainter>

namespace quorim {

namespace {

// The picture of the exclusion items: a red cross, drawn once.
const QPixmap& DelImage() {
  static const QPixmap picture = [] {
    constexpr int kSide = 16;
    QPixmap cross(kSide, kSide);
    cross.fill(Qt::transparent);
    QPainter painter(&cross);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(kSide - 4, kSide - 4));
    painter.drawLine(QPointF(kSide - 4, 4), QPointF(4, kSide - 4));
    return cross;
  }();
  return picture;
}

}  // namespace

void TMainScreen::RightMBClick(int tile, int x, int y, QPoint global) {
  if (contextHelpMenu_ == nullptr) {
    contextHelpMenu_ = new QMenu(this);
    contextHelpMenu_->setObjectName(QStringLiteral("ContextHelpMenu"));
  }
  QMenu& menu = *contextHelpMenu_;
  menu.clear();
  for (const TContextItem& item : ContextMenuItems(game_, x, y)) {
    QAction* action = item.Kind == ContextItemKind::Separator ? menu.addSeparator()
                                                              : menu.addAction(item.Caption);
    action->setObjectName(item.Name);
    if (item.Kind == ContextItemKind::Separator) continue;
    if (item.Kind == ContextItemKind::Exclude) action->setIcon(DelImage());
    connect(action, &QAction::triggered, this,
            [this, item, tile] { contextitemClick(item, tile); });
  }
  if (!menu.isEmpty()) menu.popup(global);
}

void TMainScreen::contextitemClick(const TContextItem& item, int tile) {
  if (item.Kind == ContextItemKind::Exclude) {
    ExcludeLaidWord(game_, item.Player, item.Entry, tile);
    return;
  }
  const QString word = RecordedWordText(game_, item.Player, item.Entry);
  if (!word.isEmpty()) ShowExplanation(word);
}

}  // namespace quorim
