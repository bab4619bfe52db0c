#pragma once

#include <QProxyStyle>

namespace velorin::widgets {

// The look of every hint window of the application: rectangular, colour 11855600 with text
// in 7879740, Verdana 8 pt, shown after a 500 ms pause.
class TRzBalloonHints : public QProxyStyle
{
    Q_OBJECT
public:
    // Puts the look on the application; a second call changes nothing.
    static void install();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    TRzBalloonHints();
};

} // namespace velorin::widgets
