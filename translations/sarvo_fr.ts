<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Les données sont en cours de modification par un autre programme ; rien n’a été écrit. Veuillez réessayer.</translation>
    </message>
</context>
</TS>
