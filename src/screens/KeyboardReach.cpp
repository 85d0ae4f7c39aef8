#include "screens/KeyboardReach.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"

namespace {

// Drawn around the focused control, above its siblings, never taking the mouse.
class TFocusRing : public QWidget
{
public:
    explicit TFocusRing(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void Surround(const QWidget* control)
    {
        const QPoint at = control->mapTo(parentWidget(), QPoint(0, 0));
        setGeometry(QRect(at, control->size()).adjusted(-2, -2, 2, 2));
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPen pen(QColor(0, 82, 10));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

class TKeyboardReach : public QObject
{
public:
    explicit TKeyboardReach(QWidget* control) : QObject(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* control = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
            Ring(control)->Surround(control);
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            if (FRing)
                FRing->hide();
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
            if (activates && control->isEnabled()) {
                Activate(control);
                return true;
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    TFocusRing* Ring(QWidget* control)
    {
        if (!FRing)
            FRing = new TFocusRing(control->window());
        return FRing;
    }

    static void Activate(QWidget* control)
    {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->click();
        else if (auto* panel = qobject_cast<TImagePanel*>(control))
            emit panel->Clicked();
        else if (auto* label = qobject_cast<TAALabel*>(control))
            emit label->Clicked();
    }

    QPointer<TFocusRing> FRing;
};

}  // namespace

void MakeKeyboardReachable(QWidget* control)
{
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new TKeyboardReach(control));
}

TImageButton* NewReachableButton(QWidget* parent, QPoint at, const QString& hint)
{
    TImageButton* button = TImageButton::Place(parent, at, hint);
    MakeKeyboardReachable(button);
    return button;
}
