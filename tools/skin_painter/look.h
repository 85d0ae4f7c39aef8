#pragma once
// The skin's palette, fonts and drawing primitives: one calm look for every picture.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace skin::look {

// The program's own colours.
inline const QColor kDeep{0x00, 0x52, 0x0A};   // captions, titles
inline const QColor kOlive{0x3D, 0x66, 0x2D};  // secondary text, borders
inline const QColor kPale{0xE7, 0xF2, 0xE2};   // answer and list areas (opaque labels sit here)
inline const QColor kMint{0xDD, 0xF7, 0xDC};   // header strips
inline const QColor kEditBack{0xED, 0xED, 0xD9};
// Colours of the skin around them.
inline const QColor kBodyTop{0xD4, 0xE7, 0xCA};
inline const QColor kBodyBottom{0xC4, 0xDA, 0xB8};
inline const QColor kHeaderTop{0xF6, 0xFC, 0xF3};
inline const QColor kPlate{0xF6, 0xFA, 0xF3};   // option plates, list boxes
inline const QColor kLine{0xA3, 0xC2, 0x94};    // panel borders
inline const QColor kRule{0xC5, 0xDB, 0xBA};    // row separators
inline const QColor kAccent{0xF0, 0x8A, 0x24};  // the orange of the name, used sparingly
inline const QColor kGreyText{0x95, 0x9B, 0x92};
inline const QColor kGreyLine{0xB8, 0xBD, 0xB4};
inline const QColor kWrong{0xC6, 0x28, 0x28};

QFont font(int pixelSize, bool bold = false);

QImage blank(QSize size, const QColor& fill);
QImage layer(QSize size);  // fully transparent, for composing

void fillBody(QPainter& p, const QRect& r);
void header(QPainter& p, int width, int height);
// A raised panel with a soft shadow.
void panel(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 8);
// A sunken slot for a value or an entry.
void well(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 4);
void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
          int flags = Qt::AlignCenter);
// Text with a one-pixel light halo below, for titles on tinted ground.
void titleText(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
               int flags = Qt::AlignLeft | Qt::AlignVCenter);
void hline(QPainter& p, int x1, int x2, int y, const QColor& c);

}  // namespace skin::look
