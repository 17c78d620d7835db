// SPDX-License-Identifier: GPL-3.0-or-later
// Property blocks against every class's table: the first byte picks the
// table, the rest is the block. A block that decodes must encode back to the
// same bytes, since each id occurs once and values have fixed forms.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "framework/core/propertyblock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto tables = fw::AllPropertyTables();
    const fw::PropertyTable& table = *tables[data[0] % tables.size()];
    const std::span<const std::uint8_t> block(data + 1, size - 1);
    const fw::DecodedBlock decoded = fw::DecodeBlock(block, table);
    if (decoded.error)
        return 0;
    const std::vector<std::uint8_t> again = fw::EncodeBlock(decoded.records, table);
    if (!std::equal(again.begin(), again.end(), block.begin(), block.end()))
        std::abort();
    return 0;
}
