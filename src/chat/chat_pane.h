// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chat pane `mainchat`: the latest system notices and chat lines, one text style per line
// kind. A style holds one colour for all its lines, so a sender's latest colour recolours that
// sender's earlier lines. Text from peers is only ever shown as plain text.
#include <QTextBrowser>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

#include "chat/chat_line.h"

namespace quadrino {

// What the pane keeps: the latest lines, as many as these bounds allow. A peer may send lines
// for as long as the game lasts, and every line kept costs memory and layout. Taking the oldest
// lines away moves every later one, so they go a batch at a time, once a tenth more than the
// bound of lines or characters has gathered.
inline constexpr std::size_t kChatLines = 5000;
// Enough for 5000 lines of 400 characters; a flood of the longest lines keeps a few hundred.
inline constexpr std::size_t kChatCharacters = 2'000'000;
// Links shown at once. Each link shown is a format of the document's own, and the document
// never forgets a format; so links take their numbers in turn from this many, and the oldest
// lines go before a number would be shown twice. More than the longest line can hold.
inline constexpr std::size_t kChatLinks = 5000;

class ChatPane : public QTextBrowser {
    Q_OBJECT
public:
    explicit ChatPane(QWidget* parent = nullptr);

    // One line: "kind+" then the text. Lines of an unknown kind are not shown.
    void addlinetochat(const QString& text, BgrColour colour);
    // The data of a received CMD_chat or CMD_action (after the command word).
    void chatrecieved(const QString& received);

    // The point size of every text style (10 until the settings say otherwise).
    void setTextSize(int points);
    int textSize() const { return textSize_; }
    // The window's scale: the text is shown `zoom` times the chosen size.
    void setZoom(qreal zoom);
    // While set, new lines do not scroll the pane to the end.
    void setScrollOff(bool off) { scrollOff_ = off; }
    bool scrollOff() const { return scrollOff_; }
    // Removes every line, and with them their links.
    void clearChat();

    // The colour a style shows, nullopt before its first line.
    std::optional<BgrColour> styleColour(int style) const;
    // The style and colour of the text at a document position (for checks and tests).
    int styleAt(int position) const;

    // Smiley picture n (0..17), 17 x 16; the default draws a plain face.
    void setSmileyPictures(std::function<QImage(int)> pictures) { smileys_ = std::move(pictures); }
    // Opens a web address (http or https, see webLinkTarget); returns false when it cannot be
    // opened. The default asks the desktop. Links to anything else never reach it.
    void setLinkOpener(std::function<bool(const QString&)> opener) { opener_ = std::move(opener); }
    // The link words of the lines still shown, oldest first, without their trailing blank.
    const std::deque<QString>& linkTargets() const { return links_; }

signals:
    // A link could not be opened ("Cannot open Webpage").
    void linkFailed();

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void recolour(int style, BgrColour colour);
    // Draws the lines in view in their style's colour (the pane's extra selections).
    void showStyleColours();
    QTextCharFormat styleFormat(int style) const;
    void openLink(const QUrl& url);
    void applyPaneLook();
    void applyTextSize();
    void dropOldestLines();

    std::array<std::optional<BgrColour>, kChatStyleCount> colours_{};
    std::deque<QString> links_;
    std::uint64_t firstLink_ = 0; // the number of links_.front()
    struct KeptLine {
        std::size_t characters;
        std::size_t links;
    };
    std::deque<KeptLine> lines_; // the lines shown, oldest first: one block of the document each
    std::size_t characters_ = 0;
    std::function<QImage(int)> smileys_;
    std::function<bool(const QString&)> opener_;
    int textSize_ = 10;
    qreal zoom_ = 1.0;
    bool scrollOff_ = false;
};

} // namespace quadrino
