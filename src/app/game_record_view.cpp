// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_record_view.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/client_session.h"
#include "table/table_access.h"
#include "table/ui_text_qt.h"

namespace quadrino {

namespace {

QString word(const std::string& text) { return QCoreApplication::translate("GameLog", text.c_str()); }

QString luckText(const table::SeatFigures& f) {
    const int luck = f.diceTotal - 7 * f.rolls; // two dice average seven
    return luck > 0 ? QStringLiteral("+%1").arg(luck) : QString::number(luck);
}

QString placeText(int place) {
    switch (place) {
    case 1: return GameRecordView::tr("1st");
    case 2: return GameRecordView::tr("2nd");
    case 3: return GameRecordView::tr("3rd");
    default: return GameRecordView::tr("4th");
    }
}

} // namespace

QString GameRecordView::lineText(const table::LogLine& line) {
    QString text = QCoreApplication::translate("GameLog", line.pattern);
    // Filled in one pass, so that a name holding "%2" stays as it is.
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'9') {
            const auto at = static_cast<std::size_t>(text[i + 1].unicode() - u'1');
            if (at < line.args.size()) {
                const table::LogArg& arg = line.args[at];
                out += arg.word ? table::translated(arg.words) : QString::fromStdString(arg.text);
            }
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

GameRecordView::GameRecordView(QMainWindow& window, QWidget& board, ClientSession& session,
                               std::function<void()> playAgain)
    : QObject(&window), window_(window), board_(board), session_(session) {
    dock_ = new QDockWidget(tr("Game Log"), &window);
    dock_->setObjectName(QStringLiteral("dock_gamelog"));
    // Shown and hidden through the View menu only, so the menu's check mark stays true.
    dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* body = new QWidget(dock_);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 4, 4, 4);
    latest_ = new QLabel(body);
    latest_->setObjectName(QStringLiteral("label_gamelog_latest"));
    latest_->setWordWrap(true);
    latest_->setAccessibleName(tr("Latest event"));
    list_ = new QListWidget(body);
    list_->setObjectName(QStringLiteral("list_gamelog"));
    list_->setAccessibleName(tr("Game log"));
    list_->setWordWrap(true);
    list_->setUniformItemSizes(false);
    list_->setMinimumWidth(220);
    column->addWidget(latest_);
    column->addWidget(list_, 1);
    dock_->setWidget(body);
    window.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    // A late opener sees the log from the moment this client joined.
    std::vector<table::LogLine> sofar(session.table().record().lines().begin(), session.table().record().lines().end());
    append(sofar);

    summary_ = new QFrame(&board);
    summary_->setObjectName(QStringLiteral("panel_summary"));
    summary_->setAccessibleName(tr("Game summary"));
    summary_->setFrameShape(QFrame::StyledPanel);
    summary_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(summary_);
    title_ = new QLabel(summary_);
    title_->setObjectName(QStringLiteral("label_summary_title"));
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title_->setFont(bold);
    table_ = new QTableWidget(summary_);
    table_->setObjectName(QStringLiteral("table_summary"));
    table_->setAccessibleName(tr("Places and figures of each seat"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    const QStringList headers{tr("Place"),     tr("Player"),    tr("Home"),     tr("Rolls"),
                              tr("Doubles"),   tr("Luck"),      tr("Captures"), tr("Captured"),
                              tr("Penalties"), tr("Bonus moves")};
    table_->setColumnCount(int(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->horizontalHeaderItem(5)->setToolTip(tr("The dice's total against the seven two dice average per roll"));
    auto* buttons = new QHBoxLayout;
    playAgain_ = new QPushButton(tr("Play Again"), summary_);
    playAgain_->setObjectName(QStringLiteral("button_playagain"));
    auto* save = new QPushButton(tr("Save Game Log..."), summary_);
    save->setObjectName(QStringLiteral("button_savelog"));
    auto* close = new QPushButton(tr("Close"), summary_);
    close->setObjectName(QStringLiteral("button_closesummary"));
    buttons->addStretch(1);
    buttons->addWidget(playAgain_);
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addWidget(title_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    summary_->hide();
    // Escape closes it from whichever of its controls has the keys, before a control uses it.
    for (QWidget* w : std::initializer_list<QWidget*>{summary_, table_, playAgain_, save, close}) w->installEventFilter(this);
    board.installEventFilter(this);

    connect(playAgain_, &QPushButton::clicked, this, [this, playAgain = std::move(playAgain)] {
        session_.closeSummary();
        if (playAgain) playAgain();
    });
    connect(save, &QPushButton::clicked, this, &GameRecordView::saveLog);
    connect(close, &QPushButton::clicked, this, [this] { session_.closeSummary(); });
    if (QAction* entry = window.findChild<QAction*>(QStringLiteral("GameLog1")))
        connect(entry, &QAction::triggered, this, [this] {
            // Chosen from the menu, the pane widens the window rather than shrinking the board
            // (the window's saved size already holds a pane shown at start-up). The menu's own
            // handler, connected first, has just shown or hidden it.
            const bool fills = window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
            if (!fills) window_.resize(window_.width() + widthChange_, window_.height());
            widthChange_ = 0;
        });
    connect(&session, &ClientSession::gameLogged, this, &GameRecordView::append);
    connect(&session, &ClientSession::tableChanged, this, &GameRecordView::showSummary);
}

void GameRecordView::setLogShown(bool shown) {
    if (shown == !dock_->isHidden()) return;
    const int width = dock_->isHidden() ? dock_->sizeHint().width() : dock_->width();
    dock_->setVisible(shown);
    widthChange_ = shown ? width : -width;
}

void GameRecordView::append(const std::vector<table::LogLine>& lines) {
    const auto& record = session_.table().record().lines();
    if (record.size() < table::GameRecord::kMaxLines && std::size_t(list_->count()) + lines.size() != record.size()) {
        // A new login started a new record: the list follows it whole.
        list_->clear();
        for (const table::LogLine& line : record) list_->addItem(lineText(line));
    } else {
        for (const table::LogLine& line : lines) list_->addItem(lineText(line));
        while (std::size_t(list_->count()) > table::GameRecord::kMaxLines) delete list_->takeItem(0);
    }
    if (list_->count() == 0) latest_->clear();
    if (lines.empty()) return;
    list_->scrollToBottom();
    latest_->setText(lineText(lines.back()));
    if (dock_->isVisible()) {
        // A screen reader says the newest line as the board's own log line is said.
        QAccessibleEvent event(latest_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void GameRecordView::showSummary() {
    const table::TableState& state = session_.table().state();
    if (session_.table().record().lines().empty() && list_->count() > 0) append({});
    if (!state.summaryShown) {
        // The keys go back where they were before the summary took them.
        const bool hadFocus = summary_->isAncestorOf(window_.focusWidget());
        summary_->hide();
        if (hadFocus && focusBefore_) focusBefore_->setFocus();
        return;
    }
    if (summary_->isVisible()) return;
    title_->setText(table::translated(state.statusWords));
    const auto places = table::standings(state);
    const auto& figures = session_.table().record().figures();
    table_->setRowCount(int(places.size()));
    for (int row = 0; row < int(places.size()); ++row) {
        const table::Standing& s = places[std::size_t(row)];
        const table::SeatFigures& f = figures[s.seat];
        const QString player = QString::fromStdString(state.seat(s.seat).name) + QStringLiteral(" (") +
                               word(table::seatColourName(s.seat)) + QStringLiteral(")");
        const QStringList cells{placeText(s.place),
                                player,
                                QStringLiteral("%1/4").arg(s.home),
                                QString::number(f.rolls),
                                QString::number(f.doubles),
                                luckText(f),
                                QString::number(f.captures),
                                QString::number(f.captured),
                                QString::number(f.penalties),
                                QString::number(f.bonusMoves)};
        for (int column = 0; column < int(cells.size()); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    int rows = table_->horizontalHeader()->height() + 2 * table_->frameWidth();
    for (int row = 0; row < table_->rowCount(); ++row) rows += table_->rowHeight(row);
    table_->setFixedHeight(rows);
    playAgain_->setVisible(session_.identity().myseat == 1);
    placeSummary();
    focusBefore_ = window_.focusWidget();
    summary_->show();
    summary_->raise();
    if (playAgain_->isVisible()) playAgain_->setFocus();
    else table_->setFocus();
}

void GameRecordView::placeSummary() {
    QSize size = summary_->sizeHint();
    int wanted = 24;
    for (int c = 0; c < table_->columnCount(); ++c) wanted += table_->columnWidth(c);
    size.setWidth(std::min(board_.width() - 16, std::max(size.width(), wanted)));
    size.setHeight(std::min(board_.height() - 16, size.height()));
    summary_->resize(size);
    summary_->move((board_.width() - size.width()) / 2, (board_.height() - size.height()) / 2);
}

bool GameRecordView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &board_ && event->type() == QEvent::Resize && summary_->isVisible()) placeSummary();
    if (watched != &board_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        session_.closeSummary();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString GameRecordView::saveLogTo(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    QByteArray text;
    for (int i = 0; i < list_->count(); ++i) text += list_->item(i)->text().toUtf8() + '\n';
    if (file.write(text) != text.size() || !file.flush())
        return tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

void GameRecordView::saveLog() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(&window_, tr("Save Game Log"),
                                                      QDir(folder).filePath(QStringLiteral("quadrino-game-log.txt")),
                                                      tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty()) return;
    const QString error = saveLogTo(path);
    if (!error.isEmpty()) QMessageBox::warning(&window_, tr("Save Game Log"), error);
}

} // namespace quadrino
