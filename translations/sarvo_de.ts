<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
