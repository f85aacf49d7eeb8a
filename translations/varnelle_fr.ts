<?xml version="1.0" encoding="utf-8"?>
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
        <translation><numerusform>Varnelle : %n adresse correspondante</numerusform><numerusform>Varnelle : %n adresses correspondantes</numerusform></translation>
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
    <name>Interchange</name>
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
        <source>"%1" is not a vCard property: it has no ':'.</source>
        <translation>« %1 » n'est pas une propriété vCard : il n'a pas de « : ».</translation>
    </message>
    <message>
        <source>the character set "%1" is unknown; this program reads UTF-8, ISO-8859-1 and Windows-1252.</source>
        <translation>le jeu de caractères « %1 » est inconnu ; ce programme lit UTF-8, ISO-8859-1 et Windows-1252.</translation>
    </message>
    <message>
        <source>"%1" stands where a card should begin with BEGIN:VCARD. This is not a vCard file, or it is damaged.</source>
        <translation>« %1 » se trouve là où une carte devrait commencer par BEGIN:VCARD. Ce n'est pas un fichier vCard, ou il est endommagé.</translation>
    </message>
    <message>
        <source>a new card begins, but the card that begins at line %1 has no END:VCARD.</source>
        <translation>une nouvelle carte commence, mais la carte qui commence à la ligne %1 n'a pas de END:VCARD.</translation>
    </message>
    <message>
        <source>the file ends, but the card that begins at line %1 has no END:VCARD.</source>
        <translation>le fichier se termine, mais la carte qui commence à la ligne %1 n'a pas de END:VCARD.</translation>
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
        <source>The file '%1' could not be written to disk.</source>
        <translation>Le fichier « %1 » n'a pas pu être écrit sur le disque.</translation>
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
</context>
<context>
    <name>varnelle::ContactDialog</name>
    <message>
        <source>&amp;Add Number</source>
        <translation>&amp;Ajouter un numéro</translation>
    </message>
    <message>
        <source>&amp;Edit Number</source>
        <translation>&amp;Modifier le numéro</translation>
    </message>
    <message>
        <source>&amp;Delete Number</source>
        <translation>Supprimer le &amp;numéro</translation>
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
        <source>The changes could not be taken from the boxes.</source>
        <translation>Les modifications n'ont pas pu être reprises des champs.</translation>
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
        <translation>Adresse é&amp;lectronique :</translation>
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
        <source>&amp;Import Contacts…</source>
        <translation>&amp;Importer des contacts…</translation>
    </message>
    <message>
        <source>Ex&amp;port Contacts…</source>
        <translation>E&amp;xporter des contacts…</translation>
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
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
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
        <source>Importing contacts...</source>
        <translation>Import des contacts...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>P&amp;ersonnels</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Rechercher des contacts</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>%1 of %2 contacts</source>
        <translation>%1 contacts sur %2</translation>
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
        <translation>Tous les enregistrements</translation>
    </message>
    <message>
        <source>Partial Report</source>
        <translation>Rapport partiel</translation>
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
        <translation>Type de fichier :</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom du fichier :</translation>
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
        <translation>Format enregistrement</translation>
    </message>
    <message>
        <source>Tab Separated</source>
        <translation>Séparé par des tabulations</translation>
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
        <translation>Valeurs séparées par des virgules</translation>
    </message>
    <message>
        <source>Tab Separated Values</source>
        <translation>Valeurs séparées par des tabulations</translation>
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
</context>
</TS>
