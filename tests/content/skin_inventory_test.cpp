// The skin in the assembled program folder: every picture of the inventory in
// content/SKIN.md is there, decodes as the format its name says, and has its size.
// Pictures are decoded with Qt, so these tests exist only in builds with the windows.
#if __has_include(<QImage>)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

namespace {

struct Picture {
  QString path;  // below Pic/, e.g. "nor/btnhelp1.bmp"
  QSize size;
};

const QDir kPic(QStringLiteral(VELLORA_APP_DIR "/Pic"));

// Rows of the inventory table: | name | folders | W×H | screen | control |
QList<Picture> readInventory() {
  QFile file(QStringLiteral(VELLORA_SOURCE_DIR "/content/SKIN.md"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  static const QRegularExpression row(
      QStringLiteral(R"(^\| ([^|]+\.(?:jpg|bmp|gif|png)) \| ([a-z ]+) \| (\d+)×(\d+) \|)"));
  QList<Picture> pictures;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const auto m = row.match(in.readLine());
    if (!m.hasMatch()) continue;
    const QSize size(m.captured(3).toInt(), m.captured(4).toInt());
    for (const QString& folder : m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts))
      pictures.append({folder + QLatin1Char('/') + m.captured(1).trimmed(), size});
  }
  return pictures;
}

const QList<Picture>& inventory() {
  static const QList<Picture> pictures = readInventory();
  return pictures;
}

QImage load(const QString& path) { return QImage(kPic.filePath(path)); }

TEST(SkinInventory, ListsEachPictureOnce) {
  ASSERT_FALSE(inventory().isEmpty()) << "no inventory rows in content/SKIN.md";
  QSet<QString> seen;
  for (const Picture& p : inventory()) {
    EXPECT_FALSE(seen.contains(p.path.toLower())) << "listed twice: " << p.path.toStdString();
    seen.insert(p.path.toLower());
  }
}

TEST(SkinInventory, EveryPictureIsThereDecodesInItsFormatAndHasItsSize) {
  static const QMap<QString, QByteArray> formatOf{{"jpg", "jpeg"}, {"bmp", "bmp"}, {"gif", "gif"}, {"png", "png"}};
  for (const Picture& p : inventory()) {
    SCOPED_TRACE(p.path.toStdString());
    QImageReader reader(kPic.filePath(p.path));
    reader.setDecideFormatFromContent(true);
    ASSERT_TRUE(QFile::exists(reader.fileName()));
    EXPECT_EQ(reader.format(), formatOf.value(QFileInfo(p.path).suffix().toLower()));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), p.size);
  }
}

TEST(SkinInventory, FolderHoldsNothingBesideTheInventory) {
  QSet<QString> listed;
  for (const Picture& p : inventory()) listed.insert(p.path);
  QDirIterator it(kPic.path(), QDir::Files, QDirIterator::Subdirectories);
  int files = 0;
  while (it.hasNext()) {
    const QString path = kPic.relativeFilePath(it.next());
    ++files;
    EXPECT_TRUE(listed.contains(path)) << "not in the inventory: " << path.toStdString();
  }
  EXPECT_EQ(files, listed.size());
}

TEST(SkinInventory, EveryScreenBackgroundIs800By600) {
  for (const char* name : {"首页", "考试中心", "选中文", "选英文", "听音选中文", "单词拼写", "填写句子",
                           "考试结果", "考试结果2", "考试记录", "笔记本"}) {
    const QString path = QStringLiteral("img/%1.jpg").arg(QString::fromUtf8(name));
    EXPECT_EQ(load(path).size(), QSize(800, 600)) << path.toStdString();
  }
}

TEST(SkinInventory, HoverMarkIsAnimated) {
  QImageReader reader(kPic.filePath(QStringLiteral("on/on_03.gif")));
  EXPECT_TRUE(reader.supportsAnimation());
  EXPECT_GT(reader.imageCount(), 1);
}

// A popup window is cut to its picture by the pure magenta around it; a blended edge
// would leave pink pixels that stay visible.
class PopupShape : public testing::TestWithParam<const char*> {};

TEST_P(PopupShape, IsPureMagentaOutsideItsShapeAndNowhereElse) {
  const QImage popup = load(QString::fromUtf8(GetParam())).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(popup.isNull());
  constexpr QRgb kMagenta = 0xFFFF00FF;
  EXPECT_EQ(popup.pixel(0, 0), kMagenta);
  EXPECT_EQ(popup.pixel(popup.width() - 1, popup.height() - 1), kMagenta);
  EXPECT_NE(popup.pixel(popup.width() / 2, popup.height() / 2), kMagenta);
  int magenta = 0, pinkish = 0;
  for (int y = 0; y < popup.height(); ++y)
    for (int x = 0; x < popup.width(); ++x) {
      const QColor c = QColor::fromRgb(popup.pixel(x, y));
      if (c.rgb() == kMagenta) ++magenta;
      else if (c.red() > c.green() + 60 && c.blue() > c.green() + 60) ++pinkish;
    }
  EXPECT_GT(magenta, 0);
  EXPECT_EQ(pinkish, 0);
}

INSTANTIATE_TEST_SUITE_P(SkinInventory, PopupShape, testing::Values("img/popup.bmp", "img/seltype.bmp"));

// A learner must see the mouse over a button, a press and a disabled button.
TEST(SkinInventory, StatesOfAButtonLookDifferent) {
  QMap<QString, QList<QString>> statesOf;  // picture name -> its state folders
  for (const Picture& p : inventory()) {
    const QString folder = p.path.section(QLatin1Char('/'), 0, 0);
    if (folder == QLatin1String("nor") || folder == QLatin1String("on") ||
        folder == QLatin1String("down") || folder == QLatin1String("dis"))
      statesOf[p.path.section(QLatin1Char('/'), 1)].append(folder);
  }
  for (auto it = statesOf.cbegin(); it != statesOf.cend(); ++it) {
    const QStringList& folders = it.value();
    for (int i = 0; i < folders.size(); ++i)
      for (int j = i + 1; j < folders.size(); ++j) {
        const QImage a = load(folders[i] + QLatin1Char('/') + it.key()).convertToFormat(QImage::Format_RGB32);
        const QImage b = load(folders[j] + QLatin1Char('/') + it.key()).convertToFormat(QImage::Format_RGB32);
        EXPECT_NE(a, b) << it.key().toStdString() << ": " << folders[i].toStdString() << " and "
                        << folders[j].toStdString() << " look the same";
      }
  }
}

// Frame buttons are opaque bitmaps cut from the screen they sit on: their corners must be
// the background's own pixels there, or a frame shows around the round button.
TEST(SkinInventory, FrameButtonCornersMatchTheirBackground) {
  struct Place { int screen; const char* background; QPoint help, exit; };
  const Place places[] = {{1, "首页", {720, 549}, {759, 549}},       {2, "考试中心", {691, 548}, {739, 548}},
                          {3, "选中文", {691, 548}, {739, 548}},     {3, "考试结果", {691, 548}, {739, 548}},
                          {3, "单词拼写", {691, 548}, {739, 548}},   {4, "考试记录", {691, 548}, {739, 548}},
                          {5, "笔记本", {691, 548}, {739, 548}}};
  const auto differs = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
  };
  for (const Place& place : places) {
    const QImage ground = load(QStringLiteral("img/%1.jpg").arg(QString::fromUtf8(place.background)));
    ASSERT_FALSE(ground.isNull()) << place.background;
    for (const char* folder : {"nor", "on", "down"})
      for (const auto& [name, at] : {std::pair{"btnhelp", place.help}, std::pair{"btnexit", place.exit}}) {
        const QString path = QStringLiteral("%1/%2%3.bmp").arg(QLatin1String(folder), QLatin1String(name)).arg(place.screen);
        const QImage button = load(path);
        ASSERT_FALSE(button.isNull()) << path.toStdString();
        // JPEG blocks of another screen differ slightly: allow a small tolerance.
        EXPECT_LE(differs(button.pixel(0, 0), ground.pixel(at)), 12) << path.toStdString() << " on " << place.background;
        EXPECT_LE(differs(button.pixel(button.width() - 1, button.height() - 1),
                          ground.pixel(at + QPoint(button.width() - 1, button.height() - 1))), 12)
            << path.toStdString() << " on " << place.background;
      }
  }
}

// The composing mode ("Create.dat") draws a PNG source over the screen's background and
// cuts out the button; with the shipped sources it must give the shipped pictures.
TEST(SkinInventory, ComposingTheSourcesGivesTheShippedPictures) {
  struct Case { const char* source; const char* background; QPoint at; const char* output; };
  const Case cases[] = {
      {"png/helpNor.png", "img/首页.jpg", {720, 549}, "nor/btnhelp1.bmp"},
      {"png/exitDown.png", "img/考试中心.jpg", {739, 548}, "down/btnexit2.bmp"},
      {"png/CloseOn.png", "img/考试记录.jpg", {777, 3}, "on/btnClose4.bmp"},
      {"png/MinNor.png", "img/笔记本.jpg", {759, 3}, "nor/btnMin5.bmp"},
      {"png/homeOn.png", "img/首页.jpg", {681, 549}, "on/btnHome1.bmp"},
      {"png/DelHistoryDis.png", "img/首页.jpg", {673, 484}, "dis/btnDelHistory1.bmp"},
      {"png/anserr.png", "img/听音选中文.jpg", {528, 445}, "img/AnsErr1.bmp"},
      {"png/ansOK.png", "img/填写句子.jpg", {406, 402}, "img/AnsOK3.bmp"},
      {"dis/testunorder.png", "img/选中文.jpg", {554, 36}, "dis/testunorder.bmp"},
      {"down/Nextpage.png", "img/选中文.jpg", {590, 529}, "down/nextPage.bmp"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.output);
    const QImage source = load(QString::fromUtf8(c.source));
    QImage merged = load(QString::fromUtf8(c.background)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(source.isNull());
    ASSERT_FALSE(merged.isNull());
    QPainter(&merged).drawImage(c.at, source);
    const QImage composed = merged.copy(QRect(c.at, source.size()));
    const QImage shipped = load(QString::fromUtf8(c.output)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shipped.size(), composed.size());
    int worst = 0;
    for (int y = 0; y < shipped.height(); ++y)
      for (int x = 0; x < shipped.width(); ++x) {
        const QRgb a = shipped.pixel(x, y), b = composed.pixel(x, y);
        worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
      }
    EXPECT_LE(worst, 2);  // rounding of the alpha blend
  }
}

}  // namespace
#endif
