#include "TRzOpenDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace velorin::widgets {

TRzOpenDialog::TRzOpenDialog(QWidget* parent)
    : QObject(parent), m_owner(parent), m_filter(QStringLiteral("All Files (*)"))
{
}

bool TRzOpenDialog::Execute()
{
    const QString chosen = m_chooser ? m_chooser(*this) : runFileDialog();
    if (chosen.isEmpty())
        return false;
    const QFileInfo info(chosen);
    // The file must exist, as must its folder.
    if (!info.exists() || !info.isFile())
        return false;
    m_fileName = info.absoluteFilePath();
    return true;
}

QString TRzOpenDialog::runFileDialog() const
{
    QFileDialog dialog(m_owner);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(m_filter);
    dialog.setFilter(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (!m_fileName.isEmpty())
        dialog.selectFile(m_fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace velorin::widgets
