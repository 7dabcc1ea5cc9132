// A PostgreSQL server of the test's own (Debian's postgresql): a cluster made
// with initdb in a temporary folder, listening only on a Unix socket there,
// started and stopped by the test. As root it runs as the user "nobody", since
// PostgreSQL refuses to run as root.
#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

class PostgresServer {
public:
    PostgresServer()
    {
        const QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (versions.isEmpty())
            return;
        bin = "/usr/lib/postgresql/" + versions.last() + "/bin/";
        // Everyone may pass through; only the server's user owns the cluster.
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                 | QFileDevice::ExeGroup | QFileDevice::ExeOther);
        QDir(folder.path()).mkpath("data");
        if (::getuid() == 0 && !run("chown", {"nobody", dataDir()}))
            return;
        ready = asServerUser(bin + "initdb", {"-D", dataDir(), "-U", "velmora", "--auth=trust", "-E", "UTF8",
                                             "--no-sync"});
    }

    ~PostgresServer() { stop(); }

    bool start()
    {
        return ready
               && asServerUser(bin + "pg_ctl", {"-D", dataDir(), "-l", dataDir() + "/server.log", "-w", "-t", "30",
                                                "-o", "-k " + dataDir() + " -c listen_addresses= -p 5432 -c fsync=off",
                                                "start"});
    }

    bool stop()
    {
        if (!ready || !QFile::exists(dataDir() + "/postmaster.pid"))
            return true;
        return asServerUser(bin + "pg_ctl", {"-D", dataDir(), "-w", "-t", "30", "-m", "fast", "stop"});
    }

    // A libpq connection string for the server (its socket folder, its user).
    QString conninfo(const QString &user = "velmora") const
    {
        return QString("host=%1 port=5432 user=%2 dbname=postgres").arg(dataDir(), user);
    }

    // What psql prints for the query (unaligned, tuples only); empty on failure.
    QString query(const QString &sql)
    {
        QProcess psql;
        psql.start(bin + "psql", {"-X", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-d", conninfo(), "-c", sql});
        psql.waitForFinished(30000);
        return QString::fromUtf8(psql.readAllStandardOutput()).trimmed();
    }

    QString dataDir() const { return folder.path() + "/data"; }
    bool ready = false;

private:
    static bool run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, arguments);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }

    bool asServerUser(const QString &program, const QStringList &arguments)
    {
        if (::getuid() != 0)
            return run(program, arguments);
        return run("runuser", QStringList{"-u", "nobody", "--", program} + arguments);
    }

    QTemporaryDir folder;
    QString bin;
};
