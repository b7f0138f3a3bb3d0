// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "arguments.h"

#include "output.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// The commands by their names, in the order of Arguments::Command from Report on.
const char *const commandNames[] = {"report", "summary", "clear", "compare", "convert"};

constexpr unsigned bit(Arguments::Command command)
{
    return 1u << command;
}

constexpr unsigned report = bit(Arguments::Report);
constexpr unsigned summary = bit(Arguments::Summary);
constexpr unsigned clear = bit(Arguments::Clear);
constexpr unsigned compare = bit(Arguments::Compare);
constexpr unsigned convert = bit(Arguments::Convert);
constexpr unsigned every = ~0u;

struct Option
{
    char letter; // the short name, or '\0'
    const char *name;
    bool takesValue;
    unsigned commands; // the bits of those that take it
};

const Option options[] = {
    {'h', "help", false, every},
    {'v', "version", false, every},
    {'f', "format", true, report | summary},
    {'\0', "only", true, report},
    {'\0', "last-error", true, report},
    {'l', "files-with-matches", false, report},
    {'\0', "files-from", true, report | summary | clear},
    {'0', "null", false, report | summary | clear},
    {'\0', "no-header", false, report | summary},
    {'\0', "delimiter", true, report | summary},
    {'\0', "bom", false, report | summary},
    {'o', "output", true, clear | convert},
    {'\0', "suffix", true, clear},
    {'d', "output-dir", true, clear},
    {'\0', "parents", false, clear},
    {'\0', "dry-run", false, clear},
    {'\0', "force", false, clear | convert},
    {'\0', "to", true, convert},
    {'q', "quiet", false, compare},
};

// "report, summary and clear": the commands that take an option.
QByteArray takers(unsigned commands)
{
    QList<QByteArray> names;
    for (int command = Arguments::Report; command <= Arguments::Convert; ++command) {
        if (commands & bit(Arguments::Command(command)))
            names << commandNames[command - Arguments::Report];
    }
    const QByteArray last = names.takeLast();
    return names.isEmpty() ? last : names.join(", ") + " and " + last;
}

const Option *findOption(char letter, const QByteArray &name)
{
    for (const Option &option : options) {
        if (letter ? option.letter == letter : name == option.name)
            return &option;
    }
    return nullptr;
}

} // namespace

QByteArray Arguments::usage()
{
    return QCoreApplication::translate(
               "tavro-cli",
               "Usage: tavro-cli report [-f text|json|jsonl|csv] [--only VERDICT]\n"
               "                        [--last-error E] [-l] PATH...\n"
               "       tavro-cli summary [-f text|json|csv] PATH...\n"
               "       tavro-cli clear INPUT -o OUTPUT [--force]\n"
               "       tavro-cli clear PATH... --suffix SUFFIX | -d OUTDIR [--parents]\n"
               "                       [--force] [--dry-run]\n"
               "       tavro-cli compare [-q] A B\n"
               "       tavro-cli convert INPUT -o OUTPUT --to bin|ihex|srec [--force]\n")
        .toUtf8();
}

// Written as one text within 80 columns, so that each language lays out its columns its own way.
QByteArray Arguments::help()
{
    return QCoreApplication::translate(
               "tavro-cli",
               "Checks, cleans, compares and converts 512-byte EEPROM dumps of Tavro\n"
               "washing-machine control boards. A dump is the 512 bytes themselves (.bin,\n"
               ".eep) or the Intel HEX or Motorola S-record text that a device programmer\n"
               "writes, told apart by the contents. A folder is searched recursively, in\n"
               "sorted order, for .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec,\n"
               ".mot and .sx files, in any letter case; - is standard input.\n"
               "\n"
               "Commands:\n"
               "  report PATH...   the report on each file, as the Tavro Tool window shows it\n"
               "  summary PATH...  how many files there are of each verdict, engine, MCU, last\n"
               "                   error and product code, and for each error how many boards\n"
               "                   have it, its total and its largest count\n"
               "  clear PATH...    writes a cleaned copy of each: bytes 0 to 254 (the error\n"
               "                   history and counters) zero, everything else unchanged, in\n"
               "                   the format of its input\n"
               "  compare A B      tells whether two reads of a board are identical, and if\n"
               "                   not, which bytes and decoded fields differ; of two folders,\n"
               "                   each pair of files with the same relative path, and the\n"
               "                   files on one side only\n"
               "  convert INPUT    writes the image in another format, byte for byte\n"
               "\n"
               "Options:\n"
               "  -f, --format F       report as text (the default), json, jsonl (one object a\n"
               "                       line) or csv; summary as text, json or csv\n"
               "      --only VERDICT   report only the files of that verdict: valid,\n"
               "                       bad-checksum, wrong-size, unknown-engine or unreadable;\n"
               "                       repeatable\n"
               "      --last-error E   report only the images whose last error is E (E3, or\n"
               "                       none); repeatable\n"
               "  -l, --files-with-matches\n"
               "                       report only the paths of the files, one a line\n"
               "      --files-from F   report, summary, clear: the paths are read from the\n"
               "                       file F (- for standard input), one a line\n"
               "  -0, --null           the paths of --files-from, and those -l prints, end in\n"
               "                       a NUL character instead (find -print0, xargs -0)\n"
               "      --no-header      CSV without its header row\n"
               "      --delimiter C    CSV with the fields separated by C (; for example)\n"
               "      --bom            CSV starting with UTF-8's byte order mark, for\n"
               "                       spreadsheets\n"
               "  -o, --output F       clear, convert: the file to write; - (or /dev/stdout)\n"
               "                       is standard output\n"
               "      --suffix S       clear: each copy beside its input, S inserted before\n"
               "                       the extension\n"
               "  -d, --output-dir D   clear: each copy under D, at its input's path relative\n"
               "                       to the folder given\n"
               "      --parents        clear: each copy under D at its input's whole path as\n"
               "                       given (cp --parents), so that files of the same name\n"
               "                       from different folders stay apart\n"
               "      --dry-run        clear: lists what would be written, and writes nothing\n"
               "      --force          clear, convert: replace an existing file, even the\n"
               "                       input itself\n"
               "      --to F           convert: bin (the 512 bytes), ihex (Intel HEX) or srec\n"
               "                       (S-record)\n"
               "  -q, --quiet          compare: no output, the exit status only\n"
               "  -h, --help           this help\n"
               "  -v, --version        the version and build number\n"
               "  --                   ends the options: a file name after it may start with -\n"
               "\n"
               "Exit status, the same for every command:\n"
               "  0    all good: every file a valid image with a right checksum, some file\n"
               "       selected (--only, --last-error), every copy written, files identical\n"
               "  1    a finding: a file that is not, none selected, an input or an output\n"
               "       refused, files that differ\n"
               "  2    a usage error, a path that does not exist, a folder or a list that\n"
               "       could not be read, a file compare cannot read, an output not written\n"
               "  130  interrupted (Ctrl-C)\n"
               "  141  standard output closed by its reader (| head)\n"
               "See tavro-cli(1).\n")
        .toUtf8();
}

bool Arguments::parse()
{
    QList<QByteArray> positional;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || argument.size() < 2 || argument.at(0) != '-') {
            positional << argument;
            continue;
        }
        const bool isLong = argument.startsWith("--");
        const qsizetype equals = argument.indexOf('=');
        // Each letter of a bundle in turn; a long option at once.
        for (qsizetype at = 1; at < argument.size(); ++at) {
            const QByteArray name = isLong ? argument.mid(2, equals < 0 ? -1 : equals - 2)
                                           : QByteArray(1, argument.at(at));
            const Option *option = findOption(isLong ? 0 : name.at(0), name);
            if (!option) {
                error = QT_TRANSLATE_NOOP("tavro-cli", "unknown option \"%1\" (\"--\" ends the "
                                                       "options: tavro-cli %2 -- %1)");
                errorValues = {argument, positional.value(0, "COMMAND")};
                return false;
            }
            const QByteArray shown = isLong ? "--" + name : "-" + name;
            QByteArray value;
            if (option->takesValue) {
                if (isLong && equals >= 0)
                    value = argument.mid(equals + 1);
                else if (!isLong && at + 1 < argument.size())
                    value = argument.mid(at + 1);
                else if (i + 1 < argc)
                    value = argv[++i];
                else {
                    error = QT_TRANSLATE_NOOP("tavro-cli", "%1 needs a value");
                    errorValues = {shown};
                    return false;
                }
            } else if (isLong && equals >= 0) {
                error = QT_TRANSLATE_NOOP("tavro-cli", "%1 takes no value");
                errorValues = {shown};
                return false;
            }
            given.append({option->name, value});
            if (isLong || option->takesValue)
                break;
        }
    }
    if (positional.isEmpty())
        return true;
    commandName = positional.takeFirst();
    operands = positional;
    command = Unknown; // named as unknown by the caller
    for (int known = Report; known <= Convert; ++known) {
        if (commandName == commandNames[known - Report])
            command = Command(known);
    }
    if (command == Unknown)
        return true;
    for (const auto &entry : std::as_const(given)) {
        const Option *option = findOption(0, entry.first);
        if (option->commands & bit(command))
            continue;
        error = QT_TRANSLATE_NOOP("tavro-cli", "--%1 is not an option of %2 (it is one of the "
                                               "options that belong to %3)");
        errorValues = {entry.first, commandName, takers(option->commands)};
        return false;
    }
    return true;
}

bool Arguments::isSet(const char *name) const
{
    for (const auto &option : given) {
        if (option.first == name)
            return true;
    }
    return false;
}

QByteArray Arguments::value(const char *name, const QByteArray &otherwise) const
{
    const QList<QByteArray> all = values(name);
    return all.isEmpty() ? otherwise : all.last();
}

QList<QByteArray> Arguments::values(const char *name) const
{
    QList<QByteArray> all;
    for (const auto &option : given) {
        if (option.first == name)
            all << option.second;
    }
    return all;
}

int Arguments::usageError(const QString &sentence, const QList<QByteArray> &values)
{
    if (!sentence.isEmpty())
        Output::message(sentence, values);
    const QByteArray text = usage();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    return 2;
}
