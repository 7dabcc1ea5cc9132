// The emulated boot loader's rules, request by request: what dfu-util relies
// on (states, poll timeouts) and what makes a faulty flashing sequence show
// (bits that only clear, stalls on requests out of order).

#include "bootloader.h"
#include "device.h"

#include <libusb.h>

#include <QtTest>

using namespace emulator;

namespace {

constexpr uint8_t out = LIBUSB_REQUEST_TYPE_CLASS | LIBUSB_RECIPIENT_INTERFACE;
constexpr uint8_t in = out | LIBUSB_ENDPOINT_IN;
enum Request : uint8_t { DNLOAD = 1, UPLOAD = 2, GETSTATUS = 3, CLRSTATUS = 4, ABORT = 6 };

struct Status {
    int result = 0;
    uint8_t status = 0xff, state = 0xff;
    int pollMs = -1;
};

} // namespace

class TestBootLoader : public QObject {
    Q_OBJECT

private slots:
    void init();
    void regions_data();
    void regions();
    void writesOnlyClearBits_data();
    void writesOnlyClearBits();
    void pollTimeoutsOfARealDevice_data();
    void pollTimeoutsOfARealDevice();
    void requestsOutOfOrderStall();
    void leaveTakesTheDeviceOffTheBus();
    void uploadEndsWithAShortBlockAtTheEndOfMemory();

private:
    std::unique_ptr<BootLoader> open(bool realTiming = false);
    Status status(BootLoader &loader);
    int command(BootLoader &loader, uint8_t code, uint32_t address); // returns the final state
    QByteArray flash() const;

    std::unique_ptr<QTemporaryDir> state;
    std::string dir, folder;
};

void TestBootLoader::init()
{
    state = std::make_unique<QTemporaryDir>();
    dir = state->path().toStdString();
    folder = dir + "/device";
    QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
    QVERIFY(replaceFile(folder + "/flash.bin", std::string(0x20000, '\x0f')));
    QVERIFY(replaceFile(folder + "/presence", "present 5\n"));
}

std::unique_ptr<BootLoader> TestBootLoader::open(bool realTiming)
{
    Identity identity = Identity::stm32f4();
    identity.realTiming = realTiming;
    auto loader = std::make_unique<BootLoader>(dir, folder, identity, 5);
    loader->selectAlt(0);
    return loader;
}

Status TestBootLoader::status(BootLoader &loader)
{
    uint8_t bytes[6] = {};
    Status s;
    s.result = loader.control(in, GETSTATUS, 0, 0, bytes, 6);
    if (s.result == 6) {
        s.status = bytes[0];
        s.pollMs = bytes[1] | bytes[2] << 8 | bytes[3] << 16;
        s.state = bytes[4];
    }
    return s;
}

int TestBootLoader::command(BootLoader &loader, uint8_t code, uint32_t address)
{
    uint8_t bytes[5] = {code, uint8_t(address), uint8_t(address >> 8), uint8_t(address >> 16), uint8_t(address >> 24)};
    if (loader.control(out, DNLOAD, 0, 0, bytes, 5) != 5)
        return -1;
    if (status(loader).state != dfuDNBUSY)
        return -2;
    return status(loader).state;
}

QByteArray TestBootLoader::flash() const
{
    QFile file(QString::fromStdString(folder + "/flash.bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestBootLoader::regions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<uint>("start");
    QTest::addColumn<uint>("size");
    QTest::addColumn<bool>("erasable");
    QTest::addColumn<int>("sectors");

    QTest::newRow("flash") << "@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg" << true << 0x08000000u
                           << 0x100000u << true << 12;
    QTest::newRow("option bytes") << "@Option Bytes  /0x1FFFC000/01*016 e" << true << 0x1FFFC000u << 16u << false << 1;
    QTest::newRow("OTP with lock bytes") << "@OTP Memory /0x1FFF7800/01*512 e,01*016 e" << true << 0x1FFF7800u << 528u
                                         << false << 2;
    QTest::newRow("feature") << "@Device Feature/0xFFFF0000/01*004 e" << true << 0xFFFF0000u << 4u << false << 1;
    QTest::newRow("no address") << "@Flash" << false << 0u << 0u << false << 0;
    QTest::newRow("no type") << "@Flash /0x0/04*016K" << false << 0u << 0u << false << 0;
}

void TestBootLoader::regions()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    Region region;
    QCOMPARE(Region::parse(name.toStdString(), &region), valid);
    if (!valid)
        return;
    QTEST(uint(region.start), "start");
    QTEST(uint(region.size()), "size");
    QTEST(region.erasable, "erasable");
    QTEST(int(region.sectors.size()), "sectors");
}

// Programming clears bits and never sets them: a write without its erase
// leaves a mixture of old and new, as on the chip.
void TestBootLoader::writesOnlyClearBits_data()
{
    QTest::addColumn<bool>("eraseFirst");
    QTest::addColumn<char>("expected");
    QTest::newRow("erased first") << true << char(0xf0);
    QTest::newRow("not erased") << false << char(0x00);
}

void TestBootLoader::writesOnlyClearBits()
{
    QFETCH(bool, eraseFirst);
    QFETCH(char, expected);
    auto loader = open();
    if (eraseFirst)
        QCOMPARE(command(*loader, 0x41, 0x08000000), int(dfuDNLOAD_IDLE));
    QCOMPARE(command(*loader, 0x21, 0x08000000), int(dfuDNLOAD_IDLE));
    QByteArray data(2048, char(0xf0));
    QCOMPARE(loader->control(out, DNLOAD, 2, 0, reinterpret_cast<uint8_t *>(data.data()), 2048), 2048);
    QCOMPARE(status(*loader).state, uint8_t(dfuDNBUSY));
    QCOMPARE(status(*loader).state, uint8_t(dfuDNLOAD_IDLE));
    const QByteArray after = flash();
    QCOMPARE(after.left(2048), QByteArray(2048, expected));
    // Past the block: erased, or the old bytes.
    QCOMPARE(after.at(2048), eraseFirst ? char(0xff) : char(0x0f));
}

// dfu-util waits as long as the device says; these are an STM32F4's times.
void TestBootLoader::pollTimeoutsOfARealDevice_data()
{
    QTest::addColumn<uint>("eraseAddress");
    QTest::addColumn<int>("pollMs");
    QTest::newRow("16 KiB sector") << 0x08004000u << 500;
    QTest::newRow("64 KiB sector") << 0x08010000u << 1100;
    QTest::newRow("128 KiB sector") << 0x08020000u << 2600;
}

void TestBootLoader::pollTimeoutsOfARealDevice()
{
    QFETCH(uint, eraseAddress);
    QFETCH(int, pollMs);
    auto loader = open(true);
    uint8_t bytes[5] = {0x41, uint8_t(eraseAddress), uint8_t(eraseAddress >> 8), uint8_t(eraseAddress >> 16),
                        uint8_t(eraseAddress >> 24)};
    QCOMPARE(loader->control(out, DNLOAD, 0, 0, bytes, 5), 5);
    const Status busy = status(*loader);
    QCOMPARE(busy.state, uint8_t(dfuDNBUSY));
    QCOMPARE(busy.pollMs, pollMs);
    // Asked again at once: still busy, for about the rest of the time.
    const Status again = status(*loader);
    QCOMPARE(again.state, uint8_t(dfuDNBUSY));
    QVERIFY(again.pollMs > 0 && again.pollMs <= pollMs + 1);

    QByteArray data(2048, char(0x11));
    auto writer = open(true);
    QCOMPARE(command(*writer, 0x21, 0x08000000), int(dfuDNLOAD_IDLE));
    QCOMPARE(writer->control(out, DNLOAD, 2, 0, reinterpret_cast<uint8_t *>(data.data()), 2048), 2048);
    QCOMPARE(status(*writer).pollMs, 102);
}

void TestBootLoader::requestsOutOfOrderStall()
{
    auto loader = open();
    QCOMPARE(command(*loader, 0x21, 0x08000000), int(dfuDNLOAD_IDLE));
    uint8_t buffer[2048];
    // An upload in the middle of a download sequence.
    QCOMPARE(loader->control(in, UPLOAD, 2, 0, buffer, 2048), int(LIBUSB_ERROR_PIPE));
    Status s = status(*loader);
    QCOMPARE(s.state, uint8_t(dfuERROR));
    QCOMPARE(s.status, uint8_t(errSTALLEDPKT));
    // ABORT does not leave dfuERROR; CLRSTATUS does.
    QCOMPARE(loader->control(out, ABORT, 0, 0, nullptr, 0), int(LIBUSB_ERROR_PIPE));
    QCOMPARE(loader->control(out, CLRSTATUS, 0, 0, buffer, 0), 0);
    s = status(*loader);
    QCOMPARE(s.state, uint8_t(dfuIDLE));
    QCOMPARE(s.status, uint8_t(statusOK));
    // An address outside the memory of the alternate setting is refused.
    QCOMPARE(command(*loader, 0x21, 0x20000000), int(dfuERROR));
    // The DFU state is kept for the next run, as a powered device keeps it.
    auto next = open();
    QCOMPARE(status(*next).state, uint8_t(dfuERROR));
}

void TestBootLoader::leaveTakesTheDeviceOffTheBus()
{
    auto loader = open();
    QCOMPARE(command(*loader, 0x21, 0x08000000), int(dfuDNLOAD_IDLE));
    QCOMPARE(loader->control(out, ABORT, 0, 0, nullptr, 0), 0);
    QCOMPARE(loader->control(out, DNLOAD, 2, 0, nullptr, 0), 0);
    QCOMPARE(status(*loader).state, uint8_t(dfuMANIFEST));
    QVERIFY(!readPresence(folder).present);
    QCOMPARE(status(*loader).result, int(LIBUSB_ERROR_NO_DEVICE));
    // Plugged in again: a new device number, and a fresh boot loader.
    QVERIFY(plugIn(dir, folder));
    QCOMPARE(readPresence(folder).devnum, 5); // the first one this bus handed out
    QVERIFY(plugIn(dir, folder) == false);
}

void TestBootLoader::uploadEndsWithAShortBlockAtTheEndOfMemory()
{
    auto loader = open();
    loader->selectAlt(2);
    QCOMPARE(command(*loader, 0x21, 0x1FFF7800), int(dfuDNLOAD_IDLE));
    QCOMPARE(loader->control(out, ABORT, 0, 0, nullptr, 0), 0);
    uint8_t buffer[2048];
    QCOMPARE(loader->control(in, UPLOAD, 2, 0, buffer, 2048), 528);
    QCOMPARE(loader->control(in, UPLOAD, 3, 0, buffer, 2048), int(LIBUSB_ERROR_PIPE));
}

QTEST_GUILESS_MAIN(TestBootLoader)
#include "tst_bootloader.moc"
