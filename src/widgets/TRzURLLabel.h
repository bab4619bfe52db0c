#pragma once

#include <QColor>
#include <QLabel>

namespace velorin::widgets {

// A link label: its caption opens its link (or, without one, the caption itself) through
// the application's link opener. Drawn in the highlight colour until a link was opened
// successfully, then in the visited colour. Reached with Tab and opened with Enter or
// Space as well as with a click.
class TRzURLLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TRzURLLabel(const QString& caption = QString(), QWidget* parent = nullptr);

    void setURL(const QString& url) { m_url = url; }
    QString URL() const { return m_url; }
    // What is opened: the link, or the caption when there is no link.
    QString target() const { return m_url.isEmpty() ? text() : m_url; }

    bool isVisited() const { return m_visited; }
    QColor highlightColor() const { return m_highlight; }
    QColor visitedColor() const { return m_visitedColor; }
    QColor currentColor() const;

    // Opens the target; true when the opener took it.
    bool openLink();

Q_SIGNALS:
    void linkOpened(const QString& target);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyColor();

    QString m_url;
    QColor m_highlight;
    QColor m_visitedColor;
    bool m_visited = false;
    bool m_pressed = false;
};

} // namespace velorin::widgets
