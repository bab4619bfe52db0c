#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace velorin::widgets {

// Picks one existing file. Execute shows the dialog modally; FileName then gives the
// chosen file's full path. Tests replace the dialog by a chooser of their own.
class TRzOpenDialog : public QObject
{
    Q_OBJECT
public:
    // Returns the chosen file's path, or an empty text when the user cancels.
    using Chooser = std::function<QString(const TRzOpenDialog& dialog)>;

    explicit TRzOpenDialog(QWidget* parent = nullptr);

    void setFilter(const QString& filter) { m_filter = filter; }
    QString filter() const { return m_filter; }
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

    // True when the user confirmed an existing file.
    bool Execute();
    QString FileName() const { return m_fileName; }

private:
    QString runFileDialog() const;

    QWidget* m_owner;
    QString m_filter;
    QString m_fileName;
    Chooser m_chooser;
};

} // namespace velorin::widgets
