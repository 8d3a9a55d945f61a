#pragma once

#include "platform/registry/Registry.h"

#include <string>

namespace kavelreg {

// A short English explanation of a store answer; StoreError carries the store's own reason.
std::string ResultText(platform::RegResult result, const platform::RegistryStore& store);

} // namespace kavelreg
