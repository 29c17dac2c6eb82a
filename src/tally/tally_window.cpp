// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally/tally_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>
#include <limits>

#include "protocol/cp1252.h"
#include "tally/grid_text.h"
#include "tally/lzrw1kh.h"
#include "tally/tally_leftovers.h"

Q_LOGGING_CATEGORY(lcTally, "quadrino.tally", QtWarningMsg)

namespace quadrino {
namespace {

constexpr int kColumns = static_cast<int>(kTallyColumns);
// A real tally is a few kilobytes; these caps only keep a damaged or foreign file from
// costing memory. 10000 opponents of long names stay far below them.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxTextBytes = 16 * 1024 * 1024;

std::string toFileText(const QString& s) { return utf8ToCp1252(s.toStdString()); }
QString fromFileText(const std::string& s) { return QString::fromStdString(cp1252ToUtf8(s)); }

QString codecError(lzrw1kh::Error e, const QString& path) {
    return QString::fromStdString(lzrw1kh::errorText(e, QDir::toNativeSeparators(path).toStdString()));
}

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // Some of these show players' names, which are never read as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TallyWindow::TallyWindow(const QString& tallyFilePath, QWidget* parent)
    : QWidget(parent, Qt::Window), tallyFilePath_(tallyFilePath) {
    setObjectName(QStringLiteral("tallylist"));
    setWindowTitle(tr("Quadrino  - Tally List"));
    confirm_ = [this](const QString& text) {
        return QMessageBox::question(this, tr("Confirm"), text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    error_ = [this](const QString& text) { QMessageBox::critical(this, QStringLiteral("Quadrino"), text); };
    buildWindow();
    loadFromFile();
    if (!loadError_.isEmpty()) {
        // Reported once the event loop runs, so the owner can still choose how.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (error_) error_(loadError_);
            },
            Qt::QueuedConnection);
    }
}

TallyWindow::~TallyWindow() { save(); }

void TallyWindow::buildWindow() {
    stringgrid_scores = new QTableWidget(1, kColumns, this);
    stringgrid_scores->setObjectName(QStringLiteral("stringgrid_scores"));
    stringgrid_scores->hide();

    checklist = new QListWidget(this);
    checklist->setObjectName(QStringLiteral("checklist"));
    listbox_tally = new QListWidget(this);
    listbox_tally->setObjectName(QStringLiteral("listbox_tally"));

    for (int i = 0; i < 4; ++i)
        mylabel_[i] = namedLabel(QStringLiteral("mylabel_%1").arg(i + 1), QStringLiteral("0"), this);
    mylabel_[2]->hide();
    mylabel_[3]->hide();
    for (int i = 0; i < 8; ++i)
        panel_[i] = namedLabel(QStringLiteral("label_%1").arg(i + 1), QStringLiteral("0"), this);
    label_hisname = namedLabel(QStringLiteral("label_hisname"), tr("Wins:"), this);
    label_hisnametop = namedLabel(QStringLiteral("label_hisnametop"), QString(), this);
    QFont heading = label_hisnametop->font();
    heading.setBold(true);
    label_hisnametop->setFont(heading);

    button_reset = new QPushButton(tr("Reset Tally"), this);
    button_reset->setObjectName(QStringLiteral("button_reset"));
    button_done = new QPushButton(tr("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));

    auto* lists = new QVBoxLayout;
    lists->addWidget(new QLabel(tr("Players In Current Game"), this));
    lists->addWidget(checklist);
    lists->addWidget(new QLabel(tr("Players Being Tallied"), this));
    lists->addWidget(listbox_tally);

    auto* mine = new QGridLayout;
    mine->addWidget(new QLabel(tr("Total Games:"), this), 0, 0);
    mine->addWidget(mylabel_[0], 0, 1);
    mine->addWidget(new QLabel(tr("Your Wins"), this), 1, 0);
    mine->addWidget(mylabel_[1], 1, 1);
    mine->addWidget(mylabel_[2], 2, 0);
    mine->addWidget(mylabel_[3], 2, 1);

    auto* his = new QGridLayout;
    his->addWidget(label_hisnametop, 0, 0, 1, 3);
    his->addWidget(new QLabel(tr("Total"), this), 1, 1);
    his->addWidget(new QLabel(tr("Session"), this), 1, 2);
    his->addWidget(new QLabel(tr("Number of Games"), this), 2, 0);
    his->addWidget(label_hisname, 3, 0);
    his->addWidget(new QLabel(tr("Your Wins:"), this), 4, 0);
    his->addWidget(new QLabel(tr("Neither Won:"), this), 5, 0);
    for (int r = 0; r < 4; ++r) {
        his->addWidget(panel_[r], 2 + r, 1);      // label_1..label_4: totals
        his->addWidget(panel_[r + 4], 2 + r, 2);  // label_5..label_8: this run
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button_reset);
    buttons->addStretch();
    buttons->addWidget(button_done);

    auto* right = new QVBoxLayout;
    right->addLayout(mine);
    right->addSpacing(12);
    right->addLayout(his);
    right->addStretch();
    right->addLayout(buttons);

    auto* top = new QHBoxLayout(this);
    top->addLayout(lists);
    top->addLayout(right);

    connect(checklist, &QListWidget::itemChanged, this, &TallyWindow::checklistClickCheck);
    // Deleting an entry from inside its own check-state change would pull the item out from
    // under the view that is still handling the click, so the question waits for the loop.
    connect(listbox_tally, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const QPersistentModelIndex index(listbox_tally->model()->index(listbox_tally->row(item), 0));
        QMetaObject::invokeMethod(
            this,
            [this, index] {
                if (index.isValid()) listbox_tallyClickCheck(index.row());
            },
            Qt::QueuedConnection);
    });
    connect(listbox_tally, &QListWidget::currentRowChanged, this, &TallyWindow::listbox_tallyClick);
    connect(listbox_tally, &QListWidget::itemClicked, this, &TallyWindow::listbox_tallyClick);
    connect(button_reset, &QPushButton::clicked, this, &TallyWindow::button_resetClick);
    connect(button_done, &QPushButton::clicked, this, &TallyWindow::button_doneClick);
}

// ---- file ----

void TallyWindow::loadFromFile() {
    stringgrid_scores->setRowCount(1);
    for (int c = 0; c < kColumns; ++c) setCell(0, c, QStringLiteral("0"));
    if (tallyFilePath_.isEmpty()) return;

    const TallyLeftovers leftovers =
        tidyTallyLeftovers(std::filesystem::path(tallyFilePath_.toStdU16String()));
    auto shown = [](const std::filesystem::path& p) {
        return QDir::toNativeSeparators(QString::fromStdU16String(p.u16string()));
    };
    if (!leftovers.recovered.empty())
        qCWarning(lcTally) << "the tally file was missing; recovered it from the save left as"
                           << shown(leftovers.recovered);
    for (const auto& p : leftovers.kept)
        qCWarning(lcTally) << "left alone: a whole tally under a temporary name beside the tally file,"
                           << shown(p);
    if (!QFileInfo::exists(tallyFilePath_)) return;

    QFile file(tallyFilePath_);
    if (!file.open(QIODevice::ReadOnly)) return setAside(codecError(lzrw1kh::Error::OpenInput, tallyFilePath_));
    if (file.size() > kMaxFileBytes) return setAside(codecError(lzrw1kh::Error::TooLarge, tallyFilePath_));
    const QByteArray packed = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return setAside(codecError(lzrw1kh::Error::ReadShort, tallyFilePath_));
    file.close();

    lzrw1kh::Bytes text;
    const auto* begin = reinterpret_cast<const std::uint8_t*>(packed.constData());
    const lzrw1kh::Result r =
        lzrw1kh::decompress(std::span(begin, static_cast<std::size_t>(packed.size())), text, kMaxTextBytes);
    if (!r.ok()) return setAside(codecError(r.error, tallyFilePath_));

    const GridParse parsed =
        tallyGridFromText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    if (!parsed.ok())
        return setAside(QString::fromStdString(parsed.error) + QStringLiteral(" : ") +
                        QDir::toNativeSeparators(tallyFilePath_));

    const auto rows = static_cast<int>(parsed.grid.rows());
    stringgrid_scores->setRowCount(rows);
    for (int r2 = 0; r2 < rows; ++r2)
        for (int c = 0; c < kColumns; ++c)
            setCell(r2, c, fromFileText(parsed.grid.cell(static_cast<std::size_t>(c), static_cast<std::size_t>(r2))));
    loadtally();
}

// An unreadable tally would be overwritten by the next save; keep it under another name
// first, and if even that fails, keep it by not saving over it this run.
void TallyWindow::setAside(const QString& reason) {
    QString target = tallyFilePath_ + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = tallyFilePath_ + QStringLiteral(".unreadable-%1").arg(n);
    if (QFile::rename(tallyFilePath_, target)) {
        setAsidePath_ = target;
        loadError_ = reason + QStringLiteral("\n\n") +
                     tr("The unreadable tally file was kept as %1; a new tally is started.")
                         .arg(QDir::toNativeSeparators(target));
    } else {
        saveBlocked_ = true;
        loadError_ = reason + QStringLiteral("\n\n") +
                     tr("The unreadable tally file could not be moved aside, so it is left as it is and this "
                        "run's tally will not be saved.");
    }
    qCWarning(lcTally) << loadError_;
}

bool TallyWindow::save() {
    if (saveBlocked_) return false;
    const int rows = stringgrid_scores->rowCount();
    TextGrid grid(kTallyColumns, static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kColumns; ++c)
            grid.setCell(static_cast<std::size_t>(c), static_cast<std::size_t>(r), toFileText(cell(r, c)));
    const std::string text = gridToText(grid);
    lzrw1kh::Bytes packed;
    const auto* begin = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!lzrw1kh::compress(std::span(begin, text.size()), packed).ok()) return false;

    QDir().mkpath(QFileInfo(tallyFilePath_).absolutePath());
    QSaveFile file(tallyFilePath_);
    // Unbuffered, and flushed before the commit: QSaveFile renames the new file into place even
    // when only the final flush of its buffer fails (a full disk), which would leave a cut tally.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCWarning(lcTally) << "cannot write the tally file" << tallyFilePath_ << file.errorString();
        return false;
    }
    const auto size = static_cast<qint64>(packed.size());
    if (file.write(reinterpret_cast<const char*>(packed.data()), size) != size || !file.flush()) {
        qCWarning(lcTally) << "cannot write the tally file" << tallyFilePath_ << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcTally) << "cannot write the tally file" << tallyFilePath_ << file.errorString();
        return false;
    }
    return true;
}

// ---- grid ----

QString TallyWindow::cell(int row, int column) const {
    const QTableWidgetItem* item = stringgrid_scores->item(row, column);
    return item ? item->text() : QString();
}

void TallyWindow::setCell(int row, int column, const QString& text) {
    if (QTableWidgetItem* item = stringgrid_scores->item(row, column)) item->setText(text);
    else stringgrid_scores->setItem(row, column, new QTableWidgetItem(text));
}

// A count that is not a number (a hand-edited or damaged file) counts on from 0.
void TallyWindow::addOne(int row, int column) {
    bool ok = false;
    const qlonglong value = cell(row, column).toLongLong(&ok);
    if (!ok) setCell(row, column, QStringLiteral("1"));
    else if (value < std::numeric_limits<qlonglong>::max()) setCell(row, column, QString::number(value + 1));
}

void TallyWindow::moverow(int row) {
    if (row < 1 || row >= stringgrid_scores->rowCount() || stringgrid_scores->rowCount() <= 1) return;
    stringgrid_scores->removeRow(row);
}

int TallyWindow::tallyIndexOf(const QString& name) const {
    for (int i = 0; i < listbox_tally->count(); ++i)
        if (listbox_tally->item(i)->text().compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TallyWindow::uncheckInChecklist(const QString& name) {
    const QSignalBlocker blocker(checklist);
    for (int i = 0; i < checklist->count(); ++i) {
        QListWidgetItem* item = checklist->item(i);
        if (name.isNull() || item->text().compare(name, Qt::CaseInsensitive) == 0)
            item->setCheckState(Qt::Unchecked);
    }
}

void TallyWindow::loadtally() {
    for (int i = 0; i < 4; ++i) mylabel_[i]->setText(cell(0, i + 1));
    const QSignalBlocker blocker(listbox_tally);
    for (int r = 1; r < stringgrid_scores->rowCount(); ++r) {
        auto* item = new QListWidgetItem(cell(r, 0), listbox_tally);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        for (int c = 5; c <= 8; ++c) setCell(r, c, QStringLiteral("0"));
    }
}

// ---- game ----

void TallyWindow::loadchecklist(const QStringList& otherPlayersInGame) {
    const QSignalBlocker blocker(checklist);
    checklist->clear();
    for (const QString& name : otherPlayersInGame) {
        if (name == QLatin1String(kEmptySeat)) continue;
        auto* item = new QListWidgetItem(name, checklist);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(tallyIndexOf(name) >= 0 ? Qt::Checked : Qt::Unchecked);
    }
}

void TallyWindow::addgame(const QString& winner, const QStringList& otherPlayersInGame) {
    loadchecklist(otherPlayersInGame);
    const bool userWon = winner == QLatin1String(kUserWon);
    addOne(0, 1);
    mylabel_[0]->setText(cell(0, 1));
    if (userWon) {
        addOne(0, 2);
        mylabel_[1]->setText(cell(0, 2));
    }
    for (int i = 0; i < checklist->count(); ++i) {
        const int index = tallyIndexOf(checklist->item(i)->text());
        if (index < 0) continue;
        const int row = index + 1;
        for (int c = 1; c <= 8; ++c)
            if (cell(row, c).isEmpty()) setCell(row, c, QStringLiteral("0"));
        addOne(row, 1);
        addOne(row, 5);
        if (cell(row, 0) == winner) {
            addOne(row, 2);
            addOne(row, 6);
        } else if (userWon) {
            addOne(row, 3);
            addOne(row, 7);
        } else {
            addOne(row, 4);
            addOne(row, 8);
        }
    }
    if (listbox_tally->currentItem() && listbox_tally->currentItem()->isSelected()) listbox_tallyClick();
}

// ---- handlers ----

void TallyWindow::checklistClickCheck(QListWidgetItem* item) {
    if (!item) return;
    const QString name = item->text();
    if (tallyIndexOf(name) >= 0) return;  // unchecking never removes a tally
    if (listbox_tally->count() + 1 >= static_cast<int>(kTallyMaxRows)) {
        const QSignalBlocker blocker(checklist);
        item->setCheckState(Qt::Unchecked);
        return;
    }
    {
        const QSignalBlocker blocker(listbox_tally);
        auto* entry = new QListWidgetItem(name, listbox_tally);
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Checked);
    }
    const int row = stringgrid_scores->rowCount();
    stringgrid_scores->setRowCount(row + 1);
    setCell(row, 0, name);
    for (int c = 1; c < kColumns; ++c) setCell(row, c, QStringLiteral("0"));
}

void TallyWindow::listbox_tallyClickCheck(int row) {
    QListWidgetItem* item = listbox_tally->item(row);
    if (!item || item->checkState() == Qt::Checked) return;
    const QString name = item->text();
    const QPersistentModelIndex index(listbox_tally->model()->index(row, 0));
    const bool yes =
        confirm_ && confirm_(tr("This will delete %1's Tally, Are you want to delete it?").arg(name));
    // The question may have run the event loop: find the entry again.
    if (!index.isValid()) return;
    row = index.row();
    item = listbox_tally->item(row);
    if (!yes) {
        const QSignalBlocker blocker(listbox_tally);
        item->setCheckState(Qt::Checked);
        return;
    }
    moverow(row + 1);
    {
        const QSignalBlocker blocker(listbox_tally);
        delete listbox_tally->takeItem(row);
    }
    uncheckInChecklist(name);
    listbox_tallyClick();
}

void TallyWindow::listbox_tallyClick() { showRow(listbox_tally->currentRow()); }

void TallyWindow::showRow(int index) {
    const int row = index + 1;
    if (index < 0 || row >= stringgrid_scores->rowCount()) return;
    for (int n = 1; n <= 8; ++n) panelLabel(n)->setText(cell(row, n));
    const QString name = cell(row, 0);
    label_hisname->setText(tr("%1 Wins:").arg(name));
    label_hisnametop->setText(tr("%1's Tally").arg(name));
}

void TallyWindow::button_resetClick() {
    if (!confirm_ || !confirm_(tr("Are you sure you want to reset the Tally?"))) return;
    for (int i = 0; i < 4; ++i) {
        mylabel_[i]->setText(QStringLiteral("0"));
        setCell(0, i + 1, QStringLiteral("0"));
    }
    if (stringgrid_scores->rowCount() > 1) {
        for (int r = 0; r < stringgrid_scores->rowCount(); ++r) {
            setCell(r, 0, QString());
            for (int c = 1; c < kColumns; ++c) setCell(r, c, QStringLiteral("0"));
        }
    }
    {
        const QSignalBlocker blocker(listbox_tally);
        listbox_tally->clear();
    }
    uncheckInChecklist(QString());
    stringgrid_scores->setRowCount(1);
    for (int n = 1; n <= 8; ++n) panelLabel(n)->setText(QStringLiteral("0"));
}

void TallyWindow::button_doneClick() { hide(); }

} // namespace quadrino
