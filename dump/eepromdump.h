#ifndef EEPROMDUMP_H
#define EEPROMDUMP_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The board image last loaded, and what was decoded from it.
//
// Data flow: the window hands a path to load(); load() checks the file, keeps its bytes in `data`
// and returns the report as Qt rich text. Problems are never thrown: they are told in the report
// and by `error`. clearAndSave() then writes a copy of `data` with the variable data block zeroed.
//
// Image layout (512 bytes, little-endian): 0..254 variable data block (error counters at 160..173,
// last error at 254); 256..510 identification block (product code 256..259, engine word 496,
// MCU word 507, checksum over 256..508 stored at 509).
class EepromDump
{
public:
    static constexpr int ImageSize = 512;
    static constexpr int VariableBlockSize = 255;
    static constexpr int ErrorCount = 14;

    QString load(const QString &path);
    // The same checks and report as load(), for bytes already in memory.
    QString loadImage(const QByteArray &bytes);
    // Writes the image with its variable data block zeroed; `why` gets the system's reason for a
    // failure. The loaded image is cleared only once the file is safely on disk.
    bool clearAndSave(const QString &path, QString *why = nullptr);

    quint8 error = 0;
    QByteArray data;
    quint64 size = 0;
    quint32 productCode = 0;
    quint16 engineType = 0;
    quint16 mcuType = 0;
    quint8 errorStats[ErrorCount] = {};
    quint8 lastError = 0;

private:
    QString sizeLine() const;
    QString decode();
};

#endif // EEPROMDUMP_H
