#pragma once

#include "DataSource.h"
#include "Table.h"
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QToolButton;

namespace velorin::widgets {

// A row of buttons that move through and edit the records of a data source's table.
// Moving buttons follow the cursor (first and prior are disabled at the beginning, next
// and last at the end); every button is disabled while the table is closed.
class TDBNavigator : public QWidget
{
    Q_OBJECT
public:
    enum NavigateButton
    {
        nbFirst,
        nbPrior,
        nbNext,
        nbLast,
        nbInsert,
        nbDelete,
        nbEdit,
        nbPost,
        nbCancel,
        nbRefresh
    };
    Q_ENUM(NavigateButton)
    static constexpr int kButtonCount = nbRefresh + 1;

    explicit TDBNavigator(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const { return m_source; }

    // The buttons shown, in the fixed order above.
    void setVisibleButtons(const std::vector<NavigateButton>& buttons);
    std::vector<NavigateButton> visibleButtons() const;

    // One hint per button in the fixed order (all ten); an empty text keeps the default.
    void setHints(const QStringList& hints);
    QString hint(NavigateButton button) const;

    void setConfirmDelete(bool confirm) { m_confirmDelete = confirm; }
    bool confirmDelete() const { return m_confirmDelete; }
    // Asks whether to delete; the default asks "Delete record?" in a message box.
    void setDeleteConfirmation(std::function<bool()> ask) { m_askDelete = std::move(ask); }

    QToolButton* button(NavigateButton button) const { return m_buttons[std::size_t(button)]; }

    // Does what the button does, as a click on it would.
    void BtnClick(NavigateButton button);

Q_SIGNALS:
    // Before the button's action runs.
    void beforeAction(velorin::widgets::TDBNavigator::NavigateButton button);
    // After the button's action ran (also when a delete was not confirmed).
    void clicked(velorin::widgets::TDBNavigator::NavigateButton button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    db::Table* table() const;
    void updateButtons();
    void layoutButtons();

    QPointer<db::DataSource> m_source;
    std::array<QToolButton*, kButtonCount> m_buttons{};
    std::array<bool, kButtonCount> m_visible{};
    bool m_confirmDelete = true;
    std::function<bool()> m_askDelete;
};

} // namespace velorin::widgets
