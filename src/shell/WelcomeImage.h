#pragma once

#include <QPixmap>
#include <QWidget>

namespace velorin::shell {

// The Welcome sheet's picture, drawn stretched to the widget without keeping its proportions.
class WelcomeImage : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomeImage(QWidget* parent = nullptr);

    QSize pictureSize() const { return m_picture.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace velorin::shell
