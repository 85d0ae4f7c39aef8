#include "picture_folder.h"

#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <stdexcept>

namespace skin {

QImage composeOver(const QImage& ground, const QImage& layer, QPoint pos) {
  QImage merged = ground.convertToFormat(QImage::Format_RGB32);
  QPainter p(&merged);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawImage(pos, layer);
  p.end();
  return merged.copy(QRect(pos, layer.size()));
}

PictureFolder::PictureFolder(const QString& root) : root_(root) {
  if (!root_.mkpath(QStringLiteral(".")) || !scratch_.isValid())
    throw std::runtime_error("cannot create the picture folder " + root.toStdString());
}

QString PictureFolder::pathOf(const QString& rel) const {
  const QString path = root_.filePath(rel);
  if (!QDir().mkpath(QFileInfo(path).absolutePath()))
    throw std::runtime_error("cannot create the folder of " + path.toStdString());
  return path;
}

void PictureFolder::runConvert(const QStringList& args) const {
  QProcess convert;
  convert.start(QStringLiteral("convert"), args);
  if (!convert.waitForFinished(60000) || convert.exitStatus() != QProcess::NormalExit ||
      convert.exitCode() != 0)
    throw std::runtime_error("ImageMagick convert failed: " +
                             convert.readAllStandardError().toStdString());
}

void PictureFolder::write(const QString& rel, const QImage& img) {
  const QString path = pathOf(rel);
  const QString ext = QFileInfo(rel).suffix().toLower();
  bool ok = false;
  if (ext == QLatin1String("gif")) {
    const QString png = scratch_.filePath(QStringLiteral("frame.png"));
    ok = img.convertToFormat(QImage::Format_RGB32).save(png, "PNG");
    if (ok) runConvert({png, QStringLiteral("+dither"), QStringLiteral("-colors"),
                        QStringLiteral("256"), path});
  } else if (ext == QLatin1String("jpg")) {
    ok = img.convertToFormat(QImage::Format_RGB32).save(path, "JPEG", 93);
  } else if (ext == QLatin1String("bmp")) {
    ok = img.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
  } else if (ext == QLatin1String("png")) {
    ok = img.save(path, "PNG");
  }
  if (!ok) throw std::runtime_error("cannot write " + path.toStdString());
  ++written_;
}

void PictureFolder::writeAnimatedGif(const QString& rel, const QList<QImage>& frames,
                                     int delayCentiseconds) {
  QStringList args{QStringLiteral("-delay"), QString::number(delayCentiseconds),
                   QStringLiteral("-dispose"), QStringLiteral("Background"),
                   QStringLiteral("-loop"), QStringLiteral("0")};
  for (int i = 0; i < frames.size(); ++i) {
    const QString png = scratch_.filePath(QStringLiteral("anim%1.png").arg(i, 3, 10, QChar('0')));
    if (!frames[i].save(png, "PNG")) throw std::runtime_error("cannot write a frame");
    args << png;
  }
  args << pathOf(rel);
  runConvert(args);
  ++written_;
}

void PictureFolder::writeBackground(const QString& name, const QImage& img) {
  const QString rel = QStringLiteral("img/%1.jpg").arg(name);
  write(rel, img);
  QImage decoded(pathOf(rel));
  if (decoded.isNull()) throw std::runtime_error("cannot read back " + rel.toStdString());
  backgrounds_.insert(name, decoded.convertToFormat(QImage::Format_RGB32));
}

const QImage& PictureFolder::background(const QString& name) const {
  const auto it = backgrounds_.find(name);
  if (it == backgrounds_.end())
    throw std::runtime_error("background not painted yet: " + name.toStdString());
  return *it;
}

QImage PictureFolder::composed(const QString& backgroundName, const QImage& layer, QPoint pos) const {
  return composeOver(background(backgroundName), layer, pos);
}

}  // namespace skin
