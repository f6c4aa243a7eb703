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
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Los datos de %1 están en uso por otra copia del programa en ejecución.</translation>
    </message>
</context>
<context>
    <name>sarvo::SaveDialog</name>
    <message>
        <source>%1 is one of the program&apos;s own files and cannot be replaced by a report. Choose another file.</source>
        <translation>%1 es uno de los archivos propios del programa y no se puede reemplazar por un informe. Elija otro archivo.</translation>
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
<context>
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: el archivo de personas no puede guardar las letras %2. ¿Guardarlas como &quot;?&quot; (Sí) o volver al campo (No)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>La lista de personas ya no coincidía con el archivo de personas, que otro programa ha modificado. La lista se ha vuelto a llenar; no se ha hecho nada. Seleccione de nuevo a la persona.</translation>
    </message>
</context>
</TS>
