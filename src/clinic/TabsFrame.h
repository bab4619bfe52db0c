#pragma once

#include "TFrame.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace velorin::db {
class DataSource;
class Table;
} // namespace velorin::db

namespace velorin::widgets {
class TcxLookupComboBox;
class TDBEdit;
class TDBGrid;
class TDBMemo;
class TDBNavigator;
class THeaderPanel;
class TRzBitBtn;
class TRzClockStatus;
class TRzDBDateTimeEdit;
class TRzLabel;
class TRzLEDDisplay;
class TRzPageControl;
class TRzSeparator;
class TRzURLLabel;
} // namespace velorin::widgets

namespace velorin::clinic {

// The examination page: the clinic's patients one at a time with the current patient's
// examinations, and the starting, saving, dropping and deleting of examination records.
// Both tables open while the page is created, so a missing alias, table or index makes
// the construction throw. Nothing on the page writes the patient table.
class TFmeTabs : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeTabs(QWidget* parent = nullptr);
    ~TFmeTabs() override;

    db::Table* patients() const { return Table1; }
    db::Table* examinations() const { return Table2; }

public Q_SLOTS:
    void Button1Click();
    void cxLookupComboBox2PropertiesChange();
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn4Click();
    void DBNavigatorClick();
    void RzLEDDisplay1Click();
    void RzButton1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startExamination();
    void showPatientName();
    void buildFinderRow(QWidget* panel);
    void buildRecordArea(QWidget* area);

    db::Table* Table1 = nullptr;
    db::DataSource* DataSource1 = nullptr;
    db::Table* Table2 = nullptr;
    db::DataSource* DataSource2 = nullptr;

    widgets::TRzSeparator* RzSeparator1 = nullptr;
    QFrame* RzPanel1 = nullptr;
    QTabWidget* RzPageControl1 = nullptr;
    widgets::TRzPageControl* RzPageControl2 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QFrame* Panel1 = nullptr;
    widgets::TRzLabel* RzLabel1 = nullptr;
    widgets::TDBNavigator* DBNavigator = nullptr;
    QLineEdit* Edit3 = nullptr;
    widgets::TcxLookupComboBox* cxLookupComboBox2 = nullptr;
    widgets::TRzBitBtn* RzBitBtn6 = nullptr;
    widgets::TRzBitBtn* RzBitBtn7 = nullptr;
    widgets::TRzBitBtn* RzBitBtn8 = nullptr;
    widgets::TRzBitBtn* RzBitBtn9 = nullptr;
    QFrame* Panel2 = nullptr;
    QScrollArea* ScrollBox = nullptr;

    widgets::TRzURLLabel* RzURLLabel1 = nullptr;
    QLabel* Label15 = nullptr;
    widgets::TRzLEDDisplay* RzLEDDisplay1 = nullptr;
    widgets::TRzClockStatus* RzClockStatus1 = nullptr;
    widgets::TDBGrid* cxGrid1 = nullptr;
    widgets::TDBEdit* EditPno = nullptr;
    widgets::TDBEdit* EditHastaAd = nullptr;
    widgets::TDBEdit* EditHastaSoyad = nullptr;
    widgets::TDBEdit* EditKaytTarihi = nullptr;
    widgets::TDBMemo* DBMemo1 = nullptr;
    widgets::TDBMemo* DBMemo4 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    widgets::TDBNavigator* DBNavigator1 = nullptr;
    widgets::TDBEdit* DBEdit2 = nullptr;
    widgets::TDBEdit* DBEdit3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* RzButton1 = nullptr;
    widgets::TDBEdit* DBEdit4 = nullptr;
    widgets::TDBEdit* DBEdit5 = nullptr;
    widgets::TRzBitBtn* RzBitBtn1 = nullptr;
    widgets::TRzBitBtn* RzBitBtn2 = nullptr;
    widgets::TRzBitBtn* RzBitBtn3 = nullptr;
    widgets::TRzBitBtn* RzBitBtn4 = nullptr;
    widgets::TRzBitBtn* RzBitBtn5 = nullptr;
    widgets::TRzDBDateTimeEdit* RzDBDateTimeEdit1 = nullptr;
    widgets::TDBMemo* DBMemo2 = nullptr;

    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    widgets::THeaderPanel* pnlHeader = nullptr;
};

} // namespace velorin::clinic
