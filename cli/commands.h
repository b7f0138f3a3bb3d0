// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef COMMANDS_H
#define COMMANDS_H

#include <QByteArray>
#include <QList>

class Output;
class ReportRenderer;

// The three commands of tavro-cli. Each takes its arguments already parsed (paths as the system
// spells them) and returns the exit status: 0 all good, 1 a finding or a refusal, 2 a usage
// error, a path that does not exist, or output that could not be written (141 when its reader
// closed it early).
namespace Commands {

// `renderer` writes into `output`'s buffer.
int report(Output &output, ReportRenderer &renderer, const QList<QByteArray> &paths);
int clear(const QByteArray &input, const QByteArray &output, bool force);
int compare(const QByteArray &a, const QByteArray &b);

} // namespace Commands

#endif // COMMANDS_H
