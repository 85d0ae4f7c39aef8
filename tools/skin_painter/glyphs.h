#pragma once
// Small line icons, drawn into a square so they scale with the control that shows them.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace skin::glyphs {

enum class Glyph {
  None, Help, Exit, Home, Minimise, Close, Speaker, Clock, Check, Cross, Trash, Book, Pencil,
  List, Up, Down, Play, Flag, Sentence, Eye, Keyboard
};

void draw(QPainter& p, Glyph g, const QRectF& box, const QColor& c, qreal stroke = 2.0);

}  // namespace skin::glyphs
