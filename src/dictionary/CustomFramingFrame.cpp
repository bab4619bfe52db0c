#include "CustomFramingFrame.h"

#include "TDBGrid.h"
#include "TDBMemo.h"
#include "TFont.h"
#include "TJvDBFindEdit.h"
#include "Table.h"

#include <QPushButton>

namespace velorin::dictionary {

namespace {

TLookupFrame::Design spanishToEnglish()
{
    TLookupFrame::Design d;
    d.pageSize = QSize(527, 602);
    d.tabSize = QSize(523, 573);
    d.tabCaption = QStringLiteral("Espanol-English");
    d.tabIcons = {QStringLiteral(":/dictionary/flag-uk.svg"), QStringLiteral(":/dictionary/flag-tr.svg"),
                  QStringLiteral(":/dictionary/flag-es.svg")};
    d.tabIcon = 2;
    d.tableName = QStringLiteral("esptoeng.db");
    d.preset = QStringLiteral("esp");
    d.headwordField = QStringLiteral("Esp");
    d.headwordTitle = QStringLiteral("Espanol");
    d.selectorAt = QPoint(128, 112);
    d.checkBox1At = QPoint(96, 144);
    d.checkBox2At = QPoint(96, 144);
    d.resetAt = QPoint(200, 88);
    return d;
}

} // namespace

TFmeCustomFraming::TFmeCustomFraming(QWidget* parent) : TLookupFrame(parent, spanishToEnglish())
{
    setObjectName(QStringLiteral("FmeCustomFraming"));
    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Significar"));

    memoUnderLabel = addMemo(QString(), QRect(336, 15, 180, 50));
    paintBlack(memoUnderLabel);
    memoUnderLabel->setFont(widgets::designFont(QStringLiteral("Verdana"), 12, true));
    memoUnderLabel->setDataReadOnly(true);

    memoBelow = addMemo(QString(), QRect(336, 544, 185, 21));
    memoBelow->setDataReadOnly(true);

    DBMemo3 = addMemo(QStringLiteral("DBMemo3"), QRect(336, 64, 180, 473));
    paintBlack(DBMemo3);
    DBMemo3->setFont(widgets::designFont(QStringLiteral("Verdana"), 11, true));
    DBMemo3->setDataReadOnly(true);
    DBMemo3->setWordWrap(true);
    DBMemo3->setDataSource(DataSource1);
    DBMemo3->setDataField(QStringLiteral("Eng"));

    setTabOrder(RzBitBtn1, memoUnderLabel);
    setTabOrder(memoUnderLabel, memoBelow);
    setTabOrder(memoBelow, DBMemo3);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TFmeCustomFraming::RzBitBtn1Click);

    Table2->open();
}

void TFmeCustomFraming::RzBitBtn1Click()
{
    yulFindEdit1->ClearSearch();
}

} // namespace velorin::dictionary
