// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef CATALOGUE_H
#define CATALOGUE_H

#include <QByteArray>
#include <QStringList>
#include <QTranslator>

class QString;

// The translation catalogue, installed only after a check that every lookup Qt will make in it
// stays inside the file. Qt checks little more than the magic number when it loads
// a catalogue and trusts the offsets inside it when it translates, so a catalogue damaged on
// the disk would crash the program at the first translated text instead of leaving it English.
class Catalogue : public QTranslator
{
public:
    Catalogue() = default;
    ~Catalogue() override;

    // Reads the file at `path` and loads it when it is well formed. The bytes are kept, so what
    // was checked is exactly what Qt reads.
    bool loadChecked(const QString &path);

    // The catalogue for this user: `lang.qm` in `programFolder` when there is such a file (a
    // catalogue put there by hand wins, and one that fails the check leaves the program English);
    // otherwise tavro_<language>.qm from `translationsFolder` for the first of `languages`
    // (BCP 47 names, most wanted first) that has one. English, the source language, ends the
    // search: a user who lists it before German gets English. False when nothing was loaded.
    bool loadFor(const QString &programFolder, const QString &translationsFolder,
                 const QStringList &languages);

    static bool isWellFormed(const QByteArray &catalogue);

private:
    QByteArray bytes;
};

#endif // CATALOGUE_H
