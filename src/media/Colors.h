#pragma once
// The colours the game names, written as the skins' colour tables write them: 0x00BBGGRR
// (red + 256 x green + 65536 x blue).

namespace quorim {

namespace colors {

inline constexpr int Black = 0x000000;
inline constexpr int White = 0xFFFFFF;
inline constexpr int Red = 0x0000FF;
inline constexpr int DarkRed = 0x000080;
inline constexpr int Orange = 0x0080FF;
inline constexpr int LightOrange = 0x4080FF;
inline constexpr int Yellow = 0x00FFFF;
inline constexpr int Lime = 0x00FF00;
inline constexpr int Green = 0x008000;
inline constexpr int Aqua = 0xFFFF00;
inline constexpr int Teal = 0x808000;
inline constexpr int Blue = 0xFF0000;
inline constexpr int Purple = 0x800080;
inline constexpr int Fuchsia = 0xFF00FF;
inline constexpr int Pink = 0xFF9DFF;
// A shape or label painted without a brush of its own.
inline constexpr int NoBrush = -1;

}  // namespace colors

// A skin colour key as one place of the screen uses it, with the colour that place shows when the
// skin's table lacks the key. Older skins were drawn against these fallbacks, which is why one key
// falls back differently in different places (the even participants' colour on the clock and on
// the control panel).
struct SkinColorUse {
  const char16_t* key;
  int fallback;
};

namespace skincolors {

inline constexpr SkinColorUse GameClock{u"InGameTimeActive", colors::Aqua};
inline constexpr SkinColorUse MoveClockOnTurn{u"InGameTimeActive", colors::Lime};
inline constexpr SkinColorUse ClockIdle{u"InGameTimeInActive", colors::Teal};
inline constexpr SkinColorUse OddParticipant{u"InGamePlayerColor1", colors::Lime};
inline constexpr SkinColorUse EvenParticipantClock{u"InGamePlayerColor2", colors::Fuchsia};
inline constexpr SkinColorUse EvenParticipantLabel{u"InGamePlayerColor2", colors::Pink};
inline constexpr SkinColorUse OddParticipantCaption{u"InGamePlayerColor1Bgr", colors::Green};
inline constexpr SkinColorUse EvenParticipantCaption{u"InGamePlayerColor2Bgr", colors::Purple};
inline constexpr SkinColorUse ParticipantNumber{u"InGamePlayerNum", colors::Aqua};
inline constexpr SkinColorUse ParticipantNumberOnTurn{u"InGamePlayerNumSel", colors::Yellow};
inline constexpr SkinColorUse PanelOnTurn{u"InGamePlayerBgrSel", colors::Blue};
inline constexpr SkinColorUse WaitMessage{u"InGameMessageWait", colors::White};
inline constexpr SkinColorUse HorizontalSelection{u"InGameHorizSelection", colors::Red};
inline constexpr SkinColorUse VerticalSelection{u"InGameVertSelection", colors::Orange};

}  // namespace skincolors

}  // namespace quorim
