#pragma once
// The main menu: a panel of picture items, each raising the menu command with its own
// argument when clicked ("TestCenter", "TestHistory", "NoteList").
#include <QWidget>

class TImageButton;

class TMenuPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TMenuPanel(QWidget* parent = nullptr);

    // The item is placed at `position` in the panel and sizes itself to its pictures.
    TImageButton* AddItem(const QString& args, const QPoint& position);
    TImageButton* Item(const QString& args) const;

signals:
    // The command name tells nothing; `args` names what was chosen.
    void FSCommand(const QString& command, const QString& args);

private:
    QList<QPair<QString, TImageButton*>> FItems;
};

inline constexpr const char* cMenuCommand = "FSCommand";
