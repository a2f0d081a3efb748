#pragma once
// Every picture and animation a skin may hold, with the size its window or control needs. The
// windows lay themselves out from these figures and the shipped classic skin is built to them.

#include <span>
#include <string_view>

namespace quorim {

// A width or height of 0 means "any": the control stretches or tiles the picture that way.
struct SkinPictureSize {
  std::string_view name;
  int width = 0;
  int height = 0;
};

// The pictures looked up by LoadSkinPicture, in the skin folder or the classic one.
std::span<const SkinPictureSize> SkinPictureCatalogue();

// The GIF animations of ANIMATIO, with the frame size where the window fixes it.
std::span<const SkinPictureSize> SkinAnimationCatalogue();

// The pictures always taken from the classic skin, by file name with extension.
std::span<const SkinPictureSize> ClassicOnlyPictures();

// starflsh.bmp: the frames of a hall of fame star side by side, the first one dark.
inline constexpr int kStarFlashFrameSize = 16;
inline constexpr int kStarFlashFrames = 8;

// The entry of that name (letter case ignored) in one of the lists, or nullptr.
const SkinPictureSize* FindSkinPicture(std::span<const SkinPictureSize> list,
                                       std::string_view name);

}  // namespace quorim
