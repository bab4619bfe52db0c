#pragma once

#include <functional>

namespace velorin::db {

class Table;

// A table's OnFilterRecord slot. The callback gets the table and an accept flag preset
// to true; `procedure` names the code behind it so that two hooks can be compared by
// procedure alone, whatever object they are bound to.
struct FilterRecordHook
{
    std::function<void(Table&, bool&)> callback;
    const void* procedure = nullptr;

    explicit operator bool() const { return static_cast<bool>(callback); }
    bool sameProcedure(const FilterRecordHook& other) const
    {
        return procedure != nullptr && procedure == other.procedure;
    }
};

} // namespace velorin::db
