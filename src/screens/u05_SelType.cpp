#include "screens/u05_SelType.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/SkinFont.h"

namespace {

constexpr QSize cPopupSize(180, 172);
const QColor cHoverColor(0, 0, 255);

// The chooser's own picture when the skin has none: a rounded card on the transparent colour.
QImage PaintOleAllPicture()
{
    QImage picture(cPopupSize, QImage::Format_RGB32);
    picture.fill(QColor(0xFF, 0x00, 0xFF));
    QPainter painter(&picture);
    QPainterPath card;
    card.addRoundedRect(QRectF(0.5, 0.5, cPopupSize.width() - 1, cPopupSize.height() - 1), 10, 10);
    QLinearGradient fill(0, 0, 0, cPopupSize.height());
    fill.setColorAt(0, QColor(0xF4, 0xFB, 0xF1));
    fill.setColorAt(1, QColor(0xDD, 0xF7, 0xDC));
    painter.fillPath(card, fill);
    painter.setPen(QPen(QColor(0x3D, 0x66, 0x2D), 1));
    painter.drawPath(card);
    painter.setPen(QColor(0x00, 0x52, 0x0A));
    painter.setFont(SkinFont("宋体", 14, true));
    painter.drawText(QRect(0, 8, cPopupSize.width(), 22), Qt::AlignCenter, "选择考试类型");
    painter.setPen(QColor(0xB9, 0xDD, 0xB5));
    painter.drawLine(20, 32, cPopupSize.width() - 20, 32);
    return picture;
}

}

Tfrm05_SelType::Tfrm05_SelType(QWidget* parent) : TShapedPopup(parent)
{
    setObjectName("frm05_SelType");
    setFocusPolicy(Qt::StrongFocus);
    const QImage skinned = frm09_Object->LoadPicture("img", "seltype", ".bmp");
    SetShapePicture(skinned.isNull() ? PaintOleAllPicture() : skinned);

    const struct {
        TAALabel* Tfrm05_SelType::*Label;
        int Top;
        const char* Caption;
        int Tag;
    } labels[] = {
        {&Tfrm05_SelType::AALabel2, 38, "看英文选中文", 1},
        {&Tfrm05_SelType::AALabel1, 58, "看中文选英文", 2},
        {&Tfrm05_SelType::AALabel3, 80, "听音选中文", 3},
        {&Tfrm05_SelType::AALabel4, 102, "单词拼写", 4},
        {&Tfrm05_SelType::AALabel5, 124, "填写句子", 5},
    };
    for (const auto& spec : labels) {
        auto* label = new TAALabel(spec.Caption, this);
        label->setGeometry(40, spec.Top, 100, 20);
        label->setFont(SkinFont("宋体", 15));
        label->SetAlignment(Qt::AlignHCenter);
        label->SetTag(spec.Tag);
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &TAALabel::Clicked, this, [this, label] { btnType1Click(label); });
        connect(label, &TAALabel::MouseMoved, this, [this, label] { AALabel1MouseMove(label); });
        this->*spec.Label = label;
    }
    connect(this, &TShapedPopup::BackgroundClicked, this, &Tfrm05_SelType::OleAllClick);
}

void Tfrm05_SelType::Popup()
{
    ChosenType = 0;
    show();
    raise();
    activateWindow();
    setFocus();
}

void Tfrm05_SelType::btnType1Click(TAALabel* label)
{
    ChosenType = label->Tag();
    hide();
    if (OnTypeChosen)
        OnTypeChosen(this);
}

void Tfrm05_SelType::AALabel1MouseMove(TAALabel* label)
{
    for (TAALabel* each : findChildren<TAALabel*>())
        each->SetFontColor(each == label ? cHoverColor : QColor(Qt::black));
}

void Tfrm05_SelType::OleAllClick()
{
    hide();
}

void Tfrm05_SelType::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    TShapedPopup::keyPressEvent(event);
}
