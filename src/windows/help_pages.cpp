// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the help window. They describe the game as the host in this program referees
// it; when a rule changes there, the page that explains it changes with it.
#include "windows/help_window.h"

namespace quadrino {
namespace {

const QString kOverview = QStringLiteral(
    "<p>Quadrino is a dice race for two to four players: each player brings four pawns from their nest once "
    "round the board and up their own home column, and the first to get all four pawns home wins (in a "
    "team game, the first pair of partners to get all eight home).</p>"
    "<p>Play a solo game against the computer, or host a game on your computer and let friends join over "
    "the network.</p>");

const QString kConnecting = QStringLiteral(
    "<h3>Playing alone</h3>"
    "<p>Started on its own, without a name and an address, Quadrino plays a solo game: your computer hosts the game, you sit in the yellow "
    "seat as &ldquo;You&rdquo;, and the computer plays the other seats. A small window first offers The "
    "Kestrun Lobby; choose <b>Play Solo Game</b> to go on. Then choose <b>File &gt; Start Game</b>, or the "
    "<b>Start Game</b> button on the board, pick the game options and start.</p>"
    "<p>Without <b>Full Game</b> you play against one computer player; tick it to play against three.</p>"
    "<p>A solo game talks to itself through your computer's own address, 127.0.0.1. Firewalls on Linux "
    "leave that address alone, so nothing needs to be opened. If another program already uses port 7772, "
    "the chat says that the game could not be hosted; close that program and start Quadrino again.</p>"

    "<h3>Playing with others</h3>"
    "<p>One player hosts the game and the others join it. Usually The Kestrun Lobby starts Quadrino for "
    "everybody with the right settings. You can also start it by hand from a terminal:</p>"
    "<ul>"
    "<li><code>quadrino NAME ADDRESS true</code> hosts a game under the name NAME (the address is not "
    "used when hosting).</li>"
    "<li><code>quadrino NAME ADDRESS join</code> joins the game hosted at ADDRESS, a host name or an IP "
    "address. Any last word other than <code>true</code> joins.</li>"
    "</ul>"
    "<p>The host plays yellow; the next players to arrive get green, magenta and red. Up to five more "
    "people can watch as spectators (&ldquo;spys&rdquo;); anyone after that is told &ldquo;Game is "
    "full&rdquo;. Only the host starts games and can remove a player (right-click the player's name). "
    "When the host closes Quadrino, the game ends for everybody.</p>"
    "<p>Every copy must be the same version (see <b>About</b>). A player with a different version can "
    "still join, but the host and that player both see a warning in the chat.</p>"

    "<h3>Hosting: open TCP port 7772</h3>"
    "<p>Players join the host on TCP port 7772, so the host's computer must accept incoming connections "
    "on that port. Players who only join need to open nothing.</p>"
    "<ul>"
    "<li><b>ufw</b> (Ubuntu, Linux Mint and others):<br><code>sudo ufw allow 7772/tcp</code></li>"
    "<li><b>firewalld</b> (Fedora, openSUSE, Red Hat and others):<br>"
    "<code>sudo firewall-cmd --permanent --add-port=7772/tcp</code><br>"
    "<code>sudo firewall-cmd --reload</code></li>"
    "<li><b>A home router:</b> players on your own home network join with your computer's address on that "
    "network. Players out on the internet reach you through your router: in its settings page, under "
    "&ldquo;port forwarding&rdquo; (sometimes &ldquo;virtual server&rdquo;), forward TCP port 7772 to "
    "your computer's address on the home network, then give them your router's internet address.</li>"
    "</ul>");

const QString kGamePlay = QStringLiteral(
    "<h3>The aim</h3>"
    "<p>Each player has four pawns of one colour: yellow, green, magenta or red. Bring all four from your "
    "nest round the 68-square track, up the seven squares of your home column and onto your home square. "
    "The first player to get all four pawns home wins.</p>"

    "<h3>Your turn</h3>"
    "<p>When the status line says &ldquo;Your Turn.&rdquo;, the dice move to your corner: click them to "
    "roll. Each die is a move of its own, or both together can move one pawn by their sum. Click one of "
    "your pawns and a marker appears on every square it can reach with what you have left; click a marker "
    "to move there. A right click on a pawn clears the markers.</p>"
    "<p>Your turn goes on until none of what you rolled or won can be used; whatever cannot be used is "
    "lost. If a move is refused, a note on the board says why.</p>"

    "<h3>Entering the board</h3>"
    "<p>A pawn leaves its nest only on a five: a die showing five, or two dice that add up to five. It "
    "enters on your start square, the square in your colour. Clicking a pawn in the nest while you have a "
    "five enters it at once.</p>"

    "<h3>Doubles</h3>"
    "<p>When both dice show the same number you get that number four times: the two dice and two extra "
    "amounts beside them. Each can be used alone, or the two dice together and the two extras together. "
    "When you have moved, you roll again. With the three "
    "doubles penalty on, a third doubles in a row is not played: your pawn furthest along the track (not "
    "one in your home column) goes back to its nest, and the turn passes on.</p>"

    "<h3>Safe squares</h3>"
    "<p>The squares marked with a diamond, the four start squares among them, are safe: no pawn can be "
    "captured there, and you cannot land on one where another player's pawn stands. You may land there "
    "on a pawn of your own only, to make a block.</p>"

    "<h3>Capturing and the 20-square bonus</h3>"
    "<p>With pouncing on, landing exactly on a lone pawn of another player on a square that is not safe "
    "captures it: it goes back to its nest, and you win a bonus of 20 squares to move any one of your pawns "
    "this turn. A pawn entering onto your start square also captures a lone pawn of another player "
    "standing there. You never "
    "capture your team partner. With pouncing off you cannot land on another player's pawn at all.</p>"

    "<h3>Blocks</h3>"
    "<p>With blocking on, two of your pawns may share a square and form a block. No pawn can pass or land "
    "on a square that holds two pawns, your own pawns included. A block cannot move as a unit: two pawns "
    "that stood together when your turn began cannot meet again on an ordinary square in that turn, only "
    "on a safe square. With blocking off, no square but a home square ever holds two pawns.</p>"
    "<p>The block limit sets how many of your turns a block may stand through; the turn in which it was "
    "made does not count. When a warning flashes on a block as your turn begins, this is the last turn to "
    "break it up: if it still stands when your next turn begins, one of its pawns goes back to its "
    "nest.</p>"

    "<h3>Passing</h3>"
    "<p>With passing on, a <b>Pass</b> button appears after you roll: it ends your turn without moving. "
    "You cannot pass twice in a row; after a pass you must move a pawn before you may pass again. A pass on "
    "doubles still gives you the next roll.</p>"

    "<h3>Home and the 10-square bonus</h3>"
    "<p>After going round, a pawn turns into your home column. It reaches the home square only with the "
    "exact count; a larger number cannot be used on it. Each pawn that gets home wins you a bonus of 10 "
    "squares for another pawn.</p>"
    "<p>Bonuses appear as tokens beside the board. You can hold up to three of each kind; a fourth of the "
    "same kind is lost. Like the dice, they are lost if they cannot be used before the turn ends.</p>"

    "<h3>Teams</h3>"
    "<p>In a team game yellow and green play together against magenta and red; partners sit opposite "
    "each other. Partners never capture each other and cannot share a square. A player with all four pawns "
    "home is skipped, and the team wins when both partners have all their pawns home.</p>"

    "<h3>Watching</h3>"
    "<p><b>Options &gt; Just Watch</b> lets the computer play your seat until you choose it again. The "
    "progress bars beside the board show how far each player has come; a captured pawn takes its distance "
    "off its owner's bar.</p>"

    "<h3>Keys</h3>"
    "<p>A whole game can be played from the keyboard. The board keys work while the board has the "
    "focus (it has it when Quadrino starts; a blue frame shows it once you use it). While you type in the "
    "chat box the keys are only typing.</p>"
    "<ul>"
    "<li><b>Ctrl+N</b>: <b>File &gt; Start Game</b> (hosting player). In the game options, <b>Tab</b> "
    "moves between the options, <b>Space</b> ticks one, <b>Enter</b> starts the game and <b>Esc</b> "
    "closes the window.</li>"
    "<li><b>Space</b>: roll the dice when it is your turn.</li>"
    "<li><b>1</b> to <b>4</b>: choose your pawn 1 to 4, as a click on it does: its moves are marked (a "
    "pawn at start enters at once on a five). The nearest move is chosen, with a dark frame.</li>"
    "<li><b>Tab</b> and <b>Shift+Tab</b>: choose the next or the previous marked move.</li>"
    "<li><b>Enter</b>: move the pawn to the chosen marker.</li>"
    "<li><b>Esc</b>: clear the markers (or close an error message).</li>"
    "<li><b>P</b>: pass, when passing is offered.</li>"
    "<li><b>B</b>: write where every player's pawns stand into the chat.</li>"
    "<li><b>F6</b>: move between the board and the chat box.</li>"
    "<li><b>Alt</b> and the underlined letter: open a menu; the underlined letters choose its entries.</li>"
    "<li><b>F1</b>: this help.</li>"
    "<li><b>Enter</b> in the chat box: send the line.</li>"
    "<li><b>Ctrl+S</b>: stop or restart the chat scrolling to new lines.</li>"
    "<li><b>Ctrl+C</b> in the chat: copy the selected text. <b>Ctrl+V</b> in the chat box: paste.</li>"
    "<li><b>Esc</b>: close this window or the About box.</li>"
    "</ul>"

    "<h3>Screen readers</h3>"
    "<p>Every pawn, marker, die and button of the board has a name a screen reader reads, such as "
    "&ldquo;Yellow pawn 2, square 17, safe square&rdquo; or &ldquo;Move pawn 1 to square 23&rdquo; with "
    "the amount it spends. The line of the last event and the line of whose turn it is are read as they "
    "change, and the board reads the chosen move as you press <b>Tab</b>. On Linux, turn on the screen "
    "reader (for example Orca) before starting Quadrino.</p>");

const QString kGameOptions = QStringLiteral(
    "<p>The host chooses the rules before each game in the Game Options window (<b>File &gt; Start "
    "Game</b>). The labels beside the board show the rules of the game being played. Your choices are "
    "kept for the next game; <b>Team Game</b> starts off each time Quadrino starts.</p>"
    "<dl>"
    "<dt><b>3 Double Penalty</b></dt>"
    "<dd>A third doubles in a row is not played: the roller's pawn furthest along the track goes back to "
    "its nest and the turn passes on. Without it, doubles simply give another roll every time.</dd>"
    "<dt><b>Passing Allowed</b></dt>"
    "<dd>After rolling, a player may pass instead of moving, but not on two turns in a row.</dd>"
    "<dt><b>Blocking Allowed</b></dt>"
    "<dd>Two pawns of one player on one square form a block that no pawn can pass. Without it, a pawn "
    "can never land on another pawn of the same colour, except on the home square.</dd>"
    "<dt><b>Limit Blocks To: &hellip; Turns</b></dt>"
    "<dd>How many of its owner's turns a block may stand through, from 0 to 10, not counting the turn in "
    "which it was made. When the owner's next turn begins with the block still standing, one of its pawns "
    "goes back to its nest; a warning flashes on the block one turn earlier. Setting it to 0 allows "
    "unlimited blocking, a limit of 1 counts as 2, and the limit does nothing while blocking is off.</dd>"
    "<dt><b>Pouncing Allowed</b></dt>"
    "<dd>Landing on a lone pawn of another player, anywhere but on a safe square, sends it back to its nest "
    "and wins a 20-square bonus. Without it, pawns of different players never share a square.</dd>"
    "<dt><b>Full Game</b></dt>"
    "<dd>Computer players fill every empty seat, so four play. Without it, yellow and green always play "
    "(the computer takes green if nobody has), and magenta and red play only when someone sits there; "
    "magenta also plays, with the computer, when someone sits in red.</dd>"
    "<dt><b>Team Game</b></dt>"
    "<dd>Yellow and green play against magenta and red, with all four seats in play. Partners cannot "
    "capture each other or share a square, and a team wins when both partners have all their pawns "
    "home.</dd>"
    "</dl>"
    "<p>The computer players are Klot (green), Klick (magenta) and Kling (red). The host sets how fast "
    "they play under <b>Options &gt; Bot Speed</b>.</p>");

const QString kDocumentation = QStringLiteral(
    "<h3>Version 1.0.15</h3>"
    "<p>This is Quadrino 1.0.15 for Linux. It plays with every copy that shows the same version in its "
    "About box.</p>"
    "<p>Changes from the earlier versions for Windows:</p>"
    "<ul>"
    "<li>Only the player who hosts can start a game; the host ignores a start from anyone else.</li>"
    "<li>The lobby advert no longer downloads and runs an installer by itself. Its download button opens "
    "the lobby's download page in your web browser, so you can see what you install.</li>"
    "<li>&ldquo;Play with Others&rdquo; starts The Kestrun Lobby when it is installed as a program "
    "named <code>kestrunlobby</code>.</li>"
    "</ul>");

const QString kLobby = QStringLiteral(
    "<p>The Kestrun Lobby is a separate program by the maker of Quadrino. It is where players meet to "
    "find a game: it starts Quadrino for everybody, telling one copy to host and the others where to "
    "join.</p>"
    "<p>Quadrino does not need the lobby: a solo game, or a game started by hand as the Connecting page "
    "describes, works without it. When the lobby is installed as a program named "
    "<code>kestrunlobby</code>, the "
    "<b>Play with Others</b> button shown at the start of a solo game closes the game and opens the "
    "lobby.</p>"
    "<p>Quadrino never downloads or installs anything itself. The download button in that window opens "
    "the lobby's download page in your web browser.</p>");

} // namespace

const QList<HelpPage>& helpPages() {
    static const QList<HelpPage> pages = {
        {1, QStringLiteral("Overview"), kOverview},
        {2, QStringLiteral("Connecting"), kConnecting},
        {3, QStringLiteral("Game Play"), kGamePlay},
        {4, QStringLiteral("Game Options"), kGameOptions},
        {5, QStringLiteral("Documentation"), kDocumentation},
        {11, QStringLiteral("The Lobby"), kLobby},
    };
    return pages;
}

} // namespace quadrino
