// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "catalogue.h"
#include "commands.h"
#include "console.h"
#include "output.h"
#include "reportrenderer.h"
#include "tavroversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>

// tavro-cli: the window's checks for whole batches of dumps, from a script. QtCore only, so it
// starts fast and runs without a display.

namespace {

const char usage[] = "Usage: tavro-cli report [--format text|json|csv] PATH...\n"
                     "       tavro-cli clear INPUT -o OUTPUT [--force]\n"
                     "       tavro-cli compare A B\n";

const char help[] =
    "Checks, cleans and compares 512-byte EEPROM dumps of Tavro washing-machine control boards.\n"
    "\n"
    "Commands:\n"
    "  report PATH...    the report on each file, as the Tavro Tool window shows it; a folder is\n"
    "                    searched recursively for .bin and .eep files, in sorted order\n"
    "  clear INPUT       writes a cleaned copy of INPUT to OUTPUT: bytes 0 to 254 (the error\n"
    "                    history and counters) zero, everything else unchanged\n"
    "  compare A B       tells whether two reads of a board are identical, and if not, which\n"
    "                    bytes and decoded fields differ\n"
    "\n"
    "Options:\n"
    "  -f, --format F    report as text (the default), json or csv\n"
    "  -o, --output F    clear: the file to write\n"
    "      --force       clear: replace OUTPUT if it exists, even when it is INPUT itself\n"
    "  -h, --help        this help\n"
    "  -v, --version     the version and build number\n"
    "\n"
    "Exit status: 0 every file is a valid image with a right checksum (report), the copy is\n"
    "written (clear), the files are identical (compare); 1 any file is not, a refusal, or the\n"
    "files differ; 2 a usage error, a path that does not exist, a file compare cannot read, or\n"
    "output that could not be written. See tavro-cli(1).\n";

int usageError(const QString &why)
{
    Output::message(why.toLatin1());
    std::fputs(usage, stderr);
    return 2;
}

int print(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    Output::message("cannot write the output: " + QByteArray(std::strerror(errno)));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    Console::failWritesInsteadOfSignals();

    // No QCoreApplication: no event loop is needed. The arguments reach the parser as Latin-1,
    // a character a byte, so a file name that is no valid UTF-8 comes out again byte for byte.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);

    // The options' descriptions stay empty: the help above is written out in full.
    QCommandLineParser parser;
    const QCommandLineOption helpOption(QStringList{"h", "help"});
    const QCommandLineOption versionOption(QStringList{"v", "version"});
    const QCommandLineOption formatOption({"f", "format"}, QString(), "format", "text");
    const QCommandLineOption outputOption({"o", "output"}, QString(), "file");
    const QCommandLineOption forceOption(QStringLiteral("force"));
    parser.addOptions({helpOption, versionOption, formatOption, outputOption, forceOption});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption))
        return print(QByteArray(usage) + '\n' + help);
    if (parser.isSet(versionOption))
        return print("tavro-cli " TAVRO_VERSION " (build " + QByteArray::number(TAVRO_BUILD) +
                     ")\n");

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString &command = positional.first();
    QList<QByteArray> paths;
    for (qsizetype i = 1; i < positional.size(); ++i)
        paths << positional.at(i).toLatin1();

    const bool isReport = command == QLatin1String("report");
    const bool isClear = command == QLatin1String("clear");
    if (!isReport && !isClear && command != QLatin1String("compare"))
        return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
    if (!isReport && parser.isSet(formatOption))
        return usageError(QStringLiteral("--format belongs to report"));
    if (!isClear && (parser.isSet(outputOption) || parser.isSet(forceOption)))
        return usageError(QStringLiteral("--output and --force belong to clear"));

    if (isReport) {
        const QString format = parser.value(formatOption);
        Output output;
        const std::unique_ptr<ReportRenderer> renderer =
            ReportRenderer::create(format, output.buffer(), output.isTerminal());
        if (!renderer)
            return usageError(QStringLiteral("unknown format \"%1\"").arg(format));
        if (paths.isEmpty())
            return usageError(QStringLiteral("report needs at least one PATH"));
        // A report for people is in the user's language, chosen as the window chooses it; the
        // others are for programs and stay English. Installing a translator takes an
        // application object, which those do without.
        std::optional<QCoreApplication> app;
        Catalogue catalogue;
        if (renderer->isForPeople()) {
            app.emplace(argc, argv);
            // Qt adopts the user's C locale; the messages on standard error stay as in the
            // other formats.
            std::setlocale(LC_ALL, "C");
            if (catalogue.loadFor(QCoreApplication::applicationDirPath(),
                                  QStringLiteral(TAVRO_TRANSLATIONS_DIR),
                                  QLocale::system().uiLanguages()))
                QCoreApplication::installTranslator(&catalogue);
        }
        return Commands::report(output, *renderer, paths);
    }
    if (isClear) {
        if (paths.size() != 1 || !parser.isSet(outputOption))
            return usageError(QStringLiteral("clear needs one INPUT and -o OUTPUT"));
        const QStringList outputs = parser.values(outputOption);
        if (outputs.size() != 1 || outputs.first().isEmpty())
            return usageError(QStringLiteral("clear writes one OUTPUT"));
        return Commands::clear(paths.first(), outputs.first().toLatin1(),
                               parser.isSet(forceOption));
    }
    if (paths.size() != 2)
        return usageError(QStringLiteral("compare needs two files"));
    return Commands::compare(paths.at(0), paths.at(1));
}
