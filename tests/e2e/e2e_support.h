#pragma once
// Runs build/rastoccmd as a child process and captures what it prints.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

struct RunResult {
    int status = -1;
    bool crashed = false;
    QString out;
    QString err;
    QStringList outLines() const {
        QStringList lines = out.split(u'\n');
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
};

// Each run gets its own lock folder and settings folder, so tests can run in
// parallel and never touch the user's files.
inline RunResult RunProgram(const QStringList& args, const QString& workDir = QString(),
                            const QByteArray& input = QByteArray(), const QString& lockDir = QString()) {
    static QTemporaryDir privateDir;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), lockDir.isEmpty() ? privateDir.path() : lockDir);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), privateDir.path() + QStringLiteral("/config"));
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(RASTOCCMD_PATH), args);
    p.waitForStarted();
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    RunResult r;
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.status = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}
