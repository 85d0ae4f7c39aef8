// Renders the shell's windows with the sample content into the screenshot folder, for people
// to look at.
#include <QPainter>
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "screens/u00_Main.h"
#include "screens/u05_SelNoteBook.h"
#include "screens/u05_SelType.h"

using namespace guitest;

namespace {

const fs::path cAppDir = VELLORA_APP_DIR;
const QString cShotDir = VELLORA_SCREENSHOT_DIR;

void Save(const QImage& shot, const QString& name)
{
    QDir().mkpath(cShotDir);
    ASSERT_TRUE(shot.save(cShotDir + "/" + name)) << name.toStdString();
}

// The popup as the learner sees it: shaped, centred over the window beneath it.
QImage Over(const QImage& beneath, QWidget& popup)
{
    QImage shot = beneath;
    QPainter painter(&shot);
    const QPoint at((shot.width() - popup.width()) / 2, (shot.height() - popup.height()) / 2);
    painter.setClipRegion(popup.mask().translated(at));
    painter.drawImage(at, popup.grab().toImage());
    return shot;
}

class Screenshots : public ::testing::Test {
protected:
    Screenshots()
    {
        Main.InitMainWindow();
        Main.show();
    }

    QImage MainShot() { return Main.grab().toImage(); }

    TProgramFolder Folder{cAppDir / "data", cAppDir / "Pic"};
    Tfrm00_Main Main;
};

TEST_F(Screenshots, MainWindow)
{
    const QImage shot = MainShot();
    EXPECT_EQ(shot.size(), QSize(800, 600));
    Save(shot, "main.png");
}

TEST_F(Screenshots, AskAndInform)
{
    Folder.SkinService->PrepareAsk("请选择", "确实要清除历史记录吗？");
    Save(Folder.SkinService->Dialog()->grab().toImage(), "ask.png");
    Folder.SkinService->PrepareInform("提示", "历史记录清除完毕！");
    Save(Folder.SkinService->Dialog()->grab().toImage(), "inform.png");
}

TEST_F(Screenshots, Popups)
{
    Tfrm05_SelType selType(&Main);
    selType.Popup();
    Save(Over(MainShot(), selType), "seltype.png");

    Tfrm05_SelNoteBook selNoteBook(&Main);
    selNoteBook.Popup();
    Save(Over(MainShot(), selNoteBook), "selnotebook.png");
}

}  // namespace
