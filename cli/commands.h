// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef COMMANDS_H
#define COMMANDS_H

class Arguments;

// The commands of tavro-cli, one file each. Each takes the parsed command line and returns the
// exit status: 0 all good, 1 a finding or a refusal, 2 a usage error, a path that does not
// exist, or output that could not be written (141 when its reader closed it early), 130 when the
// user interrupted.
namespace Commands {

// The report of each file, or with `summary` the counts over all of them.
int report(const Arguments &arguments, bool summary);
int clear(const Arguments &arguments);
int compare(const Arguments &arguments);
int convert(const Arguments &arguments);

} // namespace Commands

#endif // COMMANDS_H
