#pragma once
// The test kind chooser: a small shaped popup listing the five kinds of test.
#include <array>
#include <functional>

#include "widgets/ShapedPopup.h"

class TAALabel;

class Tfrm05_SelType : public TShapedPopup
{
    Q_OBJECT
public:
    explicit Tfrm05_SelType(QWidget* parent = nullptr);

    // Shows the chooser without waiting; ChosenType is 0 until a kind is chosen.
    void Popup();

    void btnType1Click(TAALabel* label);
    void AALabel1MouseMove(TAALabel* label);
    void OleAllClick();

    // 0 = nothing chosen, 1 to 5 = the chosen test kind.
    int ChosenType = 0;
    // Called after a choice, once the chooser has closed.
    std::function<void(Tfrm05_SelType*)> OnTypeChosen;

    TAALabel* AALabel1;
    TAALabel* AALabel2;
    TAALabel* AALabel3;
    TAALabel* AALabel4;
    TAALabel* AALabel5;

protected:
    // FormKeyPress: Esc closes without a choice.
    void keyPressEvent(QKeyEvent* event) override;
};
