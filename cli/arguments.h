// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef ARGUMENTS_H
#define ARGUMENTS_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// tavro-cli's command line: the command, its operands and its options, as the system spells them
// (bytes, so that any file name passes through). Options may come anywhere, short ones bundled
// (-0l) or with their value attached (-fjson), long ones with "=" or the next argument for their
// value; "--" ends them, and "-" alone is an operand.
class Arguments
{
public:
    // None when no command was given, Unknown for a word that names none.
    enum Command { None, Report, Summary, Clear, Compare, Convert, Unknown };

    Arguments(int &argc, char **argv) : argc(argc), argv(argv) {}

    // False with `error` set for an unknown option, a missing value, or an option that the
    // command does not take: the sentence untranslated (the catalogue is chosen later), and its
    // values.
    bool parse();
    bool isSet(const char *name) const;
    // The last value given for the option named by its long name, or `otherwise`.
    QByteArray value(const char *name, const QByteArray &otherwise = QByteArray()) const;
    QList<QByteArray> values(const char *name) const;

    // Tells why on standard error (a sentence and its values, as Output::message takes them),
    // then how the commands are used: the exit status 2. Without a sentence, only the usage.
    static int usageError(const QString &sentence = QString(),
                          const QList<QByteArray> &values = {});

    // In the user's language, options and their values as they are typed.
    static QByteArray usage();
    static QByteArray help();

    int &argc;
    char **argv;
    Command command = None;
    QByteArray commandName; // as it was typed
    QList<QByteArray> operands;
    const char *error = nullptr;
    QList<QByteArray> errorValues;

private:
    QList<std::pair<QByteArray, QByteArray>> given; // long name, value
};

#endif // ARGUMENTS_H
