#pragma once

#include <QButtonGroup>
#include <QColor>
#include <QFrame>
#include <QPointer>
#include <QToolButton>
#include <functional>

namespace velorin::widgets {

// A colour picker: an entry for no colour, a grid of standard colours, the system colours
// of the palette, an entry for the default colour and one that asks for a custom colour.
// Every entry is a button, so it is reached with Tab and the arrow keys and read out by
// its name.
class TRzColorPicker : public QFrame
{
    Q_OBJECT
public:
    // Asks the user for a custom colour, starting from the given one; an invalid colour
    // when the user cancels.
    using CustomColorChooser = std::function<QColor(const QColor& initial, QWidget* parent)>;

    explicit TRzColorPicker(QWidget* parent = nullptr);

    // The chosen colour; invalid when "No Color" is chosen.
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QColor defaultColor() const { return m_defaultColor; }
    void setDefaultColor(const QColor& color) { m_defaultColor = color; }

    void setCustomColorChooser(CustomColorChooser chooser) { m_chooser = std::move(chooser); }

    // The entry buttons, in the order they are shown, for assistive tools and tests.
    QList<QToolButton*> entries() const;

Q_SIGNALS:
    void colorChanged(const QColor& color);

private:
    QToolButton* addSwatch(const QColor& color, const QString& name, QWidget* parent);
    QToolButton* addTextEntry(const QString& objectName, const QString& caption);
    void choose(const QColor& color);
    void chooseCustom();

    QColor m_color;
    QColor m_defaultColor;
    CustomColorChooser m_chooser;
    QButtonGroup* m_group;
    QList<QToolButton*> m_entries;
};

} // namespace velorin::widgets
