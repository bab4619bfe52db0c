#pragma once

#include "DictdImporter.h"

#include <cstdint>
#include <vector>

namespace velorin::tools {

// Synthetic Spanish-looking headwords with English-looking translations, for benchmarks:
// the same count always gives the same entries, in alphabetical order.
class DictionaryGenerator
{
public:
    static std::vector<DictdImporter::Entry> generate(std::size_t count, std::uint64_t seed = 20261211);
};

} // namespace velorin::tools
