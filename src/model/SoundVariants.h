#pragma once
// Which of three variants of a sound plays ("hint1".."hint3", "isword…", "Yourmov…"). The draws
// are the game's, made whether or not a sound can be heard, so a seeded game stays the same.

#include <QString>
#include <QStringView>

#include <functional>

namespace quorim {

// random(n) is uniform in 0..n-1. Below 33 of 100 the first; else, on a second draw, below 66 the
// second; else the third — or, with thirdMayBeSilent, on a third draw below 99 the third and
// otherwise none (an empty name).
QString OneOfThreeSounds(const std::function<int(int)>& random, QStringView stem,
                         bool thirdMayBeSilent);

}  // namespace quorim
