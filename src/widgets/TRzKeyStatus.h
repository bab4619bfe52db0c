#pragma once

#include <QLabel>
#include <QTimer>
#include <memory>

namespace velorin::widgets {

class LockKeyReader;

// Shows "CAPS", "NUM" or "SCR" while its lock key is on and nothing while it is off,
// read every 500 ms.
class TRzKeyStatus : public QLabel
{
    Q_OBJECT
public:
    enum class Key
    {
        CapsLock,
        NumLock,
        ScrollLock
    };

    explicit TRzKeyStatus(Key key, QWidget* parent = nullptr);

    Key key() const { return m_key; }
    // By default the application's LockKeyReader service or the system's reader.
    void setReader(std::shared_ptr<const LockKeyReader> reader);
    QTimer& timer() { return m_timer; }

public Q_SLOTS:
    void refresh();

private:
    Key m_key;
    std::shared_ptr<const LockKeyReader> m_reader;
    QTimer m_timer;
};

} // namespace velorin::widgets
