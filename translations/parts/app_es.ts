<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Launch</name>
    <message>
        <source>A dice race for up to four players over the network. Without arguments, a solo game against computer players on this machine.</source>
        <translation>Una carrera de dados para hasta cuatro jugadores en red. Sin argumentos, una partida en solitario contra jugadores del ordenador en este equipo.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Host or join on TCP port N instead of %1 (0 to 65535; when hosting, 0 picks a free one).</source>
        <translation>Organiza o se une en el puerto TCP N en lugar de %1 (de 0 a 65535; al organizar, 0 elige uno libre).</translation>
    </message>
    <message>
        <source>Multiply the timers of the game this copy hosts by F (above 0, at most 100).</source>
        <translation>Multiplica por F los temporizadores de la partida que organiza esta copia (mayor que 0, como mucho 100).</translation>
    </message>
    <message>
        <source>Start the hosted game's dice from N (0 to 4294967295); without it the dice come from the system's random source.</source>
        <translation>Inicia los dados de la partida organizada desde N (de 0 a 4294967295); sin esta opción, los dados salen de la fuente aleatoria del sistema.</translation>
    </message>
    <message>
        <source>Your name at the table.</source>
        <translation>Tu nombre en la mesa.</translation>
    </message>
    <message>
        <source>The host's address (kept, not used, when hosting).</source>
        <translation>La dirección del anfitrión (al organizar se guarda, pero no se usa).</translation>
    </message>
    <message>
        <source>true hosts the game; any other word joins the game at the address. With only a name, or a name and an address, the window waits without connecting.</source>
        <translation>true organiza la partida; cualquier otra palabra se une a la partida de esa dirección. Con solo un nombre, o un nombre y una dirección, la ventana espera sin conectarse.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
</context>
<context>
    <name>NetworkAddresses</name>
    <message>
        <source>%1 port %2</source>
        <translation>%1 puerto %2</translation>
    </message>
    <message>
        <source>This computer has no network address but its own, so only it can join for now (port %1).</source>
        <translation>Este ordenador no tiene más dirección de red que la suya propia, así que por ahora solo él puede unirse (puerto %1).</translation>
    </message>
    <message>
        <source>Others can join this game at: %1.</source>
        <translation>Otros pueden unirse a esta partida en: %1.</translation>
    </message>
    <message>
        <source> A firewall on this computer must let in TCP port %1.</source>
        <translation> Un cortafuegos en este ordenador debe dejar pasar el puerto TCP %1.</translation>
    </message>
</context>
<context>
    <name>quadrino::ClientSession</name>
    <message>
        <source>the connection was refused; no game is hosted there</source>
        <translation>se rechazó la conexión; allí no se organiza ninguna partida</translation>
    </message>
    <message>
        <source>no computer has that name or address</source>
        <translation>ningún ordenador tiene ese nombre o esa dirección</translation>
    </message>
    <message>
        <source>the address cannot be reached (%1)</source>
        <translation>no se puede llegar a la dirección (%1)</translation>
    </message>
    <message>
        <source>The host sent more than this client can take; the connection was closed.</source>
        <translation>El anfitrión envió más de lo que este programa puede aceptar; se cerró la conexión.</translation>
    </message>
    <message>
        <source>the host did not answer within %1 seconds</source>
        <translation>el anfitrión no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene una versión del juego distinta de la tuya.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes una versión del juego distinta de la del anfitrión.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está completa</translation>
    </message>
</context>
<context>
    <name>quadrino::GameLauncher</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida en solitario... Espera, por favor.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador... Espera, por favor.</translation>
    </message>
    <message>
        <source>Unable to connect to your own game on this machine.</source>
        <translation>No se puede conectar con tu propia partida en este equipo.</translation>
    </message>
    <message>
        <source>Unable to host a game on port %1: %2. Host again from the File menu.</source>
        <translation>No se puede organizar una partida en el puerto %1: %2. Vuelve a organizarla desde el menú Archivo.</translation>
    </message>
    <message>
        <source>Cannot host a game here because port %1 is in use on this machine.</source>
        <translation>No se puede organizar una partida aquí porque el puerto %1 está en uso en este equipo.</translation>
    </message>
    <message>
        <source>Port %1 is in use on this machine, perhaps by another game of Quadrino.

You can host on another port, join the game on port %1, or stay idle and choose later from the File menu.</source>
        <translation>El puerto %1 está en uso en este equipo, quizá por otra partida de Quadrino.

Puedes organizar en otro puerto, unirte a la partida del puerto %1 o quedarte inactivo y elegir más tarde en el menú Archivo.</translation>
    </message>
    <message>
        <source>Host on Port %1</source>
        <translation>Organizar en el puerto %1</translation>
    </message>
    <message>
        <source>Host on Another Port...</source>
        <translation>Organizar en otro puerto...</translation>
    </message>
    <message>
        <source>Join the Game There</source>
        <translation>Unirse a esa partida</translation>
    </message>
    <message>
        <source>Stay Idle</source>
        <translation>Quedarse inactivo</translation>
    </message>
    <message>
        <source>Not hosting. Host or join a game from the File menu.</source>
        <translation>No se organiza ninguna partida. Organiza una o únete a otra desde el menú Archivo.</translation>
    </message>
    <message>
        <source>You are hosting a game in progress; leaving ends it for every player. Leave the game?</source>
        <translation>Organizas una partida en curso; si la dejas, termina para todos los jugadores. ¿Dejar la partida?</translation>
    </message>
    <message>
        <source>A game is in progress. Leave the game?</source>
        <translation>Hay una partida en curso. ¿Dejar la partida?</translation>
    </message>
    <message>
        <source>Hosting a network game as %1.. Please Wait.</source>
        <translation>Organizando una partida en red como %1... Espera, por favor.</translation>
    </message>
    <message>
        <source>Joining the game at %1 port %2.. Please Wait.</source>
        <translation>Uniéndose a la partida en %1 puerto %2... Espera, por favor.</translation>
    </message>
    <message>
        <source>The connection to the game has closed. Host or join a game from the File menu to play again.</source>
        <translation>La conexión con la partida se ha cerrado. Organiza una partida o únete a otra desde el menú Archivo para volver a jugar.</translation>
    </message>
    <message>
        <source>Unable to join %1: every seat of that game is taken.</source>
        <translation>No se puede unir a %1: todos los puestos de esa partida están ocupados.</translation>
    </message>
    <message>
        <source>your own game</source>
        <translation>tu propia partida</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1 puerto %2</translation>
    </message>
    <message>
        <source>Unable to join %1: %2. Check the address and port, then try again from the File menu.</source>
        <translation>No se puede unir a %1: %2. Comprueba la dirección y el puerto, y vuelve a intentarlo desde el menú Archivo.</translation>
    </message>
</context>
<context>
    <name>quadrino::GameRecordView</name>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro de partida</translation>
    </message>
    <message>
        <source>Latest event</source>
        <translation>Último suceso</translation>
    </message>
    <message>
        <source>Game log</source>
        <translation>Registro de partida</translation>
    </message>
    <message>
        <source>Game summary</source>
        <translation>Resumen de la partida</translation>
    </message>
    <message>
        <source>Places and figures of each seat</source>
        <translation>Puestos y cifras de cada jugador</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>En meta</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Dobles</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Capturas</translation>
    </message>
    <message>
        <source>Captured</source>
        <translation>Capturadas</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Penalizaciones</translation>
    </message>
    <message>
        <source>Bonus moves</source>
        <translation>Bonificaciones</translation>
    </message>
    <message>
        <source>The dice's total against the seven two dice average per roll</source>
        <translation>El total de los dados frente a la media de siete por tirada con dos dados</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Save Game Log...</source>
        <translation>Guardar registro...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Save Game Log</source>
        <translation>Guardar registro de partida</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>quadrino::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar partida</translation>
    </message>
    <message>
        <source>&amp;Host Network Game...</source>
        <translation>&amp;Organizar partida en red...</translation>
    </message>
    <message>
        <source>&amp;Join Network Game...</source>
        <translation>&amp;Unirse a partida en red...</translation>
    </message>
    <message>
        <source>Save Game &amp;Log...</source>
        <translation>&amp;Guardar registro de partida...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Play &amp;Sounds</source>
        <translation>Reproducir &amp;sonidos</translation>
    </message>
    <message>
        <source>Play C&amp;hatter Sounds</source>
        <translation>Reproducir sonidos del &amp;chat</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>Sonido de &amp;turno</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Bot Speed</source>
        <translation>&amp;Velocidad de los bots</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>Bot L&amp;evel</source>
        <translation>&amp;Nivel de los bots</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>&amp;Fuerte</translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation>C&amp;olor del texto</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>T&amp;amaño del texto</translation>
    </message>
    <message>
        <source>Scroll Chat O&amp;ff</source>
        <translation>&amp;Desactivar desplazamiento del chat</translation>
    </message>
    <message>
        <source>C&amp;lear Main Chat</source>
        <translation>&amp;Borrar chat</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>&amp;Restablecer posición de la ventana</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>Solo &amp;mirar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Ver &amp;marcador</translation>
    </message>
    <message>
        <source>S&amp;py List</source>
        <translation>Lista de &amp;espectadores</translation>
    </message>
    <message>
        <source>P&amp;hrase List</source>
        <translation>Lista de &amp;frases</translation>
    </message>
    <message>
        <source>&amp;Game Log</source>
        <translation>&amp;Registro de partida</translation>
    </message>
    <message>
        <source>&amp;Animations</source>
        <translation>&amp;Animaciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>quadrino::MainWindow</name>
    <message>
        <source>Cannot open Webpage</source>
        <translation>No se puede abrir la página web</translation>
    </message>
    <message>
        <source>Only the copy that hosts the game runs its computer players.</source>
        <translation>Solo la copia que organiza la partida maneja sus jugadores del ordenador.</translation>
    </message>
    <message>
        <source>A game is in progress. Start a new game?</source>
        <translation>Hay una partida en curso. ¿Iniciar una partida nueva?</translation>
    </message>
</context>
<context>
    <name>quadrino::NetworkGameDialog</name>
    <message>
        <source>Quadrino - Host Network Game</source>
        <translation>Quadrino - Organizar partida en red</translation>
    </message>
    <message>
        <source>Quadrino - Join Network Game</source>
        <translation>Quadrino - Unirse a partida en red</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>name or IP address of the hosting computer</source>
        <translation>nombre o dirección IP del ordenador anfitrión</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Dirección del anfitrión:</translation>
    </message>
    <message>
        <source>any free port</source>
        <translation>cualquier puerto libre</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
</context>
<context>
    <name>quadrino::PreferencesStore</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
</TS>