// Collects what the process writes to one of its output streams (standard
// output by default) while it lives.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

class OutputCapture {
public:
    explicit OutputCapture(int fd = STDOUT_FILENO) : fd(fd)
    {
        file.open();
        std::fflush(fd == STDOUT_FILENO ? stdout : stderr);
        saved = dup(fd);
        dup2(file.handle(), fd);
    }
    ~OutputCapture() { restore(); }
    OutputCapture(const OutputCapture &) = delete;
    OutputCapture &operator=(const OutputCapture &) = delete;

    // Ends the capture and returns everything written.
    QByteArray text()
    {
        restore();
        file.seek(0);
        return file.readAll();
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(fd == STDOUT_FILENO ? stdout : stderr);
        dup2(saved, fd);
        close(saved);
        saved = -1;
    }

    const int fd;
    QTemporaryFile file;
    int saved = -1;
};
