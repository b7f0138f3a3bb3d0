#ifndef NATIVETEXT_H
#define NATIVETEXT_H

#include <QByteArray>
#include <QString>

// File names on Linux are bytes, not text: a dump copied from an old Windows stick may carry a
// name that is no valid UTF-8. These conversions keep such names intact through Qt's string
// handling: undecodable bytes become lone surrogates U+DC80..U+DCFF and back.
namespace NativeText {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

} // namespace NativeText

#endif // NATIVETEXT_H
