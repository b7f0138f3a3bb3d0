// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "commands.h"

#include "arguments.h"
#include "console.h"
#include "dumpfield.h"
#include "dumpinfo.h"
#include "exitstatus.h"
#include "imagetarget.h"
#include "inputs.h"
#include "output.h"
#include "paths.h"

#include <QCoreApplication>

int Commands::convert(const Arguments &arguments)
{
    const QList<QByteArray> outputs = arguments.values("output");
    if (arguments.operands.size() != 1 || outputs.size() != 1 || outputs.first().isEmpty())
        return Arguments::usageError(
            QCoreApplication::translate("tavro-cli", "convert needs one INPUT and -o OUTPUT"));
    const QByteArray to = arguments.value("to");
    int kind = ImageFormat::Binary;
    while (kind <= ImageFormat::SRecord && to != ImageFormat::name(ImageFormat::Kind(kind)))
        ++kind;
    if (kind > ImageFormat::SRecord)
        return Arguments::usageError(
            QCoreApplication::translate("tavro-cli",
                                        "convert needs --to bin, ihex or srec, not \"%1\""),
            {to});

    const QByteArray &input = arguments.operands.first();
    const DumpInfo info = Inputs::read(input);
    if (Console::interrupted())
        return ExitStatus::Interrupted;
    if (info.problem == DumpInfo::CannotOpen)
        return Output::fail(
            Paths::inspect(input, false).missing() ? ExitStatus::Trouble : ExitStatus::Finding,
            QCoreApplication::translate("tavro-cli", "%1: cannot be opened: %2; nothing written"),
            {input, Paths::whyNotRead(info.systemError)});
    // An image of an unknown engine converts as well: it is written byte for byte.
    if (info.image.size() != ImageLayout::ImageSize)
        return Output::fail(ExitStatus::Finding,
                            QCoreApplication::translate(
                                "tavro-cli", "%1: not a 512-byte image (%2); nothing written"),
                            {input, Inputs::whyRefused(info)});
    // The layout of the input when the format stays the same; a new format's own otherwise.
    ImageFormat format = info.format;
    if (format.kind != kind) {
        format = ImageFormat();
        format.kind = ImageFormat::Kind(kind);
    }
    const QByteArray &output = outputs.first();
    const bool force = arguments.isSet("force");
    if (!ImageTarget::mayWrite(input, output, format, force))
        return ExitStatus::Finding;
    return ImageTarget::write(output, info.image, format, force) ? ExitStatus::Success
                                                                 : ExitStatus::Trouble;
}
