<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>sarvo::DosimeterLink</name>
    <message>
        <source>The reading was stored in the history, but the record of person number %1 is no longer in the user file, so it was not updated.</source>
        <translation>La lecture a été enregistrée dans l’historique, mais la fiche de la personne numéro %1 ne se trouve plus dans le fichier des personnes ; elle n’a donc pas été mise à jour.</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</source>
        <translation>
            <numerusform>%n lecture est arrivée alors que trop d’autres attendaient et n’a pas pu être prise en compte. Relisez ce dosimètre : %1</numerusform>
            <numerusform>%n lectures sont arrivées alors que trop d’autres attendaient et n’ont pas pu être prises en compte. Relisez ces dosimètres : %1</numerusform>
        </translation>
    </message>
</context>
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
