#include "historywindow.h"

#include "historystore.h"

#include <QBoxLayout>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

#include <atomic>

namespace {

std::atomic<int> windowConnections{0};

QStringList shownHeaders()
{
    static const char *const headers[]{
        QT_TRANSLATE_NOOP("HistoryWindow", "Started (UTC)"),   QT_TRANSLATE_NOOP("HistoryWindow", "Serial"),
        QT_TRANSLATE_NOOP("HistoryWindow", "USB path"),        QT_TRANSLATE_NOOP("HistoryWindow", "Model"),
        QT_TRANSLATE_NOOP("HistoryWindow", "Revision before"), QT_TRANSLATE_NOOP("HistoryWindow", "Firmware"),
        QT_TRANSLATE_NOOP("HistoryWindow", "Outcome"),         QT_TRANSLATE_NOOP("HistoryWindow", "Station"),
        QT_TRANSLATE_NOOP("HistoryWindow", "User"),            QT_TRANSLATE_NOOP("HistoryWindow", "Finished (UTC)"),
        QT_TRANSLATE_NOOP("HistoryWindow", "Last error")};
    QStringList shown;
    for (const char *header : headers)
        shown << HistoryWindow::tr(header);
    return shown;
}

// "%n record(s)" as English reads it ("1 record", "3 records"): English has no
// translation file to give its plural forms; a translation gives its own.
QString counted(const char *source, int count)
{
    QString text = HistoryWindow::tr(source, nullptr, count);
    if (text == QString::fromUtf8(source).replace(QLatin1String("%n"), QString::number(count)))
        text.replace(QLatin1String("(s)"), count == 1 ? QString() : QStringLiteral("s"));
    return text;
}

} // namespace

HistoryTableModel::HistoryTableModel(const QString &connectionName, QObject *parent)
    : QSqlQueryModel(parent)
    , connectionName(connectionName)
{
}

const QStringList &HistoryTableModel::shownColumns()
{
    static const QStringList columns{"started",  "serial",  "usb_path", "model",    "revision_before", "firmware_revision",
                                     "outcome",  "station", "user",     "finished", "last_error"};
    return columns;
}

QVariant HistoryTableModel::data(const QModelIndex &index, int role) const
{
    const QVariant value = QSqlQueryModel::data(index, role);
    const QString column = shownColumns().value(index.column());
    // The outcome is stored in English, which exports and the shared history
    // keep; the window shows it in the user's language.
    if (role == Qt::DisplayRole && column == QLatin1String("outcome"))
        return tr(value.toString().toUtf8().constData());
    if (role != Qt::DisplayRole || (column != QLatin1String("started") && column != QLatin1String("finished"))
        || value.isNull())
        return value;
    const QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return time.isValid() ? time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : value;
}

void HistoryTableModel::setSerialFilter(const QString &text)
{
    serialFilter = text;
    refresh();
}

void HistoryTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= shownColumns().size())
        return;
    sortColumn = column;
    sortOrder = order;
    refresh();
}

void HistoryTableModel::refresh()
{
    // Column names come from the fixed list, the filter is bound: nothing
    // typed reaches the statement's text.
    QSqlQuery query(QSqlDatabase::database(connectionName, false));
    query.prepare(QStringLiteral("SELECT %1 FROM records WHERE instr(ifnull(serial, ''), :serial) > 0 "
                                 "ORDER BY %2 %3, rowid %3")
                      .arg(shownColumns().join(QLatin1Char(',')), shownColumns().at(sortColumn),
                           sortOrder == Qt::AscendingOrder ? QStringLiteral("ASC") : QStringLiteral("DESC")));
    query.bindValue(QStringLiteral(":serial"), serialFilter.isNull() ? QStringLiteral("") : serialFilter); // never NULL
    query.exec();
    setQuery(query);
    const QStringList headers = shownHeaders();
    for (int column = 0; column < headers.size(); ++column)
        setHeaderData(column, Qt::Horizontal, headers.at(column));
}

HistoryWindow::HistoryWindow(HistoryStore *store, QWidget *parent)
    : QDialog(parent)
    , table(new QTableView(this))
    , filter(new QLineEdit(this))
    , exportButton(new QPushButton(tr("&Export"), this))
    , status(new QLabel(this))
    , store(store)
    , connectionName(QStringLiteral("velmora-history-window-%1").arg(++windowConnections))
{
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(tr("Upgrade history"));
    store->connection(connectionName);
    model = new HistoryTableModel(connectionName, this);

    auto *filterLabel = new QLabel(tr("&Serial:"), this);
    filterLabel->setBuddy(filter);
    filter->setObjectName(QStringLiteral("historyFilter"));
    filter->setPlaceholderText(tr("Show only serials containing..."));
    filter->setClearButtonEnabled(true);
    filter->setAccessibleName(tr("Serial filter"));
    filter->setAccessibleDescription(tr("Shows only the records whose device serial contains this text."));
    exportButton->setObjectName(QStringLiteral("historyExport"));
    // Enter in the filter field must not start an export.
    exportButton->setAutoDefault(false);
    exportButton->setAccessibleDescription(tr("Saves the records shown as a CSV or JSON file."));

    table->setObjectName(QStringLiteral("historyTable"));
    table->setAccessibleName(tr("Upgrade records"));
    table->setModel(model);
    table->setSortingEnabled(true);
    table->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);

    status->setObjectName(QStringLiteral("historyStatus"));
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    status->setFocusPolicy(Qt::TabFocus);

    auto *top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(filter, 1);
    top->addWidget(exportButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table, 1);
    layout->addWidget(status);
    resize(1000, 520);

    connect(filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        model->setSerialFilter(text);
        updateStatus();
    });
    connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportRecords);
    auto *close = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(close, &QShortcut::activated, this, &QWidget::hide);
    model->sort(0, Qt::DescendingOrder);
    table->resizeColumnsToContents();
    updateStatus();
}

HistoryWindow::~HistoryWindow()
{
    delete model;
    model = nullptr;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

void HistoryWindow::setServerText(const QString &text)
{
    serverText = text;
    updateStatus();
}

void HistoryWindow::refresh()
{
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (!db.isOpen())
        db.open(); // the file may have been made since
    model->refresh();
    // Measured on the rows in view only: cheap however long the history is.
    table->resizeColumnsToContents();
    updateStatus();
}

void HistoryWindow::updateStatus()
{
    QStringList lines;
    const QString problem = store->problem();
    if (!problem.isEmpty()) {
        lines << tr("The history is unavailable: %1").arg(problem);
    } else {
        QSqlQuery count(QSqlDatabase::database(connectionName, false));
        // Without a filter the index counts the records; with one, every serial is looked at.
        if (filter->text().isEmpty()) {
            count.prepare(QStringLiteral("SELECT count(*) FROM records"));
        } else {
            count.prepare(QStringLiteral("SELECT count(*) FROM records WHERE instr(ifnull(serial, ''), :serial) > 0"));
            count.bindValue(QStringLiteral(":serial"), filter->text());
        }
        const int records = count.exec() && count.next() ? count.value(0).toInt() : 0;
        lines << (filter->text().isEmpty()
                      ? counted(QT_TRANSLATE_N_NOOP("HistoryWindow", "%n record(s), kept in %1."), records)
                            .arg(store->path())
                      : counted(
                            QT_TRANSLATE_N_NOOP("HistoryWindow",
                                                "%n record(s) with a serial containing \"%1\", kept in %2."),
                            records)
                            .arg(filter->text(), store->path()));
    }
    if (!serverText.isEmpty())
        lines << serverText;
    status->setText(lines.join(QLatin1Char('\n')));
    status->setAccessibleName(status->text());
}

void HistoryWindow::exportRecords()
{
    QString selected;
    QString path = QFileDialog::getSaveFileName(this, tr("Export the upgrade history"),
                                                QStringLiteral("upgrade-history.csv"),
                                                QStringLiteral("CSV (*.csv);;JSON (*.json)"), &selected);
    if (path.isEmpty())
        return;
    const bool json = path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) || selected.startsWith("JSON");
    // Written in full or not at all: a half-written export never replaces a good one.
    QSaveFile file(path);
    QString problem;
    bool done = file.open(QIODevice::WriteOnly);
    if (!done) {
        problem = file.errorString();
    } else {
        const QString serial = filter->text();
        done = exportHistory(
            [this, serial](const std::function<void(const HistoryRecord &)> &write, QString *why) {
                return store->forEachRecord(write, why, serial);
            },
            json ? QStringLiteral("json") : QStringLiteral("csv"), file, &problem);
        done = done && file.commit();
        if (!done && problem.isEmpty())
            problem = file.errorString();
    }
    if (!done)
        QMessageBox::warning(this, tr("Export failed"),
                             tr("The history could not be exported to %1:\n%2").arg(path, problem));
}
