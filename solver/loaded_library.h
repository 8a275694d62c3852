// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A shared library loaded when first needed rather than linked, so that no
// start pays for it, and its functions looked up by name: a system library
// by its soname, a module of the program's own by its path. Either fails
// with MissingLibrary, which names the library. A library once loaded stays
// for the rest of the run.

#include "solver/missing_library.h"

#include <string>

namespace cramer {

class LoadedLibrary {
public:
    explicit LoadedLibrary(std::string name);

    // `function` set to the library's function `name`.
    template <typename Function> void resolve(Function*& function, const char* name) const
    {
        function = reinterpret_cast<Function*>(symbol(name));
    }

private:
    void* symbol(const char* name) const;

    std::string name_;
    void* handle_;
};

} // namespace cramer
