#pragma once

#include <QLabel>
#include <QTimer>
#include <memory>

namespace velorin::widgets {

class Clock;

// Shows the current date or time in a picture of formatDateTime, refreshed every 500 ms.
class TRzClockStatus : public QLabel
{
    Q_OBJECT
public:
    explicit TRzClockStatus(const QString& format, QWidget* parent = nullptr);

    void setFormat(const QString& format);
    const QString& format() const { return m_format; }
    // The clock it reads; by default the application's Clock service or the system time.
    void setClock(std::shared_ptr<const Clock> clock);
    QTimer& timer() { return m_timer; }

public Q_SLOTS:
    void refresh();

private:
    QString m_format;
    std::shared_ptr<const Clock> m_clock;
    QTimer m_timer;
};

} // namespace velorin::widgets
