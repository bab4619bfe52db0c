#pragma once

#include <QListWidget>
#include <QStringList>

namespace velorin::widgets {

// A list box of text lines the user edits in place (F2, or a second click on the selected
// line) and, when allowed, removes the selected line from with the Delete key.
class TRzEditListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit TRzEditListBox(QWidget* parent = nullptr);

    void setAllowDeleteByKeyboard(bool allow) { m_allowDelete = allow; }
    bool allowDeleteByKeyboard() const { return m_allowDelete; }

    QStringList lines() const;
    void addLine(const QString& line);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_allowDelete = true;
};

} // namespace velorin::widgets
