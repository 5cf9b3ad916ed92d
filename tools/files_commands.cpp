#include "files_commands.h"

#include "class_commands.h"
#include "code_page.h"
#include "file_system.h"
#include "progress_commands.h"
#include "rec_file.h"
#include "text_file.h"
#include "text_functions.h"
#include "top_ten.h"
#include "translation.h"
#include "vocabulary_words.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <map>

namespace {

constexpr int kMaxLine = 254;

// A file name from the command line as the file layer takes it: in the program's code page.
bool ProgramName(const std::string& arg, std::string& name, std::ostream& err)
{
    bool ok = false;
    name = ToCp1252(QFile::decodeName(QByteArray::fromStdString(arg)), &ok);
    if (!ok)
        Fail(err, FillArgs(TrUtf8("keyvane-files",
                                  "%1: the name has characters the single-byte code page cannot hold"),
                           {arg}));
    return ok;
}

// Opens FILE the way the games open a vocabulary. Returns kExitOk when the file is open, whatever
// its header scan gave.
int OpenForReading(TTextFile& file, const std::string& arg, std::ostream& err)
{
    std::string name;
    if (!ProgramName(arg, name, err))
        return kExitFailed;
    if (QFileInfo(QFile::decodeName(QByteArray::fromStdString(arg))).isDir())
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: is a folder, not a file"), {arg}));
    switch (file.OpenFile(name, 1)) {
    case -1:
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: no such file"), {arg}));
    case -2:
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: cannot be opened for reading"), {arg}));
    case -7:
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: read failed"), {arg}));
    default:
        return kExitOk;
    }
}

int RunWords(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
        return UsageError(err, "words", TrUtf8("keyvane-files", "words takes one file"));
    TTextFile file;
    if (const int rc = OpenForReading(file, args[0], err); rc != kExitOk)
        return rc;
    if (file.Status != 1)
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: the header runs past the end of the file"),
                                  {args[0]}));
    // Exactly as the games load a vocabulary; the lines they leave out are named here.
    const TVocabularyWords words = ReadVocabularyWords(file);
    std::vector<std::pair<int, std::string>> notes;
    for (const TSkippedWord& skipped : words.Skipped)
        notes.emplace_back(
            skipped.Line,
            skipped.Reason == TSkippedWord::NotUtf8 ? TrUtf8("keyvane-files", "not valid UTF-8, skipped")
            : skipped.Reason == TSkippedWord::NulFirst
                ? TrUtf8("keyvane-files", "a NUL byte before any character, skipped")
                : FillArgs(TrUtf8("keyvane-files", "\"%1\" does not fit the single-byte code page, skipped"),
                           {skipped.Text}));
    for (const int line : words.NulLines)
        notes.emplace_back(line,
                           TrUtf8("keyvane-files", "holds a NUL byte, only the text before it is the word"));
    for (const int line : words.LongLines)
        notes.emplace_back(
            line, TrUtf8("keyvane-files", "longer than 255 characters, only its first 255 are the word"));
    std::stable_sort(notes.begin(), notes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [line, note] : notes)
        err << "keyvane-files: "
            << FillArgs(TrUtf8("keyvane-files", "%1: line %2: %3"), {args[0], std::to_string(line), note})
            << '\n';
    for (const std::string& word : words.Words)
        out << Cp1252ToUtf8(word) << '\n';
    if (words.Status < 0)
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: read failed"), {args[0]}));
    return kExitOk;
}

int RunHeader(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
        return UsageError(err, "header", TrUtf8("keyvane-files", "header takes one file"));
    TTextFile file;
    if (const int rc = OpenForReading(file, args[0], err); rc != kExitOk)
        return rc;
    const int status = file.Status;
    // The header is in UTF-8 when the words are.
    const bool utf8 = status == 1 && ReadVocabularyWords(file).Utf8;
    const auto field = [utf8](const std::string& raw) { return Cp1252ToUtf8(VocabularyText(raw, utf8)); };
    out << "status: " << status << '\n'
        << "version: " << field(file.Version) << '\n'
        << "copyright: " << field(file.Copyright) << '\n'
        << "longdesc: " << field(file.LongDesc) << '\n'
        << "description: " << field(file.Description) << '\n'
        << "author: " << field(file.Author) << '\n'
        << "crypted: " << (file.Crypted ? 1 : 0) << '\n'
        << "utf-8: " << (utf8 ? 1 : 0) << '\n';
    return kExitOk;
}

// The first character of text that the code page cannot hold, in UTF-8.
std::string FirstUnfit(const QString& text)
{
    for (char32_t u : text.toUcs4()) {
        const QString one = QString::fromUcs4(&u, 1);
        bool ok = false;
        ToCp1252(one, &ok);
        if (!ok)
            return one.toStdString();
    }
    return {};
}

// A word list is read whole, so it must be a file of its own and of a sensible size: a device such as
// the zero device, or a pipe that never ends, would fill the memory.
constexpr qint64 kMaxWordList = 16 * 1024 * 1024;
// A game reads its whole vocabulary and mixes it before the first word, while the player waits: with
// 250,000 words that takes about half a second, with a million several seconds. The tool writes no
// vocabulary the games would keep the player waiting for.
constexpr int kMaxWords = 250'000;

// The bytes of a word list: a regular file, or standard input for "-".
int ReadWordListBytes(const std::string& arg, QByteArray& bytes, std::ostream& err)
{
    const std::string input = arg == "-" ? TrUtf8("keyvane-files", "standard input") : arg;
    QFile file;
    if (arg == "-") {
        if (!file.open(stdin, QIODevice::ReadOnly))
            return Fail(err, TrUtf8("keyvane-files", "standard input cannot be read"));
    } else {
        const QString path = QFile::decodeName(QByteArray::fromStdString(arg));
        const QFileInfo info(path);
        if (!info.exists())
            return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: no such file"), {arg}));
        if (info.isDir())
            return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: is a folder, not a file"), {arg}));
        if (!info.isFile())
            return Fail(
                err,
                FillArgs(
                    TrUtf8(
                        "keyvane-files",
                        "%1: not a regular file (a device or a pipe); give a file, or - for standard input"),
                    {arg}));
        if (info.size() > kMaxWordList)
            return Fail(err,
                        FillArgs(TrUtf8("keyvane-files", "%1: larger than 16 MiB, too large for a word list"),
                                 {arg}));
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly))
            return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: cannot be opened for reading"), {arg}));
    }
    // A pipe gives its bytes as they come: read until its end, or until the list is too large.
    for (QByteArray piece; bytes.size() <= kMaxWordList; bytes += piece) {
        piece = file.read(kMaxWordList + 1 - bytes.size());
        if (piece.isEmpty())
            break;
    }
    if (file.error() != QFileDevice::NoError)
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: read failed"), {input}));
    if (bytes.size() > kMaxWordList)
        return Fail(
            err,
            FillArgs(TrUtf8("keyvane-files", "%1: larger than 16 MiB, too large for a word list"), {input}));
    return kExitOk;
}

// One line of a word list: its text, or why it could not be decoded.
struct TListLine {
    QString Text;
    bool Valid = true;
};

// The lines of a word list in UTF-8, or in UTF-16 when it starts with a UTF-16 byte-order mark or
// looks like UTF-16 without one, as the games read a vocabulary: CR LF, LF and CR end lines; a leading
// byte-order mark goes.
int ReadWordList(const std::string& arg, std::vector<TListLine>& lines, std::ostream& err)
{
    QByteArray bytes;
    if (ReadWordListBytes(arg, bytes, err) != kExitOk)
        return kExitFailed;
    const bool marked = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    const TTextFile::TByteOrderMark utf16 =
        marked ? (bytes.startsWith("\xFF\xFE") ? TTextFile::Utf16LeMark : TTextFile::Utf16BeMark)
               : TTextFile::Utf16ByLook(std::string_view(
                     bytes.constData(),
                     static_cast<std::size_t>(std::min<qsizetype>(bytes.size(), TTextFile::kSniffBytes))));
    if (utf16 != TTextFile::NoMark) {
        QStringDecoder decode(utf16 == TTextFile::Utf16LeMark ? QStringDecoder::Utf16LE
                                                              : QStringDecoder::Utf16BE);
        const QString text = decode(bytes.mid(marked ? 2 : 0));
        static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
        QStringList split = text.split(lineEnd);
        if (!split.isEmpty() && split.back().isEmpty())
            split.pop_back(); // the line end of the last line
        for (QString& line : split)
            lines.push_back({line, true});
        return kExitOk;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        QStringDecoder decode(QStringDecoder::Utf8);
        QString line = decode(bytes.mid(start, end - start));
        lines.push_back({std::move(line), !decode.hasError()});
        start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return kExitOk;
}

// Checks one body line and converts it to the code page; the reason it cannot be written otherwise.
// first: no body line was written before it.
std::string BodyLine(const TListLine& line, bool first, bool scrambled, std::string& text)
{
    if (!line.Valid)
        return TrUtf8("keyvane-files", "not valid UTF-8");
    bool ok = false;
    text = ToCp1252(line.Text, &ok);
    if (!ok)
        return FillArgs(TrUtf8("keyvane-files", "\"%1\" does not fit the single-byte code page"),
                        {FirstUnfit(line.Text)});
    if (text.find('\0') != std::string::npos)
        return TrUtf8("keyvane-files", "holds a NUL character");
    if (text.size() > kMaxLine)
        return FillArgs(TrUtf8("keyvane-files", "longer than %1 characters"), {std::to_string(kMaxLine)});
    // Scrambled, these three characters would turn into a NUL, a CR and an LF and break the line.
    if (scrambled)
        for (const char c : {'\xB7', '\xBA', '\xBD'})
            if (text.find(c) != std::string::npos)
                return FillArgs(TrUtf8("keyvane-files", "\"%1\" cannot be stored scrambled"),
                                {Cp1252ToUtf8(std::string(1, c))});
    if (first && TrimBlanks(text).starts_with('$'))
        return TrUtf8("keyvane-files", "starts with \"$\" and would be read as a header line");
    return {};
}

// "$key=value" with "=" and ";" in the value escaped by "%"; the value is trimmed of blanks, which a
// reader would lose at the end of the line anyway.
int HeaderLine(const std::string& key, const std::string& utf8Value, std::string& line, std::ostream& err)
{
    bool ok = false;
    const std::string value = TrimBlanks(ToCp1252(QString::fromUtf8(utf8Value), &ok));
    if (!ok)
        return Fail(err,
                    FillArgs(TrUtf8("keyvane-files",
                                    "the --%1 value has characters the single-byte code page cannot hold"),
                             {key}));
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return Fail(err,
                    FillArgs(TrUtf8("keyvane-files", "the --%1 value holds a line break or NUL"), {key}));
    line = "$" + key + "=";
    for (char c : value) {
        if (c == '=' || c == ';')
            line.push_back('%');
        line.push_back(c);
    }
    if (line.size() > kMaxLine)
        return Fail(err,
                    FillArgs(TrUtf8("keyvane-files", "the --%1 value is too long for a header line"), {key}));
    return kExitOk;
}

// The file layer opens an existing file whose name differs only in case, as the games do; the tool
// writes exactly the name it is given. A missing file is made under that name first (so that the file
// layer finds it), never in a folder whose name differs in case; false when it cannot be made.
bool CreateExactly(const std::string& arg)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(arg));
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return true;
    QFile made(path);
    return made.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

// A vocabulary beside another whose name differs only in case is listed twice by the games, under two
// titles that differ only in case: the player is told which.
void WarnOfCaseTwins(const std::string& arg, const std::string& name, std::ostream& err)
{
    const std::size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
    const std::string own = name.substr(folder.size());
    const std::string mask = "*.vcb";
    if (!FileSystem::MatchesMask(own, mask))
        return;
    const auto folded = [](const std::string& text) { return FromCp1252(text).toCaseFolded(); };
    std::string twins;
    for (const std::string& other : FileSystem::ListFiles(folder + mask))
        if (other != own && folded(other) == folded(own))
            twins += (twins.empty() ? "" : ", ") + Cp1252ToUtf8(other);
    if (twins.empty())
        return;
    const QString base = folded(own.substr(0, own.rfind('.')));
    std::string titles;
    for (const std::string& title : TFile::ListFileTitles(folder + mask))
        if (folded(title) == base)
            titles += (titles.empty() ? "\"" : ", \"") + Cp1252ToUtf8(title) + '"';
    err << "keyvane-files: "
        << FillArgs(
               TrUtf8("keyvane-files",
                      "%1: the folder also holds %2, whose name differs only in case; the games list each of "
                      "them (%3)"),
               {arg, twins, titles})
        << '\n';
}

int RunMakeVocabulary(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    const char* const command = "make-vocabulary";
    bool scrambled = false;
    std::map<std::string, std::string> values;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--scrambled") {
            scrambled = true;
        } else if (a == "--version" || a == "--description" || a == "--author" || a == "--copyright") {
            if (i + 1 == args.size())
                return UsageError(err, command, FillArgs(TrUtf8("keyvane-files", "%1 needs a value"), {a}));
            values[a.substr(2)] = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError(err, command, FillArgs(TrUtf8("keyvane-files", "unknown option %1"), {a}));
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2)
        return UsageError(err, command,
                          TrUtf8("keyvane-files", "make-vocabulary takes an input and an output file"));

    // Everything is checked before the output is touched, so a rejected list leaves no half file.
    std::vector<std::string> out;
    for (const char* key : {"version", "copyright", "description", "author"}) {
        if (!values.contains(key))
            continue;
        std::string line;
        if (HeaderLine(key, values[key], line, err) != kExitOk)
            return kExitFailed;
        out.push_back(line);
    }
    if (scrambled)
        out.push_back("$fileformat=crypted");

    // The words that fit are written; every line left out is named, and the count closes the report.
    std::vector<TListLine> lines;
    if (ReadWordList(files[0], lines, err) != kExitOk)
        return kExitFailed;
    const std::string input = files[0] == "-" ? TrUtf8("keyvane-files", "standard input") : files[0];
    int words = 0, leftOut = 0;
    bool first = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string text;
        const std::string why = BodyLine(lines[i], first, scrambled, text);
        if (!why.empty()) {
            err << "keyvane-files: "
                << FillArgs(TrUtf8("keyvane-files", "%1: line %2: %3, left out"),
                            {input, std::to_string(i + 1), why})
                << '\n';
            ++leftOut;
            continue;
        }
        first = false;
        words += !TrimBlanks(text).empty();
        out.push_back(scrambled ? TTextFile::Scramble(text) : text);
    }
    const std::string count = TrUtf8N("keyvane-files", "%n word(s)", nullptr, words) + ", " +
                              TrUtf8N("keyvane-files", "%n line(s) left out", nullptr, leftOut);
    if (words == 0)
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: not written, no word to write (%2)"),
                                  {files[1], count}));
    if (words > kMaxWords)
        return Fail(
            err, FillArgs(TrUtf8("keyvane-files",
                                 "%1: not written, %2 words are more than the %3 a game starts with at once"),
                          {files[1], std::to_string(words), std::to_string(kMaxWords)}));

    std::string name;
    if (!ProgramName(files[1], name, err))
        return kExitFailed;
    if (!CreateExactly(files[1]))
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: cannot be created"), {files[1]}));
    TTextFile file;
    if (file.OpenFile(name, 2) != 1)
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: cannot be created"), {files[1]}));
    bool written = true;
    for (const std::string& line : out)
        written = written && file.WriteLine(line) == 1;
    if (file.CloseFile() != 2 || !written) {
        // Half a vocabulary would look like a whole one to the games.
        QFile::remove(QFile::decodeName(QByteArray::fromStdString(FileSystem::NativePath(name))));
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: write failed, nothing kept"), {files[1]}));
    }
    err << "keyvane-files: " << files[1] << ": " << count << '\n';
    WarnOfCaseTwins(files[1], name, err);
    return kExitOk;
}

// The high-score table of a score file as the games load it: rank, name, score and date per row,
// separated by tabs. The file is only read, and a file held by a running game is not waited for.
int RunScores(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
        return UsageError(err, "scores", TrUtf8("keyvane-files", "scores takes one file"));
    std::string name;
    if (!ProgramName(args[0], name, err))
        return kExitFailed;
    if (QFileInfo(QFile::decodeName(QByteArray::fromStdString(args[0]))).isDir())
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: is a folder, not a file"), {args[0]}));
    TRecFile file;
    switch (file.OpenFile(name, 1, -2)) {
    case 1:
        break;
    case -1:
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: no such file"), {args[0]}));
    default:
        return Fail(err, FillArgs(TrUtf8("keyvane-files",
                                         "%1: cannot be opened for reading (in use, or not a readable file)"),
                                  {args[0]}));
    }
    TtopTen table;
    table.ReadRows(file);
    if (file.Status < 0)
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: read failed"), {args[0]}));
    for (int rank = 1; rank <= table.RowCount; ++rank) {
        const TTopTenRow& row = table.Row(rank);
        out << rank << '\t' << Cp1252ToUtf8(row.Name) << '\t' << row.Score << '\t' << Cp1252ToUtf8(row.Date)
            << '\n';
    }
    return kExitOk;
}

// A command's line for the usage text: its name, then its arguments when it takes any.
std::string CommandLine(const TToolCommand& c)
{
    return std::string(c.name) + (*c.arguments ? std::string(" ") + c.arguments : std::string());
}

} // namespace

int Fail(std::ostream& err, const std::string& message)
{
    err << "keyvane-files: " << message << '\n';
    return kExitFailed;
}

int UsageError(std::ostream& err, const char* command, const std::string& message)
{
    err << "keyvane-files: " << message << '\n';
    for (const TToolCommand& c : ToolCommands())
        if (std::string(c.name) == command)
            err << FillArgs(TrUtf8("keyvane-files", "usage: keyvane-files %1"), {CommandLine(c)}) << '\n';
    return kExitUsage;
}

const std::vector<TToolCommand>& ToolCommands()
{
    static const std::vector<TToolCommand> commands = {
        {"words", "FILE",
         QT_TRANSLATE_NOOP("keyvane-files", "print the words the games load from FILE, one per line"),
         RunWords},
        {"header", "FILE",
         QT_TRANSLATE_NOOP("keyvane-files", "print the open status and the header fields of FILE"),
         RunHeader},
        {"make-vocabulary",
         "[--scrambled] [--version V] [--description D] [--author A] [--copyright C] INPUT OUTPUT",
         QT_TRANSLATE_NOOP(
             "keyvane-files",
             "write a vocabulary file from a list in UTF-8 or UTF-16 (- reads standard input), at most "
             "250,000\n"
             "      words, one word or phrase per line; lines that cannot be stored are named and left out"),
         RunMakeVocabulary},
        {"scores", "FILE",
         QT_TRANSLATE_NOOP(
             "keyvane-files",
             "print the high-score table of the score file FILE, one tab-separated row per line"),
         RunScores},
        {"progress", "[--days N] [--hardest N]",
         QT_TRANSLATE_NOOP(
             "keyvane-files",
             "print the player's stored key statistics: character, keystrokes, errors, rating,\n"
             "      then from the key record error rate (%), ms per right keystroke, the character\n"
             "      typed instead most often and how often (tab-separated); --days N: the key\n"
             "      record of the last N days only; --hardest N: the N hardest keys of the key\n"
             "      record, hardest first: character, difficulty"),
         RunProgress},
        {"history", "",
         QT_TRANSLATE_NOOP(
             "keyvane-files",
             "print the player's finished games: date and time, game, key set or vocabulary, score, seconds, "
             "keystrokes, errors, level (tab-separated)"),
         RunHistory},
        {"class", "[FOLDER] [--days N] [--any-owner] [--csv | --pdf FILE]",
         QT_TRANSLATE_NOOP(
             "keyvane-files",
             "print the class report of the pupils' copies in FOLDER/progress (FOLDER: the "
             "configured\n      score folder), over the last N days (30), tab-separated, as CSV, "
             "or as a PDF to print"),
         RunClass},
        {"new-term", "[FOLDER]",
         QT_TRANSLATE_NOOP("keyvane-files", "move the class's tables and pupils' copies into "
                                            "FOLDER/archive/YYYY-MM-DD and start empty tables"),
         RunNewTerm},
    };
    return commands;
}

void PrintUsage(std::ostream& out)
{
    out << TrUtf8("keyvane-files", "usage: keyvane-files COMMAND ARGUMENTS") << '\n';
    for (const TToolCommand& c : ToolCommands())
        out << "  " << CommandLine(c) << "\n      " << TrUtf8("keyvane-files", c.summary) << '\n';
    out << "  --version\n      " << TrUtf8("keyvane-files", "print the version") << '\n';
    out << "  --help, -h\n      " << TrUtf8("keyvane-files", "print this text") << '\n';
}
