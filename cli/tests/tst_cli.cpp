// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "tavroversion.h"
#include "testimage.h"

#include <QTemporaryDir>
#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

// The real tavro-cli, run as a script would run it, on a folder of our synthetic images.
class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void reportJson();
    void reportCsvAndText();
    void reportLanguage_data();
    void reportLanguage();
    void language_data();
    void language();
    void exitStatus_data();
    void exitStatus();
    void clear_data();
    void clear();
    void clearUnderFaults_data();
    void clearUnderFaults();
    void clearKeepsFileThatAppears_data();
    void clearKeepsFileThatAppears();
    void clearOnLostReplies_data();
    void clearOnLostReplies();
    void compare_data();
    void compare();
    void brokenOutput();
    void oddNames_data();
    void oddNames();
    void reportMore_data();
    void reportMore() { checkLine(); }
    void summary_data();
    void summary() { checkLine(); }
    void clearMore_data();
    void clearMore() { checkLine(); }
    void compareMore_data();
    void compareMore() { checkLine(); }
    void convert_data();
    void convert() { checkLine(); }
    void interrupt_data();
    void interrupt() { checkLine(); }
    void statuses_data();
    void statuses() { checkLine(); }
    void csv_data();
    void csv() { checkLine(); }
    void completion_data();
    void completion();

private:
    // Runs the bash line of the current row in the test's folder, where T is tavro-cli, W a
    // folder of the row's own and `tree DIR` lists the files under DIR; checks its exit status,
    // its standard output (exactly when the row's begins with '=') and its standard error.
    void checkLine();
    struct Run
    {
        int status = -1;
        QByteArray out;
        QByteArray err;
    };
    static Run run(const QStringList &arguments, const QByteArray &shellTail = QByteArray());
    // Runs a bash command line, on a terminal of its own (script(1)) when asked.
    static Run shell(const QByteArray &command, bool terminal = false);
    static Run execute(const QString &program, const QStringList &arguments);
    static int unnamedFileCall(QProcess &process, const QString &strace,
                               const QStringList &arguments);
    static QStringList injecting(const QByteArray &injections);
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    QByteArray oddName; // a file name that is no valid UTF-8
};

namespace {

QByteArray withChecksumError()
{
    QByteArray image = TestImage::valid();
    image[300] = char(image.at(300) + 1);
    return image;
}

QByteArray withUnknownEngine()
{
    QByteArray image = TestImage::valid();
    TestImage::setWord(image, 496, 0x1234);
    TestImage::fixChecksum(image);
    return image;
}

// Writes a file whose name Qt might not spell: the path as the system takes it.
bool writeRaw(const QByteArray &path, const QByteArray &bytes)
{
    QFile file;
    return file.open(::fopen(path.constData(), "w"), QIODevice::WriteOnly,
                     QFile::AutoCloseHandle) &&
           file.write(bytes) == bytes.size();
}

// Any bytes as one bash word.
QByteArray shellQuoted(const QByteArray &bytes)
{
    QByteArray quoted = "$'";
    for (const char c : bytes)
        quoted += "\\x" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    return quoted + '\'';
}

} // namespace

// boards/                      what the report of boards/ covers, in this order:
//   a valid.bin                  valid
//   b checksum.bin               valid, checksum error
//   c short.bin                  wrong size
//   d engine.bin                 unknown engine
//   e fifo.bin                   cannot open (a FIFO: never opened in a way that blocks)
//   f <non-UTF-8 byte>.bin       valid
//   notes.txt, .bin              not covered (.bin is a name with nothing before its suffix)
//   sub/G UPPER.EEP              valid
//   linked -> sub                a link to a folder: not followed
void TestCli::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("boards/sub")));
    QVERIFY(TestImage::write(path("boards/a valid.bin"), TestImage::valid()));
    QVERIFY(TestImage::write(path("boards/b checksum.bin"), withChecksumError()));
    QVERIFY(TestImage::write(path("boards/c short.bin"), QByteArray(100, 'x')));
    QVERIFY(TestImage::write(path("boards/d engine.bin"), withUnknownEngine()));
    QCOMPARE(::mkfifo(QFile::encodeName(path("boards/e fifo.bin")).constData(), 0600), 0);
    oddName = QFile::encodeName(dir.path()) + "/boards/f \xff\xfe.bin";
    QVERIFY(writeRaw(oddName, TestImage::valid()));
    QVERIFY(TestImage::write(path("boards/notes.txt"), TestImage::valid()));
    QVERIFY(TestImage::write(path("boards/.bin"), TestImage::valid()));
    QVERIFY(TestImage::write(path("boards/sub/G UPPER.EEP"), TestImage::valid()));
    QVERIFY(QFile::link(path("boards/sub"), path("boards/linked")));
    QVERIFY(TestImage::write(path("valid.bin"), TestImage::valid()));
    QVERIFY(TestImage::write(path("checksum.bin"), withChecksumError()));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("empty")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("formats")));
    for (const char *format : {"hex", "s19"}) {
        const QString name = QStringLiteral("formats/valid.") + QLatin1String(format);
        QCOMPARE(run({QStringLiteral("convert"), path("valid.bin"), QStringLiteral("-o"),
                      dir.filePath(name), QStringLiteral("--to"),
                      QLatin1String(format[0] == 'h' ? "ihex" : "srec")})
                     .status,
                 0);
    }
    QVERIFY(TestImage::write(path("formats/bad.hex"),
                             ":10000000030A11181F262D343B424950575E656C79\n:00000001FF\n"));
}

void TestCli::cleanupTestCase()
{
    ::unlink(oddName.constData()); // Qt cannot spell this name to remove it with the folder
}

TestCli::Run TestCli::run(const QStringList &arguments, const QByteArray &shellTail)
{
    if (shellTail.isEmpty())
        return execute(QStringLiteral(TAVRO_CLI), arguments);
    QByteArray line = "'" TAVRO_CLI "'";
    for (const QString &argument : arguments)
        line += ' ' + shellQuoted(QFile::encodeName(argument));
    return shell(line + ' ' + shellTail);
}

TestCli::Run TestCli::shell(const QByteArray &command, bool terminal)
{
    const QString line = QString::fromLatin1(command);
    if (terminal)
        return execute(QStringLiteral("script"),
                       {QStringLiteral("-qec"), line, QStringLiteral("/dev/null")});
    return execute(QStringLiteral("bash"), {QStringLiteral("-c"), line});
}

TestCli::Run TestCli::execute(const QString &program, const QStringList &arguments)
{
    Run result;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SHELL"), QStringLiteral("/bin/bash")); // script(1) uses it
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void TestCli::reportJson()
{
    const Run r = run({QStringLiteral("report"), QStringLiteral("--format"), QStringLiteral("json"),
                       path("boards")});
    QCOMPARE(r.status, 1); // not every file is a valid image with a right checksum
    QVERIFY2(r.err.isEmpty(), r.err.constData()); // never a progress line when not on a terminal
    QJsonParseError error{};
    const QJsonArray files = QJsonDocument::fromJson(r.out, &error).array();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(r.out.count('\n'), files.size() + 2); // "[", one line per file, "]"
    // A folder without a dump still gives an array that a JSON reader takes.
    const Run none = run({QStringLiteral("report"), QStringLiteral("--format"),
                          QStringLiteral("json"), path("empty")});
    QCOMPARE(none.out, QByteArray("[]\n"));

    QStringList paths;
    QStringList problems;
    for (const QJsonValue &file : files) {
        const QJsonObject object = file.toObject();
        paths << object.value(QLatin1String("path")).toString().mid(dir.path().size() + 8);
        problems << object.value(QLatin1String("problem")).toString(QStringLiteral("-"));
        QCOMPARE(object.value(QLatin1String("valid")).toBool(),
                 object.value(QLatin1String("problem")).isNull());
    }
    QCOMPARE(paths, QStringList({QStringLiteral("a valid.bin"), QStringLiteral("b checksum.bin"),
                                 QStringLiteral("c short.bin"), QStringLiteral("d engine.bin"),
                                 QStringLiteral("e fifo.bin"), QStringLiteral("f \ufffd\ufffd.bin"),
                                 QStringLiteral("sub/G UPPER.EEP")}));
    QCOMPARE(problems,
             QStringList({QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("wrong size"),
                          QStringLiteral("unknown engine"), QStringLiteral("cannot open"),
                          QStringLiteral("-"), QStringLiteral("-")}));
    QCOMPARE(files.at(2).toObject().value(QLatin1String("size")).toInt(), 100);
    QVERIFY(files.at(4).toObject().value(QLatin1String("size")).isNull());

    // Every decoded value of a valid image, as the window shows it.
    const QJsonObject valid = files.at(0).toObject();
    QCOMPARE(valid.value(QLatin1String("size")).toInt(), 512);
    QCOMPARE(valid.value(QLatin1String("product_code")).toString(), QStringLiteral("0a1b2c3d"));
    const QJsonObject engine = valid.value(QLatin1String("engine")).toObject();
    QCOMPARE(engine.value(QLatin1String("word")).toString(), QStringLiteral("0x2124"));
    QCOMPARE(engine.value(QLatin1String("name")).toString(), QStringLiteral("C.E.Set. Srl"));
    const QJsonObject mcu = valid.value(QLatin1String("mcu")).toObject();
    QCOMPARE(mcu.value(QLatin1String("word")).toString(), QStringLiteral("0xbc42"));
    QCOMPARE(mcu.value(QLatin1String("name")).toString(), QStringLiteral("Tavro 02 C0 141 C48"));
    const QString sum = QStringLiteral("0x%1").arg(TestImage::checksumOf(TestImage::valid()), 4, 16,
                                                   QLatin1Char('0'));
    QCOMPARE(valid.value(QLatin1String("checksum")).toObject().toVariantMap(),
             QVariantMap({{QStringLiteral("stored"), sum},
                          {QStringLiteral("computed"), sum},
                          {QStringLiteral("ok"), true}}));
    QCOMPARE(valid.value(QLatin1String("last_error")).toString(), QStringLiteral("E3"));
    const QJsonArray errors = valid.value(QLatin1String("errors")).toArray();
    QCOMPARE(errors.size(), 14);
    QCOMPARE(errors.at(3).toObject().toVariantMap(),
             QVariantMap({{QStringLiteral("code"), QStringLiteral("E3")},
                          {QStringLiteral("name"), QStringLiteral("No drain")},
                          {QStringLiteral("count"), 4}}));
    QCOMPARE(errors.at(13).toObject().value(QLatin1String("code")).toString(),
             QStringLiteral("ED"));

    const QJsonObject checksum = files.at(1).toObject().value(QLatin1String("checksum")).toObject();
    QCOMPARE(checksum.value(QLatin1String("ok")).toBool(), false);
    QVERIFY(checksum.value(QLatin1String("stored")) != checksum.value(QLatin1String("computed")));
}

void TestCli::reportCsvAndText()
{
    const Run csv = run({QStringLiteral("report"), QStringLiteral("-f"), QStringLiteral("csv"),
                         path("boards/a valid.bin"), path("boards/c short.bin")});
    QCOMPARE(csv.status, 1);
    const QList<QByteArray> rows = csv.out.split('\n');
    QCOMPARE(rows.size(), 4); // header, two rows, and the end of the last line
    QVERIFY(rows.at(0).startsWith("path,size,valid,problem,product_code,engine,mcu,"
                                  "checksum_stored,checksum_computed,checksum_ok,last_error,E0,"));
    QVERIFY(rows.at(0).endsWith(",EC,ED,format,detail\r"));
    const QList<QByteArray> valid = rows.at(1).chopped(1).split(',');
    QCOMPARE(valid.size(), 27);
    QCOMPARE(valid.mid(1, 7), QList<QByteArray>({"512", "true", "", "0a1b2c3d", "C.E.Set. Srl",
                                                 "Tavro 02 C0 141 C48", valid.at(8)}));
    QCOMPARE(valid.mid(9), QList<QByteArray>({"true", "E3", "1", "2", "3", "4", "5", "6", "7", "8",
                                              "9", "10", "11", "12", "13", "14", "bin", ""}));
    QCOMPARE(rows.at(2).chopped(1).split(',').mid(1, 3),
             QList<QByteArray>({"100", "false", "wrong size"}));
    QCOMPARE(rows.at(2).count(','), 26);

    // The text is the window's report, line by line, under each path.
    const Run text =
        run({QStringLiteral("report"), path("boards/a valid.bin"), path("boards/b checksum.bin")});
    QCOMPARE(text.status, 1);
    const QString out = QString::fromUtf8(text.out);
    QVERIFY(
        out.startsWith(path("boards/a valid.bin") + QStringLiteral("\nFile size : 512 bytes\n"
                                                                   "Product code : 0a1b2c3d\n")));
    QVERIFY(out.contains(QStringLiteral("\nEEPROM checksum: OK\n\nLast error : E3\n")));
    QVERIFY(
        out.contains(QStringLiteral("\n\n") + path("boards/b checksum.bin") + QLatin1Char('\n')));
    QVERIFY(out.contains(QStringLiteral("EEPROM checksum: Error\n")));
    QVERIFY(!out.contains(QLatin1Char('<')));
    QCOMPARE(out.count(QStringLiteral("E3 - No drain: 4\n")), 2);
}

// With a catalogue beside it, as beside the program, the text report is translated; JSON and CSV
// are read by programs and stay English.
void TestCli::reportLanguage_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text") << QStringLiteral("text")
                          << QStringLiteral("Dateigröße: 512 Bytes\nProduktcode: 0a1b2c3d\n");
    QTest::newRow("json") << QStringLiteral("json")
                          << QStringLiteral("{\"code\":\"E3\",\"name\":\"No drain\",\"count\":4}");
    QTest::newRow("csv") << QStringLiteral("csv")
                         << QStringLiteral(",512,true,,0a1b2c3d,C.E.Set. Srl,");
}

void TestCli::reportLanguage()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    const QString program = path("translated/tavro-cli");
    if (!QFile::exists(program)) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("translated")));
        QVERIFY(QFile::copy(QStringLiteral(TAVRO_CLI), program));
        QVERIFY(QFile::copy(QStringLiteral(TAVRO_QM_FILE), path("translated/lang.qm")));
    }
    QProcess process;
    process.start(
        program, {QStringLiteral("report"), QStringLiteral("--format"), format, path("valid.bin")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(out.contains(expected), qPrintable(out));
}

// Every text for a person follows the catalogue beside the program: messages, usage errors,
// --help, compare's and summary's texts; JSON and CSV stay English. T is a copy of tavro-cli with
// the row's catalogue; W a folder of the row's own.
void TestCli::language_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    const auto row = [](const char *name, const char *language, const QByteArray &line,
                        const QByteArray &out, const QByteArray &err = QByteArray()) {
        QTest::newRow(name) << QString::fromLatin1(language) << line << out << err;
    };
    row("de, a message", "de", "T convert valid.bin -o checksum.bin --to bin", "",
        "tavro-cli: checksum.bin: existiert bereits; --force ersetzt sie\n");
    row("de, --help", "de", "T --help", "Befehle:\n  report PFAD...    der Bericht jeder Datei");
    row("de, compare", "de", "T compare valid.bin checksum.bin",
        "valid.bin und checksum.bin unterscheiden sich in 1 Byte\n\nKennungsblock");
    row("de, summary", "de", "T summary valid.bin checksum.bin",
        "2 Dateien\n  1  gültig\n  1  Prüfsumme falsch\n");
    row("de, a HEX file refused", "de", "T report formats/bad.hex",
        "Zeile 1: Prüfsumme 0x79, erwartet 0x78\n");
    row("de, a usage error", "de", "T report --bom valid.bin", "",
        "gelten nur für CSV\nAufruf: tavro-cli report");
    const QByteArray unknownMcu = "cp valid.bin $W/m.bin && printf '\\x11' | dd of=$W/m.bin bs=1 "
                                  "seek=507 conv=notrunc 2>/dev/null && ";
    row("de, an unknown MCU in the summary", "de", unknownMcu + "T summary $W/m.bin",
        "MCU-Typ\n  1  Unbekannt\n");
    row("de, an unknown MCU in the report", "de", unknownMcu + "T report $W/m.bin",
        "MCU-Typ: Unbekannt\n");
    row("de, JSON in English", "de", "T summary -f json valid.bin", "\"name\":\"No drain\"");
    row("de, CSV in English", "de", "T report -f csv 'boards/c short.bin'",
        "short.bin,100,false,wrong size,");
    row("de, a refusal in German, its detail in English", "de",
        "T report formats/bad.hex; T report -f csv --no-header formats/bad.hex",
        "Zeile 1: Prüfsumme 0x79, erwartet 0x78\nformats/bad.hex,56,false,bad "
        "records,,,,,,,,,,,,,,,,,,,,,,ihex,\"line 1: checksum 0x79, expected 0x78\"\r\n");
    row("fr, a message", "fr", "T clear valid.bin -o valid.bin", "",
        "valid.bin\u00a0: est le fichier d’entrée lui-même\u00a0; --force");
    row("fr, compare", "fr", "T compare valid.bin checksum.bin",
        "valid.bin et checksum.bin diffèrent de 1 octet\n");
    row("es, --help", "es", "T --help", "Uso: tavro-cli report");
    row("pl, clear's count", "pl", "cp valid.bin $W && T clear --suffix _x $W/valid.bin", "",
        "1 zapisany, 0 odrzuconych, 0 nieudanych\n");
    row("it, a usage error", "it", "T compare valid.bin", "",
        "compare richiede due file o due cartelle\nUso: tavro-cli");
    // A size past what Qt counts plural forms by still picks the form its last digits ask for.
    row("pl, the size of a 3 GiB file", "pl",
        "truncate -s 3221225532 $W/big.bin && T report $W/big.bin",
        "Rozmiar pliku: 3221225532 bajty\n");
    // The system's reason from the catalogue, where the system's locale is not installed.
    row("ru, a system's reason without its locale", "ru", "LC_ALL=ru_RU.UTF-8 T report no.bin", "",
        "tavro-cli: no.bin: Нет такого файла или папки\n");
    row("tr, a system's reason without its locale", "tr", "LC_ALL=tr_TR.UTF-8 T report no.bin", "",
        "tavro-cli: no.bin: Böyle bir dosya ya da klasör yok\n");
    for (const QByteArray &language : QByteArray(TAVRO_LANGUAGES).split(' ')) {
        QTest::addRow("%s, --help within 80 columns", language.constData())
            << QString::fromLatin1(language)
            << QByteArray("T --help | { LC_ALL=C.UTF-8; n=0 w=0; while IFS= read -r l; do "
                          "((n++, ${#l} > w)) && w=${#l}; done; ((n > 50 && w <= 80)) && "
                          "echo within 80 columns; }")
            << QByteArray("within 80 columns\n") << QByteArray();
    }
}

void TestCli::language()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    const QString folder = path("lang-") + language;
    if (!QFile::exists(folder + QLatin1String("/lang.qm"))) {
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::copy(QStringLiteral(TAVRO_CLI), folder + QLatin1String("/tavro-cli")));
        QVERIFY(
            QFile::copy(QStringLiteral(TAVRO_QM_DIR "/tavro_") + language + QLatin1String(".qm"),
                        folder + QLatin1String("/lang.qm")));
    }
    const Run r = shell("cd " + shellQuoted(QFile::encodeName(dir.path())) + " && T() { " +
                        shellQuoted(QFile::encodeName(folder)) +
                        "/tavro-cli \"$@\"; } && W=$(mktemp -d -p .) && " + line);
    QVERIFY2(r.out.contains(out), r.out.constData());
    QVERIFY2(r.err.contains(err), r.err.constData());
}

void TestCli::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    const QString report = QStringLiteral("report");
    QTest::newRow("all valid") << QStringList{report, path("valid.bin"), path("boards/sub")} << 0
                               << QByteArray();
    QTest::newRow("a checksum error")
        << QStringList{report, path("valid.bin"), path("checksum.bin")} << 1 << QByteArray();
    QTest::newRow("no dump in the folder")
        << QStringList{report, path("empty")} << 1
        << QByteArray("no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, "
                      ".mot or .sx file)");
    QTest::newRow("a path that does not exist")
        << QStringList{report, path("valid.bin"), path("missing.bin")} << 2
        << QByteArray("missing.bin: No such file or directory");
    QTest::newRow("no path") << QStringList{report} << 2 << QByteArray("at least one PATH");
    QTest::newRow("unknown format")
        << QStringList{report, QStringLiteral("-f"), QStringLiteral("xml"), path("valid.bin")} << 2
        << QByteArray("unknown format");
    QTest::newRow("unknown command")
        << QStringList{QStringLiteral("check")} << 2 << QByteArray("unknown command");
    QTest::newRow("option of another command")
        << QStringList{report, QStringLiteral("--force"), path("valid.bin")} << 2
        << QByteArray("belong to clear");
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0 << QByteArray();
    QTest::newRow("an option of report given to summary")
        << QStringList{QStringLiteral("summary"), QStringLiteral("--only"), QStringLiteral("valid"),
                       path("valid.bin")}
        << 2
        << QByteArray("--only is not an option of summary (it is one of the options that "
                      "belong to report)");
    QTest::newRow("a value after =, and bundled")
        << QStringList{report, QStringLiteral("--format=json"), QStringLiteral("-0lq"),
                       path("valid.bin")}
        << 2 << QByteArray("--quiet is not an option of report");
    QTest::newRow("a digit that is no option")
        << QStringList{report, QStringLiteral("-1"), path("valid.bin")} << 2
        << QByteArray("unknown option \"-1\"");
    QTest::newRow("a value bundled")
        << QStringList{report, QStringLiteral("-fjson"), path("valid.bin")} << 0 << QByteArray();
    QTest::newRow("a flag given a value")
        << QStringList{QStringLiteral("compare"), QStringLiteral("--quiet=yes"), path("valid.bin"),
                       path("valid.bin")}
        << 2 << QByteArray("--quiet takes no value");
    QTest::newRow("an option without its value")
        << QStringList{QStringLiteral("clear"), path("valid.bin"), QStringLiteral("-o")} << 2
        << QByteArray("-o needs a value");
    QTest::newRow("empty output name")
        << QStringList{QStringLiteral("clear"), path("valid.bin"), QStringLiteral("-o"), QString()}
        << 2 << QByteArray("clear writes one OUTPUT");
}

void TestCli::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    const Run r = run(arguments);
    QCOMPARE(r.status, status);
    QVERIFY2(message.isEmpty() ? r.err.isEmpty() : r.err.contains(message), r.err.constData());
    if (arguments.first() == QLatin1String("--version")) {
        const QByteArray version =
            "tavro-cli " TAVRO_VERSION " (build " + QByteArray::number(TAVRO_BUILD) + ")\n";
        QCOMPARE(r.out, version);
    }
}

void TestCli::clear_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("existing"); // what the output holds before, if anything
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("new output") << "valid.bin" << QString() << false << 0 << QByteArray();
    QTest::newRow("checksum error: cleaned all the same")
        << "checksum.bin" << QString() << false << 0 << QByteArray("checksum does not match");
    QTest::newRow("input not valid") << "boards/d engine.bin" << QString() << false << 1
                                     << QByteArray("not a valid image (unknown engine)");
    QTest::newRow("input a FIFO")
        << "boards/e fifo.bin" << QString() << false << 1
        << QByteArray("cannot be opened: is not a regular file; nothing written");
    QTest::newRow("output exists") << "valid.bin"
                                   << "other" << false << 1 << QByteArray("exists");
    QTest::newRow("output exists, forced") << "valid.bin"
                                           << "other" << true << 0 << QByteArray();
    QTest::newRow("output is the input")
        << "valid.bin"
        << "input" << false << 1 << QByteArray("is the input itself");
    QTest::newRow("output is the input, forced") << "valid.bin"
                                                 << "input" << true << 0 << QByteArray();
    QTest::newRow("output is a folder") << "valid.bin"
                                        << "folder" << true << 1 << QByteArray("is a folder");
    QTest::newRow("output is a device")
        << "valid.bin"
        << "device" << true << 1 << QByteArray("/dev/null: is not a regular file");
    QTest::newRow("output below a regular file")
        << "valid.bin"
        << "below file" << false << 2 << QByteArray("cannot write: Not a directory");
}

void TestCli::clear()
{
    QFETCH(QString, input);
    QFETCH(QString, existing);
    QFETCH(bool, force);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    QTemporaryDir work;
    QVERIFY2(work.isValid(), qPrintable(work.errorString()));
    const QString source = work.filePath(QStringLiteral("input.bin"));
    if (input.contains(QLatin1String("fifo")))
        QCOMPARE(::mkfifo(QFile::encodeName(source).constData(), 0600), 0);
    else
        QVERIFY(QFile::copy(dir.filePath(input), source));
    const QByteArray original =
        input.contains(QLatin1String("fifo")) ? QByteArray() : TestImage::read(source);
    QString target = work.filePath(QStringLiteral("output.bin"));
    const QByteArray before(512, '\x5a');
    if (existing == QLatin1String("other"))
        QVERIFY(TestImage::write(target, before));
    else if (existing == QLatin1String("input"))
        target = source;
    else if (existing == QLatin1String("below file"))
        target = source + QStringLiteral("/output.bin");
    else if (existing == QLatin1String("folder"))
        QVERIFY(QDir(work.path()).mkdir(QStringLiteral("output.bin")));
    else if (existing == QLatin1String("device"))
        target = QStringLiteral("/dev/null");

    QStringList arguments{QStringLiteral("clear"), source, QStringLiteral("-o"), target};
    if (force)
        arguments << QStringLiteral("--force");
    const Run r = run(arguments);
    QCOMPARE(r.status, status);
    QVERIFY2(message.isEmpty() ? r.err.isEmpty() : r.err.contains(message), r.err.constData());

    if (status == 0) {
        QCOMPARE(TestImage::read(target), TestImage::cleaned(original));
    } else if (existing == QLatin1String("other")) {
        QCOMPARE(TestImage::read(target), before);
    } else if (existing == QLatin1String("input")) {
        QCOMPARE(TestImage::read(source), original);
    } else if (existing == QLatin1String("folder")) {
        QVERIFY(QFileInfo(target).isDir());
    } else if (existing == QLatin1String("device")) {
        QVERIFY(!QFileInfo(target).isFile());
    } else {
        QVERIFY(!QFileInfo::exists(target));
    }
}

void TestCli::clearUnderFaults_data()
{
    QTest::addColumn<QByteArray>("inject"); // strace's -e inject=...
    QTest::addColumn<int>("existing");      // the output's size before; -1 none
    QTest::addColumn<bool>("hardLinked");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("folder not synced after the rename")
        << QByteArray("fsync:error=EIO:when=2") << 512 << false << 0
        << QByteArray("saved, but the system could not confirm");
    QTest::newRow("rename refused: bind mount")
        << QByteArray("renameat:error=EBUSY") << 512 << false << 0 << QByteArray();
    QTest::newRow("attribute cannot be carried over: in place")
        << QByteArray("fsetxattr:error=EPERM") << 512 << false << 0 << QByteArray();
    QTest::newRow("rename refused, not a dump") << QByteArray("renameat:error=EBUSY") << 1000
                                                << false << 2 << QByteArray("not a 512-byte dump");
    QTest::newRow("statx refused: the folder's flags asked, not a dump")
        << QByteArray("statx:error=EPERM") << 1000 << false << 0 << QByteArray();
    QTest::newRow("unnamed files refused by the file system")
        << QByteArray("openat:error=EOPNOTSUPP:when=%1") << 512 << false << 0 << QByteArray();
    QTest::newRow("new output, unnamed files refused")
        << QByteArray("openat:error=EOPNOTSUPP:when=%1") << -1 << false << 0 << QByteArray();
    QTest::newRow("no room for a second copy: in place")
        << QByteArray("openat:error=ENOSPC:when=%1") << 512 << false << 0 << QByteArray();
    QTest::newRow("no room for a second copy, not a dump")
        << QByteArray("openat:error=ENOSPC:when=%1") << 1000 << false << 2
        << QByteArray("cannot write: No space left on device");
    QTest::newRow("in place, old bytes put back")
        << QByteArray("fsync:error=EIO:when=1") << 512 << true << 2 << QByteArray("cannot write:");
    QTest::newRow("in place, old bytes put back, not synced")
        << QByteArray("fsync:error=EIO") << 512 << true << 2
        << QByteArray("cannot write; the old contents were put back, but the system could not "
                      "confirm them on the disk");
    QTest::newRow("in place, old bytes not put back")
        << QByteArray("fsync:error=EIO;write:error=EIO:when=2") << 512 << true << 2
        << QByteArray("cannot write, and the file may now be damaged");
}

// The file system's refusal of an unnamed file: which openat of a run that is, counted in a run
// of its own (which writes what the run would).
int TestCli::unnamedFileCall(QProcess &process, const QString &strace, const QStringList &arguments)
{
    process.start(strace, QStringList{QStringLiteral("-e"), QStringLiteral("trace=openat"),
                                      QStringLiteral("-o"), QStringLiteral("/dev/stdout")} +
                              arguments);
    process.waitForFinished(30000);
    const QList<QByteArray> calls = process.readAllStandardOutput().split('\n');
    const auto unnamed = std::find_if(calls.begin(), calls.end(), [](const QByteArray &call) {
        return call.contains("O_TMPFILE");
    });
    return unnamed == calls.end() ? 0 : int(unnamed - calls.begin() + 1);
}

// strace's options for `injections`, separated by ';'.
QStringList TestCli::injecting(const QByteArray &injections)
{
    QStringList options{QStringLiteral("-o"), QStringLiteral("/dev/null")};
    for (const QByteArray &injection : injections.split(';'))
        options << QStringLiteral("-e")
                << QStringLiteral("inject=") + QString::fromLatin1(injection);
    return options;
}

// Whatever a system call says, the output is the whole old or the whole new image, the exit
// status tells which, and nothing else is left in the folder.
void TestCli::clearUnderFaults()
{
    QFETCH(QByteArray, inject);
    QFETCH(int, existing);
    QFETCH(bool, hardLinked);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("strace is missing");
    QTemporaryDir work;
    QVERIFY2(work.isValid(), qPrintable(work.errorString()));
    const QString source = work.filePath(QStringLiteral("input.bin"));
    const QString target = work.filePath(QStringLiteral("output.bin"));
    QVERIFY(QFile::copy(path("valid.bin"), source));
    const QByteArray before(qMax(existing, 0), '\x5a');
    if (existing >= 0)
        QVERIFY(TestImage::write(target, before));
    if (hardLinked)
        QCOMPARE(::link(QFile::encodeName(target).constData(),
                        QFile::encodeName(work.filePath(QStringLiteral("second"))).constData()),
                 0);
    const QStringList arguments{
        QStringLiteral(TAVRO_CLI), QStringLiteral("clear"), source, QStringLiteral("-o"), target,
        QStringLiteral("--force")};
    QProcess process;
    // LeakSanitizer cannot work under a tracer and would fail a sanitizer build's every run.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(environment);
    if (inject.contains("%1")) {
        const int unnamed = unnamedFileCall(process, strace, arguments);
        QVERIFY(unnamed > 0);
        inject.replace("%1", QByteArray::number(unnamed));
        QVERIFY(TestImage::write(source, TestImage::valid()));
        if (existing >= 0)
            QVERIFY(TestImage::write(target, before));
        else
            QFile::remove(target);
    }
    // A user's attribute of the old file, which a rename must carry over.
    if (existing >= 0)
        QCOMPARE(::setxattr(QFile::encodeName(target).constData(), "user.note", "kept", 4, 0), 0);
    QStringList options = injecting(inject);
    // A write is counted among the output's own: a sanitizer build writes to pipes of its own.
    if (inject.contains("write:"))
        options << QStringLiteral("-P") << target;
    process.start(strace, options + arguments);
    QVERIFY(process.waitForFinished(30000));
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.exitCode(), status);
    QVERIFY2(message.isEmpty() ? err.isEmpty() : err.contains(message), err.constData());
    if (!message.contains("damaged")) // else whatever the failing write left
        QCOMPARE(TestImage::read(target),
                 status == 0 ? TestImage::cleaned(TestImage::valid()) : before);
    char note[8] = {};
    if (existing >= 0)
        QCOMPARE(::getxattr(QFile::encodeName(target).constData(), "user.note", note, sizeof note),
                 ssize_t(4));
    QStringList expected{QStringLiteral("input.bin"), QStringLiteral("output.bin")};
    if (hardLinked)
        expected << QStringLiteral("second");
    QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             expected);
}

void TestCli::clearKeepsFileThatAppears_data()
{
    QTest::addColumn<bool>("fallback"); // no unnamed files, RENAME_NOREPLACE or hard links
    QTest::addColumn<QByteArray>("slowed");
    QTest::addColumn<bool>("secondClear");  // else another program writes the file
    QTest::addColumn<QByteArray>("theirs"); // what the other program writes
    const QByteArray sync = "fsync:delay_exit=1500000:when=1";
    const QByteArray theirs(512, '\x5a');
    QTest::newRow("written while the copy is synced") << false << sync << false << theirs;
    QTest::newRow("no atomic way: written while the copy is synced")
        << true << sync << false << theirs;
    // The output is made at its name and written there; slowed at its sync.
    const QByteArray output = "fsync:delay_exit=1500000:when=3";
    QTest::newRow("no atomic way: written into the new output")
        << true << output << false << theirs;
    QTest::newRow("no atomic way: emptied by the other program")
        << true << output << false << QByteArray();
    QTest::newRow("no atomic way: a second clear while the first writes")
        << true << output << true << theirs;
    // Slowed before its bytes go in: appended after the other program's, and taken back.
    QTest::newRow("no atomic way: written before the new output's bytes")
        << true << QByteArray("write:delay_enter=1500000:when=1") << false << theirs;
}

// Without --force nothing is replaced, not even a file that appears at the output while the copy
// is written (one run is slowed down at a call, and the file is written meanwhile), on file
// systems without an atomic way too (strace refuses them), where exactly one of two runs saves.
void TestCli::clearKeepsFileThatAppears()
{
    QFETCH(bool, fallback);
    QFETCH(QByteArray, slowed);
    QFETCH(bool, secondClear);
    QFETCH(QByteArray, theirs);
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("strace is missing");
    QTemporaryDir work;
    QVERIFY2(work.isValid(), qPrintable(work.errorString()));
    const QString target = work.filePath(QStringLiteral("output.bin"));
    const QStringList arguments{QStringLiteral(TAVRO_CLI), QStringLiteral("clear"),
                                path("valid.bin"), QStringLiteral("-o"), target};
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(environment);
    // The first write to the output alone is slowed: strace looks at calls on these paths only.
    const QStringList paths =
        slowed.startsWith("write")
            ? QStringList{QStringLiteral("-P"), work.path(), QStringLiteral("-P"), target}
            : QStringList();
    const bool whileCopySynced = slowed.startsWith("fsync") && slowed.endsWith("when=1");
    if (fallback) {
        const int unnamed = unnamedFileCall(process, strace, paths + arguments);
        QVERIFY(unnamed > 0 && QFile::remove(target));
        slowed += ";renameat2:error=EINVAL;linkat:error=EPERM;openat:error=EOPNOTSUPP:when=" +
                  QByteArray::number(unnamed);
    }
    process.start(strace, injecting(slowed) + paths + arguments);
    QVERIFY(process.waitForStarted());
    // The copy is being written once tavro-cli holds a file in the folder; the output, once the
    // name is taken.
    const auto holdsCopy = [&] {
        const QString children =
            QStringLiteral("/proc/%1/task/%1/children").arg(process.processId());
        const QString child = QString::fromLatin1(TestImage::read(children)).section(u' ', 0, 0);
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(child));
        const QStringList entries =
            child.isEmpty() ? QStringList() : fds.entryList(QDir::AllEntries | QDir::System);
        return std::any_of(entries.begin(), entries.end(), [&](const QString &fd) {
            return QFile::symLinkTarget(fds.filePath(fd)).startsWith(work.path() + u'/');
        });
    };
    QTRY_VERIFY_WITH_TIMEOUT(whileCopySynced ? holdsCopy() : QFileInfo::exists(target), 10000);
    if (secondClear) // of another valid image
        QVERIFY(run({QStringLiteral("clear"), path("checksum.bin"), QStringLiteral("-o"), target})
                    .err.contains("exists"));
    else
        QVERIFY(TestImage::write(target, theirs));
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), secondClear ? 0 : 2);
    QCOMPARE(process.readAllStandardError().contains("File exists"), !secondClear);
    QCOMPARE(TestImage::read(target),
             secondClear ? TestImage::cleaned(TestImage::valid()) : theirs);
    QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("output.bin")});
}

void TestCli::clearOnLostReplies_data()
{
    // The operation the file system does, then answers EIO (:N its Nth call alone), and how it
    // names its files to the kernel (see tests/lostreply_fs.py).
    QTest::addColumn<QString>("lie");
    QTest::addColumn<int>("existing");      // the output's size before; -1: none, without --force
    QTest::addColumn<QByteArray>("inject"); // strace's, on tavro-cli
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    const QByteArray unconfirmed = "saved, but the system could not confirm that the new name is "
                                   "on the disk: Input/output error";
    const QByteArray eio = "cannot write: Input/output error";
    QTest::newRow("rename done") << QStringLiteral("rename") << 1000 << QByteArray() << 0
                                 << unconfirmed;
    QTest::newRow("link done, without --force")
        << QStringLiteral("link") << -1 << QByteArray() << 0 << unconfirmed;
    QTest::newRow("temporary file made")
        << QStringLiteral("create") << 1000 << QByteArray() << 2 << eio;
    QTest::newRow("rename done, look-ups cached")
        << QStringLiteral("rename cached") << 1000 << QByteArray() << 0 << unconfirmed;
    QTest::newRow("rename not done, one inode number for all")
        << QStringLiteral("none same-inode") << 1000 << QByteArray("renameat:error=EIO") << 2
        << eio;
    // The folder's flags cannot be seen through the share: a dump is not risked on a rename.
    QTest::newRow("a dump: written in place")
        << QStringLiteral("rename") << 512 << QByteArray() << 0 << QByteArray();
    // Left for the next save, which then finds nothing but its own output there.
    QTest::newRow("no links: the output made, then EIO, and once more")
        << QStringLiteral("create:2") << -1 << QByteArray("linkat:error=EPERM") << 2 << eio;
    QTest::newRow("no links: the output not synced")
        << QStringLiteral("none") << -1 << QByteArray("linkat:error=EPERM;fsync:error=EIO:when=3")
        << 2 << eio;
    // It stays, as it cannot be removed: told as what a fresh open reads there.
    QTest::newRow("no links: the output not synced, nor removed")
        << QStringLiteral("none") << -1
        << QByteArray("linkat:error=EPERM;fsync:error=EIO:when=3;unlinkat:error=EIO:when=1") << 0
        << QByteArray("could not confirm");
}

// A network share may do what it was asked and lose its reply (tests/lostreply_fs.py does so
// through FUSE): what counts is what the disk holds, and no temporary name may stay.
void TestCli::clearOnLostReplies()
{
    QFETCH(QString, lie);
    QFETCH(int, existing);
    QFETCH(QByteArray, inject);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    if (::geteuid() != 0)
        QSKIP("mounting a FUSE file system needs root (CI runs as root)");
    QTemporaryDir work;
    QVERIFY2(work.isValid(), qPrintable(work.errorString()));
    const QString backing = work.filePath(QStringLiteral("backing"));
    const QString mounted = work.filePath(QStringLiteral("mounted"));
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("backing")) &&
            QDir(work.path()).mkdir(QStringLiteral("mounted")));
    const QByteArray before(qMax(existing, 0), '\x5a');
    if (existing >= 0)
        QVERIFY(TestImage::write(backing + QStringLiteral("/output.bin"), before));
    QProcess fs;
    fs.start(QStringLiteral(TAVRO_LOSTREPLY_FS), QStringList{backing, mounted} + lie.split(u' '));
    const auto isMounted = [&] {
        return QProcess::execute(QStringLiteral("mountpoint"), {QStringLiteral("-q"), mounted}) ==
               0;
    };
    for (int wait = 0; wait < 100 && !isMounted() && fs.state() != QProcess::NotRunning; ++wait)
        QTest::qWait(50);
    if (!isMounted())
        QSKIP(QByteArray("no FUSE file system here: " + fs.readAllStandardError()).constData());
    const QString cli = QStringLiteral(TAVRO_CLI);
    QStringList arguments{QStringLiteral("clear"), path("valid.bin"), QStringLiteral("-o"),
                          mounted + QStringLiteral("/output.bin")};
    if (existing >= 0)
        arguments << QStringLiteral("--force");
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (!inject.isEmpty() && strace.isEmpty())
        QSKIP("strace is missing");
    const Run r = inject.isEmpty()
                      ? execute(cli, arguments)
                      : execute(QStringLiteral("env"),
                                QStringList{QStringLiteral("ASAN_OPTIONS=detect_leaks=0"), strace} +
                                    injecting(inject) + QStringList{cli} + arguments);
    const QByteArray after = TestImage::read(backing + QStringLiteral("/output.bin"));
    const bool once = lie.contains(u':'); // one more save, which the file system lets through
    const Run again = once ? execute(cli, arguments) : Run{0, {}, {}};
    QCOMPARE(QProcess::execute(QStringLiteral("umount"), {mounted}), 0);
    QVERIFY(fs.waitForFinished(10000));

    QCOMPARE(r.status, status);
    QVERIFY2(message.isEmpty() ? r.err.isEmpty() : r.err.contains(message), r.err.constData());
    QCOMPARE(after, status == 0 ? TestImage::cleaned(TestImage::valid()) : before);
    QVERIFY2(again.status == 0, again.err.constData());
    QCOMPARE(TestImage::read(backing + QStringLiteral("/output.bin")),
             status == 0 || once ? TestImage::cleaned(TestImage::valid()) : before);
    QCOMPARE(QDir(backing).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             status == 0 || once || existing >= 0 ? QStringList{QStringLiteral("output.bin")}
                                                  : QStringList());
}

void TestCli::compare_data()
{
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<QByteArray>>("expected");
    const QByteArray valid = TestImage::valid();
    QTest::newRow("identical") << valid << 0 << QList<QByteArray>{"are identical"};

    QByteArray changed = valid;
    changed[163] = 9;      // E3 counted 9 times instead of 4
    changed[255] = '\x00'; // undecoded
    changed[257] = '\x1c'; // product code
    changed[511] = '\x01'; // undecoded
    QTest::newRow("differing")
        << changed << 1
        << QList<QByteArray>{"differ in 4 bytes",
                             "variable data block (bytes 0-254): 1 differ\n  offset   A   B\n"
                             "     163  04  09\n",
                             "byte 255: 1 differ",
                             "identification block (bytes 256-510): 1 differ",
                             "     257  1b  1c\n",
                             "byte 511: 1 differ",
                             "  product code: 0a1b2c3d -> 0a1c2c3d\n",
                             "  computed checksum: ",
                             "  checksum verdict: OK -> Error\n",
                             "  count of E3 (No drain): 4 -> 9\n"};
    QTest::newRow("not 512 bytes")
        << QByteArray(511, 'x') << 2 << QList<QByteArray>{"is 511 bytes long, not 512"};
}

void TestCli::compare()
{
    QFETCH(QByteArray, second);
    QFETCH(int, status);
    QFETCH(QList<QByteArray>, expected);
    const QString other = dir.filePath(QStringLiteral("second read.bin"));
    QVERIFY(TestImage::write(other, second));
    const Run r = run({QStringLiteral("compare"), path("valid.bin"), other});
    QCOMPARE(r.status, status);
    const QByteArray said = status == 2 ? r.err : r.out;
    for (const QByteArray &part : expected)
        QVERIFY2(said.contains(part), said.constData());
    if (status == 1) {
        QVERIFY(!said.contains("last error"));
        QVERIFY(!said.contains("engine type"));
    }
}

// A reader that stops early ends the batch without a word; a full disk is an error.
void TestCli::brokenOutput()
{
    QTemporaryDir many;
    QVERIFY2(many.isValid(), qPrintable(many.errorString()));
    for (int i = 0; i < 300; ++i)
        QVERIFY(
            TestImage::write(many.filePath(QStringLiteral("%1.bin").arg(i)), TestImage::valid()));

    const QStringList arguments{QStringLiteral("report"), QStringLiteral("--format"),
                                QStringLiteral("json"), many.path()};
    const Run closed = run(arguments, "| head -c 100 >/dev/null; exit ${PIPESTATUS[0]}");
    QCOMPARE(closed.status, 141);
    QVERIFY2(closed.err.isEmpty(), closed.err.constData());

    const Run full = run(arguments, ">/dev/full");
    QCOMPARE(full.status, 2);
    QVERIFY2(full.err.contains("cannot write the output: No space left on device"),
             full.err.constData());
}

void TestCli::oddNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QByteArray>("shown");
    const QByteArray red = "\x1b[31mred.bin";
    QTest::newRow("escape sequence, terminal")
        << red << QByteArray("text") << true << QByteArray("\\033[31mred.bin");
    QTest::newRow("escape sequence, pipe")
        << red << QByteArray("text") << false << red + "\nFile size : 512 bytes\n";
    QTest::newRow("line break and backslash, terminal")
        << QByteArray("a\n\\b.bin") << QByteArray("text") << true << QByteArray("a\\n\\\\b.bin");
    QTest::newRow("carriage return, terminal")
        << QByteArray("a\rb.bin") << QByteArray("text") << true << QByteArray("a\\rb.bin");
    QTest::newRow("C1 control, terminal")
        << QByteArray("\xc2\x9b"
                      "31mx.bin")
        << QByteArray("text") << true << QByteArray("\\302\\23331mx.bin");
    QTest::newRow("right-to-left mark, terminal")
        << QByteArray("bidi\xe2\x80\xae"
                      "evil.bin")
        << QByteArray("text") << true << QByteArray("bidi\\342\\200\\256evil.bin");
    for (const char *isolate : {"\xe2\x81\xa6", "\xe2\x81\xa7", "\xe2\x81\xa8", "\xe2\x81\xa9"}) {
        QTest::addRow("directional isolate %s, terminal", QByteArray(isolate).toHex().constData())
            << QByteArray("bidi") + isolate + "evil.bin" << QByteArray("text") << true
            << "bidi\\342\\201\\" + QByteArray::number(uchar(isolate[2]), 8) + "evil.bin";
    }
    // Without its bytes passed through exactly, the file named would not exist.
    const QByteArray notUtf8 = "f \xff\xfe.bin";
    QTest::newRow("not UTF-8, pipe")
        << notUtf8 << QByteArray("text") << false << notUtf8 + "\nFile size : 512 bytes\n";
    QTest::newRow("not UTF-8, terminal")
        << notUtf8 << QByteArray("text") << true << QByteArray("f \ufffd\ufffd.bin\r\nFile size");
    QTest::newRow("escape sequence, JSON on a terminal")
        << red << QByteArray("json") << true << QByteArray("{\"path\":\"\\u001b[31mred.bin\"");
    for (const char *name : {"=1+2.bin", "+1.bin", "-2+3.bin", "@SUM(A1).bin", "\tx.bin"}) {
        QTest::addRow("CSV, %s", name[0] == '\t' ? "tab" : name)
            << QByteArray(name) << QByteArray("csv") << false << "\n'" + QByteArray(name) + ",512,";
    }
    QTest::newRow("CSV, a formula with a comma")
        << QByteArray("=SUM(1,2).bin") << QByteArray("csv") << false
        << QByteArray("\n\"'=SUM(1,2).bin\",512,");
}

// Names given on the command line as they are: what reaches a terminal cannot steer it, what goes
// into a file is exact, and a CSV field is never a formula.
void TestCli::oddNames()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, format);
    QFETCH(bool, terminal);
    QFETCH(QByteArray, shown);
    QTemporaryDir work;
    QVERIFY2(work.isValid(), qPrintable(work.errorString()));
    const QByteArray folder = QFile::encodeName(work.path());
    QVERIFY(writeRaw(folder + '/' + name, TestImage::valid()));
    const Run r = shell("cd '" + folder + "' && '" TAVRO_CLI "' report -f " + format + " -- " +
                            shellQuoted(name),
                        terminal);
    if (terminal && r.err.startsWith("script:"))
        QSKIP(r.err.constData());
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(shown), r.out.constData());
    if (terminal)
        QVERIFY(!r.out.contains('\x1b') && !r.out.contains("\xc2\x9b") && !r.out.contains("a\r\n"));
}

namespace {

void row(const char *name, const QByteArray &line, int status, const QByteArray &out,
         const QByteArray &err = QByteArray(), bool terminal = false)
{
    QTest::newRow(name) << line << status << out << err << terminal;
}

void columns()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<bool>("terminal"); // on a terminal standard error joins the output
}

} // namespace

void TestCli::checkLine()
{
    QFETCH(QByteArray, line);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(bool, terminal);
    const Run r = shell("cd " + shellQuoted(QFile::encodeName(dir.path())) +
                            " || exit; C='" TAVRO_CLI "'; T() { \"$C\" \"$@\"; }; tree() { find "
                            "\"$@\" -type f | LC_ALL=C sort; }; W=$(mktemp -d -p .) || exit; " +
                            line,
                        terminal);
    if (terminal && r.err.startsWith("script:"))
        QSKIP(r.err.constData());
    QVERIFY2(r.status == status, (r.out + r.err).constData());
    if (out.startsWith('='))
        QCOMPARE(r.out, out.mid(1));
    else
        QVERIFY2(r.out.contains(out), r.out.constData());
    QVERIFY2((terminal ? r.out : r.err).contains(err), r.err.constData());
}

void TestCli::reportMore_data()
{
    columns();
    row("every name programmers' tools give dumps, in any case",
        "for s in s28 S37 mot IHX ihex sx txt s hex.bak; do cp valid.bin $W/a.$s; done; T report "
        "--only valid -l $W | sed 's,.*/,,'",
        0, "=a.IHX\na.S37\na.ihex\na.mot\na.s28\na.sx\n");
    row("a verdict, paths only", "T report --only bad-checksum -l boards", 0,
        "=boards/b checksum.bin\n");
    row("two verdicts", "T report --only wrong-size --only unknown-engine -l boards", 0,
        "=boards/c short.bin\nboards/d engine.bin\n");
    row("unreadable", "T report --only unreadable -l boards formats", 0,
        "=boards/e fifo.bin\nformats/bad.hex\n");
    row("last error, in any case",
        "T report --last-error e3 --only valid -l boards/sub checksum.bin", 0,
        "=boards/sub/G UPPER.EEP\n");
    row("nothing selected", "T report --last-error none -l boards", 1, "=");
    row("paths ended by NUL", "T report --only bad-checksum -0l boards checksum.bin | tr '\\0' '|'",
        0, "=boards/b checksum.bin|checksum.bin|");
    row("JSON Lines", "T report -f jsonl valid.bin checksum.bin", 1,
        "\"format\":\"bin\",\"detail\":null}\n{\"path\":\"checksum.bin\",");
    row("CSV for European spreadsheets",
        "T report -f csv --no-header --delimiter ';' --bom valid.bin", 0,
        "\xef\xbb\xbfvalid.bin;512;true;;0a1b2c3d;C.E.Set. Srl;Tavro 02 C0 141 C48;");
    row("a path that does not exist among others",
        "T report -f csv missing.bin valid.bin 'folder A'", 2, "\r\nvalid.bin,512,true,",
        "tavro-cli: folder A: No such file or directory");
    row("standard input", "T report -f csv - < valid.bin", 0, "\r\n'-,512,true,,0a1b2c3d,");
    row("standard input in S-records", "T report - < formats/valid.s19", 0,
        "-\nFile size : 1420 bytes\nProduct code : 0a1b2c3d\n");
    row("the programmer's formats", "T report -f csv formats", 1,
        "\r\nformats/bad.hex,56,false,bad records,,,,,,,,,,,,,,,,,,,,,,ihex,\"line 1: checksum "
        "0x79, expected 0x78\"\r\nformats/valid.hex,1453,true,");
    row("why in JSON: a refused text's line",
        "T report -f jsonl formats/bad.hex 'boards/e fifo.bin' valid.bin | grep -o "
        "'\"detail\":[^}]*'",
        0,
        "=\"detail\":\"line 1: checksum 0x79, expected 0x78\"\n\"detail\":\"not a regular "
        "file\"\n\"detail\":null\n");
    row("why in text, for a file that cannot be opened", "T report 'boards/e fifo.bin'", 1,
        "=boards/e fifo.bin\nErr open file: is not a regular file\n");
    row("a HEX file refused with its line", "T report formats/bad.hex", 1,
        "=formats/bad.hex\nFile size : 56 bytes\nline 1: checksum 0x79, expected 0x78\n");
    row("a list of files", "printf 'valid.bin\\n\\nchecksum.bin\\n' | T report --files-from - -l",
        1, "=valid.bin\nchecksum.bin\n");
    row("a list ended by NUL",
        "find boards/sub -type f -print0 | T report --files-from - -0 -l | tr '\\0' '|'", 0,
        "=boards/sub/G UPPER.EEP|");
    row("a list that cannot be read", "T report --files-from nolist", 2, "=",
        "nolist: cannot read the list of files: No such file or directory");
    row("a name after --", "cp valid.bin ./-lead.bin && T report -f csv -- -lead.bin", 0,
        "\n'-lead.bin,512,true,");
    row("a name like an option", "T report -lead.bin", 2, "=",
        "unknown option \"-lead.bin\" (\"--\" ends the options: tavro-cli report -- -lead.bin)");
    row("-l with a format", "T report -l -f csv valid.bin", 2, "=", "-l prints the paths alone");
    // The reader gone before a word is written, as when it stops early: quiet, as for a report.
    row("--help into a closed pipe",
        "{ sleep 0.3; T --help 2>$W/err; echo \"status $? $(wc -c < $W/err)\" >&2; } | true", 0,
        "=", "status 141 0");
    row("CSV's options without CSV", "T report --bom valid.bin", 2, "=", "are for CSV");
    row("a last error that names none", "T report --last-error E3x valid.bin", 2, "=",
        "unknown error code \"E3x\"");
    row("a list naming -: the file of that name",
        "cp valid.bin ./- && echo - | T report --files-from - -f csv --no-header | cut -d, -f1,2",
        0, "=./-,512\n");
}

void TestCli::summary_data()
{
    columns();
    const QByteArray bar(30, '#');
    row("text", "T summary boards", 1,
        "7 files\n  3  valid\n  1  bad checksum\n  1  wrong size\n  1  unknown engine\n"
        "  1  unreadable\n\nProduct code\n  4  0a1b2c3d\n\nEngine type\n  4  C.E.Set. Srl\n");
    row("a bar for each error", "T summary boards", 1, "4     56       14  " + bar + "\n");
    row("names on the left, numbers on the right", "T summary boards", 1,
        "\nError                    boards  total  largest\nE0 MCU fail 1                 4      4"
        "        1  ##\n");
    row("bars drawn on a terminal", "T summary boards", 1, "14  \xe2\x96\x88\xe2\x96\x88",
        QByteArray(), true);
    row("JSON", "T summary -f json boards", 1,
        "{\"files\":7,\"verdicts\":{\"valid\":3,\"bad-checksum\":1,\"wrong-size\":1,"
        "\"unknown-engine\":1,\"unreadable\":1},\"product_code\":[{\"value\":\"0a1b2c3d\","
        "\"files\":4}],");
    row("JSON counters", "T summary -f json boards", 1,
        "{\"code\":\"ED\",\"name\":\"Connection error 2\",\"boards\":4,\"total\":56,"
        "\"largest\":14}]}\n");
    row("CSV", "T summary -f csv --delimiter ';' boards", 1,
        "group;value;files;total;largest\r\nfiles;;7;;\r\nverdict;valid;3;;\r\n");
    row("CSV counters", "T summary -f csv boards", 1, "last_error,E3,4,,\r\nerror,E0,4,4,1\r\n");
    row("a path that does not exist", "T summary valid.bin missing.bin", 2, "1 file\n  1  valid\n",
        "missing.bin: No such file or directory");
    row("no dump", "T summary empty", 1, "0 files\n", "no dump found (no .bin");
    // Four boards whose E0 counters are 1, 0, 5 and 255 and whose last errors are E3, none, E7
    // and E7: the most frequent value first, equal counts in the order of their values.
    const QByteArray fleet = "T clear valid.bin -o $W/b.bin && for x in c:05:e7 d:ff:e7; do cp "
                             "valid.bin $W/${x%%:*}.bin && printf \"\\x${x:2:2}\" | dd "
                             "of=$W/${x%%:*}.bin bs=1 seek=160 conv=notrunc 2>/dev/null && printf "
                             "\"\\x${x:5:2}\" | dd of=$W/${x%%:*}.bin bs=1 seek=254 "
                             "conv=notrunc 2>/dev/null; done && cp valid.bin $W/a.bin && ";
    row("tallies, the most frequent first", fleet + "T summary $W", 0,
        "\n\nLast error\n  2  E7\n  1  E3\n  1  None\n\nError  ");
    row("each error's boards, total and largest", fleet + "T summary -f csv $W | grep -a E0", 0,
        "=error,E0,3,261,255\r\n");
    QByteArray counters; // the image's E0 to ED count 1 to 14
    for (int i = 0; i < 14; ++i)
        counters += "error,E" + QByteArray::number(i, 16).toUpper() + ",1," +
                    QByteArray::number(i + 1) + ',' + QByteArray::number(i + 1) + "\r\n";
    row("CSV of one file, whole", "T summary -f csv valid.bin", 0,
        "=group,value,files,total,largest\r\nfiles,,1,,\r\nverdict,valid,1,,\r\n"
        "verdict,bad-checksum,0,,\r\nverdict,wrong-size,0,,\r\nverdict,unknown-engine,0,,\r\n"
        "verdict,unreadable,0,,\r\nproduct_code,0a1b2c3d,1,,\r\nengine,C.E.Set. Srl,1,,\r\n"
        "mcu,Tavro 02 C0 141 C48,1,,\r\nlast_error,E3,1,,\r\n" +
            counters);
    row("CSV with a byte order mark, no header", "T summary -f csv --no-header --bom valid.bin", 0,
        "\xef\xbb\xbf"
        "files,,1,,\r\n");
}

// A folder `in` of a valid image, one as HEX and one of an unknown engine, for clear to clean.
static const QByteArray folderToClear =
    "mkdir -p $W/in/sub && cp valid.bin $W/in/a.bin && cp formats/valid.hex $W/in/sub/b.hex && "
    "cp 'boards/d engine.bin' $W/in/sub/c.bin && cd $W && ";

void TestCli::clearMore_data()
{
    columns();
    const QByteArray twoDumps =
        "cd $W && mkdir x y && cp ../valid.bin x/dump.bin && cp "
        "../checksum.bin y/dump.bin && printf 'x/dump.bin\\ny/dump.bin\\n' | ";
    row("a list, two files of one name, --parents",
        twoDumps + "T clear --files-from - -d out --parents; s=$?; tree out; exit $s", 0,
        "=out/x/dump.bin\nout/y/dump.bin\n", "2 written, 0 refused, 0 failed");
    row("a list, two files of one name, flat", twoDumps + "T clear --files-from - -d out", 1, "=",
        "out/dump.bin: is the copy of another file of this run; y/dump.bin is not cleaned");
    row("--parents, a whole path",
        "T clear \"$PWD/valid.bin\" -d $W/out --parents --dry-run | grep -cF -- \"-> "
        "$W/out$PWD/valid.bin\"",
        0, "=1\n");
    row("--parents, a path that climbs out",
        "mkdir $W/a && cd $W/a && T clear ../../valid.bin -d out --parents", 1, "=",
        "../../valid.bin: a path that climbs out with .. cannot be kept below out; not cleaned");
    row("the progress counts refused copies too",
        "(echo valid.bin; sleep 1.3; echo 'boards/d engine.bin'; sleep 1.5; echo checksum.bin) | "
        "\"$C\" clear --files-from - -d $W/o & sleep 2; kill -INT $!; wait $!; echo \"exit $?\"",
        0, "\r2 files\r\x1b[K", QByteArray(), true);
    row("a link to nowhere as the output",
        "ln -s nowhere $W/l.bin && T clear valid.bin -o $W/l.bin", 1, "=",
        "l.bin: exists; --force replaces it");
    row("a link to nowhere as the output, once an old run's leftover is swept",
        "touch -d '2 hours ago' $W/.tavro-1234.tmp && ln -s nowhere $W/l.bin && T clear valid.bin "
        "-o $W/l.bin; s=$?; ls -A $W; exit $s",
        1, "=l.bin\n", "l.bin: exists; --force replaces it");
    row("--parents without -d", "T clear valid.bin --suffix _x --parents", 2, "=",
        "--parents keeps each path below the folder of -d OUTDIR");
    row("beside each input, in its format",
        folderToClear + "T clear in --suffix _clear; s=$?; tree in; T report -f csv --no-header "
                        "in/sub/b_clear.hex | cut -d, -f12,26-; exit $s",
        1, "=in/a.bin\nin/a_clear.bin\nin/sub/b.hex\nin/sub/b_clear.hex\nin/sub/c.bin\n0,ihex,\r\n",
        "in/sub/c.bin: not a valid image (unknown engine); nothing written\ntavro-cli: 2 written, "
        "1 refused, 0 failed\n");
    row("again, forced: earlier copies are no inputs",
        folderToClear + "T clear in --suffix _clear && T clear --force in --suffix _clear; s=$?; "
                        "tree in; exit $s",
        1, "=in/a.bin\nin/a_clear.bin\nin/sub/b.hex\nin/sub/b_clear.hex\nin/sub/c.bin\n",
        "2 written, 1 refused, 0 failed\n");
    row("nothing replaced without --force",
        folderToClear + "cp a.bin in/a_clear.bin 2>/dev/null; cp in/a.bin in/a_x.bin && "
                        "T clear in/a.bin --suffix _x; s=$?; cmp in/a.bin in/a_x.bin && exit $s",
        1, "=",
        "in/a_x.bin: exists; --force replaces it\ntavro-cli: 0 written, 1 refused, 0 failed");
    row("under another folder", folderToClear + "T clear in -d out; s=$?; tree out; exit $s", 1,
        "=out/a.bin\nout/sub/b.hex\n", "2 written, 1 refused, 0 failed\n");
    row("a dry run", folderToClear + "T clear in -d out --dry-run; s=$?; tree out 2>&1; exit $s", 1,
        "in/a.bin -> out/a.bin\nin/sub/b.hex -> out/sub/b.hex\nfind: ",
        "2 would be written, 1 refused");
    row("a list of files",
        folderToClear + "echo in/a.bin | T clear --files-from - --suffix .c; tree in", 0,
        "=in/a.bin\nin/a.c.bin\nin/sub/b.hex\nin/sub/c.bin\n");
    row("the copies inside the folder cleaned", folderToClear + "T clear in -d in/out", 2, "=",
        "in/out is inside in, whose dumps are cleared");
    row("-o and --suffix", "T clear valid.bin -o x.bin --suffix _c", 2, "=",
        "-o names the one copy");
    row("a HEX file with a second name, cleaned where it is",
        "cp formats/valid.hex $W/h.hex && ln $W/h.hex $W/l.hex && T clear $W/h.hex -o $W/h.hex "
        "--force && cmp $W/h.hex $W/l.hex && T report -f csv --no-header $W/l.hex | cut -d, "
        "-f12,26-",
        0, "=0,ihex,\r\n");
    row("another size where it must be written in place",
        "head -c 1000 /dev/zero > $W/t.hex && ln $W/t.hex $W/u.hex && T convert valid.bin -o "
        "$W/t.hex "
        "--to ihex --force; s=$?; stat -c %s $W/u.hex; exit $s",
        2, "=1000\n", "the file is not 1453 bytes long as the copy is");
    row("appended to a log through /dev/stdout",
        "echo log > $W/log && T clear valid.bin -o /dev/stdout >> $W/log && head -n 1 $W/log && "
        "stat -c %s $W/log",
        0, "=log\n516\n");
    row("into descriptor 3", "T clear formats/valid.s19 -o /dev/fd/3 3>$W/s; head -c 10 $W/s", 0,
        "=S113000000");
    row("through /proc/self/fd", "T clear valid.bin -o /proc/self/fd/3 3>$W/p; stat -c %s $W/p", 0,
        "=512\n");
    row("/dev/fd/ and more digits than a descriptor has", "T clear valid.bin -o /dev/fd/9999999999",
        2, "=", "/dev/fd/9999999999: cannot write: this is a file of the system kernel");
    row("standard output full", "T clear valid.bin -o /dev/stdout > /dev/full", 2, "=",
        "/dev/stdout: cannot write: No space left on device");
    row("standard input to standard output", "T clear - -o - < formats/valid.hex | head -n 1", 0,
        "=:1000000000000000000000000000000000000000F0\r\n");
}

void TestCli::compareMore_data()
{
    columns();
    row("quiet, identical in two formats", "T compare -q valid.bin formats/valid.hex", 0, "=");
    row("quiet, different", "T compare -q valid.bin checksum.bin", 1, "=");
    row("standard input", "T compare - valid.bin < formats/valid.s19", 0,
        "=- and valid.bin are identical\n");
    row("standard input twice", "T compare - -", 2, "=", "standard input can be read only once");
    const QByteArray folders =
        "mkdir -p $W/a/sub $W/b/sub && cp valid.bin $W/a/x.bin && cp valid.bin $W/b/x.bin && "
        "cp valid.bin $W/a/sub/y.bin && cp checksum.bin $W/b/sub/y.bin && cp valid.bin $W/a/o.eep "
        "&& "
        "cp formats/valid.hex $W/b/sub/z.hex && cd $W && ";
    row("two folders", folders + "T compare a b", 1,
        "=only in a: o.eep\na/sub/y.bin and b/sub/y.bin differ in 1 byte\nonly in b: sub/z.hex\n"
        "a/x.bin and b/x.bin are identical\n");
    row("two folders, quiet", folders + "T compare -q a b", 1, "=");
    row("two folders named with a slash", folders + "T compare a/ b/", 1,
        "=only in a/: o.eep\na/sub/y.bin and b/sub/y.bin differ in 1 byte\nonly in b/: sub/z.hex\n"
        "a/x.bin and b/x.bin are identical\n");
    row("two folders, a file that cannot be compared",
        folders + "head -c 100 a/x.bin > b/x.bin && T compare a b", 2,
        "a/sub/y.bin and b/sub/y.bin differ", "b/x.bin: is 100 bytes long, not 512");
    row("a file and a folder", "T compare valid.bin boards", 2, "=",
        "boards: cannot be opened: is a folder");
}

void TestCli::convert_data()
{
    columns();
    row("binary to HEX and back",
        "T convert valid.bin -o $W/v.hex --to ihex && T convert $W/v.hex -o - --to bin | "
        "cmp - valid.bin && head -n 1 $W/v.hex",
        0, "=:10000000030A11181F262D343B424950575E656C78\r\n");
    row("S-records to HEX",
        "T convert formats/valid.s19 -o - --to srec | T convert - -o - --to ihex "
        "| cmp - formats/valid.hex",
        0, "=");
    row("a HEX file's layout kept",
        "tr -d '\\r' < formats/valid.hex | tr A-F a-f > $W/l.hex && T clear $W/l.hex -o - | head "
        "-n 1",
        0, "=:1000000000000000000000000000000000000000f0\n");
    row("a text that is no image", "T convert formats/bad.hex -o $W/x.bin --to bin", 1, "=",
        "formats/bad.hex: not a 512-byte image (line 1: checksum 0x79, expected 0x78); nothing "
        "written");
    row("an existing output", "T convert valid.bin -o checksum.bin --to bin", 1, "=",
        "checksum.bin: exists; --force replaces it");
    row("no format", "T convert valid.bin -o $W/x", 2, "=", "convert needs --to bin, ihex or srec");
    row("binary onto a terminal", "T convert formats/valid.hex -o - --to bin", 1,
        "-: is a terminal, which shows no binary image", QByteArray(), true);
}

// One Ctrl-C ends any command with 130, also one that waits for input that does not come: what
// was reported stays whole, nothing is written, and a terminal's progress line is erased. $C is
// tavro-cli itself, so that $! is its process.
void TestCli::interrupt_data()
{
    columns();
    const QByteArray silent = " < <(sleep 20 2>/dev/null)";
    const QByteArray stop = " & sleep 1; kill -INT $!; a=$(date +%s%N); wait $!; s=$?; "
                            "[ $(($(date +%s%N) - a)) -lt 5000000000 ] && echo at once; ";
    row("report of a silent pipe", "\"$C\" report -" + silent + stop + "exit $s", 130,
        "=at once\n");
    row("JSON of what was reported, closed",
        "\"$C\" report -f json --files-from - > $W/j < <(echo valid.bin; sleep 20 2>/dev/null)" +
            stop +
            "python3 -c 'import json, sys; print(len(json.load(open(sys.argv[1]))))' $W/j; exit $s",
        130, "=at once\n1\n");
    row("convert", "\"$C\" convert - -o $W/x --to ihex" + silent + stop + "ls $W; exit $s", 130,
        "=at once\n");
    row("compare", "\"$C\" compare - valid.bin" + silent + stop + "exit $s", 130, "=at once\n");
    row("clear", "\"$C\" clear - -o $W/x" + silent + stop + "ls $W; exit $s", 130, "=at once\n");
    row("between two files, the progress line erased",
        "(echo valid.bin; sleep 1.3; echo valid.bin; sleep 1.5; echo valid.bin) | \"$C\" summary "
        "--files-from - & sleep 2; kill -INT $!; wait $!; echo \"exit $?\"",
        0, "\r2 files\r\x1b[Kexit 130\r\n", QByteArray(), true);
}

// Every status of every command, as --help lists them: 0 all good, 1 a finding or a refusal, 2 a
// path that does not exist, a folder that cannot be searched, an output that cannot be written.
void TestCli::statuses_data()
{
    columns();
    row("report: all valid", "T report valid.bin", 0, "valid.bin");
    row("report: a bad checksum", "T report valid.bin checksum.bin", 1, "checksum.bin");
    row("report: a path missing", "T report valid.bin missing.bin", 2, "valid.bin",
        "missing.bin: No such file or directory");
    row("filtered: selected", "T report --only valid -l valid.bin checksum.bin", 0, "=valid.bin\n");
    row("filtered: none", "T report --only valid -l checksum.bin", 1, "=");
    row("filtered: selected, a path missing", "T report --only valid -l valid.bin missing.bin", 2,
        "=valid.bin\n", "missing.bin: No such file or directory");
    row("summary: all valid", "T summary valid.bin", 0, "1 file");
    row("summary: a bad checksum", "T summary valid.bin checksum.bin", 1, "2 files");
    row("summary: a path missing", "T summary valid.bin missing.bin", 2, "1 file",
        "missing.bin: No such file or directory");
    row("clear: written", "T clear valid.bin -o $W/x.bin", 0, "=");
    row("clear: refused", "T clear 'boards/d engine.bin' -o $W/x.bin", 1, "=", "nothing written");
    row("clear: an input missing", "T clear missing.bin -o $W/x.bin", 2, "=",
        "missing.bin: cannot be opened: No such file or directory");
    row("clear: an output that cannot be written", "T clear valid.bin -o $W/no/x.bin", 2, "=",
        "no/x.bin: cannot write: No such file or directory");
    row("clear many: written", "T clear valid.bin -d $W", 0, "=", "1 written, 0 refused, 0 failed");
    row("clear many: refused", "T clear valid.bin 'boards/d engine.bin' -d $W", 1, "=",
        "1 written, 1 refused, 0 failed");
    row("clear many: a path missing", "T clear valid.bin missing.bin -d $W", 2, "=",
        "1 written, 0 refused, 0 failed");
    row("clear many: a folder that cannot be made", "T clear valid.bin -d valid.bin/out", 2, "=",
        "0 written, 0 refused, 1 failed");
    row("convert: written", "T convert valid.bin -o $W/x.hex --to ihex", 0, "=");
    row("convert: refused", "T convert 'boards/c short.bin' -o $W/x.hex --to ihex", 1, "=",
        "nothing written");
    row("convert: an input missing", "T convert missing.bin -o $W/x.hex --to ihex", 2, "=",
        "missing.bin: cannot be opened");
    row("convert: a link to nowhere as input",
        "ln -s nowhere $W/l.bin && T convert $W/l.bin -o "
        "$W/x.hex --to ihex",
        1, "=", "l.bin: cannot be opened: No such file or directory");
    row("report: a read of standard input that fails", "T report -f csv --no-header - < .", 1,
        "='-,0,false,incomplete read,,,,,,,,,,,,,,,,,,,,,,bin,Is a directory\r\n");
    row("convert: an output that cannot be written", "T convert valid.bin -o $W/no/x.hex --to ihex",
        2, "=", "cannot write");
    row("compare: identical", "T compare -q valid.bin formats/valid.s19", 0, "=");
    row("compare: different", "T compare -q valid.bin checksum.bin", 1, "=");
    row("compare: a file missing", "T compare valid.bin missing.bin", 2, "=", "cannot be opened");

    // A folder that cannot be searched, in both trees and with different files inside, as a user
    // whom permissions stop (nobody, when the tests run as root).
    const QByteArray trees =
        "N() { if [ \"$(id -u)\" = 0 ]; then setpriv --reuid=65534 --regid=65534 --clear-groups "
        "\"$@\"; else \"$@\"; fi; }; D=$(mktemp -d) && cp \"$C\" $D/t && mkdir -p $D/a/sub "
        "$D/b/sub && cp valid.bin $D/a/x.bin && cp valid.bin $D/b/x.bin && cp valid.bin "
        "$D/a/sub/y.bin && cp checksum.bin $D/b/sub/y.bin && chmod -R a+rX $D && chmod 000 "
        "$D/a/sub $D/b/sub && cd $D && N ./t ";
    const QByteArray tidy = "; s=$?; chmod 755 a/sub b/sub; rm -rf $D; exit $s";
    const QByteArray unreadable = "a/sub: cannot read the folder: Permission denied";
    row("an unreadable folder: report", trees + "report a" + tidy, 2, "a/x.bin", unreadable);
    row("an unreadable folder: filtered", trees + "report --only valid -l a" + tidy, 2,
        "=a/x.bin\n", unreadable);
    row("an unreadable folder: summary", trees + "summary a" + tidy, 2, "1 file", unreadable);
    row("an unreadable folder: clear", trees + "clear a -d out --dry-run" + tidy, 2,
        "=a/x.bin -> out/x.bin\n", unreadable);
    row("an unreadable folder: compare", trees + "compare a b" + tidy, 2,
        "=a/x.bin and b/x.bin are identical\n", unreadable);
}

// A field is quoted when it holds the delimiter, whatever it is: a column's name, a word, a
// number; a delimiter that could be part of a word or number is refused.
void TestCli::csv_data()
{
    columns();
    const QByteArray fields = " | python3 -c 'import csv, sys; print(*(len(r) for r in "
                              "csv.reader(sys.stdin, delimiter=sys.argv[1])))' ";
    row("report, _ as in product_code", "T report -f csv --delimiter _ valid.bin" + fields + "_", 0,
        "=27 27\n");
    row("summary, _ as in product_code",
        "T summary -f csv --delimiter _ valid.bin" + fields + "_ | tr ' ' '\\n' | sort -u", 0,
        "=5\n");
    row("report, - as in bad-checksum, . as in C.E.Set.",
        "T report -f csv --delimiter . valid.bin 'boards/c short.bin'" + fields + ".", 0,
        "=27 27 27\n");
    row("a blank", "T report -f csv --no-header --delimiter ' ' valid.bin", 0,
        "valid.bin 512 true  0a1b2c3d \"C.E.Set. Srl\" \"Tavro 02 C0 141 C48\" 0x");
    row("~, the last printable character", "T report -f csv --no-header --delimiter '~' valid.bin",
        0, "valid.bin~512~true~~0a1b2c3d~");
    for (const char *refused :
         {"e", "T", "7", "\\\"", "$'\\n'", "$'\\r'", "';;'", "''", "$'\\x01'"})
        QTest::newRow(refused) << "T report -f csv --delimiter " + QByteArray(refused) +
                                      " valid.bin"
                               << 2 << QByteArray("=")
                               << QByteArray("the delimiter must be one character") << false;
}

void TestCli::completion_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("offered");
    const QString cli = QStringLiteral("tavro-cli");
    const QString report = QStringLiteral("report");
    QTest::newRow("a folder with a blank") << QStringList{cli, report, QStringLiteral("cli")}
                                           << QStringList{QStringLiteral("client A")};
    QTest::newRow("in it, escaped") << QStringList{cli, report, QStringLiteral("client\\ A/")}
                                    << QStringList{QStringLiteral("client A/x.Eep")};
    QTest::newRow("in it, quoted") << QStringList{cli, report, QStringLiteral("'client A/")}
                                   << QStringList{QStringLiteral("client A/x.Eep")};
    QTest::newRow("dumps of every format, in any case")
        << QStringList{cli, report, QString()}
        << QStringList{QStringLiteral("a.BIN"), QStringLiteral("client A"), QStringLiteral("m.Mot"),
                       QStringLiteral("s.S19"), QStringLiteral("x.ihx")};
    QTest::newRow("summary's formats")
        << QStringList{cli, QStringLiteral("summary"), QStringLiteral("-f"), QString()}
        << QStringList{QStringLiteral("csv"), QStringLiteral("json"), QStringLiteral("text")};
    QTest::newRow("verdicts") << QStringList{cli, report, QStringLiteral("--only"),
                                             QStringLiteral("u")}
                              << QStringList{QStringLiteral("unknown-engine"),
                                             QStringLiteral("unreadable")};
}

void TestCli::completion()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, offered);
    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkpath(QStringLiteral("client A")));
    for (const char *name : {"client A/x.Eep", "a.BIN", "n.txt", "s.S19", "m.Mot", "x.ihx"})
        QVERIFY(TestImage::write(work.filePath(QLatin1String(name)), QByteArray()));
    QProcess bash;
    bash.setWorkingDirectory(work.path());
    bash.start(
        QStringLiteral("bash"),
        QStringList{QStringLiteral("-c"),
                    QStringLiteral(". '%1' && COMP_WORDS=(\"$@\") && COMP_CWORD=$(($# - 1)) && "
                                   "_tavro_cli && printf '%s\\n' \"${COMPREPLY[@]}\" | sort")
                        .arg(QStringLiteral(TAVRO_COMPLETION)),
                    QStringLiteral("_")} +
            words);
    QVERIFY(bash.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
             offered);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
