#pragma once
#include "text_file.h"

#include <string>
#include <vector>

// The words of a vocabulary file as the games take them. A file is read in the program's single-byte
// code page, unless it starts with a UTF-8 or UTF-16 byte-order mark, or its body is valid UTF-8
// holding at least one multi-byte sequence: then it is read as Unicode and each word converted to the
// code page. A word is at most 255 characters: a longer line gives its first 255 (counted after
// decoding, so never a part of a character) and the reading goes on with the next line.

// A body line that gave no word: its line number in the file and its text (UTF-8, for messages).
struct TSkippedWord {
    enum TReason { NotInCodePage, NotUtf8, NulFirst };
    int Line = 0;
    std::string Text;
    TReason Reason = NotInCodePage;
};

struct TVocabularyWords {
    // The words, trimmed of blanks at both ends, blank lines left out, in file order.
    std::vector<std::string> Words;
    std::vector<TSkippedWord> Skipped;
    // Line numbers of the lines longer than 255 characters, whose first 255 became the word.
    std::vector<int> LongLines;
    // Line numbers of the lines whose text a NUL ended, leaving the characters before it as the word; a
    // line with nothing but blanks before its NUL gives no word and is among Skipped (NulFirst).
    std::vector<int> NulLines;
    bool Utf8 = false;
    // 1 when the body was read to its end; a read failure leaves its negative status and the words read
    // until then.
    int Status = 1;
};

// Reads the body of a text file opened for reading with status 1.
TVocabularyWords ReadVocabularyWords(TTextFile& file);

// A header value of a vocabulary in the code page: decoded from UTF-8 when the words were, with
// characters the code page cannot hold as "?".
std::string VocabularyText(const std::string& raw, bool utf8);

// The two-letter code of a "$language" value, lower-cased ("de_AT" and "DE-at" give "de"); a file
// that names no language counts as English, the language of vocabularies before the field existed.
std::string VocabularyLanguage(const std::string& value);

// The vocabulary titles (each opened with ".vcb" appended) with those in language first, each group in
// the order given. A file that cannot be opened counts as one in another language.
std::vector<std::string> PlayerLanguageFirst(const std::vector<std::string>& titles,
                                             const std::string& language);
