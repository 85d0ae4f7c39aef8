#pragma once
// Skinned check box and radio button: they take their look from a theme and may fill their
// rectangle with a back colour. Radio buttons exclude each other by group number among the
// buttons of one parent, so that two groups may share a panel.
#include <QCheckBox>
#include <QColor>
#include <QRadioButton>

#include "widgets/SkinTheme.h"
#include "widgets/Tagged.h"

class TSkinCheckBox : public QCheckBox, public TTagged
{
    Q_OBJECT
public:
    explicit TSkinCheckBox(QWidget* parent = nullptr);
    TSkinCheckBox(const QString& caption, QWidget* parent);

    void SetTheme(const TSkinTheme& theme);
    void SetBackColor(const QColor& color);
    void SetHint(const QString& hint) { setToolTip(hint); }
};

class TSkinRadioButton : public QRadioButton, public TTagged
{
    Q_OBJECT
public:
    explicit TSkinRadioButton(QWidget* parent = nullptr);
    TSkinRadioButton(const QString& caption, QWidget* parent);

    void SetTheme(const TSkinTheme& theme);
    void SetBackColor(const QColor& color);
    void SetHint(const QString& hint) { setToolTip(hint); }

    void SetGroupIndex(int groupIndex) { FGroupIndex = groupIndex; }
    int GroupIndex() const { return FGroupIndex; }

protected:
    // A click never unchecks a radio button; only another of its group does.
    void nextCheckState() override;
    // A caption wider than the button ends in "…" instead of being cut; its hint shows it whole.
    void paintEvent(QPaintEvent* event) override;

private:
    void UncheckGroupSiblings();

    int FGroupIndex = 0;
};
