#include "screens/u09_HelpViewer.h"

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QStringDecoder>

#include "app/u09_BasePase.h"
#include "app/u09_Declare.h"
#include "platform/Launcher.h"
#include "widgets/SkinFont.h"

namespace {

QPointer<THelpViewer> gHelpViewer;

QString DecodePage(const QByteArray& bytes)
{
    // The page's own charset declaration wins; without one it is UTF-8.
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

// "a/b.htm#part" without the anchor, relative links resolved against the current page.
QString ResolvePageName(const QString& currentPage, const QUrl& link)
{
    QString target = link.path();
    if (target.startsWith('/'))
        return target.mid(1);
    const int slash = currentPage.lastIndexOf('/');
    const QString folder = slash >= 0 ? currentPage.left(slash + 1) : QString();
    return QUrl(folder).resolved(QUrl(target)).path();
}

}

THelpViewer::THelpViewer(const QString& appFolder, QWidget* parent)
    : QTextBrowser(parent), FSource(appFolder)
{
    setWindowFlag(Qt::Window);
    // The program ends with its main window, whether help is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(cAppTitle) + " - 帮助");
    setFont(SkinFont("宋体", 14));
    setOpenLinks(false);
    resize(720, 540);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (link.scheme() == "http" || link.scheme() == "https") {
            if (ILauncher* launcher = GetLauncher())
                launcher->OpenWebAddress(link.toString().toStdString());
            return;
        }
        if (!link.scheme().isEmpty() && link.scheme() != "file")
            return;
        if (link.path().isEmpty() || ResolvePageName(FPage, link) == FPage) {
            scrollToAnchor(link.fragment());
            return;
        }
        if (ShowPage(ResolvePageName(FPage, link)) && link.hasFragment())
            scrollToAnchor(link.fragment());
    });
}

bool THelpViewer::ShowPage(const QString& page)
{
    const std::optional<QByteArray> bytes = FSource.Read(page);
    if (!bytes)
        return false;
    FPage = page;
    setHtml(DecodePage(*bytes));
    return true;
}

QVariant THelpViewer::loadResource(int type, const QUrl& name)
{
    const std::optional<QByteArray> bytes = FSource.Read(ResolvePageName(FPage, name));
    if (!bytes)
        return {};
    if (type == QTextDocument::ImageResource)
        return QImage::fromData(*bytes);
    if (type == QTextDocument::StyleSheetResource)
        return DecodePage(*bytes);
    return *bytes;
}

THelpViewer* THelpViewer::Instance()
{
    return gHelpViewer;
}

bool THelpViewer::Open(const QString& page)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (gHelpViewer && gHelpViewer->parentWidget() != owner) {
        gHelpViewer->close();
        gHelpViewer = nullptr;
    }
    const bool fresh = !gHelpViewer;
    if (fresh)
        gHelpViewer = new THelpViewer(QString::fromStdString(gAppPath), owner);
    if (!gHelpViewer->ShowPage(page)) {
        if (fresh)
            delete gHelpViewer;
        return false;
    }
    gHelpViewer->show();
    gHelpViewer->raise();
    gHelpViewer->activateWindow();
    return true;
}
