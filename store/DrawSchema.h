#pragma once

// The draw tables' shape as the store checks and completes it on every
// file it opens, its own or a backup's.

class Database;

// Throws DatabaseError when the file lacks either draw table.
void requireDrawTables(const Database& db);
// Files made before the read index get it once; a read-only file goes without.
void addReadIndex(Database& db);
