// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace quadrino {

namespace {
// Built into the program, so a copy run from its build folder or unpacked anywhere speaks
// the same languages as an installed one.
const QString kOwnFolder = QStringLiteral(":/i18n");
} // namespace

QStringList installTranslations(QCoreApplication& app, const QLocale& locale) {
    QStringList found;
    auto install = [&](const QString& name, const QString& folder) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            found << translator->language();
        } else {
            delete translator;
        }
    };
    install(QStringLiteral("quadrino"), kOwnFolder);
    // Qt's own texts only where the game speaks the language too, so a dialog never mixes
    // a translated button into English text.
    if (!found.isEmpty()) install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return found;
}

QStringList shippedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(kOwnFolder).entryList({QStringLiteral("quadrino_*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(9, file.size() - 9 - 3);
    return languages;
}

} // namespace quadrino
