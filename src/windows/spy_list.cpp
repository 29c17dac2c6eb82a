// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/spy_list.h"
#include "windows/side_windows.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "art/art.h"

namespace quadrino {
namespace {

constexpr const char* kTag = "tag";

} // namespace

SpyListWindow::SpyListWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
    setUpSideWindow(this, QStringLiteral("spylist"), tr("Quadrino - Spys"), 11);
    setFixedSize(200, 260);
    closeOnEscape(this);

    auto* heading = new QLabel(tr("Spy List"), this);
    heading->setObjectName(QStringLiteral("label_heading"));
    heading->setFont(sideWindowFont(18, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(0, 8, width(), 24);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("listbox_spys"));
    list_->setFont(sideWindowFont(13, false));
    list_->setGeometry(12, 40, width() - 24, 172);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setProperty(kTag, -1);
    // The pointer is followed without a button held, so the menu knows what it points at.
    list_->viewport()->setMouseTracking(true);
    list_->viewport()->installEventFilter(this);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        openMenu(pos);
        popup_->popup(list_->viewport()->mapToGlobal(pos));
    });

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popup_kick"));
    kick_ = popup_->addAction(tr("&Remove From Game"));
    kick_->setObjectName(QStringLiteral("popup_kickhim"));
    kick_->setEnabled(false);
    connect(kick_, &QAction::triggered, this, &SpyListWindow::onRemoveChosen);

    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setGeometry((width() - 75) / 2, 222, 75, 25);
    connect(done, &QPushButton::clicked, this, &SpyListWindow::onDoneClicked);
}

QString SpyListWindow::entryText(int number, const QString& name) {
    return QString::number(number) + QStringLiteral(": ") + name;
}

std::optional<MenuTarget> SpyListWindow::parseEntry(const QString& entry) {
    const qsizetype colon = entry.indexOf(u':');
    if (colon < 0) return std::nullopt;
    bool ok = false;
    const int number = entry.left(colon).toInt(&ok, 10);
    if (!ok) return std::nullopt;
    QString name = entry.mid(colon + 1);
    if (name.startsWith(u' ')) name.remove(0, 1);
    return MenuTarget{number, name};
}

void SpyListWindow::addSpy(int number, const QString& name) { addEntry(entryText(number, name)); }

bool SpyListWindow::removeSpy(int number, const QString& name) { return removeEntry(entryText(number, name)); }

void SpyListWindow::addEntry(const QString& entry) {
    // A list item never interprets markup, so a name such as "<b>x</b>" shows as typed.
    list_->addItem(entry);
}

bool SpyListWindow::removeEntry(const QString& entry) {
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->text().compare(entry, Qt::CaseInsensitive) == 0) {
            delete list_->takeItem(row);
            // The rows below moved up; what the pointer is over is known again at its next move.
            setPointerIndex(-1);
            return true;
        }
    }
    return false;
}

void SpyListWindow::clearSpys() {
    list_->clear();
    setPointerIndex(-1);
}

QStringList SpyListWindow::entries() const {
    QStringList out;
    out.reserve(list_->count());
    for (int row = 0; row < list_->count(); ++row) out.append(list_->item(row)->text());
    return out;
}

void SpyListWindow::setEntries(const QStringList& wanted) {
    for (const QString& entry : entries())
        if (!wanted.contains(entry)) removeEntry(entry);
    const QStringList shown = entries();
    for (const QString& entry : wanted)
        if (!shown.contains(entry)) addEntry(entry);
}

void SpyListWindow::setHosting(bool hosting) { kick_->setEnabled(hosting); }

void SpyListWindow::showSpyList() {
    show();
    raise();
    activateWindow();
}

void SpyListWindow::onDoneClicked() { hide(); }

void SpyListWindow::setPointerIndex(int index) { list_->setProperty(kTag, index); }

void SpyListWindow::openMenu(const QPoint& viewportPos) {
    const QModelIndex at = list_->indexAt(viewportPos);
    setPointerIndex(at.isValid() ? at.row() : -1);
    menuTarget_ = MenuTarget{};
    if (!at.isValid()) return;
    if (const std::optional<MenuTarget> entry = parseEntry(list_->item(at.row())->text())) menuTarget_ = *entry;
}

void SpyListWindow::onRemoveChosen() {
    const MenuTarget target = menuTarget_;
    menuTarget_ = MenuTarget{};
    if (!kick_->isEnabled() || !target.valid()) return;
    // Act only on the spectator the menu was opened on, wherever the entry has moved since;
    // if it has left (or its number now belongs to someone else), nobody is removed.
    for (const QString& entry : entries()) {
        const std::optional<MenuTarget> now = parseEntry(entry);
        if (now && stillShows(target, now->number, now->name)) {
            emit removeRequested(target.number);
            return;
        }
    }
}

bool SpyListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const QModelIndex at = list_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            setPointerIndex(at.isValid() ? at.row() : -1);
        } else if (event->type() == QEvent::Leave) {
            setPointerIndex(-1);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quadrino
