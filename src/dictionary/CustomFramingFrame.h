#pragma once

#include "LookupFrame.h"

class QLabel;

namespace velorin::dictionary {

// The Spanish-to-English lookup page.
class TFmeCustomFraming : public TLookupFrame
{
    Q_OBJECT
public:
    // Opens the table esptoeng.db of the alias espanol: a missing alias, table or bound
    // field makes the construction fail.
    explicit TFmeCustomFraming(QWidget* parent = nullptr);

    // The Reset button: empties the search box and shows every record at once.
    void RzBitBtn1Click();

    QLabel* Label1 = nullptr;
    widgets::TDBMemo* memoUnderLabel = nullptr; // the black box under the label
    widgets::TDBMemo* memoBelow = nullptr;      // below the visible area when hosted
    widgets::TDBMemo* DBMemo3 = nullptr;
};

} // namespace velorin::dictionary
