<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChooseWorkingFolder</name>
    <message>
        <source>no home folder is known</source>
        <translation>aucun dossier personnel n&apos;est connu</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation>Échec de l&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Fichier déjà ouvert</translation>
    </message>
    <message>
        <source>out of memory for file</source>
        <translation>mémoire insuffisante pour le fichier</translation>
    </message>
    <message>
        <source>File write error</source>
        <translation>Erreur d&apos;écriture du fichier</translation>
    </message>
    <message>
        <source>File close failed / write failed</source>
        <translation>Échec de la fermeture / de l&apos;écriture du fichier</translation>
    </message>
    <message>
        <source>out of file request</source>
        <translation>trop de demandes de fichiers</translation>
    </message>
    <message>
        <source>textfile field error</source>
        <translation>erreur de champ dans le fichier texte</translation>
    </message>
    <message>
        <source>textfile row over 255 char</source>
        <translation>ligne de plus de 255 caractères dans le fichier texte</translation>
    </message>
    <message>
        <source>wrong file version</source>
        <translation>mauvaise version de fichier</translation>
    </message>
    <message>
        <source>Error in Main-procedure</source>
        <translation>Erreur dans la procédure principale</translation>
    </message>
    <message>
        <source>Error in Event</source>
        <translation>Erreur dans l&apos;exercice</translation>
    </message>
    <message>
        <source>Time out while opening for exclusive write mode </source>
        <translation>Délai dépassé à l&apos;ouverture en écriture exclusive </translation>
    </message>
    <message>
        <source> Time out while opening for write-denied read mode</source>
        <translation> Délai dépassé à l&apos;ouverture en lecture sans écriture des autres</translation>
    </message>
    <message>
        <source>Database files not found</source>
        <translation>Fichiers de la base de données introuvables</translation>
    </message>
    <message>
        <source>Username already exists, new was not be created</source>
        <translation>Ce nom d&apos;utilisateur existe déjà, le nouveau n&apos;a pas été créé</translation>
    </message>
    <message>
        <source>User bookmark vs. Chapter data overflow</source>
        <translation>Dépassement entre le signet de l&apos;utilisateur et les données du chapitre</translation>
    </message>
    <message>
        <source>Contents detected error</source>
        <translation>Erreur détectée dans le contenu</translation>
    </message>
    <message>
        <source>Contents file description invalid</source>
        <translation>Description du fichier de contenu non valide</translation>
    </message>
    <message>
        <source>User bookmark vs. exercise data overflow</source>
        <translation>Dépassement entre le signet de l&apos;utilisateur et les données de l&apos;exercice</translation>
    </message>
    <message>
        <source>Cannot open User database</source>
        <translation>Impossible d&apos;ouvrir la base des utilisateurs</translation>
    </message>
    <message>
        <source>Warning: Wrong Userbase file version, size mitsmatch</source>
        <translation>Attention&#xa0;: mauvaise version du fichier des utilisateurs, taille différente</translation>
    </message>
    <message>
        <source>Problems with network features</source>
        <translation>Problèmes avec les fonctions réseau</translation>
    </message>
    <message>
        <source>Problems in Difficult Keys event</source>
        <translation>Problèmes dans l&apos;exercice des touches pièges</translation>
    </message>
    <message>
        <source>WWW-browser/email software is not properly installed or file extension launch error</source>
        <translation>Le navigateur web ou le logiciel de courriel n&apos;est pas bien installé, ou le fichier n&apos;a pas pu être ouvert d&apos;après son extension</translation>
    </message>
    <message>
        <source>Fatal Contents Error; Program halted</source>
        <translation>Erreur fatale dans le contenu&#xa0;; programme arrêté</translation>
    </message>
    <message>
        <source>Fatal Introduction file error</source>
        <translation>Erreur fatale dans le fichier d&apos;introduction</translation>
    </message>
    <message>
        <source>Contents file(s) *.CNT not available, program halted</source>
        <translation>Fichier(s) de contenu *.CNT absent(s), programme arrêté</translation>
    </message>
    <message>
        <source>Error when renaming default userbase to:</source>
        <translation>Erreur en renommant la base des utilisateurs par défaut en&#xa0;:</translation>
    </message>
    <message>
        <source>Error when copying default userbase to:</source>
        <translation>Erreur en copiant la base des utilisateurs par défaut vers&#xa0;:</translation>
    </message>
    <message>
        <source>Error when setting default attributes to:</source>
        <translation>Erreur en appliquant les attributs par défaut à&#xa0;:</translation>
    </message>
    <message>
        <source>Windows is currently using Large Fonts setting. Norvik Software requires small fonts.</source>
        <translation>Windows utilise en ce moment les grandes polices. Norvik Software demande les petites polices.</translation>
    </message>
    <message>
        <source>Unknown error %1</source>
        <translation>Erreur inconnue %1</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>point</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>clavier</translation>
    </message>
    <message>
        <source>letter</source>
        <translation>lettre</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>storm</source>
        <translation>orage</translation>
    </message>
    <message>
        <source>sunny</source>
        <translation>soleil</translation>
    </message>
</context>
<context>
    <name>ProgressNotice</name>
    <message>
        <source>the folder for it cannot be written</source>
        <translation>impossible d&apos;écrire dans le dossier</translation>
    </message>
    <message>
        <source>other users may write the folder for it</source>
        <translation>d&apos;autres utilisateurs peuvent écrire dans le dossier</translation>
    </message>
    <message>
        <source>the way to it passes a link of another user</source>
        <translation>le chemin passe par un lien d&apos;un autre utilisateur</translation>
    </message>
    <message>
        <source>it was saved by a later version of the program</source>
        <translation>ils viennent d&apos;une version plus récente du programme</translation>
    </message>
    <message>
        <source>another copy of the program holds it</source>
        <translation>une autre copie du programme les utilise</translation>
    </message>
    <message>
        <source>its file cannot be opened</source>
        <translation>impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>its file cannot be written</source>
        <translation>impossible d&apos;écrire dans le fichier</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>impossible de lire le fichier</translation>
    </message>
    <message>
        <source>its file is damaged and could not be set aside</source>
        <translation>le fichier est abîmé et n&apos;a pas pu être mis de côté</translation>
    </message>
    <message>
        <source>Your progress shows here after your first game: press Alt+Y to see it.</source>
        <translation>Tes progrès s&apos;afficheront ici après ta première partie&#xa0;: appuie sur Alt+Y pour les voir.</translation>
    </message>
    <message>
        <source>Click here or press Alt+Y to see your progress.</source>
        <translation>Clique ici ou appuie sur Alt+Y pour voir tes progrès.</translation>
    </message>
    <message>
        <source>Your progress could not be read just now: %1.</source>
        <translation>Impossible de lire tes progrès pour l&apos;instant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your progress cannot be reached just now: %1. Your games are stored at the next chance.</source>
        <translation>Tes progrès sont inaccessibles pour l&apos;instant&#xa0;: %1. Tes parties seront enregistrées dès que possible.</translation>
    </message>
    <message>
        <source>Your progress is not being kept: %1. The games run as usual.</source>
        <translation>Tes progrès ne sont pas enregistrés&#xa0;: %1. Tu peux jouer comme d&apos;habitude.</translation>
    </message>
    <message>
        <source>Your progress file could not be read and was put aside as %1; your progress starts afresh. </source>
        <translation>Ton fichier de progrès était illisible et a été mis de côté (%1)&#xa0;; tes progrès repartent de zéro. </translation>
    </message>
    <message>
        <source>Your hardest keys: %1. </source>
        <translation>Tes touches pièges&#xa0;: %1. </translation>
    </message>
    <message>
        <source>Best this week: %1. </source>
        <translation>Records de la semaine&#xa0;: %1. </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Speech off.</source>
        <translation>Parole désactivée.</translation>
    </message>
    <message>
        <source>Speech on.</source>
        <translation>Parole activée.</translation>
    </message>
</context>
<context>
    <name>TBookForm</name>
    <message>
        <source>Loading, please wait...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Skip forward</source>
        <translation>Sauter en avant</translation>
    </message>
    <message>
        <source>Skip back</source>
        <translation>Sauter en arrière</translation>
    </message>
</context>
<context>
    <name>TBubbles</name>
    <message>
        <source>To pop a bubble press the character in it</source>
        <translation>Pour faire éclater une bulle, tape le caractère qu&apos;elle contient</translation>
    </message>
    <message>
        <source> When you have missed six bubbles, the game is over</source>
        <translation> Quand tu as raté six bulles, la partie est finie</translation>
    </message>
    <message>
        <source>Red and blue bubbles, which are faster than the green ones, will give you a better score</source>
        <translation>Les bulles rouges et bleues, plus rapides que les vertes, te donnent un meilleur score</translation>
    </message>
</context>
<context>
    <name>TClassReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Rapport de la classe</translation>
    </message>
    <message>
        <source>%1 pupils, %2</source>
        <translation>%1 élèves, %2</translation>
    </message>
    <message>
        <source>login</source>
        <translation>identifiant</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>games</source>
        <translation>parties</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>accuracy %</source>
        <translation>précision %</translation>
    </message>
    <message>
        <source>char./min</source>
        <translation>car./min</translation>
    </message>
    <message>
        <source>hardest keys</source>
        <translation>touches les plus difficiles</translation>
    </message>
    <message>
        <source>last played</source>
        <translation>dernière partie</translation>
    </message>
    <message>
        <source>Progress card, %1: %2 games, %3 minutes</source>
        <translation>Fiche de progrès, %1 : %2 parties, %3 minutes</translation>
    </message>
    <message>
        <source>Last games</source>
        <translation>Dernières parties</translation>
    </message>
    <message>
        <source>played</source>
        <translation>jouée</translation>
    </message>
    <message>
        <source>game</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>key set or vocabulary</source>
        <translation>touches ou vocabulaire</translation>
    </message>
    <message>
        <source>score</source>
        <translation>score</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>le fichier ne peut pas être écrit</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <source>is larger than %1 MB, no progress file is</source>
        <translation>dépasse %1 Mo, ce qu&apos;aucun fichier de progrès ne fait</translation>
    </message>
    <message>
        <source>is no plain file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is not a progress file (%1)</source>
        <translation>n&apos;est pas un fichier de progrès (%1)</translation>
    </message>
    <message>
        <source>is damaged (%1)</source>
        <translation>est endommagé (%1)</translation>
    </message>
    <message>
        <source>was not written by the user %1</source>
        <translation>n&apos;a pas été écrit par l&apos;utilisateur %1</translation>
    </message>
    <message>
        <source>types %1 for %2</source>
        <translation>tape %1 pour %2</translation>
    </message>
    <message>
        <source>accuracy change</source>
        <translation>évolution de la précision</translation>
    </message>
    <message>
        <source>characters a minute</source>
        <translation>caractères par minute</translation>
    </message>
    <message>
        <source>speed change</source>
        <translation>évolution de la vitesse</translation>
    </message>
    <message>
        <source>most frequent confusion</source>
        <translation>confusion la plus fréquente</translation>
    </message>
    <message>
        <source>the class&apos;s hardest keys</source>
        <translation>touches les plus difficiles de la classe</translation>
    </message>
    <message>
        <source>error rate %</source>
        <translation>taux d&apos;erreurs %</translation>
    </message>
    <message>
        <source>keystrokes</source>
        <translation>frappes</translation>
    </message>
    <message>
        <source>pupils it troubles</source>
        <translation>élèves en difficulté</translation>
    </message>
    <message>
        <source>the class&apos;s most frequent confusions</source>
        <translation>confusions les plus fréquentes de la classe</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>pupils</source>
        <translation>élèves</translation>
    </message>
</context>
<context>
    <name>TCloudGame</name>
    <message>
        <source>To move between clouds press Enter/Space (next) or Backspace (previous)</source>
        <translation>Pour changer de nuage, appuie sur Entrée/Espace (suivant) ou Retour arrière (précédent)</translation>
    </message>
    <message>
        <source>To catch a cloud move to it, type the word below it and press Space or Enter</source>
        <translation>Pour attraper un nuage, va dessus, tape son mot puis Espace ou Entrée</translation>
    </message>
    <message>
        <source>Try not to miss stormy clouds - after six missed ones the game is over</source>
        <translation>Ne rate pas les nuages d&apos;orage&#xa0;: après six nuages ratés, la partie est finie</translation>
    </message>
    <message>
        <source>Sunny clouds will give you a great bonus, so try to catch as many of them as possible</source>
        <translation>Les nuages ensoleillés donnent un gros bonus&#xa0;: attrapes-en le plus possible</translation>
    </message>
    <message>
        <source>stormy</source>
        <translation>orageux</translation>
    </message>
    <message>
        <source>sunny</source>
        <translation>ensoleillé</translation>
    </message>
</context>
<context>
    <name>TCustomGameEvent</name>
    <message>
        <source>Press any key</source>
        <translation>Appuie sur une touche</translation>
    </message>
    <message>
        <source>to begin.</source>
        <translation>pour commencer.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>Press Enter to continue.</source>
        <translation>Appuie sur Entrée.</translation>
    </message>
    <message>
        <source>Press any key to begin.</source>
        <translation>Appuie sur une touche pour commencer.</translation>
    </message>
</context>
<context>
    <name>TEvent</name>
    <message>
        <source>You haven&apos;t finished this exercise yet, proceed anyway?</source>
        <translation>Tu n&apos;as pas encore fini cet exercice, continuer quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TEventViewStg</name>
    <message>
        <source>T O P   T E N</source>
        <translation>P A L M A R È S</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TEventsStg</name>
    <message>
        <source>Use Enter and Backspace to move back and forth between clouds.</source>
        <translation>Entrée et Retour arrière te font passer d&apos;un nuage à l&apos;autre.</translation>
    </message>
    <message>
        <source>Sunny clouds will give you a great bonus, so try to catch as many of them as possible.</source>
        <translation>Les nuages ensoleillés donnent un gros bonus&#xa0;: attrapes-en le plus possible.</translation>
    </message>
    <message>
        <source>Type the highlighted word</source>
        <translation>Tape le mot surligné</translation>
    </message>
    <message>
        <source>to begin</source>
        <translation>pour commencer</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Consignes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Ratés</translation>
    </message>
</context>
<context>
    <name>TFormView</name>
    <message>
        <source>Destroying an active view!</source>
        <translation>Destruction d&apos;une vue active&#xa0;!</translation>
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
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>J&amp;ouer</translation>
    </message>
    <message>
        <source>Play Clouds</source>
        <translation>Jouer à Clouds</translation>
    </message>
    <message>
        <source>V&amp;ocabulary</source>
        <translation>Vo&amp;cabulaire</translation>
    </message>
    <message>
        <source>St&amp;art</source>
        <translation>Jo&amp;uer</translation>
    </message>
    <message>
        <source>Keyvane products can help you to improve your typing skills - find out how!</source>
        <translation>Les produits Keyvane t&apos;aident à mieux taper au clavier&#xa0;: découvre comment&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>Tip: keep your fingers on the home row (a s d f - j k l ;) and look at the screen, not at the keys. Alt+S, Alt+T and Alt+A start the games.</source>
        <translation>Astuce&#xa0;: garde les doigts sur la rangée de repos (q s d f - j k l m) et regarde l&apos;écran, pas le clavier. Alt+J, Alt+O et Alt+U lancent Bubbles, WordTris et Clouds.</translation>
    </message>
    <message>
        <source>Play &amp;Bubbles</source>
        <translation>Jouer à &amp;Bubbles</translation>
    </message>
    <message>
        <source>With &amp;Keys</source>
        <translation>Avec les &amp;touches</translation>
    </message>
    <message>
        <source>Play &amp;WordTris</source>
        <translation>Jouer à &amp;WordTris</translation>
    </message>
    <message>
        <source>&amp;Vocabulary</source>
        <translation>&amp;Vocabulaire</translation>
    </message>
    <message>
        <source>my difficult keys</source>
        <translation>touches pièges</translation>
    </message>
    <message>
        <source>my difficult words</source>
        <translation>mots pièges</translation>
    </message>
    <message>
        <source>Key set for Bubbles</source>
        <translation>Touches pour Bubbles</translation>
    </message>
    <message>
        <source>Vocabulary for WordTris</source>
        <translation>Vocabulaire pour WordTris</translation>
    </message>
    <message>
        <source>Vocabulary for Clouds</source>
        <translation>Vocabulaire pour Clouds</translation>
    </message>
    <message>
        <source>Play Bubbles</source>
        <translation>Jouer à Bubbles</translation>
    </message>
    <message>
        <source>Play WordTris</source>
        <translation>Jouer à WordTris</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Opens the help page.</source>
        <translation>Ouvre la page d&apos;aide.</translation>
    </message>
    <message>
        <source>Alt+Y shows your progress.</source>
        <translation>Alt+Y montre tes progrès.</translation>
    </message>
</context>
<context>
    <name>TGamesView</name>
    <message>
        <source>: the help page is missing from the program&apos;s folder. Installing the program again brings it back.</source>
        <translation>: la page d&apos;aide manque dans le dossier du programme. Réinstaller le programme la remet en place.</translation>
    </message>
    <message>
        <source>: no program was found to show this page. Install a web browser, or open the page in one.</source>
        <translation>: aucun programme n&apos;a été trouvé pour afficher cette page. Installe un navigateur web, ou ouvre la page dans un navigateur.</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>The shared score folder cannot be used (see Errors.log).</source>
        <translation>Le dossier commun des scores est inutilisable (voir Errors.log).</translation>
    </message>
    <message>
        <source>keyvane-games: the program folder cannot be written, and %1; scores will not be kept</source>
        <translation>keyvane-games : impossible d&apos;écrire dans le dossier du programme, et %1 ; les scores ne seront pas gardés</translation>
    </message>
    <message>
        <source>keyvane-games: cannot use the program folder %1: %2</source>
        <translation>keyvane-games : impossible d&apos;utiliser le dossier du programme %1 : %2</translation>
    </message>
    <message>
        <source>Keyvane cannot fit the screen, since your display
area is only 640x480 or smaller. Press Help to</source>
        <translation>Keyvane ne tient pas sur l&apos;écran, car ta zone
d&apos;affichage fait 640x480 ou moins. Appuie sur Aide pour</translation>
    </message>
    <message>
        <source>Keyvane cannot fit the screen at the scale factor %1: your display area is
only %2x%3 of the program&apos;s pixels, and the book needs %4x%5.</source>
        <translation>Keyvane ne tient pas sur l&apos;écran au facteur d&apos;échelle %1 : la zone d&apos;affichage
n&apos;a que %2x%3 pixels du programme, et le livre en demande %4x%5.</translation>
    </message>
    <message>
        <source>Your teacher sees your progress: a copy goes to the class&apos;s folder after each game.</source>
        <translation>Ton enseignant voit tes progrès : une copie va dans le dossier de la classe après chaque partie.</translation>
    </message>
</context>
<context>
    <name>TMissedLcd</name>
    <message>
        <source>Missed: %1 of %2</source>
        <translation>Manqués : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TNewTerm</name>
    <message>
        <source>an archive of %1 exists already (%2): nothing was moved</source>
        <translation>une archive du %1 existe déjà (%2) : rien n&apos;a été déplacé</translation>
    </message>
    <message>
        <source>a copy of the program is saving %1 just now: nothing was moved, try again in a moment</source>
        <translation>une copie du programme enregistre %1 en ce moment : rien n&apos;a été déplacé, réessayez dans un instant</translation>
    </message>
    <message>
        <source>%1 cannot be opened: nothing was moved</source>
        <translation>%1 ne peut pas être ouvert : rien n&apos;a été déplacé</translation>
    </message>
    <message>
        <source>the archive folder %1 cannot be made: nothing was moved</source>
        <translation>le dossier d&apos;archive %1 ne peut pas être créé : rien n&apos;a été déplacé</translation>
    </message>
    <message>
        <source>%1 could not be archived: %2</source>
        <translation>%1 n&apos;a pas pu être archivé : %2</translation>
    </message>
    <message>
        <source>%1 could not be started again: %2</source>
        <translation>%1 n&apos;a pas pu être recommencé : %2</translation>
    </message>
    <message>
        <source>the tables are archived, but %1 could not be moved: %2</source>
        <translation>les tableaux sont archivés, mais %1 n&apos;a pas pu être déplacé : %2</translation>
    </message>
    <message>
        <source>a new term has begun: %1 tables and %2 pupils&apos; copies are in %3</source>
        <translation>un nouveau trimestre a commencé : %1 tableaux et %2 copies d&apos;élèves sont dans %3</translation>
    </message>
</context>
<context>
    <name>TProgressDrawing</name>
    <message>
        <source>M Y   P R O G R E S S</source>
        <translation>M E S   P R O G R È S</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>calm</source>
        <translation>calme</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>chaud</translation>
    </message>
    <message>
        <source>not typed yet</source>
        <translation>jamais tapée</translation>
    </message>
    <message>
        <source>numbers: % errors</source>
        <translation>chiffres&#xa0;: % d&apos;erreurs</translation>
    </message>
    <message>
        <source>Your hardest keys</source>
        <translation>Tes touches les plus difficiles</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>difficulté</translation>
    </message>
    <message>
        <source>errors</source>
        <translation>erreurs</translation>
    </message>
    <message>
        <source>ms / key</source>
        <translation>ms / touche</translation>
    </message>
    <message>
        <source>typed instead</source>
        <translation>tapé à la place</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>aucune partie</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>no keystrokes yet</source>
        <translation>pas encore de frappe</translation>
    </message>
    <message>
        <source>This page fills up as you play: after your first game the keys you find hard turn from pale to dark red, and your hardest keys show here with what you type for them.

Below them come your scores game by game, and your accuracy and speed day by day.</source>
        <translation>Cette page se remplit quand tu joues&#xa0;: après ta première partie, les touches difficiles pour toi passent du rouge pâle au rouge foncé, et tes touches les plus difficiles s&apos;affichent ici avec ce que tu tapes à leur place.

En dessous&#xa0;: tes scores partie par partie, puis ta précision et ta vitesse jour par jour.</translation>
    </message>
    <message>
        <source>Your last %1 games</source>
        <translation>Tes %1 dernières parties</translation>
    </message>
    <message>
        <source>The last %1 days</source>
        <translation>Les %1 derniers jours</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Précision (%)</translation>
    </message>
    <message>
        <source>Speed (characters a minute)</source>
        <translation>Vitesse (signes par minute)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <extracomment>The date format of the progress charts&apos; days (QDate&apos;s format letters): German writes &quot;d. MMM&quot;.</extracomment>
        <translation>d MMM</translation>
    </message>
    <message numerus="yes">
        <source>types %1 for %2: %n time(s)</source>
        <translation>
            <numerusform>%1 au lieu de %2&#xa0;: une fois</numerusform>
            <numerusform>%1 au lieu de %2&#xa0;: %n fois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProgressView</name>
    <message>
        <source>Your last games could not be read: %1.</source>
        <translation>Impossible de lire tes dernières parties&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No games yet: this page fills up as you play.</source>
        <translation>Pas encore de parties : cette page se remplit à mesure que tu joues.</translation>
    </message>
    <message>
        <source>Your hardest keys:</source>
        <translation>Tes touches les plus difficiles :</translation>
    </message>
    <message>
        <source>%1, %2 % errors;</source>
        <translation>%1, %2 % d&apos;erreurs ;</translation>
    </message>
    <message>
        <source>%1 ms per key;</source>
        <translation>%1 ms par touche ;</translation>
    </message>
    <message>
        <source>%1, your last scores: %2.</source>
        <translation>%1, tes derniers scores : %2.</translation>
    </message>
    <message>
        <source>Best this week: %1.</source>
        <translation>Meilleur de la semaine : %1.</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Tes progrès</translation>
    </message>
    <message>
        <source>%1: %2 % right, %3 characters a minute</source>
        <translation>%1 : %2 % de bonnes touches, %3 caractères par minute</translation>
    </message>
    <message>
        <source>%1: %2 % right</source>
        <translation>%1 : %2 % de bonnes touches</translation>
    </message>
    <message>
        <source>No typing in the last %1 days.</source>
        <translation>Aucune frappe ces %1 derniers jours.</translation>
    </message>
    <message>
        <source>Your last %1 days: %2.</source>
        <translation>Tes %1 derniers jours : %2.</translation>
    </message>
    <message>
        <source>key</source>
        <translation>touche</translation>
    </message>
</context>
<context>
    <name>TTopTenView</name>
    <message>
        <source>Shared table in %1</source>
        <translation>Palmarès partagé dans %1</translation>
    </message>
    <message>
        <source>Congratulations: you are number %1 in the top ten. Type your name and press Enter</source>
        <translation>Félicitations : tu es numéro %1 des dix meilleurs. Tape ton nom et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Your score: %1.</source>
        <translation>Ton score : %1.</translation>
    </message>
</context>
<context>
    <name>TWTrisEvent</name>
    <message>
        <source>Press Space! </source>
        <translation>Tape Espace&#xa0;! </translation>
    </message>
</context>
<context>
    <name>TWordTris</name>
    <message>
        <source>To catch the beam, type the word in it and press Space</source>
        <translation>Pour attraper la barre, tape son mot et appuie sur Espace</translation>
    </message>
    <message>
        <source> When the box is full of missed beams, the game is over</source>
        <translation> Quand la boîte est pleine de barres ratées, la partie est finie</translation>
    </message>
    <message>
        <source>To get the best possible score, look at the word display below the box</source>
        <translation>Pour faire le meilleur score, regarde le mot affiché sous la boîte</translation>
    </message>
</context>
<context>
    <name>TtopTen</name>
    <message>
        <source>The network is busy because of other users, do you want to try again?</source>
        <translation>Le réseau est occupé par d&apos;autres utilisateurs, veux-tu réessayer&#xa0;?</translation>
    </message>
    <message>
        <source> Topten open failed.</source>
        <translation> : impossible d&apos;ouvrir le palmarès.</translation>
    </message>
    <message>
        <source> Topten write failed.</source>
        <translation> : impossible d&apos;écrire le palmarès.</translation>
    </message>
    <message>
        <source> is in the way of the table&apos;s lock file and is not a file; ask the administrator to remove it.</source>
        <translation> : cet élément gêne le fichier de verrou du palmarès et n&apos;est pas un fichier ; demande à l&apos;administrateur de le supprimer.</translation>
    </message>
    <message>
        <source> (the table&apos;s lock file) has been held for over a minute; if no copy of the program is saving, ask the administrator to remove it.</source>
        <translation> (le fichier de verrou du palmarès) est occupé depuis plus d&apos;une minute ; si aucune copie du programme n&apos;enregistre, demande à l&apos;administrateur de le supprimer.</translation>
    </message>
    <message>
        <source> is no longer the score folder found at start-up (was the share unmounted?); the table was not saved.</source>
        <translation> : ce n&apos;est plus le dossier des palmarès trouvé au démarrage (le partage a-t-il été démonté ?) ; le palmarès n&apos;a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>keyvane-files</name>
    <message>
        <source>words takes one file</source>
        <translation>words attend un seul fichier</translation>
    </message>
    <message>
        <source>not valid UTF-8, skipped</source>
        <translation>UTF-8 non valide, ignoré</translation>
    </message>
    <message>
        <source>a NUL byte before any character, skipped</source>
        <translation>un octet NUL avant tout caractère, ignoré</translation>
    </message>
    <message>
        <source>holds a NUL byte, only the text before it is the word</source>
        <translation>contient un octet NUL, seul le texte avant lui forme le mot</translation>
    </message>
    <message>
        <source>longer than 255 characters, only its first 255 are the word</source>
        <translation>plus de 255 caractères, seuls les 255 premiers forment le mot</translation>
    </message>
    <message>
        <source>header takes one file</source>
        <translation>header attend un seul fichier</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>impossible de lire l&apos;entrée standard</translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation>UTF-8 non valide</translation>
    </message>
    <message>
        <source>holds a NUL character</source>
        <translation>contient un caractère NUL</translation>
    </message>
    <message>
        <source>starts with &quot;$&quot; and would be read as a header line</source>
        <translation>commence par &quot;$&quot; et serait lu comme une ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>make-vocabulary takes an input and an output file</source>
        <translation>make-vocabulary attend un fichier d&apos;entrée et un fichier de sortie</translation>
    </message>
    <message>
        <source>scores takes one file</source>
        <translation>scores attend un seul fichier</translation>
    </message>
    <message>
        <source>print the words the games load from FILE, one per line</source>
        <translation>affiche les mots que les parties chargent depuis FILE, un par ligne</translation>
    </message>
    <message>
        <source>print the open status and the header fields of FILE</source>
        <translation>affiche l&apos;état d&apos;ouverture et les champs d&apos;en-tête de FILE</translation>
    </message>
    <message>
        <source>write a vocabulary file from a list in UTF-8 or UTF-16 (- reads standard input), at most 250,000
      words, one word or phrase per line; lines that cannot be stored are named and left out</source>
        <translation>écrit un fichier de vocabulaire à partir d&apos;une liste en UTF-8 ou UTF-16 (- lit l&apos;entrée standard),
      250 000 mots au plus, un mot ou une expression par ligne ; les lignes impossibles à stocker
      sont nommées et laissées de côté</translation>
    </message>
    <message>
        <source>print the high-score table of the score file FILE, one tab-separated row per line</source>
        <translation>affiche le palmarès du fichier de scores FILE, une rangée par ligne, champs séparés par des tabulations</translation>
    </message>
    <message>
        <source>print the player&apos;s finished games: date and time, game, key set or vocabulary, score, seconds, keystrokes, errors, level (tab-separated)</source>
        <translation>affiche les parties terminées du joueur : date et heure, partie, série de touches ou vocabulaire, score, secondes, frappes, erreurs, niveau (séparés par des tabulations)</translation>
    </message>
    <message>
        <source>usage: keyvane-files COMMAND ARGUMENTS</source>
        <translation>usage : keyvane-files COMMANDE ARGUMENTS</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>progress --days takes a number of days from 1 to 100000</source>
        <translation>progress --days attend un nombre de jours de 1 à 100000</translation>
    </message>
    <message>
        <source>%1: the name has characters the single-byte code page cannot hold</source>
        <translation>%1 : le nom contient des caractères que la page de codes à un octet ne peut pas représenter</translation>
    </message>
    <message>
        <source>%1: is a folder, not a file</source>
        <translation>%1 : est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier introuvable</translation>
    </message>
    <message>
        <source>%1: cannot be opened for reading</source>
        <translation>%1 : impossible de l&apos;ouvrir en lecture</translation>
    </message>
    <message>
        <source>%1: read failed</source>
        <translation>%1 : échec de la lecture</translation>
    </message>
    <message>
        <source>%1: the header runs past the end of the file</source>
        <translation>%1 : l&apos;en-tête dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the single-byte code page, skipped</source>
        <translation>&quot;%1&quot; ne tient pas dans la page de codes à un octet, ignoré</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1 : ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1: not a regular file (a device or a pipe); give a file, or - for standard input</source>
        <translation>%1 : pas un fichier ordinaire (un périphérique ou un tube) ; donne un fichier, ou - pour l&apos;entrée standard</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB, too large for a word list</source>
        <translation>%1 : plus de 16 Mio, trop gros pour une liste de mots</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the single-byte code page</source>
        <translation>&quot;%1&quot; ne tient pas dans la page de codes à un octet</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus de %1 caractères</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored scrambled</source>
        <translation>&quot;%1&quot; ne peut pas être stocké brouillé</translation>
    </message>
    <message>
        <source>the --%1 value has characters the single-byte code page cannot hold</source>
        <translation>la valeur de --%1 contient des caractères que la page de codes à un octet ne peut pas représenter</translation>
    </message>
    <message>
        <source>the --%1 value holds a line break or NUL</source>
        <translation>la valeur de --%1 contient un saut de ligne ou un NUL</translation>
    </message>
    <message>
        <source>the --%1 value is too long for a header line</source>
        <translation>la valeur de --%1 est trop longue pour une ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>%1: the folder also holds %2, whose name differs only in case; the games list each of them (%3)</source>
        <translation>%1 : le dossier contient aussi %2, dont le nom ne diffère que par la casse ; les deux apparaissent dans les listes des parties (%3)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1: line %2: %3, left out</source>
        <translation>%1 : ligne %2 : %3, laissée de côté</translation>
    </message>
    <message>
        <source>%1: not written, no word to write (%2)</source>
        <translation>%1 : non écrit, aucun mot à écrire (%2)</translation>
    </message>
    <message>
        <source>%1: not written, %2 words are more than the %3 a game starts with at once</source>
        <translation>%1 : non écrit, %2 mots, c&apos;est plus que les %3 qu&apos;une partie charge d&apos;un coup</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1 : impossible de le créer</translation>
    </message>
    <message>
        <source>%1: write failed, nothing kept</source>
        <translation>%1 : échec de l&apos;écriture, rien n&apos;est gardé</translation>
    </message>
    <message>
        <source>%1: cannot be opened for reading (in use, or not a readable file)</source>
        <translation>%1 : impossible de l&apos;ouvrir en lecture (déjà utilisé, ou fichier illisible)</translation>
    </message>
    <message>
        <source>usage: keyvane-files %1</source>
        <translation>usage : keyvane-files %1</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 n&apos;attend aucun argument</translation>
    </message>
    <message>
        <source>no progress stored yet (%1 does not exist)</source>
        <translation>aucun progrès enregistré pour l&apos;instant (%1 n&apos;existe pas)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>no progress stored yet (no keystrokes in %1)</source>
        <translation>aucun progrès enregistré pour l&apos;instant (aucune frappe dans %1)</translation>
    </message>
    <message>
        <source>no games stored yet in %1</source>
        <translation>aucune partie enregistrée pour l&apos;instant dans %1</translation>
    </message>
    <message>
        <source>no keys typed in the last %1 days in %2</source>
        <translation>aucune touche tapée ces %1 derniers jours dans %2</translation>
    </message>
    <message>
        <source>progress --hardest takes a number of keys from 1 to 1000</source>
        <translation>progress --hardest attend un nombre de touches de 1 à 1000</translation>
    </message>
    <message>
        <source>print the class report of the pupils&apos; copies in FOLDER/progress (FOLDER: the configured
      score folder), over the last N days (30), tab-separated, as CSV, or as a PDF to print</source>
        <translation>affiche le rapport de la classe des copies des élèves dans FOLDER/progress (FOLDER : le dossier
      des scores configuré), sur les N derniers jours (30), séparé par des tabulations, en CSV ou en PDF à imprimer</translation>
    </message>
    <message>
        <source>move the class&apos;s tables and pupils&apos; copies into FOLDER/archive/YYYY-MM-DD and start empty tables</source>
        <translation>déplace les tableaux de la classe et les copies des élèves dans FOLDER/archive/AAAA-MM-JJ et commence des tableaux vides</translation>
    </message>
    <message>
        <source>no class folder is configured: name the class&apos;s score folder</source>
        <translation>aucun dossier de classe n&apos;est configuré : indiquez le dossier des scores de la classe</translation>
    </message>
    <message>
        <source>class --days takes a number of days from 1 to 3650</source>
        <translation>class --days attend un nombre de jours de 1 à 3650</translation>
    </message>
    <message>
        <source>class does not take &quot;%1&quot;</source>
        <translation>class n&apos;accepte pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>class takes --csv or --pdf, not both</source>
        <translation>class accepte --csv ou --pdf, pas les deux</translation>
    </message>
    <message>
        <source>%1 has no folder &quot;progress&quot; for the pupils&apos; copies</source>
        <translation>%1 n&apos;a pas de dossier &quot;progress&quot; pour les copies des élèves</translation>
    </message>
    <message>
        <source>%1 cannot be read: only the teacher may read the pupils&apos; copies</source>
        <translation>%1 ne peut pas être lu : seul l&apos;enseignant peut lire les copies des élèves</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <translation>%1 est laissé de côté</translation>
    </message>
    <message>
        <source>new-term takes at most one folder</source>
        <translation>new-term accepte au plus un dossier</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1 : dossier introuvable</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out</source>
        <translation>
            <numerusform>%n ligne laissée de côté</numerusform>
            <numerusform>%n lignes laissées de côté</numerusform>
        </translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>affiche la version</translation>
    </message>
    <message>
        <source>print this text</source>
        <translation>affiche ce texte</translation>
    </message>
    <message>
        <source>print the player&apos;s stored key statistics: character, keystrokes, errors, rating,
      then from the key record error rate (%), ms per right keystroke, the character
      typed instead most often and how often (tab-separated); --days N: the key
      record of the last N days only; --hardest N: the N hardest keys of the key
      record, hardest first: character, difficulty</source>
        <translation>affiche les statistiques de touches enregistrées du joueur : caractère, frappes, erreurs, note,
      puis, d&apos;après le relevé des touches, le taux d&apos;erreur (%), les ms par frappe juste, le caractère
      tapé le plus souvent à la place et combien de fois (séparés par des tabulations) ; --days N :
      le relevé des N derniers jours seulement ; --hardest N : les N touches les plus difficiles du
      relevé, la plus difficile d&apos;abord : caractère, difficulté</translation>
    </message>
</context>
</TS>
