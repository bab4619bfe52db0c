#include "ComboBoxesFrame.h"

#include "DataSource.h"
#include "TDBEdit.h"
#include "TDBNavigator.h"
#include "TFont.h"
#include "Table.h"

#include <QIcon>
#include <QLabel>
#include <QScrollArea>

namespace velorin::dictionary {

TFmeComboBoxes::TFmeComboBoxes(QWidget* parent) : widgets::TFrame(parent)
{
    setObjectName(QStringLiteral("FmeComboBoxes"));
    setDesignSize(520, 641);
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));

    scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("FmeComboBoxesScroll"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollArea->setGeometry(rect());
    content = new QWidget;
    // The scroll range reaches the farthest edge of the content, the panel's (505, 625).
    content->setMinimumSize(505, 625);

    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Türkçe Kelime"), QPoint(82, 195), 11);
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("İngilizce Anlam"), QPoint(316, 195), 11);
    Image1 = addImage(QStringLiteral("Image1"), QStringLiteral(":/dictionary/flag-uk.svg"), QPoint(272, 184));
    Image2 = addImage(QStringLiteral("Image2"), QStringLiteral(":/dictionary/flag-tr.svg"), QPoint(41, 184));
    Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("Kelime Ekle"), QPoint(168, 56), 27);
    Image3 = addImage(QStringLiteral("Image3"), QStringLiteral(":/dictionary/flag-tr.svg"), QPoint(272, 392));
    Image4 = addImage(QStringLiteral("Image4"), QStringLiteral(":/dictionary/flag-uk.svg"), QPoint(41, 392));
    Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("İngilizce Kelime"), QPoint(82, 400), 11);
    Label5 = addLabel(QStringLiteral("Label5"), QStringLiteral("Türkçe Anlam"), QPoint(316, 399), 11);

    Table1 = new db::Table(this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setTableName(QStringLiteral("kaynak2.db"));
    DataSource1 = new db::DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);
    Table2 = new db::Table(this);
    Table2->setObjectName(QStringLiteral("Table2"));
    Table2->setTableName(QStringLiteral("kaynak3.db"));
    DataSource2 = new db::DataSource(this);
    DataSource2->setObjectName(QStringLiteral("DataSource2"));
    DataSource2->setDataSet(Table2);

    DBEdit1 = addEdit(QStringLiteral("DBEdit1"), QRect(272, 232, 209, 21));
    DBEdit2 = addEdit(QStringLiteral("DBEdit2"), QRect(41, 232, 209, 21));
    DBEdit2->setDataField(QStringLiteral("Kelime"));
    DBNavigator1 = addNavigator(QStringLiteral("DBNavigator1"), QRect(40, 280, 441, 41), DataSource1);
    DBEdit3 = addEdit(QStringLiteral("DBEdit3"), QRect(41, 440, 209, 21));
    DBEdit3->setDataSource(DataSource2);
    DBEdit3->setDataField(QStringLiteral("Kelime1"));
    DBEdit4 = addEdit(QStringLiteral("DBEdit4"), QRect(272, 440, 209, 21));
    DBEdit4->setDataSource(DataSource2);
    DBEdit4->setDataField(QStringLiteral("Anlam1"));
    DBNavigator2 = addNavigator(QStringLiteral("DBNavigator2"), QRect(40, 491, 432, 41), DataSource2);

    Panel1 = new QFrame(content);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(16, 24, 489, 601);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setAutoFillBackground(true);
    Panel1->setFocusPolicy(Qt::NoFocus);

    setTabOrder(DBEdit1, DBEdit2);
    setTabOrder(DBEdit2, DBEdit3);
    setTabOrder(DBEdit3, DBEdit4);

    scrollArea->setWidget(content);
}

QLabel* TFmeComboBoxes::addLabel(const QString& name, const QString& caption, const QPoint& at, int pixels)
{
    auto* label = new QLabel(caption, content);
    label->setObjectName(name);
    label->setFont(widgets::designFont(QStringLiteral("Verdana"), pixels, true));
    label->move(at);
    label->adjustSize();
    label->lower(); // beneath every windowed control
    return label;
}

QLabel* TFmeComboBoxes::addImage(const QString& name, const QString& picture, const QPoint& at)
{
    auto* image = new QLabel(content);
    image->setObjectName(name);
    image->setGeometry(QRect(at, QSize(33, 33)));
    image->setPixmap(QIcon(picture).pixmap(32, 32));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->lower();
    return image;
}

widgets::TDBEdit* TFmeComboBoxes::addEdit(const QString& name, const QRect& geometry)
{
    auto* edit = new widgets::TDBEdit(content);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

widgets::TDBNavigator* TFmeComboBoxes::addNavigator(const QString& name, const QRect& geometry,
                                                    db::DataSource* source)
{
    using N = widgets::TDBNavigator;
    auto* navigator = new N(content);
    navigator->setObjectName(name);
    navigator->setGeometry(geometry);
    navigator->setVisibleButtons({N::nbFirst, N::nbPrior, N::nbNext, N::nbLast, N::nbInsert, N::nbEdit,
                                  N::nbPost, N::nbCancel, N::nbRefresh});
    navigator->setDataSource(source);
    return navigator;
}

} // namespace velorin::dictionary
