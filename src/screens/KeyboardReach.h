#pragma once
// Makes picture controls reachable without a mouse: Tab gives them the focus, a dotted
// ring shows where it is, and Space or Enter acts as a click.
#include <QPoint>
#include <QString>

class QWidget;
class TImageButton;

void MakeKeyboardReachable(QWidget* control);

// A placed, hinted picture button that the keyboard reaches too.
TImageButton* NewReachableButton(QWidget* parent, QPoint at, const QString& hint = {});
