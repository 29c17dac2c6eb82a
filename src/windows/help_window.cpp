// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/help_window.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "windows/side_windows.h"

namespace quadrino {
namespace {

QFont helpFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QPushButton* sideButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(helpFont(13, true));
    button->setAutoDefault(false);
    button->setMinimumHeight(28);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Quadrino - Help File"));
    setModal(false);
    setFont(helpFont(13, false));
    applySideWindowBackground(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);

    auto* side = new QFrame(this);
    side->setObjectName(QStringLiteral("panel_side"));
    side->setFixedWidth(150);
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
    caption_->setFont(helpFont(18, true));
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
        memo->setFont(helpFont(13, false));
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

    QPushButton* about = sideButton(side, QStringLiteral("button_about"), QStringLiteral("About"));
    connect(about, &QPushButton::clicked, this, &HelpWindow::aboutRequested);
    sideLayout->addWidget(about);
    QPushButton* done = sideButton(side, QStringLiteral("button_done"), QStringLiteral("Done"));
    connect(done, &QPushButton::clicked, this, &QWidget::hide);
    sideLayout->addWidget(done);

    layout->addWidget(side);
    layout->addWidget(main, 1);

    setMinimumSize(560, 400);
    resize(680, 500);
    showPage(kFirstPage);
}

bool HelpWindow::showPage(int tag) {
    for (qsizetype i = 0; i < memos_.size(); ++i) {
        if (memos_[i]->property("tag").toInt() != tag) continue;
        auto* stack = qobject_cast<QStackedWidget*>(memos_[i]->parentWidget());
        if (stack) stack->setCurrentWidget(memos_[i]);
        memos_[i]->verticalScrollBar()->setValue(0);
        pageButtons_[i]->setChecked(true);
        caption_->setText(pageButtons_[i]->text());
        current_ = tag;
        return true;
    }
    return false;
}

void HelpWindow::showEvent(QShowEvent* event) {
    if (QWidget* owner = parentWidget()) centreWindowAt(this, owner->window()->frameGeometry().center());
    QDialog::showEvent(event);
}

} // namespace quadrino
