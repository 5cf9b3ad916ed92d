#include "bench_support.h"
#include "chapter_view.h"
#include "form_view.h"
#include "system.h"
#include "tmain.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Nobody answers a message box during a benchmark: one that would show means the run went wrong
// (a file that could not be opened, a score table that could not be saved), so it ends the run.
class FailingDialogs : public IDialogs {
  public:
    void Message(const std::string& text, const std::string&, TMsgKind) override
    {
        Fail("unexpected message: " + text);
    }
    bool Question(const std::string& text, const std::string&) override
    {
        Fail("unexpected question: " + text);
    }
};

} // namespace

// The program's forms over the production services, in a temporary program folder that receives the
// vocabulary and score files the benchmarks write; the main window is shown, so a game step paints
// its field as it does in play.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const QString previousFolder = QDir::currentPath();
    QTemporaryDir folder;
    Require(folder.isValid() && QDir::setCurrent(folder.path()), "no temporary program folder");
    Platform::Install(std::make_unique<FailingDialogs>());
    CreateForms();
    ShowMainWindow();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // The games leave the top-ten view on the menu's left page; nothing may point at freed forms.
    CurrentView = nullptr;
    EnsureChapterView()->LeftView = nullptr;
    EnsureChapterView()->RightView = nullptr;
    FreeForms();
    QDir::setCurrent(previousFolder);
    return 0;
}
