// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus, the settings file and closing.
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
#include <QScreen>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
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
#include "art/scaled_layout.h"
#include "table/table_panel.h"
#include "tally/tally_window.h"
#include "windows/gamestart.h"
#include "windows/phrase_editor.h"
#include "windows/side_windows.h"
#include "windows/spy_list.h"
#include "app/main_window_detail.h"

namespace quadrino {

using namespace window_detail;

// ---- Menus -------------------------------------------------------------------------------------------

void MainWindow::onStartGameChosen() {
    // A slip in the menu must not throw away a game under way.
    if (session_.table().state().gameRunning && questionBox_ &&
        !questionBox_(QStringLiteral("A game is in progress. Start a new game?")))
        return;
    panel_->onStartClicked();
}

void MainWindow::onPlaySoundsToggled() {
    prefs_.playsounds = !prefs_.playsounds;
    playSounds1_->setChecked(prefs_.playsounds);
    saveinifile();
}

void MainWindow::onChatterSoundsToggled() {
    prefs_.chattersounds = !prefs_.chattersounds;
    playChatterSounds1_->setChecked(prefs_.chattersounds);
    saveinifile();
}

void MainWindow::onTurnSoundChosen(QAction* entry) {
    prefs_.turnsound = tagOf(entry);
    session_.setNewTurnSound(prefs_.turnsound == 1);
    saveinifile();
}

void MainWindow::onBotSpeedChosen(QAction* entry) {
    // The host reads the preference each time it arms a computer player; nothing is sent.
    prefs_.botspeed = tagOf(entry);
    saveinifile();
}

void MainWindow::onBotLevelChosen(QAction* entry) {
    prefs_.botlevel = tagOf(entry);
    applyBotLevel();
    saveinifile();
}

void MainWindow::applyBotLevel() {
    // Only the hosting copy's players think; a joined copy keeps the choice for when it hosts.
    if (host_)
        host_->host().setBotLevels(prefs_.botlevel == Preferences::kBotStrong ? BotLevel::strong : BotLevel::classic);
}

void MainWindow::onTextColorChosen() {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(bgrToRgb(prefs_.textcolor)), this);
    if (!chosen.isValid()) return;
    prefs_.textcolor = rgbToBgr(chosen.rgb() & 0xFFFFFFu);
    QPalette p = mychat_->palette();
    p.setColor(QPalette::Text, chosen);
    mychat_->setPalette(p);
    saveinifile();
}

void MainWindow::onTextSizeChosen(QAction* entry) {
    prefs_.textsize = tagOf(entry);
    mainchat_->setTextSize(prefs_.textsize);
    saveinifile();
}

void MainWindow::onScrollChatOffToggled() {
    const bool off = !mainchat_->scrollOff();
    scrollChatOffPopup_->setChecked(off);
    scrollChatOff2_->setChecked(off);
    mainchat_->setScrollOff(off);
}

void MainWindow::onClearChatChosen() {
    mainchat_->clearChat();
    mychat_->setFocus();
}

void MainWindow::onResetScreenLocation() {
    // The default size counts the frame, as the saved geometry does.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(fitScreen(QSize(Preferences::kDefaultWidth, Preferences::kDefaultHeight) - frame, QPoint(3, 3), frame));
    move(3, 3);
}

void MainWindow::onJustWatchChosen() {
    // The check mark follows the host's answer, never the click.
    justWatch1_->setChecked(justWatching_);
    const int seat = identity().myseat;
    if (seat >= 1 && seat <= table::kSeatCount) session_.send(request::justwatch(seat, justWatching_ ? 2 : 1));
}

void MainWindow::onViewTallyChosen() {
    if (!tally_) return;
    tally_->loadchecklist(otherPlayers());
    presentSideWindow(tally_, this);
}

void MainWindow::showSpyList() {
    syncSpyList();
    presentSideWindow(spylist_, this);
}

void MainWindow::showPhraseList() {
    // Opened over the game first; the fields are then filled from the settings.
    presentSideWindow(phraseEditor_, this);
    phraseEditor_->showPhraseList();
}

void MainWindow::onChatterSoundChosen(int number) {
    if (number < 1 || number > kChatterSoundCount) return; // "<Cancel>"
    // Players only: spectators have no name label to be named by.
    const int seat = identity().myseat;
    if (!identity().loggedin || seat < 1 || seat > table::kSeatCount) return;
    session_.send(request::playasound(seat, number));
}

void MainWindow::sendit() {
    if (!identity().loggedin) return;
    const QString text = mychat_->text();
    if (!text.isEmpty()) {
        const std::string colour = colourToText(prefs_.textcolor);
        if (!text.startsWith(u'/'))
            session_.send(request::chat(identity().myseat, toWire(text), colour));
        else if (text.startsWith(QStringLiteral("/me")))
            session_.send(request::action(identity().myseat, toWire(text.mid(4)), colour));
    }
    mychat_->clear();
}

void MainWindow::layoutClient() {
    // One scale for everything, so the board keeps its shape; the spare band is left as
    // background, the picture centred in it.
    const QSize area = client_->size();
    const qreal scale = std::min(area.width() / qreal(kClientWidth), area.height() / qreal(kClientHeight));
    if (scale <= 0) return;
    panel_->setScale(scale);
    {
        // The chat's own pictures, sharp at the new size (small enough to draw at once).
        const art::ScaleScope scope(scale);
        smilies_->setIcon(QIcon(art::smiley(0)));
        phrases_->redrawIcons();
    }
    mainchat_->setZoom(scale);
    const QSize used = scaling::scaled(QSize(kClientWidth, kClientHeight), scale);
    const QPoint margin((area.width() - used.width()) / 2, (area.height() - used.height()) / 2);
    panel_->move(margin + scaling::scaled(QRect(1, 2, 0, 0), scale).topLeft());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) layoutClient();
    if (watched == mychat_ && event->type() == QEvent::KeyPress && mychat_->text() == kEnterChatHere)
        mychat_->clear();
    return QMainWindow::eventFilter(watched, event);
}

// ---- Settings, messages, close --------------------------------------------------------------------------

void MainWindow::setSettingsLocation(const SettingsLocation& location) {
    settings_ = location;
    // The phrase editor saves to the same file; where nothing can be written it saves nothing
    // (that was said once already).
    settingsFile_ = location.writable ? location.settingsFile : std::filesystem::path{};
    if (!location.error.empty())
        addlinetochat(QStringLiteral("0+") + QString::fromStdString(location.error), kSystemColour);
}

void MainWindow::loadinifile() {
    Preferences read = prefs_;
    std::string error;
    // Without a settings location (a window made for a test) there is nothing to load: the
    // choices made in this run stand.
    if (settings_) error = loadPreferencesFrom(settings_->settingsFile, read);
    else read.loaded = true;
    if (!error.empty()) addlinetochat(QStringLiteral("0+") + QString::fromStdString(error), kSystemColour);
    prefs_ = read;
    // The saved place is the run's starting place: a later login (File > Host or Join) must
    // not take the window away from where the user has put it since.
    if (!placed_) {
        placed_ = true;
        placeWindow();
    }
    applyPreferences();
    // Older hosts and ours take no action on it; it tells the host the hosting user's pace.
    if (identity().myseat == 1 && identity().loggedin) session_.send(request::botspeed(1, prefs_.botspeed));
}

void MainWindow::saveinifile() {
    ++saveCount_;
    // The game options dialog's boxes are the options' state; the file keeps what they show.
    prefs_.options = gamestart_->options();
    // Nowhere to write: said once when the location was chosen.
    if (!settings_ || !settings_->writable) return;
    const std::string error = savePreferencesTo(settings_->settingsFile, prefs_);
    if (!error.empty()) reportSaveFailure(QString::fromStdString(error));
}

void MainWindow::placeWindow() {
    const QRect stored(prefs_.winleft, prefs_.wintop, prefs_.winwidth, prefs_.winheight);
    QRect target = stored;
    substituteGeometry_ = QRect();
    // On a screen means enough of it shows there to be grabbed and moved back.
    bool onScreen = false;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect common = s->availableGeometry().intersected(stored);
        if (common.width() >= 40 && common.height() >= 20) onScreen = true;
    }
    if (!onScreen) {
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect work = s ? s->availableGeometry() : QRect(0, 0, stored.width() + 3, stored.height() + 3);
        target = QRect(3, 3, std::min(stored.width(), work.right() + 1 - 3), std::min(stored.height(), work.bottom() + 1 - 3));
        substituteGeometry_ = target;
    }
    // The stored size counts the frame.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(fitScreen(target.size() - frame, target.topLeft(), frame));
    move(target.topLeft());
}

QSize MainWindow::fitScreen(QSize size, QPoint at, QSize frame) const {
    // A window larger than its screen has controls out of reach: it shrinks to fit, and the
    // whole client area with it, down to the minimum size.
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return size;
    const QRect work = s->availableGeometry();
    const QSize room(work.right() + 1 - std::max(at.x(), work.left()), work.bottom() + 1 - std::max(at.y(), work.top()));
    return size.boundedTo(room - frame).expandedTo(minimumSizeHint());
}

void MainWindow::setPreferences(const Preferences& prefs) {
    prefs_ = prefs;
    applyPreferences();
}

void MainWindow::applyPreferences() {
    auto check = [this](const QString& name) {
        if (auto* a = findChild<QAction*>(name)) a->setChecked(true);
    };
    playSounds1_->setChecked(prefs_.playsounds);
    playChatterSounds1_->setChecked(prefs_.chattersounds);
    check(prefs_.turnsound == 1 ? QStringLiteral("New1") : QStringLiteral("Classic1"));
    check(prefs_.botlevel == Preferences::kBotStrong ? QStringLiteral("BotStrong1") : QStringLiteral("BotClassic1"));
    applyBotLevel();
    check(prefs_.botspeed == 1500 ? QStringLiteral("Slow1")
          : prefs_.botspeed == 500 ? QStringLiteral("Fast1")
                                   : QStringLiteral("Normal1"));
    // A size the menu does not offer checks nothing.
    if (prefs_.textsize == 8 || prefs_.textsize == 10 || prefs_.textsize == 12 || prefs_.textsize == 14)
        check(QStringLiteral("N%1").arg(prefs_.textsize));
    if (prefs_.textsize > 0) {
        mainchat_->setTextSize(prefs_.textsize);
    }
    QPalette p = mychat_->palette();
    p.setColor(QPalette::Text, QColor::fromRgb(bgrToRgb(prefs_.textcolor)));
    mychat_->setPalette(p);
    session_.setNewTurnSound(prefs_.turnsound == 1);
    gamestart_->showKept(prefs_.options);
    phrases_->setPhrases(prefs_.phrases);
}

void MainWindow::setMessageBox(std::function<void(const QString&)> show) { messageBox_ = std::move(show); }

void MainWindow::setSoundPlayer(std::unique_ptr<SoundPlayer> player) {
    if (player) sound_ = std::move(player);
}

void MainWindow::setTally(TallyWindow* tally) { tally_ = tally; }

void MainWindow::showMessage(const QString& text) {
    if (messageBox_) messageBox_(text);
}

void MainWindow::rememberGeometry() {
    const QRect g = frameGeometry();
    // Still where it was put in place of an unreachable stored geometry: the user has not
    // moved it, and the stored values may suit the monitor that comes back.
    if (!substituteGeometry_.isNull() && g == substituteGeometry_) return;
    if (g.top() == prefs_.wintop && g.left() == prefs_.winleft && g.height() == prefs_.winheight && g.width() == prefs_.winwidth)
        return;
    int width = g.width(), height = g.height();
    if (const QScreen* s = screen()) {
        const QRect work = s->availableGeometry();
        if (width > work.width()) width -= 15;
        if (height > work.height()) height -= 15;
    }
    prefs_.winleft = g.left();
    prefs_.wintop = g.top();
    prefs_.winwidth = width;
    prefs_.winheight = height;
    saveinifile();
}

void MainWindow::saveTally() {
    if (!tally_) return;
    if (tally_->save()) {
        tallyFailureShown_ = false;
        return;
    }
    // A location that cannot be written has been reported already.
    if (settings_ && !settings_->writable) return;
    const QString text = QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(tally_->tallyFilePath());
    if (closing_) {
        reportSaveFailure(text);
    } else if (!tallyFailureShown_) {
        // Once until a save works again, not after every game.
        tallyFailureShown_ = true;
        addlinetochat(QStringLiteral("0+") + text, kSystemColour);
    }
}

void MainWindow::reportSaveFailure(const QString& text) {
    if (unattended_) {
        qWarning("quadrino: %s", qPrintable(text));
        return;
    }
    // One box while closing, however many saves fail; the window closes after it.
    if (closing_) {
        if (closeFailureShown_) return;
        closeFailureShown_ = true;
    }
    showMessage(text);
}

void MainWindow::saveAtExit() {
    if (savedAtExit_) return;
    savedAtExit_ = true;
    closing_ = true;
    rememberGeometry();
    saveTally();
}

void MainWindow::closeUnattended() {
    unattended_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!savedAtExit_ && !mayLeaveGame()) {
        event->ignore();
        return;
    }
    saveAtExit();
    event->accept();
    emit closed();
}

} // namespace quadrino
