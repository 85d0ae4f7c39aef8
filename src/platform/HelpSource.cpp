#include "platform/HelpSource.h"

#include <QFile>
#include <QFileInfo>
#include <chm_lib.h>
#include <memory>

#include "app/u09_BasePase.h"

namespace {

struct TChmCloser {
    void operator()(chmFile* file) const { chm_close(file); }
};

// A page name as the help file stores it: rooted, with forward slashes.
std::string CompiledObjectPath(const QString& page)
{
    QString path = page;
    path.replace('\\', '/');
    if (!path.startsWith('/'))
        path.prepend('/');
    return path.toStdString();
}

// A page may not leave the help folder.
bool IsInsideFolder(const QString& page)
{
    const QStringList parts = QString(page).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    return !parts.isEmpty() && !parts.contains("..");
}

}

THelpSource::THelpSource(QString appFolder) : FAppFolder(std::move(appFolder)) {}

bool THelpSource::UsesCompiledHelp() const
{
    return ExistsCaseFolded(FAppFolder.toStdString(), cCompiledHelpName);
}

std::optional<QByteArray> THelpSource::Read(const QString& page) const
{
    if (!IsInsideFolder(page))
        return std::nullopt;
    if (UsesCompiledHelp()) {
        const std::string chm = ResolveCaseFolded(FAppFolder.toStdString(), cCompiledHelpName);
        return ReadCompiled(QString::fromStdString(chm), page);
    }
    return ReadFolder(page);
}

std::optional<QByteArray> THelpSource::ReadCompiled(const QString& compiledFile, const QString& page) const
{
    std::unique_ptr<chmFile, TChmCloser> file(chm_open(QFile::encodeName(compiledFile).constData()));
    if (!file)
        return std::nullopt;
    chmUnitInfo unit{};
    if (chm_resolve_object(file.get(), CompiledObjectPath(page).c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(unit.length), '\0');
    const LONGINT64 read = chm_retrieve_object(file.get(), &unit,
        reinterpret_cast<unsigned char*>(bytes.data()), 0, static_cast<LONGINT64>(unit.length));
    if (read < 0 || static_cast<LONGUINT64>(read) != unit.length)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> THelpSource::ReadFolder(const QString& page) const
{
    const std::string helpFolder = ResolveCaseFolded(FAppFolder.toStdString(), "help");
    const std::string path = ResolveCaseFolded(helpFolder + "/", page.toStdString());
    QFile file(QString::fromStdString(path));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
