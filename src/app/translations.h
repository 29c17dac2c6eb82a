// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's language: the game's own texts and Qt's (standard buttons and dialogs).
#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace quadrino {

// Installs the translations for `locale` into `app` and returns the languages found (the
// game's own, then Qt's). English needs none: the texts in the code are English, which is
// also what a language without a translation gets.
QStringList installTranslations(QCoreApplication& app, const QLocale& locale);

// The languages the game ships a translation of, by their names ("de", "es").
QStringList shippedLanguages();

} // namespace quadrino
