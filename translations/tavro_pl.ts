<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavro Tool</source>
        <translation>Tavro Tool</translation>
    </message>
    <message>
        <source>File operations</source>
        <translation>Operacje na plikach</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Wczytaj plik</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Wczytaj...</translation>
    </message>
    <message>
        <source>Clear varible data block and save to new file</source>
        <translation>Wyzeruj blok danych zmiennych i zapisz w nowym pliku</translation>
    </message>
    <message>
        <source>Clear and save...</source>
        <translation>Wyzeruj i zapisz...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
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
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Narzędzia serwisowe&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;mailto:info@wendrix.example&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;info@wendrix.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>All supported formats (*.bin *.eep);;bin (*.bin);;eep (*.eep)</source>
        <translation>Wszystkie obsługiwane formaty (*.bin *.eep);;bin (*.bin);;eep (*.eep)</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>bin (*.bin)</source>
        <translation>bin (*.bin)</translation>
    </message>
    <message>
        <source>Save file...</source>
        <translation>Zapisz plik...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>MCU fail 1</source>
        <translation>Awaria MCU 1</translation>
    </message>
    <message>
        <source>Door lock fail</source>
        <translation>Awaria blokady drzwi</translation>
    </message>
    <message>
        <source>Inlet valve fail</source>
        <translation>Awaria elektrozaworu</translation>
    </message>
    <message>
        <source>No drain</source>
        <translation>Brak odpompowania</translation>
    </message>
    <message>
        <source>Pressure switch fail</source>
        <translation>Awaria presostatu</translation>
    </message>
    <message>
        <source>NTC fail</source>
        <translation>Awaria czujnika NTC</translation>
    </message>
    <message>
        <source>MCU fail 2</source>
        <translation>Awaria MCU 2</translation>
    </message>
    <message>
        <source>Motor fail</source>
        <translation>Awaria silnika</translation>
    </message>
    <message>
        <source>Tacho fail</source>
        <translation>Awaria tachoprądnicy</translation>
    </message>
    <message>
        <source>Triac error</source>
        <translation>Błąd triaka</translation>
    </message>
    <message>
        <source>Selector error</source>
        <translation>Błąd programatora</translation>
    </message>
    <message>
        <source>Dryer fail</source>
        <translation>Awaria suszenia</translation>
    </message>
    <message>
        <source>Connection error 1</source>
        <translation>Błąd komunikacji 1</translation>
    </message>
    <message>
        <source>Connection error 2</source>
        <translation>Błąd komunikacji 2</translation>
    </message>
    <message>
        <source>Err open file</source>
        <translation>Błąd otwarcia pliku</translation>
    </message>
    <message>
        <source>File size : </source>
        <translation>Rozmiar pliku: </translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Nieprawidłowy rozmiar pliku</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Uszkodzony plik lub nie jest to firmware Tavro</translation>
    </message>
    <message>
        <source>Product code : </source>
        <translation>Kod produktu: </translation>
    </message>
    <message>
        <source>Engine type : </source>
        <translation>Typ silnika: </translation>
    </message>
    <message>
        <source>MCU type : </source>
        <translation>Typ MCU: </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>EEPROM checksum:</source>
        <translation>Suma kontrolna EEPROM:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Last error : </source>
        <translation>Ostatni błąd: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Error statistics : </source>
        <translation>Statystyka błędów: </translation>
    </message>
    <message>
        <source>Loaded file: </source>
        <translation>Wczytano plik: </translation>
    </message>
    <message>
        <source>File saved: </source>
        <translation>Zapisano plik: </translation>
    </message>
    <message>
        <source>Read error: the file could not be read completely</source>
        <translation>Błąd odczytu: nie udało się odczytać całego pliku</translation>
    </message>
    <message>
        <source>this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a file on a disk</source>
        <translation>to plik jądra systemu (proc, sysfs, cgroup, debugfs), a nie plik na dysku</translation>
    </message>
    <message>
        <source>the file may be written but not read, so it cannot be replaced safely where it is</source>
        <translation>plik można zapisać, ale nie odczytać, więc nie da się go bezpiecznie zastąpić w miejscu</translation>
    </message>
    <message>
        <source>the file is not a 512-byte dump, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>plik nie jest zrzutem 512-bajtowym, więc nie zostanie nadpisany w miejscu: plik innego rozmiaru to inny plik wybrany przez pomyłkę</translation>
    </message>
    <message>
        <source>; the old contents could not be put back either</source>
        <translation>; nie udało się też przywrócić poprzedniej zawartości</translation>
    </message>
    <message>
        <source> (the system could not confirm that the new name is on the disk)</source>
        <translation> (system nie potwierdził, że nowa nazwa jest zapisana na dysku)</translation>
    </message>
    <message>
        <source>Cannot save file: %1: %2</source>
        <translation>Nie można zapisać pliku: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1: %2</source>
        <translation>Nie można zapisać pliku i może on być teraz uszkodzony: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1: %2</source>
        <translation>Nie można zapisać pliku; poprzednia zawartość została przywrócona, ale system nie potwierdził jej zapisu na nośniku: %1 (%2)</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>plik został zastąpiony innym podczas zapisu; nic nie zapisano</translation>
    </message>
</context>
</TS>
