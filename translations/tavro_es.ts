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
        <translation>Borrar el bloque de datos variables y guardar en un archivo nuevo</translation>
    </message>
    <message>
        <source>Clear and save...</source>
        <translation>Borrar errores...</translation>
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
        <source>Wrong file size</source>
        <translation>Tamaño de archivo incorrecto</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Archivo dañado o no es de Tavro</translation>
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
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>el archivo fue sustituido por otro mientras se guardaba; no se escribió nada</translation>
    </message>
    <message>
        <source>Read error: file not fully read</source>
        <translation>Error de lectura: leído en parte</translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <extracomment>A counter line of the report, as &quot;E3 - No drain: 2&quot;: %1 is the error&apos;s code, %2 its name, %3 how often it occurred.</extracomment>
        <translation>%1 - %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>
            <numerusform>el archivo no mide %n byte como la copia, así que no se sobrescribe donde está: un archivo de otro tamaño es otro archivo elegido por error</numerusform>
            <numerusform>el archivo no mide %n bytes como la copia, así que no se sobrescribe donde está: un archivo de otro tamaño es otro archivo elegido por error</numerusform>
        </translation>
    </message>
    <message>
        <source>no image loaded</source>
        <translation>no hay ninguna imagen cargada</translation>
    </message>
    <message>
        <source>Cannot save file: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>No se pudo guardar: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>No se pudo guardar; se restauró el contenido anterior, pero el sistema no pudo confirmarlo en el disco: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>No se pudo guardar y puede que el archivo esté dañado: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>File size : %1 bytes</source>
        <translation>
            <numerusform>Tamaño: %1 byte</numerusform>
            <numerusform>Tamaño: %1 bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>an Intel HEX record starts with &quot;:&quot;</source>
        <translation>un registro Intel HEX empieza por «:»</translation>
    </message>
    <message numerus="yes">
        <source>a record of %1 bytes is too short: it needs 5</source>
        <translation>
            <numerusform>un registro de %1 byte es demasiado corto: necesita 5</numerusform>
            <numerusform>un registro de %1 bytes es demasiado corto: necesita 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 data bytes but holds %2</source>
        <translation>
            <numerusform>el registro anuncia %1 byte de datos pero contiene %2</numerusform>
            <numerusform>el registro anuncia %1 bytes de datos pero contiene %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record must not hold data</source>
        <translation>el registro final no debe contener datos</translation>
    </message>
    <message>
        <source>an address record must hold 2 bytes, not %1</source>
        <translation>un registro de dirección debe contener 2 bytes, no %1</translation>
    </message>
    <message>
        <source>a start address record must hold 4 bytes, not %1</source>
        <translation>un registro de dirección de inicio debe contener 4 bytes, no %1</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>tipo de registro desconocido %1</translation>
    </message>
    <message>
        <source>the end record (:00000001FF) is missing</source>
        <translation>falta el registro final (:00000001FF)</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not a hexadecimal digit</source>
        <translation>el carácter «%1» no es un dígito hexadecimal</translation>
    </message>
    <message>
        <source>the byte 0x%1 is not a hexadecimal digit</source>
        <translation>el byte 0x%1 no es un dígito hexadecimal</translation>
    </message>
    <message>
        <source>an odd number of hexadecimal digits</source>
        <translation>un número impar de dígitos hexadecimales</translation>
    </message>
    <message>
        <source>address %1 was given before, on line %2</source>
        <translation>la dirección %1 ya apareció antes, en la línea %2</translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>texto después del registro final</translation>
    </message>
    <message>
        <source>the data starts at address %1 instead of 0x0000</source>
        <translation>los datos empiezan en la dirección %1 en lugar de 0x0000</translation>
    </message>
    <message numerus="yes">
        <source>the image holds %1 bytes, a board&apos;s EEPROM holds 512</source>
        <translation>
            <numerusform>la imagen tiene %1 byte; la EEPROM de una placa tiene 512</numerusform>
            <numerusform>la imagen tiene %1 bytes; la EEPROM de una placa tiene 512</numerusform>
        </translation>
    </message>
    <message>
        <source>address %1 missing</source>
        <translation>falta la dirección %1</translation>
    </message>
    <message>
        <source>addresses %1 missing</source>
        <translation>faltan las direcciones %1</translation>
    </message>
    <message>
        <source>checksum 0x%1, expected 0x%2</source>
        <translation>checksum 0x%1, se esperaba 0x%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>an S-record starts with S and a digit</source>
        <translation>un S-record empieza por S y un dígito</translation>
    </message>
    <message>
        <source>unknown record type S4</source>
        <translation>tipo de registro desconocido S4</translation>
    </message>
    <message>
        <source>the record has no count</source>
        <translation>el registro no tiene recuento</translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 bytes after its count but holds %2</source>
        <translation>
            <numerusform>el registro anuncia %1 byte después de su recuento pero contiene %2</numerusform>
            <numerusform>el registro anuncia %1 bytes después de su recuento pero contiene %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an S%1 record needs at least %2 bytes, not %3</source>
        <translation>
            <numerusform>un registro S%1 necesita al menos %2 byte, no %3</numerusform>
            <numerusform>un registro S%1 necesita al menos %2 bytes, no %3</numerusform>
        </translation>
    </message>
    <message>
        <source>a header record (S0) after the first line</source>
        <translation>un registro de cabecera (S0) después de la primera línea</translation>
    </message>
    <message>
        <source>an S%1 record must not hold data</source>
        <translation>un registro S%1 no debe contener datos</translation>
    </message>
    <message numerus="yes">
        <source>the count record says %1 data records, but %2 come before it</source>
        <translation>
            <numerusform>el registro de recuento indica %1 registro de datos, pero antes hay %2</numerusform>
            <numerusform>el registro de recuento indica %1 registros de datos, pero antes hay %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record (S7, S8 or S9) is missing</source>
        <translation>falta el registro final (S7, S8 o S9)</translation>
    </message>
    <message>
        <source>there is data at address %1, beyond the 512 bytes of a board&apos;s EEPROM</source>
        <translation>hay datos en la dirección %1, más allá de los 512 bytes de la EEPROM de una placa</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Llamada al sistema interrumpida</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>No existe el dispositivo o la dirección</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Descriptor de archivo no válido</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Recurso no disponible temporalmente</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>No hay memoria suficiente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Enlace entre dispositivos no válido</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>No existe el dispositivo</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Demasiados archivos abiertos en el sistema</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Archivo de programa ocupado</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Demasiados enlaces</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Tubería rota</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>La carpeta no está vacía</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Valor demasiado grande para el tipo de datos</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Operación no admitida</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>El otro extremo de la conexión no está conectado</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Tiempo de conexión agotado</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>El equipo remoto no responde</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Identificador de archivo caducado (unidad de red)</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco superada</translation>
    </message>
</context>
<context>
    <name>tavro-cli</name>
    <message>
        <source>unknown option &quot;%1&quot; (&quot;--&quot; ends the options: tavro-cli %2 -- %1)</source>
        <translation>opción desconocida «%1» («--» termina las opciones: tavro-cli %2 -- %1)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2 (it is one of the options that belong to %3)</source>
        <translation>--%1 no es una opción de %2 (pertenece a %3)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2; nothing written</source>
        <translation>%1: no se puede abrir: %2; no se ha escrito nada</translation>
    </message>
    <message>
        <source>%1: not a valid image (%2); nothing written</source>
        <translation>%1: no es una imagen válida (%2); no se ha escrito nada</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1: cannot make the folder: %2</source>
        <translation>%1: no se puede crear la carpeta: %2</translation>
    </message>
    <message>
        <source>%1: the checksum does not match (stored %2, computed %3); cleaned all the same</source>
        <translation>%1: el checksum no coincide (almacenado %2, calculado %3); historial de errores puesto a cero de todos modos</translation>
    </message>
    <message>
        <source>-o names the one copy; --suffix and -d name many</source>
        <translation>-o nombra una sola copia; --suffix y -d nombran varias</translation>
    </message>
    <message>
        <source>clear needs one INPUT and -o OUTPUT</source>
        <translation>clear necesita una ENTRADA y -o SALIDA</translation>
    </message>
    <message>
        <source>clear writes one OUTPUT</source>
        <translation>clear escribe una sola SALIDA</translation>
    </message>
    <message>
        <source>clear needs -o OUTPUT, or --suffix SUFFIX or -d OUTDIR</source>
        <translation>clear necesita -o SALIDA, --suffix SUFIJO o -d DESTINO</translation>
    </message>
    <message>
        <source>clear needs PATHs, or --files-from, not both</source>
        <translation>clear necesita rutas (RUTA) o --files-from, no ambas cosas</translation>
    </message>
    <message>
        <source>standard input is cleared with -o OUTPUT only</source>
        <translation>la entrada estándar solo se pone a cero con -o SALIDA</translation>
    </message>
    <message>
        <source>an empty --suffix would write each copy over its input</source>
        <translation>un --suffix vacío escribiría cada copia encima de su original</translation>
    </message>
    <message>
        <source>%1 is inside %2, whose dumps are cleared: choose a folder outside it</source>
        <translation>%1 está dentro de %2, cuyos volcados se ponen a cero: elija una carpeta fuera de ella</translation>
    </message>
    <message>
        <source>%1: is the copy of another file of this run; %2 is not cleaned</source>
        <translation>%1: ya es la copia de otro archivo de esta ejecución; %2 no se pone a cero</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: no se puede abrir: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: is %2 bytes long, not %3</source>
        <translation>
            <numerusform>%1: tiene %2 byte, no %3</numerusform>
            <numerusform>%1: tiene %2 bytes, no %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be read completely</source>
        <translation>%1: no se pudo leer completo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the folder: %2</source>
        <translation>%1: no se puede leer la carpeta: %2</translation>
    </message>
    <message>
        <source>only in %1: %2</source>
        <translation>solo en %1: %2</translation>
    </message>
    <message>
        <source>compare needs two files, or two folders</source>
        <translation>compare necesita dos archivos o dos carpetas</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>la entrada estándar solo se puede leer una vez</translation>
    </message>
    <message>
        <source>convert needs one INPUT and -o OUTPUT</source>
        <translation>convert necesita una ENTRADA y -o SALIDA</translation>
    </message>
    <message>
        <source>convert needs --to bin, ihex or srec, not &quot;%1&quot;</source>
        <translation>convert necesita --to bin, ihex o srec, no «%1»</translation>
    </message>
    <message>
        <source>%1: not a 512-byte image (%2); nothing written</source>
        <translation>%1: no es una imagen de 512 bytes (%2); no se ha escrito nada</translation>
    </message>
    <message>
        <source>%1: is a terminal, which shows no binary image; send it to a file or a pipe</source>
        <translation>%1: es un terminal, que no muestra una imagen binaria; envíela a un archivo o a una tubería</translation>
    </message>
    <message>
        <source>%1: is a folder; name the file to write</source>
        <translation>%1: es una carpeta; indique el archivo que se debe escribir</translation>
    </message>
    <message>
        <source>%1: is not a regular file; name the file to write</source>
        <translation>%1: no es un archivo normal; indique el archivo que se debe escribir</translation>
    </message>
    <message>
        <source>%1: is the input itself; --force overwrites it with the new copy</source>
        <translation>%1: es el propio archivo de entrada; --force lo sobrescribe con la copia nueva</translation>
    </message>
    <message>
        <source>%1: exists; --force replaces it</source>
        <translation>%1: ya existe; --force lo sustituye</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: no se puede escribir: %2</translation>
    </message>
    <message>
        <source>%1: saved, but the system could not confirm that the new name is on the disk: %2</source>
        <translation>%1: guardado, pero el sistema no pudo confirmar que el nuevo nombre está en el disco: %2</translation>
    </message>
    <message>
        <source>%1: cannot write, and the file may now be damaged: %2</source>
        <translation>%1: no se puede escribir y el archivo puede haber quedado dañado: %2</translation>
    </message>
    <message>
        <source>%1: cannot write; the old contents were put back, but the system could not confirm them on the disk: %2</source>
        <translation>%1: no se puede escribir; se restauró el contenido anterior, pero el sistema no pudo confirmarlo en el disco: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the list of files: %2</source>
        <translation>%1: no se puede leer la lista de archivos: %2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>no se puede escribir la salida: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ningún comando</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconocido «%1»</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 files</source>
        <translation>
            <numerusform>%1 de %2 archivo</numerusform>
            <numerusform>%1 de %2 archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 archivo</numerusform>
            <numerusform>%1 archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown verdict &quot;%1&quot; (valid, bad-checksum, wrong-size, unknown-engine or unreadable)</source>
        <translation>resultado desconocido «%1» (valid, bad-checksum, wrong-size, unknown-engine o unreadable)</translation>
    </message>
    <message>
        <source>unknown error code &quot;%1&quot; (E0 to ED as the report shows them, or none)</source>
        <translation>código de error desconocido «%1» (E0 a ED como los muestra el informe, o none)</translation>
    </message>
    <message>
        <source>--no-header, --delimiter and --bom are for CSV</source>
        <translation>--no-header, --delimiter y --bom son solo para CSV</translation>
    </message>
    <message>
        <source>-l prints the paths alone, in no format</source>
        <translation>-l muestra solo las rutas, sin formato</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>formato desconocido «%1»</translation>
    </message>
    <message>
        <source>%1 needs at least one PATH</source>
        <translation>%1 necesita al menos una RUTA</translation>
    </message>
    <message>
        <source>the PATHs come from --files-from or from the command line, not both</source>
        <translation>las rutas (RUTA) vienen de --files-from o de la línea de comandos, no de ambos</translation>
    </message>
    <message>
        <source>product code</source>
        <translation>código de producto</translation>
    </message>
    <message>
        <source>engine type</source>
        <translation>tipo de motor</translation>
    </message>
    <message>
        <source>MCU type</source>
        <translation>tipo de MCU</translation>
    </message>
    <message>
        <source>stored checksum</source>
        <translation>checksum almacenado</translation>
    </message>
    <message>
        <source>computed checksum</source>
        <translation>checksum calculado</translation>
    </message>
    <message>
        <source>checksum verdict</source>
        <translation>resultado del checksum</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>último error</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>wrong size</source>
        <translation>tamaño incorrecto</translation>
    </message>
    <message>
        <source>incomplete read</source>
        <translation>lectura incompleta</translation>
    </message>
    <message>
        <source>bad records</source>
        <translation>registros erróneos</translation>
    </message>
    <message>
        <source>unknown engine</source>
        <translation>motor desconocido</translation>
    </message>
    <message>
        <source>variable data block (bytes 0-254)</source>
        <translation>bloque de datos variables (bytes 0–254)</translation>
    </message>
    <message>
        <source>byte 255</source>
        <translation>byte 255</translation>
    </message>
    <message>
        <source>identification block (bytes 256-510)</source>
        <translation>bloque de identificación (bytes 256–510)</translation>
    </message>
    <message>
        <source>byte 511</source>
        <translation>byte 511</translation>
    </message>
    <message>
        <source>%1 and %2 are identical</source>
        <translation>%1 y %2 son idénticos</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 differ in %3 bytes</source>
        <translation>
            <numerusform>%1 y %2 difieren en %3 byte</numerusform>
            <numerusform>%1 y %2 difieren en %3 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 differ</source>
        <translation>
            <numerusform>%1: difiere %2 byte</numerusform>
            <numerusform>%1: difieren %2 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>  offset   A   B</source>
        <translation>  offset   A   B</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>count of %1 (%2)</source>
        <translation>contador %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>none (only bytes that are not decoded)</source>
        <translation>ninguno (solo bytes que no se decodifican)</translation>
    </message>
    <message>
        <source>fields that differ:</source>
        <translation>campos distintos:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>placas</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the delimiter must be one character, not a letter, a digit, a quote or a line break: &quot;%1&quot;</source>
        <translation>el separador debe ser un solo carácter, ni letra, ni cifra, ni comillas, ni salto de línea: «%1»</translation>
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
        <translation>Uso: tavro-cli report [-f text|json|jsonl|csv] [--only RESULTADO]
                      [--last-error E] [-l] RUTA...
     tavro-cli summary [-f text|json|csv] RUTA...
     tavro-cli clear ENTRADA -o SALIDA [--force]
     tavro-cli clear RUTA... --suffix SUFIJO | -d DESTINO [--parents]
                     [--force] [--dry-run]
     tavro-cli compare [-q] A B
     tavro-cli convert ENTRADA -o SALIDA --to bin|ihex|srec [--force]
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
        <translation>Comprueba, pone a cero, compara y convierte volcados EEPROM de 512 bytes de
placas de control de lavadoras Tavro. Un volcado son los propios 512 bytes
(.bin, .eep) o el texto Intel HEX o Motorola S-record que escribe un
programador de EEPROM, reconocido por el contenido. En una carpeta se buscan
recursivamente, en orden, archivos .bin, .eep, .hex, .ihx, .ihex, .s19, .s28,
.s37, .srec, .mot y .sx, en mayúsculas o minúsculas; - es la entrada estándar.

Comandos:
  report RUTA...    el informe de cada archivo, como lo muestra la ventana de
                    Tavro Tool
  summary RUTA...   cuántos archivos hay de cada resultado, motor, MCU, último
                    error y código de producto, y para cada error cuántas
                    placas lo tienen, su total y su contador más alto
  clear RUTA...     escribe una copia de cada uno con el historial a cero:
                    bytes 0 a 254 (historial de errores y contadores) a cero,
                    todo lo demás sin cambios, en el formato de su entrada
  compare A B       indica si dos lecturas de una placa son idénticas y, si no,
                    qué bytes y qué campos decodificados difieren; con dos
                    carpetas, cada par de archivos con la misma ruta relativa,
                    y los archivos que solo están en un lado
  convert ENTRADA   escribe la imagen en otro formato, byte a byte

Opciones:
  -f, --format F        report en text (por defecto), json, jsonl (un objeto
                        por línea) o csv; summary en text, json o csv
      --only RESULTADO  report solo de los archivos con ese resultado: valid,
                        bad-checksum, wrong-size, unknown-engine o unreadable;
                        repetible
      --last-error E    report solo de las imágenes cuyo último error es E (E3,
                        o none); repetible
  -l, --files-with-matches
                        report solo de las rutas de los archivos, una por línea
      --files-from F    report, summary, clear: las rutas se leen del archivo F
                        (- para la entrada estándar), una por línea
  -0, --null            las rutas de --files-from, y las que muestra -l,
                        terminan en un carácter NUL (find -print0, xargs -0)
      --no-header       CSV sin fila de encabezado
      --delimiter C     CSV con los campos separados por C (por ejemplo ;)
      --bom             CSV que empieza con la marca de orden de bytes de
                        UTF-8, para hojas de cálculo
  -o, --output F        clear, convert: el archivo que se escribe; - (o
                        /dev/stdout) es la salida estándar
      --suffix S        clear: cada copia junto a su entrada, con S antes de la
                        extensión
  -d, --output-dir D    clear: cada copia bajo D, en la ruta de su entrada
                        relativa a la carpeta indicada
      --parents         clear: cada copia bajo D en la ruta completa de su
                        entrada, tal como se indicó (cp --parents), para que
                        archivos del mismo nombre de carpetas distintas no se
                        mezclen
      --dry-run         clear: muestra lo que se escribiría, sin escribir nada
      --force           clear, convert: sustituye un archivo existente, incluso
                        la propia entrada
      --to F            convert: bin (los 512 bytes), ihex (Intel HEX) o srec
                        (S-record)
  -q, --quiet           compare: sin salida, solo el código de salida
  -h, --help            esta ayuda
  -v, --version         la versión y el número de compilación
  --                    termina las opciones: un nombre de archivo posterior
                        puede empezar por -

Código de salida, el mismo para cada comando:
  0    todo bien: todos los archivos son imágenes válidas con checksum
       correcto, algún archivo seleccionado (--only, --last-error), todas las
       copias escritas, archivos idénticos
  1    un hallazgo: algún archivo no lo es, ninguno seleccionado, una entrada
       o una salida rechazada, los archivos difieren
  2    un error de uso, una ruta que no existe, una carpeta o una lista que no
       se pudo leer, un archivo que compare no puede leer, una salida que no
       se pudo escribir
  130  interrumpido (Ctrl+C)
  141  quien leía la salida estándar la cerró (| head)
Véase tavro-cli(1).
</translation>
    </message>
    <message>
        <source>--parents keeps each path below the folder of -d OUTDIR</source>
        <translation>--parents conserva cada ruta bajo la carpeta de -d DESTINO</translation>
    </message>
    <message>
        <source>%1: a path that climbs out with .. cannot be kept below %2; not cleaned</source>
        <translation>%1: una ruta que sale hacia arriba con .. no se puede conservar bajo %2; no se ha puesto a cero</translation>
    </message>
    <message>
        <source>no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot or .sx file)</source>
        <translation>no se ha encontrado ningún volcado (ningún archivo .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot ni .sx)</translation>
    </message>
    <message numerus="yes">
        <source>%1 refused</source>
        <translation>
            <numerusform>%1 rechazado</numerusform>
            <numerusform>%1 rechazados</numerusform>
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
            <numerusform>%1 se escribiría</numerusform>
            <numerusform>%1 se escribirían</numerusform>
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
            <numerusform>%1 escrito</numerusform>
            <numerusform>%1 escritos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 failed</source>
        <translation>
            <numerusform>%1 fallido</numerusform>
            <numerusform>%1 fallidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>valid</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>válido</numerusform>
            <numerusform>válidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bad checksum</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>con checksum erróneo</numerusform>
            <numerusform>con checksum erróneo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrong size</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>de tamaño incorrecto</numerusform>
            <numerusform>de tamaño incorrecto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unknown engine</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>con motor desconocido</numerusform>
            <numerusform>con motor desconocido</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unreadable</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>ilegible</numerusform>
            <numerusform>ilegibles</numerusform>
        </translation>
    </message>
</context>
</TS>
