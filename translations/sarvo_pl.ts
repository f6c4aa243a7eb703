<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Dane w %1 są używane przez inną uruchomioną kopię programu.</translation>
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
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: plik osób nie może przechować liter %2. Zapisać je jako „?” (Tak) czy wrócić do pola (Nie)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>Lista osób nie odpowiadała już plikowi osób, który zmienił inny program. Lista została wypełniona ponownie; nic nie zostało zrobione. Wybierz osobę ponownie.</translation>
    </message>
</context>
</TS>
