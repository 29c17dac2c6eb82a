// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/lobby_advert.h"

#include <algorithm>

#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "art/art.h"
#include "windows/about_box.h"
#include "windows/side_windows.h"

#ifndef QUADRINO_LOBBY_PROGRAM
#define QUADRINO_LOBBY_PROGRAM ""
#endif
#ifndef QUADRINO_LOBBY_DOWNLOAD_PAGE
#define QUADRINO_LOBBY_DOWNLOAD_PAGE ""
#endif

namespace quadrino {
namespace {

// Looked up when shown, so that they follow the language loaded by then.
constexpr const char* kNoLobby =
    QT_TRANSLATE_NOOP("quadrino::LobbyAdvert", "Please close the game and open the Kestrun Lobby using the icon on "
                                               "your desktop or using the your Window's start-up menu.");
constexpr const char* kStartFailed = QT_TRANSLATE_NOOP("quadrino::LobbyAdvert", "An Error has Occurred.");

QLabel* addText(QWidget* parent, QLayout* layout, const QString& name, const QString& text, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setFont(sideWindowFont(13, bold));
    layout->addWidget(label);
    return label;
}

// A light panel over the background picture, so its text reads easily.
QFrame* addPanel(QWidget* parent, QLayout* layout, const QString& name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(250, 248, 238));
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    layout->addWidget(panel);
    return panel;
}

QPushButton* addButton(QWidget* parent, QBoxLayout* layout, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(sideWindowFont(13, true));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

bool isWebAddress(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() && (url.scheme() == u"http" || url.scheme() == u"https");
}

} // namespace

QString findLobbyProgram() {
    const QString onPath = QStandardPaths::findExecutable(QString::fromLatin1(kLobbyProgramName));
    if (!onPath.isEmpty()) return onPath;
    const QFileInfo built(QString::fromUtf8(QUADRINO_LOBBY_PROGRAM));
    if (!built.filePath().isEmpty() && built.isFile() && built.isExecutable()) return built.absoluteFilePath();
    return {};
}

QUrl lobbyDownloadPage() {
    const QUrl page(QString::fromUtf8(QUADRINO_LOBBY_DOWNLOAD_PAGE), QUrl::StrictMode);
    return isWebAddress(page) ? page : QUrl();
}

LobbyAdvert::LobbyAdvert(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setUpSideWindow(this, QStringLiteral("download"), tr("Download The Kestrun Lobby"), 13);

    messageBox_ = [this](const QString& text) { QMessageBox::information(this, QStringLiteral("Quadrino"), text); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 14);
    layout->setSpacing(10);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("image_logo"));
    logo->setPixmap(art::logo());
    logo->setAccessibleName(tr("Quadrino logo"));
    logo->setAlignment(Qt::AlignCenter);
    layout->addWidget(logo);

    // Download: the lobby's own page, in the user's browser.
    QFrame* download = addPanel(this, layout, QStringLiteral("panel_download"));
    auto* downloadLayout = new QVBoxLayout(download);
    addText(download, downloadLayout, QStringLiteral("label_download"),
            tr("Download The Kestrun Lobby Now to play this  and other exciting games online with other players! "),
            true);
    auto* row = new QHBoxLayout;
    getbutton_ = addButton(download, row, QStringLiteral("getbutton"),
                           tr("Download And Install The Kestrun Lobby Now"));
    abortbutton_ = addButton(download, row, QStringLiteral("abortbutton"), tr("Stop Download"));
    abortbutton_->setEnabled(false);
    row->addStretch();
    downloadLayout->addLayout(row);
    infolabel_ = addText(download, downloadLayout, QStringLiteral("infolabel"), QString());
    infolabel3_ = addText(download, downloadLayout, QStringLiteral("infolabel3"), QString());
    // The address may be shown here for copying by hand.
    infolabel3_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(getbutton_, &QPushButton::clicked, this, &LobbyAdvert::onDownloadClicked);

    // Solo: go on with the game alone.
    QFrame* solo = addPanel(this, layout, QStringLiteral("panel_solo"));
    auto* soloLayout = new QVBoxLayout(solo);
    addText(solo, soloLayout, QStringLiteral("label_solo"),
            tr("To proceed to the game without the ability to play against others click the button below."));
    addText(solo, soloLayout, QStringLiteral("label_firewall"),
            tr("Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game "
               "to access the internet components."));
    auto* soloRow = new QHBoxLayout;
    QPushButton* playSolo = addButton(solo, soloRow, QStringLiteral("Button1"), tr("Play Solo Game"));
    playSolo->setDefault(true);
    soloRow->addStretch();
    soloLayout->addLayout(soloRow);
    connect(playSolo, &QPushButton::clicked, this, &LobbyAdvert::onPlaySoloClicked);

    // Lobby: leave the game for the lobby.
    QFrame* lobby = addPanel(this, layout, QStringLiteral("panel_lobby"));
    auto* lobbyLayout = new QVBoxLayout(lobby);
    addText(lobby, lobbyLayout, QStringLiteral("label_lobby"),
            tr("If you already have The Kestrun Lobby and you wish to play with others then click the button below "
               "to close this game and open The Kestrun Lobby."));
    auto* lobbyRow = new QHBoxLayout;
    QPushButton* playOthers =
        addButton(lobby, lobbyRow, QStringLiteral("Button2"), tr("Play with Others"));
    lobbyRow->addStretch();
    lobbyLayout->addLayout(lobbyRow);
    connect(playOthers, &QPushButton::clicked, this, &LobbyAdvert::onPlayWithOthersClicked);

    setFixedWidth(500);
    setDownloadPage(lobbyDownloadPage());
}

void LobbyAdvert::setDownloadPage(const QUrl& page) {
    page_ = isWebAddress(page) ? page : QUrl();
    getbutton_->setEnabled(!page_.isEmpty());
    if (page_.isEmpty()) {
        showNoPage();
    } else {
        infolabel_->clear();
        infolabel3_->clear();
    }
}

void LobbyAdvert::showNoPage() {
    infolabel_->setText(tr("This copy of Quadrino was built without the address of the lobby's download page."));
    infolabel3_->setText(tr("Look for The Kestrun Lobby at %1.").arg(QString::fromLatin1(kMakerWebAddress)));
}

void LobbyAdvert::setExit(std::function<void()> exit) { exit_ = std::move(exit); }

void LobbyAdvert::setMessageBox(std::function<void(const QString&)> show) { messageBox_ = std::move(show); }

void LobbyAdvert::onDownloadClicked() {
    if (page_.isEmpty()) {
        showNoPage();
        return;
    }
    if (QDesktopServices::openUrl(page_)) {
        infolabel_->setText(tr("The download page is open in your web browser."));
        infolabel3_->setText(tr("Download and install The Kestrun Lobby from there."));
    } else {
        infolabel_->setText(tr("Download Aborted"));
        infolabel3_->setText(
            tr("No web browser could be started. The download page is %1").arg(page_.toString()));
    }
}

void LobbyAdvert::onPlaySoloClicked() { close(); }

void LobbyAdvert::onPlayWithOthersClicked() {
    const QString lobby = findLobbyProgram();
    if (lobby.isEmpty() && openLobbyWindow_) {
        close();
        openLobbyWindow_();
        return;
    }
    if (lobby.isEmpty()) {
        if (messageBox_) messageBox_(tr(kNoLobby));
        return;
    }
    // The lobby lives on after the game ends.
    if (!QProcess::startDetached(lobby, {})) {
        if (messageBox_) messageBox_(tr(kStartFailed));
        return;
    }
    close();
    if (exit_) exit_();
}

void LobbyAdvert::showEvent(QShowEvent* event) {
    // Tall enough for every wrapped line at this width, in this screen's font metrics.
    const int room = screen() ? screen()->availableGeometry().height() : QWIDGETSIZE_MAX;
    auto* logo = findChild<QLabel*>(QStringLiteral("image_logo"));
    logo->show();
    layout()->activate();
    int height = layout()->totalHeightForWidth(width());
    if (height > room) {
        // A short screen: the words and buttons matter more than the picture.
        logo->hide();
        layout()->activate();
        height = std::min(layout()->totalHeightForWidth(width()), room);
    }
    resize(width(), height);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) centreWindowAt(this, screen->availableGeometry().center());
    QDialog::showEvent(event);
}

} // namespace quadrino
