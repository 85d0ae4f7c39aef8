#pragma once
// The help window: shows one page of the help (from the compiled help file or the help
// folder) and follows its links.
#include <QTextBrowser>

#include "platform/HelpSource.h"

class THelpViewer : public QTextBrowser
{
    Q_OBJECT
public:
    explicit THelpViewer(const QString& appFolder, QWidget* parent = nullptr);

    // Shows the page; false, and the window unchanged, when the page does not exist.
    bool ShowPage(const QString& page);
    QString CurrentPage() const { return FPage; }

    // Opens the page of the program folder's help in the one help window, over whatever
    // window is modal now so that the help can be used beside it. A missing page opens nothing.
    static bool Open(const QString& page);
    static THelpViewer* Instance();

    QVariant loadResource(int type, const QUrl& name) override;

private:
    THelpSource FSource;
    QString FPage;
};
