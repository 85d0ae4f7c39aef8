#include "widgets/MenuPanel.h"

#include "widgets/ImageButton.h"

TMenuPanel::TMenuPanel(QWidget* parent) : QWidget(parent) {}

TImageButton* TMenuPanel::AddItem(const QString& args, const QPoint& position)
{
    auto* item = new TImageButton(this);
    item->move(position);
    item->SetAutoSize(true);
    connect(item, &QAbstractButton::clicked, this, [this, args] { emit FSCommand(cMenuCommand, args); });
    FItems.append({args, item});
    return item;
}

TImageButton* TMenuPanel::Item(const QString& args) const
{
    for (const auto& [itemArgs, item] : FItems)
        if (itemArgs == args)
            return item;
    return nullptr;
}
