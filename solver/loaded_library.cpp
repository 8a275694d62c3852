// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/loaded_library.h"

#include <dlfcn.h>

#include <string>
#include <utility>

namespace cramer {

LoadedLibrary::LoadedLibrary(std::string name)
    : name_(std::move(name))
    , handle_(::dlopen(name_.c_str(), RTLD_NOW | RTLD_LOCAL))
{
    if (handle_ == nullptr)
        throw MissingLibrary(name_, ::dlerror());
}

void* LoadedLibrary::symbol(const char* name) const
{
    void* found = ::dlsym(handle_, name);
    if (found == nullptr)
        throw MissingLibrary(name_, name_ + " has no " + name);
    return found;
}

} // namespace cramer
