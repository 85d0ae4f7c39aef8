#pragma once
// The review of the tests answered in English (kinds 2, 4 and 5).
#include "results/u05_ResultBase.h"

class Tfrm03_ResultEnglish : public Tfrm05_ResultBase
{
    Q_OBJECT
public:
    explicit Tfrm03_ResultEnglish(QWidget* owner = nullptr);
    ~Tfrm03_ResultEnglish() override;

protected:
    void SetupColumns() override;
};

// The shared window of kinds 2 and 4; the sentence test makes its own.
extern Tfrm03_ResultEnglish* frm03_ResultEnglish;
// The shared window, made the first time a result is shown; the main window owns it.
Tfrm03_ResultEnglish* ResultEnglishWindow();
