// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_pane.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "chat/free_text.h"

namespace quadrino {
namespace {

// The text style a fragment was written in, stored in its character format.
constexpr int kStyleProperty = QTextFormat::UserProperty + 1;
const QString kSmileyScheme = QStringLiteral("smiley");

QColor toQColor(BgrColour c) { return QColor::fromRgb(bgrToRgb(c) & 0xFFFFFFu); }

QImage plainFace(int n) {
    QImage img(17, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 220, 0));
    p.setPen(QColor(120, 90, 0));
    p.drawEllipse(QRectF(1.5, 0.5, 14, 14));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(5.5, 4.5, 1.5, 2));
    p.drawEllipse(QRectF(10, 4.5, 1.5, 2));
    p.setBrush(Qt::NoBrush);
    // The mouth varies a little so the eighteen codes are told apart.
    p.drawArc(QRectF(4.5, 5 + (n % 3), 8, 5), 200 * 16, 140 * 16);
    return img;
}

} // namespace

ChatPane::ChatPane(QWidget* parent) : QTextBrowser(parent), smileys_(plainFace) {
    setObjectName(QStringLiteral("mainchat"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUndoRedoEnabled(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(233, 233, 214));
    // Lines without a colour of their own stay dark on the light pane under a dark palette.
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(textSize_);
    setFont(f);
    applyPaneLook();
    opener_ = [](const QString& target) { return QDesktopServices::openUrl(QUrl(target, QUrl::StrictMode)); };
    connect(this, &QTextBrowser::anchorClicked, this, &ChatPane::openLink);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ChatPane::showStyleColours);
    // Links answer the mouse only: a link taken by the keyboard (or left selected by a click)
    // wears a dotted focus frame that lingered over every later line.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::TextSelectableByMouse);
}

void ChatPane::applyPaneLook() {
    // Five pixels of margin left and right; the lines start at the top edge.
    QTextFrameFormat ff = document()->rootFrame()->frameFormat();
    ff.setLeftMargin(5);
    ff.setRightMargin(5);
    ff.setTopMargin(2);
    ff.setBottomMargin(2);
    ff.setPadding(0);
    ff.setBorder(0);
    document()->rootFrame()->setFrameFormat(ff);
}

QTextCharFormat ChatPane::styleFormat(int style) const {
    QTextCharFormat fmt;
    fmt.setProperty(kStyleProperty, style);
    if (style == kChatLinkStyle) {
        fmt.setForeground(toQColor(0x008000));
        fmt.setFontUnderline(true);
    } else {
        // No colour here: it is drawn by showStyleColours, so a new colour needs no edit.
        fmt.setFontWeight(QFont::Bold);
    }
    return fmt;
}

std::optional<BgrColour> ChatPane::styleColour(int style) const {
    if (style < 0 || style >= kChatStyleCount) return std::nullopt;
    return colours_[static_cast<std::size_t>(style)];
}

int ChatPane::styleAt(int position) const {
    QTextCursor c(document());
    c.setPosition(position);
    c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    const QTextCharFormat fmt = c.charFormat();
    return fmt.hasProperty(kStyleProperty) ? fmt.intProperty(kStyleProperty) : -1;
}

void ChatPane::recolour(int style, BgrColour colour) {
    auto& slot = colours_[static_cast<std::size_t>(style)];
    if (slot == colour) return;
    slot = colour;
    // The lines keep no colour of their own (see showStyleColours), so the new colour reaches
    // every earlier line of the style without touching them.
    showStyleColours();
}

void ChatPane::showStyleColours() {
    // A style's colour is drawn over the lines in view only: a peer who changes colour with
    // every line costs the few lines on screen, never a walk over the whole chat, and the
    // document's format table holds one format per style whatever colours come and go.
    QList<QTextEdit::ExtraSelection> shown;
    QTextDocument* doc = document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    // Asking for the size lays out what is new (the rest is kept), so the blocks have places.
    layout->documentSize();
    const int top = verticalScrollBar()->value();
    const int bottom = top + viewport()->height();
    // The first block that ends below the top edge, and the first that starts below the bottom.
    auto firstBlockWhere = [&](auto&& after) {
        int low = 0, high = doc->blockCount();
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (after(layout->blockBoundingRect(doc->findBlockByNumber(mid)))) high = mid;
            else low = mid + 1;
        }
        return low;
    };
    const int first = firstBlockWhere([top](const QRectF& r) { return r.bottom() > top; });
    const int end = firstBlockWhere([bottom](const QRectF& r) { return r.top() >= bottom; });
    for (QTextBlock b = doc->findBlockByNumber(first); b.isValid() && b.blockNumber() < end; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment piece = it.fragment();
            const QTextCharFormat fmt = piece.charFormat();
            if (fmt.isAnchor() || fmt.isImageFormat() || !fmt.hasProperty(kStyleProperty)) continue;
            const auto colour = styleColour(fmt.intProperty(kStyleProperty));
            QTextEdit::ExtraSelection run;
            run.cursor = QTextCursor(doc);
            run.cursor.setPosition(piece.position());
            run.cursor.setPosition(piece.position() + piece.length(), QTextCursor::KeepAnchor);
            run.format.setForeground(toQColor(colour.value_or(kBlack)));
            shown.push_back(run);
        }
    }
    setExtraSelections(shown);
}

void ChatPane::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    showStyleColours();
}

void ChatPane::addlinetochat(const QString& text, BgrColour colour) {
    // A line break from a peer would start a line that looks like one of ours.
    const auto line = parseChatLine(blankControlCharacters(text));
    if (!line) return;
    recolour(line->style, line->kind == 0 ? colour : peerLineColour(colour));
    const QTextCharFormat fmt = styleFormat(line->style);

    // The whole line is one edit, laid out once; consecutive words of the line's style go in as
    // one run, so a long line costs about as much as its text and not a layout per word.
    QTextCursor c(document());
    c.beginEditBlock();
    c.movePosition(QTextCursor::End);
    if (!document()->isEmpty()) c.insertBlock();
    QString run = line->namePart + u' ';
    std::size_t links = 0;
    auto flush = [&] {
        if (!run.isEmpty()) c.insertText(run, fmt);
        run.clear();
    };
    for (const ChatPiece& piece : line->pieces) {
        switch (piece.type) {
        case ChatPiece::Type::Word:
            run += piece.text;
            break;
        case ChatPiece::Type::Link: {
            flush();
            QTextCharFormat lf = styleFormat(kChatLinkStyle);
            lf.setAnchor(true);
            lf.setAnchorHref(QString::number((firstLink_ + links_.size()) % kChatLinks));
            links_.push_back(piece.text.trimmed());
            ++links;
            c.insertText(piece.text, lf);
            break;
        }
        case ChatPiece::Type::Smiley: {
            flush();
            QTextImageFormat img;
            img.setName(kSmileyScheme + u':' + QString::number(piece.picture));
            img.setWidth(17);
            img.setHeight(16);
            img.setProperty(kStyleProperty, line->style);
            img.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            c.insertImage(img);
            break;
        }
        }
    }
    flush();
    const auto characters = static_cast<std::size_t>(c.block().length());
    lines_.push_back({characters, links});
    characters_ += characters;
    c.endEditBlock();
    // An edit of its own: one edit at both ends of the document would lay out every line in
    // between again.
    dropOldestLines();
    if (!scrollOff_) verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    showStyleColours();
}

void ChatPane::dropOldestLines() {
    const bool due = lines_.size() > kChatLines + kChatLines / 10 ||
                     characters_ > kChatCharacters + kChatCharacters / 10 || links_.size() > kChatLinks;
    if (!due) return;
    std::size_t lines = 0, characters = 0, links = 0;
    while (lines_.size() - lines > 1 &&
           (lines_.size() - lines > kChatLines || characters_ - characters > kChatCharacters ||
            links_.size() - links > kChatLinks - kChatLinks / 10)) {
        characters += lines_[lines].characters;
        links += lines_[lines].links;
        ++lines;
    }
    QTextCursor c(document());
    c.movePosition(QTextCursor::Start);
    c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, static_cast<int>(lines));
    c.removeSelectedText();
    lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(lines));
    characters_ -= characters;
    links_.erase(links_.begin(), links_.begin() + static_cast<std::ptrdiff_t>(links));
    firstLink_ += links;
}

void ChatPane::chatrecieved(const QString& received) {
    const ReceivedChat r = splitReceivedChat(received);
    addlinetochat(r.text, r.colour);
}

void ChatPane::setTextSize(int points) {
    if (points <= 0) return;
    textSize_ = points;
    applyTextSize();
}

void ChatPane::setZoom(qreal zoom) {
    if (zoom <= 0) return;
    zoom_ = zoom;
    applyTextSize();
}

void ChatPane::applyTextSize() {
    QFont f = font();
    f.setPointSizeF(textSize_ * zoom_);
    setFont(f);
    showStyleColours();
}

void ChatPane::clearChat() {
    clear();
    applyPaneLook();
    firstLink_ += links_.size();
    links_.clear();
    lines_.clear();
    characters_ = 0;
    showStyleColours();
}

QVariant ChatPane::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && name.scheme() == kSmileyScheme) {
        bool ok = false;
        const int n = name.path().toInt(&ok);
        QImage img = ok && smileys_ ? smileys_(n) : QImage();
        if (img.isNull()) {
            img = QImage(17, 16, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
        }
        return img;
    }
    return QTextBrowser::loadResource(type, name);
}

void ChatPane::openLink(const QUrl& url) {
    // The click leaves the link selected, which draws its focus frame; let it go.
    QTextCursor plain = textCursor();
    plain.clearSelection();
    setTextCursor(plain);
    bool ok = false;
    const auto number = url.toString().toULongLong(&ok);
    // The links shown hold consecutive numbers, no more of them than numbers to take.
    const std::uint64_t age = (number + kChatLinks - firstLink_ % kChatLinks) % kChatLinks;
    // Only web addresses reach the desktop: a peer's word must not open files, shares or other
    // programs' handlers on this machine.
    const bool shown = ok && number < kChatLinks && age < links_.size();
    const QString target = shown ? webLinkTarget(links_[age]) : QString();
    if (target.isEmpty() || !opener_ || !opener_(target)) emit linkFailed();
}

} // namespace quadrino
