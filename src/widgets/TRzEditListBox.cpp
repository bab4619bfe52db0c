#include "TRzEditListBox.h"

#include <QKeyEvent>

namespace velorin::widgets {

TRzEditListBox::TRzEditListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

QStringList TRzEditListBox::lines() const
{
    QStringList result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result << item(i)->text();
    return result;
}

void TRzEditListBox::addLine(const QString& line)
{
    auto* entry = new QListWidgetItem(line, this); // owned by the list
    entry->setFlags(entry->flags() | Qt::ItemIsEditable);
}

void TRzEditListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && m_allowDelete &&
        state() != QAbstractItemView::EditingState) {
        const QList<QListWidgetItem*> selected = selectedItems();
        if (!selected.isEmpty()) {
            delete takeItem(row(selected.first()));
            event->accept();
            return;
        }
    }
    QListWidget::keyPressEvent(event);
}

} // namespace velorin::widgets
