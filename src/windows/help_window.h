// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: a side panel of page buttons and one read-only page in front.
#include <QDialog>
#include <QList>
#include <QRect>
#include <QString>

class QAbstractButton;
class QLabel;
class QScrollArea;
class QTextBrowser;

namespace quadrino {

// One page of the help: the tag of its button (the page is "memo" + tag), the button's
// caption and the page text (simple HTML), both as the reader reads them.
struct HelpPage {
    int tag;
    QString button;
    QString html;
};

// The pages in the order of their buttons, in the language of the translators installed when
// it is called.
QList<HelpPage> helpPages();

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstPage = 1;

    explicit HelpWindow(QWidget* parent = nullptr);

    // Brings the page with this tag to the front and shows its caption; other tags change
    // nothing (false).
    bool showPage(int tag);
    int currentPage() const { return current_; }

    // Keeps the window, frame and all, within `available` (a screen's free area): no larger
    // than it and wholly inside it. Showing the window does this for the screen of its owner.
    void fitInto(const QRect& available);

signals:
    // The "About" button: the about box is wanted.
    void aboutRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollArea* sideScroll_ = nullptr;
    QLabel* caption_ = nullptr;
    QList<QTextBrowser*> memos_;
    QList<QAbstractButton*> pageButtons_;
    int current_ = 0;
};

} // namespace quadrino
