#include "devices/writetransaction.h"

#include <QSqlQuery>

namespace TransferDevicesLibrary {

WriteTransaction::WriteTransaction(const QSqlDatabase &database)
    : m_database(database)
{
    m_active = run("BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction()
{
    rollback();
}

bool WriteTransaction::commit()
{
    if (!m_active)
        return false;
    if (!run("COMMIT")) {
        rollback();
        return false;
    }
    m_active = false;
    return true;
}

void WriteTransaction::rollback()
{
    if (m_active) {
        m_active = false;
        run("ROLLBACK");
    }
}

bool WriteTransaction::run(const char *statement)
{
    QSqlQuery query(m_database);
    const bool ok = query.exec(QString::fromLatin1(statement));
    query.finish();
    return ok;
}

} // namespace TransferDevicesLibrary
