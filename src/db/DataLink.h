#pragma once

namespace velorin::db {

class DataSource;

// What a data-aware control registers with its DataSource. The table calls bindFields
// while it opens (after the records are loaded, before it reports itself active): a
// control that names a missing field throws EDatabaseError "<control>: Field '<name>'
// not found" there, and the opening fails and the table stays closed.
class DataLink
{
public:
    virtual ~DataLink() = default;
    virtual void bindFields() {}
    // Called after the table closed (and after a failed opening) so controls drop their fields.
    virtual void unbindFields() {}
};

} // namespace velorin::db
