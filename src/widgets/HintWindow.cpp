#include "widgets/HintWindow.h"

#include <algorithm>

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>

#include "widgets/SkinFont.h"

namespace {

THintWindow* gHintWindow = nullptr;
// The hint sits this far below the mouse, out of the cursor's way.
constexpr int cCursorGap = 20;

}

THintWindow* THintWindow::Install()
{
    if (!gHintWindow) {
        gHintWindow = new THintWindow;
        qApp->installEventFilter(gHintWindow);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete gHintWindow;
            gHintWindow = nullptr;
        });
    }
    return gHintWindow;
}

THintWindow* THintWindow::Instance()
{
    return gHintWindow;
}

THintWindow::THintWindow() : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setFont(SkinFont("宋体", 16));
    setWordWrap(true);
    setMaximumWidth(cMaxWidth);
    setMargin(4);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    SetArrowBackColor(FArrowBackColor);
    FHideTimer.setSingleShot(true);
    connect(&FHideTimer, &QTimer::timeout, this, &THintWindow::HideHint);
}

void THintWindow::SetArrowBackColor(const QColor& color)
{
    FArrowBackColor = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
}

void THintWindow::ShowHint(QWidget* control, const QString& hint, const QPoint& globalPos)
{
    FControl = control;
    setText(hint);
    // Word wrap only takes effect once the width is bounded.
    const int frame = 2 * (margin() + frameWidth());
    setFixedWidth(std::min(cMaxWidth, fontMetrics().size(0, hint).width() + frame));
    adjustSize();
    QPoint at = globalPos + QPoint(0, cCursorGap);
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        if (at.y() + height() > area.bottom())
            at.setY(globalPos.y() - height() - 4);
    }
    move(at);
    show();
    raise();
    FHideTimer.start(FHidePause);
}

void THintWindow::HideHint()
{
    FHideTimer.stop();
    FControl = nullptr;
    hide();
}

bool THintWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* control = qobject_cast<QWidget*>(watched);
        if (!control)
            break;
        const QString hint = control->toolTip();
        if (hint.isEmpty()) {
            HideHint();
        } else {
            ShowHint(control, hint, static_cast<QHelpEvent*>(event)->globalPos());
        }
        return true;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        if (watched == FControl)
            HideHint();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}
