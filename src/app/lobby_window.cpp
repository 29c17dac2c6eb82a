// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lobby_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/game_launcher.h"
#include "app/network_addresses.h"
#include "app/network_game_dialog.h"
#include "app/preferences_store.h"
#include "net/lan_record.h"
#include "protocol/vocabulary.h"

namespace quadrino {

namespace {

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

LobbyTableRow::Reached reachedOf(lobby::Reach reach) {
    switch (reach) {
    case lobby::Reach::Direct: return LobbyTableRow::Reached::Direct;
    case lobby::Reach::Relay: return LobbyTableRow::Reached::Relay;
    case lobby::Reach::Checking: break;
    }
    return LobbyTableRow::Reached::Checking;
}

const char* const kReachedText[] = {
    QT_TRANSLATE_NOOP("quadrino::LobbyWindow", "checking"),
    QT_TRANSLATE_NOOP("quadrino::LobbyWindow", "direct"),
    QT_TRANSLATE_NOOP("quadrino::LobbyWindow", "relay"),
    QT_TRANSLATE_NOOP("quadrino::LobbyWindow", "this network"),
};

// The Join dialog's question, without the address a lobby game does not need; asked before
// joining, and before signing in when no name is remembered yet.
class LobbyJoinDialog : public QDialog {
public:
    LobbyJoinDialog(const QString& name, bool joining, QWidget* parent) : QDialog(parent), name_(new QLineEdit(this)) {
        setObjectName(QStringLiteral("lobbyjoin"));
        setWindowTitle(joining ? LobbyWindow::tr("Quadrino - Join Network Game") : LobbyWindow::tr("Quadrino - Play Online"));
        auto* form = new QFormLayout(this);
        name_->setObjectName(QStringLiteral("edit_name"));
        name_->setMaxLength(kMaxNameLength);
        name_->setAccessibleName(LobbyWindow::tr("Your name"));
        name_->setText(name);
        form->addRow(LobbyWindow::tr("Your name:"), name_);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
        ok->setObjectName(QStringLiteral("button_ok"));
        ok->setText(joining ? LobbyWindow::tr("Join") : LobbyWindow::tr("Connect"));
        buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("button_cancel"));
        connect(name_, &QLineEdit::textChanged, ok, [this, ok] { ok->setEnabled(!playerName().isEmpty()); });
        ok->setEnabled(!playerName().isEmpty());
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            if (!playerName().isEmpty()) accept();
        });
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        form->addRow(buttons);
    }
    QString playerName() const { return cleanPlayerName(name_->text()); }

private:
    QLineEdit* name_;
};

// A widget's name for screen readers, and its objectName.
template <typename W> W* named(W* widget, const char* objectName, const QString& accessible) {
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(accessible);
    return widget;
}

} // namespace

QList<LobbyTableRow> mergeGameLists(const std::vector<lobby::GameListing>& lobbyGames, int lobbyRoundTripMs,
                                    const QList<LanEntry>& lanGames) {
    QList<LobbyTableRow> rows;
    for (const LanEntry& e : lanGames) {
        LobbyTableRow row;
        row.key = QStringLiteral("lan:") + e.service;
        row.host = fromUtf8(e.game.host);
        row.seats = e.game.seats;
        row.watchers = e.game.watchers;
        row.options = gameOptionsText(e.game.options);
        row.started = e.game.started;
        row.reached = LobbyTableRow::Reached::ThisNetwork;
        row.address = e.address;
        row.port = e.port;
        rows << row;
    }
    const qsizetype lanCount = rows.size();
    for (const lobby::GameListing& g : lobbyGames) {
        const QString host = fromUtf8(g.hostName);
        const bool onThisNetwork = std::any_of(rows.begin(), rows.begin() + lanCount, [&](const LobbyTableRow& r) {
            return r.host == host && r.port == g.port;
        });
        if (onThisNetwork) continue;
        LobbyTableRow row;
        row.key = QStringLiteral("lobby:") + fromUtf8(g.id);
        row.host = host;
        row.seats = g.seats;
        row.watchers = g.watchers;
        // The lobby passes on the record's own text; one this copy cannot read is shown as sent.
        const std::optional<GameOptions> options = decodeLanOptions(g.options);
        row.options = options ? gameOptionsText(*options) : fromUtf8(g.options);
        row.started = g.started;
        row.reached = reachedOf(g.reach);
        if (g.roundTripMs > 0 && lobbyRoundTripMs >= 0) row.roundTripMs = g.roundTripMs + lobbyRoundTripMs;
        row.gameId = fromUtf8(g.id);
        row.address = fromUtf8(g.address);
        row.port = static_cast<quint16>(g.port);
        rows << row;
    }
    return rows;
}

LobbyWindow::LobbyWindow(PreferencesStore& store, GameLauncher& launcher, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store), launcher_(launcher) {
    setObjectName(QStringLiteral("lobbywindow"));
    setWindowTitle(tr("Quadrino - Play Online"));
    auto* layout = new QVBoxLayout(this);

    auto* serverRow = new QHBoxLayout;
    auto* serverLabel = new QLabel(tr("&Lobby server:"), this);
    server_ = named(new QLineEdit(this), "edit_lobbyserver", tr("Lobby server"));
    server_->setPlaceholderText(tr("host or host:port"));
    server_->setText(fromUtf8(store_.prefs().lobbyServer));
    serverLabel->setBuddy(server_);
    connect_ = named(new QPushButton(tr("&Connect"), this), "button_connect", tr("Connect to the lobby"));
    serverRow->addWidget(serverLabel);
    serverRow->addWidget(server_, 1);
    serverRow->addWidget(connect_);
    layout->addLayout(serverRow);
    status_ = named(new QLabel(this), "label_lobbystatus", tr("Lobby status"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    help_ = named(new QLabel(tr("Run quadrino-lobby on a machine others can reach, then enter its address here."), this),
                  "label_lobbyhelp", tr("How to get a lobby"));
    help_->setWordWrap(true);
    layout->addWidget(help_);

    games_ = named(new QTreeWidget(this), "list_games", tr("Games"));
    games_->setRootIsDecorated(false);
    games_->setAllColumnsShowFocus(true);
    games_->setHeaderLabels({tr("Host", "the column of the hosting player's name"), tr("Seats"), tr("Watchers"),
                             tr("Options"), tr("Started"), tr("Reached"), tr("Round trip")});
    games_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    games_->setMinimumHeight(160);
    layout->addWidget(games_, 2);

    auto* buttonRow = new QHBoxLayout;
    join_ = named(new QPushButton(tr("&Join"), this), "button_join", tr("Join the chosen game"));
    host_ = named(new QPushButton(tr("&Host..."), this), "button_host", tr("Host a game"));
    refresh_ = named(new QPushButton(tr("&Refresh"), this), "button_refresh", tr("Refresh the list of games"));
    buttonRow->addWidget(join_);
    buttonRow->addWidget(host_);
    buttonRow->addWidget(refresh_);
    buttonRow->addStretch();
    present_ = named(new QLabel(this), "label_present", tr("Players present"));
    buttonRow->addWidget(present_);
    layout->addLayout(buttonRow);

    chatView_ = named(new QListWidget(this), "lobby_chat_view", tr("Lobby chat"));
    chatView_->setContextMenuPolicy(Qt::CustomContextMenu);
    chatView_->setWordWrap(true);
    chatView_->setMinimumHeight(100);
    layout->addWidget(chatView_, 1);
    auto* chatRow = new QHBoxLayout;
    chatEntry_ = named(new QLineEdit(this), "edit_lobby_chat", tr("Say in the lobby"));
    chatEntry_->setMaxLength(static_cast<int>(lobby::kMaxChatChars));
    chatEntry_->setPlaceholderText(tr("Say something to everybody in the lobby"));
    mute_ = named(new QPushButton(tr("&Mute"), this), "button_mute", tr("Mute the player of the chosen chat line"));
    chatRow->addWidget(chatEntry_, 1);
    chatRow->addWidget(mute_);
    layout->addLayout(chatRow);
    resize(720, 560);

    // Tab goes down the window as it reads.
    setTabOrder(server_, connect_);
    setTabOrder(connect_, games_);
    setTabOrder(games_, join_);
    setTabOrder(join_, host_);
    setTabOrder(host_, refresh_);
    setTabOrder(refresh_, chatView_);
    setTabOrder(chatView_, chatEntry_);
    setTabOrder(chatEntry_, mute_);

    connect(connect_, &QPushButton::clicked, this, &LobbyWindow::onConnectClicked);
    connect(server_, &QLineEdit::returnPressed, this, &LobbyWindow::onConnectClicked);
    connect(server_, &QLineEdit::textChanged, this, &LobbyWindow::updateState);
    connect(join_, &QPushButton::clicked, this, &LobbyWindow::onJoinClicked);
    connect(games_, &QTreeWidget::itemActivated, this, &LobbyWindow::onJoinClicked);
    connect(games_, &QTreeWidget::currentItemChanged, this, &LobbyWindow::updateButtons);
    connect(host_, &QPushButton::clicked, this, &LobbyWindow::hostRequested);
    connect(refresh_, &QPushButton::clicked, this, &LobbyWindow::onRefreshClicked);
    connect(chatEntry_, &QLineEdit::returnPressed, this, &LobbyWindow::onChatEntered);
    connect(chatView_, &QListWidget::customContextMenuRequested, this, &LobbyWindow::onChatMenu);
    connect(chatView_, &QListWidget::currentItemChanged, this, &LobbyWindow::updateButtons);
    connect(mute_, &QPushButton::clicked, this, &LobbyWindow::onMuteClicked);

    connect(&client_, &LobbyClient::stateChanged, this, &LobbyWindow::updateState);
    connect(&client_, &LobbyClient::gamesChanged, this, &LobbyWindow::rebuildTable);
    connect(&client_, &LobbyClient::roundTripMeasured, this, &LobbyWindow::rebuildTable);
    connect(&client_, &LobbyClient::presentChanged, this, &LobbyWindow::updateState);
    connect(&client_, &LobbyClient::said, this, &LobbyWindow::addChatLine);
    connect(&client_, &LobbyClient::refused, this, [this](const QString& code) {
        addChatLine({}, code == QLatin1String("chat-rate") ? tr("You are chatting too fast; that line was not sent.")
                                                           : tr("The lobby refused a request (%1).").arg(code));
    });
    connect(&client_, &LobbyClient::routed, this, [this](const LobbyRoute& route) {
        if (route.gameId != joiningId_) return;
        joiningId_.clear();
        launcher_.joinLobbyGame(joiningName_, route);
        emit joining();
    });
    connect(&client_, &LobbyClient::routeFailed, this, [this](const QString& id, const QString& reason) {
        if (id != joiningId_) return;
        joiningId_.clear();
        status_->setText(reason);
    });
    launcher_.setLobbyClient(&client_);
    updateState();
}

LobbyWindow::~LobbyWindow() { launcher_.setLobbyClient(nullptr); }

QString LobbyWindow::rememberedName() const {
    const Preferences& p = store_.prefs();
    return fromUtf8(!p.joinname.empty() ? p.joinname : p.hostname);
}

void LobbyWindow::askName(bool joining, std::function<void(const QString&)> then) {
    auto* dialog = new LobbyJoinDialog(rememberedName(), joining, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, then = std::move(then)] {
        const QString name = dialog->playerName();
        store_.prefs().joinname = name.toStdString();
        store_.save();
        then(name);
    });
    dialog->open();
}

void LobbyWindow::onConnectClicked() {
    if (client_.state() != LobbyClient::State::Offline) {
        client_.signOut();
        return;
    }
    const QString address = server_->text().trimmed();
    if (address.isEmpty()) return updateState();
    store_.prefs().lobbyServer = address.toStdString();
    store_.save();
    const QString name = rememberedName();
    if (!name.isEmpty()) return client_.signIn(address, name);
    askName(false, [this, address](const QString& chosen) { client_.signIn(address, chosen); });
}

void LobbyWindow::onRefreshClicked() {
    // The lobby sends its whole list at every sign-in; this network's list starts afresh.
    if (client_.state() != LobbyClient::State::Offline) client_.signIn(server_->text(), rememberedName());
    launcher_.stopLanBrowser();
    lan_.clear();
    watchLan();
    rebuildTable();
}

void LobbyWindow::onJoinClicked() {
    const int at = games_->indexOfTopLevelItem(games_->currentItem());
    if (at < 0 || at >= rows_.size()) return;
    const LobbyTableRow row = rows_[at];
    askName(true, [this, row](const QString& name) {
        if (row.gameId.isEmpty()) {
            launcher_.joinNetworkGame(name, row.address, row.port);
            return emit joining();
        }
        joiningId_ = row.gameId;
        joiningName_ = name;
        if (!client_.requestRoute(row.gameId)) {
            joiningId_.clear();
            status_->setText(tr("Connect to the lobby to join its games."));
        }
    });
}

void LobbyWindow::setLanGames(const QList<LanEntry>& games) {
    lan_ = games;
    rebuildTable();
}

void LobbyWindow::watchLan() {
    LanBrowser* lan = launcher_.lanBrowser();
    if (!lan || lan == watchedLan_) return;
    watchedLan_ = lan;
    setLanGames(lan->games());
    connect(lan, &LanBrowser::gamesChanged, this, [this, lan] { setLanGames(lan->games()); });
    connect(lan, &QObject::destroyed, this, [this] { setLanGames({}); });
}

void LobbyWindow::showEvent(QShowEvent* event) {
    client_.setWatched(true);
    watchLan();
    // A remembered lobby is where the player went last: go there again.
    if (client_.state() == LobbyClient::State::Offline && client_.reason().isEmpty() && !server_->text().trimmed().isEmpty() &&
        !rememberedName().isEmpty())
        onConnectClicked();
    QWidget::showEvent(event);
}

void LobbyWindow::hideEvent(QHideEvent* event) {
    // Nobody looks at the lists now; the lobby stays, for a relayed game's rejoin.
    client_.setWatched(false);
    if (watchedLan_) {
        disconnect(watchedLan_, nullptr, this, nullptr);
        launcher_.stopLanBrowser();
    }
    QWidget::hideEvent(event);
}

void LobbyWindow::rebuildTable() {
    QTreeWidgetItem* current = games_->currentItem();
    const int at = current ? games_->indexOfTopLevelItem(current) : -1;
    const QString chosen = at >= 0 && at < rows_.size() ? rows_[at].key : QString();
    rows_ = mergeGameLists(client_.games(), client_.roundTripMs(), lan_);
    const QSignalBlocker quiet(games_);
    games_->clear();
    for (const LobbyTableRow& row : rows_) {
        auto* item = new QTreeWidgetItem(games_);
        item->setText(0, row.host);
        item->setText(1, tr("%1 of %2").arg(row.seats).arg(kSeatCount));
        item->setText(2, QString::number(row.watchers));
        item->setText(3, row.options.isEmpty() ? tr("none") : row.options);
        item->setText(4, row.started ? tr("playing") : tr("waiting"));
        item->setText(5, tr(kReachedText[static_cast<std::size_t>(row.reached)]));
        item->setText(6, row.roundTripMs >= 0 ? tr("%1 ms").arg(row.roundTripMs) : QStringLiteral("\u2014"));
        if (row.key == chosen) games_->setCurrentItem(item);
    }
    updateButtons();
}

void LobbyWindow::updateState() {
    const bool noServer = server_->text().trimmed().isEmpty();
    help_->setVisible(noServer);
    switch (client_.state()) {
    case LobbyClient::State::Offline:
        status_->setText(client_.reason().isEmpty() ? tr("Not connected to a lobby.") : client_.reason());
        connect_->setText(tr("&Connect"));
        present_->clear();
        break;
    case LobbyClient::State::Connecting:
        status_->setText(tr("Connecting to %1...").arg(client_.address().host));
        connect_->setText(tr("Dis&connect"));
        break;
    case LobbyClient::State::SignedIn:
        status_->setText(tr("In the lobby at %1 as %2.").arg(client_.address().host, client_.name()));
        connect_->setText(tr("Dis&connect"));
        present_->setText(tr("Players present: %1").arg(client_.present()));
        break;
    }
    updateButtons();
}

void LobbyWindow::updateButtons() {
    connect_->setEnabled(client_.state() != LobbyClient::State::Offline || !server_->text().trimmed().isEmpty());
    join_->setEnabled(games_->currentItem() != nullptr);
    const QListWidgetItem* line = chatView_->currentItem();
    mute_->setEnabled(line && !line->data(Qt::UserRole).toString().isEmpty());
    chatEntry_->setEnabled(client_.state() == LobbyClient::State::SignedIn);
}

void LobbyWindow::addChatLine(const QString& name, const QString& text) {
    auto* item = new QListWidgetItem(name.isEmpty() ? text : tr("%1: %2").arg(name, text));
    item->setData(Qt::UserRole, name);
    chatView_->addItem(item);
    item->setHidden(muted_.contains(name));
    // The view keeps what the client keeps, and no more.
    while (chatView_->count() > static_cast<int>(LobbyClient::kMaxChatLines)) delete chatView_->takeItem(0);
    chatView_->scrollToBottom();
}

void LobbyWindow::onChatEntered() {
    if (client_.sendChat(chatEntry_->text())) chatEntry_->clear();
}

void LobbyWindow::setMuted(const QString& name, bool muted) {
    // The player's own lines are no noise to silence.
    if (name.isEmpty() || name == client_.name()) return;
    if (muted) muted_.insert(name);
    else muted_.remove(name);
    for (int i = 0; i < chatView_->count(); ++i) {
        QListWidgetItem* item = chatView_->item(i);
        if (item->data(Qt::UserRole).toString() == name) item->setHidden(muted);
    }
}

void LobbyWindow::onChatMenu(const QPoint& at) {
    // From the keyboard the menu is for the line the cursor is on.
    const QListWidgetItem* item = chatView_->itemAt(at);
    if (!item) item = chatView_->currentItem();
    const QString name = item ? item->data(Qt::UserRole).toString() : QString();
    if (name.isEmpty() || name == client_.name()) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("popup_lobbychat"));
    QAction* act = menu.addAction(tr("Mute %1").arg(name));
    act->setObjectName(QStringLiteral("action_mute"));
    connect(act, &QAction::triggered, this, [this, name] { setMuted(name, true); });
    // Enter takes the one entry at once, from the keyboard as well.
    menu.setActiveAction(act);
    menu.exec(chatView_->viewport()->mapToGlobal(at));
}

void LobbyWindow::onMuteClicked() {
    const QListWidgetItem* item = chatView_->currentItem();
    if (!item) return;
    setMuted(item->data(Qt::UserRole).toString(), true);
}

} // namespace quadrino
