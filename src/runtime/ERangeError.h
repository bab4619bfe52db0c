#pragma once

#include "Exception.h"

namespace velorin {

// Raised for an index outside the bounds of a table of values.
class ERangeError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace velorin
