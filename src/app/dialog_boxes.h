// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The boxes the main window asks the user with, as functions so that tests can put their own
// in their place.
#include <QStringList>
#include <functional>

class QWidget;

namespace quadrino {

using MessageBox = std::function<void(const QString& text)>;
using QuestionBox = std::function<bool(const QString& text)>;
// A choice among a few ways on: the text and one button per choice; `chosen` gets the index
// picked, -1 when the box is closed without a choice.
using ChoiceBox = std::function<void(const QString& text, const QStringList& choices, std::function<void(int)> chosen)>;

MessageBox messageBoxOver(QWidget* window);
QuestionBox questionBoxOver(QWidget* window);
// Not modal to the program: the chat and the menus stay live while the box waits.
ChoiceBox choiceBoxOver(QWidget* window);

} // namespace quadrino
