#pragma once

#include "UpperPrefix.h"

#include <functional>
#include <optional>

namespace velorin::db {

class Table;

// A table's OnFilterRecord slot. The callback gets the table and an accept flag preset
// to true; `procedure` names the code behind it so that two hooks can be compared by
// procedure alone, whatever object they are bound to.
struct FilterRecordHook
{
    // A test the engine can run over a whole column without calling back per record: the
    // field's value passes when prefix.begins(value) holds.
    struct PrefixTest
    {
        int fieldIndex = -1;
        UpperPrefix prefix;
    };

    std::function<void(Table&, bool&)> callback;
    const void* procedure = nullptr;
    // Optional. Asked once at the start of every filter pass; an answer must accept exactly
    // the records the callback would accept in that pass, and then the callback is not
    // called. No answer (or no function) means the callback runs for each record.
    std::function<std::optional<PrefixTest>(const Table&)> prefixTest;

    explicit operator bool() const { return static_cast<bool>(callback); }
    bool sameProcedure(const FilterRecordHook& other) const
    {
        return procedure != nullptr && procedure == other.procedure;
    }
};

} // namespace velorin::db
