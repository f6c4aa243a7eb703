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
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>I dati in %1 sono in uso da un&apos;altra copia del programma in esecuzione.</translation>
    </message>
</context>
<context>
    <name>sarvo::SaveDialog</name>
    <message>
        <source>%1 is one of the program&apos;s own files and cannot be replaced by a report. Choose another file.</source>
        <translation>%1 è uno dei file del programma stesso e non può essere sostituito da un rapporto. Scegliere un altro file.</translation>
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
<context>
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: il file delle persone non può contenere le lettere %2. Salvarle come &quot;?&quot; (Sì) o tornare al campo (No)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>L&apos;elenco delle persone non corrispondeva più al file delle persone, modificato da un altro programma. L&apos;elenco è stato riempito di nuovo; non è stato fatto nulla. Selezionare di nuovo la persona.</translation>
    </message>
</context>
</TS>
