// Opens a database file as the application does (the key, both draw tables)
// and prints how many draws each game holds; exits non-zero when it cannot.
// The package check runs it on the data folder a first start made.
#include "store/Database.h"
#include "store/DrawStore.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: store_check FILE\n");
        return 2;
    }
    try {
        DrawStore store(QString::fromLocal8Bit(argv[1]));
        for (Game game : {Game::Fucai, Game::Ticai}) {
            store.setGame(game);
            std::printf("%s: %d draws\n", qPrintable(tableName(game)), store.count());
        }
    } catch (const DatabaseError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
