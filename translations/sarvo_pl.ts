<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
</TS>
