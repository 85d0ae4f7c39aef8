// Paints the default skin: every picture of the program's Pic/ folder.
// Usage: vellora_skin_painter <Pic folder>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "controls.h"
#include "picture_folder.h"
#include "screens.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <Pic folder>\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (!QFontDatabase::families().contains(QStringLiteral("Noto Sans CJK SC"))) {
    std::fprintf(stderr, "The font \"Noto Sans CJK SC\" is missing (Debian package fonts-noto-cjk).\n");
    return 1;
  }
  try {
    skin::PictureFolder pics(QString::fromLocal8Bit(argv[1]));
    skin::screens::paintBackgrounds(pics);
    skin::controls::paintFrameButtons(pics);
    skin::controls::paintMainWindow(pics);
    skin::controls::paintTestCentre(pics);
    skin::controls::paintTestWindows(pics);
    skin::controls::paintResultWindows(pics);
    skin::controls::paintListScreens(pics);
    skin::controls::paintPopups(pics);
    std::printf("%d pictures written to %s\n", pics.written(), argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin painter: %s\n", e.what());
    return 1;
  }
  return 0;
}
