#pragma once

#include "TFrame.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace velorin::db {
class DataSource;
class Table;
} // namespace velorin::db

namespace velorin::widgets {
class TDBGrid;
class TDBMemo;
class TDBNavigator;
class TJvDBFindEdit;
} // namespace velorin::widgets

namespace velorin::dictionary {

// What the lookup pages of the two directions share: the tab with its group box (field
// selector, check boxes, search box, Reset button, navigator), the grid over the headwords,
// the dictionary table and its data source, and the handlers FrameShow and ComboBox1Change.
// Each direction adds its label and memos, then opens the table.
class TLookupFrame : public widgets::TFrame
{
    Q_OBJECT
public:
    struct Design
    {
        QSize pageSize;
        QSize tabSize;
        QString tabCaption;
        QStringList tabIcons; // the image list, in order
        int tabIcon = 0;
        QString tableName;
        QString preset;
        QString headwordField;
        QString headwordTitle;
        QPoint selectorAt;
        QPoint checkBox1At;
        QPoint checkBox2At;
        QPoint resetAt;
    };

    ~TLookupFrame() override;

    // Opens the table, appends its field names to the selector, selects the preset and makes
    // it the search field. Runs when the focus enters the page from outside and on a click.
    void FrameShow();
    // The user picked a field in the selector: it becomes the search field.
    void ComboBox1Change();

    QFrame* RzSeparator1 = nullptr;
    QTabWidget* RzPageControl1 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QGroupBox* GroupBox11 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    widgets::TJvDBFindEdit* yulFindEdit1 = nullptr;
    QPushButton* RzBitBtn1 = nullptr;
    widgets::TDBNavigator* DBNavigator1 = nullptr;
    widgets::TDBGrid* DBGrid1 = nullptr;
    db::Table* Table2 = nullptr;
    db::DataSource* DataSource1 = nullptr;

protected:
    TLookupFrame(QWidget* parent, const Design& design);

    // Parts made by each direction, on the tab.
    QLabel* addLabel(const QString& name, const QString& caption);
    widgets::TDBMemo* addMemo(const QString& name, const QRect& geometry);
    // The black look of the translation memo and the box under the label.
    static void paintBlack(QWidget* memo);

    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void focusMoved(QWidget* from, QWidget* to);
    bool holds(const QWidget* widget) const;
};

} // namespace velorin::dictionary
