#pragma once
// Pieces of art that appear both inside a background and as a picture of their own.
#include <QImage>
#include <QString>

#include "glyphs.h"

namespace skin::art {

// Names of the five test kinds and the three scopes, as the screens show them.
QString kindName(int kind);   // 1..5
QString scopeName(int scope); // 1..3

// The title picture of test kind 1..5 (type<N>.gif), a layer for the top-left corner.
QImage kindTitle(int kind);
glyphs::Glyph kindGlyph(int kind);

// A screen title for the header band: icon disc and name.
void screenTitle(QImage& img, glyphs::Glyph glyph, const QString& title, const QString& subtitle);

}  // namespace skin::art
