#include "AtomicFileWrite.h"

#include "FileDescriptorIo.h"
#include "FileHandle.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tessivar {

namespace {

constexpr int MaxSymlinkHops = 40;
constexpr const char* TemporaryName = ".tessivar-save-XXXXXX";
constexpr mode_t NewFileMode = 0666; // narrowed by the umask
constexpr mode_t PermissionBits = 07777;

// Writes the bytes, puts them on the disk and closes the file; only then is a
// close error (a late write error on some file systems) known.
std::error_code Fill(FileHandle& file, std::string_view bytes)
{
    if (const std::error_code error = WriteAll(file.Get(), bytes))
        return error;
    // A pipe or a device cannot be synced (EINVAL); that is no failure.
    if (fsync(file.Get()) != 0 && errno != EINVAL)
        return LastError();
    return file.Close();
}

std::error_code FollowSymlinks(const std::string& path, std::string& target)
{
    std::filesystem::path current = path;
    for (int hop = 0; hop < MaxSymlinkHops; ++hop) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = current.string();
            return {};
        }
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(current, error);
        if (error)
            return error;
        current = current.parent_path() / link; // an absolute link replaces the whole path
    }
    return {ELOOP, std::generic_category()};
}

std::string FolderOf(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// Makes a rename or a new name in the folder last through a crash; best effort.
void SyncFolderOf(const std::string& path)
{
    FileHandle folder(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen())
        fsync(folder.Get());
}

// Nothing to keep: a half-written new file is simply removed again.
std::error_code CreateNewFile(const std::string& path, std::string_view bytes)
{
    FileHandle file(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode));
    if (!file.IsOpen())
        return LastError();
    if (const std::error_code error = Fill(file, bytes)) {
        unlink(path.c_str());
        return error;
    }
    SyncFolderOf(path);
    return {};
}

// Devices and pipes take the bytes as a stream; there is nothing to keep.
std::error_code WriteToSpecialFile(const std::string& path, std::string_view bytes)
{
    FileHandle file(open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (!file.IsOpen())
        return LastError();
    return Fill(file, bytes);
}

std::error_code WriteAndCut(int fd, std::string_view bytes)
{
    if (lseek(fd, 0, SEEK_SET) < 0)
        return LastError();
    if (const std::error_code error = WriteAll(fd, bytes))
        return error;
    if (ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        return LastError();
    return fsync(fd) == 0 ? std::error_code() : LastError();
}

bool FolderTakesNoNewFile(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// The owner goes first: changing it clears set-user-ID bits, which the mode then
// restores. Only a privileged saver can give a file away; otherwise the new file
// belongs to the saver.
std::error_code TakeOverAttributes(int fd, const struct stat& old)
{
    if (fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return LastError();
    if (fchmod(fd, old.st_mode & PermissionBits) != 0)
        return LastError();
    return {};
}

std::error_code ReplaceExistingFile(const std::string& path, const struct stat& old, std::string_view bytes)
{
    // The rename would pass over a file that is not to be written.
    if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return LastError();
    std::string temporary = FolderOf(path) + "/" + TemporaryName;
    FileHandle file(mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.IsOpen())
        return FolderTakesNoNewFile(errno) ? WriteFileInPlace(path, bytes) : LastError();
    std::error_code error = TakeOverAttributes(file.Get(), old);
    if (!error)
        error = Fill(file, bytes);
    if (!error && rename(temporary.c_str(), path.c_str()) != 0)
        error = LastError();
    if (error) {
        unlink(temporary.c_str());
        return error;
    }
    SyncFolderOf(path);
    return {};
}

} // namespace

std::error_code WriteFileInPlace(const std::string& path, std::string_view bytes)
{
    FileHandle file(open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (!file.IsOpen())
        return LastError();
    std::string old;
    if (const std::error_code error = ReadToEnd(file.Get(), old, old.max_size()))
        return error;
    if (const std::error_code error = WriteAndCut(file.Get(), bytes)) {
        // Best effort: the old bytes fitted before, so they fit again.
        (void)WriteAndCut(file.Get(), old);
        return error;
    }
    return file.Close();
}

std::error_code WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    std::string target;
    if (const std::error_code error = FollowSymlinks(path, target))
        return error;
    struct stat old {};
    if (stat(target.c_str(), &old) != 0)
        return errno == ENOENT ? CreateNewFile(target, bytes) : LastError();
    if (!S_ISREG(old.st_mode))
        return WriteToSpecialFile(target, bytes);
    return ReplaceExistingFile(target, old, bytes);
}

} // namespace tessivar
