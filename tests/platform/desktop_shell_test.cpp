#include "production_services.h"
#include "scoped_env.h"
#include "scratch_dir.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Takes the desktop's place: records the documents it is asked to open.
class DocumentCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

// The help page is found as every other file is, by its name without regard to case.
TEST(DesktopShell, FindsTheDocumentWithoutRegardToCase)
{
    ScratchDir dir;
    dir.Write("Vanedoc.htm", "<html></html>");
    DocumentCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    const std::unique_ptr<IShell> shell = MakeDesktopShell([](const std::string&) { return true; });
    EXPECT_GT(shell->OpenDocument("VANEDOC.HTM", "", ""), 32);
    EXPECT_EQ(shell->OpenDocument("missing.htm", "", ""), 2);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_TRUE(catcher.opened[0].toLocalFile().endsWith(QStringLiteral("/Vanedoc.htm")));
}

// A desktop without an application for web pages would take the page and show nothing: the shell
// says there is no association, hands nothing on, and tells where the page lies.
TEST(DesktopShell, WithoutAViewerNothingIsHandedOnAndThePageIsNamed)
{
    ScratchDir dir;
    dir.Write("Vanedoc.htm", "<html></html>");
    DocumentCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    std::string asked;
    const std::unique_ptr<IShell> shell = MakeDesktopShell([&](const std::string& mime) {
        asked = mime;
        return false;
    });
    EXPECT_EQ(shell->OpenDocument("Vanedoc.htm", "", ""), 31);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_TRUE(catcher.opened.empty());
    EXPECT_EQ(asked, "text/html");
    EXPECT_EQ(shell->Where("vanedoc.htm"), dir.Path() + "/Vanedoc.htm");
}

// With no opener on the way, no viewer is found; the check itself never fails the run.
TEST(DesktopShell, NoOpenerMeansNoViewer)
{
    ScratchDir dir;
    TScopedEnv path("PATH", dir.Path());
    EXPECT_FALSE(DesktopHasViewer("text/html"));
}

} // namespace

#include "desktop_shell_test.moc"
