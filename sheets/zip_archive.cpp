// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/zip_archive.h"

#include "solver/loaded_library.h"
#include <zip.h>

namespace cramer {
namespace {

// libzip is loaded when the first archive is opened, not at every start:
// with the cryptography it links it would cost each start memory and time,
// and most starts open no spreadsheet. These are the functions used, each
// resolved under its own name.
#define CRAMER_LIBZIP_FUNCTIONS(use)                                                                         \
    use(zip_error_init) use(zip_error_fini) use(zip_source_buffer_create) use(zip_source_free)               \
        use(zip_open_from_source) use(zip_discard) use(zip_name_locate) use(zip_stat_init) use(zip_stat)     \
            use(zip_fopen) use(zip_fread) use(zip_fclose) use(zip_source_keep) use(zip_source_buffer)        \
                use(zip_file_add) use(zip_set_file_compression) use(zip_close) use(zip_source_open)          \
                    use(zip_source_read) use(zip_source_seek) use(zip_source_tell) use(zip_source_close)

struct Libzip {
#define CRAMER_DECLARE(name) decltype(&::name) name = nullptr;
    CRAMER_LIBZIP_FUNCTIONS(CRAMER_DECLARE)
#undef CRAMER_DECLARE
    bool loaded = false;
};

const Libzip& libzip()
{
    static const Libzip library = [] {
        Libzip zip;
        try {
            const LoadedLibrary handle(CRAMER_LIBZIP_SONAME);
#define CRAMER_RESOLVE(name) handle.resolve(zip.name, #name);
            CRAMER_LIBZIP_FUNCTIONS(CRAMER_RESOLVE)
#undef CRAMER_RESOLVE
            zip.loaded = true;
        } catch (const MissingLibrary&) {
            // Said where an archive is opened: the workbook cannot be read.
        }
        return zip;
    }();
    return library;
}

#undef CRAMER_LIBZIP_FUNCTIONS

} // namespace

std::string ZipArchive::library() { return CRAMER_LIBZIP_SONAME; }

ZipArchive::ZipArchive(std::string_view bytes)
    : bytes_(bytes)
{
    const Libzip& zip = libzip();
    if (!zip.loaded) {
        problem_ = Problem::Unavailable;
        return;
    }
    zip_error_t error;
    zip.zip_error_init(&error);
    zip_source_t* source = zip.zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
    if (source != nullptr) {
        archive_ = zip.zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (archive_ == nullptr)
            zip.zip_source_free(source);
    }
    zip.zip_error_fini(&error);
    if (archive_ == nullptr)
        problem_ = Problem::Damaged;
}

ZipArchive::~ZipArchive()
{
    if (archive_ != nullptr)
        libzip().zip_discard(archive_);
}

bool ZipArchive::contains(const std::string& name) const
{
    return archive_ != nullptr && libzip().zip_name_locate(archive_, name.c_str(), 0) >= 0;
}

ZipArchive::Member ZipArchive::read(const std::string& name, std::size_t largest) const
{
    if (archive_ == nullptr)
        return { {}, problem_ };
    const Libzip& zip = libzip();
    zip_stat_t stat;
    zip.zip_stat_init(&stat);
    if (zip.zip_stat(archive_, name.c_str(), 0, &stat) != 0)
        return { {}, Problem::Missing };
    constexpr zip_uint64_t kNeeded = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_ENCRYPTION_METHOD;
    if ((stat.valid & kNeeded) != kNeeded)
        return { {}, Problem::Damaged };
    if (stat.encryption_method != ZIP_EM_NONE)
        return { {}, Problem::Encrypted };
    constexpr zip_uint64_t kMegabyte = 1024 * 1024;
    if (stat.size > largest || (stat.size > kMegabyte && stat.size / kLargestUnpackRatio > stat.comp_size))
        return { {}, Problem::OutOfProportion };

    zip_file_t* file = zip.zip_fopen(archive_, name.c_str(), 0);
    if (file == nullptr)
        return { {}, Problem::Damaged };
    // One byte more than declared tells a member that lies about its size.
    std::string content(static_cast<std::size_t>(stat.size) + 1, '\0');
    std::size_t filled = 0;
    zip_int64_t count = 0;
    while (filled < content.size()
        && (count = zip.zip_fread(file, content.data() + filled, content.size() - filled)) > 0)
        filled += static_cast<std::size_t>(count);
    const bool failed = count < 0; // a damaged stream or a wrong checksum
    zip.zip_fclose(file);
    if (failed || filled != stat.size)
        return { {}, Problem::Damaged };
    content.resize(filled);
    return { std::move(content), Problem::None };
}

std::string packedZip(const std::vector<ZipMember>& members)
{
    const Libzip& zip = libzip();
    if (!zip.loaded)
        return {};
    zip_error_t error;
    zip.zip_error_init(&error);
    zip_source_t* target = zip.zip_source_buffer_create(nullptr, 0, 0, &error);
    zip.zip_error_fini(&error);
    if (target == nullptr)
        return {};
    // The buffer outlives the archive written into it.
    zip.zip_source_keep(target);
    zip.zip_error_init(&error);
    zip_t* archive = zip.zip_open_from_source(target, ZIP_TRUNCATE, &error);
    zip.zip_error_fini(&error);
    bool written = archive != nullptr;
    for (const ZipMember& member : members) {
        if (!written)
            break;
        // libzip reads the bytes when the archive is closed: `members` holds them till then.
        zip_source_t* source = zip.zip_source_buffer(archive, member.bytes.data(), member.bytes.size(), 0);
        const zip_int64_t index = source == nullptr
            ? -1
            : zip.zip_file_add(archive, member.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            if (source != nullptr)
                zip.zip_source_free(source);
            written = false;
        } else {
            written = zip.zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                          member.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0)
                == 0;
        }
    }
    if (archive != nullptr) {
        if (written)
            written = zip.zip_close(archive) == 0;
        else
            zip.zip_discard(archive);
    }
    std::string bytes;
    if (written && zip.zip_source_open(target) == 0) {
        zip.zip_source_seek(target, 0, SEEK_END);
        const zip_int64_t size = zip.zip_source_tell(target);
        zip.zip_source_seek(target, 0, SEEK_SET);
        if (size > 0) {
            bytes.resize(static_cast<std::size_t>(size));
            if (zip.zip_source_read(target, bytes.data(), static_cast<zip_uint64_t>(size)) != size)
                bytes.clear();
        }
        zip.zip_source_close(target);
    }
    zip.zip_source_free(target);
    return bytes;
}

} // namespace cramer
