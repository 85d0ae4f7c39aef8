#include "glyphs.h"

#include <QPainterPath>

#include "look.h"

namespace skin::glyphs {
namespace {

QPointF at(const QRectF& b, qreal x, qreal y) {
  return {b.left() + x * b.width(), b.top() + y * b.height()};
}

QPainterPath poly(const QRectF& b, std::initializer_list<QPointF> unit) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& u : unit) {
    const QPointF pt = at(b, u.x(), u.y());
    if (first) path.moveTo(pt); else path.lineTo(pt);
    first = false;
  }
  return path;
}

void arrowHead(QPainter& p, const QRectF& b, std::initializer_list<QPointF> unit, const QColor& c) {
  QPainterPath path = poly(b, unit);
  path.closeSubpath();
  p.fillPath(path, c);
}

}  // namespace

void draw(QPainter& p, Glyph g, const QRectF& b, const QColor& c, qreal stroke) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(c, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (g) {
    case Glyph::None:
      break;
    case Glyph::Help: {
      QFont f = look::font(qRound(b.height() * 1.45), true);
      p.setFont(f);
      p.drawText(b.adjusted(-b.width(), -b.height(), b.width(), b.height()).translated(0, -b.height() * 0.06),
                 Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Glyph::Exit:
      p.drawPath(poly(b, {{0.55, 0.12}, {0.18, 0.12}, {0.18, 0.88}, {0.55, 0.88}}));
      p.drawLine(at(b, 0.40, 0.5), at(b, 0.90, 0.5));
      p.drawPath(poly(b, {{0.72, 0.32}, {0.90, 0.5}, {0.72, 0.68}}));
      break;
    case Glyph::Home:
      p.drawPath(poly(b, {{0.08, 0.50}, {0.5, 0.12}, {0.92, 0.50}}));
      p.drawPath(poly(b, {{0.22, 0.40}, {0.22, 0.88}, {0.78, 0.88}, {0.78, 0.40}}));
      p.drawPath(poly(b, {{0.42, 0.88}, {0.42, 0.64}, {0.58, 0.64}, {0.58, 0.88}}));
      break;
    case Glyph::Minimise:
      p.drawLine(at(b, 0.2, 0.72), at(b, 0.8, 0.72));
      break;
    case Glyph::Close:
      p.drawLine(at(b, 0.22, 0.22), at(b, 0.78, 0.78));
      p.drawLine(at(b, 0.78, 0.22), at(b, 0.22, 0.78));
      break;
    case Glyph::Speaker: {
      QPainterPath body = poly(b, {{0.10, 0.38}, {0.28, 0.38}, {0.50, 0.16}, {0.50, 0.84},
                                   {0.28, 0.62}, {0.10, 0.62}});
      body.closeSubpath();
      p.fillPath(body, c);
      p.drawArc(QRectF(at(b, 0.42, 0.30), at(b, 0.72, 0.70)), -50 * 16, 100 * 16);
      p.drawArc(QRectF(at(b, 0.40, 0.14), at(b, 0.92, 0.86)), -50 * 16, 100 * 16);
      break;
    }
    case Glyph::Clock:
      p.drawEllipse(QRectF(at(b, 0.1, 0.1), at(b, 0.9, 0.9)));
      p.drawPath(poly(b, {{0.5, 0.26}, {0.5, 0.5}, {0.68, 0.62}}));
      break;
    case Glyph::Check:
      p.drawPath(poly(b, {{0.14, 0.54}, {0.40, 0.78}, {0.86, 0.24}}));
      break;
    case Glyph::Cross:
      p.drawLine(at(b, 0.2, 0.2), at(b, 0.8, 0.8));
      p.drawLine(at(b, 0.8, 0.2), at(b, 0.2, 0.8));
      break;
    case Glyph::Trash:
      p.drawLine(at(b, 0.14, 0.24), at(b, 0.86, 0.24));
      p.drawPath(poly(b, {{0.40, 0.24}, {0.42, 0.12}, {0.58, 0.12}, {0.60, 0.24}}));
      p.drawPath(poly(b, {{0.24, 0.30}, {0.30, 0.90}, {0.70, 0.90}, {0.76, 0.30}}));
      p.drawLine(at(b, 0.43, 0.40), at(b, 0.44, 0.78));
      p.drawLine(at(b, 0.57, 0.40), at(b, 0.56, 0.78));
      break;
    case Glyph::Book:
      p.drawPath(poly(b, {{0.5, 0.26}, {0.30, 0.16}, {0.06, 0.18}, {0.06, 0.82}, {0.30, 0.80},
                          {0.5, 0.90}, {0.70, 0.80}, {0.94, 0.82}, {0.94, 0.18}, {0.70, 0.16},
                          {0.5, 0.26}, {0.5, 0.90}}));
      break;
    case Glyph::Pencil:
      p.drawPath(poly(b, {{0.18, 0.82}, {0.22, 0.62}, {0.68, 0.16}, {0.84, 0.32}, {0.38, 0.78},
                          {0.18, 0.82}}));
      p.drawLine(at(b, 0.60, 0.24), at(b, 0.76, 0.40));
      break;
    case Glyph::List:
      for (qreal y : {0.25, 0.5, 0.75}) {
        p.drawPoint(at(b, 0.14, y));
        p.drawLine(at(b, 0.30, y), at(b, 0.88, y));
      }
      break;
    case Glyph::Up:
      arrowHead(p, b, {{0.5, 0.22}, {0.86, 0.74}, {0.14, 0.74}}, c);
      break;
    case Glyph::Down:
      arrowHead(p, b, {{0.14, 0.26}, {0.86, 0.26}, {0.5, 0.78}}, c);
      break;
    case Glyph::Play:
      arrowHead(p, b, {{0.24, 0.14}, {0.86, 0.5}, {0.24, 0.86}}, c);
      break;
    case Glyph::Flag:
      p.drawLine(at(b, 0.22, 0.10), at(b, 0.22, 0.92));
      {
        QPainterPath f = poly(b, {{0.22, 0.12}, {0.82, 0.28}, {0.22, 0.50}});
        f.closeSubpath();
        p.fillPath(f, c);
      }
      break;
    case Glyph::Sentence:
      p.drawLine(at(b, 0.10, 0.30), at(b, 0.90, 0.30));
      p.drawLine(at(b, 0.10, 0.55), at(b, 0.34, 0.55));
      p.drawLine(at(b, 0.66, 0.55), at(b, 0.90, 0.55));
      p.drawLine(at(b, 0.10, 0.80), at(b, 0.70, 0.80));
      p.setPen(QPen(look::kAccent, stroke, Qt::DashLine, Qt::FlatCap));
      p.drawLine(at(b, 0.40, 0.58), at(b, 0.60, 0.58));
      break;
    case Glyph::Keyboard:
      p.drawRoundedRect(QRectF(at(b, 0.06, 0.24), at(b, 0.94, 0.78)), b.width() * 0.08, b.height() * 0.08);
      for (qreal y : {0.39, 0.52})
        for (qreal x : {0.22, 0.36, 0.50, 0.64, 0.78})
          p.drawPoint(at(b, x, y));
      p.drawLine(at(b, 0.30, 0.65), at(b, 0.70, 0.65));
      break;
    case Glyph::Eye:
      p.drawPath(poly(b, {{0.06, 0.5}, {0.28, 0.26}, {0.5, 0.20}, {0.72, 0.26}, {0.94, 0.5},
                          {0.72, 0.74}, {0.5, 0.80}, {0.28, 0.74}, {0.06, 0.5}}));
      p.setBrush(c);
      p.drawEllipse(at(b, 0.5, 0.5), b.width() * 0.12, b.height() * 0.12);
      break;
  }
  p.restore();
}

}  // namespace skin::glyphs
