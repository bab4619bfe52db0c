#pragma once

#include <QFrame>
#include <QString>
#include <vector>

class QHBoxLayout;
class QSettings;

namespace velorin::widgets {

// A toolbar of named controls whose order, visibility and text option are kept in a
// settings section: "TextOptions", "Count" and "Control<i>" (the name of the control at
// position i, with "##" in front when it is hidden).
class TRzToolbar : public QFrame
{
    Q_OBJECT
public:
    enum TextOptions
    {
        ttoNoTextLabels = 0,
        ttoShowTextLabels = 1,
        ttoPlainTextLabels = 2,
        ttoSelectiveTextOnRight = 3
    };

    explicit TRzToolbar(QWidget* parent = nullptr);

    // Appends a control; its objectName is what the layout stores.
    void addControl(QWidget* control);
    // A fixed gap of `width` pixels, a control of its own.
    QWidget* addSpacer(const QString& name, int width = 4);
    const std::vector<QWidget*>& controls() const { return m_controls; }
    int controlCount() const { return int(m_controls.size()); }

    int textOptions() const { return m_textOptions; }
    void setTextOptions(int options) { m_textOptions = options; }

    // Writes the section; the caller syncs the store and checks its status.
    void saveLayout(QSettings& store, const QString& section) const;
    // Reads the section. A "Count" that differs from controlCount() makes the stored order
    // and visibility ignored as a whole; "TextOptions" is applied whenever present.
    void restoreLayout(QSettings& store, const QString& section);

private:
    void relayout();

    QHBoxLayout* m_layout;
    std::vector<QWidget*> m_controls;
    int m_textOptions = ttoSelectiveTextOnRight;
};

} // namespace velorin::widgets
