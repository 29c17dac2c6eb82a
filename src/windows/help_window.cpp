// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/help_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/side_windows.h"

namespace quadrino {
namespace {

QPushButton* sideButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(sideWindowFont(13, true));
    button->setAutoDefault(false);
    button->setMinimumHeight(28);
    return button;
}

// The room the window's frame takes round it. Before the window manager has framed the
// window its frame reads as none; a title bar is reserved all the same, or the window's
// bottom edge ends up under the screen's.
QMargins frameAllowance(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    if (frame.isNull())
        frame.setTop(window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window));
    return frame;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setUpSideWindow(this, QStringLiteral("help"), tr("Quadrino - Help File"), 13);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);

    // On a short screen the buttons scroll rather than fall off the bottom, "Done" with them.
    auto* sideScroll = sideScroll_ = new QScrollArea(this);
    sideScroll->setObjectName(QStringLiteral("scroll_side"));
    sideScroll->setFixedWidth(150);
    sideScroll->setFrameShape(QFrame::NoFrame);
    sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideScroll->setWidgetResizable(true);
    // Its buttons take the focus and scroll themselves into view; the panel is no stop of its own.
    sideScroll->setFocusPolicy(Qt::NoFocus);
    // The window's background shows through, as it did before the panel could scroll.
    sideScroll->viewport()->setAutoFillBackground(false);
    auto* side = new QFrame(sideScroll);
    side->setObjectName(QStringLiteral("panel_side"));
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(6);

    auto* main = new QFrame(this);
    main->setObjectName(QStringLiteral("panel_main"));
    auto* mainLayout = new QVBoxLayout(main);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(6);

    caption_ = new QLabel(main);
    caption_->setObjectName(QStringLiteral("label_caption"));
    caption_->setTextFormat(Qt::PlainText);
    caption_->setFont(sideWindowFont(18, true));
    mainLayout->addWidget(caption_);

    auto* stack = new QStackedWidget(main);
    stack->setObjectName(QStringLiteral("pages"));
    mainLayout->addWidget(stack, 1);

    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (const HelpPage& page : helpPages()) {
        QPushButton* button = sideButton(side, QStringLiteral("button_page%1").arg(page.tag), page.button);
        button->setProperty("tag", page.tag);
        button->setCheckable(true);
        group->addButton(button);
        sideLayout->addWidget(button);
        pageButtons_.append(button);
        connect(button, &QPushButton::clicked, this, [this, tag = page.tag] { showPage(tag); });

        auto* memo = new QTextBrowser(stack);
        memo->setObjectName(QStringLiteral("memo%1").arg(page.tag));
        memo->setProperty("tag", page.tag);
        memo->setOpenExternalLinks(true);
        memo->setFont(sideWindowFont(13, false));
        QPalette pal = memo->palette();
        pal.setColor(QPalette::Base, QColor(250, 248, 238));
        pal.setColor(QPalette::Text, Qt::black);
        memo->setPalette(pal);
        memo->document()->setDocumentMargin(10);
        memo->setHtml(page.html);
        stack->addWidget(memo);
        memos_.append(memo);
    }
    sideLayout->addStretch(1);

    QPushButton* about = sideButton(side, QStringLiteral("button_about"), tr("About"));
    connect(about, &QPushButton::clicked, this, &HelpWindow::aboutRequested);
    sideLayout->addWidget(about);
    QPushButton* done = sideButton(side, QStringLiteral("button_done"), tr("Done"));
    connect(done, &QPushButton::clicked, this, &QWidget::hide);
    sideLayout->addWidget(done);

    // Tab goes down the side panel, then into the page: the page buttons are one stop (the
    // arrow keys walk them), then "About", "Done" and the page in front.
    setTabOrder(pageButtons_.last(), about);
    setTabOrder(about, done);
    for (QTextBrowser* memo : memos_) setTabOrder(done, memo); // only the one in front is a stop

    sideScroll->setWidget(side);
    // A button that takes the focus, by Tab or by the arrow keys that walk the page buttons,
    // comes into view.
    for (QAbstractButton* button : side->findChildren<QAbstractButton*>()) button->installEventFilter(this);
    layout->addWidget(sideScroll);
    layout->addWidget(main, 1);

    // Small enough for 1024x600 at twice the size, with room left for a title bar.
    setMinimumSize(400, 240);
    resize(680, 500);
    showPage(kFirstPage);
}

bool HelpWindow::showPage(int tag) {
    for (qsizetype i = 0; i < memos_.size(); ++i) {
        if (memos_[i]->property("tag").toInt() != tag) continue;
        auto* stack = qobject_cast<QStackedWidget*>(memos_[i]->parentWidget());
        if (stack) stack->setCurrentWidget(memos_[i]);
        memos_[i]->verticalScrollBar()->setValue(0);
        // Of the page buttons only the focused one is a Tab stop, and the arrow keys walk on
        // from it: it must be the page in front's, as after a click.
        if (pageButtons_.contains(focusWidget())) pageButtons_[i]->setFocus(Qt::OtherFocusReason);
        pageButtons_[i]->setChecked(true);
        caption_->setText(pageButtons_[i]->text());
        current_ = tag;
        return true;
    }
    return false;
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* button = qobject_cast<QAbstractButton*>(watched)) sideScroll_->ensureWidgetVisible(button);
    return QDialog::eventFilter(watched, event);
}

void HelpWindow::fitInto(const QRect& available) {
    if (!available.isValid()) return;
    const QMargins frame = frameAllowance(this);
    resize(size().boundedTo(available.marginsRemoved(frame).size()));
    // The top-left corner wins where even the smallest window is too large: the title bar
    // and the first buttons stay on screen.
    const QSize whole = size().grownBy(frame);
    const int x = std::max(available.left(), std::min(pos().x(), available.right() + 1 - whole.width()));
    const int y = std::max(available.top(), std::min(pos().y(), available.bottom() + 1 - whole.height()));
    move(x, y);
}

void HelpWindow::showEvent(QShowEvent* event) {
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (QScreen* screen = owner ? owner->screen() : this->screen()) {
        const QRect available = screen->availableGeometry();
        // Sized first, so that it is centred at the size it will have.
        resize(size().boundedTo(available.marginsRemoved(frameAllowance(this)).size()));
        if (owner) centreWindowAt(this, owner->frameGeometry().center());
        fitInto(available);
    }
    QDialog::showEvent(event);
}

} // namespace quadrino
