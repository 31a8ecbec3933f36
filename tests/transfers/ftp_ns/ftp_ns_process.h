#pragma once
// Runs the FTP_ns program as the main window starts it: over the program folder
// `home`, offscreen, with any extra environment the test needs.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// The exit code (-1 when the program crashed or did not finish in timeoutMs); what it
// wrote to standard error goes to `errors`.
inline int runFtpNs(const std::string& home, int timeoutMs, std::string& errors,
                    const std::vector<std::pair<QString, QString>>& extraEnvironment = {}) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVANTE_HOME", QString::fromStdString(home));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const auto& [name, value] : extraEnvironment)
        env.insert(name, value);
    program.setProcessEnvironment(env);
    program.start(FTP_NS_PATH, {});
    const bool finished = program.waitForFinished(timeoutMs);
    EXPECT_TRUE(finished);
    errors = program.readAllStandardError().toStdString();
    if (!finished || program.exitStatus() != QProcess::NormalExit)
        return -1;
    return program.exitCode();
}
