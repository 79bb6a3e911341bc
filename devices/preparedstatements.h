#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <map>
#include <memory>

namespace TransferDevicesLibrary {

// The store's statements, each prepared once per connection and reused.
// A Use resets its statement when it ends, so that no finished read keeps
// SQLite's shared lock and blocks another process's writes.
class PreparedStatements
{
public:
    class Use
    {
    public:
        explicit Use(QSqlQuery *query)
            : m_query(query)
        {
        }
        ~Use()
        {
            if (m_query)
                m_query->finish();
        }
        Use(const Use &) = delete;
        Use &operator=(const Use &) = delete;

        explicit operator bool() const { return m_query != nullptr; }
        QSqlQuery *operator->() const { return m_query; }
        QSqlQuery &operator*() const { return *m_query; }

    private:
        QSqlQuery *m_query;
    };

    // Null (an empty Use) when the statement cannot be prepared.
    QSqlQuery *get(const QSqlDatabase &database, const QString &text);
    void clear() { m_statements.clear(); }

private:
    std::map<QString, std::unique_ptr<QSqlQuery>> m_statements;
};

} // namespace TransferDevicesLibrary
