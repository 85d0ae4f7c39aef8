#include "widgets/SkinCheck.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "widgets/SkinFont.h"

namespace {

void FillWithBackColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, color);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

}

TSkinCheckBox::TSkinCheckBox(QWidget* parent) : QCheckBox(parent)
{
    setFont(SkinFont("宋体", 12));
    setCursor(Qt::PointingHandCursor);
}

TSkinCheckBox::TSkinCheckBox(const QString& caption, QWidget* parent) : TSkinCheckBox(parent)
{
    setText(caption);
}

void TSkinCheckBox::SetTheme(const TSkinTheme& theme)
{
    setStyleSheet(theme.StyleSheet);
}

void TSkinCheckBox::SetBackColor(const QColor& color)
{
    FillWithBackColor(this, color);
}

TSkinRadioButton::TSkinRadioButton(QWidget* parent) : QRadioButton(parent)
{
    setFont(SkinFont("宋体", 12));
    setCursor(Qt::PointingHandCursor);
    // Qt would make every radio button of a parent one group.
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            UncheckGroupSiblings();
    });
}

TSkinRadioButton::TSkinRadioButton(const QString& caption, QWidget* parent) : TSkinRadioButton(parent)
{
    setText(caption);
}

void TSkinRadioButton::SetTheme(const TSkinTheme& theme)
{
    setStyleSheet(theme.StyleSheet);
}

void TSkinRadioButton::SetBackColor(const QColor& color)
{
    FillWithBackColor(this, color);
}

void TSkinRadioButton::nextCheckState()
{
    if (!isChecked())
        setChecked(true);
}

void TSkinRadioButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int room = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).width();
    option.text = fontMetrics().elidedText(option.text, Qt::ElideRight, room);
    painter.drawControl(QStyle::CE_RadioButton, option);
}

void TSkinRadioButton::UncheckGroupSiblings()
{
    if (!parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TSkinRadioButton*>(Qt::FindDirectChildrenOnly);
    for (TSkinRadioButton* sibling : siblings)
        if (sibling != this && sibling->GroupIndex() == FGroupIndex)
            sibling->setChecked(false);
}

TSkinTheme DefaultControlTheme()
{
    return {R"(
QCheckBox, QRadioButton { color: #1E2A1E; spacing: 5px; background: transparent; }
QCheckBox::indicator, QRadioButton::indicator { width: 13px; height: 13px; }
QCheckBox::indicator { border: 1px solid #3D662D; background: white; border-radius: 2px; }
QCheckBox::indicator:hover, QRadioButton::indicator:hover { border-color: #00520A; background: #F1FAEF; }
QCheckBox::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
    stop:0 #00520A, stop:0.55 #00520A, stop:0.6 white); }
QRadioButton::indicator { border: 1px solid #3D662D; background: white; border-radius: 7px; }
QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
    stop:0 #00520A, stop:0.45 #00520A, stop:0.5 white); }
QCheckBox:disabled, QRadioButton:disabled { color: #8A958A; }
QCheckBox::indicator:disabled, QRadioButton::indicator:disabled { border-color: #A8B5A8; background: #EEF0EE; }
QCheckBox::indicator:checked:disabled { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
    stop:0 #6F7F6F, stop:0.55 #6F7F6F, stop:0.6 #EEF0EE); }
QRadioButton::indicator:checked:disabled { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
    stop:0 #6F7F6F, stop:0.45 #6F7F6F, stop:0.5 #EEF0EE); }
)", QString()};
}
