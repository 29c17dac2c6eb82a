// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game options dialog: the hosting user picks the optional rules and starts a game.
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QSpinBox>

#include <array>
#include <functional>
#include <string>

#include "rules/game_options.h"

class QAbstractButton;

namespace quadrino {

// A check picture that toggles when clicked. Its state (0 off, 1 on) is the dynamic property
// "tag", as the rest of the program reads it.
class CheckImage : public QLabel {
    Q_OBJECT
public:
    explicit CheckImage(const QString& name, QWidget* parent = nullptr);
    int state() const;
    // Shows picture `value` (0 or 1) and stores it in "tag".
    void setState(int value);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space toggles the box that has the focus, which wears a dotted frame.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// A number option's box (the block limit): 0 to its highest, no wrapping, no arrow keys;
// reached by Tab so that the dialog works from the keyboard alone.
class LimitSpinBox : public QSpinBox {
    Q_OBJECT
public:
    LimitSpinBox(const QString& name, int highest, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class GameOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameOptionsDialog(QWidget* parent = nullptr);

    // Where the dialog gets the user's name, sends its message, and what runs after a start
    // (saving the settings).
    void setNameProvider(std::function<QString()> provider);
    void setSender(std::function<void(const std::string&)> sender);
    void setAfterStart(std::function<void()> afterStart);

    // What the controls show now.
    GameOptions options() const;
    // Shows the options the settings file keeps; the others keep their state.
    void showKept(const GameOptions& options);

    // Toggles one of the six boxes (every box's click lands here).
    void box_penaltyClick(CheckImage* box);
    // Sets the box with this component name to 0 or 1. Unknown names and other values are
    // refused (false) and change nothing.
    bool changebox(const QString& name, int value);
    // Sets the number box with this name; the value is kept within the option's range.
    // Unknown names are refused (false).
    bool setNumberBox(const QString& name, int value);
    // Sends the start request with the current choices, hides the dialog, then runs the
    // after-start hook.
    void button_startClick();

    // The message a start would send now.
    std::string startMessage() const;

protected:
    void showEvent(QShowEvent* event) override;
    // Enter starts the game from anywhere in the dialog (Escape closes it, as in any dialog).
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Each lays out one option's controls from `y` down and answers where the next begins.
    int addBox(const GameOptionRow& row, int y);
    int addNumberBox(const GameOptionRow& row, int y);

    // The control of each option, at its row's index; the kinds tell which is which.
    std::array<CheckImage*, kGameOptionCount> boxes_{};
    std::array<LimitSpinBox*, kGameOptionCount> numbers_{};
    QAbstractButton* start_ = nullptr;

    QHash<QObject*, CheckImage*> captionBoxes_; // caption label -> its box

    std::function<QString()> nameProvider_;
    std::function<void(const std::string&)> sender_;
    std::function<void()> afterStart_;
};

} // namespace quadrino
