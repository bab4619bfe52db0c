#include "MainImages.h"

#include <QPainter>
#include <QPixmap>

namespace velorin::shell {
namespace {

// A small emblem: a rounded tile in a colour of its own with a mark, enough to tell the
// menu items apart at 16 × 16.
QIcon emblem(int index, QChar mark)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor tile = QColor::fromHsv((index * 37) % 360, 150, 200);
    painter.setBrush(tile);
    painter.setPen(tile.darker(160));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(mark));
    return QIcon(pixmap);
}

QChar markOf(int index)
{
    switch (index) {
    case 44:
        return QLatin1Char('W'); // Welcome
    case 14:
        return QLatin1Char('E'); // Espanol English
    case 0:
        return QLatin1Char('T'); // Tabs
    case 30:
        return QLatin1Char('C'); // Cari Raporlar
    case 38:
        return QLatin1Char('K'); // word entry
    case 34:
        return QLatin1Char('L'); // List Boxes
    case 36:
        return QLatin1Char('i'); // About
    case 32:
        return QLatin1Char('B'); // Buttons
    case 2:
        return QLatin1Char('D'); // Display
    case 18:
        return QLatin1Char('%'); // calculator
    case 16:
        return QLatin1Char('G'); // Widgets
    case 40:
        return QLatin1Char('S'); // Shell
    case 28:
        return QLatin1Char('>'); // Launcher
    case 42:
        return QLatin1Char('@'); // Send Message
    case 46:
        return QLatin1Char('N'); // notes pane
    case 47:
        return QLatin1Char('n'); // notes pane, disabled
    default:
        return QChar(0x00B7);
    }
}

} // namespace

QIcon MainImages::imlMain(int index)
{
    return emblem(index, markOf(index));
}

QIcon MainImages::imageList3(int index)
{
    switch (index) {
    case 6:
        return QIcon(QStringLiteral(":/shell/newdoc.svg"));
    case 13:
        return QIcon(QStringLiteral(":/shell/flag_es.svg"));
    case 11:
        return QIcon(QStringLiteral(":/shell/flag_uk.svg"));
    case 0:
        return QIcon(QStringLiteral(":/shell/notepad.svg"));
    case 4:
        return QIcon(QStringLiteral(":/shell/globe.svg"));
    case 9:
        return QIcon(QStringLiteral(":/shell/quit.svg"));
    default:
        return QIcon();
    }
}

} // namespace velorin::shell
