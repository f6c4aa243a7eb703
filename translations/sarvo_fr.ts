<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Les données sont en cours de modification par un autre programme ; rien n’a été écrit. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it is neither read nor written.</source>
        <translation>%1 n’est pas un fichier ordinaire ; il n’est ni lu ni écrit.</translation>
    </message>
</context>
</TS>
