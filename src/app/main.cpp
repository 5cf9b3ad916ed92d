#include "tmain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyvane's Games!"));
    CreateForms();
    const int status = TMain::Main();
    FreeForms();
    return status;
}
