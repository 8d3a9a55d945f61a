#include "tools/kavelreg/ResultText.h"

namespace kavelreg {

std::string ResultText(platform::RegResult result, const platform::RegistryStore& store) {
  switch (result) {
    case platform::RegResult::Ok: return "done";
    case platform::RegResult::NotFound: return "not found";
    case platform::RegResult::AccessDenied: return "access denied (read-only store)";
    case platform::RegResult::HasSubkeys: return "the key has subkeys";
    case platform::RegResult::InvalidName: return "invalid key or value name";
    case platform::RegResult::StoreError: return "settings store error: " + store.LastError();
  }
  return "unknown error";
}

} // namespace kavelreg
