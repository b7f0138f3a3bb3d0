<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavro Tool</source>
        <translation>Tavro Tool</translation>
    </message>
    <message>
        <source>File operations</source>
        <translation>Dosya işlemleri</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Dosya yükle</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Yükle...</translation>
    </message>
    <message>
        <source>Clear varible data block and save to new file</source>
        <translation>Değişken veri bloğunu sıfırla ve yeni dosyaya kaydet</translation>
    </message>
    <message>
        <source>Clear and save...</source>
        <translation>Sıfırla ve kaydet...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Hakkında...</translation>
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
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Servis araçları&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;mailto:info@wendrix.example&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;info@wendrix.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Dosya aç</translation>
    </message>
    <message>
        <source>All supported formats (*.bin *.eep);;bin (*.bin);;eep (*.eep)</source>
        <translation>Desteklenen tüm biçimler (*.bin *.eep);;bin (*.bin);;eep (*.eep)</translation>
    </message>
    <message>
        <source>Save file...</source>
        <translation>Dosyayı kaydet...</translation>
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
        <translation>MCU arızası 1</translation>
    </message>
    <message>
        <source>Door lock fail</source>
        <translation>Kapı kilidi arızası</translation>
    </message>
    <message>
        <source>Inlet valve fail</source>
        <translation>Su giriş ventili arızası</translation>
    </message>
    <message>
        <source>No drain</source>
        <translation>Su boşaltılamıyor</translation>
    </message>
    <message>
        <source>Pressure switch fail</source>
        <translation>Presostat arızası</translation>
    </message>
    <message>
        <source>NTC fail</source>
        <translation>NTC arızası</translation>
    </message>
    <message>
        <source>MCU fail 2</source>
        <translation>MCU arızası 2</translation>
    </message>
    <message>
        <source>Motor fail</source>
        <translation>Motor arızası</translation>
    </message>
    <message>
        <source>Tacho fail</source>
        <translation>Takometre arızası</translation>
    </message>
    <message>
        <source>Triac error</source>
        <translation>Triyak hatası</translation>
    </message>
    <message>
        <source>Selector error</source>
        <translation>Program seçici hatası</translation>
    </message>
    <message>
        <source>Dryer fail</source>
        <translation>Kurutma arızası</translation>
    </message>
    <message>
        <source>Connection error 1</source>
        <translation>Haberleşme hatası 1</translation>
    </message>
    <message>
        <source>Connection error 2</source>
        <translation>Haberleşme hatası 2</translation>
    </message>
    <message>
        <source>Product code : </source>
        <translation>Ürün kodu: </translation>
    </message>
    <message>
        <source>Engine type : </source>
        <translation>Motor tipi: </translation>
    </message>
    <message>
        <source>MCU type : </source>
        <translation>MCU tipi: </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>EEPROM checksum:</source>
        <translation>EEPROM sağlama toplamı:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Doğru</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Last error : </source>
        <translation>Son hata: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Err open file</source>
        <translation>Dosya açılamadı</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Dosya boyutu yanlış</translation>
    </message>
    <message>
        <source>Read error: file not fully read</source>
        <translation>Okuma hatası: dosya eksik okundu</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Dosya bozuk ya da Tavro değil</translation>
    </message>
    <message numerus="yes">
        <source>File size : %1 bytes</source>
        <translation>
            <numerusform>Dosya boyutu: %1 bayt</numerusform>
        </translation>
    </message>
    <message>
        <source>Error statistics : </source>
        <translation>Hata istatistiği: </translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <extracomment>A counter line of the report, as &quot;E3 - No drain: 2&quot;: %1 is the error&apos;s code, %2 its name, %3 how often it occurred.</extracomment>
        <translation>%1 - %2: %3</translation>
    </message>
    <message>
        <source>the file is not a 512-byte dump, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>dosya 512 baytlık bir döküm değil, bu yüzden üzerine yazılmıyor: boyutu farklı bir dosya, yanlışlıkla seçilmiş başka bir dosyadır</translation>
    </message>
    <message numerus="yes">
        <source>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>
            <numerusform>dosya, kopya gibi %n bayt değil; bu yüzden üzerine yazılmıyor: boyutu farklı bir dosya, yanlışlıkla seçilmiş başka bir dosyadır</numerusform>
        </translation>
    </message>
    <message>
        <source>no image loaded</source>
        <translation>yüklü imaj yok</translation>
    </message>
    <message>
        <source>this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a file on a disk</source>
        <translation>bu, diskteki bir dosya değil, sistem çekirdeğinin bir dosyası (proc, sysfs, cgroup, debugfs)</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>dosya kaydedilirken başka bir dosyayla değiştirildi; hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>the file may be written but not read, so it cannot be replaced safely where it is</source>
        <translation>dosyaya yazılabiliyor ama dosya okunamıyor; bu yüzden yerinde güvenle değiştirilemez</translation>
    </message>
    <message>
        <source>; the old contents could not be put back either</source>
        <translation>; eski içerik de geri yüklenemedi</translation>
    </message>
    <message>
        <source>File saved: </source>
        <translation>Kaydedilen dosya: </translation>
    </message>
    <message>
        <source>Cannot save file: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Dosya kaydedilemedi: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Dosya kaydedilemedi; eski içerik geri yüklendi ama sistem bunu diskte doğrulayamadı: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Dosya kaydedilemedi ve artık bozuk olabilir: %1 (%2)</translation>
    </message>
    <message>
        <source> (the system could not confirm that the new name is on the disk)</source>
        <translation> (sistem yeni adın diske yazıldığını doğrulayamadı)</translation>
    </message>
    <message>
        <source>Loaded file: </source>
        <translation>Yüklenen dosya: </translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>an Intel HEX record starts with &quot;:&quot;</source>
        <translation>Intel HEX kaydı “:” ile başlar</translation>
    </message>
    <message numerus="yes">
        <source>a record of %1 bytes is too short: it needs 5</source>
        <translation>
            <numerusform>%1 baytlık kayıt çok kısa: en az 5 bayt gerekir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 data bytes but holds %2</source>
        <translation>
            <numerusform>kayıt %1 veri baytı bildiriyor ama %2 bayt içeriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record must not hold data</source>
        <translation>bitiş kaydı veri içermemeli</translation>
    </message>
    <message>
        <source>an address record must hold 2 bytes, not %1</source>
        <translation>adres kaydı 2 bayt içermeli, %1 değil</translation>
    </message>
    <message>
        <source>a start address record must hold 4 bytes, not %1</source>
        <translation>başlangıç adresi kaydı 4 bayt içermeli, %1 değil</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>bilinmeyen kayıt tipi %1</translation>
    </message>
    <message>
        <source>the end record (:00000001FF) is missing</source>
        <translation>bitiş kaydı (:00000001FF) eksik</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not a hexadecimal digit</source>
        <translation>“%1” karakteri onaltılık bir rakam değil</translation>
    </message>
    <message>
        <source>the byte 0x%1 is not a hexadecimal digit</source>
        <translation>0x%1 baytı onaltılık bir rakam değil</translation>
    </message>
    <message>
        <source>an odd number of hexadecimal digits</source>
        <translation>onaltılık rakamların sayısı tek</translation>
    </message>
    <message>
        <source>address %1 was given before, on line %2</source>
        <translation>%1 adresi daha önce %2. satırda verildi</translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>bitiş kaydından sonra metin var</translation>
    </message>
    <message>
        <source>the data starts at address %1 instead of 0x0000</source>
        <translation>veriler 0x0000 yerine %1 adresinden başlıyor</translation>
    </message>
    <message numerus="yes">
        <source>the image holds %1 bytes, a board&apos;s EEPROM holds 512</source>
        <translation>
            <numerusform>imaj %1 bayt, kartın EEPROM’u ise 512 bayt</numerusform>
        </translation>
    </message>
    <message>
        <source>address %1 missing</source>
        <translation>%1 adresi eksik</translation>
    </message>
    <message>
        <source>addresses %1 missing</source>
        <translation>%1 adresleri eksik</translation>
    </message>
    <message>
        <source>checksum 0x%1, expected 0x%2</source>
        <translation>sağlama toplamı 0x%1, beklenen 0x%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>an S-record starts with S and a digit</source>
        <translation>S-record kaydı S harfi ve bir rakamla başlar</translation>
    </message>
    <message>
        <source>unknown record type S4</source>
        <translation>bilinmeyen kayıt tipi S4</translation>
    </message>
    <message>
        <source>the record has no count</source>
        <translation>kaydın bayt sayısı yok</translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 bytes after its count but holds %2</source>
        <translation>
            <numerusform>kayıt, bayt sayısından sonra %1 bayt bildiriyor ama %2 bayt içeriyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an S%1 record needs at least %2 bytes, not %3</source>
        <translation>
            <numerusform>S%1 kaydı en az %2 bayt gerektirir, %3 değil</numerusform>
        </translation>
    </message>
    <message>
        <source>a header record (S0) after the first line</source>
        <translation>ilk satırdan sonra başlık kaydı (S0)</translation>
    </message>
    <message>
        <source>an S%1 record must not hold data</source>
        <translation>S%1 kaydı veri içermemeli</translation>
    </message>
    <message numerus="yes">
        <source>the count record says %1 data records, but %2 come before it</source>
        <translation>
            <numerusform>sayım kaydı %1 veri kaydı bildiriyor ama ondan önce %2 kayıt var</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record (S7, S8 or S9) is missing</source>
        <translation>bitiş kaydı (S7, S8 ya da S9) eksik</translation>
    </message>
    <message>
        <source>there is data at address %1, beyond the 512 bytes of a board&apos;s EEPROM</source>
        <translation>%1 adresinde veri var; bu, kartın EEPROM’unun 512 baytının ötesinde</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Operation not permitted</source>
        <translation>İşleme izin verilmedi</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Böyle bir dosya ya da klasör yok</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Sistem çağrısı kesildi</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Giriş/çıkış hatası</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Böyle bir aygıt ya da adres yok</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Geçersiz dosya tanıtıcısı</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Kaynak geçici olarak kullanılamıyor</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Bellek yetersiz</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Erişim reddedildi</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Aygıt ya da kaynak meşgul</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Dosya zaten var</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Aygıtlar arası bağlantı geçersiz</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Böyle bir aygıt yok</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Bir klasör değil</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Bir klasör</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Geçersiz argüman</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Sistemde çok fazla açık dosya var</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Çok fazla açık dosya var</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Program dosyası kullanımda</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Dosya çok büyük</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aygıtta yer kalmadı</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Salt okunur dosya sistemi</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Çok fazla bağlantı</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Boru bağlantısı koptu</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dosya adı çok uzun</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Klasör boş değil</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Çok fazla sembolik bağlantı düzeyi</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Değer, veri türü için çok büyük</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>İşlem desteklenmiyor</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Bağlantının karşı ucu bağlı değil</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Bağlantı zaman aşımına uğradı</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Uzak bilgisayar yanıt vermiyor</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Dosya tanıtıcısı geçersiz (ağ sürücüsü)</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk kotası aşıldı</translation>
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
        <translation>Kullanım: tavro-cli report [-f text|json|jsonl|csv] [--only SONUÇ]
                           [--last-error E] [-l] YOL...
          tavro-cli summary [-f text|json|csv] YOL...
          tavro-cli clear GİRDİ -o ÇIKTI [--force]
          tavro-cli clear YOL... --suffix EK | -d KLASÖR [--parents]
                          [--force] [--dry-run]
          tavro-cli compare [-q] A B
          tavro-cli convert GİRDİ -o ÇIKTI --to bin|ihex|srec [--force]
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
        <translation>Tavro çamaşır makinesi kontrol kartlarının 512 baytlık EEPROM dökümlerini
denetler, sıfırlar, karşılaştırır ve dönüştürür. Döküm, 512 baytın kendisi
(.bin, .eep) ya da bir EEPROM programlayıcısının yazdığı Intel HEX veya
Motorola S-record metnidir; hangisi olduğu içeriğinden anlaşılır. Bir klasör
alt klasörleriyle birlikte, sıralı olarak .bin, .eep, .hex, .ihx, .ihex, .s19,
.s28, .s37, .srec, .mot ve .sx dosyaları için taranır (büyük/küçük harf fark
etmez); - standart girdidir.

Komutlar:
  report YOL...    her dosyanın raporu, Tavro Tool penceresinin gösterdiği gibi
  summary YOL...   her sonuç, motor, MCU, son hata ve ürün kodu için kaç dosya
                   olduğu; her hata için kaç kartta görüldüğü, toplamı ve en
                   yüksek sayacı
  clear YOL...     her dosyanın sıfırlanmış bir kopyasını yazar: bayt 0–254
                   (hata geçmişi ve sayaçlar) sıfır, geri kalan her şey aynı,
                   girdisinin biçiminde
  compare A B      bir kartın iki okumasının aynı olup olmadığını, değilse
                   hangi baytların ve çözümlenmiş alanların farklı olduğunu
                   söyler; iki klasörde aynı göreli yoldaki her dosya çiftini
                   ve yalnızca bir tarafta olan dosyaları
  convert GİRDİ    imajı bayt bayt başka bir biçimde yazar

Seçenekler:
  -f, --format F       report: text (varsayılan), json, jsonl (satır başına bir
                       nesne) ya da csv; summary: text, json ya da csv
      --only SONUÇ     report: yalnızca bu sonuçtaki dosyalar: valid,
                       bad-checksum, wrong-size, unknown-engine ya da
                       unreadable; tekrarlanabilir
      --last-error E   report: yalnızca son hatası E olan imajlar (E3 ya da
                       none); tekrarlanabilir
  -l, --files-with-matches
                       report: yalnızca dosya yolları, satır başına bir yol
      --files-from F   report, summary, clear: yollar F dosyasından okunur
                       (standart girdi için -), satır başına bir yol
  -0, --null           --files-from yolları ve -l çıktısı satır sonu yerine NUL
                       karakteriyle biter (find -print0, xargs -0)
      --no-header      başlık satırı olmadan CSV
      --delimiter C    alanları C ile ayrılmış CSV (örneğin ;)
      --bom            elektronik tablolar için UTF-8 bayt sırası işaretiyle
                       başlayan CSV
  -o, --output F       clear, convert: yazılacak dosya; - (ya da /dev/stdout)
                       standart çıktıdır
      --suffix S       clear: her kopya girdisinin yanında, uzantıdan önce S
                       eklenerek
  -d, --output-dir D   clear: her kopya D altında, verilen klasöre göre
                       girdisinin göreli yolunda
      --parents        clear: her kopya D altında, girdisinin verildiği gibi
                       tam yolunda (cp --parents); farklı klasörlerdeki aynı
                       adlı dosyalar karışmaz
      --dry-run        clear: nelerin yazılacağını listeler, hiçbir şey yazmaz
      --force          clear, convert: var olan bir dosyayı, girdinin kendisini
                       bile değiştirir
      --to F           convert: bin (512 bayt), ihex (Intel HEX) ya da srec
                       (S-record)
  -q, --quiet          compare: çıktı yok, yalnızca çıkış kodu
  -h, --help           bu yardım
  -v, --version        sürüm ve yapı numarası
  --                   seçenekleri bitirir: ardından gelen dosya adı - ile
                       başlayabilir

Çıkış kodu, her komut için aynı:
  0    her şey yolunda: her dosya sağlama toplamı doğru, geçerli bir imaj, bir
       dosya seçildi (--only, --last-error), her kopya yazıldı, dosyalar aynı
  1    bir bulgu: öyle olmayan bir dosya, seçilen dosya yok, reddedilen bir
       girdi ya da çıktı, farklı dosyalar
  2    kullanım hatası, var olmayan bir yol, okunamayan bir klasör ya da
       liste, compare&apos;in okuyamadığı bir dosya, yazılamayan bir çıktı
  130  kesildi (Ctrl-C)
  141  standart çıktı, okuyan program tarafından kapatıldı (| head)
Bkz. tavro-cli(1).
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; (&quot;--&quot; ends the options: tavro-cli %2 -- %1)</source>
        <translation>bilinmeyen seçenek “%1” (“--” seçenekleri bitirir: tavro-cli %2 -- %1)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 bir değer ister</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 değer almaz</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2 (it is one of the options that belong to %3)</source>
        <translation>--%1, %2 komutunun seçeneği değil (şu komutlara ait: %3)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2; nothing written</source>
        <translation>%1: açılamıyor: %2; hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>%1: not a valid image (%2); nothing written</source>
        <translation>%1: geçerli bir imaj değil (%2); hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1: cannot make the folder: %2</source>
        <translation>%1: klasör oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>%1: the checksum does not match (stored %2, computed %3); cleaned all the same</source>
        <translation>%1: sağlama toplamı tutmuyor (kayıtlı %2, hesaplanan %3); yine de sıfırlandı</translation>
    </message>
    <message>
        <source>-o names the one copy; --suffix and -d name many</source>
        <translation>-o tek bir kopyayı adlandırır; --suffix ve -d birden çok kopyayı</translation>
    </message>
    <message>
        <source>clear needs one INPUT and -o OUTPUT</source>
        <translation>clear bir GİRDİ ve -o ÇIKTI ister</translation>
    </message>
    <message>
        <source>clear writes one OUTPUT</source>
        <translation>clear tek bir ÇIKTI yazar</translation>
    </message>
    <message>
        <source>--parents keeps each path below the folder of -d OUTDIR</source>
        <translation>--parents her yolu -d KLASÖR altında tutar</translation>
    </message>
    <message>
        <source>clear needs -o OUTPUT, or --suffix SUFFIX or -d OUTDIR</source>
        <translation>clear -o ÇIKTI, --suffix EK ya da -d KLASÖR ister</translation>
    </message>
    <message>
        <source>clear needs PATHs, or --files-from, not both</source>
        <translation>clear YOL ya da --files-from ister, ikisini birden değil</translation>
    </message>
    <message>
        <source>standard input is cleared with -o OUTPUT only</source>
        <translation>standart girdi yalnızca -o ÇIKTI ile sıfırlanır</translation>
    </message>
    <message>
        <source>an empty --suffix would write each copy over its input</source>
        <translation>boş bir --suffix her kopyayı kendi girdisinin üzerine yazardı</translation>
    </message>
    <message>
        <source>%1 is inside %2, whose dumps are cleared: choose a folder outside it</source>
        <translation>%1 klasörü, dökümleri sıfırlanan %2 klasörünün içinde: onun dışında bir klasör seçin</translation>
    </message>
    <message>
        <source>%1: a path that climbs out with .. cannot be kept below %2; not cleaned</source>
        <translation>%1: .. ile dışarı çıkan bir yol %2 altında tutulamaz; sıfırlanmadı</translation>
    </message>
    <message>
        <source>%1: is the copy of another file of this run; %2 is not cleaned</source>
        <translation>%1: bu çalıştırmadaki başka bir dosyanın kopyası; %2 sıfırlanmadı</translation>
    </message>
    <message numerus="yes">
        <source>%1 refused</source>
        <translation>
            <numerusform>%1 dosya reddedildi</numerusform>
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
            <numerusform>%1 dosya yazılacaktı</numerusform>
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
            <numerusform>%1 dosya yazıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 failed</source>
        <translation>
            <numerusform>%1 dosya yazılamadı</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: açılamıyor: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: is %2 bytes long, not %3</source>
        <translation>
            <numerusform>%1: boyutu %2 bayt, %3 değil</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be read completely</source>
        <translation>%1: tamamen okunamadı</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the folder: %2</source>
        <translation>%1: klasör okunamıyor: %2</translation>
    </message>
    <message>
        <source>only in %1: %2</source>
        <translation>yalnızca %1 içinde: %2</translation>
    </message>
    <message>
        <source>compare needs two files, or two folders</source>
        <translation>compare iki dosya ya da iki klasör ister</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>standart girdi yalnızca bir kez okunabilir</translation>
    </message>
    <message>
        <source>convert needs one INPUT and -o OUTPUT</source>
        <translation>convert bir GİRDİ ve -o ÇIKTI ister</translation>
    </message>
    <message>
        <source>convert needs --to bin, ihex or srec, not &quot;%1&quot;</source>
        <translation>convert --to bin, ihex ya da srec ister, “%1” değil</translation>
    </message>
    <message>
        <source>%1: not a 512-byte image (%2); nothing written</source>
        <translation>%1: 512 baytlık bir imaj değil (%2); hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>%1: is a terminal, which shows no binary image; send it to a file or a pipe</source>
        <translation>%1: bir terminal, ikili imaj gösteremez; çıktıyı bir dosyaya ya da boruya yönlendirin</translation>
    </message>
    <message>
        <source>%1: is a folder; name the file to write</source>
        <translation>%1: bir klasör; yazılacak dosyanın adını verin</translation>
    </message>
    <message>
        <source>%1: is not a regular file; name the file to write</source>
        <translation>%1: normal bir dosya değil; yazılacak dosyanın adını verin</translation>
    </message>
    <message>
        <source>%1: is the input itself; --force overwrites it with the new copy</source>
        <translation>%1: girdinin kendisi; --force onun üzerine yeni kopyayı yazar</translation>
    </message>
    <message>
        <source>%1: exists; --force replaces it</source>
        <translation>%1: zaten var; --force onu değiştirir</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: yazılamıyor: %2</translation>
    </message>
    <message>
        <source>%1: saved, but the system could not confirm that the new name is on the disk: %2</source>
        <translation>%1: kaydedildi, ama sistem yeni adın diske yazıldığını doğrulayamadı: %2</translation>
    </message>
    <message>
        <source>%1: cannot write, and the file may now be damaged: %2</source>
        <translation>%1: yazılamıyor ve dosya artık bozuk olabilir: %2</translation>
    </message>
    <message>
        <source>%1: cannot write; the old contents were put back, but the system could not confirm them on the disk: %2</source>
        <translation>%1: yazılamıyor; eski içerik geri yüklendi ama sistem bunu diskte doğrulayamadı: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the list of files: %2</source>
        <translation>%1: dosya listesi okunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>çıktı yazılamıyor: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>komut verilmedi</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>bilinmeyen komut “%1”</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 files</source>
        <translation>
            <numerusform>%1/%2 dosya</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 dosya</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown verdict &quot;%1&quot; (valid, bad-checksum, wrong-size, unknown-engine or unreadable)</source>
        <translation>bilinmeyen sonuç “%1” (valid, bad-checksum, wrong-size, unknown-engine ya da unreadable)</translation>
    </message>
    <message>
        <source>unknown error code &quot;%1&quot; (E0 to ED as the report shows them, or none)</source>
        <translation>bilinmeyen hata kodu “%1” (raporda görüldüğü gibi E0–ED ya da none)</translation>
    </message>
    <message>
        <source>the delimiter must be one character, not a letter, a digit, a quote or a line break: &quot;%1&quot;</source>
        <translation>ayraç tek bir karakter olmalı; harf, rakam, tırnak ya da satır sonu olamaz: “%1”</translation>
    </message>
    <message>
        <source>--no-header, --delimiter and --bom are for CSV</source>
        <translation>--no-header, --delimiter ve --bom yalnızca CSV içindir</translation>
    </message>
    <message>
        <source>-l prints the paths alone, in no format</source>
        <translation>-l yalnızca yolları yazar, hiçbir biçimde değil</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>bilinmeyen biçim “%1”</translation>
    </message>
    <message>
        <source>%1 needs at least one PATH</source>
        <translation>%1 en az bir YOL ister</translation>
    </message>
    <message>
        <source>the PATHs come from --files-from or from the command line, not both</source>
        <translation>yollar ya --files-from ile ya da komut satırında verilir, ikisi birden değil</translation>
    </message>
    <message>
        <source>no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot or .sx file)</source>
        <translation>döküm bulunamadı (hiç .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot ya da .sx dosyası yok)</translation>
    </message>
    <message>
        <source>product code</source>
        <translation>ürün kodu</translation>
    </message>
    <message>
        <source>engine type</source>
        <translation>motor tipi</translation>
    </message>
    <message>
        <source>MCU type</source>
        <translation>MCU tipi</translation>
    </message>
    <message>
        <source>stored checksum</source>
        <translation>kayıtlı sağlama toplamı</translation>
    </message>
    <message>
        <source>computed checksum</source>
        <translation>hesaplanan sağlama toplamı</translation>
    </message>
    <message>
        <source>checksum verdict</source>
        <translation>sağlama toplamı sonucu</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>son hata</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>açılamıyor</translation>
    </message>
    <message>
        <source>wrong size</source>
        <translation>boyut yanlış</translation>
    </message>
    <message>
        <source>incomplete read</source>
        <translation>eksik okuma</translation>
    </message>
    <message>
        <source>bad records</source>
        <translation>hatalı kayıtlar</translation>
    </message>
    <message>
        <source>unknown engine</source>
        <translation>bilinmeyen motor</translation>
    </message>
    <message>
        <source>variable data block (bytes 0-254)</source>
        <translation>değişken veri bloğu (bayt 0–254)</translation>
    </message>
    <message>
        <source>byte 255</source>
        <translation>bayt 255</translation>
    </message>
    <message>
        <source>identification block (bytes 256-510)</source>
        <translation>kimlik bloğu (bayt 256–510)</translation>
    </message>
    <message>
        <source>byte 511</source>
        <translation>bayt 511</translation>
    </message>
    <message>
        <source>%1 and %2 are identical</source>
        <translation>%1 ve %2 aynı</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 differ in %3 bytes</source>
        <translation>
            <numerusform>%1 ile %2 arasında %3 bayt fark var</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 differ</source>
        <translation>
            <numerusform>%1: %2 bayt farklı</numerusform>
        </translation>
    </message>
    <message>
        <source>  offset   A   B</source>
        <translation>   ofset   A   B</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>count of %1 (%2)</source>
        <translation>%1 sayacı (%2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>none (only bytes that are not decoded)</source>
        <translation>yok (yalnızca çözümlenmeyen baytlar farklı)</translation>
    </message>
    <message>
        <source>fields that differ:</source>
        <translation>farklı alanlar:</translation>
    </message>
    <message numerus="yes">
        <source>valid</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>geçerli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bad checksum</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>sağlama toplamı hatalı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrong size</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>boyutu yanlış</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unknown engine</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>motoru bilinmiyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unreadable</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>okunamıyor</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>kart</translation>
    </message>
    <message>
        <source>total</source>
        <translation>toplam</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>en yüksek</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>bir klasör</translation>
    </message>
</context>
</TS>
