#include "CommonControlsFrame.h"

#include "SvgPixmap.h"
#include "TFont.h"

#include <QVBoxLayout>

namespace velorin::samples {

namespace {

QFont underlined(QFont font)
{
    font.setUnderline(true);
    return font;
}

} // namespace

TFmeCommonControls::TFmeCommonControls(QWidget* parent)
    : widgets::TFrame(parent), Label1(new QLabel(QStringLiteral("Morvantek   "), this)),
      Label2(new QLabel(QStringLiteral("Free Software"), this)),
      Label4(new QLabel(QStringLiteral("Velorin Diccionario"), this)),
      RzURLLabel1(new widgets::TRzURLLabel(QStringLiteral("www.morvantek.com"), this)),
      Image1(new QLabel(this)), Image2(new QLabel(this)),
      Label13(new QLabel(QStringLiteral("Help - Apoya :"), this)),
      RzURLLabel2(new widgets::TRzURLLabel(QStringLiteral("destek@morvantek.com"), this)),
      RzStatusBar1(new QStatusBar(this)), RzStatusPane2(new QLabel(RzStatusBar1))
{
    setObjectName(QStringLiteral("FmeCommonControls"));
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));
    setDesignSize(519, 557);

    const QFont big = widgets::designFont(QStringLiteral("Verdana"), 15, true);
    const auto place = [&](QLabel* label, const char* name, int left, int top, const QFont& font) {
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(font);
        label->adjustSize();
        label->move(left, top);
    };
    place(Label1, "Label1", 204, 252, big);
    place(Label2, "Label2", 206, 283, big);
    place(Label4, "Label4", 188, 313, big);

    RzURLLabel1->setURL(QStringLiteral("http://www.morvantek.com"));
    place(RzURLLabel1, "RzURLLabel1", 346, 522,
          underlined(widgets::designFont(QStringLiteral("MS Sans Serif"), 13)));

    // The flags fill their picture areas, stretched without keeping their proportions.
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 0, 254, 207);
    Image1->setScaledContents(true);
    Image1->setPixmap(svgPixmap(QStringLiteral(":/samples/flag_uk.svg"), Image1->size()));
    Image1->setAccessibleName(tr("Flag of the United Kingdom"));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(260, 0, 251, 206);
    Image2->setScaledContents(true);
    Image2->setPixmap(svgPixmap(QStringLiteral(":/samples/flag_es.svg"), Image2->size()));
    Image2->setAccessibleName(tr("Flag of Spain"));

    QPalette maroon = Label13->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    Label13->setPalette(maroon);
    place(Label13, "Label13", 12, 462, widgets::designFont(QStringLiteral("Verdana"), 11, true));

    RzURLLabel2->setURL(QStringLiteral("mailto:destek@morvantek.com"));
    place(RzURLLabel2, "RzURLLabel2", 9, 477,
          underlined(widgets::designFont(QStringLiteral("MS Sans Serif"), 12, true)));

    // Labels and pictures lie beneath the windowed controls.
    for (QLabel* l : {Label1, Label2, Label4, Image1, Image2, Label13})
        l->lower();

    RzStatusBar1->setObjectName(QStringLiteral("RzStatusBar1"));
    RzStatusBar1->setFixedHeight(19);
    RzStatusBar1->setSizeGripEnabled(false);
    RzStatusBar1->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
    RzStatusPane2->setObjectName(QStringLiteral("RzStatusPane2"));
    RzStatusBar1->addWidget(RzStatusPane2, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addStretch();
    column->addWidget(RzStatusBar1);
}

} // namespace velorin::samples
