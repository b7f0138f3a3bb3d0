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
        <translation>Erreur programmateur</translation>
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
        <source>File size : </source>
        <translation>Taille du fichier&#xa0;: </translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>Wrong file size</source>
        <translation>Taille de fichier incorrecte</translation>
    </message>
    <message>
        <source>Damaged file of not a Tavro firmware</source>
        <translation>Fichier endommagé ou firmware non Tavro</translation>
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
        <source>Read error: the file could not be read completely</source>
        <translation>Erreur de lecture&#xa0;: le fichier n’a pas pu être lu entièrement</translation>
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
        <source>Cannot save file: %1: %2</source>
        <translation>Impossible d’enregistrer le fichier&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file, and it may now be damaged: %1: %2</source>
        <translation>Impossible d’enregistrer le fichier, qui est peut-être endommagé&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot save file; its old contents were put back, but the system could not confirm them on the disk: %1: %2</source>
        <translation>Impossible d’enregistrer le fichier&#xa0;; l’ancien contenu a été restauré, mais le système n’a pas pu confirmer qu’il est sur le disque&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>the file was replaced by another while it was being saved; nothing written</source>
        <translation>le fichier a été remplacé par un autre pendant l’enregistrement&#xa0;; rien n’a été écrit</translation>
    </message>
</context>
</TS>
