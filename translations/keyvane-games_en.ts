<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TProgressDrawing</name>
    <message numerus="yes">
        <source>types %1 for %2: %n time(s)</source>
        <translation>
            <numerusform>types %1 for %2: once</numerusform>
            <numerusform>types %1 for %2: %n times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>keyvane-files</name>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out</source>
        <translation>
            <numerusform>%n line left out</numerusform>
            <numerusform>%n lines left out</numerusform>
        </translation>
    </message>
</context>
</TS>
