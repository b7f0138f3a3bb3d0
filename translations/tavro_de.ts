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
        <translation>MCU-Fehler 1</translation>
    </message>
    <message>
        <source>Door lock fail</source>
        <translation>Türverriegelung defekt</translation>
    </message>
    <message>
        <source>Inlet valve fail</source>
        <translation>Zulaufventil defekt</translation>
    </message>
    <message>
        <source>No drain</source>
        <translation>Kein Abpumpen</translation>
    </message>
    <message>
        <source>Pressure switch fail</source>
        <translation>Druckwächter defekt</translation>
    </message>
    <message>
        <source>NTC fail</source>
        <translation>NTC defekt</translation>
    </message>
    <message>
        <source>MCU fail 2</source>
        <translation>MCU-Fehler 2</translation>
    </message>
    <message>
        <source>Motor fail</source>
        <translation>Motor defekt</translation>
    </message>
    <message>
        <source>Tacho fail</source>
        <translation>Tachogenerator defekt</translation>
    </message>
    <message>
        <source>Triac error</source>
        <translation>Triac-Fehler</translation>
    </message>
    <message>
        <source>Selector error</source>
        <translation>Programmwähler-Fehler</translation>
    </message>
    <message>
        <source>Dryer fail</source>
        <translation>Trocknung defekt</translation>
    </message>
    <message>
        <source>Connection error 1</source>
        <translation>Kommunikationsfehler 1</translation>
    </message>
    <message>
        <source>Connection error 2</source>
        <translation>Kommunikationsfehler 2</translation>
    </message>
    <message>
        <source>Err open file</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>File size : </source>
        <translation>Dateigröße: </translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Falsche Dateigröße</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Beschädigte Datei oder keine Tavro-Firmware</translation>
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
        <source>Read error: the file could not be read completely</source>
        <translation>Lesefehler: Die Datei konnte nicht vollständig gelesen werden</translation>
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
        <source>Cannot save file: %1: %2</source>
        <translation>Datei kann nicht gespeichert werden: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1: %2</source>
        <translation>Datei kann nicht gespeichert werden und ist jetzt vielleicht beschädigt: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1: %2</source>
        <translation>Datei kann nicht gespeichert werden; der alte Inhalt wurde zurückgeschrieben, aber das System konnte ihn auf dem Datenträger nicht bestätigen: %1 (%2)</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>die Datei wurde während des Speicherns durch eine andere ersetzt; nichts geschrieben</translation>
    </message>
</context>
</TS>
