#pragma once
// Where help pages come from: the compiled help file Vellora.chm in the program folder when
// it exists, otherwise the page files in the program's help/ folder.
#include <QByteArray>
#include <QString>
#include <optional>

class THelpSource
{
public:
    // `appFolder` ends in '/'.
    explicit THelpSource(QString appFolder);

    // The bytes of a page or of a file a page refers to ("frmMain.htm", "img/a.png");
    // nothing when it does not exist.
    std::optional<QByteArray> Read(const QString& page) const;

    bool UsesCompiledHelp() const;

private:
    std::optional<QByteArray> ReadCompiled(const QString& compiledFile, const QString& page) const;
    std::optional<QByteArray> ReadFolder(const QString& page) const;

    QString FAppFolder;
};

// The name of the compiled help file beside the program.
inline constexpr const char* cCompiledHelpName = "Vellora.chm";
