#include "book_form.h"
#include "display.h"
#include "signals.h"
#include "tmain.h"
#include "translation.h"

int main(int argc, char** argv)
{
    TMain::Arguments.assign(argv, argv + argc);
    const std::unique_ptr<QApplication> app = OpenDisplay(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyvane's Games!"));
    // Before any form is built: the storage forms take their captions in the player's language.
    InstallPlayerLanguage();
    CreateForms();
    // A desktop logging out or a terminal closing ends the program as the close box does.
    Signals::CloseOnSignals(BookForm);
    const int status = TMain::Main();
    Signals::RestoreDefaults();
    FreeForms();
    return status;
}
