<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>quadrino::AboutBox</name>
    <message>
        <source>Quadrino - About</source>
        <translation>Über Quadrino</translation>
    </message>
    <message>
        <source>The board with one pawn of each colour and two dice</source>
        <translation>Das Spielbrett mit je einer Figur jeder Farbe und zwei Würfeln</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Made by %1</source>
        <translation>Entwickelt von %1</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Die Webseite kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>quadrino::CheckImage</name>
    <message>
        <source>checked, Space unchecks it</source>
        <translation>aktiviert, Leertaste deaktiviert</translation>
    </message>
    <message>
        <source>not checked, Space checks it</source>
        <translation>nicht aktiviert, Leertaste aktiviert</translation>
    </message>
</context>
<context>
    <name>quadrino::GameOptionsDialog</name>
    <message>
        <source>3 Double Penalty</source>
        <translation>Strafe bei 3 Paschen</translation>
    </message>
    <message>
        <source>Passing Allowed</source>
        <translation>Aussetzen erlaubt</translation>
    </message>
    <message>
        <source>Blocking Allowed</source>
        <translation>Sperren erlaubt</translation>
    </message>
    <message>
        <source>Limit Blocks To:</source>
        <translation>Sperrlimit:</translation>
    </message>
    <message>
        <source>setting to 0 allows unlimited blocking</source>
        <extracomment>The accessible description reads the note from its first &quot;0&quot; on, so keep the 0 where that reads as a sentence.</extracomment>
        <translation>Der Wert 0 erlaubt unbegrenztes Sperren</translation>
    </message>
    <message>
        <source>Pouncing Allowed</source>
        <translation>Schlagen erlaubt</translation>
    </message>
    <message>
        <source>Full Game</source>
        <translation>Volles Spiel</translation>
    </message>
    <message>
        <source>Bots will fill empty seats</source>
        <translation>Bots besetzen freie Plätze</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspiel</translation>
    </message>
    <message>
        <source>Quadrino - Game Start</source>
        <translation>Quadrino - Spielstart</translation>
    </message>
    <message>
        <source>Quadrino Game Options</source>
        <translation>Quadrino-Spieloptionen</translation>
    </message>
    <message>
        <source>Start Game (Enter)</source>
        <translation>Spiel starten (Eingabetaste)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>turns; %1</source>
        <translation>Züge; %1</translation>
    </message>
</context>
<context>
    <name>quadrino::HelpWindow</name>
    <message>
        <source>Quadrino - Help File</source>
        <translation>Quadrino - Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>quadrino::LinkLabel</name>
    <message>
        <source>Open in your web browser</source>
        <translation>Im Webbrowser öffnen</translation>
    </message>
</context>
<context>
    <name>quadrino::LobbyAdvert</name>
    <message>
        <source>Please close the game and open the Kestrun Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Bitte schließen Sie das Spiel und öffnen Sie die Kestrun Lobby über das Symbol auf Ihrem Desktop oder über das Startmenü.</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Download The Kestrun Lobby</source>
        <translation>Kestrun Lobby herunterladen</translation>
    </message>
    <message>
        <source>Quadrino logo</source>
        <translation>Quadrino-Logo</translation>
    </message>
    <message>
        <source>Download The Kestrun Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Laden Sie jetzt die Kestrun Lobby herunter, um dieses und andere spannende Spiele online mit anderen Spielern zu spielen!</translation>
    </message>
    <message>
        <source>Download And Install The Kestrun Lobby Now</source>
        <translation>Kestrun Lobby jetzt installieren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Download abbrechen</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Um ohne die Möglichkeit, gegen andere zu spielen, zum Spiel zu gelangen, klicken Sie auf die Schaltfläche unten.</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Hinweis: Auch wenn Sie offline spielen, müssen Sie Ihre FIREWALL so einrichten, dass das Spiel auf die Internetkomponenten zugreifen darf.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>If you already have The Kestrun Lobby and you wish to play with others then click the button below to close this game and open The Kestrun Lobby.</source>
        <translation>Wenn Sie die Kestrun Lobby bereits haben und mit anderen spielen möchten, klicken Sie auf die Schaltfläche unten, um dieses Spiel zu schließen und die Kestrun Lobby zu öffnen.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>This copy of Quadrino was built without the address of the lobby&apos;s download page.</source>
        <translation>Diese Quadrino-Ausgabe wurde ohne die Adresse der Download-Seite der Lobby erstellt.</translation>
    </message>
    <message>
        <source>Look for The Kestrun Lobby at %1.</source>
        <translation>Sie finden die Kestrun Lobby unter %1.</translation>
    </message>
    <message>
        <source>The download page is open in your web browser.</source>
        <translation>Die Download-Seite ist in Ihrem Webbrowser geöffnet.</translation>
    </message>
    <message>
        <source>Download and install The Kestrun Lobby from there.</source>
        <translation>Laden Sie die Kestrun Lobby dort herunter und installieren Sie sie.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>No web browser could be started. The download page is %1</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Download-Seite ist %1</translation>
    </message>
</context>
<context>
    <name>quadrino::PhraseEditor</name>
    <message>
        <source>Quadrino - Phrase Buttons </source>
        <translation>Quadrino - Phrasentasten </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Phrasentaste %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Die Tasten sind nur alle 2 Sekunden nutzbar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>quadrino::SpyListWindow</name>
    <message>
        <source>Quadrino - Spys</source>
        <translation>Quadrino - Zuschauer</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>Aus dem Spiel &amp;entfernen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>quadrino::TallyWindow</name>
    <message>
        <source>Quadrino  - Tally List</source>
        <translation>Quadrino - Bilanz</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Siege:</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Bilanz zurücksetzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler in dieser Partie</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Erfasste Spieler</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele gesamt:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Ihre Siege</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl Spiele</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Ihre Siege:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner von beiden:</translation>
    </message>
    <message>
        <source>The unreadable tally file was kept as %1; a new tally is started.</source>
        <translation>Die unlesbare Bilanzdatei wurde als %1 aufbewahrt; eine neue Bilanz wird begonnen.</translation>
    </message>
    <message>
        <source>The unreadable tally file could not be moved aside, so it is left as it is and this run&apos;s tally will not be saved.</source>
        <translation>Die unlesbare Bilanzdatei konnte nicht beiseitegelegt werden; sie bleibt unverändert, und die Bilanz dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz von %1 gelöscht. Möchten Sie sie wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz von %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Möchten Sie die Bilanz wirklich zurücksetzen?</translation>
    </message>
</context>
</TS>
