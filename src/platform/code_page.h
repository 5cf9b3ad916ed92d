#pragma once
#include <QString>
#include <string>
#include <string_view>

// The program keeps its texts in the single-byte Windows-1252 code page; Qt works in Unicode.
// These functions are the only crossing between the two, used at drawing, labels, key input, file
// names and the texts the tool prints.

// Every byte maps to a character (the five bytes Windows-1252 leaves undefined map to the C1 controls).
QString FromCp1252(std::string_view text);

// The same text in UTF-8, for files and terminals that take Unicode.
std::string Cp1252ToUtf8(std::string_view text);

// Characters the code page cannot hold become '?' and clear *ok (when given).
std::string ToCp1252(const QString& text, bool* ok = nullptr);

// One character: returns 0 when the character has no Windows-1252 byte.
unsigned char CharToCp1252(QChar c);
