#include "look.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace skin::look {

QFont font(int pixelSize, bool bold) {
  QFont f(QStringLiteral("Noto Sans CJK SC"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QImage blank(QSize size, const QColor& fill) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

QImage layer(QSize size) {
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

void fillBody(QPainter& p, const QRect& r) {
  QLinearGradient g(0, r.top(), 0, r.bottom());
  g.setColorAt(0, kBodyTop);
  g.setColorAt(1, kBodyBottom);
  p.fillRect(r, g);
}

void header(QPainter& p, int width, int height) {
  QLinearGradient g(0, 0, 0, height);
  g.setColorAt(0, kHeaderTop);
  g.setColorAt(1, kMint);
  p.fillRect(QRect(0, 0, width, height), g);
  p.fillRect(QRect(0, height - 3, width, 2), kOlive);
  p.fillRect(QRect(0, height - 1, width, 1), kLine);
}

void panel(QPainter& p, const QRectF& r, const QColor& fill, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (int i = 3; i >= 1; --i) {
    p.setBrush(QColor(0, 60, 10, 12));
    p.drawRoundedRect(r.adjusted(-i + 1, -i + 2, i, i + 1), radius + i, radius + i);
  }
  p.setBrush(fill);
  p.setPen(QPen(kLine, 1));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.restore();
}

void well(QPainter& p, const QRectF& r, const QColor& fill, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 200), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(0.5, 1.5, -0.5, 0.5), radius, radius);
  p.setPen(QPen(kLine.darker(115), 1));
  p.setBrush(fill);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -1.5), radius, radius);
  p.restore();
}

void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
          int flags) {
  p.save();
  p.setFont(f);
  p.setPen(c);
  p.drawText(r, flags, s);
  p.restore();
}

void titleText(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
               int flags) {
  text(p, r.translated(0, 1), s, f, QColor(255, 255, 255, 190), flags);
  text(p, r, s, f, c, flags);
}

void hline(QPainter& p, int x1, int x2, int y, const QColor& c) {
  p.fillRect(QRect(x1, y, x2 - x1, 1), c);
}

}  // namespace skin::look
