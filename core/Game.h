#pragma once

#include <QString>

// The two games, each with its own draw table; the active one is an option
// read at start.
enum class Game
{
    Fucai, // 福彩3D
    Ticai  // 排列3
};

inline constexpr Game kGames[] = {Game::Fucai, Game::Ticai};

// The draw table of a game: "fucai" / "ticai".
inline QString tableName(Game game)
{
    return game == Game::Fucai ? QStringLiteral("fucai") : QStringLiteral("ticai");
}

// The game's short name as players say it: "3D" / "排列3".
inline QString gameName(Game game)
{
    return game == Game::Fucai ? QStringLiteral("3D") : QStringLiteral("排列3");
}
