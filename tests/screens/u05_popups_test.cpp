#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "screens/u05_SelNoteBook.h"
#include "screens/u05_SelType.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"

using namespace guitest;

namespace {

class SelType : public ::testing::Test {
protected:
    SelType()
    {
        Popup.OnTypeChosen = [this](Tfrm05_SelType* chooser) {
            EXPECT_FALSE(chooser->isVisible());
            Chosen.push_back(chooser->ChosenType);
        };
        Popup.Popup();
    }

    TAALabel* LabelOfKind(int kind)
    {
        for (TAALabel* label : Popup.findChildren<TAALabel*>())
            if (label->Tag() == kind)
                return label;
        return nullptr;
    }

    TProgramFolder Folder;
    QWidget Opener;
    Tfrm05_SelType Popup{&Opener};
    std::vector<int> Chosen;
};

TEST_F(SelType, EachLabelChoosesItsKindOnce)
{
    const char* captions[] = {"", "看英文选中文", "看中文选英文", "听音选中文", "单词拼写", "填写句子"};
    for (int kind = 1; kind <= 5; ++kind) {
        Chosen.clear();
        Popup.Popup();
        TAALabel* label = LabelOfKind(kind);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Caption(), captions[kind]);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(50, 10));
        EXPECT_EQ(Popup.ChosenType, kind);
        EXPECT_EQ(Chosen, std::vector<int>{kind});
    }
    EXPECT_EQ(Popup.AALabel2->Tag(), 1);
    EXPECT_EQ(Popup.AALabel1->Tag(), 2);
    EXPECT_EQ(Popup.AALabel5->geometry(), QRect(40, 124, 100, 20));
}

TEST_F(SelType, EscAndBackgroundCloseWithoutAChoice)
{
    QTest::keyClick(&Popup, Qt::Key_Escape);
    EXPECT_FALSE(Popup.isVisible());
    EXPECT_EQ(Popup.ChosenType, 0);

    Popup.Popup();
    QTest::mouseClick(&Popup, Qt::LeftButton, {}, QPoint(10, 160));
    EXPECT_FALSE(Popup.isVisible());
    EXPECT_TRUE(Chosen.empty());
}

TEST_F(SelType, PopupAgainResetsTheChoice)
{
    QTest::mouseClick(LabelOfKind(4), Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_EQ(Popup.ChosenType, 4);
    Popup.Popup();
    EXPECT_TRUE(Popup.isVisible());
    EXPECT_EQ(Popup.ChosenType, 0);
}

TEST_F(SelType, OnlyTheLabelUnderTheMouseIsBlue)
{
    for (int kind : {1, 3}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 5), QPointF(20, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(LabelOfKind(kind), &move);
    }
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_EQ(LabelOfKind(kind)->FontColor(), kind == 3 ? QColor(0, 0, 255) : QColor(Qt::black)) << kind;
}

TEST_F(SelType, IsAShapedToolWindowOnTop)
{
    EXPECT_TRUE(Popup.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(Popup.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(Popup.mask().isEmpty());
    EXPECT_FALSE(Popup.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(Popup.mask().contains(QPoint(90, 80)));
}

class SelNoteBook : public ::testing::Test {
protected:
    SelNoteBook()
    {
        QImage picture = Filled(270, 190, QColor(0xFF, 0x00, 0xFF));
        for (int y = 10; y < 180; ++y)
            for (int x = 10; x < 260; ++x)
                picture.setPixelColor(x, y, QColor(220, 240, 220));
        WritePicture(Folder.Pic() / "img" / "popup.bmp", picture);
        for (int n = 1; n <= 4; ++n)
            for (const char* state : {"nor", "on", "down"})
                WritePicture(Folder.Pic() / state / ("cusnote" + std::to_string(n) + ".gif"),
                             Filled(90, 40, state == std::string("down") ? Qt::darkGreen : Qt::green), "PNG");
        Popup = std::make_unique<Tfrm05_SelNoteBook>(&Opener);
        Popup->OnNoteBookChosen = [this](Tfrm05_SelNoteBook* chooser) { Chosen.push_back(chooser->ChosenNoteBook); };
        Popup->Popup();
    }

    TProgramFolder Folder;
    QWidget Opener;
    std::unique_ptr<Tfrm05_SelNoteBook> Popup;
    std::vector<int> Chosen;
};

TEST_F(SelNoteBook, TakesItsPicturesAndShape)
{
    EXPECT_EQ(Popup->size(), QSize(270, 190));
    EXPECT_FALSE(Popup->mask().contains(QPoint(2, 2)));
    EXPECT_TRUE(Popup->mask().contains(QPoint(20, 20)));
    EXPECT_EQ(Popup->btnNote3->pos(), QPoint(60, 130));
    EXPECT_EQ(Popup->btnNote3->size(), QSize(90, 40));
    EXPECT_EQ(Popup->btnNote3->Picture(TButtonState::Disabled), Popup->btnNote3->Picture(TButtonState::Pressed));
}

TEST_F(SelNoteBook, AButtonChoosesItsNotebook)
{
    QTest::mouseClick(Popup->btnNote3, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Popup->ChosenNoteBook, 3);
    EXPECT_EQ(Chosen, std::vector<int>{3});
    EXPECT_FALSE(Popup->isVisible());
}

TEST_F(SelNoteBook, BackgroundClickClosesWithoutAChoice)
{
    QTest::mouseClick(Popup.get(), Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_FALSE(Popup->isVisible());
    EXPECT_EQ(Popup->ChosenNoteBook, 0);
    EXPECT_TRUE(Chosen.empty());
}

TEST_F(SelNoteBook, DraggingThePictureMovesTheWindowWithoutClosingIt)
{
    const QPoint before = Popup->pos();
    QTest::mousePress(Popup.get(), Qt::LeftButton, {}, QPoint(30, 20));
    QTest::mouseMove(Popup.get(), QPoint(60, 45));
    QTest::mouseRelease(Popup.get(), Qt::LeftButton, {}, QPoint(60, 45));
    EXPECT_TRUE(Popup->isVisible());
    EXPECT_NE(Popup->pos(), before);
}

}  // namespace
