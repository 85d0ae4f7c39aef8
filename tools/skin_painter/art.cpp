#include "art.h"

#include <QPainter>

#include "layout.h"
#include "look.h"

namespace skin::art {
namespace {

void titleAt(QPainter& p, glyphs::Glyph glyph, const QString& title, const QString& subtitle) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(18, 11, 42, 42);
  p.setPen(Qt::NoPen);
  p.setBrush(look::kDeep);
  p.drawEllipse(disc);
  p.setBrush(look::kAccent);
  p.drawEllipse(QRectF(disc.right() - 11, disc.top() - 1, 11, 11));
  glyphs::draw(p, glyph, disc.adjusted(10, 10, -10, -10), Qt::white, 2.4);
  const QFont big = look::font(25, true);
  look::titleText(p, QRectF(72, 6, 400, 34), title, big, look::kDeep);
  look::titleText(p, QRectF(73, 38, 400, 20), subtitle, look::font(12), look::kOlive);
}

}  // namespace

QString kindName(int kind) {
  static const QString names[] = {QStringLiteral("看英文选中文"), QStringLiteral("看中文选英文"),
                                  QStringLiteral("听音选中文"), QStringLiteral("单词拼写"),
                                  QStringLiteral("填写句子")};
  return names[kind - 1];
}

QString scopeName(int scope) {
  static const QString names[] = {QStringLiteral("全书随机抽查"), QStringLiteral("按Word List考察"),
                                  QStringLiteral("按笔记本考察")};
  return names[scope - 1];
}

glyphs::Glyph kindGlyph(int kind) {
  using glyphs::Glyph;
  static const Glyph glyphs[] = {Glyph::Eye, Glyph::Book, Glyph::Speaker, Glyph::Keyboard, Glyph::Sentence};
  return glyphs[kind - 1];
}

QImage kindTitle(int kind) {
  static const QString subtitles[] = {
      QStringLiteral("English → 中文  看单词，选出它的中文意思"),
      QStringLiteral("中文 → English  看词义，选出对应的单词"),
      QStringLiteral("Listen → 中文  听发音，选出它的中文意思"),
      QStringLiteral("Listen → Spell  听发音，拼写出这个单词"),
      QStringLiteral("Fill the blank  听例句，填写缺少的单词")};
  QImage img = look::layer(layout::kTitlePicture);
  QPainter p(&img);
  titleAt(p, kindGlyph(kind), kindName(kind), subtitles[kind - 1]);
  return img;
}

void screenTitle(QImage& img, glyphs::Glyph glyph, const QString& title, const QString& subtitle) {
  QPainter p(&img);
  titleAt(p, glyph, title, subtitle);
}

}  // namespace skin::art
