// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test program, so each runs the same on its own as under CTest: on the
// offscreen platform, knowing where the build's programs and the sources are, and with a home
// of its own, so that nothing a test saves lands in the user's folders or beside the
// programs (where a later run of the game would take it for a portable copy's settings).
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace {

void setIfUnset(const char* name, const QByteArray& value) {
    if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}

struct TestEnvironment {
    QTemporaryDir home;
    TestEnvironment() {
        setIfUnset("QT_QPA_PLATFORM", "offscreen");
        setIfUnset("QUADRINO_BIN_DIR", QUADRINO_TEST_BIN_DIR);
        setIfUnset("QUADRINO_SOURCE_DIR", QUADRINO_TEST_SOURCE_DIR);
        // Nothing announced to or asked of the network the machine is on; a test about that
        // clears it inside namespaces of its own.
        setIfUnset("QUADRINO_STAY_LOCAL", "1");
        // Caches (fonts) stay where they were: they hold nothing of the test's.
        if (!qEnvironmentVariableIsEmpty("HOME")) setIfUnset("XDG_CACHE_HOME", qgetenv("HOME") + "/.cache");
        if (!home.isValid()) qFatal("no temporary folder for the test's home");
        const QByteArray path = QFile::encodeName(home.path());
        qputenv("HOME", path);
        qputenv("XDG_CONFIG_HOME", path + "/config");
        qputenv("XDG_DATA_HOME", path + "/data");
    }
};

const TestEnvironment environment;

} // namespace
