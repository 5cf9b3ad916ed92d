#include "production_services.h"
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
    const std::unique_ptr<IShell> shell = MakeDesktopShell();
    EXPECT_GT(shell->OpenDocument("VANEDOC.HTM", "", ""), 32);
    EXPECT_EQ(shell->OpenDocument("missing.htm", "", ""), 2);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_TRUE(catcher.opened[0].toLocalFile().endsWith(QStringLiteral("/Vanedoc.htm")));
}

} // namespace

#include "desktop_shell_test.moc"
