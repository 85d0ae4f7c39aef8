#pragma once
// The review of the tests answered in Chinese (kinds 1 and 3).
#include "results/u05_ResultBase.h"

class Tfrm03_ResultChinese : public Tfrm05_ResultBase
{
    Q_OBJECT
public:
    explicit Tfrm03_ResultChinese(QWidget* owner = nullptr);
    ~Tfrm03_ResultChinese() override;

protected:
    void SetupColumns() override;
};

// The shared window.
extern Tfrm03_ResultChinese* frm03_ResultChinese;
// The shared window, made the first time a result is shown; the main window owns it.
Tfrm03_ResultChinese* ResultChineseWindow();
