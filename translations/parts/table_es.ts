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
    <name>quadrino::ChatArea</name>
    <message>
        <source>Doh</source>
        <translation>D'oh</translation>
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
    <name>quadrino::TablePanel</name>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
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
        <translation>Empezar partida (Ctrl+N)</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Board: %1, %2</source>
        <translation>Tablero: %1, %2</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Último movimiento</translation>
    </message>
    <message>
        <source>Moving pawns</source>
        <translation>Fichas en movimiento</translation>
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
        <translation>Empezar</translation>
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
        <translation>Empezar partida</translation>
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
