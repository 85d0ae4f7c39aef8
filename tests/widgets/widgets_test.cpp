#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "widgets/AALabel.h"
#include "widgets/HintWindow.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinMessageBox.h"
#include "widgets/SkinCheck.h"
#include "widgets/TrackBar.h"

namespace {

QImage Filled(int width, int height, QColor color)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

TEST(TrackBar, PositionIsClampedAndOnlyAChangeNotifies)
{
    const struct {
        int Max;
        int Set;
        int Expected;
        int Notifications;
    } cases[] = {
        {10, 4, 4, 1},
        {10, 0, 0, 0},
        {10, 11, 10, 1},
        {10, -3, 0, 0},
        {-5, 3, 0, 0},
        {0, 1, 0, 0},
    };
    for (const auto& c : cases) {
        TTrackBar track;
        track.SetMax(c.Max);
        QSignalSpy changes(&track, &TTrackBar::Change);
        track.SetPosition(c.Set);
        EXPECT_EQ(track.Position(), c.Expected) << "max " << c.Max << " set " << c.Set;
        EXPECT_EQ(changes.count(), c.Notifications) << "max " << c.Max << " set " << c.Set;
    }
}

TEST(TrackBar, LoweringTheMaximumPullsThePositionBack)
{
    TTrackBar track;
    track.SetMax(20);
    track.SetPosition(15);
    QSignalSpy changes(&track, &TTrackBar::Change);
    track.SetMax(7);
    EXPECT_EQ(track.Position(), 7);
    EXPECT_EQ(changes.count(), 1);
    track.SetMax(-1);
    EXPECT_EQ(track.Max(), 0);
    EXPECT_EQ(track.Position(), 0);
}

TEST(ImageButton, DrawsThePictureOfItsState)
{
    TImageButton button;
    button.SetAutoSize(true);
    button.SetPicture(TButtonState::Normal, Filled(20, 10, Qt::red));
    button.SetPicture(TButtonState::Disabled, Filled(20, 10, Qt::gray));
    EXPECT_EQ(button.size(), QSize(20, 10));

    const auto drawn = [&button] { return button.grab().toImage().pixelColor(5, 5); };
    EXPECT_EQ(button.CurrentState(), TButtonState::Normal);
    EXPECT_EQ(drawn(), QColor(Qt::red));
    button.setDown(true);
    EXPECT_EQ(button.CurrentState(), TButtonState::Pressed);
    EXPECT_EQ(drawn(), QColor(Qt::red)) << "a state without a picture shows the normal one";
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(drawn(), QColor(Qt::gray));
}

TEST(ImageButton, AnEmptyStatePictureShowsNothing)
{
    QWidget back;
    back.setStyleSheet("background: blue;");
    back.resize(30, 30);
    TImageButton button(&back);
    button.SetPicture(TButtonState::Normal, Filled(20, 10, Qt::red));
    button.SetPicture(TButtonState::Disabled, QImage());
    button.resize(20, 10);
    button.setEnabled(false);
    EXPECT_NE(back.grab().toImage().pixelColor(5, 5), QColor(Qt::red));
}

TEST(ImageButton, ClickNeedsPressAndReleaseOnIt)
{
    TImageButton button;
    button.SetPicture(TButtonState::Normal, Filled(20, 10, Qt::red));
    button.SetAutoSize(true);
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 1);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SkinRadioButton, GroupsShareAParentWithoutExcludingEachOther)
{
    QWidget panel;
    TSkinRadioButton type1(&panel), type2(&panel), mode1(&panel), mode2(&panel);
    type1.SetGroupIndex(1);
    type2.SetGroupIndex(1);
    type1.setChecked(true);
    mode1.setChecked(true);
    EXPECT_TRUE(type1.isChecked());
    EXPECT_TRUE(mode1.isChecked());

    type2.setChecked(true);
    EXPECT_FALSE(type1.isChecked());
    EXPECT_TRUE(mode1.isChecked());

    mode2.resize(80, 20);
    QTest::mouseClick(&mode2, Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(mode2.isChecked());
    EXPECT_FALSE(mode1.isChecked());
    QTest::mouseClick(&mode2, Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(mode2.isChecked()) << "a click never unchecks a radio button";
}

TEST(SkinRadioButton, ACaptionTooWideEndsInAnEllipsisInsteadOfBeingCut)
{
    // What a plain radio button of the same look draws: the caption cut at the edge.
    const auto plainDrawing = [](const TSkinRadioButton& skinned) {
        QRadioButton plain(skinned.text());
        plain.setStyleSheet(skinned.styleSheet());
        plain.setFont(skinned.font());
        plain.resize(skinned.size());
        return plain.grab().toImage();
    };
    const QString meaning = "adj. 1.预期的；预定的 2.应付的；到期的 3.已到期的";
    TSkinRadioButton narrow(meaning, nullptr);
    narrow.resize(160, 24);
    EXPECT_NE(narrow.grab().toImage(), plainDrawing(narrow));
    EXPECT_EQ(narrow.text(), meaning);

    TSkinRadioButton wide(meaning, nullptr);
    wide.resize(600, 24);
    EXPECT_EQ(wide.grab().toImage(), plainDrawing(wide));
}

TEST(AALabel, ALineWiderThanTheLabelEndsInAnEllipsisInsteadOfBeingCut)
{
    const QString meaning = "n. 1.节目 2.计划；方案 3.（计算机）程序";
    const auto label = [](const QString& caption) {
        auto made = std::make_unique<TAALabel>(caption, nullptr);
        made->SetAutoSize(false);
        made->setGeometry(0, 0, 120, 24);
        return made;
    };
    const auto narrow = label(meaning);
    const auto shortened = label(narrow->fontMetrics().elidedText(meaning, Qt::ElideRight, 120));
    ASSERT_TRUE(shortened->Caption().endsWith(QChar(0x2026)));
    EXPECT_EQ(narrow->grab().toImage(), shortened->grab().toImage());
    EXPECT_EQ(narrow->Caption(), meaning);
}

TEST(HintWindow, WrapsLongHintsAtSixHundredPixels)
{
    THintWindow* hint = THintWindow::Install();
    EXPECT_EQ(THintWindow::Install(), hint);
    EXPECT_EQ(hint->font().family(), "Noto Sans CJK SC");
    EXPECT_EQ(hint->font().pixelSize(), 16);

    QWidget control;
    control.setToolTip(QString("很长的提示文字").repeated(40));
    control.show();
    QHelpEvent event(QEvent::ToolTip, QPoint(1, 1), control.mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(&control, &event);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_LE(hint->width(), THintWindow::cMaxWidth);
    EXPECT_GT(hint->height(), 2 * hint->fontMetrics().height());
    hint->SetArrowBackColor(QColor(221, 247, 220));
    EXPECT_EQ(hint->palette().color(QPalette::Window), QColor(221, 247, 220));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&control, &leave);
    EXPECT_FALSE(hint->isVisible());
}

}  // namespace

namespace {

TEST(ImagePanel, PlaysAnAnimatedPictureAndSizesItself)
{
    const QString gif = QString(VELLORA_APP_DIR) + "/Pic/on/on_03.gif";
    if (!QFileInfo::exists(gif))
        GTEST_SKIP() << "no animated picture in the program folder";
    TImagePanel panel;
    panel.SetAutoSize(true);
    panel.SetAnimation(gif);
    EXPECT_TRUE(panel.IsAnimated());
    EXPECT_FALSE(panel.size().isEmpty());
    panel.SetAnimation("/nowhere/x.gif");
    EXPECT_FALSE(panel.IsAnimated());
}

TEST(ImagePanel, ReportsClicksOnlyWhenReleasedOnIt)
{
    TImagePanel panel;
    panel.resize(50, 50);
    QSignalSpy clicks(&panel, &TImagePanel::Clicked);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(80, 80));
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace

namespace {

TEST(SkinMessageBox, OldStyleLineBreaksShowAsLineBreaks)
{
    TSkinMessageBox box;
    const QString text = "3 个单词已存在,\n\r\n\r此次共添加 2 个单词。";
    box.SetText(text);
    EXPECT_EQ(box.Text(), text);
    const auto* label = box.findChild<QLabel*>("ctlDlgText");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "3 个单词已存在,\n\n此次共添加 2 个单词。");
}

}  // namespace
