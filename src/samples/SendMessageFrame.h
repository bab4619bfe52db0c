#pragma once

#include "TFrame.h"
#include "THeaderPanel.h"
#include "TRzEditListBox.h"
#include "TRzOpenDialog.h"
#include "TRzSendMessage.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QToolButton>

namespace velorin::samples {

// The mail composer: recipients, copy recipients, subject, text and attached files,
// handed to the system's mail service for review and sending.
class TFmeSendMessages : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeSendMessages(QWidget* parent = nullptr);

    void BtnSendClick();
    void BtnAttachClick();

    // The file dialog, so that its chooser can be replaced.
    widgets::TRzOpenDialog* openDialog() const { return DlgOpen; }

private:
    QFrame* RzToolbar1;
    QToolButton* BtnSend;
    QToolButton* BtnAttach;
    QFrame* PnlMessage;
    QPlainTextEdit* EdtMessage;
    QFrame* GrpAttach;
    widgets::TRzEditListBox* LstFiles;
    QFrame* PnlHeader;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPlainTextEdit* EdtTO;
    QPlainTextEdit* EdtCC;
    QLineEdit* EdtSubject;
    widgets::THeaderPanel* RzPanel1;
    widgets::TRzSendMessage* Msg;
    widgets::TRzOpenDialog* DlgOpen;
    QList<QPixmap> ImageList1;
};

} // namespace velorin::samples
