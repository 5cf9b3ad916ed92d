#include "tmain.h"

#include "book_form.h"
#include "bubble_stg.h"
#include "class_publisher.h"
#include "code_page.h"
#include "controls.h"
#include "errors.h"
#include "event_view_stg.h"
#include "events_stg.h"
#include "form_view.h"
#include "games_menu.h"
#include "games_stg.h"
#include "pictures.h"
#include "player_progress.h"
#include "score_folder.h"
#include "sounds.h"
#include "system.h"
#include "top_ten.h"
#include "top_ten_view.h"
#include "translation.h"
#include "tris_stg.h"
#include "user_folder.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <iostream>
#include <unistd.h>

std::string TMain::ProgramFolder;
std::string TMain::ProbeFolder;
std::string TMain::StateFolder;
std::vector<std::string> TMain::Arguments;
int TMain::ExitCode = 0;

namespace {

// The hand cursor's picture and its hot spot (the fingertip).
QCursor HandCursor()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/pictures/hand_cursor.svg"));
    if (!svg.isValid())
        return QCursor(Qt::PointingHandCursor);
    QPainter p(&pm);
    svg.render(&p, QRectF(0, 0, 32, 32));
    p.end();
    return QCursor(pm, HandCursorHotspot.x(), HandCursorHotspot.y());
}

bool SetWorkingFolder()
{
    std::string folder = TMain::ProgramFolder;
    // A path of the system, in its own bytes and of any length: a cut one would name another folder.
    if (folder.empty())
        folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    // An installed program cannot write beside itself; it then works in the player's own folder.
    std::string problem;
    folder = ChooseWorkingFolder(folder, TMain::ProbeFolder, &problem);
    if (!problem.empty())
        std::cerr << TrQ("TMain", "keyvane-games: the program folder cannot be written, and %1; scores will "
                                  "not be kept")
                         .arg(QString::fromLocal8Bit(problem))
                         .toLocal8Bit()
                         .constData()
                  << '\n';
    if (chdir(folder.c_str()) != 0) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        std::cerr << TrQ("TMain", "keyvane-games: cannot use the program folder %1: %2")
                         .arg(QFile::decodeName(QByteArray::fromStdString(folder)), error)
                         .toLocal8Bit()
                         .constData()
                  << '\n';
        return false;
    }
    return true;
}

// The folder of the top-ten tables, once the working folder is set (its Errors.log takes the entry of
// a folder that cannot be used). Returns the line the menu's notice gives such a folder.
std::string UseScoreFolder(const TScoreFolderChoice& choice)
{
    SetScoreFolder({});
    if (choice.Origin == TScoreFolderOrigin::Default)
        return {};
    std::string problem = choice.Problem.empty() ? ScoreFolderProblem(choice.Folder) : choice.Problem;
    // The file layer takes names in the program's code page; a folder whose name it cannot hold would
    // be another folder.
    const QString name = QFile::decodeName(QByteArray::fromStdString(choice.Folder));
    bool fits = false;
    const std::string text = ToCp1252(name, &fits);
    if (problem.empty() && (!fits || QFile::encodeName(FromCp1252(text)).toStdString() != choice.Folder))
        problem = "its name has characters the program cannot use";
    if (problem.empty()) {
        SetScoreFolder(text);
        return {};
    }
    const std::string where = choice.Origin == TScoreFolderOrigin::Option ? "--scores" : choice.Source;
    LogError(-2532, "The score folder " + ToCp1252(name) + " (" +
                        ToCp1252(QFile::decodeName(QByteArray::fromStdString(where))) +
                        ") cannot be used: " + problem + ". The tables are kept in the working folder.");
    return Tr("TMain", kScoreFolderNotice);
}

} // namespace

int TMain::Main()
{
    ExitCode = 0;
    if (Launch())
        Shutdown();
    return ExitCode;
}

std::string SmallScreenMessage(IScreen& screen, int bookWidth, int bookHeight)
{
    const int width = screen.FullScreenClientWidth();
    const double scale = screen.ScaleFactor();
    if (std::abs(scale - 1.0) < 0.01)
        return width <= 640 ? Tr("TMain", "Keyvane cannot fit the screen, since your display\n"
                                          "area is only 640x480 or smaller. Press Help to")
                            : std::string();
    // Scaled, the screen holds fewer of the program's pixels: the message says how many, and why.
    const int height = screen.Height();
    if (width > 640 && width >= bookWidth && height >= bookHeight)
        return {};
    QString factor = QString::number(scale, 'f', 2);
    while (factor.endsWith(QLatin1Char('0')))
        factor.chop(1);
    if (factor.endsWith(QLatin1Char('.')))
        factor.chop(1);
    return FillArgs(Tr("TMain", "Keyvane cannot fit the screen at the scale factor %1: your display area is\n"
                                "only %2x%3 of the program's pixels, and the book needs %4x%5."),
                    {factor.toStdString(), std::to_string(width), std::to_string(height),
                     std::to_string(bookWidth), std::to_string(bookHeight)});
}

bool TMain::Launch()
{
    // A relative folder given on the command line is taken from where the program was started.
    const TScoreFolderChoice scores = ChooseScoreFolder(Arguments, {});
    if (!SetWorkingFolder()) {
        ExitCode = 2;
        return false;
    }
    const std::string scoreNotice = UseScoreFolder(scores);
    TBookForm* form = BookForm;
    form->SetLayout(0);
    form->LoadLabel->show();
    form->show();

    const std::string tooSmall = SmallScreenMessage(Platform::Screen(), form->width(), form->height());
    if (!tooSmall.empty()) {
        Platform::Dialogs().Message(tooSmall, "Keyvane's Games!", TMsgKind::Warning);
        ExitCode = 1;
        return false;
    }

    form->BackGround32->show();
    form->setWindowTitle(QStringLiteral("Keyvane's Games!"));
    // The same picture as the desktop entry's icon, for the desktop's window list.
    form->setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.svg")));
    InstallCursor(90, HandCursor());
    form->OnClose = &TMain::BookFormClose;

    RegisterSound(1, "Click.wav");
    RegisterSound(2, "Theend.wav");
    RegisterSound(3, "Error.wav");

    form->LoadLabel->show();
    form->repaint();

    form->TabRowPic->Assign(*GamesStg->GamesTabPic);
    for (TImage* tab :
         {form->MenuGuided, form->MenuInfo, form->MenuRevision, form->MenuOptions, form->MenuLogo})
        tab->hide();
    form->MenuExit->OnClick = &TMain::ExitClick;
    form->SetLayout(2);
    form->CoverPic->ClearPicture();

    // The statistics start from the player's stored totals, and every finished game is kept.
    TPlayerProgress progress(StateFolder.empty() ? UserStateFolder() : StateFolder);
    progress.Start(*EnsureDifficultKeys());
    // In a class whose folder has a folder for progress, each stored game also reaches the teacher.
    TClassPublisher publisher(
        ScoreFolder().empty() ? std::string() : QFile::encodeName(FromCp1252(ScoreFolder())).toStdString(),
        progress.Store().Path());
    SetGameRecordSink([&progress, &publisher](const TGameRecord& record) {
        progress.Record(record);
        if (progress.Waiting() == 0)
            publisher.Publish();
    });
    TopTenNameSink = [&publisher](const std::string& name) {
        publisher.NameTyped(name);
        publisher.Publish();
    };

    TGamesMenu menu;
    menu.Progress = &progress;
    menu.ScoreNotice = scoreNotice;
    if (publisher.Active())
        menu.ClassNotice = Tr("TMain", kClassNotice);
    menu.GamesLoop();
    TopTenNameSink = nullptr;
    SetGameRecordSink(nullptr);
    return true;
}

void TMain::Shutdown()
{
    for (int slot = 1; slot <= 4; ++slot)
        FreeSound(slot);
}

void TMain::ExitClick(QObject*)
{
    if (BookForm)
        BookForm->close();
}

void TMain::BookFormClose(QObject*, bool& Cancel)
{
    if (CloseCurrentView())
        Cancel = true;
}

void CreateForms()
{
    // The main window first, so that it is the application's main window; then the storage forms.
    new TBookForm();
    new TBubbleStg();
    new TEventsStg();
    new TEventViewStg();
    new TTrisStgFrm();
    new TGamesStg();
}

void FreeForms()
{
    delete GamesStg;
    delete TrisStgFrm;
    delete EventViewStg;
    delete EventsStg;
    delete BubbleStg;
    delete BookForm;
}
