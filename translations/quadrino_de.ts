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
    <name>HelpPages</name>
    <message>
        <source>&lt;p&gt;Quadrino is a dice race for two to four players: each player brings four pawns from their nest once round the board and up their own home column, and the first to get all four pawns home wins (in a team game, the first pair of partners to get all eight home).&lt;/p&gt;&lt;p&gt;Play a solo game against the computer, or host a game on your computer (&lt;b&gt;File &amp;gt; Host Network Game...&lt;/b&gt;) and let friends join it over the network (&lt;b&gt;File &amp;gt; Join Network Game...&lt;/b&gt;).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quadrino ist ein Würfelrennen für zwei bis vier Spieler: Jeder Spieler bringt vier Figuren aus seinem Nest einmal rund um das Brett und die eigene Zielgerade hinauf, und wer zuerst alle vier Figuren im Ziel hat, gewinnt (im Teamspiel das Partnerpaar, das zuerst alle acht im Ziel hat).&lt;/p&gt;&lt;p&gt;Spielen Sie allein gegen den Computer, oder eröffnen Sie ein Spiel auf Ihrem Rechner (&lt;b&gt;Datei &amp;gt; Netzwerkspiel eröffnen...&lt;/b&gt;) und lassen Sie Freunde über das Netzwerk beitreten (&lt;b&gt;Datei &amp;gt; Netzwerkspiel beitreten...&lt;/b&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Playing alone&lt;/h3&gt;&lt;p&gt;Started on its own, without a name and an address, Quadrino plays a solo game: your computer hosts the game, you sit in the yellow seat as &amp;ldquo;You&amp;rdquo;, and the computer plays the other seats. A small window first offers The Kestrun Lobby; choose &lt;b&gt;Play Solo Game&lt;/b&gt; to go on. Then choose &lt;b&gt;File &amp;gt; Start Game&lt;/b&gt; (&lt;b&gt;Ctrl+N&lt;/b&gt;), or the &lt;b&gt;Start Game&lt;/b&gt; button on the board, pick the game options and start.&lt;/p&gt;&lt;p&gt;Without &lt;b&gt;Full Game&lt;/b&gt; you play against one computer player; tick it to play against three.&lt;/p&gt;&lt;p&gt;A solo game is yours alone: it listens only on your computer&apos;s own address, 127.0.0.1, so nobody else can join it and no firewall needs opening. It never gets in the way of a network game either: when port 7772 is taken, it picks a free port by itself.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Allein spielen&lt;/h3&gt;&lt;p&gt;Für sich allein gestartet, ohne Namen und Adresse, spielt Quadrino ein Solospiel: Ihr Rechner eröffnet das Spiel, Sie sitzen als &amp;bdquo;You&amp;ldquo; auf dem gelben Platz, und der Computer spielt die anderen Plätze. Ein kleines Fenster bietet zuerst die Kestrun Lobby an; wählen Sie &lt;b&gt;Allein spielen&lt;/b&gt;, um fortzufahren. Wählen Sie dann &lt;b&gt;Datei &amp;gt; Spiel starten&lt;/b&gt; (&lt;b&gt;Strg+N&lt;/b&gt;) oder die Schaltfläche &lt;b&gt;Spiel starten&lt;/b&gt; auf dem Brett, stellen Sie die Spieloptionen ein und starten Sie.&lt;/p&gt;&lt;p&gt;Ohne &lt;b&gt;Volles Spiel&lt;/b&gt; spielen Sie gegen einen Computerspieler; setzen Sie das Häkchen, um gegen drei zu spielen.&lt;/p&gt;&lt;p&gt;Ein Solospiel gehört Ihnen allein: Es lauscht nur auf der eigenen Adresse Ihres Rechners, 127.0.0.1, sodass niemand sonst beitreten kann und keine Firewall geöffnet werden muss. Einem Netzwerkspiel kommt es auch nie in die Quere: Ist Port 7772 belegt, sucht es sich selbst einen freien Port.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hosting a game&lt;/h3&gt;&lt;p&gt;&lt;b&gt;File &amp;gt; Host Network Game...&lt;/b&gt; asks for your name and the port to host on (7772 unless you change it); both are remembered for the next time. The game you are in is left first, and while a game is in progress Quadrino asks before leaving it. You sit in the yellow seat, and the chat lists the addresses of your computer that the others can join on, with the port. Tell them one of those.&lt;/p&gt;&lt;p&gt;If the port is already in use on this computer, the chat says so (for example &amp;ldquo;port 7772 is in use on this machine&amp;rdquo;), and Quadrino offers to host on another port, to join the game that is already there, or to stay idle until you choose again from the &lt;b&gt;File&lt;/b&gt; menu.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ein Spiel eröffnen&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Datei &amp;gt; Netzwerkspiel eröffnen...&lt;/b&gt; fragt nach Ihrem Namen und dem Port, auf dem Sie das Spiel eröffnen (7772, sofern Sie ihn nicht ändern); beides wird für das nächste Mal gespeichert. Das Spiel, in dem Sie gerade sind, wird zuerst verlassen; läuft dort eine Partie, fragt Quadrino vorher nach. Sie sitzen auf dem gelben Platz, und der Chat nennt die Adressen Ihres Rechners, unter denen die anderen beitreten können, samt Port. Teilen Sie ihnen eine davon mit.&lt;/p&gt;&lt;p&gt;Ist der Port auf diesem Rechner schon belegt, meldet das der Chat (zum Beispiel &amp;bdquo;port 7772 is in use on this machine&amp;ldquo;), und Quadrino bietet an, auf einem anderen Port zu eröffnen, dem dort schon laufenden Spiel beizutreten oder untätig zu bleiben, bis Sie erneut im Menü &lt;b&gt;Datei&lt;/b&gt; wählen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Joining a game&lt;/h3&gt;&lt;p&gt;&lt;b&gt;File &amp;gt; Join Network Game...&lt;/b&gt; asks for your name, the host&apos;s address (a host name or an IP address) and its port (7772 unless the host chose another); all three are remembered. As when hosting, the game you are in is left first, after a question while it is in progress. If the game cannot be joined (nobody hosts at that address and port, a firewall is in the way, every seat is taken), the chat says why, and Quadrino stays open so you can try again from the &lt;b&gt;File&lt;/b&gt; menu.&lt;/p&gt;&lt;p&gt;The hosting player plays yellow; the next players to arrive get green, magenta and red. Up to five more people can watch as spectators (&amp;ldquo;spys&amp;rdquo;); anyone after that is told &amp;ldquo;Game is full&amp;rdquo;. When the copy that hosts the game closes, the game ends for everybody.&lt;/p&gt;&lt;p&gt;Every copy must be the same version (see &lt;b&gt;About&lt;/b&gt;). A player with a different version can still join, but the host and that player both see a warning in the chat.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Einem Spiel beitreten&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Datei &amp;gt; Netzwerkspiel beitreten...&lt;/b&gt; fragt nach Ihrem Namen, der Adresse des Gastgebers (ein Rechnername oder eine IP-Adresse) und seinem Port (7772, sofern der Gastgeber keinen anderen gewählt hat); alle drei werden gespeichert. Wie beim Eröffnen wird das Spiel, in dem Sie gerade sind, zuerst verlassen, nach einer Rückfrage, falls dort eine Partie läuft. Kann dem Spiel nicht beigetreten werden (niemand eröffnet unter dieser Adresse und diesem Port, eine Firewall ist im Weg, alle Plätze sind besetzt), sagt der Chat, warum, und Quadrino bleibt offen, sodass Sie es im Menü &lt;b&gt;Datei&lt;/b&gt; erneut versuchen können.&lt;/p&gt;&lt;p&gt;Der Gastgeber spielt Gelb; die nächsten Spieler, die hinzukommen, erhalten Grün, Magenta und Rot. Bis zu fünf weitere Personen können als Zuschauer (&amp;bdquo;spys&amp;ldquo;) zusehen; wer danach kommt, erhält die Meldung &amp;bdquo;Game is full&amp;ldquo;. Wird das Quadrino geschlossen, in dem das Spiel eröffnet wurde, endet das Spiel für alle.&lt;/p&gt;&lt;p&gt;Alle Beteiligten brauchen dieselbe Version (siehe &lt;b&gt;Über&lt;/b&gt;). Ein Spieler mit einer anderen Version kann trotzdem beitreten, aber der Gastgeber und dieser Spieler sehen beide eine Warnung im Chat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Who starts the game&lt;/h3&gt;&lt;p&gt;Only the hosting player starts games (&lt;b&gt;File &amp;gt; Start Game&lt;/b&gt;, &lt;b&gt;Ctrl+N&lt;/b&gt;, or the &lt;b&gt;Start Game&lt;/b&gt; button) and can remove a player (right-click the player&apos;s name). In a copy that hosts, that is its own player, in the yellow seat. Everyone else finds &lt;b&gt;Start Game&lt;/b&gt; greyed out.&lt;/p&gt;&lt;p&gt;A dedicated host, &lt;code&gt;quadrino-host&lt;/code&gt;, runs a game without a window on a computer that is always on (see &lt;code&gt;man quadrino-host&lt;/code&gt;). Its owner is the first player to join it from the owner&apos;s address, which is the host&apos;s own computer unless it was started with &lt;code&gt;--owner-address&lt;/code&gt; followed by your address. Joined as its owner you get the &lt;b&gt;Start Game&lt;/b&gt; button and menu exactly as in a copy that hosts. The others join it as they join any game.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Wer das Spiel startet&lt;/h3&gt;&lt;p&gt;Nur der Gastgeber startet Spiele (&lt;b&gt;Datei &amp;gt; Spiel starten&lt;/b&gt;, &lt;b&gt;Strg+N&lt;/b&gt; oder die Schaltfläche &lt;b&gt;Spiel starten&lt;/b&gt;) und kann einen Spieler entfernen (Rechtsklick auf dessen Namen). In einem Quadrino, das selbst eröffnet, ist das dessen eigener Spieler auf dem gelben Platz. Bei allen anderen ist &lt;b&gt;Spiel starten&lt;/b&gt; ausgegraut.&lt;/p&gt;&lt;p&gt;Ein eigenständiger Server, &lt;code&gt;quadrino-host&lt;/code&gt;, führt ein Spiel ohne Fenster auf einem Rechner aus, der immer läuft (siehe &lt;code&gt;man quadrino-host&lt;/code&gt;). Sein Besitzer ist der erste Spieler, der von der Adresse des Besitzers aus beitritt; das ist der Rechner des Servers selbst, es sei denn, er wurde mit &lt;code&gt;--owner-address&lt;/code&gt; und Ihrer Adresse gestartet. Als Besitzer erhalten Sie die Schaltfläche und den Menüeintrag &lt;b&gt;Spiel starten&lt;/b&gt; genau wie in einem Quadrino, das selbst eröffnet. Die anderen treten bei wie bei jedem anderen Spiel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;From the lobby or a terminal&lt;/h3&gt;&lt;p&gt;The Kestrun Lobby can start Quadrino for everybody with the right settings. You can also start it from a terminal:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;code&gt;quadrino NAME ADDRESS true&lt;/code&gt; hosts a game under the name NAME (the address is not used when hosting).&lt;/li&gt;&lt;li&gt;&lt;code&gt;quadrino NAME ADDRESS join&lt;/code&gt; joins the game hosted at ADDRESS, a host name or an IP address. Any last word other than &lt;code&gt;true&lt;/code&gt; joins.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Aus der Lobby oder einem Terminal&lt;/h3&gt;&lt;p&gt;Die Kestrun Lobby kann Quadrino für alle mit den richtigen Einstellungen starten. Sie können es auch aus einem Terminal starten:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;code&gt;quadrino NAME ADDRESS true&lt;/code&gt; eröffnet ein Spiel unter dem Namen NAME (die Adresse wird beim Eröffnen nicht verwendet).&lt;/li&gt;&lt;li&gt;&lt;code&gt;quadrino NAME ADDRESS join&lt;/code&gt; tritt dem Spiel bei, das unter ADDRESS eröffnet ist, einem Rechnernamen oder einer IP-Adresse. Jedes andere letzte Wort als &lt;code&gt;true&lt;/code&gt; tritt bei.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hosting: open TCP port 7772&lt;/h3&gt;&lt;p&gt;Players join the host on TCP port 7772 (or the port the host chose), so the host&apos;s computer must accept incoming connections on that port. Players who only join need to open nothing. The commands below are for port 7772; put in your own port if you host on another.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;ufw&lt;/b&gt; (Ubuntu, Linux Mint and others):&lt;br&gt;&lt;code&gt;sudo ufw allow 7772/tcp&lt;/code&gt;&lt;/li&gt;&lt;li&gt;&lt;b&gt;firewalld&lt;/b&gt; (Fedora, openSUSE, Red Hat and others):&lt;br&gt;&lt;code&gt;sudo firewall-cmd --permanent --add-port=7772/tcp&lt;/code&gt;&lt;br&gt;&lt;code&gt;sudo firewall-cmd --reload&lt;/code&gt;&lt;/li&gt;&lt;li&gt;&lt;b&gt;A home router:&lt;/b&gt; players on your own home network join with your computer&apos;s address on that network. Players out on the internet reach you through your router: in its settings page, under &amp;ldquo;port forwarding&amp;rdquo; (sometimes &amp;ldquo;virtual server&amp;rdquo;), forward TCP port 7772 to your computer&apos;s address on the home network, then give them your router&apos;s internet address.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Eröffnen: TCP-Port 7772 öffnen&lt;/h3&gt;&lt;p&gt;Spieler treten dem Gastgeber über TCP-Port 7772 bei (oder den Port, den der Gastgeber gewählt hat); der Rechner des Gastgebers muss also eingehende Verbindungen auf diesem Port annehmen. Wer nur beitritt, muss nichts öffnen. Die folgenden Befehle gelten für Port 7772; setzen Sie Ihren eigenen Port ein, wenn Sie auf einem anderen eröffnen.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;ufw&lt;/b&gt; (Ubuntu, Linux Mint und andere):&lt;br&gt;&lt;code&gt;sudo ufw allow 7772/tcp&lt;/code&gt;&lt;/li&gt;&lt;li&gt;&lt;b&gt;firewalld&lt;/b&gt; (Fedora, openSUSE, Red Hat und andere):&lt;br&gt;&lt;code&gt;sudo firewall-cmd --permanent --add-port=7772/tcp&lt;/code&gt;&lt;br&gt;&lt;code&gt;sudo firewall-cmd --reload&lt;/code&gt;&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ein Router zu Hause:&lt;/b&gt; Spieler in Ihrem Heimnetz treten mit der Adresse Ihres Rechners in diesem Netz bei. Spieler draußen im Internet erreichen Sie über Ihren Router: Leiten Sie in seinen Einstellungen unter &amp;bdquo;Portweiterleitung&amp;ldquo; (manchmal &amp;bdquo;virtueller Server&amp;ldquo;) TCP-Port 7772 an die Adresse Ihres Rechners im Heimnetz weiter und nennen Sie ihnen dann die Internetadresse Ihres Routers.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The aim&lt;/h3&gt;&lt;p&gt;Each player has four pawns of one colour: yellow, green, magenta or red. Bring all four from your nest round the 68-square track, up the seven squares of your home column and onto your home square. The first player to get all four pawns home wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Das Ziel&lt;/h3&gt;&lt;p&gt;Jeder Spieler hat vier Figuren einer Farbe: Gelb, Grün, Magenta oder Rot. Bringen Sie alle vier aus Ihrem Nest über die Laufbahn mit 68 Feldern, die sieben Felder Ihrer Zielgeraden hinauf und auf Ihr Zielfeld. Wer zuerst alle vier Figuren im Ziel hat, gewinnt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Your turn&lt;/h3&gt;&lt;p&gt;When the status line says &amp;ldquo;Your Turn.&amp;rdquo;, the dice move to your corner: click them to roll. Each die is a move of its own, or both together can move one pawn by their sum. Click one of your pawns and a marker appears on every square it can reach with what you have left; click a marker to move there. A right click on a pawn clears the markers.&lt;/p&gt;&lt;p&gt;Your turn goes on until none of what you rolled or won can be used; whatever cannot be used is lost. If a move is refused, a note on the board says why.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ihr Zug&lt;/h3&gt;&lt;p&gt;Meldet die Statuszeile, dass Sie am Zug sind, wandern die Würfel in Ihre Ecke: Klicken Sie sie an, um zu würfeln. Jeder Würfel ist ein Zug für sich, oder beide zusammen ziehen eine Figur um ihre Summe. Klicken Sie eine Ihrer Figuren an, erscheint eine Markierung auf jedem Feld, das sie mit dem Verbleibenden erreichen kann; klicken Sie eine Markierung an, um dorthin zu ziehen. Ein Rechtsklick auf eine Figur entfernt die Markierungen.&lt;/p&gt;&lt;p&gt;Ihr Zug dauert, bis nichts mehr von dem, was Sie gewürfelt oder gewonnen haben, verwendet werden kann; was sich nicht verwenden lässt, verfällt. Wird ein Zug abgelehnt, sagt ein Hinweis auf dem Brett, warum.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering the board&lt;/h3&gt;&lt;p&gt;A pawn leaves its nest only on a five: a die showing five, or two dice that add up to five. It enters on your start square, the square in your colour. Clicking a pawn in the nest while you have a five enters it at once.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Aufs Brett kommen&lt;/h3&gt;&lt;p&gt;Eine Figur verlässt ihr Nest nur mit einer Fünf: ein Würfel, der fünf zeigt, oder zwei Würfel, die zusammen fünf ergeben. Sie kommt auf Ihr Startfeld, das Feld in Ihrer Farbe. Klicken Sie eine Figur im Nest an, während Sie eine Fünf haben, kommt sie sofort heraus.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Doubles&lt;/h3&gt;&lt;p&gt;When both dice show the same number you get that number four times: the two dice and two extra amounts beside them. Each can be used alone, or the two dice together and the two extras together. When you have moved, you roll again. With the three doubles penalty on, a third doubles in a row is not played: your pawn furthest along the track (not one in your home column) goes back to its nest, and the turn passes on.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Pasch&lt;/h3&gt;&lt;p&gt;Zeigen beide Würfel dieselbe Zahl, erhalten Sie diese Zahl viermal: die zwei Würfel und zwei zusätzliche Werte daneben. Jeder lässt sich einzeln verwenden, oder die zwei Würfel zusammen und die zwei Zusatzwerte zusammen. Nach Ihrem Zug würfeln Sie erneut. Ist die Strafe für drei Pasche eingeschaltet, wird ein dritter Pasch in Folge nicht gespielt: Ihre auf der Laufbahn am weitesten vorgerückte Figur (keine auf Ihrer Zielgeraden) kehrt in ihr Nest zurück, und der nächste Spieler ist am Zug.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Safe squares&lt;/h3&gt;&lt;p&gt;The squares marked with a diamond, the four start squares among them, are safe: no pawn can be captured there, and you cannot land on one where another player&apos;s pawn stands. You may land there on a pawn of your own only, to make a block.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Sichere Felder&lt;/h3&gt;&lt;p&gt;Die mit einer Raute markierten Felder, darunter die vier Startfelder, sind sicher: Dort kann keine Figur geschlagen werden, und auf ein solches Feld, auf dem die Figur eines anderen Spielers steht, können Sie nicht ziehen. Dorthin ziehen dürfen Sie nur auf eine eigene Figur, um eine Sperre zu bilden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Capturing and the 20-square bonus&lt;/h3&gt;&lt;p&gt;With pouncing on, landing exactly on a lone pawn of another player on a square that is not safe captures it: it goes back to its nest, and you win a bonus of 20 squares to move any one of your pawns this turn. A pawn entering onto your start square also captures a lone pawn of another player standing there. You never capture your team partner. With pouncing off you cannot land on another player&apos;s pawn at all.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Schlagen und der Bonus von 20 Feldern&lt;/h3&gt;&lt;p&gt;Ist Schlagen erlaubt und landen Sie genau auf einer einzelnen Figur eines anderen Spielers auf einem nicht sicheren Feld, schlagen Sie sie: Sie kehrt in ihr Nest zurück, und Sie gewinnen einen Bonus von 20 Feldern, mit dem Sie in diesem Zug eine beliebige Ihrer Figuren ziehen. Eine Figur, die auf Ihr Startfeld kommt, schlägt ebenfalls eine einzelne Figur eines anderen Spielers, die dort steht. Ihren Teampartner schlagen Sie nie. Ist Schlagen nicht erlaubt, können Sie überhaupt nicht auf die Figur eines anderen Spielers ziehen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Blocks&lt;/h3&gt;&lt;p&gt;With blocking on, two of your pawns may share a square and form a block. No pawn can pass or land on a square that holds two pawns, your own pawns included. A block cannot move as a unit: two pawns that stood together when your turn began cannot meet again on an ordinary square in that turn, only on a safe square. With blocking off, no square but a home square ever holds two pawns.&lt;/p&gt;&lt;p&gt;The block limit sets how many of your turns a block may stand through; the turn in which it was made does not count. When a warning flashes on a block as your turn begins, this is the last turn to break it up: if it still stands when your next turn begins, one of its pawns goes back to its nest.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Sperren&lt;/h3&gt;&lt;p&gt;Sind Sperren erlaubt, dürfen zwei Ihrer Figuren ein Feld teilen und eine Sperre bilden. Keine Figur kann ein Feld mit zwei Figuren überspringen oder darauf landen, auch Ihre eigenen nicht. Eine Sperre kann nicht als Ganzes ziehen: Zwei Figuren, die zu Beginn Ihres Zuges zusammenstanden, können sich in diesem Zug auf keinem gewöhnlichen Feld wieder treffen, nur auf einem sicheren. Sind Sperren nicht erlaubt, stehen außer auf einem Zielfeld nie zwei Figuren auf einem Feld.&lt;/p&gt;&lt;p&gt;Die Sperrgrenze legt fest, wie viele Ihrer Züge eine Sperre überdauern darf; der Zug, in dem sie entstand, zählt nicht mit. Blinkt zu Beginn Ihres Zuges eine Warnung auf einer Sperre, ist dies der letzte Zug, um sie aufzulösen: Steht sie zu Beginn Ihres nächsten Zuges noch, kehrt eine ihrer Figuren in ihr Nest zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Passing&lt;/h3&gt;&lt;p&gt;With passing on, a &lt;b&gt;Pass&lt;/b&gt; button appears after you roll: it ends your turn without moving. You cannot pass twice in a row; after a pass you must move a pawn before you may pass again. A pass on doubles still gives you the next roll.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Passen&lt;/h3&gt;&lt;p&gt;Ist Passen erlaubt, erscheint nach dem Würfeln eine Schaltfläche &lt;b&gt;Passen&lt;/b&gt;: Sie beendet Ihren Zug, ohne zu ziehen. Sie können nicht zweimal hintereinander passen; nach einem Passen müssen Sie erst eine Figur ziehen, bevor Sie wieder passen dürfen. Passen Sie bei einem Pasch, würfeln Sie trotzdem noch einmal.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Home and the 10-square bonus&lt;/h3&gt;&lt;p&gt;After going round, a pawn turns into your home column. It reaches the home square only with the exact count; a larger number cannot be used on it. Each pawn that gets home wins you a bonus of 10 squares for another pawn.&lt;/p&gt;&lt;p&gt;Bonuses appear as tokens beside the board. You can hold up to three of each kind; a fourth of the same kind is lost. Like the dice, they are lost if they cannot be used before the turn ends.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Das Ziel und der Bonus von 10 Feldern&lt;/h3&gt;&lt;p&gt;Nach der Runde biegt eine Figur in Ihre Zielgerade ein. Das Zielfeld erreicht sie nur mit der genauen Augenzahl; eine größere Zahl lässt sich für sie nicht verwenden. Jede Figur, die ins Ziel kommt, bringt Ihnen einen Bonus von 10 Feldern für eine andere Figur.&lt;/p&gt;&lt;p&gt;Boni erscheinen als Marken neben dem Brett. Sie können bis zu drei jeder Art halten; eine vierte derselben Art verfällt. Wie die Würfel verfallen sie, wenn sie sich vor dem Ende des Zuges nicht verwenden lassen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Teams&lt;/h3&gt;&lt;p&gt;In a team game yellow and green play together against magenta and red; partners sit opposite each other. Partners never capture each other and cannot share a square. A player with all four pawns home is skipped, and the team wins when both partners have all their pawns home.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Teams&lt;/h3&gt;&lt;p&gt;Im Teamspiel spielen Gelb und Grün gemeinsam gegen Magenta und Rot; Partner sitzen einander gegenüber. Partner schlagen einander nie und können kein Feld teilen. Ein Spieler, der alle vier Figuren im Ziel hat, wird übersprungen, und das Team gewinnt, wenn beide Partner alle Figuren im Ziel haben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Watching&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Options &amp;gt; Just Watch&lt;/b&gt; lets the computer play your seat until you choose it again. The progress bars beside the board show how far each player has come; a captured pawn takes its distance off its owner&apos;s bar.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Zuschauen&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Optionen &amp;gt; Nur zuschauen&lt;/b&gt; lässt den Computer Ihren Platz spielen, bis Sie es wieder abwählen. Die Fortschrittsbalken neben dem Brett zeigen, wie weit jeder Spieler gekommen ist; eine geschlagene Figur zieht ihre Strecke vom Balken ihres Besitzers ab.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every step of a turn can also be made from the keyboard: the &lt;b&gt;Keys&lt;/b&gt; page tells how.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jeder Schritt eines Zuges geht auch mit der Tastatur: Wie, steht auf der Seite &lt;b&gt;Tasten&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The hosting player chooses the rules before each game in the Game Options window (&lt;b&gt;File &amp;gt; Start Game&lt;/b&gt;). The labels beside the board show the rules of the game being played. Your choices are kept for the next game; &lt;b&gt;Team Game&lt;/b&gt; starts off each time Quadrino starts.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Der Gastgeber wählt vor jedem Spiel die Regeln im Fenster Spieloptionen (&lt;b&gt;Datei &amp;gt; Spiel starten&lt;/b&gt;). Die Beschriftungen neben dem Brett zeigen die Regeln des laufenden Spiels. Ihre Wahl bleibt für das nächste Spiel erhalten; &lt;b&gt;Teamspiel&lt;/b&gt; ist bei jedem Start von Quadrino ausgeschaltet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;dl&gt;&lt;dt&gt;&lt;b&gt;3 Double Penalty&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;A third doubles in a row is not played: the roller&apos;s pawn furthest along the track goes back to its nest and the turn passes on. Without it, doubles simply give another roll every time.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Passing Allowed&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;After rolling, a player may pass instead of moving, but not on two turns in a row.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Blocking Allowed&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Two pawns of one player on one square form a block that no pawn can pass. Without it, a pawn can never land on another pawn of the same colour, except on the home square.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Limit Blocks To: &amp;hellip; Turns&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;How many of its owner&apos;s turns a block may stand through, from 0 to 10, not counting the turn in which it was made. When the owner&apos;s next turn begins with the block still standing, one of its pawns goes back to its nest; a warning flashes on the block one turn earlier. Setting it to 0 allows unlimited blocking, a limit of 1 counts as 2, and the limit does nothing while blocking is off.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Pouncing Allowed&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Landing on a lone pawn of another player, anywhere but on a safe square, sends it back to its nest and wins a 20-square bonus. Without it, pawns of different players never share a square.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Full Game&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Computer players fill every empty seat, so four play. Without it, yellow and green always play (the computer takes green if nobody has), and magenta and red play only when someone sits there; magenta also plays, with the computer, when someone sits in red.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Team Game&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Yellow and green play against magenta and red, with all four seats in play. Partners cannot capture each other or share a square, and a team wins when both partners have all their pawns home.&lt;/dd&gt;&lt;/dl&gt;</source>
        <translation>&lt;dl&gt;&lt;dt&gt;&lt;b&gt;Strafe für 3 Pasche&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Ein dritter Pasch in Folge wird nicht gespielt: Die am weitesten vorgerückte Figur des Würfelnden kehrt in ihr Nest zurück, und der nächste Spieler ist am Zug. Ohne diese Option gibt ein Pasch einfach jedes Mal einen weiteren Wurf.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Passen erlaubt&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Nach dem Würfeln darf ein Spieler passen statt zu ziehen, aber nicht in zwei Zügen hintereinander.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Sperren erlaubt&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Zwei Figuren eines Spielers auf einem Feld bilden eine Sperre, die keine Figur überspringen kann. Ohne diese Option kann eine Figur nie auf einer anderen Figur derselben Farbe landen, außer auf dem Zielfeld.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Sperrlimit: &amp;hellip; Züge&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Wie viele Züge ihres Besitzers eine Sperre überdauern darf, von 0 bis 10, ohne den Zug, in dem sie entstand. Beginnt der nächste Zug des Besitzers und die Sperre steht noch, kehrt eine ihrer Figuren in ihr Nest zurück; einen Zug vorher blinkt eine Warnung auf der Sperre. Der Wert 0 erlaubt unbegrenzte Sperren, eine Grenze von 1 zählt als 2, und bei ausgeschalteten Sperren bewirkt die Grenze nichts.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Schlagen erlaubt&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Wer auf einer einzelnen Figur eines anderen Spielers landet, außer auf einem sicheren Feld, schickt sie in ihr Nest zurück und gewinnt einen Bonus von 20 Feldern. Ohne diese Option teilen Figuren verschiedener Spieler nie ein Feld.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Volles Spiel&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Computerspieler besetzen jeden freien Platz, sodass vier spielen. Ohne diese Option spielen Gelb und Grün immer (der Computer übernimmt Grün, wenn dort niemand sitzt), Magenta und Rot nur, wenn dort jemand sitzt; Magenta spielt außerdem, mit dem Computer, wenn jemand auf Rot sitzt.&lt;/dd&gt;&lt;dt&gt;&lt;b&gt;Teamspiel&lt;/b&gt;&lt;/dt&gt;&lt;dd&gt;Gelb und Grün spielen gegen Magenta und Rot, alle vier Plätze sind im Spiel. Partner können einander nicht schlagen und kein Feld teilen, und ein Team gewinnt, wenn beide Partner alle Figuren im Ziel haben.&lt;/dd&gt;&lt;/dl&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Computer players&lt;/h3&gt;&lt;p&gt;The computer players are Klot (green), Klick (magenta) and Kling (red). The hosting player chooses how they play in the &lt;b&gt;Options&lt;/b&gt; menu:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Bot Level&lt;/b&gt;: &lt;b&gt;Classic&lt;/b&gt; computer players follow a fixed set of preferences, as they always have; &lt;b&gt;Strong&lt;/b&gt; ones try every way of spending the dice and bonuses of a turn and keep the one that leaves their pawns furthest along and safest.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Bot Speed&lt;/b&gt;: &lt;b&gt;Slow&lt;/b&gt;, &lt;b&gt;Normal&lt;/b&gt; or &lt;b&gt;Fast&lt;/b&gt;, the pause before each of their steps.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Both are remembered, and a change counts from the computer&apos;s next step. They only apply in the copy that hosts the game; in a copy that joined one they are greyed out, and their tooltip says why.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Computerspieler&lt;/h3&gt;&lt;p&gt;Die Computerspieler heißen Klot (Grün), Klick (Magenta) und Kling (Rot). Der Gastgeber wählt im Menü &lt;b&gt;Optionen&lt;/b&gt;, wie sie spielen:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Bot-Stärke&lt;/b&gt;: Mit &lt;b&gt;Klassisch&lt;/b&gt; folgen die Computerspieler festen Vorlieben, wie sie es schon immer getan haben; mit &lt;b&gt;Stark&lt;/b&gt; probieren sie jede Möglichkeit, die Würfel und Boni eines Zuges einzusetzen, und behalten die, nach der ihre Figuren am weitesten vorn und am sichersten stehen.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Bot-Tempo&lt;/b&gt;: &lt;b&gt;Langsam&lt;/b&gt;, &lt;b&gt;Normal&lt;/b&gt; oder &lt;b&gt;Schnell&lt;/b&gt;, die Pause vor jedem ihrer Schritte.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Beides wird gespeichert, und eine Änderung gilt ab dem nächsten Schritt des Computers. Beides wirkt nur in dem Quadrino, in dem das Spiel eröffnet wurde; in einem, das beigetreten ist, ist es ausgegraut, und der Tooltip sagt, warum.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;A whole game can be played from the keyboard. The board&apos;s keys work while the board has the focus: it has it when Quadrino starts, and a blue frame round the board shows it once you use the keyboard there. While you type in the chat box, the keys are only typing.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein ganzes Spiel lässt sich mit der Tastatur spielen. Die Tasten des Bretts wirken, solange das Brett den Fokus hat: Es hat ihn, wenn Quadrino startet, und ein blauer Rahmen um das Brett zeigt ihn an, sobald Sie dort die Tastatur benutzen. Während Sie im Chatfeld tippen, schreiben die Tasten nur.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;On the board&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Space&lt;/b&gt;: roll the dice when it is your turn to roll.&lt;/li&gt;&lt;li&gt;&lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt;: choose your pawn 1 to 4, as a click on it does: a marker appears on every square it can reach, and the shortest move is chosen, with a dark frame. A pawn still in its nest enters at once when you have a five.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt;: choose the next or the previous marker, from the shortest move to the longest and round again. With no markers on the board they move the focus on, as everywhere else.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Enter&lt;/b&gt;: move the pawn to the chosen marker. &amp;ldquo;2&amp;rdquo; then &amp;ldquo;Enter&amp;rdquo; moves pawn 2 by the smallest amount it can.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt;: clear the markers, as a right click on the pawn does; with none shown, close the note that says why a move was refused.&lt;/li&gt;&lt;li&gt;&lt;b&gt;P&lt;/b&gt;: pass, when the &lt;b&gt;Pass&lt;/b&gt; button is offered to you.&lt;/li&gt;&lt;li&gt;&lt;b&gt;B&lt;/b&gt;: write where every player&apos;s pawns stand into the chat, for you alone.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The board&apos;s keys take no Ctrl or Alt; the digits of the number pad work as well.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Auf dem Brett&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Leertaste&lt;/b&gt;: würfeln, wenn Sie mit Würfeln an der Reihe sind.&lt;/li&gt;&lt;li&gt;&lt;b&gt;1&lt;/b&gt; bis &lt;b&gt;4&lt;/b&gt;: Ihre Figur 1 bis 4 wählen, wie ein Klick darauf: Auf jedem Feld, das sie erreichen kann, erscheint eine Markierung, und der kürzeste Zug ist mit einem dunklen Rahmen gewählt. Eine Figur, die noch im Nest steht, kommt sofort heraus, wenn Sie eine Fünf haben.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Tab&lt;/b&gt; und &lt;b&gt;Umschalt+Tab&lt;/b&gt;: die nächste oder vorige Markierung wählen, vom kürzesten Zug zum längsten und wieder von vorn. Ohne Markierungen auf dem Brett bewegen sie den Fokus weiter, wie überall sonst.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Eingabe&lt;/b&gt;: die Figur auf die gewählte Markierung ziehen. &amp;bdquo;2&amp;ldquo; und dann &amp;bdquo;Eingabe&amp;ldquo; zieht Figur 2 um den kleinsten Wert, den sie kann.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt;: die Markierungen entfernen, wie ein Rechtsklick auf die Figur; ist keine zu sehen, den Hinweis schließen, der sagt, warum ein Zug abgelehnt wurde.&lt;/li&gt;&lt;li&gt;&lt;b&gt;P&lt;/b&gt;: passen, wenn Ihnen die Schaltfläche &lt;b&gt;Passen&lt;/b&gt; angeboten wird.&lt;/li&gt;&lt;li&gt;&lt;b&gt;B&lt;/b&gt;: in den Chat schreiben, wo die Figuren aller Spieler stehen, nur für Sie.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Die Tasten des Bretts brauchen kein Strg oder Alt; die Ziffern des Ziffernblocks gehen ebenso.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Anywhere in the game window&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;F6&lt;/b&gt;: move between the board and the chat box.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;: &lt;b&gt;File &amp;gt; Start Game&lt;/b&gt;, for the hosting player.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+S&lt;/b&gt;: stop or restart the chat scrolling to new lines (&lt;b&gt;Options &amp;gt; Scroll Chat Off&lt;/b&gt;).&lt;/li&gt;&lt;li&gt;&lt;b&gt;F1&lt;/b&gt;: this help.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter open a menu: &lt;b&gt;Alt+F&lt;/b&gt; File, &lt;b&gt;Alt+O&lt;/b&gt; Options, &lt;b&gt;Alt+V&lt;/b&gt; View, &lt;b&gt;Alt+H&lt;/b&gt; Help. In an open menu the underlined letter chooses an entry; the arrow keys and &lt;b&gt;Enter&lt;/b&gt; work too.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Überall im Spielfenster&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;F6&lt;/b&gt;: zwischen Brett und Chatfeld wechseln.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Strg+N&lt;/b&gt;: &lt;b&gt;Datei &amp;gt; Spiel starten&lt;/b&gt;, für den Gastgeber.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Strg+S&lt;/b&gt;: das Mitscrollen des Chats zu neuen Zeilen anhalten oder wieder starten (&lt;b&gt;Optionen &amp;gt; Chat nicht scrollen&lt;/b&gt;).&lt;/li&gt;&lt;li&gt;&lt;b&gt;F1&lt;/b&gt;: diese Hilfe.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Alt&lt;/b&gt; und der unterstrichene Buchstabe öffnen ein Menü: &lt;b&gt;Datei&lt;/b&gt;, &lt;b&gt;Optionen&lt;/b&gt;, &lt;b&gt;Ansicht&lt;/b&gt; oder &lt;b&gt;Hilfe&lt;/b&gt;. In einem offenen Menü wählt der unterstrichene Buchstabe einen Eintrag; die Pfeiltasten und &lt;b&gt;Eingabe&lt;/b&gt; gehen ebenso.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The letters in the menus:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;File&lt;/b&gt;: &lt;b&gt;S&lt;/b&gt; Start Game, &lt;b&gt;H&lt;/b&gt; Host Network Game..., &lt;b&gt;J&lt;/b&gt; Join Network Game..., &lt;b&gt;X&lt;/b&gt; Exit.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Options&lt;/b&gt;: &lt;b&gt;S&lt;/b&gt; Play Sounds, &lt;b&gt;H&lt;/b&gt; Play Chatter Sounds, &lt;b&gt;T&lt;/b&gt; Turn Sound (&lt;b&gt;C&lt;/b&gt; Classic, &lt;b&gt;N&lt;/b&gt; New), &lt;b&gt;B&lt;/b&gt; Bot Speed (&lt;b&gt;S&lt;/b&gt; Slow, &lt;b&gt;N&lt;/b&gt; Normal, &lt;b&gt;F&lt;/b&gt; Fast), &lt;b&gt;E&lt;/b&gt; Bot Level (&lt;b&gt;C&lt;/b&gt; Classic, &lt;b&gt;S&lt;/b&gt; Strong), &lt;b&gt;C&lt;/b&gt; Text Color, &lt;b&gt;Z&lt;/b&gt; Text Size (&lt;b&gt;8&lt;/b&gt;, &lt;b&gt;0&lt;/b&gt; for 10, &lt;b&gt;2&lt;/b&gt; for 12, &lt;b&gt;4&lt;/b&gt; for 14), &lt;b&gt;F&lt;/b&gt; Scroll Chat Off, &lt;b&gt;L&lt;/b&gt; Clear Main Chat, &lt;b&gt;R&lt;/b&gt; Reset Screen Location, &lt;b&gt;J&lt;/b&gt; Just Watch.&lt;/li&gt;&lt;li&gt;&lt;b&gt;View&lt;/b&gt;: &lt;b&gt;T&lt;/b&gt; View Tally, &lt;b&gt;P&lt;/b&gt; Spy List, &lt;b&gt;H&lt;/b&gt; Phrase List.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Help&lt;/b&gt;: &lt;b&gt;C&lt;/b&gt; Content, &lt;b&gt;A&lt;/b&gt; About.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Die Buchstaben in den Menüs:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;In den Menüs &lt;b&gt;Datei&lt;/b&gt;, &lt;b&gt;Optionen&lt;/b&gt;, &lt;b&gt;Ansicht&lt;/b&gt; und &lt;b&gt;Hilfe&lt;/b&gt; ist in jedem Eintrag der Buchstabe unterstrichen, der ihn wählt.&lt;/li&gt;&lt;li&gt;Das gilt auch für die Untermenüs &lt;b&gt;Zugsignal&lt;/b&gt;, &lt;b&gt;Bot-Tempo&lt;/b&gt;, &lt;b&gt;Bot-Stärke&lt;/b&gt; und &lt;b&gt;Textgröße&lt;/b&gt;; in &lt;b&gt;Textgröße&lt;/b&gt; wählt die unterstrichene Ziffer die Größe.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;In the chat&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Enter&lt;/b&gt; in the chat box: send the line. A line that starts with &lt;b&gt;/me&lt;/b&gt; is sent as an action.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+V&lt;/b&gt; in the chat box: paste the copied text at the end of the line.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+C&lt;/b&gt; in the chat: copy the text selected there.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Im Chat&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Eingabe&lt;/b&gt; im Chatfeld: die Zeile senden. Eine Zeile, die mit &lt;b&gt;/me&lt;/b&gt; beginnt, wird als Aktion gesendet.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Strg+V&lt;/b&gt; im Chatfeld: den kopierten Text am Ende der Zeile einfügen.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Strg+C&lt;/b&gt; im Chat: den dort markierten Text kopieren.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;In the other windows&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Game options: &lt;b&gt;Tab&lt;/b&gt; moves between the options, &lt;b&gt;Space&lt;/b&gt; ticks or clears one, the block limit is typed as a number, &lt;b&gt;Enter&lt;/b&gt; starts the game and &lt;b&gt;Esc&lt;/b&gt; closes the window.&lt;/li&gt;&lt;li&gt;This help: &lt;b&gt;Tab&lt;/b&gt; goes from the button of the page in front to &lt;b&gt;About&lt;/b&gt;, &lt;b&gt;Done&lt;/b&gt; and the page, and &lt;b&gt;Space&lt;/b&gt; presses the button with the focus. On the page buttons, &lt;b&gt;Up&lt;/b&gt; and &lt;b&gt;Down&lt;/b&gt; bring the previous or the next page to the front. In the page, the arrow keys, &lt;b&gt;Page Up&lt;/b&gt;, &lt;b&gt;Page Down&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; scroll it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt; closes this window, the About box, the tally, the spy list and the phrase list.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;In den anderen Fenstern&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Spieloptionen: &lt;b&gt;Tab&lt;/b&gt; wechselt zwischen den Optionen, die &lt;b&gt;Leertaste&lt;/b&gt; setzt oder entfernt ein Häkchen, die Sperrgrenze wird als Zahl eingetippt, &lt;b&gt;Eingabe&lt;/b&gt; startet das Spiel und &lt;b&gt;Esc&lt;/b&gt; schließt das Fenster.&lt;/li&gt;&lt;li&gt;Diese Hilfe: &lt;b&gt;Tab&lt;/b&gt; geht von der Schaltfläche der vorderen Seite zu &lt;b&gt;Über&lt;/b&gt;, &lt;b&gt;Fertig&lt;/b&gt; und zur Seite, und die &lt;b&gt;Leertaste&lt;/b&gt; drückt die Schaltfläche mit dem Fokus. Auf den Seitenschaltflächen holen &lt;b&gt;Pfeil hoch&lt;/b&gt; und &lt;b&gt;Pfeil runter&lt;/b&gt; die vorige oder nächste Seite nach vorn. In der Seite blättern die Pfeiltasten, &lt;b&gt;Bild auf&lt;/b&gt;, &lt;b&gt;Bild ab&lt;/b&gt; und die &lt;b&gt;Leertaste&lt;/b&gt;.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt; schließt dieses Fenster, das Über-Fenster, die Bilanz, die Zuschauerliste und die Phrasenliste.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Screen readers&lt;/h3&gt;&lt;p&gt;Every pawn, marker, die and button of the board has a name a screen reader reads, such as &amp;ldquo;Yellow pawn 2, square 17, safe square&amp;rdquo; or &amp;ldquo;Move pawn 1 to square 23&amp;rdquo; with the amount it spends. The line of the last event and the line of whose turn it is are read as they change, and the board reads the chosen move as you press &lt;b&gt;Tab&lt;/b&gt;. On Linux, turn on the screen reader (for example Orca) before starting Quadrino.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Bildschirmleser&lt;/h3&gt;&lt;p&gt;Jede Figur, jede Markierung, jeder Würfel und jede Schaltfläche des Bretts hat einen Namen, den ein Bildschirmleser vorliest, etwa &amp;bdquo;Gelbe Figur 2, Feld 17, sicheres Feld&amp;ldquo; oder &amp;bdquo;Figur 1 auf Feld 23 ziehen&amp;ldquo; mit dem Wert, den der Zug verbraucht. Die Zeile mit dem letzten Ereignis und die Zeile, wer am Zug ist, werden vorgelesen, sobald sie sich ändern, und das Brett liest den gewählten Zug vor, wenn Sie &lt;b&gt;Tab&lt;/b&gt; drücken. Schalten Sie unter Linux den Bildschirmleser (zum Beispiel Orca) ein, bevor Sie Quadrino starten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Version 1.0.15&lt;/h3&gt;&lt;p&gt;This is Quadrino 1.0.15 for Linux. It plays with every copy that shows the same version in its About box.&lt;/p&gt;&lt;p&gt;Changes from the earlier versions for Windows:&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Version 1.0.15&lt;/h3&gt;&lt;p&gt;Dies ist Quadrino 1.0.15 für Linux. Es spielt mit jedem Quadrino zusammen, das im Über-Fenster dieselbe Version zeigt.&lt;/p&gt;&lt;p&gt;Änderungen gegenüber den früheren Versionen für Windows:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Only the player who hosts can start a game; the host ignores a start from anyone else.&lt;/li&gt;&lt;li&gt;The lobby advert no longer downloads and runs an installer by itself. Its download button opens the lobby&apos;s download page in your web browser, so you can see what you install.&lt;/li&gt;&lt;li&gt;&amp;ldquo;Play with Others&amp;rdquo; starts The Kestrun Lobby when it is installed as a program named &lt;code&gt;kestrunlobby&lt;/code&gt;.&lt;/li&gt;&lt;li&gt;&lt;b&gt;File &amp;gt; Host Network Game...&lt;/b&gt; and &lt;b&gt;Join Network Game...&lt;/b&gt; host and join games on any port without the lobby; a port already in use is reported, with a choice of what to do.&lt;/li&gt;&lt;li&gt;A solo game no longer needs port 7772: it starts even while another game is hosted on the same computer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Options &amp;gt; Bot Level&lt;/b&gt; chooses between the classic computer players and stronger ones.&lt;/li&gt;&lt;li&gt;The whole game can be played from the keyboard, and read by a screen reader (see &lt;b&gt;Keys&lt;/b&gt;).&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Nur der Spieler, der eröffnet, kann ein Spiel starten; der Gastgeber ignoriert einen Start von allen anderen.&lt;/li&gt;&lt;li&gt;Die Lobby-Werbung lädt kein Installationsprogramm mehr selbst herunter und führt es aus. Ihre Download-Schaltfläche öffnet die Download-Seite der Lobby in Ihrem Webbrowser, sodass Sie sehen, was Sie installieren.&lt;/li&gt;&lt;li&gt;&amp;bdquo;Mit anderen spielen&amp;ldquo; startet die Kestrun Lobby, wenn sie als Programm namens &lt;code&gt;kestrunlobby&lt;/code&gt; installiert ist.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Datei &amp;gt; Netzwerkspiel eröffnen...&lt;/b&gt; und &lt;b&gt;Netzwerkspiel beitreten...&lt;/b&gt; eröffnen Spiele und treten ihnen bei, auf jedem Port und ohne die Lobby; ein bereits belegter Port wird gemeldet, mit einer Wahl, was zu tun ist.&lt;/li&gt;&lt;li&gt;Ein Solospiel braucht Port 7772 nicht mehr: Es startet auch, während auf demselben Rechner ein anderes Spiel eröffnet ist.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Optionen &amp;gt; Bot-Stärke&lt;/b&gt; wählt zwischen den klassischen Computerspielern und stärkeren.&lt;/li&gt;&lt;li&gt;Das ganze Spiel lässt sich mit der Tastatur spielen und von einem Bildschirmleser vorlesen (siehe &lt;b&gt;Tasten&lt;/b&gt;).&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Kestrun Lobby is a separate program by the maker of Quadrino. It is where players meet to find a game: it starts Quadrino for everybody, telling one copy to host and the others where to join.&lt;/p&gt;&lt;p&gt;Quadrino does not need the lobby: a solo game, or a network game hosted and joined from the &lt;b&gt;File&lt;/b&gt; menu as the Connecting page describes, works without it. When the lobby is installed as a program named &lt;code&gt;kestrunlobby&lt;/code&gt;, the &lt;b&gt;Play with Others&lt;/b&gt; button shown at the start of a solo game closes the game and opens the lobby.&lt;/p&gt;&lt;p&gt;Quadrino never downloads or installs anything itself. The download button in that window opens the lobby&apos;s download page in your web browser.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Kestrun Lobby ist ein eigenes Programm vom Hersteller von Quadrino. Dort treffen sich Spieler, um ein Spiel zu finden: Sie startet Quadrino für alle und sagt einem Quadrino, dass es eröffnen soll, und den anderen, wo sie beitreten.&lt;/p&gt;&lt;p&gt;Quadrino braucht die Lobby nicht: Ein Solospiel oder ein Netzwerkspiel, das über das Menü &lt;b&gt;Datei&lt;/b&gt; eröffnet und beigetreten wird, wie es die Seite Verbinden beschreibt, geht ohne sie. Ist die Lobby als Programm namens &lt;code&gt;kestrunlobby&lt;/code&gt; installiert, schließt die Schaltfläche &lt;b&gt;Mit anderen spielen&lt;/b&gt;, die zu Beginn eines Solospiels erscheint, das Spiel und öffnet die Lobby.&lt;/p&gt;&lt;p&gt;Quadrino lädt nie selbst etwas herunter und installiert nichts. Die Download-Schaltfläche in jenem Fenster öffnet die Download-Seite der Lobby in Ihrem Webbrowser.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Die Lobby</translation>
    </message>
</context>
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
        <source>Start the hosted game&apos;s dice from N (0 to 4294967295); without it the dice come from the system&apos;s random source.</source>
        <translation>Die Würfel des geleiteten Spiels mit N starten (0 bis 4294967295); ohne diese Angabe kommen die Würfel aus der Zufallsquelle des Systems.</translation>
    </message>
    <message>
        <source>Your name at the table.</source>
        <translation>Ihr Name am Spieltisch.</translation>
    </message>
    <message>
        <source>The host&apos;s address (kept, not used, when hosting).</source>
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
    <name>quadrino::AboutBox</name>
    <message>
        <source>The board with one pawn of each colour and two dice</source>
        <translation>Das Spielbrett mit je einer Figur jeder Farbe und zwei Würfeln</translation>
    </message>
    <message>
        <source>Quadrino - About</source>
        <translation>Über Quadrino</translation>
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
    <name>quadrino::ChatArea</name>
    <message>
        <source>Doh</source>
        <translation>D&apos;oh</translation>
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
    <message>
        <source>Connected to the game again.</source>
        <translation>Wieder mit dem Spiel verbunden.</translation>
    </message>
    <message>
        <source>The connection to the game was lost. Trying to get back to your seat...</source>
        <translation>Die Verbindung zum Spiel ist abgerissen. Es wird versucht, Sie an Ihren Platz zurückzubringen...</translation>
    </message>
    <message>
        <source>Could not get back to the game. Choose Reconnect from the File menu to try again.</source>
        <translation>Die Rückkehr ins Spiel ist nicht gelungen. Wählen Sie „Neu verbinden“ im Menü „Datei“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Reconnecting to the game...</source>
        <translation>Verbindung zum Spiel wird wiederhergestellt...</translation>
    </message>
    <message>
        <source>The router forwards port %1 to this machine.</source>
        <translation>Der Router leitet Port %1 an diesen Rechner weiter.</translation>
    </message>
    <message>
        <source>The router forwards port %1 from %2.</source>
        <translation>Der Router leitet Port %1 von %2 weiter.</translation>
    </message>
    <message>
        <source>The router did not forward the port: %1.</source>
        <translation>Der Router hat den Port nicht weitergeleitet: %1.</translation>
    </message>
    <message>
        <source>Asking the router to forward port %1...</source>
        <translation>Der Router wird gebeten, Port %1 weiterzuleiten...</translation>
    </message>
    <message>
        <source>Games on this network are neither announced nor listed (%1); players can still join by address.</source>
        <translation>Spiele in diesem Netzwerk werden weder angekündigt noch aufgelistet (%1); man kann weiterhin über die Adresse beitreten.</translation>
    </message>
    <message>
        <source>Joining the game through the lobby at %1.. Please Wait.</source>
        <translation>Trete dem Spiel über die Lobby bei %1 bei.. Bitte warten.</translation>
    </message>
    <message>
        <source>The game is not listed online: &quot;%1&quot; is not a lobby server&apos;s address.</source>
        <translation>Das Spiel wird nicht online gelistet: „%1“ ist keine Adresse eines Lobby-Servers.</translation>
    </message>
</context>
<context>
    <name>quadrino::GameOptionsDialog</name>
    <message>
        <source>3 Double Penalty</source>
        <translation>Strafe für 3 Pasche</translation>
    </message>
    <message>
        <source>Passing Allowed</source>
        <translation>Passen erlaubt</translation>
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
        <source>The dice&apos;s total against the seven two dice average per roll</source>
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
        <source>Quadrino logo</source>
        <translation>Quadrino-Logo</translation>
    </message>
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
    <name>quadrino::LobbyClient</name>
    <message>
        <source>The lobby did not answer.</source>
        <translation>Die Lobby hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Cannot reach the lobby: %1.</source>
        <translation>Die Lobby ist nicht erreichbar: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lobby address; write it as host or host:port.</source>
        <translation>„%1“ ist keine Lobby-Adresse; schreibe sie als Rechner oder Rechner:Port.</translation>
    </message>
    <message>
        <source>Enter your name before connecting to the lobby.</source>
        <translation>Gib deinen Namen ein, bevor du dich mit der Lobby verbindest.</translation>
    </message>
    <message>
        <source>The lobby closed the connection.</source>
        <translation>Die Lobby hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>The lobby refused the sign-in.</source>
        <translation>Die Lobby hat die Anmeldung abgelehnt.</translation>
    </message>
    <message>
        <source>The lobby sent a line longer than its protocol allows.</source>
        <translation>Die Lobby hat eine Zeile gesendet, die länger ist, als ihr Protokoll erlaubt.</translation>
    </message>
    <message>
        <source>The lobby speaks another version of the protocol; update the game or the lobby.</source>
        <translation>Die Lobby spricht eine andere Version des Protokolls; aktualisiere das Spiel oder die Lobby.</translation>
    </message>
    <message>
        <source>The lobby closed the connection (%1).</source>
        <translation>Die Lobby hat die Verbindung getrennt (%1).</translation>
    </message>
    <message>
        <source>That game is no longer listed.</source>
        <translation>Dieses Spiel ist nicht mehr aufgeführt.</translation>
    </message>
</context>
<context>
    <name>quadrino::LobbyListing</name>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>it closed the connection</source>
        <translation>sie hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Lost the link to the lobby at %1 (%2); the game is not listed there until it is back. Trying again.</source>
        <translation>Die Verbindung zur Lobby unter %1 ist verloren (%2); bis sie wieder besteht, wird das Spiel dort nicht gelistet. Neuer Versuch folgt.</translation>
    </message>
    <message>
        <source>The lobby at %1 cannot be reached (%2); the game is not listed there until it can. Trying again.</source>
        <translation>Die Lobby unter %1 ist nicht erreichbar (%2); bis sie es ist, wird das Spiel dort nicht gelistet. Neuer Versuch folgt.</translation>
    </message>
    <message>
        <source>it sent a line longer than the protocol allows</source>
        <translation>sie hat eine Zeile gesendet, die länger ist, als das Protokoll erlaubt</translation>
    </message>
    <message>
        <source>Signed in to the lobby at %1 again.</source>
        <translation>Wieder bei der Lobby unter %1 angemeldet.</translation>
    </message>
    <message>
        <source>Signed in to the lobby at %1.</source>
        <translation>Bei der Lobby unter %1 angemeldet.</translation>
    </message>
    <message>
        <source>The game is listed in the lobby at %1; players there join it directly.</source>
        <translation>Das Spiel ist in der Lobby unter %1 gelistet; Spieler von dort treten direkt bei.</translation>
    </message>
    <message>
        <source>The game is listed in the lobby at %1. The lobby cannot reach this machine, so it passes the players&apos; moves on.</source>
        <translation>Das Spiel ist in der Lobby unter %1 gelistet. Die Lobby erreicht diesen Rechner nicht und leitet daher die Züge der Spieler weiter.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not list the game (%2).</source>
        <translation>Die Lobby unter %1 hat das Spiel nicht gelistet (%2).</translation>
    </message>
    <message>
        <source>The lobby at %1 speaks another version of the protocol; the game is not listed there.</source>
        <translation>Die Lobby unter %1 spricht eine andere Version des Protokolls; das Spiel wird dort nicht gelistet.</translation>
    </message>
    <message>
        <source>it said goodbye: %1</source>
        <translation>sie hat sich verabschiedet: %1</translation>
    </message>
    <message>
        <source>it stopped answering</source>
        <translation>sie antwortet nicht mehr</translation>
    </message>
</context>
<context>
    <name>quadrino::LobbyWindow</name>
    <message>
        <source>checking</source>
        <translation>wird geprüft</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>direkt</translation>
    </message>
    <message>
        <source>relay</source>
        <translation>über die Lobby</translation>
    </message>
    <message>
        <source>this network</source>
        <translation>dieses Netzwerk</translation>
    </message>
    <message>
        <source>Quadrino - Join Network Game</source>
        <translation>Quadrino - Netzwerkspiel beitreten</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Quadrino - Play Online</source>
        <translation>Quadrino - Online spielen</translation>
    </message>
    <message>
        <source>&amp;Lobby server:</source>
        <translation>&amp;Lobby-Server:</translation>
    </message>
    <message>
        <source>Lobby server</source>
        <translation>Lobby-Server</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>Rechner oder Rechner:Port</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Connect to the lobby</source>
        <translation>Mit der Lobby verbinden</translation>
    </message>
    <message>
        <source>Lobby status</source>
        <translation>Lobby-Status</translation>
    </message>
    <message>
        <source>Run quadrino-lobby on a machine others can reach, then enter its address here.</source>
        <translation>Starte quadrino-lobby auf einem Rechner, den andere erreichen können, und gib hier seine Adresse ein.</translation>
    </message>
    <message>
        <source>How to get a lobby</source>
        <translation>Wie man zu einer Lobby kommt</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Host</source>
        <comment>the column of the hosting player&apos;s name</comment>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Watchers</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Erreicht</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Umlaufzeit</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>Join the chosen game</source>
        <translation>Dem gewählten Spiel beitreten</translation>
    </message>
    <message>
        <source>&amp;Host...</source>
        <translation>&amp;Gastgeber sein...</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Ein Spiel ausrichten</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Refresh the list of games</source>
        <translation>Die Liste der Spiele aktualisieren</translation>
    </message>
    <message>
        <source>Players present</source>
        <translation>Anwesende Spieler</translation>
    </message>
    <message>
        <source>Lobby chat</source>
        <translation>Lobby-Chat</translation>
    </message>
    <message>
        <source>Say in the lobby</source>
        <translation>In der Lobby sagen</translation>
    </message>
    <message>
        <source>Say something to everybody in the lobby</source>
        <translation>Sag etwas zu allen in der Lobby</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Stummschalten</translation>
    </message>
    <message>
        <source>Mute the player of the chosen chat line</source>
        <translation>Den Spieler der gewählten Chatzeile stummschalten</translation>
    </message>
    <message>
        <source>You are chatting too fast; that line was not sent.</source>
        <translation>Du schreibst zu schnell; diese Zeile wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>The lobby refused a request (%1).</source>
        <translation>Die Lobby hat eine Anfrage abgelehnt (%1).</translation>
    </message>
    <message>
        <source>Connect to the lobby to join its games.</source>
        <translation>Verbinde dich mit der Lobby, um ihren Spielen beizutreten.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Not connected to a lobby.</source>
        <translation>Nicht mit einer Lobby verbunden.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinde mit %1...</translation>
    </message>
    <message>
        <source>Dis&amp;connect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2.</source>
        <translation>In der Lobby bei %1 als %2.</translation>
    </message>
    <message>
        <source>Players present: %1</source>
        <translation>Anwesende Spieler: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>%1 stummschalten</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
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
    <message>
        <source>&amp;Reconnect</source>
        <translation>&amp;Neu verbinden</translation>
    </message>
    <message>
        <source>&amp;Play Online...</source>
        <translation>&amp;Online spielen...</translation>
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
    <message>
        <source>&amp;Remove From Game</source>
        <translation>Aus dem Spiel &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>Auf „Nur zuschauen“ &amp;setzen</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>„Nur zuschauen“ &amp;aufheben</translation>
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
    <message>
        <source>Games on this network</source>
        <translation>Spiele in diesem Netzwerk</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Watchers</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Games on this network:</source>
        <translation>Spiele in diesem Netzwerk:</translation>
    </message>
    <message>
        <source>List the game on this network</source>
        <translation>Spiel in diesem Netzwerk anzeigen</translation>
    </message>
    <message>
        <source>Ask the router to forward the port</source>
        <translation>Router um Portweiterleitung bitten</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Host</source>
        <comment>the column of the hosting player&apos;s name</comment>
        <translation>Gastgeber</translation>
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
        <translation>Spiel in der Online-Lobby listen</translation>
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
    <name>quadrino::PreferencesStore</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht beschrieben werden</translation>
    </message>
</context>
<context>
    <name>quadrino::RouterWorker</name>
    <message>
        <source>no router on this network answered the request for port forwarding (UPnP)</source>
        <translation>kein Router in diesem Netzwerk hat auf die Anfrage zur Portweiterleitung (UPnP) geantwortet</translation>
    </message>
    <message>
        <source>no router on this network offers port forwarding (UPnP)</source>
        <translation>kein Router in diesem Netzwerk bietet Portweiterleitung (UPnP) an</translation>
    </message>
    <message>
        <source>a device on this network answered, but it is not a router that forwards ports</source>
        <translation>ein Gerät in diesem Netzwerk hat geantwortet, ist aber kein Router, der Ports weiterleitet</translation>
    </message>
    <message>
        <source>the router already forwards port %1 to another machine</source>
        <translation>der Router leitet Port %1 bereits an einen anderen Rechner weiter</translation>
    </message>
    <message>
        <source>the router refused (%1)</source>
        <translation>der Router hat abgelehnt (%1)</translation>
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
    <name>quadrino::TablePanel</name>
    <message>
        <source>Last move</source>
        <translation>Letzter Zug</translation>
    </message>
    <message>
        <source>Moving pawns</source>
        <translation>Figuren in Bewegung</translation>
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
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
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
