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
</TS>
