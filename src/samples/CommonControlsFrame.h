#pragma once

#include "TFrame.h"
#include "TRzURLLabel.h"

#include <QLabel>
#include <QStatusBar>

namespace velorin::samples {

// The About page: the maker and the product, both flags, a link to the maker's web site
// and one to its support address.
class TFmeCommonControls : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeCommonControls(QWidget* parent = nullptr);

private:
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    widgets::TRzURLLabel* RzURLLabel1;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Label13;
    widgets::TRzURLLabel* RzURLLabel2;
    QStatusBar* RzStatusBar1;
    QLabel* RzStatusPane2;
};

} // namespace velorin::samples
