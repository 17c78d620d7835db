// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences file's whole load path (header, cipher, dictionary record)
// and the dictionary reader alone. Whatever is read must write again, and the
// written form must read back to itself, whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "prefs/bdictionary.h"
#include "prefs/bprefs.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void roundTrip(const fw::DictionaryPtr& read)
{
    const fw::MemoryBlockPtr once = BDictionary::Convert(read);
    check(once != nullptr);
    const fw::DictionaryPtr back = BDictionary::Convert(once);
    check(back != nullptr && back->Count() == read->Count());
    const fw::MemoryBlockPtr twice = BDictionary::Convert(back);
    check(twice != nullptr && *twice == *once);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const fw::DictionaryPtr store = BPrefs::LoadPrefsData(bytes).first;
    check(store != nullptr);
    roundTrip(store);
    const auto file = BPrefs::PrefsData(store);
    check(file.has_value());
    // Whatever the program writes it reads back whole.
    const auto [reread, whole] = BPrefs::LoadPrefsData(*file);
    check(whole && reread->Count() == store->Count());

    const auto block = std::make_shared<fw::MemoryBlock>(fw::MemoryBlock::FromString(bytes));
    if (const fw::DictionaryPtr plain = BDictionary::Convert(block))
        roundTrip(plain);
    return 0;
}
