#pragma once

#include "Exception.h"

namespace velorin {

// Raised for the mail sender's errors.
class EMapiError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace velorin
