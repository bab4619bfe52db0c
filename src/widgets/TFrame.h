#pragma once

#include <QSize>
#include <QWidget>

namespace velorin::widgets {

// Base of every page hosted in a sheet of the main window. The host creates the page,
// parents it to its sheet, makes it fill the sheet and then calls Init once.
class TFrame : public QWidget
{
    Q_OBJECT
public:
    explicit TFrame(QWidget* parent = nullptr);

    // The page paints its own background from here on instead of showing its parent's.
    virtual void Init();

    // The size the page was laid out at; anchored children keep their distances from it.
    QSize designSize() const { return m_designSize; }

protected:
    void setDesignSize(int width, int height);

private:
    QSize m_designSize;
};

} // namespace velorin::widgets
