#include "class_commands.h"

#include "class_folder.h"
#include "class_pdf.h"
#include "class_publisher.h"
#include "class_report.h"
#include "code_page.h"
#include "files_commands.h"
#include "key_record_sql.h"
#include "new_term.h"
#include "score_folder.h"
#include "system.h"
#include "translation.h"

#include <QFile>
#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// The class's folder: the one named, or the configured score folder.
bool ClassFolderOf(const std::string& named, std::string& folder, std::ostream& err, const char* command)
{
    folder = named;
    if (folder.empty()) {
        const TScoreFolderChoice choice = ChooseScoreFolder({"keyvane-files"}, {});
        if (choice.Origin == TScoreFolderOrigin::Default) {
            UsageError(
                err, command,
                TrUtf8("keyvane-files", "no class folder is configured: name the class's score folder"));
            return false;
        }
        folder = choice.Folder;
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return true;
}

std::string Utf8(const std::string& cp1252)
{
    return Cp1252ToUtf8(cp1252);
}

// How figures and fields are written: tab-separated with a decimal point, or CSV as a spreadsheet of
// the teacher's language reads it (a decimal comma goes with semicolons between the fields).
struct TFormat {
    bool Csv = false;
    char Point = '.';
    char Separator = '\t';

    std::string Number(double v, int decimals = 1) const
    {
        char text[48];
        std::snprintf(text, sizeof text, "%.*f", decimals, v);
        std::string s = text;
        for (char& c : s)
            if (c == '.')
                c = Point;
        return s;
    }
    std::string Change(double v) const { return (v > 0 ? "+" : "") + Number(v); }
    // A text field. In CSV a text a pupil chose (a name) that starts like a formula is kept as text, so
    // the spreadsheet never runs it.
    std::string Text(std::string s) const
    {
        if (!Csv) {
            for (char& c : s)
                if (c == '\t' || c == '\n' || c == '\r')
                    c = ' ';
            return s;
        }
        if (!s.empty() && std::string("=+-@\t\r").find(s[0]) != std::string::npos)
            s.insert(0, 1, '\'');
        if (s.find_first_of(std::string("\"\n\r") + Separator) == std::string::npos)
            return s;
        std::string quoted = "\"";
        for (char c : s) {
            if (c == '"')
                quoted += '"';
            quoted += c;
        }
        return quoted + '"';
    }
    void Row(std::ostream& out, const std::vector<std::string>& fields) const
    {
        for (std::size_t i = 0; i < fields.size(); ++i)
            out << (i ? std::string(1, Separator) : std::string()) << fields[i];
        out << (Csv ? "\r\n" : "\n");
    }
};

std::string KeyText(unsigned char ch)
{
    return Utf8(KeyName(ch, true));
}

std::string ConfusionText(const TConfusionCount& c)
{
    return c.Times > 0
               ? FillArgs(TrUtf8("TClassReport", "types %1 for %2"), {KeyText(c.Typed), KeyText(c.Due)})
               : std::string();
}

void WriteReport(const TClassFigures& figures, const TFormat& f, std::ostream& out)
{
    f.Row(out,
          {TrUtf8("TClassReport", "login"), TrUtf8("TClassReport", "name"), TrUtf8("TClassReport", "games"),
           TrUtf8("TClassReport", "minutes"), TrUtf8("TClassReport", "last played"),
           TrUtf8("TClassReport", "accuracy %"), TrUtf8("TClassReport", "accuracy change"),
           TrUtf8("TClassReport", "characters a minute"), TrUtf8("TClassReport", "speed change"),
           TrUtf8("TClassReport", "hardest keys"), TrUtf8("TClassReport", "most frequent confusion")});
    for (const TPupilFigures& p : figures.Pupils) {
        std::string hardest;
        for (std::size_t i = 0; i < p.Ranking.size() && i < 3; ++i)
            hardest += (i ? " " : "") + KeyText(p.Ranking[i].Ch);
        const bool now = p.Period.HasKeys(), before = p.Before.HasKeys();
        f.Row(out,
              {f.Text(p.Record.Login), f.Text(p.Record.Name), std::to_string(p.Period.Games),
               f.Number(p.Period.Seconds / 60), p.Record.LastPlayed, now ? f.Number(p.Period.Accuracy()) : "",
               now && before ? f.Change(p.Period.Accuracy() - p.Before.Accuracy()) : "",
               now ? f.Number(p.Period.Speed()) : "",
               now && before ? f.Change(p.Period.Speed() - p.Before.Speed()) : "", f.Text(hardest),
               f.Text(ConfusionText(p.Confusion))});
    }
    out << (f.Csv ? "\r\n" : "\n");
    f.Row(out, {TrUtf8("TClassReport", "the class's hardest keys"), TrUtf8("TClassReport", "error rate %"),
                TrUtf8("TClassReport", "keystrokes"), TrUtf8("TClassReport", "pupils it troubles")});
    for (const TClassKey& k : figures.HardKeys)
        f.Row(out, {f.Text(KeyText(k.Ch)), f.Number(k.ErrorRate), std::to_string(k.Keystrokes),
                    std::to_string(k.Pupils)});
    out << (f.Csv ? "\r\n" : "\n");
    f.Row(out, {TrUtf8("TClassReport", "the class's most frequent confusions"),
                TrUtf8("TClassReport", "times"), TrUtf8("TClassReport", "pupils")});
    for (const TConfusionCount& c : figures.Confusions)
        f.Row(out, {f.Text(ConfusionText(c)), std::to_string(c.Times), std::to_string(c.Pupils)});
}

} // namespace

bool ClassNeedsDrawing(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--pdf")
            return true;
    return false;
}

int RunClass(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string named, pdf;
    long days = 30;
    bool csv = false, anyOwner = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--csv")
            csv = true;
        else if (args[i] == "--any-owner")
            anyOwner = true;
        else if (args[i] == "--days" && i + 1 < args.size()) {
            char* end = nullptr;
            days = std::strtol(args[++i].c_str(), &end, 10);
            if (args[i].empty() || *end != '\0' || days < 1 || days > 3650)
                return UsageError(
                    err, "class",
                    TrUtf8("keyvane-files", "class --days takes a number of days from 1 to 3650"));
        } else if (args[i] == "--pdf" && i + 1 < args.size())
            pdf = args[++i];
        else if (named.empty() && !args[i].empty() && args[i][0] != '-')
            named = args[i];
        else
            return UsageError(err, "class",
                              FillArgs(TrUtf8("keyvane-files", "class does not take \"%1\""), {args[i]}));
    }
    if (csv && !pdf.empty())
        return UsageError(err, "class", TrUtf8("keyvane-files", "class takes --csv or --pdf, not both"));
    std::string folder;
    if (!ClassFolderOf(named, folder, err, "class"))
        return kExitUsage;
    const std::string copies = ClassProgressFolder(folder);
    if (!ClassFolder::IsFolder(copies))
        return Fail(err,
                    FillArgs(TrUtf8("keyvane-files", "%1 has no folder \"progress\" for the pupils' copies"),
                             {QFile::decodeName(QByteArray::fromStdString(folder)).toStdString()}));
    const TClassFigures figures =
        ReadClass(copies, static_cast<int>(days), static_cast<int>(std::floor(Now())), !anyOwner);
    if (!figures.Listed)
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1 cannot be read: only the teacher may read the "
                                                          "pupils' copies"),
                                  {QFile::decodeName(QByteArray::fromStdString(copies)).toStdString()}));
    for (const std::string& left : figures.LeftOut)
        err << "keyvane-files: " << FillArgs(TrUtf8("keyvane-files", "%1 is left out"), {left}) << '\n';
    if (!pdf.empty()) {
        std::string problem;
        if (!WriteClassPdf(figures, pdf, problem))
            return Fail(err, pdf + ": " + problem);
        return kExitOk;
    }
    TFormat f;
    if (csv) {
        f.Csv = true;
        f.Point = PlayerLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
        f.Separator = f.Point == ',' ? ';' : ',';
    }
    WriteReport(figures, f, out);
    return kExitOk;
}

int RunNewTerm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1)
        return UsageError(err, "new-term", TrUtf8("keyvane-files", "new-term takes at most one folder"));
    std::string folder;
    if (!ClassFolderOf(args.empty() ? std::string() : args[0], folder, err, "new-term"))
        return kExitUsage;
    if (!ClassFolder::IsFolder(folder))
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "%1: no such folder"),
                                  {QFile::decodeName(QByteArray::fromStdString(folder)).toStdString()}));
    std::string message;
    if (!StartNewTerm(folder, KeyRecordSql::DayText(static_cast<int>(std::floor(Now()))), message))
        return Fail(err, message);
    out << message << '\n';
    return kExitOk;
}
