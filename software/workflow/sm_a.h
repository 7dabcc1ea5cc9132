// SM_A, the device worker: a thread that owns all traffic with the device. It
// polls for DFU devices, reads a newly attached one, and writes or verifies the
// firmware when the user-interface side asks, reporting every step by signals.
#pragma once

#include "deviceinfo.h"

#include <QThread>

#include <mutex>

class SM_A : public QThread {
    Q_OBJECT

public:
    enum Request : int { NoRequest = 0, DownloadRequest = 1, VerifyRequest = 2 };

    SM_A(const QString &dfuFilePath, const QString &firmwareFilePath, const QString &uploadedFwFilePath,
         QObject *parent = nullptr);
    ~SM_A() override;

    void setRequest(int code);
    int pendingRequest() const;
    void requestStop();
    bool isStopRequested() const;

    // A copy of the device announced by the latest sig_DevConn, taken under the
    // worker's lock: the user-interface side never reads the worker's own record.
    DeviceInfo connectedDevice() const;

    // Logs the named signals as they are emitted, suppressing the endless
    // NoDevConn/scanning repetition of the idle loop.
    void connectDebugOutput();

    // Pauses; set before the thread starts.
    unsigned idleScanDelayMs = 200;      // before each scan while no device is known
    unsigned connectedPollDelayMs = 200; // between looks at a known device

signals:
    void sig_NoDevConn();
    void sig_DevConn();
    void sig_scanning();
    void sig_readingInfo();
    void sig_DeviceError(const QString &message);
    void sig_FwDownloading();
    void sig_FwDownloaded();
    void sig_FwUploading();
    void sig_FwUploadedDiffers();
    void sig_FwUploadedMatches();
    void sig_A0_entered();
    void sig_A1_entered();
    void sig_A2_entered();
    void sig_A3_entered();
    void sig_A4_entered();
    void sig_A5_entered();
    void sig_A6_entered();
    void sig_A7_entered();

protected:
    void run() override;

private:
    // Sleeps, in slices, until the time has passed or a stop is requested.
    void pause(unsigned ms) const;
    // Forgets a download request: it was for a device that is gone.
    void dropDownloadRequest();
    void publish(const DeviceInfo &info);

    DeviceInfo deviceInfo; // worker thread only
    const QString dfuFilePath;
    const QString firmwareFilePath;
    const QString uploadedFwFilePath;
    QString lastSerial;

    mutable std::mutex mutex; // guards the three members below
    int request = NoRequest;
    bool stopRequested = false;
    DeviceInfo published;
};

// The one device worker, set by start-up.
extern SM_A *sm_A;
