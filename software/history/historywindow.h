// The History window: the records of the local history, newest first, sorted
// by any column, filtered by serial as one types, exported as CSV or JSON. Its
// status line says whether the history works and what waits for the shared
// server. It reads lazily, so it opens at once however long the history is.
#pragma once

#include <QDialog>
#include <QSqlQueryModel>

class HistoryStore;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The records as the window shows them; sorting and the filter are SQL.
class HistoryTableModel : public QSqlQueryModel {
    Q_OBJECT

public:
    HistoryTableModel(const QString &connectionName, QObject *parent = nullptr);
    void setSerialFilter(const QString &text);
    void sort(int column, Qt::SortOrder order) override;
    // Times as "2026-12-08 09:41:07" (UTC, as the header says): readable, and
    // short enough to be heard.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Runs the query again (a record was written).
    void refresh();
    // The stored column shown in that column.
    static const QStringList &shownColumns();

private:
    const QString connectionName;
    QString serialFilter;
    int sortColumn = 0;
    Qt::SortOrder sortOrder = Qt::DescendingOrder;
};

class HistoryWindow : public QDialog {
    Q_OBJECT

public:
    HistoryWindow(HistoryStore *store, QWidget *parent = nullptr);
    ~HistoryWindow() override;

    // What the shared server's state is, in words; empty without a server.
    void setServerText(const QString &text);
    // Reads the records again and says how many there are.
    void refresh();

    QTableView *const table;
    QLineEdit *const filter;
    QPushButton *const exportButton;
    QLabel *const status;

private:
    void exportRecords();
    void updateStatus();

    HistoryStore *const store;
    const QString connectionName;
    HistoryTableModel *model = nullptr;
    QString serverText;
};
