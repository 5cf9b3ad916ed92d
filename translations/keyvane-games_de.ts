<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChooseWorkingFolder</name>
    <message>
        <source>no home folder is known</source>
        <translation>es ist kein persönlicher Ordner bekannt</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Datei ist schon geöffnet</translation>
    </message>
    <message>
        <source>out of memory for file</source>
        <translation>zu wenig Speicher für die Datei</translation>
    </message>
    <message>
        <source>File write error</source>
        <translation>Fehler beim Schreiben der Datei</translation>
    </message>
    <message>
        <source>File close failed / write failed</source>
        <translation>Datei konnte nicht geschlossen / geschrieben werden</translation>
    </message>
    <message>
        <source>out of file request</source>
        <translation>keine Dateianforderung mehr frei</translation>
    </message>
    <message>
        <source>textfile field error</source>
        <translation>Fehler in einem Feld der Textdatei</translation>
    </message>
    <message>
        <source>textfile row over 255 char</source>
        <translation>Zeile der Textdatei länger als 255 Zeichen</translation>
    </message>
    <message>
        <source>wrong file version</source>
        <translation>falsche Dateiversion</translation>
    </message>
    <message>
        <source>Error in Main-procedure</source>
        <translation>Fehler im Hauptprogramm</translation>
    </message>
    <message>
        <source>Error in Event</source>
        <translation>Fehler im Spielablauf</translation>
    </message>
    <message>
        <source>Time out while opening for exclusive write mode </source>
        <translation>Zeitüberschreitung beim Öffnen zum alleinigen Schreiben </translation>
    </message>
    <message>
        <source> Time out while opening for write-denied read mode</source>
        <translation> Zeitüberschreitung beim Öffnen zum Lesen mit Schreibsperre</translation>
    </message>
    <message>
        <source>Database files not found</source>
        <translation>Datenbankdateien nicht gefunden</translation>
    </message>
    <message>
        <source>Username already exists, new was not be created</source>
        <translation>Den Benutzernamen gibt es schon, es wurde kein neuer angelegt</translation>
    </message>
    <message>
        <source>User bookmark vs. Chapter data overflow</source>
        <translation>Lesezeichen des Benutzers passt nicht zu den Kapiteldaten (Überlauf)</translation>
    </message>
    <message>
        <source>Contents detected error</source>
        <translation>Fehler im Inhalt erkannt</translation>
    </message>
    <message>
        <source>Contents file description invalid</source>
        <translation>Beschreibung der Inhaltsdatei ungültig</translation>
    </message>
    <message>
        <source>User bookmark vs. exercise data overflow</source>
        <translation>Lesezeichen des Benutzers passt nicht zu den Übungsdaten (Überlauf)</translation>
    </message>
    <message>
        <source>Cannot open User database</source>
        <translation>Benutzerdatenbank kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Warning: Wrong Userbase file version, size mitsmatch</source>
        <translation>Warnung: falsche Version der Benutzerdatei, die Größe passt nicht</translation>
    </message>
    <message>
        <source>Problems with network features</source>
        <translation>Probleme mit den Netzwerkfunktionen</translation>
    </message>
    <message>
        <source>Problems in Difficult Keys event</source>
        <translation>Probleme bei der Übung mit schweren Tasten</translation>
    </message>
    <message>
        <source>WWW-browser/email software is not properly installed or file extension launch error</source>
        <translation>Webbrowser/E-Mail-Programm ist nicht richtig installiert, oder die Datei ließ sich über ihre Endung nicht öffnen</translation>
    </message>
    <message>
        <source>Fatal Contents Error; Program halted</source>
        <translation>Schwerer Fehler im Inhalt; Programm angehalten</translation>
    </message>
    <message>
        <source>Fatal Introduction file error</source>
        <translation>Schwerer Fehler in der Einführungsdatei</translation>
    </message>
    <message>
        <source>Contents file(s) *.CNT not available, program halted</source>
        <translation>Inhaltsdatei(en) *.CNT nicht vorhanden, Programm angehalten</translation>
    </message>
    <message>
        <source>Error when renaming default userbase to:</source>
        <translation>Fehler beim Umbenennen der Standard-Benutzerdatei in:</translation>
    </message>
    <message>
        <source>Error when copying default userbase to:</source>
        <translation>Fehler beim Kopieren der Standard-Benutzerdatei nach:</translation>
    </message>
    <message>
        <source>Error when setting default attributes to:</source>
        <translation>Fehler beim Setzen der Standardattribute für:</translation>
    </message>
    <message>
        <source>Windows is currently using Large Fonts setting. Norvik Software requires small fonts.</source>
        <translation>Windows verwendet gerade große Schriftarten. Norvik Software braucht kleine Schriftarten.</translation>
    </message>
    <message>
        <source>Unknown error %1</source>
        <translation>Unbekannter Fehler %1</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leertaste</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>letter</source>
        <translation>Buchstabe</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>storm</source>
        <translation>Sturm</translation>
    </message>
    <message>
        <source>sunny</source>
        <translation>sonnig</translation>
    </message>
</context>
<context>
    <name>ProgressNotice</name>
    <message>
        <source>the folder for it cannot be written</source>
        <translation>sein Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>other users may write the folder for it</source>
        <translation>andere Benutzer dürfen in seinen Ordner schreiben</translation>
    </message>
    <message>
        <source>the way to it passes a link of another user</source>
        <translation>der Weg dorthin führt über einen Link eines anderen Benutzers</translation>
    </message>
    <message>
        <source>it was saved by a later version of the program</source>
        <translation>eine neuere Version des Programms hat ihn gespeichert</translation>
    </message>
    <message>
        <source>another copy of the program holds it</source>
        <translation>das Programm läuft noch einmal und benutzt ihn</translation>
    </message>
    <message>
        <source>its file cannot be opened</source>
        <translation>seine Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>its file cannot be written</source>
        <translation>seine Datei ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>seine Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>its file is damaged and could not be set aside</source>
        <translation>seine Datei ist beschädigt und konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>Your progress shows here after your first game: press Alt+Y to see it.</source>
        <translation>Nach deinem ersten Spiel steht hier dein Fortschritt: Drücke Alt+Y, um ihn zu sehen.</translation>
    </message>
    <message>
        <source>Click here or press Alt+Y to see your progress.</source>
        <translation>Klicke hier oder drücke Alt+Y für deinen Fortschritt.</translation>
    </message>
    <message>
        <source>Your progress could not be read just now: %1.</source>
        <translation>Dein Fortschritt konnte gerade nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Your progress cannot be reached just now: %1. Your games are stored at the next chance.</source>
        <translation>Dein Fortschritt ist gerade nicht erreichbar: %1. Deine Spiele werden später gespeichert.</translation>
    </message>
    <message>
        <source>Your progress is not being kept: %1. The games run as usual.</source>
        <translation>Dein Fortschritt wird nicht gespeichert: %1. Die Spiele laufen wie immer.</translation>
    </message>
    <message>
        <source>Your progress file could not be read and was put aside as %1; your progress starts afresh. </source>
        <translation>Deine Fortschrittsdatei war nicht lesbar und liegt nun als %1 beiseite; dein Fortschritt beginnt neu. </translation>
    </message>
    <message>
        <source>Your hardest keys: %1. </source>
        <translation>Deine schwersten Tasten: %1. </translation>
    </message>
    <message>
        <source>Best this week: %1. </source>
        <translation>Bestwerte dieser Woche: %1. </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Speech off.</source>
        <translation>Sprache aus.</translation>
    </message>
    <message>
        <source>Speech on.</source>
        <translation>Sprache an.</translation>
    </message>
</context>
<context>
    <name>TBookForm</name>
    <message>
        <source>Loading, please wait...</source>
        <translation>Lädt, bitte warten...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Anfangen</translation>
    </message>
    <message>
        <source>Skip forward</source>
        <translation>Vorspringen</translation>
    </message>
    <message>
        <source>Skip back</source>
        <translation>Zurückspringen</translation>
    </message>
</context>
<context>
    <name>TBubbles</name>
    <message>
        <source>To pop a bubble press the character in it</source>
        <translation>Drücke das Zeichen in einer Blase, um sie platzen zu lassen</translation>
    </message>
    <message>
        <source> When you have missed six bubbles, the game is over</source>
        <translation> Wenn du sechs Blasen verpasst hast, ist das Spiel vorbei</translation>
    </message>
    <message>
        <source>Red and blue bubbles, which are faster than the green ones, will give you a better score</source>
        <translation>Rote und blaue Blasen sind schneller als grüne und bringen dir mehr Punkte</translation>
    </message>
</context>
<context>
    <name>TClassReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>%1 pupils, %2</source>
        <translation>%1 Schüler, %2</translation>
    </message>
    <message>
        <source>login</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>accuracy %</source>
        <translation>Genauigkeit %</translation>
    </message>
    <message>
        <source>char./min</source>
        <translation>Zeichen/min</translation>
    </message>
    <message>
        <source>hardest keys</source>
        <translation>schwierigste Tasten</translation>
    </message>
    <message>
        <source>last played</source>
        <translation>zuletzt gespielt</translation>
    </message>
    <message>
        <source>Progress card, %1: %2 games, %3 minutes</source>
        <translation>Fortschrittskarte, %1: %2 Spiele, %3 Minuten</translation>
    </message>
    <message>
        <source>Last games</source>
        <translation>Letzte Spiele</translation>
    </message>
    <message>
        <source>played</source>
        <translation>gespielt</translation>
    </message>
    <message>
        <source>game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>key set or vocabulary</source>
        <translation>Tastenauswahl oder Wortliste</translation>
    </message>
    <message>
        <source>score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>is larger than %1 MB, no progress file is</source>
        <translation>ist größer als %1 MB, so groß ist keine Fortschrittsdatei</translation>
    </message>
    <message>
        <source>is no plain file</source>
        <translation>ist keine normale Datei</translation>
    </message>
    <message>
        <source>is not a progress file (%1)</source>
        <translation>ist keine Fortschrittsdatei (%1)</translation>
    </message>
    <message>
        <source>is damaged (%1)</source>
        <translation>ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>was not written by the user %1</source>
        <translation>wurde nicht vom Benutzer %1 geschrieben</translation>
    </message>
    <message>
        <source>types %1 for %2</source>
        <translation>tippt %1 statt %2</translation>
    </message>
    <message>
        <source>accuracy change</source>
        <translation>Änderung der Genauigkeit</translation>
    </message>
    <message>
        <source>characters a minute</source>
        <translation>Zeichen pro Minute</translation>
    </message>
    <message>
        <source>speed change</source>
        <translation>Änderung der Geschwindigkeit</translation>
    </message>
    <message>
        <source>most frequent confusion</source>
        <translation>häufigste Verwechslung</translation>
    </message>
    <message>
        <source>the class&apos;s hardest keys</source>
        <translation>schwierigste Tasten der Klasse</translation>
    </message>
    <message>
        <source>error rate %</source>
        <translation>Fehlerquote %</translation>
    </message>
    <message>
        <source>keystrokes</source>
        <translation>Anschläge</translation>
    </message>
    <message>
        <source>pupils it troubles</source>
        <translation>Schüler, denen sie schwerfällt</translation>
    </message>
    <message>
        <source>the class&apos;s most frequent confusions</source>
        <translation>häufigste Verwechslungen der Klasse</translation>
    </message>
    <message>
        <source>times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>pupils</source>
        <translation>Schüler</translation>
    </message>
</context>
<context>
    <name>TCloudGame</name>
    <message>
        <source>To move between clouds press Enter/Space (next) or Backspace (previous)</source>
        <translation>Mit Enter/Leertaste (nächste) oder Rücktaste (vorige) wechselst du zwischen den Wolken</translation>
    </message>
    <message>
        <source>To catch a cloud move to it, type the word below it and press Space or Enter</source>
        <translation>Gehe zu einer Wolke, tippe das Wort darunter und drücke Leertaste oder Enter, um sie zu fangen</translation>
    </message>
    <message>
        <source>Try not to miss stormy clouds - after six missed ones the game is over</source>
        <translation>Verpasse keine Gewitterwolken – nach sechs verpassten ist das Spiel vorbei</translation>
    </message>
    <message>
        <source>Sunny clouds will give you a great bonus, so try to catch as many of them as possible</source>
        <translation>Sonnenwolken bringen dir einen großen Bonus, also fange so viele wie möglich</translation>
    </message>
    <message>
        <source>stormy</source>
        <translation>Gewitter</translation>
    </message>
    <message>
        <source>sunny</source>
        <translation>sonnig</translation>
    </message>
</context>
<context>
    <name>TCustomGameEvent</name>
    <message>
        <source>Press any key</source>
        <translation>Drücke eine Taste</translation>
    </message>
    <message>
        <source>to begin.</source>
        <translation>um zu beginnen.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spiel vorbei.</translation>
    </message>
    <message>
        <source>Press Enter to continue.</source>
        <translation>Weiter mit Enter.</translation>
    </message>
    <message>
        <source>Press any key to begin.</source>
        <translation>Drück eine Taste, um anzufangen.</translation>
    </message>
</context>
<context>
    <name>TEvent</name>
    <message>
        <source>You haven&apos;t finished this exercise yet, proceed anyway?</source>
        <translation>Du hast diese Übung noch nicht beendet. Trotzdem weitermachen?</translation>
    </message>
</context>
<context>
    <name>TEventViewStg</name>
    <message>
        <source>T O P   T E N</source>
        <translation>B E S T E N L I S T E</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Glückwunsch</translation>
    </message>
</context>
<context>
    <name>TEventsStg</name>
    <message>
        <source>Use Enter and Backspace to move back and forth between clouds.</source>
        <translation>Mit Enter und Rücktaste springst du zwischen den Wolken hin und her.</translation>
    </message>
    <message>
        <source>Sunny clouds will give you a great bonus, so try to catch as many of them as possible.</source>
        <translation>Sonnenwolken bringen dir einen großen Bonus, also fange so viele wie möglich.</translation>
    </message>
    <message>
        <source>Type the highlighted word</source>
        <translation>Tippe das markierte Wort</translation>
    </message>
    <message>
        <source>to begin</source>
        <translation>um zu beginnen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rhythmus</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verpasst</translation>
    </message>
</context>
<context>
    <name>TFormView</name>
    <message>
        <source>Destroying an active view!</source>
        <translation>Eine aktive Ansicht wird zerstört!</translation>
    </message>
</context>
<context>
    <name>TGamesMenu</name>
    <message>
        <source>Bubbles</source>
        <translation>Bubbles</translation>
    </message>
    <message>
        <source>Wordtris</source>
        <translation>Wordtris</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Clouds</translation>
    </message>
</context>
<context>
    <name>TGamesStg</name>
    <message>
        <source>Version 4.5</source>
        <translation>Version 4.5</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>Play Clouds</source>
        <translation>Clouds spielen</translation>
    </message>
    <message>
        <source>V&amp;ocabulary</source>
        <translation>Wort&amp;liste</translation>
    </message>
    <message>
        <source>St&amp;art</source>
        <translation>St&amp;art</translation>
    </message>
    <message>
        <source>Keyvane products can help you to improve your typing skills - find out how!</source>
        <translation>Mit Keyvane-Produkten lernst du noch besser tippen – finde heraus, wie!</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Tip: keep your fingers on the home row (a s d f - j k l ;) and look at the screen, not at the keys. Alt+S, Alt+T and Alt+A start the games.</source>
        <translation>Tipp: Lass die Finger auf der Grundreihe (a s d f - j k l ö) und schaue auf den Bildschirm, nicht auf die Tasten. Alt+S, Alt+T und Alt+A starten die Spiele.</translation>
    </message>
    <message>
        <source>Play &amp;Bubbles</source>
        <translation>&amp;Bubbles spielen</translation>
    </message>
    <message>
        <source>With &amp;Keys</source>
        <translation>&amp;Mit Tasten</translation>
    </message>
    <message>
        <source>Play &amp;WordTris</source>
        <translation>&amp;WordTris spielen</translation>
    </message>
    <message>
        <source>&amp;Vocabulary</source>
        <translation>W&amp;ortliste</translation>
    </message>
    <message>
        <source>my difficult keys</source>
        <translation>schwere Tasten</translation>
    </message>
    <message>
        <source>my difficult words</source>
        <translation>schwere Wörter</translation>
    </message>
    <message>
        <source>Key set for Bubbles</source>
        <translation>Tasten für Bubbles</translation>
    </message>
    <message>
        <source>Vocabulary for WordTris</source>
        <translation>Wortschatz für WordTris</translation>
    </message>
    <message>
        <source>Vocabulary for Clouds</source>
        <translation>Wortschatz für Clouds</translation>
    </message>
    <message>
        <source>Play Bubbles</source>
        <translation>Bubbles spielen</translation>
    </message>
    <message>
        <source>Play WordTris</source>
        <translation>WordTris spielen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Opens the help page.</source>
        <translation>Öffnet die Hilfeseite.</translation>
    </message>
    <message>
        <source>Alt+Y shows your progress.</source>
        <translation>Alt+Y zeigt deine Fortschritte.</translation>
    </message>
</context>
<context>
    <name>TGamesView</name>
    <message>
        <source>: the help page is missing from the program&apos;s folder. Installing the program again brings it back.</source>
        <translation>: Die Hilfeseite fehlt im Ordner des Programms. Wenn du das Programm neu installierst, ist sie wieder da.</translation>
    </message>
    <message>
        <source>: no program was found to show this page. Install a web browser, or open the page in one.</source>
        <translation>: Es wurde kein Programm gefunden, das diese Seite zeigen kann. Installiere einen Webbrowser oder öffne die Seite in einem.</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>The shared score folder cannot be used (see Errors.log).</source>
        <translation>Der gemeinsame Ordner für die Punkte kann nicht benutzt werden (siehe Errors.log).</translation>
    </message>
    <message>
        <source>keyvane-games: the program folder cannot be written, and %1; scores will not be kept</source>
        <translation>keyvane-games: In den Programmordner kann nicht geschrieben werden, und %1; Punkte werden nicht gespeichert</translation>
    </message>
    <message>
        <source>keyvane-games: cannot use the program folder %1: %2</source>
        <translation>keyvane-games: Der Programmordner %1 kann nicht benutzt werden: %2</translation>
    </message>
    <message>
        <source>Keyvane cannot fit the screen, since your display
area is only 640x480 or smaller. Press Help to</source>
        <translation>Keyvane passt nicht auf den Bildschirm, weil deine Anzeige
nur 640x480 oder kleiner ist. Drücke Hilfe, um</translation>
    </message>
    <message>
        <source>Keyvane cannot fit the screen at the scale factor %1: your display area is
only %2x%3 of the program&apos;s pixels, and the book needs %4x%5.</source>
        <translation>Keyvane passt bei dem Skalierungsfaktor %1 nicht auf den Bildschirm: Die Anzeigefläche
hat nur %2x%3 Pixel des Programms, das Buch braucht %4x%5.</translation>
    </message>
    <message>
        <source>Your teacher sees your progress: a copy goes to the class&apos;s folder after each game.</source>
        <translation>Deine Lehrkraft sieht deinen Fortschritt: Nach jedem Spiel geht eine Kopie in den Ordner der Klasse.</translation>
    </message>
</context>
<context>
    <name>TMissedLcd</name>
    <message>
        <source>Missed: %1 of %2</source>
        <translation>Verpasst: %1 von %2</translation>
    </message>
</context>
<context>
    <name>TNewTerm</name>
    <message>
        <source>an archive of %1 exists already (%2): nothing was moved</source>
        <translation>ein Archiv vom %1 gibt es schon (%2): nichts wurde verschoben</translation>
    </message>
    <message>
        <source>a copy of the program is saving %1 just now: nothing was moved, try again in a moment</source>
        <translation>ein laufendes Programm speichert gerade %1: nichts wurde verschoben, versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>%1 cannot be opened: nothing was moved</source>
        <translation>%1 kann nicht geöffnet werden: nichts wurde verschoben</translation>
    </message>
    <message>
        <source>the archive folder %1 cannot be made: nothing was moved</source>
        <translation>der Archivordner %1 kann nicht angelegt werden: nichts wurde verschoben</translation>
    </message>
    <message>
        <source>%1 could not be archived: %2</source>
        <translation>%1 konnte nicht archiviert werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be started again: %2</source>
        <translation>%1 konnte nicht neu begonnen werden: %2</translation>
    </message>
    <message>
        <source>the tables are archived, but %1 could not be moved: %2</source>
        <translation>die Listen sind archiviert, aber %1 konnte nicht verschoben werden: %2</translation>
    </message>
    <message>
        <source>a new term has begun: %1 tables and %2 pupils&apos; copies are in %3</source>
        <translation>ein neues Halbjahr hat begonnen: %1 Listen und %2 Kopien der Schüler sind in %3</translation>
    </message>
</context>
<context>
    <name>TProgressDrawing</name>
    <message>
        <source>M Y   P R O G R E S S</source>
        <translation>F O R T S C H R I T T</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>calm</source>
        <translation>kühl</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>heiß</translation>
    </message>
    <message>
        <source>not typed yet</source>
        <translation>nie getippt</translation>
    </message>
    <message>
        <source>numbers: % errors</source>
        <translation>Zahlen: % Fehler</translation>
    </message>
    <message>
        <source>Your hardest keys</source>
        <translation>Deine schwersten Tasten</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>ms / key</source>
        <translation>ms / Taste</translation>
    </message>
    <message>
        <source>typed instead</source>
        <translation>stattdessen getippt</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>noch kein Spiel</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>Rekord %1</translation>
    </message>
    <message>
        <source>no keystrokes yet</source>
        <translation>noch nichts getippt</translation>
    </message>
    <message>
        <source>This page fills up as you play: after your first game the keys you find hard turn from pale to dark red, and your hardest keys show here with what you type for them.

Below them come your scores game by game, and your accuracy and speed day by day.</source>
        <translation>Diese Seite füllt sich beim Spielen: Nach deinem ersten Spiel werden die Tasten, die dir schwerfallen, von blass zu dunkelrot, und deine schwersten Tasten stehen hier mit dem, was du stattdessen tippst.

Darunter kommen deine Punkte Spiel für Spiel und deine Genauigkeit und dein Tempo Tag für Tag.</translation>
    </message>
    <message>
        <source>Your last %1 games</source>
        <translation>Deine letzten %1 Spiele</translation>
    </message>
    <message>
        <source>The last %1 days</source>
        <translation>Die letzten %1 Tage</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Genauigkeit (%)</translation>
    </message>
    <message>
        <source>Speed (characters a minute)</source>
        <translation>Tempo (Zeichen pro Minute)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <extracomment>The date format of the progress charts&apos; days (QDate&apos;s format letters): German writes &quot;d. MMM&quot;.</extracomment>
        <translation>d. MMM</translation>
    </message>
    <message numerus="yes">
        <source>types %1 for %2: %n time(s)</source>
        <translation>
            <numerusform>%1 statt %2: einmal</numerusform>
            <numerusform>%1 statt %2: %n-mal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProgressView</name>
    <message>
        <source>Your last games could not be read: %1.</source>
        <translation>Deine letzten Spiele konnten nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No games yet: this page fills up as you play.</source>
        <translation>Noch keine Spiele: Diese Seite füllt sich, während du spielst.</translation>
    </message>
    <message>
        <source>Your hardest keys:</source>
        <translation>Deine schwierigsten Tasten:</translation>
    </message>
    <message>
        <source>%1, %2 % errors;</source>
        <translation>%1, %2 % Fehler;</translation>
    </message>
    <message>
        <source>%1 ms per key;</source>
        <translation>%1 ms pro Taste;</translation>
    </message>
    <message>
        <source>%1, your last scores: %2.</source>
        <translation>%1, deine letzten Punkte: %2.</translation>
    </message>
    <message>
        <source>Best this week: %1.</source>
        <translation>Bestes dieser Woche: %1.</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Deine Fortschritte</translation>
    </message>
    <message>
        <source>%1: %2 % right, %3 characters a minute</source>
        <translation>%1: %2 % richtig, %3 Zeichen pro Minute</translation>
    </message>
    <message>
        <source>%1: %2 % right</source>
        <translation>%1: %2 % richtig</translation>
    </message>
    <message>
        <source>No typing in the last %1 days.</source>
        <translation>An keinem der letzten %1 Tage getippt.</translation>
    </message>
    <message>
        <source>Your last %1 days: %2.</source>
        <translation>Deine letzten %1 Tage: %2.</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Taste</translation>
    </message>
</context>
<context>
    <name>TTopTenView</name>
    <message>
        <source>Shared table in %1</source>
        <translation>Gemeinsame Bestenliste in %1</translation>
    </message>
    <message>
        <source>Congratulations: you are number %1 in the top ten. Type your name and press Enter</source>
        <translation>Glückwunsch: Du bist Nummer %1 unter den besten zehn. Schreib deinen Namen und drück Enter</translation>
    </message>
    <message>
        <source>Your score: %1.</source>
        <translation>Deine Punkte: %1.</translation>
    </message>
</context>
<context>
    <name>TWTrisEvent</name>
    <message>
        <source>Press Space! </source>
        <translation>Leertaste! </translation>
    </message>
</context>
<context>
    <name>TWordTris</name>
    <message>
        <source>To catch the beam, type the word in it and press Space</source>
        <translation>Tippe das Wort im Balken und drücke die Leertaste, um ihn zu fangen</translation>
    </message>
    <message>
        <source> When the box is full of missed beams, the game is over</source>
        <translation> Wenn der Kasten voller verpasster Balken ist, ist das Spiel vorbei</translation>
    </message>
    <message>
        <source>To get the best possible score, look at the word display below the box</source>
        <translation>Für möglichst viele Punkte schaue auf die Wortanzeige unter dem Kasten</translation>
    </message>
</context>
<context>
    <name>TtopTen</name>
    <message>
        <source>The network is busy because of other users, do you want to try again?</source>
        <translation>Das Netzwerk ist gerade von anderen Benutzern belegt. Willst du es noch einmal versuchen?</translation>
    </message>
    <message>
        <source> Topten open failed.</source>
        <translation> Die Bestenliste konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source> Topten write failed.</source>
        <translation> Die Bestenliste konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source> is in the way of the table&apos;s lock file and is not a file; ask the administrator to remove it.</source>
        <translation> steht der Sperrdatei der Bestenliste im Weg und ist keine Datei; bitte den Administrator, sie zu entfernen.</translation>
    </message>
    <message>
        <source> (the table&apos;s lock file) has been held for over a minute; if no copy of the program is saving, ask the administrator to remove it.</source>
        <translation> (die Sperrdatei der Bestenliste) ist seit über einer Minute belegt; wenn gerade kein Spiel speichert, bitte den Administrator, sie zu entfernen.</translation>
    </message>
    <message>
        <source> is no longer the score folder found at start-up (was the share unmounted?); the table was not saved.</source>
        <translation> ist nicht mehr der Ordner für die Bestenlisten, der beim Start gefunden wurde (wurde die Freigabe getrennt?); die Bestenliste wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>keyvane-files</name>
    <message>
        <source>words takes one file</source>
        <translation>words erwartet eine Datei</translation>
    </message>
    <message>
        <source>not valid UTF-8, skipped</source>
        <translation>kein gültiges UTF-8, übersprungen</translation>
    </message>
    <message>
        <source>a NUL byte before any character, skipped</source>
        <translation>ein NUL-Byte vor dem ersten Zeichen, übersprungen</translation>
    </message>
    <message>
        <source>holds a NUL byte, only the text before it is the word</source>
        <translation>enthält ein NUL-Byte, nur der Text davor ist das Wort</translation>
    </message>
    <message>
        <source>longer than 255 characters, only its first 255 are the word</source>
        <translation>länger als 255 Zeichen, nur die ersten 255 sind das Wort</translation>
    </message>
    <message>
        <source>header takes one file</source>
        <translation>header erwartet eine Datei</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation>kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>holds a NUL character</source>
        <translation>enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>starts with &quot;$&quot; and would be read as a header line</source>
        <translation>beginnt mit &quot;$&quot; und würde als Kopfzeile gelesen</translation>
    </message>
    <message>
        <source>make-vocabulary takes an input and an output file</source>
        <translation>make-vocabulary erwartet eine Eingabe- und eine Ausgabedatei</translation>
    </message>
    <message>
        <source>scores takes one file</source>
        <translation>scores erwartet eine Datei</translation>
    </message>
    <message>
        <source>print the words the games load from FILE, one per line</source>
        <translation>gibt die Wörter aus, die die Spiele aus FILE laden, ein Wort pro Zeile</translation>
    </message>
    <message>
        <source>print the open status and the header fields of FILE</source>
        <translation>gibt den Status beim Öffnen und die Kopffelder von FILE aus</translation>
    </message>
    <message>
        <source>write a vocabulary file from a list in UTF-8 or UTF-16 (- reads standard input), at most 250,000
      words, one word or phrase per line; lines that cannot be stored are named and left out</source>
        <translation>schreibt eine Wortliste aus einer Liste in UTF-8 oder UTF-16 (- liest die Standardeingabe), höchstens
      250.000 Wörter, ein Wort oder eine Wendung pro Zeile; Zeilen, die nicht gespeichert werden können,
      werden genannt und ausgelassen</translation>
    </message>
    <message>
        <source>print the high-score table of the score file FILE, one tab-separated row per line</source>
        <translation>gibt die Bestenliste der Punktedatei FILE aus, eine durch Tabulatoren getrennte Zeile pro Eintrag</translation>
    </message>
    <message>
        <source>print the player&apos;s finished games: date and time, game, key set or vocabulary, score, seconds, keystrokes, errors, level (tab-separated)</source>
        <translation>gibt die beendeten Spiele des Spielers aus: Datum und Uhrzeit, Spiel, Tastenauswahl oder Wortliste,
      Punkte, Sekunden, Anschläge, Fehler, Stufe (durch Tabulatoren getrennt)</translation>
    </message>
    <message>
        <source>usage: keyvane-files COMMAND ARGUMENTS</source>
        <translation>Aufruf: keyvane-files BEFEHL ARGUMENTE</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>progress --days takes a number of days from 1 to 100000</source>
        <translation>progress --days erwartet eine Anzahl Tage von 1 bis 100000</translation>
    </message>
    <message>
        <source>%1: the name has characters the single-byte code page cannot hold</source>
        <translation>%1: Der Name enthält Zeichen, die die Ein-Byte-Codepage nicht darstellen kann</translation>
    </message>
    <message>
        <source>%1: is a folder, not a file</source>
        <translation>%1: ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: cannot be opened for reading</source>
        <translation>%1: kann nicht zum Lesen geöffnet werden</translation>
    </message>
    <message>
        <source>%1: read failed</source>
        <translation>%1: Lesen fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1: the header runs past the end of the file</source>
        <translation>%1: Der Kopf reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the single-byte code page, skipped</source>
        <translation>&quot;%1&quot; passt nicht in die Ein-Byte-Codepage, übersprungen</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: not a regular file (a device or a pipe); give a file, or - for standard input</source>
        <translation>%1: keine normale Datei (ein Gerät oder eine Pipe); gib eine Datei an oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB, too large for a word list</source>
        <translation>%1: größer als 16 MiB, zu groß für eine Liste von Wörtern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the single-byte code page</source>
        <translation>&quot;%1&quot; passt nicht in die Ein-Byte-Codepage</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored scrambled</source>
        <translation>&quot;%1&quot; kann nicht verwürfelt gespeichert werden</translation>
    </message>
    <message>
        <source>the --%1 value has characters the single-byte code page cannot hold</source>
        <translation>der Wert von --%1 enthält Zeichen, die die Ein-Byte-Codepage nicht darstellen kann</translation>
    </message>
    <message>
        <source>the --%1 value holds a line break or NUL</source>
        <translation>der Wert von --%1 enthält einen Zeilenumbruch oder NUL</translation>
    </message>
    <message>
        <source>the --%1 value is too long for a header line</source>
        <translation>der Wert von --%1 ist zu lang für eine Kopfzeile</translation>
    </message>
    <message>
        <source>%1: the folder also holds %2, whose name differs only in case; the games list each of them (%3)</source>
        <translation>%1: Der Ordner enthält auch %2, dessen Name sich nur in Groß-/Kleinschreibung unterscheidet; die Spiele zeigen jede davon an (%3)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1: line %2: %3, left out</source>
        <translation>%1: Zeile %2: %3, ausgelassen</translation>
    </message>
    <message>
        <source>%1: not written, no word to write (%2)</source>
        <translation>%1: nicht geschrieben, kein Wort zum Schreiben (%2)</translation>
    </message>
    <message>
        <source>%1: not written, %2 words are more than the %3 a game starts with at once</source>
        <translation>%1: nicht geschrieben, %2 Wörter sind mehr als die %3, mit denen ein Spiel auf einmal startet</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1: write failed, nothing kept</source>
        <translation>%1: Schreiben fehlgeschlagen, nichts behalten</translation>
    </message>
    <message>
        <source>%1: cannot be opened for reading (in use, or not a readable file)</source>
        <translation>%1: kann nicht zum Lesen geöffnet werden (in Benutzung oder keine lesbare Datei)</translation>
    </message>
    <message>
        <source>usage: keyvane-files %1</source>
        <translation>Aufruf: keyvane-files %1</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 erwartet keine Argumente</translation>
    </message>
    <message>
        <source>no progress stored yet (%1 does not exist)</source>
        <translation>noch kein Fortschritt gespeichert (%1 gibt es nicht)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no progress stored yet (no keystrokes in %1)</source>
        <translation>noch kein Fortschritt gespeichert (keine Anschläge in %1)</translation>
    </message>
    <message>
        <source>no games stored yet in %1</source>
        <translation>noch keine Spiele in %1 gespeichert</translation>
    </message>
    <message>
        <source>no keys typed in the last %1 days in %2</source>
        <translation>in den letzten %1 Tagen keine Tasten getippt in %2</translation>
    </message>
    <message>
        <source>progress --hardest takes a number of keys from 1 to 1000</source>
        <translation>progress --hardest erwartet eine Anzahl Tasten von 1 bis 1000</translation>
    </message>
    <message>
        <source>print the class report of the pupils&apos; copies in FOLDER/progress (FOLDER: the configured
      score folder), over the last N days (30), tab-separated, as CSV, or as a PDF to print</source>
        <translation>gibt den Klassenbericht der Kopien der Schüler in FOLDER/progress aus (FOLDER: der eingestellte
      Punkteordner), über die letzten N Tage (30), durch Tabulatoren getrennt, als CSV oder als PDF zum Drucken</translation>
    </message>
    <message>
        <source>move the class&apos;s tables and pupils&apos; copies into FOLDER/archive/YYYY-MM-DD and start empty tables</source>
        <translation>verschiebt die Listen der Klasse und die Kopien der Schüler nach FOLDER/archive/JJJJ-MM-TT und beginnt leere Listen</translation>
    </message>
    <message>
        <source>no class folder is configured: name the class&apos;s score folder</source>
        <translation>kein Klassenordner eingestellt: geben Sie den Punkteordner der Klasse an</translation>
    </message>
    <message>
        <source>class --days takes a number of days from 1 to 3650</source>
        <translation>class --days erwartet eine Anzahl Tage von 1 bis 3650</translation>
    </message>
    <message>
        <source>class does not take &quot;%1&quot;</source>
        <translation>class versteht &quot;%1&quot; nicht</translation>
    </message>
    <message>
        <source>class takes --csv or --pdf, not both</source>
        <translation>class erwartet --csv oder --pdf, nicht beides</translation>
    </message>
    <message>
        <source>%1 has no folder &quot;progress&quot; for the pupils&apos; copies</source>
        <translation>%1 hat keinen Ordner &quot;progress&quot; für die Kopien der Schüler</translation>
    </message>
    <message>
        <source>%1 cannot be read: only the teacher may read the pupils&apos; copies</source>
        <translation>%1 kann nicht gelesen werden: nur die Lehrkraft darf die Kopien der Schüler lesen</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <translation>%1 wird ausgelassen</translation>
    </message>
    <message>
        <source>new-term takes at most one folder</source>
        <translation>new-term erwartet höchstens einen Ordner</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: Ordner nicht vorhanden</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out</source>
        <translation>
            <numerusform>%n Zeile ausgelassen</numerusform>
            <numerusform>%n Zeilen ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>gibt die Version aus</translation>
    </message>
    <message>
        <source>print this text</source>
        <translation>gibt diesen Text aus</translation>
    </message>
    <message>
        <source>print the player&apos;s stored key statistics: character, keystrokes, errors, rating,
      then from the key record error rate (%), ms per right keystroke, the character
      typed instead most often and how often (tab-separated); --days N: the key
      record of the last N days only; --hardest N: the N hardest keys of the key
      record, hardest first: character, difficulty</source>
        <translation>gibt die gespeicherte Tastenstatistik des Spielers aus: Zeichen, Anschläge, Fehler, Bewertung,
      dann aus der Tastenaufzeichnung Fehlerquote (%), ms pro richtigem Anschlag, das am häufigsten
      stattdessen getippte Zeichen und wie oft (durch Tabulatoren getrennt); --days N: die
      Tastenaufzeichnung nur der letzten N Tage; --hardest N: die N schwierigsten Tasten der
      Tastenaufzeichnung, die schwierigste zuerst: Zeichen, Schwierigkeit</translation>
    </message>
</context>
</TS>
