#include <gtest/gtest.h>

#include "platform/mount_table.h"

using namespace tessaly::platform;

TEST(MountInfo, TurnsLinesIntoDrivesOfTheirKind) {
  struct Case {
    const char* line;
    bool isDrive;
    DriveKind kind;
    const char* mountPoint;
  };
  const Case cases[] = {
      {"29 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw", true, DriveKind::Fixed, "/"},
      {"30 29 8:17 / /media/me/STICK rw - vfat /dev/sdb1 rw", true, DriveKind::Removable, "/media/me/STICK"},
      {"31 29 11:0 / /mnt/cd ro - iso9660 /dev/sr0 ro", true, DriveKind::CdRom, "/mnt/cd"},
      {"32 29 0:50 / /net/share rw - cifs //server/share rw", true, DriveKind::Network, "/net/share"},
      {"33 29 0:30 / /tmp rw - tmpfs tmpfs rw", true, DriveKind::RamDisk, "/tmp"},
      {"34 29 0:5 / /proc rw - proc proc rw", false, DriveKind::Fixed, ""},
      {"35 29 0:6 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw", false, DriveKind::Fixed, ""},
      {"36 29 0:7 / /dev/shm rw - tmpfs tmpfs rw", false, DriveKind::Fixed, ""},
      {"37 29 7:1 / /snap/core/1 ro - squashfs /dev/loop1 ro", false, DriveKind::Fixed, ""},
      {"38 29 8:3 / /mnt/my\\040disk rw - ext4 /dev/sda3 rw", true, DriveKind::Fixed, "/mnt/my disk"},
  };
  for (const Case& c : cases) {
    DriveInfo drive;
    ASSERT_EQ(driveFromMountInfoLine(QString::fromLatin1(c.line), &drive), c.isDrive) << c.line;
    if (!c.isDrive) continue;
    EXPECT_EQ(drive.kind, c.kind) << c.line;
    EXPECT_EQ(drive.mountPoint, QString::fromLatin1(c.mountPoint));
  }
  DriveInfo network;
  driveFromMountInfoLine(QStringLiteral("32 29 0:50 / /net/share rw - cifs //server/share rw"), &network);
  EXPECT_EQ(network.itemText(), QStringLiteral("/net/share //server/share"));
}
