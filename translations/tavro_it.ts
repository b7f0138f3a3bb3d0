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
        <source>File size : </source>
        <translation>Dimensione file: </translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>byte</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Dimensione file errata</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>File danneggiato o firmware non Tavro</translation>
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
        <source>Read error: the file could not be read completely</source>
        <translation>Errore di lettura: il file non è stato letto per intero</translation>
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
        <source>Cannot save file: %1: %2</source>
        <translation>Impossibile salvare il file: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1: %2</source>
        <translation>Impossibile salvare il file, che ora potrebbe essere danneggiato: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1: %2</source>
        <translation>Impossibile salvare il file; il contenuto precedente è stato ripristinato, ma il sistema non ha potuto confermare che sia sul disco: %1 (%2)</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>il file è stato sostituito da un altro durante il salvataggio; non è stato scritto nulla</translation>
    </message>
</context>
</TS>
