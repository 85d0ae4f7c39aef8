#include "controls.h"

#include <QPainter>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

#include "art.h"
#include "buttons.h"
#include "layout.h"
#include "look.h"

namespace skin::controls {
namespace {

namespace L = layout;
using buttons::State;
using buttons::Tone;
using glyphs::Glyph;

using States = std::vector<State>;
const States kThreeStates{State::Normal, State::Hover, State::Pressed};
const States kFourStates{State::Normal, State::Hover, State::Pressed, State::Disabled};

QString folderPath(State s, const QString& name) {
  return buttons::folderOf(s) + QLatin1Char('/') + name;
}

// A button whose face is the same wherever it is used: drawn once per state and composed
// over the one background that lies under it.
template <typename Face>
void placeButton(PictureFolder& pics, const QString& name, const QString& ground, QPoint at,
                 const States& states, Face face) {
  for (State s : states) pics.write(folderPath(s, name), pics.composed(ground, face(s), at));
}

// The composer's name of a state: helpNor, helpOn, helpDown, DelHistoryDis.
struct SourceNames {
  QString normal, hover, pressed, disabled;
  QString of(State s) const {
    switch (s) {
      case State::Hover: return hover;
      case State::Pressed: return pressed;
      case State::Disabled: return disabled;
      default: return normal;
    }
  }
};

// Writes png/<source>.png for each state and composes it into <state>/<output> over every
// screen that uses it, as the composing mode would.
void composeFromSources(PictureFolder& pics, const SourceNames& sources,
                        const States& states,
                        const std::function<QImage(State)>& face,
                        const std::vector<std::tuple<QString, QString, QPoint>>& uses) {
  for (State s : states) {
    const QImage source = face(s);
    pics.write(QStringLiteral("png/%1.png").arg(sources.of(s)), source);
    for (const auto& [output, ground, at] : uses)
      pics.write(folderPath(s, output), pics.composed(ground, source, at));
  }
}

// ---- Pictures of the test centre ---------------------------------------------------------

QImage comboBox() {
  QImage img = look::layer(L::kComboSize);
  QPainter p(&img);
  const QRectF r(0, 0, L::kComboSize.width(), L::kComboSize.height());
  look::well(p, r, Qt::white, 5);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF knob(r.right() - 24, 2, 22, r.height() - 5);
  QLinearGradient g(knob.topLeft(), knob.bottomLeft());
  g.setColorAt(0, QColor(0xEA, 0xF5, 0xE4));
  g.setColorAt(1, QColor(0xC9, 0xE1, 0xBD));
  p.setBrush(g);
  p.setPen(QPen(QColor(0x9D, 0xBB, 0x8F), 1));
  p.drawRoundedRect(knob.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  glyphs::draw(p, Glyph::Down, knob.adjusted(6, 6, -6, -6), look::kOlive);
  return img;
}

QImage comboDown() {
  QImage img = look::blank(L::kComboDownSize, Qt::white);
  QPainter p(&img);
  p.setPen(look::kOlive);
  p.drawRect(img.rect().adjusted(0, 0, -1, -1));
  p.fillRect(QRect(1, 1, img.width() - 2, 3), QColor(0xEE, 0xF6, 0xEA));
  p.fillRect(QRect(img.width() - 4, 4, 3, img.height() - 5), QColor(0xEE, 0xF6, 0xEA));
  return img;
}

QImage wordListBox() {
  QImage img = look::layer(L::kComboSize);
  QPainter p(&img);
  look::well(p, QRectF(0, 0, L::kComboSize.width(), L::kComboSize.height()), look::kPlate, 5);
  look::text(p, QRectF(8, 0, 80, L::kComboSize.height() - 1), QStringLiteral("Word List"),
             look::font(13, true), look::kOlive, Qt::AlignLeft | Qt::AlignVCenter);
  look::well(p, QRectF(L::kWordListIdxEntry).adjusted(-2, -2, 2, 2), look::kEditBack, 3);
  return img;
}

// A small scene on a white card: what a test kind or a scope looks like.
QImage illustration(const std::function<void(QPainter&, const QRectF&)>& scene, const QString& label) {
  QImage img = look::blank(L::kViewType.size(), Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRect(0, 0, img.width(), 22), look::kMint);
  look::hline(p, 0, img.width(), 22, look::kRule);
  look::text(p, QRectF(0, 0, img.width(), 22), label, look::font(12, true), look::kDeep);
  scene(p, QRectF(8, 28, img.width() - 16, img.height() - 34));
  p.setPen(look::kLine);
  p.setBrush(Qt::NoBrush);
  p.drawRect(img.rect().adjusted(0, 0, -1, -1));
  return img;
}

void choiceLines(QPainter& p, const QRectF& r, const QStringList& choices, int right) {
  for (int i = 0; i < choices.size(); ++i) {
    const QRectF line(r.left() + 8, r.top() + i * 15, r.width() - 8, 15);
    p.setPen(QPen(i == right ? look::kDeep : look::kLine, 1.2));
    p.setBrush(i == right ? look::kDeep : Qt::white);
    p.drawEllipse(QRectF(line.left(), line.center().y() - 4, 8, 8));
    look::text(p, line.adjusted(14, 0, 0, 0), choices[i], look::font(11, i == right),
               i == right ? look::kDeep : QColor(0x55, 0x66, 0x50), Qt::AlignLeft | Qt::AlignVCenter);
  }
}

QImage kindIllustration(int kind) {
  return illustration([kind](QPainter& p, const QRectF& r) {
    const QFont word = look::font(17, true);
    switch (kind) {
      case 1:
        look::text(p, QRectF(r.left(), r.top(), r.width(), 22), QStringLiteral("apple"), word, look::kDeep);
        choiceLines(p, QRectF(r.left() + 24, r.top() + 24, 100, 50),
                    {QStringLiteral("香蕉"), QStringLiteral("苹果"), QStringLiteral("橙子")}, 1);
        break;
      case 2:
        look::text(p, QRectF(r.left(), r.top(), r.width(), 22), QStringLiteral("苹果"), word, look::kDeep);
        choiceLines(p, QRectF(r.left() + 24, r.top() + 24, 100, 50),
                    {QStringLiteral("banana"), QStringLiteral("apple"), QStringLiteral("orange")}, 1);
        break;
      case 3:
        glyphs::draw(p, Glyph::Speaker, QRectF(r.left() + 4, r.top() + 14, 34, 34), look::kDeep, 2.2);
        choiceLines(p, QRectF(r.left() + 40, r.top() + 8, 90, 50),
                    {QStringLiteral("香蕉"), QStringLiteral("苹果"), QStringLiteral("橙子")}, 1);
        break;
      case 4: {
        glyphs::draw(p, Glyph::Speaker, QRectF(r.left() + 4, r.top() + 2, 28, 28), look::kDeep, 2.0);
        look::text(p, QRectF(r.left() + 38, r.top() + 2, 90, 28), QStringLiteral("苹果"),
                   look::font(14), look::kOlive, Qt::AlignLeft | Qt::AlignVCenter);
        const QRectF input(r.left() + 10, r.top() + 40, r.width() - 20, 26);
        p.setPen(QPen(look::kLine, 1));
        p.setBrush(QColor(221, 248, 218));
        p.drawRoundedRect(input, 4, 4);
        look::text(p, input.adjusted(8, 0, 0, 0), QStringLiteral("app|"), word, look::kDeep,
                   Qt::AlignLeft | Qt::AlignVCenter);
        break;
      }
      default: {
        look::text(p, QRectF(r.left(), r.top(), r.width(), 24), QStringLiteral("I ate an ____."),
                   look::font(14, true), look::kDeep);
        look::text(p, QRectF(r.left(), r.top() + 22, r.width(), 18), QStringLiteral("我吃了一个苹果。"),
                   look::font(11), look::kOlive);
        const QRectF input(r.left() + 24, r.top() + 46, r.width() - 48, 24);
        p.setPen(QPen(look::kLine, 1));
        p.setBrush(QColor(221, 248, 218));
        p.drawRoundedRect(input, 4, 4);
        look::text(p, input, QStringLiteral("apple"), look::font(14, true), look::kDeep);
        break;
      }
    }
  }, art::kindName(kind));
}

void miniCard(QPainter& p, const QRectF& r, const QString& text, const QColor& ink) {
  p.setPen(QPen(look::kLine, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, 4, 4);
  look::text(p, r, text, look::font(11, true), ink);
}

QImage scopeIllustration(int scope) {
  return illustration([scope](QPainter& p, const QRectF& r) {
    switch (scope) {
      case 1: {
        const QStringList words{QStringLiteral("bright"), QStringLiteral("river"), QStringLiteral("quiet"),
                                QStringLiteral("orange")};
        for (int i = 0; i < 4; ++i)
          miniCard(p, QRectF(r.left() + 4 + (i % 2) * 68, r.top() + 2 + (i / 2) * 26, 62, 22),
                   words[i], i == 3 ? look::kAccent : look::kDeep);
        look::text(p, QRectF(r.left(), r.top() + 52, r.width(), 18), QStringLiteral("从全书随机抽题"),
                   look::font(11), look::kOlive);
        break;
      }
      case 2: {
        p.setPen(QPen(look::kLine, 1));
        p.setBrush(QColor(0xF3, 0xF9, 0xF0));
        p.drawRoundedRect(QRectF(r.left() + 14, r.top(), r.width() - 28, r.height() - 2), 4, 4);
        look::text(p, QRectF(r.left() + 14, r.top() + 2, r.width() - 28, 20), QStringLiteral("Word List 3"),
                   look::font(12, true), look::kDeep);
        for (int i = 0; i < 3; ++i) {
          look::text(p, QRectF(r.left() + 24, r.top() + 24 + i * 15, 60, 15),
                     QStringLiteral("第%1组").arg(i + 1), look::font(11), look::kOlive,
                     Qt::AlignLeft | Qt::AlignVCenter);
          look::hline(p, int(r.left()) + 70, int(r.right()) - 26, int(r.top()) + 32 + i * 15, look::kRule);
        }
        break;
      }
      default: {
        glyphs::draw(p, Glyph::Book, QRectF(r.left() + 8, r.top() + 8, 56, 50), look::kDeep, 2.2);
        look::text(p, QRectF(r.left() + 68, r.top() + 4, 70, 22), QStringLiteral("错误词汇本"),
                   look::font(11, true), QColor(0xB0, 0x3A, 0x2E), Qt::AlignLeft | Qt::AlignVCenter);
        look::text(p, QRectF(r.left() + 68, r.top() + 24, 70, 22), QStringLiteral("笔记本1"),
                   look::font(11, true), look::kOlive, Qt::AlignLeft | Qt::AlignVCenter);
        look::text(p, QRectF(r.left() + 68, r.top() + 44, 70, 22), QStringLiteral("未考词汇本"),
                   look::font(11, true), look::kOlive, Qt::AlignLeft | Qt::AlignVCenter);
        break;
      }
    }
  }, art::scopeName(scope));
}

// The hover mark: a dot that breathes. It always lies on an option plate, so it is drawn
// smooth on the plate's colour instead of with a ragged transparent edge.
QList<QImage> hoverMarkFrames() {
  QList<QImage> frames;
  constexpr int kFrames = 8;
  for (int i = 0; i < kFrames; ++i) {
    QImage img = look::blank(L::kHoverMark, look::kPlate);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal phase = 0.5 - 0.5 * std::cos(2 * M_PI * i / kFrames);
    const qreal radius = 2.5 + 3.0 * phase;
    const QPointF c(L::kHoverMark.width() / 2.0, L::kHoverMark.height() / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(i % 2 ? look::kAccent : QColor(0xF5, 0xA0, 0x4A));
    p.drawEllipse(c, radius, radius);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 1.5, 1.5);
    frames << img;
  }
  return frames;
}

// ---- Scroll tracks -----------------------------------------------------------------------

QImage track() {
  QImage img = look::blank(L::kTrack, QColor(0xE3, 0xEE, 0xDD));
  QPainter p(&img);
  p.setPen(QColor(0xB9, 0xCF, 0xAE));
  p.drawRect(img.rect().adjusted(0, 0, -1, -1));
  p.fillRect(QRect(7, 3, 2, img.height() - 6), QColor(0xC9, 0xDC, 0xBF));
  return img;
}

QImage ball() {
  QImage img = look::blank(L::kBall, QColor(0xE3, 0xEE, 0xDD));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, L::kBall.width(), 0);
  g.setColorAt(0, QColor(0x4E, 0x9A, 0x47));
  g.setColorAt(1, look::kDeep);
  p.setBrush(g);
  p.setPen(QPen(QColor(0x00, 0x3C, 0x08), 1));
  p.drawRoundedRect(QRectF(1.5, 0.5, L::kBall.width() - 3, L::kBall.height() - 1), 4, 4);
  p.setPen(QPen(QColor(255, 255, 255, 140), 1));
  for (int y : {4, 6, 8}) p.drawLine(QPointF(5, y + 0.5), QPointF(L::kBall.width() - 5, y + 0.5));
  return img;
}

}  // namespace

void paintFrameButtons(PictureFolder& pics) {
  struct Screen { int number; QString ground; L::FramePlaces places; };
  const Screen screens[] = {{1, QStringLiteral("首页"), L::kMainFrame},
                            {2, QStringLiteral("考试中心"), L::kCentreFrame},
                            {3, QStringLiteral("选中文"), L::kListFrame},
                            {4, QStringLiteral("考试记录"), L::kListFrame},
                            {5, QStringLiteral("笔记本"), L::kListFrame}};
  struct Button { SourceNames sources; QString output; QPoint L::FramePlaces::*place; std::function<QImage(State)> face; };
  const Button frameButtons[] = {
      {{"helpNor", "helpOn", "helpDown", {}}, "btnhelp", &L::FramePlaces::help,
       [](State s) { return buttons::round(L::kRoundButton, Glyph::Help, s); }},
      {{"ExitNor", "exitOn", "exitDown", {}}, "btnexit", &L::FramePlaces::exit,
       [](State s) { return buttons::round(L::kRoundButton, Glyph::Exit, s); }},
      {{"MinNor", "MinOn", "MinDown", {}}, "btnMin", &L::FramePlaces::min,
       [](State s) { return buttons::small(L::kSmallButton, Glyph::Minimise, s, false); }},
      {{"CloseNor", "CloseOn", "CloseDown", {}}, "btnClose", &L::FramePlaces::close,
       [](State s) { return buttons::small(L::kSmallButton, Glyph::Close, s, true); }}};
  for (const Button& b : frameButtons) {
    std::vector<std::tuple<QString, QString, QPoint>> uses;
    for (const Screen& screen : screens)
      uses.emplace_back(QStringLiteral("%1%2.bmp").arg(b.output).arg(screen.number), screen.ground,
                        screen.places.*b.place);
    composeFromSources(pics, b.sources, {State::Normal, State::Hover, State::Pressed}, b.face, uses);
  }
}

void paintMainWindow(PictureFolder& pics) {
  const QString ground = QStringLiteral("首页");
  composeFromSources(pics, {"homeNor", "homeOn", "homeDown", {}},
                     {State::Normal, State::Hover, State::Pressed},
                     [](State s) { return buttons::round(L::kRoundButton, Glyph::Home, s); },
                     {{QStringLiteral("btnHome1.bmp"), ground, L::kHome}});
  composeFromSources(pics, {"DelHistoryNor", "DelHistoryOn", "DelHistoryDown", "DelHistoryDis"},
                     {State::Normal, State::Hover, State::Pressed, State::Disabled},
                     [](State s) {
                       return buttons::caption(L::kDelHistory.size(), QStringLiteral("清除记录"), s,
                                               Tone::Secondary, Glyph::Trash, 15);
                     },
                     {{QStringLiteral("btnDelHistory1.bmp"), ground, L::kDelHistory.topLeft()}});
  struct Item { Glyph glyph; QString text, hint; };
  const Item items[] = {
      {Glyph::Pencil, QStringLiteral("考试中心"), QStringLiteral("五种题型，选好范围就开考")},
      {Glyph::List, QStringLiteral("考试记录"), QStringLiteral("每次考试的成绩都在这里")},
      {Glyph::Book, QStringLiteral("笔记本管理"), QStringLiteral("错词、生词，一本一本复习")}};
  for (int i = 0; i < 3; ++i)
    placeButton(pics, QStringLiteral("menu%1.png").arg(i + 1), ground,
                L::kMenuPanel.topLeft() + L::kMenuItemInPanel[i], kThreeStates, [&](State s) {
                  return buttons::menuItem(L::kMenuItem, items[i].glyph, items[i].text, items[i].hint, s);
                });
}

void paintTestCentre(PictureFolder& pics) {
  const QString ground = QStringLiteral("考试中心");
  placeButton(pics, QStringLiteral("enter.gif"), ground, L::kEnter.topLeft(), kThreeStates, [](State s) {
    return buttons::caption(L::kEnter.size(), QStringLiteral("进入考试"), s, Tone::Primary, Glyph::Play, 16);
  });
  for (int kind = 1; kind <= 5; ++kind) {
    placeButton(pics, QStringLiteral("type%1.gif").arg(kind), ground, L::kKindCaption[kind - 1],
                kThreeStates,
                [kind](State s) { return buttons::option(L::kKindCaptionSize, art::kindName(kind), s); });
    pics.write(QStringLiteral("img/viewtype%1.gif").arg(kind), kindIllustration(kind));
  }
  for (int scope = 1; scope <= 3; ++scope) {
    placeButton(pics, QStringLiteral("mode%1.gif").arg(scope), ground, L::kModeCaption[scope - 1],
                kThreeStates,
                [scope](State s) { return buttons::option(L::kModeCaptionSize, art::scopeName(scope), s); });
    pics.write(QStringLiteral("img/viewMod%1.gif").arg(scope), scopeIllustration(scope));
  }
  pics.write(QStringLiteral("img/combobox.gif"), pics.composed(ground, comboBox(), L::kComboBox));
  pics.write(QStringLiteral("img/WordListIdx.gif"), pics.composed(ground, wordListBox(), L::kWordListIdx));
  pics.write(QStringLiteral("img/combodown.gif"), comboDown());
  pics.writeAnimatedGif(QStringLiteral("on/on_03.gif"), hoverMarkFrames(), 9);
}

void paintTestWindows(PictureFolder& pics) {
  const QString ground = QStringLiteral("选中文");
  // The result windows show every kind's title; their header carries none of its own.
  for (int kind = 1; kind <= 5; ++kind)
    pics.write(QStringLiteral("img/type%1.gif").arg(kind),
               pics.composed(QStringLiteral("考试结果"), art::kindTitle(kind), {0, 0}));
  const auto caption = [](QSize size, const QString& text, Tone tone, Glyph glyph) {
    return [=](State s) { return buttons::caption(size, text, s, tone, glyph, 15); };
  };
  placeButton(pics, QStringLiteral("TestStart.gif"), ground, L::kTestStart.topLeft(), kFourStates,
              caption(L::kTestStart.size(), QStringLiteral("开始考试"), Tone::Primary, Glyph::Play));
  placeButton(pics, QStringLiteral("TestFinished.gif"), ground, L::kTestFinished.topLeft(), kFourStates,
              caption(L::kTestFinished.size(), QStringLiteral("交卷"), Tone::Primary, Glyph::Flag));
  // The composer reads these sources from the state folders themselves.
  const auto fromStateFolders = [&](const QString& source, const QString& output, const QRect& place,
                                    const States& states, const QString& text, Glyph glyph) {
    for (State s : states) {
      const QImage face = buttons::caption(place.size(), text, s, Tone::Secondary, glyph, 14);
      pics.write(folderPath(s, source + QStringLiteral(".png")), face);
      pics.write(folderPath(s, output), pics.composed(ground, face, place.topLeft()));
    }
  };
  fromStateFolders(QStringLiteral("testOnorder"), QStringLiteral("testonorder.bmp"), L::kOrderSwitch,
                   {State::Normal, State::Hover, State::Disabled}, QStringLiteral("顺序出题"), Glyph::List);
  fromStateFolders(QStringLiteral("testunorder"), QStringLiteral("testunorder.bmp"), L::kOrderSwitch,
                   {State::Normal, State::Hover, State::Disabled}, QStringLiteral("随机出题"), Glyph::Play);
  fromStateFolders(QStringLiteral("Prevpage"), QStringLiteral("prevpage.bmp"), L::kPrevPage,
                   kFourStates, QStringLiteral("上一页"), Glyph::None);
  fromStateFolders(QStringLiteral("Nextpage"), QStringLiteral("nextPage.bmp"), L::kNextPage,
                   kFourStates, QStringLiteral("下一页"), Glyph::None);
  pics.write(QStringLiteral("nor/groupldx.gif"), pics.composed(ground, [] {
    QImage plate = look::layer(L::kGroupPlate);
    QPainter p(&plate);
    look::well(p, QRectF(0, 0, L::kGroupPlate.width(), L::kGroupPlate.height()), look::kPlate, 6);
    return plate;
  }(), L::kGroupPlatePlace));
  placeButton(pics, QStringLiteral("sound.gif"), QStringLiteral("听音选中文"), L::kSound.topLeft(), kThreeStates,
              [](State s) { return buttons::round(L::kSound.size(), Glyph::Speaker, s); });
  // Right and wrong marks beside the answer.
  const auto mark = [](Glyph glyph, const QColor& colour) {
    QImage img = look::layer(L::kAnswerMark);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(colour);
    p.drawEllipse(QRectF(2, 2, L::kAnswerMark.width() - 4, L::kAnswerMark.height() - 4));
    glyphs::draw(p, glyph, QRectF(10, 10, L::kAnswerMark.width() - 20, L::kAnswerMark.height() - 20),
                 Qt::white, 3.4);
    return img;
  };
  const QImage ok = mark(Glyph::Check, QColor(0x2E, 0x8B, 0x3A));
  const QImage wrong = mark(Glyph::Cross, look::kWrong);
  pics.write(QStringLiteral("png/ansOK.png"), ok);
  pics.write(QStringLiteral("png/anserr.png"), wrong);
  const std::tuple<int, QString, QPoint> marks[] = {{1, QStringLiteral("听音选中文"), L::kListenMark},
                                                    {2, QStringLiteral("单词拼写"), L::kTypedMark},
                                                    {3, QStringLiteral("填写句子"), L::kTypedMark}};
  for (const auto& [n, markGround, at] : marks) {
    pics.write(QStringLiteral("img/AnsOK%1.bmp").arg(n), pics.composed(markGround, ok, at));
    pics.write(QStringLiteral("img/AnsErr%1.bmp").arg(n), pics.composed(markGround, wrong, at));
  }
}

void paintResultWindows(PictureFolder& pics) {
  const QString ground = QStringLiteral("考试结果2");
  const auto caption = [](const QString& text, Tone tone, Glyph glyph) {
    return [=](State s) { return buttons::caption(L::kResultButton, text, s, tone, glyph, 15); };
  };
  placeButton(pics, QStringLiteral("savetonote.gif"), ground, L::kAddToNote, kFourStates,
              caption(QStringLiteral("加入笔记本"), Tone::Primary, Glyph::None));
  placeButton(pics, QStringLiteral("resselall.gif"), ground, L::kSelAll, kFourStates,
              caption(QStringLiteral("全选"), Tone::Secondary, Glyph::Check));
  placeButton(pics, QStringLiteral("clean.gif"), ground, L::kClear, kFourStates,
              caption(QStringLiteral("清除"), Tone::Secondary, Glyph::Cross));
  placeButton(pics, QStringLiteral("resunselall.gif"), ground, L::kUnSel, kFourStates,
              caption(QStringLiteral("反选"), Tone::Secondary, Glyph::None));
}

void paintListScreens(PictureFolder& pics) {
  const QString ground = QStringLiteral("笔记本");
  const std::pair<QString, QString> noteBooks[] = {
      {QStringLiteral("cusnote1"), QStringLiteral("笔记本1")}, {QStringLiteral("cusnote2"), QStringLiteral("笔记本2")},
      {QStringLiteral("cusnote3"), QStringLiteral("笔记本3")}, {QStringLiteral("cusnote4"), QStringLiteral("笔记本4")},
      {QStringLiteral("errnote"), QStringLiteral("错误词汇本")}, {QStringLiteral("testoknote"), QStringLiteral("过关词汇本")},
      {QStringLiteral("untestnote"), QStringLiteral("未考词汇本")}};
  for (int i = 0; i < 7; ++i)
    placeButton(pics, noteBooks[i].first + QStringLiteral(".gif"), ground, L::kNoteButtons[i], kThreeStates,
                [&](State s) { return buttons::noteBook(L::kNoteButton, noteBooks[i].second, s); });
  placeButton(pics, QStringLiteral("gottest.gif"), ground, L::kStartNoteTest.topLeft(), kThreeStates, [](State s) {
    return buttons::caption(L::kStartNoteTest.size(), QStringLiteral("开始考试"), s, Tone::Primary, Glyph::Play, 15);
  });
  for (State s : kThreeStates) {
    pics.write(folderPath(s, QStringLiteral("prgUpBtn.gif")), buttons::trackArrow(L::kTrackButton, Glyph::Up, s));
    pics.write(folderPath(s, QStringLiteral("prgDownBtn.gif")), buttons::trackArrow(L::kTrackButton, Glyph::Down, s));
  }
  pics.write(QStringLiteral("img/prgMain.gif"), track());
  pics.write(QStringLiteral("img/prgBall.gif"), ball());
}

namespace {

// A popup's shape: a rounded card on pure magenta, which the window cuts away. The outline
// is drawn without smoothing: a blended edge would leave pink pixels the shape keeps.
QImage popupCard(QSize size) {
  constexpr QRgb kMagenta = 0xFF00FF;
  QImage img = look::blank(size, QColor::fromRgb(kMagenta));
  QPainter p(&img);
  const QRect body(0, 0, size.width(), size.height());
  p.setPen(Qt::NoPen);
  p.setBrush(look::kOlive);
  p.drawRoundedRect(body, 14, 14);
  p.setBrush(look::kPale);
  p.drawRoundedRect(body.adjusted(2, 2, -2, -2), 12, 12);
  return img;
}

}  // namespace

void paintPopups(PictureFolder& pics) {
  QImage img = popupCard(L::kPopup);
  QPainter p(&img);
  const QRect body(0, 0, L::kPopup.width(), L::kPopup.height());
  p.fillRect(QRect(14, 14, body.width() - 28, 40), look::kMint);
  look::hline(p, 14, body.width() - 14, 54, look::kRule);
  p.setRenderHint(QPainter::Antialiasing);
  glyphs::draw(p, Glyph::Book, QRectF(62, 20, 28, 26), look::kDeep, 2.2);
  look::text(p, QRectF(96, 14, 180, 40), QStringLiteral("加入笔记本"), look::font(19, true), look::kDeep,
             Qt::AlignLeft | Qt::AlignVCenter);
  look::text(p, QRectF(0, 176, body.width(), 20), QStringLiteral("点击空白处取消"), look::font(12),
             look::kOlive);
  p.end();
  pics.write(QStringLiteral("img/popup.bmp"), img);

  QImage kinds = popupCard(L::kKindPopup);
  QPainter k(&kinds);
  k.setRenderHint(QPainter::Antialiasing);
  k.fillRect(QRect(10, 8, L::kKindPopup.width() - 20, 26), look::kMint);
  look::text(k, QRectF(0, 8, L::kKindPopup.width(), 26), QStringLiteral("选择考试类型"), look::font(14, true),
             look::kDeep);
  look::hline(k, 10, L::kKindPopup.width() - 10, 34, look::kRule);
  k.setPen(Qt::NoPen);
  k.setBrush(look::kPlate);
  k.drawRoundedRect(QRectF(32, 36, 116, 112), 6, 6);
  look::text(k, QRectF(0, 150, L::kKindPopup.width(), 18), QStringLiteral("Esc 或点击空白处取消"),
             look::font(11), look::kOlive);
  k.end();
  pics.write(QStringLiteral("img/seltype.bmp"), kinds);
}

}  // namespace skin::controls
