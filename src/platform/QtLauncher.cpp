#include "platform/QtLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "screens/u09_HelpViewer.h"

bool TQtLauncher::StartDetached(const std::string& program, const std::string& argument)
{
    return QProcess::startDetached(QString::fromStdString(program), {QString::fromStdString(argument)});
}

bool TQtLauncher::OpenHelpPage(const std::string& page)
{
    return THelpViewer::Open(QString::fromStdString(page));
}

bool TQtLauncher::OpenWebAddress(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}
