// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef EXITSTATUS_H
#define EXITSTATUS_H

// The exit statuses of tavro-cli, the same for every command, as --help and tavro-cli(1) list
// them. Of two that apply, the larger is told.
namespace ExitStatus {

enum : int {
    // Every file is a valid image with a right checksum (report, summary), some file is selected
    // (report with a filter), every copy is written (clear, convert), identical (compare).
    Success = 0,
    // Some file is not, none is selected, a file is refused (not a valid image, an existing
    // output without --force), the files differ.
    Finding = 1,
    // A usage error, a path that does not exist, a folder that could not be searched, a list that
    // could not be read, a file compare could not read, an output that could not be written.
    Trouble = 2,
    // The user pressed Ctrl-C.
    Interrupted = 130,
    // The reader of standard output closed it early (`| head`), as if killed by SIGPIPE.
    ReaderGone = 141,
};

} // namespace ExitStatus

#endif // EXITSTATUS_H
