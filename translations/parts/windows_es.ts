<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>quadrino::AboutBox</name>
    <message>
        <source>Quadrino - About</source>
        <translation>Acerca de Quadrino</translation>
    </message>
    <message>
        <source>The board with one pawn of each colour and two dice</source>
        <translation>El tablero con una ficha de cada color y dos dados</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Made by %1</source>
        <translation>Creado por %1</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>No se puede abrir la página web</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>quadrino::CheckImage</name>
    <message>
        <source>checked, Space unchecks it</source>
        <translation>marcada, Espacio la desmarca</translation>
    </message>
    <message>
        <source>not checked, Space checks it</source>
        <translation>sin marcar, Espacio la marca</translation>
    </message>
</context>
<context>
    <name>quadrino::GameOptionsDialog</name>
    <message>
        <source>3 Double Penalty</source>
        <translation>Castigo por 3 dobles</translation>
    </message>
    <message>
        <source>Passing Allowed</source>
        <translation>Se permite pasar</translation>
    </message>
    <message>
        <source>Blocking Allowed</source>
        <translation>Se permiten barreras</translation>
    </message>
    <message>
        <source>Limit Blocks To:</source>
        <translation>Límite barreras:</translation>
    </message>
    <message>
        <source>setting to 0 allows unlimited blocking</source>
        <extracomment>The accessible description reads the note from its first &quot;0&quot; on, so keep the 0 where that reads as a sentence.</extracomment>
        <translation>El valor 0 permite barreras sin límite</translation>
    </message>
    <message>
        <source>Pouncing Allowed</source>
        <translation>Se permite comer</translation>
    </message>
    <message>
        <source>Full Game</source>
        <translation>Partida completa</translation>
    </message>
    <message>
        <source>Bots will fill empty seats</source>
        <translation>Bots en sitios libres</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Por equipos</translation>
    </message>
    <message>
        <source>Quadrino - Game Start</source>
        <translation>Quadrino - Inicio de partida</translation>
    </message>
    <message>
        <source>Quadrino Game Options</source>
        <translation>Opciones de Quadrino</translation>
    </message>
    <message>
        <source>Start Game (Enter)</source>
        <translation>Iniciar partida (Intro)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>turns; %1</source>
        <translation>turnos; %1</translation>
    </message>
</context>
<context>
    <name>quadrino::HelpWindow</name>
    <message>
        <source>Quadrino - Help File</source>
        <translation>Quadrino - Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>quadrino::LinkLabel</name>
    <message>
        <source>Open in your web browser</source>
        <translation>Abrir en el navegador web</translation>
    </message>
</context>
<context>
    <name>quadrino::LobbyAdvert</name>
    <message>
        <source>Please close the game and open the Kestrun Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Cierra el juego y abre Kestrun Lobby con el icono del escritorio o desde el menú de inicio.</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Se ha producido un error.</translation>
    </message>
    <message>
        <source>Download The Kestrun Lobby</source>
        <translation>Descargar Kestrun Lobby</translation>
    </message>
    <message>
        <source>Quadrino logo</source>
        <translation>Logotipo de Quadrino</translation>
    </message>
    <message>
        <source>Download The Kestrun Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>¡Descarga ya Kestrun Lobby para jugar en línea a este y a otros juegos emocionantes con otros jugadores!</translation>
    </message>
    <message>
        <source>Download And Install The Kestrun Lobby Now</source>
        <translation>Instalar Kestrun Lobby ya</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Detener descarga</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para ir al juego sin poder jugar contra otros, pulsa el botón de abajo.</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Nota: aunque juegues sin conexión, tendrás que configurar tu CORTAFUEGOS para que el juego pueda acceder a los componentes de Internet.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar en solitario</translation>
    </message>
    <message>
        <source>If you already have The Kestrun Lobby and you wish to play with others then click the button below to close this game and open The Kestrun Lobby.</source>
        <translation>Si ya tienes Kestrun Lobby y quieres jugar con otros, pulsa el botón de abajo para cerrar este juego y abrir Kestrun Lobby.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>This copy of Quadrino was built without the address of the lobby&apos;s download page.</source>
        <translation>Esta copia de Quadrino se compiló sin la dirección de la página de descarga del lobby.</translation>
    </message>
    <message>
        <source>Look for The Kestrun Lobby at %1.</source>
        <translation>Busca Kestrun Lobby en %1.</translation>
    </message>
    <message>
        <source>The download page is open in your web browser.</source>
        <translation>La página de descarga está abierta en tu navegador web.</translation>
    </message>
    <message>
        <source>Download and install The Kestrun Lobby from there.</source>
        <translation>Descarga e instala Kestrun Lobby desde allí.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga cancelada</translation>
    </message>
    <message>
        <source>No web browser could be started. The download page is %1</source>
        <translation>No se pudo abrir ningún navegador web. La página de descarga es %1</translation>
    </message>
</context>
<context>
    <name>quadrino::PhraseEditor</name>
    <message>
        <source>Quadrino - Phrase Buttons </source>
        <translation>Quadrino - Botones de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Los botones solo se pueden usar cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>quadrino::SpyListWindow</name>
    <message>
        <source>Quadrino - Spys</source>
        <translation>Quadrino - Espectadores</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Expulsar de la partida</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>quadrino::TallyWindow</name>
    <message>
        <source>Quadrino  - Tally List</source>
        <translation>Quadrino - Marcador</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Victorias:</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Reiniciar marcador</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jugadores de esta partida</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores en el marcador</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas en total:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Tus victorias</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Número de partidas</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Ninguno de los dos:</translation>
    </message>
    <message>
        <source>The unreadable tally file was kept as %1; a new tally is started.</source>
        <translation>El archivo de marcador ilegible se ha guardado como %1; se empieza un marcador nuevo.</translation>
    </message>
    <message>
        <source>The unreadable tally file could not be moved aside, so it is left as it is and this run&apos;s tally will not be saved.</source>
        <translation>El archivo de marcador ilegible no se pudo apartar, así que se deja como está y el marcador de esta sesión no se guardará.</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Esto borrará el marcador de %1. ¿Seguro que quieres borrarlo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Marcador de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres reiniciar el marcador?</translation>
    </message>
</context>
</TS>
