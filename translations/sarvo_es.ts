<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>sarvo::AnnualReportPrinter</name>
    <message>
        <source>Annual dose report %1</source>
        <translation>Informe anual de dosis %1</translation>
    </message>
    <message>
        <source>Monthly dose of the group (mSv), %1</source>
        <translation>Dosis mensual del grupo (mSv), %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
</context>
<context>
    <name>sarvo::CommandLine</name>
    <message>
        <source>usage: sarvo [--data-dir DIR | --user-data]
</source>
        <translation>uso: sarvo [--data-dir CARPETA | --user-data]
</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>--data-dir and --user-data name two different data folders: give one</source>
        <translation>--data-dir y --user-data indican dos carpetas de datos distintas: indique solo una</translation>
    </message>
    <message>
        <source>--data-dir is given more than once</source>
        <translation>--data-dir se ha indicado más de una vez</translation>
    </message>
    <message>
        <source>--data-dir needs the name of a folder</source>
        <translation>--data-dir necesita el nombre de una carpeta</translation>
    </message>
    <message>
        <source>Keeps the dosimeter readings of a group of persons. Without an option the data are in the working directory.
  --data-dir DIR  the data in the folder DIR, made when missing (the folder it is in must exist)
  --user-data     the data in %1, made at the first start
  --help          this list
  --version       the version of the program
</source>
        <translation>Guarda las lecturas de los dosímetros de un grupo de personas. Sin opciones, los datos están en la carpeta de trabajo.
  --data-dir CARPETA  los datos en la carpeta CARPETA, creada si falta (la carpeta que la contiene debe existir)
  --user-data         los datos en %1, creada en el primer arranque
  --help              esta lista
  --version           la versión del programa
</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseDatabase</name>
    <message>
        <source>The dose database %1 cannot be used: %2</source>
        <translation>No se puede usar la base de datos de dosis %1: %2</translation>
    </message>
    <message>
        <source>The dose database %1 was written by a newer version of this program (schema %2; this version knows up to %3). Nothing was read or written: use the newer version.</source>
        <translation>La base de datos de dosis %1 fue escrita por una versión más reciente de este programa (esquema %2; esta versión admite hasta %3). No se ha leído ni escrito nada: use la versión más reciente.</translation>
    </message>
    <message>
        <source>There is no open alert with the number %1.</source>
        <translation>No hay ninguna alerta abierta con el número %1.</translation>
    </message>
    <message>
        <source>Alert %1 was acknowledged already by %2 at %3.</source>
        <translation>La alerta %1 ya fue confirmada por %2 el %3.</translation>
    </message>
    <message>
        <source>A dose entered by hand needs its reason: nothing was stored.</source>
        <translation>Una dosis introducida manualmente requiere un motivo: no se ha guardado nada.</translation>
    </message>
    <message>
        <source>An opening entry is made only when the ledger is created.</source>
        <translation>Un asiento de apertura solo se crea al crear el registro de dosis.</translation>
    </message>
    <message>
        <source>The dose is not a number: nothing was stored.</source>
        <translation>La dosis no es un número: no se ha guardado nada.</translation>
    </message>
    <message>
        <source>The accumulated dose (ED) would fall below 0: it is %1 mSv, the dose entered is %2 mSv. Nothing was stored.</source>
        <translation>La dosis acumulada (ED) quedaría por debajo de 0: es de %1 mSv y la dosis introducida es de %2 mSv. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>There is no person with the number %1.</source>
        <translation>No hay ninguna persona con el número %1.</translation>
    </message>
    <message>
        <source>The registry number %1 belongs to the person with the number %2 already.</source>
        <translation>El número de registro %1 ya pertenece a la persona con el número %2.</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseOverviewModel</name>
    <message>
        <source>overdue</source>
        <translation>atrasado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>Dosimeter</source>
        <translation>Dosímetro</translation>
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
        <translation>12 meses, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 años, mSv</translation>
    </message>
    <message>
        <source>Pending, mSv</source>
        <translation>Pendiente, mSv</translation>
    </message>
    <message>
        <source>Annual limit</source>
        <translation>Límite anual</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Última lectura</translation>
    </message>
    <message>
        <source>Days since</source>
        <translation>Días transcurridos</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Atrasado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseTexts</name>
    <message>
        <source>reading</source>
        <translation>lectura</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>puesta a cero</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>introducida manualmente</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>apertura</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>nivel de investigación anual</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>nivel de investigación mensual</translation>
    </message>
    <message>
        <source>annual dose limit</source>
        <translation>límite de dosis anual</translation>
    </message>
    <message>
        <source>five-year dose limit</source>
        <translation>límite de dosis quinquenal</translation>
    </message>
    <message>
        <source>limit reached</source>
        <translation>límite alcanzado</translation>
    </message>
    <message>
        <source>investigation</source>
        <translation>investigación</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>%1 (number %2): the dose of %3 mSv just entered brings the dose of the period %4 to %5 mSv. This reaches the %6 of %7 mSv.</source>
        <translation>%1 (número %2): la dosis de %3 mSv recién introducida eleva la dosis del período %4 a %5 mSv. Con ello se alcanza el umbral «%6» de %7 mSv.</translation>
    </message>
</context>
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
    <message>
        <source>%1 (number %2): ED %3 mSv</source>
        <translation>%1 (número %2): ED %3 mSv</translation>
    </message>
</context>
<context>
    <name>sarvo::HelpFile</name>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>Falta la página de ayuda %1.</translation>
    </message>
    <message>
        <source>No program could open the help page. It is the file %1: a web browser can open it.</source>
        <translation>Ningún programa pudo abrir la página de ayuda. Es el archivo %1: puede abrirlo un navegador web.</translation>
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
        <translation>Sin lecturas</translation>
    </message>
</context>
<context>
    <name>sarvo::Registry</name>
    <message>
        <source>The registry %1 refused: %2</source>
        <translation>El registro %1 lo rechazó: %2</translation>
    </message>
    <message>
        <source>A station name is 1 to 32 characters of A-Z, a-z, 0-9, &quot;_&quot; and &quot;-&quot;, not %1.</source>
        <translation>Un nombre de estación tiene de 1 a 32 caracteres de A-Z, a-z, 0-9, «_» y «-», no %1.</translation>
    </message>
    <message>
        <source>The station&apos;s role needs a password.</source>
        <translation>El rol de la estación necesita una contraseña.</translation>
    </message>
    <message>
        <source>The registry has the station %1 already.</source>
        <translation>El registro ya tiene la estación %1.</translation>
    </message>
    <message>
        <source>The role %1 exists already on the server.</source>
        <translation>El rol %1 ya existe en el servidor.</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt SQL (QPSQL) is not installed: install the package libqt6sql6-psql.</source>
        <translation>El controlador PostgreSQL de Qt SQL (QPSQL) no está instalado: instale el paquete libqt6sql6-psql.</translation>
    </message>
    <message>
        <source>Cannot connect to the registry %1: %2</source>
        <translation>No se puede conectar con el registro %1: %2</translation>
    </message>
    <message>
        <source>The registry %1 failed: %2</source>
        <translation>El registro %1 falló: %2</translation>
    </message>
    <message>
        <source>The database %1 holds no Sarvo registry: run `sarvo-tool registry init --db URL` there first.</source>
        <translation>La base de datos %1 no contiene ningún registro de Sarvo: ejecute antes `sarvo-tool registry init --db URL` en ella.</translation>
    </message>
    <message>
        <source>The registry %1 has schema version %2, newer than this program knows (%3): use a newer program.</source>
        <translation>El registro %1 tiene la versión de esquema %2, más nueva de la que conoce este programa (%3): use un programa más nuevo.</translation>
    </message>
    <message>
        <source>The login %1 is not the role of a station in the registry; the station %2 logs in as %3.</source>
        <translation>El usuario %1 no es el rol de ninguna estación del registro; la estación %2 entra como %3.</translation>
    </message>
    <message>
        <source>The login %1 is the role of the station %2, not of %3.</source>
        <translation>El usuario %1 es el rol de la estación %2, no de %3.</translation>
    </message>
    <message>
        <source>The registry could not be read: %1</source>
        <translation>No se pudo leer el registro: %1</translation>
    </message>
    <message>
        <source>The registry refused to store the limits (only the owner of the registry may set them): %1</source>
        <translation>El registro se negó a guardar los límites (solo el propietario del registro puede fijarlos): %1</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryPusher</name>
    <message>
        <source>The registry address %1 is not valid.</source>
        <translation>La dirección del registro %1 no es válida.</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryStatusLabel</name>
    <message>
        <source>Registry: sending %1 of %2</source>
        <translation>Registro: enviando %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>Registry unreachable: %n change(s) waiting</source>
        <translation>
            <numerusform>Registro inaccesible: %n cambio pendiente</numerusform>
            <numerusform>Registro inaccesible: %n cambios pendientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n record(s) differ from the registry — see sarvo-tool sync</source>
        <translation>
            <numerusform>Registro: %n registro difiere del registro central — vea sarvo-tool sync</numerusform>
            <numerusform>Registro: %n registros difieren del registro central — vea sarvo-tool sync</numerusform>
        </translation>
    </message>
    <message>
        <source>History records: %1</source>
        <translation>Registros del historial: %1</translation>
    </message>
    <message>
        <source>Ledger rows: %1</source>
        <translation>Filas del libro de dosis: %1</translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n change(s) waiting</source>
        <translation>
            <numerusform>Registro: %n cambio pendiente</numerusform>
            <numerusform>Registro: %n cambios pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>Registry: up to date</source>
        <translation>Registro: al día</translation>
    </message>
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Los datos de %1 están en uso por otra copia del programa en ejecución.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be used: it is a file, not a folder.</source>
        <translation>No se puede usar la carpeta de datos %1: es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The data folder %1 is not made: the folder %2 does not exist.</source>
        <translation>No se crea la carpeta de datos %1: la carpeta %2 no existe.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta de datos %1.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be opened.</source>
        <translation>No se puede abrir la carpeta de datos %1.</translation>
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
    <name>sarvo::TFormAbou</name>
    <message>
        <source>Build %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License,
version 3 or later</source>
        <translation>Licencia: GNU General Public License,
versión 3 o posterior</translation>
    </message>
    <message>
        <source>Read me:</source>
        <translation>Léame:</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAnnualReport</name>
    <message>
        <source>Annual report</source>
        <translation>Informe anual</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>The report could not be written into %1.</source>
        <translation>No se pudo escribir el informe en %1.</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Mostrar personas que se fueron</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAssessedDose</name>
    <message>
        <source>Assessed dose</source>
        <translation>Dosis estimada</translation>
    </message>
    <message>
        <source>%1 mSv</source>
        <translation>%1 mSv</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Persona:</translation>
    </message>
    <message>
        <source>Accumulated dose (ED):</source>
        <translation>Dosis acumulada (ED):</translation>
    </message>
    <message>
        <source>Dose (mSv, negative for a correction):</source>
        <translation>Dosis (mSv, negativa para una corrección):</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motivo:</translation>
    </message>
    <message>
        <source>The person chosen is no longer in this place of the list. Choose the person again.</source>
        <translation>La persona elegida ya no está en esta posición de la lista. Vuelva a elegir la persona.</translation>
    </message>
    <message>
        <source>Enter the dose in mSv as a number, such as %1 (negative for a correction).</source>
        <translation>Introduzca la dosis en mSv como un número, por ejemplo %1 (negativo para una corrección).</translation>
    </message>
    <message>
        <source>The date of an assessed dose cannot be later than today.</source>
        <translation>La fecha de una dosis estimada no puede ser posterior a hoy.</translation>
    </message>
    <message>
        <source>Enter the reason for the assessed dose.</source>
        <translation>Introduzca el motivo de la dosis estimada.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormDoseOverview</name>
    <message>
        <source>Any files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Resumen de dosis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Name, department or dosimeter</source>
        <translation>Nombre, departamento o dosímetro</translation>
    </message>
    <message>
        <source>Acknowledge...</source>
        <translation>Confirmar...</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Generada</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Dose, mSv</source>
        <translation>Dosis, mSv</translation>
    </message>
    <message>
        <source>Level, mSv</source>
        <translation>Umbral, mSv</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>Annual limit %1 mSv, five-year limit %2 mSv, investigation level %3 mSv</source>
        <translation>Límite anual %1 mSv, límite quinquenal %2 mSv, nivel de investigación %3 mSv</translation>
    </message>
    <message>
        <source>, monthly investigation level %1 mSv</source>
        <translation>, nivel de investigación mensual %1 mSv</translation>
    </message>
    <message numerus="yes">
        <source>; a dosimeter is overdue after %n day(s) without a reading.</source>
        <translation>
            <numerusform>; un dosímetro se considera atrasado tras %n día sin lectura.</numerusform>
            <numerusform>; un dosímetro se considera atrasado tras %n días sin lectura.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open alerts: %1</source>
        <translation>Alertas abiertas: %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N.º %1</translation>
    </message>
    <message>
        <source>Acknowledge alert</source>
        <translation>Confirmar alerta</translation>
    </message>
    <message>
        <source>%1
Note (required):</source>
        <translation>%1
Nota (obligatoria):</translation>
    </message>
    <message>
        <source>An alert is acknowledged with a note. Enter the note.</source>
        <translation>Una alerta se confirma con una nota. Introduzca la nota.</translation>
    </message>
    <message>
        <source>Dose overview %1 as of %2</source>
        <translation>Resumen de dosis %1 a fecha de %2</translation>
    </message>
    <message>
        <source> (search: %1)</source>
        <translation> (búsqueda: %1)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The dose overview could not be printed.</source>
        <translation>No se pudo imprimir el resumen de dosis.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Worker, name or station</source>
        <translation>Trabajador, nombre o estación</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Mostrar personas que se fueron</translation>
    </message>
    <message>
        <source>So&amp;urce:</source>
        <translation>&amp;Origen:</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Central registry</source>
        <translation>Registro central</translation>
    </message>
    <message>
        <source>The doses of every station from the central registry, read only. Offered when the station has the registry&apos;s address.</source>
        <translation>Las dosis de todas las estaciones desde el registro central, solo lectura. Disponible cuando la estación tiene la dirección del registro.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Central registry: %1</source>
        <translation>Registro central: %1</translation>
    </message>
    <message>
        <source>%1 is not the address of a PostgreSQL database.</source>
        <translation>%1 no es la dirección de una base de datos PostgreSQL.</translation>
    </message>
    <message>
        <source>Worker</source>
        <translation>Trabajador</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Estaciones</translation>
    </message>
    <message>
        <source>%1, mSv</source>
        <translation>%1, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 años, mSv</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormLimits</name>
    <message>
        <source>Dose limits and levels</source>
        <translation>Límites de dosis y niveles de investigación</translation>
    </message>
    <message>
        <source>Monthly investigation level (mSv):</source>
        <translation>Nivel de investigación mensual (mSv):</translation>
    </message>
    <message>
        <source>Annual limit (mSv):</source>
        <translation>Límite anual (mSv):</translation>
    </message>
    <message>
        <source>Five-year limit (mSv):</source>
        <translation>Límite quinquenal (mSv):</translation>
    </message>
    <message>
        <source>Annual investigation level (mSv):</source>
        <translation>Nivel de investigación anual (mSv):</translation>
    </message>
    <message>
        <source>Overdue after (days without a reading):</source>
        <translation>Atrasado tras (días sin lectura):</translation>
    </message>
    <message>
        <source>annual limit</source>
        <translation>límite anual</translation>
    </message>
    <message>
        <source>five-year limit</source>
        <translation>límite quinquenal</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>nivel de investigación anual</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>nivel de investigación mensual</translation>
    </message>
    <message>
        <source>The %1 must be a dose in mSv above 0, such as %2.</source>
        <translation>El valor «%1» debe ser una dosis en mSv mayor que 0, por ejemplo %2.</translation>
    </message>
    <message>
        <source>The days after which a dosimeter is overdue must be a whole number from 1.</source>
        <translation>El número de días tras el cual un dosímetro se considera atrasado debe ser un número entero a partir de 1.</translation>
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
    <name>sarvo::TFormPrint</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormRegisterData</name>
    <message>
        <source>Register data</source>
        <translation>Datos de registro</translation>
    </message>
    <message>
        <source>Date of birth:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>no indicada</translation>
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
        <translation>no clasificado</translation>
    </message>
    <message>
        <source>Left on:</source>
        <translation>Se fue el:</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Persona:</translation>
    </message>
    <message>
        <source>&amp;Full name:</source>
        <translation>&amp;Nombre completo:</translation>
    </message>
    <message>
        <source>&amp;Registry number:</source>
        <translation>Número de &amp;registro:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>&amp;Employer or site code:</source>
        <translation>Código de &amp;empleador o centro:</translation>
    </message>
    <message>
        <source>The date of birth cannot be later than today.</source>
        <translation>La fecha de nacimiento no puede ser posterior a hoy.</translation>
    </message>
    <message>
        <source>The day the person left cannot be before the date of birth.</source>
        <translation>El día en que la persona se fue no puede ser anterior a la fecha de nacimiento.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>La lista de personas ya no coincidía con el archivo de personas, que otro programa ha modificado. La lista se ha vuelto a llenar; no se ha hecho nada. Seleccione de nuevo a la persona.</translation>
    </message>
    <message>
        <source>Doses</source>
        <translation>Dosis</translation>
    </message>
    <message>
        <source>Dose overview...</source>
        <translation>Resumen de dosis...</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Resumen de dosis</translation>
    </message>
    <message>
        <source>This person is no longer in the person file.</source>
        <translation>Esta persona ya no está en el fichero de personas.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Annual report...</source>
        <translation>Informe anual...</translation>
    </message>
    <message>
        <source>Enter an assessed dose...</source>
        <translation>Introducir una dosis estimada...</translation>
    </message>
    <message>
        <source>Limits and levels...</source>
        <translation>Límites y niveles de investigación...</translation>
    </message>
    <message>
        <source>Register data</source>
        <translation>Datos de registro</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSelPort</name>
    <message>
        <source>You have no rights to use this port. The user must be a member of the group dialout:
    sudo adduser $USER dialout
then log out and log in again.</source>
        <translation>No tiene permisos para usar este puerto. El usuario debe pertenecer al grupo dialout:
    sudo adduser $USER dialout
y después cerrar la sesión y volver a iniciarla.</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (no presente)</translation>
    </message>
</context>
<context>
    <name>sarvo::UserListModel</name>
    <message>
        <source>Left on %1</source>
        <translation>Se fue el %1</translation>
    </message>
</context>
</TS>
