#include "buttons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "look.h"

namespace skin::buttons {
namespace {

using glyphs::Glyph;

struct Face {
  QColor top, bottom, border, ink;
  int sink = 0;  // pressed content moves down by this
};

Face faceOf(State s, Tone tone) {
  if (s == State::Disabled)
    return {QColor(0xE2, 0xE5, 0xDF), QColor(0xCF, 0xD4, 0xCB), look::kGreyLine, look::kGreyText};
  if (tone == Tone::Primary) {
    switch (s) {
      case State::Hover:
        return {QColor(0x62, 0xB0, 0x58), QColor(0x24, 0x7D, 0x2B), QColor(0x0B, 0x5E, 0x14), Qt::white};
      case State::Pressed:
        return {QColor(0x00, 0x3C, 0x08), QColor(0x0A, 0x55, 0x12), QColor(0x00, 0x33, 0x06),
                QColor(0xE4, 0xF2, 0xDE), 1};
      default:
        return {QColor(0x3F, 0x8F, 0x3A), QColor(0x0E, 0x62, 0x16), look::kDeep, Qt::white};
    }
  }
  switch (s) {
    case State::Hover:
      return {QColor(0xFF, 0xFF, 0xFF), QColor(0xF8, 0xFE, 0xF5), QColor(0x3F, 0x8F, 0x3A), QColor(0x16, 0x72, 0x20)};
    case State::Pressed:
      return {QColor(0xBF, 0xD9, 0xB2), QColor(0xD6, 0xE9, 0xCD), look::kOlive, look::kDeep, 1};
    default:
      return {QColor(0xFF, 0xFF, 0xFF), QColor(0xE1, 0xEF, 0xDA), QColor(0x86, 0xAA, 0x76), look::kDeep};
  }
}

void plate(QPainter& p, const QRectF& r, const Face& f, qreal radius) {
  p.setRenderHint(QPainter::Antialiasing);
  if (!f.sink) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 50, 10, 40));
    p.drawRoundedRect(r.translated(0, 1), radius, radius);
  }
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, f.top);
  g.setColorAt(1, f.bottom);
  p.setBrush(g);
  p.setPen(QPen(f.border, 1));
  p.drawRoundedRect(r, radius, radius);
  if (f.sink) {
    p.setPen(QPen(QColor(0, 0, 0, 45), 1));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
  } else {
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
  }
}

}  // namespace

QString folderOf(State s) {
  switch (s) {
    case State::Hover: return QStringLiteral("on");
    case State::Pressed: return QStringLiteral("down");
    case State::Disabled: return QStringLiteral("dis");
    default: return QStringLiteral("nor");
  }
}

QImage caption(QSize size, const QString& text, State s, Tone tone, Glyph glyph, int pixelSize) {
  QImage img = look::layer(size);
  QPainter p(&img);
  const Face f = faceOf(s, tone);
  const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 2);
  plate(p, r, f, 6);
  const QFont font = look::font(pixelSize, true);
  const QFontMetrics fm(font);
  const int glyphSize = glyph == Glyph::None ? 0 : qRound(size.height() * 0.42);
  const int gap = glyph == Glyph::None ? 0 : 6;
  const int contentWidth = glyphSize + gap + fm.horizontalAdvance(text);
  const qreal left = (size.width() - contentWidth) / 2.0;
  const qreal mid = (size.height() - 1) / 2.0 + f.sink;
  if (glyph != Glyph::None)
    glyphs::draw(p, glyph, QRectF(left, mid - glyphSize / 2.0, glyphSize, glyphSize), f.ink, 2.0);
  look::text(p, QRectF(left + glyphSize + gap, f.sink, contentWidth, size.height() - 1), text,
             font, f.ink, Qt::AlignLeft | Qt::AlignVCenter);
  return img;
}

QImage round(QSize size, Glyph glyph, State s) {
  QImage img = look::layer(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1.5, 1.5, size.width() - 3, size.height() - 3);
  QColor ring = QColor(0x86, 0xAA, 0x76), ink = look::kDeep;
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  switch (s) {
    case State::Hover:
      g.setColorAt(0, Qt::white);
      g.setColorAt(1, QColor(0xEE, 0xFA, 0xE8));
      ring = QColor(0x3F, 0x8F, 0x3A);
      ink = QColor(0x16, 0x72, 0x20);
      p.setPen(QPen(QColor(0x8C, 0xD0, 0x7E, 140), 3));
      p.drawEllipse(r.adjusted(-0.5, -0.5, 0.5, 0.5));
      break;
    case State::Pressed:
      g.setColorAt(0, QColor(0x00, 0x3C, 0x08));
      g.setColorAt(1, QColor(0x1A, 0x6B, 0x22));
      ring = QColor(0x00, 0x33, 0x06);
      ink = Qt::white;
      break;
    default:
      g.setColorAt(0, Qt::white);
      g.setColorAt(1, QColor(0xDD, 0xEC, 0xD5));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 50, 10, 40));
      p.drawEllipse(r.translated(0, 1));
      break;
  }
  p.setBrush(g);
  p.setPen(QPen(ring, 1.5));
  p.drawEllipse(r);
  const qreal inset = size.width() * (glyph == Glyph::Speaker ? 0.22 : 0.28);
  glyphs::draw(p, glyph, r.adjusted(inset, inset, -inset, -inset).translated(0, s == State::Pressed),
               ink, 2.2);
  return img;
}

QImage small(QSize size, Glyph glyph, State s, bool danger) {
  QImage img = look::layer(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
  QColor fill(255, 255, 255, 150), border(0x9D, 0xBB, 0x8F), ink = look::kOlive;
  if (s == State::Hover) {
    fill = danger ? QColor(0xD9, 0x5B, 0x4F) : Qt::white;
    border = danger ? QColor(0xB2, 0x3B, 0x30) : look::kOlive;
    ink = danger ? Qt::white : look::kDeep;
  } else if (s == State::Pressed) {
    fill = danger ? QColor(0x9E, 0x2E, 0x25) : look::kDeep;
    border = fill.darker(130);
    ink = Qt::white;
  }
  p.setBrush(fill);
  p.setPen(QPen(border, 1));
  p.drawRoundedRect(r, 3, 3);
  glyphs::draw(p, glyph, r.adjusted(3, 3, -3, -3), ink, 1.6);
  return img;
}

QImage option(QSize size, const QString& text, State s) {
  QImage img = look::layer(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QColor ink(0x2A, 0x45, 0x22);
  bool bold = false;
  if (s == State::Hover) {
    ink = QColor(0x16, 0x72, 0x20);
    bold = true;
  } else if (s == State::Pressed) {
    ink = look::kDeep;
    bold = true;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC9, 0xE2, 0xBE));
    p.drawRoundedRect(QRectF(0, 1, size.width(), size.height() - 2), 5, 5);
  }
  const QFont f = look::font(16, bold);
  look::text(p, QRectF(6, s == State::Pressed ? 1 : 0, size.width() - 6, size.height()), text, f,
             ink, Qt::AlignLeft | Qt::AlignVCenter);
  if (s == State::Hover) {
    const int w = QFontMetrics(f).horizontalAdvance(text);
    p.fillRect(QRect(6, size.height() - 4, w, 1), QColor(0x16, 0x72, 0x20, 160));
  }
  return img;
}

QImage noteBook(QSize size, const QString& text, State s) {
  QImage img = look::layer(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 2);
  Face f = faceOf(State::Normal, Tone::Secondary);
  if (s == State::Hover) f = faceOf(State::Normal, Tone::Primary);       // selected look
  if (s == State::Pressed) f = faceOf(State::Pressed, Tone::Secondary);  // pointed at, pressed
  if (s == State::Disabled) f = faceOf(State::Disabled, Tone::Secondary);
  plate(p, r, f, 6);
  const qreal sink = f.sink;
  if (s == State::Hover) {
    p.setPen(Qt::NoPen);
    p.setBrush(look::kAccent);
    p.drawRoundedRect(QRectF(5, 8, 4, size.height() - 18), 2, 2);
  }
  look::text(p, QRectF(8, sink, size.width() - 14, size.height() - 2), text, look::font(15, true),
             f.ink, Qt::AlignCenter);
  return img;
}

QImage trackArrow(QSize size, Glyph glyph, State s) {
  QImage img = look::blank(size, look::kPlate);
  QPainter p(&img);
  Face f = faceOf(s, Tone::Secondary);
  QLinearGradient g(0, 0, 0, size.height());
  g.setColorAt(0, f.top);
  g.setColorAt(1, f.bottom);
  p.fillRect(img.rect(), g);
  p.setPen(f.border);
  p.drawRect(img.rect().adjusted(0, 0, -1, -1));
  glyphs::draw(p, glyph, QRectF(3, 1.5 + f.sink, size.width() - 6, size.height() - 3), look::kOlive);
  return img;
}

QImage menuItem(QSize size, Glyph glyph, const QString& text, const QString& hint, State s) {
  QImage img = look::layer(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF card(3.5, 3.5, size.width() - 7, size.height() - 8);
  const bool hover = s == State::Hover, pressed = s == State::Pressed;
  p.setPen(Qt::NoPen);
  if (!pressed) {
    for (int i = hover ? 4 : 2; i >= 1; --i) {
      p.setBrush(QColor(0, 60, 10, hover ? 16 : 14));
      p.drawRoundedRect(card.adjusted(-i + 1, -i + 2, i, i + 2), 12 + i, 12 + i);
    }
  }
  QLinearGradient g(card.topLeft(), card.bottomLeft());
  g.setColorAt(0, pressed ? QColor(0xD0, 0xE6, 0xC5) : Qt::white);
  g.setColorAt(1, pressed ? QColor(0xDE, 0xEE, 0xD6) : hover ? QColor(0xF0, 0xFA, 0xEB) : QColor(0xEC, 0xF5, 0xE7));
  p.setBrush(g);
  p.setPen(QPen(hover || pressed ? look::kOlive : look::kLine, hover ? 2 : 1));
  p.drawRoundedRect(card, 12, 12);
  const qreal sink = pressed ? 1 : 0;
  const QRectF disc(size.width() / 2.0 - 32, 18 + sink, 64, 64);
  p.setPen(Qt::NoPen);
  p.setBrush(hover || pressed ? look::kDeep : look::kMint);
  p.drawEllipse(disc);
  if (!hover && !pressed) {
    p.setPen(QPen(look::kLine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
  }
  glyphs::draw(p, glyph, disc.adjusted(16, 16, -16, -16), hover || pressed ? Qt::white : look::kDeep, 2.6);
  look::text(p, QRectF(0, 92 + sink, size.width(), 32), text, look::font(22, true),
             hover || pressed ? look::kDeep : QColor(0x23, 0x4A, 0x1B));
  look::text(p, QRectF(10, 126 + sink, size.width() - 20, 22), hint, look::font(13),
             hover || pressed ? look::kOlive : QColor(0x6C, 0x80, 0x64));
  return img;
}

}  // namespace skin::buttons
