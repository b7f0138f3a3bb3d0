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
        <translation>Błąd wybieraka</translation>
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
        <source>Wrong file size</source>
        <translation>Nieprawidłowy rozmiar pliku</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Plik uszkodzony lub obcy firmware</translation>
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
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>plik został zastąpiony innym podczas zapisu; nic nie zapisano</translation>
    </message>
    <message>
        <source>Read error: file not fully read</source>
        <translation>Plik odczytany tylko częściowo</translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <extracomment>A counter line of the report, as &quot;E3 - No drain: 2&quot;: %1 is the error&apos;s code, %2 its name, %3 how often it occurred.</extracomment>
        <translation>%1 - %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>
            <numerusform>plik ma inny rozmiar niż kopia (%n B), więc nie zostanie nadpisany w miejscu: plik innego rozmiaru to inny plik wybrany przez pomyłkę</numerusform>
            <numerusform>plik ma inny rozmiar niż kopia (%n B), więc nie zostanie nadpisany w miejscu: plik innego rozmiaru to inny plik wybrany przez pomyłkę</numerusform>
            <numerusform>plik ma inny rozmiar niż kopia (%n B), więc nie zostanie nadpisany w miejscu: plik innego rozmiaru to inny plik wybrany przez pomyłkę</numerusform>
        </translation>
    </message>
    <message>
        <source>no image loaded</source>
        <translation>nie wczytano obrazu</translation>
    </message>
    <message>
        <source>Cannot save file: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Nie można zapisać pliku: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Nie można zapisać pliku; poprzednia zawartość została przywrócona, ale system nie potwierdził jej zapisu na nośniku: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Nie można zapisać pliku, a może on być teraz uszkodzony: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>File size : %1 bytes</source>
        <translation>
            <numerusform>Rozmiar pliku: %1 bajt</numerusform>
            <numerusform>Rozmiar pliku: %1 bajty</numerusform>
            <numerusform>Rozmiar pliku: %1 bajtów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>an Intel HEX record starts with &quot;:&quot;</source>
        <translation>rekord Intel HEX zaczyna się od „:”</translation>
    </message>
    <message numerus="yes">
        <source>a record of %1 bytes is too short: it needs 5</source>
        <translation>
            <numerusform>rekord ma %1 bajt i jest za krótki: potrzeba 5</numerusform>
            <numerusform>rekord ma %1 bajty i jest za krótki: potrzeba 5</numerusform>
            <numerusform>rekord ma %1 bajtów i jest za krótki: potrzeba 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 data bytes but holds %2</source>
        <translation>
            <numerusform>rekord zapowiada %1 bajt danych, a zawiera %2</numerusform>
            <numerusform>rekord zapowiada %1 bajty danych, a zawiera %2</numerusform>
            <numerusform>rekord zapowiada %1 bajtów danych, a zawiera %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record must not hold data</source>
        <translation>rekord końcowy nie może zawierać danych</translation>
    </message>
    <message>
        <source>an address record must hold 2 bytes, not %1</source>
        <translation>rekord adresu musi zawierać 2 B, a nie %1</translation>
    </message>
    <message>
        <source>a start address record must hold 4 bytes, not %1</source>
        <translation>rekord adresu startowego musi zawierać 4 B, a nie %1</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>nieznany typ rekordu %1</translation>
    </message>
    <message>
        <source>the end record (:00000001FF) is missing</source>
        <translation>brak rekordu końcowego (:00000001FF)</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not a hexadecimal digit</source>
        <translation>znak „%1” nie jest cyfrą szesnastkową</translation>
    </message>
    <message>
        <source>the byte 0x%1 is not a hexadecimal digit</source>
        <translation>bajt 0x%1 nie jest cyfrą szesnastkową</translation>
    </message>
    <message>
        <source>an odd number of hexadecimal digits</source>
        <translation>nieparzysta liczba cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>address %1 was given before, on line %2</source>
        <translation>adres %1 wystąpił już wcześniej, w wierszu %2</translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>tekst po rekordzie końcowym</translation>
    </message>
    <message>
        <source>the data starts at address %1 instead of 0x0000</source>
        <translation>dane zaczynają się od adresu %1 zamiast od 0x0000</translation>
    </message>
    <message numerus="yes">
        <source>the image holds %1 bytes, a board&apos;s EEPROM holds 512</source>
        <translation>
            <numerusform>obraz ma %1 bajt, a EEPROM modułu 512</numerusform>
            <numerusform>obraz ma %1 bajty, a EEPROM modułu 512</numerusform>
            <numerusform>obraz ma %1 bajtów, a EEPROM modułu 512</numerusform>
        </translation>
    </message>
    <message>
        <source>address %1 missing</source>
        <translation>brak adresu %1</translation>
    </message>
    <message>
        <source>addresses %1 missing</source>
        <translation>brak adresów %1</translation>
    </message>
    <message>
        <source>checksum 0x%1, expected 0x%2</source>
        <translation>suma kontrolna 0x%1, oczekiwano 0x%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>an S-record starts with S and a digit</source>
        <translation>rekord S-record zaczyna się od S i cyfry</translation>
    </message>
    <message>
        <source>unknown record type S4</source>
        <translation>nieznany typ rekordu S4</translation>
    </message>
    <message>
        <source>the record has no count</source>
        <translation>rekord nie ma licznika</translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 bytes after its count but holds %2</source>
        <translation>
            <numerusform>rekord zapowiada %1 bajt po liczniku, a zawiera %2</numerusform>
            <numerusform>rekord zapowiada %1 bajty po liczniku, a zawiera %2</numerusform>
            <numerusform>rekord zapowiada %1 bajtów po liczniku, a zawiera %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an S%1 record needs at least %2 bytes, not %3</source>
        <translation>
            <numerusform>rekord S%1 musi mieć co najmniej %2 bajt, a nie %3</numerusform>
            <numerusform>rekord S%1 musi mieć co najmniej %2 bajty, a nie %3</numerusform>
            <numerusform>rekord S%1 musi mieć co najmniej %2 bajtów, a nie %3</numerusform>
        </translation>
    </message>
    <message>
        <source>a header record (S0) after the first line</source>
        <translation>rekord nagłówka (S0) po pierwszym wierszu</translation>
    </message>
    <message>
        <source>an S%1 record must not hold data</source>
        <translation>rekord S%1 nie może zawierać danych</translation>
    </message>
    <message numerus="yes">
        <source>the count record says %1 data records, but %2 come before it</source>
        <translation>
            <numerusform>rekord licznika podaje %1 rekord danych, a przed nim jest ich %2</numerusform>
            <numerusform>rekord licznika podaje %1 rekordy danych, a przed nim jest ich %2</numerusform>
            <numerusform>rekord licznika podaje %1 rekordów danych, a przed nim jest ich %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record (S7, S8 or S9) is missing</source>
        <translation>brak rekordu końcowego (S7, S8 lub S9)</translation>
    </message>
    <message>
        <source>there is data at address %1, beyond the 512 bytes of a board&apos;s EEPROM</source>
        <translation>pod adresem %1 są dane, poza 512 bajtami pamięci EEPROM modułu</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Operation not permitted</source>
        <translation>Operacja niedozwolona</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani folderu</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Przerwane wywołanie systemowe</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Błąd wejścia/wyjścia</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Nie ma takiego urządzenia ani adresu</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Nieprawidłowy deskryptor pliku</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Zasób chwilowo niedostępny</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak dostępu</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Urządzenie lub zasób zajęty</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Nieprawidłowe dowiązanie między urządzeniami</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Nie ma takiego urządzenia</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>To nie jest folder</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>To jest folder</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Nieprawidłowy argument</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Za dużo otwartych plików w systemie</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Za dużo otwartych plików</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Plik programu jest zajęty</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Plik jest za duży</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>System plików tylko do odczytu</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Za dużo dowiązań</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Przerwany potok</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Za długa nazwa pliku</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Folder nie jest pusty</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Za dużo poziomów dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Wartość za duża dla typu danych</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Operacja nieobsługiwana</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Drugi koniec połączenia jest rozłączony</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Przekroczony czas połączenia</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Komputer zdalny nie odpowiada</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Nieaktualny uchwyt pliku (dysk sieciowy)</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Przekroczony przydział dyskowy</translation>
    </message>
</context>
<context>
    <name>tavro-cli</name>
    <message>
        <source>unknown option &quot;%1&quot; (&quot;--&quot; ends the options: tavro-cli %2 -- %1)</source>
        <translation>nieznana opcja „%1” („--” kończy opcje: tavro-cli %2 -- %1)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2 (it is one of the options that belong to %3)</source>
        <translation>--%1 nie jest opcją polecenia %2 (należy do: %3)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2; nothing written</source>
        <translation>%1: nie można otworzyć: %2; nic nie zapisano</translation>
    </message>
    <message>
        <source>%1: not a valid image (%2); nothing written</source>
        <translation>%1: nieprawidłowy obraz (%2); nic nie zapisano</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1: cannot make the folder: %2</source>
        <translation>%1: nie można utworzyć folderu: %2</translation>
    </message>
    <message>
        <source>%1: the checksum does not match (stored %2, computed %3); cleaned all the same</source>
        <translation>%1: suma kontrolna się nie zgadza (zapisana %2, obliczona %3); mimo to wyzerowano</translation>
    </message>
    <message>
        <source>-o names the one copy; --suffix and -d name many</source>
        <translation>-o wskazuje jedną kopię, --suffix i -d wiele kopii</translation>
    </message>
    <message>
        <source>clear needs one INPUT and -o OUTPUT</source>
        <translation>clear wymaga jednego pliku WEJŚCIE i -o WYJŚCIE</translation>
    </message>
    <message>
        <source>clear writes one OUTPUT</source>
        <translation>clear zapisuje jedno WYJŚCIE</translation>
    </message>
    <message>
        <source>clear needs -o OUTPUT, or --suffix SUFFIX or -d OUTDIR</source>
        <translation>clear wymaga -o WYJŚCIE, --suffix SUFIKS lub -d CEL</translation>
    </message>
    <message>
        <source>clear needs PATHs, or --files-from, not both</source>
        <translation>clear wymaga ścieżek (ŚCIEŻKA) albo --files-from, nie obu naraz</translation>
    </message>
    <message>
        <source>standard input is cleared with -o OUTPUT only</source>
        <translation>standardowe wejście zeruje się tylko z -o WYJŚCIE</translation>
    </message>
    <message>
        <source>an empty --suffix would write each copy over its input</source>
        <translation>puste --suffix zapisałoby każdą kopię na jej oryginale</translation>
    </message>
    <message>
        <source>%1 is inside %2, whose dumps are cleared: choose a folder outside it</source>
        <translation>%1 leży w %2, którego zrzuty są zerowane: wybierz folder poza nim</translation>
    </message>
    <message>
        <source>%1: is the copy of another file of this run; %2 is not cleaned</source>
        <translation>%1: to już kopia innego pliku z tego przebiegu; %2 nie zostanie wyzerowany</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: nie można otworzyć: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: is %2 bytes long, not %3</source>
        <translation>
            <numerusform>%1: ma %2 bajt, a nie %3</numerusform>
            <numerusform>%1: ma %2 bajty, a nie %3</numerusform>
            <numerusform>%1: ma %2 bajtów, a nie %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be read completely</source>
        <translation>%1: nie udało się odczytać całego pliku</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the folder: %2</source>
        <translation>%1: nie można odczytać folderu: %2</translation>
    </message>
    <message>
        <source>only in %1: %2</source>
        <translation>tylko w %1: %2</translation>
    </message>
    <message>
        <source>compare needs two files, or two folders</source>
        <translation>compare wymaga dwóch plików albo dwóch folderów</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>standardowe wejście można odczytać tylko raz</translation>
    </message>
    <message>
        <source>convert needs one INPUT and -o OUTPUT</source>
        <translation>convert wymaga jednego pliku WEJŚCIE i -o WYJŚCIE</translation>
    </message>
    <message>
        <source>convert needs --to bin, ihex or srec, not &quot;%1&quot;</source>
        <translation>convert wymaga --to bin, ihex lub srec, a nie „%1”</translation>
    </message>
    <message>
        <source>%1: not a 512-byte image (%2); nothing written</source>
        <translation>%1: to nie jest obraz 512-bajtowy (%2); nic nie zapisano</translation>
    </message>
    <message>
        <source>%1: is a terminal, which shows no binary image; send it to a file or a pipe</source>
        <translation>%1: to terminal, który nie pokaże obrazu binarnego; przekieruj go do pliku lub potoku</translation>
    </message>
    <message>
        <source>%1: is a folder; name the file to write</source>
        <translation>%1: to folder; podaj plik do zapisania</translation>
    </message>
    <message>
        <source>%1: is not a regular file; name the file to write</source>
        <translation>%1: to nie jest zwykły plik; podaj plik do zapisania</translation>
    </message>
    <message>
        <source>%1: is the input itself; --force overwrites it with the new copy</source>
        <translation>%1: to sam plik wejściowy; --force nadpisze go nową kopią</translation>
    </message>
    <message>
        <source>%1: exists; --force replaces it</source>
        <translation>%1: już istnieje; --force go zastąpi</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: nie można zapisać: %2</translation>
    </message>
    <message>
        <source>%1: saved, but the system could not confirm that the new name is on the disk: %2</source>
        <translation>%1: zapisano, ale system nie potwierdził, że nowa nazwa jest na dysku: %2</translation>
    </message>
    <message>
        <source>%1: cannot write, and the file may now be damaged: %2</source>
        <translation>%1: nie można zapisać, a plik może być teraz uszkodzony: %2</translation>
    </message>
    <message>
        <source>%1: cannot write; the old contents were put back, but the system could not confirm them on the disk: %2</source>
        <translation>%1: nie można zapisać; przywrócono poprzednią zawartość, ale system nie potwierdził jej na dysku: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the list of files: %2</source>
        <translation>%1: nie można odczytać listy plików: %2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>nie można zapisać wyjścia: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>nieznane polecenie „%1”</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 files</source>
        <translation>
            <numerusform>%1 z %2 pliku</numerusform>
            <numerusform>%1 z %2 plików</numerusform>
            <numerusform>%1 z %2 plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 plik</numerusform>
            <numerusform>%1 pliki</numerusform>
            <numerusform>%1 plików</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown verdict &quot;%1&quot; (valid, bad-checksum, wrong-size, unknown-engine or unreadable)</source>
        <translation>nieznany wynik „%1” (valid, bad-checksum, wrong-size, unknown-engine lub unreadable)</translation>
    </message>
    <message>
        <source>unknown error code &quot;%1&quot; (E0 to ED as the report shows them, or none)</source>
        <translation>nieznany kod błędu „%1” (E0 do ED jak w raporcie albo none)</translation>
    </message>
    <message>
        <source>--no-header, --delimiter and --bom are for CSV</source>
        <translation>--no-header, --delimiter i --bom dotyczą tylko CSV</translation>
    </message>
    <message>
        <source>-l prints the paths alone, in no format</source>
        <translation>-l wypisuje same ścieżki, bez formatu</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>nieznany format „%1”</translation>
    </message>
    <message>
        <source>%1 needs at least one PATH</source>
        <translation>%1 wymaga co najmniej jednej ścieżki (ŚCIEŻKA)</translation>
    </message>
    <message>
        <source>the PATHs come from --files-from or from the command line, not both</source>
        <translation>ścieżki (ŚCIEŻKA) podaje się w --files-from albo w wierszu poleceń, nie w obu</translation>
    </message>
    <message>
        <source>product code</source>
        <translation>kod produktu</translation>
    </message>
    <message>
        <source>engine type</source>
        <translation>typ silnika</translation>
    </message>
    <message>
        <source>MCU type</source>
        <translation>typ MCU</translation>
    </message>
    <message>
        <source>stored checksum</source>
        <translation>zapisana suma kontrolna</translation>
    </message>
    <message>
        <source>computed checksum</source>
        <translation>obliczona suma kontrolna</translation>
    </message>
    <message>
        <source>checksum verdict</source>
        <translation>wynik sumy kontrolnej</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>ostatni błąd</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>nie można otworzyć</translation>
    </message>
    <message>
        <source>wrong size</source>
        <translation>zły rozmiar</translation>
    </message>
    <message>
        <source>incomplete read</source>
        <translation>niepełny odczyt</translation>
    </message>
    <message>
        <source>bad records</source>
        <translation>błędne rekordy</translation>
    </message>
    <message>
        <source>unknown engine</source>
        <translation>nieznany silnik</translation>
    </message>
    <message>
        <source>variable data block (bytes 0-254)</source>
        <translation>blok danych zmiennych (bajty 0–254)</translation>
    </message>
    <message>
        <source>byte 255</source>
        <translation>bajt 255</translation>
    </message>
    <message>
        <source>identification block (bytes 256-510)</source>
        <translation>blok identyfikacyjny (bajty 256–510)</translation>
    </message>
    <message>
        <source>byte 511</source>
        <translation>bajt 511</translation>
    </message>
    <message>
        <source>%1 and %2 are identical</source>
        <translation>%1 i %2 są identyczne</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 differ in %3 bytes</source>
        <translation>
            <numerusform>%1 i %2 różnią się %3 bajtem</numerusform>
            <numerusform>%1 i %2 różnią się %3 bajtami</numerusform>
            <numerusform>%1 i %2 różnią się %3 bajtami</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 differ</source>
        <translation>
            <numerusform>%1: różni się %2 bajt</numerusform>
            <numerusform>%1: różnią się %2 bajty</numerusform>
            <numerusform>%1: różni się %2 bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>  offset   A   B</source>
        <translation>  offset   A   B</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>count of %1 (%2)</source>
        <translation>licznik %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>none (only bytes that are not decoded)</source>
        <translation>brak (tylko bajty, które nie są dekodowane)</translation>
    </message>
    <message>
        <source>fields that differ:</source>
        <translation>różniące się pola:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>moduły</translation>
    </message>
    <message>
        <source>total</source>
        <translation>razem</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>najwięcej</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the delimiter must be one character, not a letter, a digit, a quote or a line break: &quot;%1&quot;</source>
        <translation>separator musi być jednym znakiem, nie literą, cyfrą, cudzysłowem ani końcem wiersza: „%1”</translation>
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
        <translation>Użycie: tavro-cli report [-f text|json|jsonl|csv] [--only WYNIK]
                         [--last-error E] [-l] ŚCIEŻKA...
        tavro-cli summary [-f text|json|csv] ŚCIEŻKA...
        tavro-cli clear WEJŚCIE -o WYJŚCIE [--force]
        tavro-cli clear ŚCIEŻKA... --suffix SUFIKS | -d CEL [--parents]
                        [--force] [--dry-run]
        tavro-cli compare [-q] A B
        tavro-cli convert WEJŚCIE -o WYJŚCIE --to bin|ihex|srec [--force]
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
        <translation>Sprawdza, zeruje, porównuje i konwertuje 512-bajtowe zrzuty EEPROM modułów
sterujących pralek Tavro. Zrzut to same 512 bajtów (.bin, .eep) albo tekst
Intel HEX lub Motorola S-record zapisany przez programator EEPROM, rozpoznawany
po zawartości. Folder jest przeszukiwany rekurencyjnie, w kolejności
alfabetycznej, w poszukiwaniu plików .bin, .eep, .hex, .ihx, .ihex, .s19, .s28,
.s37, .srec, .mot i .sx, bez względu na wielkość liter; - to standardowe
wejście.

Polecenia:
  report ŚCIEŻKA...   raport każdego pliku, taki jak w oknie Tavro Tool
  summary ŚCIEŻKA...  ile jest plików o każdym wyniku, silniku, MCU, ostatnim
                      błędzie i kodzie produktu, a dla każdego błędu: na ilu
                      modułach wystąpił, jego suma i największy licznik
  clear ŚCIEŻKA...    zapisuje wyzerowaną kopię każdego: bajty 0–254 (historia
                      błędów i liczniki) na zero, reszta bez zmian, w formacie
                      pliku wejściowego
  compare A B         mówi, czy dwa odczyty modułu są identyczne, a jeśli nie,
                      które bajty i zdekodowane pola się różnią; dla dwóch
                      folderów każdą parę plików o tej samej ścieżce względnej
                      oraz pliki tylko po jednej stronie
  convert WEJŚCIE     zapisuje obraz w innym formacie, bajt w bajt

Opcje:
  -f, --format F        report jako text (domyślnie), json, jsonl (jeden obiekt
                        w wierszu) lub csv; summary jako text, json lub csv
      --only WYNIK      report tylko plików o tym wyniku: valid, bad-checksum,
                        wrong-size, unknown-engine lub unreadable; można
                        powtarzać
      --last-error E    report tylko obrazów, których ostatni błąd to E (E3
                        albo none); można powtarzać
  -l, --files-with-matches
                        report tylko ścieżek plików, po jednej w wierszu
      --files-from F    report, summary, clear: ścieżki są czytane z pliku F
                        (- dla standardowego wejścia), po jednej w wierszu
  -0, --null            ścieżki z --files-from oraz wypisywane przez -l kończą
                        się znakiem NUL (find -print0, xargs -0)
      --no-header       CSV bez wiersza nagłówka
      --delimiter C     CSV z polami rozdzielonymi znakiem C (na przykład ;)
      --bom             CSV zaczynający się znacznikiem kolejności bajtów
                        UTF-8, dla arkuszy kalkulacyjnych
  -o, --output F        clear, convert: plik do zapisania; - (lub /dev/stdout)
                        to standardowe wyjście
      --suffix S        clear: każda kopia obok pliku wejściowego, S wstawione
                        przed rozszerzeniem
  -d, --output-dir D    clear: każda kopia w D, pod ścieżką pliku wejściowego
                        względną wobec podanego folderu
      --parents         clear: każda kopia w D pod pełną ścieżką pliku
                        wejściowego, tak jak ją podano (cp --parents), aby
                        pliki o tej samej nazwie z różnych folderów się nie
                        mieszały
      --dry-run         clear: wypisuje, co zostałoby zapisane, i nic nie
                        zapisuje
      --force           clear, convert: zastępuje istniejący plik, nawet sam
                        plik wejściowy
      --to F            convert: bin (512 bajtów), ihex (Intel HEX) lub srec
                        (S-record)
  -q, --quiet           compare: bez wyjścia, tylko kod wyjścia
  -h, --help            ta pomoc
  -v, --version         wersja i numer kompilacji
  --                    kończy opcje: nazwa pliku po nim może zaczynać się od -

Kod wyjścia, ten sam dla każdego polecenia:
  0    wszystko w porządku: każdy plik to prawidłowy obraz z poprawną sumą
       kontrolną, wybrano jakiś plik (--only, --last-error), zapisano każdą
       kopię, pliki są identyczne
  1    ustalenie: któryś plik nie jest, nie wybrano żadnego, odrzucono wejście
       lub wyjście, pliki się różnią
  2    błąd użycia, ścieżka, która nie istnieje, folder lub lista, których nie
       udało się odczytać, plik, którego compare nie może odczytać, wyjście,
       którego nie udało się zapisać
  130  przerwano (Ctrl+C)
  141  czytający zamknął standardowe wyjście (| head)
Zobacz tavro-cli(1).
</translation>
    </message>
    <message>
        <source>--parents keeps each path below the folder of -d OUTDIR</source>
        <translation>--parents zachowuje każdą ścieżkę w folderze podanym w -d CEL</translation>
    </message>
    <message>
        <source>%1: a path that climbs out with .. cannot be kept below %2; not cleaned</source>
        <translation>%1: ścieżki wychodzącej w górę przez .. nie da się zachować w %2; nie wyzerowano</translation>
    </message>
    <message>
        <source>no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot or .sx file)</source>
        <translation>nie znaleziono żadnego zrzutu (żadnego pliku .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot ani .sx)</translation>
    </message>
    <message numerus="yes">
        <source>%1 refused</source>
        <translation>
            <numerusform>%1 odrzucony</numerusform>
            <numerusform>%1 odrzucone</numerusform>
            <numerusform>%1 odrzuconych</numerusform>
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
            <numerusform>%1 zostałby zapisany</numerusform>
            <numerusform>%1 zostałyby zapisane</numerusform>
            <numerusform>%1 zostałoby zapisanych</numerusform>
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
            <numerusform>%1 zapisany</numerusform>
            <numerusform>%1 zapisane</numerusform>
            <numerusform>%1 zapisanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 failed</source>
        <translation>
            <numerusform>%1 nieudany</numerusform>
            <numerusform>%1 nieudane</numerusform>
            <numerusform>%1 nieudanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>valid</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>prawidłowy</numerusform>
            <numerusform>prawidłowe</numerusform>
            <numerusform>prawidłowych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bad checksum</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>z błędną sumą kontrolną</numerusform>
            <numerusform>z błędną sumą kontrolną</numerusform>
            <numerusform>z błędną sumą kontrolną</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrong size</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>o złym rozmiarze</numerusform>
            <numerusform>o złym rozmiarze</numerusform>
            <numerusform>o złym rozmiarze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unknown engine</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>z nieznanym silnikiem</numerusform>
            <numerusform>z nieznanym silnikiem</numerusform>
            <numerusform>z nieznanym silnikiem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unreadable</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>nieczytelny</numerusform>
            <numerusform>nieczytelne</numerusform>
            <numerusform>nieczytelnych</numerusform>
        </translation>
    </message>
</context>
</TS>
