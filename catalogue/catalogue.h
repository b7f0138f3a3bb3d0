// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef CATALOGUE_H
#define CATALOGUE_H

#include <QByteArray>
#include <QStringList>
#include <QTranslator>

// The translation catalogue, loaded only after a check that every lookup Qt will make in it stays
// inside the file: Qt checks little more than the magic number and trusts the offsets inside, so
// a damaged catalogue would crash the program at the first translated text.
class Catalogue : public QTranslator
{
    Q_OBJECT

public:
    explicit Catalogue(QObject *parent = nullptr) : QTranslator(parent) {}
    ~Catalogue() override;

    // Loads the file at `path` when it is well formed; what was checked is exactly what Qt reads.
    bool loadChecked(const QString &path);

    // `lang.qm` in `programFolder` when there is one (put there by hand, it wins even when it
    // fails the check), else tavro_<language>.qm from `translationsFolder` for the first of
    // `languages` (BCP 47, most wanted first) that has one; English, the source, ends the search.
    bool loadFor(const QString &programFolder, const QString &translationsFolder,
                 const QStringList &languages);

    // English's own plural forms ("1 file", "2 files"), compiled in: installed first, beneath the
    // user's catalogue, they serve English and any text a catalogue lacks.
    bool loadEnglishPlurals();

    static bool isWellFormed(const QByteArray &catalogue);

private:
    QByteArray bytes;
};

#endif // CATALOGUE_H
