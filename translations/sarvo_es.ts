<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>sarvo::DosimeterLink</name>
    <message>
        <source>The reading was stored in the history, but the record of person number %1 is no longer in the user file, so it was not updated.</source>
        <translation>La lectura se ha guardado en el historial, pero el registro de la persona número %1 ya no está en el archivo de personas, por lo que no se ha actualizado.</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</source>
        <translation>
            <numerusform>%n lectura llegó mientras esperaban demasiadas otras y no se pudo registrar. Vuelva a leer este dosímetro: %1</numerusform>
            <numerusform>%n lecturas llegaron mientras esperaban demasiadas otras y no se pudieron registrar. Vuelva a leer estos dosímetros: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Otro programa está modificando los datos; no se ha escrito nada. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it is neither read nor written.</source>
        <translation>%1 no es un archivo normal; no se lee ni se escribe.</translation>
    </message>
</context>
</TS>
