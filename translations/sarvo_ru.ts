<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
</context>
<context>
    <name>sarvo::SarvoApp</name>
    <message>
        <source>The data in %1 are in use by another running copy of the program.</source>
        <translation>Данные в %1 используются другой запущенной копией программы.</translation>
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
    <name>sarvo::TFormNewUser</name>
    <message>
        <source>%1: the person file cannot hold the letters %2. Store them as &quot;?&quot; (Yes) or go back to the field (No)?</source>
        <translation>%1: файл сотрудников не может хранить буквы %2. Сохранить их как «?» (Да) или вернуться к полю (Нет)?</translation>
    </message>
</context>
<context>
    <name>sarvo::TFormSarvo</name>
    <message>
        <source>The list of persons no longer matched the person file, which has been changed by another program. The list has been filled again; nothing was done. Select the person again.</source>
        <translation>Список сотрудников больше не соответствовал файлу сотрудников, который изменила другая программа. Список заполнен заново; ничего не сделано. Выберите сотрудника ещё раз.</translation>
    </message>
</context>
</TS>
