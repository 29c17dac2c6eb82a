#include "app/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>
#include <QUrl>

#include "chat/chat_pane.h"
#include "host/random.h"
#include "net/host_server.h"
#include "protocol/catalogue.h"
#include "protocol/colour_text.h"
#include "protocol/cp1252.h"
#include "protocol/message_queue.h"
#include "protocol/wire.h"
#include "table/art/art.h"
#include "table/table_panel.h"
#if QUADRINO_HAVE_GAMESTART
#include "windows/gamestart.h"
#include "windows/side_windows.h"
#endif
#if QUADRINO_HAVE_TALLY
#include "tally/tally_window.h"
#endif

namespace quadrino {
namespace {

const QString kEnterChatHere = QStringLiteral("<Enter Chat Here>");
const char* const kTag = "tag";

// The phrase buttons' built-in phrases, used until the settings supply others.
const QStringList kPhrases = {
    QStringLiteral("Way To Go!"), QStringLiteral("Good One!"),   QStringLiteral("Nice Try!"),
    QStringLiteral("Excellent!"), QStringLiteral("Brilliant!"),  QStringLiteral("Wow, WTG!"),
    QStringLiteral("Thanks!"),    QStringLiteral("Way To Go Teamie!"), QStringLiteral("Good Game Everyone!"),
};
constexpr int kPhraseLefts[10] = {512, 539, 566, 592, 619, 646, 672, 699, 726, 752};

QString fromWire(std::string_view bytes) { return QString::fromStdString(cp1252ToUtf8(bytes)); }
std::string toWire(const QString& text) { return withoutTerminator(utf8ToCp1252(text.toStdString())); }

void setTag(QAction* a, int tag) { a->setProperty(kTag, tag); }
int tagOf(const QAction* a) { return a->property(kTag).toInt(); }

} // namespace

Tchat::Tchat(QWidget* parent) : QMainWindow(parent), sound_(std::make_unique<SilentSoundPlayer>()) {
    // The window is drawn for Arial; Liberation Sans has the same metrics.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Quadrino"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);

    messageBox_ = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Quadrino"), text);
    };

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, QColor(221, 221, 193));
    pal.setBrush(QPalette::Window, QBrush(QColor(221, 221, 193), art::background()));
    client->setPalette(pal);
    client->setMinimumSize(kMinClientWidth, kMinClientHeight);
    setCentralWidget(client);

    panel_ = new TablePanel(*this, identity_, client);
    panel_->move(1, 2);
    panel_->setMessageBox([this](const QString& text) { showMessage(text); });

    buildChat();
    buildMenus();

#if QUADRINO_HAVE_GAMESTART
    // A window of its own, as every side window is; shown and hidden until exit.
    gamestart_ = new Tgamestart();
    gamestartOwner_.reset(gamestart_);
    gamestart_->setNameProvider([this] { return identity_.myname; });
    gamestart_->setSender([this](const std::string& message) { sendToHost(message); });
    gamestart_->setAfterStart([this] { saveinifile(); });
#endif

    // Placed at 3,3 with a client area of 782 x 516 under the menu bar.
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    move(3, 3);

    connect(&connection_, &ClientConnection::messageReady, this, &Tchat::onMessage);
    connect(&connection_, &ClientConnection::closed, this, &QWidget::close);
    // Bytes from the lobby program are never wanted; keep none of them.
    sock11_.setReadBufferSize(1);
}

Tchat::~Tchat() {
    // A connection torn down with the window must not close a window that is going away.
    disconnect(&connection_, nullptr, this, nullptr);
    // The board panel calls back into this window; let it go before the window's members.
    delete panel_;
    panel_ = nullptr;
}

// ---- Building ------------------------------------------------------------------------------

QAction* Tchat::addEntry(QMenu* menu, const char* name, const QString& caption) {
    auto* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void Tchat::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->menuAction()->setObjectName(QStringLiteral("File1"));
    startGame1_ = addEntry(file, "StartGame1", QStringLiteral("Start Game"));
    startGame1_->setEnabled(false);
    connect(startGame1_, &QAction::triggered, this, &Tchat::StartGame1Click);
    file->addSeparator();
    connect(addEntry(file, "Exit1", QStringLiteral("Exit")), &QAction::triggered, this, &Tchat::Exit1Click);

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->menuAction()->setObjectName(QStringLiteral("Options1"));
    playSounds1_ = addEntry(options, "PlaySounds1", QStringLiteral("Play Sounds"));
    playSounds1_->setCheckable(true);
    playSounds1_->setChecked(true);
    connect(playSounds1_, &QAction::triggered, this, &Tchat::PlaySounds1Click);
    playChatterSounds1_ = addEntry(options, "PlayChatterSounds1", QStringLiteral("Play Chatter Sounds"));
    playChatterSounds1_->setCheckable(true);
    connect(playChatterSounds1_, &QAction::triggered, this, &Tchat::PlayChatterSounds1Click);

    QMenu* turnSound = options->addMenu(QStringLiteral("Turn Sound"));
    turnSound1_ = turnSound->menuAction();
    turnSound1_->setObjectName(QStringLiteral("TurnSound1"));
    setTag(turnSound1_, 0);
    auto* turnGroup = new QActionGroup(this);
    for (auto [name, caption, tag] : {std::tuple{"Classic1", "Classic", 0}, std::tuple{"New1", "New", 1}}) {
        QAction* a = addEntry(turnSound, name, QString::fromLatin1(caption));
        a->setCheckable(true);
        setTag(a, tag);
        turnGroup->addAction(a);
        if (tag == 0) a->setChecked(true);
    }
    connect(turnGroup, &QActionGroup::triggered, this, &Tchat::Classic1Click);

    QMenu* botSpeed = options->addMenu(QStringLiteral("Bot Speed"));
    botSpeed1_ = botSpeed->menuAction();
    botSpeed1_->setObjectName(QStringLiteral("BotSpeed1"));
    setTag(botSpeed1_, 750); // until the settings are first read
    auto* speedGroup = new QActionGroup(this);
    for (auto [name, caption, tag] : {std::tuple{"Slow1", "Slow", 1500}, std::tuple{"Normal1", "Normal", 1000},
                                      std::tuple{"Fast1", "Fast", 500}}) {
        QAction* a = addEntry(botSpeed, name, QString::fromLatin1(caption));
        a->setCheckable(true);
        setTag(a, tag);
        speedGroup->addAction(a);
        if (tag == 1000) a->setChecked(true);
    }
    connect(speedGroup, &QActionGroup::triggered, this, &Tchat::Fast1Click);
    options->addSeparator();

    connect(addEntry(options, "TextColor1", QStringLiteral("Text Color")), &QAction::triggered, this,
            &Tchat::TextColor1Click);
    QMenu* textSize = options->addMenu(QStringLiteral("Text Size"));
    textSize->menuAction()->setObjectName(QStringLiteral("TextSize1"));
    auto* sizeGroup = new QActionGroup(this);
    for (int size : {8, 10, 12, 14}) {
        QAction* a = addEntry(textSize, QStringLiteral("N%1").arg(size).toLatin1().constData(), QString::number(size));
        a->setCheckable(true);
        setTag(a, size);
        sizeGroup->addAction(a);
    }
    connect(sizeGroup, &QActionGroup::triggered, this, &Tchat::N14Click);

    scrollChatOff2_ = addEntry(options, "ScrollChatOff2", QStringLiteral("Scroll Chat Off"));
    scrollChatOff2_->setCheckable(true);
    scrollChatOff2_->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(scrollChatOff2_, &QAction::triggered, this, &Tchat::ScrollChatOff1Click);
    connect(addEntry(options, "ClearMainChat1", QStringLiteral("Clear Main Chat")), &QAction::triggered, this,
            &Tchat::ClearMainChat1Click);
    connect(addEntry(options, "ResetScreenLocation1", QStringLiteral("Reset Screen Location")), &QAction::triggered,
            this, &Tchat::ResetScreenLocation1Click);
    options->addSeparator();
    justWatch1_ = addEntry(options, "JustWatch1", QStringLiteral("Just Watch"));
    justWatch1_->setCheckable(true);
    connect(justWatch1_, &QAction::triggered, this, &Tchat::JustWatch1Click);

    QMenu* view = bar->addMenu(QStringLiteral("View"));
    view->menuAction()->setObjectName(QStringLiteral("View1"));
    connect(addEntry(view, "ViewTally1", QStringLiteral("View Tally")), &QAction::triggered, this,
            &Tchat::ViewTally1Click);
    addEntry(view, "SpyList1", QStringLiteral("Spy List"));
    addEntry(view, "PrhaseList1", QStringLiteral("Phrase List"));

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->menuAction()->setObjectName(QStringLiteral("Help1"));
    QAction* content = addEntry(help, "Help2", QStringLiteral("Content"));
    content->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    [[maybe_unused]] QAction* about = addEntry(help, "About1", QStringLiteral("About"));
#if QUADRINO_HAVE_GAMESTART
    connectHelpMenu(this, content, about);
#endif

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
            &Tchat::ClearMainChat1Click);
    popupMainchat_->addSeparator();
    scrollChatOffPopup_ = addEntry(popupMainchat_, "ScrollChatOff1", QStringLiteral("Scroll Chat Off"));
    scrollChatOffPopup_->setCheckable(true);
    scrollChatOffPopup_->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(scrollChatOffPopup_, &QAction::triggered, this, [this](bool) {
        // The popup entry toggled itself; hand the toggle to the shared handler.
        scrollChatOffPopup_->setChecked(!scrollChatOffPopup_->isChecked());
        ScrollChatOff1Click();
    });
    mainchat_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mainchat_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMainchat_->popup(mainchat_->viewport()->mapToGlobal(at)); });
}

void Tchat::buildChat() {
    auto* flat = new QFrame(panel_);
    flat->setObjectName(QStringLiteral("FlatPanel1"));
    flat->setFrameShape(QFrame::Box);
    flat->setLineWidth(1);
    QPalette fp = flat->palette();
    fp.setColor(QPalette::WindowText, QColor(128, 128, 112));
    fp.setColor(QPalette::Window, QColor(233, 233, 214));
    flat->setPalette(fp);
    flat->setAutoFillBackground(true);
    flat->setGeometry(512, 273, 264, 211);
    mainchat_ = new ChatPane(flat);
    mainchat_->setGeometry(2, 2, 260, 207);
    mainchat_->setSmileyPictures([](int n) { return art::smiley(n).toImage(); });
    connect(mainchat_, &ChatPane::linkFailed, this, [this] { showMessage(QStringLiteral("Cannot open Webpage")); });

    mychat_ = new QLineEdit(panel_);
    mychat_->setObjectName(QStringLiteral("mychat"));
    mychat_->setGeometry(511, 487, 234, 22);
    QFont cf(QStringLiteral("Arial"));
    cf.setPixelSize(13);
    mychat_->setFont(cf);
    QPalette cp = mychat_->palette();
    cp.setColor(QPalette::Base, QColor(233, 233, 214));
    cp.setColor(QPalette::Text, Qt::black);
    mychat_->setPalette(cp);
    mychat_->setText(kEnterChatHere);
    mychat_->installEventFilter(this);
    connect(mychat_, &QLineEdit::returnPressed, this, &Tchat::sendit);

    auto flatButton = [this](const QString& name, int left, int top, const QPixmap& icon) {
        auto* b = new QToolButton(panel_);
        b->setObjectName(name);
        b->setGeometry(left, top, 25, 19);
        b->setAutoRaise(true);
        b->setIcon(QIcon(icon));
        b->setIconSize(icon.deviceIndependentSize().toSize());
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral("QToolButton { background: white; border: 1px solid #b8b8a0; }"
                                        "QToolButton:hover { border-color: #808070; }"
                                        "QToolButton:pressed { background: #e8e8e8; }"));
        return b;
    };
    for (int n = 1; n <= 10; ++n) {
        QToolButton* b = flatButton(QStringLiteral("b_phrase%1").arg(n), kPhraseLefts[n - 1], 252, art::phraseIcon(n));
        if (n <= 9) b->setToolTip(kPhrases[n - 1]);
    }

    smilies_ = flatButton(QStringLiteral("button_smilies"), 750, 489, art::smiley(0));
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

// ---- Launch ----------------------------------------------------------------------------------

void Tchat::processparams(const LaunchPlan& plan) {
    if (started_) return;
    started_ = true;
    plan_ = plan;
    panel_->setHosting(false);
    startGame1_->setEnabled(false);
    loginname_.clear();
    switch (plan.mode) {
    case LaunchMode::Solo:
        addlinetochat(QStringLiteral("0+Loading Solo Game..Please wait."), kSystemColour);
#if QUADRINO_HAVE_GAMESTART
        showLobbyAdvert(this);
#endif
        hostaddress_ = plan.hostaddress;
        identity_.myname = plan.myname;
        hostpress();
        break;
    case LaunchMode::Idle:
        addlinetochat(QStringLiteral("0+Loading Multi-player Game.. Please Wait."), kSystemColour);
        break;
    case LaunchMode::Host:
    case LaunchMode::Join:
        addlinetochat(QStringLiteral("0+Loading Multi-player Game.. Please Wait."), kSystemColour);
        identity_.myname = plan.myname;
        hostaddress_ = plan.hostaddress;
        if (plan.mode == LaunchMode::Host) hostpress();
        else joinpress();
        if (plan.openLobbyLink) sock11_.connectToHost(QStringLiteral("127.0.0.1"), kLobbyPort);
        break;
    }
}

void Tchat::hostpress() {
    HostServer::Options options;
    options.seed = plan_.seed ? *plan_.seed : Random::clockSeed();
    options.timeScale = plan_.timeScale;
    options.botDelay = [this] { return tagOf(botSpeed1_); };
    host_ = std::make_unique<HostServer>(std::move(options));
    quint16 port = plan_.port;
    if (host_->listen(plan_.port, QHostAddress::Any)) {
        port = host_->serverPort();
    } else {
        addlinetochat(QStringLiteral("0+Unable to host a game on port %1: %2").arg(plan_.port).arg(host_->errorString()),
                      kSystemColour);
    }
    loginname_ = toWire(identity_.myname);
    identity_.amhost = true;
    // Always the local host, whatever address the command line named.
    connection_.connectToHost(QStringLiteral("127.0.0.1"), port);
    panel_->setHosting(true);
    startGame1_->setEnabled(true);
}

void Tchat::joinpress() {
    loginname_ = toWire(identity_.myname);
    connection_.connectToHost(hostaddress_, plan_.port);
    panel_->setHosting(false);
    startGame1_->setEnabled(false);
}

// ---- The client's dispatch ---------------------------------------------------------------------

void Tchat::onMessage(const std::string& entry) {
    const CommandSplit split = splitCommand(entry);
    if (split.word.empty()) return;
    const auto cmd = clientCommand(split.word);
    if (!cmd) return;
    switch (*cmd) {
    case ClientCommand::sendlogininfo:
        sendlogininfo(split.rest);
        return;
    case ClientCommand::havewrongversion:
        addlinetochat(QStringLiteral("0+") + fromWire(split.rest) + QStringLiteral(" has a different version of the game then you."),
                      kSystemColour);
        return;
    case ClientCommand::wrongversion:
        addlinetochat(QStringLiteral("0+You have a differnt version of the game then the host."), kSystemColour);
        return;
    case ClientCommand::full:
        showMessage(QStringLiteral("Game is full"));
        close();
        return;
    case ClientCommand::chat:
    case ClientCommand::action:
        mainchat_->chatrecieved(fromWire(split.rest));
        return;
    case ClientCommand::playasound:
        return; // chatter sounds are not played yet
    default:
        panel_->handle(*cmd, split.rest);
        return;
    }
}

void Tchat::sendlogininfo(std::string_view body) {
    const auto seat = parseSendlogininfo(body);
    if (!seat) return;
    identity_.myseat = *seat;
    identity_.loggedin = true;
    connection_.send(request::logininfo(*seat, kVersion, loginname_));
}

// ---- TableHooks ------------------------------------------------------------------------------------

void Tchat::addlinetochat(const QString& text, BgrColour colour) { mainchat_->addlinetochat(text, colour); }

void Tchat::playsounds(const QString& name) {
    if (playSounds1_->isChecked()) sound_->play(name);
}

void Tchat::sendToHost(const std::string& message) { connection_.send(message); }

void Tchat::addgame(const QString& winner) {
#if QUADRINO_HAVE_TALLY
    if (tally_) tally_->addgame(winner, otherPlayers());
#else
    Q_UNUSED(winner);
#endif
}

QStringList Tchat::otherPlayers() const {
    QStringList names;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (seat == identity_.myseat) continue;
        const QString name = panel_->seatName(seat);
        if (name != u"<Waiting>") names << name;
    }
    return names;
}

void Tchat::setJustWatchChecked(bool checked) { justWatch1_->setChecked(checked); }

void Tchat::spyListAdd(const QString& entry) { spys_.append(entry); }

bool Tchat::spyListRemove(const QString& entry) {
    const qsizetype at = spys_.indexOf(entry, 0);
    if (at < 0) return false;
    spys_.removeAt(at);
    return true;
}

void Tchat::showGameOptions() {
#if QUADRINO_HAVE_GAMESTART
    if (!gamestart_) return;
    gamestart_->move(frameGeometry().center() - gamestart_->rect().center());
    gamestart_->show();
    gamestart_->raise();
    gamestart_->activateWindow();
#endif
}

void Tchat::settingsReload() { loadinifile(); }

int Tchat::turnSound() const { return tagOf(turnSound1_); }

void Tchat::openWebsite() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerWebsite))); }

// ---- Menus -------------------------------------------------------------------------------------------

void Tchat::StartGame1Click() { panel_->button_startClick(); }

void Tchat::Exit1Click() { close(); }

void Tchat::PlaySounds1Click() { saveinifile(); }

void Tchat::PlayChatterSounds1Click() { saveinifile(); }

void Tchat::Classic1Click(QAction* entry) {
    setTag(turnSound1_, tagOf(entry));
    entry->setChecked(true);
    saveinifile();
}

void Tchat::Fast1Click(QAction* entry) {
    // The host reads this tag each time it arms a computer player; nothing is sent.
    setTag(botSpeed1_, tagOf(entry));
    entry->setChecked(true);
    saveinifile();
}

void Tchat::TextColor1Click() {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(bgrToRgb(chatColour_)), this);
    if (!chosen.isValid()) return;
    chatColour_ = rgbToBgr(chosen.rgb() & 0xFFFFFFu);
    QPalette p = mychat_->palette();
    p.setColor(QPalette::Text, chosen);
    mychat_->setPalette(p);
    saveinifile();
}

void Tchat::N14Click(QAction* entry) {
    mainchat_->setTextSize(tagOf(entry));
    entry->setChecked(true);
    saveinifile();
}

void Tchat::ScrollChatOff1Click() {
    const bool off = !scrollChatOffPopup_->isChecked();
    scrollChatOffPopup_->setChecked(off);
    scrollChatOff2_->setChecked(off);
    mainchat_->setScrollOff(off);
}

void Tchat::ClearMainChat1Click() {
    mainchat_->clearChat();
    mychat_->setFocus();
}

void Tchat::ResetScreenLocation1Click() {
    // The default size counts the frame, as the saved geometry does.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(QSize(defaultwidth, defaultheight) - frame);
    move(3, 3);
}

void Tchat::JustWatch1Click() {
    // The check mark follows the host's answer, never the click.
    const bool shown = !justWatch1_->isChecked();
    justWatch1_->setChecked(shown);
    if (identity_.loggedin && identity_.myseat >= 1 && identity_.myseat <= kSeatCount)
        sendToHost(request::justwatch(identity_.myseat, shown ? 2 : 1));
}

void Tchat::ViewTally1Click() {
#if QUADRINO_HAVE_TALLY
    if (!tally_) return;
    tally_->loadchecklist(otherPlayers());
    tally_->show();
    tally_->raise();
#endif
}

void Tchat::sendit() {
    if (!identity_.loggedin) return;
    const QString text = mychat_->text();
    if (!text.isEmpty()) {
        const std::string colour = colourToText(chatColour_);
        if (!text.startsWith(u'/'))
            sendToHost(request::chat(identity_.myseat, toWire(text), colour));
        else if (text.startsWith(QStringLiteral("/me")))
            sendToHost(request::action(identity_.myseat, toWire(text.mid(4)), colour));
    }
    mychat_->clear();
}

bool Tchat::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mychat_ && event->type() == QEvent::KeyPress && mychat_->text() == kEnterChatHere)
        mychat_->clear();
    return QMainWindow::eventFilter(watched, event);
}

// ---- Settings, messages, close --------------------------------------------------------------------------

// The settings file is not read or written yet: the menus keep their built-in states for the
// whole run. Every place that will save is already wired here and counted, so the close-time
// geometry rule can be checked today.
void Tchat::loadinifile() {}

void Tchat::saveinifile() { ++saveCount_; }

void Tchat::setMessageBox(std::function<void(const QString&)> show) { messageBox_ = std::move(show); }

void Tchat::setSoundPlayer(std::unique_ptr<SoundPlayer> player) {
    if (player) sound_ = std::move(player);
}

void Tchat::setTally(Ttallylist* tally) { tally_ = tally; }

void Tchat::showMessage(const QString& text) {
    if (messageBox_) messageBox_(text);
}

void Tchat::FormClose() {
    const QRect g = frameGeometry();
    if (g.top() == wintop_ && g.left() == winleft_ && g.height() == winheight_ && g.width() == winwidth_) return;
    int width = g.width(), height = g.height();
    if (const QScreen* s = screen()) {
        const QRect work = s->availableGeometry();
        if (width > work.width()) width -= 15;
        if (height > work.height()) height -= 15;
    }
    winleft_ = g.left();
    wintop_ = g.top();
    winwidth_ = width;
    winheight_ = height;
    saveinifile();
}

void Tchat::saveAtExit() {
    if (savedAtExit_) return;
    savedAtExit_ = true;
    FormClose();
#if QUADRINO_HAVE_TALLY
    if (tally_) tally_->save();
#endif
}

void Tchat::closeEvent(QCloseEvent* event) {
    saveAtExit();
    event->accept();
    emit closed();
}

} // namespace quadrino
