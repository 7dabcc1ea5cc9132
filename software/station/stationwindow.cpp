#include "stationwindow.h"

#include "accessibility.h"
#include "station.h"
#include "statusline.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBrush>
#include <QCloseEvent>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Read as a window of its own, as the guided one is, not as a pane.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("StationWindow"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

QString elapsedText(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

StationModel::StationModel(Station *station, QObject *parent)
    : QAbstractTableModel(parent)
    , station(station)
{
    connect(station, &Station::deviceAdded, this, [this](int row) {
        beginInsertRows(QModelIndex(), row, row);
        endInsertRows();
    });
    connect(station, &Station::deviceRemoved, this, [this](int row) {
        beginRemoveRows(QModelIndex(), row, row);
        endRemoveRows();
    });
    connect(station, &Station::deviceChanged, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, ColumnCount - 1)); });
    connect(station, &Station::progressChanged, this, [this](int row) { emit dataChanged(index(row, State), index(row, State)); });
}

int StationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(station->devices().size());
}

int StationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString StationModel::stateText(int row) const
{
    const StationDevice &device = station->devices()[std::size_t(row)];
    using State = StationDevice::State;
    QString text = shownStationStateText(device.state);
    if ((device.state == State::Writing || device.state == State::Verifying) && device.progress > 0)
        text += QStringLiteral(" %1 %").arg(device.progress);
    if (!device.reason.isEmpty()
        && (device.state == State::Refused || device.state == State::Busy || device.state == State::Away
            || device.failed()))
        text += QStringLiteral(": ") + device.reason.shown;
    return text;
}

QVariant StationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const StationDevice &device = station->devices()[std::size_t(index.row())];
    using DeviceState = StationDevice::State;
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        switch (index.column()) {
        case Path:
            return device.address.path;
        case Serial:
            return device.address.serial;
        case Model:
            return device.model;
        case Firmware:
            return device.revision;
        case State:
            return stateText(index.row());
        case Elapsed:
            return elapsedText(station->elapsedMs(device));
        default:
            return QVariant();
        }
    }
    // A long reason is cut in its cell; it is shown whole on hovering.
    if (role == Qt::ToolTipRole && index.column() == State)
        return stateText(index.row());
    if (role == Qt::BackgroundRole) {
        // Green when it can be taken out, red when it needs a look.
        if (device.state == DeviceState::Done)
            return QBrush(QColor(200, 240, 190));
        if (device.failed())
            return QBrush(QColor(250, 200, 190));
        if (device.state == DeviceState::Refused || device.state == DeviceState::Busy)
            return QBrush(QColor(225, 225, 225));
    }
    return QVariant();
}

QVariant StationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Path:
        return tr("USB path");
    case Serial:
        return tr("Serial");
    case Model:
        return tr("Model");
    case Firmware:
        return tr("Firmware");
    case State:
        return tr("State");
    case Elapsed:
        return tr("Elapsed");
    default:
        return QVariant();
    }
}

void StationModel::tick()
{
    const auto &devices = station->devices();
    for (std::size_t row = 0; row < devices.size(); ++row)
        if (!devices[row].finished())
            emit dataChanged(index(int(row), Elapsed), index(int(row), Elapsed));
}

StationWindow::StationWindow(Station *station, QWidget *parent)
    : QWidget(parent)
    , station(station)
    , model(new StationModel(station, this))
    , ticker(new QTimer(this))
    , announcer(new StatusAnnouncer(this))
{
    installAccessibility(); // the announcer's notifications
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed)
    setObjectName(QStringLiteral("stationWindow"));
    setWindowTitle(tr("Velmora Firmware Upgrade: Station"));
    setAccessibleName(windowTitle());
    resize(860, 420);

    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("stationSummary"));
    summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    summary->setFocusPolicy(Qt::StrongFocus);

    table = new QTableView(this);
    table->setObjectName(QStringLiteral("stationDevices"));
    table->setAccessibleName(tr("Attached devices"));
    table->setAccessibleDescription(
        tr("One row per device in boot mode. Enter upgrades the selected device when it is ready."));
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // Tab leaves the table for the buttons; the arrows move within it.
    table->setTabKeyNavigation(false);
    // Columns fit their contents when rows come and go, not at every progress
    // step: measuring every row for every change cost eight writes at once
    // more than the writes themselves.
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setSectionResizeMode(StationModel::State, QHeaderView::Stretch);
    for (auto signal : {&Station::deviceAdded, &Station::deviceRemoved})
        connect(station, signal, table, [this] {
            for (int column = 0; column < StationModel::ColumnCount; ++column)
                if (column != StationModel::State)
                    table->resizeColumnToContents(column);
        });

    upgradeAll = new QPushButton(tr("Upgrade &all ready devices"), this);
    upgradeAll->setObjectName(QStringLiteral("upgradeAll"));
    upgradeSelected = new QPushButton(tr("&Upgrade the selected device"), this);
    upgradeSelected->setObjectName(QStringLiteral("upgradeSelected"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(upgradeSelected);
    buttons->addStretch();
    buttons->addWidget(upgradeAll);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
    // In the order they are seen: summary, table, then the buttons left to right.
    setTabOrder(summary, table);
    setTabOrder(table, upgradeSelected);
    setTabOrder(upgradeSelected, upgradeAll);

    connect(upgradeAll, &QPushButton::clicked, station, [station] {
        qInfo() << "Station: upgrade all ready devices clicked";
        station->upgradeAllReady();
    });
    const auto upgradeCurrent = [this] {
        const QModelIndex current = table->currentIndex();
        if (!current.isValid())
            return;
        const StationDevice &device = this->station->devices()[std::size_t(current.row())];
        qInfo().noquote() << QStringLiteral("Station: upgrade of %1 at %2 clicked")
                                 .arg(device.address.serial, device.address.path);
        this->station->upgrade(device.id);
    };
    connect(upgradeSelected, &QPushButton::clicked, this, upgradeCurrent);
    connect(table, &QTableView::activated, this, upgradeCurrent);

    for (auto signal : {&Station::deviceAdded, &Station::deviceChanged, &Station::deviceRemoved})
        connect(station, signal, this, [this] { updateActions(); });
    connect(station, &Station::deviceAdded, this, &StationWindow::announceState);
    connect(station, &Station::deviceChanged, this, &StationWindow::announceState);
    connect(model, &QAbstractItemModel::dataChanged, this, &StationWindow::tellScreenReader);
    connect(station, &Station::totalsChanged, this, &StationWindow::updateSummary);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { updateActions(); });
    connect(ticker, &QTimer::timeout, this, [this] {
        model->tick();
        updateSummary();
    });
    ticker->start(1000);

    auto *quit = new QShortcut(QKeySequence(Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);

    updateSummary();
    updateActions();
    table->setFocus();
}

void StationWindow::updateActions()
{
    bool anyReady = false;
    for (const StationDevice &device : station->devices())
        anyReady = anyReady || device.state == StationDevice::State::Ready;
    upgradeAll->setEnabled(anyReady && !station->isFinishing());
    const QModelIndex current = table->currentIndex();
    bool selectedReady = false;
    if (current.isValid() && current.row() < int(station->devices().size())) {
        const StationDevice::State state = station->devices()[std::size_t(current.row())].state;
        selectedReady = state == StationDevice::State::Ready || state == StationDevice::State::WriteFailed
                        || state == StationDevice::State::Differs;
    }
    upgradeSelected->setEnabled(selectedReady && !station->isFinishing());
}

void StationWindow::updateSummary()
{
    const Station::Totals totals = station->totals();
    QString text = tr("Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4")
                       .arg(totals.done)
                       .arg(totals.failed)
                       .arg(totals.waiting)
                       .arg(totals.perHour > 0 ? QString::number(qRound(totals.perHour)) : QStringLiteral("-"));
    if (station->isFinishing())
        text += QStringLiteral("   ") + tr("Ending once the running writes are finished.");
    // Without a name of its own the label is read by its text, and a screen
    // reader is told when that changes.
    if (summary->text() != text)
        summary->setText(text);
}

// A screen reader keeps what it has read of a cell until it hears that the
// cell's name changed, and the table view tells it only that "data changed".
// The elapsed times are left out: a name change every second on every row
// would be read out whenever the focus is on one.
void StationWindow::tellScreenReader(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    if (!QAccessible::isActive() || (topLeft.column() == StationModel::Elapsed && bottomRight.column() == StationModel::Elapsed))
        return;
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table);
    QAccessibleTableInterface *cells = view ? view->tableInterface() : nullptr;
    if (!cells)
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        for (int column = topLeft.column(); column <= bottomRight.column(); ++column)
            if (QAccessibleInterface *cell = cells->cellAt(row, column)) {
                QAccessibleEvent renamed(cell, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
            }
}

// Said wherever the focus is, once per state a user waits for: a device to
// upgrade, one that can be taken out, one that needs a look. Not the steps
// in between, which would be eight voices at once on a full station.
void StationWindow::announceState(int row)
{
    const StationDevice &device = station->devices()[std::size_t(row)];
    using State = StationDevice::State;
    const bool worthSaying = device.state == State::Ready || device.state == State::Refused
                             || device.state == State::Busy || device.finished();
    const int state = int(device.state);
    if (!worthSaying || announced.value(device.id, -1) == state)
        return;
    announced.insert(device.id, state);
    announcer->announce(QStringLiteral("%1, %2: %3").arg(device.address.path, device.address.serial, model->stateText(row)));
}

void StationWindow::closeEvent(QCloseEvent *event)
{
    // The window stays while writes end: they are shown to their end.
    event->ignore();
    if (closing)
        return;
    const int writes = station->writesRunning();
    if (writes > 0 && confirmClose && !confirmClose(writes))
        return;
    closing = true;
    emit closeRequested();
    updateSummary();
    updateActions();
}
