// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tally window: games played and won against the opponents the user chose to tally,
// in total and since the program started, kept in the compressed tally file between runs.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableWidget;

namespace quadrino {

class TallyWindow : public QWidget {
    Q_OBJECT
public:
    // Asks a Yes/No question; true for Yes.
    using ConfirmFunction = std::function<bool(const QString& text)>;
    // Tells the user about a tally file that could not be read.
    using ErrorFunction = std::function<void(const QString& text)>;

    // The winner argument of addgame when the user won.
    static constexpr const char* kUserWon = "addtomine";
    // The seat label of an empty seat; never a player.
    static constexpr const char* kEmptySeat = "<Waiting>";

    // Loads the tally file at once. A file that cannot be read is renamed out of the way
    // and reported (through the error function, once the event loop runs).
    explicit TallyWindow(const QString& tallyFilePath, QWidget* parent = nullptr);
    // Saves the tally.
    ~TallyWindow() override;

    // Writes the tally file now, replacing the old one only once the new one is complete.
    // False when it could not be written; the old file is then untouched.
    bool save();

    // The names on the seats of the current game other than the user's own.
    void loadchecklist(const QStringList& otherPlayersInGame);
    // Records a finished game won by `winner` (kUserWon when the user won).
    void addgame(const QString& winner, const QStringList& otherPlayersInGame);

    QString tallyFilePath() const { return tallyFilePath_; }
    // Why the tally file did not load, empty when it loaded or did not exist.
    QString loadError() const { return loadError_; }
    // Where an unreadable tally file was moved to, empty when none was.
    QString setAsidePath() const { return setAsidePath_; }

    // Replace the message boxes, e.g. in tests or for a headless run.
    void setConfirmFunction(ConfirmFunction confirm) { confirm_ = std::move(confirm); }
    void setErrorFunction(ErrorFunction error) { error_ = std::move(error); }

    // Window handlers.
    void listbox_tallyClick();
    void button_resetClick();
    void button_doneClick();

private:
    void buildWindow();
    void loadFromFile();
    void setAside(const QString& reason);
    void loadtally();
    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClickCheck(int row);
    void showRow(int row);
    void moverow(int row);
    void addOne(int row, int column);
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    int tallyIndexOf(const QString& name) const;
    void uncheckInChecklist(const QString& name);
    QLabel* panelLabel(int n) const { return panel_[n - 1]; }

    QString tallyFilePath_;
    QString loadError_;
    QString setAsidePath_;
    bool saveBlocked_ = false;
    ConfirmFunction confirm_;
    ErrorFunction error_;

    QTableWidget* stringgrid_scores = nullptr;
    QListWidget* checklist = nullptr;
    QListWidget* listbox_tally = nullptr;
    QLabel* mylabel_[4] = {};
    QLabel* panel_[8] = {};
    QLabel* label_hisname = nullptr;
    QLabel* label_hisnametop = nullptr;
    QPushButton* button_reset = nullptr;
    QPushButton* button_done = nullptr;
};

} // namespace quadrino
