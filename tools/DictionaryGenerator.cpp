#include "DictionaryGenerator.h"

#include <QStringList>
#include <algorithm>

namespace velorin::tools {

namespace {

// xorshift64*: small, fast and the same on every platform.
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed ? seed : 1) {}
    std::uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 2685821657736338717ULL;
    }
    int below(int n) { return int(next() % std::uint64_t(n)); }

private:
    std::uint64_t m_state;
};

const QStringList& onsets()
{
    static const QStringList list{"b",  "c",  "d",  "f",  "g", "j", "l",  "m",  "n",  "ñ",
                                  "p",  "r",  "s",  "t",  "v", "z", "ch", "ll", "rr", "qu",
                                  "br", "tr", "pl", "gr", "c", "s", "m",  "t"};
    return list;
}

const QStringList& vowels()
{
    static const QStringList list{"a", "e",  "i",  "o", "u", "a", "e", "o",
                                  "a", "ia", "ue", "á", "é", "í", "ó", "ú"};
    return list;
}

const QStringList& codas()
{
    static const QStringList list{"", "", "", "", "n", "s", "r", "l", "z", "d"};
    return list;
}

const QStringList& englishWords()
{
    static const QStringList list{
        "house",   "home",    "dwelling",   "to walk",  "to run",   "quickly",  "table",  "chair",
        "window",  "door",    "river",      "mountain", "small",    "large",    "bright", "dark",
        "water",   "fire",    "bread",      "wine",     "friend",   "enemy",    "city",   "village",
        "road",    "bridge",  "to speak",   "to write", "book",     "letter",   "summer", "winter",
        "morning", "evening", "heart",      "mind",     "strength", "weakness", "gift",   "price",
        "café",    "naïve",   "to believe", "to sell",  "to buy",   "light",    "heavy",  "warm",
        "cold",    "green"};
    return list;
}

QString headword(Random& random)
{
    QString word;
    const int syllables = 1 + random.below(4);
    for (int s = 0; s < syllables; ++s) {
        if (s > 0 || random.below(5) != 0)
            word += onsets()[random.below(int(onsets().size()))];
        word += vowels()[random.below(int(vowels().size()))];
        if (s + 1 == syllables || random.below(4) == 0)
            word += codas()[random.below(int(codas().size()))];
    }
    if (random.below(20) == 0)
        word += QStringLiteral(" de ") + headword(random);
    return word;
}

QString translation(Random& random)
{
    const int senses = 1 + (random.below(3) == 0 ? random.below(3) : 0);
    QStringList lines;
    for (int s = 0; s < senses; ++s) {
        QStringList words;
        const int count = 1 + random.below(4);
        for (int w = 0; w < count; ++w)
            words << englishWords()[random.below(int(englishWords().size()))];
        lines << words.join(QStringLiteral(", "));
    }
    if (lines.size() == 1)
        return lines.front();
    for (int i = 0; i < lines.size(); ++i)
        lines[i] = QStringLiteral("%1. %2").arg(i + 1).arg(lines[i]);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::vector<DictdImporter::Entry> DictionaryGenerator::generate(std::size_t count, std::uint64_t seed)
{
    Random random(seed);
    std::vector<DictdImporter::Entry> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        QString word = headword(random);
        QString text = translation(random);
        entries.push_back({std::move(word), std::move(text)});
    }
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const DictdImporter::Entry& a, const DictdImporter::Entry& b) { return a.headword < b.headword; });
    return entries;
}

} // namespace velorin::tools
