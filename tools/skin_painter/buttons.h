#pragma once
// Button faces in their four states, drawn as transparent layers to be composed over the
// ground they sit on.
#include <QImage>
#include <QSize>
#include <QString>

#include "glyphs.h"

namespace skin::buttons {

enum class State { Normal, Hover, Pressed, Disabled };

// The picture folder of a state: nor, on, down, dis.
QString folderOf(State s);

// Primary: filled green, for the actions that move the learner on. Secondary: light.
enum class Tone { Primary, Secondary };

QImage caption(QSize size, const QString& text, State s, Tone tone,
               glyphs::Glyph glyph = glyphs::Glyph::None, int pixelSize = 15);
QImage round(QSize size, glyphs::Glyph glyph, State s);
QImage small(QSize size, glyphs::Glyph glyph, State s, bool danger);
// A caption beside a radio button: text only, the option plate shows through.
QImage option(QSize size, const QString& text, State s);
// A notebook button. Its "on" picture is the notebook manager's selected look.
QImage noteBook(QSize size, const QString& text, State s);
QImage trackArrow(QSize size, glyphs::Glyph glyph, State s);
// An item of the main menu: a card with a large icon, a caption and a line of help.
QImage menuItem(QSize size, glyphs::Glyph glyph, const QString& text, const QString& hint, State s);

}  // namespace skin::buttons
