#pragma once
// The notebook chooser: a shaped popup with the four custom notebooks.
#include <functional>

#include "widgets/ShapedPopup.h"

class TImageButton;

class Tfrm05_SelNoteBook : public TShapedPopup
{
    Q_OBJECT
public:
    explicit Tfrm05_SelNoteBook(QWidget* parent = nullptr);

    // Shows the chooser centred over the main window without waiting; ChosenNoteBook is 0
    // until a notebook is chosen.
    void Popup();

    void FormCreate();
    void btnNote1Click(TImageButton* button);
    void OleAllClick();

    // 0 = nothing chosen, 1 to 4 = the chosen notebook button.
    int ChosenNoteBook = 0;
    // Called after a choice, once the chooser has closed.
    std::function<void(Tfrm05_SelNoteBook*)> OnNoteBookChosen;

    TImageButton* btnNote1;
    TImageButton* btnNote2;
    TImageButton* btnNote3;
    TImageButton* btnNote4;
};
