#include "app/Program.h"
#include "platform/Look.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmar"));
    quelmar::look::applyProgramLook(app);
    return quelmar::runProgram(app);
}
