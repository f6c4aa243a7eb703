<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>sarvo::AnnualReportPrinter</name>
    <message>
        <source>Annual dose report %1</source>
        <translation>Roczny raport dawek %1</translation>
    </message>
    <message>
        <source>Monthly dose of the group (mSv), %1</source>
        <translation>Miesięczna dawka grupy (mSv), %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Dział</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>sarvo::CommandLine</name>
    <message>
        <source>usage: sarvo [--data-dir DIR | --user-data]
</source>
        <translation>użycie: sarvo [--data-dir FOLDER | --user-data]
</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>--data-dir and --user-data name two different data folders: give one</source>
        <translation>--data-dir i --user-data wskazują dwa różne foldery danych: podaj jeden</translation>
    </message>
    <message>
        <source>--data-dir is given more than once</source>
        <translation>--data-dir podano więcej niż raz</translation>
    </message>
    <message>
        <source>--data-dir needs the name of a folder</source>
        <translation>--data-dir wymaga nazwy folderu</translation>
    </message>
    <message>
        <source>Keeps the dosimeter readings of a group of persons. Without an option the data are in the working directory.
  --data-dir DIR  the data in the folder DIR, made when missing (the folder it is in must exist)
  --user-data     the data in %1, made at the first start
  --help          this list
  --version       the version of the program
</source>
        <translation>Przechowuje odczyty dozymetrów grupy osób. Bez opcji dane są w katalogu roboczym.
  --data-dir FOLDER  dane w folderze FOLDER, tworzonym, gdy go brak (folder nadrzędny musi istnieć)
  --user-data        dane w %1, tworzone przy pierwszym uruchomieniu
  --help             ta lista
  --version          wersja programu
</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseDatabase</name>
    <message>
        <source>The dose database %1 cannot be used: %2</source>
        <translation>Nie można użyć bazy danych dawek %1: %2</translation>
    </message>
    <message>
        <source>The dose database %1 was written by a newer version of this program (schema %2; this version knows up to %3). Nothing was read or written: use the newer version.</source>
        <translation>Baza danych dawek %1 została zapisana przez nowszą wersję tego programu (schemat %2; ta wersja obsługuje do %3). Niczego nie odczytano ani nie zapisano: użyj nowszej wersji.</translation>
    </message>
    <message>
        <source>There is no open alert with the number %1.</source>
        <translation>Brak otwartego ostrzeżenia o numerze %1.</translation>
    </message>
    <message>
        <source>Alert %1 was acknowledged already by %2 at %3.</source>
        <translation>Ostrzeżenie %1 zostało już potwierdzone przez %2 (%3).</translation>
    </message>
    <message>
        <source>A dose entered by hand needs its reason: nothing was stored.</source>
        <translation>Dawka wprowadzona ręcznie wymaga podania przyczyny: niczego nie zapisano.</translation>
    </message>
    <message>
        <source>An opening entry is made only when the ledger is created.</source>
        <translation>Wpis otwarcia tworzy się tylko przy zakładaniu rejestru dawek.</translation>
    </message>
    <message>
        <source>The dose is not a number: nothing was stored.</source>
        <translation>Dawka nie jest liczbą: niczego nie zapisano.</translation>
    </message>
    <message>
        <source>The accumulated dose (ED) would fall below 0: it is %1 mSv, the dose entered is %2 mSv. Nothing was stored.</source>
        <translation>Dawka skumulowana (ED) spadłaby poniżej 0: wynosi %1 mSv, wprowadzona dawka to %2 mSv. Niczego nie zapisano.</translation>
    </message>
    <message>
        <source>There is no person with the number %1.</source>
        <translation>Nie ma osoby o numerze %1.</translation>
    </message>
    <message>
        <source>The registry number %1 belongs to the person with the number %2 already.</source>
        <translation>Numer rejestrowy %1 należy już do osoby o numerze %2.</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseOverviewModel</name>
    <message>
        <source>overdue</source>
        <translation>zaległy</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Dział</translation>
    </message>
    <message>
        <source>Dosimeter</source>
        <translation>Dozymetr</translation>
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
        <translation>12 miesięcy, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 lat, mSv</translation>
    </message>
    <message>
        <source>Pending, mSv</source>
        <translation>Oczekująca, mSv</translation>
    </message>
    <message>
        <source>Annual limit</source>
        <translation>Limit roczny</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Ostatni odczyt</translation>
    </message>
    <message>
        <source>Days since</source>
        <translation>Dni od odczytu</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Zaległy</translation>
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
        <translation>odczyt</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>zerowanie</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>wprowadzona ręcznie</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>otwarcie</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>roczny poziom badania</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>miesięczny poziom badania</translation>
    </message>
    <message>
        <source>annual dose limit</source>
        <translation>roczna dawka graniczna</translation>
    </message>
    <message>
        <source>five-year dose limit</source>
        <translation>pięcioletnia dawka graniczna</translation>
    </message>
    <message>
        <source>limit reached</source>
        <translation>osiągnięto limit</translation>
    </message>
    <message>
        <source>investigation</source>
        <translation>badanie</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>%1 (number %2): the dose of %3 mSv just entered brings the dose of the period %4 to %5 mSv. This reaches the %6 of %7 mSv.</source>
        <translation>%1 (numer %2): właśnie wprowadzona dawka %3 mSv podnosi dawkę za okres %4 do %5 mSv. Tym samym osiągnięto próg „%6” wynoszący %7 mSv.</translation>
    </message>
</context>
<context>
    <name>sarvo::DosimeterLink</name>
    <message>
        <source>The reading was stored in the history, but the record of person number %1 is no longer in the user file, so it was not updated.</source>
        <translation>Odczyt zapisano w historii, ale rekordu osoby o numerze %1 nie ma już w pliku osób, więc nie został zaktualizowany.</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</source>
        <translation>
            <numerusform>%n odczyt nadszedł, gdy czekało zbyt wiele innych, i nie mógł zostać przyjęty. Odczytaj ponownie te dozymetry: %1</numerusform>
            <numerusform>%n odczyty nadeszły, gdy czekało zbyt wiele innych, i nie mogły zostać przyjęte. Odczytaj ponownie te dozymetry: %1</numerusform>
            <numerusform>%n odczytów nadeszło, gdy czekało zbyt wiele innych, i nie mogły zostać przyjęte. Odczytaj ponownie te dozymetry: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (number %2): ED %3 mSv</source>
        <translation>%1 (numer %2): ED %3 mSv</translation>
    </message>
</context>
<context>
    <name>sarvo::HelpFile</name>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>Brak strony pomocy %1.</translation>
    </message>
    <message>
        <source>No program could open the help page. It is the file %1: a web browser can open it.</source>
        <translation>Żaden program nie mógł otworzyć strony pomocy. To plik %1: można go otworzyć w przeglądarce internetowej.</translation>
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
        <translation>Brak odczytów</translation>
    </message>
</context>
<context>
    <name>sarvo::Registry</name>
    <message>
        <source>The registry %1 refused: %2</source>
        <translation>Rejestr %1 odmówił: %2</translation>
    </message>
    <message>
        <source>A station name is 1 to 32 characters of A-Z, a-z, 0-9, &quot;_&quot; and &quot;-&quot;, not %1.</source>
        <translation>Nazwa stacji to od 1 do 32 znaków z A-Z, a-z, 0-9, „_” i „-”, a nie %1.</translation>
    </message>
    <message>
        <source>The station&apos;s role needs a password.</source>
        <translation>Rola stacji wymaga hasła.</translation>
    </message>
    <message>
        <source>The registry has the station %1 already.</source>
        <translation>Rejestr ma już stację %1.</translation>
    </message>
    <message>
        <source>The role %1 exists already on the server.</source>
        <translation>Rola %1 już istnieje na serwerze.</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt SQL (QPSQL) is not installed: install the package libqt6sql6-psql.</source>
        <translation>Sterownik PostgreSQL dla Qt SQL (QPSQL) nie jest zainstalowany: zainstaluj pakiet libqt6sql6-psql.</translation>
    </message>
    <message>
        <source>Cannot connect to the registry %1: %2</source>
        <translation>Nie można połączyć się z rejestrem %1: %2</translation>
    </message>
    <message>
        <source>The registry %1 failed: %2</source>
        <translation>Rejestr %1 zawiódł: %2</translation>
    </message>
    <message>
        <source>The database %1 holds no Sarvo registry: run `sarvo-tool registry init --db URL` there first.</source>
        <translation>Baza danych %1 nie zawiera rejestru Sarvo: najpierw uruchom na niej `sarvo-tool registry init --db URL`.</translation>
    </message>
    <message>
        <source>The registry %1 has schema version %2, newer than this program knows (%3): use a newer program.</source>
        <translation>Rejestr %1 ma schemat w wersji %2, nowszej niż zna ten program (%3): użyj nowszego programu.</translation>
    </message>
    <message>
        <source>The login %1 is not the role of a station in the registry; the station %2 logs in as %3.</source>
        <translation>Login %1 nie jest rolą żadnej stacji w rejestrze; stacja %2 loguje się jako %3.</translation>
    </message>
    <message>
        <source>The login %1 is the role of the station %2, not of %3.</source>
        <translation>Login %1 jest rolą stacji %2, a nie %3.</translation>
    </message>
    <message>
        <source>The registry could not be read: %1</source>
        <translation>Nie udało się odczytać rejestru: %1</translation>
    </message>
    <message>
        <source>The registry refused to store the limits (only the owner of the registry may set them): %1</source>
        <translation>Rejestr odmówił zapisania limitów (ustawiać je może tylko właściciel rejestru): %1</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryPusher</name>
    <message>
        <source>The registry address %1 is not valid.</source>
        <translation>Adres rejestru %1 jest nieprawidłowy.</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryStatusLabel</name>
    <message>
        <source>Registry: sending %1 of %2</source>
        <translation>Rejestr: wysyłanie %1 z %2</translation>
    </message>
    <message numerus="yes">
        <source>Registry unreachable: %n change(s) waiting</source>
        <translation>
            <numerusform>Rejestr nieosiągalny: czeka %n zmiana</numerusform>
            <numerusform>Rejestr nieosiągalny: czekają %n zmiany</numerusform>
            <numerusform>Rejestr nieosiągalny: czeka %n zmian</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n record(s) differ from the registry — see sarvo-tool sync</source>
        <translation>
            <numerusform>Rejestr: %n rekord różni się od rejestru — zob. sarvo-tool sync</numerusform>
            <numerusform>Rejestr: %n rekordy różnią się od rejestru — zob. sarvo-tool sync</numerusform>
            <numerusform>Rejestr: %n rekordów różni się od rejestru — zob. sarvo-tool sync</numerusform>
        </translation>
    </message>
    <message>
        <source>History records: %1</source>
        <translation>Rekordy historii: %1</translation>
    </message>
    <message>
        <source>Ledger rows: %1</source>
        <translation>Wiersze rejestru dawek: %1</translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n change(s) waiting</source>
        <translation>
            <numerusform>Rejestr: czeka %n zmiana</numerusform>
            <numerusform>Rejestr: czekają %n zmiany</numerusform>
            <numerusform>Rejestr: czeka %n zmian</numerusform>
        </translation>
    </message>
    <message>
        <source>Registry: up to date</source>
        <translation>Rejestr: aktualny</translation>
    </message>
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Dane w %1 są używane przez inną uruchomioną kopię programu.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be used: it is a file, not a folder.</source>
        <translation>Nie można użyć folderu danych %1: to plik, a nie folder.</translation>
    </message>
    <message>
        <source>The data folder %1 is not made: the folder %2 does not exist.</source>
        <translation>Folder danych %1 nie został utworzony: folder %2 nie istnieje.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be made.</source>
        <translation>Nie można utworzyć folderu danych %1.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be opened.</source>
        <translation>Nie można otworzyć folderu danych %1.</translation>
    </message>
</context>
<context>
    <name>sarvo::SaveDialog</name>
    <message>
        <source>%1 is one of the program&apos;s own files and cannot be replaced by a report. Choose another file.</source>
        <translation>%1 jest jednym z plików samego programu i nie może zostać zastąpiony raportem. Wybierz inny plik.</translation>
    </message>
</context>
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Dane są właśnie zmieniane przez inny program; nic nie zapisano. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it is neither read nor written.</source>
        <translation>%1 nie jest zwykłym plikiem; nie jest ani odczytywany, ani zapisywany.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAbou</name>
    <message>
        <source>Build %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License,
version 3 or later</source>
        <translation>Licencja: GNU General Public License,
wersja 3 lub późniejsza</translation>
    </message>
    <message>
        <source>Read me:</source>
        <translation>Przeczytaj:</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAnnualReport</name>
    <message>
        <source>Annual report</source>
        <translation>Raport roczny</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Zapisz jako PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Zapisz jako CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Nie udało się wydrukować raportu.</translation>
    </message>
    <message>
        <source>The report could not be written into %1.</source>
        <translation>Nie udało się zapisać raportu do %1.</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Pokaż osoby, które odeszły</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAssessedDose</name>
    <message>
        <source>Assessed dose</source>
        <translation>Dawka oszacowana</translation>
    </message>
    <message>
        <source>%1 mSv</source>
        <translation>%1 mSv</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Osoba:</translation>
    </message>
    <message>
        <source>Accumulated dose (ED):</source>
        <translation>Dawka skumulowana (ED):</translation>
    </message>
    <message>
        <source>Dose (mSv, negative for a correction):</source>
        <translation>Dawka (mSv, ujemna dla korekty):</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Przyczyna:</translation>
    </message>
    <message>
        <source>The person chosen is no longer in this place of the list. Choose the person again.</source>
        <translation>Wybrana osoba nie znajduje się już w tym miejscu listy. Wybierz osobę ponownie.</translation>
    </message>
    <message>
        <source>Enter the dose in mSv as a number, such as %1 (negative for a correction).</source>
        <translation>Wprowadź dawkę w mSv jako liczbę, np. %1 (ujemną dla korekty).</translation>
    </message>
    <message>
        <source>The date of an assessed dose cannot be later than today.</source>
        <translation>Data dawki oszacowanej nie może być późniejsza niż dzisiejsza.</translation>
    </message>
    <message>
        <source>Enter the reason for the assessed dose.</source>
        <translation>Podaj przyczynę dawki oszacowanej.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormDoseOverview</name>
    <message>
        <source>Any files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Przegląd dawek</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Zapisz jako PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Zapisz jako CSV...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Rok:</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message>
        <source>Name, department or dosimeter</source>
        <translation>Nazwisko, dział lub dozymetr</translation>
    </message>
    <message>
        <source>Acknowledge...</source>
        <translation>Potwierdź...</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Zgłoszono</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Osoba</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>Dose, mSv</source>
        <translation>Dawka, mSv</translation>
    </message>
    <message>
        <source>Level, mSv</source>
        <translation>Próg, mSv</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Pliki PDF</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Pliki CSV</translation>
    </message>
    <message>
        <source>Annual limit %1 mSv, five-year limit %2 mSv, investigation level %3 mSv</source>
        <translation>Limit roczny %1 mSv, limit pięcioletni %2 mSv, poziom badania %3 mSv</translation>
    </message>
    <message>
        <source>, monthly investigation level %1 mSv</source>
        <translation>, miesięczny poziom badania %1 mSv</translation>
    </message>
    <message numerus="yes">
        <source>; a dosimeter is overdue after %n day(s) without a reading.</source>
        <translation>
            <numerusform>; dozymetr uznaje się za zaległy po %n dniu bez odczytu.</numerusform>
            <numerusform>; dozymetr uznaje się za zaległy po %n dniach bez odczytu.</numerusform>
            <numerusform>; dozymetr uznaje się za zaległy po %n dniach bez odczytu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open alerts: %1</source>
        <translation>Otwarte ostrzeżenia: %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <source>Acknowledge alert</source>
        <translation>Potwierdzenie ostrzeżenia</translation>
    </message>
    <message>
        <source>%1
Note (required):</source>
        <translation>%1
Uwaga (wymagana):</translation>
    </message>
    <message>
        <source>An alert is acknowledged with a note. Enter the note.</source>
        <translation>Ostrzeżenie potwierdza się z uwagą. Wprowadź uwagę.</translation>
    </message>
    <message>
        <source>Dose overview %1 as of %2</source>
        <translation>Przegląd dawek %1 na dzień %2</translation>
    </message>
    <message>
        <source> (search: %1)</source>
        <translation> (wyszukiwanie: %1)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>The dose overview could not be printed.</source>
        <translation>Nie udało się wydrukować przeglądu dawek.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Nie udało się zapisać %1.</translation>
    </message>
    <message>
        <source>Worker, name or station</source>
        <translation>Pracownik, nazwisko lub stacja</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Pokaż osoby, które odeszły</translation>
    </message>
    <message>
        <source>So&amp;urce:</source>
        <translation>Ź&amp;ródło:</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Stacja</translation>
    </message>
    <message>
        <source>Central registry</source>
        <translation>Rejestr centralny</translation>
    </message>
    <message>
        <source>The doses of every station from the central registry, read only. Offered when the station has the registry&apos;s address.</source>
        <translation>Dawki wszystkich stacji z rejestru centralnego, tylko do odczytu. Dostępne, gdy stacja ma adres rejestru.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wczytywanie…</translation>
    </message>
    <message>
        <source>Central registry: %1</source>
        <translation>Rejestr centralny: %1</translation>
    </message>
    <message>
        <source>%1 is not the address of a PostgreSQL database.</source>
        <translation>%1 nie jest adresem bazy danych PostgreSQL.</translation>
    </message>
    <message>
        <source>Worker</source>
        <translation>Pracownik</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stacje</translation>
    </message>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 lat, mSv</translation>
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
        <translation>Dawki graniczne i poziomy badania</translation>
    </message>
    <message>
        <source>Monthly investigation level (mSv):</source>
        <translation>Miesięczny poziom badania (mSv):</translation>
    </message>
    <message>
        <source>Annual limit (mSv):</source>
        <translation>Roczna dawka graniczna (mSv):</translation>
    </message>
    <message>
        <source>Five-year limit (mSv):</source>
        <translation>Pięcioletnia dawka graniczna (mSv):</translation>
    </message>
    <message>
        <source>Annual investigation level (mSv):</source>
        <translation>Roczny poziom badania (mSv):</translation>
    </message>
    <message>
        <source>Overdue after (days without a reading):</source>
        <translation>Zaległy po (dniach bez odczytu):</translation>
    </message>
    <message>
        <source>annual limit</source>
        <translation>roczna dawka graniczna</translation>
    </message>
    <message>
        <source>five-year limit</source>
        <translation>pięcioletnia dawka graniczna</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>roczny poziom badania</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>miesięczny poziom badania</translation>
    </message>
    <message>
        <source>The %1 must be a dose in mSv above 0, such as %2.</source>
        <translation>Wartość „%1” musi być dawką w mSv większą od 0, np. %2.</translation>
    </message>
    <message>
        <source>The days after which a dosimeter is overdue must be a whole number from 1.</source>
        <translation>Liczba dni, po których dozymetr uznaje się za zaległy, musi być liczbą całkowitą od 1 wzwyż.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: plik osób nie może przechować liter %2. Zapisać je jako „?” (Tak) czy wrócić do pola (Nie)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormPrint</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Plik PDF</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormRegisterData</name>
    <message>
        <source>Register data</source>
        <translation>Dane rejestrowe</translation>
    </message>
    <message>
        <source>Date of birth:</source>
        <translation>Data urodzenia:</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>nie podano</translation>
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
        <translation>niesklasyfikowany</translation>
    </message>
    <message>
        <source>Left on:</source>
        <translation>Odszedł dnia:</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Osoba:</translation>
    </message>
    <message>
        <source>&amp;Full name:</source>
        <translation>&amp;Imię i nazwisko:</translation>
    </message>
    <message>
        <source>&amp;Registry number:</source>
        <translation>Numer &amp;rejestrowy:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategoria:</translation>
    </message>
    <message>
        <source>&amp;Employer or site code:</source>
        <translation>Kod &amp;pracodawcy lub zakładu:</translation>
    </message>
    <message>
        <source>The date of birth cannot be later than today.</source>
        <translation>Data urodzenia nie może być późniejsza niż dziś.</translation>
    </message>
    <message>
        <source>The day the person left cannot be before the date of birth.</source>
        <translation>Dzień odejścia nie może być wcześniejszy niż data urodzenia.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>Lista osób nie odpowiadała już plikowi osób, który zmienił inny program. Lista została wypełniona ponownie; nic nie zostało zrobione. Wybierz osobę ponownie.</translation>
    </message>
    <message>
        <source>Doses</source>
        <translation>Dawki</translation>
    </message>
    <message>
        <source>Dose overview...</source>
        <translation>Przegląd dawek...</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Przegląd dawek</translation>
    </message>
    <message>
        <source>This person is no longer in the person file.</source>
        <translation>Tej osoby nie ma już w kartotece osób.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>Annual report...</source>
        <translation>Raport roczny...</translation>
    </message>
    <message>
        <source>Enter an assessed dose...</source>
        <translation>Wprowadź dawkę oszacowaną...</translation>
    </message>
    <message>
        <source>Limits and levels...</source>
        <translation>Dawki graniczne i poziomy badania...</translation>
    </message>
    <message>
        <source>Register data</source>
        <translation>Dane rejestrowe</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSelPort</name>
    <message>
        <source>You have no rights to use this port. The user must be a member of the group dialout:
    sudo adduser $USER dialout
then log out and log in again.</source>
        <translation>Nie masz uprawnień do tego portu. Użytkownik musi należeć do grupy dialout:
    sudo adduser $USER dialout
następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (brak)</translation>
    </message>
</context>
<context>
    <name>sarvo::UserListModel</name>
    <message>
        <source>Left on %1</source>
        <translation>Odszedł %1</translation>
    </message>
</context>
</TS>
