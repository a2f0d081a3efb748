#include "ui/OptnsUserDict.h"

#include "media/CodePages.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <vector>

namespace quorim {

namespace {

UserList Other(UserList list) {
  return list == UserList::Added ? UserList::Excluded : UserList::Added;
}

}  // namespace

TUserDictionaryPage::TUserDictionaryPage(Game& game, QWidget* parent)
    : QWidget(parent), game_(game) {
  BuildControls();
  Load();
}

void TUserDictionaryPage::BuildControls() {
  const auto label = [this](const char* name, QWidget* buddy) {
    auto* made = new QLabel(this);
    made->setObjectName(QLatin1String(name));
    made->setBuddy(buddy);
    return made;
  };
  const auto button = [this](const char* name) {
    auto* made = new QPushButton(this);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);  // Enter stays the window's OK
    return made;
  };
  const auto edit = [this](const char* name) {
    auto* made = new QLineEdit(this);
    made->setObjectName(QLatin1String(name));
    connect(made, &QLineEdit::textChanged, this, [this] { EnableButtons(); });
    return made;
  };
  const auto list = [this](const char* name, UserList which) {
    auto* made = new QListWidget(this);
    made->setObjectName(QLatin1String(name));
    made->setSelectionMode(QAbstractItemView::ExtendedSelection);
    made->installEventFilter(this);
    connect(made, &QListWidget::itemSelectionChanged, this,
            [this, which] { SelectionChanged(which); });
    return made;
  };

  addEdit_ = edit("Edit1");
  add_ = button("UserDictionaryButtonWordAdd");
  added_ = list("ListBox1", UserList::Added);
  unAdd_ = button("UserDictionaryButtonWordUnAdd");
  excludeEdit_ = edit("Edit2");
  exclude_ = button("UserDictionaryButtonWordExclude");
  excluded_ = list("ListBox2", UserList::Excluded);
  unExclude_ = button("UserDictionaryButtonWordUnExclude");
  comment_ = new QPlainTextEdit(this);
  comment_->setObjectName(QStringLiteral("TextboxCustomWordComment"));
  comment_->installEventFilter(this);

  connect(add_, &QPushButton::clicked, this, [this] { Add(); });
  connect(exclude_, &QPushButton::clicked, this, [this] { Exclude(); });
  connect(unAdd_, &QPushButton::clicked, this, [this] { Remove(UserList::Added); });
  connect(unExclude_, &QPushButton::clicked, this, [this] { Remove(UserList::Excluded); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(label("UserDictionaryLabelAddedWords", addEdit_), 0, 0, 1, 2);
  grid->addWidget(addEdit_, 1, 0);
  grid->addWidget(add_, 1, 1);
  grid->addWidget(added_, 2, 0, 1, 2);
  grid->addWidget(unAdd_, 3, 0, 1, 2, Qt::AlignRight);
  grid->addWidget(label("UserDictionaryLabelExcludedWords", excludeEdit_), 0, 2, 1, 2);
  grid->addWidget(excludeEdit_, 1, 2);
  grid->addWidget(exclude_, 1, 3);
  grid->addWidget(excluded_, 2, 2, 1, 2);
  grid->addWidget(unExclude_, 3, 2, 1, 2, Qt::AlignRight);
  grid->addWidget(label("UserDictionaryLabelComment", comment_), 4, 0, 1, 4);
  grid->addWidget(comment_, 5, 0, 1, 4);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(2, 3);
  grid->setRowStretch(5, 1);
}

QListWidget& TUserDictionaryPage::List(UserList list) const {
  return list == UserList::Added ? *added_ : *excluded_;
}

void TUserDictionaryPage::Load() {
  page_.emplace(game_);
  openedByMoveQuestion_ = false;
  addEdit_->clear();
  excludeEdit_->clear();
  ShowLists();
}

void TUserDictionaryPage::StartWordAction(int tag, const QString& word) {
  openedByMoveQuestion_ = tag == kTagAddWord;
  if (tag == kTagAddWord) {
    addEdit_->setText(word);
    Add();
  } else if (tag == kTagExcludeWord) {
    excludeEdit_->setText(word);
    Exclude();
  }
  // The word is there to be explained.
  if (page_->SelectedRow() >= 0) comment_->setFocus();
}

void TUserDictionaryPage::Add() {
  ShowResult(page_->AddWord(addEdit_->text().trimmed(), openedByMoveQuestion_), *addEdit_);
}

void TUserDictionaryPage::Exclude() {
  ShowResult(page_->ExcludeWord(excludeEdit_->text().trimmed()), *excludeEdit_);
}

void TUserDictionaryPage::ShowResult(UserListChange change, QLineEdit& typed) {
  if (change == UserListChange::Added) {
    typed.clear();
    ShowLists();
  } else if (change == UserListChange::AlreadyListed && openedByMoveQuestion_) {
    ShowSelection();
  }
}

void TUserDictionaryPage::Remove(UserList list) {
  std::vector<int> rows;
  for (const QModelIndex& index : List(list).selectionModel()->selectedRows())
    rows.push_back(index.row());
  if (rows.empty()) return;
  page_->RemoveRows(list, std::move(rows));
  ShowLists();
}

void TUserDictionaryPage::ShowLists() {
  const int codePage = game_.DictionaryCodePage();
  for (const UserList list : {UserList::Added, UserList::Excluded}) {
    QListWidget& box = List(list);
    const QSignalBlocker blocker(box);
    box.clear();
    for (const UserWordRow& row : page_->Rows(list)) box.addItem(FromGameText(row.word, codePage));
  }
  ShowSelection();
}

void TUserDictionaryPage::ShowSelection() {
  const int row = page_->SelectedRow();
  for (const UserList list : {UserList::Added, UserList::Excluded}) {
    QListWidget& box = List(list);
    const QSignalBlocker blocker(box);
    box.clearSelection();
    if (list == page_->ListInUse() && row >= 0) {
      box.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
      box.scrollToItem(box.item(row));
    }
  }
  comment_->setPlainText(page_->CommentBox());
  // A comment needs a word to belong to.
  comment_->setEnabled(row >= 0);
  EnableButtons();
}

void TUserDictionaryPage::SelectionChanged(UserList list) {
  const QListWidget& box = List(list);
  int row = -1;
  if (box.currentItem() != nullptr && box.currentItem()->isSelected()) {
    row = box.currentRow();
  } else if (const auto selected = box.selectionModel()->selectedRows(); !selected.isEmpty()) {
    row = selected.front().row();
  }
  if (list != page_->ListInUse() || row != page_->SelectedRow()) {
    page_->SelectRow(list, row);
    const QSignalBlocker blocker(List(Other(list)));
    List(Other(list)).clearSelection();
    comment_->setPlainText(page_->CommentBox());
    comment_->setEnabled(row >= 0);
  }
  EnableButtons();
}

void TUserDictionaryPage::SaveComment() {
  if (page_->SelectedRow() < 0) return;
  const QString typed = comment_->toPlainText();
  if (typed == page_->CommentBox()) return;
  page_->EditComment(typed);
  comment_->setPlainText(page_->CommentBox());
}

void TUserDictionaryPage::EnableButtons() {
  add_->setEnabled(!addEdit_->text().trimmed().isEmpty());
  exclude_->setEnabled(!excludeEdit_->text().trimmed().isEmpty());
  unAdd_->setEnabled(added_->selectionModel()->hasSelection());
  unExclude_->setEnabled(excluded_->selectionModel()->hasSelection());
}

bool TUserDictionaryPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == comment_ && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    SaveComment();
  } else if (event->type() == QEvent::FocusIn && (watched == added_ || watched == excluded_)) {
    const UserList list = watched == added_ ? UserList::Added : UserList::Excluded;
    if (list != page_->ListInUse()) {
      page_->EnterList(list);
      ShowSelection();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TUserDictionaryPage::hideEvent(QHideEvent* event) {
  // The window closes or another page comes up while a comment is being typed.
  SaveComment();
  QWidget::hideEvent(event);
}

}  // namespace quorim
