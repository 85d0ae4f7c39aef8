#pragma once
// The Pic/ folder being written: each file in the format its extension names.
#include <QDir>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QTemporaryDir>

namespace skin {

class PictureFolder {
 public:
  explicit PictureFolder(const QString& root);

  // rel is a path below Pic/, e.g. "nor/btnhelp1.bmp". GIF goes through ImageMagick.
  void write(const QString& rel, const QImage& img);
  void writeAnimatedGif(const QString& rel, const QList<QImage>& frames, int delayCentiseconds);

  // Writes img/<name>.jpg and keeps the decoded file, so that pictures composed over it
  // match what the program shows around them.
  void writeBackground(const QString& name, const QImage& img);
  const QImage& background(const QString& name) const;

  // The transparent layer drawn over a background at pos, cut to the layer's size: what
  // the program's composing mode makes of a PNG source.
  QImage composed(const QString& backgroundName, const QImage& layer, QPoint pos) const;

  int written() const { return written_; }

 private:
  QString pathOf(const QString& rel) const;
  void runConvert(const QStringList& args) const;

  QDir root_;
  QTemporaryDir scratch_;
  QMap<QString, QImage> backgrounds_;
  int written_ = 0;
};

// Source-over of layer onto a copy of ground at pos, cut to the layer's rectangle.
QImage composeOver(const QImage& ground, const QImage& layer, QPoint pos);

}  // namespace skin
