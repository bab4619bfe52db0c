#pragma once

#include "TFrame.h"

#include <QLocale>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QWidget;

namespace velorin::widgets {
class THeaderPanel;
}

namespace velorin::finance {

// The calculator page: an instalment calculator and an interest calculator side by side.
// Figures are read from the boxes and written back on every press; the page keeps nothing
// else. Numbers follow the given regional settings, by default the user's.
class TFmeReservations : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeReservations(QWidget* parent = nullptr, const QLocale& regional = QLocale::system());

public Q_SLOTS:
    void BitBtn1Click();
    void BitBtn2Click();
    void Edit4Change();

private:
    QLabel* makeLabel(QWidget* panel, const char* name, const QString& caption, int top, bool result);
    QLineEdit* makeBox(QWidget* panel, const char* name, QLabel* label, bool result);
    QPushButton* makeButton(QWidget* panel, const char* name, const QString& caption, int top);

    QLocale m_regional;

    widgets::THeaderPanel* pnlHeader = nullptr;
    QTabWidget* RzPageControl1 = nullptr;
    QScrollArea* TabSheet1 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* Panel4 = nullptr;
    QWidget* TabSheet2 = nullptr;

    QPushButton* BitBtn1 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLineEdit* Edit11 = nullptr;

    QPushButton* BitBtn2 = nullptr;
    QLineEdit* Edit15 = nullptr;
    QLineEdit* Edit17 = nullptr;
    QLineEdit* Edit19 = nullptr;
    QLineEdit* Edit20 = nullptr;
    QLineEdit* Edit22 = nullptr;
};

} // namespace velorin::finance
