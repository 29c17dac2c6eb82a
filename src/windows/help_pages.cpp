// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the help window. They describe the game as the host in this program referees
// it; when a rule changes there, the page that explains it changes with it.
#include "windows/help_window.h"

#include <QCoreApplication>
#include <span>

namespace quadrino {
namespace {

constexpr const char* kContext = "HelpPages";

const char* const kOverview[] = {
    QT_TRANSLATE_NOOP("HelpPages",
        "<p>Quadrino is a dice race for two to four players: each player brings four pawns from their nest "
        "once round the board and up their own home column, and the first to get all four pawns home wins "
        "(in a team game, the first pair of partners to get all eight home).</p>"
        "<p>Play a solo game against the computer, or host a game on your computer (<b>File &gt; Host "
        "Network Game...</b>) and let friends join it over the network (<b>File &gt; Join Network "
        "Game...</b>).</p>"),
};

const char* const kConnecting[] = {
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Playing alone</h3>"
        "<p>Started on its own, without a name and an address, Quadrino plays a solo game: your computer "
        "hosts the game, you sit in the yellow seat as &ldquo;You&rdquo;, and the computer plays the other "
        "seats. A small window first offers The Kestrun Lobby; choose <b>Play Solo Game</b> to go on. Then "
        "choose <b>File &gt; Start Game</b> (<b>Ctrl+N</b>), or the <b>Start Game</b> button on the board, "
        "pick the game options and start.</p>"
        "<p>Without <b>Full Game</b> you play against one computer player; tick it to play against three.</p>"
        "<p>A solo game is yours alone: it listens only on your computer's own address, 127.0.0.1, so nobody "
        "else can join it and no firewall needs opening. It never gets in the way of a network game either: "
        "when port 7772 is taken, it picks a free port by itself.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Hosting a game</h3>"
        "<p><b>File &gt; Host Network Game...</b> asks for your name and the port to host on (7772 unless "
        "you change it); both are remembered for the next time. The game you are in is left first, and while "
        "a game is in progress Quadrino asks before leaving it. You sit in the yellow seat, and the chat "
        "lists the addresses of your computer that the others can join on, with the port. Tell them one of "
        "those.</p>"
        "<p>If the port is already in use on this computer, the chat says so (for example &ldquo;port 7772 "
        "is in use on this machine&rdquo;), and Quadrino offers to host on another port, to join the game "
        "that is already there, or to stay idle until you choose again from the <b>File</b> menu.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Joining a game</h3>"
        "<p><b>File &gt; Join Network Game...</b> asks for your name, the host's address (a host name or an "
        "IP address) and its port (7772 unless the host chose another); all three are remembered. As when "
        "hosting, the game you are in is left first, after a question while it is in progress. If the game "
        "cannot be joined (nobody hosts at that address and port, a firewall is in the way, every seat is "
        "taken), the chat says why, and Quadrino stays open so you can try again from the <b>File</b> "
        "menu.</p>"
        "<p>The hosting player plays yellow; the next players to arrive get green, magenta and red. Up to "
        "five more people can watch as spectators (&ldquo;spys&rdquo;); anyone after that is told "
        "&ldquo;Game is full&rdquo;. When the copy that hosts the game closes, the game ends for "
        "everybody.</p>"
        "<p>Every copy must be the same version (see <b>About</b>). A player with a different version can "
        "still join, but the host and that player both see a warning in the chat.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Who starts the game</h3>"
        "<p>Only the hosting player starts games (<b>File &gt; Start Game</b>, <b>Ctrl+N</b>, or the "
        "<b>Start Game</b> button) and can remove a player (right-click the player's name). In a copy that "
        "hosts, that is its own player, in the yellow seat. Everyone else finds <b>Start Game</b> greyed "
        "out.</p>"
        "<p>A dedicated host, <code>quadrino-host</code>, runs a game without a window on a computer that is "
        "always on (see <code>man quadrino-host</code>). Its owner is the first player to join it from the "
        "owner's address, which is the host's own computer unless it was started with "
        "<code>--owner-address</code> followed by your address. Joined as its owner you get the "
        "<b>Start Game</b> button and menu exactly as in a copy that hosts. The others join it as they join "
        "any game.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>From the lobby or a terminal</h3>"
        "<p>The Kestrun Lobby can start Quadrino for everybody with the right settings. You can also start "
        "it from a terminal:</p>"
        "<ul>"
        "<li><code>quadrino NAME ADDRESS true</code> hosts a game under the name NAME (the address is not "
        "used when hosting).</li>"
        "<li><code>quadrino NAME ADDRESS join</code> joins the game hosted at ADDRESS, a host name or an IP "
        "address. Any last word other than <code>true</code> joins.</li>"
        "</ul>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Hosting: open TCP port 7772</h3>"
        "<p>Players join the host on TCP port 7772 (or the port the host chose), so the host's computer must "
        "accept incoming connections on that port. Players who only join need to open nothing. The commands "
        "below are for port 7772; put in your own port if you host on another.</p>"
        "<ul>"
        "<li><b>ufw</b> (Ubuntu, Linux Mint and others):<br><code>sudo ufw allow 7772/tcp</code></li>"
        "<li><b>firewalld</b> (Fedora, openSUSE, Red Hat and others):<br>"
        "<code>sudo firewall-cmd --permanent --add-port=7772/tcp</code><br>"
        "<code>sudo firewall-cmd --reload</code></li>"
        "<li><b>A home router:</b> players on your own home network join with your computer's address on "
        "that network. Players out on the internet reach you through your router: in its settings page, "
        "under &ldquo;port forwarding&rdquo; (sometimes &ldquo;virtual server&rdquo;), forward TCP port 7772 "
        "to your computer's address on the home network, then give them your router's internet address.</li>"
        "</ul>"),
};

const char* const kGamePlay[] = {
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>The aim</h3>"
        "<p>Each player has four pawns of one colour: yellow, green, magenta or red. Bring all four from "
        "your nest round the 68-square track, up the seven squares of your home column and onto your home "
        "square. The first player to get all four pawns home wins.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Your turn</h3>"
        "<p>When the status line says &ldquo;Your Turn.&rdquo;, the dice move to your corner: click them to "
        "roll. Each die is a move of its own, or both together can move one pawn by their sum. Click one of "
        "your pawns and a marker appears on every square it can reach with what you have left; click a "
        "marker to move there. A right click on a pawn clears the markers.</p>"
        "<p>Your turn goes on until none of what you rolled or won can be used; whatever cannot be used is "
        "lost. If a move is refused, a note on the board says why.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Entering the board</h3>"
        "<p>A pawn leaves its nest only on a five: a die showing five, or two dice that add up to five. It "
        "enters on your start square, the square in your colour. Clicking a pawn in the nest while you have "
        "a five enters it at once.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Doubles</h3>"
        "<p>When both dice show the same number you get that number four times: the two dice and two extra "
        "amounts beside them. Each can be used alone, or the two dice together and the two extras together. "
        "When you have moved, you roll again. With the three "
        "doubles penalty on, a third doubles in a row is not played: your pawn furthest along the track (not "
        "one in your home column) goes back to its nest, and the turn passes on.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Safe squares</h3>"
        "<p>The squares marked with a diamond, the four start squares among them, are safe: no pawn can be "
        "captured there, and you cannot land on one where another player's pawn stands. You may land there "
        "on a pawn of your own only, to make a block.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Capturing and the 20-square bonus</h3>"
        "<p>With pouncing on, landing exactly on a lone pawn of another player on a square that is not safe "
        "captures it: it goes back to its nest, and you win a bonus of 20 squares to move any one of your "
        "pawns this turn. A pawn entering onto your start square also captures a lone pawn of another player "
        "standing there. You never "
        "capture your team partner. With pouncing off you cannot land on another player's pawn at all.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Blocks</h3>"
        "<p>With blocking on, two of your pawns may share a square and form a block. No pawn can pass or "
        "land on a square that holds two pawns, your own pawns included. A block cannot move as a unit: two "
        "pawns that stood together when your turn began cannot meet again on an ordinary square in that "
        "turn, only on a safe square. With blocking off, no square but a home square ever holds two "
        "pawns.</p>"
        "<p>The block limit sets how many of your turns a block may stand through; the turn in which it was "
        "made does not count. When a warning flashes on a block as your turn begins, this is the last turn "
        "to break it up: if it still stands when your next turn begins, one of its pawns goes back to its "
        "nest.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Passing</h3>"
        "<p>With passing on, a <b>Pass</b> button appears after you roll: it ends your turn without moving. "
        "You cannot pass twice in a row; after a pass you must move a pawn before you may pass again. A pass "
        "on doubles still gives you the next roll.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Home and the 10-square bonus</h3>"
        "<p>After going round, a pawn turns into your home column. It reaches the home square only with the "
        "exact count; a larger number cannot be used on it. Each pawn that gets home wins you a bonus of 10 "
        "squares for another pawn.</p>"
        "<p>Bonuses appear as tokens beside the board. You can hold up to three of each kind; a fourth of "
        "the same kind is lost. Like the dice, they are lost if they cannot be used before the turn "
        "ends.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Teams</h3>"
        "<p>In a team game yellow and green play together against magenta and red; partners sit opposite "
        "each other. Partners never capture each other and cannot share a square. A player with all four "
        "pawns home is skipped, and the team wins when both partners have all their pawns home.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Watching</h3>"
        "<p><b>Options &gt; Just Watch</b> lets the computer play your seat until you choose it again. The "
        "progress bars beside the board show how far each player has come; a captured pawn takes its "
        "distance off its owner's bar.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<p>Every step of a turn can also be made from the keyboard: the <b>Keys</b> page tells how.</p>"),
};

const char* const kGameOptions[] = {
    QT_TRANSLATE_NOOP("HelpPages",
        "<p>The hosting player chooses the rules before each game in the Game Options window (<b>File &gt; "
        "Start Game</b>). The labels beside the board show the rules of the game being played. Your choices "
        "are kept for the next game; <b>Team Game</b> starts off each time Quadrino starts.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
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
        "which it was made. When the owner's next turn begins with the block still standing, one of its "
        "pawns goes back to its nest; a warning flashes on the block one turn earlier. Setting it to 0 "
        "allows unlimited blocking, a limit of 1 counts as 2, and the limit does nothing while blocking is "
        "off.</dd>"
        "<dt><b>Pouncing Allowed</b></dt>"
        "<dd>Landing on a lone pawn of another player, anywhere but on a safe square, sends it back to its "
        "nest and wins a 20-square bonus. Without it, pawns of different players never share a square.</dd>"
        "<dt><b>Full Game</b></dt>"
        "<dd>Computer players fill every empty seat, so four play. Without it, yellow and green always play "
        "(the computer takes green if nobody has), and magenta and red play only when someone sits there; "
        "magenta also plays, with the computer, when someone sits in red.</dd>"
        "<dt><b>Team Game</b></dt>"
        "<dd>Yellow and green play against magenta and red, with all four seats in play. Partners cannot "
        "capture each other or share a square, and a team wins when both partners have all their pawns "
        "home.</dd>"
        "</dl>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Computer players</h3>"
        "<p>The computer players are Klot (green), Klick (magenta) and Kling (red). The hosting player "
        "chooses how they play in the <b>Options</b> menu:</p>"
        "<ul>"
        "<li><b>Bot Level</b>: <b>Classic</b> computer players follow a fixed set of preferences, as they "
        "always have; <b>Strong</b> ones try every way of spending the dice and bonuses of a turn and keep "
        "the one that leaves their pawns furthest along and safest.</li>"
        "<li><b>Bot Speed</b>: <b>Slow</b>, <b>Normal</b> or <b>Fast</b>, the pause before each of their "
        "steps.</li>"
        "</ul>"
        "<p>Both are remembered, and a change counts from the computer's next step. They only apply in the "
        "copy that hosts the game; in a copy that joined one they are greyed out, and their tooltip says "
        "why.</p>"),
};

const char* const kKeys[] = {
    QT_TRANSLATE_NOOP("HelpPages",
        "<p>A whole game can be played from the keyboard. The board's keys work while the board has the "
        "focus: it has it when Quadrino starts, and a blue frame round the board shows it once you use the "
        "keyboard there. While you type in the chat box, the keys are only typing.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>On the board</h3>"
        "<ul>"
        "<li><b>Space</b>: roll the dice when it is your turn to roll.</li>"
        "<li><b>1</b> to <b>4</b>: choose your pawn 1 to 4, as a click on it does: a marker appears on every "
        "square it can reach, and the shortest move is chosen, with a dark frame. A pawn still in its nest "
        "enters at once when you have a five.</li>"
        "<li><b>Tab</b> and <b>Shift+Tab</b>: choose the next or the previous marker, from the shortest move "
        "to the longest and round again. With no markers on the board they move the focus on, as "
        "everywhere else.</li>"
        "<li><b>Enter</b>: move the pawn to the chosen marker. &ldquo;2&rdquo; then &ldquo;Enter&rdquo; "
        "moves pawn 2 by the smallest amount it can.</li>"
        "<li><b>Esc</b>: clear the markers, as a right click on the pawn does; with none shown, close the "
        "note that says why a move was refused.</li>"
        "<li><b>P</b>: pass, when the <b>Pass</b> button is offered to you.</li>"
        "<li><b>B</b>: write where every player's pawns stand into the chat, for you alone.</li>"
        "</ul>"
        "<p>The board's keys take no Ctrl or Alt; the digits of the number pad work as well.</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Anywhere in the game window</h3>"
        "<ul>"
        "<li><b>F6</b>: move between the board and the chat box.</li>"
        "<li><b>Ctrl+N</b>: <b>File &gt; Start Game</b>, for the hosting player.</li>"
        "<li><b>Ctrl+S</b>: stop or restart the chat scrolling to new lines (<b>Options &gt; Scroll Chat "
        "Off</b>).</li>"
        "<li><b>F1</b>: this help.</li>"
        "<li><b>Alt</b> and the underlined letter open a menu: <b>Alt+F</b> File, <b>Alt+O</b> Options, "
        "<b>Alt+V</b> View, <b>Alt+H</b> Help. In an open menu the underlined letter chooses an entry; the "
        "arrow keys and <b>Enter</b> work too.</li>"
        "</ul>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<p>The letters in the menus:</p>"
        "<ul>"
        "<li><b>File</b>: <b>S</b> Start Game, <b>H</b> Host Network Game..., <b>J</b> Join Network Game..., "
        "<b>X</b> Exit.</li>"
        "<li><b>Options</b>: <b>S</b> Play Sounds, <b>H</b> Play Chatter Sounds, <b>T</b> Turn Sound "
        "(<b>C</b> Classic, <b>N</b> New), <b>B</b> Bot Speed (<b>S</b> Slow, <b>N</b> Normal, <b>F</b> "
        "Fast), <b>E</b> Bot Level (<b>C</b> Classic, <b>S</b> Strong), <b>C</b> Text Color, <b>Z</b> Text "
        "Size (<b>8</b>, <b>0</b> for 10, <b>2</b> for 12, <b>4</b> for 14), <b>F</b> Scroll Chat Off, "
        "<b>L</b> Clear Main Chat, <b>R</b> Reset Screen Location, <b>J</b> Just Watch.</li>"
        "<li><b>View</b>: <b>T</b> View Tally, <b>P</b> Spy List, <b>H</b> Phrase List.</li>"
        "<li><b>Help</b>: <b>C</b> Content, <b>A</b> About.</li>"
        "</ul>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>In the chat</h3>"
        "<ul>"
        "<li><b>Enter</b> in the chat box: send the line. A line that starts with <b>/me</b> is sent as an "
        "action.</li>"
        "<li><b>Ctrl+V</b> in the chat box: paste the copied text at the end of the line.</li>"
        "<li><b>Ctrl+C</b> in the chat: copy the text selected there.</li>"
        "</ul>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>In the other windows</h3>"
        "<ul>"
        "<li>Game options: <b>Tab</b> moves between the options, <b>Space</b> ticks or clears one, the "
        "block limit is typed as a number, <b>Enter</b> starts the game and <b>Esc</b> closes the "
        "window.</li>"
        "<li>This help: <b>Tab</b> goes from the button of the page in front to <b>About</b>, <b>Done</b> "
        "and the page, and <b>Space</b> presses the button with the focus. On the page buttons, <b>Up</b> "
        "and <b>Down</b> bring the previous or the next page to the front. In the page, the arrow keys, "
        "<b>Page Up</b>, <b>Page Down</b> and <b>Space</b> scroll it.</li>"
        "<li><b>Esc</b> closes this window, the About box, the tally, the spy list and the phrase list.</li>"
        "</ul>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Screen readers</h3>"
        "<p>Every pawn, marker, die and button of the board has a name a screen reader reads, such as "
        "&ldquo;Yellow pawn 2, square 17, safe square&rdquo; or &ldquo;Move pawn 1 to square 23&rdquo; with "
        "the amount it spends. The line of the last event and the line of whose turn it is are read as they "
        "change, and the board reads the chosen move as you press <b>Tab</b>. On Linux, turn on the screen "
        "reader (for example Orca) before starting Quadrino.</p>"),
};

const char* const kDocumentation[] = {
    QT_TRANSLATE_NOOP("HelpPages",
        "<h3>Version 1.0.15</h3>"
        "<p>This is Quadrino 1.0.15 for Linux. It plays with every copy that shows the same version in its "
        "About box.</p>"
        "<p>Changes from the earlier versions for Windows:</p>"),
    QT_TRANSLATE_NOOP("HelpPages",
        "<ul>"
        "<li>Only the player who hosts can start a game; the host ignores a start from anyone else.</li>"
        "<li>The lobby advert no longer downloads and runs an installer by itself. Its download button opens "
        "the lobby's download page in your web browser, so you can see what you install.</li>"
        "<li>&ldquo;Play with Others&rdquo; starts The Kestrun Lobby when it is installed as a program "
        "named <code>kestrunlobby</code>.</li>"
        "<li><b>File &gt; Host Network Game...</b> and <b>Join Network Game...</b> host and join games on "
        "any port without the lobby; a port already in use is reported, with a choice of what to do.</li>"
        "<li>A solo game no longer needs port 7772: it starts even while another game is hosted on the "
        "same computer.</li>"
        "<li><b>Options &gt; Bot Level</b> chooses between the classic computer players and stronger "
        "ones.</li>"
        "<li>The whole game can be played from the keyboard, and read by a screen reader (see "
        "<b>Keys</b>).</li>"
        "</ul>"),
};

const char* const kLobby[] = {
    QT_TRANSLATE_NOOP("HelpPages",
        "<p>The Kestrun Lobby is a separate program by the maker of Quadrino. It is where players meet to "
        "find a game: it starts Quadrino for everybody, telling one copy to host and the others where to "
        "join.</p>"
        "<p>Quadrino does not need the lobby: a solo game, or a network game hosted and joined from the "
        "<b>File</b> menu as the Connecting page describes, works without it. When the lobby is installed as "
        "a program named <code>kestrunlobby</code>, the <b>Play with Others</b> button shown at the start of "
        "a solo game closes the game and opens the lobby.</p>"
        "<p>Quadrino never downloads or installs anything itself. The download button in that window opens "
        "the lobby's download page in your web browser.</p>"),
};

} // namespace

QList<HelpPage> helpPages() {
    // Each page is put together from its sections, translated one by one: a change to one
    // section leaves the translations of the others standing.
    const auto page = [](int tag, const char* button, std::span<const char* const> sections) {
        QString html;
        for (const char* section : sections) html += QCoreApplication::translate(kContext, section);
        return HelpPage{tag, QCoreApplication::translate(kContext, button), html};
    };
    return {
        page(1, QT_TRANSLATE_NOOP("HelpPages", "Overview"), kOverview),
        page(2, QT_TRANSLATE_NOOP("HelpPages", "Connecting"), kConnecting),
        page(3, QT_TRANSLATE_NOOP("HelpPages", "Game Play"), kGamePlay),
        page(4, QT_TRANSLATE_NOOP("HelpPages", "Game Options"), kGameOptions),
        page(6, QT_TRANSLATE_NOOP("HelpPages", "Keys"), kKeys),
        page(5, QT_TRANSLATE_NOOP("HelpPages", "Documentation"), kDocumentation),
        page(11, QT_TRANSLATE_NOOP("HelpPages", "The Lobby"), kLobby),
    };
}

} // namespace quadrino
