<?xml version='1.0' encoding='utf-8'?>
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
        <source>Prints the contacts that match the words, as --find finds them, each in full with all its details: one "Label: value" a line, or a vCard 4.0 with --format vcard4. Ends with 0 when something matched, else 1.</source>
        <translation>Gibt die Kontakte, die zu den Wörtern passen, so aus, wie --find sie findet, jeden vollständig mit allen Angaben: eine Zeile „Bezeichnung: Wert“ je Angabe, oder mit --format vcard4 als vCard 4.0. Endet mit 0, wenn etwas gefunden wurde, sonst mit 1.</translation>
    </message>
    <message>
        <source>--show cannot be given with --find, --query, --import or --export.</source>
        <translation>--show kann nicht zusammen mit --find, --query, --import oder --export angegeben werden.</translation>
    </message>
    <message>
        <source>--show takes --view and --format vcard4.</source>
        <translation>--show nimmt --view und --format vcard4.</translation>
    </message>
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
        <translation>
            <numerusform>Varnelle: %n passende Adresse</numerusform>
            <numerusform>Varnelle: %n passende Adressen</numerusform>
        </translation>
    </message>
    <message>
        <source>a table and its indexes do not count the same rows</source>
        <translation>eine Tabelle und ihre Indizes zählen nicht dieselben Zeilen</translation>
    </message>
    <message>
        <source>The database file '%1' is sound.</source>
        <translation>Die Datenbankdatei „%1“ ist in Ordnung.</translation>
    </message>
    <message>
        <source>The database file '%1' was sound and has been compacted.</source>
        <translation>Die Datenbankdatei „%1“ war in Ordnung und wurde verdichtet.</translation>
    </message>
    <message>
        <source>%1 %2 saved, an unknown number lost</source>
        <translation>%1: %2 Zeilen gerettet, unbekannt viele verloren</translation>
    </message>
    <message>
        <source>%1 %2 saved, %3 lost</source>
        <translation>%1: %2 Zeilen gerettet, %3 verloren</translation>
    </message>
    <message>
        <source>The database file '%1' was salvaged: %2.</source>
        <translation>Die Datenbankdatei „%1“ wurde wiederhergestellt: %2.</translation>
    </message>
    <message>
        <source>Checks Address.mdb in the current folder for damage and ends: status 0 when it is sound, 1 when it is damaged.</source>
        <translation>Prüft Address.mdb im aktuellen Ordner auf Schäden und endet: Status 0, wenn die Datei in Ordnung ist, 1, wenn sie beschädigt ist.</translation>
    </message>
    <message>
        <source>Repairs Address.mdb in the current folder as File &gt; Repair Database does, prints what it did and ends: status 0 when the book is sound or repaired.</source>
        <translation>Repariert Address.mdb im aktuellen Ordner wie Datei &gt; Datenbank reparieren, gibt aus, was getan wurde, und endet: Status 0, wenn das Buch in Ordnung ist oder repariert wurde.</translation>
    </message>
    <message>
        <source>Writes every line of the import's summary to a file; the summary printed groups them by kind.</source>
        <translation>Schreibt jede Zeile der Importübersicht in eine Datei; die ausgegebene Übersicht fasst sie nach Art zusammen.</translation>
    </message>
    <message>
        <source>--summary belongs to --import.</source>
        <translation>--summary gehört zu --import.</translation>
    </message>
    <message>
        <source>The import succeeded, but its summary could not be written to '%1': %2.</source>
        <translation>Der Import ist gelungen, aber seine Übersicht konnte nicht in „%1“ geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The import needed more memory than the computer has free and was stopped. Nothing was imported; the address book is unchanged.</source>
        <translation>Der Import brauchte mehr Speicher, als der Computer frei hat, und wurde abgebrochen. Nichts wurde importiert; das Adressbuch ist unverändert.</translation>
    </message>
    <message>
        <source>The export needed more memory than the computer has free and was stopped. The file '%1' was not written.</source>
        <translation>Der Export brauchte mehr Speicher, als der Computer frei hat, und wurde abgebrochen. Die Datei „%1“ wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The command needed more memory than the computer has free and was stopped.</source>
        <translation>Der Befehl brauchte mehr Speicher, als der Computer frei hat, und wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The command was stopped by an unexpected failure: %1.</source>
        <translation>Der Befehl wurde durch einen unerwarteten Fehler abgebrochen: %1.</translation>
    </message>
    <message>
        <source>The command was stopped by an unexpected failure.</source>
        <translation>Der Befehl wurde durch einen unerwarteten Fehler abgebrochen.</translation>
    </message>
    <message>
        <source>No contact was imported: every contact of the file is already in the address book.</source>
        <translation>Es wurde kein Kontakt importiert: Jeder Kontakt der Datei ist bereits im Adressbuch.</translation>
    </message>
    <message>
        <source>No contact was imported: the file holds none that could be read.</source>
        <translation>Es wurde kein Kontakt importiert: Die Datei enthält keinen lesbaren Kontakt.</translation>
    </message>
    <message>
        <source>Opens the window with the contact of this number (its PersonID) in the editor.</source>
        <translation>Öffnet das Fenster mit dem Kontakt dieser Nummer (seiner PersonID) im Bearbeitungsfenster.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Opens the window with the words in its search box.</source>
        <translation>Öffnet das Fenster mit den Wörtern in seinem Suchfeld.</translation>
    </message>
    <message>
        <source>Answers the desktop's search (GNOME Shell, KRunner) over the session bus from the address book, without a window, until the bus ends. The desktop starts it itself.</source>
        <translation>Beantwortet die Suche des Desktops (GNOME Shell, KRunner) über den Sitzungsbus aus dem Adressbuch, ohne Fenster, bis der Bus endet. Der Desktop startet dies selbst.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>vCard or CSV files to import in the window, each as File &gt; Import Contacts does; to the window already open on the book when there is one.</source>
        <translation>vCard- oder CSV-Dateien, die im Fenster importiert werden, jede wie mit Datei &gt; Kontakte importieren; an das schon geöffnete Fenster des Adressbuchs, wenn es eines gibt.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[Dateien...]</translation>
    </message>
    <message>
        <source>--%1 cannot be given with --%2.</source>
        <translation>--%1 kann nicht zusammen mit --%2 angegeben werden.</translation>
    </message>
    <message>
        <source>--edit-contact takes the number of a contact, not '%1'.</source>
        <translation>--edit-contact erwartet die Nummer eines Kontakts, nicht „%1“.</translation>
    </message>
<message>
        <source>Prints the changes of the book, newest first: number, time and what was done.</source>
        <translation>Gibt die Änderungen des Adressbuchs aus, neueste zuerst: Nummer, Zeit und was geschah.</translation>
    </message>
    <message>
        <source>With --history: prints at most this many changes.</source>
        <translation>Mit --history: gibt höchstens so viele Änderungen aus.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Undoes the newest change not yet undone, or the change of the number given after it.</source>
        <translation>Macht die neueste noch nicht rückgängig gemachte Änderung rückgängig, oder die Änderung der danach angegebenen Nummer.</translation>
    </message>
    <message>
        <source>With --undo: undoes later changes of the same contacts too, where they stand in the way.</source>
        <translation>Mit --undo: macht spätere Änderungen derselben Kontakte ebenfalls rückgängig, wo sie im Weg stehen.</translation>
    </message>
    <message>
        <source>Redoes the change undone last.</source>
        <translation>Wiederholt die zuletzt rückgängig gemachte Änderung.</translation>
    </message>
    <message>
        <source>Prints the contacts deleted that can be restored: number, time, name and what deleted it.</source>
        <translation>Gibt die gelöschten Kontakte aus, die wiederhergestellt werden können: Nummer, Zeit, Name und wodurch gelöscht.</translation>
    </message>
    <message>
        <source>Restores the deleted contacts of the numbers given after it, as --deleted prints them.</source>
        <translation>Stellt die gelöschten Kontakte der danach angegebenen Nummern wieder her, wie --deleted sie ausgibt.</translation>
    </message>
    <message>
        <source>--%1 cannot be given with --history, --undo, --redo, --deleted or --restore.</source>
        <translation>--%1 kann nicht mit --history, --undo, --redo, --deleted oder --restore angegeben werden.</translation>
    </message>
    <message>
        <source>Give one of --history, --undo, --redo, --deleted and --restore at a time.</source>
        <translation>Bitte nur eine der Optionen --history, --undo, --redo, --deleted und --restore angeben.</translation>
    </message>
    <message>
        <source>--limit belongs to --history.</source>
        <translation>--limit gehört zu --history.</translation>
    </message>
    <message>
        <source>--force belongs to --undo.</source>
        <translation>--force gehört zu --undo.</translation>
    </message>
    <message>
        <source>--limit takes a number, not '%1'.</source>
        <translation>--limit erwartet eine Zahl, nicht '%1'.</translation>
    </message>
    <message>
        <source>--undo takes one number at most.</source>
        <translation>--undo nimmt höchstens eine Nummer.</translation>
    </message>
    <message>
        <source>--restore takes the numbers of the contacts to restore, as --deleted prints them.</source>
        <translation>--restore erwartet die Nummern der wiederherzustellenden Kontakte, wie --deleted sie ausgibt.</translation>
    </message>
    <message>
        <source>'%1' is not a number of a change or a deleted contact.</source>
        <translation>'%1' ist keine Nummer einer Änderung oder eines gelöschten Kontakts.</translation>
    </message>
    <message>
        <source>Its history keeps %1 changes of %2 rows in %3 KB.</source>
        <translation>Sein Verlauf enthält %1 Änderungen an %2 Zeilen in %3 KB.</translation>
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
    <name>DesktopSearch</name>
    <message>
        <source>Copy E-Mail Address</source>
        <translation>E-Mail-Adresse kopieren</translation>
    </message>
    <message>
        <source>Copy Number</source>
        <translation>Nummer kopieren</translation>
    </message>
    <message>
        <source>The desktop's search cannot be served: there is no session bus (%1).</source>
        <translation>Die Suche des Desktops kann nicht beantwortet werden: Es gibt keinen Sitzungsbus (%1).</translation>
    </message>
    <message>
        <source>The desktop's search cannot be served: %1.</source>
        <translation>Die Suche des Desktops kann nicht beantwortet werden: %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk reported an error while reading or writing it</source>
        <translation>Der Datenträger meldete beim Lesen oder Schreiben einen Fehler</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>Der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>permission to change it is denied</source>
        <translation>Die Berechtigung zum Ändern fehlt</translation>
    </message>
    <message>
        <source>its name or path is longer than the system allows</source>
        <translation>Ihr Name oder Pfad ist länger, als das System erlaubt</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a pipe (FIFO), not a file</source>
        <translation>es ist eine Pipe (FIFO), keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>the system gave no cause</source>
        <translation>das System nannte keinen Grund</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>%1 %2 did not fit and %3 left out: this box holds at most %4 characters.</source>
        <translation>%1 %2 %3 weggelassen, da dieses Feld höchstens %4 Zeichen fasst.</translation>
    </message>
    <message>
        <source>character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>was</source>
        <translation>wurde</translation>
    </message>
    <message>
        <source>were</source>
        <translation>wurden</translation>
    </message>
    <message>
        <source>This box holds at most %1 characters.</source>
        <translation>Dieses Feld fasst höchstens %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>Interchange</name>
    <message>
        <source>Text that names no character set and is not UTF-8 was read as %1, the set its bytes suggest.</source>
        <translation>Text ohne Angabe eines Zeichensatzes, der kein UTF-8 ist, wurde als %1 gelesen, der Zeichensatz, auf den seine Bytes hindeuten.</translation>
    </message>
    <message>
        <source>Text that names no character set and is not UTF-8 was read as %1, the set the file names for other values.</source>
        <translation>Text ohne Angabe eines Zeichensatzes, der kein UTF-8 ist, wurde als %1 gelesen, der Zeichensatz, den die Datei für andere Werte nennt.</translation>
    </message>
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
        <source>"%1" stands where a card should begin with BEGIN:VCARD. This is not a vCard file, or it is damaged.</source>
        <translation>„%1“ steht dort, wo eine Karte mit BEGIN:VCARD beginnen sollte. Dies ist keine vCard-Datei, oder sie ist beschädigt.</translation>
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
    <message>
        <source>Already in the book, not added again:</source>
        <translation>Bereits im Buch, nicht erneut hinzugefügt:</translation>
    </message>
    <message>
        <source>Skipped in the file:</source>
        <translation>In der Datei übersprungen:</translation>
    </message>
    <message>
        <source>the end-of-file mark of DOS (Ctrl+Z) was skipped.</source>
        <translation>Die Dateiende-Marke von DOS (Strg+Z) wurde übersprungen.</translation>
    </message>
    <message>
        <source>The lines of the file end with CR alone, as old Macintosh programs write them; they were read as lines.</source>
        <translation>Die Zeilen der Datei enden nur mit CR, wie alte Macintosh-Programme sie schreiben; sie wurden als Zeilen gelesen.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no contacts.</source>
        <translation>Die Datei ist leer: Sie enthält keine Kontakte.</translation>
    </message>
    <message>
        <source>the comment "%1" was skipped.</source>
        <translation>Der Kommentar „%1“ wurde übersprungen.</translation>
    </message>
    <message>
        <source>the line before ends with a backslash; this line was read as the rest of its value.</source>
        <translation>Die vorige Zeile endet mit einem Backslash; diese Zeile wurde als Rest ihres Werts gelesen.</translation>
    </message>
    <message>
        <source>%1 is in the character set "%2", which this program cannot read; not imported.</source>
        <translation>%1 steht im Zeichensatz „%2“, den dieses Programm nicht lesen kann; nicht importiert.</translation>
    </message>
    <message>
        <source>%1 "%2" is no date; it was kept as text.</source>
        <translation>%1 „%2“ ist kein Datum; als Text übernommen.</translation>
    </message>
    <message>
        <source>a card within the card of line %1, up to line %2, was skipped.</source>
        <translation>Eine Karte innerhalb der Karte ab Zeile %1 wurde bis Zeile %2 übersprungen.</translation>
    </message>
    <message>
        <source>the group "%1" is a list of contacts, not a contact; not imported.</source>
        <translation>Die Gruppe „%1“ ist eine Liste von Kontakten, kein Kontakt; nicht importiert.</translation>
    </message>
    <message>
        <source>"%1" is not a vCard property (it has no name and ':'); skipped.</source>
        <translation>„%1“ ist keine vCard-Eigenschaft (Name und „:“ fehlen); übersprungen.</translation>
    </message>
    <message>
        <source>Already in the book</source>
        <translation>Bereits im Adressbuch</translation>
    </message>
    <message>
        <source>Contacts with nothing the book holds</source>
        <translation>Kontakte ohne Angaben, die das Adressbuch aufnimmt</translation>
    </message>
    <message>
        <source>Skipped in the file</source>
        <translation>In der Datei übersprungen</translation>
    </message>
    <message>
        <source>NUL characters left out</source>
        <translation>Weggelassene NUL-Zeichen</translation>
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
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>(listed)</source>
        <translation>(aufgelistet)</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>the row has more than %1 cells, far more than any file of contacts has columns. This is not a contact file, or it is damaged.</source>
        <translation>die Zeile hat mehr als %1 Zellen, weit mehr Spalten, als eine Kontaktdatei hat. Dies ist keine Kontaktdatei, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>the row is longer than %1 MB, far more than any contact holds. This is not a contact file, or it is damaged.</source>
        <translation>die Zeile ist länger als %1 MB, weit mehr, als ein Kontakt enthält. Dies ist keine Kontaktdatei, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>a cell is longer than %1 MB, far more than any contact holds. This is not a contact file, or it is damaged.</source>
        <translation>eine Zelle ist länger als %1 MB, weit mehr, als ein Kontakt enthält. Dies ist keine Kontaktdatei, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>the line is longer than %1 MB, far more than any contact holds. This is not a vCard file, or it is damaged.</source>
        <translation>die Zeile ist länger als %1 MB, weit mehr, als ein Kontakt enthält. Dies ist keine vCard-Datei, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>the card has more than %1 lines, far more than any contact has; skipped.</source>
        <translation>die Karte hat mehr als %1 Zeilen, weit mehr, als ein Kontakt hat; übersprungen.</translation>
    </message>
    <message>
        <source>the card holds more than %1 MB of text, far more than any contact holds; skipped.</source>
        <translation>die Karte enthält mehr als %1 MB Text, weit mehr, als ein Kontakt enthält; übersprungen.</translation>
    </message>
    <message>
        <source>"%1" stands outside any card; skipped.</source>
        <translation>„%1“ steht außerhalb jeder Karte; übersprungen.</translation>
    </message>
    <message>
        <source>"%1" and the lines after it up to line %2 stand outside any card; skipped.</source>
        <translation>„%1“ und die folgenden Zeilen bis Zeile %2 stehen außerhalb jeder Karte; übersprungen.</translation>
    </message>
    <message>
        <source>a card within the card of line %1, up to the end of the file, was skipped.</source>
        <translation>eine Karte innerhalb der Karte aus Zeile %1 wurde bis zum Ende der Datei übersprungen.</translation>
    </message>
    <message>
        <source>the card has no END:VCARD; it was read up to the end of the file.</source>
        <translation>der Karte fehlt END:VCARD; sie wurde bis zum Ende der Datei gelesen.</translation>
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
        <source>Values too long</source>
        <translation>Zu lange Werte</translation>
    </message>
    <message>
        <source>Numbers of a type already given</source>
        <translation>Nummern eines bereits vergebenen Typs</translation>
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
    <message>
        <source>Telephone types that numbers still use were lost and have been made again, each named 'Type' and its number: %1.</source>
        <translation>Telefonarten, die Nummern noch verwenden, gingen verloren und wurden neu angelegt, jeweils „Art“ und ihre Nummer genannt: %1.</translation>
    </message>
    <message>
        <source>An earlier repair was interrupted; the file '%1' it left was removed.</source>
        <translation>Eine frühere Reparatur wurde abgebrochen; die Datei „%1“, die sie hinterließ, wurde entfernt.</translation>
    </message>
    <message>
        <source>Saving what can still be read...</source>
        <translation>Was noch gelesen werden kann, wird gerettet...</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>--%1 cannot be given with --report.</source>
        <translation>--%1 kann nicht mit --report angegeben werden.</translation>
    </message>
    <message>
        <source>--%1 belongs to --report.</source>
        <translation>--%1 gehört zu --report.</translation>
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
Berichte des Menüs Berichte, ohne Fenster:
  --report address|telephone|detail [--view business|personal]
      --to &lt;Datei&gt; [--format pdf|txt|csv|tsv|dif|record]  oder  --printer [&lt;Warteschlange&gt;] [--copies &lt;n&gt;]
      [--company &lt;x&gt;] [--state &lt;y&gt;] [--last-name &lt;z&gt;] [--exclude]
                     Schreibt die Adressliste, Telefonliste oder den Detailbericht
                     der Ansicht (sonst die beim letzten Start gezeigte) in eine
                     Datei (das Format nach ihrem Namen, wenn nicht angegeben)
                     oder druckt ihn. --company, --state und --last-name wählen
                     aus wie der Teilbericht; --exclude behält die Kontakte, die
                     davon abweichen.
</translation>
    </message>
    <message>
        <source>--report takes address, telephone or detail, not '%1'.</source>
        <translation>--report nimmt address, telephone oder detail, nicht „%1“.</translation>
    </message>
    <message>
        <source>--report needs either --to &lt;file&gt; or --printer.</source>
        <translation>--report braucht entweder --to &lt;Datei&gt; oder --printer.</translation>
    </message>
    <message>
        <source>--format belongs to --to, --copies to --printer.</source>
        <translation>--format gehört zu --to, --copies zu --printer.</translation>
    </message>
    <message>
        <source>--format takes pdf, txt, csv, tsv, dif or record, not '%1'.</source>
        <translation>--format nimmt pdf, txt, csv, tsv, dif oder record, nicht „%1“.</translation>
    </message>
    <message>
        <source>The name '%1' does not tell the report's format: give --format pdf, txt, csv, tsv, dif or record.</source>
        <translation>Der Name „%1“ verrät das Format des Berichts nicht: Geben Sie --format pdf, txt, csv, tsv, dif oder record an.</translation>
    </message>
    <message>
        <source>--copies takes a number of at least 1, not '%1'.</source>
        <translation>--copies nimmt eine Zahl ab 1, nicht „%1“.</translation>
    </message>
    <message>
        <source>--exclude needs --company, --state or --last-name.</source>
        <translation>--exclude braucht --company, --state oder --last-name.</translation>
    </message>
    <message>
        <source>There is no printer '%1'.</source>
        <translation>Es gibt keinen Drucker „%1“.</translation>
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
    <message>
        <source>The report cannot be shown on the screen: the program has no windows.</source>
        <translation>Der Bericht kann nicht auf dem Bildschirm angezeigt werden: Das Programm hat keine Fenster.</translation>
    </message>
    <message>
        <source>The number of copies must be at least 1.</source>
        <translation>Die Anzahl der Kopien muss mindestens 1 sein.</translation>
    </message>
    <message>
        <source>No printer is available. Install a printer, or send the report to the screen or to a disk file.</source>
        <translation>Es ist kein Drucker verfügbar. Installieren Sie einen Drucker, oder geben Sie den Bericht auf dem Bildschirm oder in eine Datei aus.</translation>
    </message>
    <message>
        <source>No file name was given for the report.</source>
        <translation>Für den Bericht wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The report cannot be written to "%1": that file is one the report is read from. Choose another file name.</source>
        <translation>Der Bericht kann nicht nach „%1“ geschrieben werden: Aus dieser Datei liest der Bericht. Wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>The destination %1 is not known. Choose 0 (the screen), 1 (the printer) or 2 (a disk file).</source>
        <translation>Das Ziel %1 ist unbekannt. Wählen Sie 0 (Bildschirm), 1 (Drucker) oder 2 (Datei).</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>E-mail Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Namenspräfix</translation>
    </message>
    <message>
        <source>Name suffix</source>
        <translation>Namenszusatz</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Messenger</translation>
    </message>
    <message>
        <source>Social profile</source>
        <translation>Soziales Profil</translation>
    </message>
    <message>
        <source>Related</source>
        <translation>Bezugsperson</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>%1, %2 bytes</source>
        <translation>%1, %2 Bytes</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
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
    <message>
        <source>The database file '%1' cannot be changed: it belongs to another user (%2), who has not allowed changes by others. Start the program as that user, or with a copy of your own.</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geändert werden: Sie gehört einem anderen Benutzer (%2), der Änderungen durch andere nicht erlaubt hat. Starten Sie das Programm als dieser Benutzer oder mit einer eigenen Kopie.</translation>
    </message>
    <message>
        <source>The database file '%1' was replaced by another program (a repair) while the change was made, so it was not saved. Try again.</source>
        <translation>Die Datenbankdatei „%1“ wurde während der Änderung von einem anderen Programm (einer Reparatur) ersetzt, daher wurde die Änderung nicht gespeichert. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The database file '%1' could not be written: the disk is full. Make room on it, then try again.</source>
        <translation>Die Datenbankdatei „%1“ konnte nicht geschrieben werden: Der Datenträger ist voll. Schaffen Sie dort Platz und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The database file '%1' could not be read or written: the disk reported an error.</source>
        <translation>Die Datenbankdatei „%1“ konnte nicht gelesen oder geschrieben werden: Der Datenträger meldete einen Fehler.</translation>
    </message>
    <message>
        <source>The database file '%1' is being repaired by another program. Try again when the repair is done.</source>
        <translation>Die Datenbankdatei „%1“ wird gerade von einem anderen Programm repariert. Versuchen Sie es erneut, wenn die Reparatur abgeschlossen ist.</translation>
    </message>
    <message>
        <source>The database file '%1' cannot be opened: its path is longer than the %2 characters the database accepts. Move it to a folder with a shorter path.</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geöffnet werden: Ihr Pfad ist länger als die %2 Zeichen, die die Datenbank annimmt. Verschieben Sie sie in einen Ordner mit kürzerem Pfad.</translation>
    </message>
    <message>
        <source>The file '%1' is empty: it holds no address book. Move it away or delete it, and the program makes a new one at the next start.</source>
        <translation>Die Datei „%1“ ist leer: Sie enthält kein Adressbuch. Verschieben oder löschen Sie sie, dann legt das Programm beim nächsten Start ein neues an.</translation>
    </message>
    <message>
        <source>The file '%1' could not be written to disk: %2.</source>
        <translation>Die Datei „%1“ konnte nicht auf den Datenträger geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file '%1' already exists: an earlier repair was interrupted. '%2' is intact. Move '%1' away or delete it, then repair again.</source>
        <translation>Die Datei „%1“ existiert bereits: Eine frühere Reparatur wurde unterbrochen. „%2“ ist unversehrt. Verschieben oder löschen Sie „%1“ und reparieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>telephone numbers without a telephone type: %1</source>
        <translation>Telefonnummern ohne Telefonart: %1</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Art %1</translation>
    </message>
    <message>
        <source>No row of an address book can be read in '%1'.</source>
        <translation>In „%1“ kann keine Zeile eines Adressbuchs gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>The sync with the server %1 took too long and was stopped; what was done is kept, and the next sync goes on from there.</source>
        <translation>Die Synchronisation mit dem Server %1 hat zu lange gedauert und wurde angehalten; was erledigt war, bleibt erhalten, und die nächste Synchronisation macht dort weiter.</translation>
    </message>
    <message>
        <source>The server %1 redirected to %2, which asks for a password; the password is given to %1 only.</source>
        <translation>Der Server %1 hat nach %2 umgeleitet, wo ein Passwort verlangt wird; das Passwort erhält nur %1.</translation>
    </message>
    <message>
        <source>The server %1 redirected a change to %2, another server; the change was not sent there.</source>
        <translation>Der Server %1 hat eine Änderung nach %2 umgeleitet, zu einem anderen Server; die Änderung wurde nicht dorthin gesendet.</translation>
    </message>
    <message>
        <source>the resource holds %1 cards, not one.</source>
        <translation>Die Ressource enthält %1 Karten statt einer.</translation>
    </message>
    <message>
        <source>%1 contacts with '%2' on %3: %4 came in, %5 went out, %6 removed here, %7 removed on the server.</source>
        <translation>%1 Kontakte mit „%2“ auf %3: %4 empfangen, %5 gesendet, %6 hier entfernt, %7 auf dem Server entfernt.</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Geschäftliche</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Private</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <translation>Konflikt: %1</translation>
    </message>
    <message>
        <source>Not in the book, kept on the server: %1</source>
        <translation>Nicht im Buch, auf dem Server behalten: %1</translation>
    </message>
    <message>
        <source>The sync was cancelled.</source>
        <translation>Die Synchronisation wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The server %1 named '%2', which is outside the address book; the sync was stopped.</source>
        <translation>Der Server %1 nannte „%2“, das außerhalb des Adressbuchs liegt; die Synchronisation wurde angehalten.</translation>
    </message>
    <message>
        <source>The server %1 has no room for more contacts (its quota is used up).</source>
        <translation>Der Server %1 hat keinen Platz für weitere Kontakte (sein Kontingent ist aufgebraucht).</translation>
    </message>
    <message>
        <source>The server %1 refused to %2 (HTTP status %3).</source>
        <translation>Der Server %1 hat es abgelehnt, %2 (HTTP-Status %3).</translation>
    </message>
    <message>
        <source>%1: %2: the book's '%3' was kept, the server's '%4' was not taken.</source>
        <translation>%1: %2: „%3“ aus dem Buch wurde behalten, „%4“ vom Server nicht übernommen.</translation>
    </message>
    <message>
        <source>%1: %2 number: the book's '%3' was kept, the server's '%4' was not taken.</source>
        <translation>%1: Nummer %2: „%3“ aus dem Buch wurde behalten, „%4“ vom Server nicht übernommen.</translation>
    </message>
    <message>
        <source>Looking for changes</source>
        <translation>Suche nach Änderungen</translation>
    </message>
    <message>
        <source>list the address book</source>
        <translation>das Adressbuch aufzulisten</translation>
    </message>
    <message>
        <source>Receiving</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>send the changed contacts</source>
        <translation>die geänderten Kontakte zu senden</translation>
    </message>
    <message>
        <source>The card '%1' on the server cannot be read and was left out: %2</source>
        <translation>Die Karte „%1“ auf dem Server kann nicht gelesen werden und wurde ausgelassen: %2</translation>
    </message>
    <message>
        <source>%1 was deleted here but changed on the server, so it was kept.</source>
        <translation>%1 wurde hier gelöscht, aber auf dem Server geändert, und wurde daher behalten.</translation>
    </message>
    <message>
        <source>%1 was deleted on the server but changed here, so it was kept.</source>
        <translation>%1 wurde auf dem Server gelöscht, aber hier geändert, und wurde daher behalten.</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>'%1' was changed on the server meanwhile and was not deleted there; the next sync brings it back.</source>
        <translation>„%1“ wurde inzwischen auf dem Server geändert und dort nicht gelöscht; die nächste Synchronisation holt den Kontakt zurück.</translation>
    </message>
    <message>
        <source>delete a contact</source>
        <translation>einen Kontakt zu löschen</translation>
    </message>
    <message>
        <source>%1 was changed on the server meanwhile; the next sync merges it.</source>
        <translation>%1 wurde inzwischen auf dem Server geändert; die nächste Synchronisation führt die Änderungen zusammen.</translation>
    </message>
    <message>
        <source>store a contact</source>
        <translation>einen Kontakt zu speichern</translation>
    </message>
    <message>
        <source>Another sync of this address book is running; try again when it has ended.</source>
        <translation>Eine andere Synchronisation dieses Adressbuchs läuft; versuchen Sie es erneut, wenn sie beendet ist.</translation>
    </message>
    <message>
        <source>The server %1 is reached by plain http, which would send the password unencrypted. Use an https address, or allow it with --insecure on a network you trust.</source>
        <translation>Der Server %1 wird über unverschlüsseltes HTTP erreicht, wodurch das Passwort im Klartext gesendet würde. Verwenden Sie eine HTTPS-Adresse, oder erlauben Sie es mit --insecure in einem Netz, dem Sie vertrauen.</translation>
    </message>
    <message>
        <source>The address '%1' is no http or https address.</source>
        <translation>Die Adresse „%1“ ist keine HTTP- oder HTTPS-Adresse.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Der Server %1 hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>The certificate of the server %1 is not trusted, so no connection was made: %2</source>
        <translation>Dem Zertifikat des Servers %1 wird nicht vertraut, daher wurde keine Verbindung hergestellt: %2</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>Der Server %1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The server %1 cannot be reached: %2.</source>
        <translation>Der Server %1 ist nicht erreichbar: %2.</translation>
    </message>
    <message>
        <source>The server %1 redirects too often.</source>
        <translation>Der Server %1 leitet zu oft um.</translation>
    </message>
    <message>
        <source>The server %1 redirects to an address without encryption, which is refused.</source>
        <translation>Der Server %1 leitet auf eine Adresse ohne Verschlüsselung um; das wird abgelehnt.</translation>
    </message>
    <message>
        <source>The server %1 sent a response larger than %2 MB, which is refused.</source>
        <translation>Der Server %1 hat eine Antwort größer als %2 MB gesendet; sie wird abgelehnt.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read (line %2: %3).</source>
        <translation>Der Server %1 hat eine Antwort gesendet, die nicht gelesen werden kann (Zeile %2: %3).</translation>
    </message>
    <message>
        <source>The server %1 offers no CardDAV address books at this address.</source>
        <translation>Der Server %1 bietet unter dieser Adresse keine CardDAV-Adressbücher an.</translation>
    </message>
    <message>
        <source>The server %1 has no address book for this user.</source>
        <translation>Der Server %1 hat kein Adressbuch für diesen Benutzer.</translation>
    </message>
    <message>
        <source>The server %1 has several address books (%2): choose one with --address-book.</source>
        <translation>Der Server %1 hat mehrere Adressbücher (%2): Wählen Sie eines mit --address-book.</translation>
    </message>
    <message>
        <source>The server %1 has no address book '%2'.</source>
        <translation>Der Server %1 hat kein Adressbuch „%2“.</translation>
    </message>
    <message>
        <source>The address book on %1 is now empty, though %2 contacts here were synced with it; nothing was removed here.</source>
        <translation>Das Adressbuch auf %1 ist jetzt leer, obwohl %2 Kontakte hier damit abgeglichen wurden; hier wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>The address book on %1 no longer holds %2 of the %3 contacts synced with it; nothing was removed here.</source>
        <translation>Das Adressbuch auf %1 enthält %2 der %3 damit abgeglichenen Kontakte nicht mehr; hier wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>The server %1 is unavailable (HTTP status %2); try again later.</source>
        <translation>Der Server %1 ist nicht verfügbar (HTTP-Status %2); versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>the connection failed (network error %1)</source>
        <translation>die Verbindung ist fehlgeschlagen (Netzwerkfehler %1)</translation>
    </message>
    <message>
        <source>The server %1 answers in plain http, not https. If it is meant to be reached so, give its address as %2.</source>
        <translation>Der Server %1 antwortet mit einfachem http, nicht mit https. Wenn er so erreicht werden soll, geben Sie seine Adresse als %2 an.</translation>
    </message>
    <message>
        <source>No secure connection to the server %1 could be made: %2</source>
        <translation>Es konnte keine sichere Verbindung zum Server %1 hergestellt werden: %2</translation>
    </message>
    <message>
        <source>Its SHA-256 fingerprint is %1.</source>
        <translation>Sein SHA-256-Fingerabdruck ist %1.</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Namenspräfix</translation>
    </message>
    <message>
        <source>Name suffix</source>
        <translation>Namenszusatz</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Nicknames</source>
        <translation>Spitznamen</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Berufsbezeichnung</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Further e-mail addresses</source>
        <translation>Weitere E-Mail-Adressen</translation>
    </message>
    <message>
        <source>Further addresses</source>
        <translation>Weitere Adressen</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Further numbers</source>
        <translation>Weitere Nummern</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Web addresses</source>
        <translation>Webadressen</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Messaging</translation>
    </message>
    <message>
        <source>Social profiles</source>
        <translation>Soziale Profile</translation>
    </message>
    <message>
        <source>Related people</source>
        <translation>Verwandte Personen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Check the server's address in the sync accounts and this computer's network connection, then sync again.</source>
        <translation>Prüfen Sie die Adresse des Servers in den Sync-Konten und die Netzwerkverbindung dieses Computers, dann synchronisieren Sie erneut.</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <source>The address of %1 holds a password, which Varnelle keeps only in the desktop's keyring, and no keyring took it. Give the address without the password, and the password with --password-command or on standard input.</source>
        <translation>Die Adresse von %1 enthält ein Passwort, das Varnelle nur im Schlüsselbund des Desktops aufbewahrt, und kein Schlüsselbund hat es angenommen. Geben Sie die Adresse ohne das Passwort an und das Passwort mit --password-command oder über die Standardeingabe.</translation>
    </message>
    <message>
        <source>The password command for %1 failed: %2</source>
        <translation>Der Passwortbefehl für %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>No password for %1: give it with --password-command, or on standard input.</source>
        <translation>Kein Passwort für %1: Geben Sie es mit --password-command oder über die Standardeingabe an.</translation>
    </message>
    <message>
        <source>business</source>
        <translation>geschäftliche</translation>
    </message>
    <message>
        <source>personal</source>
        <translation>private</translation>
    </message>
    <message>
        <source>No sync accounts.</source>
        <translation>Keine Synchronisationskonten.</translation>
    </message>
    <message>
        <source>%1: the %2 view with '%3' (%4), user %5%6</source>
        <translation>%1: die %2 Ansicht mit „%3“ (%4), Benutzer %5%6</translation>
    </message>
    <message>
        <source>, plain http allowed</source>
        <translation>, unverschlüsseltes HTTP erlaubt</translation>
    </message>
    <message>
        <source>Account %1 added: the %2 view syncs with '%3' on %4.</source>
        <translation>Konto %1 hinzugefügt: Die %2 Ansicht wird mit „%3“ auf %4 synchronisiert.</translation>
    </message>
    <message>
        <source>No account to sync: add one with --add-account.</source>
        <translation>Kein Konto zum Synchronisieren: Fügen Sie eines mit --add-account hinzu.</translation>
    </message>
    <message>
        <source>No account syncs the %1 view: add one with --add-account.</source>
        <translation>Kein Konto synchronisiert die Ansicht %1: Fügen Sie eines mit --add-account hinzu.</translation>
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
Mit einem CardDAV-Server synchronisieren (das Passwort kommt von
--password-command, sonst von der Standardeingabe):
  --add-account &lt;URL&gt; --user &lt;Name&gt; [--view business|personal]
      [--address-book &lt;Name/URL&gt;] [--password-command &lt;Befehl&gt;] [--insecure]
                     Fügt ein Konto für eine Ansicht hinzu und wählt sein
                     Adressbuch.
  --accounts         Listet die Konten auf.
  --remove-account &lt;n&gt;
                     Entfernt das Konto mit dieser Nummer.
  --sync [--view business|personal|all] [--password-command &lt;Befehl&gt;]
                     Synchronisiert die Konten in beide Richtungen und gibt eine
                     Übersicht aus.
</translation>
    </message>
    <message>
        <source>Give one of --add-account, --accounts, --remove-account and --sync.</source>
        <translation>Geben Sie genau eines von --add-account, --accounts, --remove-account und --sync an.</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME.</source>
        <translation>--add-account braucht --user NAME.</translation>
    </message>
    <message>
        <source>--view takes business or personal, not '%1'.</source>
        <translation>--view nimmt business oder personal, nicht „%1“.</translation>
    </message>
    <message>
        <source>--user, --address-book and --insecure belong to --add-account.</source>
        <translation>--user, --address-book und --insecure gehören zu --add-account.</translation>
    </message>
    <message>
        <source>--view takes business, personal or all, not '%1'.</source>
        <translation>--view nimmt business, personal oder all, nicht „%1“.</translation>
    </message>
    <message>
        <source>--view and --password-command belong to --add-account and --sync.</source>
        <translation>--view und --password-command gehören zu --add-account und --sync.</translation>
    </message>
    <message>
        <source>--remove-account takes the number of an account as --accounts lists it.</source>
        <translation>--remove-account nimmt die Nummer eines Kontos, wie --accounts sie auflistet.</translation>
    </message>
    <message>
        <source>There is no account %1; --accounts lists them.</source>
        <translation>Es gibt kein Konto %1; --accounts listet die Konten auf.</translation>
    </message>
    <message>
        <source>Account %1 removed.</source>
        <translation>Konto %1 entfernt.</translation>
    </message>
    <message>
        <source>--accept-removal and --upload-all belong to --sync.</source>
        <translation>--accept-removal und --upload-all gehören zu --sync.</translation>
    </message>
    <message>
        <source>Give --accept-removal or --upload-all, not both.</source>
        <translation>Geben Sie --accept-removal oder --upload-all an, nicht beides.</translation>
    </message>
    <message>
        <source>To remove them here too, run --sync --accept-removal; to upload them again, run --sync --upload-all.</source>
        <translation>Um sie auch hier zu entfernen, führen Sie --sync --accept-removal aus; um sie erneut hochzuladen, --sync --upload-all.</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>er endete mit Status %1</translation>
    </message>
    <message>
        <source>it did not end normally</source>
        <translation>er endete nicht normal</translation>
    </message>
    <message>
        <source>--trust-certificate belongs to --add-account and --sync.</source>
        <translation>--trust-certificate gehört zu --add-account und --sync.</translation>
    </message>
    <message>
        <source>--trust-certificate takes a certificate's SHA-256 fingerprint (64 hex digits, colons allowed), not '%1'.</source>
        <translation>--trust-certificate erwartet den SHA-256-Fingerabdruck eines Zertifikats (64 Hexadezimalziffern, Doppelpunkte erlaubt), nicht „%1“.</translation>
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
                     Wenn das Adressbuch des Servers geleert wurde: entfernt
                     dessen Kontakte auch hier oder lädt sie erneut hoch.
  --trust-certificate &lt;sha256&gt;
                     Mit --add-account oder --sync: vertraut dem Zertifikat des
                     Servers mit diesem SHA-256-Fingerabdruck für das Konto.
</translation>
    </message>
    <message>
        <source>If it is your server's certificate, give --trust-certificate %1 to trust it for this account.</source>
        <translation>Wenn es das Zertifikat Ihres Servers ist, geben Sie --trust-certificate %1 an, um ihm für dieses Konto zu vertrauen.</translation>
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
    <message>
        <source>Address book file</source>
        <translation>Adressbuchdatei</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactActions</name>
    <message>
        <source>%1 (age %2)</source>
        <translation>%1 (%2 Jahre)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Angezeigt als</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Berufsbezeichnung</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
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
        <translation>Messaging</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Related</source>
        <translation>Bezugsperson</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
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
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy E-&amp;Mail Address</source>
        <translation>E-&amp;Mail-Adresse kopieren</translation>
    </message>
    <message>
        <source>&amp;Write E-Mail</source>
        <translation>E-Mail &amp;schreiben</translation>
    </message>
    <message>
        <source>C&amp;all</source>
        <translation>&amp;Anrufen</translation>
    </message>
    <message>
        <source>Show on Ma&amp;p</source>
        <translation>Auf Karte &amp;zeigen</translation>
    </message>
    <message>
        <source>E&amp;xport as vCard…</source>
        <translation>Als vCard e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Export as vCard</source>
        <translation>Als vCard exportieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf)</source>
        <translation>vCard-Dateien (*.vcf)</translation>
    </message>
    <message>
        <source>The file '%1' could not be written: %2</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactDetailPane</name>
    <message>
        <source>Contact details</source>
        <translation>Kontaktdetails</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactDetailsDialog</name>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Angaben</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>A&amp;rt:</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Namen</translation>
    </message>
    <message>
        <source>Name p&amp;refix:</source>
        <translation>Tite&amp;l vor dem Namen:</translation>
    </message>
    <message>
        <source>Midd&amp;le name:</source>
        <translation>&amp;Zweiter Vorname:</translation>
    </message>
    <message>
        <source>Name &amp;suffix:</source>
        <translation>Namens&amp;suffix:</translation>
    </message>
    <message>
        <source>Displa&amp;y name:</source>
        <translation>&amp;Anzeigename:</translation>
    </message>
    <message>
        <source>Nic&amp;knames:</source>
        <translation>Spi&amp;tznamen:</translation>
    </message>
    <message>
        <source>&amp;Nickname:</source>
        <translation>&amp;Spitzname:</translation>
    </message>
    <message>
        <source>Or&amp;ganisation</source>
        <translation>Or&amp;ganisation</translation>
    </message>
    <message>
        <source>&amp;Job title:</source>
        <translation>&amp;Berufsbezeichnung:</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rolle:</translation>
    </message>
    <message>
        <source>Depar&amp;tments:</source>
        <translation>Ab&amp;teilungen:</translation>
    </message>
    <message>
        <source>&amp;Department:</source>
        <translation>&amp;Abteilung:</translation>
    </message>
    <message>
        <source>A&amp;ddresses</source>
        <translation>A&amp;dressen</translation>
    </message>
    <message>
        <source>&amp;Country of the first address:</source>
        <translation>&amp;Land der ersten Adresse:</translation>
    </message>
    <message>
        <source>Further &amp;addresses:</source>
        <translation>&amp;Weitere Adressen:</translation>
    </message>
    <message>
        <source>&amp;Street:</source>
        <translation>&amp;Straße:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>State or &amp;province:</source>
        <translation>&amp;Bundesland oder Region:</translation>
    </message>
    <message>
        <source>Postal c&amp;ode:</source>
        <translation>&amp;Postleitzahl:</translation>
    </message>
    <message>
        <source>Co&amp;untry:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>P.O. &amp;box:</source>
        <translation>Post&amp;fach:</translation>
    </message>
    <message>
        <source>E&amp;xtended address:</source>
        <translation>Adress&amp;zusatz:</translation>
    </message>
    <message>
        <source>E-&amp;mail &amp;&amp; Phone</source>
        <translation>E-&amp;Mail &amp;&amp; Telefon</translation>
    </message>
    <message>
        <source>Further e-mail &amp;addresses:</source>
        <translation>&amp;Weitere E-Mail-Adressen:</translation>
    </message>
    <message>
        <source>&amp;E-mail address:</source>
        <translation>&amp;E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Further num&amp;bers:</source>
        <translation>Weitere &amp;Rufnummern:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Nummer:</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>&amp;Web addresses:</source>
        <translation>&amp;Webadressen:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Mess&amp;aging:</source>
        <translation>&amp;Chat-Adressen:</translation>
    </message>
    <message>
        <source>&amp;Social profiles:</source>
        <translation>&amp;Soziale Profile:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Dat&amp;es &amp;&amp; Note</source>
        <translation>Dat&amp;en &amp;&amp; Notiz</translation>
    </message>
    <message>
        <source>&amp;Birthday:</source>
        <translation>Ge&amp;burtstag:</translation>
    </message>
    <message>
        <source>The birthday</source>
        <translation>Der Geburtstag</translation>
    </message>
    <message>
        <source>&amp;Anniversary:</source>
        <translation>&amp;Jahrestag:</translation>
    </message>
    <message>
        <source>The anniversary</source>
        <translation>Der Jahrestag</translation>
    </message>
    <message>
        <source>A date as %1, or as %2 without a year.</source>
        <translation>Ein Datum als %1, oder als %2 ohne Jahr.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>No&amp;tiz:</translation>
    </message>
    <message>
        <source>&amp;People &amp;&amp; Categories</source>
        <translation>&amp;Personen &amp;&amp; Kategorien</translation>
    </message>
    <message>
        <source>&amp;Related people:</source>
        <translation>&amp;Bezugspersonen:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Categories:</source>
        <translation>&amp;Kategorien:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>P&amp;hoto</source>
        <translation>F&amp;oto</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>&amp;Choose Photo...</source>
        <translation>Foto &amp;wählen...</translation>
    </message>
    <message>
        <source>Re&amp;move Photo</source>
        <translation>Foto entfe&amp;rnen</translation>
    </message>
    <message>
        <source>&amp;Fields in Full</source>
        <translation>&amp;Felder vollständig</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Anrede:</translation>
    </message>
    <message>
        <source>Fir&amp;st name:</source>
        <translation>&amp;Vorname:</translation>
    </message>
    <message>
        <source>&amp;Last name:</source>
        <translation>Na&amp;chname:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>Fi&amp;rma:</translation>
    </message>
    <message>
        <source>St&amp;reet:</source>
        <translation>&amp;Straße:</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>Or&amp;t:</translation>
    </message>
    <message>
        <source>St&amp;ate:</source>
        <translation>&amp;Bundesland:</translation>
    </message>
    <message>
        <source>&amp;ZIP code:</source>
        <translation>P&amp;LZ:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Spo&amp;use:</source>
        <translation>E&amp;hepartner:</translation>
    </message>
    <message>
        <source>Children:</source>
        <translation>Kinder:</translation>
    </message>
    <message>
        <source>%1 "%2" is not a date. Type a date as %3, or a day without a year as %4.</source>
        <translation>%1 „%2“ ist kein Datum. Geben Sie ein Datum als %3 ein oder einen Tag ohne Jahr als %4.</translation>
    </message>
    <message>
        <source>Choose Photo</source>
        <translation>Foto wählen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a photo: it has %2, a photo may have at most %3.</source>
        <translation>%1 ist zu groß für ein Foto: die Datei hat %2, ein Foto darf höchstens %3 haben.</translation>
    </message>
    <message>
        <source>%1 is not a PNG or JPEG image. Choose a photo in one of these formats.</source>
        <translation>%1 ist kein PNG- oder JPEG-Bild. Wählen Sie ein Foto in einem dieser Formate.</translation>
    </message>
    <message>
        <source>This photo cannot be shown.</source>
        <translation>Dieses Foto kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Photo at %1</source>
        <translation>Foto unter %1</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Kein Foto</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactDialog</name>
    <message>
        <source>&amp;Add Number</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit Number</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Number</source>
        <translation>&amp;Löschen</translation>
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
    <message>
        <source>This contact was changed elsewhere (by a sync or another program) while you were editing it.

Save your changes over it? Choose No to see the contact as it is now, without your changes.</source>
        <translation>Dieser Kontakt wurde anderswo geändert (durch eine Synchronisation oder ein anderes Programm), während Sie ihn bearbeitet haben.

Ihre Änderungen darüber speichern? Wählen Sie Nein, um den Kontakt so zu sehen, wie er jetzt ist, ohne Ihre Änderungen.</translation>
    </message>
    <message>
        <source>More Deta&amp;ils...</source>
        <translation>&amp;Weitere Angaben...</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactList</name>
    <message>
        <source>This contact is no longer in the address book: it was deleted elsewhere.</source>
        <translation>Dieser Kontakt ist nicht mehr im Adressbuch: Er wurde anderswo gelöscht.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
</context>
<context>
    <name>varnelle::ContactSearch</name>
    <message>
        <source>Search contacts</source>
        <translation>Kontakte suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche löschen</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>%1 of %2 contacts</source>
        <translation>%1 von %2 Kontakten</translation>
    </message>
    <message>
        <source>Preparing the search...</source>
        <translation>Suche wird vorbereitet...</translation>
    </message>
    <message>
        <source>%1 of %2 contacts — %3 in %4 (&lt;a href="other-view"&gt;Show&lt;/a&gt;)</source>
        <translation>%1 von %2 Kontakten — %3 in %4 (&lt;a href="other-view"&gt;Anzeigen&lt;/a&gt;)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Search results: %1</source>
        <translation>Suchergebnisse: %1</translation>
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
    <name>varnelle::InterchangeActions</name>
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
        <source>&amp;Import Contacts…</source>
        <translation>Kontakte &amp;importieren…</translation>
    </message>
    <message>
        <source>Ex&amp;port Contacts…</source>
        <translation>Kontakte e&amp;xportieren…</translation>
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
        <source>The import needed more memory than the computer has free and was stopped. Nothing was imported; the address book is unchanged.</source>
        <translation>Der Import brauchte mehr Speicher, als der Computer frei hat, und wurde abgebrochen. Nichts wurde importiert; das Adressbuch ist unverändert.</translation>
    </message>
    <message>
        <source>The import was stopped by an unexpected failure: %1. Nothing was imported; the address book is unchanged.</source>
        <translation>Der Import wurde durch einen unerwarteten Fehler abgebrochen: %1. Nichts wurde importiert; das Adressbuch ist unverändert.</translation>
    </message>
    <message>
        <source>The export needed more memory than the computer has free and was stopped. The file '%1' was not written.</source>
        <translation>Der Export brauchte mehr Speicher, als der Computer frei hat, und wurde abgebrochen. Die Datei „%1“ wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The export was stopped by an unexpected failure: %1. The file '%2' was not written.</source>
        <translation>Der Export wurde durch einen unerwarteten Fehler abgebrochen: %1. Die Datei „%2“ wurde nicht geschrieben.</translation>
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
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>&amp;Privat</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
<message>
        <source>Ed&amp;it</source>
        <translation>Bearbe&amp;iten</translation>
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
    <name>varnelle::ReportActions</name>
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
        <translation>Region:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Exclude</source>
        <translation>Ohne</translation>
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
        <translation>Regionen ausschließen</translation>
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
        <translation>Alle</translation>
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
        <translation>Typ:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Name:</translation>
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
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>The file '%1' already exists. Replace it?</source>
        <translation>Die Datei „%1“ existiert bereits. Soll sie ersetzt werden?</translation>
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
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>varnelle::SyncAccountsDialog</name>
    <message>
        <source>Sync Accounts</source>
        <translation>Synchronisationskonten</translation>
    </message>
    <message>
        <source>&amp;Remove Account</source>
        <translation>Konto &amp;entfernen</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Allow plain &amp;http (the password travels unencrypted)</source>
        <translation>Unverschlüsseltes &amp;HTTP erlauben (das Passwort wird im Klartext übertragen)</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>Adressbücher &amp;finden</translation>
    </message>
    <message>
        <source>&amp;Add Account</source>
        <translation>Konto hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Server URL:</source>
        <translation>&amp;Server-URL:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Business view:</source>
        <translation>&amp;Geschäftliche Ansicht:</translation>
    </message>
    <message>
        <source>P&amp;ersonal view:</source>
        <translation>P&amp;rivate Ansicht:</translation>
    </message>
    <message>
        <source>Sync &amp;every 15 minutes while the program is open</source>
        <translation>&amp;Alle 15 Minuten synchronisieren, solange das Programm geöffnet ist</translation>
    </message>
    <message>
        <source>%1 view: '%2' on %3 (%4)</source>
        <translation>Ansicht %1: „%2“ auf %3 (%4)</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>(not synced)</source>
        <translation>(nicht synchronisiert)</translation>
    </message>
    <message>
        <source>E&amp;dit Account</source>
        <translation>&amp;Konto bearbeiten</translation>
    </message>
    <message>
        <source>Sa&amp;ve Changes</source>
        <translation>Änderungen spei&amp;chern</translation>
    </message>
    <message>
        <source>Cancel Edi&amp;ting</source>
        <translation>Bearbei&amp;tung abbrechen</translation>
    </message>
    <message>
        <source>Edit account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>%1 view: from now on '%2' on %3, no longer '%4' on %5.

What Varnelle knows of the earlier syncs will be forgotten, and the next sync starts over as a first sync: the view's contacts go to the new address book and its cards come in.

Change the account?</source>
        <translation>Ansicht %1: von nun an „%2“ auf %3, nicht mehr „%4“ auf %5.

Was Varnelle über die bisherigen Synchronisationen weiß, wird vergessen, und die nächste Synchronisation beginnt von vorn wie eine erste: Die Kontakte der Ansicht gehen in das neue Adressbuch, und dessen Karten kommen herein.

Konto ändern?</translation>
    </message>
    <message>
        <source>The certificate of the server %1 is not trusted by this system. Its SHA-256 fingerprint is:

%2

Trust this certificate for this account? Do so only when it is the fingerprint of your server's certificate.</source>
        <translation>Das Zertifikat des Servers %1 wird von diesem System nicht als vertrauenswürdig eingestuft. Sein SHA-256-Fingerabdruck ist:

%2

Diesem Zertifikat für dieses Konto vertrauen? Tun Sie das nur, wenn es der Fingerabdruck des Zertifikats Ihres Servers ist.</translation>
    </message>
    <message>
        <source>Sync accounts</source>
        <translation>Sync-Konten</translation>
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
        <translation>Es gibt noch kein Synchronisationskonto: Legen Sie eines mit Datei &gt; Synchronisationskonten an.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisierung läuft...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 von %3</translation>
    </message>
    <message>
        <source>Sync Summary</source>
        <translation>Synchronisationsübersicht</translation>
    </message>
    <message>
        <source>Sync &amp;Accounts…</source>
        <translation>Synchronisations&amp;konten…</translation>
    </message>
    <message>
        <source>S&amp;ync Now</source>
        <translation>Jetzt &amp;synchronisieren</translation>
    </message>
    <message>
        <source>The address book on %1 is now empty. Remove all %2 contacts here too, or upload them again?</source>
        <translation>Das Adressbuch auf %1 ist jetzt leer. Alle %2 Kontakte auch hier entfernen oder erneut hochladen?</translation>
    </message>
    <message>
        <source>Remove Here</source>
        <translation>Hier entfernen</translation>
    </message>
    <message>
        <source>Upload Again</source>
        <translation>Erneut hochladen</translation>
    </message>
    <message>
        <source>Sync needs attention</source>
        <translation>Synchronisierung braucht Aufmerksamkeit</translation>
    </message>
    <message>
        <source>Sync summary</source>
        <translation>Sync-Übersicht</translation>
    </message>
</context>
<context>
    <name>varnelle::SyncNotice</name>
    <message>
        <source>Show Summary</source>
        <translation>Zusammenfassung anzeigen</translation>
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
        <translation>Passwort von %1 auf %2:</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>Der Server hat das Passwort für %1 abgelehnt.</translation>
    </message>
</context>
<context><name>History</name><message>
        <source>Add %1</source>
        <translation>Hinzufügen von %1</translation>
    </message>
    <message>
        <source>Changes to %1</source>
        <translation>Änderungen an %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Löschen von %1</translation>
    </message>
    <message>
        <source>Import of %1 contact from %2</source>
        <translation>Import von %1 Kontakt aus %2</translation>
    </message>
    <message>
        <source>Import of %1 contacts from %2</source>
        <translation>Import von %1 Kontakten aus %2</translation>
    </message>
    <message>
        <source>Sync with %1 (%2 change)</source>
        <translation>Abgleich mit %1 (%2 Änderung)</translation>
    </message>
    <message>
        <source>Sync with %1 (%2 changes)</source>
        <translation>Abgleich mit %1 (%2 Änderungen)</translation>
    </message>
    <message>
        <source>New Type %1</source>
        <translation>Neuer Typ %1</translation>
    </message>
    <message>
        <source>Rename of Type %1</source>
        <translation>Umbenennung des Typs %1</translation>
    </message>
    <message>
        <source>Delete of Type %1</source>
        <translation>Löschen des Typs %1</translation>
    </message>
    <message>
        <source>Restore of %1 contact</source>
        <translation>Wiederherstellung von %1 Kontakt</translation>
    </message>
    <message>
        <source>Restore of %1 contacts</source>
        <translation>Wiederherstellung von %1 Kontakten</translation>
    </message>
    <message>
        <source>Undo of %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo of %1</source>
        <translation>Wiederholen von %1</translation>
    </message>
    <message>
        <source>Change by another program</source>
        <translation>Änderung durch ein anderes Programm</translation>
    </message>
    <message>
        <source>Change %1 cannot be undone: there is no such change, or it was undone already.</source>
        <translation>Die Änderung %1 kann nicht rückgängig gemacht werden: Es gibt sie nicht, oder sie wurde schon rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Later changes to the same contacts stand in the way: %1.</source>
        <translation>Spätere Änderungen an denselben Kontakten stehen im Weg: %1.</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 Änderungen</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Es gibt nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>Contact %1 cannot be restored: it is not among the recently deleted contacts.</source>
        <translation>Der Kontakt %1 kann nicht wiederhergestellt werden: Er ist nicht unter den kürzlich gelöschten Kontakten.</translation>
    </message>
    </context><context><name>HistoryCommands</name><message>
        <source>%1 (undone)</source>
        <translation>%1 (rückgängig gemacht)</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Give --force to undo them too.</source>
        <translation>Mit --force werden sie ebenfalls rückgängig gemacht.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Es gibt nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    </context><context><name>HistoryDialogs</name><message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Further address</source>
        <translation>Weitere Anschrift</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Angabe</translation>
    </message>
    <message>
        <source>Add '%1'</source>
        <translation>Hinzufügen von '%1'</translation>
    </message>
    <message>
        <source>Changes to '%1'</source>
        <translation>Änderungen an '%1'</translation>
    </message>
    <message>
        <source>Delete '%1'</source>
        <translation>Löschen von '%1'</translation>
    </message>
    <message>
        <source>Import of %1 Contact from %2</source>
        <translation>Import von %1 Kontakt aus %2</translation>
    </message>
    <message>
        <source>Import of %1 Contacts from %2</source>
        <translation>Import von %1 Kontakten aus %2</translation>
    </message>
    <message>
        <source>Sync with %1 (%2 change)</source>
        <translation>Abgleich mit %1 (%2 Änderung)</translation>
    </message>
    <message>
        <source>Sync with %1 (%2 changes)</source>
        <translation>Abgleich mit %1 (%2 Änderungen)</translation>
    </message>
    <message>
        <source>New Type '%1'</source>
        <translation>Neuer Typ '%1'</translation>
    </message>
    <message>
        <source>Rename of Type '%1'</source>
        <translation>Umbenennung des Typs '%1'</translation>
    </message>
    <message>
        <source>Delete of Type '%1'</source>
        <translation>Löschen des Typs '%1'</translation>
    </message>
    <message>
        <source>Restore of %1 Contact</source>
        <translation>Wiederherstellung von %1 Kontakt</translation>
    </message>
    <message>
        <source>Restore of %1 Contacts</source>
        <translation>Wiederherstellung von %1 Kontakten</translation>
    </message>
    <message>
        <source>Change by Another Program</source>
        <translation>Änderung durch ein anderes Programm</translation>
    </message>
    <message>
        <source>The same contacts were changed again since:

%1

Undo these later changes too?</source>
        <translation>Dieselben Kontakte wurden seitdem erneut geändert:

%1

Diese späteren Änderungen ebenfalls rückgängig machen?</translation>
    </message>
    </context><context><name>varnelle::HistoryActions</name><message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Recently &amp;Deleted…</source>
        <translation>Kürzlich &amp;gelöscht…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Verlauf…</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    </context><context><name>varnelle::HistoryDialog</name><message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Changes, newest first</source>
        <translation>Änderungen, neueste zuerst</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Was sich änderte</translation>
    </message>
    <message>
        <source>&amp;Undo This Change</source>
        <translation>Diese Änderung &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Restore the Book &amp;as It Was at This Change</source>
        <translation>Adressbuch &amp;so wiederherstellen wie bei dieser Änderung</translation>
    </message>
    <message>
        <source>%1 (undone)</source>
        <translation>%1 (rückgängig gemacht)</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>Undo the %1 changes made after %2, in one step?</source>
        <translation>Die %1 Änderungen nach %2 in einem Schritt rückgängig machen?</translation>
    </message>
    <message>
        <source>Restore of the book as it was at %1</source>
        <translation>Wiederherstellung des Adressbuchs wie am %1</translation>
    </message>
    </context><context><name>varnelle::RecentlyDeletedDialog</name><message>
        <source>Recently Deleted</source>
        <translation>Kürzlich gelöscht</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Durch</translation>
    </message>
    <message>
        <source>Recently deleted contacts</source>
        <translation>Kürzlich gelöschte Kontakte</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    </context></TS>