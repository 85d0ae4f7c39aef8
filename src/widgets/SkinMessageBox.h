#pragma once
// The skinned message box: its own title bar, an icon, the message, and up to two buttons
// laid out from the right. The first button is the default (Enter) and has the focus; the
// second is the cancel button (Esc). The box ends with the result of the button pressed,
// or 0 when it is closed any other way.
#include <QDialog>
#include <array>

#include "widgets/SkinTheme.h"

class QLabel;
class QPushButton;

enum class TMsgIcon { None, Warning, Stop, Information, Question };

class TSkinMessageBox : public QDialog
{
    Q_OBJECT
public:
    static constexpr int cMaxButtons = 2;

    explicit TSkinMessageBox(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    QString Caption() const;
    void SetText(const QString& text);
    QString Text() const;
    void SetIcon(TMsgIcon icon);
    TMsgIcon Icon() const { return FIcon; }
    void SetButtonCount(int count);
    int ButtonCount() const { return FButtonCount; }
    // Buttons are numbered from 1, left to right.
    void SetButton(int number, const QString& caption, int result);
    QPushButton* Button(int number) const;
    int ButtonResult(int number) const;

    void SetTheme(const TSkinTheme& theme);

    // Sizes the box to its contents and centres it on the screen.
    void PrepareLayout();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* FCaptionLabel;
    QLabel* FIconLabel;
    QLabel* FTextLabel;
    QString FText;
    std::array<QPushButton*, cMaxButtons> FButtons{};
    std::array<int, cMaxButtons> FResults{};
    TMsgIcon FIcon = TMsgIcon::None;
    int FButtonCount = 1;
    QPoint FDragOffset;
    bool FDragging = false;
};

// The built-in look of the message box, used when no theme file is present.
TSkinTheme DefaultMessageBoxTheme();
