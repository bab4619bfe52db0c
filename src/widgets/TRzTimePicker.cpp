#include "TRzTimePicker.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace velorin::widgets {

namespace {
constexpr int kEditHeight = 22;
constexpr int kMargin = 4;
} // namespace

TRzTimePicker::TRzTimePicker(QWidget* parent) : QWidget(parent), m_time(0, 0), m_edit(new QTimeEdit(this))
{
    m_edit->setObjectName(QStringLiteral("edtTime"));
    m_edit->setDisplayFormat(QStringLiteral("hh:mm"));
    m_edit->setAccessibleName(tr("Time"));
    m_edit->setTime(m_time);
    setFocusProxy(m_edit);
    connect(m_edit, &QTimeEdit::timeChanged, this, [this](const QTime& t) { setTime(t); });
}

void TRzTimePicker::setTime(const QTime& time)
{
    const QTime t(time.hour(), time.minute());
    if (!t.isValid() || t == m_time)
        return;
    m_time = t;
    m_edit->setTime(t);
    update();
    Q_EMIT timeChanged(t);
}

QRect TRzTimePicker::faceRect() const
{
    const int side = qMax(0, qMin(width() - 2 * kMargin, height() - kEditHeight - 3 * kMargin));
    return QRect((width() - side) / 2, kMargin, side, side);
}

void TRzTimePicker::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_edit->setGeometry(kMargin, height() - kEditHeight - kMargin, width() - 2 * kMargin, kEditHeight);
}

void TRzTimePicker::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = faceRect().adjusted(1, 1, -1, -1);
    const QPointF c = face.center();
    const qreal r = face.width() / 2;

    p.setPen(QPen(palette().color(QPalette::Dark), 2));
    p.setBrush(palette().color(QPalette::Base));
    p.drawEllipse(face);

    p.setPen(palette().color(QPalette::Text));
    QFont f = font();
    f.setPixelSize(qMax(8, int(r / 6)));
    p.setFont(f);
    for (int h = 1; h <= 12; ++h) {
        const qreal a = qDegreesToRadians(h * 30.0);
        const QPointF at(c.x() + std::sin(a) * r * 0.78, c.y() - std::cos(a) * r * 0.78);
        p.drawText(QRectF(at.x() - 10, at.y() - 8, 20, 16), Qt::AlignCenter, QString::number(h));
    }
    for (int m = 0; m < 60; ++m) {
        const qreal a = qDegreesToRadians(m * 6.0);
        const qreal inner = m % 5 == 0 ? 0.9 : 0.95;
        p.drawLine(QPointF(c.x() + std::sin(a) * r * inner, c.y() - std::cos(a) * r * inner),
                   QPointF(c.x() + std::sin(a) * r * 0.99, c.y() - std::cos(a) * r * 0.99));
    }

    const qreal hourAngle = qDegreesToRadians((m_time.hour() % 12) * 30.0 + m_time.minute() * 0.5);
    const qreal minuteAngle = qDegreesToRadians(m_time.minute() * 6.0);
    p.setPen(QPen(palette().color(QPalette::WindowText), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::sin(hourAngle) * r * 0.45, c.y() - std::cos(hourAngle) * r * 0.45));
    p.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::sin(minuteAngle) * r * 0.7, c.y() - std::cos(minuteAngle) * r * 0.7));
}

void TRzTimePicker::mousePressEvent(QMouseEvent* event)
{
    const QRectF face = faceRect();
    const QPointF d = event->position() - face.center();
    const qreal r = face.width() / 2;
    const qreal dist = std::hypot(d.x(), d.y());
    if (event->button() != Qt::LeftButton || r <= 0 || dist > r) {
        QWidget::mousePressEvent(event);
        return;
    }
    qreal degrees = qRadiansToDegrees(std::atan2(d.x(), -d.y()));
    if (degrees < 0)
        degrees += 360;
    if (dist < r * 0.55) {
        const int hour12 = int(std::lround(degrees / 30.0)) % 12;
        setTime(QTime(hour12 + (m_time.hour() >= 12 ? 12 : 0), m_time.minute()));
    } else {
        const int minute = (int(std::lround(degrees / 30.0)) % 12) * 5;
        setTime(QTime(m_time.hour(), minute));
    }
    m_edit->setFocus(Qt::MouseFocusReason);
    event->accept();
}

} // namespace velorin::widgets
