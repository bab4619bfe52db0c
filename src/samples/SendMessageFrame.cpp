#include "SendMessageFrame.h"

#include "SvgPixmap.h"

#include <QVBoxLayout>

namespace velorin::samples {

namespace {

// The lines of a multi-line box; an empty box has none.
QStringList memoLines(const QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void setUpMemo(QPlainTextEdit* memo, const char* name, const QString& accessibleName)
{
    memo->setObjectName(QString::fromLatin1(name));
    memo->setAccessibleName(accessibleName);
    memo->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Tab moves on to the next box, as in the other boxes of the page.
    memo->setTabChangesFocus(true);
}

QList<QPixmap> toolbarImages()
{
    const QSize size(16, 16);
    return {svgPixmap(QStringLiteral(":/samples/envelope.svg"), size),
            svgPixmap(QStringLiteral(":/samples/envelope_grey.svg"), size),
            svgPixmap(QStringLiteral(":/samples/clip.svg"), size),
            svgPixmap(QStringLiteral(":/samples/clip_grey.svg"), size)};
}

} // namespace

TFmeSendMessages::TFmeSendMessages(QWidget* parent)
    : widgets::TFrame(parent), RzToolbar1(new QFrame(this)), BtnSend(new QToolButton(RzToolbar1)),
      BtnAttach(new QToolButton(RzToolbar1)), PnlMessage(new QFrame(this)),
      EdtMessage(new QPlainTextEdit(PnlMessage)), GrpAttach(new QFrame(this)),
      LstFiles(new widgets::TRzEditListBox(GrpAttach)), PnlHeader(new QFrame(this)),
      Label1(new QLabel(QStringLiteral("Subject"), PnlHeader)),
      Label2(new QLabel(QStringLiteral("TO"), PnlHeader)),
      Label3(new QLabel(QStringLiteral("CC"), PnlHeader)), EdtTO(new QPlainTextEdit(PnlHeader)),
      EdtCC(new QPlainTextEdit(PnlHeader)), EdtSubject(new QLineEdit(PnlHeader)),
      RzPanel1(new widgets::THeaderPanel(QStringLiteral("Send Email Messages"), this)),
      Msg(new widgets::TRzSendMessage(this)), DlgOpen(new widgets::TRzOpenDialog(this)),
      ImageList1(toolbarImages())
{
    setObjectName(QStringLiteral("FmeSendMessages"));
    setDesignSize(585, 362);

    RzToolbar1->setObjectName(QStringLiteral("RzToolbar1"));
    RzToolbar1->setFixedHeight(33);
    RzToolbar1->setStyleSheet(
        QStringLiteral("#RzToolbar1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #FFFFFF, stop:1 #DCDCE4); border: none;"
                       " border-bottom: 1px solid #A0A0AA; }"));
    const auto setUpButton = [&](QToolButton* b, const char* name, const QString& caption, int image,
                                 int disabledImage, int left, int width) {
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        QIcon icon(ImageList1.at(image));
        icon.addPixmap(ImageList1.at(disabledImage), QIcon::Disabled);
        b->setIcon(icon);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::TabFocus);
        b->setGeometry(left, 4, width, 25);
    };
    setUpButton(BtnSend, "BtnSend", QStringLiteral("Send"), 0, 1, 4, 59);
    setUpButton(BtnAttach, "BtnAttach", QStringLiteral("Attach"), 2, 3, 63, 66);
    connect(BtnSend, &QToolButton::clicked, this, &TFmeSendMessages::BtnSendClick);
    connect(BtnAttach, &QToolButton::clicked, this, &TFmeSendMessages::BtnAttachClick);

    PnlMessage->setObjectName(QStringLiteral("PnlMessage"));
    auto* messageBox = new QVBoxLayout(PnlMessage);
    messageBox->setContentsMargins(4, 4, 4, 4);
    setUpMemo(EdtMessage, "EdtMessage", tr("Message"));
    messageBox->addWidget(EdtMessage);

    GrpAttach->setObjectName(QStringLiteral("GrpAttach"));
    GrpAttach->setAccessibleName(QStringLiteral("File Attachments"));
    GrpAttach->setFixedHeight(80);
    auto* attachBox = new QVBoxLayout(GrpAttach);
    attachBox->setContentsMargins(4, 4, 4, 4);
    LstFiles->setObjectName(QStringLiteral("LstFiles"));
    LstFiles->setAccessibleName(QStringLiteral("File Attachments"));
    LstFiles->setAllowDeleteByKeyboard(true);
    attachBox->addWidget(LstFiles);

    PnlHeader->setObjectName(QStringLiteral("PnlHeader"));
    PnlHeader->setFixedHeight(86);
    PnlHeader->setStyleSheet(QStringLiteral("#PnlHeader { border: none; border-top: 2px groove palette(mid);"
                                            " border-bottom: 2px groove palette(mid); }"));
    const auto place = [](QWidget* w, const char* name, int left, int top) {
        w->setObjectName(QString::fromLatin1(name));
        w->move(left, top);
    };
    place(Label1, "Label1", 12, 60);
    place(Label2, "Label2", 12, 12);
    place(Label3, "Label3", 296, 12);
    for (QLabel* l : {Label1, Label2, Label3})
        l->adjustSize();
    setUpMemo(EdtTO, "EdtTO", QStringLiteral("TO"));
    EdtTO->setGeometry(60, 12, 213, 37);
    setUpMemo(EdtCC, "EdtCC", QStringLiteral("CC"));
    EdtCC->setGeometry(320, 12, 213, 37);
    EdtSubject->setObjectName(QStringLiteral("EdtSubject"));
    EdtSubject->setAccessibleName(QStringLiteral("Subject"));
    EdtSubject->setGeometry(60, 56, 473, 21);
    Label1->setBuddy(EdtSubject);
    Label2->setBuddy(EdtTO);
    Label3->setBuddy(EdtCC);
    for (QLabel* l : {Label1, Label2, Label3})
        l->lower();

    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    Msg->setObjectName(QStringLiteral("Msg"));
    DlgOpen->setObjectName(QStringLiteral("DlgOpen"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(RzPanel1);
    column->addWidget(RzToolbar1);
    column->addWidget(PnlHeader);
    column->addWidget(PnlMessage, 1);
    column->addWidget(GrpAttach);

    setTabOrder(BtnSend, BtnAttach);
    setTabOrder(BtnAttach, EdtTO);
    setTabOrder(EdtTO, EdtCC);
    setTabOrder(EdtCC, EdtSubject);
    setTabOrder(EdtSubject, EdtMessage);
    setTabOrder(EdtMessage, LstFiles);
}

void TFmeSendMessages::BtnSendClick()
{
    Msg->setAttachments(LstFiles->lines());
    Msg->setToRecipients(memoLines(EdtTO));
    Msg->setCcRecipients(memoLines(EdtCC));
    Msg->setSubject(EdtSubject->text());
    Msg->setMessageText(memoLines(EdtMessage));
    Msg->Send();

    EdtTO->clear();
    EdtCC->clear();
    EdtSubject->clear();
    EdtMessage->clear();
    LstFiles->clear();
}

void TFmeSendMessages::BtnAttachClick()
{
    if (DlgOpen->Execute())
        LstFiles->addLine(DlgOpen->FileName());
}

} // namespace velorin::samples
