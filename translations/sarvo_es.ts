<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Otro programa está modificando los datos; no se ha escrito nada. Inténtelo de nuevo.</translation>
    </message>
</context>
</TS>
