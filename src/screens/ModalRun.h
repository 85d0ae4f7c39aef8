#pragma once
// Shows a window modally until it closes. Unlike a dialog's own loop, hiding the window
// (as a screen does while the window it opened runs) does not end the wait.
class QEventLoop;
class QWidget;

class TModalRun
{
public:
    // Returns when Quit is called, or at once when the program is ending.
    void Exec(QWidget* window);
    // Called from the window's close handler.
    void Quit();
    bool Running() const { return FLoop != nullptr; }

private:
    QEventLoop* FLoop = nullptr;
};
