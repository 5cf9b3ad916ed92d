#include "class_report.h"

#include "class_folder.h"
#include "translation.h"

#include <algorithm>
#include <map>

void TPlayFigures::Add(const TPupilGame& game)
{
    ++Games;
    Seconds += game.Seconds;
    Keystrokes += game.Keystrokes;
    Errors += game.Errors;
}

double TPlayFigures::Accuracy() const
{
    return Keystrokes > 0 ? 100.0 * double(Keystrokes - Errors) / double(Keystrokes) : 0;
}

double TPlayFigures::Speed() const
{
    return Seconds > 0 ? double(Keystrokes - Errors) * 60.0 / Seconds : 0;
}

namespace {

void AddByDay(std::vector<std::pair<int, TPlayFigures>>& byDay, const TPupilGame& game)
{
    auto at = std::lower_bound(byDay.begin(), byDay.end(), game.Day,
                               [](const auto& entry, int day) { return entry.first < day; });
    if (at == byDay.end() || at->first != game.Day)
        at = byDay.insert(at, {game.Day, {}});
    at->second.Add(game);
}

// A text of a pupil's file as the terminal and the page may show it: control characters (a crafted
// file name could hold the terminal's escape sequences) become "?".
std::string Printable(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return text;
}

TConfusionCount MostConfused(const TKeyRecord& keys)
{
    TConfusionCount most;
    for (int code = TKeyRecord::kFirst; code <= 255; ++code)
        for (const TKeyTally::TConfusion& c : keys[static_cast<unsigned char>(code)].Confusions)
            if (c.Count > most.Times)
                most = {static_cast<unsigned char>(code), c.Typed, c.Count, 1};
    return most;
}

} // namespace

void Figure(TClassFigures& figures, std::vector<TPupilRecord> records)
{
    const int first = figures.Today - figures.Days + 1;
    std::map<unsigned char, int> troubled;
    std::map<std::pair<unsigned char, unsigned char>, TConfusionCount> confusions;
    for (TPupilRecord& record : records) {
        TPupilFigures pupil;
        for (const TPupilGame& game : record.Games) {
            if (game.Day > figures.Today || game.Day < first - figures.Days)
                continue;
            if (game.Day < first) {
                pupil.Before.Add(game);
                continue;
            }
            pupil.Period.Add(game);
            AddByDay(pupil.ByDay, game);
            AddByDay(figures.ByDay, game);
        }
        TKeyDays period;
        TKeyRecord keys;
        for (const TKeyDay& day : record.Days)
            if (day.Day >= first && day.Day <= figures.Today) {
                period.push_back(day);
                keys.Add(day.Keys);
            }
        figures.Keys.Add(keys);
        pupil.Ranking = RankKeys(period, figures.Today);
        pupil.Confusion = MostConfused(keys);
        for (const TKeyStanding& hard : HardKeys(pupil.Ranking, 12))
            ++troubled[hard.Ch];
        for (int code = TKeyRecord::kFirst; code <= 255; ++code)
            for (const TKeyTally::TConfusion& c : keys[static_cast<unsigned char>(code)].Confusions) {
                TConfusionCount& sum = confusions[{static_cast<unsigned char>(code), c.Typed}];
                sum.Due = static_cast<unsigned char>(code);
                sum.Typed = c.Typed;
                sum.Times += c.Count;
                ++sum.Pupils;
            }
        pupil.Record = std::move(record);
        figures.Pupils.push_back(std::move(pupil));
    }
    // The class's hardest keys by the lower bound of their error rate, so that a key typed twice
    // and missed once does not lead the list.
    std::vector<std::pair<double, TClassKey>> keys;
    for (int code = TKeyRecord::kFirst; code <= 255; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        const TKeyTally& t = figures.Keys[ch];
        if (t.Keystrokes <= 0 || t.Errors <= 0)
            continue;
        TClassKey k{ch, t.Keystrokes, t.Errors, 100.0 * t.Errors / t.Keystrokes, troubled[ch]};
        keys.emplace_back(WilsonLowerBound(double(t.Errors), double(t.Keystrokes)), k);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < keys.size() && i < kClassKeys; ++i)
        figures.HardKeys.push_back(keys[i].second);
    for (const auto& [key, count] : confusions)
        figures.Confusions.push_back(count);
    std::stable_sort(figures.Confusions.begin(), figures.Confusions.end(),
                     [](const TConfusionCount& a, const TConfusionCount& b) { return a.Times > b.Times; });
    if (figures.Confusions.size() > kClassConfusions)
        figures.Confusions.resize(kClassConfusions);
}

TClassFigures ReadClass(const std::string& folder, int days, int today, bool checkOwners)
{
    TClassFigures figures;
    figures.Today = today;
    figures.Days = days;
    std::vector<TPupilRecord> records;
    std::vector<std::string> names;
    figures.Listed = ClassFolder::ListNames(folder, ".db", names);
    for (const std::string& name : names) {
        const std::string login = name.substr(0, name.size() - 3);
        TPupilCopy copy;
        std::uint32_t owner = 0;
        TPupilCopy::TState state = OpenPupilFile(copy, folder + "/" + name, owner);
        std::string why;
        if (state != TPupilCopy::TState::Ok)
            why = PupilCopyProblem(state, copy.Detail());
        else if (checkOwners && ClassFolder::LoginOf(owner) != login)
            // Anybody may add a file under a classmate's name; only the user of that name writes theirs.
            why = FillArgs(TrUtf8("TClassReport", "was not written by the user %1"), {login});
        TPupilRecord record;
        record.Login = login;
        if (why.empty() && !copy.Read(today - 2 * days + 1, record))
            why = PupilCopyProblem(TPupilCopy::TState::Damaged, copy.Detail());
        if (!why.empty()) {
            figures.LeftOut.push_back(Printable(name) + ": " + why);
            continue;
        }
        record.Name = Printable(record.Name);
        for (TPupilGame& game : record.Games) {
            game.Game = Printable(game.Game);
            game.Choice = Printable(game.Choice);
        }
        records.push_back(std::move(record));
    }
    Figure(figures, std::move(records));
    return figures;
}
