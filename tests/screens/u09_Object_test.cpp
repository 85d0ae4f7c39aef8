#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"

using namespace guitest;

namespace {

class DialogService : public ::testing::Test {
protected:
    TProgramFolder Folder;
    Tfrm09_Object& Service = *Folder.SkinService;
};

TEST_F(DialogService, AskIsTrueOnlyForOk)
{
    const struct {
        int Answer;
        bool Expected;
    } cases[] = {{1, true}, {2, false}, {0, false}};
    for (const auto& c : cases) {
        Tfrm09_Object::QueueAnswer(c.Answer);
        EXPECT_EQ(Service.Ask("请选择", "确实要退出本软件吗？"), c.Expected) << "answer " << c.Answer;
    }
}

TEST_F(DialogService, EveryBoxSetsItsOwnCaptionTextIconAndButtons)
{
    Tfrm09_Object::QueueAnswer(2);
    Tfrm09_Object::QueueAnswer(1);
    Service.Ask("请选择", "确实要清除历史记录吗？");
    Service.Inform("提示", "历史记录清除完毕！");

    const auto boxes = Tfrm09_Object::AnsweredBoxes();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].Caption, "请选择");
    EXPECT_EQ(boxes[0].Text, "确实要清除历史记录吗？");
    EXPECT_EQ(boxes[0].Icon, TMsgIcon::Question);
    EXPECT_EQ(boxes[0].ButtonCount, 2);
    EXPECT_EQ(boxes[1].Caption, "提示");
    EXPECT_EQ(boxes[1].Text, "历史记录清除完毕！");
    EXPECT_EQ(boxes[1].Icon, TMsgIcon::Information);
    EXPECT_EQ(boxes[1].ButtonCount, 1);
    EXPECT_EQ(Service.Dialog()->Button(1)->text(), "确定");
}

TEST_F(DialogService, TheRealBoxAnswersKeysAndButtons)
{
    const struct {
        const char* Name;
        std::function<void(QWidget*)> Action;
        bool Expected;
    } cases[] = {
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, true},
        {"Esc", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, false},
        {"click 确定", [this](QWidget*) { QTest::mouseClick(Service.Dialog()->Button(1), Qt::LeftButton); }, true},
        {"click 取消", [this](QWidget*) { QTest::mouseClick(Service.Dialog()->Button(2), Qt::LeftButton); }, false},
        {"closed", [](QWidget* box) { box->close(); }, false},
    };
    for (const auto& c : cases) {
        WhenModalOpens(c.Action);
        EXPECT_EQ(Service.Ask("请选择", "问题"), c.Expected) << c.Name;
    }
}

TEST_F(DialogService, ButtonsAreLaidOutFromTheRightWithOkFocused)
{
    bool checked = false;
    WhenModalOpens([&](QWidget* box) {
        QPushButton* ok = Service.Dialog()->Button(1);
        QPushButton* cancel = Service.Dialog()->Button(2);
        EXPECT_EQ(ok->text(), "确定");
        EXPECT_EQ(cancel->text(), "取消");
        EXPECT_LT(ok->x(), cancel->x());
        EXPECT_GT(cancel->geometry().right(), box->width() - 40);
        EXPECT_EQ(box->focusWidget(), ok);
        checked = true;
        box->close();
    });
    Service.Ask("请选择", "问题");
    EXPECT_TRUE(checked);
}

TEST_F(DialogService, InformAfterAskShowsOneButton)
{
    bool checked = false;
    Tfrm09_Object::QueueAnswer(1);
    Service.Ask("请选择", "问题");
    WhenModalOpens([&](QWidget* box) {
        EXPECT_TRUE(Service.Dialog()->Button(1)->isVisible());
        EXPECT_FALSE(Service.Dialog()->Button(2)->isVisible());
        checked = true;
        QTest::keyClick(box, Qt::Key_Escape);
    });
    Service.Inform("提示", "通知");
    EXPECT_TRUE(checked);
}

TEST_F(DialogService, ConfirmExitSetsTheFlagOnlyOnOk)
{
    Tfrm09_Object::QueueAnswer(2);
    Service.ConfirmExit();
    EXPECT_FALSE(gExitConfirmed);

    Tfrm09_Object::QueueAnswer(1);
    Service.ConfirmExit();
    EXPECT_TRUE(gExitConfirmed);
    EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().back().Text, "确实要退出本软件吗？");
}

TEST_F(DialogService, CoreNoticesAreShownAsInform)
{
    Tfrm09_Object::QueueAnswer(1);
    SendNotice("提示", "已加入\n\r笔记本");
    ASSERT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1);
    EXPECT_EQ(Tfrm09_Object::AnsweredBoxes()[0].Text, "已加入\n\r笔记本");
    EXPECT_EQ(Tfrm09_Object::AnsweredBoxes()[0].ButtonCount, 1);
}

TEST_F(DialogService, HomePageGoesToTheBrowser)
{
    Service.OpenHomePage();
    ASSERT_EQ(Folder.Launcher.Addresses.size(), 1u);
    EXPECT_EQ(Folder.Launcher.Addresses[0], cHomePageAddress);
}

TEST(DialogServiceThemes, ThemeFilesAreReadWhenPresent)
{
    {
        TProgramFolder folder;
        EXPECT_TRUE(folder.SkinService->ctlThemeMsg.FileName.isEmpty());
        EXPECT_FALSE(folder.SkinService->ctlThemeMsg.StyleSheet.isEmpty());
    }
    testbook::TTempFolder themed;
    fs::create_directories(themed.Path / "Themes");
    testbook::WriteFile(themed.Path / "Themes" / "msgtheme.sui", "#ctlDlg { background: #123456; }");
    SetLauncher(nullptr);
    InitEnvironment(themed.Folder());
    Tfrm09_Object service;
    EXPECT_EQ(service.ctlThemeMsg.StyleSheet, "#ctlDlg { background: #123456; }");
    EXPECT_EQ(service.Dialog()->styleSheet(), service.ctlThemeMsg.StyleSheet);
    EXPECT_TRUE(service.ctlThemeTestCenter.FileName.isEmpty());
}

class Pictures : public DialogService {};

TEST_F(Pictures, LookUpFoldsLetterCase)
{
    WritePicture(Folder.Pic() / "nor" / "btnhome1.bmp", Filled(10, 8, Qt::red));
    WritePicture(Folder.Pic() / "Down" / "btnhome1.bmp", Filled(10, 8, Qt::blue));
    WritePicture(Folder.Pic() / "img" / "首页.jpg", Filled(20, 10, Qt::green));

    EXPECT_EQ(Service.LoadPicture("nor", "btnHome1", ".bmp").size(), QSize(10, 8));
    EXPECT_EQ(Service.LoadPicture("down", "btnHome1", ".BMP").pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(Service.LoadPicture("img", "首页", ".jpg").size(), QSize(20, 10));
}

TEST_F(Pictures, MissingOrBrokenPictureIsEmpty)
{
    testbook::WriteFile(Folder.Pic() / "img" / "broken.bmp", "not a picture");
    EXPECT_TRUE(Service.LoadPicture("img", "nothere", ".bmp").isNull());
    EXPECT_EQ(Service.LoadPicture("img", "nothere", ".bmp").size(), QSize(0, 0));
    EXPECT_TRUE(Service.LoadPicture("img", "broken", ".bmp").isNull());
    EXPECT_TRUE(Service.LoadPicture("nofolder", "x", ".bmp").isNull());
}

TEST_F(Pictures, AlphaInTheFileIsIgnored)
{
    WritePicture(Folder.Pic() / "img" / "half.png", Filled(4, 4, QColor(0, 0, 255, 100), QImage::Format_ARGB32));
    const QImage picture = Service.LoadPicture("img", "half", ".png");
    EXPECT_FALSE(picture.hasAlphaChannel());
    EXPECT_EQ(qAlpha(picture.pixel(1, 1)), 255);
}

TEST_F(Pictures, ButtonImagesLoadOnlyTheStatesAskedFor)
{
    for (const char* state : {"nor", "on", "down", "dis"})
        WritePicture(Folder.Pic() / state / "btnx.bmp", Filled(30, 20, Qt::gray));
    TImageButton button;
    const QImage keep = Filled(5, 5, Qt::yellow);
    button.SetPicture(TButtonState::Disabled, keep);

    Service.LoadButtonImages("btnX", &button, true, true, true, false, ".bmp");

    EXPECT_EQ(button.Picture(TButtonState::Normal).size(), QSize(30, 20));
    EXPECT_EQ(button.Picture(TButtonState::MouseOver).size(), QSize(30, 20));
    EXPECT_EQ(button.Picture(TButtonState::Pressed).size(), QSize(30, 20));
    EXPECT_EQ(button.Picture(TButtonState::Disabled), keep);
    EXPECT_EQ(button.size(), QSize(30, 20));
}

TEST_F(Pictures, CropTakesTheRectangleOneToOne)
{
    QImage source = Filled(40, 30, Qt::white);
    source.setPixelColor(12, 7, Qt::red);
    const QImage crop = Tfrm09_Object::CropPicture(source, 10, 5, 8, 6);
    EXPECT_EQ(crop.size(), QSize(8, 6));
    EXPECT_EQ(crop.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(crop.pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(Pictures, LabelsAndPanelsGetTheBackgroundUnderThem)
{
    TImagePanel panel;
    QImage background = Filled(100, 80, Qt::white);
    background.setPixelColor(30, 20, Qt::red);
    panel.SetAutoSize(true);
    panel.SetPicture(background);
    TAALabel label("字", &panel);
    label.setGeometry(30, 20, 10, 5);
    TImagePanel child(&panel);
    child.setGeometry(29, 19, 4, 4);

    Service.SetLabelBackground(&panel, &label);
    Service.SetPanelBackground(&panel, &child);

    EXPECT_EQ(label.BackgroundPicture().size(), QSize(10, 5));
    EXPECT_EQ(label.BackgroundPicture().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(child.Picture().pixelColor(1, 1), QColor(Qt::red));

    panel.SetPicture({});
    Service.SetLabelBackground(&panel, &label);
    EXPECT_TRUE(label.BackgroundPicture().isNull());
}

class Composer : public DialogService {
protected:
    QString Pic(const std::string& name) const { return QString::fromStdString((Folder.Pic() / name).string()); }
};

TEST_F(Composer, BlendsThePngOverTheBackgroundAndWritesABmp)
{
    QImage background(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            background.setPixel(x, y, qRgb(x % 256, y % 256, 90));
    QImage png(36, 36, QImage::Format_ARGB32);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x)
            png.setPixel(x, y, qRgba(250, 10, 10, x * 7));
    WritePicture(Folder.Pic() / "img" / "bg.bmp", background);
    WritePicture(Folder.Pic() / "png" / "helpNor.png", png);

    Service.ComposeButtonBitmap(Pic("png/helpNor.png"), Pic("img/bg.bmp"), Pic("nor/btnhelp1.bmp"), 720, 549);

    const QImage out(Pic("nor/btnhelp1.bmp"), "BMP");
    ASSERT_EQ(out.size(), QSize(36, 36));
    for (const QPoint at : {QPoint(0, 0), QPoint(17, 9), QPoint(35, 35)}) {
        const QRgb under = background.pixel(720 + at.x(), 549 + at.y());
        const QRgb over = png.pixel(at);
        const double a = qAlpha(over) / 255.0;
        const auto blend = [a](int src, int dst) { return src * a + dst * (1 - a); };
        const QColor got = out.pixelColor(at);
        EXPECT_NEAR(got.red(), blend(qRed(over), qRed(under)), 1.5) << at.x() << "," << at.y();
        EXPECT_NEAR(got.green(), blend(qGreen(over), qGreen(under)), 1.5);
        EXPECT_NEAR(got.blue(), blend(qBlue(over), qBlue(under)), 1.5);
    }
}

TEST_F(Composer, WritesIntoTheExistingFolderOfAnotherCase)
{
    WritePicture(Folder.Pic() / "img" / "bg.bmp", Filled(100, 100, Qt::white));
    WritePicture(Folder.Pic() / "png" / "exitdown.png", Filled(10, 10, Qt::black, QImage::Format_ARGB32));
    fs::create_directories(Folder.Pic() / "down");

    Service.ComposeButtonBitmap(Pic("png/exitDown.png"), Pic("img/bg.bmp"), Pic("Down/btnexit1.bmp"), 5, 5);

    EXPECT_TRUE(fs::exists(Folder.Pic() / "down" / "btnexit1.bmp"));
    EXPECT_FALSE(fs::exists(Folder.Pic() / "Down"));
    EXPECT_EQ(Service.LoadPicture("Down", "btnExit1", ".bmp").size(), QSize(10, 10));
}

TEST_F(Composer, CreatesMissingFoldersAndWritesNothingWithoutASource)
{
    WritePicture(Folder.Pic() / "img" / "bg.bmp", Filled(100, 100, Qt::white));
    WritePicture(Folder.Pic() / "png" / "a.png", Filled(10, 10, Qt::black, QImage::Format_ARGB32));

    Service.ComposeButtonBitmap(Pic("png/missing.png"), Pic("img/bg.bmp"), Pic("x/one.bmp"), 0, 0);
    Service.ComposeButtonBitmap(Pic("png/a.png"), Pic("img/missing.jpg"), Pic("x/two.bmp"), 0, 0);
    EXPECT_FALSE(fs::exists(Folder.Pic() / "x"));

    Service.ComposeButtonBitmap(Pic("png/a.png"), Pic("img/bg.bmp"), Pic("Dis/deep/three.bmp"), 0, 0);
    EXPECT_TRUE(fs::exists(Folder.Pic() / "Dis" / "deep" / "three.bmp"));
}

}  // namespace
