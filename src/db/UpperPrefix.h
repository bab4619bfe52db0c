#pragma once

#include "AnsiUpperCase.h"

#include <QString>
#include <QStringView>

namespace velorin::db {

// An upper-cased search text (ansiUpperCase) that values are tested against: a value
// passes when it is not empty and, upper-cased the same way, begins with the text. Search
// boxes and the engine's column scan share this one test so that both give the same answer.
class UpperPrefix
{
public:
    UpperPrefix() = default;
    explicit UpperPrefix(QString upper);

    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

    // Inline because a scan calls it once per record; most values differ in their first
    // character, so that one is tested before the full comparison.
    bool begins(QStringView value) const
    {
        const qsizetype n = m_text.size();
        if (value.isEmpty() || value.size() < n)
            return false;
        if (n == 0)
            return true;
        const char16_t c = value.front().unicode();
        if (ansiUpperChar(c) != m_first && !QChar::isHighSurrogate(c))
            return false;
        return ansiStartsWithUpper(value, m_text);
    }

private:
    QString m_text;
    char16_t m_first = 0;
};

} // namespace velorin::db
