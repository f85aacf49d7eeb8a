<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Prints the contacts that match the words, as --find finds them, each in full with all its details: one "Label: value" a line, or a vCard 4.0 with --format vcard4. Ends with 0 when something matched, else 1.</source>
        <translation>Affiche les contacts qui correspondent aux mots, comme --find les trouve, chacun en entier avec tous ses détails : une ligne « Libellé : valeur » par détail, ou une vCard 4.0 avec --format vcard4. Se termine par 0 si quelque chose correspond, sinon par 1.</translation>
    </message>
    <message>
        <source>--show cannot be given with --find, --query, --import or --export.</source>
        <translation>--show ne peut pas être donné avec --find, --query, --import ou --export.</translation>
    </message>
    <message>
        <source>--show takes --view and --format vcard4.</source>
        <translation>--show accepte --view et --format vcard4.</translation>
    </message>
    <message>
        <source>The folder '%1' for the address book cannot be created or entered.</source>
        <translation>Le dossier « %1 » du carnet d'adresses ne peut être ni créé ni ouvert.</translation>
    </message>
    <message>
        <source>
Try 'varnelle --help' for the options.</source>
        <translation>
Essayez « varnelle --help » pour voir les options.</translation>
    </message>
    <message>
        <source>%1: an address book.</source>
        <translation>%1 : un carnet d'adresses.</translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation>Affiche ces options.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Imports the contacts of a vCard or CSV file into Address.mdb in the current folder, prints a summary and ends.</source>
        <translation>Importe les contacts d'un fichier vCard ou CSV dans Address.mdb du dossier courant, affiche un résumé et se termine.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Where imported contacts go: business, personal, current (the view shown at the last start) or by-company (business when a company is given; the default).</source>
        <translation>Où vont les contacts importés : business (professionnels), personal (personnels), current (la vue affichée au dernier démarrage) ou by-company (professionnels si une société est indiquée ; par défaut).</translation>
    </message>
    <message>
        <source>view</source>
        <translation>vue</translation>
    </message>
    <message>
        <source>Exports the contacts of Address.mdb in the current folder to a file and ends.</source>
        <translation>Exporte les contacts d'Address.mdb du dossier courant vers un fichier et se termine.</translation>
    </message>
    <message>
        <source>The export's format: vcard4, vcard3 or csv (default: csv for a *.csv file, else vcard4).</source>
        <translation>Le format de l'export : vcard4, vcard3 ou csv (par défaut : csv pour un fichier *.csv, sinon vcard4).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>Keeps the address book in the user's data folder instead of the current folder.</source>
        <translation>Garde le carnet d'adresses dans le dossier de données de l'utilisateur au lieu du dossier courant.</translation>
    </message>
    <message>
        <source>Unexpected argument '%1'.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>%1 %2.%3</source>
        <translation>%1 %2.%3</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import et --export ne peuvent pas être donnés ensemble.</translation>
    </message>
    <message>
        <source>--into takes business, personal, current or by-company, not '%1'.</source>
        <translation>--into prend business, personal, current ou by-company, et non « %1 ».</translation>
    </message>
    <message>
        <source>--into belongs to --import.</source>
        <translation>--into va avec --import.</translation>
    </message>
    <message>
        <source>--format takes vcard4, vcard3 or csv, not '%1'.</source>
        <translation>--format prend vcard4, vcard3 ou csv, et non « %1 ».</translation>
    </message>
    <message>
        <source>--view takes business, personal or all, not '%1'.</source>
        <translation>--view prend business, personal ou all, et non « %1 ».</translation>
    </message>
    <message>
        <source>--format and --view belong to --export.</source>
        <translation>--format et --view vont avec --export.</translation>
    </message>
    <message>
        <source>Prints the contacts that match the words, as the search box finds them: name, company, first number and e-mail, tab-separated. Ends with 0 when something matched, else 1.</source>
        <translation>Affiche les contacts qui correspondent aux mots, comme les trouve la zone de recherche : nom, société, premier numéro et adresse électronique, séparés par des tabulations. Se termine par 0 si quelque chose correspond, sinon par 1.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>Answers a mail program's address query: a first line, then address, name and company of each match with an e-mail.</source>
        <translation>Répond à la requête d'adresses d'un programme de messagerie : une première ligne, puis l'adresse, le nom et la société de chaque résultat ayant une adresse électronique.</translation>
    </message>
    <message>
        <source>Which contacts to export or find: business, personal or all (the default).</source>
        <translation>Les contacts à exporter ou à chercher : business, personal ou all (par défaut).</translation>
    </message>
    <message>
        <source>--find and --query cannot be given with each other, --import or --export.</source>
        <translation>--find et --query ne peuvent être donnés ni ensemble, ni avec --import ou --export.</translation>
    </message>
    <message>
        <source>--find takes --view; --query takes no option.</source>
        <translation>--find prend --view ; --query ne prend aucune option.</translation>
    </message>
    <message numerus="yes">
        <source>Varnelle: %n matching address(es)</source>
        <translation>
            <numerusform>Varnelle : %n adresse correspondante</numerusform>
            <numerusform>Varnelle : %n adresses correspondantes</numerusform>
        </translation>
    </message>
    <message>
        <source>a table and its indexes do not count the same rows</source>
        <translation>une table et ses index ne comptent pas les mêmes lignes</translation>
    </message>
    <message>
        <source>The database file '%1' is sound.</source>
        <translation>Le fichier de base de données « %1 » est sain.</translation>
    </message>
    <message>
        <source>The database file '%1' was sound and has been compacted.</source>
        <translation>Le fichier de base de données « %1 » était sain et a été compacté.</translation>
    </message>
    <message>
        <source>%1 %2 saved, an unknown number lost</source>
        <translation>%1 : %2 lignes sauvées, nombre de lignes perdues inconnu</translation>
    </message>
    <message>
        <source>%1 %2 saved, %3 lost</source>
        <translation>%1 : %2 lignes sauvées, %3 perdues</translation>
    </message>
    <message>
        <source>The database file '%1' was salvaged: %2.</source>
        <translation>Le fichier de base de données « %1 » a été récupéré : %2.</translation>
    </message>
    <message>
        <source>Checks Address.mdb in the current folder for damage and ends: status 0 when it is sound, 1 when it is damaged.</source>
        <translation>Vérifie si Address.mdb du dossier courant est endommagé et se termine : état 0 s'il est sain, 1 s'il est endommagé.</translation>
    </message>
    <message>
        <source>Repairs Address.mdb in the current folder as File &gt; Repair Database does, prints what it did and ends: status 0 when the book is sound or repaired.</source>
        <translation>Répare Address.mdb du dossier courant comme Fichier &gt; Réparer la base de données, affiche ce qui a été fait et se termine : état 0 si le carnet est sain ou réparé.</translation>
    </message>
    <message>
        <source>Writes every line of the import's summary to a file; the summary printed groups them by kind.</source>
        <translation>Écrit chaque ligne du résumé de l'importation dans un fichier ; le résumé affiché les regroupe par type.</translation>
    </message>
    <message>
        <source>--summary belongs to --import.</source>
        <translation>--summary va avec --import.</translation>
    </message>
    <message>
        <source>The import succeeded, but its summary could not be written to '%1': %2.</source>
        <translation>L'importation a réussi, mais son résumé n'a pas pu être écrit dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>The import needed more memory than the computer has free and was stopped. Nothing was imported; the address book is unchanged.</source>
        <translation>L'importation demandait plus de mémoire que l'ordinateur n'en a de libre et a été arrêtée. Rien n'a été importé ; le carnet d'adresses est inchangé.</translation>
    </message>
    <message>
        <source>The export needed more memory than the computer has free and was stopped. The file '%1' was not written.</source>
        <translation>L'exportation demandait plus de mémoire que l'ordinateur n'en a de libre et a été arrêtée. Le fichier « %1 » n'a pas été écrit.</translation>
    </message>
    <message>
        <source>The command needed more memory than the computer has free and was stopped.</source>
        <translation>La commande demandait plus de mémoire que l'ordinateur n'en a de libre et a été arrêtée.</translation>
    </message>
    <message>
        <source>The command was stopped by an unexpected failure: %1.</source>
        <translation>La commande a été arrêtée par une défaillance inattendue : %1.</translation>
    </message>
    <message>
        <source>The command was stopped by an unexpected failure.</source>
        <translation>La commande a été arrêtée par une défaillance inattendue.</translation>
    </message>
    <message>
        <source>No contact was imported: every contact of the file is already in the address book.</source>
        <translation>Aucun contact n'a été importé : chaque contact du fichier est déjà dans le carnet d'adresses.</translation>
    </message>
    <message>
        <source>No contact was imported: the file holds none that could be read.</source>
        <translation>Aucun contact n'a été importé : le fichier n'en contient aucun qui puisse être lu.</translation>
    </message>
    <message>
        <source>Opens the window with the contact of this number (its PersonID) in the editor.</source>
        <translation>Ouvre la fenêtre avec le contact de ce numéro (son PersonID) dans l’éditeur.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>Opens the window with the words in its search box.</source>
        <translation>Ouvre la fenêtre avec les mots dans sa zone de recherche.</translation>
    </message>
    <message>
        <source>Answers the desktop's search (GNOME Shell, KRunner) over the session bus from the address book, without a window, until the bus ends. The desktop starts it itself.</source>
        <translation>Répond à la recherche du bureau (GNOME Shell, KRunner) sur le bus de session à partir du carnet d’adresses, sans fenêtre, jusqu’à la fin du bus. Le bureau le lance lui-même.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>vCard or CSV files to import in the window, each as File &gt; Import Contacts does; to the window already open on the book when there is one.</source>
        <translation>Fichiers vCard ou CSV à importer dans la fenêtre, chacun comme le fait Fichier &gt; Importer des contacts ; à la fenêtre déjà ouverte sur le carnet s’il y en a une.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[fichiers...]</translation>
    </message>
    <message>
        <source>--%1 cannot be given with --%2.</source>
        <translation>--%1 ne peut pas être donné avec --%2.</translation>
    </message>
    <message>
        <source>--edit-contact takes the number of a contact, not '%1'.</source>
        <translation>--edit-contact prend le numéro d’un contact, pas « %1 ».</translation>
    </message>
<message>
        <source>Prints the changes of the book, newest first: number, time and what was done.</source>
        <translation>Affiche les modifications du carnet, les plus récentes d'abord : numéro, heure et ce qui a été fait.</translation>
    </message>
    <message>
        <source>With --history: prints at most this many changes.</source>
        <translation>Avec --history : affiche au plus ce nombre de modifications.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Undoes the newest change not yet undone, or the change of the number given after it.</source>
        <translation>Annule la modification la plus récente non encore annulée, ou la modification du numéro donné après.</translation>
    </message>
    <message>
        <source>With --undo: undoes later changes of the same contacts too, where they stand in the way.</source>
        <translation>Avec --undo : annule aussi les modifications ultérieures des mêmes contacts qui s'y opposent.</translation>
    </message>
    <message>
        <source>Redoes the change undone last.</source>
        <translation>Rétablit la dernière modification annulée.</translation>
    </message>
    <message>
        <source>Prints the contacts deleted that can be restored: number, time, name and what deleted it.</source>
        <translation>Affiche les contacts supprimés qui peuvent être restaurés : numéro, heure, nom et ce qui les a supprimés.</translation>
    </message>
    <message>
        <source>Restores the deleted contacts of the numbers given after it, as --deleted prints them.</source>
        <translation>Restaure les contacts supprimés des numéros donnés après, tels que --deleted les affiche.</translation>
    </message>
    <message>
        <source>--%1 cannot be given with --history, --undo, --redo, --deleted or --restore.</source>
        <translation>--%1 ne peut pas être donné avec --history, --undo, --redo, --deleted ou --restore.</translation>
    </message>
    <message>
        <source>Give one of --history, --undo, --redo, --deleted and --restore at a time.</source>
        <translation>Donnez une seule des options --history, --undo, --redo, --deleted et --restore à la fois.</translation>
    </message>
    <message>
        <source>--limit belongs to --history.</source>
        <translation>--limit va avec --history.</translation>
    </message>
    <message>
        <source>--force belongs to --undo.</source>
        <translation>--force va avec --undo.</translation>
    </message>
    <message>
        <source>--limit takes a number, not '%1'.</source>
        <translation>--limit attend un nombre, pas '%1'.</translation>
    </message>
    <message>
        <source>--undo takes one number at most.</source>
        <translation>--undo prend au plus un numéro.</translation>
    </message>
    <message>
        <source>--restore takes the numbers of the contacts to restore, as --deleted prints them.</source>
        <translation>--restore attend les numéros des contacts à restaurer, tels que --deleted les affiche.</translation>
    </message>
    <message>
        <source>'%1' is not a number of a change or a deleted contact.</source>
        <translation>'%1' n'est pas le numéro d'une modification ni d'un contact supprimé.</translation>
    </message>
    <message>
        <source>Its history keeps %1 changes of %2 rows in %3 KB.</source>
        <translation>Son historique garde %1 modifications de %2 lignes en %3 Ko.</translation>
    </message>
    </context>
<context>
    <name>ContactList</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>DesktopSearch</name>
    <message>
        <source>Copy E-Mail Address</source>
        <translation>Copier l’adresse électronique</translation>
    </message>
    <message>
        <source>Copy Number</source>
        <translation>Copier le numéro</translation>
    </message>
    <message>
        <source>The desktop's search cannot be served: there is no session bus (%1).</source>
        <translation>La recherche du bureau ne peut pas être servie : il n’y a pas de bus de session (%1).</translation>
    </message>
    <message>
        <source>The desktop's search cannot be served: %1.</source>
        <translation>La recherche du bureau ne peut pas être servie : %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk reported an error while reading or writing it</source>
        <translation>le disque a signalé une erreur de lecture ou d'écriture</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>permission to change it is denied</source>
        <translation>l'autorisation de le modifier est refusée</translation>
    </message>
    <message>
        <source>its name or path is longer than the system allows</source>
        <translation>son nom ou son chemin est plus long que ce que le système permet</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c'est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a pipe (FIFO), not a file</source>
        <translation>c'est un tube (FIFO), pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c'est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c'est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>the system gave no cause</source>
        <translation>le système n'a donné aucune cause</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>%1 %2 did not fit and %3 left out: this box holds at most %4 characters.</source>
        <translation>%1 %2 %3 omis, car cette zone accepte au plus %4 caractères.</translation>
    </message>
    <message>
        <source>character</source>
        <translation>caractère</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caractères</translation>
    </message>
    <message>
        <source>was</source>
        <translation>a été</translation>
    </message>
    <message>
        <source>were</source>
        <translation>ont été</translation>
    </message>
    <message>
        <source>This box holds at most %1 characters.</source>
        <translation>Cette zone accepte au plus %1 caractères.</translation>
    </message>
</context>
<context>
    <name>Interchange</name>
    <message>
        <source>Text that names no character set and is not UTF-8 was read as %1, the set its bytes suggest.</source>
        <translation>Le texte qui ne nomme aucun jeu de caractères et n'est pas en UTF-8 a été lu comme %1, le jeu que suggèrent ses octets.</translation>
    </message>
    <message>
        <source>Text that names no character set and is not UTF-8 was read as %1, the set the file names for other values.</source>
        <translation>Le texte qui ne nomme aucun jeu de caractères et n'est pas en UTF-8 a été lu comme %1, le jeu que le fichier nomme pour d'autres valeurs.</translation>
    </message>
    <message>
        <source>Contacts are never exported to '%1': that is a database file. Choose another name.</source>
        <translation>Les contacts ne sont jamais exportés vers « %1 » : c'est un fichier de base de données. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Contacts are never exported to '%1': that is a report definition. Choose another name.</source>
        <translation>Les contacts ne sont jamais exportés vers « %1 » : c'est une définition de rapport. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>The file '%1' could not be written: %2.</source>
        <translation>Le fichier « %1 » n'a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source> Nothing was imported; the address book is unchanged.</source>
        <translation> Rien n'a été importé ; le carnet d'adresses est inchangé.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>New telephone types: %1.</source>
        <translation>Nouveaux types de téléphone : %1.</translation>
    </message>
    <message>
        <source>%1 held NUL characters, which were left out.</source>
        <translation>%1 contenait des caractères NUL, qui ont été omis.</translation>
    </message>
    <message>
        <source>The address book cannot begin the import: it is in use. Try again.</source>
        <translation>Le carnet d'adresses ne peut pas commencer l'import : il est utilisé. Réessayez.</translation>
    </message>
    <message>
        <source>The import was cancelled; the address book is unchanged.</source>
        <translation>L'import a été annulé ; le carnet d'adresses est inchangé.</translation>
    </message>
    <message>
        <source>The address book could not keep the imported contacts.</source>
        <translation>Le carnet d'adresses n'a pas pu garder les contacts importés.</translation>
    </message>
    <message>
        <source>The file '%1' cannot be imported. %2</source>
        <translation>Le fichier « %1 » ne peut pas être importé. %2</translation>
    </message>
    <message>
        <source>The file '%1' cannot be read: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>the contact at line %1</source>
        <translation>le contact de la ligne %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>The file is empty: it holds no heading row and no contacts.</source>
        <translation>Le fichier est vide : il ne contient ni ligne d'en-tête ni contacts.</translation>
    </message>
    <message>
        <source>the line holds binary data (byte 0x%1 at column %2), which no vCard file holds. This is not a vCard file, or it is damaged.</source>
        <translation>la ligne contient des données binaires (octet 0x%1 en colonne %2), ce qu'aucun fichier vCard ne contient. Ce n'est pas un fichier vCard, ou il est endommagé.</translation>
    </message>
    <message>
        <source>the quoted-printable sequence "%1" is invalid: '=' must be followed by two hexadecimal digits.</source>
        <translation>la séquence quoted-printable « %1 » est invalide : « = » doit être suivi de deux chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>"%1" stands where a card should begin with BEGIN:VCARD. This is not a vCard file, or it is damaged.</source>
        <translation>« %1 » se trouve là où une carte devrait commencer par BEGIN:VCARD. Ce n'est pas un fichier vCard, ou il est endommagé.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The &amp;current view (business)</source>
        <translation>La &amp;vue actuelle (professionnels)</translation>
    </message>
    <message>
        <source>The &amp;current view (personal)</source>
        <translation>La &amp;vue actuelle (personnels)</translation>
    </message>
    <message>
        <source>1 contact exported to %1.</source>
        <translation>1 contact exporté vers %1.</translation>
    </message>
    <message>
        <source>%1 contacts exported to %2.</source>
        <translation>%1 contacts exportés vers %2.</translation>
    </message>
    <message>
        <source> from %1</source>
        <translation> depuis %1</translation>
    </message>
    <message>
        <source>1 contact imported%1; %2 already present.</source>
        <translation>1 contact importé%1 ; %2 déjà présent(s).</translation>
    </message>
    <message>
        <source>%1 contacts imported%2; %3 already present.</source>
        <translation>%1 contacts importés%2 ; %3 déjà présent(s).</translation>
    </message>
    <message>
        <source>1 value could not be placed in the book:</source>
        <translation>1 valeur n'a pas pu être placée dans le carnet :</translation>
    </message>
    <message>
        <source>%1 values could not be placed in the book:</source>
        <translation>%1 valeurs n'ont pas pu être placées dans le carnet :</translation>
    </message>
    <message>
        <source>Already in the book, not added again:</source>
        <translation>Déjà dans le carnet, non ajoutés à nouveau :</translation>
    </message>
    <message>
        <source>Skipped in the file:</source>
        <translation>Éléments ignorés dans le fichier :</translation>
    </message>
    <message>
        <source>the end-of-file mark of DOS (Ctrl+Z) was skipped.</source>
        <translation>la marque de fin de fichier de DOS (Ctrl+Z) a été ignorée.</translation>
    </message>
    <message>
        <source>The lines of the file end with CR alone, as old Macintosh programs write them; they were read as lines.</source>
        <translation>Les lignes du fichier se terminent par CR seul, comme les écrivent les anciens programmes Macintosh ; elles ont été lues comme des lignes.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no contacts.</source>
        <translation>Le fichier est vide : il ne contient aucun contact.</translation>
    </message>
    <message>
        <source>the comment "%1" was skipped.</source>
        <translation>le commentaire « %1 » a été ignoré.</translation>
    </message>
    <message>
        <source>the line before ends with a backslash; this line was read as the rest of its value.</source>
        <translation>la ligne précédente se termine par une barre oblique inverse ; cette ligne a été lue comme la suite de sa valeur.</translation>
    </message>
    <message>
        <source>%1 is in the character set "%2", which this program cannot read; not imported.</source>
        <translation>%1 est dans le jeu de caractères « %2 », que ce programme ne sait pas lire ; non importé.</translation>
    </message>
    <message>
        <source>%1 "%2" is no date; it was kept as text.</source>
        <translation>%1 « %2 » n’est pas une date ; conservé comme texte.</translation>
    </message>
    <message>
        <source>a card within the card of line %1, up to line %2, was skipped.</source>
        <translation>une carte à l'intérieur de la carte de la ligne %1, jusqu'à la ligne %2, a été ignorée.</translation>
    </message>
    <message>
        <source>the group "%1" is a list of contacts, not a contact; not imported.</source>
        <translation>le groupe « %1 » est une liste de contacts, pas un contact ; non importé.</translation>
    </message>
    <message>
        <source>"%1" is not a vCard property (it has no name and ':'); skipped.</source>
        <translation>« %1 » n'est pas une propriété vCard (il n'a ni nom ni « : ») ; ignoré.</translation>
    </message>
    <message>
        <source>Already in the book</source>
        <translation>Déjà dans le carnet</translation>
    </message>
    <message>
        <source>Contacts with nothing the book holds</source>
        <translation>Contacts sans rien que le carnet puisse contenir</translation>
    </message>
    <message>
        <source>Skipped in the file</source>
        <translation>Ignorés dans le fichier</translation>
    </message>
    <message>
        <source>NUL characters left out</source>
        <translation>Caractères NUL omis</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contact</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contacts</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>(listed)</source>
        <translation>(listés)</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>the row has more than %1 cells, far more than any file of contacts has columns. This is not a contact file, or it is damaged.</source>
        <translation>la ligne a plus de %1 cellules, bien plus de colonnes qu'aucun fichier de contacts n'en a. Ce n'est pas un fichier de contacts, ou il est endommagé.</translation>
    </message>
    <message>
        <source>the row is longer than %1 MB, far more than any contact holds. This is not a contact file, or it is damaged.</source>
        <translation>la ligne dépasse %1 Mo, bien plus que ce que contient un contact. Ce n'est pas un fichier de contacts, ou il est endommagé.</translation>
    </message>
    <message>
        <source>a cell is longer than %1 MB, far more than any contact holds. This is not a contact file, or it is damaged.</source>
        <translation>une cellule dépasse %1 Mo, bien plus que ce que contient un contact. Ce n'est pas un fichier de contacts, ou il est endommagé.</translation>
    </message>
    <message>
        <source>the line is longer than %1 MB, far more than any contact holds. This is not a vCard file, or it is damaged.</source>
        <translation>la ligne dépasse %1 Mo, bien plus que ce que contient un contact. Ce n'est pas un fichier vCard, ou il est endommagé.</translation>
    </message>
    <message>
        <source>the card has more than %1 lines, far more than any contact has; skipped.</source>
        <translation>la carte a plus de %1 lignes, bien plus qu'aucun contact n'en a ; ignorée.</translation>
    </message>
    <message>
        <source>the card holds more than %1 MB of text, far more than any contact holds; skipped.</source>
        <translation>la carte contient plus de %1 Mo de texte, bien plus qu'aucun contact ; ignorée.</translation>
    </message>
    <message>
        <source>"%1" stands outside any card; skipped.</source>
        <translation>« %1 » se trouve hors de toute carte ; ignoré.</translation>
    </message>
    <message>
        <source>"%1" and the lines after it up to line %2 stand outside any card; skipped.</source>
        <translation>« %1 » et les lignes suivantes jusqu'à la ligne %2 se trouvent hors de toute carte ; ignorés.</translation>
    </message>
    <message>
        <source>a card within the card of line %1, up to the end of the file, was skipped.</source>
        <translation>une carte à l'intérieur de la carte de la ligne %1, jusqu'à la fin du fichier, a été ignorée.</translation>
    </message>
    <message>
        <source>the card has no END:VCARD; it was read up to the end of the file.</source>
        <translation>la carte n'a pas de END:VCARD ; elle a été lue jusqu'à la fin du fichier.</translation>
    </message>
<message>
        <source>%1 %2 is longer than %3 characters; not imported.</source>
        <translation>%1 %2 dépasse %3 caractères ; non importé.</translation>
    </message>
    <message>
        <source>the type name %1 of the number %2 is longer than %3 characters; not imported.</source>
        <translation>le nom de type %1 du numéro %2 dépasse %3 caractères ; non importé.</translation>
    </message>
    <message>
        <source>%1 number %2: the book keeps one number of each type, and %3 is already stored; not imported.</source>
        <translation>%1 numéro %2 : le carnet garde un numéro de chaque type, et %3 est déjà enregistré ; non importé.</translation>
    </message>
    <message>
        <source>Values too long</source>
        <translation>Valeurs trop longues</translation>
    </message>
    <message>
        <source>Numbers of a type already given</source>
        <translation>Numéros d'un type déjà donné</translation>
    </message>
    </context>
<context>
    <name>Repair</name>
    <message>
        <source>an unknown number of %1</source>
        <translation>un nombre inconnu de %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>contact</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contacts</translation>
    </message>
    <message>
        <source>telephone number</source>
        <translation>numéro de téléphone</translation>
    </message>
    <message>
        <source>telephone numbers</source>
        <translation>numéros de téléphone</translation>
    </message>
    <message>
        <source>telephone type</source>
        <translation>type de téléphone</translation>
    </message>
    <message>
        <source>telephone types</source>
        <translation>types de téléphone</translation>
    </message>
    <message>
        <source>The database file '%1' was damaged. What could still be read is in the repaired file: %2 were saved. %3 The damaged file is kept as '%4'.</source>
        <translation>Le fichier de base de données « %1 » était endommagé. Ce qui pouvait encore être lu se trouve dans le fichier réparé : %2 ont été sauvés. %3 Le fichier endommagé est conservé sous le nom « %4 ».</translation>
    </message>
    <message>
        <source>Nothing was lost.</source>
        <translation>Rien n'a été perdu.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 n'ont pas pu être lus.</translation>
    </message>
    <message>
        <source>Telephone types that numbers still use were lost and have been made again, each named 'Type' and its number: %1.</source>
        <translation>Des types de téléphone encore utilisés par des numéros étaient perdus et ont été recréés, chacun nommé « Type » suivi de son numéro : %1.</translation>
    </message>
    <message>
        <source>An earlier repair was interrupted; the file '%1' it left was removed.</source>
        <translation>Une réparation précédente a été interrompue ; le fichier « %1 » qu'elle a laissé a été supprimé.</translation>
    </message>
    <message>
        <source>Saving what can still be read...</source>
        <translation>Sauvegarde de ce qui peut encore être lu...</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>--%1 cannot be given with --report.</source>
        <translation>--%1 ne peut pas être donné avec --report.</translation>
    </message>
    <message>
        <source>--%1 belongs to --report.</source>
        <translation>--%1 va avec --report.</translation>
    </message>
    <message>
        <source>
Reports of the Reports menu, without a window:
  --report address|telephone|detail [--view business|personal]
      --to &lt;file&gt; [--format pdf|txt|csv|tsv|dif|record]  or  --printer [&lt;queue&gt;] [--copies &lt;n&gt;]
      [--company &lt;x&gt;] [--state &lt;y&gt;] [--last-name &lt;z&gt;] [--exclude]
                     Writes the Address List, Telephone List or Detail Report of
                     the view (default: the view shown at the last start) to a
                     file (its format by its name unless given) or prints it.
                     --company, --state and --last-name select as Partial Report
                     does; --exclude keeps the contacts that differ from them.
</source>
        <translation>
Rapports du menu Rapports, sans fenêtre :
  --report address|telephone|detail [--view business|personal]
      --to &lt;fichier&gt; [--format pdf|txt|csv|tsv|dif|record]  ou  --printer [&lt;file d'attente&gt;] [--copies &lt;n&gt;]
      [--company &lt;x&gt;] [--state &lt;y&gt;] [--last-name &lt;z&gt;] [--exclude]
                     Écrit la liste d'adresses, la liste de téléphones ou le
                     rapport détaillé de la vue (par défaut celle du dernier
                     démarrage) dans un fichier (son format d'après son nom, s'il
                     n'est pas donné) ou l'imprime. --company, --state et
                     --last-name sélectionnent comme un rapport partiel ;
                     --exclude garde les contacts qui en diffèrent.
</translation>
    </message>
    <message>
        <source>--report takes address, telephone or detail, not '%1'.</source>
        <translation>--report prend address, telephone ou detail, et non « %1 ».</translation>
    </message>
    <message>
        <source>--report needs either --to &lt;file&gt; or --printer.</source>
        <translation>--report demande soit --to &lt;fichier&gt;, soit --printer.</translation>
    </message>
    <message>
        <source>--format belongs to --to, --copies to --printer.</source>
        <translation>--format va avec --to, --copies avec --printer.</translation>
    </message>
    <message>
        <source>--format takes pdf, txt, csv, tsv, dif or record, not '%1'.</source>
        <translation>--format prend pdf, txt, csv, tsv, dif ou record, et non « %1 ».</translation>
    </message>
    <message>
        <source>The name '%1' does not tell the report's format: give --format pdf, txt, csv, tsv, dif or record.</source>
        <translation>Le nom « %1 » ne dit pas le format du rapport : donnez --format pdf, txt, csv, tsv, dif ou record.</translation>
    </message>
    <message>
        <source>--copies takes a number of at least 1, not '%1'.</source>
        <translation>--copies prend un nombre d'au moins 1, et non « %1 ».</translation>
    </message>
    <message>
        <source>--exclude needs --company, --state or --last-name.</source>
        <translation>--exclude demande --company, --state ou --last-name.</translation>
    </message>
    <message>
        <source>There is no printer '%1'.</source>
        <translation>Il n'y a pas d'imprimante « %1 ».</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(continued)</source>
        <translation>(suite)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contact</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contacts</translation>
    </message>
    <message>
        <source>No data file was named for the report.</source>
        <translation>Aucun fichier de données n'a été indiqué pour le rapport.</translation>
    </message>
    <message>
        <source>The data file "%1" cannot be found.</source>
        <translation>Le fichier de données « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The data file "%1" is damaged: the report cannot read its contacts.</source>
        <translation>Le fichier de données « %1 » est endommagé : le rapport ne peut pas lire ses contacts.</translation>
    </message>
    <message>
        <source>The data file "%1" %2 as a contacts database: %3.</source>
        <translation>Le fichier de données « %1 » %2 comme base de contacts : %3.</translation>
    </message>
    <message>
        <source>The report definition file "%1" is not a valid report definition: %2.</source>
        <translation>Le fichier de définition de rapport « %1 » n'est pas une définition de rapport valide : %2.</translation>
    </message>
    <message>
        <source>the width of %1 must be a whole number from 1 to 1000</source>
        <translation>la largeur de %1 doit être un nombre entier de 1 à 1000</translation>
    </message>
    <message>
        <source>%1 must name at least one field in a list</source>
        <translation>%1 doit nommer au moins un champ dans une liste</translation>
    </message>
    <message>
        <source>%1 names "%2", which is not a field of table Address</source>
        <translation>%1 nomme « %2 », qui n'est pas un champ de la table Address</translation>
    </message>
    <message>
        <source>%1 at character %2</source>
        <translation>%1 au caractère %2</translation>
    </message>
    <message>
        <source>it must hold one JSON object</source>
        <translation>il doit contenir un seul objet JSON</translation>
    </message>
    <message>
        <source>it has no "title"</source>
        <translation>il n'a pas de « title »</translation>
    </message>
    <message>
        <source>"contacts" must be "business", "personal" or "all"</source>
        <translation>« contacts » doit valoir « business », « personal » ou « all »</translation>
    </message>
    <message>
        <source>"layout" must be "table" or "card"</source>
        <translation>« layout » doit valoir « table » ou « card »</translation>
    </message>
    <message>
        <source>it must list at least one column under "columns"</source>
        <translation>il doit lister au moins une colonne sous « columns »</translation>
    </message>
    <message>
        <source>%1 must be a JSON object</source>
        <translation>%1 doit être un objet JSON</translation>
    </message>
    <message>
        <source>%1 has no "heading"</source>
        <translation>%1 n'a pas de « heading »</translation>
    </message>
    <message>
        <source>"telephones" must be an object with a heading and a width</source>
        <translation>« telephones » doit être un objet avec un titre et une largeur</translation>
    </message>
    <message>
        <source>The report definition file "%1" cannot be read: %2.</source>
        <translation>Le fichier de définition de rapport « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>il dépasse 1 Mo</translation>
    </message>
    <message>
        <source>No report definition file was named.</source>
        <translation>Aucun fichier de définition de rapport n'a été indiqué.</translation>
    </message>
    <message>
        <source>The report definition file "%1" cannot be found.</source>
        <translation>Le fichier de définition de rapport « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The report definition file "%1" cannot be found. It was looked for in: %2.</source>
        <translation>Le fichier de définition de rapport « %1 » est introuvable. Il a été cherché dans : %2.</translation>
    </message>
    <message>
        <source>The file type %1 is not known. Choose 0 (record format), 1 (tab separated), 2 (text), 3 (DIF), 4 (comma-separated values) or 6 (tab-separated values).</source>
        <translation>Le type de fichier %1 est inconnu. Choisissez 0 (format enregistrement), 1 (séparé par des tabulations), 2 (texte), 3 (DIF), 4 (valeurs séparées par des virgules) ou 6 (valeurs séparées par des tabulations).</translation>
    </message>
    <message>
        <source>expected 'And', 'Or' or the end of the formula</source>
        <translation>« And », « Or » ou la fin de la formule attendu</translation>
    </message>
    <message>
        <source>The selection formula has an error at position %1: %2.</source>
        <translation>La formule de sélection a une erreur à la position %1 : %2.</translation>
    </message>
    <message>
        <source>expected a field such as {Address.LastName}, 'Not' or '(' but the formula ends</source>
        <translation>un champ tel que {Address.LastName}, « Not » ou « ( » attendu, mais la formule se termine</translation>
    </message>
    <message>
        <source>the formula is nested too deeply; it may hold at most %1 levels of parentheses</source>
        <translation>la formule est trop imbriquée ; elle peut contenir au plus %1 niveaux de parenthèses</translation>
    </message>
    <message>
        <source>expected ')'</source>
        <translation>« ) » attendu</translation>
    </message>
    <message>
        <source>the formula is too long; it may hold at most %1 comparisons</source>
        <translation>la formule est trop longue ; elle peut contenir au plus %1 comparaisons</translation>
    </message>
    <message>
        <source>expected '=' or '&lt;&gt;' after %1</source>
        <translation>« = » ou « &lt;&gt; » attendu après %1</translation>
    </message>
    <message>
        <source>expected a quoted text after '%1'</source>
        <translation>un texte entre apostrophes attendu après « %1 »</translation>
    </message>
    <message>
        <source>the quoted text is not closed by a single quote</source>
        <translation>le texte entre apostrophes n'est pas fermé par une apostrophe</translation>
    </message>
    <message>
        <source>expected a field in braces such as {Address.LastName}</source>
        <translation>un champ entre accolades tel que {Address.LastName} attendu</translation>
    </message>
    <message>
        <source>the field reference is not closed by '}'</source>
        <translation>la référence de champ n'est pas fermée par « } »</translation>
    </message>
    <message>
        <source>the field %1 must name its table, as in {Address.LastName}</source>
        <translation>le champ %1 doit nommer sa table, comme dans {Address.LastName}</translation>
    </message>
    <message>
        <source>the table "%1" is not known; fields of table Address can be compared</source>
        <translation>la table « %1 » est inconnue ; les champs de la table Address peuvent être comparés</translation>
    </message>
    <message>
        <source>the field %1 is not a text field of table Address (%2)</source>
        <translation>le champ %1 n'est pas un champ texte de la table Address (%2)</translation>
    </message>
    <message>
        <source>The report could not be printed on "%1".</source>
        <translation>Le rapport n'a pas pu être imprimé sur « %1 ».</translation>
    </message>
    <message>
        <source>The file "%1" cannot be written: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être écrit : %2.</translation>
    </message>
    <message>
        <source>Producing the report "%1"...</source>
        <translation>Production du rapport « %1 »...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> Choose File &gt; Repair Database to save what can still be read.</source>
        <translation> Choisissez Fichier &gt; Réparer la base de données pour sauver ce qui peut encore être lu.</translation>
    </message>
    <message>
        <source>The report cannot be shown on the screen: the program has no windows.</source>
        <translation>Le rapport ne peut pas être affiché à l'écran : le programme n'a pas de fenêtres.</translation>
    </message>
    <message>
        <source>The number of copies must be at least 1.</source>
        <translation>Le nombre de copies doit être d'au moins 1.</translation>
    </message>
    <message>
        <source>No printer is available. Install a printer, or send the report to the screen or to a disk file.</source>
        <translation>Aucune imprimante n'est disponible. Installez une imprimante, ou envoyez le rapport à l'écran ou vers un fichier sur disque.</translation>
    </message>
    <message>
        <source>No file name was given for the report.</source>
        <translation>Aucun nom de fichier n'a été donné pour le rapport.</translation>
    </message>
    <message>
        <source>The report cannot be written to "%1": that file is one the report is read from. Choose another file name.</source>
        <translation>Le rapport ne peut pas être écrit dans « %1 » : le rapport est lu depuis ce fichier. Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>The destination %1 is not known. Choose 0 (the screen), 1 (the printer) or 2 (a disk file).</source>
        <translation>La destination %1 est inconnue. Choisissez 0 (l'écran), 1 (l'imprimante) ou 2 (un fichier sur disque).</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>E-mail Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Conjoint</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Préfixe du nom</translation>
    </message>
    <message>
        <source>Name suffix</source>
        <translation>Suffixe du nom</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nom affiché</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Surnom</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversaire de mariage</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Messagerie instantanée</translation>
    </message>
    <message>
        <source>Social profile</source>
        <translation>Profil social</translation>
    </message>
    <message>
        <source>Related</source>
        <translation>Personne liée</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>%1, %2 bytes</source>
        <translation>%1, %2 octets</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The changes were not saved: this contact is no longer in the database.</source>
        <translation>Les modifications n'ont pas été enregistrées : ce contact n'est plus dans la base de données.</translation>
    </message>
    <message>
        <source>The file '%1' is not a database of this program, or it is damaged.</source>
        <translation>Le fichier « %1 » n'est pas une base de données de ce programme, ou il est endommagé.</translation>
    </message>
    <message>
        <source>The change was not saved: an index of table '%1' in the database file '%2' is damaged. Choose File &gt; Repair Database to mend it, then try again.</source>
        <translation>La modification n'a pas été enregistrée : un index de la table « %1 » du fichier de base de données « %2 » est endommagé. Choisissez Fichier &gt; Réparer la base de données pour le réparer, puis réessayez.</translation>
    </message>
    <message>
        <source>this %1</source>
        <translation>cette valeur de %1</translation>
    </message>
    <message>
        <source>this combination of %1</source>
        <translation>cette combinaison de %1</translation>
    </message>
    <message>
        <source>The change was not saved: table '%1' already has a row with %2, and its index '%3' allows no duplicate values.</source>
        <translation>La modification n'a pas été enregistrée : la table « %1 » a déjà une ligne avec %2, et son index « %3 » n'admet pas de doublons.</translation>
    </message>
    <message>
        <source>The text for the field '%1' is too long: it holds at most %2 characters.</source>
        <translation>Le texte du champ « %1 » est trop long : il contient au plus %2 caractères.</translation>
    </message>
    <message>
        <source>The database file '%1' is damaged: some contacts may be missing or wrong. Choose File &gt; Repair Database to save what can still be read.</source>
        <translation>Le fichier de base de données « %1 » est endommagé : certains contacts peuvent manquer ou être faux. Choisissez Fichier &gt; Réparer la base de données pour sauver ce qui peut encore être lu.</translation>
    </message>
    <message>
        <source>The file '%1' already exists, so the compacted copy of the database cannot be written. Move or remove it, then repair again.</source>
        <translation>Le fichier « %1 » existe déjà, la copie compactée de la base ne peut donc pas être écrite. Déplacez-le ou supprimez-le, puis réparez à nouveau.</translation>
    </message>
    <message>
        <source>'%1' is not a Varnelle address book (%2).</source>
        <translation>« %1 » n'est pas un carnet d'adresses Varnelle (%2).</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be changed: it can only be read.</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être modifié : il ne peut qu'être lu.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be opened: it does not exist, or it cannot be read and written in this folder.</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être ouvert : il n'existe pas, ou il ne peut pas être lu et écrit dans ce dossier.</translation>
    </message>
    <message>
        <source>The database file '%1' is in use by another program. Close that program and try again.</source>
        <translation>Le fichier de base de données « %1 » est utilisé par un autre programme. Fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>The database file '%1' could not be written: %2.</source>
        <translation>Le fichier de base de données « %1 » n'a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>The database reported an unknown error.</source>
        <translation>La base de données a signalé une erreur inconnue.</translation>
    </message>
    <message>
        <source>The text that begins "%1" was not saved: it contains a NUL character (character code 0), which the address book does not store.</source>
        <translation>Le texte qui commence par « %1 » n'a pas été enregistré : il contient un caractère NUL (code 0), que le carnet d'adresses ne garde pas.</translation>
    </message>
    <message>
        <source>The collation of names could not be set up.</source>
        <translation>Le classement des noms n'a pas pu être mis en place.</translation>
    </message>
    <message>
        <source>The number was not saved: the contact already has a telephone number of this type, and the index 'Primary' of table 'TelephoneList' allows one number of each type per contact.</source>
        <translation>Le numéro n'a pas été enregistré : le contact a déjà un numéro de ce type, et l'index « Primary » de la table « TelephoneList » n'admet qu'un numéro de chaque type par contact.</translation>
    </message>
    <message>
        <source>The telephone type no longer exists; it may have been deleted meanwhile.</source>
        <translation>Le type de téléphone n'existe plus ; il a peut-être été supprimé entre-temps.</translation>
    </message>
    <message>
        <source>The telephone type '%1' was not saved: the type '%2' already exists, and the index 'TelephoneType' allows no two types with the same name.</source>
        <translation>Le type de téléphone « %1 » n'a pas été enregistré : le type « %2 » existe déjà, et l'index « TelephoneType » n'admet pas deux types du même nom.</translation>
    </message>
    <message>
        <source>The permissions of '%1' cannot be given to the repaired file: %2.</source>
        <translation>Les permissions de « %1 » ne peuvent pas être données au fichier réparé : %2.</translation>
    </message>
    <message>
        <source>The damaged file '%1' cannot be kept as '%2', so it was not repaired.</source>
        <translation>Le fichier endommagé « %1 » ne peut pas être conservé sous « %2 », il n'a donc pas été réparé.</translation>
    </message>
    <message>
        <source>The damaged file '%1' cannot be kept: too many earlier damaged copies lie beside it.</source>
        <translation>Le fichier endommagé « %1 » ne peut pas être conservé : trop de copies endommagées antérieures se trouvent à côté.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be changed: the file is write-protected. Allow changes to it, or start the program with a copy that can be changed.</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être modifié : il est protégé en écriture. Autorisez sa modification, ou lancez le programme avec une copie modifiable.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be changed: its folder does not allow the journal file that is written beside it during each change. Allow changes in the folder, or move the file to a folder that allows them.</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être modifié : son dossier n'admet pas le fichier journal écrit à côté lors de chaque modification. Autorisez les modifications dans le dossier, ou déplacez le fichier dans un dossier qui les autorise.</translation>
    </message>
    <message>
        <source>The file '%1' cannot be opened: %2</source>
        <translation>Le fichier « %1 » ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The file '%1' could not be renamed to '%2': %3.</source>
        <translation>Le fichier « %1 » n'a pas pu être renommé en « %2 » : %3.</translation>
    </message>
    <message>
        <source>The repaired file '%1' cannot be made in the folder of '%2'.</source>
        <translation>Le fichier réparé « %1 » ne peut pas être créé dans le dossier de « %2 ».</translation>
    </message>
    <message>
        <source>The repaired file '%1' did not pass the integrity check, so it was not used.</source>
        <translation>Le fichier réparé « %1 » n'a pas passé le contrôle d'intégrité, il n'a donc pas été utilisé.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be changed: it belongs to another user (%2), who has not allowed changes by others. Start the program as that user, or with a copy of your own.</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être modifié : il appartient à un autre utilisateur (%2), qui n'a pas autorisé les modifications par d'autres. Lancez le programme sous cet utilisateur, ou avec votre propre copie.</translation>
    </message>
    <message>
        <source>The database file '%1' was replaced by another program (a repair) while the change was made, so it was not saved. Try again.</source>
        <translation>Le fichier de base de données « %1 » a été remplacé par un autre programme (une réparation) pendant la modification, qui n'a donc pas été enregistrée. Réessayez.</translation>
    </message>
    <message>
        <source>The database file '%1' could not be written: the disk is full. Make room on it, then try again.</source>
        <translation>Le fichier de base de données « %1 » n'a pas pu être écrit : le disque est plein. Libérez-y de la place, puis réessayez.</translation>
    </message>
    <message>
        <source>The database file '%1' could not be read or written: the disk reported an error.</source>
        <translation>Le fichier de base de données « %1 » n'a pas pu être lu ou écrit : le disque a signalé une erreur.</translation>
    </message>
    <message>
        <source>The database file '%1' is being repaired by another program. Try again when the repair is done.</source>
        <translation>Le fichier de base de données « %1 » est en cours de réparation par un autre programme. Réessayez quand la réparation sera terminée.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be opened: its path is longer than the %2 characters the database accepts. Move it to a folder with a shorter path.</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être ouvert : son chemin dépasse les %2 caractères qu'accepte la base de données. Déplacez-le dans un dossier au chemin plus court.</translation>
    </message>
    <message>
        <source>The file '%1' is empty: it holds no address book. Move it away or delete it, and the program makes a new one at the next start.</source>
        <translation>Le fichier « %1 » est vide : il ne contient aucun carnet d'adresses. Déplacez-le ou supprimez-le, et le programme en créera un nouveau au prochain démarrage.</translation>
    </message>
    <message>
        <source>The file '%1' could not be written to disk: %2.</source>
        <translation>Le fichier « %1 » n'a pas pu être écrit sur le disque : %2.</translation>
    </message>
    <message>
        <source>The file '%1' already exists: an earlier repair was interrupted. '%2' is intact. Move '%1' away or delete it, then repair again.</source>
        <translation>Le fichier « %1 » existe déjà : une réparation précédente a été interrompue. « %2 » est intact. Déplacez ou supprimez « %1 », puis relancez la réparation.</translation>
    </message>
    <message>
        <source>telephone numbers without a telephone type: %1</source>
        <translation>numéros de téléphone sans type de téléphone : %1</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>No row of an address book can be read in '%1'.</source>
        <translation>Aucune ligne d'un carnet d'adresses ne peut être lue dans « %1 ».</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>The sync with the server %1 took too long and was stopped; what was done is kept, and the next sync goes on from there.</source>
        <translation>La synchronisation avec le serveur %1 a duré trop longtemps et a été arrêtée ; ce qui a été fait est conservé, et la prochaine synchronisation reprend à partir de là.</translation>
    </message>
    <message>
        <source>The server %1 redirected to %2, which asks for a password; the password is given to %1 only.</source>
        <translation>Le serveur %1 a redirigé vers %2, qui demande un mot de passe ; le mot de passe n’est donné qu’à %1.</translation>
    </message>
    <message>
        <source>The server %1 redirected a change to %2, another server; the change was not sent there.</source>
        <translation>Le serveur %1 a redirigé une modification vers %2, un autre serveur ; la modification n’y a pas été envoyée.</translation>
    </message>
    <message>
        <source>the resource holds %1 cards, not one.</source>
        <translation>la ressource contient %1 cartes, et non une seule.</translation>
    </message>
    <message>
        <source>%1 contacts with '%2' on %3: %4 came in, %5 went out, %6 removed here, %7 removed on the server.</source>
        <translation>Contacts %1 avec « %2 » sur %3 : %4 reçus, %5 envoyés, %6 supprimés ici, %7 supprimés sur le serveur.</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>professionnels</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>personnels</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <translation>Conflit : %1</translation>
    </message>
    <message>
        <source>Not in the book, kept on the server: %1</source>
        <translation>Pas dans le carnet, conservé sur le serveur : %1</translation>
    </message>
    <message>
        <source>The sync was cancelled.</source>
        <translation>La synchronisation a été annulée.</translation>
    </message>
    <message>
        <source>The server %1 named '%2', which is outside the address book; the sync was stopped.</source>
        <translation>Le serveur %1 a indiqué « %2 », qui est hors du carnet d'adresses ; la synchronisation a été arrêtée.</translation>
    </message>
    <message>
        <source>The server %1 has no room for more contacts (its quota is used up).</source>
        <translation>Le serveur %1 n'a plus de place pour d'autres contacts (son quota est épuisé).</translation>
    </message>
    <message>
        <source>The server %1 refused to %2 (HTTP status %3).</source>
        <translation>Le serveur %1 a refusé %2 (statut HTTP %3).</translation>
    </message>
    <message>
        <source>%1: %2: the book's '%3' was kept, the server's '%4' was not taken.</source>
        <translation>%1 : %2 : « %3 » du carnet a été gardé, « %4 » du serveur n'a pas été repris.</translation>
    </message>
    <message>
        <source>%1: %2 number: the book's '%3' was kept, the server's '%4' was not taken.</source>
        <translation>%1 : numéro %2 : « %3 » du carnet a été gardé, « %4 » du serveur n'a pas été repris.</translation>
    </message>
    <message>
        <source>Looking for changes</source>
        <translation>Recherche des modifications</translation>
    </message>
    <message>
        <source>list the address book</source>
        <translation>de lister le carnet d'adresses</translation>
    </message>
    <message>
        <source>Receiving</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>send the changed contacts</source>
        <translation>d'envoyer les contacts modifiés</translation>
    </message>
    <message>
        <source>The card '%1' on the server cannot be read and was left out: %2</source>
        <translation>La carte « %1 » du serveur ne peut pas être lue et a été ignorée : %2</translation>
    </message>
    <message>
        <source>%1 was deleted here but changed on the server, so it was kept.</source>
        <translation>%1 a été supprimé ici mais modifié sur le serveur, il a donc été conservé.</translation>
    </message>
    <message>
        <source>%1 was deleted on the server but changed here, so it was kept.</source>
        <translation>%1 a été supprimé sur le serveur mais modifié ici, il a donc été conservé.</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>'%1' was changed on the server meanwhile and was not deleted there; the next sync brings it back.</source>
        <translation>« %1 » a été modifié entre-temps sur le serveur et n'y a pas été supprimé ; la prochaine synchronisation le ramènera.</translation>
    </message>
    <message>
        <source>delete a contact</source>
        <translation>de supprimer un contact</translation>
    </message>
    <message>
        <source>%1 was changed on the server meanwhile; the next sync merges it.</source>
        <translation>%1 a été modifié entre-temps sur le serveur ; la prochaine synchronisation fusionnera les modifications.</translation>
    </message>
    <message>
        <source>store a contact</source>
        <translation>d'enregistrer un contact</translation>
    </message>
    <message>
        <source>Another sync of this address book is running; try again when it has ended.</source>
        <translation>Une autre synchronisation de ce carnet d'adresses est en cours ; réessayez quand elle sera terminée.</translation>
    </message>
    <message>
        <source>The server %1 is reached by plain http, which would send the password unencrypted. Use an https address, or allow it with --insecure on a network you trust.</source>
        <translation>Le serveur %1 est joint en http simple, ce qui enverrait le mot de passe en clair. Utilisez une adresse https, ou autorisez-le avec --insecure sur un réseau de confiance.</translation>
    </message>
    <message>
        <source>The address '%1' is no http or https address.</source>
        <translation>L'adresse « %1 » n'est pas une adresse http ou https.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Le serveur %1 a refusé le nom d'utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The certificate of the server %1 is not trusted, so no connection was made: %2</source>
        <translation>Le certificat du serveur %1 n'est pas reconnu comme fiable, aucune connexion n'a donc été établie : %2</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>Le serveur %1 n'a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The server %1 cannot be reached: %2.</source>
        <translation>Le serveur %1 est injoignable : %2.</translation>
    </message>
    <message>
        <source>The server %1 redirects too often.</source>
        <translation>Le serveur %1 redirige trop souvent.</translation>
    </message>
    <message>
        <source>The server %1 redirects to an address without encryption, which is refused.</source>
        <translation>Le serveur %1 redirige vers une adresse non chiffrée, ce qui est refusé.</translation>
    </message>
    <message>
        <source>The server %1 sent a response larger than %2 MB, which is refused.</source>
        <translation>Le serveur %1 a envoyé une réponse de plus de %2 Mo, qui est refusée.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read (line %2: %3).</source>
        <translation>Le serveur %1 a envoyé une réponse illisible (ligne %2 : %3).</translation>
    </message>
    <message>
        <source>The server %1 offers no CardDAV address books at this address.</source>
        <translation>Le serveur %1 ne propose aucun carnet d'adresses CardDAV à cette adresse.</translation>
    </message>
    <message>
        <source>The server %1 has no address book for this user.</source>
        <translation>Le serveur %1 n'a aucun carnet d'adresses pour cet utilisateur.</translation>
    </message>
    <message>
        <source>The server %1 has several address books (%2): choose one with --address-book.</source>
        <translation>Le serveur %1 a plusieurs carnets d'adresses (%2) : choisissez-en un avec --address-book.</translation>
    </message>
    <message>
        <source>The server %1 has no address book '%2'.</source>
        <translation>Le serveur %1 n'a pas de carnet d'adresses « %2 ».</translation>
    </message>
    <message>
        <source>The address book on %1 is now empty, though %2 contacts here were synced with it; nothing was removed here.</source>
        <translation>Le carnet d'adresses sur %1 est maintenant vide, alors que %2 contacts d'ici étaient synchronisés avec lui ; rien n'a été supprimé ici.</translation>
    </message>
    <message>
        <source>The address book on %1 no longer holds %2 of the %3 contacts synced with it; nothing was removed here.</source>
        <translation>Le carnet d'adresses sur %1 ne contient plus %2 des %3 contacts synchronisés avec lui ; rien n'a été supprimé ici.</translation>
    </message>
    <message>
        <source>The server %1 is unavailable (HTTP status %2); try again later.</source>
        <translation>Le serveur %1 n'est pas disponible (statut HTTP %2) ; réessayez plus tard.</translation>
    </message>
    <message>
        <source>the connection failed (network error %1)</source>
        <translation>la connexion a échoué (erreur réseau %1)</translation>
    </message>
    <message>
        <source>The server %1 answers in plain http, not https. If it is meant to be reached so, give its address as %2.</source>
        <translation>Le serveur %1 répond en http simple, pas en https. S'il doit être joint ainsi, indiquez son adresse sous la forme %2.</translation>
    </message>
    <message>
        <source>No secure connection to the server %1 could be made: %2</source>
        <translation>Aucune connexion sécurisée au serveur %1 n'a pu être établie : %2</translation>
    </message>
    <message>
        <source>Its SHA-256 fingerprint is %1.</source>
        <translation>Son empreinte SHA-256 est %1.</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Préfixe du nom</translation>
    </message>
    <message>
        <source>Name suffix</source>
        <translation>Suffixe du nom</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nom affiché</translation>
    </message>
    <message>
        <source>Nicknames</source>
        <translation>Surnoms</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Further e-mail addresses</source>
        <translation>Autres adresses e-mail</translation>
    </message>
    <message>
        <source>Further addresses</source>
        <translation>Autres adresses</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Further numbers</source>
        <translation>Autres numéros</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversaire de mariage</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Web addresses</source>
        <translation>Adresses web</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Messagerie</translation>
    </message>
    <message>
        <source>Social profiles</source>
        <translation>Profils sociaux</translation>
    </message>
    <message>
        <source>Related people</source>
        <translation>Personnes liées</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Check the server's address in the sync accounts and this computer's network connection, then sync again.</source>
        <translation>Vérifiez l’adresse du serveur dans les comptes de synchronisation et la connexion réseau de cet ordinateur, puis synchronisez à nouveau.</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <source>The address of %1 holds a password, which Varnelle keeps only in the desktop's keyring, and no keyring took it. Give the address without the password, and the password with --password-command or on standard input.</source>
        <translation>L’adresse de %1 contient un mot de passe, que Varnelle ne garde que dans le trousseau du bureau, et aucun trousseau ne l’a accepté. Indiquez l’adresse sans le mot de passe, et le mot de passe avec --password-command ou sur l’entrée standard.</translation>
    </message>
    <message>
        <source>The password command for %1 failed: %2</source>
        <translation>La commande de mot de passe pour %1 a échoué : %2</translation>
    </message>
    <message>
        <source>No password for %1: give it with --password-command, or on standard input.</source>
        <translation>Pas de mot de passe pour %1 : donnez-le avec --password-command ou sur l'entrée standard.</translation>
    </message>
    <message>
        <source>business</source>
        <translation>professionnelle</translation>
    </message>
    <message>
        <source>personal</source>
        <translation>personnelle</translation>
    </message>
    <message>
        <source>No sync accounts.</source>
        <translation>Aucun compte de synchronisation.</translation>
    </message>
    <message>
        <source>%1: the %2 view with '%3' (%4), user %5%6</source>
        <translation>%1 : la vue %2 avec « %3 » (%4), utilisateur %5%6</translation>
    </message>
    <message>
        <source>, plain http allowed</source>
        <translation>, http non chiffré autorisé</translation>
    </message>
    <message>
        <source>Account %1 added: the %2 view syncs with '%3' on %4.</source>
        <translation>Compte %1 ajouté : la vue %2 se synchronise avec « %3 » sur %4.</translation>
    </message>
    <message>
        <source>No account to sync: add one with --add-account.</source>
        <translation>Aucun compte à synchroniser : ajoutez-en un avec --add-account.</translation>
    </message>
    <message>
        <source>No account syncs the %1 view: add one with --add-account.</source>
        <translation>Aucun compte ne synchronise la vue %1 : ajoutez-en un avec --add-account.</translation>
    </message>
    <message>
        <source>
Sync with a CardDAV server (the password comes from --password-command,
else from standard input):
  --add-account &lt;url&gt; --user &lt;name&gt; [--view business|personal]
      [--address-book &lt;name-or-url&gt;] [--password-command &lt;command&gt;] [--insecure]
                     Adds an account for a view and chooses its address book.
  --accounts         Lists the accounts.
  --remove-account &lt;n&gt;
                     Removes the account of that number.
  --sync [--view business|personal|all] [--password-command &lt;command&gt;]
                     Syncs the accounts both ways and prints a summary.
</source>
        <translation>
Synchronisation avec un serveur CardDAV (le mot de passe vient de
--password-command, sinon de l'entrée standard) :
  --add-account &lt;url&gt; --user &lt;nom&gt; [--view business|personal]
      [--address-book &lt;nom-ou-url&gt;] [--password-command &lt;commande&gt;] [--insecure]
                     Ajoute un compte pour une vue et choisit son carnet
                     d'adresses.
  --accounts         Affiche la liste des comptes.
  --remove-account &lt;n&gt;
                     Supprime le compte portant ce numéro.
  --sync [--view business|personal|all] [--password-command &lt;commande&gt;]
                     Synchronise les comptes dans les deux sens et affiche
                     un résumé.
</translation>
    </message>
    <message>
        <source>Give one of --add-account, --accounts, --remove-account and --sync.</source>
        <translation>Donnez une seule option parmi --add-account, --accounts, --remove-account et --sync.</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME.</source>
        <translation>--add-account demande --user NOM.</translation>
    </message>
    <message>
        <source>--view takes business or personal, not '%1'.</source>
        <translation>--view prend business ou personal, et non « %1 ».</translation>
    </message>
    <message>
        <source>--user, --address-book and --insecure belong to --add-account.</source>
        <translation>--user, --address-book et --insecure vont avec --add-account.</translation>
    </message>
    <message>
        <source>--view takes business, personal or all, not '%1'.</source>
        <translation>--view prend business, personal ou all, et non « %1 ».</translation>
    </message>
    <message>
        <source>--view and --password-command belong to --add-account and --sync.</source>
        <translation>--view et --password-command vont avec --add-account et --sync.</translation>
    </message>
    <message>
        <source>--remove-account takes the number of an account as --accounts lists it.</source>
        <translation>--remove-account prend le numéro d'un compte tel que --accounts l'affiche.</translation>
    </message>
    <message>
        <source>There is no account %1; --accounts lists them.</source>
        <translation>Il n'y a pas de compte %1 ; --accounts les affiche.</translation>
    </message>
    <message>
        <source>Account %1 removed.</source>
        <translation>Compte %1 supprimé.</translation>
    </message>
    <message>
        <source>--accept-removal and --upload-all belong to --sync.</source>
        <translation>--accept-removal et --upload-all vont avec --sync.</translation>
    </message>
    <message>
        <source>Give --accept-removal or --upload-all, not both.</source>
        <translation>Indiquez --accept-removal ou --upload-all, pas les deux.</translation>
    </message>
    <message>
        <source>To remove them here too, run --sync --accept-removal; to upload them again, run --sync --upload-all.</source>
        <translation>Pour les supprimer ici aussi, lancez --sync --accept-removal ; pour les envoyer à nouveau, lancez --sync --upload-all.</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>elle s'est terminée avec le statut %1</translation>
    </message>
    <message>
        <source>it did not end normally</source>
        <translation>elle ne s'est pas terminée normalement</translation>
    </message>
    <message>
        <source>--trust-certificate belongs to --add-account and --sync.</source>
        <translation>--trust-certificate va avec --add-account et --sync.</translation>
    </message>
    <message>
        <source>--trust-certificate takes a certificate's SHA-256 fingerprint (64 hex digits, colons allowed), not '%1'.</source>
        <translation>--trust-certificate attend l'empreinte SHA-256 d'un certificat (64 chiffres hexadécimaux, deux-points permis), pas « %1 ».</translation>
    </message>
    <message>
        <source>  --sync --accept-removal, --sync --upload-all
                     When the server's address book was emptied: removes its
                     contacts here too, or uploads them again.
  --trust-certificate &lt;sha256&gt;
                     With --add-account or --sync: trusts the server's certificate
                     of this SHA-256 fingerprint for the account.
</source>
        <translation>  --sync --accept-removal, --sync --upload-all
                     Si le carnet d'adresses du serveur a été vidé : supprime
                     ses contacts ici aussi, ou les envoie à nouveau.
  --trust-certificate &lt;sha256&gt;
                     Avec --add-account ou --sync : fait confiance au certificat
                     du serveur de cette empreinte SHA-256 pour le compte.
</translation>
    </message>
    <message>
        <source>If it is your server's certificate, give --trust-certificate %1 to trust it for this account.</source>
        <translation>S'il s'agit du certificat de votre serveur, indiquez --trust-certificate %1 pour lui faire confiance pour ce compte.</translation>
    </message>
</context>
<context>
    <name>varnelle::AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Copyright © 2026 Varnelle</source>
        <translation>Copyright © 2026 Varnelle</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Address book file</source>
        <translation>Fichier du carnet d’adresses</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactActions</name>
    <message>
        <source>%1 (age %2)</source>
        <translation>%1 (%2 ans)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Affiché comme</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Surnom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Messagerie</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Conjoint</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Related</source>
        <translation>Personne liée</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversaire de mariage</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy E-&amp;Mail Address</source>
        <translation>Copier l’adresse &amp;électronique</translation>
    </message>
    <message>
        <source>&amp;Write E-Mail</source>
        <translation>Écrire un co&amp;urriel</translation>
    </message>
    <message>
        <source>C&amp;all</source>
        <translation>&amp;Appeler</translation>
    </message>
    <message>
        <source>Show on Ma&amp;p</source>
        <translation>Afficher sur la ca&amp;rte</translation>
    </message>
    <message>
        <source>E&amp;xport as vCard…</source>
        <translation>E&amp;xporter en vCard…</translation>
    </message>
    <message>
        <source>Export as vCard</source>
        <translation>Exporter en vCard</translation>
    </message>
    <message>
        <source>vCard files (*.vcf)</source>
        <translation>Fichiers vCard (*.vcf)</translation>
    </message>
    <message>
        <source>The file '%1' could not be written: %2</source>
        <translation>Le fichier « %1 » n’a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactDetailPane</name>
    <message>
        <source>Contact details</source>
        <translation>Détails du contact</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactDetailsDialog</name>
    <message>
        <source>Add...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Plus de détails</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ype :</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Noms</translation>
    </message>
    <message>
        <source>Name p&amp;refix:</source>
        <translation>Pré&amp;fixe du nom :</translation>
    </message>
    <message>
        <source>Midd&amp;le name:</source>
        <translation>Deu&amp;xième prénom :</translation>
    </message>
    <message>
        <source>Name &amp;suffix:</source>
        <translation>&amp;Suffixe du nom :</translation>
    </message>
    <message>
        <source>Displa&amp;y name:</source>
        <translation>Nom &amp;affiché :</translation>
    </message>
    <message>
        <source>Nic&amp;knames:</source>
        <translation>Su&amp;rnoms :</translation>
    </message>
    <message>
        <source>&amp;Nickname:</source>
        <translation>&amp;Surnom :</translation>
    </message>
    <message>
        <source>Or&amp;ganisation</source>
        <translation>Or&amp;ganisation</translation>
    </message>
    <message>
        <source>&amp;Job title:</source>
        <translation>&amp;Fonction :</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rôle :</translation>
    </message>
    <message>
        <source>Depar&amp;tments:</source>
        <translation>Ser&amp;vices :</translation>
    </message>
    <message>
        <source>&amp;Department:</source>
        <translation>&amp;Service :</translation>
    </message>
    <message>
        <source>A&amp;ddresses</source>
        <translation>A&amp;dresses</translation>
    </message>
    <message>
        <source>&amp;Country of the first address:</source>
        <translation>Pa&amp;ys de la première adresse :</translation>
    </message>
    <message>
        <source>Further &amp;addresses:</source>
        <translation>&amp;Autres adresses :</translation>
    </message>
    <message>
        <source>&amp;Street:</source>
        <translation>&amp;Rue :</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>&amp;Ville :</translation>
    </message>
    <message>
        <source>State or &amp;province:</source>
        <translation>É&amp;tat ou région :</translation>
    </message>
    <message>
        <source>Postal c&amp;ode:</source>
        <translation>Code &amp;postal :</translation>
    </message>
    <message>
        <source>Co&amp;untry:</source>
        <translation>P&amp;ays :</translation>
    </message>
    <message>
        <source>P.O. &amp;box:</source>
        <translation>&amp;Boîte postale :</translation>
    </message>
    <message>
        <source>E&amp;xtended address:</source>
        <translation>Co&amp;mplément d'adresse :</translation>
    </message>
    <message>
        <source>E-&amp;mail &amp;&amp; Phone</source>
        <translation>E-&amp;mail et téléphone</translation>
    </message>
    <message>
        <source>Further e-mail &amp;addresses:</source>
        <translation>&amp;Autres adresses e-mail :</translation>
    </message>
    <message>
        <source>&amp;E-mail address:</source>
        <translation>Adresse &amp;e-mail :</translation>
    </message>
    <message>
        <source>Further num&amp;bers:</source>
        <translation>Autres numé&amp;ros :</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Numéro :</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>&amp;Web addresses:</source>
        <translation>Adresses &amp;web :</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>Mess&amp;aging:</source>
        <translation>Mess&amp;agerie :</translation>
    </message>
    <message>
        <source>&amp;Social profiles:</source>
        <translation>Profils &amp;sociaux :</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil :</translation>
    </message>
    <message>
        <source>Dat&amp;es &amp;&amp; Note</source>
        <translation>Dat&amp;es et note</translation>
    </message>
    <message>
        <source>&amp;Birthday:</source>
        <translation>Date de nai&amp;ssance :</translation>
    </message>
    <message>
        <source>The birthday</source>
        <translation>La date de naissance</translation>
    </message>
    <message>
        <source>&amp;Anniversary:</source>
        <translation>&amp;Anniversaire :</translation>
    </message>
    <message>
        <source>The anniversary</source>
        <translation>L'anniversaire</translation>
    </message>
    <message>
        <source>A date as %1, or as %2 without a year.</source>
        <translation>Une date sous la forme %1, ou %2 sans année.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote :</translation>
    </message>
    <message>
        <source>&amp;People &amp;&amp; Categories</source>
        <translation>&amp;Personnes et catégories</translation>
    </message>
    <message>
        <source>&amp;Related people:</source>
        <translation>Pe&amp;rsonnes liées :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Categories:</source>
        <translation>Ca&amp;tégories :</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>P&amp;hoto</source>
        <translation>P&amp;hoto</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>&amp;Choose Photo...</source>
        <translation>Choisi&amp;r une photo...</translation>
    </message>
    <message>
        <source>Re&amp;move Photo</source>
        <translation>Re&amp;tirer la photo</translation>
    </message>
    <message>
        <source>&amp;Fields in Full</source>
        <translation>&amp;Champs complets</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Fir&amp;st name:</source>
        <translation>P&amp;rénom :</translation>
    </message>
    <message>
        <source>&amp;Last name:</source>
        <translation>Nom de &amp;famille :</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Société :</translation>
    </message>
    <message>
        <source>St&amp;reet:</source>
        <translation>R&amp;ue :</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>&amp;Ville :</translation>
    </message>
    <message>
        <source>St&amp;ate:</source>
        <translation>Ét&amp;at :</translation>
    </message>
    <message>
        <source>&amp;ZIP code:</source>
        <translation>Code posta&amp;l :</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Spo&amp;use:</source>
        <translation>Con&amp;joint :</translation>
    </message>
    <message>
        <source>Children:</source>
        <translation>Enfants :</translation>
    </message>
    <message>
        <source>%1 "%2" is not a date. Type a date as %3, or a day without a year as %4.</source>
        <translation>%1 « %2 » n'est pas une date. Saisissez une date sous la forme %3, ou un jour sans année sous la forme %4.</translation>
    </message>
    <message>
        <source>Choose Photo</source>
        <translation>Choisir une photo</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n'a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1 is too large for a photo: it has %2, a photo may have at most %3.</source>
        <translation>%1 est trop grand pour une photo : il fait %2, une photo peut faire au plus %3.</translation>
    </message>
    <message>
        <source>%1 is not a PNG or JPEG image. Choose a photo in one of these formats.</source>
        <translation>%1 n'est pas une image PNG ou JPEG. Choisissez une photo dans l'un de ces formats.</translation>
    </message>
    <message>
        <source>This photo cannot be shown.</source>
        <translation>Cette photo ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>Photo at %1</source>
        <translation>Photo à l'adresse %1</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Pas de photo</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactDialog</name>
    <message>
        <source>&amp;Add Number</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit Number</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete Number</source>
        <translation>Su&amp;pprimer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Modifier l'adresse</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Com&amp;pany:</source>
        <translation>&amp;Société :</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>A&amp;dresse :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>N&amp;om :</translation>
    </message>
    <message>
        <source>E-&amp;Mail Address:</source>
        <translation>E-ma&amp;il :</translation>
    </message>
    <message>
        <source>Sp&amp;ouse:</source>
        <translation>&amp;Conjoint :</translation>
    </message>
    <message>
        <source>C&amp;hildren:</source>
        <translation>En&amp;fants :</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>ZIP code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Telephone numbers</source>
        <translation>Numéros de téléphone</translation>
    </message>
    <message>
        <source>This contact was changed elsewhere (by a sync or another program) while you were editing it.

Save your changes over it? Choose No to see the contact as it is now, without your changes.</source>
        <translation>Ce contact a été modifié ailleurs (par une synchronisation ou un autre programme) pendant que vous le modifiiez.

Enregistrer vos modifications par-dessus ? Choisissez Non pour voir le contact tel qu'il est maintenant, sans vos modifications.</translation>
    </message>
    <message>
        <source>More Deta&amp;ils...</source>
        <translation>Plus de détai&amp;ls...</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactList</name>
    <message>
        <source>This contact is no longer in the address book: it was deleted elsewhere.</source>
        <translation>Ce contact n'est plus dans le carnet d'adresses : il a été supprimé ailleurs.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactSearch</name>
    <message>
        <source>Search contacts</source>
        <translation>Rechercher des contacts</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>%1 of %2 contacts</source>
        <translation>%1 contacts sur %2</translation>
    </message>
    <message>
        <source>Preparing the search...</source>
        <translation>Préparation de la recherche...</translation>
    </message>
    <message>
        <source>%1 of %2 contacts — %3 in %4 (&lt;a href="other-view"&gt;Show&lt;/a&gt;)</source>
        <translation>%1 contacts sur %2 — %3 dans %4 (&lt;a href="other-view"&gt;Afficher&lt;/a&gt;)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Professionnel</translation>
    </message>
    <message>
        <source>Search results: %1</source>
        <translation>Résultats de la recherche : %1</translation>
    </message>
</context>
<context>
    <name>varnelle::ExportOptionsDialog</name>
    <message>
        <source>Export Contacts</source>
        <translation>Exporter les contacts</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>&amp;All contacts</source>
        <translation>&amp;Tous les contacts</translation>
    </message>
    <message>
        <source>vCard 4.0</source>
        <translation>vCard 4.0</translation>
    </message>
    <message>
        <source>vCard 3.0</source>
        <translation>vCard 3.0</translation>
    </message>
    <message>
        <source>CSV (comma-separated values)</source>
        <translation>CSV (valeurs séparées par des virgules)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
</context>
<context>
    <name>varnelle::ImportOptionsDialog</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importer les contacts</translation>
    </message>
    <message>
        <source>Put the imported contacts into</source>
        <translation>Placer les contacts importés dans</translation>
    </message>
    <message>
        <source>&amp;Business when a company is given, else personal</source>
        <translation>&amp;Professionnels si une société est indiquée, sinon personnels</translation>
    </message>
    <message>
        <source>B&amp;usiness</source>
        <translation>P&amp;rofessionnels</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>P&amp;ersonnels</translation>
    </message>
</context>
<context>
    <name>varnelle::ImportSummaryDialog</name>
    <message>
        <source>Import Summary</source>
        <translation>Résumé de l'import</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Save Import Summary</source>
        <translation>Enregistrer le résumé de l'import</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>import-summary.txt</source>
        <translation>import-summary.txt</translation>
    </message>
    <message>
        <source>The summary could not be saved in '%1': %2.</source>
        <translation>Le résumé n'a pas pu être enregistré dans « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>varnelle::InterchangeActions</name>
    <message>
        <source>Export Contacts</source>
        <translation>Exporter les contacts</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer les contacts</translation>
    </message>
    <message>
        <source>vCard files (*.vcf)</source>
        <translation>Fichiers vCard (*.vcf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.csv)</source>
        <translation>Contacts (*.vcf *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Import Contacts…</source>
        <translation>&amp;Importer des contacts…</translation>
    </message>
    <message>
        <source>Ex&amp;port Contacts…</source>
        <translation>E&amp;xporter des contacts…</translation>
    </message>
    <message>
        <source>Importing contacts...</source>
        <translation>Import des contacts...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The import needed more memory than the computer has free and was stopped. Nothing was imported; the address book is unchanged.</source>
        <translation>L'importation demandait plus de mémoire que l'ordinateur n'en a de libre et a été arrêtée. Rien n'a été importé ; le carnet d'adresses est inchangé.</translation>
    </message>
    <message>
        <source>The import was stopped by an unexpected failure: %1. Nothing was imported; the address book is unchanged.</source>
        <translation>L'importation a été arrêtée par une défaillance inattendue : %1. Rien n'a été importé ; le carnet d'adresses est inchangé.</translation>
    </message>
    <message>
        <source>The export needed more memory than the computer has free and was stopped. The file '%1' was not written.</source>
        <translation>L'exportation demandait plus de mémoire que l'ordinateur n'en a de libre et a été arrêtée. Le fichier « %1 » n'a pas été écrit.</translation>
    </message>
    <message>
        <source>The export was stopped by an unexpected failure: %1. The file '%2' was not written.</source>
        <translation>L'exportation a été arrêtée par une défaillance inattendue : %1. Le fichier « %2 » n'a pas été écrit.</translation>
    </message>
</context>
<context>
    <name>varnelle::MainWindow</name>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Business</source>
        <translation>Pr&amp;ofessionnels</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Repair Database</source>
        <translation>&amp;Réparer la base de données</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tables</source>
        <translation>&amp;Tables</translation>
    </message>
    <message>
        <source>&amp;Telephone Types</source>
        <translation>&amp;Types de téléphone</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>P&amp;ersonnels</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
<message>
        <source>Ed&amp;it</source>
        <translation>Éd&amp;ition</translation>
    </message>
    </context>
<context>
    <name>varnelle::PhoneNumberDialog</name>
    <message>
        <source>Telephone Number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Please enter a telephone number.</source>
        <translation>Veuillez saisir un numéro de téléphone.</translation>
    </message>
    <message>
        <source>Please select a type of number.</source>
        <translation>Veuillez choisir un type de numéro.</translation>
    </message>
    <message>
        <source>&amp;Type of Number:</source>
        <translation>&amp;Type de numéro :</translation>
    </message>
    <message>
        <source>Telephone &amp;Number:</source>
        <translation>&amp;Numéro de téléphone :</translation>
    </message>
</context>
<context>
    <name>varnelle::PhoneTypesDialog</name>
    <message>
        <source>Telephone Types</source>
        <translation>Types de téléphone</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>What is the type of telphone number?</source>
        <translation>Quel est le type du numéro de téléphone ?</translation>
    </message>
    <message>
        <source>Cannot delete %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1 ?</translation>
    </message>
    <message>
        <source>Telephone type</source>
        <translation>Type de téléphone</translation>
    </message>
</context>
<context>
    <name>varnelle::ReportActions</name>
    <message>
        <source>&amp;Address List</source>
        <translation>Liste d'&amp;adresses</translation>
    </message>
    <message>
        <source>&amp;Telephone List</source>
        <translation>Liste de &amp;téléphones</translation>
    </message>
    <message>
        <source>&amp;Detail Report</source>
        <translation>Rapport &amp;détaillé</translation>
    </message>
</context>
<context>
    <name>varnelle::ReportCriteriaDialog</name>
    <message>
        <source>Address Report Selection Criteria</source>
        <translation>Critères de sélection du rapport d'adresses</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Exclude</source>
        <translation>Exclure</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exclude companies</source>
        <translation>Exclure les sociétés</translation>
    </message>
    <message>
        <source>Exclude states</source>
        <translation>Exclure les États</translation>
    </message>
    <message>
        <source>Exclude last names</source>
        <translation>Exclure les noms</translation>
    </message>
</context>
<context>
    <name>varnelle::ReportDestinationDialog</name>
    <message>
        <source>Report Destination Selection</source>
        <translation>Choix de la destination du rapport</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>All Records</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Partial Report</source>
        <translation>Partiel</translation>
    </message>
    <message>
        <source>Report To Printer</source>
        <translation>Rapport vers l'imprimante</translation>
    </message>
    <message>
        <source>Report To Disk</source>
        <translation>Rapport vers le disque</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copies :</translation>
    </message>
    <message>
        <source>File Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Record Format</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Tab Separated</source>
        <translation>Tabulations</translation>
    </message>
    <message>
        <source>Text Format</source>
        <translation>Format texte</translation>
    </message>
    <message>
        <source>DIF Format</source>
        <translation>Format DIF</translation>
    </message>
    <message>
        <source>Comma Separated Values</source>
        <translation>CSV (virgules)</translation>
    </message>
    <message>
        <source>Tab Separated Values</source>
        <translation>CSV (tabulations)</translation>
    </message>
    <message>
        <source>address.txt</source>
        <translation>address.txt</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>The file '%1' already exists. Replace it?</source>
        <translation>Le fichier « %1 » existe déjà. Le remplacer ?</translation>
    </message>
</context>
<context>
    <name>varnelle::ReportPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source> of %1 </source>
        <translation> sur %1 </translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimer %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>varnelle::SyncAccountsDialog</name>
    <message>
        <source>Sync Accounts</source>
        <translation>Comptes de synchronisation</translation>
    </message>
    <message>
        <source>&amp;Remove Account</source>
        <translation>Supp&amp;rimer le compte</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Allow plain &amp;http (the password travels unencrypted)</source>
        <translation>Autoriser le &amp;http non chiffré (le mot de passe circule en clair)</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Chercher les carnets d'adresses</translation>
    </message>
    <message>
        <source>&amp;Add Account</source>
        <translation>&amp;Ajouter le compte</translation>
    </message>
    <message>
        <source>&amp;Server URL:</source>
        <translation>&amp;URL du serveur :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d'utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Business view:</source>
        <translation>Vue &amp;professionnelle :</translation>
    </message>
    <message>
        <source>P&amp;ersonal view:</source>
        <translation>Vue p&amp;ersonnelle :</translation>
    </message>
    <message>
        <source>Sync &amp;every 15 minutes while the program is open</source>
        <translation>&amp;Synchroniser toutes les 15 minutes tant que le programme est ouvert</translation>
    </message>
    <message>
        <source>%1 view: '%2' on %3 (%4)</source>
        <translation>Vue %1 : « %2 » sur %3 (%4)</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>professionnelle</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>personnelle</translation>
    </message>
    <message>
        <source>(not synced)</source>
        <translation>(non synchronisé)</translation>
    </message>
    <message>
        <source>E&amp;dit Account</source>
        <translation>Mo&amp;difier le compte</translation>
    </message>
    <message>
        <source>Sa&amp;ve Changes</source>
        <translation>Enregistrer les modi&amp;fications</translation>
    </message>
    <message>
        <source>Cancel Edi&amp;ting</source>
        <translation>Annuler la modifica&amp;tion</translation>
    </message>
    <message>
        <source>Edit account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>%1 view: from now on '%2' on %3, no longer '%4' on %5.

What Varnelle knows of the earlier syncs will be forgotten, and the next sync starts over as a first sync: the view's contacts go to the new address book and its cards come in.

Change the account?</source>
        <translation>Vue %1 : désormais « %2 » sur %3, et non plus « %4 » sur %5.

Ce que Varnelle sait des synchronisations précédentes sera oublié, et la prochaine synchronisation repartira de zéro comme une première : les contacts de la vue iront dans le nouveau carnet d'adresses et ses cartes arriveront ici.

Modifier le compte ?</translation>
    </message>
    <message>
        <source>The certificate of the server %1 is not trusted by this system. Its SHA-256 fingerprint is:

%2

Trust this certificate for this account? Do so only when it is the fingerprint of your server's certificate.</source>
        <translation>Le certificat du serveur %1 n'est pas reconnu par ce système. Son empreinte SHA-256 est :

%2

Faire confiance à ce certificat pour ce compte ? Ne le faites que s'il s'agit de l'empreinte du certificat de votre serveur.</translation>
    </message>
    <message>
        <source>Sync accounts</source>
        <translation>Comptes de synchronisation</translation>
    </message>
</context>
<context>
    <name>varnelle::SyncController</name>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>There is no sync account yet: add one with File &gt; Sync Accounts.</source>
        <translation>Il n'y a pas encore de compte de synchronisation : ajoutez-en un avec Fichier &gt; Comptes de synchronisation.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation en cours...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1 : %2 sur %3</translation>
    </message>
    <message>
        <source>Sync Summary</source>
        <translation>Résumé de la synchronisation</translation>
    </message>
    <message>
        <source>Sync &amp;Accounts…</source>
        <translation>&amp;Comptes de synchronisation…</translation>
    </message>
    <message>
        <source>S&amp;ync Now</source>
        <translation>&amp;Synchroniser maintenant</translation>
    </message>
    <message>
        <source>The address book on %1 is now empty. Remove all %2 contacts here too, or upload them again?</source>
        <translation>Le carnet d'adresses sur %1 est maintenant vide. Supprimer aussi ici les %2 contacts, ou les envoyer à nouveau ?</translation>
    </message>
    <message>
        <source>Remove Here</source>
        <translation>Supprimer ici</translation>
    </message>
    <message>
        <source>Upload Again</source>
        <translation>Envoyer à nouveau</translation>
    </message>
    <message>
        <source>Sync needs attention</source>
        <translation>La synchronisation demande votre attention</translation>
    </message>
    <message>
        <source>Sync summary</source>
        <translation>Résumé de la synchronisation</translation>
    </message>
</context>
<context>
    <name>varnelle::SyncNotice</name>
    <message>
        <source>Show Summary</source>
        <translation>Afficher le résumé</translation>
    </message>
</context>
<context>
    <name>varnelle::SyncPasswords</name>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Password of %1 on %2:</source>
        <translation>Mot de passe de %1 sur %2 :</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>Le serveur a refusé le mot de passe de %1.</translation>
    </message>
</context>
<context><name>History</name><message>
        <source>Add %1</source>
        <translation>Ajout de %1</translation>
    </message>
    <message>
        <source>Changes to %1</source>
        <translation>Modifications de %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Suppression de %1</translation>
    </message>
    <message>
        <source>Import of %1 contact from %2</source>
        <translation>Importation de %1 contact depuis %2</translation>
    </message>
    <message>
        <source>Import of %1 contacts from %2</source>
        <translation>Importation de %1 contacts depuis %2</translation>
    </message>
    <message>
        <source>Sync with %1 (%2 change)</source>
        <translation>Synchronisation avec %1 (%2 modification)</translation>
    </message>
    <message>
        <source>Sync with %1 (%2 changes)</source>
        <translation>Synchronisation avec %1 (%2 modifications)</translation>
    </message>
    <message>
        <source>New Type %1</source>
        <translation>Nouveau type %1</translation>
    </message>
    <message>
        <source>Rename of Type %1</source>
        <translation>Renommage du type %1</translation>
    </message>
    <message>
        <source>Delete of Type %1</source>
        <translation>Suppression du type %1</translation>
    </message>
    <message>
        <source>Restore of %1 contact</source>
        <translation>Restauration de %1 contact</translation>
    </message>
    <message>
        <source>Restore of %1 contacts</source>
        <translation>Restauration de %1 contacts</translation>
    </message>
    <message>
        <source>Undo of %1</source>
        <translation>Annulation de %1</translation>
    </message>
    <message>
        <source>Redo of %1</source>
        <translation>Rétablissement de %1</translation>
    </message>
    <message>
        <source>Change by another program</source>
        <translation>Modification par un autre programme</translation>
    </message>
    <message>
        <source>Change %1 cannot be undone: there is no such change, or it was undone already.</source>
        <translation>La modification %1 ne peut pas être annulée : elle n'existe pas, ou elle a déjà été annulée.</translation>
    </message>
    <message>
        <source>Later changes to the same contacts stand in the way: %1.</source>
        <translation>Des modifications ultérieures des mêmes contacts s'y opposent : %1.</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 modifications</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Il n'y a rien à rétablir.</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>Contact %1 cannot be restored: it is not among the recently deleted contacts.</source>
        <translation>Le contact %1 ne peut pas être restauré : il n'est pas parmi les contacts supprimés récemment.</translation>
    </message>
    </context><context><name>HistoryCommands</name><message>
        <source>%1 (undone)</source>
        <translation>%1 (annulé)</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Il n'y a rien à annuler.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Give --force to undo them too.</source>
        <translation>Donnez --force pour les annuler aussi.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Il n'y a rien à rétablir.</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Restauré : %1</translation>
    </message>
    </context><context><name>HistoryDialogs</name><message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Further address</source>
        <translation>Autre adresse</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>Add '%1'</source>
        <translation>Ajout de '%1'</translation>
    </message>
    <message>
        <source>Changes to '%1'</source>
        <translation>Modifications de '%1'</translation>
    </message>
    <message>
        <source>Delete '%1'</source>
        <translation>Suppression de '%1'</translation>
    </message>
    <message>
        <source>Import of %1 Contact from %2</source>
        <translation>Importation de %1 contact depuis %2</translation>
    </message>
    <message>
        <source>Import of %1 Contacts from %2</source>
        <translation>Importation de %1 contacts depuis %2</translation>
    </message>
    <message>
        <source>Sync with %1 (%2 change)</source>
        <translation>Synchronisation avec %1 (%2 modification)</translation>
    </message>
    <message>
        <source>Sync with %1 (%2 changes)</source>
        <translation>Synchronisation avec %1 (%2 modifications)</translation>
    </message>
    <message>
        <source>New Type '%1'</source>
        <translation>Nouveau type '%1'</translation>
    </message>
    <message>
        <source>Rename of Type '%1'</source>
        <translation>Renommage du type '%1'</translation>
    </message>
    <message>
        <source>Delete of Type '%1'</source>
        <translation>Suppression du type '%1'</translation>
    </message>
    <message>
        <source>Restore of %1 Contact</source>
        <translation>Restauration de %1 contact</translation>
    </message>
    <message>
        <source>Restore of %1 Contacts</source>
        <translation>Restauration de %1 contacts</translation>
    </message>
    <message>
        <source>Change by Another Program</source>
        <translation>Modification par un autre programme</translation>
    </message>
    <message>
        <source>The same contacts were changed again since:

%1

Undo these later changes too?</source>
        <translation>Les mêmes contacts ont été modifiés depuis :

%1

Annuler aussi ces modifications ultérieures ?</translation>
    </message>
    </context><context><name>varnelle::HistoryActions</name><message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Recently &amp;Deleted…</source>
        <translation>&amp;Supprimés récemment…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historique…</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    </context><context><name>varnelle::HistoryDialog</name><message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Changes, newest first</source>
        <translation>Modifications, les plus récentes d'abord</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Ce qui a changé</translation>
    </message>
    <message>
        <source>&amp;Undo This Change</source>
        <translation>&amp;Annuler cette modification</translation>
    </message>
    <message>
        <source>Restore the Book &amp;as It Was at This Change</source>
        <translation>Restaurer le carnet &amp;tel qu'il était à cette modification</translation>
    </message>
    <message>
        <source>%1 (undone)</source>
        <translation>%1 (annulé)</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajouté</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1 : %2 → %3</translation>
    </message>
    <message>
        <source>Undo the %1 changes made after %2, in one step?</source>
        <translation>Annuler en une fois les %1 modifications faites après %2 ?</translation>
    </message>
    <message>
        <source>Restore of the book as it was at %1</source>
        <translation>Restauration du carnet tel qu'il était le %1</translation>
    </message>
    </context><context><name>varnelle::RecentlyDeletedDialog</name><message>
        <source>Recently Deleted</source>
        <translation>Supprimés récemment</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Recently deleted contacts</source>
        <translation>Contacts supprimés récemment</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    </context></TS>