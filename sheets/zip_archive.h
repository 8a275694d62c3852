// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Members of a ZIP archive held in memory, as spreadsheet files are made.
// A member is unpacked only after its declared size has been weighed: one
// larger than a caller allows, or out of all proportion to its packed size
// (a ZIP bomb), is refused before a byte of it is unpacked, and no more than
// the declared size is ever unpacked. libzip itself is loaded with the first
// archive.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace cramer {

class ZipArchive {
public:
    enum class Problem {
        None,
        Damaged,
        Missing,
        Encrypted,
        OutOfProportion,
        Unavailable, // libzip (`library()`) could not be loaded
    };

    // The archive's directory; `problem()` says whether it could be read.
    explicit ZipArchive(std::string_view bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // The soname of libzip, as the program loads it.
    static std::string library();

    Problem problem() const { return problem_; }
    bool contains(const std::string& name) const;

    struct Member {
        std::string bytes;
        Problem problem = Problem::None;
    };
    // The member `name`, unpacked; refused when it would unpack to more
    // than `largest` bytes.
    Member read(const std::string& name, std::size_t largest) const;

private:
    std::string bytes_;
    zip* archive_ = nullptr;
    Problem problem_ = Problem::None;
};

// A ZIP archive made in memory from `members`, in their order; a member
// `stored` is kept unpacked (an ODS file's first member, its mimetype).
// Empty where libzip is missing or fails.
struct ZipMember {
    std::string name;
    std::string bytes;
    bool stored = false;
};
std::string packedZip(const std::vector<ZipMember>& members);

// Packed data unpacks to at most this many times its size, beyond the first
// megabyte: the XML of a sheet of numbers packs to about a tenth.
inline constexpr std::size_t kLargestUnpackRatio = 200;

} // namespace cramer
