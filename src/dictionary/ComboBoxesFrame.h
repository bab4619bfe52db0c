#pragma once

#include "TFrame.h"

class QFrame;
class QLabel;
class QScrollArea;

namespace velorin::db {
class DataSource;
class Table;
} // namespace velorin::db

namespace velorin::widgets {
class TDBEdit;
class TDBNavigator;
} // namespace velorin::widgets

namespace velorin::dictionary {

// The word entry page. A raised panel, made last, covers its edits and navigators; its
// tables are never opened, so the edits stay empty and closed to input and the
// navigators disabled. The content is taller than a hosted sheet and scrolls.
class TFmeComboBoxes : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeComboBoxes(QWidget* parent = nullptr);

    QScrollArea* scrollArea = nullptr;
    QWidget* content = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    widgets::TDBEdit* DBEdit1 = nullptr;
    widgets::TDBEdit* DBEdit2 = nullptr;
    widgets::TDBNavigator* DBNavigator1 = nullptr;
    widgets::TDBEdit* DBEdit3 = nullptr;
    widgets::TDBEdit* DBEdit4 = nullptr;
    widgets::TDBNavigator* DBNavigator2 = nullptr;
    QFrame* Panel1 = nullptr;
    db::Table* Table1 = nullptr;
    db::DataSource* DataSource1 = nullptr;
    db::Table* Table2 = nullptr;
    db::DataSource* DataSource2 = nullptr;

private:
    QLabel* addLabel(const QString& name, const QString& caption, const QPoint& at, int pixels);
    QLabel* addImage(const QString& name, const QString& picture, const QPoint& at);
    widgets::TDBEdit* addEdit(const QString& name, const QRect& geometry);
    widgets::TDBNavigator* addNavigator(const QString& name, const QRect& geometry, db::DataSource* source);
};

} // namespace velorin::dictionary
