// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/zip_archive.h"

#include <zip.h>

namespace cramer {

ZipArchive::ZipArchive(std::string_view bytes)
    : bytes_(bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
    if (source != nullptr) {
        archive_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (archive_ == nullptr)
            zip_source_free(source);
    }
    zip_error_fini(&error);
    if (archive_ == nullptr)
        problem_ = Problem::Damaged;
}

ZipArchive::~ZipArchive()
{
    if (archive_ != nullptr)
        zip_discard(archive_);
}

bool ZipArchive::contains(const std::string& name) const
{
    return archive_ != nullptr && zip_name_locate(archive_, name.c_str(), 0) >= 0;
}

ZipArchive::Member ZipArchive::read(const std::string& name, std::size_t largest) const
{
    if (archive_ == nullptr)
        return { {}, problem_ };
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive_, name.c_str(), 0, &stat) != 0)
        return { {}, Problem::Missing };
    constexpr zip_uint64_t kNeeded = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_ENCRYPTION_METHOD;
    if ((stat.valid & kNeeded) != kNeeded)
        return { {}, Problem::Damaged };
    if (stat.encryption_method != ZIP_EM_NONE)
        return { {}, Problem::Encrypted };
    constexpr zip_uint64_t kMegabyte = 1024 * 1024;
    if (stat.size > largest || (stat.size > kMegabyte && stat.size / kLargestUnpackRatio > stat.comp_size))
        return { {}, Problem::OutOfProportion };

    zip_file_t* file = zip_fopen(archive_, name.c_str(), 0);
    if (file == nullptr)
        return { {}, Problem::Damaged };
    // One byte more than declared tells a member that lies about its size.
    std::string content(static_cast<std::size_t>(stat.size) + 1, '\0');
    std::size_t filled = 0;
    zip_int64_t count = 0;
    while (filled < content.size()
        && (count = zip_fread(file, content.data() + filled, content.size() - filled)) > 0)
        filled += static_cast<std::size_t>(count);
    const bool failed = count < 0; // a damaged stream or a wrong checksum
    zip_fclose(file);
    if (failed || filled != stat.size)
        return { {}, Problem::Damaged };
    content.resize(filled);
    return { std::move(content), Problem::None };
}

} // namespace cramer
