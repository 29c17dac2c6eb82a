<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>GameLog</name>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>%1 (%2) joined.</source>
        <translation>%1 (%2) ist beigetreten.</translation>
    </message>
    <message>
        <source>%1 is watching as a spectator.</source>
        <translation>%1 sieht als Zuschauer zu.</translation>
    </message>
    <message>
        <source>%1 stopped watching.</source>
        <translation>%1 sieht nicht mehr zu.</translation>
    </message>
    <message>
        <source>%1 (%2) left; %3, the computer, plays on.</source>
        <translation>%1 (%2) ist gegangen; %3, der Computer, spielt weiter.</translation>
    </message>
    <message>
        <source>%1 (%2) left.</source>
        <translation>%1 (%2) ist gegangen.</translation>
    </message>
    <message>
        <source>%1 started a new game.</source>
        <translation>%1 hat ein neues Spiel gestartet.</translation>
    </message>
    <message>
        <source>You joined a game in progress.</source>
        <translation>Sie sind einem laufenden Spiel beigetreten.</translation>
    </message>
    <message>
        <source>Turn of %1 (%2).</source>
        <translation>%1 (%2) ist am Zug.</translation>
    </message>
    <message>
        <source>%1 (%2) rolled doubles: %3 and %4.</source>
        <translation>%1 (%2) hat einen Pasch gewürfelt: %3 und %4.</translation>
    </message>
    <message>
        <source>%1 (%2) rolled %3 and %4.</source>
        <translation>%1 (%2) hat %3 und %4 gewürfelt.</translation>
    </message>
    <message>
        <source>%1 (%2) moved pawn %3 from %4 home, spending %6 (%7), and earned a bonus of 10.</source>
        <translation>%1 (%2) hat Figur %3 von %4 ins Ziel gezogen, mit %6 (%7), und einen Bonus von 10 erhalten.</translation>
    </message>
    <message>
        <source>%1 (%2) moved pawn %3 from %4 to %5, spending %6 (%7).</source>
        <translation>%1 (%2) hat Figur %3 von %4 nach %5 gezogen, mit %6 (%7).</translation>
    </message>
    <message>
        <source>%1 (%2) sent pawn %5 of %3 (%4) back to start and earned a bonus of 20.</source>
        <translation>%1 (%2) hat Figur %5 von %3 (%4) geschlagen und einen Bonus von 20 erhalten.</translation>
    </message>
    <message>
        <source>%1 (%2) rolls again for the doubles.</source>
        <translation>%1 (%2) würfelt wegen des Paschs noch einmal.</translation>
    </message>
    <message>
        <source>%1 (%2) has no valid move.</source>
        <translation>%1 (%2) hat keinen gültigen Zug.</translation>
    </message>
    <message>
        <source>%1 (%2) passed.</source>
        <translation>%1 (%2) hat gepasst.</translation>
    </message>
    <message>
        <source>%1 (%2) rolled doubles a third time (%3 and %4): pawn %5 goes back to start.</source>
        <translation>%1 (%2) hat zum dritten Mal einen Pasch gewürfelt (%3 und %4): Figur %5 muss zurück zum Start.</translation>
    </message>
    <message>
        <source>%1 (%2) rolled doubles a third time (%3 and %4): no pawn on the track to lose.</source>
        <translation>%1 (%2) hat zum dritten Mal einen Pasch gewürfelt (%3 und %4): keine Figur auf der Bahn, die zurück müsste.</translation>
    </message>
    <message>
        <source>The block of %1 (%2) outlasted the limit: pawn %3 goes back to start.</source>
        <translation>Die Sperre von %1 (%2) stand länger als erlaubt: Figur %3 muss zurück zum Start.</translation>
    </message>
    <message>
        <source>The block of pawn %1 reaches the limit at your next turn: move one of its pawns.</source>
        <translation>Die Sperre von Figur %1 erreicht bei Ihrem nächsten Zug das Limit: Ziehen Sie eine ihrer Figuren.</translation>
    </message>
    <message>
        <source>%1 and %2 won the game as partners.</source>
        <translation>%1 und %2 haben das Spiel als Team gewonnen.</translation>
    </message>
    <message>
        <source>%1 (%2) won the game.</source>
        <translation>%1 (%2) hat das Spiel gewonnen.</translation>
    </message>
    <message>
        <source>%1 (%2) is just watching; the computer plays the seat.</source>
        <translation>%1 (%2) schaut nur zu; der Computer spielt für diesen Platz.</translation>
    </message>
    <message>
        <source>%1 (%2) is playing again.</source>
        <translation>%1 (%2) spielt wieder mit.</translation>
    </message>
    <message>
        <source>The %1 seat sits this game out.</source>
        <translation>Der Platz %1 setzt dieses Spiel aus.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
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
        <translation>Husten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Wo waren Sie?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niesen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yeehaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Juhu</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh nein</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfft</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Frau lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Mann lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Weinen</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Chat hier eingeben&gt;</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat (F6 goes to the board and back)</source>
        <translation>Chat (F6 wechselt zum Brett und zurück)</translation>
    </message>
    <message>
        <source>Chat entry</source>
        <translation>Chat-Eingabe</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Chat-Geräusch&gt; %2</translation>
    </message>
</context>
<context>
    <name>quadrino::ChatEntry</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>quadrino::PhraseButtons</name>
    <message>
        <source>Chatter sounds</source>
        <translation>Chat-Geräusche</translation>
    </message>
    <message>
        <source>Say: %1</source>
        <translation>Sagen: %1</translation>
    </message>
</context>
<context>
    <name>quadrino::TablePanel</name>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel nehmen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Auf „Nur zuschauen“ setzen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>„Nur zuschauen“ aufheben</translation>
    </message>
    <message>
        <source>Doubles Penalty</source>
        <translation>Pasch-Strafe</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Blocking</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Block Limit</source>
        <translation>Sperrlimit</translation>
    </message>
    <message>
        <source>Pouncing</source>
        <translation>Schlagen</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspiel</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Penalty for rolling doubles more then twice a turn</source>
        <translation>Strafe, wenn in einem Zug mehr als zweimal ein Pasch fällt</translation>
    </message>
    <message>
        <source>The abillity to pass your turn.</source>
        <translation>Die Möglichkeit, den eigenen Zug zu passen.</translation>
    </message>
    <message>
        <source>The abillity to have two of your pawns on one square preventing other players from passing.</source>
        <translation>Die Möglichkeit, zwei eigene Figuren auf ein Feld zu stellen, sodass andere Spieler nicht vorbeikommen.</translation>
    </message>
    <message>
        <source>The amount of turns two of your pawns can block.</source>
        <translation>Wie viele Züge zwei Ihrer Figuren eine Sperre halten dürfen.</translation>
    </message>
    <message>
        <source>The ability to land on other players pawns and send it back to start.</source>
        <translation>Die Möglichkeit, Figuren anderer Spieler zu schlagen und zurück zum Start zu schicken.</translation>
    </message>
    <message>
        <source>To play with a partner</source>
        <translation>Mit einem Partner spielen</translation>
    </message>
    <message>
        <source>TEAM: A</source>
        <translation>TEAM: A</translation>
    </message>
    <message>
        <source>TEAM: B</source>
        <translation>TEAM: B</translation>
    </message>
    <message>
        <source>Would you like the bot to take over for</source>
        <translation>Soll der Computer weiterspielen für</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Keyboard on the board</source>
        <translation>Tastatur auf dem Brett</translation>
    </message>
    <message>
        <source>Keys 1 to 4 choose your pawns</source>
        <translation>Die Tasten 1 bis 4 wählen Ihre Figuren</translation>
    </message>
    <message>
        <source>Roll the dice (Space)</source>
        <translation>Würfeln (Leertaste)</translation>
    </message>
    <message>
        <source>Move here (Enter moves to the chosen marker, Tab chooses the next)</source>
        <translation>Hierher ziehen (Eingabe zieht zur gewählten Markierung, Tab wählt die nächste)</translation>
    </message>
    <message>
        <source>Pass (P)</source>
        <translation>Passen (P)</translation>
    </message>
    <message>
        <source>Start Game (Ctrl+N)</source>
        <translation>Spiel starten (Strg+N)</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Board: %1, %2</source>
        <translation>Spielbrett: %1, %2</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Letzter Zug</translation>
    </message>
    <message>
        <source>Moving pawns</source>
        <translation>Ziehende Figuren</translation>
    </message>
</context>
<context>
    <name>quadrino::art</name>
    <message>
        <source>WINNER!</source>
        <translation>SIEGER!</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spielstart</translation>
    </message>
    <message>
        <source>BLOCK LIMIT!</source>
        <translation>SPERRLIMIT!</translation>
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
        <translation>Figur %2 von %1, %3</translation>
    </message>
    <message>
        <source>Pawn of an empty seat</source>
        <translation>Figur eines leeren Platzes</translation>
    </message>
    <message>
        <source>%1&apos;s pawn</source>
        <translation>Figur von %1</translation>
    </message>
    <message>
        <source>Your pawn; press %1 to choose it; chosen, Tab walks its moves</source>
        <translation>Ihre Figur; %1 drücken, um sie zu wählen; gewählt, Tab geht ihre Züge durch</translation>
    </message>
    <message>
        <source>Your pawn; press %1 to choose it</source>
        <translation>Ihre Figur; %1 drücken, um sie zu wählen</translation>
    </message>
    <message>
        <source>Move marker</source>
        <translation>Zugmarkierung</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>nicht angezeigt</translation>
    </message>
    <message>
        <source>Move pawn %1 to %2</source>
        <translation>Figur %1 ziehen: %2</translation>
    </message>
    <message>
        <source>spends %1 (%2); chosen, press Enter to move</source>
        <translation>verbraucht %1 (%2); gewählt, Eingabe drücken zum Ziehen</translation>
    </message>
    <message>
        <source>spends %1 (%2)</source>
        <translation>verbraucht %1 (%2)</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Würfel %1: %2</translation>
    </message>
    <message>
        <source>Die %1: %2, used</source>
        <translation>Würfel %1: %2, verbraucht</translation>
    </message>
    <message>
        <source>Die %1: used</source>
        <translation>Würfel %1: verbraucht</translation>
    </message>
    <message>
        <source>Die %1: not rolled</source>
        <translation>Würfel %1: nicht gewürfelt</translation>
    </message>
    <message>
        <source>Your roll: press Space to roll the dice</source>
        <translation>Sie sind dran: Leertaste drücken zum Würfeln</translation>
    </message>
    <message>
        <source>Roll the dice (Space) when it is your turn</source>
        <translation>Würfeln (Leertaste), wenn Sie am Zug sind</translation>
    </message>
    <message>
        <source>Extra die %1: %2</source>
        <translation>Extrawürfel %1: %2</translation>
    </message>
    <message>
        <source>Extra die %1</source>
        <translation>Extrawürfel %1</translation>
    </message>
    <message>
        <source>from a roll of doubles</source>
        <translation>aus einem Pasch</translation>
    </message>
    <message>
        <source>20-square bonus</source>
        <translation>Bonus von 20 Feldern</translation>
    </message>
    <message>
        <source>10-square bonus</source>
        <translation>Bonus von 10 Feldern</translation>
    </message>
    <message>
        <source>Bonus: %1 squares</source>
        <translation>Bonus: %1 Felder</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>%1 seat</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>your seat</source>
        <translation>Ihr Platz</translation>
    </message>
    <message>
        <source>to move</source>
        <translation>am Zug</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>schaut nur zu</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>Sieger</translation>
    </message>
    <message>
        <source>%1 progress: %2</source>
        <translation>Fortschritt %1: %2</translation>
    </message>
    <message>
        <source>How far %1 has come</source>
        <translation>Wie weit %1 gekommen ist</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Pass your turn (P)</source>
        <translation>Ihren Zug passen (P)</translation>
    </message>
    <message>
        <source>%1 may pass</source>
        <translation>%1 darf passen</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>Turn highlight</source>
        <translation>Zuganzeige</translation>
    </message>
    <message>
        <source>%1 just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>The computer plays this seat</source>
        <translation>Der Computer spielt diesen Platz</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 hat gewonnen</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Sieger</translation>
    </message>
    <message>
        <source>%1 seat&apos;s team</source>
        <translation>Team des Platzes %1</translation>
    </message>
    <message>
        <source>%1 sits this game out</source>
        <translation>%1 setzt dieses Spiel aus</translation>
    </message>
    <message>
        <source>Seat out of the game</source>
        <translation>Platz nicht im Spiel</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Wartet&gt;</translation>
    </message>
    <message>
        <source>Player?</source>
        <translation>Spieler?</translation>
    </message>
    <message>
        <source>at start</source>
        <translation>am Start</translation>
    </message>
    <message>
        <source>square %1, safe square</source>
        <translation>Feld %1, sicheres Feld</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>home column square %1</source>
        <translation>Zielgerade Feld %1</translation>
    </message>
    <message>
        <source>home</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>die 1</source>
        <translation>Würfel 1</translation>
    </message>
    <message>
        <source>die 2</source>
        <translation>Würfel 2</translation>
    </message>
    <message>
        <source>both dice</source>
        <translation>beide Würfel</translation>
    </message>
    <message>
        <source>extra die 1</source>
        <translation>Extrawürfel 1</translation>
    </message>
    <message>
        <source>extra die 2</source>
        <translation>Extrawürfel 2</translation>
    </message>
    <message>
        <source>both extra dice</source>
        <translation>beide Extrawürfel</translation>
    </message>
    <message>
        <source>second 20-square bonus</source>
        <translation>zweiter Bonus von 20 Feldern</translation>
    </message>
    <message>
        <source>third 20-square bonus</source>
        <translation>dritter Bonus von 20 Feldern</translation>
    </message>
    <message>
        <source>second 10-square bonus</source>
        <translation>zweiter Bonus von 10 Feldern</translation>
    </message>
    <message>
        <source>third 10-square bonus</source>
        <translation>dritter Bonus von 10 Feldern</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Space rolls, 1 to 4 choose a pawn, Tab and Shift+Tab walk its moves, Enter moves, Escape clears, P passes, B reads the board into the chat, F6 goes to the chat</source>
        <translation>Leertaste würfelt, 1 bis 4 wählen eine Figur, Tab und Umschalt+Tab gehen ihre Züge durch, Eingabe zieht, Escape hebt die Wahl auf, P passt, B schreibt das Brett in den Chat, F6 wechselt zum Chat</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Bild des Spielbretts</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Choose the options and start a game (Ctrl+N)</source>
        <translation>Optionen wählen und ein Spiel starten (Strg+N)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>A block stands too long</source>
        <translation>Eine Sperre steht zu lange</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Close error</source>
        <translation>Fehler schließen</translation>
    </message>
    <message>
        <source>Escape or a click on the board closes it</source>
        <translation>Escape oder ein Klick auf das Brett schließt ihn</translation>
    </message>
    <message>
        <source>Computer player question</source>
        <translation>Frage zum Computerspieler</translation>
    </message>
    <message>
        <source>Let the computer play on for %1</source>
        <translation>Den Computer für %1 weiterspielen lassen</translation>
    </message>
    <message>
        <source>Take %1&apos;s seat out of the game</source>
        <translation>Den Platz von %1 aus dem Spiel nehmen</translation>
    </message>
    <message>
        <source>Quadrino logo</source>
        <translation>Quadrino-Logo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site</source>
        <translation>Öffnet die Website des Herstellers</translation>
    </message>
    <message>
        <source>Progress of the seats</source>
        <translation>Fortschritt der Plätze</translation>
    </message>
    <message>
        <source>Last event</source>
        <translation>Letztes Ereignis</translation>
    </message>
    <message>
        <source>Whose turn</source>
        <translation>Wer am Zug ist</translation>
    </message>
    <message>
        <source>Game rule</source>
        <translation>Spielregel</translation>
    </message>
    <message>
        <source>you</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>pawn %1 %2</source>
        <translation>Figur %1: %2</translation>
    </message>
    <message>
        <source>%1: %2; %3; %4; %5</source>
        <translation>%1: %2; %3; %4; %5</translation>
    </message>
    <message>
        <source>No pawns on the board.</source>
        <translation>Keine Figuren auf dem Brett.</translation>
    </message>
</context>
<context>
    <name>quadrino::table::TableModel</name>
    <message>
        <source>You are not connected</source>
        <translation>Sie sind nicht verbunden</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Sie sind verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Sie schauen zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>Team A</source>
        <translation>Team A</translation>
    </message>
    <message>
        <source>Team B</source>
        <translation>Team B</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Sie haben das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Game over: %1</source>
        <translation>Spielende: %1</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Sie sind am Zug.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message>
        <source>Welcome to Quadrino</source>
        <translation>Willkommen bei Quadrino</translation>
    </message>
    <message>
        <source>The game has already started, you will have to wait for the next game before you can play.</source>
        <translation>Das Spiel hat schon begonnen; Sie können erst im nächsten Spiel mitspielen.</translation>
    </message>
    <message>
        <source> DOUBLES!</source>
        <translation> PASCH!</translation>
    </message>
    <message>
        <source>You have moved a pawn HOME.</source>
        <translation>Sie haben eine Figur ins ZIEL gebracht.</translation>
    </message>
    <message>
        <source>%1 moved a pawn HOME.</source>
        <translation>%1 hat eine Figur ins ZIEL gebracht.</translation>
    </message>
    <message>
        <source>You have moved a pawn.</source>
        <translation>Sie haben eine Figur gezogen.</translation>
    </message>
    <message>
        <source>%1 moved a pawn.</source>
        <translation>%1 hat eine Figur gezogen.</translation>
    </message>
    <message>
        <source>You have sent %1 back to start.</source>
        <translation>Sie haben %1 geschlagen.</translation>
    </message>
    <message>
        <source>%1 sent %2 back to start.</source>
        <translation>%1 hat %2 geschlagen.</translation>
    </message>
    <message>
        <source>You get to roll again.</source>
        <translation>Sie dürfen noch einmal würfeln.</translation>
    </message>
    <message>
        <source>%1 gets to roll again.</source>
        <translation>%1 darf noch einmal würfeln.</translation>
    </message>
    <message>
        <source>You have no valid moves.</source>
        <translation>Sie haben keinen gültigen Zug.</translation>
    </message>
    <message>
        <source>%1 has no valid moves.</source>
        <translation>%1 hat keinen gültigen Zug.</translation>
    </message>
    <message>
        <source>You have passed.</source>
        <translation>Sie haben gepasst.</translation>
    </message>
    <message>
        <source>%1 has passed.</source>
        <translation>%1 hat gepasst.</translation>
    </message>
    <message>
        <source>You got a Doubles Penalty.</source>
        <translation>Sie haben eine Pasch-Strafe erhalten.</translation>
    </message>
    <message>
        <source>%1 got a 3 Double Penalty.</source>
        <translation>%1 hat eine Strafe für drei Pasch erhalten.</translation>
    </message>
    <message>
        <source>You got a Limit Penalty</source>
        <translation>Sie haben eine Sperrlimit-Strafe erhalten</translation>
    </message>
    <message>
        <source>%1 got a Limited Penalty</source>
        <translation>%1 hat eine Sperrlimit-Strafe erhalten</translation>
    </message>
    <message>
        <source>You have already rolled the die.</source>
        <translation>Sie haben bereits gewürfelt.</translation>
    </message>
    <message>
        <source>You need to roll the die</source>
        <translation>Sie müssen zuerst würfeln</translation>
    </message>
    <message>
        <source>That dice is already used.</source>
        <translation>Dieser Würfel ist schon verbraucht.</translation>
    </message>
    <message>
        <source>You do not have a bonus move.</source>
        <translation>Sie haben keinen Bonuszug.</translation>
    </message>
    <message>
        <source>That is not a valid move.</source>
        <translation>Das ist kein gültiger Zug.</translation>
    </message>
</context>
</TS>
