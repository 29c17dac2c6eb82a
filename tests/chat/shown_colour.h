// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour a character of the chat pane is drawn in: the pane's colouring of the lines in
// view over the document's own format, else the pane's text colour. The pane is scrolled so
// the character is in view first, as a reader would.
// (Shown: a pane never shown lays nothing out.)
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "chat/chat_pane.h"

inline QColor shownColour(quadrino::ChatPane& pane, int block, int offset) {
    if (!pane.isVisible()) {
        pane.show();
        if (!QTest::qWaitForWindowExposed(&pane)) return {};
    }
    QTextDocument* doc = pane.document();
    const QTextBlock b = doc->findBlockByNumber(block);
    pane.verticalScrollBar()->setValue(int(doc->documentLayout()->blockBoundingRect(b).top()));
    const int at = b.position() + offset;
    for (const QTextEdit::ExtraSelection& s : pane.extraSelections())
        if (s.cursor.selectionStart() <= at && at < s.cursor.selectionEnd() && s.format.hasProperty(QTextFormat::ForegroundBrush))
            return s.format.foreground().color();
    QTextCursor c(b);
    c.setPosition(at + 1);
    const QTextCharFormat f = c.charFormat();
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : pane.palette().color(QPalette::Text);
}
