// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The process-wide preferences store: one dictionary from text keys to typed
// values, loaded from the preferences file on first use, changed in memory
// and written whole by Save.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "framework/core/appversion.h"
#include "framework/core/date.h"
#include "framework/core/dictionary.h"
#include "framework/core/folderitem.h"
#include "framework/core/variant.h"

namespace BPrefs {

// Each loads the store first when it is not loaded yet. A missing or
// unreadable file gives an empty store.
bool HasKey(const fw::Variant& key);
// The value under the key. An object, a Date among them, is the one the
// store holds, not a copy: a change to it is a change of the store. Throws
// fw::KeyNotFoundException for a key the store does not hold, so readers
// test HasKey first.
fw::Variant Value(const fw::Variant& key);
// In memory only, until the next Save. An object is stored itself.
void SetValue(const fw::Variant& key, fw::Variant value);

// Writes the whole store, with "app_vers" set to the running version, to the
// preferences file. The old file is replaced only once the new one is
// complete; false (and the old file as it was) when the store cannot be
// serialised or the file cannot be written. When the file read at load time
// did not load whole, its bytes are first kept in "com.tarcyc Prefs.damaged"
// (or, when that is taken, the same name with " 2", " 3"... after it: no kept
// copy is ever replaced), once; a save that cannot keep them does not
// replace the file. A file of over 16 MB is not read at all; the save moves
// it to such a name. A save
// that would write what the last save of this run wrote, to a file that
// still holds it, writes nothing and succeeds.
bool Save();

// What the last Save did.
struct SaveOutcome {
    bool saved = false;
    std::string reason;            // why the file was not written
    fw::FolderItemPtr damagedCopy; // the copy of an unreadable file this save kept
    bool laterVersion = false;     // that file was a later version's, read in full
};
const SaveOutcome& LastSave();

// Loads the store when it is not loaded yet, first removing temporary files
// of earlier saves that were killed before they finished (never those of a
// save that another running instance is making).
void InitPrefs();
// "com.tarcyc Prefs" in the preferences folder, whether or not it exists.
fw::FolderItemPtr PrefsFile();
// The running version packed into one number; the arithmetic wraps in 32
// bits, so a part wider than its field carries into the next one.
std::int32_t AppVersionCode();
std::int32_t AppVersionCode(const fw::AppVersionParts& parts);
// The 67-byte key text of the file's cipher, the same on every call.
std::string GenerateKey();

// The store of a file's bytes (an empty store for a bad header or a body
// without a dictionary record), and whether it holds all the file held:
// false for a bad header, a later format version, and a body the store would
// not write back byte for byte (damaged, cut short, or with records this
// version drops).
std::pair<fw::DictionaryPtr, bool> LoadPrefsData(std::string_view file);
// The file's bytes for a store; nothing when the store cannot be serialised.
std::optional<std::string> PrefsData(const fw::DictionaryPtr& store);

} // namespace BPrefs
