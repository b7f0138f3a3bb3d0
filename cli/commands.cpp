// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "commands.h"

#include "comparerenderer.h"
#include "console.h"
#include "dumpfield.h"
#include "dumpinfo.h"
#include "eepromdump.h"
#include "folderwalk.h"
#include "output.h"
#include "paths.h"
#include "reportrenderer.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

// "120 of 4000 files" on the terminal, once the work has lasted a second, at most ten times a
// second; never when standard error is not a terminal (the clock is started only when it is).
struct Progress
{
    void step(quint64 done)
    {
        if (!clock.isValid() || clock.elapsed() < 1000 || clock.elapsed() - drawnAt < 100)
            return;
        drawnAt = clock.elapsed();
        std::fprintf(stderr, "\r%llu of %llu files", done, total);
        shown = true;
    }
    void clear()
    {
        if (shown)
            std::fputs("\r\033[K", stderr);
        shown = false;
    }

    quint64 total = 0;
    QElapsedTimer clock;
    qint64 drawnAt = -1000;
    bool shown = false;
};

// A command's exit status, once the message that explains it is on standard error.
int refuse(int status, const QByteArray &message)
{
    Output::message(message);
    return status;
}

} // namespace

namespace Commands {

int report(Output &output, ReportRenderer &renderer, const QList<QByteArray> &paths)
{
    // A path that is not there is a mistake in the command; one that cannot be reached
    // (permissions) is reported like any file that cannot be opened.
    for (const QByteArray &path : paths) {
        const Paths::Info info = Paths::inspect(path, false);
        if (info.missing())
            return refuse(2, path + ": " + Paths::systemMessage(info.error));
    }

    const QList<QByteArray> dumpSuffixes = {".bin", ".eep"}; // what a folder's walk takes
    Progress progress;
    if (Console::isTerminal(Console::Error)) {
        // Counting first costs one walk of the folders, reading no file.
        const auto count = [&progress](const QByteArray &) {
            ++progress.total;
            return true;
        };
        FolderWalk::walk(paths, dumpSuffixes, count, [](const QByteArray &, int) {});
        progress.clock.start();
    }

    bool allGood = true;
    quint64 done = 0;
    const FolderWalk::Visit visit = [&](const QByteArray &file) {
        const DumpInfo info = DumpInfo::read(file);
        renderer.add(file, info);
        allGood = allGood && info.valid() && info.checksumOk();
        ++done;
        if (output.isTerminal())
            progress.clear();
        if (!output.flush(false))
            return false;
        progress.step(done);
        return true;
    };
    const FolderWalk::Failure failure = [&](const QByteArray &folder, int error) {
        progress.clear();
        Output::message(folder + ": cannot read the folder: " + Paths::systemMessage(error));
        allGood = false;
    };
    FolderWalk::walk(paths, dumpSuffixes, visit, failure);
    progress.clear();
    renderer.end(); // after a failed write, only into the buffer
    const int status = output.finish(allGood && done > 0 ? 0 : 1);
    if (done == 0 && status == 1)
        Output::message("no .bin or .eep file found");
    return status;
}

int clear(const QByteArray &input, const QByteArray &output, bool force)
{
    const DumpInfo info = DumpInfo::read(input);
    if (info.problem == DumpInfo::CannotOpen)
        return refuse(1, input + ": cannot be opened: " + Paths::whyUnreadable(input) +
                             "; nothing written");
    if (!info.valid())
        return refuse(1, input + ": not a valid image (" + DumpField::problemName(info.problem) +
                             "); nothing written");
    const Paths::Type target = Paths::inspect(output).type;
    if (target == Paths::Folder || target == Paths::Other) {
        const char *what = target == Paths::Folder ? ": is a folder" : ": is not a regular file";
        return refuse(1, output + what + "; name the file to write");
    }
    if (!force && Paths::inspect(output, false).type != Paths::Nothing) {
        const char *why = Paths::sameFile(input, output)
                              ? ": is the input itself; --force overwrites it with its cleaned copy"
                              : ": exists; --force replaces it";
        return refuse(1, output + why);
    }
    if (!info.checksumOk()) {
        Output::message(input + ": the checksum does not match (stored " +
                        DumpField::word(info.storedChecksum) + ", computed " +
                        DumpField::word(info.computedChecksum) + "); cleaned all the same");
    }
    // Without --force nothing is replaced, not even a file that appears while the copy is
    // written (a second run with the same output).
    const FileIo::SaveResult saved = EepromDump::save(output, EepromDump::cleaned(info.image),
                                                      force ? FileIo::Replace : FileIo::CreateOnly);
    if (saved.status == FileIo::SaveResult::Saved)
        return 0;
    const char *said =
        saved.status == FileIo::SaveResult::NotConfirmed
            ? ": saved, but the system could not confirm that the new name is on the disk: "
        : saved.status == FileIo::SaveResult::Damaged
            ? ": cannot write, and the file may now be damaged: "
        : saved.status == FileIo::SaveResult::RestoredNotConfirmed
            ? ": cannot write; the old contents were put back, but the system could not confirm "
              "them on the disk: "
            : ": cannot write: ";
    return refuse(saved.ok() ? 0 : 1, output + said + saved.error.toUtf8());
}

int compare(const QByteArray &a, const QByteArray &b)
{
    const DumpInfo left = DumpInfo::read(a);
    const DumpInfo right = DumpInfo::read(b);
    for (const auto &[path, info] : {std::pair(a, left), std::pair(b, right)}) {
        if (info.problem == DumpInfo::CannotOpen)
            return refuse(2, path + ": cannot be opened: " + Paths::whyUnreadable(path));
        if (info.problem == DumpInfo::WrongSize)
            return refuse(2, path + ": is " + QByteArray::number(info.size) + " bytes long, not " +
                                 QByteArray::number(ImageLayout::ImageSize));
        if (info.problem == DumpInfo::IncompleteRead)
            return refuse(2, path + ": could not be read completely");
    }

    Output output;
    const bool identical =
        CompareRenderer::render(output.buffer(), output.name(a), output.name(b), left, right);
    return output.finish(identical ? 0 : 1);
}

} // namespace Commands
