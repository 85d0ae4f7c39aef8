#pragma once
// Makes picture controls reachable without a mouse: Tab gives them the focus, a dotted
// ring shows where it is, and Space or Enter acts as a click.
class QWidget;

void MakeKeyboardReachable(QWidget* control);
