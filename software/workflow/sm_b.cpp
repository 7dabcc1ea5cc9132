#include "sm_b.h"

#include "guardedtransition.h"
#include "sm_a.h"

#include <QDebug>
#include <QMetaMethod>

SM_B *sm_B = nullptr;

namespace {
QState *makeState(const char *name, QStateMachine *machine)
{
    auto *state = new QState(machine);
    state->setObjectName(QString::fromLatin1(name));
    return state;
}
} // namespace

SM_B::SM_B(SM_A *device, quint8 desiredType, const QString &desiredRevision)
    : QStateMachine(nullptr)
    , B1(makeState("B1: No (DFU-SE) dev. conn.", this))
    , B2(makeState("B2: Conn. to (DFU-SE) dev. with diff. FW rev.", this))
    , B3(makeState("B3: Upgrading FW", this))
    , B4(makeState("B4: Uploading and verifying FW", this))
    , B6(makeState("B6: FW in dev. matches", this))
    , B7(makeState("B7: FW in dev. differs", this))
    , B8(makeState("B8: Invalid (DFU-SE) dev. conn.", this))
    , B9(makeState("B9: Conn. to (DFU-SE) dev. with Empty OTP.", this))
    , device(device)
    , desiredType(desiredType)
    , desiredRevision(desiredRevision)
{
    setInitialState(B1);

    // Out of B1 on a connected device: the first guard that holds decides.
    const auto guarded = [this](std::function<bool()> guard, QState *target) {
        auto *transition = new GuardedTransition(this->device, &SM_A::sig_DevConn, std::move(guard));
        transition->setTargetState(target);
        B1->addTransition(transition);
    };
    guarded([this] { return isOtpBlank(arrived.info); }, B9);
    guarded([this] { return isInvalidProduct(arrived.info, this->desiredType); }, B8);
    guarded([this] { return hasDifferingRevision(arrived.info, this->desiredType, this->desiredRevision); }, B2);
    guarded([this] { return hasSameRevision(arrived.info, this->desiredType, this->desiredRevision); }, B4);

    B2->addTransition(this, &SM_B::sig_DoDownload, B3);
    B2->addTransition(device, &SM_A::sig_NoDevConn, B1);
    B3->addTransition(device, &SM_A::sig_NoDevConn, B1);
    // A read-back result counts only for the device this machine shows.
    const auto forThisDevice = [this](QState *target, auto signal) {
        auto *transition = new GuardedTransition(this->device, signal, [this](const QVariantList &arguments) {
            if (!arguments.isEmpty() && arguments.first().toULongLong() == deviceNumber)
                return true;
            qInfo() << "SM_B: a read-back result for another device than the one shown is ignored";
            return false;
        });
        transition->setTargetState(target);
        B4->addTransition(transition);
    };
    forThisDevice(B6, &SM_A::sig_FwUploadedMatches);
    forThisDevice(B7, &SM_A::sig_FwUploadedDiffers);
    // The device to verify is gone: its result will never come, and waiting
    // here would keep the next device from being judged on its own.
    B4->addTransition(device, &SM_A::sig_NoDevConn, B1);
    B6->addTransition(device, &SM_A::sig_NoDevConn, B1);
    B7->addTransition(this, &SM_B::sig_DoDownload, B3);
    B7->addTransition(device, &SM_A::sig_NoDevConn, B1);
    B8->addTransition(device, &SM_A::sig_NoDevConn, B1);
    B9->addTransition(this, &SM_B::sig_DoDownload, B3);
    B9->addTransition(device, &SM_A::sig_NoDevConn, B1);

    connect(B1, &QState::entered, this, [this] {
        emit sig_UpgradeImpossible(); // its reactions still see the previous device
        deviceInfo = DeviceInfo();
        deviceNumber = 0;
        deviceSerial.clear();
        deviceUsbPath.clear();
    }, Qt::DirectConnection);
    connect(B1, &QState::exited, this, [this] {
        deviceInfo = arrived.info;
        deviceNumber = arrived.number;
        deviceSerial = arrived.serial;
        deviceUsbPath = arrived.usbPath;
        qInfo() << "Device connected with:\n" << deviceInfo;
        emit sig_DeviceConnected();
    }, Qt::DirectConnection);
    connect(B2, &QState::entered, this, [this] {
        emit sig_UpgradePossible();
        emit sig_DifferingRevision();
    }, Qt::DirectConnection);
    connect(B3, &QState::entered, this, [this] {
        emit sig_Upgrading();
        this->device->setRequest(SM_A::DownloadRequest, deviceNumber);
    }, Qt::DirectConnection);
    connect(B4, &QState::entered, this, [this] {
        emit sig_UploadingVerifying();
        this->device->setRequest(SM_A::VerifyRequest, deviceNumber);
    }, Qt::DirectConnection);
    connect(B6, &QState::entered, this, &SM_B::sig_FwMatches, Qt::DirectConnection);
    connect(B7, &QState::entered, this, [this] {
        emit sig_UpgradePossible();
        emit sig_FwDiffers();
    }, Qt::DirectConnection);
    connect(B8, &QState::entered, this, &SM_B::sig_InvalidProduct, Qt::DirectConnection);
    connect(B9, &QState::entered, this, [this] {
        emit sig_UpgradeImpossible();
        emit sig_DifferingRevision();
    }, Qt::DirectConnection);
}

void SM_B::do_download()
{
    emit sig_DoDownload();
}

void SM_B::beginSelectTransitions(QEvent *event)
{
    if (event->type() != QEvent::StateMachineSignal)
        return;
    const auto *signalEvent = static_cast<QStateMachine::SignalEvent *>(event);
    static const QMetaMethod devConn = QMetaMethod::fromSignal(&SM_A::sig_DevConn);
    if (signalEvent->sender() == device && signalEvent->signalIndex() == devConn.methodIndex())
        arrived = device->connectedDevice();
}

void SM_B::addDebugConnections()
{
    qInfo() << "SM_B: Add connections to show emitted signals";
    const auto log = [this](void (SM_B::*signal)(), const char *name) {
        const QString text = QStringLiteral("SM_B: /sig_%1").arg(QLatin1String(name));
        connect(this, signal, this, [text] { qDebug() << text; });
    };
    log(&SM_B::sig_UpgradeImpossible, "UpgradeImpossible");
    log(&SM_B::sig_UpgradePossible, "UpgradePossible");
    log(&SM_B::sig_DifferingRevision, "DifferingRevision");
    log(&SM_B::sig_DoDownload, "DoDownload");
    log(&SM_B::sig_UploadingVerifying, "UploadingVerifying");
    log(&SM_B::sig_FwMatches, "FwMatches");
    log(&SM_B::sig_FwDiffers, "FwDiffers");
    log(&SM_B::sig_DeviceConnected, "DeviceConnected");
    log(&SM_B::sig_InvalidProduct, "InvalidProduct");
    log(&SM_B::sig_Upgrading, "Upgrading");
    for (QState *state : {B1, B2, B3, B4, B6, B7, B8, B9}) {
        const QString text = QStringLiteral("SM_B: entered %1").arg(state->objectName());
        connect(state, &QState::entered, this, [text] { qDebug() << text; });
    }
}
