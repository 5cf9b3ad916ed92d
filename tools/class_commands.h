#pragma once
#include <ostream>
#include <string>
#include <vector>

// keyvane-files class [FOLDER] [--days N] [--csv | --pdf FILE]: the teacher's report of a class.
int RunClass(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// keyvane-files new-term [FOLDER]: archives the tables and the pupils' copies, starts empty tables.
int RunNewTerm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// True when the command line asks for a printed report, which needs the drawing part of Qt.
bool ClassNeedsDrawing(const std::vector<std::string>& args);
