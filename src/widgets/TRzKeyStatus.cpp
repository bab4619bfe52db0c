#include "TRzKeyStatus.h"

#include "LockKeyReader.h"
#include "TApplication.h"

namespace velorin::widgets {

TRzKeyStatus::TRzKeyStatus(Key key, QWidget* parent)
    : QLabel(parent), m_key(key), m_reader(TApplication::serviceOr<LockKeyReader>(LockKeyReader::system()))
{
    setAlignment(Qt::AlignCenter);
    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, &TRzKeyStatus::refresh);
    m_timer.start();
    refresh();
}

void TRzKeyStatus::setReader(std::shared_ptr<const LockKeyReader> reader)
{
    m_reader = std::move(reader);
    refresh();
}

void TRzKeyStatus::refresh()
{
    const LockKeys keys = m_reader->read();
    QString text;
    switch (m_key) {
    case Key::CapsLock:
        text = keys.caps ? QStringLiteral("CAPS") : QString();
        break;
    case Key::NumLock:
        text = keys.num ? QStringLiteral("NUM") : QString();
        break;
    case Key::ScrollLock:
        text = keys.scroll ? QStringLiteral("SCR") : QString();
        break;
    }
    if (text != QLabel::text())
        setText(text);
}

} // namespace velorin::widgets
