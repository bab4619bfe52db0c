#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace velorin::widgets {

// Keeps a child's distances to all four edges of its parent, as they are when anchored,
// while the parent is resized. Owned by the child.
class TAnchors : public QObject
{
    Q_OBJECT
public:
    static TAnchors* anchorAll(QWidget* child);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TAnchors(QWidget* child);
    void apply();

    QPointer<QWidget> m_child;
    QMargins m_distances;
};

} // namespace velorin::widgets
