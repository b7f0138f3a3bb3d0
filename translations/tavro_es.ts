<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavro Tool</source>
        <translation>Tavro Tool</translation>
    </message>
    <message>
        <source>File operations</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Cargar...</translation>
    </message>
    <message>
        <source>Clear varible data block and save to new file</source>
        <translation>Borrar el bloque de datos variables y grabar en un archivo nuevo</translation>
    </message>
    <message>
        <source>Clear and save...</source>
        <translation>Borrar y grabar...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Información</translation>
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
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Herramientas SAT&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;mailto:info@wendrix.example&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;info@wendrix.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>All supported formats (*.bin *.eep);;bin (*.bin);;eep (*.eep)</source>
        <translation>Todos los formatos compatibles (*.bin *.eep);;bin (*.bin);;eep (*.eep)</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>bin (*.bin)</source>
        <translation>bin (*.bin)</translation>
    </message>
    <message>
        <source>Save file...</source>
        <translation>Guardar archivo...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>MCU fail 1</source>
        <translation>Avería MCU 1</translation>
    </message>
    <message>
        <source>Door lock fail</source>
        <translation>Avería blocapuertas</translation>
    </message>
    <message>
        <source>Inlet valve fail</source>
        <translation>Avería electroválvula</translation>
    </message>
    <message>
        <source>No drain</source>
        <translation>No desagua</translation>
    </message>
    <message>
        <source>Pressure switch fail</source>
        <translation>Avería presostato</translation>
    </message>
    <message>
        <source>NTC fail</source>
        <translation>Avería sonda NTC</translation>
    </message>
    <message>
        <source>MCU fail 2</source>
        <translation>Avería MCU 2</translation>
    </message>
    <message>
        <source>Motor fail</source>
        <translation>Avería motor</translation>
    </message>
    <message>
        <source>Tacho fail</source>
        <translation>Avería tacogenerador</translation>
    </message>
    <message>
        <source>Triac error</source>
        <translation>Error triac</translation>
    </message>
    <message>
        <source>Selector error</source>
        <translation>Error del selector</translation>
    </message>
    <message>
        <source>Dryer fail</source>
        <translation>Avería secado</translation>
    </message>
    <message>
        <source>Connection error 1</source>
        <translation>Error de comunicación 1</translation>
    </message>
    <message>
        <source>Connection error 2</source>
        <translation>Error de comunicación 2</translation>
    </message>
    <message>
        <source>Err open file</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>File size : </source>
        <translation>Tamaño del archivo: </translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Tamaño de archivo incorrecto</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Archivo dañado o firmware que no es de Tavro</translation>
    </message>
    <message>
        <source>Product code : </source>
        <translation>Código de producto: </translation>
    </message>
    <message>
        <source>Engine type : </source>
        <translation>Tipo de motor: </translation>
    </message>
    <message>
        <source>MCU type : </source>
        <translation>Tipo de MCU: </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>Last error : </source>
        <translation>Último error: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Error statistics : </source>
        <translation>Estadística de errores: </translation>
    </message>
    <message>
        <source>Loaded file: </source>
        <translation>Archivo cargado: </translation>
    </message>
    <message>
        <source>File saved: </source>
        <translation>Archivo guardado: </translation>
    </message>
    <message>
        <source>Read error: the file could not be read completely</source>
        <translation>Error de lectura: no se pudo leer el archivo completo</translation>
    </message>
    <message>
        <source>this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a file on a disk</source>
        <translation>es un archivo del núcleo del sistema (proc, sysfs, cgroup, debugfs), no un archivo en un disco</translation>
    </message>
    <message>
        <source>the file may be written but not read, so it cannot be replaced safely where it is</source>
        <translation>el archivo se puede escribir pero no leer, así que no se puede sustituir con seguridad donde está</translation>
    </message>
    <message>
        <source>the file is not a 512-byte dump, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>el archivo no es un volcado de 512 bytes, así que no se sobrescribe donde está: un archivo de otro tamaño es otro archivo elegido por error</translation>
    </message>
    <message>
        <source>; the old contents could not be put back either</source>
        <translation>; tampoco se pudo restaurar el contenido anterior</translation>
    </message>
    <message>
        <source> (the system could not confirm that the new name is on the disk)</source>
        <translation> (el sistema no pudo confirmar que el nuevo nombre esté en el disco)</translation>
    </message>
    <message>
        <source>Cannot save file: %1: %2</source>
        <translation>No se puede guardar el archivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1: %2</source>
        <translation>No se puede guardar el archivo y puede que ahora esté dañado: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1: %2</source>
        <translation>No se puede guardar el archivo; se restauró el contenido anterior, pero el sistema no pudo confirmarlo en el disco: %1 (%2)</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>el archivo fue sustituido por otro mientras se guardaba; no se escribió nada</translation>
    </message>
</context>
</TS>
