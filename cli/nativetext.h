#ifndef NATIVETEXT_H
#define NATIVETEXT_H

#include <QByteArray>
#include <QString>

// File names on Linux are bytes, not text: a dump copied from an old Windows stick may carry a
// name that is no valid UTF-8. These conversions keep such names intact through Qt's string
// handling (undecodable bytes become lone surrogates U+DC80..U+DCFF and back), and make them
// printable where the output must be UTF-8.
namespace NativeText {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);
// Appends `bytes` to `out` with every byte that is not part of a valid UTF-8 sequence replaced
// by U+FFFD.
void appendUtf8(QByteArray &out, const QByteArray &bytes);

} // namespace NativeText

#endif // NATIVETEXT_H
