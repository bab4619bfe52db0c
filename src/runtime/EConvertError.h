#pragma once

#include "Exception.h"

namespace velorin {

// Raised for a text that is no valid number or date.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace velorin
