#include <gtest/gtest.h>

#include <QFile>

#include "e2e_support.h"

namespace {
QStringList ExpectedHelp() {
    QFile f(QStringLiteral(SOURCE_DIR "/tests/data/help.txt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
}  // namespace

TEST(CommandLine, HelpPrintsTheWholeText) {
    for (const char* flag : {"-h", "-?", "--HELP", "--help=x", "-H"}) {
        SCOPED_TRACE(flag);
        const RunResult r = RunProgram({QString::fromLatin1(flag)});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.outLines(), ExpectedHelp());
        EXPECT_EQ(r.err, QString());
    }
}

TEST(CommandLine, VersionPrintsOneLine) {
    for (const char* flag : {"-v", "-V", "--version", "--VERSION=1"}) {
        SCOPED_TRACE(flag);
        const RunResult r = RunProgram({QString::fromLatin1(flag), QStringLiteral("-i")});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, QStringLiteral("2.3\n"));
    }
}

TEST(CommandLine, RefusedValuesPrintTheErrorLine) {
    const QStringList cases[] = {
        {"-i"}, {"-i", "-o", "d:\\out"}, {"--input"}, {"--input="}, {"-q", "-i"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const RunResult r = RunProgram(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, QStringLiteral("Error: Incorrect number of parameters\n"));
    }
}

TEST(CommandLine, PauseWaitsForAKeyAndEndsAtEndOfInput) {
    // With an error, -p waits without printing the prompt; closed input ends the wait.
    RunResult r = RunProgram({"-p", "-i"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, QStringLiteral("Error: Incorrect number of parameters\n"));
    r = RunProgram({"-p", "-i"}, QString(), "x");
    EXPECT_EQ(r.status, 1);
    // -p after the parameter in error is never seen.
    r = RunProgram({"-i", "-p"});
    EXPECT_EQ(r.out, QStringLiteral("Error: Incorrect number of parameters\n"));
}

TEST(CommandLine, WithoutAnInputTheWindowWouldStart) {
    for (const QStringList& args : {QStringList{}, QStringList{"picture.png"}, QStringList{"-q"}, QStringList{"-p"}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const RunResult r = RunProgram(args);
        EXPECT_EQ(r.status, 4);
        EXPECT_EQ(r.out, QString());
        EXPECT_FALSE(r.err.isEmpty());
    }
}

TEST(SingleInstance, SecondCopyOfTheSameVersionEndsAtOnce) {
    QTemporaryDir lockDir;
    // The first copy holds the lock while it waits for a key on an open pipe.
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), lockDir.path());
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(RASTOCCMD_PATH), {QStringLiteral("-p"), QStringLiteral("-i")});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(first.waitForReadyRead(20000));  // its error line: the lock is taken

    RunResult second = RunProgram({QStringLiteral("-v")}, QString(), QByteArray(), lockDir.path());
    EXPECT_EQ(second.status, 3);
    EXPECT_EQ(second.out, QString());
    EXPECT_FALSE(second.err.isEmpty());

    // Window mode stays silent.
    second = RunProgram({}, QString(), QByteArray(), lockDir.path());
    EXPECT_EQ(second.status, 3);
    EXPECT_EQ(second.err, QString());

    first.write("k");
    first.closeWriteChannel();
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitCode(), 1);

    // Once the first copy has ended the lock is free again.
    second = RunProgram({QStringLiteral("-v")}, QString(), QByteArray(), lockDir.path());
    EXPECT_EQ(second.status, 0);
}
