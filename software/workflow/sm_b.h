// SM_B, the user-facing side of the workflow: turns what the device worker
// announces into the situations the window shows (no device, upgradable, blank
// OTP, wrong product, upgrading, verifying, matching, differing) and asks the
// worker to download or verify.
#pragma once

#include "sm_a.h"

#include <QState>
#include <QStateMachine>

class SM_B : public QStateMachine {
    Q_OBJECT

public:
    SM_B(SM_A *device, quint8 desiredType, const QString &desiredRevision);

    // Logs every emitted signal and every entered state.
    void addDebugConnections();

    QState *const B1;
    QState *const B2;
    QState *const B3;
    QState *const B4;
    QState *const B6;
    QState *const B7;
    QState *const B8;
    QState *const B9;

    // The connected device as this machine took it when it left B1; reset on
    // entering B1.
    DeviceInfo deviceInfo;
    // The worker's number for that device: the download and verification
    // requests are made for it and for no other.
    quint64 deviceNumber = 0;
    QString deviceSerial;
    QString deviceUsbPath;

signals:
    void sig_UpgradeImpossible();
    void sig_UpgradePossible();
    void sig_DifferingRevision();
    void sig_DoDownload();
    void sig_UploadingVerifying();
    void sig_FwMatches();
    void sig_FwDiffers();
    void sig_DeviceConnected();
    void sig_InvalidProduct();
    // B3 entered: the firmware is being written (a click that changes no state emits none).
    void sig_Upgrading();

public slots:
    void do_download();

protected:
    // Takes the worker's snapshot of the device when its sig_DevConn is handled,
    // so the guards and B1's exit judge one consistent copy.
    void beginSelectTransitions(QEvent *event) override;

private:
    SM_A *const device;
    const quint8 desiredType;
    const QString desiredRevision;
    ConnectedDevice arrived; // the device of the sig_DevConn being handled
};

// The one user-interface state machine, set by start-up.
extern SM_B *sm_B;
