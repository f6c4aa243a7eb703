<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>sarvo::DosimeterLink</name>
    <message>
        <source>The reading was stored in the history, but the record of person number %1 is no longer in the user file, so it was not updated.</source>
        <translation>La lettura è stata salvata nello storico, ma il record della persona numero %1 non è più nel file delle persone, quindi non è stato aggiornato.</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</source>
        <translation>
            <numerusform>%n lettura è arrivata mentre troppe altre erano in attesa e non è stato possibile acquisirla. Rileggere questo dosimetro: %1</numerusform>
            <numerusform>%n letture sono arrivate mentre troppe altre erano in attesa e non è stato possibile acquisirle. Rileggere questi dosimetri: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Un altro programma sta modificando i dati; non è stato scritto nulla. Riprovare.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it is neither read nor written.</source>
        <translation>%1 non è un file normale; non viene né letto né scritto.</translation>
    </message>
</context>
</TS>
