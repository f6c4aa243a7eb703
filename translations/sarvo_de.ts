<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Die Daten in %1 werden von einer anderen laufenden Kopie des Programms verwendet.</translation>
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
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: Die Personendatei kann die Buchstaben %2 nicht speichern. Als „?“ speichern (Ja) oder zum Feld zurückkehren (Nein)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>Die Personenliste stimmte nicht mehr mit der Personendatei überein, die ein anderes Programm geändert hat. Die Liste wurde neu gefüllt; es wurde nichts ausgeführt. Wählen Sie die Person erneut aus.</translation>
    </message>
</context>
</TS>
