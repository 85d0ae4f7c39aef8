#pragma once
// A skin theme: the look of the skinned controls that point at it, as a Qt style sheet.
#include <QString>

struct TSkinTheme
{
    QString StyleSheet;
    // Where the theme came from: the file it was read from, or empty for the built-in look.
    QString FileName;
};

// The built-in look of the skinned check boxes and radio buttons.
TSkinTheme DefaultControlTheme();
