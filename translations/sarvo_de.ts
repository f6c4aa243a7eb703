<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>sarvo::AnnualReportPrinter</name>
    <message>
        <source>Annual dose report %1</source>
        <translation>Jahresdosisbericht %1</translation>
    </message>
    <message>
        <source>Monthly dose of the group (mSv), %1</source>
        <translation>Monatsdosis der Gruppe (mSv), %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>sarvo::CommandLine</name>
    <message>
        <source>usage: sarvo [--data-dir DIR | --user-data]
</source>
        <translation>Aufruf: sarvo [--data-dir ORDNER | --user-data]
</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--data-dir and --user-data name two different data folders: give one</source>
        <translation>--data-dir und --user-data nennen zwei verschiedene Datenordner: geben Sie nur einen an</translation>
    </message>
    <message>
        <source>--data-dir is given more than once</source>
        <translation>--data-dir ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--data-dir needs the name of a folder</source>
        <translation>--data-dir braucht den Namen eines Ordners</translation>
    </message>
    <message>
        <source>Keeps the dosimeter readings of a group of persons. Without an option the data are in the working directory.
  --data-dir DIR  the data in the folder DIR, made when missing (the folder it is in must exist)
  --user-data     the data in %1, made at the first start
  --help          this list
  --version       the version of the program
</source>
        <translation>Verwaltet die Dosimeter-Ablesungen einer Personengruppe. Ohne Option liegen die Daten im Arbeitsverzeichnis.
  --data-dir ORDNER  die Daten im Ordner ORDNER; fehlt er, wird er angelegt (der Ordner, in dem er liegt, muss existieren)
  --user-data        die Daten in %1, beim ersten Start angelegt
  --help             diese Liste
  --version          die Version des Programms
</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseDatabase</name>
    <message>
        <source>The dose database %1 cannot be used: %2</source>
        <translation>Die Dosisdatenbank %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The dose database %1 was written by a newer version of this program (schema %2; this version knows up to %3). Nothing was read or written: use the newer version.</source>
        <translation>Die Dosisdatenbank %1 wurde von einer neueren Version dieses Programms geschrieben (Schema %2; diese Version kennt bis %3). Es wurde nichts gelesen oder geschrieben: Verwenden Sie die neuere Version.</translation>
    </message>
    <message>
        <source>There is no open alert with the number %1.</source>
        <translation>Es gibt keine offene Meldung mit der Nummer %1.</translation>
    </message>
    <message>
        <source>Alert %1 was acknowledged already by %2 at %3.</source>
        <translation>Die Meldung %1 wurde bereits von %2 am %3 quittiert.</translation>
    </message>
    <message>
        <source>A dose entered by hand needs its reason: nothing was stored.</source>
        <translation>Eine von Hand eingetragene Dosis braucht eine Begründung: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>An opening entry is made only when the ledger is created.</source>
        <translation>Eine Eröffnungsbuchung wird nur beim Anlegen des Dosisbuchs vorgenommen.</translation>
    </message>
    <message>
        <source>The dose is not a number: nothing was stored.</source>
        <translation>Die Dosis ist keine Zahl: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The accumulated dose (ED) would fall below 0: it is %1 mSv, the dose entered is %2 mSv. Nothing was stored.</source>
        <translation>Die akkumulierte Dosis (ED) würde unter 0 fallen: Sie beträgt %1 mSv, die eingetragene Dosis %2 mSv. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>There is no person with the number %1.</source>
        <translation>Es gibt keine Person mit der Nummer %1.</translation>
    </message>
    <message>
        <source>The registry number %1 belongs to the person with the number %2 already.</source>
        <translation>Die Registriernummer %1 gehört bereits der Person mit der Nummer %2.</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseOverviewModel</name>
    <message>
        <source>overdue</source>
        <translation>überfällig</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Dosimeter</source>
        <translation>Dosimeter</translation>
    </message>
    <message>
        <source>ED, mSv</source>
        <translation>ED, mSv</translation>
    </message>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>12 months, mSv</source>
        <translation>12 Monate, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 Jahre, mSv</translation>
    </message>
    <message>
        <source>Pending, mSv</source>
        <translation>Ausstehend, mSv</translation>
    </message>
    <message>
        <source>Annual limit</source>
        <translation>Jahresgrenzwert</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Letzte Ablesung</translation>
    </message>
    <message>
        <source>Days since</source>
        <translation>Tage seither</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseTexts</name>
    <message>
        <source>reading</source>
        <translation>Ablesung</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>Löschung</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>von Hand eingetragen</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>Eröffnung</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>jährliche Untersuchungsschwelle</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>monatliche Untersuchungsschwelle</translation>
    </message>
    <message>
        <source>annual dose limit</source>
        <translation>jährlicher Dosisgrenzwert</translation>
    </message>
    <message>
        <source>five-year dose limit</source>
        <translation>Fünfjahres-Dosisgrenzwert</translation>
    </message>
    <message>
        <source>limit reached</source>
        <translation>Grenzwert erreicht</translation>
    </message>
    <message>
        <source>investigation</source>
        <translation>Untersuchung</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>%1 (number %2): the dose of %3 mSv just entered brings the dose of the period %4 to %5 mSv. This reaches the %6 of %7 mSv.</source>
        <translation>%1 (Nummer %2): Die soeben eingetragene Dosis von %3 mSv bringt die Dosis des Zeitraums %4 auf %5 mSv. Damit wird der Wert „%6“ von %7 mSv erreicht.</translation>
    </message>
</context>
<context>
    <name>sarvo::DosimeterLink</name>
    <message>
        <source>The reading was stored in the history, but the record of person number %1 is no longer in the user file, so it was not updated.</source>
        <translation>Der Messwert wurde in der Historie gespeichert, aber der Datensatz der Person Nr. %1 steht nicht mehr in der Personendatei und wurde daher nicht aktualisiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</source>
        <translation>
            <numerusform>%n Messwert kam an, während zu viele andere warteten, und konnte nicht übernommen werden. Lesen Sie dieses Dosimeter erneut aus: %1</numerusform>
            <numerusform>%n Messwerte kamen an, während zu viele andere warteten, und konnten nicht übernommen werden. Lesen Sie diese Dosimeter erneut aus: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (number %2): ED %3 mSv</source>
        <translation>%1 (Nummer %2): ED %3 mSv</translation>
    </message>
</context>
<context>
    <name>sarvo::HelpFile</name>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>Die Hilfeseite %1 fehlt.</translation>
    </message>
    <message>
        <source>No program could open the help page. It is the file %1: a web browser can open it.</source>
        <translation>Kein Programm konnte die Hilfeseite öffnen. Sie ist die Datei %1: ein Webbrowser kann sie öffnen.</translation>
    </message>
</context>
<context>
    <name>sarvo::HistChart</name>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>Keine Ablesungen</translation>
    </message>
</context>
<context>
    <name>sarvo::Registry</name>
    <message>
        <source>The registry %1 refused: %2</source>
        <translation>Das Register %1 hat abgelehnt: %2</translation>
    </message>
    <message>
        <source>A station name is 1 to 32 characters of A-Z, a-z, 0-9, &quot;_&quot; and &quot;-&quot;, not %1.</source>
        <translation>Ein Stationsname besteht aus 1 bis 32 Zeichen aus A-Z, a-z, 0-9, „_“ und „-“, nicht %1.</translation>
    </message>
    <message>
        <source>The station&apos;s role needs a password.</source>
        <translation>Die Rolle der Station braucht ein Passwort.</translation>
    </message>
    <message>
        <source>The registry has the station %1 already.</source>
        <translation>Das Register hat die Station %1 bereits.</translation>
    </message>
    <message>
        <source>The role %1 exists already on the server.</source>
        <translation>Die Rolle %1 gibt es auf dem Server bereits.</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt SQL (QPSQL) is not installed: install the package libqt6sql6-psql.</source>
        <translation>Der PostgreSQL-Treiber von Qt SQL (QPSQL) ist nicht installiert: installieren Sie das Paket libqt6sql6-psql.</translation>
    </message>
    <message>
        <source>Cannot connect to the registry %1: %2</source>
        <translation>Keine Verbindung zum Register %1: %2</translation>
    </message>
    <message>
        <source>The registry %1 failed: %2</source>
        <translation>Das Register %1 ist gescheitert: %2</translation>
    </message>
    <message>
        <source>The database %1 holds no Sarvo registry: run `sarvo-tool registry init --db URL` there first.</source>
        <translation>Die Datenbank %1 enthält kein Sarvo-Register: führen Sie dort zuerst `sarvo-tool registry init --db URL` aus.</translation>
    </message>
    <message>
        <source>The registry %1 has schema version %2, newer than this program knows (%3): use a newer program.</source>
        <translation>Das Register %1 hat die Schemaversion %2, neuer als dieses Programm kennt (%3): verwenden Sie ein neueres Programm.</translation>
    </message>
    <message>
        <source>The login %1 is not the role of a station in the registry; the station %2 logs in as %3.</source>
        <translation>Die Anmeldung %1 ist keine Rolle einer Station im Register; die Station %2 meldet sich als %3 an.</translation>
    </message>
    <message>
        <source>The login %1 is the role of the station %2, not of %3.</source>
        <translation>Die Anmeldung %1 ist die Rolle der Station %2, nicht von %3.</translation>
    </message>
    <message>
        <source>The registry could not be read: %1</source>
        <translation>Das Register konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The registry refused to store the limits (only the owner of the registry may set them): %1</source>
        <translation>Das Register hat das Speichern der Grenzwerte abgelehnt (nur der Eigentümer des Registers darf sie setzen): %1</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryPusher</name>
    <message>
        <source>The registry address %1 is not valid.</source>
        <translation>Die Registeradresse %1 ist ungültig.</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryStatusLabel</name>
    <message>
        <source>Registry: sending %1 of %2</source>
        <translation>Register: sende %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>Registry unreachable: %n change(s) waiting</source>
        <translation>
            <numerusform>Register nicht erreichbar: %n Änderung wartet</numerusform>
            <numerusform>Register nicht erreichbar: %n Änderungen warten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n record(s) differ from the registry — see sarvo-tool sync</source>
        <translation>
            <numerusform>Register: %n Datensatz weicht vom Register ab – siehe sarvo-tool sync</numerusform>
            <numerusform>Register: %n Datensätze weichen vom Register ab – siehe sarvo-tool sync</numerusform>
        </translation>
    </message>
    <message>
        <source>History records: %1</source>
        <translation>Verlaufsdatensätze: %1</translation>
    </message>
    <message>
        <source>Ledger rows: %1</source>
        <translation>Journalzeilen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n change(s) waiting</source>
        <translation>
            <numerusform>Register: %n Änderung wartet</numerusform>
            <numerusform>Register: %n Änderungen warten</numerusform>
        </translation>
    </message>
    <message>
        <source>Registry: up to date</source>
        <translation>Register: aktuell</translation>
    </message>
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Die Daten in %1 werden von einer anderen laufenden Kopie des Programms verwendet.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be used: it is a file, not a folder.</source>
        <translation>Der Datenordner %1 kann nicht verwendet werden: Er ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The data folder %1 is not made: the folder %2 does not exist.</source>
        <translation>Der Datenordner %1 wird nicht angelegt: Der Ordner %2 existiert nicht.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be made.</source>
        <translation>Der Datenordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be opened.</source>
        <translation>Der Datenordner %1 kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>sarvo::SaveDialog</name>
    <message>
        <source>%1 is one of the program&apos;s own files and cannot be replaced by a report. Choose another file.</source>
        <translation>%1 ist eine Datei des Programms selbst und kann nicht durch einen Bericht ersetzt werden. Wählen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Die Daten werden gerade von einem anderen Programm geändert; es wurde nichts geschrieben. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it is neither read nor written.</source>
        <translation>%1 ist keine gewöhnliche Datei; sie wird weder gelesen noch geschrieben.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAbou</name>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License,
version 3 or later</source>
        <translation>Lizenz: GNU General Public License,
Version 3 oder neuer</translation>
    </message>
    <message>
        <source>Read me:</source>
        <translation>Liesmich:</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAnnualReport</name>
    <message>
        <source>Annual report</source>
        <translation>Jahresbericht</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The report could not be written into %1.</source>
        <translation>Der Bericht konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Ausgeschiedene Personen zeigen</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAssessedDose</name>
    <message>
        <source>Assessed dose</source>
        <translation>Abgeschätzte Dosis</translation>
    </message>
    <message>
        <source>%1 mSv</source>
        <translation>%1 mSv</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Person:</translation>
    </message>
    <message>
        <source>Accumulated dose (ED):</source>
        <translation>Akkumulierte Dosis (ED):</translation>
    </message>
    <message>
        <source>Dose (mSv, negative for a correction):</source>
        <translation>Dosis (mSv, negativ für eine Korrektur):</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Begründung:</translation>
    </message>
    <message>
        <source>The person chosen is no longer in this place of the list. Choose the person again.</source>
        <translation>Die gewählte Person steht nicht mehr an dieser Stelle der Liste. Wählen Sie die Person erneut.</translation>
    </message>
    <message>
        <source>Enter the dose in mSv as a number, such as %1 (negative for a correction).</source>
        <translation>Geben Sie die Dosis in mSv als Zahl ein, z. B. %1 (negativ für eine Korrektur).</translation>
    </message>
    <message>
        <source>The date of an assessed dose cannot be later than today.</source>
        <translation>Das Datum einer abgeschätzten Dosis darf nicht nach dem heutigen Tag liegen.</translation>
    </message>
    <message>
        <source>Enter the reason for the assessed dose.</source>
        <translation>Geben Sie die Begründung für die abgeschätzte Dosis ein.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormDoseOverview</name>
    <message>
        <source>Any files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Dosisübersicht</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suche:</translation>
    </message>
    <message>
        <source>Name, department or dosimeter</source>
        <translation>Name, Abteilung oder Dosimeter</translation>
    </message>
    <message>
        <source>Acknowledge...</source>
        <translation>Quittieren...</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Ausgelöst</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Dose, mSv</source>
        <translation>Dosis, mSv</translation>
    </message>
    <message>
        <source>Level, mSv</source>
        <translation>Schwelle, mSv</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-Dateien</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Annual limit %1 mSv, five-year limit %2 mSv, investigation level %3 mSv</source>
        <translation>Jahresgrenzwert %1 mSv, Fünfjahresgrenzwert %2 mSv, Untersuchungsschwelle %3 mSv</translation>
    </message>
    <message>
        <source>, monthly investigation level %1 mSv</source>
        <translation>, monatliche Untersuchungsschwelle %1 mSv</translation>
    </message>
    <message numerus="yes">
        <source>; a dosimeter is overdue after %n day(s) without a reading.</source>
        <translation>
            <numerusform>; ein Dosimeter ist nach %n Tag ohne Ablesung überfällig.</numerusform>
            <numerusform>; ein Dosimeter ist nach %n Tagen ohne Ablesung überfällig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open alerts: %1</source>
        <translation>Offene Meldungen: %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>Acknowledge alert</source>
        <translation>Meldung quittieren</translation>
    </message>
    <message>
        <source>%1
Note (required):</source>
        <translation>%1
Notiz (Pflichtfeld):</translation>
    </message>
    <message>
        <source>An alert is acknowledged with a note. Enter the note.</source>
        <translation>Eine Meldung wird mit einer Notiz quittiert. Geben Sie die Notiz ein.</translation>
    </message>
    <message>
        <source>Dose overview %1 as of %2</source>
        <translation>Dosisübersicht %1, Stand %2</translation>
    </message>
    <message>
        <source> (search: %1)</source>
        <translation> (Suche: %1)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The dose overview could not be printed.</source>
        <translation>Die Dosisübersicht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Worker, name or station</source>
        <translation>Beschäftigte(r), Name oder Station</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Ausgeschiedene Personen zeigen</translation>
    </message>
    <message>
        <source>So&amp;urce:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Central registry</source>
        <translation>Zentrales Register</translation>
    </message>
    <message>
        <source>The doses of every station from the central registry, read only. Offered when the station has the registry&apos;s address.</source>
        <translation>Die Dosen aller Stationen aus dem zentralen Register, nur lesend. Angeboten, wenn die Station die Adresse des Registers hat.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Central registry: %1</source>
        <translation>Zentrales Register: %1</translation>
    </message>
    <message>
        <source>%1 is not the address of a PostgreSQL database.</source>
        <translation>%1 ist keine Adresse einer PostgreSQL-Datenbank.</translation>
    </message>
    <message>
        <source>Worker</source>
        <translation>Beschäftigte(r)</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stationen</translation>
    </message>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 Jahre, mSv</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormLimits</name>
    <message>
        <source>Dose limits and levels</source>
        <translation>Dosisgrenzwerte und Untersuchungsschwellen</translation>
    </message>
    <message>
        <source>Monthly investigation level (mSv):</source>
        <translation>Monatliche Untersuchungsschwelle (mSv):</translation>
    </message>
    <message>
        <source>Annual limit (mSv):</source>
        <translation>Jahresgrenzwert (mSv):</translation>
    </message>
    <message>
        <source>Five-year limit (mSv):</source>
        <translation>Fünfjahresgrenzwert (mSv):</translation>
    </message>
    <message>
        <source>Annual investigation level (mSv):</source>
        <translation>Jährliche Untersuchungsschwelle (mSv):</translation>
    </message>
    <message>
        <source>Overdue after (days without a reading):</source>
        <translation>Überfällig nach (Tagen ohne Ablesung):</translation>
    </message>
    <message>
        <source>annual limit</source>
        <translation>Jahresgrenzwert</translation>
    </message>
    <message>
        <source>five-year limit</source>
        <translation>Fünfjahresgrenzwert</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>jährliche Untersuchungsschwelle</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>monatliche Untersuchungsschwelle</translation>
    </message>
    <message>
        <source>The %1 must be a dose in mSv above 0, such as %2.</source>
        <translation>Der Wert „%1“ muss eine Dosis in mSv über 0 sein, z. B. %2.</translation>
    </message>
    <message>
        <source>The days after which a dosimeter is overdue must be a whole number from 1.</source>
        <translation>Die Anzahl der Tage, nach denen ein Dosimeter überfällig ist, muss eine ganze Zahl ab 1 sein.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: Die Personendatei kann die Buchstaben %2 nicht speichern. Als „?“ speichern (Ja) oder zum Feld zurückkehren (Nein)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormPrint</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormRegisterData</name>
    <message>
        <source>Register data</source>
        <translation>Registerdaten</translation>
    </message>
    <message>
        <source>Date of birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>unclassified</source>
        <translation>nicht eingestuft</translation>
    </message>
    <message>
        <source>Left on:</source>
        <translation>Ausgeschieden am:</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Person:</translation>
    </message>
    <message>
        <source>&amp;Full name:</source>
        <translation>&amp;Vollständiger Name:</translation>
    </message>
    <message>
        <source>&amp;Registry number:</source>
        <translation>&amp;Registriernummer:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>&amp;Employer or site code:</source>
        <translation>&amp;Arbeitgeber- oder Standortcode:</translation>
    </message>
    <message>
        <source>The date of birth cannot be later than today.</source>
        <translation>Das Geburtsdatum kann nicht nach dem heutigen Tag liegen.</translation>
    </message>
    <message>
        <source>The day the person left cannot be before the date of birth.</source>
        <translation>Der Tag des Ausscheidens kann nicht vor dem Geburtsdatum liegen.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>Die Personenliste stimmte nicht mehr mit der Personendatei überein, die ein anderes Programm geändert hat. Die Liste wurde neu gefüllt; es wurde nichts ausgeführt. Wählen Sie die Person erneut aus.</translation>
    </message>
    <message>
        <source>Doses</source>
        <translation>Dosen</translation>
    </message>
    <message>
        <source>Dose overview...</source>
        <translation>Dosisübersicht...</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Dosisübersicht</translation>
    </message>
    <message>
        <source>This person is no longer in the person file.</source>
        <translation>Diese Person ist nicht mehr in der Personendatei.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Annual report...</source>
        <translation>Jahresbericht...</translation>
    </message>
    <message>
        <source>Enter an assessed dose...</source>
        <translation>Abgeschätzte Dosis eintragen...</translation>
    </message>
    <message>
        <source>Limits and levels...</source>
        <translation>Grenzwerte und Untersuchungsschwellen...</translation>
    </message>
    <message>
        <source>Register data</source>
        <translation>Registerdaten</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSelPort</name>
    <message>
        <source>You have no rights to use this port. The user must be a member of the group dialout:
    sudo adduser $USER dialout
then log out and log in again.</source>
        <translation>Sie haben keine Rechte für diesen Anschluss. Der Benutzer muss Mitglied der Gruppe dialout sein:
    sudo adduser $USER dialout
danach ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (nicht vorhanden)</translation>
    </message>
</context>
<context>
    <name>sarvo::UserListModel</name>
    <message>
        <source>Left on %1</source>
        <translation>Ausgeschieden am %1</translation>
    </message>
</context>
</TS>
