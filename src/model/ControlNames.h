#pragma once
// The names of the windows, controls and menu items the game addresses. They are the controls'
// object names and also what the language files address, so a misspelt name here would silently
// lose a caption: each is written once, in this file.
//
// Some are misspelt on purpose and must stay as they stand, because every language file names
// them so: "InGameButtongGo" and its siblings, "MenuHelpHInt", "ElaspedTimer" (the game clock's
// timer), "NewGameDicttionaryMax" and the other dictionary keys of the new game window.

#include <QString>

namespace quorim::names {

// Windows.
inline const QString MainScreen = QStringLiteral("MainScreen");
inline const QString Options = QStringLiteral("Options");

// The menu bar.
inline const QString MenuGame = QStringLiteral("MenuGame");
inline const QString MenuGameNew = QStringLiteral("MenuGameNew");
inline const QString MenuGameSave = QStringLiteral("MenuGameSave");
inline const QString MenuGameLoad = QStringLiteral("MenuGameLoad");
inline const QString MenuGameEnd = QStringLiteral("MenuGameEnd");
inline const QString MenuGameDemo = QStringLiteral("MenuGameDemo");
inline const QString MenuHelp = QStringLiteral("MenuHelp");
inline const QString MenuHelpHInt = QStringLiteral("MenuHelpHInt");
inline const QString MenuHelpComputeScore = QStringLiteral("MenuHelpComputeScore");
inline const QString MenuIntellect = QStringLiteral("MenuIntellect");
inline const QString MenuIntellectLow = QStringLiteral("MenuIntellectLow");
inline const QString MenuIntellectNormal = QStringLiteral("MenuIntellectNormal");
inline const QString MenuIntellectHigh = QStringLiteral("MenuIntellectHigh");

// The main window as a whole: its cursor tells whether the screen is busy.
inline const QString Screen = QStringLiteral("Screen");

// The in-game buttons and labels.
inline const QString InGameButtongGo = QStringLiteral("InGameButtongGo");
inline const QString InGameButtongChangeLetters = QStringLiteral("InGameButtongChangeLetters");
inline const QString InGameButtongHint = QStringLiteral("InGameButtongHint");
inline const QString InGameButtongPreview = QStringLiteral("InGameButtongPreview");
inline const QString InGameButtongSaveGame = QStringLiteral("InGameButtongSaveGame");
inline const QString InGameButtongLoadGame = QStringLiteral("InGameButtongLoadGame");
inline const QString InGameButtongInfo = QStringLiteral("InGameButtongInfo");
inline const QString InGameButtongConfig = QStringLiteral("InGameButtongConfig");
inline const QString InGameLabel = QStringLiteral("InGameLabel");
inline const QString FlashAnnounce = QStringLiteral("FlashAnnounce");
inline const QString WordScoreLabels = QStringLiteral("WordScoreLabels");
// The two scanning markers of a hint.
inline const QString Marker1 = QStringLiteral("Marker1");
inline const QString Marker2 = QStringLiteral("Marker2");

// The board and the face-down bag.
inline const QString ChoicePanel = QStringLiteral("ChoicePanel");
inline const QString ChoiceFieldImage = QStringLiteral("ChoiceFieldImage");

// The information panel.
inline const QString Comment1 = QStringLiteral("Comment1");
inline const QString Comment2 = QStringLiteral("Comment2");
inline const QString Comment3 = QStringLiteral("Comment3");
inline const QString Comment4 = QStringLiteral("Comment4");

// The start menu.
inline const QString MenuBgr = QStringLiteral("MenuBgr");
inline const QString MenuButton1 = QStringLiteral("MenuButton1");
inline const QString MenuButton2 = QStringLiteral("MenuButton2");
inline const QString MenuButton3 = QStringLiteral("MenuButton3");
inline const QString MenuButton4 = QStringLiteral("MenuButton4");
inline const QString MenuButton6 = QStringLiteral("MenuButton6");
inline const QString ScreenButtonTitleNewGame = QStringLiteral("ScreenButtonTitleNewGame");
inline const QString ScreenButtonTitleLoadGame = QStringLiteral("ScreenButtonTitleLoadGame");
inline const QString ScreenButtonTitleExit = QStringLiteral("ScreenButtonTitleExit");
inline const QString ScreenButtonTitleContinue = QStringLiteral("ScreenButtonTitleContinue");
inline const QString ScreenButtonTitleLastPlayer = QStringLiteral("ScreenButtonTitleLastPlayer");

// The play form (control panel).
inline const QString RC_Label = QStringLiteral("RC_Label");
inline const QString RC_Caption = QStringLiteral("RC_Caption");

// The options window's move-time list, which the information panel quotes.
inline const QString LimitsComboboxListMoveTime = QStringLiteral("LimitsComboboxListMoveTime");

// The controls of participant n's panel.
inline QString PlLabel(int n) {
  return QStringLiteral("Pl%1Label").arg(n);
}
inline QString PlNum(int n) {
  return QStringLiteral("Pl%1num").arg(n);
}
inline QString PlIm(int n) {
  return QStringLiteral("Pl%1Im").arg(n);
}
inline QString Caption(int n) {
  return QStringLiteral("Caption%1").arg(n);
}
inline QString Arrow(int n) {
  return QStringLiteral("Arrow%1").arg(n);
}
inline QString ScLabel(int n) {
  return QStringLiteral("Sc%1Label").arg(n);
}
inline QString DpLabel(int n) {
  return QStringLiteral("Dp%1Label").arg(n);
}

}  // namespace quorim::names
