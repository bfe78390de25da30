#include "ui/Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zaviko"));

    TForm1 form;
    form.show();
    return app.exec();
}
