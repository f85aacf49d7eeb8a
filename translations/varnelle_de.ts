<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Der Ordner „%1“ für das Adressbuch kann nicht angelegt oder geöffnet werden.</translation>
    </message>
    <message>
        <source>
Try 'varnelle --help' for the options.</source>
        <translation>
Mit „varnelle --help“ werden die Optionen angezeigt.</translation>
    </message>
    <message>
        <source>%1: an address book.</source>
        <translation>%1: ein Adressbuch.</translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation>Zeigt diese Optionen.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Imports the contacts of a vCard or CSV file into Address.mdb in the current folder, prints a summary and ends.</source>
        <translation>Importiert die Kontakte einer vCard- oder CSV-Datei in Address.mdb im aktuellen Ordner, gibt eine Übersicht aus und endet.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Where imported contacts go: business, personal, current (the view shown at the last start) or by-company (business when a company is given; the default).</source>
        <translation>Wohin importierte Kontakte kommen: business (geschäftlich), personal (privat), current (die beim letzten Start gezeigte Ansicht) oder by-company (geschäftlich, wenn eine Firma angegeben ist; die Vorgabe).</translation>
    </message>
    <message>
        <source>view</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Exports the contacts of Address.mdb in the current folder to a file and ends.</source>
        <translation>Exportiert die Kontakte von Address.mdb im aktuellen Ordner in eine Datei und endet.</translation>
    </message>
    <message>
        <source>The export's format: vcard4, vcard3 or csv (default: csv for a *.csv file, else vcard4).</source>
        <translation>Das Format des Exports: vcard4, vcard3 oder csv (Vorgabe: csv für eine *.csv-Datei, sonst vcard4).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Keeps the address book in the user's data folder instead of the current folder.</source>
        <translation>Hält das Adressbuch im Datenordner des Benutzers statt im aktuellen Ordner.</translation>
    </message>
    <message>
        <source>Unexpected argument '%1'.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1 %2.%3</source>
        <translation>%1 %2.%3</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import und --export können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>--into takes business, personal, current or by-company, not '%1'.</source>
        <translation>--into nimmt business, personal, current oder by-company, nicht „%1“.</translation>
    </message>
    <message>
        <source>--into belongs to --import.</source>
        <translation>--into gehört zu --import.</translation>
    </message>
    <message>
        <source>--format takes vcard4, vcard3 or csv, not '%1'.</source>
        <translation>--format nimmt vcard4, vcard3 oder csv, nicht „%1“.</translation>
    </message>
    <message>
        <source>--view takes business, personal or all, not '%1'.</source>
        <translation>--view nimmt business, personal oder all, nicht „%1“.</translation>
    </message>
    <message>
        <source>--format and --view belong to --export.</source>
        <translation>--format und --view gehören zu --export.</translation>
    </message>
    <message>
        <source>Prints the contacts that match the words, as the search box finds them: name, company, first number and e-mail, tab-separated. Ends with 0 when something matched, else 1.</source>
        <translation>Gibt die Kontakte aus, die zu den Wörtern passen, wie das Suchfeld sie findet: Name, Firma, erste Nummer und E-Mail, durch Tabulatoren getrennt. Endet mit 0, wenn etwas gefunden wurde, sonst mit 1.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Answers a mail program's address query: a first line, then address, name and company of each match with an e-mail.</source>
        <translation>Beantwortet die Adressabfrage eines E-Mail-Programms: eine erste Zeile, dann Adresse, Name und Firma jedes Treffers mit E-Mail.</translation>
    </message>
    <message>
        <source>Which contacts to export or find: business, personal or all (the default).</source>
        <translation>Welche Kontakte exportiert oder gesucht werden: business, personal oder all (die Vorgabe).</translation>
    </message>
    <message>
        <source>--find and --query cannot be given with each other, --import or --export.</source>
        <translation>--find und --query können weder zusammen noch mit --import oder --export angegeben werden.</translation>
    </message>
    <message>
        <source>--find takes --view; --query takes no option.</source>
        <translation>--find nimmt --view; --query nimmt keine Option.</translation>
    </message>
    <message numerus="yes">
        <source>Varnelle: %n matching address(es)</source>
        <translation><numerusform>Varnelle: %n passende Adresse</numerusform><numerusform>Varnelle: %n passende Adressen</numerusform></translation>
    </message>
</context>
<context>
    <name>ContactList</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>Interchange</name>
    <message>
        <source>Contacts are never exported to '%1': that is a database file. Choose another name.</source>
        <translation>Kontakte werden nie nach „%1“ exportiert: Das ist eine Datenbankdatei. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Contacts are never exported to '%1': that is a report definition. Choose another name.</source>
        <translation>Kontakte werden nie nach „%1“ exportiert: Das ist eine Berichtsdefinition. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The file '%1' could not be written: %2.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source> Nothing was imported; the address book is unchanged.</source>
        <translation> Nichts wurde importiert; das Adressbuch ist unverändert.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>New telephone types: %1.</source>
        <translation>Neue Telefonarten: %1.</translation>
    </message>
    <message>
        <source>%1 held NUL characters, which were left out.</source>
        <translation>%1 enthielt NUL-Zeichen, die ausgelassen wurden.</translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters; not imported.</source>
        <translation>%1 %2 ist länger als %3 Zeichen; nicht importiert.</translation>
    </message>
    <message>
        <source>the type name %1 of the number %2 is longer than %3 characters; not imported.</source>
        <translation>Der Typname %1 der Nummer %2 ist länger als %3 Zeichen; nicht importiert.</translation>
    </message>
    <message>
        <source>%1 number %2: the book keeps one number of each type, and %3 is already stored; not imported.</source>
        <translation>%1 Nummer %2: Das Buch speichert eine Nummer je Typ, und %3 ist bereits gespeichert; nicht importiert.</translation>
    </message>
    <message>
        <source>The address book cannot begin the import: it is in use. Try again.</source>
        <translation>Das Adressbuch kann den Import nicht beginnen: Es wird gerade verwendet. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The import was cancelled; the address book is unchanged.</source>
        <translation>Der Import wurde abgebrochen; das Adressbuch ist unverändert.</translation>
    </message>
    <message>
        <source>The address book could not keep the imported contacts.</source>
        <translation>Das Adressbuch konnte die importierten Kontakte nicht speichern.</translation>
    </message>
    <message>
        <source>The file '%1' cannot be imported. %2</source>
        <translation>Die Datei „%1“ kann nicht importiert werden. %2</translation>
    </message>
    <message>
        <source>The file '%1' cannot be read: %2.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>the contact at line %1</source>
        <translation>der Kontakt in Zeile %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The file is empty: it holds no heading row and no contacts.</source>
        <translation>Die Datei ist leer: Sie enthält weder eine Überschriftenzeile noch Kontakte.</translation>
    </message>
    <message>
        <source>the line holds binary data (byte 0x%1 at column %2), which no vCard file holds. This is not a vCard file, or it is damaged.</source>
        <translation>Die Zeile enthält Binärdaten (Byte 0x%1 in Spalte %2), die keine vCard-Datei enthält. Dies ist keine vCard-Datei, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>the quoted-printable sequence "%1" is invalid: '=' must be followed by two hexadecimal digits.</source>
        <translation>Die Quoted-Printable-Folge „%1“ ist ungültig: Auf „=“ müssen zwei Hexadezimalziffern folgen.</translation>
    </message>
    <message>
        <source>"%1" is not a vCard property: it has no ':'.</source>
        <translation>„%1“ ist keine vCard-Eigenschaft: Es fehlt der „:“.</translation>
    </message>
    <message>
        <source>the character set "%1" is unknown; this program reads UTF-8, ISO-8859-1 and Windows-1252.</source>
        <translation>Der Zeichensatz „%1“ ist unbekannt; dieses Programm liest UTF-8, ISO-8859-1 und Windows-1252.</translation>
    </message>
    <message>
        <source>"%1" stands where a card should begin with BEGIN:VCARD. This is not a vCard file, or it is damaged.</source>
        <translation>„%1“ steht dort, wo eine Karte mit BEGIN:VCARD beginnen sollte. Dies ist keine vCard-Datei, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>a new card begins, but the card that begins at line %1 has no END:VCARD.</source>
        <translation>Eine neue Karte beginnt, aber die Karte ab Zeile %1 hat kein END:VCARD.</translation>
    </message>
    <message>
        <source>the file ends, but the card that begins at line %1 has no END:VCARD.</source>
        <translation>Die Datei endet, aber die Karte ab Zeile %1 hat kein END:VCARD.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The &amp;current view (business)</source>
        <translation>Die &amp;aktuelle Ansicht (geschäftlich)</translation>
    </message>
    <message>
        <source>The &amp;current view (personal)</source>
        <translation>Die &amp;aktuelle Ansicht (privat)</translation>
    </message>
    <message>
        <source>1 contact exported to %1.</source>
        <translation>1 Kontakt nach %1 exportiert.</translation>
    </message>
    <message>
        <source>%1 contacts exported to %2.</source>
        <translation>%1 Kontakte nach %2 exportiert.</translation>
    </message>
    <message>
        <source> from %1</source>
        <translation> aus %1</translation>
    </message>
    <message>
        <source>1 contact imported%1; %2 already present.</source>
        <translation>1 Kontakt importiert%1; %2 bereits vorhanden.</translation>
    </message>
    <message>
        <source>%1 contacts imported%2; %3 already present.</source>
        <translation>%1 Kontakte importiert%2; %3 bereits vorhanden.</translation>
    </message>
    <message>
        <source>1 value could not be placed in the book:</source>
        <translation>1 Wert konnte nicht ins Buch übernommen werden:</translation>
    </message>
    <message>
        <source>%1 values could not be placed in the book:</source>
        <translation>%1 Werte konnten nicht ins Buch übernommen werden:</translation>
    </message>
</context>
<context>
    <name>Repair</name>
    <message>
        <source>an unknown number of %1</source>
        <translation>eine unbekannte Anzahl %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>telephone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>telephone numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <source>telephone type</source>
        <translation>Telefonart</translation>
    </message>
    <message>
        <source>telephone types</source>
        <translation>Telefonarten</translation>
    </message>
    <message>
        <source>The database file '%1' was damaged. What could still be read is in the repaired file: %2 were saved. %3 The damaged file is kept as '%4'.</source>
        <translation>Die Datenbankdatei „%1“ war beschädigt. Was noch gelesen werden konnte, steht in der reparierten Datei: %2 wurden gerettet. %3 Die beschädigte Datei wird als „%4“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Nothing was lost.</source>
        <translation>Nichts ging verloren.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnten nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(continued)</source>
        <translation>(Fortsetzung)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 Kontakt</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 Kontakte</translation>
    </message>
    <message>
        <source>No data file was named for the report.</source>
        <translation>Für den Bericht wurde keine Datendatei angegeben.</translation>
    </message>
    <message>
        <source>The data file "%1" cannot be found.</source>
        <translation>Die Datendatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The data file "%1" is damaged: the report cannot read its contacts.</source>
        <translation>Die Datendatei „%1“ ist beschädigt: Der Bericht kann ihre Kontakte nicht lesen.</translation>
    </message>
    <message>
        <source>The data file "%1" %2 as a contacts database: %3.</source>
        <translation>Die Datendatei „%1“ %2 als Kontaktdatenbank: %3.</translation>
    </message>
    <message>
        <source>The report definition file "%1" is not a valid report definition: %2.</source>
        <translation>Die Berichtsdefinitionsdatei „%1“ ist keine gültige Berichtsdefinition: %2.</translation>
    </message>
    <message>
        <source>the width of %1 must be a whole number from 1 to 1000</source>
        <translation>Die Breite von %1 muss eine ganze Zahl von 1 bis 1000 sein</translation>
    </message>
    <message>
        <source>%1 must name at least one field in a list</source>
        <translation>%1 muss in einer Liste mindestens ein Feld nennen</translation>
    </message>
    <message>
        <source>%1 names "%2", which is not a field of table Address</source>
        <translation>%1 nennt „%2“, das kein Feld der Tabelle Address ist</translation>
    </message>
    <message>
        <source>%1 at character %2</source>
        <translation>%1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>it must hold one JSON object</source>
        <translation>Sie muss genau ein JSON-Objekt enthalten</translation>
    </message>
    <message>
        <source>it has no "title"</source>
        <translation>Sie hat keinen „title“</translation>
    </message>
    <message>
        <source>"contacts" must be "business", "personal" or "all"</source>
        <translation>„contacts“ muss „business“, „personal“ oder „all“ sein</translation>
    </message>
    <message>
        <source>"layout" must be "table" or "card"</source>
        <translation>„layout“ muss „table“ oder „card“ sein</translation>
    </message>
    <message>
        <source>it must list at least one column under "columns"</source>
        <translation>Sie muss unter „columns“ mindestens eine Spalte aufführen</translation>
    </message>
    <message>
        <source>%1 must be a JSON object</source>
        <translation>%1 muss ein JSON-Objekt sein</translation>
    </message>
    <message>
        <source>%1 has no "heading"</source>
        <translation>%1 hat kein „heading“</translation>
    </message>
    <message>
        <source>"telephones" must be an object with a heading and a width</source>
        <translation>„telephones“ muss ein Objekt mit „heading“ und „width“ sein</translation>
    </message>
    <message>
        <source>The report definition file "%1" cannot be read: %2.</source>
        <translation>Die Berichtsdefinitionsdatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>Sie ist größer als 1 MB</translation>
    </message>
    <message>
        <source>No report definition file was named.</source>
        <translation>Es wurde keine Berichtsdefinitionsdatei angegeben.</translation>
    </message>
    <message>
        <source>The report definition file "%1" cannot be found.</source>
        <translation>Die Berichtsdefinitionsdatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The report definition file "%1" cannot be found. It was looked for in: %2.</source>
        <translation>Die Berichtsdefinitionsdatei „%1“ wurde nicht gefunden. Gesucht wurde in: %2.</translation>
    </message>
    <message>
        <source>The file type %1 is not known. Choose 0 (record format), 1 (tab separated), 2 (text), 3 (DIF), 4 (comma-separated values) or 6 (tab-separated values).</source>
        <translation>Der Dateityp %1 ist nicht bekannt. Wählen Sie 0 (Satzformat), 1 (tabulatorgetrennt), 2 (Text), 3 (DIF), 4 (kommagetrennte Werte) oder 6 (tabulatorgetrennte Werte).</translation>
    </message>
    <message>
        <source>expected 'And', 'Or' or the end of the formula</source>
        <translation>„And“, „Or“ oder das Ende der Formel erwartet</translation>
    </message>
    <message>
        <source>The selection formula has an error at position %1: %2.</source>
        <translation>Die Auswahlformel hat an Position %1 einen Fehler: %2.</translation>
    </message>
    <message>
        <source>expected a field such as {Address.LastName}, 'Not' or '(' but the formula ends</source>
        <translation>Ein Feld wie {Address.LastName}, „Not“ oder „(“ erwartet, aber die Formel endet</translation>
    </message>
    <message>
        <source>the formula is nested too deeply; it may hold at most %1 levels of parentheses</source>
        <translation>Die Formel ist zu tief verschachtelt; sie darf höchstens %1 Klammerebenen enthalten</translation>
    </message>
    <message>
        <source>expected ')'</source>
        <translation>„)“ erwartet</translation>
    </message>
    <message>
        <source>the formula is too long; it may hold at most %1 comparisons</source>
        <translation>Die Formel ist zu lang; sie darf höchstens %1 Vergleiche enthalten</translation>
    </message>
    <message>
        <source>expected '=' or '&lt;&gt;' after %1</source>
        <translation>„=“ oder „&lt;&gt;“ nach %1 erwartet</translation>
    </message>
    <message>
        <source>expected a quoted text after '%1'</source>
        <translation>Ein Text in Anführungszeichen nach „%1“ erwartet</translation>
    </message>
    <message>
        <source>the quoted text is not closed by a single quote</source>
        <translation>Der Text in Anführungszeichen wird nicht durch ein einfaches Anführungszeichen abgeschlossen</translation>
    </message>
    <message>
        <source>expected a field in braces such as {Address.LastName}</source>
        <translation>Ein Feld in geschweiften Klammern wie {Address.LastName} erwartet</translation>
    </message>
    <message>
        <source>the field reference is not closed by '}'</source>
        <translation>Der Feldverweis wird nicht durch „}“ abgeschlossen</translation>
    </message>
    <message>
        <source>the field %1 must name its table, as in {Address.LastName}</source>
        <translation>Das Feld %1 muss seine Tabelle nennen, wie in {Address.LastName}</translation>
    </message>
    <message>
        <source>the table "%1" is not known; fields of table Address can be compared</source>
        <translation>Die Tabelle „%1“ ist nicht bekannt; Felder der Tabelle Address können verglichen werden</translation>
    </message>
    <message>
        <source>the field %1 is not a text field of table Address (%2)</source>
        <translation>Das Feld %1 ist kein Textfeld der Tabelle Address (%2)</translation>
    </message>
    <message>
        <source>The report could not be printed on "%1".</source>
        <translation>Der Bericht konnte nicht auf „%1“ gedruckt werden.</translation>
    </message>
    <message>
        <source>The file "%1" cannot be written: %2.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Producing the report "%1"...</source>
        <translation>Der Bericht „%1“ wird erstellt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source> Choose File &gt; Repair Database to save what can still be read.</source>
        <translation> Wählen Sie Datei &gt; Datenbank reparieren, um zu retten, was noch gelesen werden kann.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The changes were not saved: this contact is no longer in the database.</source>
        <translation>Die Änderungen wurden nicht gespeichert: Dieser Kontakt ist nicht mehr in der Datenbank.</translation>
    </message>
    <message>
        <source>The file '%1' is not a database of this program, or it is damaged.</source>
        <translation>Die Datei „%1“ ist keine Datenbank dieses Programms, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>The change was not saved: an index of table '%1' in the database file '%2' is damaged. Choose File &gt; Repair Database to mend it, then try again.</source>
        <translation>Die Änderung wurde nicht gespeichert: Ein Index der Tabelle „%1“ in der Datenbankdatei „%2“ ist beschädigt. Wählen Sie Datei &gt; Datenbank reparieren, um ihn zu reparieren, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>this %1</source>
        <translation>diesem %1</translation>
    </message>
    <message>
        <source>this combination of %1</source>
        <translation>dieser Kombination von %1</translation>
    </message>
    <message>
        <source>The change was not saved: table '%1' already has a row with %2, and its index '%3' allows no duplicate values.</source>
        <translation>Die Änderung wurde nicht gespeichert: Die Tabelle „%1“ hat bereits eine Zeile mit %2, und ihr Index „%3“ erlaubt keine doppelten Werte.</translation>
    </message>
    <message>
        <source>The text for the field '%1' is too long: it holds at most %2 characters.</source>
        <translation>Der Text für das Feld „%1“ ist zu lang: Es fasst höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <source>The database file '%1' is damaged: some contacts may be missing or wrong. Choose File &gt; Repair Database to save what can still be read.</source>
        <translation>Die Datenbankdatei „%1“ ist beschädigt: Einige Kontakte können fehlen oder falsch sein. Wählen Sie Datei &gt; Datenbank reparieren, um zu retten, was noch gelesen werden kann.</translation>
    </message>
    <message>
        <source>The file '%1' already exists, so the compacted copy of the database cannot be written. Move or remove it, then repair again.</source>
        <translation>Die Datei „%1“ existiert bereits, daher kann die verdichtete Kopie der Datenbank nicht geschrieben werden. Verschieben oder entfernen Sie sie und reparieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>'%1' is not a Varnelle address book (%2).</source>
        <translation>„%1“ ist kein Varnelle-Adressbuch (%2).</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be changed: it can only be read.</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geändert werden: Sie kann nur gelesen werden.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be opened: it does not exist, or it cannot be read and written in this folder.</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geöffnet werden: Sie existiert nicht, oder sie kann in diesem Ordner nicht gelesen und geschrieben werden.</translation>
    </message>
    <message>
        <source>The database file '%1' is in use by another program. Close that program and try again.</source>
        <translation>Die Datenbankdatei „%1“ wird von einem anderen Programm verwendet. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The database file '%1' could not be written: %2.</source>
        <translation>Die Datenbankdatei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The database reported an unknown error.</source>
        <translation>Die Datenbank meldete einen unbekannten Fehler.</translation>
    </message>
    <message>
        <source>The text that begins "%1" was not saved: it contains a NUL character (character code 0), which the address book does not store.</source>
        <translation>Der Text, der mit „%1“ beginnt, wurde nicht gespeichert: Er enthält ein NUL-Zeichen (Zeichencode 0), das das Adressbuch nicht speichert.</translation>
    </message>
    <message>
        <source>The collation of names could not be set up.</source>
        <translation>Die Sortierung der Namen konnte nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>The number was not saved: the contact already has a telephone number of this type, and the index 'Primary' of table 'TelephoneList' allows one number of each type per contact.</source>
        <translation>Die Nummer wurde nicht gespeichert: Der Kontakt hat bereits eine Telefonnummer dieses Typs, und der Index „Primary“ der Tabelle „TelephoneList“ erlaubt eine Nummer je Typ und Kontakt.</translation>
    </message>
    <message>
        <source>The telephone type no longer exists; it may have been deleted meanwhile.</source>
        <translation>Die Telefonart existiert nicht mehr; sie wurde vielleicht inzwischen gelöscht.</translation>
    </message>
    <message>
        <source>The telephone type '%1' was not saved: the type '%2' already exists, and the index 'TelephoneType' allows no two types with the same name.</source>
        <translation>Die Telefonart „%1“ wurde nicht gespeichert: Die Art „%2“ existiert bereits, und der Index „TelephoneType“ erlaubt keine zwei Arten gleichen Namens.</translation>
    </message>
    <message>
        <source>The permissions of '%1' cannot be given to the repaired file: %2.</source>
        <translation>Die Berechtigungen von „%1“ können nicht auf die reparierte Datei übertragen werden: %2.</translation>
    </message>
    <message>
        <source>The damaged file '%1' cannot be kept as '%2', so it was not repaired.</source>
        <translation>Die beschädigte Datei „%1“ kann nicht als „%2“ aufbewahrt werden, daher wurde sie nicht repariert.</translation>
    </message>
    <message>
        <source>The damaged file '%1' cannot be kept: too many earlier damaged copies lie beside it.</source>
        <translation>Die beschädigte Datei „%1“ kann nicht aufbewahrt werden: Zu viele frühere beschädigte Kopien liegen daneben.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be changed: the file is write-protected. Allow changes to it, or start the program with a copy that can be changed.</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geändert werden: Die Datei ist schreibgeschützt. Erlauben Sie Änderungen daran, oder starten Sie das Programm mit einer änderbaren Kopie.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be changed: its folder does not allow the journal file that is written beside it during each change. Allow changes in the folder, or move the file to a folder that allows them.</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geändert werden: Ihr Ordner erlaubt nicht die Journaldatei, die bei jeder Änderung daneben geschrieben wird. Erlauben Sie Änderungen im Ordner, oder verschieben Sie die Datei in einen Ordner, der sie erlaubt.</translation>
    </message>
    <message>
        <source>The file '%1' cannot be opened: %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file '%1' could not be written to disk.</source>
        <translation>Die Datei „%1“ konnte nicht auf die Festplatte geschrieben werden.</translation>
    </message>
    <message>
        <source>The file '%1' could not be renamed to '%2': %3.</source>
        <translation>Die Datei „%1“ konnte nicht in „%2“ umbenannt werden: %3.</translation>
    </message>
    <message>
        <source>The repaired file '%1' cannot be made in the folder of '%2'.</source>
        <translation>Die reparierte Datei „%1“ kann im Ordner von „%2“ nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The repaired file '%1' did not pass the integrity check, so it was not used.</source>
        <translation>Die reparierte Datei „%1“ hat die Integritätsprüfung nicht bestanden und wurde daher nicht verwendet.</translation>
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
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactDialog</name>
    <message>
        <source>&amp;Add Number</source>
        <translation>Nummer &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit Number</source>
        <translation>Nummer &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Number</source>
        <translation>Nummer &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Adresse bearbeiten</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>The changes could not be taken from the boxes.</source>
        <translation>Die Änderungen konnten nicht aus den Feldern übernommen werden.</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Anrede:</translation>
    </message>
    <message>
        <source>Com&amp;pany:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>A&amp;dresse:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>E-&amp;Mail Address:</source>
        <translation>&amp;E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Sp&amp;ouse:</source>
        <translation>Ehe&amp;partner:</translation>
    </message>
    <message>
        <source>C&amp;hildren:</source>
        <translation>&amp;Kinder:</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>ZIP code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Telephone numbers</source>
        <translation>Telefonnummern</translation>
    </message>
</context>
<context>
    <name>varnelle::ExportOptionsDialog</name>
    <message>
        <source>Export Contacts</source>
        <translation>Kontakte exportieren</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>&amp;All contacts</source>
        <translation>&amp;Alle Kontakte</translation>
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
        <translation>CSV (kommagetrennte Werte)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
</context>
<context>
    <name>varnelle::ImportOptionsDialog</name>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Put the imported contacts into</source>
        <translation>Importierte Kontakte ablegen unter</translation>
    </message>
    <message>
        <source>&amp;Business when a company is given, else personal</source>
        <translation>&amp;Geschäftlich, wenn eine Firma angegeben ist, sonst privat</translation>
    </message>
    <message>
        <source>B&amp;usiness</source>
        <translation>Gesc&amp;häftlich</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>&amp;Privat</translation>
    </message>
</context>
<context>
    <name>varnelle::ImportSummaryDialog</name>
    <message>
        <source>Import Summary</source>
        <translation>Importübersicht</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Save Import Summary</source>
        <translation>Importübersicht speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>import-summary.txt</source>
        <translation>import-summary.txt</translation>
    </message>
    <message>
        <source>The summary could not be saved in '%1': %2.</source>
        <translation>Die Übersicht konnte nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>varnelle::MainWindow</name>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;arbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Business</source>
        <translation>&amp;Geschäftlich</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import Contacts…</source>
        <translation>Kontakte &amp;importieren…</translation>
    </message>
    <message>
        <source>Ex&amp;port Contacts…</source>
        <translation>Kontakte e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Repair Database</source>
        <translation>Datenbank &amp;reparieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tables</source>
        <translation>&amp;Tabellen</translation>
    </message>
    <message>
        <source>&amp;Telephone Types</source>
        <translation>&amp;Telefonarten</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>&amp;Address List</source>
        <translation>&amp;Adressliste</translation>
    </message>
    <message>
        <source>&amp;Telephone List</source>
        <translation>&amp;Telefonliste</translation>
    </message>
    <message>
        <source>&amp;Detail Report</source>
        <translation>&amp;Detailbericht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation>Kontakte exportieren</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf)</source>
        <translation>vCard-Dateien (*.vcf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.csv)</source>
        <translation>Kontakte (*.vcf *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Importing contacts...</source>
        <translation>Kontakte werden importiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>&amp;Privat</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Kontakte suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>%1 of %2 contacts</source>
        <translation>%1 von %2 Kontakten</translation>
    </message>
</context>
<context>
    <name>varnelle::PhoneNumberDialog</name>
    <message>
        <source>Telephone Number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Please enter a telephone number.</source>
        <translation>Bitte geben Sie eine Telefonnummer ein.</translation>
    </message>
    <message>
        <source>Please select a type of number.</source>
        <translation>Bitte wählen Sie eine Art der Nummer.</translation>
    </message>
    <message>
        <source>&amp;Type of Number:</source>
        <translation>&amp;Art der Nummer:</translation>
    </message>
    <message>
        <source>Telephone &amp;Number:</source>
        <translation>Telefon&amp;nummer:</translation>
    </message>
</context>
<context>
    <name>varnelle::PhoneTypesDialog</name>
    <message>
        <source>Telephone Types</source>
        <translation>Telefonarten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;arbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>What is the type of telphone number?</source>
        <translation>Welche Art von Telefonnummer ist es?</translation>
    </message>
    <message>
        <source>Cannot delete %1.</source>
        <translation>%1 kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Telephone type</source>
        <translation>Telefonart</translation>
    </message>
</context>
<context>
    <name>varnelle::ReportCriteriaDialog</name>
    <message>
        <source>Address Report Selection Criteria</source>
        <translation>Auswahlkriterien für den Adressbericht</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Bundesland:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>Exclude</source>
        <translation>Ausschließen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exclude companies</source>
        <translation>Firmen ausschließen</translation>
    </message>
    <message>
        <source>Exclude states</source>
        <translation>Bundesländer ausschließen</translation>
    </message>
    <message>
        <source>Exclude last names</source>
        <translation>Nachnamen ausschließen</translation>
    </message>
</context>
<context>
    <name>varnelle::ReportDestinationDialog</name>
    <message>
        <source>Report Destination Selection</source>
        <translation>Auswahl des Berichtsziels</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>All Records</source>
        <translation>Alle Datensätze</translation>
    </message>
    <message>
        <source>Partial Report</source>
        <translation>Teilbericht</translation>
    </message>
    <message>
        <source>Report To Printer</source>
        <translation>Bericht an Drucker</translation>
    </message>
    <message>
        <source>Report To Disk</source>
        <translation>Bericht in Datei</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopien:</translation>
    </message>
    <message>
        <source>File Type:</source>
        <translation>Dateityp:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Record Format</source>
        <translation>Satzformat</translation>
    </message>
    <message>
        <source>Tab Separated</source>
        <translation>Tabulatorgetrennt</translation>
    </message>
    <message>
        <source>Text Format</source>
        <translation>Textformat</translation>
    </message>
    <message>
        <source>DIF Format</source>
        <translation>DIF-Format</translation>
    </message>
    <message>
        <source>Comma Separated Values</source>
        <translation>Kommagetrennte Werte</translation>
    </message>
    <message>
        <source>Tab Separated Values</source>
        <translation>Tabulatorgetrennte Werte</translation>
    </message>
    <message>
        <source>address.txt</source>
        <translation>address.txt</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
</context>
<context>
    <name>varnelle::ReportPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source> of %1 </source>
        <translation> von %1 </translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
</TS>
