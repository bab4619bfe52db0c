#pragma once

#include <QTime>
#include <QTimeEdit>
#include <QWidget>

namespace velorin::widgets {

// An analogue time picker: a clock face whose hands show the time, with a time box below
// it. A click on the face's inner part sets the hour, on its outer ring the minutes (in
// steps of five); the time box takes the time from the keyboard.
class TRzTimePicker : public QWidget
{
    Q_OBJECT
public:
    explicit TRzTimePicker(QWidget* parent = nullptr);

    QTime time() const { return m_time; }
    void setTime(const QTime& time);

    QTimeEdit* timeEdit() const { return m_edit; }
    // The clock face's square within the picker.
    QRect faceRect() const;

Q_SIGNALS:
    void timeChanged(const QTime& time);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTime m_time;
    QTimeEdit* m_edit;
};

} // namespace velorin::widgets
