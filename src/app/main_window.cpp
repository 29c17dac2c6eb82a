// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include "app/lobby_window.h"
#include "app/main_menu.h"
#include "chat/chat_pane.h"
#include "windows/about_box.h"
#include "art/art.h"
#include "art/scaled_layout.h"
#include "table/table_panel.h"
#include "tally/tally_window.h"
#include "windows/gamestart.h"
#include "windows/lobby_advert.h"
#include "windows/phrase_editor.h"
#include "windows/side_windows.h"
#include "windows/spy_list.h"

namespace quadrino {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), launcher_(store_), placer_(*this, QSize(Preferences::kDefaultWidth, Preferences::kDefaultHeight)) {
    // The window is drawn for Arial; Liberation Sans has the same metrics.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Quadrino"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);

    messageBox_ = messageBoxOver(this);
    questionBox_ = questionBoxOver(this);
    choiceBox_ = choiceBoxOver(this);

    client_ = clientArea(this, QSize(kMinClientWidth, kMinClientHeight));
    // The whole client area follows the window's size.
    client_->installEventFilter(this);
    setCentralWidget(client_);

    panel_ = new TablePanel(session().table(), session(), client_);
    panel_->move(1, 2);
    chat_ = new ChatArea(panel_, this, store_.prefs());
    buildMenus(*this, menuBar());
    const Preferences& prefs = store_.prefs();
    for (const MenuRow& row : menuRows())
        if (row.flag) action(row.name)->setChecked(prefs.*row.flag);
    checkRadio("TurnSound1", prefs.turnsound);
    // Normal is checked from the start although the speed is 750 ms until the settings are read.
    checkRadio("BotSpeed1", 1000);
    checkRadio("BotLevel1", prefs.botlevel);
    updateHostOnlyEntries(false);

    // Windows of their own, as every side window is; shown and hidden until exit.
    gamestart_ = std::make_unique<GameOptionsDialog>();
    spylist_ = std::make_unique<SpyListWindow>();
    phraseEditor_ = std::make_unique<PhraseEditor>(store_.prefs());
    record_ = new GameRecordView(*this, *panel_, session(), [this] { gamestart_->button_startClick(); });

    // Placed at 3,3 with a client area of 782 x 516 under the menu bar.
    resize(placer_.fit(QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height()), QPoint(3, 3)));
    move(3, 3);
    connectParts();
    setupKeys();
}

MainWindow::~MainWindow() {
    // A session torn down with the window must not close or redraw a window that is going away.
    for (const QObject* receiver : {static_cast<QObject*>(this), static_cast<QObject*>(chat_), static_cast<QObject*>(record_)})
        disconnect(&session(), nullptr, receiver, nullptr);
    disconnect(&launcher_, nullptr, this, nullptr);
    delete panel_;
    panel_ = nullptr;
}

void MainWindow::connectParts() {
    ClientSession* s = &session();
    connect(s, &ClientSession::tableChanged, panel_, &TablePanel::render);
    connect(panel_, &TablePanel::logoClicked, this, [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerWebAddress))); });
    connect(s, &ClientSession::chatLine, chat_, &ChatArea::addlinetochat);
    connect(s, &ClientSession::chatReceived, chat_->mainchat, &ChatPane::chatrecieved);
    connect(s, &ClientSession::soundRequested, chat_, &ChatArea::playsounds);
    connect(s, &ClientSession::chatterSoundReceived, chat_, &ChatArea::playasound);
    connect(s, &ClientSession::tableChanged, this, &MainWindow::syncSpyList);
    connect(s, &ClientSession::justWatchChanged, this, &MainWindow::setJustWatchChecked);
    connect(s, &ClientSession::gameWon, this, &MainWindow::addgame);
    connect(s, &ClientSession::ownArrival, this, &MainWindow::loadinifile);
    connect(s, &ClientSession::gameOptionsWanted, this, &MainWindow::showGameOptions);
    connect(s, &ClientSession::messageBoxWanted, this, &MainWindow::showMessage);
    connect(s, &ClientSession::hostingChanged, spylist_.get(), &SpyListWindow::setHosting);

    launcher_.setMayLeave([this] { return mayLeaveGame(); });
    connect(&launcher_, &GameLauncher::chatLine, this, &MainWindow::addlinetochat);
    connect(&launcher_, &GameLauncher::hostHereChanged, this, &MainWindow::updateHostOnlyEntries);
    connect(&launcher_, &GameLauncher::startAllowedChanged, action("StartGame1"), &QAction::setEnabled);
    connect(&launcher_, &GameLauncher::gameLeft, this, &MainWindow::onGameLeft);
    connect(&launcher_, &GameLauncher::reconnectOffered, action("Reconnect1"), &QAction::setEnabled);
    connect(&launcher_, &GameLauncher::soloStarted, this, [this] {
        // Without a lobby program of its own, "Play with Others" opens ours.
        if (LobbyAdvert* advert = lobbyAdvert(this)) advert->setLobbyWindow([this] { onPlayOnlineChosen(); });
        showLobbyAdvert(this);
    });
    connect(&launcher_, &GameLauncher::portTaken, this, [this](const QString& text, const QStringList& choices) {
        choiceBox_(text, choices, [this](int chosen) {
            if (!launcher_.takeWayOn(chosen)) onHostNetworkGameChosen();
        });
    });
    connect(&launcher_, &GameLauncher::launchedGameEnded, this, [this](const QString& lastWord) {
        if (!lastWord.isEmpty()) showMessage(lastWord);
        close();
    });

    chat_->setSpeaker([this] { return identity().loggedin ? identity().myseat : 0; },
                      [this](int seat) { return QString::fromStdString(session().table().seatName(seat)); });
    connect(&chat_->sender(), &ChatSender::sendRequested, s, &ClientSession::send);
    connect(chat_->mainchat, &ChatPane::linkFailed, this, [this] { showMessage(tr("Cannot open Webpage")); });
    chat_->setPaneMenu(findChild<QMenu*>(QStringLiteral("popup_mainchat")));

    // The game options dialog's boxes are the options' state; the file keeps what they show.
    store_.setBeforeSave([this](Preferences& p) { p.options = gamestart_->options(); });
    connect(&store_, &PreferencesStore::notice, this, [this](const QString& text) { addlinetochat(QStringLiteral("0+") + text, kSystemColour); });
    connect(&store_, &PreferencesStore::messageWanted, this, &MainWindow::showMessage);

    gamestart_->setNameProvider([this] { return QString::fromStdString(identity().myname); });
    gamestart_->setSender([this](const std::string& message) { session().send(message); });
    gamestart_->setAfterStart([this] { saveinifile(); });
    connect(spylist_.get(), &SpyListWindow::removeRequested, this, [this](int number) { session().kick(number); });
    connect(phraseEditor_.get(), &PhraseEditor::phrasesChanged, chat_, &ChatArea::applyPreferences);
    phraseEditor_->setSaver([this] { store_.savePhrases(); });
}

QAction* MainWindow::action(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

// ---- Hosting and joining ---------------------------------------------------------------------

bool MainWindow::mayLeaveGame() {
    const std::optional<QString> question = launcher_.leaveQuestion();
    return unattended_ || !question || !questionBox_ || questionBox_(*question);
}

void MainWindow::onGameLeft() {
    session().setNewTurnSound(store_.prefs().turnsound == Preferences::kTurnSoundNew);
    setJustWatchChecked(false);
    gamestart_->hide();
}

void MainWindow::updateHostOnlyEntries(bool hostHere) {
    // Only the copy that runs the host runs its computer players; elsewhere the choice would
    // do nothing, so say why instead of offering it.
    for (const MenuRow& row : menuRows()) {
        if (row.needs != MenuNeeds::HostHere) continue;
        QAction* entry = action(row.name);
        entry->setEnabled(hostHere);
        entry->setToolTip(hostHere ? QString(entry->text()).remove(u'&')
                                   : tr("Only the copy that hosts the game runs its computer players."));
    }
}

// ---- What the session and the user ask for ---------------------------------------------------

void MainWindow::addgame(const QString& winner) {
    if (!tally_) return;
    tally_->addgame(winner, otherPlayers());
    saveTally();
}

static QStringList listOf(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << QString::fromStdString(text);
    return list;
}

QStringList MainWindow::otherPlayers() const { return listOf(launcher_.session().table().otherPlayers()); }
void MainWindow::syncSpyList() { spylist_->setEntries(listOf(session().table().state().spies)); }

void MainWindow::showGameOptions() {
    gamestart_->move(frameGeometry().center() - gamestart_->rect().center());
    gamestart_->show();
    gamestart_->raise();
    gamestart_->activateWindow();
}

void MainWindow::layoutClient() {
    // One scale for everything, so the board keeps its shape; the spare band is left as
    // background, the picture centred in it.
    const QSize area = client_->size();
    const qreal scale = std::min(area.width() / qreal(kClientWidth), area.height() / qreal(kClientHeight));
    if (scale <= 0) return;
    panel_->setScale(scale);
    chat_->setScale(scale);
    const QSize used = scaling::scaled(QSize(kClientWidth, kClientHeight), scale);
    const QPoint margin((area.width() - used.width()) / 2, (area.height() - used.height()) / 2);
    panel_->move(margin + scaling::scaled(QRect(1, 2, 0, 0), scale).topLeft());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) layoutClient();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quadrino
