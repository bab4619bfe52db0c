#pragma once

#include <QString>

namespace velorin::app {

// The single-instance marker: an exclusive lock on a file named after the marker in the
// user's runtime folder. The kernel releases the lock when the process ends in any way,
// a crash or SIGKILL included, so a stale marker never blocks the next start.
class InstanceMarker
{
public:
    explicit InstanceMarker(const QString& name);
    ~InstanceMarker();
    InstanceMarker(const InstanceMarker&) = delete;
    InstanceMarker& operator=(const InstanceMarker&) = delete;

    // True when another process holds the marker. A marker that cannot be made at all
    // counts as a first instance.
    bool alreadyExists() const { return m_alreadyExists; }
    const QString& path() const { return m_path; }

    static QString markerPath(const QString& name);

private:
    QString m_path;
    int m_fd = -1;
    bool m_alreadyExists = false;
};

} // namespace velorin::app
