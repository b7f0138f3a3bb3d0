#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

"""A file system that does what it is asked and then says it failed, as a network share does
when its reply is lost.

It mirrors BACKING at MOUNTPOINT (FUSE, through Debian's python3-fusepy, so without unnamed files
or RENAME_NOREPLACE, like exFAT) and answers every OPERATION (rename, link or create) with EIO
after doing it. The kernel keeps no lookups of it and is told the files' own inode numbers, as
by a network share that checks with its server. It stays in the foreground until unmounted.

usage: lostreply_fs.py BACKING MOUNTPOINT OPERATION
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
    def __init__(self, root, lying):
        self.root = root
        self.lying = lying

    def __call__(self, operation, path, *arguments):
        if operation in ("rename", "link"):  # the second name too
            arguments = (self.root + arguments[0],) + arguments[1:]
        try:
            result = getattr(self, operation)(self.root + path, *arguments)
        except OSError as error:
            raise FuseOSError(error.errno or errno.EIO) from error
        if operation == self.lying:
            raise FuseOSError(errno.EIO)
        return result

    def getattr(self, path, fh=None):
        info = os.lstat(path)
        return {key: info.__getattribute__(key) for key in STAT}

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
    FUSE(LostReply(backing, operation), mountpoint, foreground=True, default_permissions=True,
         use_ino=True, entry_timeout=0, attr_timeout=0)
