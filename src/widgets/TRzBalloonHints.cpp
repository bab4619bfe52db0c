#include "TRzBalloonHints.h"

#include "TColor.h"
#include "TFont.h"

#include <QApplication>
#include <QToolTip>

namespace velorin::widgets {

TRzBalloonHints::TRzBalloonHints() : QProxyStyle() {}

void TRzBalloonHints::install()
{
    if (qobject_cast<TRzBalloonHints*>(QApplication::style()))
        return;
    QApplication::setStyle(new TRzBalloonHints); // the application takes ownership
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, vclColor(11855600));
    palette.setColor(QPalette::ToolTipText, vclColor(7879740));
    palette.setColor(QPalette::Window, vclColor(11855600));
    palette.setColor(QPalette::WindowText, vclColor(7879740));
    QToolTip::setPalette(palette);
    QToolTip::setFont(designFont(QStringLiteral("Verdana"), 11));
}

int TRzBalloonHints::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return 500;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace velorin::widgets
