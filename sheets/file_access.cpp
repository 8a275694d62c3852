// SPDX-License-Identifier: GPL-3.0-or-later

// A file read whole, within a size, and written so that a failure at any
// point leaves the old file as it was.

#include "sheets/system_file.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cramer {

FileContent readWholeFile(const std::filesystem::path& path, int largestMb)
{
    auto refused = [](FileError error) { return FileContent { {}, std::move(error) }; };
    auto failed = [&refused](int error) {
        switch (error) {
        case ENOENT:
            return refused(FileError { .problem = FileProblem::Missing });
        case EACCES:
            // The file, or a folder on its way, that the user may not read.
            return refused(FileError { .problem = FileProblem::NoPermission });
        default:
            return refused(systemError(FileProblem::CannotRead, error));
        }
    };
    const std::uintmax_t largest = static_cast<std::uintmax_t>(largestMb) * 1024 * 1024;
    // The descriptor's own errno at every step; a stream would not keep it.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0)
        return failed(errno);
    struct Closer {
        int descriptor;
        ~Closer() { ::close(descriptor); }
    } closer { descriptor };
    struct stat status { };
    if (::fstat(descriptor, &status) != 0)
        return failed(errno);
    if (!S_ISREG(status.st_mode))
        return refused(FileError { .problem = FileProblem::NotAFile });
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size > largest)
        return refused(FileError { .problem = FileProblem::TooLarge, .count = largestMb });

    // The size it had, and at most one byte more than allowed: the file may have grown.
    std::string content;
    content.reserve(static_cast<std::size_t>(size));
    std::array<char, 64 * 1024> chunk;
    while (content.size() <= largest) {
        const ssize_t count = ::read(descriptor, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return failed(errno);
        if (count == 0)
            break;
        content.append(chunk.data(), static_cast<std::size_t>(count));
    }
    if (content.size() > largest)
        return refused(FileError { .problem = FileProblem::TooLarge, .count = largestMb });
    return { std::move(content), {} };
}

namespace {

// Every byte, across short writes and interruptions; 0 or errno.
int writeAll(int descriptor, std::string_view content)
{
    for (std::size_t written = 0; written < content.size();) {
        const ssize_t count = ::write(descriptor, content.data() + written, content.size() - written);
        if (count < 0 && errno != EINTR)
            return errno;
        if (count > 0)
            written += static_cast<std::size_t>(count);
    }
    return 0;
}

// The file a path names once its links are followed (a link's target may
// not exist yet); 0 or errno.
int followLinks(std::filesystem::path& path)
{
    constexpr int kMostLinks = 40; // as the kernel allows
    std::error_code error;
    for (int links = 0; std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)); ++links) {
        if (links == kMostLinks)
            return ELOOP;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error)
            return error.value();
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return 0;
}

} // namespace

// Not QSaveFile (Qt 6.4): it replaces a character device that --output
// names, such as /dev/full, with a regular file, and it reports a failure
// only as English text, without the errno from which every message the
// user reads here is worded.
FileError writeFileAtomically(const std::filesystem::path& named, std::string_view content)
{
    std::filesystem::path path = named;
    if (const int failure = followLinks(path))
        return systemError(FileProblem::CannotWrite, failure);

    // A pipe or a device cannot be replaced: its reader waits on it.
    struct stat old { };
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && (S_ISFIFO(old.st_mode) || S_ISCHR(old.st_mode))) {
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (descriptor < 0)
            return systemError(FileProblem::CannotWrite, errno);
        int failure = writeAll(descriptor, content);
        if (::close(descriptor) != 0 && failure == 0)
            failure = errno;
        return failure == 0 ? FileError {} : systemError(FileProblem::CannotWrite, failure);
    }
    if (exists && S_ISDIR(old.st_mode))
        return systemError(FileProblem::CannotWrite, EISDIR);

    const std::filesystem::path folder
        = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string name = path.filename().string();
    name.insert(0, 1, '.');
    name.append(".XXXXXX"); // the hidden name mkstemp completes
    std::string temporary = (folder / name).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return systemError(FileProblem::CannotWrite, errno);

    // The old file's permissions, or what a new file gets.
    mode_t mode = 0;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    int failure = writeAll(descriptor, content);
    if (failure == 0 && ::fchmod(descriptor, mode) != 0)
        failure = errno;
    if (failure == 0 && ::fsync(descriptor) != 0)
        failure = errno;
    if (::close(descriptor) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return systemError(FileProblem::CannotWrite, failure);
    }
    return {};
}

} // namespace cramer
