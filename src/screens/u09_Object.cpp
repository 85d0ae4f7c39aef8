#include "screens/u09_Object.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QQueue>
#include <QSaveFile>
#include <QScreen>

#include "app/u09_BasePase.h"
#include "platform/Launcher.h"
#include "screens/PictureCache.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"

Tfrm09_Object* frm09_Object = nullptr;

namespace {

constexpr int cResultOk = 1;
constexpr int cResultCancel = 2;

QQueue<int>& AnswerQueue()
{
    static QQueue<int> queue;
    return queue;
}

QList<Tfrm09_Object::TAnsweredBox>& AnsweredLog()
{
    static QList<Tfrm09_Object::TAnsweredBox> log;
    return log;
}

// A full path with every part matched on disk without regard to letter case.
QString FoldedPath(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return QString::fromStdString(ResolveCaseFolded("/", absolute.mid(1).toStdString()));
}

QImage ReadPicture(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read();
}

// Reads a theme file (a style sheet); nothing when there is none.
std::optional<TSkinTheme> ReadTheme(const QString& name)
{
    const QString path = QString::fromStdString(ResolveCaseFolded(gAppPath, "themes/" + name.toStdString()));
    QFile file(path);
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return TSkinTheme{QString::fromUtf8(file.readAll()), path};
}

}

Tfrm09_Object::Tfrm09_Object(QWidget* parent) : QWidget(parent)
{
    setObjectName("frm09_Object");
    suiFileTheme1 = DefaultControlTheme();
    LoadThemes();
    frm09_Object = this;
    SetNoticeSink(&FNoticeAdapter);
}

Tfrm09_Object::~Tfrm09_Object()
{
    if (GetNoticeSink() == &FNoticeAdapter)
        SetNoticeSink(nullptr);
    if (frm09_Object == this)
        frm09_Object = nullptr;
    delete ctlDlg;
}

void Tfrm09_Object::LoadThemes()
{
    ctlThemeMsg = ReadTheme("MsgTheme.sui").value_or(DefaultMessageBoxTheme());
    ctlThemeTestCenter = ReadTheme("TestCenter.sui").value_or(DefaultControlTheme());
}

TSkinMessageBox* Tfrm09_Object::Dialog()
{
    // Made at the first box: a start that asks nothing does not pay for it.
    if (!ctlDlg) {
        ctlDlg = new TSkinMessageBox;
        ctlDlg->SetTheme(ctlThemeMsg);
    }
    return ctlDlg;
}

void Tfrm09_Object::PrepareAsk(const QString& title, const QString& text)
{
    Dialog()->SetButton(2, "取消", cResultCancel);
    PrepareBox(title, text, 2, TMsgIcon::Question);
}

void Tfrm09_Object::PrepareInform(const QString& title, const QString& text)
{
    PrepareBox(title, text, 1, TMsgIcon::Information);
}

void Tfrm09_Object::PrepareBox(const QString& title, const QString& text, int buttonCount, TMsgIcon icon)
{
    TSkinMessageBox* dialog = Dialog();
    dialog->SetButton(1, "确定", cResultOk);
    dialog->SetCaption(title);
    dialog->SetButtonCount(buttonCount);
    dialog->SetText(text);
    dialog->SetIcon(icon);
    dialog->PrepareLayout();
}

int Tfrm09_Object::ShowBox()
{
    if (!AnswerQueue().isEmpty()) {
        const int result = AnswerQueue().dequeue();
        const TSkinMessageBox* dialog = Dialog();
        AnsweredLog().append({dialog->Caption(), dialog->Text(), dialog->Icon(), dialog->ButtonCount(), result});
        return result;
    }
    return Dialog()->exec();
}

bool Tfrm09_Object::Ask(const QString& title, const QString& text)
{
    PrepareAsk(title, text);
    return ShowBox() == cResultOk;
}

void Tfrm09_Object::Inform(const QString& title, const QString& text)
{
    PrepareInform(title, text);
    ShowBox();
}

void Tfrm09_Object::ConfirmExit()
{
    if (!Ask("请选择", "确实要退出本软件吗？"))
        return;
    gExitConfirmed = true;
    QApplication::closeAllWindows();
    QApplication::quit();
}

void Tfrm09_Object::OpenHomePage()
{
    if (ILauncher* launcher = GetLauncher())
        launcher->OpenWebAddress(cHomePageAddress);
}

QImage Tfrm09_Object::LoadPicture(const QString& folder, const QString& name, const QString& ext)
{
    const std::string path = ResolveInside(gPicPath, (folder + "/" + name + ext).toStdString());
    const auto decode = [&path] {
        const QImage picture = ReadPicture(QString::fromStdString(path));
        // An alpha channel in the file is ignored: the picture is opaque.
        return picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    };
    TPictureCache* cache = GetPictureCache();
    return cache ? cache->Load(path, decode) : decode();
}

void Tfrm09_Object::LoadButtonImages(const QString& name, TImageButton* button, bool withNormal,
                                     bool withMouseOver, bool withPressed, bool withDisabled,
                                     const QString& ext)
{
    const struct {
        bool Wanted;
        const char* Folder;
        TButtonState State;
    } states[] = {
        {withNormal, "nor", TButtonState::Normal},
        {withMouseOver, "on", TButtonState::MouseOver},
        {withPressed, "down", TButtonState::Pressed},
        {withDisabled, "dis", TButtonState::Disabled},
    };
    for (const auto& state : states)
        if (state.Wanted)
            button->SetPicture(state.State, LoadPicture(state.Folder, name, ext));
    button->SetAutoSize(true);
}

QImage Tfrm09_Object::CropPicture(const QImage& source, int left, int top, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage crop(width, height, QImage::Format_RGB32);
    crop.fill(Qt::white);
    QPainter painter(&crop);
    painter.drawImage(QPoint(0, 0), source, QRect(left, top, width, height));
    return crop;
}

QImage Tfrm09_Object::PictureUnder(const TImagePanel* panel, const QWidget* child)
{
    const QImage background = panel->Picture();
    if (background.isNull())
        return {};
    const QPoint at = child->mapTo(panel, QPoint(0, 0));
    return CropPicture(background, at.x(), at.y(), child->width(), child->height());
}

void Tfrm09_Object::SetLabelBackground(TImagePanel* panel, TAALabel* label)
{
    if (panel->isAncestorOf(label))
        label->SetBackgroundPicture(PictureUnder(panel, label));
}

void Tfrm09_Object::SetPanelBackground(TImagePanel* panel, TImagePanel* childPanel)
{
    if (panel->isAncestorOf(childPanel))
        childPanel->SetPicture(PictureUnder(panel, childPanel));
}

void Tfrm09_Object::ComposeButtonBitmap(const QString& pngFile, const QString& backgroundFile,
                                        const QString& outFile, int left, int top)
{
    const QImage png = ReadPicture(FoldedPath(pngFile));
    const QImage background = ReadPicture(FoldedPath(backgroundFile));
    if (png.isNull() || background.isNull())
        return;
    QImage merged = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&merged);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(left, top, png);
    }
    const QImage button = CropPicture(merged, left, top, png.width(), png.height());

    const QString target = FoldedPath(outFile);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || !button.save(&file, "BMP"))
        return;
    file.commit();
}

void Tfrm09_Object::TNoticeAdapter::Inform(const std::string& title, const std::string& text)
{
    FOwner.Inform(QString::fromStdString(title), QString::fromStdString(text));
}

void Tfrm09_Object::QueueAnswer(int result)
{
    AnswerQueue().enqueue(result);
}

QList<Tfrm09_Object::TAnsweredBox> Tfrm09_Object::AnsweredBoxes()
{
    return AnsweredLog();
}

void Tfrm09_Object::ClearAnswers()
{
    AnswerQueue().clear();
    AnsweredLog().clear();
}

void MinimizeApplication()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->isWindow())
            window->showMinimized();
}

void OpenHelpPage(const QString& page)
{
    if (ILauncher* launcher = GetLauncher())
        launcher->OpenHelpPage(page.toStdString());
}

void PrepareScreenWindow(QWidget* window)
{
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Hints show on mouse-over also while another window of the program has the focus.
    window->setAttribute(Qt::WA_AlwaysShowToolTips);
    window->setFixedSize(cScreenWidth, cScreenHeight);
    window->setWindowTitle(QString::fromUtf8(cAppTitle));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}
