#include "widgets/SkinMessageBox.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "widgets/SkinFont.h"

namespace {

constexpr int cIconSize = 32;
constexpr int cMinTextWidth = 200;
constexpr int cMaxTextWidth = 420;

QPixmap PaintIcon(TMsgIcon icon)
{
    QPixmap pixmap(cIconSize, cIconSize);
    pixmap.fill(Qt::transparent);
    if (icon == TMsgIcon::None)
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, cIconSize - 2, cIconSize - 2);
    QColor fill;
    QString mark;
    switch (icon) {
    case TMsgIcon::Warning: fill = QColor(230, 160, 20); mark = "!"; break;
    case TMsgIcon::Stop: fill = QColor(200, 40, 40); mark = QString(QChar(0x00D7)); break;
    case TMsgIcon::Information: fill = QColor(40, 110, 200); mark = "i"; break;
    case TMsgIcon::Question: fill = QColor(0, 120, 40); mark = "?"; break;
    case TMsgIcon::None: break;
    }
    if (icon == TMsgIcon::Warning) {
        QPainterPath triangle;
        triangle.moveTo(cIconSize / 2.0, 1);
        triangle.lineTo(cIconSize - 1, cIconSize - 2);
        triangle.lineTo(1, cIconSize - 2);
        triangle.closeSubpath();
        painter.fillPath(triangle, fill);
    } else {
        painter.setBrush(fill);
        painter.setPen(fill.darker(130));
        painter.drawEllipse(disc);
    }
    QFont font = SkinFont("Tahoma", 22, true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, icon == TMsgIcon::Warning ? 3 : 0, cIconSize, cIconSize), Qt::AlignCenter, mark);
    return pixmap;
}

}

TSkinTheme DefaultMessageBoxTheme()
{
    return {R"(
#ctlDlg { background: #F4F9F1; border: 1px solid #00520A; }
#ctlDlgCaption { background: #2E7D32; color: white; padding: 4px 8px; }
#ctlDlgText { color: #1E2A1E; }
#ctlDlg QPushButton { background: #DDF7DC; color: #00520A; border: 1px solid #3D662D;
                      border-radius: 3px; min-width: 72px; min-height: 24px; padding: 0 8px; }
#ctlDlg QPushButton:hover { background: #E7F2E2; }
#ctlDlg QPushButton:pressed { background: #B9DDB5; }
#ctlDlg QPushButton:focus { border: 2px solid #00520A; }
)", QString()};
}

TSkinMessageBox::TSkinMessageBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("ctlDlg");
    setAttribute(Qt::WA_StyledBackground);
    setModal(true);
    // Closing a message box never ends the program, whatever else is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    FCaptionLabel = new QLabel(this);
    FCaptionLabel->setObjectName("ctlDlgCaption");
    FCaptionLabel->setFont(SkinFont("Tahoma", 12, true));
    FCaptionLabel->installEventFilter(this);

    FIconLabel = new QLabel(this);
    FIconLabel->setFixedSize(cIconSize, cIconSize);
    FTextLabel = new QLabel(this);
    FTextLabel->setObjectName("ctlDlgText");
    FTextLabel->setFont(SkinFont("MS Sans Serif", 12));
    FTextLabel->setWordWrap(true);
    FTextLabel->setTextFormat(Qt::PlainText);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 14, 16, 8);
    body->setSpacing(14);
    body->addWidget(FIconLabel, 0, Qt::AlignTop);
    body->addWidget(FTextLabel, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 4, 12, 12);
    buttons->setSpacing(8);
    buttons->addStretch(1);
    for (int i = 0; i < cMaxButtons; ++i) {
        auto* button = new QPushButton(this);
        button->setFont(SkinFont("MS Sans Serif", 12));
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { done(FResults[i]); });
        buttons->addWidget(button);
        FButtons[i] = button;
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    column->addWidget(FCaptionLabel);
    column->addLayout(body);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    SetTheme(DefaultMessageBoxTheme());
    SetButtonCount(1);
}

void TSkinMessageBox::SetCaption(const QString& caption)
{
    FCaptionLabel->setText(caption);
    setWindowTitle(caption);
}

QString TSkinMessageBox::Caption() const
{
    return FCaptionLabel->text();
}

void TSkinMessageBox::SetText(const QString& text)
{
    FText = text;
    // Messages written for the old desktop break lines with CR LF, LF CR or a lone CR.
    QString shown = text;
    shown.replace("\r\n", "\n").replace("\n\r", "\n").replace('\r', '\n');
    FTextLabel->setText(shown);
}

QString TSkinMessageBox::Text() const
{
    return FText;
}

void TSkinMessageBox::SetIcon(TMsgIcon icon)
{
    FIcon = icon;
    FIconLabel->setPixmap(PaintIcon(icon));
    FIconLabel->setVisible(icon != TMsgIcon::None);
}

void TSkinMessageBox::SetButtonCount(int count)
{
    FButtonCount = std::clamp(count, 1, cMaxButtons);
    for (int i = 0; i < cMaxButtons; ++i)
        FButtons[i]->setVisible(i < FButtonCount);
}

void TSkinMessageBox::SetButton(int number, const QString& caption, int result)
{
    if (number < 1 || number > cMaxButtons)
        return;
    FButtons[number - 1]->setText(caption);
    FResults[number - 1] = result;
}

QPushButton* TSkinMessageBox::Button(int number) const
{
    return number >= 1 && number <= cMaxButtons ? FButtons[number - 1] : nullptr;
}

int TSkinMessageBox::ButtonResult(int number) const
{
    return number >= 1 && number <= cMaxButtons ? FResults[number - 1] : 0;
}

void TSkinMessageBox::SetTheme(const TSkinTheme& theme)
{
    setStyleSheet(theme.StyleSheet);
}

void TSkinMessageBox::PrepareLayout()
{
    const int textWidth = FTextLabel->fontMetrics().size(0, FTextLabel->text()).width();
    FTextLabel->setFixedWidth(std::clamp(textWidth + 4, cMinTextWidth, cMaxTextWidth));
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSkinMessageBox::showEvent(QShowEvent* event)
{
    PrepareLayout();
    FButtons[0]->setFocus();
    QDialog::showEvent(event);
}

void TSkinMessageBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button; the first button is the default.
        for (int i = 0; i < FButtonCount; ++i)
            if (FButtons[i]->hasFocus()) {
                done(FResults[i]);
                return;
            }
        done(FResults[0]);
        return;
    case Qt::Key_Escape:
        // Only a box with a cancel button answers Esc with that button's result.
        done(FButtonCount >= 2 ? FResults[1] : 0);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TSkinMessageBox::eventFilter(QObject* watched, QEvent* event)
{
    // The caption bar drags the box.
    if (watched != FCaptionLabel)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        FDragging = mouse->button() == Qt::LeftButton;
        FDragOffset = mouse->globalPosition().toPoint() - pos();
        return true;
    }
    case QEvent::MouseMove:
        if (FDragging)
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - FDragOffset);
        return true;
    case QEvent::MouseButtonRelease:
        FDragging = false;
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}
