<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChooseWorkingFolder</name>
    <message>
        <source>no home folder is known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory for file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File close failed / write failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of file request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>textfile field error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>textfile row over 255 char</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong file version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Main-procedure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time out while opening for exclusive write mode </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Time out while opening for write-denied read mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database files not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username already exists, new was not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User bookmark vs. Chapter data overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents detected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents file description invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User bookmark vs. exercise data overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open User database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Wrong Userbase file version, size mitsmatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems with network features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems in Difficult Keys event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WWW-browser/email software is not properly installed or file extension launch error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal Contents Error; Program halted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal Introduction file error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents file(s) *.CNT not available, program halted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error when renaming default userbase to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error when copying default userbase to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error when setting default attributes to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows is currently using Large Fonts setting. Norvik Software requires small fonts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressNotice</name>
    <message>
        <source>the folder for it cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other users may write the folder for it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the way to it passes a link of another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was saved by a later version of the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of the program holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file is damaged and could not be set aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress shows here after your first game: press Alt+Y to see it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here or press Alt+Y to see your progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress could not be read just now: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress cannot be reached just now: %1. Your games are stored at the next chance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress is not being kept: %1. The games run as usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress file could not be read and was put aside as %1; your progress starts afresh. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hardest keys: %1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best this week: %1. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBookForm</name>
    <message>
        <source>Loading, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBubbles</name>
    <message>
        <source>To pop a bubble press the character in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> When you have missed six bubbles, the game is over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red and blue bubbles, which are faster than the green ones, will give you a better score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCloudGame</name>
    <message>
        <source>To move between clouds press Enter/Space (next) or Backspace (previous)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To catch a cloud move to it, type the word below it and press Space or Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try not to miss stormy clouds - after six missed ones the game is over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunny clouds will give you a great bonus, so try to catch as many of them as possible</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCustomGameEvent</name>
    <message>
        <source>Press any key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to begin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to continue.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEvent</name>
    <message>
        <source>You haven&apos;t finished this exercise yet, proceed anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEventViewStg</name>
    <message>
        <source>T O P   T E N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEventsStg</name>
    <message>
        <source>Use Enter and Backspace to move back and forth between clouds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunny clouds will give you a great bonus, so try to catch as many of them as possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the highlighted word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormView</name>
    <message>
        <source>Destroying an active view!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGamesMenu</name>
    <message>
        <source>Bubbles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wordtris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGamesStg</name>
    <message>
        <source>Version 4.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;ocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyvane products can help you to improve your typing skills - find out how!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: keep your fingers on the home row (a s d f - j k l ;) and look at the screen, not at the keys. Alt+S, Alt+T and Alt+A start the games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play &amp;Bubbles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With &amp;Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play &amp;WordTris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>my difficult keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>my difficult words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>The shared score folder cannot be used (see Errors.log).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keyvane-games: the program folder cannot be written, and %1; scores will not be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keyvane-games: cannot use the program folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyvane cannot fit the screen, since your display
area is only 640x480 or smaller. Press Help to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressDrawing</name>
    <message>
        <source>M Y   P R O G R E S S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not typed yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numbers: % errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hardest keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms / key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typed instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>types %1 for %2: %3 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>types %1 for %2: %3 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no keystrokes yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page fills up as you play: after your first game the keys you find hard turn from pale to dark red, and your hardest keys show here with what you type for them.

Below them come your scores game by game, and your accuracy and speed day by day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your last %1 games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed (characters a minute)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressView</name>
    <message>
        <source>Your last games could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTopTenView</name>
    <message>
        <source>Shared table in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWTrisEvent</name>
    <message>
        <source>Press Space! </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWordTris</name>
    <message>
        <source>To catch the beam, type the word in it and press Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> When the box is full of missed beams, the game is over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To get the best possible score, look at the word display below the box</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TtopTen</name>
    <message>
        <source>The network is busy because of other users, do you want to try again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Topten open failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Topten write failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keyvane-files</name>
    <message>
        <source>words takes one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid UTF-8, skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a NUL byte before any character, skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a NUL byte, only the text before it is the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than 255 characters, only its first 255 are the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header takes one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a NUL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starts with &quot;$&quot; and would be read as a header line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>make-vocabulary takes an input and an output file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scores takes one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the words the games load from FILE, one per line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the open status and the header fields of FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write a vocabulary file from a list in UTF-8 or UTF-16 (- reads standard input), at most 250,000
      words, one word or phrase per line; lines that cannot be stored are named and left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the high-score table of the score file FILE, one tab-separated row per line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the player&apos;s stored key statistics: character, keystrokes, errors, rating (tab-separated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the player&apos;s finished games: date and time, game, key set or vocabulary, score, seconds, keystrokes, errors, level (tab-separated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: keyvane-files COMMAND ARGUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>progress --days takes a number of days from 1 to 100000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the name has characters the single-byte code page cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be opened for reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: read failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the header runs past the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the single-byte code page, skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a regular file (a device or a pipe); give a file, or - for standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB, too large for a word list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the single-byte code page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored scrambled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the --%1 value has characters the single-byte code page cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the --%1 value holds a line break or NUL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the --%1 value is too long for a header line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the folder also holds %2, whose name differs only in case; the games list each of them (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: line %2: %3, left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not written, no word to write (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not written, %2 words are more than the %3 a game starts with at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: write failed, nothing kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be opened for reading (in use, or not a readable file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: keyvane-files %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no progress stored yet (%1 does not exist)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no progress stored yet (no keystrokes in %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no games stored yet in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
