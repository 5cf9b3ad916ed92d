#pragma once
#include <string>
#include <string_view>
#include <vector>

// Small text functions shared by the file layer, the event descriptions and the score views. Texts
// are Windows-1252 short strings.

// Cuts text into tokens at any of the delimiter characters (space, comma, CR and LF when delimiters
// is empty). Runs of delimiters count as one, so no token is ever empty. A "%" right before a
// delimiter makes that delimiter part of the token and is itself dropped: "a%;b" is one token "a;b".
std::vector<std::string> SplitTokens(const std::string& text, const std::string& delimiters = {});
// The other way round: puts a "%" before every delimiter character of text, so that SplitTokens gives
// text back as one token whatever it holds ("a%;b" becomes "a%%;b").
std::string EscapeTokens(const std::string& text, const std::string& delimiters);

// The text without spaces and tabs at either end.
std::string TrimBlanks(const std::string& text);

// The name in lower case with its first letter, and the first letter after its first space, in upper
// case: "animal names list" becomes "Animal Names list".
std::string TitleCase(const std::string& name);

// At most capacity bytes of UTF-8 text, never ending inside a character: a character that the cut
// splits, or that an earlier cut left unfinished at the end of text, is left out whole. Bytes that are
// no UTF-8 at all are kept for the decoder to reject.
std::string Utf8Prefix(std::string_view text, std::size_t capacity);
