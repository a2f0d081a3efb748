#include "model/SoundVariants.h"

namespace quorim {

QString OneOfThreeSounds(const std::function<int(int)>& random, QStringView stem,
                         bool thirdMayBeSilent) {
  const QString name = stem.toString();
  if (random(100) < 33) return name + u'1';
  if (random(100) < 66) return name + u'2';
  if (thirdMayBeSilent && random(100) >= 99) return {};
  return name + u'3';
}

}  // namespace quorim
