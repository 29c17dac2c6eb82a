// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QActionGroup>
#include <array>
#include <optional>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QGuiApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "app/main_window_detail.h"
#include "app/network_game_dialog.h"
#include "chat/chat_entry.h"
#include "chat/chat_pane.h"
#include "chat/free_text.h"
#include "chat/phrase_buttons.h"
#include "rules/random.h"
#include "net/host_server.h"
#include "protocol/catalogue.h"
#include "protocol/colour_text.h"
#include "protocol/cp1252.h"
#include "protocol/wire.h"
#include "settings/preferences_file.h"
#include "art/art.h"
#include "art/board_placement.h"
#include "table/table_panel.h"
#include "tally/tally_window.h"
#include "art/scaled_layout.h"
#include "windows/gamestart.h"
#include "windows/phrase_editor.h"
#include "windows/side_windows.h"
#include "windows/spy_list.h"

namespace quadrino {

using namespace window_detail;


MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), prefs_(Preferences::beforeFirstLoad()), session_(Random::clockSeed()),
      sound_(std::make_unique<SilentSoundPlayer>()) {
    sinceStart_.start();
    // The window is drawn for Arial; Liberation Sans has the same metrics.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Quadrino"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);

    questionBox_ = [this](const QString& text) {
        return QMessageBox::question(this, QStringLiteral("Quadrino"), text) == QMessageBox::Yes;
    };
    messageBox_ = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Quadrino"), text);
    };
    choiceBox_ = [this](const QString& text, const QStringList& choices, std::function<void(int)> chosen) {
        // Not modal to the program: the chat and the menus stay live while the box waits.
        auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Quadrino"), text, QMessageBox::NoButton, this);
        box->setObjectName(QStringLiteral("choicebox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        QList<QAbstractButton*> buttons;
        for (const QString& choice : choices) buttons << box->addButton(choice, QMessageBox::AcceptRole);
        if (!buttons.isEmpty()) box->setEscapeButton(buttons.back());
        connect(box, &QMessageBox::finished, this, [box, buttons, chosen = std::move(chosen)] {
            chosen(static_cast<int>(buttons.indexOf(box->clickedButton())));
        });
        box->open();
    };

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, QColor(221, 221, 193));
    pal.setBrush(QPalette::Window, QBrush(QColor(221, 221, 193), art::background()));
    client->setPalette(pal);
    client->setMinimumSize(kMinClientWidth, kMinClientHeight);
    // The whole client area follows the window's size.
    client->installEventFilter(this);
    client_ = client;
    setCentralWidget(client);

    panel_ = new TablePanel(session_.table(), session_, client);
    panel_->move(1, 2);

    buildChat();
    buildMenus();

    // A window of its own, as every side window is; shown and hidden until exit.
    gamestart_ = new GameOptionsDialog();
    gamestartOwner_.reset(gamestart_);
    gamestart_->setNameProvider([this] { return QString::fromStdString(identity().myname); });
    gamestart_->setSender([this](const std::string& message) { session_.send(message); });
    gamestart_->setAfterStart([this] { saveinifile(); });
    buildSideWindows();

    // Placed at 3,3 with a client area of 782 x 516 under the menu bar.
    resize(fitScreen(QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height()), QPoint(3, 3)));
    move(3, 3);

    connectSession();
    setupKeys();
    // Bytes from the lobby program are never wanted; keep none of them.
    sock11_.setReadBufferSize(1);
}

MainWindow::~MainWindow() {
    // A session torn down with the window must not close or redraw a window that is going away.
    disconnect(&session_, nullptr, this, nullptr);
    delete panel_;
    panel_ = nullptr;
}

void MainWindow::connectSession() {
    connect(&session_, &ClientSession::tableChanged, panel_, &TablePanel::render);
    connect(panel_, &TablePanel::logoClicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerWebsite))); });
    connect(&session_, &ClientSession::chatLine, this, &MainWindow::addlinetochat);
    connect(&session_, &ClientSession::chatReceived, mainchat_, &ChatPane::chatrecieved);
    connect(&session_, &ClientSession::soundRequested, this, &MainWindow::playsounds);
    connect(&session_, &ClientSession::chatterSoundReceived, this, &MainWindow::playasound);
    connect(&session_, &ClientSession::tableChanged, this, &MainWindow::syncSpyList);
    connect(&session_, &ClientSession::justWatchChanged, this, &MainWindow::setJustWatchChecked);
    connect(&session_, &ClientSession::gameWon, this, &MainWindow::addgame);
    connect(&session_, &ClientSession::ownArrival, this, &MainWindow::loadinifile);
    connect(&session_, &ClientSession::gameOptionsWanted, this, &MainWindow::showGameOptions);
    connect(&session_, &ClientSession::messageBoxWanted, this, &MainWindow::showMessage);
    connect(&session_, &ClientSession::gameFull, this, &MainWindow::onGameFull);
    connect(&session_, &ClientSession::closed, this, &MainWindow::onConnectionClosed);
    connect(&session_, &ClientSession::connectFailed, this, &MainWindow::onConnectFailed);
    connect(&session_, &ClientSession::hostingChanged, this, &MainWindow::onHostingChanged);
}

void MainWindow::onHostingChanged(bool hosting) {
    // The owner of a dedicated host starts games and removes players as a hosting copy does.
    startGame1_->setEnabled(hosting);
    spylist_->setHosting(hosting);
}

// ---- Building ------------------------------------------------------------------------------

QAction* MainWindow::addEntry(QMenu* menu, const char* name, const QString& caption) {
    auto* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->menuAction()->setObjectName(QStringLiteral("File1"));
    startGame1_ = addEntry(file, "StartGame1", QStringLiteral("Start Game"));
    startGame1_->setEnabled(false);
    connect(startGame1_, &QAction::triggered, this, &MainWindow::onStartGameChosen);
    file->addSeparator();
    connect(addEntry(file, "HostNetworkGame1", QStringLiteral("Host Network Game...")), &QAction::triggered, this,
            &MainWindow::onHostNetworkGameChosen);
    connect(addEntry(file, "JoinNetworkGame1", QStringLiteral("Join Network Game...")), &QAction::triggered, this,
            &MainWindow::onJoinNetworkGameChosen);
    file->addSeparator();
    connect(addEntry(file, "Exit1", QStringLiteral("Exit")), &QAction::triggered, this, &QWidget::close);

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->menuAction()->setObjectName(QStringLiteral("Options1"));
    buildOptionsMenu(options);

    QMenu* view = bar->addMenu(QStringLiteral("View"));
    view->menuAction()->setObjectName(QStringLiteral("View1"));
    connect(addEntry(view, "ViewTally1", QStringLiteral("View Tally")), &QAction::triggered, this,
            &MainWindow::onViewTallyChosen);
    connect(addEntry(view, "SpyList1", QStringLiteral("Spy List")), &QAction::triggered, this,
            &MainWindow::showSpyList);
    connect(addEntry(view, "PrhaseList1", QStringLiteral("Phrase List")), &QAction::triggered, this,
            &MainWindow::showPhraseList);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->menuAction()->setObjectName(QStringLiteral("Help1"));
    QAction* content = addEntry(help, "Help2", QStringLiteral("Content"));
    content->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    connectHelpMenu(this, content, addEntry(help, "About1", QStringLiteral("About")));

    buildChatMenus();
}

void MainWindow::buildOptionsMenu(QMenu* options) {
    playSounds1_ = addEntry(options, "PlaySounds1", QStringLiteral("Play Sounds"));
    playSounds1_->setCheckable(true);
    playSounds1_->setChecked(prefs_.playsounds);
    connect(playSounds1_, &QAction::triggered, this, &MainWindow::onPlaySoundsToggled);
    playChatterSounds1_ = addEntry(options, "PlayChatterSounds1", QStringLiteral("Play Chatter Sounds"));
    playChatterSounds1_->setCheckable(true);
    playChatterSounds1_->setChecked(prefs_.chattersounds);
    connect(playChatterSounds1_, &QAction::triggered, this, &MainWindow::onChatterSoundsToggled);

    // Radio entries whose tag is the value they choose.
    auto radio = [this, options](const char* submenuName, const QString& caption, int current,
                                 std::initializer_list<std::tuple<const char*, const char*, int>> entries) {
        QMenu* submenu = options->addMenu(caption);
        submenu->menuAction()->setObjectName(QString::fromLatin1(submenuName));
        auto* group = new QActionGroup(this);
        for (const auto& [name, entryCaption, tag] : entries) {
            QAction* a = addEntry(submenu, name, QString::fromLatin1(entryCaption));
            a->setCheckable(true);
            setTag(a, tag);
            group->addAction(a);
            if (tag == current) a->setChecked(true);
        }
        return group;
    };
    connect(radio("TurnSound1", QStringLiteral("Turn Sound"), prefs_.turnsound, {{"Classic1", "Classic", 0}, {"New1", "New", 1}}),
            &QActionGroup::triggered, this, &MainWindow::onTurnSoundChosen);
    // Normal is checked from the start although the speed is 750 ms until the settings are read.
    connect(radio("BotSpeed1", QStringLiteral("Bot Speed"), 1000,
                  {{"Slow1", "Slow", 1500}, {"Normal1", "Normal", 1000}, {"Fast1", "Fast", 500}}),
            &QActionGroup::triggered, this, &MainWindow::onBotSpeedChosen);
    connect(radio("BotLevel1", QStringLiteral("Bot Level"), prefs_.botlevel,
                  {{"BotClassic1", "Classic", Preferences::kBotClassic}, {"BotStrong1", "Strong", Preferences::kBotStrong}}),
            &QActionGroup::triggered, this, &MainWindow::onBotLevelChosen);
    botSpeed1_ = findChild<QAction*>(QStringLiteral("BotSpeed1"));
    botLevel1_ = findChild<QAction*>(QStringLiteral("BotLevel1"));
    // The entries that only a hosting copy can honour say why they are off.
    options->setToolTipsVisible(true);
    updateHostOnlyEntries();
    options->addSeparator();

    connect(addEntry(options, "TextColor1", QStringLiteral("Text Color")), &QAction::triggered, this,
            &MainWindow::onTextColorChosen);
    // No size is checked until the settings are read.
    connect(radio("TextSize1", QStringLiteral("Text Size"), 0,
                  {{"N8", "8", 8}, {"N10", "10", 10}, {"N12", "12", 12}, {"N14", "14", 14}}),
            &QActionGroup::triggered, this, &MainWindow::onTextSizeChosen);

    scrollChatOff2_ = addEntry(options, "ScrollChatOff2", QStringLiteral("Scroll Chat Off"));
    scrollChatOff2_->setCheckable(true);
    scrollChatOff2_->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(scrollChatOff2_, &QAction::triggered, this, &MainWindow::onScrollChatOffToggled);
    connect(addEntry(options, "ClearMainChat1", QStringLiteral("Clear Main Chat")), &QAction::triggered, this,
            &MainWindow::onClearChatChosen);
    connect(addEntry(options, "ResetScreenLocation1", QStringLiteral("Reset Screen Location")), &QAction::triggered,
            this, &MainWindow::onResetScreenLocation);
    options->addSeparator();
    justWatch1_ = addEntry(options, "JustWatch1", QStringLiteral("Just Watch"));
    justWatch1_->setCheckable(true);
    connect(justWatch1_, &QAction::triggered, this, &MainWindow::onJustWatchChosen);
}

void MainWindow::buildChatMenus() {
    // The chat pane's own menu; its "Scroll Chat Off" and "Clear Main Chat" are the main
    // menu's, sharing handler and state.
    popupMainchat_ = new QMenu(this);
    popupMainchat_->setObjectName(QStringLiteral("popup_mainchat"));
    QAction* selectAll = addEntry(popupMainchat_, "SelectAll1", QStringLiteral("Select All"));
    connect(selectAll, &QAction::triggered, mainchat_, &QTextEdit::selectAll);
    QAction* copy = addEntry(popupMainchat_, "Copy1", QStringLiteral("Copy"));
    copy->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    connect(copy, &QAction::triggered, this, [this] {
        if (mainchat_->textCursor().hasSelection()) mainchat_->copy();
    });
    connect(addEntry(popupMainchat_, "ClearMainChat2", QStringLiteral("Clear Main Chat")), &QAction::triggered, this,
            &MainWindow::onClearChatChosen);
    popupMainchat_->addSeparator();
    scrollChatOffPopup_ = addEntry(popupMainchat_, "ScrollChatOff1", QStringLiteral("Scroll Chat Off"));
    scrollChatOffPopup_->setCheckable(true);
    scrollChatOffPopup_->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(scrollChatOffPopup_, &QAction::triggered, this, &MainWindow::onScrollChatOffToggled);
    mainchat_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mainchat_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMainchat_->popup(mainchat_->viewport()->mapToGlobal(at)); });
}

void MainWindow::buildChat() {
    auto* flat = new QFrame(panel_);
    flat->setObjectName(QStringLiteral("FlatPanel1"));
    flat->setFrameShape(QFrame::Box);
    flat->setLineWidth(1);
    QPalette fp = flat->palette();
    fp.setColor(QPalette::WindowText, QColor(128, 128, 112));
    fp.setColor(QPalette::Window, QColor(233, 233, 214));
    flat->setPalette(fp);
    flat->setAutoFillBackground(true);
    scaling::place(flat, placed("FlatPanel1"), 1.0);
    mainchat_ = new ChatPane(flat);
    scaling::place(mainchat_, placed("mainchat"), 1.0);
    mainchat_->setSmileyPictures([](int n) { return art::smiley(n).toImage(); });
    connect(mainchat_, &ChatPane::linkFailed, this, [this] { showMessage(QStringLiteral("Cannot open Webpage")); });

    mychat_ = new ChatEntry(panel_);
    scaling::place(mychat_, placed("mychat"), 1.0);
    scaling::setBaseFont(mychat_, 13, false, 1.0);
    QPalette cp = mychat_->palette();
    cp.setColor(QPalette::Base, QColor(233, 233, 214));
    cp.setColor(QPalette::Text, QColor::fromRgb(bgrToRgb(prefs_.textcolor)));
    mychat_->setPalette(cp);
    mychat_->setText(kEnterChatHere);
    mychat_->installEventFilter(this);
    connect(mychat_, &QLineEdit::returnPressed, this, &MainWindow::sendit);

    auto flatButton = [this](const QString& name, const QPixmap& icon) {
        auto* b = new QToolButton(panel_);
        b->setObjectName(name);
        scaling::place(b, placement::rectOf(name.toStdString()), 1.0);
        b->setAutoRaise(true);
        b->setIcon(QIcon(icon));
        scaling::setBaseIconSize(b, icon.deviceIndependentSize().toSize(), 1.0);
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral("QToolButton { background: white; border: 1px solid #b8b8a0; }"
                                        "QToolButton:hover { border-color: #808070; }"
                                        "QToolButton:pressed { background: #e8e8e8; }"));
        return b;
    };
    phrases_ = new PhraseButtons(panel_);
    scaling::place(phrases_, QRect(placed("b_phrase1").topLeft(), phrases_->size()), 1.0);
    phrases_->setClock([this] { return now(); });
    // Before login our number is 0 and the row sends nothing.
    phrases_->setSeatProvider([this] { return identity().loggedin ? identity().myseat : 0; });
    phrases_->setColourProvider([this] { return prefs_.textcolor; });
    phrases_->setPhrases(prefs_.phrases);
    connect(phrases_, &PhraseButtons::sendRequested, this, [this](const std::string& m) { session_.send(m); });
    buildChatterSoundMenu();
    connect(phrases_, &PhraseButtons::chatterSoundMenuRequested, this,
            [this](const QPoint& at) { popupSounds_->popup(at); });

    smilies_ = flatButton(QStringLiteral("button_smilies"), art::smiley(0));
    popupSmilies_ = new QMenu(this);
    popupSmilies_->setObjectName(QStringLiteral("popup_smilies"));
    for (int number = kSmileyFirst; number < kSmileyFirst + kSmileyCount; ++number) {
        QAction* a = popupSmilies_->addAction(QIcon(art::smiley(number - kSmileyFirst)),
                                              QStringLiteral(":)#%1").arg(number));
        a->setObjectName(QStringLiteral("N%1").arg(number + 250)); // N260..N277
        setTag(a, number);
        connect(a, &QAction::triggered, this, [this, number] {
            if (mychat_->text() == kEnterChatHere) mychat_->clear();
            mychat_->setText(mychat_->text() + QStringLiteral(":)#%1").arg(number));
            mychat_->deselect();
            mychat_->setCursorPosition(static_cast<int>(mychat_->text().size()));
        });
    }
    connect(smilies_, &QToolButton::clicked, this,
            [this] { popupSmilies_->popup(smilies_->mapToGlobal(smilies_->rect().bottomRight())); });
}

void MainWindow::buildChatterSoundMenu() {
    popupSounds_ = new QMenu(this);
    popupSounds_->setObjectName(QStringLiteral("popup_sounds"));
    QAction* cancel = popupSounds_->addAction(QStringLiteral("<Cancel>"));
    cancel->setObjectName(QStringLiteral("Cancel1"));
    setTag(cancel, 0);
    for (int n = 1; n <= kChatterSoundCount; ++n) {
        const QString caption = QString::fromLatin1(kChatterCaptions[static_cast<std::size_t>(n - 1)]);
        QAction* a = popupSounds_->addAction(caption);
        a->setObjectName(QString::fromStdString(chatterSoundName(n)));
        a->setToolTip(caption);
        setTag(a, n);
    }
    popupSounds_->setToolTipsVisible(true);
    connect(popupSounds_, &QMenu::triggered, this, [this](QAction* a) { onChatterSoundChosen(tagOf(a)); });
}

void MainWindow::buildSideWindows() {
    spylist_ = new SpyListWindow();
    spylistOwner_.reset(spylist_);
    connect(spylist_, &SpyListWindow::removeRequested, this,
            [this](int number) { session_.kick(number); });

    phraseEditor_ = new PhraseEditor(prefs_);
    phraseEditorOwner_.reset(phraseEditor_);
    connect(phraseEditor_, &PhraseEditor::phrasesChanged, this, [this] { phrases_->setPhrases(prefs_.phrases); });
    phraseEditor_->setSaver([this] {
        if (settingsFile_.empty()) return;
        const std::string error = savePhrasesTo(settingsFile_, prefs_);
        if (!error.empty()) showMessage(QString::fromStdString(error));
    });
}

// The list follows the table's spectators, keeping entries that stay where they are so an
// open pop-up menu still finds the entry it was opened on.
void MainWindow::syncSpyList() {
    if (!spylist_) return;
    const QStringList wanted = spyEntries();
    for (const QString& entry : spylist_->entries())
        if (!wanted.contains(entry)) spylist_->removeEntry(entry);
    const QStringList shown = spylist_->entries();
    for (const QString& entry : wanted)
        if (!shown.contains(entry)) spylist_->addEntry(entry);
}

void MainWindow::setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

// ---- Launch ----------------------------------------------------------------------------------

void MainWindow::processparams(const LaunchPlan& plan) {
    if (started_) return;
    started_ = true;
    plan_ = plan;
    joinPort_ = plan.port;
    hostPort_ = plan.port;
    session_.setHosting(false);
    startGame1_->setEnabled(false);
    switch (plan.mode) {
    case LaunchMode::Solo:
        addlinetochat(QStringLiteral("0+Loading Solo Game..Please wait."), kSystemColour);
        showLobbyAdvert(this);
        hostaddress_ = plan.hostaddress;
        session_.setMyName(blankControlCharacters(plan.myname));
        hostpress();
        break;
    case LaunchMode::Idle:
        addlinetochat(QStringLiteral("0+Loading Multi-player Game.. Please Wait."), kSystemColour);
        break;
    case LaunchMode::Host:
    case LaunchMode::Join:
        addlinetochat(QStringLiteral("0+Loading Multi-player Game.. Please Wait."), kSystemColour);
        session_.setMyName(blankControlCharacters(plan.myname));
        hostaddress_ = plan.hostaddress;
        if (plan.mode == LaunchMode::Host) hostpress();
        else joinpress();
        if (plan.openLobbyLink) sock11_.connectToHost(QStringLiteral("127.0.0.1"), kLobbyPort);
        break;
    }
}

void MainWindow::hostpress() {
    HostServer::Options options;
    options.seed = plan_.seed; // unset: the host draws its dice from the system's random source
    options.timeScale = plan_.timeScale;
    // The bot speed is the hosting user's preference, read each time a bot is scheduled.
    options.botDelay = [this] { return prefs_.botspeed; };
    // Number 1 carries the hosting user's rights: only this window's own client may have it,
    // never another copy on this machine that happens to connect first.
    options.mayBeOwner = [this](const QHostAddress& peer, quint16 peerPort) {
        return ownClientPort_ != 0 && peerPort == ownClientPort_ && isLoopbackPeer(peer);
    };
    host_ = std::make_unique<HostServer>(std::move(options));
    applyBotLevel();
    ownClientPort_ = 0;
    // A solo game is this machine's alone: nobody else can reach it, and it needs no port of
    // its own, so a taken one is simply swapped for a free one.
    const bool solo = plan_.mode == LaunchMode::Solo;
    const QHostAddress where = solo ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(QHostAddress::Any);
    bool listening = host_->listen(hostPort_, where);
    if (!listening && solo && hostPort_ != 0) listening = host_->listen(0, where);
    if (!listening) {
        cannotHost();
        return;
    }
    const quint16 port = host_->serverPort();
    if (!solo) addlinetochat(joinAddressesNotice(joinableAddresses(), port), kSystemColour);
    session_.setHosting(true);
    spylist_->setHosting(true);
    ownClientPort_ = session_.connectToOwnHost(port);
    if (ownClientPort_ == 0) {
        addlinetochat(QStringLiteral("0+Unable to connect to your own game on this machine."), kSystemColour);
        leaveGame();
        return;
    }
    startGame1_->setEnabled(true);
    updateHostOnlyEntries();
}

void MainWindow::cannotHost() {
    const quint16 port = hostPort_;
    const bool taken = host_->serverError() == QAbstractSocket::AddressInUseError;
    const QString detail = host_->errorString();
    // Never fall back to whatever answers on the port: that would sit this user down in
    // somebody else's game.
    host_.reset();
    session_.setHosting(false);
    spylist_->setHosting(false);
    startGame1_->setEnabled(false);
    updateHostOnlyEntries();
    if (!taken) {
        addlinetochat(QStringLiteral("0+Unable to host a game on port %1: %2. Host again from the File menu.")
                          .arg(port)
                          .arg(detail),
                      kSystemColour);
        return;
    }
    addlinetochat(QStringLiteral("0+Cannot host a game here because port %1 is in use on this machine.").arg(port),
                  kSystemColour);
    const quint16 other = freePortAfter(port);
    const QStringList choices{other ? QStringLiteral("Host on Port %1").arg(other) : QStringLiteral("Host on Another Port..."),
                              QStringLiteral("Join the Game There"), QStringLiteral("Stay Idle")};
    const QString name = plan_.myname;
    choiceBox_(QStringLiteral("Port %1 is in use on this machine, perhaps by another game of Quadrino.\n\n"
                              "You can host on another port, join the game on port %1, or stay idle and choose "
                              "later from the File menu.")
                   .arg(port),
               choices, [this, name, port, other](int chosen) {
                   if (chosen == 0 && other) hostNetworkGame(name, other);
                   else if (chosen == 0) onHostNetworkGameChosen();
                   else if (chosen == 1) joinNetworkGame(name, QStringLiteral("127.0.0.1"), port);
                   else addlinetochat(QStringLiteral("0+Not hosting. Host or join a game from the File menu."), kSystemColour);
               });
}

void MainWindow::joinpress() {
    session_.connectToHost(hostaddress_, joinPort_);
    session_.setHosting(false);
    startGame1_->setEnabled(false);
    updateHostOnlyEntries();
}

void MainWindow::updateHostOnlyEntries() {
    // Only the copy that runs the host runs its computer players; elsewhere the choice would
    // do nothing, so say why instead of offering it.
    const bool here = host_ != nullptr;
    const QString why = here ? QString() : QStringLiteral("Only the copy that hosts the game runs its computer players.");
    for (QAction* entry : {botSpeed1_, botLevel1_}) {
        if (!entry) continue;
        entry->setEnabled(here);
        entry->setToolTip(here ? entry->text().remove(u'&') : why);
    }
}

bool MainWindow::mayLeaveGame() {
    if (!session_.table().state().gameRunning || unattended_) return true;
    // A game whose connection is gone is not left by going: it has left already.
    if (!host_ && !session_.connection().isConnected()) return true;
    const int seat = identity().myseat;
    const bool seated = identity().loggedin && seat >= 1 && seat <= table::kSeatCount;
    if (!seated && !host_) return true;
    const QString question = host_ ? QStringLiteral("You are hosting a game in progress; leaving ends it for every player. "
                                                    "Leave the game?")
                                   : QStringLiteral("A game is in progress. Leave the game?");
    return !questionBox_ || questionBox_(question);
}

void MainWindow::leaveGame() {
    // The connection goes first: the host going away must not read as the host ending the game.
    session_.reset();
    host_.reset();
    ownClientPort_ = 0;
    updateHostOnlyEntries();
    session_.setNewTurnSound(prefs_.turnsound == Preferences::kTurnSoundNew);
    setJustWatchChecked(false);
    startGame1_->setEnabled(false);
    gamestart_->hide();
}

void MainWindow::hostNetworkGame(const QString& name, quint16 port) {
    const QString me = cleanPlayerName(name);
    if (me.isEmpty() || !mayLeaveGame()) return;
    leaveGame();
    fromMenu_ = true;
    prefs_.hostname = me.toStdString();
    prefs_.hostport = port;
    hostPort_ = port;
    saveinifile();
    addlinetochat(QStringLiteral("0+Hosting a network game as %1.. Please Wait.").arg(me), kSystemColour);
    plan_.mode = LaunchMode::Host;
    plan_.myname = me;
    plan_.hostaddress = QStringLiteral("127.0.0.1");
    hostaddress_ = plan_.hostaddress;
    session_.setMyName(me);
    hostpress();
}

void MainWindow::joinNetworkGame(const QString& name, const QString& address, quint16 port) {
    const QString me = cleanPlayerName(name);
    const QString where = address.trimmed();
    if (me.isEmpty() || where.isEmpty() || port == 0 || !mayLeaveGame()) return;
    leaveGame();
    fromMenu_ = true;
    prefs_.joinname = me.toStdString();
    prefs_.joinaddress = where.toStdString();
    prefs_.joinport = port;
    saveinifile();
    addlinetochat(QStringLiteral("0+Joining the game at %1 port %2.. Please Wait.").arg(where).arg(port), kSystemColour);
    plan_.mode = LaunchMode::Join;
    plan_.myname = me;
    plan_.hostaddress = where;
    hostaddress_ = where;
    joinPort_ = port;
    session_.setMyName(me);
    joinpress();
}

void MainWindow::onHostNetworkGameChosen() {
    auto* dialog = new NetworkGameDialog(NetworkGameDialog::Kind::Host, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPlayerName(QString::fromStdString(prefs_.hostname.empty() ? prefs_.joinname : prefs_.hostname));
    dialog->setPort(prefs_.hostport);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { hostNetworkGame(dialog->playerName(), dialog->port()); });
    dialog->open();
}

void MainWindow::onJoinNetworkGameChosen() {
    auto* dialog = new NetworkGameDialog(NetworkGameDialog::Kind::Join, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPlayerName(QString::fromStdString(prefs_.joinname.empty() ? prefs_.hostname : prefs_.joinname));
    dialog->setAddress(QString::fromStdString(prefs_.joinaddress));
    dialog->setPort(prefs_.joinport);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { joinNetworkGame(dialog->playerName(), dialog->address(), dialog->port()); });
    dialog->open();
}

void MainWindow::onConnectionClosed() {
    if (!fromMenu_) {
        // The window goes with the connection; the host's last word must not go unread.
        if (!session_.lastNotice().isEmpty()) showMessage(session_.lastNotice());
        close();
        return;
    }
    addlinetochat(QStringLiteral("0+The connection to the game has closed. Host or join a game from the File menu "
                                 "to play again."),
                  kSystemColour);
    // Out of the connection's own signal before it is torn down.
    QMetaObject::invokeMethod(this, &MainWindow::leaveGame, Qt::QueuedConnection);
}

void MainWindow::onGameFull() {
    if (!fromMenu_) {
        close();
        return;
    }
    addlinetochat(QStringLiteral("0+Unable to join %1: every seat of that game is taken.").arg(hostaddress_),
                  kSystemColour);
    // Left now, so the close that follows the refusal is not reported as well.
    leaveGame();
}

void MainWindow::onConnectFailed(const QString& reason) {
    const bool hosting = identity().amhost;
    const QString where = hosting ? QStringLiteral("your own game") : QStringLiteral("%1 port %2").arg(hostaddress_).arg(joinPort_);
    addlinetochat(QStringLiteral("0+Unable to join %1: %2. Check the address and port, then try again from the File menu.")
                      .arg(where, reason),
                  kSystemColour);
    startGame1_->setEnabled(false);
}

// ---- What the session asks for ---------------------------------------------------------------

void MainWindow::addlinetochat(const QString& text, BgrColour colour) { mainchat_->addlinetochat(text, colour); }

void MainWindow::playsounds(const QString& name) {
    if (prefs_.playsounds) sound_->play(name);
}

void MainWindow::playasound(const QString& relayed) {
    const std::optional<ChatterSoundRequest> sound = chatterGate_.admit(relayed.toStdString(), now());
    if (!sound) return;
    if (prefs_.chattersounds) {
        sound_->play(QString::fromStdString(chatterSoundName(sound->number)));
        return;
    }
    // Only a seat has a name label to name the sender by.
    if (sound->seat > table::kSeatCount) return;
    const QString name = QString::fromStdString(session_.table().seatName(sound->seat));
    addlinetochat(QStringLiteral("0+") + name + QStringLiteral(": <Chatter Sound> ") +
                      QString::fromLatin1(kChatterCaptions[static_cast<std::size_t>(sound->number - 1)]),
                  kSystemColour);
}

void MainWindow::addgame(const QString& winner) {
    if (!tally_) return;
    tally_->addgame(winner, otherPlayers());
    // Saved now, not only at exit: a program killed later must not lose the game.
    saveTally();
}

QStringList MainWindow::otherPlayers() const {
    QStringList names;
    for (const std::string& name : session_.table().otherPlayers()) names << QString::fromStdString(name);
    return names;
}

QStringList MainWindow::spyEntries() const {
    QStringList entries;
    for (const std::string& entry : session_.table().state().spies) entries << QString::fromStdString(entry);
    return entries;
}

void MainWindow::setJustWatchChecked(bool checked) {
    justWatching_ = checked;
    justWatch1_->setChecked(checked);
}

void MainWindow::showGameOptions() {
    gamestart_->move(frameGeometry().center() - gamestart_->rect().center());
    gamestart_->show();
    gamestart_->raise();
    gamestart_->activateWindow();
}

} // namespace quadrino
