#pragma once

#include "DataSource.h"
#include "FilterRecordHook.h"
#include "Table.h"
#include "UpperPrefix.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace velorin::widgets {

class TFieldDataLink;

// The incremental search box. One pause after the last change of its text it filters its
// table to the records whose search field, upper-cased, begins with the upper-cased text,
// through the table's filter hook; emptying the box takes the filter away again. The hook
// and filtered flag the table had before are kept and given back when the box leaves the
// table (the table closes, the box gets another data source or is destroyed).
class TJvDBFindEdit : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr int kFirstPause = 400; // ms: the first search, and after emptying the box
    static constexpr int kNextPause = 100;  // ms: after a search that ran

    explicit TJvDBFindEdit(QWidget* parent = nullptr);
    ~TJvDBFindEdit() override;

    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const;
    // The search field, found in the table without regard to case and bound at once while
    // the table is open ("<name>: Field '<field>' not found" when missing; the name stays).
    // An empty name is ignored.
    void setDataField(const QString& name);
    QString dataField() const;
    db::Field* field() const;

    // The text the next search looks for: the box's text at its last change.
    const QString& searchText() const { return m_searchText; }

    // An edit mask in the form "!99/99/9999;1;_" (9 an optional digit, / the date
    // separator, _ the blank); empty for none.
    void setEditMask(const QString& mask);
    const QString& editMask() const { return m_editMask; }
    // The same mask in QLineEdit's notation.
    static QString inputMaskFor(const QString& editMask, QChar dateSeparator, QChar timeSeparator);

    // The first character that is not a digit in the current date and time written in the
    // locale's short date and long time formats; null when there is none.
    QChar dateSeparator() const;

    // Runs when the pause timer fires; public so it can be run without waiting.
    void RunSearch();
    // Empties the box and switches the table's filtering off at once.
    void ClearSearch();
    // The table's filter hook while the box searches.
    void AcceptRecord(db::Table& table, bool& accept);

    bool searchPending() const { return m_timer.isActive(); }
    int searchInterval() const { return m_timer.interval(); }

private:
    void textChangedByAnyone(const QString& text);
    // The date step: false when the text is rejected; may rewrite the text.
    bool dateStep(QString& text) const;
    db::FilterRecordHook ownHook();
    void giveHookBack(db::Table* table);

    TFieldDataLink* m_link;
    QTimer m_timer;
    QString m_searchText;
    db::UpperPrefix m_upperSearch;
    QString m_editMask;
    db::FilterRecordHook m_savedHook;
    bool m_savedFiltered = false;
    QPointer<db::Table> m_hookedTable;
};

} // namespace velorin::widgets
