// Where a benchmark writes its figures: the file named as its first argument,
// or bench/results/NAME-DATE.txt. Every line also goes to standard error, so
// that a run shows how far it is.
#pragma once

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

class ResultFile {
public:
    ResultFile(const QString &name, int argc, char *argv[])
        : path(argc > 1 ? QString::fromLocal8Bit(argv[1])
                        : QString("bench/results/%1-%2.txt").arg(name, QDate::currentDate().toString(Qt::ISODate)))
        , file(path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        out.setDevice(&file);
    }

    void say(const QString &line)
    {
        out << line << "\n";
        out.flush();
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }

private:
    const QString path;
    QFile file;
    QTextStream out;
};
