#include "screens/u05_SelNoteBook.h"

#include "screens/u00_Main.h"
#include "screens/u09_Object.h"
#include "widgets/ImageButton.h"

Tfrm05_SelNoteBook::Tfrm05_SelNoteBook(QWidget* parent) : TShapedPopup(parent)
{
    setObjectName("frm05_SelNoteBook");
    const struct {
        TImageButton* Tfrm05_SelNoteBook::*Button;
        QPoint Position;
    } buttons[] = {
        {&Tfrm05_SelNoteBook::btnNote1, {60, 75}},
        {&Tfrm05_SelNoteBook::btnNote2, {164, 75}},
        {&Tfrm05_SelNoteBook::btnNote3, {60, 130}},
        {&Tfrm05_SelNoteBook::btnNote4, {164, 130}},
    };
    int tag = 1;
    for (const auto& spec : buttons) {
        auto* button = new TImageButton(this);
        button->move(spec.Position);
        button->SetTag(tag++);
        connect(button, &QAbstractButton::clicked, this, [this, button] { btnNote1Click(button); });
        this->*spec.Button = button;
    }
    connect(this, &TShapedPopup::BackgroundClicked, this, &Tfrm05_SelNoteBook::OleAllClick);
    FormCreate();
}

void Tfrm05_SelNoteBook::FormCreate()
{
    SetShapePicture(frm09_Object->LoadPicture("img", "popup", ".bmp"));
    for (TImageButton* button : {btnNote1, btnNote2, btnNote3, btnNote4}) {
        const QString name = QString("cusnote%1").arg(button->Tag());
        frm09_Object->LoadButtonImages(name, button, true, true, true, false, ".gif");
        button->SetPicture(TButtonState::Disabled, button->Picture(TButtonState::Pressed));
    }
}

void Tfrm05_SelNoteBook::Popup()
{
    ChosenNoteBook = 0;
    CentreOver(frm00_Main);
    show();
    raise();
    activateWindow();
}

void Tfrm05_SelNoteBook::btnNote1Click(TImageButton* button)
{
    ChosenNoteBook = button->Tag();
    hide();
    if (OnNoteBookChosen)
        OnNoteBookChosen(this);
}

void Tfrm05_SelNoteBook::OleAllClick()
{
    hide();
}
