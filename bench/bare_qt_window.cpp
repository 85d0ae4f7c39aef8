// The start-up benchmark's yardstick: a bare Qt program that shows one empty 800x600
// window, writes the moment its event loop first runs and quits, as the program does
// with VELLORA_QUIT_WHEN_SHOWN.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "platform/StartProbe.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, ReportShownAndQuit);
    return app.exec();
}
