#include "TFrame.h"

namespace velorin::widgets {

TFrame::TFrame(QWidget* parent) : QWidget(parent) {}

void TFrame::Init()
{
    setAutoFillBackground(true);
}

void TFrame::setDesignSize(int width, int height)
{
    m_designSize = QSize(width, height);
    resize(m_designSize);
}

} // namespace velorin::widgets
