#pragma once
#include <string>

// A new term for a class's folder (the system's bytes): the three top-ten tables and the pupils'
// copies of their progress move into archive/DAY/ (DAY "YYYY-MM-DD"), and each table starts again
// as ten empty rows (no name, score 0), so that a pupil's first score gets in. It holds every
// table's locks while it works, the same ones a copy of the program takes to save, and refuses when
// one is held or when the archive of that day exists. False with the reason, in the teacher's
// language (UTF-8), in message; on success message says what was moved.
bool StartNewTerm(const std::string& folder, const std::string& day, std::string& message);

// The files of the three tables.
inline constexpr const char* kTableFiles[3] = {"bubbles.kvt", "wordtris.kvt", "Clouds.kvt"};
