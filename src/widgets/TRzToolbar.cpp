#include "TRzToolbar.h"

#include <QHBoxLayout>
#include <QSettings>
#include <algorithm>

namespace velorin::widgets {

namespace {
const QString hiddenMark = QStringLiteral("##");
}

TRzToolbar::TRzToolbar(QWidget* parent) : QFrame(parent), m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
}

void TRzToolbar::addControl(QWidget* control)
{
    control->setParent(this);
    m_controls.push_back(control);
    relayout();
}

QWidget* TRzToolbar::addSpacer(const QString& name, int width)
{
    auto* spacer = new QWidget(this);
    spacer->setObjectName(name);
    spacer->setFixedWidth(width);
    addControl(spacer);
    return spacer;
}

void TRzToolbar::relayout()
{
    while (m_layout->count() > 0)
        delete m_layout->takeAt(0);
    for (QWidget* control : m_controls)
        m_layout->addWidget(control);
    m_layout->addStretch(1);
}

void TRzToolbar::saveLayout(QSettings& store, const QString& section) const
{
    store.beginGroup(section);
    store.setValue(QStringLiteral("TextOptions"), m_textOptions);
    store.setValue(QStringLiteral("Count"), controlCount());
    for (int i = 0; i < controlCount(); ++i) {
        const QWidget* control = m_controls[size_t(i)];
        const QString name = control->isHidden() ? hiddenMark + control->objectName() : control->objectName();
        store.setValue(QStringLiteral("Control%1").arg(i), name);
    }
    store.endGroup();
}

void TRzToolbar::restoreLayout(QSettings& store, const QString& section)
{
    store.beginGroup(section);
    bool ok = false;
    const int textOptions = store.value(QStringLiteral("TextOptions")).toInt(&ok);
    if (ok)
        m_textOptions = textOptions;
    const int count = store.value(QStringLiteral("Count")).toInt(&ok);
    if (ok && count == controlCount()) {
        for (int position = 0; position < count; ++position) {
            QString name = store.value(QStringLiteral("Control%1").arg(position)).toString();
            const bool hidden = name.startsWith(hiddenMark);
            if (hidden)
                name = name.mid(hiddenMark.size());
            const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                         [&](const QWidget* c) { return c->objectName() == name; });
            if (it == m_controls.end())
                continue;
            QWidget* control = *it;
            m_controls.erase(it);
            m_controls.insert(
                m_controls.begin() + std::min<qsizetype>(position, qsizetype(m_controls.size())), control);
            control->setHidden(hidden);
        }
        relayout();
    }
    store.endGroup();
}

} // namespace velorin::widgets
