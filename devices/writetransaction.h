#pragma once

#include <QSqlDatabase>

namespace TransferDevicesLibrary {

// A write transaction that takes SQLite's write lock at its start
// (BEGIN IMMEDIATE), so that a read-then-write sequence cannot be overtaken
// by another process; QSqlDatabase::transaction() sends a plain BEGIN, which
// fails at once under contention whatever the busy timeout. Rolls back unless
// committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(const QSqlDatabase &database);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit();
    void rollback();

private:
    bool run(const char *statement);

    QSqlDatabase m_database;
    bool m_active = false;
};

} // namespace TransferDevicesLibrary
