<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavro Tool</source>
        <translation>Tavro Tool</translation>
    </message>
    <message>
        <source>File operations</source>
        <translation>Dateioperationen</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Clear varible data block and save to new file</source>
        <translation>Fehlerspeicher (variablen Datenblock) löschen und als neue Datei speichern</translation>
    </message>
    <message>
        <source>Clear and save...</source>
        <translation>Fehler löschen...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;img src=&quot;:/icons/code_generator_section.png&quot; /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:600; text-decoration: underline;&quot;&gt;TavroTool&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; color:#aa0000;&quot;&gt;v.  build &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Wendrix&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Service tools&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;mailto:info@wendrix.example&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;info@wendrix.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;img src=&quot;:/icons/code_generator_section.png&quot; /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:600; text-decoration: underline;&quot;&gt;TavroTool&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; color:#aa0000;&quot;&gt;v.  build &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Wendrix&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Service-Werkzeuge&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;mailto:info@wendrix.example&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;info@wendrix.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>All supported formats (*.bin *.eep);;bin (*.bin);;eep (*.eep)</source>
        <translation>Alle unterstützten Formate (*.bin *.eep);;bin (*.bin);;eep (*.eep)</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>bin (*.bin)</source>
        <translation>bin (*.bin)</translation>
    </message>
    <message>
        <source>Save file...</source>
        <translation>Datei speichern...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>MCU fail 1</source>
        <translation>Fehler MCU 1</translation>
    </message>
    <message>
        <source>Door lock fail</source>
        <translation>Fehler Türverriegelung</translation>
    </message>
    <message>
        <source>Inlet valve fail</source>
        <translation>Fehler Zulauf</translation>
    </message>
    <message>
        <source>No drain</source>
        <translation>Fehler Abpumpen</translation>
    </message>
    <message>
        <source>Pressure switch fail</source>
        <translation>Fehler Druckwächter</translation>
    </message>
    <message>
        <source>NTC fail</source>
        <translation>Fehler NTC</translation>
    </message>
    <message>
        <source>MCU fail 2</source>
        <translation>Fehler MCU 2</translation>
    </message>
    <message>
        <source>Motor fail</source>
        <translation>Fehler Motor</translation>
    </message>
    <message>
        <source>Tacho fail</source>
        <translation>Fehler Tachogenerator</translation>
    </message>
    <message>
        <source>Triac error</source>
        <translation>Fehler Triac</translation>
    </message>
    <message>
        <source>Selector error</source>
        <translation>Fehler Programmwähler</translation>
    </message>
    <message>
        <source>Dryer fail</source>
        <translation>Fehler Trocknung</translation>
    </message>
    <message>
        <source>Connection error 1</source>
        <translation>Fehler Kommunikation 1</translation>
    </message>
    <message>
        <source>Connection error 2</source>
        <translation>Fehler Kommunikation 2</translation>
    </message>
    <message>
        <source>Err open file</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Falsche Dateigröße</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Datei defekt oder nicht von Tavro</translation>
    </message>
    <message>
        <source>Product code : </source>
        <translation>Produktcode: </translation>
    </message>
    <message>
        <source>Engine type : </source>
        <translation>Motortyp: </translation>
    </message>
    <message>
        <source>MCU type : </source>
        <translation>MCU-Typ: </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>EEPROM checksum:</source>
        <translation>EEPROM-Prüfsumme:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Last error : </source>
        <translation>Letzter Fehler: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Error statistics : </source>
        <translation>Fehlerstatistik: </translation>
    </message>
    <message>
        <source>Loaded file: </source>
        <translation>Geladene Datei: </translation>
    </message>
    <message>
        <source>File saved: </source>
        <translation>Datei gespeichert: </translation>
    </message>
    <message>
        <source> (the system could not confirm that the new name is on the disk)</source>
        <translation> (das System konnte nicht bestätigen, dass der neue Name auf dem Datenträger steht)</translation>
    </message>
    <message>
        <source>this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a file on a disk</source>
        <translation>das ist eine Datei des Systemkerns (proc, sysfs, cgroup, debugfs), keine Datei auf einem Datenträger</translation>
    </message>
    <message>
        <source>the file may be written but not read, so it cannot be replaced safely where it is</source>
        <translation>die Datei darf geschrieben, aber nicht gelesen werden und kann daher nicht sicher an ihrer Stelle ersetzt werden</translation>
    </message>
    <message>
        <source>the file is not a 512-byte dump, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>die Datei ist kein 512-Byte-Abbild und wird daher nicht an ihrer Stelle überschrieben: eine Datei anderer Größe ist wohl versehentlich gewählt</translation>
    </message>
    <message>
        <source>; the old contents could not be put back either</source>
        <translation>; auch der alte Inhalt konnte nicht zurückgeschrieben werden</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>die Datei wurde während des Speicherns durch eine andere ersetzt; nichts geschrieben</translation>
    </message>
    <message>
        <source>Read error: file not fully read</source>
        <translation>Lesefehler: nur teilweise gelesen</translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <extracomment>A counter line of the report, as &quot;E3 - No drain: 2&quot;: %1 is the error&apos;s code, %2 its name, %3 how often it occurred.</extracomment>
        <translation>%1 - %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>
            <numerusform>die Datei ist nicht %n Byte lang wie die Kopie und wird daher nicht an ihrer Stelle überschrieben: eine Datei anderer Größe ist wohl versehentlich gewählt</numerusform>
            <numerusform>die Datei ist nicht %n Byte lang wie die Kopie und wird daher nicht an ihrer Stelle überschrieben: eine Datei anderer Größe ist wohl versehentlich gewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>no image loaded</source>
        <translation>kein Abbild geladen</translation>
    </message>
    <message>
        <source>Cannot save file: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Speichern fehlgeschlagen: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Speichern fehlgeschlagen; der alte Inhalt wurde zurückgeschrieben, aber das System konnte ihn auf dem Datenträger nicht bestätigen: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Speichern fehlgeschlagen, die Datei ist jetzt vielleicht beschädigt: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>File size : %1 bytes</source>
        <translation>
            <numerusform>Dateigröße: %1 Byte</numerusform>
            <numerusform>Dateigröße: %1 Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>an Intel HEX record starts with &quot;:&quot;</source>
        <translation>ein Intel-HEX-Datensatz beginnt mit „:“</translation>
    </message>
    <message numerus="yes">
        <source>a record of %1 bytes is too short: it needs 5</source>
        <translation>
            <numerusform>ein Datensatz von %1 Byte ist zu kurz: er braucht 5</numerusform>
            <numerusform>ein Datensatz von %1 Bytes ist zu kurz: er braucht 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 data bytes but holds %2</source>
        <translation>
            <numerusform>der Datensatz kündigt %1 Datenbyte an, enthält aber %2</numerusform>
            <numerusform>der Datensatz kündigt %1 Datenbytes an, enthält aber %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record must not hold data</source>
        <translation>der Enddatensatz darf keine Daten enthalten</translation>
    </message>
    <message>
        <source>an address record must hold 2 bytes, not %1</source>
        <translation>ein Adressdatensatz muss 2 Bytes enthalten, nicht %1</translation>
    </message>
    <message>
        <source>a start address record must hold 4 bytes, not %1</source>
        <translation>ein Startadressdatensatz muss 4 Bytes enthalten, nicht %1</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>unbekannter Datensatztyp %1</translation>
    </message>
    <message>
        <source>the end record (:00000001FF) is missing</source>
        <translation>der Enddatensatz (:00000001FF) fehlt</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not a hexadecimal digit</source>
        <translation>das Zeichen „%1“ ist keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>the byte 0x%1 is not a hexadecimal digit</source>
        <translation>das Byte 0x%1 ist keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>an odd number of hexadecimal digits</source>
        <translation>eine ungerade Zahl von Hexadezimalziffern</translation>
    </message>
    <message>
        <source>address %1 was given before, on line %2</source>
        <translation>Adresse %1 kam schon vorher vor, in Zeile %2</translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>Text nach dem Enddatensatz</translation>
    </message>
    <message>
        <source>the data starts at address %1 instead of 0x0000</source>
        <translation>die Daten beginnen bei Adresse %1 statt bei 0x0000</translation>
    </message>
    <message numerus="yes">
        <source>the image holds %1 bytes, a board&apos;s EEPROM holds 512</source>
        <translation>
            <numerusform>das Abbild umfasst %1 Byte, das EEPROM einer Platine 512</numerusform>
            <numerusform>das Abbild umfasst %1 Bytes, das EEPROM einer Platine 512</numerusform>
        </translation>
    </message>
    <message>
        <source>address %1 missing</source>
        <translation>Adresse %1 fehlt</translation>
    </message>
    <message>
        <source>addresses %1 missing</source>
        <translation>Adressen %1 fehlen</translation>
    </message>
    <message>
        <source>checksum 0x%1, expected 0x%2</source>
        <translation>Prüfsumme 0x%1, erwartet 0x%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>an S-record starts with S and a digit</source>
        <translation>ein S-Record beginnt mit S und einer Ziffer</translation>
    </message>
    <message>
        <source>unknown record type S4</source>
        <translation>unbekannter Datensatztyp S4</translation>
    </message>
    <message>
        <source>the record has no count</source>
        <translation>der Datensatz hat keine Längenangabe</translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 bytes after its count but holds %2</source>
        <translation>
            <numerusform>der Datensatz kündigt %1 Byte nach seiner Längenangabe an, enthält aber %2</numerusform>
            <numerusform>der Datensatz kündigt %1 Bytes nach seiner Längenangabe an, enthält aber %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an S%1 record needs at least %2 bytes, not %3</source>
        <translation>
            <numerusform>ein S%1-Datensatz braucht mindestens %2 Byte, nicht %3</numerusform>
            <numerusform>ein S%1-Datensatz braucht mindestens %2 Bytes, nicht %3</numerusform>
        </translation>
    </message>
    <message>
        <source>a header record (S0) after the first line</source>
        <translation>ein Kopfdatensatz (S0) nach der ersten Zeile</translation>
    </message>
    <message>
        <source>an S%1 record must not hold data</source>
        <translation>ein S%1-Datensatz darf keine Daten enthalten</translation>
    </message>
    <message numerus="yes">
        <source>the count record says %1 data records, but %2 come before it</source>
        <translation>
            <numerusform>der Zähldatensatz nennt %1 Datensatz, davor stehen aber %2</numerusform>
            <numerusform>der Zähldatensatz nennt %1 Datensätze, davor stehen aber %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record (S7, S8 or S9) is missing</source>
        <translation>der Enddatensatz (S7, S8 oder S9) fehlt</translation>
    </message>
    <message>
        <source>there is data at address %1, beyond the 512 bytes of a board&apos;s EEPROM</source>
        <translation>an Adresse %1 stehen Daten, jenseits der 512 Bytes des EEPROMs einer Platine</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Systemaufruf unterbrochen</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Gerät oder Adresse nicht vorhanden</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Ungültiger Dateideskriptor</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Ressource vorübergehend nicht verfügbar</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Verknüpfung über Laufwerksgrenzen nicht möglich</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Zu viele offene Dateien im System</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Programmdatei in Benutzung</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Zu viele Verknüpfungen</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Gegenstelle hat die Pipe geschlossen</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Ordner nicht leer</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Wert zu groß für den Datentyp</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Vorgang nicht unterstützt</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Verbindung zum Endpunkt getrennt</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Rechner nicht erreichbar</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Veraltetes Datei-Handle (Netzlaufwerk)</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
</context>
<context>
    <name>tavro-cli</name>
    <message>
        <source>unknown option &quot;%1&quot; (&quot;--&quot; ends the options: tavro-cli %2 -- %1)</source>
        <translation>unbekannte Option „%1“ („--“ beendet die Optionen: tavro-cli %2 -- %1)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2 (it is one of the options that belong to %3)</source>
        <translation>--%1 ist keine Option von %2 (sie gehört zu %3)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2; nothing written</source>
        <translation>%1: lässt sich nicht öffnen: %2; nichts geschrieben</translation>
    </message>
    <message>
        <source>%1: not a valid image (%2); nothing written</source>
        <translation>%1: kein gültiges EEPROM-Abbild (%2); nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1: cannot make the folder: %2</source>
        <translation>%1: Ordner lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>%1: the checksum does not match (stored %2, computed %3); cleaned all the same</source>
        <translation>%1: Prüfsumme stimmt nicht (gespeichert %2, berechnet %3); Fehlerspeicher trotzdem gelöscht</translation>
    </message>
    <message>
        <source>-o names the one copy; --suffix and -d name many</source>
        <translation>-o benennt die eine Kopie, --suffix und -d benennen viele</translation>
    </message>
    <message>
        <source>clear needs one INPUT and -o OUTPUT</source>
        <translation>clear braucht eine EINGABE und -o AUSGABE</translation>
    </message>
    <message>
        <source>clear writes one OUTPUT</source>
        <translation>clear schreibt eine einzige AUSGABE</translation>
    </message>
    <message>
        <source>clear needs -o OUTPUT, or --suffix SUFFIX or -d OUTDIR</source>
        <translation>clear braucht -o AUSGABE, --suffix SUFFIX oder -d ZIELORDNER</translation>
    </message>
    <message>
        <source>clear needs PATHs, or --files-from, not both</source>
        <translation>clear braucht PFAD-Angaben oder --files-from, nicht beides</translation>
    </message>
    <message>
        <source>standard input is cleared with -o OUTPUT only</source>
        <translation>der Fehlerspeicher der Standardeingabe wird nur mit -o AUSGABE gelöscht</translation>
    </message>
    <message>
        <source>an empty --suffix would write each copy over its input</source>
        <translation>ein leeres --suffix würde jede Kopie über ihr Original schreiben</translation>
    </message>
    <message>
        <source>%1 is inside %2, whose dumps are cleared: choose a folder outside it</source>
        <translation>%1 liegt in %2, in dessen Dumps der Fehlerspeicher gelöscht wird: Ordner außerhalb wählen</translation>
    </message>
    <message>
        <source>%1: is the copy of another file of this run; %2 is not cleaned</source>
        <translation>%1: ist schon die Kopie einer anderen Datei dieses Laufs; der Fehlerspeicher von %2 wird nicht gelöscht</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: lässt sich nicht öffnen: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: is %2 bytes long, not %3</source>
        <translation>
            <numerusform>%1: ist %2 Byte lang, nicht %3</numerusform>
            <numerusform>%1: ist %2 Bytes lang, nicht %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be read completely</source>
        <translation>%1: ließ sich nicht vollständig lesen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the folder: %2</source>
        <translation>%1: Ordner lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>only in %1: %2</source>
        <translation>nur in %1: %2</translation>
    </message>
    <message>
        <source>compare needs two files, or two folders</source>
        <translation>compare braucht zwei Dateien oder zwei Ordner</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>die Standardeingabe lässt sich nur einmal lesen</translation>
    </message>
    <message>
        <source>convert needs one INPUT and -o OUTPUT</source>
        <translation>convert braucht eine EINGABE und -o AUSGABE</translation>
    </message>
    <message>
        <source>convert needs --to bin, ihex or srec, not &quot;%1&quot;</source>
        <translation>convert braucht --to bin, ihex oder srec, nicht „%1“</translation>
    </message>
    <message>
        <source>%1: not a 512-byte image (%2); nothing written</source>
        <translation>%1: kein 512-Byte-Abbild (%2); nichts geschrieben</translation>
    </message>
    <message>
        <source>%1: is a terminal, which shows no binary image; send it to a file or a pipe</source>
        <translation>%1: ist ein Terminal, das kein binäres Abbild anzeigt; in eine Datei oder Pipe umleiten</translation>
    </message>
    <message>
        <source>%1: is a folder; name the file to write</source>
        <translation>%1: ist ein Ordner; die zu schreibende Datei angeben</translation>
    </message>
    <message>
        <source>%1: is not a regular file; name the file to write</source>
        <translation>%1: ist keine reguläre Datei; die zu schreibende Datei angeben</translation>
    </message>
    <message>
        <source>%1: is the input itself; --force overwrites it with the new copy</source>
        <translation>%1: ist die Eingabedatei selbst; --force überschreibt sie mit der neuen Kopie</translation>
    </message>
    <message>
        <source>%1: exists; --force replaces it</source>
        <translation>%1: existiert bereits; --force ersetzt sie</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: Schreiben nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1: saved, but the system could not confirm that the new name is on the disk: %2</source>
        <translation>%1: gespeichert, aber das System konnte nicht bestätigen, dass der neue Name auf dem Datenträger steht: %2</translation>
    </message>
    <message>
        <source>%1: cannot write, and the file may now be damaged: %2</source>
        <translation>%1: Schreiben nicht möglich, und die Datei kann jetzt beschädigt sein: %2</translation>
    </message>
    <message>
        <source>%1: cannot write; the old contents were put back, but the system could not confirm them on the disk: %2</source>
        <translation>%1: Schreiben nicht möglich; der alte Inhalt wurde zurückgeschrieben, aber das System konnte ihn auf dem Datenträger nicht bestätigen: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the list of files: %2</source>
        <translation>%1: Dateiliste lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>Ausgabe lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 files</source>
        <translation>
            <numerusform>%1 von %2 Datei</numerusform>
            <numerusform>%1 von %2 Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 Datei</numerusform>
            <numerusform>%1 Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown verdict &quot;%1&quot; (valid, bad-checksum, wrong-size, unknown-engine or unreadable)</source>
        <translation>unbekanntes Ergebnis „%1“ (valid, bad-checksum, wrong-size, unknown-engine oder unreadable)</translation>
    </message>
    <message>
        <source>unknown error code &quot;%1&quot; (E0 to ED as the report shows them, or none)</source>
        <translation>unbekannter Fehlercode „%1“ (E0 bis ED wie im Bericht, oder none)</translation>
    </message>
    <message>
        <source>--no-header, --delimiter and --bom are for CSV</source>
        <translation>--no-header, --delimiter und --bom gelten nur für CSV</translation>
    </message>
    <message>
        <source>-l prints the paths alone, in no format</source>
        <translation>-l gibt nur die Pfade aus, in keinem Format</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <source>%1 needs at least one PATH</source>
        <translation>%1 braucht mindestens einen PFAD</translation>
    </message>
    <message>
        <source>the PATHs come from --files-from or from the command line, not both</source>
        <translation>die PFAD-Angaben kommen aus --files-from oder von der Befehlszeile, nicht von beiden</translation>
    </message>
    <message>
        <source>product code</source>
        <translation>Produktcode</translation>
    </message>
    <message>
        <source>engine type</source>
        <translation>Motortyp</translation>
    </message>
    <message>
        <source>MCU type</source>
        <translation>MCU-Typ</translation>
    </message>
    <message>
        <source>stored checksum</source>
        <translation>gespeicherte Prüfsumme</translation>
    </message>
    <message>
        <source>computed checksum</source>
        <translation>berechnete Prüfsumme</translation>
    </message>
    <message>
        <source>checksum verdict</source>
        <translation>Prüfsummenergebnis</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>letzter Fehler</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>wrong size</source>
        <translation>falsche Größe</translation>
    </message>
    <message>
        <source>incomplete read</source>
        <translation>unvollständig gelesen</translation>
    </message>
    <message>
        <source>bad records</source>
        <translation>fehlerhafte Datensätze</translation>
    </message>
    <message>
        <source>unknown engine</source>
        <translation>unbekannter Motor</translation>
    </message>
    <message>
        <source>variable data block (bytes 0-254)</source>
        <translation>variabler Datenblock (Bytes 0–254)</translation>
    </message>
    <message>
        <source>byte 255</source>
        <translation>Byte 255</translation>
    </message>
    <message>
        <source>identification block (bytes 256-510)</source>
        <translation>Kennungsblock (Bytes 256–510)</translation>
    </message>
    <message>
        <source>byte 511</source>
        <translation>Byte 511</translation>
    </message>
    <message>
        <source>%1 and %2 are identical</source>
        <translation>%1 und %2 sind identisch</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 differ in %3 bytes</source>
        <translation>
            <numerusform>%1 und %2 unterscheiden sich in %3 Byte</numerusform>
            <numerusform>%1 und %2 unterscheiden sich in %3 Bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 differ</source>
        <translation>
            <numerusform>%1: %2 Byte weicht ab</numerusform>
            <numerusform>%1: %2 Bytes weichen ab</numerusform>
        </translation>
    </message>
    <message>
        <source>  offset   A   B</source>
        <translation>  Offset   A   B</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>count of %1 (%2)</source>
        <translation>Zähler %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>none (only bytes that are not decoded)</source>
        <translation>keine (nur nicht ausgewertete Bytes)</translation>
    </message>
    <message>
        <source>fields that differ:</source>
        <translation>abweichende Felder:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>Platinen</translation>
    </message>
    <message>
        <source>total</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>höchster</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the delimiter must be one character, not a letter, a digit, a quote or a line break: &quot;%1&quot;</source>
        <translation>das Trennzeichen muss ein einzelnes Zeichen sein, kein Buchstabe, keine Ziffer, kein Anführungszeichen und kein Zeilenumbruch: „%1“</translation>
    </message>
    <message>
        <source>Usage: tavro-cli report [-f text|json|jsonl|csv] [--only VERDICT]
                        [--last-error E] [-l] PATH...
       tavro-cli summary [-f text|json|csv] PATH...
       tavro-cli clear INPUT -o OUTPUT [--force]
       tavro-cli clear PATH... --suffix SUFFIX | -d OUTDIR [--parents]
                       [--force] [--dry-run]
       tavro-cli compare [-q] A B
       tavro-cli convert INPUT -o OUTPUT --to bin|ihex|srec [--force]
</source>
        <translation>Aufruf: tavro-cli report [-f text|json|jsonl|csv] [--only ERGEBNIS]
                         [--last-error E] [-l] PFAD...
        tavro-cli summary [-f text|json|csv] PFAD...
        tavro-cli clear EINGABE -o AUSGABE [--force]
        tavro-cli clear PFAD... --suffix SUFFIX | -d ZIELORDNER [--parents]
                        [--force] [--dry-run]
        tavro-cli compare [-q] A B
        tavro-cli convert EINGABE -o AUSGABE --to bin|ihex|srec [--force]
</translation>
    </message>
    <message>
        <source>Checks, cleans, compares and converts 512-byte EEPROM dumps of Tavro
washing-machine control boards. A dump is the 512 bytes themselves (.bin,
.eep) or the Intel HEX or Motorola S-record text that a device programmer
writes, told apart by the contents. A folder is searched recursively, in
sorted order, for .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec,
.mot and .sx files, in any letter case; - is standard input.

Commands:
  report PATH...   the report on each file, as the Tavro Tool window shows it
  summary PATH...  how many files there are of each verdict, engine, MCU, last
                   error and product code, and for each error how many boards
                   have it, its total and its largest count
  clear PATH...    writes a cleaned copy of each: bytes 0 to 254 (the error
                   history and counters) zero, everything else unchanged, in
                   the format of its input
  compare A B      tells whether two reads of a board are identical, and if
                   not, which bytes and decoded fields differ; of two folders,
                   each pair of files with the same relative path, and the
                   files on one side only
  convert INPUT    writes the image in another format, byte for byte

Options:
  -f, --format F       report as text (the default), json, jsonl (one object a
                       line) or csv; summary as text, json or csv
      --only VERDICT   report only the files of that verdict: valid,
                       bad-checksum, wrong-size, unknown-engine or unreadable;
                       repeatable
      --last-error E   report only the images whose last error is E (E3, or
                       none); repeatable
  -l, --files-with-matches
                       report only the paths of the files, one a line
      --files-from F   report, summary, clear: the paths are read from the
                       file F (- for standard input), one a line
  -0, --null           the paths of --files-from, and those -l prints, end in
                       a NUL character instead (find -print0, xargs -0)
      --no-header      CSV without its header row
      --delimiter C    CSV with the fields separated by C (; for example)
      --bom            CSV starting with UTF-8&apos;s byte order mark, for
                       spreadsheets
  -o, --output F       clear, convert: the file to write; - (or /dev/stdout)
                       is standard output
      --suffix S       clear: each copy beside its input, S inserted before
                       the extension
  -d, --output-dir D   clear: each copy under D, at its input&apos;s path relative
                       to the folder given
      --parents        clear: each copy under D at its input&apos;s whole path as
                       given (cp --parents), so that files of the same name
                       from different folders stay apart
      --dry-run        clear: lists what would be written, and writes nothing
      --force          clear, convert: replace an existing file, even the
                       input itself
      --to F           convert: bin (the 512 bytes), ihex (Intel HEX) or srec
                       (S-record)
  -q, --quiet          compare: no output, the exit status only
  -h, --help           this help
  -v, --version        the version and build number
  --                   ends the options: a file name after it may start with -

Exit status, the same for every command:
  0    all good: every file a valid image with a right checksum, some file
       selected (--only, --last-error), every copy written, files identical
  1    a finding: a file that is not, none selected, an input or an output
       refused, files that differ
  2    a usage error, a path that does not exist, a folder or a list that
       could not be read, a file compare cannot read, an output not written
  130  interrupted (Ctrl-C)
  141  standard output closed by its reader (| head)
See tavro-cli(1).
</source>
        <translation>Prüft EEPROM-Dumps (512 Byte) von Tavro-Waschmaschinensteuerungen, löscht ihren
Fehlerspeicher, vergleicht sie und wandelt sie um. Ein Dump ist das
512-Byte-Abbild selbst (.bin, .eep) oder der Intel-HEX- bzw.
Motorola-S-Record-Text eines EEPROM-Programmiergeräts, am Inhalt erkannt. Ein
Ordner wird rekursiv und sortiert nach .bin-, .eep-, .hex-, .ihx-, .ihex-,
.s19-, .s28-, .s37-, .srec-, .mot- und .sx-Dateien durchsucht, in jeder Groß-
und Kleinschreibung; - ist die Standardeingabe.

Befehle:
  report PFAD...    der Bericht jeder Datei, wie ihn das Fenster von Tavro Tool
                    zeigt
  summary PFAD...   wie viele Dateien es je Ergebnis, Motor, MCU, letztem
                    Fehler und Produktcode gibt, und je Fehler, wie viele
                    Platinen ihn haben, seine Summe und sein höchster Zähler
  clear PFAD...     schreibt von jeder eine Kopie mit gelöschtem
                    Fehlerspeicher: Bytes 0 bis 254 (Fehlerspeicher und Zähler)
                    auf null, alles andere unverändert, im Format der Eingabe
  compare A B       sagt, ob zwei Auslesungen einer Platine identisch sind, und
                    wenn nicht, welche Bytes und ausgewerteten Felder
                    abweichen; bei zwei Ordnern jedes Paar mit gleichem
                    relativem Pfad, und die Dateien, die nur auf einer Seite
                    liegen
  convert EINGABE   schreibt das Abbild in einem anderen Format, Byte für Byte

Optionen:
  -f, --format F        report als text (Vorgabe), json, jsonl (ein Objekt je
                        Zeile) oder csv; summary als text, json oder csv
      --only ERGEBNIS   report nur der Dateien mit diesem Ergebnis: valid,
                        bad-checksum, wrong-size, unknown-engine oder
                        unreadable; wiederholbar
      --last-error E    report nur der Abbilder, deren letzter Fehler E ist
                        (E3, oder none); wiederholbar
  -l, --files-with-matches
                        report nur der Pfade der Dateien, einer je Zeile
      --files-from F    report, summary, clear: die Pfade kommen aus der Datei
                        F (- für die Standardeingabe), einer je Zeile
  -0, --null            die Pfade von --files-from und die, die -l ausgibt,
                        enden stattdessen mit einem NUL-Zeichen (find -print0,
                        xargs -0)
      --no-header       CSV ohne Kopfzeile
      --delimiter C     CSV mit C als Feldtrenner (zum Beispiel ;)
      --bom             CSV mit der UTF-8-Bytereihenfolgemarke am Anfang, für
                        Tabellenkalkulationen
  -o, --output F        clear, convert: die zu schreibende Datei; - (oder
                        /dev/stdout) ist die Standardausgabe
      --suffix S        clear: jede Kopie neben ihrer Eingabe, S vor der Endung
                        eingefügt
  -d, --output-dir D    clear: jede Kopie unter D, am Pfad ihrer Eingabe
                        relativ zum angegebenen Ordner
      --parents         clear: jede Kopie unter D am ganzen Pfad ihrer Eingabe,
                        wie angegeben (cp --parents), damit gleichnamige
                        Dateien aus verschiedenen Ordnern getrennt bleiben
      --dry-run         clear: zeigt, was geschrieben würde, und schreibt
                        nichts
      --force           clear, convert: eine vorhandene Datei ersetzen, auch
                        die Eingabe selbst
      --to F            convert: bin (die 512 Bytes), ihex (Intel HEX) oder
                        srec (S-Record)
  -q, --quiet           compare: keine Ausgabe, nur der Exit-Status
  -h, --help            diese Hilfe
  -v, --version         Version und Build-Nummer
  --                    beendet die Optionen: ein Dateiname danach darf mit
                        - beginnen

Exit-Status, für jeden Befehl gleich:
  0    alles in Ordnung: jede Datei ein gültiges Abbild mit richtiger
       Prüfsumme, eine Datei ausgewählt (--only, --last-error), jede Kopie
       geschrieben, die Dateien identisch
  1    ein Befund: eine Datei ist es nicht, keine ausgewählt, eine Eingabe
       oder Ausgabe abgelehnt, die Dateien weichen ab
  2    ein Bedienfehler, ein Pfad, den es nicht gibt, ein Ordner oder eine
       Liste, die sich nicht lesen ließ, eine Datei, die compare nicht lesen
       kann, eine Ausgabe, die nicht geschrieben wurde
  130  abgebrochen (Strg+C)
  141  die Standardausgabe wurde vom Leser geschlossen (| head)
Siehe tavro-cli(1).
</translation>
    </message>
    <message>
        <source>--parents keeps each path below the folder of -d OUTDIR</source>
        <translation>--parents behält jeden Pfad unter dem Ordner von -d ZIELORDNER bei</translation>
    </message>
    <message>
        <source>%1: a path that climbs out with .. cannot be kept below %2; not cleaned</source>
        <translation>%1: ein Pfad, der mit .. hinausführt, lässt sich nicht unter %2 beibehalten; Fehlerspeicher nicht gelöscht</translation>
    </message>
    <message>
        <source>no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot or .sx file)</source>
        <translation>kein Dump gefunden (keine .bin-, .eep-, .hex-, .ihx-, .ihex-, .s19-, .s28-, .s37-, .srec-, .mot- oder .sx-Datei)</translation>
    </message>
    <message numerus="yes">
        <source>%1 refused</source>
        <translation>
            <numerusform>%1 abgelehnt</numerusform>
            <numerusform>%1 abgelehnt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The count of a dry run: &quot;2 would be written, 1 refused&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 would be written</source>
        <translation>
            <numerusform>%1 würde geschrieben</numerusform>
            <numerusform>%1 würden geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>The counts of a run of clear: &quot;2 written, 1 refused, 0 failed&quot;.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 written</source>
        <translation>
            <numerusform>%1 geschrieben</numerusform>
            <numerusform>%1 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 failed</source>
        <translation>
            <numerusform>%1 fehlgeschlagen</numerusform>
            <numerusform>%1 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>valid</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>gültig</numerusform>
            <numerusform>gültig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bad checksum</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>Prüfsumme falsch</numerusform>
            <numerusform>Prüfsumme falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrong size</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>falsche Größe</numerusform>
            <numerusform>falsche Größe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unknown engine</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>unbekannter Motor</numerusform>
            <numerusform>unbekannter Motor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unreadable</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>nicht lesbar</numerusform>
            <numerusform>nicht lesbar</numerusform>
        </translation>
    </message>
</context>
</TS>
