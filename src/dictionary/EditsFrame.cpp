#include "EditsFrame.h"

#include "TDBMemo.h"
#include "TFont.h"
#include "Table.h"

#include <QPushButton>

namespace velorin::dictionary {

namespace {

TLookupFrame::Design englishToSpanish()
{
    TLookupFrame::Design d;
    d.pageSize = QSize(529, 602);
    d.tabSize = QSize(525, 573);
    d.tabCaption = QStringLiteral("English-Espanol");
    d.tabIcons = {QStringLiteral(":/dictionary/flag-uk.svg"), QStringLiteral(":/dictionary/flag-tr.svg")};
    d.tabIcon = 0;
    d.tableName = QStringLiteral("engtoesp.db");
    d.preset = QStringLiteral("english");
    d.headwordField = QStringLiteral("English");
    d.selectorAt = QPoint(136, 192);
    d.checkBox1At = QPoint(104, 136);
    d.checkBox2At = QPoint(112, 136);
    d.resetAt = QPoint(80, 128);
    return d;
}

} // namespace

TFmeEdits::TFmeEdits(QWidget* parent) : TLookupFrame(parent, englishToSpanish())
{
    setObjectName(QStringLiteral("FmeEdits"));
    Label1 = addLabel(QStringLiteral("Label1"), QString());
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("Mean"));

    DBMemo1 = addMemo(QStringLiteral("DBMemo1"), QRect(336, 64, 180, 473));
    paintBlack(DBMemo1);
    DBMemo1->setFont(widgets::designFont(QStringLiteral("Verdana"), 11, true));
    DBMemo1->setDataReadOnly(true);
    DBMemo1->setWordWrap(true);
    DBMemo1->setDataSource(DataSource1);
    DBMemo1->setDataField(QStringLiteral("Espanol"));

    // Plain black, not marked read-only, but unbound and so closed to input.
    DBMemo2 = addMemo(QStringLiteral("DBMemo2"), QRect(336, 15, 180, 50));
    QPalette black = DBMemo2->palette();
    black.setColor(QPalette::Base, Qt::black);
    DBMemo2->setPalette(black);

    setTabOrder(RzBitBtn1, DBMemo1);
    setTabOrder(DBMemo1, DBMemo2);

    Table2->open();
}

} // namespace velorin::dictionary
