<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>sarvo::AnnualReportPrinter</name>
    <message>
        <source>Annual dose report %1</source>
        <translation>Rapporto annuale delle dosi %1</translation>
    </message>
    <message>
        <source>Monthly dose of the group (mSv), %1</source>
        <translation>Dose mensile del gruppo (mSv), %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>sarvo::CommandLine</name>
    <message>
        <source>usage: sarvo [--data-dir DIR | --user-data]
</source>
        <translation>uso: sarvo [--data-dir CARTELLA | --user-data]
</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>--data-dir and --user-data name two different data folders: give one</source>
        <translation>--data-dir e --user-data indicano due cartelle di dati diverse: indicatene una sola</translation>
    </message>
    <message>
        <source>--data-dir is given more than once</source>
        <translation>--data-dir è indicato più di una volta</translation>
    </message>
    <message>
        <source>--data-dir needs the name of a folder</source>
        <translation>--data-dir richiede il nome di una cartella</translation>
    </message>
    <message>
        <source>Keeps the dosimeter readings of a group of persons. Without an option the data are in the working directory.
  --data-dir DIR  the data in the folder DIR, made when missing (the folder it is in must exist)
  --user-data     the data in %1, made at the first start
  --help          this list
  --version       the version of the program
</source>
        <translation>Conserva le letture dei dosimetri di un gruppo di persone. Senza opzioni i dati sono nella cartella di lavoro.
  --data-dir CARTELLA  i dati nella cartella CARTELLA, creata se manca (la cartella che la contiene deve esistere)
  --user-data          i dati in %1, creata al primo avvio
  --help               questo elenco
  --version            la versione del programma
</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseDatabase</name>
    <message>
        <source>The dose database %1 cannot be used: %2</source>
        <translation>Impossibile usare il database delle dosi %1: %2</translation>
    </message>
    <message>
        <source>The dose database %1 was written by a newer version of this program (schema %2; this version knows up to %3). Nothing was read or written: use the newer version.</source>
        <translation>Il database delle dosi %1 è stato scritto da una versione più recente di questo programma (schema %2; questa versione gestisce fino a %3). Non è stato letto né scritto nulla: usare la versione più recente.</translation>
    </message>
    <message>
        <source>There is no open alert with the number %1.</source>
        <translation>Non esiste alcun avviso aperto con il numero %1.</translation>
    </message>
    <message>
        <source>Alert %1 was acknowledged already by %2 at %3.</source>
        <translation>L&apos;avviso %1 è già stato confermato da %2 il %3.</translation>
    </message>
    <message>
        <source>A dose entered by hand needs its reason: nothing was stored.</source>
        <translation>Una dose inserita manualmente richiede una motivazione: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>An opening entry is made only when the ledger is created.</source>
        <translation>Una registrazione di apertura si effettua solo alla creazione del registro delle dosi.</translation>
    </message>
    <message>
        <source>The dose is not a number: nothing was stored.</source>
        <translation>La dose non è un numero: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The accumulated dose (ED) would fall below 0: it is %1 mSv, the dose entered is %2 mSv. Nothing was stored.</source>
        <translation>La dose accumulata (ED) scenderebbe sotto 0: è di %1 mSv, la dose inserita è di %2 mSv. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>There is no person with the number %1.</source>
        <translation>Non esiste alcuna persona con il numero %1.</translation>
    </message>
    <message>
        <source>The registry number %1 belongs to the person with the number %2 already.</source>
        <translation>Il numero di registro %1 appartiene già alla persona con il numero %2.</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseOverviewModel</name>
    <message>
        <source>overdue</source>
        <translation>in ritardo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Dosimeter</source>
        <translation>Dosimetro</translation>
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
        <translation>12 mesi, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 anni, mSv</translation>
    </message>
    <message>
        <source>Pending, mSv</source>
        <translation>In sospeso, mSv</translation>
    </message>
    <message>
        <source>Annual limit</source>
        <translation>Limite annuo</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Ultima lettura</translation>
    </message>
    <message>
        <source>Days since</source>
        <translation>Giorni trascorsi</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>In ritardo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseTexts</name>
    <message>
        <source>reading</source>
        <translation>lettura</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>azzeramento</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>inserimento manuale</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>apertura</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>livello di indagine annuale</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>livello di indagine mensile</translation>
    </message>
    <message>
        <source>annual dose limit</source>
        <translation>limite di dose annuale</translation>
    </message>
    <message>
        <source>five-year dose limit</source>
        <translation>limite di dose quinquennale</translation>
    </message>
    <message>
        <source>limit reached</source>
        <translation>limite raggiunto</translation>
    </message>
    <message>
        <source>investigation</source>
        <translation>indagine</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>%1 (number %2): the dose of %3 mSv just entered brings the dose of the period %4 to %5 mSv. This reaches the %6 of %7 mSv.</source>
        <translation>%1 (numero %2): la dose di %3 mSv appena inserita porta la dose del periodo %4 a %5 mSv. Si raggiunge così la soglia «%6» di %7 mSv.</translation>
    </message>
</context>
<context>
    <name>sarvo::DosimeterLink</name>
    <message>
        <source>The reading was stored in the history, but the record of person number %1 is no longer in the user file, so it was not updated.</source>
        <translation>La lettura è stata salvata nello storico, ma il record della persona numero %1 non è più nel file delle persone, quindi non è stato aggiornato.</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</source>
        <translation>
            <numerusform>%n lettura è arrivata mentre troppe altre erano in attesa e non è stato possibile acquisirla. Rileggere questo dosimetro: %1</numerusform>
            <numerusform>%n letture sono arrivate mentre troppe altre erano in attesa e non è stato possibile acquisirle. Rileggere questi dosimetri: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (number %2): ED %3 mSv</source>
        <translation>%1 (numero %2): ED %3 mSv</translation>
    </message>
</context>
<context>
    <name>sarvo::HelpFile</name>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>La pagina della guida %1 non c&apos;è.</translation>
    </message>
    <message>
        <source>No program could open the help page. It is the file %1: a web browser can open it.</source>
        <translation>Nessun programma è riuscito ad aprire la pagina della guida. È il file %1: un browser web può aprirlo.</translation>
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
        <translation>Nessuna lettura</translation>
    </message>
</context>
<context>
    <name>sarvo::Registry</name>
    <message>
        <source>The registry %1 refused: %2</source>
        <translation>Il registro %1 ha rifiutato: %2</translation>
    </message>
    <message>
        <source>A station name is 1 to 32 characters of A-Z, a-z, 0-9, &quot;_&quot; and &quot;-&quot;, not %1.</source>
        <translation>Il nome di una stazione è di 1-32 caratteri tra A-Z, a-z, 0-9, «_» e «-», non %1.</translation>
    </message>
    <message>
        <source>The station&apos;s role needs a password.</source>
        <translation>Il ruolo della stazione richiede una password.</translation>
    </message>
    <message>
        <source>The registry has the station %1 already.</source>
        <translation>Il registro ha già la stazione %1.</translation>
    </message>
    <message>
        <source>The role %1 exists already on the server.</source>
        <translation>Il ruolo %1 esiste già sul server.</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt SQL (QPSQL) is not installed: install the package libqt6sql6-psql.</source>
        <translation>Il driver PostgreSQL di Qt SQL (QPSQL) non è installato: installare il pacchetto libqt6sql6-psql.</translation>
    </message>
    <message>
        <source>Cannot connect to the registry %1: %2</source>
        <translation>Impossibile connettersi al registro %1: %2</translation>
    </message>
    <message>
        <source>The registry %1 failed: %2</source>
        <translation>Il registro %1 ha dato un errore: %2</translation>
    </message>
    <message>
        <source>The database %1 holds no Sarvo registry: run `sarvo-tool registry init --db URL` there first.</source>
        <translation>Il database %1 non contiene un registro Sarvo: eseguire prima `sarvo-tool registry init --db URL` su di esso.</translation>
    </message>
    <message>
        <source>The registry %1 has schema version %2, newer than this program knows (%3): use a newer program.</source>
        <translation>Il registro %1 ha lo schema versione %2, più recente di quanto questo programma conosca (%3): usare un programma più recente.</translation>
    </message>
    <message>
        <source>The login %1 is not the role of a station in the registry; the station %2 logs in as %3.</source>
        <translation>L’accesso %1 non è il ruolo di una stazione nel registro; la stazione %2 accede come %3.</translation>
    </message>
    <message>
        <source>The login %1 is the role of the station %2, not of %3.</source>
        <translation>L’accesso %1 è il ruolo della stazione %2, non di %3.</translation>
    </message>
    <message>
        <source>The registry could not be read: %1</source>
        <translation>Impossibile leggere il registro: %1</translation>
    </message>
    <message>
        <source>The registry refused to store the limits (only the owner of the registry may set them): %1</source>
        <translation>Il registro ha rifiutato di salvare i limiti (solo il proprietario del registro può impostarli): %1</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryPusher</name>
    <message>
        <source>The registry address %1 is not valid.</source>
        <translation>L’indirizzo del registro %1 non è valido.</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryStatusLabel</name>
    <message>
        <source>Registry: sending %1 of %2</source>
        <translation>Registro: invio %1 di %2</translation>
    </message>
    <message numerus="yes">
        <source>Registry unreachable: %n change(s) waiting</source>
        <translation>
            <numerusform>Registro non raggiungibile: %n modifica in attesa</numerusform>
            <numerusform>Registro non raggiungibile: %n modifiche in attesa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n record(s) differ from the registry — see sarvo-tool sync</source>
        <translation>
            <numerusform>Registro: %n record differisce dal registro — vedere sarvo-tool sync</numerusform>
            <numerusform>Registro: %n record differiscono dal registro — vedere sarvo-tool sync</numerusform>
        </translation>
    </message>
    <message>
        <source>History records: %1</source>
        <translation>Record dello storico: %1</translation>
    </message>
    <message>
        <source>Ledger rows: %1</source>
        <translation>Righe del registro delle dosi: %1</translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n change(s) waiting</source>
        <translation>
            <numerusform>Registro: %n modifica in attesa</numerusform>
            <numerusform>Registro: %n modifiche in attesa</numerusform>
        </translation>
    </message>
    <message>
        <source>Registry: up to date</source>
        <translation>Registro: aggiornato</translation>
    </message>
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>I dati in %1 sono in uso da un&apos;altra copia del programma in esecuzione.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be used: it is a file, not a folder.</source>
        <translation>La cartella dei dati %1 non può essere usata: è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The data folder %1 is not made: the folder %2 does not exist.</source>
        <translation>La cartella dei dati %1 non viene creata: la cartella %2 non esiste.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be made.</source>
        <translation>Non è possibile creare la cartella dei dati %1.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be opened.</source>
        <translation>Non è possibile aprire la cartella dei dati %1.</translation>
    </message>
</context>
<context>
    <name>sarvo::SaveDialog</name>
    <message>
        <source>%1 is one of the program&apos;s own files and cannot be replaced by a report. Choose another file.</source>
        <translation>%1 è uno dei file del programma stesso e non può essere sostituito da un rapporto. Scegliere un altro file.</translation>
    </message>
</context>
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Un altro programma sta modificando i dati; non è stato scritto nulla. Riprovare.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it is neither read nor written.</source>
        <translation>%1 non è un file normale; non viene né letto né scritto.</translation>
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
        <translation>Licenza: GNU General Public License,
versione 3 o successiva</translation>
    </message>
    <message>
        <source>Read me:</source>
        <translation>Leggimi:</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAnnualReport</name>
    <message>
        <source>Annual report</source>
        <translation>Rapporto annuale</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salva come PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salva come CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Impossibile stampare il rapporto.</translation>
    </message>
    <message>
        <source>The report could not be written into %1.</source>
        <translation>Impossibile scrivere il rapporto in %1.</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Mostra le persone uscite</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAssessedDose</name>
    <message>
        <source>Assessed dose</source>
        <translation>Dose stimata</translation>
    </message>
    <message>
        <source>%1 mSv</source>
        <translation>%1 mSv</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Persona:</translation>
    </message>
    <message>
        <source>Accumulated dose (ED):</source>
        <translation>Dose accumulata (ED):</translation>
    </message>
    <message>
        <source>Dose (mSv, negative for a correction):</source>
        <translation>Dose (mSv, negativa per una correzione):</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motivazione:</translation>
    </message>
    <message>
        <source>The person chosen is no longer in this place of the list. Choose the person again.</source>
        <translation>La persona scelta non si trova più in questa posizione dell&apos;elenco. Scegliere di nuovo la persona.</translation>
    </message>
    <message>
        <source>Enter the dose in mSv as a number, such as %1 (negative for a correction).</source>
        <translation>Inserire la dose in mSv come numero, ad esempio %1 (negativo per una correzione).</translation>
    </message>
    <message>
        <source>The date of an assessed dose cannot be later than today.</source>
        <translation>La data di una dose stimata non può essere successiva a oggi.</translation>
    </message>
    <message>
        <source>Enter the reason for the assessed dose.</source>
        <translation>Inserire la motivazione della dose stimata.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormDoseOverview</name>
    <message>
        <source>Any files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Panoramica delle dosi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salva come PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salva come CSV...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Anno:</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Name, department or dosimeter</source>
        <translation>Nome, reparto o dosimetro</translation>
    </message>
    <message>
        <source>Acknowledge...</source>
        <translation>Conferma...</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Generato</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Dose, mSv</source>
        <translation>Dose, mSv</translation>
    </message>
    <message>
        <source>Level, mSv</source>
        <translation>Soglia, mSv</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>File CSV</translation>
    </message>
    <message>
        <source>Annual limit %1 mSv, five-year limit %2 mSv, investigation level %3 mSv</source>
        <translation>Limite annuo %1 mSv, limite quinquennale %2 mSv, livello di indagine %3 mSv</translation>
    </message>
    <message>
        <source>, monthly investigation level %1 mSv</source>
        <translation>, livello di indagine mensile %1 mSv</translation>
    </message>
    <message numerus="yes">
        <source>; a dosimeter is overdue after %n day(s) without a reading.</source>
        <translation>
            <numerusform>; un dosimetro è in ritardo dopo %n giorno senza lettura.</numerusform>
            <numerusform>; un dosimetro è in ritardo dopo %n giorni senza lettura.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open alerts: %1</source>
        <translation>Avvisi aperti: %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N. %1</translation>
    </message>
    <message>
        <source>Acknowledge alert</source>
        <translation>Conferma avviso</translation>
    </message>
    <message>
        <source>%1
Note (required):</source>
        <translation>%1
Nota (obbligatoria):</translation>
    </message>
    <message>
        <source>An alert is acknowledged with a note. Enter the note.</source>
        <translation>Un avviso si conferma con una nota. Inserire la nota.</translation>
    </message>
    <message>
        <source>Dose overview %1 as of %2</source>
        <translation>Panoramica delle dosi %1 al %2</translation>
    </message>
    <message>
        <source> (search: %1)</source>
        <translation> (ricerca: %1)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>The dose overview could not be printed.</source>
        <translation>Impossibile stampare la panoramica delle dosi.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Worker, name or station</source>
        <translation>Lavoratore, nome o stazione</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Mostra le persone uscite</translation>
    </message>
    <message>
        <source>So&amp;urce:</source>
        <translation>&amp;Origine:</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <source>Central registry</source>
        <translation>Registro centrale</translation>
    </message>
    <message>
        <source>The doses of every station from the central registry, read only. Offered when the station has the registry&apos;s address.</source>
        <translation>Le dosi di tutte le stazioni dal registro centrale, in sola lettura. Disponibile quando la stazione ha l’indirizzo del registro.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>Central registry: %1</source>
        <translation>Registro centrale: %1</translation>
    </message>
    <message>
        <source>%1 is not the address of a PostgreSQL database.</source>
        <translation>%1 non è l’indirizzo di un database PostgreSQL.</translation>
    </message>
    <message>
        <source>Worker</source>
        <translation>Lavoratore</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nome completo</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stazioni</translation>
    </message>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 anni, mSv</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormLimits</name>
    <message>
        <source>Dose limits and levels</source>
        <translation>Limiti di dose e livelli di indagine</translation>
    </message>
    <message>
        <source>Monthly investigation level (mSv):</source>
        <translation>Livello di indagine mensile (mSv):</translation>
    </message>
    <message>
        <source>Annual limit (mSv):</source>
        <translation>Limite annuo (mSv):</translation>
    </message>
    <message>
        <source>Five-year limit (mSv):</source>
        <translation>Limite quinquennale (mSv):</translation>
    </message>
    <message>
        <source>Annual investigation level (mSv):</source>
        <translation>Livello di indagine annuale (mSv):</translation>
    </message>
    <message>
        <source>Overdue after (days without a reading):</source>
        <translation>In ritardo dopo (giorni senza lettura):</translation>
    </message>
    <message>
        <source>annual limit</source>
        <translation>limite annuo</translation>
    </message>
    <message>
        <source>five-year limit</source>
        <translation>limite quinquennale</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>livello di indagine annuale</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>livello di indagine mensile</translation>
    </message>
    <message>
        <source>The %1 must be a dose in mSv above 0, such as %2.</source>
        <translation>Il valore «%1» deve essere una dose in mSv maggiore di 0, ad esempio %2.</translation>
    </message>
    <message>
        <source>The days after which a dosimeter is overdue must be a whole number from 1.</source>
        <translation>Il numero di giorni dopo il quale un dosimetro è in ritardo deve essere un numero intero pari o superiore a 1.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: il file delle persone non può contenere le lettere %2. Salvarle come &quot;?&quot; (Sì) o tornare al campo (No)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormPrint</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>File PDF</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormRegisterData</name>
    <message>
        <source>Register data</source>
        <translation>Dati di registro</translation>
    </message>
    <message>
        <source>Date of birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non indicata</translation>
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
        <translation>non classificato</translation>
    </message>
    <message>
        <source>Left on:</source>
        <translation>Uscito il:</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Persona:</translation>
    </message>
    <message>
        <source>&amp;Full name:</source>
        <translation>&amp;Nome completo:</translation>
    </message>
    <message>
        <source>&amp;Registry number:</source>
        <translation>Numero di &amp;registro:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoria:</translation>
    </message>
    <message>
        <source>&amp;Employer or site code:</source>
        <translation>Codice del datore di lavoro o del &amp;sito:</translation>
    </message>
    <message>
        <source>The date of birth cannot be later than today.</source>
        <translation>La data di nascita non può essere successiva a oggi.</translation>
    </message>
    <message>
        <source>The day the person left cannot be before the date of birth.</source>
        <translation>Il giorno dell’uscita non può precedere la data di nascita.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>L&apos;elenco delle persone non corrispondeva più al file delle persone, modificato da un altro programma. L&apos;elenco è stato riempito di nuovo; non è stato fatto nulla. Selezionare di nuovo la persona.</translation>
    </message>
    <message>
        <source>Doses</source>
        <translation>Dosi</translation>
    </message>
    <message>
        <source>Dose overview...</source>
        <translation>Panoramica delle dosi...</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Panoramica delle dosi</translation>
    </message>
    <message>
        <source>This person is no longer in the person file.</source>
        <translation>Questa persona non è più presente nell&apos;archivio del personale.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Annual report...</source>
        <translation>Rapporto annuale...</translation>
    </message>
    <message>
        <source>Enter an assessed dose...</source>
        <translation>Inserisci una dose stimata...</translation>
    </message>
    <message>
        <source>Limits and levels...</source>
        <translation>Limiti e livelli di indagine...</translation>
    </message>
    <message>
        <source>Register data</source>
        <translation>Dati di registro</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSelPort</name>
    <message>
        <source>You have no rights to use this port. The user must be a member of the group dialout:
    sudo adduser $USER dialout
then log out and log in again.</source>
        <translation>Non avete i permessi per usare questa porta. L&apos;utente deve far parte del gruppo dialout:
    sudo adduser $USER dialout
poi uscite dalla sessione ed entrate di nuovo.</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (non presente)</translation>
    </message>
</context>
<context>
    <name>sarvo::UserListModel</name>
    <message>
        <source>Left on %1</source>
        <translation>Uscito il %1</translation>
    </message>
</context>
</TS>
