<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>sarvo::AnnualReportPrinter</name>
    <message>
        <source>Annual dose report %1</source>
        <translation>Годовой отчёт о дозах %1</translation>
    </message>
    <message>
        <source>Monthly dose of the group (mSv), %1</source>
        <translation>Месячная доза группы (mSv), %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ФИО</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Подразделение</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>sarvo::CommandLine</name>
    <message>
        <source>usage: sarvo [--data-dir DIR | --user-data]
</source>
        <translation>использование: sarvo [--data-dir ПАПКА | --user-data]
</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>лишний аргумент %1</translation>
    </message>
    <message>
        <source>--data-dir and --user-data name two different data folders: give one</source>
        <translation>--data-dir и --user-data называют две разные папки данных: укажите одну</translation>
    </message>
    <message>
        <source>--data-dir is given more than once</source>
        <translation>--data-dir указан больше одного раза</translation>
    </message>
    <message>
        <source>--data-dir needs the name of a folder</source>
        <translation>после --data-dir нужно имя папки</translation>
    </message>
    <message>
        <source>Keeps the dosimeter readings of a group of persons. Without an option the data are in the working directory.
  --data-dir DIR  the data in the folder DIR, made when missing (the folder it is in must exist)
  --user-data     the data in %1, made at the first start
  --help          this list
  --version       the version of the program
</source>
        <translation>Хранит показания дозиметров группы людей. Без параметров данные находятся в рабочей папке.
  --data-dir ПАПКА  данные в папке ПАПКА; если её нет, она создаётся (папка, в которой она лежит, должна существовать)
  --user-data       данные в %1, создаётся при первом запуске
  --help            этот список
  --version         версия программы
</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseDatabase</name>
    <message>
        <source>The dose database %1 cannot be used: %2</source>
        <translation>Не удаётся использовать базу данных доз %1: %2</translation>
    </message>
    <message>
        <source>The dose database %1 was written by a newer version of this program (schema %2; this version knows up to %3). Nothing was read or written: use the newer version.</source>
        <translation>База данных доз %1 записана более новой версией программы (схема %2; эта версия поддерживает до %3). Ничего не прочитано и не записано: используйте более новую версию.</translation>
    </message>
    <message>
        <source>There is no open alert with the number %1.</source>
        <translation>Нет открытого предупреждения с номером %1.</translation>
    </message>
    <message>
        <source>Alert %1 was acknowledged already by %2 at %3.</source>
        <translation>Предупреждение %1 уже подтверждено пользователем %2 (%3).</translation>
    </message>
    <message>
        <source>A dose entered by hand needs its reason: nothing was stored.</source>
        <translation>Для дозы, введённой вручную, требуется указать причину: ничего не сохранено.</translation>
    </message>
    <message>
        <source>An opening entry is made only when the ledger is created.</source>
        <translation>Начальная запись создаётся только при создании журнала доз.</translation>
    </message>
    <message>
        <source>The dose is not a number: nothing was stored.</source>
        <translation>Доза не является числом: ничего не сохранено.</translation>
    </message>
    <message>
        <source>The accumulated dose (ED) would fall below 0: it is %1 mSv, the dose entered is %2 mSv. Nothing was stored.</source>
        <translation>Накопленная доза (ED) стала бы меньше 0: она составляет %1 mSv, введённая доза — %2 mSv. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>There is no person with the number %1.</source>
        <translation>Нет человека с номером %1.</translation>
    </message>
    <message>
        <source>The registry number %1 belongs to the person with the number %2 already.</source>
        <translation>Регистрационный номер %1 уже принадлежит человеку с номером %2.</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseOverviewModel</name>
    <message>
        <source>overdue</source>
        <translation>просрочен</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ФИО</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Подразделение</translation>
    </message>
    <message>
        <source>Dosimeter</source>
        <translation>Дозиметр</translation>
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
        <translation>12 месяцев, mSv</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 лет, mSv</translation>
    </message>
    <message>
        <source>Pending, mSv</source>
        <translation>Не учтено, mSv</translation>
    </message>
    <message>
        <source>Annual limit</source>
        <translation>Годовой предел</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Последнее считывание</translation>
    </message>
    <message>
        <source>Days since</source>
        <translation>Прошло дней</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Просрочен</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
</context>
<context>
    <name>sarvo::DoseTexts</name>
    <message>
        <source>reading</source>
        <translation>считывание</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>сброс</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>ручной ввод</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>начальная запись</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>годовой контрольный уровень</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>месячный контрольный уровень</translation>
    </message>
    <message>
        <source>annual dose limit</source>
        <translation>годовой предел дозы</translation>
    </message>
    <message>
        <source>five-year dose limit</source>
        <translation>пятилетний предел дозы</translation>
    </message>
    <message>
        <source>limit reached</source>
        <translation>предел достигнут</translation>
    </message>
    <message>
        <source>investigation</source>
        <translation>контрольный уровень</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>норма</translation>
    </message>
    <message>
        <source>%1 (number %2): the dose of %3 mSv just entered brings the dose of the period %4 to %5 mSv. This reaches the %6 of %7 mSv.</source>
        <translation>%1 (номер %2): только что введённая доза %3 mSv доводит дозу за период %4 до %5 mSv. Тем самым достигнут порог «%6» (%7 mSv).</translation>
    </message>
</context>
<context>
    <name>sarvo::DosimeterLink</name>
    <message>
        <source>The reading was stored in the history, but the record of person number %1 is no longer in the user file, so it was not updated.</source>
        <translation>Показание сохранено в истории, но записи сотрудника с номером %1 больше нет в файле сотрудников, поэтому она не обновлена.</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</source>
        <translation>
            <numerusform>%n показание поступило, когда в очереди было слишком много других, и не было принято. Считайте эти дозиметры ещё раз: %1</numerusform>
            <numerusform>%n показания поступили, когда в очереди было слишком много других, и не были приняты. Считайте эти дозиметры ещё раз: %1</numerusform>
            <numerusform>%n показаний поступило, когда в очереди было слишком много других, и не были приняты. Считайте эти дозиметры ещё раз: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (number %2): ED %3 mSv</source>
        <translation>%1 (номер %2): ED %3 mSv</translation>
    </message>
</context>
<context>
    <name>sarvo::HelpFile</name>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>Страница справки %1 не найдена.</translation>
    </message>
    <message>
        <source>No program could open the help page. It is the file %1: a web browser can open it.</source>
        <translation>Ни одна программа не смогла открыть страницу справки. Это файл %1: его можно открыть в веб-браузере.</translation>
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
        <translation>Нет показаний</translation>
    </message>
</context>
<context>
    <name>sarvo::Registry</name>
    <message>
        <source>The registry %1 refused: %2</source>
        <translation>Реестр %1 отказал: %2</translation>
    </message>
    <message>
        <source>A station name is 1 to 32 characters of A-Z, a-z, 0-9, &quot;_&quot; and &quot;-&quot;, not %1.</source>
        <translation>Имя станции — от 1 до 32 символов из A-Z, a-z, 0-9, «_» и «-», а не %1.</translation>
    </message>
    <message>
        <source>The station&apos;s role needs a password.</source>
        <translation>Роли станции нужен пароль.</translation>
    </message>
    <message>
        <source>The registry has the station %1 already.</source>
        <translation>В реестре уже есть станция %1.</translation>
    </message>
    <message>
        <source>The role %1 exists already on the server.</source>
        <translation>Роль %1 уже есть на сервере.</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt SQL (QPSQL) is not installed: install the package libqt6sql6-psql.</source>
        <translation>Драйвер PostgreSQL для Qt SQL (QPSQL) не установлен: установите пакет libqt6sql6-psql.</translation>
    </message>
    <message>
        <source>Cannot connect to the registry %1: %2</source>
        <translation>Не удаётся подключиться к реестру %1: %2</translation>
    </message>
    <message>
        <source>The registry %1 failed: %2</source>
        <translation>Ошибка реестра %1: %2</translation>
    </message>
    <message>
        <source>The database %1 holds no Sarvo registry: run `sarvo-tool registry init --db URL` there first.</source>
        <translation>В базе данных %1 нет реестра Sarvo: сначала выполните там `sarvo-tool registry init --db URL`.</translation>
    </message>
    <message>
        <source>The registry %1 has schema version %2, newer than this program knows (%3): use a newer program.</source>
        <translation>Реестр %1 имеет схему версии %2, более новую, чем известна этой программе (%3): используйте более новую программу.</translation>
    </message>
    <message>
        <source>The login %1 is not the role of a station in the registry; the station %2 logs in as %3.</source>
        <translation>Логин %1 не является ролью станции в реестре; станция %2 входит как %3.</translation>
    </message>
    <message>
        <source>The login %1 is the role of the station %2, not of %3.</source>
        <translation>Логин %1 — роль станции %2, а не %3.</translation>
    </message>
    <message>
        <source>The registry could not be read: %1</source>
        <translation>Не удалось прочитать реестр: %1</translation>
    </message>
    <message>
        <source>The registry refused to store the limits (only the owner of the registry may set them): %1</source>
        <translation>Реестр отказался сохранить пределы (задавать их может только владелец реестра): %1</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryPusher</name>
    <message>
        <source>The registry address %1 is not valid.</source>
        <translation>Адрес реестра %1 недействителен.</translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryStatusLabel</name>
    <message>
        <source>Registry: sending %1 of %2</source>
        <translation>Реестр: отправлено %1 из %2</translation>
    </message>
    <message numerus="yes">
        <source>Registry unreachable: %n change(s) waiting</source>
        <translation>
            <numerusform>Реестр недоступен: ждёт %n изменение</numerusform>
            <numerusform>Реестр недоступен: ждут %n изменения</numerusform>
            <numerusform>Реестр недоступен: ждут %n изменений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n record(s) differ from the registry — see sarvo-tool sync</source>
        <translation>
            <numerusform>Реестр: %n запись отличается от реестра — см. sarvo-tool sync</numerusform>
            <numerusform>Реестр: %n записи отличаются от реестра — см. sarvo-tool sync</numerusform>
            <numerusform>Реестр: %n записей отличаются от реестра — см. sarvo-tool sync</numerusform>
        </translation>
    </message>
    <message>
        <source>History records: %1</source>
        <translation>Записи истории: %1</translation>
    </message>
    <message>
        <source>Ledger rows: %1</source>
        <translation>Строки журнала доз: %1</translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n change(s) waiting</source>
        <translation>
            <numerusform>Реестр: ждёт %n изменение</numerusform>
            <numerusform>Реестр: ждут %n изменения</numerusform>
            <numerusform>Реестр: ждут %n изменений</numerusform>
        </translation>
    </message>
    <message>
        <source>Registry: up to date</source>
        <translation>Реестр: всё передано</translation>
    </message>
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Данные в %1 используются другой запущенной копией программы.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be used: it is a file, not a folder.</source>
        <translation>Папку данных %1 нельзя использовать: это файл, а не папка.</translation>
    </message>
    <message>
        <source>The data folder %1 is not made: the folder %2 does not exist.</source>
        <translation>Папка данных %1 не создана: папки %2 не существует.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку данных %1.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be opened.</source>
        <translation>Не удаётся открыть папку данных %1.</translation>
    </message>
</context>
<context>
    <name>sarvo::SaveDialog</name>
    <message>
        <source>%1 is one of the program&apos;s own files and cannot be replaced by a report. Choose another file.</source>
        <translation>%1 — собственный файл программы, его нельзя заменить отчётом. Выберите другой файл.</translation>
    </message>
</context>
<context>
    <name>sarvo::Store</name>
    <message>
        <source>The data are being changed by another program; nothing was written. Try again.</source>
        <translation>Данные сейчас изменяет другая программа; ничего не записано. Повторите попытку.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it is neither read nor written.</source>
        <translation>%1 не является обычным файлом; он не читается и не записывается.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAbou</name>
    <message>
        <source>Build %1</source>
        <translation>Сборка %1</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License,
version 3 or later</source>
        <translation>Лицензия: GNU General Public License,
версии 3 или более поздней</translation>
    </message>
    <message>
        <source>Read me:</source>
        <translation>Описание:</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAnnualReport</name>
    <message>
        <source>Annual report</source>
        <translation>Годовой отчёт</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Сохранить как PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Сохранить как CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Не удалось напечатать отчёт.</translation>
    </message>
    <message>
        <source>The report could not be written into %1.</source>
        <translation>Не удалось записать отчёт в %1.</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Показывать уволившихся</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormAssessedDose</name>
    <message>
        <source>Assessed dose</source>
        <translation>Оценочная доза</translation>
    </message>
    <message>
        <source>%1 mSv</source>
        <translation>%1 mSv</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Сотрудник:</translation>
    </message>
    <message>
        <source>Accumulated dose (ED):</source>
        <translation>Накопленная доза (ED):</translation>
    </message>
    <message>
        <source>Dose (mSv, negative for a correction):</source>
        <translation>Доза (mSv; для исправления — отрицательная):</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Причина:</translation>
    </message>
    <message>
        <source>The person chosen is no longer in this place of the list. Choose the person again.</source>
        <translation>Выбранный сотрудник больше не находится на этом месте списка. Выберите сотрудника снова.</translation>
    </message>
    <message>
        <source>Enter the dose in mSv as a number, such as %1 (negative for a correction).</source>
        <translation>Введите дозу в mSv числом, например %1 (отрицательным для исправления).</translation>
    </message>
    <message>
        <source>The date of an assessed dose cannot be later than today.</source>
        <translation>Дата оценочной дозы не может быть позже сегодняшнего дня.</translation>
    </message>
    <message>
        <source>Enter the reason for the assessed dose.</source>
        <translation>Укажите причину оценочной дозы.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormDoseOverview</name>
    <message>
        <source>Any files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Обзор доз</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Сохранить как PDF...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Сохранить как CSV...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Год:</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Поиск:</translation>
    </message>
    <message>
        <source>Name, department or dosimeter</source>
        <translation>ФИО, подразделение или дозиметр</translation>
    </message>
    <message>
        <source>Acknowledge...</source>
        <translation>Подтвердить...</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Возникло</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Сотрудник</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Dose, mSv</source>
        <translation>Доза, mSv</translation>
    </message>
    <message>
        <source>Level, mSv</source>
        <translation>Уровень, mSv</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Файлы PDF</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Файлы CSV</translation>
    </message>
    <message>
        <source>Annual limit %1 mSv, five-year limit %2 mSv, investigation level %3 mSv</source>
        <translation>Годовой предел %1 mSv, пятилетний предел %2 mSv, контрольный уровень %3 mSv</translation>
    </message>
    <message>
        <source>, monthly investigation level %1 mSv</source>
        <translation>, месячный контрольный уровень %1 mSv</translation>
    </message>
    <message numerus="yes">
        <source>; a dosimeter is overdue after %n day(s) without a reading.</source>
        <translation>
            <numerusform>; дозиметр считается просроченным после %n дня без считывания.</numerusform>
            <numerusform>; дозиметр считается просроченным после %n дней без считывания.</numerusform>
            <numerusform>; дозиметр считается просроченным после %n дней без считывания.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open alerts: %1</source>
        <translation>Открытые предупреждения: %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>№ %1</translation>
    </message>
    <message>
        <source>Acknowledge alert</source>
        <translation>Подтверждение предупреждения</translation>
    </message>
    <message>
        <source>%1
Note (required):</source>
        <translation>%1
Примечание (обязательно):</translation>
    </message>
    <message>
        <source>An alert is acknowledged with a note. Enter the note.</source>
        <translation>Предупреждение подтверждается с примечанием. Введите примечание.</translation>
    </message>
    <message>
        <source>Dose overview %1 as of %2</source>
        <translation>Обзор доз %1 на %2</translation>
    </message>
    <message>
        <source> (search: %1)</source>
        <translation> (поиск: %1)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>The dose overview could not be printed.</source>
        <translation>Не удалось напечатать обзор доз.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
    <message>
        <source>Worker, name or station</source>
        <translation>Работник, имя или станция</translation>
    </message>
    <message>
        <source>Show persons who left</source>
        <translation>Показывать уволившихся</translation>
    </message>
    <message>
        <source>So&amp;urce:</source>
        <translation>&amp;Источник:</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Станция</translation>
    </message>
    <message>
        <source>Central registry</source>
        <translation>Центральный реестр</translation>
    </message>
    <message>
        <source>The doses of every station from the central registry, read only. Offered when the station has the registry&apos;s address.</source>
        <translation>Дозы всех станций из центрального реестра, только для чтения. Доступно, когда у станции есть адрес реестра.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>Central registry: %1</source>
        <translation>Центральный реестр: %1</translation>
    </message>
    <message>
        <source>%1 is not the address of a PostgreSQL database.</source>
        <translation>%1 — не адрес базы данных PostgreSQL.</translation>
    </message>
    <message>
        <source>Worker</source>
        <translation>Работник</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Полное имя</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Станции</translation>
    </message>
    <message>
        <source>%1, mSv</source>
        <translation>%1, мЗв</translation>
    </message>
    <message>
        <source>5 years, mSv</source>
        <translation>5 лет, мЗв</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormLimits</name>
    <message>
        <source>Dose limits and levels</source>
        <translation>Пределы доз и контрольные уровни</translation>
    </message>
    <message>
        <source>Monthly investigation level (mSv):</source>
        <translation>Месячный контрольный уровень (mSv):</translation>
    </message>
    <message>
        <source>Annual limit (mSv):</source>
        <translation>Годовой предел дозы (mSv):</translation>
    </message>
    <message>
        <source>Five-year limit (mSv):</source>
        <translation>Пятилетний предел дозы (mSv):</translation>
    </message>
    <message>
        <source>Annual investigation level (mSv):</source>
        <translation>Годовой контрольный уровень (mSv):</translation>
    </message>
    <message>
        <source>Overdue after (days without a reading):</source>
        <translation>Просрочен через (дней без считывания):</translation>
    </message>
    <message>
        <source>annual limit</source>
        <translation>годовой предел дозы</translation>
    </message>
    <message>
        <source>five-year limit</source>
        <translation>пятилетний предел дозы</translation>
    </message>
    <message>
        <source>annual investigation level</source>
        <translation>годовой контрольный уровень</translation>
    </message>
    <message>
        <source>monthly investigation level</source>
        <translation>месячный контрольный уровень</translation>
    </message>
    <message>
        <source>The %1 must be a dose in mSv above 0, such as %2.</source>
        <translation>Значение «%1» должно быть дозой в mSv больше 0, например %2.</translation>
    </message>
    <message>
        <source>The days after which a dosimeter is overdue must be a whole number from 1.</source>
        <translation>Число дней, после которого дозиметр считается просроченным, должно быть целым числом не меньше 1.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: файл сотрудников не может хранить буквы %2. Сохранить их как «?» (Да) или вернуться к полю (Нет)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormPrint</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Файл PDF</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormRegisterData</name>
    <message>
        <source>Register data</source>
        <translation>Регистрационные данные</translation>
    </message>
    <message>
        <source>Date of birth:</source>
        <translation>Дата рождения:</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>не указана</translation>
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
        <translation>не классифицирован</translation>
    </message>
    <message>
        <source>Left on:</source>
        <translation>Уволился:</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>Человек:</translation>
    </message>
    <message>
        <source>&amp;Full name:</source>
        <translation>&amp;Полное имя:</translation>
    </message>
    <message>
        <source>&amp;Registry number:</source>
        <translation>&amp;Регистрационный номер:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Категория:</translation>
    </message>
    <message>
        <source>&amp;Employer or site code:</source>
        <translation>Код &amp;работодателя или участка:</translation>
    </message>
    <message>
        <source>The date of birth cannot be later than today.</source>
        <translation>Дата рождения не может быть позже сегодняшнего дня.</translation>
    </message>
    <message>
        <source>The day the person left cannot be before the date of birth.</source>
        <translation>Дата увольнения не может быть раньше даты рождения.</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>Список сотрудников больше не соответствовал файлу сотрудников, который изменила другая программа. Список заполнен заново; ничего не сделано. Выберите сотрудника ещё раз.</translation>
    </message>
    <message>
        <source>Doses</source>
        <translation>Дозы</translation>
    </message>
    <message>
        <source>Dose overview...</source>
        <translation>Обзор доз...</translation>
    </message>
    <message>
        <source>Dose overview</source>
        <translation>Обзор доз</translation>
    </message>
    <message>
        <source>This person is no longer in the person file.</source>
        <translation>Этого сотрудника больше нет в картотеке сотрудников.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>Annual report...</source>
        <translation>Годовой отчёт...</translation>
    </message>
    <message>
        <source>Enter an assessed dose...</source>
        <translation>Ввести оценочную дозу...</translation>
    </message>
    <message>
        <source>Limits and levels...</source>
        <translation>Пределы и контрольные уровни...</translation>
    </message>
    <message>
        <source>Register data</source>
        <translation>Регистрационные данные</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSelPort</name>
    <message>
        <source>You have no rights to use this port. The user must be a member of the group dialout:
    sudo adduser $USER dialout
then log out and log in again.</source>
        <translation>У вас нет прав на этот порт. Пользователь должен входить в группу dialout:
    sudo adduser $USER dialout
затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (отсутствует)</translation>
    </message>
</context>
<context>
    <name>sarvo::UserListModel</name>
    <message>
        <source>Left on %1</source>
        <translation>Уволился %1</translation>
    </message>
</context>
</TS>
