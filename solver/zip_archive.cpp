// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/zip_archive.h"

#include <dlfcn.h>
#include <zip.h>

#include <type_traits>

namespace cramer {
namespace {

// libzip is loaded when the first archive is opened, not at every start:
// with the cryptography it links it would cost each start memory and time,
// and most starts open no spreadsheet.
struct Libzip {
    decltype(&zip_error_init) error_init = nullptr;
    decltype(&zip_error_fini) error_fini = nullptr;
    decltype(&zip_source_buffer_create) source_buffer_create = nullptr;
    decltype(&zip_source_free) source_free = nullptr;
    decltype(&zip_open_from_source) open_from_source = nullptr;
    decltype(&zip_discard) discard = nullptr;
    decltype(&zip_name_locate) name_locate = nullptr;
    decltype(&zip_stat_init) stat_init = nullptr;
    decltype(&zip_stat) stat = nullptr;
    decltype(&zip_fopen) fopen = nullptr;
    decltype(&zip_fread) fread = nullptr;
    decltype(&zip_fclose) fclose = nullptr;
    std::string failure; // why it could not be loaded

    bool loaded() const { return failure.empty(); }
};

const Libzip& libzip()
{
    static const Libzip library = [] {
        Libzip zip;
        void* handle = ::dlopen(CRAMER_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            zip.failure = ::dlerror();
            return zip;
        }
        auto resolve = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(handle, name));
            if (function == nullptr && zip.failure.empty())
                zip.failure = std::string(CRAMER_LIBZIP_SONAME ": no ") + name;
        };
        resolve(zip.error_init, "zip_error_init");
        resolve(zip.error_fini, "zip_error_fini");
        resolve(zip.source_buffer_create, "zip_source_buffer_create");
        resolve(zip.source_free, "zip_source_free");
        resolve(zip.open_from_source, "zip_open_from_source");
        resolve(zip.discard, "zip_discard");
        resolve(zip.name_locate, "zip_name_locate");
        resolve(zip.stat_init, "zip_stat_init");
        resolve(zip.stat, "zip_stat");
        resolve(zip.fopen, "zip_fopen");
        resolve(zip.fread, "zip_fread");
        resolve(zip.fclose, "zip_fclose");
        return zip;
    }();
    return library;
}

} // namespace

ZipArchive::ZipArchive(std::string_view bytes)
    : bytes_(bytes)
{
    const Libzip& zip = libzip();
    if (!zip.loaded()) {
        problem_ = Problem::Unavailable;
        failure_ = zip.failure;
        return;
    }
    zip_error_t error;
    zip.error_init(&error);
    zip_source_t* source = zip.source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
    if (source != nullptr) {
        archive_ = zip.open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (archive_ == nullptr)
            zip.source_free(source);
    }
    zip.error_fini(&error);
    if (archive_ == nullptr)
        problem_ = Problem::Damaged;
}

ZipArchive::~ZipArchive()
{
    if (archive_ != nullptr)
        libzip().discard(archive_);
}

bool ZipArchive::contains(const std::string& name) const
{
    return archive_ != nullptr && libzip().name_locate(archive_, name.c_str(), 0) >= 0;
}

ZipArchive::Member ZipArchive::read(const std::string& name, std::size_t largest) const
{
    if (archive_ == nullptr)
        return { {}, problem_ };
    const Libzip& zip = libzip();
    zip_stat_t stat;
    zip.stat_init(&stat);
    if (zip.stat(archive_, name.c_str(), 0, &stat) != 0)
        return { {}, Problem::Missing };
    constexpr zip_uint64_t kNeeded = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_ENCRYPTION_METHOD;
    if ((stat.valid & kNeeded) != kNeeded)
        return { {}, Problem::Damaged };
    if (stat.encryption_method != ZIP_EM_NONE)
        return { {}, Problem::Encrypted };
    constexpr zip_uint64_t kMegabyte = 1024 * 1024;
    if (stat.size > largest || (stat.size > kMegabyte && stat.size / kLargestUnpackRatio > stat.comp_size))
        return { {}, Problem::OutOfProportion };

    zip_file_t* file = zip.fopen(archive_, name.c_str(), 0);
    if (file == nullptr)
        return { {}, Problem::Damaged };
    // One byte more than declared tells a member that lies about its size.
    std::string content(static_cast<std::size_t>(stat.size) + 1, '\0');
    std::size_t filled = 0;
    zip_int64_t count = 0;
    while (filled < content.size()
        && (count = zip.fread(file, content.data() + filled, content.size() - filled)) > 0)
        filled += static_cast<std::size_t>(count);
    const bool failed = count < 0; // a damaged stream or a wrong checksum
    zip.fclose(file);
    if (failed || filled != stat.size)
        return { {}, Problem::Damaged };
    content.resize(filled);
    return { std::move(content), Problem::None };
}

} // namespace cramer
