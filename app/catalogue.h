#ifndef CATALOGUE_H
#define CATALOGUE_H

#include <QByteArray>
#include <QTranslator>

class QString;

// The optional translation catalogue, installed only after a check that every lookup Qt will
// make in it stays inside the file. Qt checks little more than the magic number when it loads
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

    static bool isWellFormed(const QByteArray &catalogue);

private:
    QByteArray bytes;
};

#endif // CATALOGUE_H
