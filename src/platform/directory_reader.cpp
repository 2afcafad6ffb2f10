#include "platform/directory_reader.h"

#include "platform/host_path.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <limits>

namespace tessaly::platform {
namespace {

constexpr int kChildFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
constexpr unsigned kStatusMask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_INO | STATX_ATIME | STATX_MTIME | STATX_BTIME |
                                 STATX_MNT_ID | STATX_UID;

// The kernel's own file systems, which hold no files of the user (same list as the drive table).
bool isPseudoFileSystem(int fd) {
  struct statfs info;
  if (fstatfs(fd, &info) != 0) return false;
  switch (static_cast<unsigned long>(info.f_type)) {
    case PROC_SUPER_MAGIC: case SYSFS_MAGIC: case CGROUP_SUPER_MAGIC: case CGROUP2_SUPER_MAGIC:
    case DEVPTS_SUPER_MAGIC: case DEBUGFS_MAGIC: case TRACEFS_MAGIC: case SECURITYFS_MAGIC:
    case BPF_FS_MAGIC: case 0x19800202 /* mqueue */: case 0x62656570 /* configfs */:
    case 0x65735543 /* fusectl */: case BINFMTFS_MAGIC: case AUTOFS_SUPER_MAGIC: case SQUASHFS_MAGIC:
    case PSTOREFS_MAGIC: case EFIVARFS_MAGIC: case HUGETLBFS_MAGIC: case NSFS_MAGIC:
      return true;
    default:
      return false;
  }
}

void fill(const struct statx& st, EntryStatus* status) {
  const unsigned type = st.stx_mode & S_IFMT;
  status->kind = type == S_IFDIR ? EntryStatus::Folder : type == S_IFREG ? EntryStatus::File : EntryStatus::Other;
  status->ownerWritable = st.stx_mode & S_IWUSR;
  status->size = qint64(st.stx_size);
  status->accessSeconds = st.stx_atime.tv_sec;
  status->writeSeconds = st.stx_mtime.tv_sec;
  status->writeNanoseconds = qint32(st.stx_mtime.tv_nsec);
  status->hasBirth = (st.stx_mask & STATX_BTIME) && st.stx_btime.tv_sec != 0;
  status->birthSeconds = status->hasBirth ? st.stx_btime.tv_sec : 0;
  status->device = makedev(st.stx_dev_major, st.stx_dev_minor);
  status->inode = st.stx_ino;
  status->mountId = (st.stx_mask & STATX_MNT_ID) ? st.stx_mnt_id : 0;
  status->permissions = st.stx_mode & 07777;
  status->owner = st.stx_uid;
}

bool statusAt(int fd, const char* name, int flags, EntryStatus* status) {
  struct statx st;
  if (statx(fd, name, flags | AT_NO_AUTOMOUNT | AT_STATX_SYNC_AS_STAT, kStatusMask, &st) != 0) return false;
  fill(st, status);
  return true;
}

ListedType listedType(unsigned char type) {
  switch (type) {
    case DT_DIR: return ListedType::Folder;
    case DT_REG: return ListedType::File;
    case DT_UNKNOWN: return ListedType::Unknown;
    default: return ListedType::Other;
  }
}

const dirent64* record(const char* at) { return reinterpret_cast<const dirent64*>(at); }

bool isSelfName(const char* name) { return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)); }

}  // namespace

bool isOtherMount(const EntryStatus& entry, const EntryStatus& top) {
  if (entry.mountId != 0 && top.mountId != 0) return entry.mountId != top.mountId;
  return entry.device != top.device;
}

bool pathStatus(const QString& path, EntryStatus* status, QString* reason) {
  if (statusAt(AT_FDCWD, encodePath(path).constData(), AT_SYMLINK_NOFOLLOW, status)) return true;
  if (reason) *reason = systemErrorText(errno);
  return false;
}

OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

OpenFolder OpenFolder::openRoot(const QString& path) {
  const int fd = ::open(encodePath(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return {};
  OpenFolder folder(fd);
  if (isPseudoFileSystem(fd)) return {};
  return folder;
}

OpenFolder OpenFolder::openChild(const char* name) const {
  return OpenFolder(::openat(fd_, name, kChildFlags));
}

void OpenFolder::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool OpenFolder::status(EntryStatus* status) const { return statusAt(fd_, "", AT_EMPTY_PATH, status); }

bool OpenFolder::entryStatus(const char* name, EntryStatus* status) const {
  return statusAt(fd_, name, AT_SYMLINK_NOFOLLOW, status);
}

FolderListing::Entry FolderListing::Iterator::operator*() const {
  const dirent64* entry = record(at_);
  return {entry->d_name, listedType(entry->d_type)};
}

FolderListing::Iterator& FolderListing::Iterator::operator++() {
  at_ += record(at_)->d_reclen;
  skipSelf();
  return *this;
}

void FolderListing::Iterator::skipSelf() {
  while (at_ != end_ && isSelfName(record(at_)->d_name)) at_ += record(at_)->d_reclen;
}

bool FolderListing::read(const OpenFolder& folder) {
  // One shared chunk for the kernel; each folder keeps only the bytes its own listing needs,
  // so a deep chain of small folders stays small.
  static thread_local std::array<char, 64 * 1024> chunk;
  bytes_.clear();
  for (;;) {
    const ssize_t got = getdents64(folder.descriptor(), chunk.data(), chunk.size());
    if (got == 0) return true;
    if (got < 0) return false;
    bytes_.insert(bytes_.end(), chunk.data(), chunk.data() + got);
  }
}

void FolderListing::clear() {
  bytes_.clear();
  if (bytes_.capacity() > 256 * 1024) bytes_.shrink_to_fit();
}

int folderDescriptorBudget() {
  struct rlimit limit;
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return 16;
  // Leave room for the program's own files, sockets and the folder a walk is opening.
  const rlim_t soft = limit.rlim_cur == RLIM_INFINITY ? 1 << 20 : limit.rlim_cur;
  const long spare = long(soft) - 64;
  return int(qBound(8L, spare / 2, 4096L));
}

qint64 localWallSeconds(qint64 secondsSinceEpoch) {
  // localtime_r is slow next to a stat; the offset is cached per quarter hour, and only for
  // quarters whose two ends share one offset, so a change of offset is never smeared.
  constexpr qint64 kQuarter = 900;
  struct Slot {
    qint64 quarter = std::numeric_limits<qint64>::min();
    long offset = 0;
  };
  static thread_local std::array<Slot, 1024> cache;
  const qint64 quarter = secondsSinceEpoch >= 0 ? secondsSinceEpoch / kQuarter : (secondsSinceEpoch - kQuarter + 1) / kQuarter;
  Slot& slot = cache[size_t(quarter) & (cache.size() - 1)];
  if (slot.quarter == quarter) return secondsSinceEpoch + slot.offset;
  const auto offsetAt = [](qint64 seconds) {
    const time_t t = time_t(seconds);
    struct tm local;
    return localtime_r(&t, &local) ? local.tm_gmtoff : 0L;
  };
  const long start = offsetAt(quarter * kQuarter);
  const long finish = offsetAt(quarter * kQuarter + kQuarter - 1);
  if (start == finish) {
    slot = {quarter, start};
    return secondsSinceEpoch + start;
  }
  return secondsSinceEpoch + offsetAt(secondsSinceEpoch);
}

}  // namespace tessaly::platform
