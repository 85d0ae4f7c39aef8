#pragma once
// Fonts of the skin. The screens name the families the skin was drawn with (宋体, 黑体,
// Arial Unicode MS, Tahoma); this machine's nearest families stand in for them, and Chinese
// is always drawn with a Simplified Chinese face so that no Japanese glyph forms appear.
#include <QFont>
#include <QString>

// The face that draws Chinese text.
inline constexpr const char* cChineseFontFamily = "Noto Sans CJK SC";

// A font of the given skin family at a size in pixels.
QFont SkinFont(const QString& family, int pixelSize, bool bold = false);
