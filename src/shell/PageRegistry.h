#pragma once

#include "TFrame.h"
#include "WidgetFormHost.h"

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

namespace velorin::shell {

// How the main window reaches the pages without knowing their classes: the application
// registers one factory per page class name ("TFmeCustomFraming", ...) and one for the
// widgets window.
class PageRegistry
{
public:
    using PageFactory = std::function<std::unique_ptr<widgets::TFrame>()>;
    using WidgetFormFactory = std::function<std::unique_ptr<QWidget>(widgets::WidgetFormHost& host)>;

    void addPage(const QString& pageClass, PageFactory factory)
    {
        m_pages.insert(pageClass, std::move(factory));
    }
    bool hasPage(const QString& pageClass) const { return m_pages.contains(pageClass); }
    // A new page of that class; nullptr when no factory is registered. A failing
    // constructor's exception passes through.
    std::unique_ptr<widgets::TFrame> createPage(const QString& pageClass) const
    {
        const auto it = m_pages.constFind(pageClass);
        return it == m_pages.constEnd() ? nullptr : (*it)();
    }

    void setWidgetFormFactory(WidgetFormFactory factory) { m_widgetForm = std::move(factory); }
    std::unique_ptr<QWidget> createWidgetForm(widgets::WidgetFormHost& host) const
    {
        return m_widgetForm ? m_widgetForm(host) : nullptr;
    }

private:
    QHash<QString, PageFactory> m_pages;
    WidgetFormFactory m_widgetForm;
};

} // namespace velorin::shell
