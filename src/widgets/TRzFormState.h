#pragma once

#include <QPoint>
#include <QString>

class QSettings;
class QWidget;

namespace velorin::widgets {

// Keeps a fixed-size window's placement in a settings section: "Left", "Top" (its normal
// position), "Maximized" and "Saved".
class TRzFormState
{
public:
    explicit TRzFormState(QString section) : m_section(std::move(section)) {}

    const QString& section() const { return m_section; }
    void save(QSettings& store, const QWidget& window) const;
    // Whether a placement was saved before.
    bool wasSaved(QSettings& store) const;
    // Applies the stored placement; a position whose top-left corner lies on no monitor
    // puts the window at the top-left corner of the primary screen instead.
    void restore(QSettings& store, QWidget& window) const;

private:
    QString m_section;
};

} // namespace velorin::widgets
