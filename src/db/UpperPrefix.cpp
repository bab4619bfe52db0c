#include "UpperPrefix.h"

namespace velorin::db {

UpperPrefix::UpperPrefix(QString upper)
    : m_text(std::move(upper)), m_first(m_text.isEmpty() ? char16_t(0) : m_text.front().unicode())
{
}

} // namespace velorin::db
