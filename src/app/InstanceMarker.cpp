#include "InstanceMarker.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace velorin::app {

QString InstanceMarker::markerPath(const QString& name)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
        return QString::fromLocal8Bit(runtime) + QLatin1Char('/') + name;
    return QStringLiteral("/tmp/%1-%2").arg(name).arg(getuid());
}

InstanceMarker::InstanceMarker(const QString& name) : m_path(markerPath(name))
{
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        m_alreadyExists = errno == EWOULDBLOCK;
}

InstanceMarker::~InstanceMarker()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace velorin::app
