// The explanations of words: the explanation window, and the panel above the board where any word
// of the dictionary is typed or picked, added to or excluded from the user's lists and explained.
#include "ui/Main.h"

#include "dictionary/Explanations.h"
#include "media/CodePages.h"
#include "media/LetterCase.h"
#include "model/ControlNames.h"
#include "ui/Board.h"
#include "ui/ExplPanel.h"
#include "ui/Explform.h"
#include "ui/Widgets.h"
#include "ui/playfrm.h"

#include <QGuiApplication>
#include <QPainter>

namespace quorim {

namespace {

const QString kSwitchFace = QStringLiteral("MenuButton5");
const QString kSwitchCaption = QStringLiteral("InGameLabelExplanationPanel");
constexpr QRect kSwitchPlace(10, 256, 150, 21);  // on the control panel, under the end button
constexpr int kSwitchFrameColor = 16777215;

}  // namespace

void TMainScreen::BuildExplanationControls() {
  explanationWindow_ = std::make_unique<TExplanationWindow>(*skin_, [this](bool enabled) {
    for (const auto& panel : panels_) panel->setEnabled(enabled);
  });
  for (const QString* name : {&kSwitchFace, &kSwitchCaption}) {
    auto* control = new TClickLabel(client_, *name);
    control->OnClick([this] { InGameLabelExplanationPanelClick(); });
    control->setCursor(Qt::PointingHandCursor);
    control->hide();
    inGameControls_.push_back(control);
  }
  // the word list of the panel grows by one list per tick
  connect(&timers_[static_cast<std::size_t>(GameTimer::System)], &QTimer::timeout, this, [this] {
    if (explPanel_) explPanel_->FillStep();
  });
}

void TMainScreen::PlaceExplanationSwitch() {
  auto* face = controlPanel_->findChild<QLabel*>(kSwitchFace);
  auto* caption = controlPanel_->findChild<QLabel*>(kSwitchCaption);
  if (face == nullptr || caption == nullptr) return;
  QPixmap picture = QPixmap::fromImage(
      skin_->Picture(QStringLiteral("epanbgr"))
          .scaled(kSwitchPlace.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  if (!picture.isNull()) {
    QPainter painter(&picture);
    painter.setPen(skin_->Color(kSwitchCaption, kSwitchFrameColor));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
  }
  face->setPixmap(picture);
  face->setGeometry(kSwitchPlace);
  caption->setGeometry(kSwitchPlace);
  caption->setAlignment(Qt::AlignCenter);
  caption->setFont(skin_->Font(FontRole::kPlayer, 10));
  skin_->ColourText(*caption, kSwitchCaption);
  caption->raise();
}

int TMainScreen::ExplanationPanelHeight() const {
  return explPanel_ ? explPanel_->Height(board_->width()) : 0;
}

void TMainScreen::ShowExplanation(const QString& word) {
  explanationWindow_->Shut();
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const int codePage = game_.DictionaryCodePage();
  const std::optional<ExplanationContent> content =
      ExplainWord(game_, LetterCase::For(codePage).Upper(ToGameText(word, codePage)));
  QGuiApplication::restoreOverrideCursor();
  if (content)
    explanationWindow_->ShowContent(*content,
                                    game_.InterfaceText(u"ExplanationWindowCopyButtonHint"));
}

void TMainScreen::InGameLabelExplanationPanelClick() {
  const int before = ExplanationPanelHeight();
  if (explPanel_) {
    explPanel_.reset();
  } else {
    TExplanationPanel::Hooks hooks;
    hooks.explain = [this](const QString& word) { ShowExplanation(word); };
    hooks.openUserList = [this](UserListField field, const QString& word) {
      OpenUserDictionaryOptions(field, word);
    };
    hooks.languageChanged = [this] {
      UpdateWindowTitle();
      registry_.ApplyWindowTexts(game_.Strings, names::MainScreen, Controls());
      if (!explanationWindow_->IsOpen()) return;
      const QString word = explanationWindow_->Word();
      explPanel_->SetWord(word);
      ShowExplanation(word);
    };
    explPanel_ = std::make_unique<TExplanationPanel>(*client_, game_, *skin_, std::move(hooks));
    explPanel_->Place(board_->geometry());
    registry_.ApplyWindowTexts(game_.Strings, names::MainScreen, Controls());
  }
  // the board makes room for the panel: a normal window grows by it
  const int after = ExplanationPanelHeight();
  if (!isMaximized() && !isFullScreen()) resize(width(), height() + after - before);
  PlaceBoard();
}

void TMainScreen::CloseExplanations() {
  explanationWindow_->Shut();
  if (explPanel_) InGameLabelExplanationPanelClick();
}

}  // namespace quorim
