#pragma once

#include <QLabel>

namespace velorin::widgets {

// A label whose text can be drawn raised: a light copy one pixel up and left of the text.
class TRzLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TRzLabel(const QString& caption, QWidget* parent = nullptr);

    void setRaised(bool on);
    bool raised() const { return m_raised; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_raised = false;
};

} // namespace velorin::widgets
