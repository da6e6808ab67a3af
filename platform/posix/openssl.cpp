#include "platform/posix/openssl.h"

#include <dlfcn.h>

#include "base/error.h"

namespace veyra::platform::posix {
namespace {

// The library stays loaded for the life of the process: sessions may end at any time.
bool Resolve(void* library, OpenSsl& functions) {
  bool complete = true;
#define VEYRA_OPENSSL_RESOLVE(name)                                              \
  functions.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
  complete = complete && functions.name != nullptr;
  VEYRA_OPENSSL_FUNCTIONS(VEYRA_OPENSSL_RESOLVE)
#undef VEYRA_OPENSSL_RESOLVE
  return complete;
}

}  // namespace

std::shared_ptr<const OpenSsl> OpenSsl::Load(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) continue;
    auto functions = std::make_shared<OpenSsl>();
    if (Resolve(library, *functions)) return functions;
    dlclose(library);
  }
  throw Error("Could not load SSL library.");
}

const OpenSsl& OpenSsl::Get() {
  static const std::shared_ptr<const OpenSsl> loaded = Load({"libssl.so.3", "libssl.so"});
  return *loaded;
}

}  // namespace veyra::platform::posix
