#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace tessaly::platform {

// What the listing of a folder tells about an entry before it is looked at.
enum class ListedType : quint8 { Unknown, Folder, File, Other };

// What one look at an entry (never following a link) tells.
struct EntryStatus {
  enum Kind : quint8 { Folder, File, Other };
  Kind kind = Other;
  bool ownerWritable = true;
  qint64 size = 0;
  qint64 accessSeconds = 0;
  qint64 writeSeconds = 0;
  qint32 writeNanoseconds = 0;
  qint64 birthSeconds = 0;
  bool hasBirth = false;
  quint64 device = 0;
  quint64 inode = 0;
  quint64 mountId = 0;  // 0 where the kernel does not tell
  quint32 permissions = 0;  // the mode's permission bits (07777)
  quint32 owner = 0;        // user id
};

// Another mounted file system than the one a walk or a run began on (top): it is its own drive
// and is not entered. The mount tells: a btrfs sub-volume shows another device on the same mount
// and is entered, a bind mount shows the same device on another mount and is not. Without mount
// ids the device tells.
bool isOtherMount(const EntryStatus& entry, const EntryStatus& top);

// One look at a path, the link itself when its last part is one; false with the host's reason.
bool pathStatus(const QString& path, EntryStatus* status, QString* reason = nullptr);

// An open folder descriptor; closes itself.
class OpenFolder {
 public:
  OpenFolder() = default;
  ~OpenFolder() { close(); }
  OpenFolder(OpenFolder&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  OpenFolder& operator=(OpenFolder&& other) noexcept;
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;

  // A root the user named: a link naming the root is followed, nothing below it is.
  // Fails for folders on pseudo file systems.
  static OpenFolder openRoot(const QString& path);
  // A real sub-folder of this one; never follows a link or triggers an automount.
  OpenFolder openChild(const char* name) const;
  // Takes over a descriptor opened elsewhere in this layer.
  static OpenFolder fromDescriptor(int fd) { return OpenFolder(fd); }

  bool isOpen() const { return fd_ >= 0; }
  int descriptor() const { return fd_; }
  void close();
  // The folder itself.
  bool status(EntryStatus* status) const;
  // An entry of this folder, the link itself when it is one.
  bool entryStatus(const char* name, EntryStatus* status) const;

 private:
  explicit OpenFolder(int fd) : fd_(fd) {}
  int fd_ = -1;
};

// The names of one folder, read once in one pass over its descriptor, "." and ".." left out.
// The raw listing is kept, so memory follows the size of this folder only.
class FolderListing {
 public:
  struct Entry {
    const char* name;
    ListedType type;
  };
  class Iterator {
   public:
    Iterator(const char* at, const char* end) : at_(at), end_(end) { skipSelf(); }
    Entry operator*() const;
    Iterator& operator++();
    bool operator!=(const Iterator& other) const { return at_ != other.at_; }

   private:
    void skipSelf();
    const char* at_;
    const char* end_;
  };

  // False when the folder cannot be read (what was read stays).
  bool read(const OpenFolder& folder);
  // Forgets the names; a very large listing also gives back its memory.
  void clear();
  Iterator begin() const { return Iterator(bytes_.data(), bytes_.data() + bytes_.size()); }
  Iterator end() const { return Iterator(bytes_.data() + bytes_.size(), bytes_.data() + bytes_.size()); }

 private:
  std::vector<char> bytes_;
};

// The number of descriptors this process may still open, less a reserve for everything else.
int folderDescriptorBudget();

// Seconds since the epoch moved to local wall-clock seconds (the local offset added).
qint64 localWallSeconds(qint64 secondsSinceEpoch);

}  // namespace tessaly::platform
