#pragma once

#include <QString>

namespace velorin::widgets {

// One column of a data grid: the field it shows and its title (the field's name when empty).
struct TDBGridColumn
{
    QString fieldName;
    QString title;
};

} // namespace velorin::widgets
