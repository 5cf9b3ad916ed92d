#include "book_form.h"
#include "bubbles.h"
#include "cloud_game.h"
#include "code_page.h"
#include "event_view_stg.h"
#include "events_stg.h"
#include "game_harness.h"
#include "games_menu.h"
#include "games_stg.h"
#include "progress_data.h"
#include "progress_drawing.h"
#include "storage_form.h"
#include "text_fit.h"
#include "translation.h"
#include "wordtris.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>
#include <cctype>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>

// Every text of the program, in each language and at screen scales 1 and 2, against the room of
// the control or box that shows it. A text fails when it does not fit and is wider than the English
// text in its place: where the English layout already cuts a text (a long list item, a chart's
// figure), a translation may do no worse. Message boxes size themselves to their text and are left
// out.

namespace {

using TMeasures = std::vector<TTextMeasure>;

void Append(TMeasures& to, TMeasures more)
{
    to.insert(to.end(), more.begin(), more.end());
}

// The contexts of the language's .ts file by the text shown (the translation, or the source while
// it has none), to name where a text comes from.
std::multimap<QString, QString> ContextsOfTexts(const std::string& language)
{
    std::multimap<QString, QString> contexts;
    QFile file(QStringLiteral(KV_SOURCE_DIR "/translations/keyvane-games_%1.ts")
                   .arg(QString::fromStdString(language)));
    if (!file.open(QIODevice::ReadOnly))
        return contexts;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText();
            contexts.emplace(translation.isEmpty() ? source : translation, context);
        }
    }
    return contexts;
}

// The notices the menu's tip box shows: every reason the progress cannot be kept, a new player's,
// and a player's with all it can name, after the line of a score folder that cannot be used.
std::vector<std::string> Notices()
{
    std::vector<std::string> notices;
    for (TStoreProblem p :
         {TStoreProblem::FolderNotWritable, TStoreProblem::FolderOpenToOthers, TStoreProblem::ForeignLink,
          TStoreProblem::LaterVersion, TStoreProblem::Held, TStoreProblem::CannotOpen,
          TStoreProblem::ReadOnly, TStoreProblem::ReadFailed, TStoreProblem::Damaged})
        notices.push_back(ProblemNotice(p));
    TProgressData data;
    notices.push_back(ProgressNotice(data));
    // Three hard keys of the key record, named by words, among easy ones; then an accented one.
    data.RankedFromRecord = true;
    for (unsigned char ch : {',', '.', ' ', 'a', 's', 'd', 'f', 'g'}) {
        TKeyStanding k;
        k.Ch = ch;
        k.Difficulty = std::isalpha(ch) ? 1 : 50;
        data.Ranking.push_back(k);
    }
    data.Ranking[2].Ch = '\xDF';
    data.WeekBest = {{12345, 12345, 12345}};
    notices.push_back(ProgressNotice(data));
    notices.push_back(Tr("TMain", kScoreFolderNotice) + "\n" + ProgressNotice(data));
    return notices;
}

// A page with all it can draw: hardest keys with what is typed for them, one game's chart and the
// others empty, no days typed yet; and a new player's page.
std::vector<TProgressData> ProgressPages()
{
    TProgressData full;
    full.Today = 46000;
    for (unsigned char ch : {'q', '\xDF', ',', ' ', 'p', 'x'}) {
        TKeyStanding k;
        k.Ch = ch;
        k.Difficulty = 40;
        k.ErrorRate = 0.37;
        k.MsPerKey = 1234;
        k.Confused = '.';
        k.ConfusedCount = ch == 'q' ? 1 : 1234;
        full.Ranking.push_back(k);
    }
    for (int i = 0; i < kChartGames; ++i) {
        full.Scores[0].push_back(10000 + i);
        full.ScoreDays[0].push_back("2026-09-28");
    }
    return {full, TProgressData()};
}

TMeasures ProgressPageTexts(const TProgressData& data, int scale)
{
    TMeasures measures;
    // The probe is the drawing's for the whole program: taken off again however this ends.
    struct TProbeGuard {
        ~TProbeGuard() { SetTextProbe(nullptr); }
    } guard;
    SetTextProbe([&](const QString& text, const QRectF& box, const QFont& font, int flags) {
        Append(measures, MeasureBoxText("ProgressPage", text, box, font, flags, scale));
    });
    QImage page(kProgressWidth, kProgressHeight, QImage::Format_RGB32);
    QPainter p(&page);
    PaintProgress(p, data);
    p.end();
    return measures;
}

// The menu, its lists and tip box, the top ten, the book's loading line and game titles.
TMeasures MenuTexts(int scale)
{
    TMeasures measures;
    GameWorld world;
    GamesStg->TrisFileList->AddProgramItem("TGamesStg", kDifficultWordsItem);
    GamesStg->BubblesKeys->setItemText(3, FromCp1252(DifficultKeysCaption("asdfjkl", true)));
    Append(measures, MeasureWidgetTexts(GamesStg, "GamesStg", scale));
    for (const std::string& notice : Notices()) {
        GamesStg->Label4->SetCaption(notice);
        Append(measures, MeasureWidgetTexts(GamesStg->Label4, "GamesStg", scale));
    }
    Append(measures, MeasureWidgetTexts(EventViewStg, "EventViewStg", scale));
    for (int code = 1; code <= 3; ++code) {
        BookForm->Title->SetCaption(TGamesMenu::GameTitle(code));
        Append(measures, MeasureWidgetTexts(BookForm, "BookForm", scale));
    }
    return measures;
}

// A game's page as it opens and as it ends: instructions, the message panel, the console.
TMeasures GameTexts(int code, int scale)
{
    TMeasures measures;
    GameWorld world;
    world.dir.Write("Pets.vcb", "cat\r\ndog\r\n");
    std::unique_ptr<TCustomGameEvent> game;
    if (code == 1)
        game = std::make_unique<TBubbles>("Event=Bubbles;0");
    else if (code == 2)
        game = std::make_unique<TWTrisEvent>("Event=Tris;0;Pets.vcb");
    else
        game = std::make_unique<TCloudGame>("Event=Clouds;0;Pets.vcb;True");
    game->Open();
    // The game has borrowed the storage form's panels, or their controls, onto the book's page.
    Append(measures, MeasureWidgetTexts(BookForm, "BookForm", scale));
    for (QWidget* panel :
         {static_cast<QWidget*>(EventsStg->InstructionCard), static_cast<QWidget*>(EventsStg->EventMsg),
          static_cast<QWidget*>(EventsStg->EventConsole)})
        Append(measures, MeasureWidgetTexts(panel, "EventsStg", scale));
    if (auto* tris = dynamic_cast<TWTrisEvent*>(game.get())) {
        const double row = tris->RowImages.empty() ? 0 : tris->RowImages.front()->width();
        Append(measures, MeasureBoxText("TrisStgFrm/beam", FromCp1252(tris->PressSpace),
                                        QRectF(TWTrisEvent::kBeamTextX, 0, row - TWTrisEvent::kBeamTextX, 30),
                                        TWTrisEvent::BeamFont(), 0, scale));
    }
    game->State = TEvent::kRunning;
    game->Stop();
    Append(measures, MeasureWidgetTexts(EventsStg->EventMsg, "EventsStg", scale));
    return measures;
}

TMeasures ProgramTexts(int scale)
{
    TMeasures measures = MenuTexts(scale);
    for (int code = 1; code <= 3; ++code)
        Append(measures, GameTexts(code, scale));
    for (const TProgressData& data : ProgressPages())
        Append(measures, ProgressPageTexts(data, scale));
    return measures;
}

struct TFitCase {
    const char* language;
    int scale;
};

void PrintTo(const TFitCase& c, std::ostream* os)
{
    *os << c.language << " at scale " << c.scale;
}

class FitTest : public testing::TestWithParam<TFitCase> {
  protected:
    ~FitTest() override { InstallTranslations("en"); }
};

TEST_P(FitTest, EveryTextFitsItsControl)
{
    const TFitCase c = GetParam();
    ASSERT_TRUE(InstallTranslations("en"));
    const TMeasures english = ProgramTexts(c.scale);
    ASSERT_TRUE(InstallTranslations(c.language)) << "no translation built for " << c.language;
    const TMeasures translated = ProgramTexts(c.scale);
    // The same screens in the same order: each text stands where its English text stood.
    ASSERT_EQ(translated.size(), english.size());
    const auto contexts = ContextsOfTexts(c.language);
    for (std::size_t i = 0; i < translated.size(); ++i) {
        const TTextMeasure& t = translated[i];
        if (t.Fits() || t.need <= english[i].need + 0.5)
            continue;
        const auto found = contexts.find(t.text);
        const QString context = found == contexts.end() ? QStringLiteral("(composed text)") : found->second;
        ADD_FAILURE() << c.language << " at scale " << c.scale << ": " << context.toStdString() << ", "
                      << t.where << ": \"" << t.text.toStdString() << "\" needs " << t.need << " px "
                      << (t.height ? "of height" : "of width") << ", has " << t.room;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, FitTest,
                         testing::Values(TFitCase{"de", 1}, TFitCase{"de", 2}, TFitCase{"fr", 1},
                                         TFitCase{"fr", 2}, TFitCase{"es", 1}, TFitCase{"es", 2}),
                         [](const testing::TestParamInfo<TFitCase>& info) {
                             return std::string(info.param.language) + "_scale" +
                                    std::to_string(info.param.scale);
                         });

// The checks' own language "zz" (tests/translations/keyvane-games_zz.ts) gives a start button and
// the top ten's congratulation texts far too long: the check must name both, and nothing it left alone.
TEST(TextFit, OverlongTranslationsAreFound)
{
    ASSERT_TRUE(InstallTranslations("en"));
    const TMeasures english = MenuTexts(1);
    ASSERT_TRUE(InstallTranslations("zz"));
    const TMeasures translated = MenuTexts(1);
    InstallTranslations("en");
    ASSERT_EQ(translated.size(), english.size());
    std::map<std::string, QString> found;
    for (std::size_t i = 0; i < translated.size(); ++i)
        if (!translated[i].Fits() && translated[i].need > english[i].need)
            found[translated[i].where] = translated[i].text;
    EXPECT_EQ(found.size(), 2u);
    EXPECT_TRUE(found["GamesStg/BubblesBtn"].startsWith(QStringLiteral("&Start the game")));
    EXPECT_TRUE(found["EventViewStg/Congratulations"].startsWith(QStringLiteral("Congratulations on")));
}

TMeasures Unfit(QWidget* form)
{
    TMeasures unfit;
    for (const TTextMeasure& m : MeasureWidgetTexts(form, "Form", 1))
        if (!m.Fits())
            unfit.push_back(m);
    return unfit;
}

// The buttons of message boxes are Qt's texts, from Qt's own translations installed beside the
// program's ("Yes" differs in all three; Spanish "No" does not).
TEST(TextFit, MessageBoxButtonsComeInTheLanguage)
{
    for (const char* language : {"de", "fr", "es"}) {
        ASSERT_TRUE(InstallTranslations(language));
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes")) << language;
    }
    InstallTranslations("en");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

// Each kind of control, with a text that fits and one far too long for it.
TEST(TextFit, EachKindOfControlIsMeasured)
{
    QWidget form;
    BuildControls(&form,
                  {
                      {"Panel", TKind::Panel, nullptr, 0, 0, 300, 100, ""},
                      {"Fixed", TKind::Label, "Panel", 0, 0, 60, 20, "", 12, 0, 0, kFixedSize},
                      {"Wrapped", TKind::Label, "Panel", 0, 20, 60, 30, "", 12, 0, 0, kWrap | kFixedSize},
                      {"Auto", TKind::Label, "Panel", 0, 50, 0, 0, "", 12},
                      {"Neighbour", TKind::Label, "Panel", 100, 50, 0, 0, "x", 12},
                      {"Button", TKind::Button, "Panel", 0, 70, 90, 25, "", 12},
                      {"List", TKind::Combo, "Panel", 100, 70, 90, 25, "", 12},
                  });
    const QFont font = SpecFont({"", TKind::Label, nullptr, 0, 0, 0, 0, "", 12});
    // The longest run of "m" that fits in width, at scale 1.
    const auto fitting = [&](double width) {
        QString text;
        while (TextWidth(font, text + "m", 1) <= width)
            text += "m";
        return text;
    };
    struct {
        const char* control;
        std::function<void(const QString&)> set;
        QString fits;
    } rows[] = {
        {"Fixed", [&](const QString& t) { Control<TLabel>(&form, "Fixed")->setText(t); }, fitting(60)},
        {"Wrapped", [&](const QString& t) { Control<TLabel>(&form, "Wrapped")->setText(t); },
         fitting(60) + " " + fitting(60)},
        {"Auto", [&](const QString& t) { Control<TLabel>(&form, "Auto")->SetCaption(ToCp1252(t)); },
         fitting(100)},
        {"Button", [&](const QString& t) { Control<TButton>(&form, "Button")->setText(t); }, "Start"},
        {"List",
         [&](const QString& t) {
             Control<TComboBox>(&form, "List")->clear();
             Control<TComboBox>(&form, "List")->addItem(t);
         },
         "a-z"},
    };
    for (const auto& row : rows) {
        row.set(row.fits);
        EXPECT_TRUE(Unfit(&form).empty()) << row.control << " with " << row.fits.toStdString();
        row.set(row.fits + QString(40, QLatin1Char('m')));
        const TMeasures unfit = Unfit(&form);
        EXPECT_FALSE(unfit.empty()) << row.control;
        for (const TTextMeasure& u : unfit)
            EXPECT_EQ(u.where.substr(0, 5 + std::strlen(row.control)), std::string("Form/") + row.control);
        row.set("");
    }
}

} // namespace

// Texts that count take the forms of each language's plurals, English's too; French counts 0 as one.
TEST(Plurals, CountedTextsTakeTheFormsOfTheirLanguage)
{
    struct Row {
        const char* language;
        int n;
        const char* words;
    };
    const Row rows[] = {
        {"en", 0, "0 words"},   {"en", 1, "1 word"},     {"en", 2, "2 words"}, {"de", 1, "1 Wort"},
        {"de", 3, "3 Wörter"},  {"fr", 0, "0 mot"},      {"fr", 1, "1 mot"},   {"fr", 2, "2 mots"},
        {"es", 1, "1 palabra"}, {"es", 5, "5 palabras"},
    };
    for (const Row& r : rows) {
        ASSERT_TRUE(InstallTranslations(r.language));
        EXPECT_EQ(TrUtf8N("keyvane-files", "%n word(s)", nullptr, r.n), r.words) << r.language << " " << r.n;
    }
    // A confusion made once reads as a word ("einmal", not "1-mal"); more often, with its count.
    const Row confusions[] = {
        {"en", 1, "types %1 for %2: once"},
        {"en", 3, "types %1 for %2: 3 times"},
        {"de", 1, "%1 statt %2: einmal"},
        {"de", 3, "%1 statt %2: 3-mal"},
    };
    for (const Row& r : confusions) {
        ASSERT_TRUE(InstallTranslations(r.language));
        EXPECT_EQ(TrN("TProgressDrawing", "types %1 for %2: %n time(s)", nullptr, r.n), r.words)
            << r.language << " " << r.n;
    }
}
