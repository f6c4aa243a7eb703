<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>sarvo::DosimeterLink</name>
    <message numerus="yes">
        <source>%n reading(s) arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</source>
        <translation>
            <numerusform>%n reading arrived while too many others were waiting and could not be taken in. Read this dosimeter again: %1</numerusform>
            <numerusform>%n readings arrived while too many others were waiting and could not be taken in. Read these dosimeters again: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sarvo::RegistryStatusLabel</name>
    <message numerus="yes">
        <source>Registry unreachable: %n change(s) waiting</source>
        <translation>
            <numerusform>Registry unreachable: %n change waiting</numerusform>
            <numerusform>Registry unreachable: %n changes waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n record(s) differ from the registry — see sarvo-tool sync</source>
        <translation>
            <numerusform>Registry: %n record differs from the registry — see sarvo-tool sync</numerusform>
            <numerusform>Registry: %n records differ from the registry — see sarvo-tool sync</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Registry: %n change(s) waiting</source>
        <translation>
            <numerusform>Registry: %n change waiting</numerusform>
            <numerusform>Registry: %n changes waiting</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sarvo::TFormDoseOverview</name>
    <message numerus="yes">
        <source>; a dosimeter is overdue after %n day(s) without a reading.</source>
        <translation>
            <numerusform>; a dosimeter is overdue after %n day without a reading.</numerusform>
            <numerusform>; a dosimeter is overdue after %n days without a reading.</numerusform>
        </translation>
    </message>
</context>
</TS>
