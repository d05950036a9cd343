<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>cvtimerctl</name>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n rappel</numerusform>
            <numerusform>%n rappels</numerusform>
        </translation>
    </message>
    <message>
        <source>Timer &quot;%1&quot; is empty.</source>
        <translation>La minuterie « %1 » est vide.</translation>
    </message>
    <message>
        <source>Not yet translated</source>
        <translation type="unfinished">Pas encore</translation>
    </message>
</context>
</TS>
