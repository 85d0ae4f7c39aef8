#include "screens/ModalRun.h"

#include <QEventLoop>
#include <QWidget>

void TModalRun::Exec(QWidget* window)
{
    QEventLoop loop;
    FLoop = &loop;
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
    loop.exec();
    FLoop = nullptr;
}

void TModalRun::Quit()
{
    if (FLoop)
        FLoop->quit();
}
