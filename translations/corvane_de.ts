<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAppMainWindow</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unsupported project</source>
        <translation>Nicht unterstütztes Projekt</translation>
    </message>
    <message>
        <source>The specified project is a project without inspection data, thus it cannot be opened with this Viewer.</source>
        <translation>Das angegebene Projekt ist ein Projekt ohne Inspektionsdaten und kann daher mit diesem Viewer nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Select a project directory</source>
        <translation>Projektverzeichnis auswählen</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>This program uses the Qt library under the GNU Lesser General Public License (LGPL) version 3. The source code of Qt can be downloaded from https://download.qt.io/.</source>
        <translation>Dieses Programm verwendet die Qt-Bibliothek unter der GNU Lesser General Public License (LGPL) Version 3. Der Quellcode von Qt kann von https://download.qt.io/ heruntergeladen werden.</translation>
    </message>
    <message>
        <source>There is no video picture to save.</source>
        <translation>Es wird kein Videobild angezeigt, das gespeichert werden könnte.</translation>
    </message>
    <message>
        <source>Save Frame</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved to &quot;%1&quot;:
%2</source>
        <translation>Das Bild konnte nicht unter „%1“ gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Picture saved to &quot;%1&quot;.</source>
        <translation>Bild unter „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The project is no longer there.</source>
        <translation>Das Projekt ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Report written to &quot;%1&quot;.</source>
        <translation>Bericht nach „%1“ geschrieben.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; is no longer there.</source>
        <translation>Der Bericht „%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>No program was found to show &quot;%1&quot;.</source>
        <translation>Es wurde kein Programm gefunden, das „%1“ anzeigen kann.</translation>
    </message>
    <message>
        <source>The name of the directory &quot;%1&quot; cannot be used: it holds characters that are not valid UTF-8. Please rename the directory and open it again.</source>
        <translation>Der Name des Verzeichnisses „%1“ kann nicht verwendet werden: Er enthält Zeichen, die kein gültiges UTF-8 sind. Bitte benennen Sie das Verzeichnis um und öffnen Sie es erneut.</translation>
    </message>
    <message>
        <source>Opening the project was canceled.</source>
        <translation>Das Öffnen des Projekts wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Canceling…</source>
        <translation>Wird abgebrochen …</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%1 von %2 Dateien gelesen</translation>
    </message>
    <message>
        <source>Reading the sections</source>
        <translation>Die Haltungen werden gelesen</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;</source>
        <translation>„%1“ wird geöffnet</translation>
    </message>
</context>
<context>
    <name>CDataCoreObjectDisplayWidget</name>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>CMediaPlayer</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>CMultimediaPlaybackControl</name>
    <message>
        <source>The video &quot;%1&quot; was not found.</source>
        <translation>Das Video „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; cannot be read: access to it is denied.</source>
        <translation>Das Video „%1“ kann nicht gelesen werden: Der Zugriff wird verweigert.</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; cannot be played: it is damaged or no video at all.</source>
        <translation>Das Video „%1“ kann nicht abgespielt werden: Es ist beschädigt oder gar kein Video.</translation>
    </message>
    <message>
        <source>Inspection videos need the GStreamer plugin sets &quot;good&quot;, &quot;bad&quot;, &quot;ugly&quot; and &quot;libav&quot;.</source>
        <translation>Inspektionsvideos benötigen die GStreamer-Plugin-Pakete „good“, „bad“, „ugly“ und „libav“.</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; cannot be played: no GStreamer plugin for its format (%2) is installed.</source>
        <translation>Das Video „%1“ kann nicht abgespielt werden: Für sein Format (%2) ist kein GStreamer-Plugin installiert.</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; cannot be played: it is damaged, or no GStreamer plugin for its format (%2) is installed.</source>
        <translation>Das Video „%1“ kann nicht abgespielt werden: Es ist beschädigt, oder für sein Format (%2) ist kein GStreamer-Plugin installiert.</translation>
    </message>
</context>
<context>
    <name>CPrintoutSettingsDialog</name>
    <message>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Create Report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>Der Bericht konnte nicht nach „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Drucke Seite %1 von %2</translation>
    </message>
    <message>
        <source>Building %1</source>
        <translation>Erstelle %1</translation>
    </message>
    <message>
        <source>Processing - Please Wait...</source>
        <translation>Verarbeitung - Bitte warten...</translation>
    </message>
    <message>
        <source>Report Preview</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The report cannot be written to &quot;%1&quot;: it lies in the project directory, which this program only reads. Please choose a file outside the project directory.</source>
        <translation>Der Bericht kann nicht nach „%1“ geschrieben werden: Die Datei liegt im Projektverzeichnis, das dieses Programm nur liest. Bitte wählen Sie eine Datei außerhalb des Projektverzeichnisses.</translation>
    </message>
</context>
<context>
    <name>CPrintoutTextTranslator</name>
    <message>
        <source>Project Information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>Table Of Contents</source>
        <translation>Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>Section List</source>
        <translation>Haltungsübersicht</translation>
    </message>
    <message>
        <source>Damage Class Legend</source>
        <translation>Legende der Schadensklassen</translation>
    </message>
    <message>
        <source>Section: </source>
        <translation>Haltung: </translation>
    </message>
    <message>
        <source>Section Protocol</source>
        <translation>Haltungsprotokoll</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Seite </translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>STATION</translation>
    </message>
    <message>
        <source>DC</source>
        <comment>abbrev. for Damage Class</comment>
        <translation>SK</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>KODE</translation>
    </message>
    <message>
        <source>OBSERVATION</source>
        <translation>BEOBACHTUNG</translation>
    </message>
    <message>
        <source>VIDEO POS</source>
        <translation>VIDEOPOS.</translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Haltung</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Length Total</source>
        <translation>Länge gesamt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>No data available</source>
        <translation>Keine Daten vorhanden</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Inclination</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>Inclination measured</source>
        <translation>Neigung gemessen</translation>
    </message>
    <message>
        <source>Inclination 0.00 %</source>
        <translation>Neigung 0,00 %</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Rohr</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Inspection Direction</source>
        <translation>Inspektionsrichtung</translation>
    </message>
    <message>
        <source>Flow Direction</source>
        <translation>Fließrichtung</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the section overview&apos;s row of total lengths</comment>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>CProjectTreeView</name>
    <message>
        <source>Find observations</source>
        <translation>Beobachtungen suchen</translation>
    </message>
    <message>
        <source>Shows only the observations whose code, text or position contain this text (Ctrl+F). Enter or F3 goes to the next match, Escape clears.</source>
        <translation>Zeigt nur die Beobachtungen, deren Kürzel, Text oder Position diesen Text enthält (Strg+F). Eingabe oder F3 springt zum nächsten Treffer, Esc leert das Feld.</translation>
    </message>
    <message>
        <source>Shows only observations of this damage class or a higher one.</source>
        <translation>Zeigt nur Beobachtungen dieser oder einer höheren Schadensklasse.</translation>
    </message>
    <message>
        <source>DC: all</source>
        <translation>SK: alle</translation>
    </message>
    <message>
        <source>DC ≥ %1</source>
        <translation>SK ≥ %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>CSharedTranslations</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Responsible</source>
        <translation>Verantwortlicher</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Post-Office Box</source>
        <translation>Postfach</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Telefax</source>
        <translation>Telefax</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Auftraggeber</translation>
    </message>
    <message>
        <source>Project Leader</source>
        <translation>Projektleiter</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>Auftragnehmer</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Catalog Name</source>
        <translation>Katalogname</translation>
    </message>
    <message>
        <source>Section Name</source>
        <translation>Haltungsname</translation>
    </message>
    <message>
        <source>Calculated Length</source>
        <translation>Berechnete Länge</translation>
    </message>
    <message>
        <source>Inclination File</source>
        <translation>Neigungsdatei</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Beobachtung</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kode</translation>
    </message>
    <message>
        <source>Photo File</source>
        <translation>Fotodatei</translation>
    </message>
    <message>
        <source>Photo File 1</source>
        <translation>Fotodatei 1</translation>
    </message>
    <message>
        <source>Photo File 2</source>
        <translation>Fotodatei 2</translation>
    </message>
    <message>
        <source>Video File</source>
        <translation>Videodatei</translation>
    </message>
    <message>
        <source>Video Time Index</source>
        <translation>Videoposition</translation>
    </message>
    <message>
        <source>Meter Value</source>
        <translation>Meterwert</translation>
    </message>
    <message>
        <source>Unnamed section</source>
        <translation>Unbenannte Haltung</translation>
    </message>
    <message>
        <source>Error-Code: </source>
        <translation>Fehlercode: </translation>
    </message>
    <message>
        <source>An internal error occurred.</source>
        <translation>Ein interner Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The system did not start up correctly.</source>
        <translation>Das System wurde nicht korrekt gestartet.</translation>
    </message>
    <message>
        <source>The specified project file is invalid.</source>
        <translation>Die angegebene Projektdatei ist ungültig.</translation>
    </message>
    <message>
        <source>The specified project could not be loaded.</source>
        <translation>Das angegebene Projekt konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>No project was found at the specified location.</source>
        <translation>Am angegebenen Ort wurde kein Projekt gefunden.</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>Das Projekt konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>A project with the same name exists already.</source>
        <translation>Ein Projekt mit demselben Namen existiert bereits.</translation>
    </message>
    <message>
        <source>The version of the specified project is not supported by the current version of this software.</source>
        <translation>Die Version des angegebenen Projekts wird von der aktuellen Version dieser Software nicht unterstützt.</translation>
    </message>
    <message>
        <source>The specified project could not be deleted.</source>
        <translation>Das angegebene Projekt konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>You need to specify a project name.</source>
        <translation>Sie müssen einen Projektnamen angeben.</translation>
    </message>
    <message>
        <source>The specified project name is too long.</source>
        <translation>Der angegebene Projektname ist zu lang.</translation>
    </message>
    <message>
        <source>You are running low on free space on the hard disk.</source>
        <translation>Der freie Speicherplatz auf der Festplatte wird knapp.</translation>
    </message>
    <message>
        <source>You are running low on free storage space.</source>
        <translation>Der freie Speicherplatz wird knapp.</translation>
    </message>
    <message>
        <source>Insufficient free space available on the volume.</source>
        <translation>Auf dem Datenträger ist nicht genügend freier Speicherplatz verfügbar.</translation>
    </message>
    <message>
        <source>File access error.</source>
        <translation>Dateizugriffsfehler.</translation>
    </message>
    <message>
        <source>File read error.</source>
        <translation>Dateilesefehler.</translation>
    </message>
    <message>
        <source>File write error.</source>
        <translation>Dateischreibfehler.</translation>
    </message>
    <message>
        <source>Directory creation error.</source>
        <translation>Fehler beim Anlegen des Verzeichnisses.</translation>
    </message>
    <message>
        <source>File deletion error.</source>
        <translation>Fehler beim Löschen der Datei.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Photo 1</source>
        <translation>Foto 1</translation>
    </message>
    <message>
        <source>Photo 2</source>
        <translation>Foto 2</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Create Report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alle aufklappen</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Alle zuklappen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Abspielen/Pause</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Back 5 Seconds</source>
        <translation>5 Sekunden zurück</translation>
    </message>
    <message>
        <source>Ctrl+Left</source>
        <translation>Ctrl+Left</translation>
    </message>
    <message>
        <source>Forward 5 Seconds</source>
        <translation>5 Sekunden vor</translation>
    </message>
    <message>
        <source>Ctrl+Right</source>
        <translation>Ctrl+Right</translation>
    </message>
    <message>
        <source>Save Frame...</source>
        <translation>Bild speichern...</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>&lt; Skip</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Skip &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Save the picture on show as a PNG file</source>
        <translation>Das angezeigte Bild als PNG-Datei speichern</translation>
    </message>
    <message>
        <source>Save Frame...</source>
        <translation>Bild speichern...</translation>
    </message>
</context>
<context>
    <name>PrintoutSettingsDialog</name>
    <message>
        <source>Create Report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>Select All Sections</source>
        <translation>Alle Haltungen auswählen</translation>
    </message>
    <message>
        <source>Move Section Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move Section Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>1 Per Page</source>
        <translation>1 pro Seite</translation>
    </message>
    <message>
        <source>3 Per Page</source>
        <translation>3 pro Seite</translation>
    </message>
    <message>
        <source>Project Information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>Table Of Contents</source>
        <translation>Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>Legend Of Damage Classes</source>
        <translation>Legende der Schadensklassen</translation>
    </message>
    <message>
        <source>Damage Information</source>
        <translation>Schadensinformationen</translation>
    </message>
    <message>
        <source>Section Overview</source>
        <translation>Haltungsübersicht</translation>
    </message>
    <message>
        <source>Section Protocol</source>
        <translation>Haltungsprotokoll</translation>
    </message>
    <message>
        <source>Inclination Protocol</source>
        <translation>Neigungsprotokoll</translation>
    </message>
    <message>
        <source>Inclination Graph</source>
        <translation>Neigungsgrafik</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>SaveFileNames</name>
    <message>
        <source>Replace File</source>
        <translation>Datei ersetzen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
</context>
</TS>
