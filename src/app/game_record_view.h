// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game as a player follows it: the game log in a pane beside the board (View > "Game
// Log") and the summary over the board when a game ends. Both are drawn from the table
// model's record, which the session keeps; this view only shows it.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "table/game_record.h"

class QDockWidget;
class QFrame;
class QLabel;
class QListWidget;
class QMainWindow;
class QPushButton;
class QTableWidget;
class QWidget;

namespace quadrino {

class ClientSession;

class GameRecordView : public QObject {
    Q_OBJECT
public:
    // The pane docks in `window`, the summary lies over `board`; "Play Again" runs `playAgain`.
    GameRecordView(QMainWindow& window, QWidget& board, ClientSession& session, std::function<void()> playAgain);

    void setLogShown(bool shown);
    // Asks where, then writes the log as shown, UTF-8 text.
    void saveLog();
    // Writes the log as shown to `path`; the error in words, or empty.
    QString saveLogTo(const QString& path) const;

    // A log line in the user's language.
    static QString lineText(const table::LogLine& line);

private:
    void append(const std::vector<table::LogLine>& lines);
    void showSummary();
    void placeSummary();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QMainWindow& window_;
    QWidget& board_;
    ClientSession& session_;
    QDockWidget* dock_;
    QListWidget* list_;
    QLabel* latest_;
    QFrame* summary_;
    QLabel* title_;
    QTableWidget* table_;
    QPushButton* playAgain_;
    QPointer<QWidget> focusBefore_;
    int widthChange_ = 0; // what the pane's last showing or hiding would change the width by
};

} // namespace quadrino
