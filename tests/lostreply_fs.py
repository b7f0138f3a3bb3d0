#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

"""A file system that does what it is asked and then says it failed, as a network share does
when its reply is lost.

It mirrors BACKING at MOUNTPOINT (FUSE, through Debian's python3-fusepy, so without unnamed files
or RENAME_NOREPLACE, like exFAT) and answers every OPERATION (rename, link, create; none) with EIO
after doing it, or only its Nth call since the mount. The kernel keeps no look-ups of it and is
told the files' own inode numbers, as by a share that checks with its server; with `cached` it
keeps them for a second (libfuse's default; sshfs and desktop shares keep them longer), with
`same-inode` every file says it is inode 1. It stays in the foreground until unmounted.

usage: lostreply_fs.py BACKING MOUNTPOINT OPERATION[:N] [cached | same-inode]
"""
import errno
import os
import sys

try:
    from fuse import FUSE, FuseOSError, Operations
except ImportError:  # Debian's python3-fusepy names the module after the project
    from fusepy import FUSE, FuseOSError, Operations


STAT = ("st_ino", "st_mode", "st_nlink", "st_uid", "st_gid", "st_size", "st_atime", "st_mtime", "st_ctime")


# Every call on the real path in BACKING; what it lies about raises EIO once done.
class LostReply(Operations):
    def __init__(self, root, lying, mode):
        self.root = root
        self.lying, _, nth = lying.partition(":")
        self.nth = int(nth or 0)
        self.calls = 0
        self.mode = mode

    def __call__(self, operation, path, *arguments):
        if operation in ("rename", "link"):  # the second name too
            arguments = (self.root + arguments[0],) + arguments[1:]
        try:
            result = getattr(self, operation)(self.root + path, *arguments)
        except OSError as error:
            raise FuseOSError(error.errno or errno.EIO) from error
        if operation == self.lying:
            self.calls += 1
            if self.nth in (0, self.calls):
                raise FuseOSError(errno.EIO)
        return result

    def getattr(self, path, fh=None):
        info = os.lstat(path)
        attributes = {key: info.__getattribute__(key) for key in STAT}
        if self.mode == "same-inode":
            attributes["st_ino"] = 1
        return attributes

    def readdir(self, path, fh):
        return [".", ".."] + os.listdir(path)

    def create(self, path, mode, fi=None):
        return os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL, mode)

    def open(self, path, flags):
        return os.open(path, flags)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        return os.pwrite(fh, data, offset)

    def release(self, path, fh):
        os.close(fh)

    def link(self, name, existing):
        os.link(existing, name)

    chmod, chown, rename, unlink, utimens = os.chmod, os.chown, os.rename, os.unlink, os.utime


if __name__ == "__main__":
    backing, mountpoint, operation = sys.argv[1:4]
    mode = sys.argv[4] if len(sys.argv) > 4 else ""
    timeouts = {} if mode == "cached" else {"entry_timeout": 0, "attr_timeout": 0}
    FUSE(LostReply(backing, operation, mode), mountpoint, foreground=True,
         default_permissions=True, use_ino=True, **timeouts)
