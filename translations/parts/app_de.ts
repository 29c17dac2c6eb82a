<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Launch</name>
    <message>
        <source>A dice race for up to four players over the network. Without arguments, a solo game against computer players on this machine.</source>
        <translation>Ein Würfelrennen für bis zu vier Spieler über das Netzwerk. Ohne Argumente ein Einzelspiel gegen Computerspieler auf diesem Rechner.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Host or join on TCP port N instead of %1 (0 to 65535; when hosting, 0 picks a free one).</source>
        <translation>Auf TCP-Port N statt %1 eröffnen oder beitreten (0 bis 65535; beim Eröffnen wählt 0 einen freien Port).</translation>
    </message>
    <message>
        <source>Multiply the timers of the game this copy hosts by F (above 0, at most 100).</source>
        <translation>Die Zeitgeber des Spiels, das diese Kopie leitet, mit F multiplizieren (über 0, höchstens 100).</translation>
    </message>
    <message>
        <source>Start the hosted game's dice from N (0 to 4294967295); without it the dice come from the system's random source.</source>
        <translation>Die Würfel des geleiteten Spiels mit N starten (0 bis 4294967295); ohne diese Angabe kommen die Würfel aus der Zufallsquelle des Systems.</translation>
    </message>
    <message>
        <source>Your name at the table.</source>
        <translation>Ihr Name am Spieltisch.</translation>
    </message>
    <message>
        <source>The host's address (kept, not used, when hosting).</source>
        <translation>Die Adresse des Gastgebers (beim Eröffnen gemerkt, aber nicht benutzt).</translation>
    </message>
    <message>
        <source>true hosts the game; any other word joins the game at the address. With only a name, or a name and an address, the window waits without connecting.</source>
        <translation>true eröffnet das Spiel; jedes andere Wort tritt dem Spiel an der Adresse bei. Mit nur einem Namen oder einem Namen und einer Adresse wartet das Fenster, ohne sich zu verbinden.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
</context>
<context>
    <name>NetworkAddresses</name>
    <message>
        <source>%1 port %2</source>
        <translation>%1 Port %2</translation>
    </message>
    <message>
        <source>This computer has no network address but its own, so only it can join for now (port %1).</source>
        <translation>Dieser Computer hat außer seiner eigenen keine Netzwerkadresse, daher kann vorerst nur er selbst beitreten (Port %1).</translation>
    </message>
    <message>
        <source>Others can join this game at: %1.</source>
        <translation>Andere können diesem Spiel hier beitreten: %1.</translation>
    </message>
    <message>
        <source> A firewall on this computer must let in TCP port %1.</source>
        <translation> Eine Firewall auf diesem Computer muss TCP-Port %1 durchlassen.</translation>
    </message>
</context>
<context>
    <name>quadrino::ClientSession</name>
    <message>
        <source>the connection was refused; no game is hosted there</source>
        <translation>die Verbindung wurde abgelehnt; dort wird kein Spiel geleitet</translation>
    </message>
    <message>
        <source>no computer has that name or address</source>
        <translation>kein Computer hat diesen Namen oder diese Adresse</translation>
    </message>
    <message>
        <source>the address cannot be reached (%1)</source>
        <translation>die Adresse ist nicht erreichbar (%1)</translation>
    </message>
    <message>
        <source>The host sent more than this client can take; the connection was closed.</source>
        <translation>Der Gastgeber hat mehr gesendet, als dieses Programm annehmen kann; die Verbindung wurde getrennt.</translation>
    </message>
    <message>
        <source>the host did not answer within %1 seconds</source>
        <translation>der Gastgeber hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als Sie.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Sie haben eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
</context>
<context>
    <name>quadrino::GameLauncher</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Einzelspiel wird geladen... Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerspiel wird geladen... Bitte warten.</translation>
    </message>
    <message>
        <source>Unable to connect to your own game on this machine.</source>
        <translation>Keine Verbindung zu Ihrem eigenen Spiel auf diesem Rechner möglich.</translation>
    </message>
    <message>
        <source>Unable to host a game on port %1: %2. Host again from the File menu.</source>
        <translation>Auf Port %1 kann kein Spiel eröffnet werden: %2. Eröffnen Sie erneut über das Menü „Datei“.</translation>
    </message>
    <message>
        <source>Cannot host a game here because port %1 is in use on this machine.</source>
        <translation>Hier kann kein Spiel eröffnet werden, weil Port %1 auf diesem Rechner belegt ist.</translation>
    </message>
    <message>
        <source>Port %1 is in use on this machine, perhaps by another game of Quadrino.

You can host on another port, join the game on port %1, or stay idle and choose later from the File menu.</source>
        <translation>Port %1 ist auf diesem Rechner belegt, vielleicht von einem anderen Quadrino-Spiel.

Sie können auf einem anderen Port eröffnen, dem Spiel auf Port %1 beitreten oder untätig bleiben und später im Menü „Datei“ wählen.</translation>
    </message>
    <message>
        <source>Host on Port %1</source>
        <translation>Auf Port %1 eröffnen</translation>
    </message>
    <message>
        <source>Host on Another Port...</source>
        <translation>Auf anderem Port eröffnen...</translation>
    </message>
    <message>
        <source>Join the Game There</source>
        <translation>Dem Spiel dort beitreten</translation>
    </message>
    <message>
        <source>Stay Idle</source>
        <translation>Untätig bleiben</translation>
    </message>
    <message>
        <source>Not hosting. Host or join a game from the File menu.</source>
        <translation>Kein Spiel eröffnet. Eröffnen Sie ein Spiel oder treten Sie einem bei, über das Menü „Datei“.</translation>
    </message>
    <message>
        <source>You are hosting a game in progress; leaving ends it for every player. Leave the game?</source>
        <translation>Sie leiten ein laufendes Spiel; wenn Sie es verlassen, endet es für alle Spieler. Spiel verlassen?</translation>
    </message>
    <message>
        <source>A game is in progress. Leave the game?</source>
        <translation>Ein Spiel läuft. Spiel verlassen?</translation>
    </message>
    <message>
        <source>Hosting a network game as %1.. Please Wait.</source>
        <translation>Netzwerkspiel wird als %1 eröffnet... Bitte warten.</translation>
    </message>
    <message>
        <source>Joining the game at %1 port %2.. Please Wait.</source>
        <translation>Dem Spiel auf %1 Port %2 wird beigetreten... Bitte warten.</translation>
    </message>
    <message>
        <source>The connection to the game has closed. Host or join a game from the File menu to play again.</source>
        <translation>Die Verbindung zum Spiel wurde getrennt. Eröffnen Sie ein Spiel oder treten Sie einem bei, über das Menü „Datei“, um wieder zu spielen.</translation>
    </message>
    <message>
        <source>Unable to join %1: every seat of that game is taken.</source>
        <translation>Beitritt zu %1 nicht möglich: Alle Plätze dieses Spiels sind besetzt.</translation>
    </message>
    <message>
        <source>your own game</source>
        <translation>Ihrem eigenen Spiel</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1 Port %2</translation>
    </message>
    <message>
        <source>Unable to join %1: %2. Check the address and port, then try again from the File menu.</source>
        <translation>Beitritt zu %1 nicht möglich: %2. Prüfen Sie Adresse und Port und versuchen Sie es dann erneut über das Menü „Datei“.</translation>
    </message>
</context>
<context>
    <name>quadrino::GameRecordView</name>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>Latest event</source>
        <translation>Letztes Ereignis</translation>
    </message>
    <message>
        <source>Game log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>Game summary</source>
        <translation>Spielübersicht</translation>
    </message>
    <message>
        <source>Places and figures of each seat</source>
        <translation>Plätze und Zahlen jedes Platzes</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Im Ziel</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Würfe</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Pasche</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Glück</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Geschlagen</translation>
    </message>
    <message>
        <source>Captured</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Strafen</translation>
    </message>
    <message>
        <source>Bonus moves</source>
        <translation>Bonuszüge</translation>
    </message>
    <message>
        <source>The dice's total against the seven two dice average per roll</source>
        <translation>Augensumme der Würfel gegenüber dem Durchschnitt von sieben je Wurf mit zwei Würfeln</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Save Game Log...</source>
        <translation>Protokoll speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Save Game Log</source>
        <translation>Spielprotokoll speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>quadrino::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Host Network Game...</source>
        <translation>Netzwerkspiel &amp;eröffnen...</translation>
    </message>
    <message>
        <source>&amp;Join Network Game...</source>
        <translation>Netzwerkspiel bei&amp;treten...</translation>
    </message>
    <message>
        <source>Save Game &amp;Log...</source>
        <translation>Spiel&amp;protokoll speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Play &amp;Sounds</source>
        <translation>Töne &amp;abspielen</translation>
    </message>
    <message>
        <source>Play C&amp;hatter Sounds</source>
        <translation>C&amp;hat-Töne abspielen</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>&amp;Zugsignal</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Bot Speed</source>
        <translation>&amp;Bot-Tempo</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>Bot L&amp;evel</source>
        <translation>Bot-S&amp;tärke</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>&amp;Stark</translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation>Text&amp;farbe</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Text&amp;größe</translation>
    </message>
    <message>
        <source>Scroll Chat O&amp;ff</source>
        <translation>Chat nicht sc&amp;rollen</translation>
    </message>
    <message>
        <source>C&amp;lear Main Chat</source>
        <translation>Chat &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Fenster&amp;position zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>&amp;Nur zuschauen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>&amp;Bilanz anzeigen</translation>
    </message>
    <message>
        <source>S&amp;py List</source>
        <translation>&amp;Zuschauerliste</translation>
    </message>
    <message>
        <source>P&amp;hrase List</source>
        <translation>&amp;Phrasenliste</translation>
    </message>
    <message>
        <source>&amp;Game Log</source>
        <translation>&amp;Spielprotokoll</translation>
    </message>
    <message>
        <source>&amp;Animations</source>
        <translation>&amp;Animationen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>quadrino::MainWindow</name>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Die Webseite kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Only the copy that hosts the game runs its computer players.</source>
        <translation>Nur die Kopie, die das Spiel leitet, steuert dessen Computerspieler.</translation>
    </message>
    <message>
        <source>A game is in progress. Start a new game?</source>
        <translation>Ein Spiel läuft. Ein neues Spiel starten?</translation>
    </message>
</context>
<context>
    <name>quadrino::NetworkGameDialog</name>
    <message>
        <source>Quadrino - Host Network Game</source>
        <translation>Quadrino - Netzwerkspiel eröffnen</translation>
    </message>
    <message>
        <source>Quadrino - Join Network Game</source>
        <translation>Quadrino - Netzwerkspiel beitreten</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>name or IP address of the hosting computer</source>
        <translation>Name oder IP-Adresse des Gastgeber-Computers</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Adresse des Gastgebers:</translation>
    </message>
    <message>
        <source>any free port</source>
        <translation>beliebiger freier Port</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Eröffnen</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
</context>
<context>
    <name>quadrino::PreferencesStore</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht beschrieben werden</translation>
    </message>
</context>
</TS>