#include "book_form.h"
#include "command_line.h"
#include "display.h"
#include "signals.h"
#include "tmain.h"
#include "translation.h"

#include <iostream>

int main(int argc, char** argv)
{
    TMain::Arguments.assign(argv, argv + argc);
    // Answered on the terminal, before a display is needed.
    const TCommandLine line = ReadCommandLine(TMain::Arguments);
    switch (line.Action) {
    case TCommandLineAction::Help:
        std::cout << UsageText();
        return 0;
    case TCommandLineAction::Version:
        std::cout << VersionText();
        return 0;
    case TCommandLineAction::Misuse:
        std::cerr << "keyvane-games: " << line.Problem << '\n' << UsageText();
        return kMisuseStatus;
    case TCommandLineAction::Play:
        break;
    }
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
