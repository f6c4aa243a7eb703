<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>sarvo::AnnualReportPrinter</name>
    <message>
        <source>Annual dose report %1</source>
        <translation>Rapport annuel des doses %1</translation>
    </message>
    <message>
        <source>Monthly dose of the group (mSv), %1</source>
        <translation>Dose mensuelle du groupe (mSv), %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>sarvo::CommandLine</name>
    <message>
        <source>usage: sarvo [--data-dir DIR | --user-data]
</source>
        <translation>usage : sarvo [--data-dir DOSSIER | --user-data]
</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>--data-dir and --user-data name two different data folders: give one</source>
        <translation>--data-dir et --user-data désignent deux dossiers de données différents : n&apos;en donnez qu&apos;un</translation>
    </message>
    <message>
        <source>--data-dir is given more than once</source>
        <translation>--data-dir est donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>--data-dir needs the name of a folder</source>
        <translation>--data-dir demande le nom d&apos;un dossier</translation>
    </message>
    <message>
        <source>Keeps the dosimeter readings of a group of persons. Without an option the data are in the working directory.
  --data-dir DIR  the data in the folder DIR, made when missing (the folder it is in must exist)
  --user-data     the data in %1, made at the first start
  --help          this list
  --version       the version of the program
</source>
        <translation>Conserve les lectures des dosimètres d&apos;un groupe de personnes. Sans option, les données sont dans le répertoire de travail.
  --data-dir DOSSIER  les données dans le dossier DOSSIER, créé s&apos;il manque (le dossier qui le contient doit exister)
  --user-data         les données dans %1, créé au premier démarrage
  --help              cette liste
  --version           la version du programme
</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseDatabase</name>
    <message>
        <source>The dose database %1 cannot be used: %2</source>
        <translation>Impossible d&apos;utiliser la base de données des doses %1 : %2</translation>
    </message>
    <message>
        <source>The dose database %1 was written by a newer version of this program (schema %2; this version knows up to %3). Nothing was read or written: use the newer version.</source>
        <translation>La base de données des doses %1 a été écrite par une version plus récente de ce programme (schéma %2 ; cette version connaît jusqu&apos;à %3). Rien n&apos;a été lu ni écrit : utilisez la version plus récente.</translation>
    </message>
    <message>
        <source>There is no open alert with the number %1.</source>
        <translation>Il n&apos;y a pas d&apos;alerte ouverte portant le numéro %1.</translation>
    </message>
    <message>
        <source>Alert %1 was acknowledged already by %2 at %3.</source>
        <translation>L&apos;alerte %1 a déjà été acquittée par %2 le %3.</translation>
    </message>
    <message>
        <source>A dose entered by hand needs its reason: nothing was stored.</source>
        <translation>Une dose saisie manuellement doit être motivée : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>An opening entry is made only when the ledger is created.</source>
        <translation>Une écriture d&apos;ouverture n&apos;est créée qu&apos;à la création du registre des doses.</translation>
    </message>
    <message>
        <source>The dose is not a number: nothing was stored.</source>
        <translation>La dose n&apos;est pas un nombre : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The accumulated dose (ED) would fall below 0: it is %1 mSv, the dose entered is %2 mSv. Nothing was stored.</source>
        <translation>La dose cumulée (ED) deviendrait inférieure à 0 : elle est de %1 mSv, la dose saisie est de %2 mSv. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseOverviewModel</name>
    <message>
        <source>overdue</source>
        <translation>en retard</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Dosimeter</source>
        <translation>Dosimètre</translation>
    </message>
    <message>
        <source>ED, mSv</source>
        <translation>ED, mSv</translation>
    </message>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>12 months, mSv</source>
        <translation>12 mois, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 ans, mSv</translation>
    </message>
    <message>
        <source>Pending, mSv</source>
        <translation>En attente, mSv</translation>
    </message>
    <message>
        <source>Annual limit</source>
        <translation>Limite annuelle</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Dernière lecture</translation>
    </message>
    <message>
        <source>Days since</source>
        <translation>Jours écoulés</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseTexts</name>
    <message>
        <source>reading</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>remise à zéro</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>saisie manuelle</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>ouverture</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>niveau d&apos;investigation annuel</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>niveau d&apos;investigation mensuel</translation>
    </message>
    <message>
        <source>annual dose limit</source>
        <translation>limite de dose annuelle</translation>
    </message>
    <message>
        <source>five-year dose limit</source>
        <translation>limite de dose sur cinq ans</translation>
    </message>
    <message>
        <source>limit reached</source>
        <translation>limite atteinte</translation>
    </message>
    <message>
        <source>investigation</source>
        <translation>investigation</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>%1 (number %2): the dose of %3 mSv just entered brings the dose of the period %4 to %5 mSv. This reaches the %6 of %7 mSv.</source>
        <translation>%1 (numéro %2) : la dose de %3 mSv qui vient d&apos;être saisie porte la dose de la période %4 à %5 mSv. Le seuil « %6 » de %7 mSv est ainsi atteint.</translation>
    </message>
</context>
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
    <message>
        <source>%1 (number %2): ED %3 mSv</source>
        <translation>%1 (numéro %2) : ED %3 mSv</translation>
    </message>
</context>
<context>
    <name>sarvo::HelpFile</name>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>La page d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>No program could open the help page. It is the file %1: a web browser can open it.</source>
        <translation>Aucun programme n&apos;a pu ouvrir la page d&apos;aide. C&apos;est le fichier %1 : un navigateur web peut l&apos;ouvrir.</translation>
    </message>
</context>
<context>
    <name>sarvo::HistChart</name>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>Aucune lecture</translation>
    </message>
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Les données de %1 sont utilisées par une autre copie du programme en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be used: it is a file, not a folder.</source>
        <translation>Le dossier de données %1 ne peut pas être utilisé : c&apos;est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The data folder %1 is not made: the folder %2 does not exist.</source>
        <translation>Le dossier de données %1 n&apos;est pas créé : le dossier %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be made.</source>
        <translation>Le dossier de données %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be opened.</source>
        <translation>Le dossier de données %1 ne peut pas être ouvert.</translation>
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
    <name>sarvo::TFormAbou</name>
    <message>
        <source>Build %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License,
version 3 or later</source>
        <translation>Licence : GNU General Public License,
version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>Read me:</source>
        <translation>Lisez-moi :</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAnnualReport</name>
    <message>
        <source>Annual report</source>
        <translation>Rapport annuel</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Impossible d&apos;imprimer le rapport.</translation>
    </message>
    <message>
        <source>The report could not be written into %1.</source>
        <translation>Impossible d&apos;écrire le rapport dans %1.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAssessedDose</name>
    <message>
        <source>Assessed dose</source>
        <translation>Dose estimée</translation>
    </message>
    <message>
        <source>%1 mSv</source>
        <translation>%1 mSv</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Personne :</translation>
    </message>
    <message>
        <source>Accumulated dose (ED):</source>
        <translation>Dose cumulée (ED) :</translation>
    </message>
    <message>
        <source>Dose (mSv, negative for a correction):</source>
        <translation>Dose (mSv, négative pour une correction) :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motif :</translation>
    </message>
    <message>
        <source>The person chosen is no longer in this place of the list. Choose the person again.</source>
        <translation>La personne choisie ne se trouve plus à cet endroit de la liste. Choisissez à nouveau la personne.</translation>
    </message>
    <message>
        <source>Enter the dose in mSv as a number, such as %1 (negative for a correction).</source>
        <translation>Saisissez la dose en mSv sous forme de nombre, par exemple %1 (négatif pour une correction).</translation>
    </message>
    <message>
        <source>The date of an assessed dose cannot be later than today.</source>
        <translation>La date d&apos;une dose estimée ne peut pas être postérieure à aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Enter the reason for the assessed dose.</source>
        <translation>Saisissez le motif de la dose estimée.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormDoseOverview</name>
    <message>
        <source>Any files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Aperçu des doses</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année :</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Name, department or dosimeter</source>
        <translation>Nom, service ou dosimètre</translation>
    </message>
    <message>
        <source>Acknowledge...</source>
        <translation>Acquitter...</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Déclenchée</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Dose, mSv</source>
        <translation>Dose, mSv</translation>
    </message>
    <message>
        <source>Level, mSv</source>
        <translation>Seuil, mSv</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>Annual limit %1 mSv, five-year limit %2 mSv, investigation level %3 mSv</source>
        <translation>Limite annuelle %1 mSv, limite sur cinq ans %2 mSv, niveau d&apos;investigation %3 mSv</translation>
    </message>
    <message>
        <source>, monthly investigation level %1 mSv</source>
        <translation>, niveau d&apos;investigation mensuel %1 mSv</translation>
    </message>
    <message numerus="yes">
        <source>; a dosimeter is overdue after %n day(s) without a reading.</source>
        <translation>
            <numerusform>; un dosimètre est en retard après %n jour sans lecture.</numerusform>
            <numerusform>; un dosimètre est en retard après %n jours sans lecture.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open alerts: %1</source>
        <translation>Alertes ouvertes : %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N° %1</translation>
    </message>
    <message>
        <source>Acknowledge alert</source>
        <translation>Acquitter l&apos;alerte</translation>
    </message>
    <message>
        <source>%1
Note (required):</source>
        <translation>%1
Note (obligatoire) :</translation>
    </message>
    <message>
        <source>An alert is acknowledged with a note. Enter the note.</source>
        <translation>Une alerte s&apos;acquitte avec une note. Saisissez la note.</translation>
    </message>
    <message>
        <source>Dose overview %1 as of %2</source>
        <translation>Aperçu des doses %1 au %2</translation>
    </message>
    <message>
        <source> (search: %1)</source>
        <translation> (recherche : %1)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>The dose overview could not be printed.</source>
        <translation>Impossible d&apos;imprimer l&apos;aperçu des doses.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormLimits</name>
    <message>
        <source>Dose limits and levels</source>
        <translation>Limites de dose et niveaux d&apos;investigation</translation>
    </message>
    <message>
        <source>Monthly investigation level (mSv):</source>
        <translation>Niveau d&apos;investigation mensuel (mSv) :</translation>
    </message>
    <message>
        <source>Annual limit (mSv):</source>
        <translation>Limite annuelle (mSv) :</translation>
    </message>
    <message>
        <source>Five-year limit (mSv):</source>
        <translation>Limite sur cinq ans (mSv) :</translation>
    </message>
    <message>
        <source>Annual investigation level (mSv):</source>
        <translation>Niveau d&apos;investigation annuel (mSv) :</translation>
    </message>
    <message>
        <source>Overdue after (days without a reading):</source>
        <translation>En retard après (jours sans lecture) :</translation>
    </message>
    <message>
        <source>annual limit</source>
        <translation>limite annuelle</translation>
    </message>
    <message>
        <source>five-year limit</source>
        <translation>limite sur cinq ans</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>niveau d&apos;investigation annuel</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>niveau d&apos;investigation mensuel</translation>
    </message>
    <message>
        <source>The %1 must be a dose in mSv above 0, such as %2.</source>
        <translation>La valeur « %1 » doit être une dose en mSv supérieure à 0, par exemple %2.</translation>
    </message>
    <message>
        <source>The days after which a dosimeter is overdue must be a whole number from 1.</source>
        <translation>Le nombre de jours après lequel un dosimètre est en retard doit être un nombre entier supérieur ou égal à 1.</translation>
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
    <name>sarvo::TFormPrint</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Fichier PDF</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>La liste des personnes ne correspondait plus au fichier des personnes, modifié par un autre programme. La liste a été remplie à nouveau ; rien n&apos;a été fait. Sélectionnez de nouveau la personne.</translation>
    </message>
    <message>
        <source>Doses</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Dose overview...</source>
        <translation>Aperçu des doses...</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Aperçu des doses</translation>
    </message>
    <message>
        <source>This person is no longer in the person file.</source>
        <translation>Cette personne ne figure plus dans le fichier du personnel.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Annual report...</source>
        <translation>Rapport annuel...</translation>
    </message>
    <message>
        <source>Enter an assessed dose...</source>
        <translation>Saisir une dose estimée...</translation>
    </message>
    <message>
        <source>Limits and levels...</source>
        <translation>Limites et niveaux d&apos;investigation...</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSelPort</name>
    <message>
        <source>You have no rights to use this port. The user must be a member of the group dialout:
    sudo adduser $USER dialout
then log out and log in again.</source>
        <translation>Vous n&apos;avez pas les droits sur ce port. L&apos;utilisateur doit être membre du groupe dialout :
    sudo adduser $USER dialout
puis fermez la session et ouvrez-la de nouveau.</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (absent)</translation>
    </message>
</context>
</TS>
