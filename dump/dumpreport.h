// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef DUMPREPORT_H
#define DUMPREPORT_H

#include <QString>

struct DumpInfo;

// The report the window shows, in the user's language, built from the field table: rich text for
// the window's view, or the same lines as plain text for tavro-cli.
namespace DumpReport {

enum Markup { RichText, PlainText };
QString render(const DumpInfo &info, Markup markup = RichText);

} // namespace DumpReport

#endif // DUMPREPORT_H
