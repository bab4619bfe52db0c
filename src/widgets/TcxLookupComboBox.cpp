#include "TcxLookupComboBox.h"

#include "DataSource.h"
#include "EDatabaseError.h"
#include "TApplication.h"
#include "Table.h"

#include <QCollator>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

namespace velorin::widgets {

namespace {

constexpr int keyRole = Qt::UserRole + 1;

// The list draws vertical grid lines only: a rule at the right edge of every cell.
class VerticalLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }
};

void runGuarded(const std::function<void()>& fn)
{
    if (const TApplication* app = TApplication::instance())
        app->guarded(fn);
    else
        fn();
}

} // namespace

TcxLookupComboBox::TcxLookupComboBox(QWidget* parent)
    : QComboBox(parent), m_model(new QStandardItemModel(this)), m_view(new QTableView(this))
{
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setShowGrid(false);
    m_view->setItemDelegate(new VerticalLineDelegate(m_view));
    m_view->horizontalHeader()->hide();
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(m_model);
    setView(m_view);
    setCurrentIndex(-1);
    connect(this, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { runGuarded([this, index] { choose(index); }); });
}

TcxLookupComboBox::~TcxLookupComboBox()
{
    if (m_source)
        m_source->removeLink(this);
}

db::Table* TcxLookupComboBox::table() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

void TcxLookupComboBox::setListSource(db::DataSource* source)
{
    if (m_source == source)
        return;
    if (m_source) {
        m_source->removeLink(this);
        disconnect(m_source, nullptr, this, nullptr);
    }
    m_source = source;
    if (m_source) {
        m_source->addLink(this);
        connect(m_source, &db::DataSource::activeChanged, this, &TcxLookupComboBox::rebuild);
        connect(m_source, &db::DataSource::recordsChanged, this, &TcxLookupComboBox::rebuild);
    }
    rebuild();
}

void TcxLookupComboBox::setKeyFieldName(const QString& name)
{
    m_keyField = name;
    rebuild();
}

void TcxLookupComboBox::setListFieldNames(const QStringList& names)
{
    m_listFields = names;
    rebuild();
}

void TcxLookupComboBox::bindFields()
{
    db::Table* t = table();
    if (!t)
        return;
    QStringList names = m_listFields;
    names.prepend(m_keyField);
    for (const QString& name : names) {
        if (!name.isEmpty() && !t->findField(name))
            throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    }
}

void TcxLookupComboBox::unbindFields()
{
    rebuild();
}

QString TcxLookupComboBox::keyAt(int index) const
{
    return itemData(index, keyRole).toString();
}

bool TcxLookupComboBox::chooseKey(const QString& key)
{
    const int index = findData(key, keyRole);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    choose(index);
    return true;
}

void TcxLookupComboBox::choose(int index)
{
    if (index < 0)
        return;
    const QString key = keyAt(index);
    db::Table* t = table();
    if (!t || !t->active())
        return;
    const db::Field* keyField = t->findField(m_keyField);
    if (!keyField)
        return;
    for (int row = 0; row < t->recordCount(); ++row) {
        if (t->valueAt(row, keyField->index()) == key) {
            t->moveToRow(row);
            break;
        }
    }
    if (key != m_value) {
        m_value = key;
        emit propertiesChange();
    }
}

void TcxLookupComboBox::rebuild()
{
    m_model->clear();
    db::Table* t = table();
    const db::Field* keyField = t && t->active() ? t->findField(m_keyField) : nullptr;
    std::vector<const db::Field*> columns;
    if (keyField) {
        for (const QString& name : m_listFields) {
            if (const db::Field* f = t->findField(name))
                columns.push_back(f);
        }
    }
    if (!keyField || columns.empty()) {
        setCurrentIndex(-1);
        return;
    }

    struct Entry
    {
        QStringList texts;
        QString key;
    };
    std::vector<Entry> entries;
    entries.reserve(std::size_t(t->recordCount()));
    for (int row = 0; row < t->recordCount(); ++row) {
        Entry entry;
        for (const db::Field* f : columns)
            entry.texts.append(t->valueAt(row, f->index()).toString());
        entry.key = t->valueAt(row, keyField->index()).toString();
        entries.push_back(std::move(entry));
    }

    QCollator collator(locale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&collator](const Entry& a, const Entry& b) {
        for (qsizetype i = 0; i < a.texts.size(); ++i) {
            const int order = collator.compare(a.texts.at(i), b.texts.at(i));
            if (order != 0)
                return order < 0;
        }
        return false;
    });

    m_model->setColumnCount(int(columns.size()));
    for (const Entry& entry : entries) {
        QList<QStandardItem*> items;
        for (const QString& text : entry.texts) {
            auto* item = new QStandardItem(text);
            item->setEditable(false);
            items.append(item);
        }
        items.first()->setData(entry.key, keyRole);
        items.first()->setData(entry.texts.join(QLatin1Char(' ')), Qt::AccessibleTextRole);
        m_model->appendRow(items);
    }
    setModelColumn(0);
    setCurrentIndex(m_value.isEmpty() ? -1 : findData(m_value, keyRole));
}

void TcxLookupComboBox::mousePressEvent(QMouseEvent* event)
{
    emit clicked();
    QComboBox::mousePressEvent(event);
}

void TcxLookupComboBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        rebuild();
}

} // namespace velorin::widgets
