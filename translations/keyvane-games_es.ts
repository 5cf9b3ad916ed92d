<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ChooseWorkingFolder</name>
    <message>
        <source>no home folder is known</source>
        <translation>no se conoce ninguna carpeta personal</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>El archivo ya está abierto</translation>
    </message>
    <message>
        <source>out of memory for file</source>
        <translation>no hay memoria para el archivo</translation>
    </message>
    <message>
        <source>File write error</source>
        <translation>Error al escribir el archivo</translation>
    </message>
    <message>
        <source>File close failed / write failed</source>
        <translation>No se pudo cerrar / escribir el archivo</translation>
    </message>
    <message>
        <source>out of file request</source>
        <translation>no quedan peticiones de archivo</translation>
    </message>
    <message>
        <source>textfile field error</source>
        <translation>error de campo en el archivo de texto</translation>
    </message>
    <message>
        <source>textfile row over 255 char</source>
        <translation>fila del archivo de texto de más de 255 caracteres</translation>
    </message>
    <message>
        <source>wrong file version</source>
        <translation>versión de archivo incorrecta</translation>
    </message>
    <message>
        <source>Error in Main-procedure</source>
        <translation>Error en el procedimiento principal</translation>
    </message>
    <message>
        <source>Error in Event</source>
        <translation>Error en el evento</translation>
    </message>
    <message>
        <source>Time out while opening for exclusive write mode </source>
        <translation>Tiempo agotado al abrir en modo de escritura exclusiva </translation>
    </message>
    <message>
        <source> Time out while opening for write-denied read mode</source>
        <translation> Tiempo agotado al abrir en modo de lectura sin escritura</translation>
    </message>
    <message>
        <source>Database files not found</source>
        <translation>No se encuentran los archivos de la base de datos</translation>
    </message>
    <message>
        <source>Username already exists, new was not be created</source>
        <translation>El nombre de usuario ya existe; no se ha creado uno nuevo</translation>
    </message>
    <message>
        <source>User bookmark vs. Chapter data overflow</source>
        <translation>Desbordamiento entre el marcador del usuario y los datos del capítulo</translation>
    </message>
    <message>
        <source>Contents detected error</source>
        <translation>Se ha detectado un error en el contenido</translation>
    </message>
    <message>
        <source>Contents file description invalid</source>
        <translation>La descripción del archivo de contenido no es válida</translation>
    </message>
    <message>
        <source>User bookmark vs. exercise data overflow</source>
        <translation>Desbordamiento entre el marcador del usuario y los datos del ejercicio</translation>
    </message>
    <message>
        <source>Cannot open User database</source>
        <translation>No se puede abrir la base de datos de usuarios</translation>
    </message>
    <message>
        <source>Warning: Wrong Userbase file version, size mitsmatch</source>
        <translation>Aviso: versión incorrecta del archivo de usuarios, el tamaño no coincide</translation>
    </message>
    <message>
        <source>Problems with network features</source>
        <translation>Problemas con las funciones de red</translation>
    </message>
    <message>
        <source>Problems in Difficult Keys event</source>
        <translation>Problemas en el ejercicio de teclas difíciles</translation>
    </message>
    <message>
        <source>WWW-browser/email software is not properly installed or file extension launch error</source>
        <translation>El navegador o el programa de correo no están bien instalados, o falló la apertura por extensión de archivo</translation>
    </message>
    <message>
        <source>Fatal Contents Error; Program halted</source>
        <translation>Error grave en el contenido; programa detenido</translation>
    </message>
    <message>
        <source>Fatal Introduction file error</source>
        <translation>Error grave en el archivo de introducción</translation>
    </message>
    <message>
        <source>Contents file(s) *.CNT not available, program halted</source>
        <translation>No hay archivos de contenido *.CNT, programa detenido</translation>
    </message>
    <message>
        <source>Error when renaming default userbase to:</source>
        <translation>Error al cambiar el nombre de la base de usuarios predeterminada a:</translation>
    </message>
    <message>
        <source>Error when copying default userbase to:</source>
        <translation>Error al copiar la base de usuarios predeterminada a:</translation>
    </message>
    <message>
        <source>Error when setting default attributes to:</source>
        <translation>Error al poner los atributos predeterminados a:</translation>
    </message>
    <message>
        <source>Windows is currently using Large Fonts setting. Norvik Software requires small fonts.</source>
        <translation>Windows está usando fuentes grandes. Norvik Software necesita fuentes pequeñas.</translation>
    </message>
    <message>
        <source>Unknown error %1</source>
        <translation>Error desconocido %1</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>teclado</translation>
    </message>
    <message>
        <source>letter</source>
        <translation>letra</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>storm</source>
        <translation>tormenta</translation>
    </message>
    <message>
        <source>sunny</source>
        <translation>soleado</translation>
    </message>
</context>
<context>
    <name>ProgressNotice</name>
    <message>
        <source>the folder for it cannot be written</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>other users may write the folder for it</source>
        <translation>otros usuarios pueden escribir en su carpeta</translation>
    </message>
    <message>
        <source>the way to it passes a link of another user</source>
        <translation>su ruta pasa por un enlace de otro usuario</translation>
    </message>
    <message>
        <source>it was saved by a later version of the program</source>
        <translation>lo guardó una versión más nueva del programa</translation>
    </message>
    <message>
        <source>another copy of the program holds it</source>
        <translation>otra copia del programa lo está usando</translation>
    </message>
    <message>
        <source>its file cannot be opened</source>
        <translation>su archivo no se puede abrir</translation>
    </message>
    <message>
        <source>its file cannot be written</source>
        <translation>su archivo no se puede escribir</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>su archivo no se pudo leer</translation>
    </message>
    <message>
        <source>its file is damaged and could not be set aside</source>
        <translation>su archivo está dañado y no se pudo apartar</translation>
    </message>
    <message>
        <source>Your progress shows here after your first game: press Alt+Y to see it.</source>
        <translation>Tu progreso saldrá aquí tras tu primera partida: pulsa Alt+Y para verlo.</translation>
    </message>
    <message>
        <source>Click here or press Alt+Y to see your progress.</source>
        <translation>Haz clic aquí o pulsa Alt+Y para ver tu progreso.</translation>
    </message>
    <message>
        <source>Your progress could not be read just now: %1.</source>
        <translation>Ahora mismo no se puede leer tu progreso: %1.</translation>
    </message>
    <message>
        <source>Your progress cannot be reached just now: %1. Your games are stored at the next chance.</source>
        <translation>Ahora no se puede acceder a tu progreso: %1. Tus partidas se guardarán en cuanto se pueda.</translation>
    </message>
    <message>
        <source>Your progress is not being kept: %1. The games run as usual.</source>
        <translation>Tu progreso no se está guardando: %1. Puedes jugar como siempre.</translation>
    </message>
    <message>
        <source>Your progress file could not be read and was put aside as %1; your progress starts afresh. </source>
        <translation>Tu archivo de progreso no se pudo leer y se apartó como %1; tu progreso empieza de cero. </translation>
    </message>
    <message>
        <source>Your hardest keys: %1. </source>
        <translation>Tus teclas más difíciles: %1. </translation>
    </message>
    <message>
        <source>Best this week: %1. </source>
        <translation>Lo mejor de la semana: %1. </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Speech off.</source>
        <translation>Voz desactivada.</translation>
    </message>
    <message>
        <source>Speech on.</source>
        <translation>Voz activada.</translation>
    </message>
</context>
<context>
    <name>TBookForm</name>
    <message>
        <source>Loading, please wait...</source>
        <translation>Cargando, espera...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Skip forward</source>
        <translation>Saltar adelante</translation>
    </message>
    <message>
        <source>Skip back</source>
        <translation>Saltar atrás</translation>
    </message>
</context>
<context>
    <name>TBubbles</name>
    <message>
        <source>To pop a bubble press the character in it</source>
        <translation>Para reventar una burbuja, pulsa el carácter que lleva dentro</translation>
    </message>
    <message>
        <source> When you have missed six bubbles, the game is over</source>
        <translation> Cuando se te escapen seis burbujas, termina la partida</translation>
    </message>
    <message>
        <source>Red and blue bubbles, which are faster than the green ones, will give you a better score</source>
        <translation>Las burbujas rojas y azules van más rápido que las verdes y te dan más puntos</translation>
    </message>
</context>
<context>
    <name>TClassReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Informe de la clase</translation>
    </message>
    <message>
        <source>%1 pupils, %2</source>
        <translation>%1 alumnos, %2</translation>
    </message>
    <message>
        <source>login</source>
        <translation>usuario</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>games</source>
        <translation>partidas</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>accuracy %</source>
        <translation>precisión %</translation>
    </message>
    <message>
        <source>char./min</source>
        <translation>car./min</translation>
    </message>
    <message>
        <source>hardest keys</source>
        <translation>teclas más difíciles</translation>
    </message>
    <message>
        <source>last played</source>
        <translation>última partida</translation>
    </message>
    <message>
        <source>Progress card, %1: %2 games, %3 minutes</source>
        <translation>Ficha de progreso, %1: %2 partidas, %3 minutos</translation>
    </message>
    <message>
        <source>Last games</source>
        <translation>Últimas partidas</translation>
    </message>
    <message>
        <source>played</source>
        <translation>jugada</translation>
    </message>
    <message>
        <source>game</source>
        <translation>juego</translation>
    </message>
    <message>
        <source>key set or vocabulary</source>
        <translation>teclas o vocabulario</translation>
    </message>
    <message>
        <source>score</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>no se puede escribir el archivo</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>is larger than %1 MB, no progress file is</source>
        <translation>ocupa más de %1 MB, ningún archivo de progreso es tan grande</translation>
    </message>
    <message>
        <source>is no plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>is not a progress file (%1)</source>
        <translation>no es un archivo de progreso (%1)</translation>
    </message>
    <message>
        <source>is damaged (%1)</source>
        <translation>está dañado (%1)</translation>
    </message>
    <message>
        <source>was not written by the user %1</source>
        <translation>no lo escribió el usuario %1</translation>
    </message>
    <message>
        <source>types %1 for %2</source>
        <translation>escribe %1 por %2</translation>
    </message>
    <message>
        <source>accuracy change</source>
        <translation>cambio de precisión</translation>
    </message>
    <message>
        <source>characters a minute</source>
        <translation>caracteres por minuto</translation>
    </message>
    <message>
        <source>speed change</source>
        <translation>cambio de velocidad</translation>
    </message>
    <message>
        <source>most frequent confusion</source>
        <translation>confusión más frecuente</translation>
    </message>
    <message>
        <source>the class&apos;s hardest keys</source>
        <translation>teclas más difíciles de la clase</translation>
    </message>
    <message>
        <source>error rate %</source>
        <translation>tasa de errores %</translation>
    </message>
    <message>
        <source>keystrokes</source>
        <translation>pulsaciones</translation>
    </message>
    <message>
        <source>pupils it troubles</source>
        <translation>alumnos a los que cuesta</translation>
    </message>
    <message>
        <source>the class&apos;s most frequent confusions</source>
        <translation>confusiones más frecuentes de la clase</translation>
    </message>
    <message>
        <source>times</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>pupils</source>
        <translation>alumnos</translation>
    </message>
</context>
<context>
    <name>TCloudGame</name>
    <message>
        <source>To move between clouds press Enter/Space (next) or Backspace (previous)</source>
        <translation>Para cambiar de nube pulsa Enter/Espacio (siguiente) o Retroceso (anterior)</translation>
    </message>
    <message>
        <source>To catch a cloud move to it, type the word below it and press Space or Enter</source>
        <translation>Para atrapar una nube, ve hasta ella, escribe la palabra de debajo y pulsa Espacio o Enter</translation>
    </message>
    <message>
        <source>Try not to miss stormy clouds - after six missed ones the game is over</source>
        <translation>No dejes escapar las nubes de tormenta: si se escapan seis, termina la partida</translation>
    </message>
    <message>
        <source>Sunny clouds will give you a great bonus, so try to catch as many of them as possible</source>
        <translation>Las nubes con sol te dan muchos puntos extra: ¡atrapa todas las que puedas!</translation>
    </message>
    <message>
        <source>stormy</source>
        <translation>tormenta</translation>
    </message>
    <message>
        <source>sunny</source>
        <translation>soleado</translation>
    </message>
</context>
<context>
    <name>TCustomGameEvent</name>
    <message>
        <source>Press any key</source>
        <translation>Pulsa una tecla</translation>
    </message>
    <message>
        <source>to begin.</source>
        <translation>para empezar.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>Press Enter to continue.</source>
        <translation>Pulsa Enter para seguir.</translation>
    </message>
    <message>
        <source>Press any key to begin.</source>
        <translation>Pulsa una tecla para empezar.</translation>
    </message>
</context>
<context>
    <name>TEvent</name>
    <message>
        <source>You haven&apos;t finished this exercise yet, proceed anyway?</source>
        <translation>Aún no has terminado este ejercicio. ¿Quieres seguir de todos modos?</translation>
    </message>
</context>
<context>
    <name>TEventViewStg</name>
    <message>
        <source>T O P   T E N</source>
        <translation>L O S   1 0   M E J O R E S</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>¡Enhorabuena!</translation>
    </message>
</context>
<context>
    <name>TEventsStg</name>
    <message>
        <source>Use Enter and Backspace to move back and forth between clouds.</source>
        <translation>Usa Enter y Retroceso para ir de una nube a otra.</translation>
    </message>
    <message>
        <source>Sunny clouds will give you a great bonus, so try to catch as many of them as possible.</source>
        <translation>Las nubes con sol te dan muchos puntos extra: ¡atrapa todas las que puedas!</translation>
    </message>
    <message>
        <source>Type the highlighted word</source>
        <translation>Teclea la palabra marcada</translation>
    </message>
    <message>
        <source>to begin</source>
        <translation>para empezar</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Perdidas</translation>
    </message>
</context>
<context>
    <name>TFormView</name>
    <message>
        <source>Destroying an active view!</source>
        <translation>¡Se está destruyendo una vista activa!</translation>
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
        <translation>Versión 4.5</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>J&amp;ugar</translation>
    </message>
    <message>
        <source>Play Clouds</source>
        <translation>Juega a Clouds</translation>
    </message>
    <message>
        <source>V&amp;ocabulary</source>
        <translation>V&amp;ocabulario</translation>
    </message>
    <message>
        <source>St&amp;art</source>
        <translation>Ju&amp;gar</translation>
    </message>
    <message>
        <source>Keyvane products can help you to improve your typing skills - find out how!</source>
        <translation>Los productos Keyvane te ayudan a escribir mejor con el teclado: ¡descubre cómo!</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Tip: keep your fingers on the home row (a s d f - j k l ;) and look at the screen, not at the keys. Alt+S, Alt+T and Alt+A start the games.</source>
        <translation>Truco: deja los dedos en la fila guía (a s d f - j k l ñ) y mira la pantalla, no las teclas. Alt+J, Alt+U y Alt+G empiezan los juegos.</translation>
    </message>
    <message>
        <source>Play &amp;Bubbles</source>
        <translation>Juega a &amp;Bubbles</translation>
    </message>
    <message>
        <source>With &amp;Keys</source>
        <translation>Con las &amp;teclas</translation>
    </message>
    <message>
        <source>Play &amp;WordTris</source>
        <translation>Juega a &amp;WordTris</translation>
    </message>
    <message>
        <source>&amp;Vocabulary</source>
        <translation>&amp;Vocabulario</translation>
    </message>
    <message>
        <source>my difficult keys</source>
        <translation>teclas difíciles</translation>
    </message>
    <message>
        <source>my difficult words</source>
        <translation>palabras difíciles</translation>
    </message>
    <message>
        <source>Key set for Bubbles</source>
        <translation>Teclas para Bubbles</translation>
    </message>
    <message>
        <source>Vocabulary for WordTris</source>
        <translation>Vocabulario para WordTris</translation>
    </message>
    <message>
        <source>Vocabulary for Clouds</source>
        <translation>Vocabulario para Clouds</translation>
    </message>
    <message>
        <source>Play Bubbles</source>
        <translation>Jugar a Bubbles</translation>
    </message>
    <message>
        <source>Play WordTris</source>
        <translation>Jugar a WordTris</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Opens the help page.</source>
        <translation>Abre la página de ayuda.</translation>
    </message>
    <message>
        <source>Alt+Y shows your progress.</source>
        <translation>Alt+Y muestra tu progreso.</translation>
    </message>
</context>
<context>
    <name>TGamesView</name>
    <message>
        <source>: the help page is missing from the program&apos;s folder. Installing the program again brings it back.</source>
        <translation>: falta la página de ayuda en la carpeta del programa. Al volver a instalar el programa vuelve a estar.</translation>
    </message>
    <message>
        <source>: no program was found to show this page. Install a web browser, or open the page in one.</source>
        <translation>: no se ha encontrado ningún programa para mostrar esta página. Instala un navegador web o abre la página en uno.</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>The shared score folder cannot be used (see Errors.log).</source>
        <translation>No se puede usar la carpeta compartida de puntos (mira Errors.log).</translation>
    </message>
    <message>
        <source>keyvane-games: the program folder cannot be written, and %1; scores will not be kept</source>
        <translation>keyvane-games: no se puede escribir en la carpeta del programa, y %1; los puntos no se guardarán</translation>
    </message>
    <message>
        <source>keyvane-games: cannot use the program folder %1: %2</source>
        <translation>keyvane-games: no se puede usar la carpeta del programa %1: %2</translation>
    </message>
    <message>
        <source>Keyvane cannot fit the screen, since your display
area is only 640x480 or smaller. Press Help to</source>
        <translation>Keyvane no cabe en la pantalla, porque tu pantalla
mide solo 640x480 o menos. Pulsa Ayuda para</translation>
    </message>
    <message>
        <source>Keyvane cannot fit the screen at the scale factor %1: your display area is
only %2x%3 of the program&apos;s pixels, and the book needs %4x%5.</source>
        <translation>Keyvane no cabe en la pantalla con el factor de escala %1: el área de la pantalla
solo tiene %2x%3 píxeles del programa, y el libro necesita %4x%5.</translation>
    </message>
    <message>
        <source>Your teacher sees your progress: a copy goes to the class&apos;s folder after each game.</source>
        <translation>Tu profesor ve tu progreso: después de cada partida, una copia va a la carpeta de la clase.</translation>
    </message>
</context>
<context>
    <name>TMissedLcd</name>
    <message>
        <source>Missed: %1 of %2</source>
        <translation>Perdidos: %1 de %2</translation>
    </message>
</context>
<context>
    <name>TNewTerm</name>
    <message>
        <source>an archive of %1 exists already (%2): nothing was moved</source>
        <translation>ya existe un archivo del %1 (%2): no se ha movido nada</translation>
    </message>
    <message>
        <source>a copy of the program is saving %1 just now: nothing was moved, try again in a moment</source>
        <translation>una copia del programa está guardando %1 ahora mismo: no se ha movido nada, inténtelo de nuevo en un momento</translation>
    </message>
    <message>
        <source>%1 cannot be opened: nothing was moved</source>
        <translation>no se puede abrir %1: no se ha movido nada</translation>
    </message>
    <message>
        <source>the archive folder %1 cannot be made: nothing was moved</source>
        <translation>no se puede crear la carpeta de archivo %1: no se ha movido nada</translation>
    </message>
    <message>
        <source>%1 could not be archived: %2</source>
        <translation>no se pudo archivar %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be started again: %2</source>
        <translation>no se pudo empezar de nuevo %1: %2</translation>
    </message>
    <message>
        <source>the tables are archived, but %1 could not be moved: %2</source>
        <translation>las tablas están archivadas, pero no se pudo mover %1: %2</translation>
    </message>
    <message>
        <source>a new term has begun: %1 tables and %2 pupils&apos; copies are in %3</source>
        <translation>ha empezado un nuevo trimestre: %1 tablas y %2 copias de alumnos están en %3</translation>
    </message>
</context>
<context>
    <name>TProgressDrawing</name>
    <message>
        <source>M Y   P R O G R E S S</source>
        <translation>M I   P R O G R E S O</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>calm</source>
        <translation>frío</translation>
    </message>
    <message>
        <source>hot</source>
        <translation>fuego</translation>
    </message>
    <message>
        <source>not typed yet</source>
        <translation>sin teclear</translation>
    </message>
    <message>
        <source>numbers: % errors</source>
        <translation>cifras: % de errores</translation>
    </message>
    <message>
        <source>Your hardest keys</source>
        <translation>Tus teclas más difíciles</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>dificultad</translation>
    </message>
    <message>
        <source>errors</source>
        <translation>errores</translation>
    </message>
    <message>
        <source>ms / key</source>
        <translation>ms / tecla</translation>
    </message>
    <message>
        <source>typed instead</source>
        <translation>pulsada en su lugar</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>aún sin partidas</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>mejor %1</translation>
    </message>
    <message>
        <source>no keystrokes yet</source>
        <translation>aún sin pulsaciones</translation>
    </message>
    <message>
        <source>This page fills up as you play: after your first game the keys you find hard turn from pale to dark red, and your hardest keys show here with what you type for them.

Below them come your scores game by game, and your accuracy and speed day by day.</source>
        <translation>Esta página se llena mientras juegas: tras tu primera partida, las teclas que te cuestan pasan de rojo claro a rojo oscuro, y aquí salen tus teclas más difíciles con lo que pulsas en su lugar.

Debajo verás tus puntos partida a partida, y tu precisión y tu velocidad día a día.</translation>
    </message>
    <message>
        <source>Your last %1 games</source>
        <translation>Tus últimas %1 partidas</translation>
    </message>
    <message>
        <source>The last %1 days</source>
        <translation>Los últimos %1 días</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisión (%)</translation>
    </message>
    <message>
        <source>Speed (characters a minute)</source>
        <translation>Velocidad (caracteres/min)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <extracomment>The date format of the progress charts&apos; days (QDate&apos;s format letters): German writes &quot;d. MMM&quot;.</extracomment>
        <translation>d MMM</translation>
    </message>
    <message numerus="yes">
        <source>types %1 for %2: %n time(s)</source>
        <translation>
            <numerusform>%1 por %2: una vez</numerusform>
            <numerusform>%1 por %2: %n veces</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProgressView</name>
    <message>
        <source>Your last games could not be read: %1.</source>
        <translation>No se pudieron leer tus últimas partidas: %1.</translation>
    </message>
    <message>
        <source>No games yet: this page fills up as you play.</source>
        <translation>Aún no hay partidas: esta página se llena a medida que juegas.</translation>
    </message>
    <message>
        <source>Your hardest keys:</source>
        <translation>Tus teclas más difíciles:</translation>
    </message>
    <message>
        <source>%1, %2 % errors;</source>
        <translation>%1, %2 % de errores;</translation>
    </message>
    <message>
        <source>%1 ms per key;</source>
        <translation>%1 ms por tecla;</translation>
    </message>
    <message>
        <source>%1, your last scores: %2.</source>
        <translation>%1, tus últimas puntuaciones: %2.</translation>
    </message>
    <message>
        <source>Best this week: %1.</source>
        <translation>Mejor de la semana: %1.</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Tu progreso</translation>
    </message>
    <message>
        <source>%1: %2 % right, %3 characters a minute</source>
        <translation>%1: %2 % de aciertos, %3 caracteres por minuto</translation>
    </message>
    <message>
        <source>%1: %2 % right</source>
        <translation>%1: %2 % de aciertos</translation>
    </message>
    <message>
        <source>No typing in the last %1 days.</source>
        <translation>Nada escrito en los últimos %1 días.</translation>
    </message>
    <message>
        <source>Your last %1 days: %2.</source>
        <translation>Tus últimos %1 días: %2.</translation>
    </message>
    <message>
        <source>key</source>
        <translation>tecla</translation>
    </message>
</context>
<context>
    <name>TTopTenView</name>
    <message>
        <source>Shared table in %1</source>
        <translation>Tabla compartida en %1</translation>
    </message>
    <message>
        <source>Congratulations: you are number %1 in the top ten. Type your name and press Enter</source>
        <translation>Enhorabuena: eres el número %1 de los diez mejores. Escribe tu nombre y pulsa Intro</translation>
    </message>
    <message>
        <source>Your score: %1.</source>
        <translation>Tu puntuación: %1.</translation>
    </message>
</context>
<context>
    <name>TWTrisEvent</name>
    <message>
        <source>Press Space! </source>
        <translation>¡Pulsa Espacio! </translation>
    </message>
</context>
<context>
    <name>TWordTris</name>
    <message>
        <source>To catch the beam, type the word in it and press Space</source>
        <translation>Para atrapar la barra, escribe la palabra que lleva y pulsa Espacio</translation>
    </message>
    <message>
        <source> When the box is full of missed beams, the game is over</source>
        <translation> Cuando la caja se llene de barras perdidas, termina la partida</translation>
    </message>
    <message>
        <source>To get the best possible score, look at the word display below the box</source>
        <translation>Para sacar más puntos, mira la lista de palabras debajo de la caja</translation>
    </message>
</context>
<context>
    <name>TtopTen</name>
    <message>
        <source>The network is busy because of other users, do you want to try again?</source>
        <translation>La red está ocupada por otros usuarios. ¿Quieres intentarlo otra vez?</translation>
    </message>
    <message>
        <source> Topten open failed.</source>
        <translation> No se pudo abrir la tabla de los 10 mejores.</translation>
    </message>
    <message>
        <source> Topten write failed.</source>
        <translation> No se pudo escribir la tabla de los 10 mejores.</translation>
    </message>
    <message>
        <source> is in the way of the table&apos;s lock file and is not a file; ask the administrator to remove it.</source>
        <translation> está en el lugar del archivo de bloqueo de la tabla y no es un archivo; pide al administrador que lo borre.</translation>
    </message>
    <message>
        <source> (the table&apos;s lock file) has been held for over a minute; if no copy of the program is saving, ask the administrator to remove it.</source>
        <translation> (el archivo de bloqueo de la tabla) lleva más de un minuto ocupado; si ninguna copia del programa está guardando, pide al administrador que lo borre.</translation>
    </message>
    <message>
        <source> is no longer the score folder found at start-up (was the share unmounted?); the table was not saved.</source>
        <translation> ya no es la carpeta de las tablas que se encontró al iniciar (¿se desconectó la carpeta compartida?); la tabla no se guardó.</translation>
    </message>
</context>
<context>
    <name>keyvane-files</name>
    <message>
        <source>words takes one file</source>
        <translation>words necesita un archivo</translation>
    </message>
    <message>
        <source>not valid UTF-8, skipped</source>
        <translation>no es UTF-8 válido, se omite</translation>
    </message>
    <message>
        <source>a NUL byte before any character, skipped</source>
        <translation>un byte NUL antes de cualquier carácter, se omite</translation>
    </message>
    <message>
        <source>holds a NUL byte, only the text before it is the word</source>
        <translation>contiene un byte NUL, solo el texto anterior es la palabra</translation>
    </message>
    <message>
        <source>longer than 255 characters, only its first 255 are the word</source>
        <translation>más de 255 caracteres, solo los 255 primeros son la palabra</translation>
    </message>
    <message>
        <source>header takes one file</source>
        <translation>header necesita un archivo</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>no se puede leer la entrada estándar</translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation>no es UTF-8 válido</translation>
    </message>
    <message>
        <source>holds a NUL character</source>
        <translation>contiene un carácter NUL</translation>
    </message>
    <message>
        <source>starts with &quot;$&quot; and would be read as a header line</source>
        <translation>empieza por &quot;$&quot; y se leería como una línea de cabecera</translation>
    </message>
    <message>
        <source>make-vocabulary takes an input and an output file</source>
        <translation>make-vocabulary necesita un archivo de entrada y uno de salida</translation>
    </message>
    <message>
        <source>scores takes one file</source>
        <translation>scores necesita un archivo</translation>
    </message>
    <message>
        <source>print the words the games load from FILE, one per line</source>
        <translation>muestra las palabras que los juegos cargan de FILE, una por línea</translation>
    </message>
    <message>
        <source>print the open status and the header fields of FILE</source>
        <translation>muestra el estado de apertura y los campos de cabecera de FILE</translation>
    </message>
    <message>
        <source>write a vocabulary file from a list in UTF-8 or UTF-16 (- reads standard input), at most 250,000
      words, one word or phrase per line; lines that cannot be stored are named and left out</source>
        <translation>escribe un archivo de vocabulario a partir de una lista en UTF-8 o UTF-16 (- lee la entrada estándar), como
      mucho 250.000 palabras, una palabra o frase por línea; las líneas que no se pueden guardar se nombran y se omiten</translation>
    </message>
    <message>
        <source>print the high-score table of the score file FILE, one tab-separated row per line</source>
        <translation>muestra la tabla de los 10 mejores del archivo de puntos FILE, una fila por línea separada por tabuladores</translation>
    </message>
    <message>
        <source>print the player&apos;s finished games: date and time, game, key set or vocabulary, score, seconds, keystrokes, errors, level (tab-separated)</source>
        <translation>muestra las partidas terminadas del jugador: fecha y hora, juego, grupo de teclas o vocabulario, puntos, segundos, pulsaciones, errores, nivel (separados por tabuladores)</translation>
    </message>
    <message>
        <source>usage: keyvane-files COMMAND ARGUMENTS</source>
        <translation>uso: keyvane-files ORDEN ARGUMENTOS</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha dado ninguna orden</translation>
    </message>
    <message>
        <source>progress --days takes a number of days from 1 to 100000</source>
        <translation>progress --days necesita un número de días de 1 a 100000</translation>
    </message>
    <message>
        <source>%1: the name has characters the single-byte code page cannot hold</source>
        <translation>%1: el nombre tiene caracteres que la página de códigos de un byte no admite</translation>
    </message>
    <message>
        <source>%1: is a folder, not a file</source>
        <translation>%1: es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no existe ese archivo</translation>
    </message>
    <message>
        <source>%1: cannot be opened for reading</source>
        <translation>%1: no se puede abrir para leer</translation>
    </message>
    <message>
        <source>%1: read failed</source>
        <translation>%1: falló la lectura</translation>
    </message>
    <message>
        <source>%1: the header runs past the end of the file</source>
        <translation>%1: la cabecera pasa del final del archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the single-byte code page, skipped</source>
        <translation>&quot;%1&quot; no cabe en la página de códigos de un byte, se omite</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: línea %2: %3</translation>
    </message>
    <message>
        <source>%1: not a regular file (a device or a pipe); give a file, or - for standard input</source>
        <translation>%1: no es un archivo normal (es un dispositivo o una tubería); indica un archivo, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB, too large for a word list</source>
        <translation>%1: más de 16 MiB, demasiado grande para una lista de palabras</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the single-byte code page</source>
        <translation>&quot;%1&quot; no cabe en la página de códigos de un byte</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>más de %1 caracteres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored scrambled</source>
        <translation>&quot;%1&quot; no se puede guardar codificado</translation>
    </message>
    <message>
        <source>the --%1 value has characters the single-byte code page cannot hold</source>
        <translation>el valor de --%1 tiene caracteres que la página de códigos de un byte no admite</translation>
    </message>
    <message>
        <source>the --%1 value holds a line break or NUL</source>
        <translation>el valor de --%1 contiene un salto de línea o NUL</translation>
    </message>
    <message>
        <source>the --%1 value is too long for a header line</source>
        <translation>el valor de --%1 es demasiado largo para una línea de cabecera</translation>
    </message>
    <message>
        <source>%1: the folder also holds %2, whose name differs only in case; the games list each of them (%3)</source>
        <translation>%1: la carpeta también contiene %2, cuyo nombre solo cambia en mayúsculas y minúsculas; los juegos muestran los dos (%3)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1: line %2: %3, left out</source>
        <translation>%1: línea %2: %3, omitida</translation>
    </message>
    <message>
        <source>%1: not written, no word to write (%2)</source>
        <translation>%1: no escrito, no hay ninguna palabra que escribir (%2)</translation>
    </message>
    <message>
        <source>%1: not written, %2 words are more than the %3 a game starts with at once</source>
        <translation>%1: no escrito, %2 palabras son más que las %3 que una partida carga de una vez</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: no se puede crear</translation>
    </message>
    <message>
        <source>%1: write failed, nothing kept</source>
        <translation>%1: falló la escritura, no se ha guardado nada</translation>
    </message>
    <message>
        <source>%1: cannot be opened for reading (in use, or not a readable file)</source>
        <translation>%1: no se puede abrir para leer (está en uso o no se puede leer)</translation>
    </message>
    <message>
        <source>usage: keyvane-files %1</source>
        <translation>uso: keyvane-files %1</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 no admite argumentos</translation>
    </message>
    <message>
        <source>no progress stored yet (%1 does not exist)</source>
        <translation>aún no hay progreso guardado (%1 no existe)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>no progress stored yet (no keystrokes in %1)</source>
        <translation>aún no hay progreso guardado (no hay pulsaciones en %1)</translation>
    </message>
    <message>
        <source>no games stored yet in %1</source>
        <translation>aún no hay partidas guardadas en %1</translation>
    </message>
    <message>
        <source>no keys typed in the last %1 days in %2</source>
        <translation>ninguna tecla escrita en los últimos %1 días en %2</translation>
    </message>
    <message>
        <source>progress --hardest takes a number of keys from 1 to 1000</source>
        <translation>progress --hardest necesita un número de teclas de 1 a 1000</translation>
    </message>
    <message>
        <source>print the class report of the pupils&apos; copies in FOLDER/progress (FOLDER: the configured
      score folder), over the last N days (30), tab-separated, as CSV, or as a PDF to print</source>
        <translation>muestra el informe de la clase de las copias de los alumnos en FOLDER/progress (FOLDER: la carpeta
      de puntuaciones configurada), de los últimos N días (30), separado por tabuladores, en CSV o en PDF para imprimir</translation>
    </message>
    <message>
        <source>move the class&apos;s tables and pupils&apos; copies into FOLDER/archive/YYYY-MM-DD and start empty tables</source>
        <translation>mueve las tablas de la clase y las copias de los alumnos a FOLDER/archive/AAAA-MM-DD y empieza tablas vacías</translation>
    </message>
    <message>
        <source>no class folder is configured: name the class&apos;s score folder</source>
        <translation>no hay ninguna carpeta de clase configurada: indique la carpeta de puntuaciones de la clase</translation>
    </message>
    <message>
        <source>class --days takes a number of days from 1 to 3650</source>
        <translation>class --days espera un número de días de 1 a 3650</translation>
    </message>
    <message>
        <source>class does not take &quot;%1&quot;</source>
        <translation>class no admite &quot;%1&quot;</translation>
    </message>
    <message>
        <source>class takes --csv or --pdf, not both</source>
        <translation>class admite --csv o --pdf, no ambos</translation>
    </message>
    <message>
        <source>%1 has no folder &quot;progress&quot; for the pupils&apos; copies</source>
        <translation>%1 no tiene carpeta &quot;progress&quot; para las copias de los alumnos</translation>
    </message>
    <message>
        <source>%1 cannot be read: only the teacher may read the pupils&apos; copies</source>
        <translation>no se puede leer %1: solo el profesor puede leer las copias de los alumnos</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <translation>se deja fuera %1</translation>
    </message>
    <message>
        <source>new-term takes at most one folder</source>
        <translation>new-term admite como mucho una carpeta</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: no existe la carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out</source>
        <translation>
            <numerusform>%n línea omitida</numerusform>
            <numerusform>%n líneas omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>muestra la versión</translation>
    </message>
    <message>
        <source>print this text</source>
        <translation>muestra este texto</translation>
    </message>
    <message>
        <source>print the player&apos;s stored key statistics: character, keystrokes, errors, rating,
      then from the key record error rate (%), ms per right keystroke, the character
      typed instead most often and how often (tab-separated); --days N: the key
      record of the last N days only; --hardest N: the N hardest keys of the key
      record, hardest first: character, difficulty</source>
        <translation>muestra las estadísticas de teclas guardadas del jugador: carácter, pulsaciones, errores, nota,
      y del registro de teclas la tasa de error (%), los ms por pulsación correcta, el carácter tecleado
      en su lugar con más frecuencia y cuántas veces (separadas por tabuladores); --days N: el registro
      de los últimos N días solamente; --hardest N: las N teclas más difíciles del registro, la más
      difícil primero: carácter, dificultad</translation>
    </message>
</context>
</TS>
