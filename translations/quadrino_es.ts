<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>GameLog</name>
    <message>
        <source>start</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>casilla %1</translation>
    </message>
    <message>
        <source>%1 (%2) joined.</source>
        <translation>%1 (%2) se ha unido.</translation>
    </message>
    <message>
        <source>%1 is watching as a spectator.</source>
        <translation>%1 mira como espectador.</translation>
    </message>
    <message>
        <source>%1 stopped watching.</source>
        <translation>%1 ha dejado de mirar.</translation>
    </message>
    <message>
        <source>%1 (%2) left; %3, the computer, plays on.</source>
        <translation>%1 (%2) se ha ido; %3, el ordenador, sigue jugando.</translation>
    </message>
    <message>
        <source>%1 (%2) left.</source>
        <translation>%1 (%2) se ha ido.</translation>
    </message>
    <message>
        <source>%1 started a new game.</source>
        <translation>%1 ha empezado una partida nueva.</translation>
    </message>
    <message>
        <source>You joined a game in progress.</source>
        <translation>Te has unido a una partida en curso.</translation>
    </message>
    <message>
        <source>Turn of %1 (%2).</source>
        <translation>Turno de %1 (%2).</translation>
    </message>
    <message>
        <source>%1 (%2) rolled doubles: %3 and %4.</source>
        <translation>%1 (%2) ha sacado dobles: %3 y %4.</translation>
    </message>
    <message>
        <source>%1 (%2) rolled %3 and %4.</source>
        <translation>%1 (%2) ha sacado %3 y %4.</translation>
    </message>
    <message>
        <source>%1 (%2) moved pawn %3 from %4 home, spending %6 (%7), and earned a bonus of 10.</source>
        <translation>%1 (%2) ha llevado la ficha %3 de %4 a la meta con %6 (%7) y ha ganado una bonificación de 10.</translation>
    </message>
    <message>
        <source>%1 (%2) moved pawn %3 from %4 to %5, spending %6 (%7).</source>
        <translation>%1 (%2) ha movido la ficha %3 de %4 a %5 con %6 (%7).</translation>
    </message>
    <message>
        <source>%1 (%2) sent pawn %5 of %3 (%4) back to start and earned a bonus of 20.</source>
        <translation>%1 (%2) se ha comido la ficha %5 de %3 (%4) y ha ganado una bonificación de 20.</translation>
    </message>
    <message>
        <source>%1 (%2) rolls again for the doubles.</source>
        <translation>%1 (%2) vuelve a tirar por los dobles.</translation>
    </message>
    <message>
        <source>%1 (%2) has no valid move.</source>
        <translation>%1 (%2) no tiene ningún movimiento válido.</translation>
    </message>
    <message>
        <source>%1 (%2) passed.</source>
        <translation>%1 (%2) ha pasado.</translation>
    </message>
    <message>
        <source>%1 (%2) rolled doubles a third time (%3 and %4): pawn %5 goes back to start.</source>
        <translation>%1 (%2) ha sacado dobles por tercera vez (%3 y %4): la ficha %5 vuelve a casa.</translation>
    </message>
    <message>
        <source>%1 (%2) rolled doubles a third time (%3 and %4): no pawn on the track to lose.</source>
        <translation>%1 (%2) ha sacado dobles por tercera vez (%3 y %4): no tiene ninguna ficha en el recorrido que perder.</translation>
    </message>
    <message>
        <source>The block of %1 (%2) outlasted the limit: pawn %3 goes back to start.</source>
        <translation>La barrera de %1 (%2) ha superado el límite: la ficha %3 vuelve a casa.</translation>
    </message>
    <message>
        <source>The block of pawn %1 reaches the limit at your next turn: move one of its pawns.</source>
        <translation>La barrera de la ficha %1 llega al límite en tu próximo turno: mueve una de sus fichas.</translation>
    </message>
    <message>
        <source>%1 and %2 won the game as partners.</source>
        <translation>%1 y %2 han ganado la partida en equipo.</translation>
    </message>
    <message>
        <source>%1 (%2) won the game.</source>
        <translation>%1 (%2) ha ganado la partida.</translation>
    </message>
    <message>
        <source>%1 (%2) is just watching; the computer plays the seat.</source>
        <translation>%1 (%2) solo mira; el ordenador juega por su puesto.</translation>
    </message>
    <message>
        <source>%1 (%2) is playing again.</source>
        <translation>%1 (%2) vuelve a jugar.</translation>
    </message>
    <message>
        <source>The %1 seat sits this game out.</source>
        <translation>El puesto %1 no juega esta partida.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>&lt;p&gt;Quadrino is a dice race for two to four players: each player brings four pawns from their nest once round the board and up their own home column, and the first to get all four pawns home wins (in a team game, the first pair of partners to get all eight home).&lt;/p&gt;&lt;p&gt;Play a solo game against the computer, or host a game on your computer (&lt;b&gt;File &amp;gt; Host Network Game...&lt;/b&gt;) and let friends join it over the network (&lt;b&gt;File &amp;gt; Join Network Game...&lt;/b&gt;).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quadrino es una carrera de dados para dos a cuatro jugadores: cada jugador lleva sus cuatro fichas desde su casa dando una vuelta al tablero y subiendo por su propio pasillo hasta la meta, y gana el primero que mete sus cuatro fichas en la meta (en una partida por equipos, la primera pareja que mete las ocho).&lt;/p&gt;&lt;p&gt;Juega en solitario contra el ordenador, u organiza una partida en tu ordenador (&lt;b&gt;Archivo &amp;gt; Organizar partida en red...&lt;/b&gt;) y deja que tus amigos se unan a ella por la red (&lt;b&gt;Archivo &amp;gt; Unirse a partida en red...&lt;/b&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Playing alone&lt;/h3&gt;&lt;p&gt;Started on its own, without a name and an address, Quadrino plays a solo game: your computer hosts the game, you sit in the yellow seat as &amp;ldquo;You&amp;rdquo;, and the computer plays the other seats. A small window first offers The Kestrun Lobby; choose &lt;b&gt;Play Solo Game&lt;/b&gt; to go on. Then choose &lt;b&gt;File &amp;gt; Start Game&lt;/b&gt; (&lt;b&gt;Ctrl+N&lt;/b&gt;), or the &lt;b&gt;Start Game&lt;/b&gt; button on the board, pick the game options and start.&lt;/p&gt;&lt;p&gt;Without &lt;b&gt;Full Game&lt;/b&gt; you play against one computer player; tick it to play against three.&lt;/p&gt;&lt;p&gt;A solo game is yours alone: it listens only on your computer&apos;s own address, 127.0.0.1, so nobody else can join it and no firewall needs opening. It never gets in the way of a network game either: when port 7772 is taken, it picks a free port by itself.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Jugar en solitario&lt;/h3&gt;&lt;p&gt;Si se inicia por sí solo, sin nombre ni dirección, Quadrino juega una partida en solitario: tu ordenador organiza la partida, tú te sientas en el puesto amarillo como &amp;laquo;You&amp;raquo; y el ordenador juega los demás puestos. Primero una pequeña ventana te ofrece The Kestrun Lobby; elige &lt;b&gt;Jugar en solitario&lt;/b&gt; para continuar. Después elige &lt;b&gt;Archivo &amp;gt; Iniciar partida&lt;/b&gt; (&lt;b&gt;Ctrl+N&lt;/b&gt;) o el botón &lt;b&gt;Iniciar partida&lt;/b&gt; del tablero, escoge las opciones de juego y empieza.&lt;/p&gt;&lt;p&gt;Sin &lt;b&gt;Partida completa&lt;/b&gt; juegas contra un jugador del ordenador; márcala para jugar contra tres.&lt;/p&gt;&lt;p&gt;Una partida en solitario es solo tuya: escucha únicamente en la dirección propia de tu ordenador, 127.0.0.1, así que nadie más puede unirse y no hace falta abrir ningún cortafuegos. Tampoco estorba nunca a una partida en red: si el puerto 7772 está ocupado, busca ella misma un puerto libre.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hosting a game&lt;/h3&gt;&lt;p&gt;&lt;b&gt;File &amp;gt; Host Network Game...&lt;/b&gt; asks for your name and the port to host on (7772 unless you change it); both are remembered for the next time. The game you are in is left first, and while a game is in progress Quadrino asks before leaving it. You sit in the yellow seat, and the chat lists the addresses of your computer that the others can join on, with the port. Tell them one of those.&lt;/p&gt;&lt;p&gt;If the port is already in use on this computer, the chat says so (for example &amp;ldquo;port 7772 is in use on this machine&amp;rdquo;), and Quadrino offers to host on another port, to join the game that is already there, or to stay idle until you choose again from the &lt;b&gt;File&lt;/b&gt; menu.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Organizar una partida&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Archivo &amp;gt; Organizar partida en red...&lt;/b&gt; te pide tu nombre y el puerto en el que organizarla (7772 si no lo cambias); ambos se recuerdan para la próxima vez. Primero se abandona la partida en la que estás y, si hay una en curso, Quadrino pregunta antes de abandonarla. Tú te sientas en el puesto amarillo, y el chat muestra las direcciones de tu ordenador a las que pueden unirse los demás, con el puerto. Diles una de ellas.&lt;/p&gt;&lt;p&gt;Si el puerto ya está en uso en este ordenador, el chat lo dice (por ejemplo &amp;laquo;port 7772 is in use on this machine&amp;raquo;), y Quadrino te ofrece organizarla en otro puerto, unirte a la partida que ya está allí o quedarte a la espera hasta que vuelvas a elegir en el menú &lt;b&gt;Archivo&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Joining a game&lt;/h3&gt;&lt;p&gt;&lt;b&gt;File &amp;gt; Join Network Game...&lt;/b&gt; asks for your name, the host&apos;s address (a host name or an IP address) and its port (7772 unless the host chose another); all three are remembered. As when hosting, the game you are in is left first, after a question while it is in progress. If the game cannot be joined (nobody hosts at that address and port, a firewall is in the way, every seat is taken), the chat says why, and Quadrino stays open so you can try again from the &lt;b&gt;File&lt;/b&gt; menu.&lt;/p&gt;&lt;p&gt;The hosting player plays yellow; the next players to arrive get green, magenta and red. Up to five more people can watch as spectators (&amp;ldquo;spys&amp;rdquo;); anyone after that is told &amp;ldquo;Game is full&amp;rdquo;. When the copy that hosts the game closes, the game ends for everybody.&lt;/p&gt;&lt;p&gt;Every copy must be the same version (see &lt;b&gt;About&lt;/b&gt;). A player with a different version can still join, but the host and that player both see a warning in the chat.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Unirse a una partida&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Archivo &amp;gt; Unirse a partida en red...&lt;/b&gt; te pide tu nombre, la dirección del anfitrión (un nombre de máquina o una dirección IP) y su puerto (7772 salvo que el anfitrión haya elegido otro); los tres se recuerdan. Igual que al organizar, primero se abandona la partida en la que estás, tras una pregunta si está en curso. Si no es posible unirse a la partida (nadie organiza en esa dirección y puerto, un cortafuegos lo impide, todos los puestos están ocupados), el chat dice por qué, y Quadrino sigue abierto para que lo intentes de nuevo desde el menú &lt;b&gt;Archivo&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;El anfitrión juega con amarillo; los siguientes jugadores en llegar reciben verde, magenta y rojo. Hasta cinco personas más pueden mirar como espectadores (&amp;laquo;spys&amp;raquo;); a quien llegue después se le dice &amp;laquo;Game is full&amp;raquo;. Cuando se cierra el Quadrino que organiza la partida, la partida termina para todos.&lt;/p&gt;&lt;p&gt;Todos deben tener la misma versión (consulta &lt;b&gt;Acerca de&lt;/b&gt;). Un jugador con otra versión puede unirse igualmente, pero tanto el anfitrión como ese jugador ven un aviso en el chat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Who starts the game&lt;/h3&gt;&lt;p&gt;Only the hosting player starts games (&lt;b&gt;File &amp;gt; Start Game&lt;/b&gt;, &lt;b&gt;Ctrl+N&lt;/b&gt;, or the &lt;b&gt;Start Game&lt;/b&gt; button) and can remove a player (right-click the player&apos;s name). In a copy that hosts, that is its own player, in the yellow seat. Everyone else finds &lt;b&gt;Start Game&lt;/b&gt; greyed out.&lt;/p&gt;&lt;p&gt;A dedicated host, &lt;code&gt;quadrino-host&lt;/code&gt;, runs a game without a window on a computer that is always on (see &lt;code&gt;man quadrino-host&lt;/code&gt;). Its owner is the first player to join it from the owner&apos;s address, which is the host&apos;s own computer unless it was started with &lt;code&gt;--owner-address&lt;/code&gt; followed by your address. Joined as its owner you get the &lt;b&gt;Start Game&lt;/b&gt; button and menu exactly as in a copy that hosts. The others join it as they join any game.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quién inicia la partida&lt;/h3&gt;&lt;p&gt;Solo el anfitrión inicia partidas (&lt;b&gt;Archivo &amp;gt; Iniciar partida&lt;/b&gt;, &lt;b&gt;Ctrl+N&lt;/b&gt; o el botón &lt;b&gt;Iniciar partida&lt;/b&gt;) y puede expulsar a un jugador (clic derecho en su nombre). En un Quadrino que organiza la partida, ese es su propio jugador, en el puesto amarillo. Los demás ven &lt;b&gt;Iniciar partida&lt;/b&gt; desactivado.&lt;/p&gt;&lt;p&gt;Un servidor dedicado, &lt;code&gt;quadrino-host&lt;/code&gt;, ejecuta una partida sin ventana en un ordenador que está siempre encendido (consulta &lt;code&gt;man quadrino-host&lt;/code&gt;). Su propietario es el primer jugador que se une desde la dirección del propietario, que es el propio ordenador del servidor salvo que se haya iniciado con &lt;code&gt;--owner-address&lt;/code&gt; seguido de tu dirección. Si te unes como propietario, tienes el botón y el menú &lt;b&gt;Iniciar partida&lt;/b&gt; exactamente igual que en un Quadrino que organiza. Los demás se unen como a cualquier otra partida.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;From the lobby or a terminal&lt;/h3&gt;&lt;p&gt;The Kestrun Lobby can start Quadrino for everybody with the right settings. You can also start it from a terminal:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;code&gt;quadrino NAME ADDRESS true&lt;/code&gt; hosts a game under the name NAME (the address is not used when hosting).&lt;/li&gt;&lt;li&gt;&lt;code&gt;quadrino NAME ADDRESS join&lt;/code&gt; joins the game hosted at ADDRESS, a host name or an IP address. Any last word other than &lt;code&gt;true&lt;/code&gt; joins.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Desde el lobby o un terminal&lt;/h3&gt;&lt;p&gt;The Kestrun Lobby puede iniciar Quadrino para todos con los ajustes adecuados. También puedes iniciarlo desde un terminal:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;code&gt;quadrino NAME ADDRESS true&lt;/code&gt; organiza una partida con el nombre NAME (al organizar no se usa la dirección).&lt;/li&gt;&lt;li&gt;&lt;code&gt;quadrino NAME ADDRESS join&lt;/code&gt; se une a la partida organizada en ADDRESS, un nombre de máquina o una dirección IP. Cualquier última palabra que no sea &lt;code&gt;true&lt;/code&gt; sirve para unirse.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hosting: open TCP port 7772&lt;/h3&gt;&lt;p&gt;Players join the host on TCP port 7772 (or the port the host chose), so the host&apos;s computer must accept incoming connections on that port. Players who only join need to open nothing. The commands below are for port 7772; put in your own port if you host on another.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;ufw&lt;/b&gt; (Ubuntu, Linux Mint and others):&lt;br&gt;&lt;code&gt;sudo ufw allow 7772/tcp&lt;/code&gt;&lt;/li&gt;&lt;li&gt;&lt;b&gt;firewalld&lt;/b&gt; (Fedora, openSUSE, Red Hat and others):&lt;br&gt;&lt;code&gt;sudo firewall-cmd --permanent --add-port=7772/tcp&lt;/code&gt;&lt;br&gt;&lt;code&gt;sudo firewall-cmd --reload&lt;/code&gt;&lt;/li&gt;&lt;li&gt;&lt;b&gt;A home router:&lt;/b&gt; players on your own home network join with your computer&apos;s address on that network. Players out on the internet reach you through your router: in its settings page, under &amp;ldquo;port forwarding&amp;rdquo; (sometimes &amp;ldquo;virtual server&amp;rdquo;), forward TCP port 7772 to your computer&apos;s address on the home network, then give them your router&apos;s internet address.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Organizar: abre el puerto TCP 7772&lt;/h3&gt;&lt;p&gt;Los jugadores se unen al anfitrión por el puerto TCP 7772 (o el que haya elegido el anfitrión), así que el ordenador del anfitrión debe aceptar conexiones entrantes en ese puerto. Quien solo se une no tiene que abrir nada. Los comandos de abajo son para el puerto 7772; pon el tuyo si organizas en otro.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;ufw&lt;/b&gt; (Ubuntu, Linux Mint y otros):&lt;br&gt;&lt;code&gt;sudo ufw allow 7772/tcp&lt;/code&gt;&lt;/li&gt;&lt;li&gt;&lt;b&gt;firewalld&lt;/b&gt; (Fedora, openSUSE, Red Hat y otros):&lt;br&gt;&lt;code&gt;sudo firewall-cmd --permanent --add-port=7772/tcp&lt;/code&gt;&lt;br&gt;&lt;code&gt;sudo firewall-cmd --reload&lt;/code&gt;&lt;/li&gt;&lt;li&gt;&lt;b&gt;Un router doméstico:&lt;/b&gt; los jugadores de tu propia red doméstica se unen con la dirección de tu ordenador en esa red. Los jugadores de fuera, en Internet, llegan a ti a través de tu router: en su página de configuración, en &amp;laquo;reenvío de puertos&amp;raquo; (a veces &amp;laquo;servidor virtual&amp;raquo;), redirige el puerto TCP 7772 a la dirección de tu ordenador en la red doméstica y luego dales la dirección de Internet de tu router.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The aim&lt;/h3&gt;&lt;p&gt;Each player has four pawns of one colour: yellow, green, magenta or red. Bring all four from your nest round the 68-square track, up the seven squares of your home column and onto your home square. The first player to get all four pawns home wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;El objetivo&lt;/h3&gt;&lt;p&gt;Cada jugador tiene cuatro fichas de un color: amarillo, verde, magenta o rojo. Lleva las cuatro desde tu casa por el recorrido de 68 casillas, sube por las siete casillas de tu pasillo y entra en tu casilla de meta. Gana el primer jugador que mete sus cuatro fichas en la meta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Your turn&lt;/h3&gt;&lt;p&gt;When the status line says &amp;ldquo;Your Turn.&amp;rdquo;, the dice move to your corner: click them to roll. Each die is a move of its own, or both together can move one pawn by their sum. Click one of your pawns and a marker appears on every square it can reach with what you have left; click a marker to move there. A right click on a pawn clears the markers.&lt;/p&gt;&lt;p&gt;Your turn goes on until none of what you rolled or won can be used; whatever cannot be used is lost. If a move is refused, a note on the board says why.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tu turno&lt;/h3&gt;&lt;p&gt;Cuando la línea de estado indica que es tu turno, los dados pasan a tu esquina: haz clic en ellos para tirar. Cada dado es un movimiento por sí mismo, o los dos juntos pueden mover una ficha su suma. Haz clic en una de tus fichas y aparece una marca en cada casilla a la que puede llegar con lo que te queda; haz clic en una marca para moverla allí. Un clic derecho en una ficha quita las marcas.&lt;/p&gt;&lt;p&gt;Tu turno sigue hasta que ya no se puede usar nada de lo que has sacado o ganado; lo que no se puede usar se pierde. Si se rechaza un movimiento, una nota en el tablero dice por qué.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering the board&lt;/h3&gt;&lt;p&gt;A pawn leaves its nest only on a five: a die showing five, or two dice that add up to five. It enters on your start square, the square in your colour. Clicking a pawn in the nest while you have a five enters it at once.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Salir al tablero&lt;/h3&gt;&lt;p&gt;Una ficha solo sale de su casa con un cinco: un dado que muestra cinco, o dos dados que suman cinco. Sale a tu casilla de salida, la casilla de tu color. Si haces clic en una ficha de la casa cuando tienes un cinco, sale enseguida.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Doubles&lt;/h3&gt;&lt;p&gt;When both dice show the same number you get that number four times: the two dice and two extra amounts beside them. Each can be used alone, or the two dice together and the two extras together. When you have moved, you roll again. With the three doubles penalty on, a third doubles in a row is not played: your pawn furthest along the track (not one in your home column) goes back to its nest, and the turn passes on.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Dobles&lt;/h3&gt;&lt;p&gt;Cuando los dos dados muestran el mismo número, obtienes ese número cuatro veces: los dos dados y dos valores extra a su lado. Cada uno se puede usar por separado, o los dos dados juntos y los dos extras juntos. Cuando has movido, vuelves a tirar. Con la penalización por tres dobles activada, un tercer doble seguido no se juega: tu ficha más avanzada en el recorrido (no una de tu pasillo) vuelve a su casa, y el turno pasa al siguiente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Safe squares&lt;/h3&gt;&lt;p&gt;The squares marked with a diamond, the four start squares among them, are safe: no pawn can be captured there, and you cannot land on one where another player&apos;s pawn stands. You may land there on a pawn of your own only, to make a block.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Seguros&lt;/h3&gt;&lt;p&gt;Las casillas marcadas con un rombo, entre ellas las cuatro casillas de salida, son seguros: allí no se puede comer ninguna ficha, y no puedes caer en una donde haya una ficha de otro jugador. Solo puedes caer allí sobre una ficha tuya, para formar una barrera.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Capturing and the 20-square bonus&lt;/h3&gt;&lt;p&gt;With pouncing on, landing exactly on a lone pawn of another player on a square that is not safe captures it: it goes back to its nest, and you win a bonus of 20 squares to move any one of your pawns this turn. A pawn entering onto your start square also captures a lone pawn of another player standing there. You never capture your team partner. With pouncing off you cannot land on another player&apos;s pawn at all.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Comer y la bonificación de 20 casillas&lt;/h3&gt;&lt;p&gt;Con comer permitido, caer exactamente sobre una ficha sola de otro jugador en una casilla que no es segura la come: vuelve a su casa, y tú ganas una bonificación de 20 casillas para mover cualquiera de tus fichas en este turno. Una ficha que sale a tu casilla de salida también come una ficha sola de otro jugador que esté allí. Nunca comes a tu compañero de equipo. Sin comer permitido no puedes caer en absoluto sobre una ficha de otro jugador.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Blocks&lt;/h3&gt;&lt;p&gt;With blocking on, two of your pawns may share a square and form a block. No pawn can pass or land on a square that holds two pawns, your own pawns included. A block cannot move as a unit: two pawns that stood together when your turn began cannot meet again on an ordinary square in that turn, only on a safe square. With blocking off, no square but a home square ever holds two pawns.&lt;/p&gt;&lt;p&gt;The block limit sets how many of your turns a block may stand through; the turn in which it was made does not count. When a warning flashes on a block as your turn begins, this is the last turn to break it up: if it still stands when your next turn begins, one of its pawns goes back to its nest.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Barreras&lt;/h3&gt;&lt;p&gt;Con barreras permitidas, dos de tus fichas pueden compartir casilla y formar una barrera. Ninguna ficha puede pasar ni caer en una casilla con dos fichas, tampoco las tuyas. Una barrera no puede moverse en bloque: dos fichas que estaban juntas al empezar tu turno no pueden volver a juntarse en ese turno en una casilla normal, solo en un seguro. Sin barreras permitidas, ninguna casilla salvo la de meta tiene nunca dos fichas.&lt;/p&gt;&lt;p&gt;El límite de barreras fija durante cuántos de tus turnos puede mantenerse una barrera; el turno en que se formó no cuenta. Cuando un aviso parpadea en una barrera al empezar tu turno, es el último turno para abrirla: si sigue en pie al empezar tu siguiente turno, una de sus fichas vuelve a su casa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Passing&lt;/h3&gt;&lt;p&gt;With passing on, a &lt;b&gt;Pass&lt;/b&gt; button appears after you roll: it ends your turn without moving. You cannot pass twice in a row; after a pass you must move a pawn before you may pass again. A pass on doubles still gives you the next roll.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Pasar&lt;/h3&gt;&lt;p&gt;Con pasar permitido, aparece un botón &lt;b&gt;Pasar&lt;/b&gt; después de tirar: termina tu turno sin mover. No puedes pasar dos veces seguidas; después de pasar debes mover una ficha antes de poder pasar otra vez. Si pasas con dobles, vuelves a tirar igualmente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Home and the 10-square bonus&lt;/h3&gt;&lt;p&gt;After going round, a pawn turns into your home column. It reaches the home square only with the exact count; a larger number cannot be used on it. Each pawn that gets home wins you a bonus of 10 squares for another pawn.&lt;/p&gt;&lt;p&gt;Bonuses appear as tokens beside the board. You can hold up to three of each kind; a fourth of the same kind is lost. Like the dice, they are lost if they cannot be used before the turn ends.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La meta y la bonificación de 10 casillas&lt;/h3&gt;&lt;p&gt;Tras dar la vuelta, una ficha entra en tu pasillo. Solo llega a la casilla de meta con la cuenta exacta; un número mayor no se puede usar con ella. Cada ficha que llega a la meta te da una bonificación de 10 casillas para otra ficha.&lt;/p&gt;&lt;p&gt;Las bonificaciones aparecen como símbolos junto al tablero. Puedes guardar hasta tres de cada tipo; una cuarta del mismo tipo se pierde. Igual que los dados, se pierden si no se pueden usar antes de que acabe el turno.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Teams&lt;/h3&gt;&lt;p&gt;In a team game yellow and green play together against magenta and red; partners sit opposite each other. Partners never capture each other and cannot share a square. A player with all four pawns home is skipped, and the team wins when both partners have all their pawns home.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Equipos&lt;/h3&gt;&lt;p&gt;En una partida por equipos, amarillo y verde juegan juntos contra magenta y rojo; los compañeros se sientan uno frente al otro. Los compañeros nunca se comen entre sí y no pueden compartir casilla. Un jugador con sus cuatro fichas en la meta se salta, y el equipo gana cuando los dos compañeros tienen todas sus fichas en la meta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Watching&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Options &amp;gt; Just Watch&lt;/b&gt; lets the computer play your seat until you choose it again. The progress bars beside the board show how far each player has come; a captured pawn takes its distance off its owner&apos;s bar.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Mirar&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Opciones &amp;gt; Solo mirar&lt;/b&gt; deja que el ordenador juegue tu puesto hasta que vuelvas a elegirlo. Las barras de progreso junto al tablero muestran cuánto ha avanzado cada jugador; una ficha comida resta su recorrido de la barra de su dueño.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every step of a turn can also be made from the keyboard: the &lt;b&gt;Keys&lt;/b&gt; page tells how.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cada paso de un turno también se puede hacer con el teclado: la página &lt;b&gt;Teclas&lt;/b&gt; explica cómo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The hosting player chooses the rules before each game in the Game Options window (&lt;b&gt;File &amp;gt; Start Game&lt;/b&gt;). The labels beside the board show the rules of the game being played. Your choices are kept for the next game; &lt;b&gt;Team Game&lt;/b&gt; starts off each time Quadrino starts.&lt;/p&gt;</source>
        <translation>&lt;p&gt;El anfitrión elige las reglas antes de cada partida en la ventana de opciones de juego (&lt;b&gt;Archivo &amp;gt; Iniciar partida&lt;/b&gt;). Las etiquetas junto al tablero muestran las reglas de la partida en juego. Tus elecciones se guardan para la siguiente partida; &lt;b&gt;Por equipos&lt;/b&gt; empieza desactivada cada vez que se inicia Quadrino.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;dl&gt;&lt;dt&gt;&lt;b&gt;3 Double Penalty&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;A third doubles in a row is not played: the roller&apos;s pawn furthest along the track goes back to its nest and the turn passes on. Without it, doubles simply give another roll every time.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Passing Allowed&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;After rolling, a player may pass instead of moving, but not on two turns in a row.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Blocking Allowed&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Two pawns of one player on one square form a block that no pawn can pass. Without it, a pawn can never land on another pawn of the same colour, except on the home square.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Limit Blocks To: &amp;hellip; Turns&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;How many of its owner&apos;s turns a block may stand through, from 0 to 10, not counting the turn in which it was made. When the owner&apos;s next turn begins with the block still standing, one of its pawns goes back to its nest; a warning flashes on the block one turn earlier. Setting it to 0 allows unlimited blocking, a limit of 1 counts as 2, and the limit does nothing while blocking is off.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Pouncing Allowed&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Landing on a lone pawn of another player, anywhere but on a safe square, sends it back to its nest and wins a 20-square bonus. Without it, pawns of different players never share a square.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Full Game&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Computer players fill every empty seat, so four play. Without it, yellow and green always play (the computer takes green if nobody has), and magenta and red play only when someone sits there; magenta also plays, with the computer, when someone sits in red.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Team Game&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Yellow and green play against magenta and red, with all four seats in play. Partners cannot capture each other or share a square, and a team wins when both partners have all their pawns home.&lt;/dd&gt;&lt;/dl&gt;</source>
        <translation>&lt;dl&gt;&lt;dt&gt;&lt;b&gt;Castigo por 3 dobles&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Un tercer doble seguido no se juega: la ficha más avanzada en el recorrido del que tira vuelve a su casa, y el turno pasa al siguiente. Sin esta opción, los dobles simplemente dan otra tirada cada vez.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Se permite pasar&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Después de tirar, un jugador puede pasar en lugar de mover, pero no en dos turnos seguidos.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Se permiten barreras&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Dos fichas de un mismo jugador en una casilla forman una barrera que ninguna ficha puede pasar. Sin esta opción, una ficha nunca puede caer sobre otra del mismo color, salvo en la casilla de meta.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Límite barreras: &amp;hellip; turnos&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Durante cuántos turnos de su dueño puede mantenerse una barrera, de 0 a 10, sin contar el turno en que se formó. Cuando empieza el siguiente turno del dueño con la barrera aún en pie, una de sus fichas vuelve a su casa; un turno antes parpadea un aviso en la barrera. Con 0 las barreras no tienen límite, un límite de 1 cuenta como 2, y el límite no hace nada mientras las barreras están desactivadas.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Se permite comer&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Caer sobre una ficha sola de otro jugador, en cualquier casilla que no sea un seguro, la devuelve a su casa y gana una bonificación de 20 casillas. Sin esta opción, las fichas de jugadores distintos nunca comparten casilla.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Partida completa&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Los jugadores del ordenador ocupan todos los puestos libres, así que juegan cuatro. Sin esta opción, amarillo y verde juegan siempre (el ordenador se queda con verde si nadie lo ha ocupado), y magenta y rojo solo juegan cuando alguien se sienta allí; magenta también juega, con el ordenador, cuando alguien se sienta en rojo.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Por equipos&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Amarillo y verde juegan contra magenta y rojo, con los cuatro puestos en juego. Los compañeros no pueden comerse entre sí ni compartir casilla, y un equipo gana cuando los dos compañeros tienen todas sus fichas en la meta.&lt;/dd&gt;&lt;/dl&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Computer players&lt;/h3&gt;&lt;p&gt;The computer players are Klot (green), Klick (magenta) and Kling (red). The hosting player chooses how they play in the &lt;b&gt;Options&lt;/b&gt; menu:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Bot Level&lt;/b&gt;: &lt;b&gt;Classic&lt;/b&gt; computer players follow a fixed set of preferences, as they always have; &lt;b&gt;Strong&lt;/b&gt; ones try every way of spending the dice and bonuses of a turn and keep the one that leaves their pawns furthest along and safest.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Bot Speed&lt;/b&gt;: &lt;b&gt;Slow&lt;/b&gt;, &lt;b&gt;Normal&lt;/b&gt; or &lt;b&gt;Fast&lt;/b&gt;, the pause before each of their steps.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Both are remembered, and a change counts from the computer&apos;s next step. They only apply in the copy that hosts the game; in a copy that joined one they are greyed out, and their tooltip says why.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Jugadores del ordenador&lt;/h3&gt;&lt;p&gt;Los jugadores del ordenador son Klot (verde), Klick (magenta) y Kling (rojo). El anfitrión elige cómo juegan en el menú &lt;b&gt;Opciones&lt;/b&gt;:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Nivel de los bots&lt;/b&gt;: con &lt;b&gt;Clásico&lt;/b&gt;, los jugadores del ordenador siguen un conjunto fijo de preferencias, como siempre; con &lt;b&gt;Fuerte&lt;/b&gt;, prueban todas las formas de gastar los dados y las bonificaciones de un turno y se quedan con la que deja sus fichas más avanzadas y más seguras.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Velocidad de los bots&lt;/b&gt;: &lt;b&gt;Lenta&lt;/b&gt;, &lt;b&gt;Normal&lt;/b&gt; o &lt;b&gt;Rápida&lt;/b&gt;, la pausa antes de cada uno de sus pasos.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Ambas se recuerdan, y un cambio cuenta desde el siguiente paso del ordenador. Solo se aplican en el Quadrino que organiza la partida; en uno que se ha unido aparecen desactivadas, y su información sobre herramientas explica por qué.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;A whole game can be played from the keyboard. The board&apos;s keys work while the board has the focus: it has it when Quadrino starts, and a blue frame round the board shows it once you use the keyboard there. While you type in the chat box, the keys are only typing.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Se puede jugar una partida entera con el teclado. Las teclas del tablero funcionan mientras el tablero tiene el foco: lo tiene al iniciarse Quadrino, y un marco azul alrededor del tablero lo indica en cuanto usas el teclado allí. Mientras escribes en el cuadro del chat, las teclas solo escriben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;On the board&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Space&lt;/b&gt;: roll the dice when it is your turn to roll.&lt;/li&gt;&lt;li&gt;&lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt;: choose your pawn 1 to 4, as a click on it does: a marker appears on every square it can reach, and the shortest move is chosen, with a dark frame. A pawn still in its nest enters at once when you have a five.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt;: choose the next or the previous marker, from the shortest move to the longest and round again. With no markers on the board they move the focus on, as everywhere else.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Enter&lt;/b&gt;: move the pawn to the chosen marker. &amp;ldquo;2&amp;rdquo; then &amp;ldquo;Enter&amp;rdquo; moves pawn 2 by the smallest amount it can.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt;: clear the markers, as a right click on the pawn does; with none shown, close the note that says why a move was refused.&lt;/li&gt;&lt;li&gt;&lt;b&gt;P&lt;/b&gt;: pass, when the &lt;b&gt;Pass&lt;/b&gt; button is offered to you.&lt;/li&gt;&lt;li&gt;&lt;b&gt;B&lt;/b&gt;: write where every player&apos;s pawns stand into the chat, for you alone.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The board&apos;s keys take no Ctrl or Alt; the digits of the number pad work as well.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;En el tablero&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Espacio&lt;/b&gt;: tirar los dados cuando te toca tirar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;1&lt;/b&gt; a &lt;b&gt;4&lt;/b&gt;: elegir tu ficha 1 a 4, igual que un clic en ella: aparece una marca en cada casilla a la que puede llegar, y se elige el movimiento más corto, con un marco oscuro. Una ficha que sigue en su casa sale enseguida cuando tienes un cinco.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Tab&lt;/b&gt; y &lt;b&gt;Mayús+Tab&lt;/b&gt;: elegir la marca siguiente o la anterior, del movimiento más corto al más largo y vuelta a empezar. Sin marcas en el tablero mueven el foco, como en cualquier otro sitio.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Intro&lt;/b&gt;: mover la ficha a la marca elegida. &amp;laquo;2&amp;raquo; y luego &amp;laquo;Intro&amp;raquo; mueve la ficha 2 lo mínimo que pueda.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt;: quitar las marcas, igual que un clic derecho en la ficha; si no hay ninguna, cerrar la nota que explica por qué se rechazó un movimiento.&lt;/li&gt;&lt;li&gt;&lt;b&gt;P&lt;/b&gt;: pasar, cuando se te ofrece el botón &lt;b&gt;Pasar&lt;/b&gt;.&lt;/li&gt;&lt;li&gt;&lt;b&gt;B&lt;/b&gt;: escribir en el chat, solo para ti, dónde están las fichas de cada jugador.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Las teclas del tablero no llevan Ctrl ni Alt; las cifras del teclado numérico también funcionan.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Anywhere in the game window&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;F6&lt;/b&gt;: move between the board and the chat box.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;: &lt;b&gt;File &amp;gt; Start Game&lt;/b&gt;, for the hosting player.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+S&lt;/b&gt;: stop or restart the chat scrolling to new lines (&lt;b&gt;Options &amp;gt; Scroll Chat Off&lt;/b&gt;).&lt;/li&gt;&lt;li&gt;&lt;b&gt;F1&lt;/b&gt;: this help.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter open a menu: &lt;b&gt;Alt+F&lt;/b&gt; File, &lt;b&gt;Alt+O&lt;/b&gt; Options, &lt;b&gt;Alt+V&lt;/b&gt; View, &lt;b&gt;Alt+H&lt;/b&gt; Help. In an open menu the underlined letter chooses an entry; the arrow keys and &lt;b&gt;Enter&lt;/b&gt; work too.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;En cualquier parte de la ventana de juego&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;F6&lt;/b&gt;: pasar del tablero al cuadro del chat y viceversa.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;: &lt;b&gt;Archivo &amp;gt; Iniciar partida&lt;/b&gt;, para el anfitrión.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+S&lt;/b&gt;: detener o reanudar el desplazamiento del chat hacia las líneas nuevas (&lt;b&gt;Opciones &amp;gt; Desactivar desplazamiento del chat&lt;/b&gt;).&lt;/li&gt;&lt;li&gt;&lt;b&gt;F1&lt;/b&gt;: esta ayuda.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Alt&lt;/b&gt; y la letra subrayada abren un menú: &lt;b&gt;Archivo&lt;/b&gt;, &lt;b&gt;Opciones&lt;/b&gt;, &lt;b&gt;Ver&lt;/b&gt; o &lt;b&gt;Ayuda&lt;/b&gt;. En un menú abierto, la letra subrayada elige una entrada; las flechas e &lt;b&gt;Intro&lt;/b&gt; también funcionan.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The letters in the menus:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;File&lt;/b&gt;: &lt;b&gt;S&lt;/b&gt; Start Game, &lt;b&gt;H&lt;/b&gt; Host Network Game..., &lt;b&gt;J&lt;/b&gt; Join Network Game..., &lt;b&gt;X&lt;/b&gt; Exit.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Options&lt;/b&gt;: &lt;b&gt;S&lt;/b&gt; Play Sounds, &lt;b&gt;H&lt;/b&gt; Play Chatter Sounds, &lt;b&gt;T&lt;/b&gt; Turn Sound (&lt;b&gt;C&lt;/b&gt; Classic, &lt;b&gt;N&lt;/b&gt; New), &lt;b&gt;B&lt;/b&gt; Bot Speed (&lt;b&gt;S&lt;/b&gt; Slow, &lt;b&gt;N&lt;/b&gt; Normal, &lt;b&gt;F&lt;/b&gt; Fast), &lt;b&gt;E&lt;/b&gt; Bot Level (&lt;b&gt;C&lt;/b&gt; Classic, &lt;b&gt;S&lt;/b&gt; Strong), &lt;b&gt;C&lt;/b&gt; Text Color, &lt;b&gt;Z&lt;/b&gt; Text Size (&lt;b&gt;8&lt;/b&gt;, &lt;b&gt;0&lt;/b&gt; for 10, &lt;b&gt;2&lt;/b&gt; for 12, &lt;b&gt;4&lt;/b&gt; for 14), &lt;b&gt;F&lt;/b&gt; Scroll Chat Off, &lt;b&gt;L&lt;/b&gt; Clear Main Chat, &lt;b&gt;R&lt;/b&gt; Reset Screen Location, &lt;b&gt;J&lt;/b&gt; Just Watch.&lt;/li&gt;&lt;li&gt;&lt;b&gt;View&lt;/b&gt;: &lt;b&gt;T&lt;/b&gt; View Tally, &lt;b&gt;P&lt;/b&gt; Spy List, &lt;b&gt;H&lt;/b&gt; Phrase List.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Help&lt;/b&gt;: &lt;b&gt;C&lt;/b&gt; Content, &lt;b&gt;A&lt;/b&gt; About.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Las letras de los menús:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;En los menús &lt;b&gt;Archivo&lt;/b&gt;, &lt;b&gt;Opciones&lt;/b&gt;, &lt;b&gt;Ver&lt;/b&gt; y &lt;b&gt;Ayuda&lt;/b&gt;, cada entrada tiene subrayada la letra que la elige.&lt;/li&gt;&lt;li&gt;Lo mismo vale para los submenús &lt;b&gt;Sonido de turno&lt;/b&gt;, &lt;b&gt;Velocidad de los bots&lt;/b&gt;, &lt;b&gt;Nivel de los bots&lt;/b&gt; y &lt;b&gt;Tamaño del texto&lt;/b&gt;; en &lt;b&gt;Tamaño del texto&lt;/b&gt;, la cifra subrayada elige el tamaño.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;In the chat&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Enter&lt;/b&gt; in the chat box: send the line. A line that starts with &lt;b&gt;/me&lt;/b&gt; is sent as an action.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+V&lt;/b&gt; in the chat box: paste the copied text at the end of the line.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+C&lt;/b&gt; in the chat: copy the text selected there.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;En el chat&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Intro&lt;/b&gt; en el cuadro del chat: enviar la línea. Una línea que empieza por &lt;b&gt;/me&lt;/b&gt; se envía como acción.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+V&lt;/b&gt; en el cuadro del chat: pegar el texto copiado al final de la línea.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+C&lt;/b&gt; en el chat: copiar el texto seleccionado allí.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;In the other windows&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Game options: &lt;b&gt;Tab&lt;/b&gt; moves between the options, &lt;b&gt;Space&lt;/b&gt; ticks or clears one, the block limit is typed as a number, &lt;b&gt;Enter&lt;/b&gt; starts the game and &lt;b&gt;Esc&lt;/b&gt; closes the window.&lt;/li&gt;&lt;li&gt;This help: &lt;b&gt;Tab&lt;/b&gt; goes from the button of the page in front to &lt;b&gt;About&lt;/b&gt;, &lt;b&gt;Done&lt;/b&gt; and the page, and &lt;b&gt;Space&lt;/b&gt; presses the button with the focus. On the page buttons, &lt;b&gt;Up&lt;/b&gt; and &lt;b&gt;Down&lt;/b&gt; bring the previous or the next page to the front. In the page, the arrow keys, &lt;b&gt;Page Up&lt;/b&gt;, &lt;b&gt;Page Down&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; scroll it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt; closes this window, the About box, the tally, the spy list and the phrase list.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;En las demás ventanas&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Opciones de juego: &lt;b&gt;Tab&lt;/b&gt; pasa de una opción a otra, &lt;b&gt;Espacio&lt;/b&gt; marca o desmarca una, el límite de barreras se escribe como número, &lt;b&gt;Intro&lt;/b&gt; inicia la partida y &lt;b&gt;Esc&lt;/b&gt; cierra la ventana.&lt;/li&gt;&lt;li&gt;Esta ayuda: &lt;b&gt;Tab&lt;/b&gt; va del botón de la página visible a &lt;b&gt;Acerca de&lt;/b&gt;, &lt;b&gt;Listo&lt;/b&gt; y la página, y &lt;b&gt;Espacio&lt;/b&gt; pulsa el botón que tiene el foco. En los botones de página, &lt;b&gt;Arriba&lt;/b&gt; y &lt;b&gt;Abajo&lt;/b&gt; muestran la página anterior o la siguiente. En la página, las flechas, &lt;b&gt;Re Pág&lt;/b&gt;, &lt;b&gt;Av Pág&lt;/b&gt; y &lt;b&gt;Espacio&lt;/b&gt; la desplazan.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt; cierra esta ventana, el cuadro Acerca de, el marcador, la lista de espectadores y la lista de frases.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Screen readers&lt;/h3&gt;&lt;p&gt;Every pawn, marker, die and button of the board has a name a screen reader reads, such as &amp;ldquo;Yellow pawn 2, square 17, safe square&amp;rdquo; or &amp;ldquo;Move pawn 1 to square 23&amp;rdquo; with the amount it spends. The line of the last event and the line of whose turn it is are read as they change, and the board reads the chosen move as you press &lt;b&gt;Tab&lt;/b&gt;. On Linux, turn on the screen reader (for example Orca) before starting Quadrino.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Lectores de pantalla&lt;/h3&gt;&lt;p&gt;Cada ficha, marca, dado y botón del tablero tiene un nombre que lee el lector de pantalla, como &amp;laquo;Ficha amarilla 2, casilla 17, seguro&amp;raquo; o &amp;laquo;Mover la ficha 1 a la casilla 23&amp;raquo; con lo que gasta. La línea del último suceso y la de a quién le toca se leen cuando cambian, y el tablero lee el movimiento elegido al pulsar &lt;b&gt;Tab&lt;/b&gt;. En Linux, activa el lector de pantalla (por ejemplo Orca) antes de iniciar Quadrino.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Version 1.0.15&lt;/h3&gt;&lt;p&gt;This is Quadrino 1.0.15 for Linux. It plays with every copy that shows the same version in its About box.&lt;/p&gt;&lt;p&gt;Changes from the earlier versions for Windows:&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Versión 1.0.15&lt;/h3&gt;&lt;p&gt;Este es Quadrino 1.0.15 para Linux. Juega con cualquier Quadrino que muestre la misma versión en su cuadro Acerca de.&lt;/p&gt;&lt;p&gt;Cambios respecto a las versiones anteriores para Windows:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Only the player who hosts can start a game; the host ignores a start from anyone else.&lt;/li&gt;&lt;li&gt;The lobby advert no longer downloads and runs an installer by itself. Its download button opens the lobby&apos;s download page in your web browser, so you can see what you install.&lt;/li&gt;&lt;li&gt;&amp;ldquo;Play with Others&amp;rdquo; starts The Kestrun Lobby when it is installed as a program named &lt;code&gt;kestrunlobby&lt;/code&gt;.&lt;/li&gt;&lt;li&gt;&lt;b&gt;File &amp;gt; Host Network Game...&lt;/b&gt; and &lt;b&gt;Join Network Game...&lt;/b&gt; host and join games on any port without the lobby; a port already in use is reported, with a choice of what to do.&lt;/li&gt;&lt;li&gt;A solo game no longer needs port 7772: it starts even while another game is hosted on the same computer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Options &amp;gt; Bot Level&lt;/b&gt; chooses between the classic computer players and stronger ones.&lt;/li&gt;&lt;li&gt;The whole game can be played from the keyboard, and read by a screen reader (see &lt;b&gt;Keys&lt;/b&gt;).&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Solo el jugador que organiza puede iniciar una partida; el anfitrión ignora el inicio de cualquier otro.&lt;/li&gt;&lt;li&gt;El anuncio del lobby ya no descarga ni ejecuta un instalador por su cuenta. Su botón de descarga abre la página de descargas del lobby en tu navegador, para que veas lo que instalas.&lt;/li&gt;&lt;li&gt;&amp;laquo;Jugar con otros&amp;raquo; inicia The Kestrun Lobby cuando está instalado como un programa llamado &lt;code&gt;kestrunlobby&lt;/code&gt;.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Archivo &amp;gt; Organizar partida en red...&lt;/b&gt; y &lt;b&gt;Unirse a partida en red...&lt;/b&gt; organizan partidas y se unen a ellas en cualquier puerto sin el lobby; si un puerto ya está en uso, se avisa y se ofrece qué hacer.&lt;/li&gt;&lt;li&gt;Una partida en solitario ya no necesita el puerto 7772: se inicia aunque haya otra partida organizada en el mismo ordenador.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Opciones &amp;gt; Nivel de los bots&lt;/b&gt; elige entre los jugadores del ordenador clásicos y otros más fuertes.&lt;/li&gt;&lt;li&gt;Toda la partida se puede jugar con el teclado y la puede leer un lector de pantalla (consulta &lt;b&gt;Teclas&lt;/b&gt;).&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Kestrun Lobby is a separate program by the maker of Quadrino. It is where players meet to find a game: it starts Quadrino for everybody, telling one copy to host and the others where to join.&lt;/p&gt;&lt;p&gt;Quadrino does not need the lobby: a solo game, or a network game hosted and joined from the &lt;b&gt;File&lt;/b&gt; menu as the Connecting page describes, works without it. When the lobby is installed as a program named &lt;code&gt;kestrunlobby&lt;/code&gt;, the &lt;b&gt;Play with Others&lt;/b&gt; button shown at the start of a solo game closes the game and opens the lobby.&lt;/p&gt;&lt;p&gt;Quadrino never downloads or installs anything itself. The download button in that window opens the lobby&apos;s download page in your web browser.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The Kestrun Lobby es un programa aparte del creador de Quadrino. Es donde los jugadores se encuentran para buscar partida: inicia Quadrino para todos, diciendo a uno que organice y a los demás dónde unirse.&lt;/p&gt;&lt;p&gt;Quadrino no necesita el lobby: una partida en solitario, o una partida en red organizada y a la que se unen desde el menú &lt;b&gt;Archivo&lt;/b&gt; como describe la página Conexión, funciona sin él. Cuando el lobby está instalado como un programa llamado &lt;code&gt;kestrunlobby&lt;/code&gt;, el botón &lt;b&gt;Jugar con otros&lt;/b&gt; que aparece al empezar una partida en solitario cierra el juego y abre el lobby.&lt;/p&gt;&lt;p&gt;Quadrino nunca descarga ni instala nada por sí mismo. El botón de descarga de esa ventana abre la página de descargas del lobby en tu navegador.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>El lobby</translation>
    </message>
</context>
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
        <source>Start the hosted game&apos;s dice from N (0 to 4294967295); without it the dice come from the system&apos;s random source.</source>
        <translation>Inicia los dados de la partida organizada desde N (de 0 a 4294967295); sin esta opción, los dados salen de la fuente aleatoria del sistema.</translation>
    </message>
    <message>
        <source>Your name at the table.</source>
        <translation>Tu nombre en la mesa.</translation>
    </message>
    <message>
        <source>The host&apos;s address (kept, not used, when hosting).</source>
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
    <name>quadrino::AboutBox</name>
    <message>
        <source>The board with one pawn of each colour and two dice</source>
        <translation>El tablero con una ficha de cada color y dos dados</translation>
    </message>
    <message>
        <source>Quadrino - About</source>
        <translation>Acerca de Quadrino</translation>
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
    <name>quadrino::ChatArea</name>
    <message>
        <source>Doh</source>
        <translation>D&apos;oh</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tos</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>¿Dónde estabas?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronquido</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Estornudo</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Perdón</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>¡Yijaa!</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>¡Yupi!</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh, no</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pedorreta</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Ovación</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mujer riendo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Hombre riendo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Llanto</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí&gt;</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat (F6 goes to the board and back)</source>
        <translation>Chat (F6 va al tablero y vuelve)</translation>
    </message>
    <message>
        <source>Chat entry</source>
        <translation>Entrada del chat</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Emoticonos</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Sonido de chat&gt; %2</translation>
    </message>
</context>
<context>
    <name>quadrino::ChatEntry</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
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
    <message>
        <source>Connected to the game again.</source>
        <translation>Conectado de nuevo a la partida.</translation>
    </message>
    <message>
        <source>The connection to the game was lost. Trying to get back to your seat...</source>
        <translation>Se ha perdido la conexión con la partida. Intentando volver a tu puesto...</translation>
    </message>
    <message>
        <source>Could not get back to the game. Choose Reconnect from the File menu to try again.</source>
        <translation>No se pudo volver a la partida. Elige Reconectar en el menú Archivo para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>Reconnecting to the game...</source>
        <translation>Reconectando con la partida...</translation>
    </message>
    <message>
        <source>The router forwards port %1 to this machine.</source>
        <translation>El router redirige el puerto %1 a este equipo.</translation>
    </message>
    <message>
        <source>The router forwards port %1 from %2.</source>
        <translation>El router redirige el puerto %1 desde %2.</translation>
    </message>
    <message>
        <source>The router did not forward the port: %1.</source>
        <translation>El router no ha redirigido el puerto: %1.</translation>
    </message>
    <message>
        <source>Asking the router to forward port %1...</source>
        <translation>Pidiendo al router que redirija el puerto %1...</translation>
    </message>
    <message>
        <source>Games on this network are neither announced nor listed (%1); players can still join by address.</source>
        <translation>Las partidas de esta red no se anuncian ni se listan (%1); se puede seguir uniendo por dirección.</translation>
    </message>
    <message>
        <source>Joining the game through the lobby at %1.. Please Wait.</source>
        <translation>Uniéndose a la partida a través del vestíbulo en %1.. Espere, por favor.</translation>
    </message>
    <message>
        <source>The game is not listed online: &quot;%1&quot; is not a lobby server&apos;s address.</source>
        <translation>La partida no se publica en línea: «%1» no es la dirección de un servidor de sala.</translation>
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
        <source>The dice&apos;s total against the seven two dice average per roll</source>
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
        <source>Quadrino logo</source>
        <translation>Logotipo de Quadrino</translation>
    </message>
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
    <name>quadrino::LobbyClient</name>
    <message>
        <source>The lobby did not answer.</source>
        <translation>El vestíbulo no ha respondido.</translation>
    </message>
    <message>
        <source>Cannot reach the lobby: %1.</source>
        <translation>No se puede llegar al vestíbulo: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lobby address; write it as host or host:port.</source>
        <translation>«%1» no es una dirección de vestíbulo; escríbala como equipo o equipo:puerto.</translation>
    </message>
    <message>
        <source>Enter your name before connecting to the lobby.</source>
        <translation>Escriba su nombre antes de conectarse al vestíbulo.</translation>
    </message>
    <message>
        <source>The lobby closed the connection.</source>
        <translation>El vestíbulo ha cerrado la conexión.</translation>
    </message>
    <message>
        <source>The lobby refused the sign-in.</source>
        <translation>El vestíbulo ha rechazado el inicio de sesión.</translation>
    </message>
    <message>
        <source>The lobby sent a line longer than its protocol allows.</source>
        <translation>El vestíbulo ha enviado una línea más larga de lo que permite su protocolo.</translation>
    </message>
    <message>
        <source>The lobby speaks another version of the protocol; update the game or the lobby.</source>
        <translation>El vestíbulo habla otra versión del protocolo; actualice el juego o el vestíbulo.</translation>
    </message>
    <message>
        <source>The lobby closed the connection (%1).</source>
        <translation>El vestíbulo ha cerrado la conexión (%1).</translation>
    </message>
    <message>
        <source>That game is no longer listed.</source>
        <translation>Esa partida ya no está en la lista.</translation>
    </message>
</context>
<context>
    <name>quadrino::LobbyListing</name>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>it closed the connection</source>
        <translation>cerró la conexión</translation>
    </message>
    <message>
        <source>Lost the link to the lobby at %1 (%2); the game is not listed there until it is back. Trying again.</source>
        <translation>Se perdió la conexión con la sala en %1 (%2); la partida no aparece allí hasta que vuelva. Se intentará de nuevo.</translation>
    </message>
    <message>
        <source>The lobby at %1 cannot be reached (%2); the game is not listed there until it can. Trying again.</source>
        <translation>No se puede llegar a la sala en %1 (%2); la partida no aparece allí hasta que se pueda. Se intentará de nuevo.</translation>
    </message>
    <message>
        <source>it sent a line longer than the protocol allows</source>
        <translation>envió una línea más larga de lo que permite el protocolo</translation>
    </message>
    <message>
        <source>Signed in to the lobby at %1 again.</source>
        <translation>Sesión iniciada de nuevo en la sala en %1.</translation>
    </message>
    <message>
        <source>Signed in to the lobby at %1.</source>
        <translation>Sesión iniciada en la sala en %1.</translation>
    </message>
    <message>
        <source>The game is listed in the lobby at %1; players there join it directly.</source>
        <translation>La partida aparece en la sala en %1; los jugadores de allí se unen directamente.</translation>
    </message>
    <message>
        <source>The game is listed in the lobby at %1. The lobby cannot reach this machine, so it passes the players&apos; moves on.</source>
        <translation>La partida aparece en la sala en %1. La sala no puede llegar a este equipo, así que transmite las jugadas de los jugadores.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not list the game (%2).</source>
        <translation>La sala en %1 no publicó la partida (%2).</translation>
    </message>
    <message>
        <source>The lobby at %1 speaks another version of the protocol; the game is not listed there.</source>
        <translation>La sala en %1 usa otra versión del protocolo; la partida no aparece allí.</translation>
    </message>
    <message>
        <source>it said goodbye: %1</source>
        <translation>se despidió: %1</translation>
    </message>
    <message>
        <source>it stopped answering</source>
        <translation>dejó de responder</translation>
    </message>
</context>
<context>
    <name>quadrino::LobbyWindow</name>
    <message>
        <source>checking</source>
        <translation>comprobando</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>directa</translation>
    </message>
    <message>
        <source>relay</source>
        <translation>por el vestíbulo</translation>
    </message>
    <message>
        <source>this network</source>
        <translation>esta red</translation>
    </message>
    <message>
        <source>Quadrino - Join Network Game</source>
        <translation>Quadrino - Unirse a partida en red</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Su nombre:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Quadrino - Play Online</source>
        <translation>Quadrino - Jugar en línea</translation>
    </message>
    <message>
        <source>&amp;Lobby server:</source>
        <translation>Servidor del &amp;vestíbulo:</translation>
    </message>
    <message>
        <source>Lobby server</source>
        <translation>Servidor del vestíbulo</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>equipo o equipo:puerto</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>Connect to the lobby</source>
        <translation>Conectar con el vestíbulo</translation>
    </message>
    <message>
        <source>Lobby status</source>
        <translation>Estado del vestíbulo</translation>
    </message>
    <message>
        <source>Run quadrino-lobby on a machine others can reach, then enter its address here.</source>
        <translation>Ejecute quadrino-lobby en un equipo al que otros puedan llegar y escriba aquí su dirección.</translation>
    </message>
    <message>
        <source>How to get a lobby</source>
        <translation>Cómo conseguir un vestíbulo</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Host</source>
        <comment>the column of the hosting player&apos;s name</comment>
        <translation>Anfitrión</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Asientos</translation>
    </message>
    <message>
        <source>Watchers</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Empezada</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Alcance</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Ida y vuelta</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>Join the chosen game</source>
        <translation>Unirse a la partida elegida</translation>
    </message>
    <message>
        <source>&amp;Host...</source>
        <translation>&amp;Anfitrión...</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Organizar una partida</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ctualizar</translation>
    </message>
    <message>
        <source>Refresh the list of games</source>
        <translation>Actualizar la lista de partidas</translation>
    </message>
    <message>
        <source>Players present</source>
        <translation>Jugadores presentes</translation>
    </message>
    <message>
        <source>Lobby chat</source>
        <translation>Charla del vestíbulo</translation>
    </message>
    <message>
        <source>Say in the lobby</source>
        <translation>Decir en el vestíbulo</translation>
    </message>
    <message>
        <source>Say something to everybody in the lobby</source>
        <translation>Diga algo a todos en el vestíbulo</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Silenciar</translation>
    </message>
    <message>
        <source>Mute the player of the chosen chat line</source>
        <translation>Silenciar al jugador de la línea elegida</translation>
    </message>
    <message>
        <source>You are chatting too fast; that line was not sent.</source>
        <translation>Escribe demasiado deprisa; esa línea no se ha enviado.</translation>
    </message>
    <message>
        <source>The lobby refused a request (%1).</source>
        <translation>El vestíbulo ha rechazado una petición (%1).</translation>
    </message>
    <message>
        <source>Connect to the lobby to join its games.</source>
        <translation>Conéctese al vestíbulo para unirse a sus partidas.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>en juego</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Not connected to a lobby.</source>
        <translation>Sin conexión con un vestíbulo.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Dis&amp;connect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2.</source>
        <translation>En el vestíbulo de %1 como %2.</translation>
    </message>
    <message>
        <source>Players present: %1</source>
        <translation>Jugadores presentes: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>Silenciar a %1</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
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
    <message>
        <source>&amp;Reconnect</source>
        <translation>&amp;Reconectar</translation>
    </message>
    <message>
        <source>&amp;Play Online...</source>
        <translation>&amp;Jugar en línea...</translation>
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
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Expulsar de la partida</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>&amp;Poner en «Solo mirar»</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>Quitar «Solo &amp;mirar»</translation>
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
    <message>
        <source>Games on this network</source>
        <translation>Partidas en esta red</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Puestos</translation>
    </message>
    <message>
        <source>Watchers</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Games on this network:</source>
        <translation>Partidas en esta red:</translation>
    </message>
    <message>
        <source>List the game on this network</source>
        <translation>Anunciar la partida en esta red</translation>
    </message>
    <message>
        <source>Ask the router to forward the port</source>
        <translation>Pedir al router que redirija el puerto</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>en juego</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Host</source>
        <comment>the column of the hosting player&apos;s name</comment>
        <translation>Anfitrión</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>List the game in the online lobby</source>
        <translation>Publicar la partida en la sala en línea</translation>
    </message>
</context>
<context>
    <name>quadrino::PhraseButtons</name>
    <message>
        <source>Chatter sounds</source>
        <translation>Sonidos de chat</translation>
    </message>
    <message>
        <source>Say: %1</source>
        <translation>Decir: %1</translation>
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
    <name>quadrino::PreferencesStore</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>quadrino::RouterWorker</name>
    <message>
        <source>no router on this network answered the request for port forwarding (UPnP)</source>
        <translation>ningún router de esta red respondió a la petición de redirección de puertos (UPnP)</translation>
    </message>
    <message>
        <source>no router on this network offers port forwarding (UPnP)</source>
        <translation>ningún router de esta red ofrece redirección de puertos (UPnP)</translation>
    </message>
    <message>
        <source>a device on this network answered, but it is not a router that forwards ports</source>
        <translation>un dispositivo de esta red respondió, pero no es un router que redirija puertos</translation>
    </message>
    <message>
        <source>the router already forwards port %1 to another machine</source>
        <translation>el router ya redirige el puerto %1 a otro equipo</translation>
    </message>
    <message>
        <source>the router refused (%1)</source>
        <translation>el router se negó (%1)</translation>
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
    <name>quadrino::TablePanel</name>
    <message>
        <source>Last move</source>
        <translation>Última jugada</translation>
    </message>
    <message>
        <source>Moving pawns</source>
        <translation>Fichas en movimiento</translation>
    </message>
    <message>
        <source>TEAM: A</source>
        <translation>EQUIPO: A</translation>
    </message>
    <message>
        <source>TEAM: B</source>
        <translation>EQUIPO: B</translation>
    </message>
    <message>
        <source>Would you like the bot to take over for</source>
        <translation>¿Quieres que el ordenador juegue por</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Expulsar de la partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Poner en «Solo mirar»</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Quitar «Solo mirar»</translation>
    </message>
    <message>
        <source>Doubles Penalty</source>
        <translation>Castigo dobles</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Blocking</source>
        <translation>Barreras</translation>
    </message>
    <message>
        <source>Block Limit</source>
        <translation>Límite barrera</translation>
    </message>
    <message>
        <source>Pouncing</source>
        <translation>Comer</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Por equipos</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>None</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Penalty for rolling doubles more then twice a turn</source>
        <translation>Castigo por sacar dobles más de dos veces en un turno</translation>
    </message>
    <message>
        <source>The abillity to pass your turn.</source>
        <translation>La posibilidad de pasar tu turno.</translation>
    </message>
    <message>
        <source>The abillity to have two of your pawns on one square preventing other players from passing.</source>
        <translation>La posibilidad de poner dos de tus fichas en una casilla para que los demás jugadores no puedan pasar.</translation>
    </message>
    <message>
        <source>The amount of turns two of your pawns can block.</source>
        <translation>Cuántos turnos pueden mantener una barrera dos de tus fichas.</translation>
    </message>
    <message>
        <source>The ability to land on other players pawns and send it back to start.</source>
        <translation>La posibilidad de comer fichas de otros jugadores y mandarlas a casa.</translation>
    </message>
    <message>
        <source>To play with a partner</source>
        <translation>Jugar con un compañero</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Keyboard on the board</source>
        <translation>Teclado en el tablero</translation>
    </message>
    <message>
        <source>Keys 1 to 4 choose your pawns</source>
        <translation>Las teclas 1 a 4 eligen tus fichas</translation>
    </message>
    <message>
        <source>Roll the dice (Space)</source>
        <translation>Tirar los dados (Espacio)</translation>
    </message>
    <message>
        <source>Move here (Enter moves to the chosen marker, Tab chooses the next)</source>
        <translation>Mover aquí (Intro mueve a la marca elegida, Tab elige la siguiente)</translation>
    </message>
    <message>
        <source>Pass (P)</source>
        <translation>Pasar (P)</translation>
    </message>
    <message>
        <source>Start Game (Ctrl+N)</source>
        <translation>Iniciar partida (Ctrl+N)</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Board: %1, %2</source>
        <translation>Tablero: %1, %2</translation>
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
<context>
    <name>quadrino::art</name>
    <message>
        <source>WINNER!</source>
        <translation>¡GANADOR!</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>BLOCK LIMIT!</source>
        <translation>¡LÍMITE BARRERA!</translation>
    </message>
</context>
<context>
    <name>quadrino::table::TableAccess</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 pawn %2, %3</source>
        <translation>Ficha %2 de %1, %3</translation>
    </message>
    <message>
        <source>Pawn of an empty seat</source>
        <translation>Ficha de un puesto vacío</translation>
    </message>
    <message>
        <source>%1&apos;s pawn</source>
        <translation>Ficha de %1</translation>
    </message>
    <message>
        <source>Your pawn; press %1 to choose it; chosen, Tab walks its moves</source>
        <translation>Tu ficha; pulsa %1 para elegirla; elegida, Tab recorre sus movimientos</translation>
    </message>
    <message>
        <source>Your pawn; press %1 to choose it</source>
        <translation>Tu ficha; pulsa %1 para elegirla</translation>
    </message>
    <message>
        <source>Move marker</source>
        <translation>Marca de movimiento</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>no visible</translation>
    </message>
    <message>
        <source>Move pawn %1 to %2</source>
        <translation>Mover ficha %1 a %2</translation>
    </message>
    <message>
        <source>spends %1 (%2); chosen, press Enter to move</source>
        <translation>gasta %1 (%2); elegida, pulsa Intro para mover</translation>
    </message>
    <message>
        <source>spends %1 (%2)</source>
        <translation>gasta %1 (%2)</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Die %1: %2, used</source>
        <translation>Dado %1: %2, usado</translation>
    </message>
    <message>
        <source>Die %1: used</source>
        <translation>Dado %1: usado</translation>
    </message>
    <message>
        <source>Die %1: not rolled</source>
        <translation>Dado %1: sin tirar</translation>
    </message>
    <message>
        <source>Your roll: press Space to roll the dice</source>
        <translation>Te toca tirar: pulsa Espacio para tirar los dados</translation>
    </message>
    <message>
        <source>Roll the dice (Space) when it is your turn</source>
        <translation>Tira los dados (Espacio) cuando sea tu turno</translation>
    </message>
    <message>
        <source>Extra die %1: %2</source>
        <translation>Dado extra %1: %2</translation>
    </message>
    <message>
        <source>Extra die %1</source>
        <translation>Dado extra %1</translation>
    </message>
    <message>
        <source>from a roll of doubles</source>
        <translation>por sacar dobles</translation>
    </message>
    <message>
        <source>20-square bonus</source>
        <translation>bonificación de 20 casillas</translation>
    </message>
    <message>
        <source>10-square bonus</source>
        <translation>bonificación de 10 casillas</translation>
    </message>
    <message>
        <source>Bonus: %1 squares</source>
        <translation>Bonificación: %1 casillas</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 por ciento</translation>
    </message>
    <message>
        <source>%1 seat</source>
        <translation>Puesto %1</translation>
    </message>
    <message>
        <source>your seat</source>
        <translation>tu puesto</translation>
    </message>
    <message>
        <source>to move</source>
        <translation>le toca</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>solo mira</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>ganador</translation>
    </message>
    <message>
        <source>%1 progress: %2</source>
        <translation>Progreso de %1: %2</translation>
    </message>
    <message>
        <source>How far %1 has come</source>
        <translation>Cuánto ha avanzado %1</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Pass your turn (P)</source>
        <translation>Pasar tu turno (P)</translation>
    </message>
    <message>
        <source>%1 may pass</source>
        <translation>%1 puede pasar</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>Turno de %1</translation>
    </message>
    <message>
        <source>Turn highlight</source>
        <translation>Indicador de turno</translation>
    </message>
    <message>
        <source>%1 just watching</source>
        <translation>%1 solo mira</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>El ordenador juega este puesto</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 ha ganado</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>%1 seat&apos;s team</source>
        <translation>Equipo del puesto %1</translation>
    </message>
    <message>
        <source>%1 sits this game out</source>
        <translation>%1 no juega esta partida</translation>
    </message>
    <message>
        <source>Seat out of the game</source>
        <translation>Puesto fuera de la partida</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Esperando&gt;</translation>
    </message>
    <message>
        <source>Player?</source>
        <translation>¿Jugador?</translation>
    </message>
    <message>
        <source>at start</source>
        <translation>en casa</translation>
    </message>
    <message>
        <source>square %1, safe square</source>
        <translation>casilla %1, seguro</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>casilla %1</translation>
    </message>
    <message>
        <source>home column square %1</source>
        <translation>pasillo de meta, casilla %1</translation>
    </message>
    <message>
        <source>home</source>
        <translation>meta</translation>
    </message>
    <message>
        <source>die 1</source>
        <translation>dado 1</translation>
    </message>
    <message>
        <source>die 2</source>
        <translation>dado 2</translation>
    </message>
    <message>
        <source>both dice</source>
        <translation>ambos dados</translation>
    </message>
    <message>
        <source>extra die 1</source>
        <translation>dado extra 1</translation>
    </message>
    <message>
        <source>extra die 2</source>
        <translation>dado extra 2</translation>
    </message>
    <message>
        <source>both extra dice</source>
        <translation>ambos dados extra</translation>
    </message>
    <message>
        <source>second 20-square bonus</source>
        <translation>segunda bonificación de 20 casillas</translation>
    </message>
    <message>
        <source>third 20-square bonus</source>
        <translation>tercera bonificación de 20 casillas</translation>
    </message>
    <message>
        <source>second 10-square bonus</source>
        <translation>segunda bonificación de 10 casillas</translation>
    </message>
    <message>
        <source>third 10-square bonus</source>
        <translation>tercera bonificación de 10 casillas</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Space rolls, 1 to 4 choose a pawn, Tab and Shift+Tab walk its moves, Enter moves, Escape clears, P passes, B reads the board into the chat, F6 goes to the chat</source>
        <translation>Espacio tira, 1 a 4 eligen una ficha, Tab y Mayús+Tab recorren sus movimientos, Intro mueve, Escape anula, P pasa, B escribe el tablero en el chat, F6 va al chat</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Imagen del tablero</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Choose the options and start a game (Ctrl+N)</source>
        <translation>Elige las opciones y empieza una partida (Ctrl+N)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>A block stands too long</source>
        <translation>Una barrera dura demasiado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Close error</source>
        <translation>Cerrar error</translation>
    </message>
    <message>
        <source>Escape or a click on the board closes it</source>
        <translation>Escape o un clic en el tablero lo cierra</translation>
    </message>
    <message>
        <source>Computer player question</source>
        <translation>Pregunta sobre el jugador del ordenador</translation>
    </message>
    <message>
        <source>Let the computer play on for %1</source>
        <translation>Que el ordenador siga jugando por %1</translation>
    </message>
    <message>
        <source>Take %1&apos;s seat out of the game</source>
        <translation>Sacar de la partida el puesto de %1</translation>
    </message>
    <message>
        <source>Quadrino logo</source>
        <translation>Logotipo de Quadrino</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site</source>
        <translation>Abre la web del creador</translation>
    </message>
    <message>
        <source>Progress of the seats</source>
        <translation>Progreso de los puestos</translation>
    </message>
    <message>
        <source>Last event</source>
        <translation>Último suceso</translation>
    </message>
    <message>
        <source>Whose turn</source>
        <translation>A quién le toca</translation>
    </message>
    <message>
        <source>Game rule</source>
        <translation>Regla de juego</translation>
    </message>
    <message>
        <source>you</source>
        <translation>tú</translation>
    </message>
    <message>
        <source>pawn %1 %2</source>
        <translation>ficha %1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3; %4; %5</source>
        <translation>%1: %2; %3; %4; %5</translation>
    </message>
    <message>
        <source>No pawns on the board.</source>
        <translation>No hay fichas en el tablero.</translation>
    </message>
</context>
<context>
    <name>quadrino::table::TableModel</name>
    <message>
        <source>You are not connected</source>
        <translation>No estás conectado</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Estás conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se ha conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás mirando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está mirando.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se ha desconectado.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha empezado una partida.</translation>
    </message>
    <message>
        <source>Team A</source>
        <translation>Equipo A</translation>
    </message>
    <message>
        <source>Team B</source>
        <translation>Equipo B</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>Game over: %1</source>
        <translation>Fin de la partida: %1</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo mira</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Te toca.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>Welcome to Quadrino</source>
        <translation>Bienvenido a Quadrino</translation>
    </message>
    <message>
        <source>The game has already started, you will have to wait for the next game before you can play.</source>
        <translation>La partida ya ha empezado; tendrás que esperar a la siguiente para jugar.</translation>
    </message>
    <message>
        <source> DOUBLES!</source>
        <translation> ¡DOBLES!</translation>
    </message>
    <message>
        <source>You have moved a pawn HOME.</source>
        <translation>Has llevado una ficha a la META.</translation>
    </message>
    <message>
        <source>%1 moved a pawn HOME.</source>
        <translation>%1 ha llevado una ficha a la META.</translation>
    </message>
    <message>
        <source>You have moved a pawn.</source>
        <translation>Has movido una ficha.</translation>
    </message>
    <message>
        <source>%1 moved a pawn.</source>
        <translation>%1 ha movido una ficha.</translation>
    </message>
    <message>
        <source>You have sent %1 back to start.</source>
        <translation>Te has comido una ficha de %1.</translation>
    </message>
    <message>
        <source>%1 sent %2 back to start.</source>
        <translation>%1 se ha comido una ficha de %2.</translation>
    </message>
    <message>
        <source>You get to roll again.</source>
        <translation>Vuelves a tirar.</translation>
    </message>
    <message>
        <source>%1 gets to roll again.</source>
        <translation>%1 vuelve a tirar.</translation>
    </message>
    <message>
        <source>You have no valid moves.</source>
        <translation>No tienes movimientos válidos.</translation>
    </message>
    <message>
        <source>%1 has no valid moves.</source>
        <translation>%1 no tiene movimientos válidos.</translation>
    </message>
    <message>
        <source>You have passed.</source>
        <translation>Has pasado.</translation>
    </message>
    <message>
        <source>%1 has passed.</source>
        <translation>%1 ha pasado.</translation>
    </message>
    <message>
        <source>You got a Doubles Penalty.</source>
        <translation>Te han castigado por dobles.</translation>
    </message>
    <message>
        <source>%1 got a 3 Double Penalty.</source>
        <translation>%1 ha recibido el castigo por tres dobles.</translation>
    </message>
    <message>
        <source>You got a Limit Penalty</source>
        <translation>Te han castigado por el límite de barrera</translation>
    </message>
    <message>
        <source>%1 got a Limited Penalty</source>
        <translation>%1 ha recibido el castigo por el límite de barrera</translation>
    </message>
    <message>
        <source>You have already rolled the die.</source>
        <translation>Ya has tirado los dados.</translation>
    </message>
    <message>
        <source>You need to roll the die</source>
        <translation>Tienes que tirar los dados</translation>
    </message>
    <message>
        <source>That dice is already used.</source>
        <translation>Ese dado ya está usado.</translation>
    </message>
    <message>
        <source>You do not have a bonus move.</source>
        <translation>No tienes ningún movimiento de bonificación.</translation>
    </message>
    <message>
        <source>That is not a valid move.</source>
        <translation>Ese movimiento no es válido.</translation>
    </message>
</context>
</TS>
