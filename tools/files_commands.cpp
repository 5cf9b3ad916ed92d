#include "files_commands.h"

#include "code_page.h"
#include "progress_commands.h"
#include "rec_file.h"
#include "text_file.h"
#include "text_functions.h"
#include "top_ten.h"
#include "vocabulary_words.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <map>

namespace {

constexpr int kMaxLine = 254;

std::string Utf8(const std::string& cp1252)
{
    return FromCp1252(cp1252).toUtf8().toStdString();
}

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
            err << "usage: keyvane-files " << c.name << ' ' << c.arguments << '\n';
    return kExitUsage;
}

// A file name from the command line as the file layer takes it: in the program's code page.
bool ProgramName(const std::string& arg, std::string& name, std::ostream& err)
{
    bool ok = false;
    name = ToCp1252(QFile::decodeName(QByteArray::fromStdString(arg)), &ok);
    if (!ok)
        Fail(err, arg + ": the name has characters the single-byte code page cannot hold");
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
        return Fail(err, arg + ": is a folder, not a file");
    switch (file.OpenFile(name, 1)) {
    case -1:
        return Fail(err, arg + ": no such file");
    case -2:
        return Fail(err, arg + ": cannot be opened for reading");
    case -7:
        return Fail(err, arg + ": read failed");
    default:
        return kExitOk;
    }
}

int RunWords(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
        return UsageError(err, "words", "words takes one file");
    TTextFile file;
    if (const int rc = OpenForReading(file, args[0], err); rc != kExitOk)
        return rc;
    if (file.Status != 1)
        return Fail(err, args[0] + ": the header runs past the end of the file");
    // Exactly as the games load a vocabulary; the lines they leave out are named here.
    const TVocabularyWords words = ReadVocabularyWords(file);
    for (const TSkippedWord& skipped : words.Skipped) {
        const std::string where = args[0] + ": line " + std::to_string(skipped.Line) + ": ";
        if (skipped.Reason == TSkippedWord::NotUtf8)
            err << "keyvane-files: " << where << "not valid UTF-8, skipped\n";
        else
            err << "keyvane-files: " << where << '"' << skipped.Text
                << "\" does not fit the single-byte code page, skipped\n";
    }
    for (const std::string& word : words.Words)
        out << Utf8(word) << '\n';
    if (words.Status < 0)
        return Fail(err, args[0] + ": read failed");
    return kExitOk;
}

int RunHeader(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
        return UsageError(err, "header", "header takes one file");
    TTextFile file;
    if (const int rc = OpenForReading(file, args[0], err); rc != kExitOk)
        return rc;
    const int status = file.Status;
    // The header is in UTF-8 when the words are.
    const bool utf8 = status == 1 && ReadVocabularyWords(file).Utf8;
    const auto field = [utf8](const std::string& raw) { return Utf8(VocabularyText(raw, utf8)); };
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

// The body lines of a UTF-8 word list: CR LF, LF and CR end lines; a leading byte-order mark goes.
int ReadWordList(const std::string& arg, std::vector<QString>& lines, std::ostream& err)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(arg));
    if (QFileInfo(path).isDir())
        return Fail(err, arg + ": is a folder, not a file");
    QFile file(path);
    if (!file.exists())
        return Fail(err, arg + ": no such file");
    if (!file.open(QIODevice::ReadOnly))
        return Fail(err, arg + ": cannot be opened for reading");
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Fail(err, arg + ": read failed");
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    qsizetype start = 0;
    for (int number = 1; start < bytes.size(); ++number) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        QStringDecoder decode(QStringDecoder::Utf8);
        QString line = decode(bytes.mid(start, end - start));
        if (decode.hasError())
            return Fail(err, arg + ": line " + std::to_string(number) + " is not valid UTF-8");
        lines.push_back(std::move(line));
        start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return kExitOk;
}

// Checks one body line and converts it to the code page. number counts from 1.
int BodyLine(const std::string& arg, int number, const QString& line, bool scrambled, std::string& text,
             std::ostream& err)
{
    const std::string where = arg + ": line " + std::to_string(number);
    bool ok = false;
    text = ToCp1252(line, &ok);
    if (!ok)
        return Fail(err, where + ": \"" + FirstUnfit(line) + "\" does not fit the single-byte code page");
    if (text.find('\0') != std::string::npos)
        return Fail(err, where + " holds a NUL character");
    if (text.size() > kMaxLine)
        return Fail(err, where + " is longer than " + std::to_string(kMaxLine) + " characters");
    // Scrambled, these three characters would turn into a NUL, a CR and an LF and break the line.
    if (scrambled)
        for (const char c : {'\xB7', '\xBA', '\xBD'})
            if (text.find(c) != std::string::npos)
                return Fail(err, where + ": \"" + Utf8(std::string(1, c)) + "\" cannot be stored scrambled");
    if (number == 1 && TrimBlanks(text).starts_with('$'))
        return Fail(err, where + " starts with \"$\" and would be read as a header line");
    return kExitOk;
}

// "$key=value" with "=" and ";" in the value escaped by "%"; the value is trimmed of blanks, which a
// reader would lose at the end of the line anyway.
int HeaderLine(const std::string& key, const std::string& utf8Value, std::string& line, std::ostream& err)
{
    bool ok = false;
    const std::string value = TrimBlanks(ToCp1252(QString::fromUtf8(utf8Value), &ok));
    if (!ok)
        return Fail(err, "the --" + key + " value has characters the single-byte code page cannot hold");
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return Fail(err, "the --" + key + " value holds a line break or NUL");
    line = "$" + key + "=";
    for (char c : value) {
        if (c == '=' || c == ';')
            line.push_back('%');
        line.push_back(c);
    }
    if (line.size() > kMaxLine)
        return Fail(err, "the --" + key + " value is too long for a header line");
    return kExitOk;
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
                return UsageError(err, command, a + " needs a value");
            values[a.substr(2)] = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError(err, command, "unknown option " + a);
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2)
        return UsageError(err, command, "make-vocabulary takes an input and an output file");

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

    std::vector<QString> lines;
    if (ReadWordList(files[0], lines, err) != kExitOk)
        return kExitFailed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string text;
        if (BodyLine(files[0], static_cast<int>(i) + 1, lines[i], scrambled, text, err) != kExitOk)
            return kExitFailed;
        out.push_back(scrambled ? TTextFile::Scramble(text) : text);
    }

    std::string name;
    if (!ProgramName(files[1], name, err))
        return kExitFailed;
    TTextFile file;
    if (file.OpenFile(name, 2) != 1)
        return Fail(err, files[1] + ": cannot be created");
    for (const std::string& line : out)
        if (file.WriteLine(line) != 1)
            return Fail(err, files[1] + ": write failed");
    if (file.CloseFile() != 2)
        return Fail(err, files[1] + ": write failed");
    return kExitOk;
}

// The high-score table of a score file as the games load it: rank, name, score and date per row,
// separated by tabs. The file is only read, and a file held by a running game is not waited for.
int RunScores(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
        return UsageError(err, "scores", "scores takes one file");
    std::string name;
    if (!ProgramName(args[0], name, err))
        return kExitFailed;
    if (QFileInfo(QFile::decodeName(QByteArray::fromStdString(args[0]))).isDir())
        return Fail(err, args[0] + ": is a folder, not a file");
    TRecFile file;
    switch (file.OpenFile(name, 1, -2)) {
    case 1:
        break;
    case -1:
        return Fail(err, args[0] + ": no such file");
    default:
        return Fail(err, args[0] + ": cannot be opened for reading (in use, or not a readable file)");
    }
    TtopTen table;
    table.ReadRows(file);
    if (file.Status < 0)
        return Fail(err, args[0] + ": read failed");
    for (int rank = 1; rank <= table.RowCount; ++rank) {
        const TTopTenRow& row = table.Row(rank);
        out << rank << '\t' << Utf8(row.Name) << '\t' << row.Score << '\t' << Utf8(row.Date) << '\n';
    }
    return kExitOk;
}

} // namespace

const std::vector<TToolCommand>& ToolCommands()
{
    static const std::vector<TToolCommand> commands = {
        {"words", "FILE", "print the words the games load from FILE, one per line", RunWords},
        {"header", "FILE", "print the open status and the header fields of FILE", RunHeader},
        {"make-vocabulary",
         "[--scrambled] [--version V] [--description D] [--author A] [--copyright C] INPUT OUTPUT",
         "write a vocabulary file from a UTF-8 list, one word or phrase per line", RunMakeVocabulary},
        {"scores", "FILE",
         "print the high-score table of the score file FILE, one tab-separated row per line", RunScores},
        {"progress", "",
         "print the player's stored key statistics: character, keystrokes, errors, rating (tab-separated)",
         RunProgress},
        {"history", "",
         "print the player's finished games: date and time, game, key set or vocabulary, score, seconds, "
         "keystrokes, errors, level (tab-separated)",
         RunHistory},
    };
    return commands;
}

void PrintUsage(std::ostream& out)
{
    out << "usage: keyvane-files COMMAND ARGUMENTS\n";
    for (const TToolCommand& c : ToolCommands())
        out << "  " << c.name << ' ' << c.arguments << "\n      " << c.summary << '\n';
}
