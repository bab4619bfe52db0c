#pragma once

#include "LookupFrame.h"

class QLabel;

namespace velorin::dictionary {

// The English-to-Spanish lookup page. Its Reset button has no handler.
class TFmeEdits : public TLookupFrame
{
    Q_OBJECT
public:
    // Opens the table engtoesp.db of the alias espanol: a missing alias, table or bound
    // field makes the construction fail.
    explicit TFmeEdits(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    widgets::TDBMemo* DBMemo1 = nullptr;
    widgets::TDBMemo* DBMemo2 = nullptr;
};

} // namespace velorin::dictionary
