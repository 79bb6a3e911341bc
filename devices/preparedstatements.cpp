#include "devices/preparedstatements.h"

namespace TransferDevicesLibrary {

QSqlQuery *PreparedStatements::get(const QSqlDatabase &database, const QString &text)
{
    auto found = m_statements.find(text);
    if (found != m_statements.end())
        return found->second.get();
    auto query = std::make_unique<QSqlQuery>(database);
    if (!query->prepare(text))
        return nullptr;
    return m_statements.emplace(text, std::move(query)).first->second.get();
}

} // namespace TransferDevicesLibrary
