#pragma once
#include <ostream>
#include <string>
#include <vector>

// "progress": the stored key table, one character a line: character, keystrokes, errors, rating.
int RunProgress(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "history": the finished games, oldest first: date and time, game, key set or vocabulary, score,
// playing seconds, keystrokes, errors, level.
int RunHistory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
