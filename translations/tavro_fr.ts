<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavro Tool</source>
        <translation>Tavro Tool</translation>
    </message>
    <message>
        <source>File operations</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Charger un fichier</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Charger...</translation>
    </message>
    <message>
        <source>Clear varible data block and save to new file</source>
        <translation>Remettre à zéro le bloc de données variables et enregistrer dans un nouveau fichier</translation>
    </message>
    <message>
        <source>Clear and save...</source>
        <translation>Remettre à zéro...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
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
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt;&quot;&gt;Outils SAV&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;mailto:info@wendrix.example&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;info@wendrix.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>All supported formats (*.bin *.eep);;bin (*.bin);;eep (*.eep)</source>
        <translation>Tous les formats pris en charge (*.bin *.eep);;bin (*.bin);;eep (*.eep)</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>bin (*.bin)</source>
        <translation>bin (*.bin)</translation>
    </message>
    <message>
        <source>Save file...</source>
        <translation>Enregistrer le fichier...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>MCU fail 1</source>
        <translation>Défaut MCU 1</translation>
    </message>
    <message>
        <source>Door lock fail</source>
        <translation>Défaut verrouillage porte</translation>
    </message>
    <message>
        <source>Inlet valve fail</source>
        <translation>Défaut électrovanne</translation>
    </message>
    <message>
        <source>No drain</source>
        <translation>Pas de vidange</translation>
    </message>
    <message>
        <source>Pressure switch fail</source>
        <translation>Défaut pressostat</translation>
    </message>
    <message>
        <source>NTC fail</source>
        <translation>Défaut sonde CTN</translation>
    </message>
    <message>
        <source>MCU fail 2</source>
        <translation>Défaut MCU 2</translation>
    </message>
    <message>
        <source>Motor fail</source>
        <translation>Défaut moteur</translation>
    </message>
    <message>
        <source>Tacho fail</source>
        <translation>Défaut tachymètre</translation>
    </message>
    <message>
        <source>Triac error</source>
        <translation>Erreur triac</translation>
    </message>
    <message>
        <source>Selector error</source>
        <translation>Défaut sélecteur</translation>
    </message>
    <message>
        <source>Dryer fail</source>
        <translation>Défaut séchage</translation>
    </message>
    <message>
        <source>Connection error 1</source>
        <translation>Erreur communication 1</translation>
    </message>
    <message>
        <source>Connection error 2</source>
        <translation>Erreur communication 2</translation>
    </message>
    <message>
        <source>Err open file</source>
        <translation>Erreur d’ouverture du fichier</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Taille de fichier incorrecte</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Fichier endommagé ou non Tavro</translation>
    </message>
    <message>
        <source>Product code : </source>
        <translation>Code produit&#xa0;: </translation>
    </message>
    <message>
        <source>Engine type : </source>
        <translation>Type de moteur&#xa0;: </translation>
    </message>
    <message>
        <source>MCU type : </source>
        <translation>Type de MCU&#xa0;: </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>EEPROM checksum:</source>
        <translation>Checksum EEPROM&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Last error : </source>
        <translation>Dernière erreur&#xa0;: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Error statistics : </source>
        <translation>Statistiques des erreurs&#xa0;: </translation>
    </message>
    <message>
        <source>Loaded file: </source>
        <translation>Fichier chargé&#xa0;: </translation>
    </message>
    <message>
        <source>File saved: </source>
        <translation>Fichier enregistré&#xa0;: </translation>
    </message>
    <message>
        <source>this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a file on a disk</source>
        <translation>c’est un fichier du noyau système (proc, sysfs, cgroup, debugfs), pas un fichier sur un disque</translation>
    </message>
    <message>
        <source>the file may be written but not read, so it cannot be replaced safely where it is</source>
        <translation>le fichier peut être écrit mais pas lu, il ne peut donc pas être remplacé sans risque à sa place</translation>
    </message>
    <message>
        <source>the file is not a 512-byte dump, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>le fichier n’est pas un dump de 512 octets, il n’est donc pas écrasé à sa place&#xa0;: un fichier d’une autre taille est un autre fichier choisi par erreur</translation>
    </message>
    <message>
        <source>; the old contents could not be put back either</source>
        <translation>; l’ancien contenu n’a pas pu être restauré non plus</translation>
    </message>
    <message>
        <source> (the system could not confirm that the new name is on the disk)</source>
        <translation> (le système n’a pas pu confirmer que le nouveau nom est sur le disque)</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>le fichier a été remplacé par un autre pendant l’enregistrement&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>Read error: file not fully read</source>
        <translation>Lecture incomplète du fichier</translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <extracomment>A counter line of the report, as &quot;E3 - No drain: 2&quot;: %1 is the error&apos;s code, %2 its name, %3 how often it occurred.</extracomment>
        <translation>%1 - %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is not %n bytes long as the copy is, so it is not written over where it is: a file of another size is some other file chosen by mistake</source>
        <translation>
            <numerusform>le fichier ne fait pas %n octet comme la copie, il n’est donc pas écrasé à sa place&#xa0;: un fichier d’une autre taille est un autre fichier choisi par erreur</numerusform>
            <numerusform>le fichier ne fait pas %n octets comme la copie, il n’est donc pas écrasé à sa place&#xa0;: un fichier d’une autre taille est un autre fichier choisi par erreur</numerusform>
        </translation>
    </message>
    <message>
        <source>no image loaded</source>
        <translation>aucune image chargée</translation>
    </message>
    <message>
        <source>Cannot save file: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Impossible d’enregistrer&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Impossible d’enregistrer&#xa0;; l’ancien contenu a été restauré, mais le système n’a pas pu confirmer qu’il est sur le disque&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1 (%2)</source>
        <extracomment>%1 is the reason, %2 the file&apos;s path</extracomment>
        <translation>Impossible d’enregistrer, le fichier est peut-être endommagé&#xa0;: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>File size : %1 bytes</source>
        <translation>
            <numerusform>Taille du fichier&#xa0;: %1 octet</numerusform>
            <numerusform>Taille du fichier&#xa0;: %1 octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>an Intel HEX record starts with &quot;:&quot;</source>
        <translation>un enregistrement Intel HEX commence par «&#xa0;:&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>a record of %1 bytes is too short: it needs 5</source>
        <translation>
            <numerusform>un enregistrement de %1 octet est trop court&#xa0;: il en faut 5</numerusform>
            <numerusform>un enregistrement de %1 octets est trop court&#xa0;: il en faut 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 data bytes but holds %2</source>
        <translation>
            <numerusform>l’enregistrement annonce %1 octet de données mais en contient %2</numerusform>
            <numerusform>l’enregistrement annonce %1 octets de données mais en contient %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record must not hold data</source>
        <translation>l’enregistrement de fin ne doit pas contenir de données</translation>
    </message>
    <message>
        <source>an address record must hold 2 bytes, not %1</source>
        <translation>un enregistrement d’adresse doit contenir 2 octets, pas %1</translation>
    </message>
    <message>
        <source>a start address record must hold 4 bytes, not %1</source>
        <translation>un enregistrement d’adresse de départ doit contenir 4 octets, pas %1</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>type d’enregistrement inconnu %1</translation>
    </message>
    <message>
        <source>the end record (:00000001FF) is missing</source>
        <translation>l’enregistrement de fin (:00000001FF) manque</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not a hexadecimal digit</source>
        <translation>le caractère «&#xa0;%1&#xa0;» n’est pas un chiffre hexadécimal</translation>
    </message>
    <message>
        <source>the byte 0x%1 is not a hexadecimal digit</source>
        <translation>l’octet 0x%1 n’est pas un chiffre hexadécimal</translation>
    </message>
    <message>
        <source>an odd number of hexadecimal digits</source>
        <translation>un nombre impair de chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>address %1 was given before, on line %2</source>
        <translation>l’adresse %1 a déjà été donnée, ligne %2</translation>
    </message>
    <message>
        <source>text after the end record</source>
        <translation>du texte après l’enregistrement de fin</translation>
    </message>
    <message>
        <source>the data starts at address %1 instead of 0x0000</source>
        <translation>les données commencent à l’adresse %1 au lieu de 0x0000</translation>
    </message>
    <message numerus="yes">
        <source>the image holds %1 bytes, a board&apos;s EEPROM holds 512</source>
        <translation>
            <numerusform>l’image fait %1 octet, l’EEPROM d’une carte en fait 512</numerusform>
            <numerusform>l’image fait %1 octets, l’EEPROM d’une carte en fait 512</numerusform>
        </translation>
    </message>
    <message>
        <source>address %1 missing</source>
        <translation>l’adresse %1 manque</translation>
    </message>
    <message>
        <source>addresses %1 missing</source>
        <translation>les adresses %1 manquent</translation>
    </message>
    <message>
        <source>checksum 0x%1, expected 0x%2</source>
        <translation>checksum 0x%1, attendu 0x%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>an S-record starts with S and a digit</source>
        <translation>un S-record commence par S et un chiffre</translation>
    </message>
    <message>
        <source>unknown record type S4</source>
        <translation>type d’enregistrement inconnu S4</translation>
    </message>
    <message>
        <source>the record has no count</source>
        <translation>l’enregistrement n’a pas de compte</translation>
    </message>
    <message numerus="yes">
        <source>the record announces %1 bytes after its count but holds %2</source>
        <translation>
            <numerusform>l’enregistrement annonce %1 octet après son compte mais en contient %2</numerusform>
            <numerusform>l’enregistrement annonce %1 octets après son compte mais en contient %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an S%1 record needs at least %2 bytes, not %3</source>
        <translation>
            <numerusform>un enregistrement S%1 demande au moins %2 octet, pas %3</numerusform>
            <numerusform>un enregistrement S%1 demande au moins %2 octets, pas %3</numerusform>
        </translation>
    </message>
    <message>
        <source>a header record (S0) after the first line</source>
        <translation>un enregistrement d’en-tête (S0) après la première ligne</translation>
    </message>
    <message>
        <source>an S%1 record must not hold data</source>
        <translation>un enregistrement S%1 ne doit pas contenir de données</translation>
    </message>
    <message numerus="yes">
        <source>the count record says %1 data records, but %2 come before it</source>
        <translation>
            <numerusform>l’enregistrement de comptage indique %1 enregistrement de données, mais %2 le précèdent</numerusform>
            <numerusform>l’enregistrement de comptage indique %1 enregistrements de données, mais %2 le précèdent</numerusform>
        </translation>
    </message>
    <message>
        <source>the end record (S7, S8 or S9) is missing</source>
        <translation>l’enregistrement de fin (S7, S8 ou S9) manque</translation>
    </message>
    <message>
        <source>there is data at address %1, beyond the 512 bytes of a board&apos;s EEPROM</source>
        <translation>il y a des données à l’adresse %1, au-delà des 512 octets de l’EEPROM d’une carte</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Appel système interrompu</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée-sortie</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Périphérique ou adresse introuvable</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Descripteur de fichier non valide</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Ressource temporairement indisponible</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Lien entre périphériques non valide</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Périphérique introuvable</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N’est pas un dossier</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Trop de fichiers ouverts sur le système</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Fichier programme occupé</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus de place sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Trop de liens</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Tube rompu</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Le dossier n’est pas vide</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Valeur trop grande pour le type de données</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Opération non prise en charge</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>L’autre extrémité de la connexion n’est pas connectée</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>L’hôte distant ne répond pas</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Référence de fichier périmée (lecteur réseau)</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
</context>
<context>
    <name>tavro-cli</name>
    <message>
        <source>unknown option &quot;%1&quot; (&quot;--&quot; ends the options: tavro-cli %2 -- %1)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» («&#xa0;--&#xa0;» termine les options&#xa0;: tavro-cli %2 -- %1)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2 (it is one of the options that belong to %3)</source>
        <translation>--%1 n’est pas une option de %2 (elle appartient à %3)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2; nothing written</source>
        <translation>%1&#xa0;: impossible d’ouvrir&#xa0;: %2&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>%1: not a valid image (%2); nothing written</source>
        <translation>%1&#xa0;: pas une image valide (%2)&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1: cannot make the folder: %2</source>
        <translation>%1&#xa0;: impossible de créer le dossier&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the checksum does not match (stored %2, computed %3); cleaned all the same</source>
        <translation>%1&#xa0;: le checksum ne correspond pas (enregistré %2, calculé %3)&#xa0;; remis à zéro quand même</translation>
    </message>
    <message>
        <source>-o names the one copy; --suffix and -d name many</source>
        <translation>-o nomme une seule copie&#xa0;; --suffix et -d en nomment plusieurs</translation>
    </message>
    <message>
        <source>clear needs one INPUT and -o OUTPUT</source>
        <translation>clear demande une ENTRÉE et -o SORTIE</translation>
    </message>
    <message>
        <source>clear writes one OUTPUT</source>
        <translation>clear écrit une seule SORTIE</translation>
    </message>
    <message>
        <source>clear needs -o OUTPUT, or --suffix SUFFIX or -d OUTDIR</source>
        <translation>clear demande -o SORTIE, --suffix SUFFIXE ou -d DESTINATION</translation>
    </message>
    <message>
        <source>clear needs PATHs, or --files-from, not both</source>
        <translation>clear demande des chemins (CHEMIN) ou --files-from, pas les deux</translation>
    </message>
    <message>
        <source>standard input is cleared with -o OUTPUT only</source>
        <translation>l’entrée standard ne se remet à zéro qu’avec -o SORTIE</translation>
    </message>
    <message>
        <source>an empty --suffix would write each copy over its input</source>
        <translation>un --suffix vide écrirait chaque copie par-dessus son original</translation>
    </message>
    <message>
        <source>%1 is inside %2, whose dumps are cleared: choose a folder outside it</source>
        <translation>%1 est dans %2, dont les dumps sont remis à zéro&#xa0;: choisissez un dossier en dehors</translation>
    </message>
    <message>
        <source>%1: is the copy of another file of this run; %2 is not cleaned</source>
        <translation>%1&#xa0;: est déjà la copie d’un autre fichier de ce passage&#xa0;; %2 n’est pas remis à zéro</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1&#xa0;: impossible d’ouvrir&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: is %2 bytes long, not %3</source>
        <translation>
            <numerusform>%1&#xa0;: fait %2 octet, pas %3</numerusform>
            <numerusform>%1&#xa0;: fait %2 octets, pas %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be read completely</source>
        <translation>%1&#xa0;: n’a pas pu être lu entièrement</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the folder: %2</source>
        <translation>%1&#xa0;: impossible de lire le dossier&#xa0;: %2</translation>
    </message>
    <message>
        <source>only in %1: %2</source>
        <translation>seulement dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>compare needs two files, or two folders</source>
        <translation>compare demande deux fichiers ou deux dossiers</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>l’entrée standard ne peut être lue qu’une fois</translation>
    </message>
    <message>
        <source>convert needs one INPUT and -o OUTPUT</source>
        <translation>convert demande une ENTRÉE et -o SORTIE</translation>
    </message>
    <message>
        <source>convert needs --to bin, ihex or srec, not &quot;%1&quot;</source>
        <translation>convert demande --to bin, ihex ou srec, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: not a 512-byte image (%2); nothing written</source>
        <translation>%1&#xa0;: pas une image de 512 octets (%2)&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>%1: is a terminal, which shows no binary image; send it to a file or a pipe</source>
        <translation>%1&#xa0;: est un terminal, qui n’affiche pas d’image binaire&#xa0;; envoyez-la dans un fichier ou un tube</translation>
    </message>
    <message>
        <source>%1: is a folder; name the file to write</source>
        <translation>%1&#xa0;: est un dossier&#xa0;; indiquez le fichier à écrire</translation>
    </message>
    <message>
        <source>%1: is not a regular file; name the file to write</source>
        <translation>%1&#xa0;: n’est pas un fichier ordinaire&#xa0;; indiquez le fichier à écrire</translation>
    </message>
    <message>
        <source>%1: is the input itself; --force overwrites it with the new copy</source>
        <translation>%1&#xa0;: est le fichier d’entrée lui-même&#xa0;; --force l’écrase avec la nouvelle copie</translation>
    </message>
    <message>
        <source>%1: exists; --force replaces it</source>
        <translation>%1&#xa0;: existe déjà&#xa0;; --force le remplace</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1&#xa0;: impossible d’écrire&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: saved, but the system could not confirm that the new name is on the disk: %2</source>
        <translation>%1&#xa0;: enregistré, mais le système n’a pas pu confirmer que le nouveau nom est sur le disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: cannot write, and the file may now be damaged: %2</source>
        <translation>%1&#xa0;: impossible d’écrire, et le fichier est peut-être endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: cannot write; the old contents were put back, but the system could not confirm them on the disk: %2</source>
        <translation>%1&#xa0;: impossible d’écrire&#xa0;; l’ancien contenu a été restauré, mais le système n’a pas pu le confirmer sur le disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the list of files: %2</source>
        <translation>%1&#xa0;: impossible de lire la liste de fichiers&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossible d’écrire la sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 files</source>
        <translation>
            <numerusform>%1 sur %2 fichier</numerusform>
            <numerusform>%1 sur %2 fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 fichier</numerusform>
            <numerusform>%1 fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown verdict &quot;%1&quot; (valid, bad-checksum, wrong-size, unknown-engine or unreadable)</source>
        <translation>verdict inconnu «&#xa0;%1&#xa0;» (valid, bad-checksum, wrong-size, unknown-engine ou unreadable)</translation>
    </message>
    <message>
        <source>unknown error code &quot;%1&quot; (E0 to ED as the report shows them, or none)</source>
        <translation>code d’erreur inconnu «&#xa0;%1&#xa0;» (E0 à ED comme le rapport les affiche, ou none)</translation>
    </message>
    <message>
        <source>--no-header, --delimiter and --bom are for CSV</source>
        <translation>--no-header, --delimiter et --bom ne valent que pour le CSV</translation>
    </message>
    <message>
        <source>-l prints the paths alone, in no format</source>
        <translation>-l n’affiche que les chemins, sans format</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>format inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs at least one PATH</source>
        <translation>%1 demande au moins un CHEMIN</translation>
    </message>
    <message>
        <source>the PATHs come from --files-from or from the command line, not both</source>
        <translation>les chemins (CHEMIN) viennent de --files-from ou de la ligne de commande, pas des deux</translation>
    </message>
    <message>
        <source>product code</source>
        <translation>code produit</translation>
    </message>
    <message>
        <source>engine type</source>
        <translation>type de moteur</translation>
    </message>
    <message>
        <source>MCU type</source>
        <translation>type de MCU</translation>
    </message>
    <message>
        <source>stored checksum</source>
        <translation>checksum enregistré</translation>
    </message>
    <message>
        <source>computed checksum</source>
        <translation>checksum calculé</translation>
    </message>
    <message>
        <source>checksum verdict</source>
        <translation>résultat du checksum</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>dernière erreur</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>ouverture impossible</translation>
    </message>
    <message>
        <source>wrong size</source>
        <translation>taille incorrecte</translation>
    </message>
    <message>
        <source>incomplete read</source>
        <translation>lecture incomplète</translation>
    </message>
    <message>
        <source>bad records</source>
        <translation>enregistrements erronés</translation>
    </message>
    <message>
        <source>unknown engine</source>
        <translation>moteur inconnu</translation>
    </message>
    <message>
        <source>variable data block (bytes 0-254)</source>
        <translation>bloc de données variables (octets 0 à 254)</translation>
    </message>
    <message>
        <source>byte 255</source>
        <translation>octet 255</translation>
    </message>
    <message>
        <source>identification block (bytes 256-510)</source>
        <translation>bloc d’identification (octets 256 à 510)</translation>
    </message>
    <message>
        <source>byte 511</source>
        <translation>octet 511</translation>
    </message>
    <message>
        <source>%1 and %2 are identical</source>
        <translation>%1 et %2 sont identiques</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 differ in %3 bytes</source>
        <translation>
            <numerusform>%1 et %2 diffèrent de %3 octet</numerusform>
            <numerusform>%1 et %2 diffèrent de %3 octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 differ</source>
        <translation>
            <numerusform>%1&#xa0;: %2 octet différent</numerusform>
            <numerusform>%1&#xa0;: %2 octets différents</numerusform>
        </translation>
    </message>
    <message>
        <source>  offset   A   B</source>
        <translation>  offset   A   B</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>count of %1 (%2)</source>
        <translation>compteur %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1&#xa0;: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>none (only bytes that are not decoded)</source>
        <translation>aucun (seulement des octets non décodés)</translation>
    </message>
    <message>
        <source>fields that differ:</source>
        <translation>champs différents&#xa0;:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>cartes</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the delimiter must be one character, not a letter, a digit, a quote or a line break: &quot;%1&quot;</source>
        <translation>le séparateur doit être un seul caractère, ni lettre, ni chiffre, ni guillemet, ni saut de ligne&#xa0;: «&#xa0;%1&#xa0;»</translation>
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
        <translation>Usage&#xa0;: tavro-cli report [-f text|json|jsonl|csv] [--only VERDICT]
                         [--last-error E] [-l] CHEMIN...
        tavro-cli summary [-f text|json|csv] CHEMIN...
        tavro-cli clear ENTRÉE -o SORTIE [--force]
        tavro-cli clear CHEMIN... --suffix SUFFIXE | -d DESTINATION
                        [--parents] [--force] [--dry-run]
        tavro-cli compare [-q] A B
        tavro-cli convert ENTRÉE -o SORTIE --to bin|ihex|srec [--force]
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
        <translation>Vérifie, remet à zéro, compare et convertit les dumps EEPROM de 512 octets des
cartes de commande des lave-linge Tavro. Un dump, ce sont les 512 octets
eux-mêmes (.bin, .eep) ou le texte Intel HEX ou Motorola S-record qu’écrit un
programmateur d’EEPROM, reconnus d’après le contenu. Un dossier est parcouru
récursivement, dans l’ordre, à la recherche de fichiers .bin, .eep, .hex, .ihx,
.ihex, .s19, .s28, .s37, .srec, .mot et .sx, en majuscules comme en minuscules
; - est l’entrée standard.

Commandes&#xa0;:
  report CHEMIN...   le rapport de chaque fichier, tel que l’affiche la fenêtre
                     de Tavro Tool
  summary CHEMIN...  combien de fichiers il y a par verdict, moteur, MCU,
                     dernière erreur et code produit, et pour chaque erreur
                     combien de cartes l’ont, son total et son plus grand
                     compteur
  clear CHEMIN...    écrit une copie remise à zéro de chacun&#xa0;: octets 0 à 254
                     (historique des erreurs et compteurs) à zéro, tout le
                     reste inchangé, au format de son entrée
  compare A B        dit si deux lectures d’une carte sont identiques et,
                     sinon, quels octets et quels champs décodés diffèrent&#xa0;;
                     pour deux dossiers, chaque paire de fichiers de même
                     chemin relatif, et les fichiers d’un seul côté
  convert ENTRÉE     écrit l’image dans un autre format, octet pour octet

Options&#xa0;:
  -f, --format F        report en text (par défaut), json, jsonl (un objet par
                        ligne) ou csv&#xa0;; summary en text, json ou csv
      --only VERDICT    report des seuls fichiers de ce verdict&#xa0;: valid,
                        bad-checksum, wrong-size, unknown-engine ou unreadable
                       &#xa0;; répétable
      --last-error E    report des seules images dont la dernière erreur est E
                        (E3, ou none)&#xa0;; répétable
  -l, --files-with-matches
                        report des seuls chemins des fichiers, un par ligne
      --files-from F    report, summary, clear&#xa0;: les chemins à prendre sont lus
                        dans le fichier F (- pour l’entrée standard), un par
                        ligne
  -0, --null            les chemins de --files-from, et ceux qu’affiche -l,
                        finissent par un caractère NUL (find -print0, xargs -0)
      --no-header       CSV sans ligne d’en-tête
      --delimiter C     CSV aux champs séparés par C (; par exemple)
      --bom             CSV commençant par l’indicateur d’ordre des octets
                        UTF-8, pour les tableurs
  -o, --output F        clear, convert&#xa0;: le fichier à écrire&#xa0;; - (ou
                        /dev/stdout) est la sortie standard
      --suffix S        clear&#xa0;: chaque copie à côté de son entrée, S inséré
                        avant l’extension
  -d, --output-dir D    clear&#xa0;: chaque copie sous D, au chemin de son entrée
                        relatif au dossier indiqué
      --parents         clear&#xa0;: chaque copie sous D au chemin complet de son
                        entrée, tel qu’indiqué (cp --parents), pour que des
                        fichiers de même nom venant de dossiers différents
                        restent séparés
      --dry-run         clear&#xa0;: affiche ce qui serait écrit, et n’écrit rien
      --force           clear, convert&#xa0;: remplace un fichier existant, même
                        l’entrée elle-même
      --to F            convert&#xa0;: bin (les 512 octets), ihex (Intel HEX) ou
                        srec (S-record)
  -q, --quiet           compare&#xa0;: aucune sortie, le code de retour seul
  -h, --help            cette aide
  -v, --version         la version et le numéro de build
  --                    termine les options&#xa0;: un nom de fichier après peut
                        commencer par -

Code de retour, le même pour chaque commande&#xa0;:
  0    tout est bon&#xa0;: chaque fichier est une image valide au checksum
       correct, un fichier est sélectionné (--only, --last-error), chaque
       copie est écrite, les fichiers sont identiques
  1    un constat&#xa0;: un fichier ne l’est pas, aucun n’est sélectionné, une
       entrée ou une sortie est refusée, les fichiers diffèrent
  2    une erreur d’utilisation, un chemin qui n’existe pas, un dossier ou une
       liste illisible, un fichier que compare ne peut pas lire, une sortie
       qui n’a pas pu être écrite
  130  interrompu (Ctrl+C)
  141  la sortie standard a été fermée par son lecteur (| head)
Voir tavro-cli(1).
</translation>
    </message>
    <message>
        <source>--parents keeps each path below the folder of -d OUTDIR</source>
        <translation>--parents garde chaque chemin sous le dossier de -d DESTINATION</translation>
    </message>
    <message>
        <source>%1: a path that climbs out with .. cannot be kept below %2; not cleaned</source>
        <translation>%1&#xa0;: un chemin qui remonte avec .. ne peut pas être gardé sous %2&#xa0;; pas remis à zéro</translation>
    </message>
    <message>
        <source>no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot or .sx file)</source>
        <translation>aucun dump trouvé (aucun fichier .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, .srec, .mot ou .sx)</translation>
    </message>
    <message numerus="yes">
        <source>%1 refused</source>
        <translation>
            <numerusform>%1 refusé</numerusform>
            <numerusform>%1 refusés</numerusform>
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
            <numerusform>%1 serait écrit</numerusform>
            <numerusform>%1 seraient écrits</numerusform>
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
            <numerusform>%1 écrit</numerusform>
            <numerusform>%1 écrits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 failed</source>
        <translation>
            <numerusform>%1 en échec</numerusform>
            <numerusform>%1 en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>valid</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>valide</numerusform>
            <numerusform>valides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bad checksum</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>au checksum erroné</numerusform>
            <numerusform>au checksum erroné</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrong size</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>de taille incorrecte</numerusform>
            <numerusform>de taille incorrecte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unknown engine</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>au moteur inconnu</numerusform>
            <numerusform>au moteur inconnu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>unreadable</source>
        <comment>files of a verdict</comment>
        <translation>
            <numerusform>illisible</numerusform>
            <numerusform>illisibles</numerusform>
        </translation>
    </message>
</context>
</TS>
