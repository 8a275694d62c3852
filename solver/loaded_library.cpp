// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/loaded_library.h"

#include <dlfcn.h>

#include <string>

namespace cramer {

LoadedLibrary::LoadedLibrary(const char* soname)
    : soname_(soname)
    , handle_(::dlopen(soname, RTLD_NOW | RTLD_LOCAL))
{
    if (handle_ == nullptr)
        throw MissingLibrary(soname, ::dlerror());
}

void* LoadedLibrary::symbol(const char* name) const
{
    void* found = ::dlsym(handle_, name);
    if (found == nullptr)
        throw MissingLibrary(soname_, std::string(soname_) + " has no " + name);
    return found;
}

} // namespace cramer
