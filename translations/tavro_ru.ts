<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavro Tool</source>
        <translation>Tavro Tool</translation>
    </message>
    <message>
        <source>File operations</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Загрузить файл</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Загрузить...</translation>
    </message>
    <message>
        <source>Clear varible data block and save to new file</source>
        <translation>Обнулить блок переменных данных и сохранить в новый файл</translation>
    </message>
    <message>
        <source>Clear and save...</source>
        <translation>Сброс ошибок...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе</translation>
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
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Сервисные утилиты&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;mailto:info@wendrix.example&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;info@wendrix.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>All supported formats (*.bin *.eep);;bin (*.bin);;eep (*.eep)</source>
        <translation>Все поддерживаемые форматы (*.bin *.eep);;bin (*.bin);;eep (*.eep)</translation>
    </message>
    <message>
        <source>Save file...</source>
        <translation>Сохранить файл...</translation>
    </message>
    <message>
        <source>bin (*.bin)</source>
        <translation>bin (*.bin)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>MCU fail 1</source>
        <translation>Сбой MCU 1</translation>
    </message>
    <message>
        <source>Door lock fail</source>
        <translation>Ошибка УБЛ</translation>
    </message>
    <message>
        <source>Inlet valve fail</source>
        <translation>Ошибка залива</translation>
    </message>
    <message>
        <source>No drain</source>
        <translation>Нет слива</translation>
    </message>
    <message>
        <source>Pressure switch fail</source>
        <translation>Ошибка прессостата</translation>
    </message>
    <message>
        <source>NTC fail</source>
        <translation>Ошибка NTC</translation>
    </message>
    <message>
        <source>MCU fail 2</source>
        <translation>Сбой MCU 2</translation>
    </message>
    <message>
        <source>Motor fail</source>
        <translation>Ошибка мотора</translation>
    </message>
    <message>
        <source>Tacho fail</source>
        <translation>Ошибка таходатчика</translation>
    </message>
    <message>
        <source>Triac error</source>
        <translation>Ошибка симистора</translation>
    </message>
    <message>
        <source>Selector error</source>
        <translation>Ошибка селектора</translation>
    </message>
    <message>
        <source>Dryer fail</source>
        <translation>Ошибка сушки</translation>
    </message>
    <message>
        <source>Connection error 1</source>
        <translation>Ошибка связи 1</translation>
    </message>
    <message>
        <source>Connection error 2</source>
        <translation>Ошибка связи 2</translation>
    </message>
    <message>
        <source>Product code : </source>
        <translation>Код изделия: </translation>
    </message>
    <message>
        <source>Engine type : </source>
        <translation>Тип мотора: </translation>
    </message>
    <message>
        <source>MCU type : </source>
        <translation>Тип MCU: </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>EEPROM checksum:</source>
        <translation>Контр. сумма EEPROM:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>норма</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Last error : </source>
        <translation>Последняя ошибка: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Err open file</source>
        <translation>Ошибка открытия файла</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Неверный размер файла</translation>
    </message>
    <message>
        <source>Read error: file not fully read</source>
        <translation>Ошибка чтения: файл не дочитан</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Файл повреждён или не от Tavro</translation>
    </message>
    <message numerus="yes">
        <source>File size : %1 bytes</source>
        <translation>
            <numerusform>Размер файла: %1 байт</numerusform>
            <numerusform>Размер файла: %1 байта</numerusform>
            <numerusform>Размер файла: %1 байт</numerusform>
        </translation>
    </message>
    <message>
        <source>Error statistics : </source>
        <translation>Статистика ошибок: </translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <extracomment>A counter line of the report, as &quot;E3 - No drain: 2&quot;: %1 is the error&apos;s code, %2 its name, %3 how often it occurred.</extracomment>
        <translation>%1 — %2: %3</translation>
    </message>
    <message>
        <source>the file is not a 512-byte dump, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>файл не является дампом размером 512 байт, поэтому он не перезаписывается: файл другого размера — это другой файл, выбранный по ошибке</translation>
    </message>
    <message numerus="yes">
        <source>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>
            <numerusform>размер файла не %n байт, как у копии, поэтому он не перезаписывается: файл другого размера — это другой файл, выбранный по ошибке</numerusform>
            <numerusform>размер файла не %n байта, как у копии, поэтому он не перезаписывается: файл другого размера — это другой файл, выбранный по ошибке</numerusform>
            <numerusform>размер файла не %n байт, как у копии, поэтому он не перезаписывается: файл другого размера — это другой файл, выбранный по ошибке</numerusform>
        </translation>
    </message>
    <message>
        <source>no image loaded</source>
        <translation>образ не загружен</translation>
    </message>
    <message>
        <source>this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a file on a disk</source>
        <translation>это файл ядра системы (proc, sysfs, cgroup, debugfs), а не файл на диске</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>во время сохранения файл был заменён другим; ничего не записано</translation>
    </message>
    <message>
        <source>the file may be written but not read, so it cannot be replaced safely where it is</source>
        <translation>в файл можно писать, но его нельзя прочитать, поэтому его нельзя безопасно заменить на месте</translation>
    </message>
    <message>
        <source>; the old contents could not be put back either</source>
        <translation>; прежнее содержимое тоже не удалось вернуть</translation>
    </message>
    <message>
        <source>File saved: </source>
        <translation>Файл сохранён: </translation>
    </message>
    <message>
        <source>Cannot save file: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Не удалось сохранить файл: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Не удалось сохранить файл; прежнее содержимое возвращено, но система не смогла подтвердить его запись на диск: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Не удалось сохранить файл, и теперь он может быть повреждён: %1 (%2)</translation>
    </message>
    <message>
        <source> (the system could not confirm that the new name is on the disk)</source>
        <translation> (система не смогла подтвердить, что новое имя записано на диск)</translation>
    </message>
    <message>
        <source>Loaded file: </source>
        <translation>Загружен файл: </translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>an Intel HEX record starts with &quot;:&quot;</source>
        <translation>запись Intel HEX начинается с «:»</translation>
    </message>
    <message numerus="yes">
        <source>a record of %1 bytes is too short: it needs 5</source>
        <translation>
            <numerusform>запись длиной %1 байт слишком коротка: нужно 5</numerusform>
            <numerusform>запись длиной %1 байта слишком коротка: нужно 5</numerusform>
            <numerusform>запись длиной %1 байт слишком коротка: нужно 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 data bytes but holds %2</source>
        <translation>
            <numerusform>в записи заявлен %1 байт данных, а содержится %2</numerusform>
            <numerusform>в записи заявлено %1 байта данных, а содержится %2</numerusform>
            <numerusform>в записи заявлено %1 байт данных, а содержится %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record must not hold data</source>
        <translation>запись конца не должна содержать данных</translation>
    </message>
    <message>
        <source>an address record must hold 2 bytes, not %1</source>
        <translation>запись адреса должна содержать 2 байта, а не %1</translation>
    </message>
    <message>
        <source>a start address record must hold 4 bytes, not %1</source>
        <translation>запись стартового адреса должна содержать 4 байта, а не %1</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>неизвестный тип записи %1</translation>
    </message>
    <message>
        <source>the end record (:00000001FF) is missing</source>
        <translation>нет записи конца (:00000001FF)</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not a hexadecimal digit</source>
        <translation>символ «%1» не является шестнадцатеричной цифрой</translation>
    </message>
    <message>
        <source>the byte 0x%1 is not a hexadecimal digit</source>
        <translation>байт 0x%1 не является шестнадцатеричной цифрой</translation>
    </message>
    <message>
        <source>an odd number of hexadecimal digits</source>
        <translation>нечётное число шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>address %1 was given before, on line %2</source>
        <translation>адрес %1 уже задан в строке %2</translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>текст после записи конца</translation>
    </message>
    <message>
        <source>the data starts at address %1 instead of 0x0000</source>
        <translation>данные начинаются с адреса %1 вместо 0x0000</translation>
    </message>
    <message numerus="yes">
        <source>the image holds %1 bytes, a board&apos;s EEPROM holds 512</source>
        <translation>
            <numerusform>образ содержит %1 байт, а EEPROM платы — 512</numerusform>
            <numerusform>образ содержит %1 байта, а EEPROM платы — 512</numerusform>
            <numerusform>образ содержит %1 байт, а EEPROM платы — 512</numerusform>
        </translation>
    </message>
    <message>
        <source>address %1 missing</source>
        <translation>нет адреса %1</translation>
    </message>
    <message>
        <source>addresses %1 missing</source>
        <translation>нет адресов %1</translation>
    </message>
    <message>
        <source>checksum 0x%1, expected 0x%2</source>
        <translation>контрольная сумма 0x%1, ожидалось 0x%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>an S-record starts with S and a digit</source>
        <translation>запись S-record начинается с S и цифры</translation>
    </message>
    <message>
        <source>unknown record type S4</source>
        <translation>неизвестный тип записи S4</translation>
    </message>
    <message>
        <source>the record has no count</source>
        <translation>в записи нет счётчика байтов</translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 bytes after its count but holds %2</source>
        <translation>
            <numerusform>в записи после счётчика заявлен %1 байт, а содержится %2</numerusform>
            <numerusform>в записи после счётчика заявлено %1 байта, а содержится %2</numerusform>
            <numerusform>в записи после счётчика заявлено %1 байт, а содержится %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an S%1 record needs at least %2 bytes, not %3</source>
        <translation>
            <numerusform>запись S%1 должна содержать не менее %2 байта, а не %3</numerusform>
            <numerusform>запись S%1 должна содержать не менее %2 байт, а не %3</numerusform>
            <numerusform>запись S%1 должна содержать не менее %2 байт, а не %3</numerusform>
        </translation>
    </message>
    <message>
        <source>a header record (S0) after the first line</source>
        <translation>запись заголовка (S0) после первой строки</translation>
    </message>
    <message>
        <source>an S%1 record must not hold data</source>
        <translation>запись S%1 не должна содержать данных</translation>
    </message>
    <message numerus="yes">
        <source>the count record says %1 data records, but %2 come before it</source>
        <translation>
            <numerusform>запись-счётчик указывает %1 запись данных, а перед ней их %2</numerusform>
            <numerusform>запись-счётчик указывает %1 записи данных, а перед ней их %2</numerusform>
            <numerusform>запись-счётчик указывает %1 записей данных, а перед ней их %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record (S7, S8 or S9) is missing</source>
        <translation>нет записи конца (S7, S8 или S9)</translation>
    </message>
    <message>
        <source>there is data at address %1, beyond the 512 bytes of a board&apos;s EEPROM</source>
        <translation>по адресу %1 есть данные за пределами 512 байт EEPROM платы</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Operation not permitted</source>
        <translation>Операция не разрешена</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или папки</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Системный вызов прерван</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ошибка ввода-вывода</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Нет такого устройства или адреса</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Неверный дескриптор файла</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Ресурс временно недоступен</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Устройство или ресурс занято</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Недопустимая ссылка между устройствами</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Нет такого устройства</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Это не папка</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Недопустимый аргумент</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Слишком много открытых файлов в системе</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Слишком много открытых файлов</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Файл программы занят</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Файл слишком большой</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Нет места на устройстве</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Файловая система только для чтения</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Слишком много ссылок</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Канал разорван</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Слишком длинное имя файла</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Папка не пуста</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Слишком много уровней символьных ссылок</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Значение слишком велико для типа данных</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Операция не поддерживается</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Другой конец соединения не подключён</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Время ожидания соединения истекло</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Удалённый компьютер не отвечает</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Устаревший дескриптор файла (сетевой диск)</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Превышена дисковая квота</translation>
    </message>
</context>
<context>
    <name>tavro-cli</name>
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
        <translation>Использование: tavro-cli report [-f text|json|jsonl|csv] [--only ВЕРДИКТ]
                                [--last-error E] [-l] ПУТЬ...
               tavro-cli summary [-f text|json|csv] ПУТЬ...
               tavro-cli clear ВХОД -o ВЫХОД [--force]
               tavro-cli clear ПУТЬ... --suffix СУФФИКС | -d ПАПКА
                               [--parents] [--force] [--dry-run]
               tavro-cli compare [-q] A B
               tavro-cli convert ВХОД -o ВЫХОД --to bin|ihex|srec [--force]
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
        <translation>Проверяет, обнуляет, сравнивает и преобразует дампы EEPROM размером 512 байт
модулей управления стиральных машин Tavro. Дамп — это сами 512 байт (.bin,
.eep) или текст Intel HEX либо Motorola S-record, который записывает
программатор EEPROM; формат определяется по содержимому. Папка
просматривается рекурсивно, по порядку, в поисках файлов .bin, .eep, .hex,
.ihx, .ihex, .s19, .s28, .s37, .srec, .mot и .sx в любом регистре букв;
- означает стандартный ввод.

Команды:
  report ПУТЬ...   отчёт по каждому файлу, как его показывает окно Tavro Tool
  summary ПУТЬ...  сколько файлов с каждым вердиктом, мотором, MCU, последней
                   ошибкой и кодом изделия, а по каждой ошибке — на скольких
                   платах она есть, её сумма и наибольший счётчик
  clear ПУТЬ...    записывает обнулённую копию каждого файла: байты 0–254
                   (история ошибок и счётчики) равны нулю, всё остальное без
                   изменений, в формате входного файла
  compare A B      сообщает, совпадают ли два считывания одной платы, а если
                   нет — какие байты и расшифрованные поля различаются; для
                   двух папок — каждую пару файлов с одинаковым относительным
                   путём и файлы, которые есть только с одной стороны
  convert ВХОД     записывает образ в другом формате, байт в байт

Параметры:
  -f, --format F       report: text (по умолчанию), json, jsonl (один объект
                       на строку) или csv; summary: text, json или csv
      --only ВЕРДИКТ   report: только файлы с этим вердиктом: valid,
                       bad-checksum, wrong-size, unknown-engine или unreadable;
                       можно повторять
      --last-error E   report: только образы с последней ошибкой E (E3 или
                       none); можно повторять
  -l, --files-with-matches
                       report: только пути файлов, по одному на строку
      --files-from F   report, summary, clear: пути читаются из файла F
                       (- означает стандартный ввод), по одному на строку
  -0, --null           пути в --files-from и пути, которые выводит -l,
                       заканчиваются символом NUL (find -print0, xargs -0)
      --no-header      CSV без строки заголовка
      --delimiter C    CSV с полями, разделёнными C (например, ;)
      --bom            CSV, начинающийся с метки порядка байтов UTF-8, для
                       электронных таблиц
  -o, --output F       clear, convert: файл для записи; - (или /dev/stdout)
                       означает стандартный вывод
      --suffix S       clear: каждая копия рядом со своим входным файлом, S
                       вставляется перед расширением
  -d, --output-dir D   clear: каждая копия внутри D, по пути входного файла
                       относительно указанной папки
      --parents        clear: каждая копия внутри D по полному пути входного
                       файла, как он указан (cp --parents), чтобы одноимённые
                       файлы из разных папок не смешивались
      --dry-run        clear: выводит, что было бы записано, и ничего не пишет
      --force          clear, convert: заменяет существующий файл, даже сам
                       входной файл
      --to F           convert: bin (512 байт), ihex (Intel HEX) или srec
                       (S-record)
  -q, --quiet          compare: ничего не выводит, только код возврата
  -h, --help           эта справка
  -v, --version        версия и номер сборки
  --                   завершает параметры: имя файла после него может
                       начинаться с -

Код возврата, одинаковый для всех команд:
  0    всё в порядке: каждый файл — исправный образ с верной контрольной
       суммой, какой-то файл выбран (--only, --last-error), каждая копия
       записана, файлы совпадают
  1    находка: файл не в порядке, ни один не выбран, вход или выход
       отклонён, файлы различаются
  2    ошибка использования, несуществующий путь, папка или список, которые
       не удалось прочитать, файл, который compare не может прочитать,
       незаписанный выход
  130  прервано (Ctrl+C)
  141  стандартный вывод закрыт читающей программой (| head)
См. tavro-cli(1).
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; (&quot;--&quot; ends the options: tavro-cli %2 -- %1)</source>
        <translation>неизвестный параметр «%1» («--» завершает параметры: tavro-cli %2 -- %1)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 требует значения</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 не принимает значения</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2 (it is one of the options that belong to %3)</source>
        <translation>--%1 не является параметром команды %2 (он относится к командам: %3)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2; nothing written</source>
        <translation>%1: не удаётся открыть: %2; ничего не записано</translation>
    </message>
    <message>
        <source>%1: not a valid image (%2); nothing written</source>
        <translation>%1: недопустимый образ (%2); ничего не записано</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1: cannot make the folder: %2</source>
        <translation>%1: не удаётся создать папку: %2</translation>
    </message>
    <message>
        <source>%1: the checksum does not match (stored %2, computed %3); cleaned all the same</source>
        <translation>%1: контрольная сумма не совпадает (записана %2, вычислена %3); всё равно обнулён</translation>
    </message>
    <message>
        <source>-o names the one copy; --suffix and -d name many</source>
        <translation>-o задаёт одну копию; --suffix и -d — несколько</translation>
    </message>
    <message>
        <source>clear needs one INPUT and -o OUTPUT</source>
        <translation>clear требует один ВХОД и -o ВЫХОД</translation>
    </message>
    <message>
        <source>clear writes one OUTPUT</source>
        <translation>clear записывает один ВЫХОД</translation>
    </message>
    <message>
        <source>--parents keeps each path below the folder of -d OUTDIR</source>
        <translation>--parents сохраняет каждый путь внутри папки -d ПАПКА</translation>
    </message>
    <message>
        <source>clear needs -o OUTPUT, or --suffix SUFFIX or -d OUTDIR</source>
        <translation>clear требует -o ВЫХОД, --suffix СУФФИКС или -d ПАПКА</translation>
    </message>
    <message>
        <source>clear needs PATHs, or --files-from, not both</source>
        <translation>clear требует ПУТИ или --files-from, но не то и другое сразу</translation>
    </message>
    <message>
        <source>standard input is cleared with -o OUTPUT only</source>
        <translation>стандартный ввод обнуляется только с -o ВЫХОД</translation>
    </message>
    <message>
        <source>an empty --suffix would write each copy over its input</source>
        <translation>пустой --suffix записал бы каждую копию поверх её входного файла</translation>
    </message>
    <message>
        <source>%1 is inside %2, whose dumps are cleared: choose a folder outside it</source>
        <translation>%1 находится внутри %2, где обнуляются дампы: выберите папку вне её</translation>
    </message>
    <message>
        <source>%1: a path that climbs out with .. cannot be kept below %2; not cleaned</source>
        <translation>%1: путь, выходящий наружу через .., нельзя сохранить внутри %2; не обнулён</translation>
    </message>
    <message>
        <source>%1: is the copy of another file of this run; %2 is not cleaned</source>
        <translation>%1: это копия другого файла этого запуска; %2 не обнулён</translation>
    </message>
    <message numerus="yes">
        <source>%1 refused</source>
        <translation>
            <numerusform>%1 файл отклонён</numerusform>
            <numerusform>%1 файла отклонено</numerusform>
            <numerusform>%1 файлов отклонено</numerusform>
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
            <numerusform>%1 файл был бы записан</numerusform>
            <numerusform>%1 файла было бы записано</numerusform>
            <numerusform>%1 файлов было бы записано</numerusform>
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
            <numerusform>%1 файл записан</numerusform>
            <numerusform>%1 файла записано</numerusform>
            <numerusform>%1 файлов записано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 failed</source>
        <translation>
            <numerusform>%1 файл не записан</numerusform>
            <numerusform>%1 файла не записано</numerusform>
            <numerusform>%1 файлов не записано</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: не удаётся открыть: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: is %2 bytes long, not %3</source>
        <translation>
            <numerusform>%1: размер %2 байт, а не %3</numerusform>
            <numerusform>%1: размер %2 байта, а не %3</numerusform>
            <numerusform>%1: размер %2 байт, а не %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be read completely</source>
        <translation>%1: не удалось прочитать полностью</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the folder: %2</source>
        <translation>%1: не удаётся прочитать папку: %2</translation>
    </message>
    <message>
        <source>only in %1: %2</source>
        <translation>только в %1: %2</translation>
    </message>
    <message>
        <source>compare needs two files, or two folders</source>
        <translation>compare требует два файла или две папки</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>стандартный ввод можно прочитать только один раз</translation>
    </message>
    <message>
        <source>convert needs one INPUT and -o OUTPUT</source>
        <translation>convert требует один ВХОД и -o ВЫХОД</translation>
    </message>
    <message>
        <source>convert needs --to bin, ihex or srec, not &quot;%1&quot;</source>
        <translation>convert требует --to bin, ihex или srec, а не «%1»</translation>
    </message>
    <message>
        <source>%1: not a 512-byte image (%2); nothing written</source>
        <translation>%1: не образ размером 512 байт (%2); ничего не записано</translation>
    </message>
    <message>
        <source>%1: is a terminal, which shows no binary image; send it to a file or a pipe</source>
        <translation>%1: это терминал, он не показывает двоичный образ; направьте вывод в файл или канал</translation>
    </message>
    <message>
        <source>%1: is a folder; name the file to write</source>
        <translation>%1: это папка; укажите файл для записи</translation>
    </message>
    <message>
        <source>%1: is not a regular file; name the file to write</source>
        <translation>%1: это не обычный файл; укажите файл для записи</translation>
    </message>
    <message>
        <source>%1: is the input itself; --force overwrites it with the new copy</source>
        <translation>%1: это сам входной файл; --force перезапишет его новой копией</translation>
    </message>
    <message>
        <source>%1: exists; --force replaces it</source>
        <translation>%1: уже существует; --force заменит его</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: не удаётся записать: %2</translation>
    </message>
    <message>
        <source>%1: saved, but the system could not confirm that the new name is on the disk: %2</source>
        <translation>%1: сохранён, но система не смогла подтвердить, что новое имя записано на диск: %2</translation>
    </message>
    <message>
        <source>%1: cannot write, and the file may now be damaged: %2</source>
        <translation>%1: не удаётся записать, и теперь файл может быть повреждён: %2</translation>
    </message>
    <message>
        <source>%1: cannot write; the old contents were put back, but the system could not confirm them on the disk: %2</source>
        <translation>%1: не удаётся записать; прежнее содержимое возвращено, но система не смогла подтвердить его запись на диск: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the list of files: %2</source>
        <translation>%1: не удаётся прочитать список файлов: %2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>не удаётся записать вывод: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не задана команда</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 files</source>
        <translation>
            <numerusform>%1 из %2 файла</numerusform>
            <numerusform>%1 из %2 файлов</numerusform>
            <numerusform>%1 из %2 файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 файл</numerusform>
            <numerusform>%1 файла</numerusform>
            <numerusform>%1 файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown verdict &quot;%1&quot; (valid, bad-checksum, wrong-size, unknown-engine or unreadable)</source>
        <translation>неизвестный вердикт «%1» (valid, bad-checksum, wrong-size, unknown-engine или unreadable)</translation>
    </message>
    <message>
        <source>unknown error code &quot;%1&quot; (E0 to ED as the report shows them, or none)</source>
        <translation>неизвестный код ошибки «%1» (от E0 до ED, как в отчёте, или none)</translation>
    </message>
    <message>
        <source>the delimiter must be one character, not a letter, a digit, a quote or a line break: &quot;%1&quot;</source>
        <translation>разделитель должен быть одним символом, но не буквой, цифрой, кавычкой или переводом строки: «%1»</translation>
    </message>
    <message>
        <source>--no-header, --delimiter and --bom are for CSV</source>
        <translation>--no-header, --delimiter и --bom — только для CSV</translation>
    </message>
    <message>
        <source>-l prints the paths alone, in no format</source>
        <translation>-l выводит только пути, без формата</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>неизвестный формат «%1»</translation>
    </message>
    <message>
        <source>%1 needs at least one PATH</source>
        <translation>%1 требует хотя бы один ПУТЬ</translation>
    </message>
    <message>
        <source>the PATHs come from --files-from or from the command line, not both</source>
        <translation>ПУТИ берутся из --files-from или из командной строки, но не из обоих мест сразу</translation>
    </message>
    <message>
        <source>no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot or .sx file)</source>
        <translation>дампы не найдены (нет файлов .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot или .sx)</translation>
    </message>
    <message>
        <source>product code</source>
        <translation>код изделия</translation>
    </message>
    <message>
        <source>engine type</source>
        <translation>тип мотора</translation>
    </message>
    <message>
        <source>MCU type</source>
        <translation>тип MCU</translation>
    </message>
    <message>
        <source>stored checksum</source>
        <translation>записанная контрольная сумма</translation>
    </message>
    <message>
        <source>computed checksum</source>
        <translation>вычисленная контрольная сумма</translation>
    </message>
    <message>
        <source>checksum verdict</source>
        <translation>проверка контрольной суммы</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>последняя ошибка</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>не открывается</translation>
    </message>
    <message>
        <source>wrong size</source>
        <translation>неверный размер</translation>
    </message>
    <message>
        <source>incomplete read</source>
        <translation>неполное чтение</translation>
    </message>
    <message>
        <source>bad records</source>
        <translation>ошибочные записи</translation>
    </message>
    <message>
        <source>unknown engine</source>
        <translation>неизвестный мотор</translation>
    </message>
    <message>
        <source>variable data block (bytes 0-254)</source>
        <translation>блок переменных данных (байты 0–254)</translation>
    </message>
    <message>
        <source>byte 255</source>
        <translation>байт 255</translation>
    </message>
    <message>
        <source>identification block (bytes 256-510)</source>
        <translation>блок идентификации (байты 256–510)</translation>
    </message>
    <message>
        <source>byte 511</source>
        <translation>байт 511</translation>
    </message>
    <message>
        <source>%1 and %2 are identical</source>
        <translation>%1 и %2 совпадают</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 differ in %3 bytes</source>
        <translation>
            <numerusform>%1 и %2 различаются в %3 байте</numerusform>
            <numerusform>%1 и %2 различаются в %3 байтах</numerusform>
            <numerusform>%1 и %2 различаются в %3 байтах</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 differ</source>
        <translation>
            <numerusform>%1: различается %2 байт</numerusform>
            <numerusform>%1: различаются %2 байта</numerusform>
            <numerusform>%1: различаются %2 байт</numerusform>
        </translation>
    </message>
    <message>
        <source>  offset   A   B</source>
        <translation>   адрес   A   B</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>count of %1 (%2)</source>
        <translation>счётчик %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>none (only bytes that are not decoded)</source>
        <translation>нет (различаются только нерасшифрованные байты)</translation>
    </message>
    <message>
        <source>fields that differ:</source>
        <translation>различающиеся поля:</translation>
    </message>
    <message numerus="yes">
        <source>valid</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>исправный</numerusform>
            <numerusform>исправных</numerusform>
            <numerusform>исправных</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bad checksum</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>с неверной контрольной суммой</numerusform>
            <numerusform>с неверной контрольной суммой</numerusform>
            <numerusform>с неверной контрольной суммой</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrong size</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>неверного размера</numerusform>
            <numerusform>неверного размера</numerusform>
            <numerusform>неверного размера</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unknown engine</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>с неизвестным мотором</numerusform>
            <numerusform>с неизвестным мотором</numerusform>
            <numerusform>с неизвестным мотором</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unreadable</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>нечитаемый</numerusform>
            <numerusform>нечитаемых</numerusform>
            <numerusform>нечитаемых</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>плат</translation>
    </message>
    <message>
        <source>total</source>
        <translation>всего</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>максимум</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>это папка</translation>
    </message>
</context>
</TS>
