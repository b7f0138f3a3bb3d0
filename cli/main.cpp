// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "arguments.h"
#include "catalogue.h"
#include "commands.h"
#include "console.h"
#include "output.h"
#include "paths.h"
#include "tavroversion.h"

#include <QCoreApplication>
#include <QLocale>

#include <cerrno>
#include <clocale>
#include <cstdio>

// tavro-cli: the window's checks for whole batches of dumps, from a script. QtCore only, so it
// starts fast and runs without a display.

namespace {

int print(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    // A reader that stopped early (`--help | head`) is no error, as for a report.
    const int error = errno;
    if (error == EPIPE)
        return 141;
    Output::message(QCoreApplication::translate("tavro-cli", "cannot write the output: %1"),
                    {Paths::systemMessage(error)});
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    Console::failWritesInsteadOfSignals();
    Arguments arguments(argc, argv);
    const bool parsed = arguments.parse();
    // The version alone is answered before the catalogue is looked for: scripts ask it often.
    if (parsed && arguments.isSet("version") && !arguments.isSet("help"))
        return print("tavro-cli " TAVRO_VERSION " (build " + QByteArray::number(TAVRO_BUILD) +
                     ")\n");

    // Every text for a person is in the user's language, chosen as the window chooses it;
    // what programs read (JSON, CSV, the paths of -l) stays English. The system's reasons come
    // from the catalogue too (Paths::systemMessage); the rare ones it lacks, in the system's
    // words, follow the same choice: the user's locale with a catalogue, English without one, so
    // that a message never mixes two languages where it can be helped. Installing a translator
    // takes an application object; Qt sets the user's C locale in making it.
    QCoreApplication app(argc, argv);
    Catalogue plurals;
    if (plurals.loadEnglishPlurals())
        QCoreApplication::installTranslator(&plurals);
    Catalogue catalogue;
    if (catalogue.loadFor(QCoreApplication::applicationDirPath(),
                          QStringLiteral(TAVRO_TRANSLATIONS_DIR), QLocale::system().uiLanguages()))
        QCoreApplication::installTranslator(&catalogue);
    else
        std::setlocale(LC_MESSAGES, "C");

    if (!parsed)
        return Arguments::usageError(QCoreApplication::translate("tavro-cli", arguments.error),
                                     arguments.errorValues);
    if (arguments.isSet("help"))
        return print(Arguments::usage() + '\n' + Arguments::help());

    // One Ctrl-C ends any command with 130, once what it reported is whole.
    Console::catchInterrupt();
    switch (arguments.command) {
    case Arguments::None:
        return Arguments::usageError(QCoreApplication::translate("tavro-cli", "no command given"));
    case Arguments::Report:
    case Arguments::Summary:
        return Commands::report(arguments, arguments.command == Arguments::Summary);
    case Arguments::Clear:
        return Commands::clear(arguments);
    case Arguments::Compare:
        return Commands::compare(arguments);
    case Arguments::Convert:
        return Commands::convert(arguments);
    case Arguments::Unknown:
        break;
    }
    return Arguments::usageError(QCoreApplication::translate("tavro-cli", "unknown command \"%1\""),
                                 {arguments.commandName});
}
