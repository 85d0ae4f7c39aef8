#include "screens.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "art.h"
#include "layout.h"
#include "look.h"

namespace skin::screens {
namespace {

namespace L = layout;
using glyphs::Glyph;

QImage frame(int headerHeight = L::kHeaderHeight) {
  QImage img = look::blank(L::kWindow, look::kBodyBottom);
  QPainter p(&img);
  look::fillBody(p, QRect(QPoint(0, 0), L::kWindow));
  look::header(p, L::kWindow.width(), headerHeight);
  return img;
}

void sectionTitle(QPainter& p, QPoint at, const QString& number, const QString& title,
                  const QString& hint) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(look::kOlive);
  p.drawEllipse(QRectF(at.x(), at.y() + 2, 20, 20));
  look::text(p, QRectF(at.x(), at.y() + 2, 20, 20), number, look::font(13, true), Qt::white);
  look::text(p, QRectF(at.x() + 28, at.y(), 300, 24), title, look::font(16, true), look::kDeep,
             Qt::AlignLeft | Qt::AlignVCenter);
  look::text(p, QRectF(at.x() + 150, at.y() + 1, 480, 24), hint, look::font(12), look::kOlive,
             Qt::AlignLeft | Qt::AlignVCenter);
  p.restore();
}

void plateAt(QPainter& p, const QRectF& r, const QColor& fill = look::kPlate) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xBF, 0xD5, 0xB3), 1));
  p.setBrush(fill);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  p.restore();
}

// ---- Main window ------------------------------------------------------------------------

void waves(QPainter& p, int baseY) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QColor tints[] = {QColor(0x9C, 0xC9, 0x8C, 90), QColor(0x5E, 0x9E, 0x55, 70),
                          QColor(0x2E, 0x7A, 0x33, 60)};
  for (int layer = 0; layer < 3; ++layer) {
    QPainterPath path;
    const int y0 = baseY + layer * 16;
    path.moveTo(0, y0);
    for (int x = 0; x <= 800; x += 100) {
      const int lift = (x / 100 + layer) % 2 ? -14 : 10;
      path.quadTo(x + 50, y0 + lift, x + 100, y0);
    }
    path.lineTo(800, 392);
    path.lineTo(0, 392);
    path.closeSubpath();
    p.fillPath(path, tints[layer]);
  }
  p.restore();
}

void logo(QPainter& p, QPointF centre) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient orange(centre + QPointF(-12, -14), 58);
  orange.setColorAt(0, QColor(0xFF, 0xC0, 0x6A));
  orange.setColorAt(1, look::kAccent);
  p.setPen(Qt::NoPen);
  p.setBrush(orange);
  p.drawEllipse(centre, 44, 44);
  QPainterPath leaf;
  leaf.moveTo(centre + QPointF(2, -42));
  leaf.quadTo(centre + QPointF(20, -72), centre + QPointF(46, -60));
  leaf.quadTo(centre + QPointF(30, -36), centre + QPointF(2, -42));
  p.fillPath(leaf, QColor(0x2E, 0x8B, 0x3A));
  p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 2; ++i) {
    QPainterPath w;
    const qreal y = centre.y() + 8 + i * 14;
    w.moveTo(centre.x() - 30, y);
    w.quadTo(centre.x() - 15, y - 10, centre.x(), y);
    w.quadTo(centre.x() + 15, y + 10, centre.x() + 30, y);
    p.drawPath(w);
  }
  p.restore();
}

void openBook(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal midX = r.center().x();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 60, 10, 30));
  p.drawEllipse(QRectF(r.left() + 10, r.bottom() - 8, r.width() - 20, 22));
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath page;
    page.moveTo(midX, r.top() + 22);
    page.quadTo(midX + side * r.width() * 0.25, r.top(), midX + side * r.width() * 0.5, r.top() + 12);
    page.lineTo(midX + side * r.width() * 0.5, r.bottom() - 10);
    page.quadTo(midX + side * r.width() * 0.25, r.bottom() - 22, midX, r.bottom());
    page.closeSubpath();
    p.setPen(QPen(look::kLine, 1.5));
    p.setBrush(side < 0 ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xF7, 0xFB, 0xF4));
    p.drawPath(page);
  }
  p.setPen(QPen(look::kOlive, 2));
  p.drawLine(QPointF(midX, r.top() + 22), QPointF(midX, r.bottom()));
  const QFont word = look::font(26, true);
  look::text(p, QRectF(r.left() + 18, r.top() + 30, r.width() / 2 - 30, 40), QStringLiteral("word"),
             word, look::kDeep);
  look::text(p, QRectF(midX + 12, r.top() + 30, r.width() / 2 - 30, 40), QStringLiteral("词汇"),
             word, look::kAccent);
  p.setPen(QPen(look::kRule, 3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 4; ++i) {
    const qreal y = r.top() + 86 + i * 18;
    p.drawLine(QPointF(r.left() + 24, y), QPointF(midX - 16 - (i % 2) * 20, y));
    p.drawLine(QPointF(midX + 16, y), QPointF(r.right() - 24 - (i % 3) * 14, y));
  }
  p.restore();
}

QImage mainWindow() {
  QImage img = look::blank(L::kWindow, look::kBodyBottom);
  QPainter p(&img);
  QLinearGradient sky(0, 0, 0, 392);
  sky.setColorAt(0, QColor(0xFA, 0xFD, 0xF8));
  sky.setColorAt(1, QColor(0xDE, 0xEE, 0xD6));
  p.fillRect(QRect(0, 0, 800, 392), sky);
  look::fillBody(p, QRect(0, 392, 800, 208));
  waves(p, 318);
  logo(p, QPointF(118, 150));
  look::titleText(p, QRectF(188, 84, 420, 80), QStringLiteral("澜橙记词"), look::font(62, true),
                  look::kDeep);
  look::titleText(p, QRectF(192, 164, 420, 30), QStringLiteral("英语词汇自测 · 与词汇书配套使用"),
                  look::font(19), look::kOlive);
  look::text(p, QRectF(192, 196, 420, 24),
             QStringLiteral("五种题型  ·  错题自动记入笔记本  ·  考试记录随时查看"), look::font(13),
             QColor(0x6C, 0x80, 0x64), Qt::AlignLeft | Qt::AlignVCenter);
  openBook(p, QRectF(548, 92, 214, 190));
  // The menu panel and the column of the small buttons.
  look::panel(p, L::kMenuPanel.adjusted(0, 0, 0, -2), QColor(0xEE, 0xF6, 0xEA), 10);
  look::panel(p, QRectF(670, 391, 128, 206), QColor(0xEE, 0xF6, 0xEA), 10);
  look::text(p, QRectF(676, 404, 116, 22), QStringLiteral("每天十分钟"), look::font(15, true),
             look::kDeep);
  look::text(p, QRectF(676, 428, 116, 44), QStringLiteral("积少成多\n词汇稳步提升"), look::font(12),
             look::kOlive);
  look::hline(p, 684, 784, 540, look::kRule);
  return img;
}

// ---- Test centre ------------------------------------------------------------------------

QRectF optionPlate(QPoint radio, QPoint caption, int right) {
  const int top = std::min(radio.y(), caption.y()) - 3;
  const int bottom = std::max(radio.y() + 26, caption.y() + 26) + 1;
  return QRectF(radio.x() - 6, top, right - radio.x() + 6, bottom - top);
}

QImage testCentre() {
  QImage img = frame();
  art::screenTitle(img, Glyph::Pencil, QStringLiteral("考试中心"),
                   QStringLiteral("选择考试类型和考察范围，然后进入考试"));
  QPainter p(&img);
  look::panel(p, L::kKindPanel, look::kPale);
  look::panel(p, L::kScopePanel, look::kPale);
  sectionTitle(p, {78, 104}, QStringLiteral("1"), QStringLiteral("选择考试类型"),
               QStringLiteral("五种题型任选其一，左边是它的样子"));
  sectionTitle(p, {78, 336}, QStringLiteral("2"), QStringLiteral("选择考察范围"),
               QStringLiteral("全书抽查选题数，Word List 填序号，笔记本从列表中选"));
  look::well(p, QRectF(L::kViewType).adjusted(-3, -3, 3, 3), Qt::white, 6);
  look::well(p, QRectF(L::kViewMode).adjusted(-3, -3, 3, 3), Qt::white, 6);
  for (int i = 0; i < 5; ++i)
    plateAt(p, optionPlate(L::kKindRadio[i], L::kKindCaption[i], i < 3 ? 462 : 690));
  for (int i = 0; i < 3; ++i) plateAt(p, optionPlate(L::kModeRadio[i], L::kModeCaption[i], 660));
  return img;
}

// ---- Test windows and result windows ----------------------------------------------------

QImage testFrame(int kind) {
  QImage img = frame();
  QPainter p(&img);
  if (kind > 0) p.drawImage(0, 0, art::kindTitle(kind));
  // The scope line: caption at the left, the four number plates at the right.
  look::well(p, L::kScopeLine, QColor(0xEA, 0xF4, 0xE5), 8);
  // The clock.
  if (kind > 0) {
    look::well(p, L::kClock, look::kPlate, 8);
    glyphs::draw(p, Glyph::Clock, QRectF(L::kClock.left() + 10, L::kClock.top() + 8, 20, 20),
                 look::kOlive, 1.8);
  }
  return img;
}

void cardHead(QPainter& p, const QRect& card, int height) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath head;
  head.addRoundedRect(QRectF(card).adjusted(1, 1, -1, 0), 7, 7);
  QPainterPath cut;
  cut.addRect(QRectF(card.left(), card.top(), card.width(), height));
  p.fillPath(head.intersected(cut), look::kMint);
  look::hline(p, card.left() + 1, card.right(), card.top() + height, look::kRule);
  p.restore();
}

QImage choiceTest(int kind) {
  QImage img = testFrame(kind);
  QPainter p(&img);
  for (const QRect& card : L::kQuestionCards) {
    look::panel(p, card, look::kPale);
    cardHead(p, card, 44);
  }
  return img;
}

// Listening, spelling and sentence: one question area.
QImage singleTest(int kind) {
  QImage img = testFrame(kind);
  QPainter p(&img);
  const QRect& area = L::kQuestionPanel;
  look::panel(p, area, look::kPale);
  cardHead(p, area, kind == 5 ? 160 : 64);
  if (kind == 3) {
    look::hline(p, 516, 740, 144 + 62, look::kRule);
    look::hline(p, 116, 500, 490, look::kRule);
  } else {
    if (kind == 4) look::well(p, QRectF(116, 196, 568, 64), look::kPlate, 6);
    look::well(p, QRectF(L::kTypedInput).adjusted(-4, -4, 4, 4), QColor(221, 248, 218), 6);
    look::hline(p, 116, 680, 494, look::kRule);
  }
  return img;
}

// Column guides of the review rows: the left edges of the answer and your-answer columns.
QImage resultWindow(int answerLeft, int yourAnswerLeft) {
  QImage img = testFrame(0);
  QPainter p(&img);
  // The score line lies where the scope line of the test windows is.
  look::panel(p, L::kReviewPanel, look::kPale);
  p.fillRect(QRect(L::kReviewPanel.left() + 1, 150, L::kReviewPanel.width() - 2, 34), look::kMint);
  look::hline(p, L::kReviewPanel.left() + 1, L::kReviewPanel.right(), 184, look::kLine);
  for (int r = 1; r < 10; ++r)
    look::hline(p, 44, L::kReviewPanel.right() - 8, L::kRowTop + r * L::kRowPitch - 7, look::kRule);
  for (int x : {answerLeft - 4, yourAnswerLeft - 4})
    p.fillRect(QRect(x, 150, 1, 366), look::kRule);
  return img;
}

// ---- The two list screens ---------------------------------------------------------------

void trackGroove(QPainter& p, QPoint track) {
  look::well(p, QRectF(track.x() - 3, track.y() - 3, 22, 13 + 423 + 13 + 6), QColor(0xE3, 0xEE, 0xDD), 5);
}

QImage history() {
  QImage img = frame();
  art::screenTitle(img, Glyph::List, QStringLiteral("考试记录"),
                   QStringLiteral("最近的考试排在最上面"));
  QPainter p(&img);
  const QRect& panel = L::kHistoryPanel;
  look::panel(p, panel, look::kPale);
  p.fillRect(QRect(panel.left() + 1, 89, 706, 36), look::kMint);
  look::hline(p, panel.left() + 1, panel.right(), 125, look::kLine);
  for (int r = 0; r < L::kHistoryRows; ++r) {
    const QRect band(panel.left() + 6, L::kHistoryRowTop - 6 + r * L::kRowPitch, 702, L::kRowPitch - 1);
    if (r % 2) p.fillRect(band, QColor(0xF3, 0xF9, 0xF0));
  }
  for (int x : {134, 238, 287, 368, 484, 608})
    p.fillRect(QRect(x, 92, 1, 434), look::kRule);
  trackGroove(p, L::kHistoryTrack);
  return img;
}

QImage noteBooks() {
  QImage img = frame(L::kShortHeaderHeight);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  glyphs::draw(p, Glyph::Book, QRectF(20, 10, 30, 28), look::kDeep, 2.4);
  look::titleText(p, QRectF(58, 4, 200, 38), QStringLiteral("笔记本管理"), look::font(23, true),
                  look::kDeep);
  look::text(p, QRectF(192, 12, 360, 24), QStringLiteral("选择左侧的笔记本查看单词，也可以就它开始考试"),
             look::font(12), look::kOlive, Qt::AlignLeft | Qt::AlignVCenter);
  look::panel(p, L::kNoteColumn, look::kPale);
  look::text(p, QRectF(L::kNoteColumn.left(), 74, L::kNoteColumn.width(), 24),
             QStringLiteral("我的笔记本"), look::font(15, true), look::kDeep);
  look::hline(p, 34, 138, 104, look::kRule);
  look::hline(p, 34, 138, 481, look::kRule);
  look::panel(p, L::kNoteList, look::kPale);
  for (int r = 0; r < 7; ++r)
    look::hline(p, 184, 736, L::kNoteRowTop + 52 + r * L::kNoteRowPitch, look::kRule);
  trackGroove(p, L::kNoteBookTrack);
  look::well(p, L::kNoteInfo, look::kPlate, 6);
  return img;
}

}  // namespace

void paintBackgrounds(PictureFolder& pics) {
  pics.writeBackground(QStringLiteral("首页"), mainWindow());
  pics.writeBackground(QStringLiteral("考试中心"), testCentre());
  pics.writeBackground(QStringLiteral("选中文"), choiceTest(1));
  pics.writeBackground(QStringLiteral("选英文"), choiceTest(2));
  pics.writeBackground(QStringLiteral("听音选中文"), singleTest(3));
  pics.writeBackground(QStringLiteral("单词拼写"), singleTest(4));
  pics.writeBackground(QStringLiteral("填写句子"), singleTest(5));
  // 考试结果: English answers (types 2, 4, 5); 考试结果2: Chinese answers (types 1, 3).
  pics.writeBackground(QStringLiteral("考试结果"), resultWindow(385, 517));
  pics.writeBackground(QStringLiteral("考试结果2"), resultWindow(192, 420));
  pics.writeBackground(QStringLiteral("考试记录"), history());
  pics.writeBackground(QStringLiteral("笔记本"), noteBooks());
}

}  // namespace skin::screens
