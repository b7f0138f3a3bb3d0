// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "arguments.h"
#include "commands.h"
#include "console.h"
#include "output.h"
#include "tavroversion.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

// tavro-cli: the window's checks for whole batches of dumps, from a script. QtCore only, so it
// starts fast and runs without a display.

namespace {

int print(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    Output::message(QStringLiteral("cannot write the output: %1"),
                    {QByteArray(std::strerror(errno))});
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    Console::failWritesInsteadOfSignals();
    Arguments arguments(argc, argv);
    if (!arguments.parse())
        return Arguments::usageError(QStringLiteral("%1"), {arguments.error});
    if (arguments.isSet("help"))
        return print(QByteArray(Arguments::usage) + '\n' + Arguments::help);
    if (arguments.isSet("version"))
        return print("tavro-cli " TAVRO_VERSION " (build " + QByteArray::number(TAVRO_BUILD) +
                     ")\n");

    const QByteArray &command = arguments.command;
    if (command.isEmpty())
        return Arguments::usageError(QStringLiteral("no command given"));
    if (command == "report" || command == "summary")
        return Commands::report(arguments, command == "summary");
    if (command == "clear")
        return Commands::clear(arguments);
    if (command == "compare")
        return Commands::compare(arguments);
    if (command == "convert")
        return Commands::convert(arguments);
    return Arguments::usageError(QStringLiteral("unknown command \"%1\""), {command});
}
