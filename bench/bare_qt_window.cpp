// The start-up benchmark's yardstick: a bare Qt program that shows one empty 800x600
// window, writes the moment its event loop first runs and quits, as the program does
// with VELLORA_QUIT_WHEN_SHOWN.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
