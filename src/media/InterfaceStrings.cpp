#include "media/InterfaceStrings.h"

#include "media/CodePages.h"
#include "media/TextFiles.h"

#include <algorithm>
#include <iterator>

namespace quorim {

namespace {

const QString kDynamicHeader = QStringLiteral("[Dynamic]");

QString WithLineBreaks(QStringView text) {
  return text.toString().replace(u'#', u'\n');
}

bool SameName(QStringView a, QStringView b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct FixedTextEntry {
  FixedTextKey key;
  const char16_t* name;
  const char16_t* russian;
};

constexpr FixedTextEntry kFixedTexts[] = {
    {FixedTextKey::PlayerMoves, u"InGameTagPlayerMoves", u" ходит"},
    {FixedTextKey::LensCaption, u"MenuLensCaption", u"Лупа"},
    {FixedTextKey::SplashLoading, u"SplashLoading", u"Загрузка"},
    {FixedTextKey::AboutSponsor, u"AboutSponsor", u"Спонсор:"},
};

}  // namespace

std::optional<ControlText> ParseControlLine(QStringView line) {
  // The caption sits between the quote after ":" and the quote before the next "/"; the hint
  // between the quote after the line's first "/" and the line's last character.
  const qsizetype colon = line.indexOf(u':');
  if (colon <= 0) return std::nullopt;
  const qsizetype slashAfterColon = line.indexOf(u'/', colon);
  const qsizetype firstSlash = line.indexOf(u'/');
  if (slashAfterColon < 0) return std::nullopt;
  const qsizetype captionStart = colon + 2;
  const qsizetype captionEnd = slashAfterColon - 1;
  const qsizetype hintStart = firstSlash + 2;
  const qsizetype hintEnd = line.size() - 1;
  if (captionEnd < captionStart || hintEnd < hintStart) return std::nullopt;

  ControlText text;
  const QStringView target = line.left(colon).trimmed();
  const qsizetype dot = target.indexOf(u'.');
  text.window = (dot < 0 ? target : target.left(dot)).trimmed().toString();
  if (dot >= 0) text.control = target.mid(dot + 1).trimmed().toString();
  text.caption = WithLineBreaks(line.mid(captionStart, captionEnd - captionStart));
  text.hint = WithLineBreaks(line.mid(hintStart, hintEnd - hintStart));
  if (text.window.isEmpty()) return std::nullopt;
  return text;
}

bool InterfaceStrings::LoadRaw(const QString& path) {
  return LoadUnicodeTextFile(path, lines_);
}

void InterfaceStrings::Prepare() {
  controls_.clear();
  qsizetype dynamic = 0;
  for (; dynamic < lines_.size() && lines_[dynamic] != kDynamicHeader; ++dynamic) {
    const QString& line = lines_[dynamic];
    if (line.startsWith(u';')) continue;
    const std::optional<ControlText> text = ParseControlLine(line);
    if (text && (!text->caption.isEmpty() || !text->hint.isEmpty())) controls_.push_back(*text);
  }
  // Without a "[Dynamic]" line every line was a control line and nothing stays.
  const QStringList dynamicLines = lines_.mid(dynamic + 1);
  lines_ = SplitLines(WithLineBreaks(dynamicLines.join(u'\n')));
}

std::vector<ControlText> InterfaceStrings::WindowTexts(QStringView window) const {
  std::vector<ControlText> texts;
  std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(texts),
               [window](const ControlText& text) { return SameName(text.window, window); });
  return texts;
}

std::optional<ControlText> InterfaceStrings::ControlTextOf(QStringView window,
                                                           QStringView control) const {
  const auto found =
      std::find_if(controls_.rbegin(), controls_.rend(), [&](const ControlText& text) {
        return SameName(text.window, window) && SameName(text.control, control);
      });
  if (found == controls_.rend()) return std::nullopt;
  return *found;
}

QStringList InterfaceStrings::ListItems(QStringView window, QStringView control) const {
  const std::optional<ControlText> text = ControlTextOf(window, control);
  if (!text || text->caption.isEmpty()) return {};
  return text->caption.split(u'\n');
}

QString InterfaceStrings::InterfaceText(QStringView key) const {
  for (const QString& line : lines_) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) continue;
    if (QStringView(line).left(equals).compare(key, Qt::CaseInsensitive) == 0) {
      return line.mid(equals + 1);
    }
  }
  return {};
}

QString InterfaceStrings::FixedText(FixedTextKey key) const {
  const auto entry = std::find_if(std::begin(kFixedTexts), std::end(kFixedTexts),
                                  [key](const FixedTextEntry& fixed) { return fixed.key == key; });
  const QString text = InterfaceText(QStringView(entry->name));
  return text.isEmpty() ? QString::fromUtf16(entry->russian) : text;
}

QString SubstituteWord(const QString& text, std::string_view word, int dictionaryCodePage) {
  const qsizetype at = text.indexOf(u"%s");
  if (at < 0) return text;
  QString result = text;
  return result.replace(at, 2, FromGameText(word, dictionaryCodePage));
}

}  // namespace quorim
