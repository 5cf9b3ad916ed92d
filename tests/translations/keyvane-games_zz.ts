<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A language of the fit check only: two texts far too long for their controls, which the check must find. -->
<TS version="2.1">
<context>
    <name>TGamesStg</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start the game of bubbles right now, please</translation>
    </message>
</context>
<context>
    <name>TEventViewStg</name>
    <message>
        <source>Congratulations</source>
        <translation>Congratulations on a new best score in the table</translation>
    </message>
</context>
</TS>
