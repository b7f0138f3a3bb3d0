<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavro Tool</source>
        <translation>Tavro Tool</translation>
    </message>
    <message>
        <source>File operations</source>
        <translation>Operazioni sui file</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Carica file</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Carica...</translation>
    </message>
    <message>
        <source>Clear varible data block and save to new file</source>
        <translation>Azzera il blocco dati variabili e salva in un nuovo file</translation>
    </message>
    <message>
        <source>Clear and save...</source>
        <translation>Azzera e salva...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
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
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Strumenti assistenza&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;mailto:info@wendrix.example&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;info@wendrix.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>All supported formats (*.bin *.eep);;bin (*.bin);;eep (*.eep)</source>
        <translation>Tutti i formati supportati (*.bin *.eep);;bin (*.bin);;eep (*.eep)</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>bin (*.bin)</source>
        <translation>bin (*.bin)</translation>
    </message>
    <message>
        <source>Save file...</source>
        <translation>Salva file...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>MCU fail 1</source>
        <translation>Guasto MCU 1</translation>
    </message>
    <message>
        <source>Door lock fail</source>
        <translation>Guasto bloccoporta</translation>
    </message>
    <message>
        <source>Inlet valve fail</source>
        <translation>Guasto elettrovalvola</translation>
    </message>
    <message>
        <source>No drain</source>
        <translation>Mancato scarico</translation>
    </message>
    <message>
        <source>Pressure switch fail</source>
        <translation>Guasto pressostato</translation>
    </message>
    <message>
        <source>NTC fail</source>
        <translation>Guasto sonda NTC</translation>
    </message>
    <message>
        <source>MCU fail 2</source>
        <translation>Guasto MCU 2</translation>
    </message>
    <message>
        <source>Motor fail</source>
        <translation>Guasto motore</translation>
    </message>
    <message>
        <source>Tacho fail</source>
        <translation>Guasto tachimetrica</translation>
    </message>
    <message>
        <source>Triac error</source>
        <translation>Errore triac</translation>
    </message>
    <message>
        <source>Selector error</source>
        <translation>Errore selettore</translation>
    </message>
    <message>
        <source>Dryer fail</source>
        <translation>Guasto asciugatura</translation>
    </message>
    <message>
        <source>Connection error 1</source>
        <translation>Errore di comunicazione 1</translation>
    </message>
    <message>
        <source>Connection error 2</source>
        <translation>Errore di comunicazione 2</translation>
    </message>
    <message>
        <source>Err open file</source>
        <translation>Errore apertura file</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Dimensione file errata</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>File danneggiato o non Tavro</translation>
    </message>
    <message>
        <source>Product code : </source>
        <translation>Codice prodotto: </translation>
    </message>
    <message>
        <source>Engine type : </source>
        <translation>Tipo motore: </translation>
    </message>
    <message>
        <source>MCU type : </source>
        <translation>Tipo MCU: </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>EEPROM checksum:</source>
        <translation>Checksum EEPROM:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Last error : </source>
        <translation>Ultimo errore: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Error statistics : </source>
        <translation>Statistiche errori: </translation>
    </message>
    <message>
        <source>Loaded file: </source>
        <translation>File caricato: </translation>
    </message>
    <message>
        <source>File saved: </source>
        <translation>File salvato: </translation>
    </message>
    <message>
        <source>this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a file on a disk</source>
        <translation>è un file del kernel di sistema (proc, sysfs, cgroup, debugfs), non un file su disco</translation>
    </message>
    <message>
        <source>the file may be written but not read, so it cannot be replaced safely where it is</source>
        <translation>il file si può scrivere ma non leggere, quindi non può essere sostituito in sicurezza dove si trova</translation>
    </message>
    <message>
        <source>the file is not a 512-byte dump, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>il file non è un dump da 512 byte, quindi non viene sovrascritto dove si trova: un file di altra dimensione è un altro file scelto per errore</translation>
    </message>
    <message>
        <source>; the old contents could not be put back either</source>
        <translation>; e non è stato possibile ripristinare il contenuto precedente</translation>
    </message>
    <message>
        <source> (the system could not confirm that the new name is on the disk)</source>
        <translation> (il sistema non ha potuto confermare che il nuovo nome sia sul disco)</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>il file è stato sostituito da un altro durante il salvataggio; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>Read error: file not fully read</source>
        <translation>Errore di lettura: file letto in parte</translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <extracomment>A counter line of the report, as &quot;E3 - No drain: 2&quot;: %1 is the error&apos;s code, %2 its name, %3 how often it occurred.</extracomment>
        <translation>%1 - %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>
            <numerusform>il file non è lungo %n byte come la copia, quindi non viene sovrascritto dove si trova: un file di altra dimensione è un altro file scelto per errore</numerusform>
            <numerusform>il file non è lungo %n byte come la copia, quindi non viene sovrascritto dove si trova: un file di altra dimensione è un altro file scelto per errore</numerusform>
        </translation>
    </message>
    <message>
        <source>no image loaded</source>
        <translation>nessuna immagine caricata</translation>
    </message>
    <message>
        <source>Cannot save file: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Impossibile salvare: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Impossibile salvare; il contenuto precedente è stato ripristinato, ma il sistema non ha potuto confermare che sia sul disco: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Impossibile salvare, il file ora potrebbe essere danneggiato: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>File size : %1 bytes</source>
        <translation>
            <numerusform>Dimensione file: %1 byte</numerusform>
            <numerusform>Dimensione file: %1 byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>an Intel HEX record starts with &quot;:&quot;</source>
        <translation>un record Intel HEX inizia con «:»</translation>
    </message>
    <message numerus="yes">
        <source>a record of %1 bytes is too short: it needs 5</source>
        <translation>
            <numerusform>un record di %1 byte è troppo corto: ne servono 5</numerusform>
            <numerusform>un record di %1 byte è troppo corto: ne servono 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 data bytes but holds %2</source>
        <translation>
            <numerusform>il record annuncia %1 byte di dati ma ne contiene %2</numerusform>
            <numerusform>il record annuncia %1 byte di dati ma ne contiene %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record must not hold data</source>
        <translation>il record finale non deve contenere dati</translation>
    </message>
    <message>
        <source>an address record must hold 2 bytes, not %1</source>
        <translation>un record di indirizzo deve contenere 2 byte, non %1</translation>
    </message>
    <message>
        <source>a start address record must hold 4 bytes, not %1</source>
        <translation>un record di indirizzo di avvio deve contenere 4 byte, non %1</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>tipo di record sconosciuto %1</translation>
    </message>
    <message>
        <source>the end record (:00000001FF) is missing</source>
        <translation>manca il record finale (:00000001FF)</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not a hexadecimal digit</source>
        <translation>il carattere «%1» non è una cifra esadecimale</translation>
    </message>
    <message>
        <source>the byte 0x%1 is not a hexadecimal digit</source>
        <translation>il byte 0x%1 non è una cifra esadecimale</translation>
    </message>
    <message>
        <source>an odd number of hexadecimal digits</source>
        <translation>un numero dispari di cifre esadecimali</translation>
    </message>
    <message>
        <source>address %1 was given before, on line %2</source>
        <translation>l’indirizzo %1 è già stato dato, alla riga %2</translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>testo dopo il record finale</translation>
    </message>
    <message>
        <source>the data starts at address %1 instead of 0x0000</source>
        <translation>i dati iniziano all’indirizzo %1 invece che a 0x0000</translation>
    </message>
    <message numerus="yes">
        <source>the image holds %1 bytes, a board&apos;s EEPROM holds 512</source>
        <translation>
            <numerusform>l’immagine contiene %1 byte, la EEPROM di una scheda ne contiene 512</numerusform>
            <numerusform>l’immagine contiene %1 byte, la EEPROM di una scheda ne contiene 512</numerusform>
        </translation>
    </message>
    <message>
        <source>address %1 missing</source>
        <translation>manca l’indirizzo %1</translation>
    </message>
    <message>
        <source>addresses %1 missing</source>
        <translation>mancano gli indirizzi %1</translation>
    </message>
    <message>
        <source>checksum 0x%1, expected 0x%2</source>
        <translation>checksum 0x%1, atteso 0x%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>an S-record starts with S and a digit</source>
        <translation>un S-record inizia con S e una cifra</translation>
    </message>
    <message>
        <source>unknown record type S4</source>
        <translation>tipo di record sconosciuto S4</translation>
    </message>
    <message>
        <source>the record has no count</source>
        <translation>il record non ha il conteggio</translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 bytes after its count but holds %2</source>
        <translation>
            <numerusform>il record annuncia %1 byte dopo il conteggio ma ne contiene %2</numerusform>
            <numerusform>il record annuncia %1 byte dopo il conteggio ma ne contiene %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an S%1 record needs at least %2 bytes, not %3</source>
        <translation>
            <numerusform>un record S%1 richiede almeno %2 byte, non %3</numerusform>
            <numerusform>un record S%1 richiede almeno %2 byte, non %3</numerusform>
        </translation>
    </message>
    <message>
        <source>a header record (S0) after the first line</source>
        <translation>un record di intestazione (S0) dopo la prima riga</translation>
    </message>
    <message>
        <source>an S%1 record must not hold data</source>
        <translation>un record S%1 non deve contenere dati</translation>
    </message>
    <message numerus="yes">
        <source>the count record says %1 data records, but %2 come before it</source>
        <translation>
            <numerusform>il record di conteggio indica %1 record di dati, ma prima ce ne sono %2</numerusform>
            <numerusform>il record di conteggio indica %1 record di dati, ma prima ce ne sono %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record (S7, S8 or S9) is missing</source>
        <translation>manca il record finale (S7, S8 o S9)</translation>
    </message>
    <message>
        <source>there is data at address %1, beyond the 512 bytes of a board&apos;s EEPROM</source>
        <translation>ci sono dati all’indirizzo %1, oltre i 512 byte della EEPROM di una scheda</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Operation not permitted</source>
        <translation>Operazione non permessa</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o cartella inesistente</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Chiamata di sistema interrotta</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di input/output</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Dispositivo o indirizzo inesistente</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Descrittore di file non valido</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Risorsa temporaneamente non disponibile</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o risorsa occupati</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Il file esiste già</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Collegamento tra dispositivi non valido</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Dispositivo inesistente</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argomento non valido</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Troppi file aperti nel sistema</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>File di programma occupato</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>File troppo grande</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system di sola lettura</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Troppi collegamenti</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Pipe interrotta</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome file troppo lungo</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>La cartella non è vuota</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Valore troppo grande per il tipo di dato</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Operazione non supportata</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>L’altro capo della connessione non è connesso</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Tempo di connessione scaduto</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>L’host remoto non risponde</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Riferimento al file non più valido (unità di rete)</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota disco superata</translation>
    </message>
</context>
<context>
    <name>tavro-cli</name>
    <message>
        <source>unknown option &quot;%1&quot; (&quot;--&quot; ends the options: tavro-cli %2 -- %1)</source>
        <translation>opzione sconosciuta «%1» («--» chiude le opzioni: tavro-cli %2 -- %1)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2 (it is one of the options that belong to %3)</source>
        <translation>--%1 non è un’opzione di %2 (appartiene a %3)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2; nothing written</source>
        <translation>%1: impossibile aprire: %2; nulla è stato scritto</translation>
    </message>
    <message>
        <source>%1: not a valid image (%2); nothing written</source>
        <translation>%1: non è un’immagine valida (%2); nulla è stato scritto</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1: cannot make the folder: %2</source>
        <translation>%1: impossibile creare la cartella: %2</translation>
    </message>
    <message>
        <source>%1: the checksum does not match (stored %2, computed %3); cleaned all the same</source>
        <translation>%1: il checksum non corrisponde (memorizzato %2, calcolato %3); azzerato comunque</translation>
    </message>
    <message>
        <source>-o names the one copy; --suffix and -d name many</source>
        <translation>-o indica una sola copia; --suffix e -d ne indicano molte</translation>
    </message>
    <message>
        <source>clear needs one INPUT and -o OUTPUT</source>
        <translation>clear richiede un INGRESSO e -o USCITA</translation>
    </message>
    <message>
        <source>clear writes one OUTPUT</source>
        <translation>clear scrive una sola USCITA</translation>
    </message>
    <message>
        <source>clear needs -o OUTPUT, or --suffix SUFFIX or -d OUTDIR</source>
        <translation>clear richiede -o USCITA, --suffix SUFFISSO o -d DESTINAZIONE</translation>
    </message>
    <message>
        <source>clear needs PATHs, or --files-from, not both</source>
        <translation>clear richiede dei percorsi (PERCORSO) o --files-from, non entrambi</translation>
    </message>
    <message>
        <source>standard input is cleared with -o OUTPUT only</source>
        <translation>lo standard input si azzera solo con -o USCITA</translation>
    </message>
    <message>
        <source>an empty --suffix would write each copy over its input</source>
        <translation>un --suffix vuoto scriverebbe ogni copia sopra il suo originale</translation>
    </message>
    <message>
        <source>%1 is inside %2, whose dumps are cleared: choose a folder outside it</source>
        <translation>%1 è dentro %2, i cui dump vengono azzerati: scegliere una cartella esterna</translation>
    </message>
    <message>
        <source>%1: is the copy of another file of this run; %2 is not cleaned</source>
        <translation>%1: è già la copia di un altro file di questa esecuzione; %2 non viene azzerato</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: impossibile aprire: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: is %2 bytes long, not %3</source>
        <translation>
            <numerusform>%1: è di %2 byte, non %3</numerusform>
            <numerusform>%1: è di %2 byte, non %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be read completely</source>
        <translation>%1: non è stato letto per intero</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the folder: %2</source>
        <translation>%1: impossibile leggere la cartella: %2</translation>
    </message>
    <message>
        <source>only in %1: %2</source>
        <translation>solo in %1: %2</translation>
    </message>
    <message>
        <source>compare needs two files, or two folders</source>
        <translation>compare richiede due file o due cartelle</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>lo standard input si può leggere una sola volta</translation>
    </message>
    <message>
        <source>convert needs one INPUT and -o OUTPUT</source>
        <translation>convert richiede un INGRESSO e -o USCITA</translation>
    </message>
    <message>
        <source>convert needs --to bin, ihex or srec, not &quot;%1&quot;</source>
        <translation>convert richiede --to bin, ihex o srec, non «%1»</translation>
    </message>
    <message>
        <source>%1: not a 512-byte image (%2); nothing written</source>
        <translation>%1: non è un’immagine da 512 byte (%2); nulla è stato scritto</translation>
    </message>
    <message>
        <source>%1: is a terminal, which shows no binary image; send it to a file or a pipe</source>
        <translation>%1: è un terminale, che non mostra un’immagine binaria; inviarla a un file o a una pipe</translation>
    </message>
    <message>
        <source>%1: is a folder; name the file to write</source>
        <translation>%1: è una cartella; indicare il file da scrivere</translation>
    </message>
    <message>
        <source>%1: is not a regular file; name the file to write</source>
        <translation>%1: non è un file normale; indicare il file da scrivere</translation>
    </message>
    <message>
        <source>%1: is the input itself; --force overwrites it with the new copy</source>
        <translation>%1: è il file di ingresso stesso; --force lo sovrascrive con la nuova copia</translation>
    </message>
    <message>
        <source>%1: exists; --force replaces it</source>
        <translation>%1: esiste già; --force lo sostituisce</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: impossibile scrivere: %2</translation>
    </message>
    <message>
        <source>%1: saved, but the system could not confirm that the new name is on the disk: %2</source>
        <translation>%1: salvato, ma il sistema non ha potuto confermare che il nuovo nome sia sul disco: %2</translation>
    </message>
    <message>
        <source>%1: cannot write, and the file may now be damaged: %2</source>
        <translation>%1: impossibile scrivere, e il file ora potrebbe essere danneggiato: %2</translation>
    </message>
    <message>
        <source>%1: cannot write; the old contents were put back, but the system could not confirm them on the disk: %2</source>
        <translation>%1: impossibile scrivere; il contenuto precedente è stato ripristinato, ma il sistema non ha potuto confermarlo sul disco: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the list of files: %2</source>
        <translation>%1: impossibile leggere l’elenco dei file: %2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossibile scrivere l’output: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto «%1»</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 files</source>
        <translation>
            <numerusform>%1 di %2 file</numerusform>
            <numerusform>%1 di %2 file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 file</numerusform>
            <numerusform>%1 file</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown verdict &quot;%1&quot; (valid, bad-checksum, wrong-size, unknown-engine or unreadable)</source>
        <translation>esito sconosciuto «%1» (valid, bad-checksum, wrong-size, unknown-engine o unreadable)</translation>
    </message>
    <message>
        <source>unknown error code &quot;%1&quot; (E0 to ED as the report shows them, or none)</source>
        <translation>codice errore sconosciuto «%1» (da E0 a ED come li mostra il rapporto, oppure none)</translation>
    </message>
    <message>
        <source>--no-header, --delimiter and --bom are for CSV</source>
        <translation>--no-header, --delimiter e --bom valgono solo per il CSV</translation>
    </message>
    <message>
        <source>-l prints the paths alone, in no format</source>
        <translation>-l stampa solo i percorsi, senza formato</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>formato sconosciuto «%1»</translation>
    </message>
    <message>
        <source>%1 needs at least one PATH</source>
        <translation>%1 richiede almeno un PERCORSO</translation>
    </message>
    <message>
        <source>the PATHs come from --files-from or from the command line, not both</source>
        <translation>i percorsi (PERCORSO) vengono da --files-from o dalla riga di comando, non da entrambi</translation>
    </message>
    <message>
        <source>product code</source>
        <translation>codice prodotto</translation>
    </message>
    <message>
        <source>engine type</source>
        <translation>tipo motore</translation>
    </message>
    <message>
        <source>MCU type</source>
        <translation>tipo MCU</translation>
    </message>
    <message>
        <source>stored checksum</source>
        <translation>checksum memorizzato</translation>
    </message>
    <message>
        <source>computed checksum</source>
        <translation>checksum calcolato</translation>
    </message>
    <message>
        <source>checksum verdict</source>
        <translation>esito checksum</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>ultimo errore</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>apertura impossibile</translation>
    </message>
    <message>
        <source>wrong size</source>
        <translation>dimensione errata</translation>
    </message>
    <message>
        <source>incomplete read</source>
        <translation>lettura incompleta</translation>
    </message>
    <message>
        <source>bad records</source>
        <translation>record errati</translation>
    </message>
    <message>
        <source>unknown engine</source>
        <translation>motore sconosciuto</translation>
    </message>
    <message>
        <source>variable data block (bytes 0-254)</source>
        <translation>blocco dati variabili (byte 0–254)</translation>
    </message>
    <message>
        <source>byte 255</source>
        <translation>byte 255</translation>
    </message>
    <message>
        <source>identification block (bytes 256-510)</source>
        <translation>blocco di identificazione (byte 256–510)</translation>
    </message>
    <message>
        <source>byte 511</source>
        <translation>byte 511</translation>
    </message>
    <message>
        <source>%1 and %2 are identical</source>
        <translation>%1 e %2 sono identici</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 differ in %3 bytes</source>
        <translation>
            <numerusform>%1 e %2 differiscono per %3 byte</numerusform>
            <numerusform>%1 e %2 differiscono per %3 byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 differ</source>
        <translation>
            <numerusform>%1: %2 byte diverso</numerusform>
            <numerusform>%1: %2 byte diversi</numerusform>
        </translation>
    </message>
    <message>
        <source>  offset   A   B</source>
        <translation>  offset   A   B</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>count of %1 (%2)</source>
        <translation>contatore %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>none (only bytes that are not decoded)</source>
        <translation>nessuno (solo byte non decodificati)</translation>
    </message>
    <message>
        <source>fields that differ:</source>
        <translation>campi diversi:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>schede</translation>
    </message>
    <message>
        <source>total</source>
        <translation>totale</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>massimo</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the delimiter must be one character, not a letter, a digit, a quote or a line break: &quot;%1&quot;</source>
        <translation>il separatore deve essere un solo carattere, né lettera, né cifra, né virgolette, né a capo: «%1»</translation>
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
        <translation>Uso: tavro-cli report [-f text|json|jsonl|csv] [--only ESITO]
                      [--last-error E] [-l] PERCORSO...
     tavro-cli summary [-f text|json|csv] PERCORSO...
     tavro-cli clear INGRESSO -o USCITA [--force]
     tavro-cli clear PERCORSO... --suffix SUFFISSO | -d DESTINAZIONE
                     [--parents] [--force] [--dry-run]
     tavro-cli compare [-q] A B
     tavro-cli convert INGRESSO -o USCITA --to bin|ihex|srec [--force]
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
        <translation>Controlla, azzera, confronta e converte i dump EEPROM da 512 byte delle schede
di comando delle lavatrici Tavro. Un dump sono i 512 byte stessi (.bin, .eep)
oppure il testo Intel HEX o Motorola S-record scritto da un programmatore di
EEPROM, riconosciuti dal contenuto. In una cartella si cercano ricorsivamente,
in ordine, file .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot e
.sx, in maiuscolo o minuscolo; - è lo standard input.

Comandi:
  report PERCORSO...   il rapporto di ogni file, come lo mostra la finestra di
                       Tavro Tool
  summary PERCORSO...  quanti file ci sono per esito, motore, MCU, ultimo
                       errore e codice prodotto, e per ogni errore quante
                       schede lo hanno, il suo totale e il suo contatore più
                       alto
  clear PERCORSO...    scrive una copia azzerata di ciascuno: byte da 0 a 254
                       (storico errori e contatori) a zero, tutto il resto
                       invariato, nel formato dell’ingresso
  compare A B          dice se due letture di una scheda sono identiche e, se
                       no, quali byte e quali campi decodificati differiscono;
                       con due cartelle, ogni coppia di file con lo stesso
                       percorso relativo, e i file presenti da un solo lato
  convert INGRESSO     scrive l’immagine in un altro formato, byte per byte

Opzioni:
  -f, --format F        report come text (predefinito), json, jsonl (un oggetto
                        per riga) o csv; summary come text, json o csv
      --only ESITO      report dei soli file con quell’esito: valid,
                        bad-checksum, wrong-size, unknown-engine o unreadable;
                        ripetibile
      --last-error E    report delle sole immagini il cui ultimo errore è E
                        (E3, o none); ripetibile
  -l, --files-with-matches
                        report dei soli percorsi dei file, uno per riga
      --files-from F    report, summary, clear: i percorsi si leggono dal file
                        F (- per lo standard input), uno per riga
  -0, --null            i percorsi di --files-from, e quelli stampati da -l,
                        terminano con un carattere NUL (find -print0, xargs -0)
      --no-header       CSV senza riga di intestazione
      --delimiter C     CSV con i campi separati da C (ad esempio ;)
      --bom             CSV che inizia con il byte order mark UTF-8, per i
                        fogli di calcolo
  -o, --output F        clear, convert: il file da scrivere; - (o /dev/stdout)
                        è lo standard output
      --suffix S        clear: ogni copia accanto al suo ingresso, con S prima
                        dell’estensione
  -d, --output-dir D    clear: ogni copia sotto D, al percorso del suo ingresso
                        relativo alla cartella indicata
      --parents         clear: ogni copia sotto D al percorso completo del suo
                        ingresso, così come è stato dato (cp --parents), perché
                        file con lo stesso nome da cartelle diverse restino
                        separati
      --dry-run         clear: elenca cosa verrebbe scritto, senza scrivere
                        nulla
      --force           clear, convert: sostituisce un file esistente, anche
                        l’ingresso stesso
      --to F            convert: bin (i 512 byte), ihex (Intel HEX) o srec
                        (S-record)
  -q, --quiet           compare: nessun output, solo il codice di uscita
  -h, --help            questo aiuto
  -v, --version         la versione e il numero di build
  --                    chiude le opzioni: un nome di file dopo può iniziare
                        con -

Codice di uscita, lo stesso per ogni comando:
  0    tutto bene: ogni file è un’immagine valida con checksum corretto, un
       file è selezionato (--only, --last-error), ogni copia è scritta, i
       file sono identici
  1    un riscontro: un file non lo è, nessuno è selezionato, un input o un
       output rifiutato, i file differiscono
  2    un errore d’uso, un percorso che non esiste, una cartella o un elenco
       che non si è potuto leggere, un file che compare non riesce a leggere,
       un output che non si è potuto scrivere
  130  interrotto (Ctrl+C)
  141  l’output standard è stato chiuso da chi lo leggeva (| head)
Vedere tavro-cli(1).
</translation>
    </message>
    <message>
        <source>--parents keeps each path below the folder of -d OUTDIR</source>
        <translation>--parents mantiene ogni percorso sotto la cartella di -d DESTINAZIONE</translation>
    </message>
    <message>
        <source>%1: a path that climbs out with .. cannot be kept below %2; not cleaned</source>
        <translation>%1: un percorso che risale con .. non si può mantenere sotto %2; non azzerato</translation>
    </message>
    <message>
        <source>no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot or .sx file)</source>
        <translation>nessun dump trovato (nessun file .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot o .sx)</translation>
    </message>
    <message numerus="yes">
        <source>%1 refused</source>
        <translation>
            <numerusform>%1 rifiutato</numerusform>
            <numerusform>%1 rifiutati</numerusform>
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
            <numerusform>%1 verrebbe scritto</numerusform>
            <numerusform>%1 verrebbero scritti</numerusform>
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
            <numerusform>%1 scritto</numerusform>
            <numerusform>%1 scritti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 failed</source>
        <translation>
            <numerusform>%1 non riuscito</numerusform>
            <numerusform>%1 non riusciti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>valid</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>valido</numerusform>
            <numerusform>validi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bad checksum</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>con checksum errato</numerusform>
            <numerusform>con checksum errato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrong size</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>di dimensione errata</numerusform>
            <numerusform>di dimensione errata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unknown engine</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>con motore sconosciuto</numerusform>
            <numerusform>con motore sconosciuto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unreadable</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>illeggibile</numerusform>
            <numerusform>illeggibili</numerusform>
        </translation>
    </message>
</context>
</TS>
