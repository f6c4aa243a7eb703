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
    <message>
        <source>There is no person with the number %1.</source>
        <translation>Il n’y a aucune personne portant le numéro %1.</translation>
    </message>
    <message>
        <source>The registry number %1 belongs to the person with the number %2 already.</source>
        <translation>Le numéro de registre %1 appartient déjà à la personne numéro %2.</translation>
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
    <name>sarvo::Registry</name>
    <message>
        <source>The registry %1 refused: %2</source>
        <translation>Le registre %1 a refusé : %2</translation>
    </message>
    <message>
        <source>A station name is 1 to 32 characters of A-Z, a-z, 0-9, &quot;_&quot; and &quot;-&quot;, not %1.</source>
        <translation>Un nom de station compte 1 à 32 caractères parmi A-Z, a-z, 0-9, « _ » et « - », pas %1.</translation>
    </message>
    <message>
        <source>The station&apos;s role needs a password.</source>
        <translation>Le rôle de la station doit avoir un mot de passe.</translation>
    </message>
    <message>
        <source>The registry has the station %1 already.</source>
        <translation>Le registre a déjà la station %1.</translation>
    </message>
    <message>
        <source>The role %1 exists already on the server.</source>
        <translation>Le rôle %1 existe déjà sur le serveur.</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt SQL (QPSQL) is not installed: install the package libqt6sql6-psql.</source>
        <translation>Le pilote PostgreSQL de Qt SQL (QPSQL) n’est pas installé : installez le paquet libqt6sql6-psql.</translation>
    </message>
    <message>
        <source>Cannot connect to the registry %1: %2</source>
        <translation>Impossible de se connecter au registre %1 : %2</translation>
    </message>
    <message>
        <source>The registry %1 failed: %2</source>
        <translation>Le registre %1 a échoué : %2</translation>
    </message>
    <message>
        <source>The database %1 holds no Sarvo registry: run `sarvo-tool registry init --db URL` there first.</source>
        <translation>La base %1 ne contient aucun registre Sarvo : lancez d’abord `sarvo-tool registry init --db URL` sur celle-ci.</translation>
    </message>
    <message>
        <source>The registry %1 has schema version %2, newer than this program knows (%3): use a newer program.</source>
        <translation>Le registre %1 a le schéma version %2, plus récent que ce que ce programme connaît (%3) : utilisez un programme plus récent.</translation>
    </message>
    <message>
        <source>The login %1 is not the role of a station in the registry; the station %2 logs in as %3.</source>
        <translation>L’identifiant %1 n’est le rôle d’aucune station du registre ; la station %2 se connecte en tant que %3.</translation>
    </message>
    <message>
        <source>The login %1 is the role of the station %2, not of %3.</source>
        <translation>L’identifiant %1 est le rôle de la station %2, pas de %3.</translation>
    </message>
    <message>
        <source>The registry could not be read: %1</source>
        <translation>Le registre n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>The registry refused to store the limits (only the owner of the registry may set them): %1</source>
        <translation>Le registre a refusé d’enregistrer les limites (seul le propriétaire du registre peut les fixer) : %1</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryPusher</name>
    <message>
        <source>The registry address %1 is not valid.</source>
        <translation>L’adresse du registre %1 n’est pas valide.</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryStatusLabel</name>
    <message>
        <source>Registry: sending %1 of %2</source>
        <translation>Registre : envoi %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>Registry unreachable: %n change(s) waiting</source>
        <translation>
            <numerusform>Registre injoignable : %n modification en attente</numerusform>
            <numerusform>Registre injoignable : %n modifications en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n record(s) differ from the registry — see sarvo-tool sync</source>
        <translation>
            <numerusform>Registre : %n enregistrement diffère du registre — voir sarvo-tool sync</numerusform>
            <numerusform>Registre : %n enregistrements diffèrent du registre — voir sarvo-tool sync</numerusform>
        </translation>
    </message>
    <message>
        <source>History records: %1</source>
        <translation>Enregistrements de l’historique : %1</translation>
    </message>
    <message>
        <source>Ledger rows: %1</source>
        <translation>Lignes du registre des doses : %1</translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n change(s) waiting</source>
        <translation>
            <numerusform>Registre : %n modification en attente</numerusform>
            <numerusform>Registre : %n modifications en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>Registry: up to date</source>
        <translation>Registre : à jour</translation>
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
    <message>
        <source>Show persons who left</source>
        <translation>Afficher les personnes parties</translation>
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
    <message>
        <source>Worker, name or station</source>
        <translation>Travailleur, nom ou station</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Afficher les personnes parties</translation>
    </message>
    <message>
        <source>So&amp;urce:</source>
        <translation>So&amp;urce :</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Central registry</source>
        <translation>Registre central</translation>
    </message>
    <message>
        <source>The doses of every station from the central registry, read only. Offered when the station has the registry&apos;s address.</source>
        <translation>Les doses de toutes les stations depuis le registre central, en lecture seule. Proposé lorsque la station a l’adresse du registre.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Central registry: %1</source>
        <translation>Registre central : %1</translation>
    </message>
    <message>
        <source>%1 is not the address of a PostgreSQL database.</source>
        <translation>%1 n’est pas l’adresse d’une base PostgreSQL.</translation>
    </message>
    <message>
        <source>Worker</source>
        <translation>Travailleur</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nom complet</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 ans, mSv</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
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
    <name>sarvo::TFormRegisterData</name>
    <message>
        <source>Register data</source>
        <translation>Données du registre</translation>
    </message>
    <message>
        <source>Date of birth:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non indiquée</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>unclassified</source>
        <translation>non classé</translation>
    </message>
    <message>
        <source>Left on:</source>
        <translation>Parti le :</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Personne :</translation>
    </message>
    <message>
        <source>&amp;Full name:</source>
        <translation>&amp;Nom complet :</translation>
    </message>
    <message>
        <source>&amp;Registry number:</source>
        <translation>Numéro de &amp;registre :</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>&amp;Employer or site code:</source>
        <translation>Code de l’&amp;employeur ou du site :</translation>
    </message>
    <message>
        <source>The date of birth cannot be later than today.</source>
        <translation>La date de naissance ne peut pas être postérieure à aujourd’hui.</translation>
    </message>
    <message>
        <source>The day the person left cannot be before the date of birth.</source>
        <translation>Le jour du départ ne peut pas précéder la date de naissance.</translation>
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
    <message>
        <source>Register data</source>
        <translation>Données du registre</translation>
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
<context>
    <name>sarvo::UserListModel</name>
    <message>
        <source>Left on %1</source>
        <translation>Parti le %1</translation>
    </message>
</context>
</TS>
