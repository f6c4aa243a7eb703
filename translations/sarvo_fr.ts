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
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Les données de %1 sont utilisées par une autre copie du programme en cours d&apos;exécution.</translation>
    </message>
</context>
<context>
    <name>sarvo::SaveDialog</name>
    <message>
        <source>%1 is one of the program&apos;s own files and cannot be replaced by a report. Choose another file.</source>
        <translation>%1 est un fichier du programme lui-même et ne peut pas être remplacé par un rapport. Choisissez un autre fichier.</translation>
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
<context>
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1 : le fichier des personnes ne peut pas contenir les lettres %2. Les enregistrer comme « ? » (Oui) ou revenir au champ (Non) ?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>La liste des personnes ne correspondait plus au fichier des personnes, modifié par un autre programme. La liste a été remplie à nouveau ; rien n&apos;a été fait. Sélectionnez de nouveau la personne.</translation>
    </message>
</context>
</TS>
