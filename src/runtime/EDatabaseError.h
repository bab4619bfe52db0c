#pragma once

#include "Exception.h"

namespace velorin {

// Raised for the table engine's errors: aliases, table files, fields, record states, storage.
class EDatabaseError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace velorin
