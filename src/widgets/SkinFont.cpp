#include "widgets/SkinFont.h"

#include <QStringList>

QFont SkinFont(const QString& family, int pixelSize, bool bold)
{
    QFont font;
    // Latin-first families keep their Latin look; phonetic symbols need a face that has IPA.
    const bool latinFirst = family.compare("Arial Unicode MS", Qt::CaseInsensitive) == 0
                         || family.compare("Tahoma", Qt::CaseInsensitive) == 0
                         || family.compare("MS Sans Serif", Qt::CaseInsensitive) == 0
                         || family.compare("Arial", Qt::CaseInsensitive) == 0;
    if (latinFirst)
        font.setFamilies({"DejaVu Sans", cChineseFontFamily});
    else
        font.setFamilies({cChineseFontFamily, "DejaVu Sans"});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
