<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>QObject</name>
    <message numerus="yes">
        <source>File size : %1 bytes</source>
        <translation>
            <numerusform>File size : %1 byte</numerusform>
            <numerusform>File size : %1 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>
            <numerusform>the file is not %n byte long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</numerusform>
            <numerusform>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message numerus="yes">
        <source>a record of %1 bytes is too short: it needs 5</source>
        <translation>
            <numerusform>a record of %1 byte is too short: it needs 5</numerusform>
            <numerusform>a record of %1 bytes is too short: it needs 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 data bytes but holds %2</source>
        <translation>
            <numerusform>the record announces %1 data byte but holds %2</numerusform>
            <numerusform>the record announces %1 data bytes but holds %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the image holds %1 bytes, a board&apos;s EEPROM holds 512</source>
        <translation>
            <numerusform>the image holds %1 byte, a board&apos;s EEPROM holds 512</numerusform>
            <numerusform>the image holds %1 bytes, a board&apos;s EEPROM holds 512</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 bytes after its count but holds %2</source>
        <translation>
            <numerusform>the record announces %1 byte after its count but holds %2</numerusform>
            <numerusform>the record announces %1 bytes after its count but holds %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an S%1 record needs at least %2 bytes, not %3</source>
        <translation>
            <numerusform>an S%1 record needs at least %2 byte, not %3</numerusform>
            <numerusform>an S%1 record needs at least %2 bytes, not %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the count record says %1 data records, but %2 come before it</source>
        <translation>
            <numerusform>the count record says %1 data record, but %2 come before it</numerusform>
            <numerusform>the count record says %1 data records, but %2 come before it</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavro-cli</name>
    <message numerus="yes">
        <source>%1 refused</source>
        <translation>
            <numerusform>%1 refused</numerusform>
            <numerusform>%1 refused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 would be written</source>
        <translation>
            <numerusform>%1 would be written</numerusform>
            <numerusform>%1 would be written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 written</source>
        <translation>
            <numerusform>%1 written</numerusform>
            <numerusform>%1 written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 failed</source>
        <translation>
            <numerusform>%1 failed</numerusform>
            <numerusform>%1 failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 differ in %3 bytes</source>
        <translation>
            <numerusform>%1 and %2 differ in %3 byte</numerusform>
            <numerusform>%1 and %2 differ in %3 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 differ</source>
        <translation>
            <numerusform>%1: %2 differ</numerusform>
            <numerusform>%1: %2 differ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>valid</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>valid</numerusform>
            <numerusform>valid</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bad checksum</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>bad checksum</numerusform>
            <numerusform>bad checksum</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrong size</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>wrong size</numerusform>
            <numerusform>wrong size</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unknown engine</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>unknown engine</numerusform>
            <numerusform>unknown engine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unreadable</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>unreadable</numerusform>
            <numerusform>unreadable</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: is %2 bytes long, not %3</source>
        <translation>
            <numerusform>%1: is %2 byte long, not %3</numerusform>
            <numerusform>%1: is %2 bytes long, not %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 files</source>
        <translation>
            <numerusform>%1 of %2 file</numerusform>
            <numerusform>%1 of %2 files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 file</numerusform>
            <numerusform>%1 files</numerusform>
        </translation>
    </message>
</context>
</TS>
