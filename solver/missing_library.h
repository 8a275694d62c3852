// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A shared library the program loads when first needed (GMP and MPFR for
// exact values, libzip for workbooks) that a broken installation lacks.

#include <stdexcept>
#include <string>

namespace cramer {

class MissingLibrary : public std::runtime_error {
public:
    MissingLibrary(std::string soname, const std::string& reason)
        : std::runtime_error(reason)
        , soname_(std::move(soname))
    {
    }
    // "libgmp.so.10"
    const std::string& soname() const { return soname_; }

private:
    std::string soname_;
};

// The Debian package a library of that soname comes in, by Debian's naming
// rule: "libgmp.so.10" in libgmp10, "libfoo2.so.1" in libfoo2-1.
inline std::string debianPackageOf(const std::string& soname)
{
    const std::size_t so = soname.find(".so.");
    if (so == std::string::npos)
        return soname;
    const std::string name = soname.substr(0, so);
    const bool endsInDigit = !name.empty() && name.back() >= '0' && name.back() <= '9';
    return name + (endsInDigit ? "-" : "") + soname.substr(so + 4);
}

} // namespace cramer
