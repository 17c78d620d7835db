// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace fw {

// Base of the framework's reference objects (Dictionary, MemoryBlock,
// FolderItem) so that a Variant can hold any of them and tell them apart.
class Object {
public:
    virtual ~Object() = default;
};

using ObjectPtr = std::shared_ptr<Object>;

} // namespace fw
