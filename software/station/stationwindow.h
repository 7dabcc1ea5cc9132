// The station's window: one row per device of ours attached in boot mode
// (where it is, what it is, what happens to it, for how long), a summary line,
// and the actions that upgrade one ready device or all of them.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include <QHash>

#include <functional>

class QLabel;
class QPushButton;
class QTableView;
class QTimer;
class Station;
class StatusAnnouncer;

// The station's devices as a table; refreshed from the station's signals.
class StationModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Path, Serial, Model, Firmware, State, Elapsed, ColumnCount };

    explicit StationModel(Station *station, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The elapsed times of devices that are not finished.
    void tick();

    // The text of the state column: "writing 45 %", "refused: another product (T4)".
    QString stateText(int row) const;

private:
    Station *station;
};

class StationWindow : public QWidget {
    Q_OBJECT

public:
    explicit StationWindow(Station *station, QWidget *parent = nullptr);

    QTableView *table = nullptr;
    QPushButton *upgradeAll = nullptr;
    QPushButton *upgradeSelected = nullptr;
    QLabel *summary = nullptr;

    // How a close is confirmed while devices are written; true: end once
    // the writes are finished. Set by the shell (a message box there).
    std::function<bool(int writes)> confirmClose;

signals:
    // The user asked to end the tool (Q, or closing the window).
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void updateActions();
    void updateSummary();
    void tellScreenReader(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void announceState(int row);

    Station *station;
    StationModel *model;
    QTimer *ticker;
    StatusAnnouncer *announcer;
    QHash<quint64, int> announced; // per device, the state last announced
    bool closing = false;
};
