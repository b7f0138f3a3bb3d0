// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "imagetarget.h"

#include "console.h"
#include "eepromdump.h"
#include "fileio.h"
#include "imagefile.h"
#include "output.h"
#include "paths.h"

#include <QCoreApplication>

namespace {

int descriptor(const QByteArray &target)
{
    return target == "-" ? Console::Output : Paths::descriptorOf(target);
}

} // namespace

namespace ImageTarget {

bool mayWrite(const QByteArray &input, const QByteArray &target, const ImageFormat &format,
              bool force, bool dryRun)
{
    const int stream = descriptor(target);
    if (stream >= 0) {
        if (format.kind != ImageFormat::Binary || !Console::isTerminal(stream))
            return true;
        Output::message(QCoreApplication::translate(
                            "tavro-cli", "%1: is a terminal, which shows no binary image; send it "
                                         "to a file or a pipe"),
                        {target});
        return false;
    }
    const Paths::Type type = Paths::inspect(target).type;
    if (type == Paths::Folder)
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1: is a folder; name the file to write"),
            {target});
    else if (type == Paths::Other)
        Output::message(QCoreApplication::translate(
                            "tavro-cli", "%1: is not a regular file; name the file to write"),
                        {target});
    // What a killed run left unfinished at the output is no file of the user's to keep.
    else if (!force && Paths::inspect(target, false).type != Paths::Nothing &&
             (dryRun || !FileIo::removeLeftovers(target) ||
              Paths::inspect(target, false).type != Paths::Nothing))
        Output::message(
            Paths::sameFile(input, target)
                ? QCoreApplication::translate("tavro-cli",
                                              "%1: is the input itself; --force overwrites it with "
                                              "the new copy")
                : QCoreApplication::translate("tavro-cli", "%1: exists; --force replaces it"),
            {target});
    else
        return true;
    return false;
}

bool write(const QByteArray &target, const QByteArray &image, const ImageFormat &format, bool force)
{
    const int stream = descriptor(target);
    if (stream >= 0) {
        QByteArray bytes = ImageFile::encode(image, format);
        const int error = Console::write(stream, bytes);
        if (error == 0)
            return true;
        Output::message(QCoreApplication::translate("tavro-cli", "%1: cannot write: %2"),
                        {target, Paths::systemMessage(error)});
        return false;
    }
    // Without --force nothing is replaced, not even a file that appears while the copy is
    // written (a second run with the same output).
    const FileIo::SaveResult saved =
        EepromDump::save(target, image, force ? FileIo::Replace : FileIo::CreateOnly, format);
    const QByteArray why = saved.error.toUtf8();
    switch (saved.status) {
    case FileIo::SaveResult::Saved:
        return true;
    case FileIo::SaveResult::NotConfirmed:
        Output::message(QCoreApplication::translate(
                            "tavro-cli", "%1: saved, but the system could not confirm that the new "
                                         "name is on the disk: %2"),
                        {target, why});
        return true;
    case FileIo::SaveResult::Damaged:
        Output::message(QCoreApplication::translate(
                            "tavro-cli", "%1: cannot write, and the file may now be damaged: %2"),
                        {target, why});
        break;
    case FileIo::SaveResult::RestoredNotConfirmed:
        Output::message(
            QCoreApplication::translate("tavro-cli",
                                        "%1: cannot write; the old contents were put back, but the "
                                        "system could not confirm them on the disk: %2"),
            {target, why});
        break;
    case FileIo::SaveResult::Failed:
        Output::message(QCoreApplication::translate("tavro-cli", "%1: cannot write: %2"),
                        {target, why});
        break;
    }
    return false;
}

} // namespace ImageTarget
