#include "platform/console.h"

#include <termios.h>
#include <unistd.h>
#include <cstdio>

#include "platform/native_text.h"

bool OpenConsole() {
    return true;
}

void CloseConsole() {
    std::fflush(stdout);
}

void SetConsoleTitle(const QString& title) {
    if (!isatty(STDOUT_FILENO)) return;
    const QByteArray bytes = EncodeNativeText(title);
    std::fprintf(stdout, "\033]0;%s\007", bytes.constData());
    std::fflush(stdout);
}

void PrintLine(const QString& line) {
    const QByteArray bytes = EncodeNativeText(line);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void PrintErrorLine(const QString& line) {
    std::fflush(stdout);
    const QByteArray bytes = EncodeNativeText(line);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void WaitForKey() {
    std::fflush(stdout);
    char c = 0;
    if (!isatty(STDIN_FILENO)) {
        [[maybe_unused]] ssize_t n = read(STDIN_FILENO, &c, 1);
        return;
    }
    termios saved{};
    tcgetattr(STDIN_FILENO, &saved);
    termios raw = saved;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    [[maybe_unused]] ssize_t n = read(STDIN_FILENO, &c, 1);
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}
